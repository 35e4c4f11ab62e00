#include "data/Bronnen.h"

#include <charconv>
#include <vector>

#include "base/Drijvend.h"
#include "base/Tekst.h"
#include "calc/Controle.h"
#include "files/Reset.h"

namespace tarvo {
namespace {

std::vector<std::string> Splits(const std::string& regel) {
  std::vector<std::string> delen;
  std::size_t begin = 0;
  for (;;) {
    const auto tab = regel.find('\t', begin);
    delen.push_back(regel.substr(begin, tab - begin));
    if (tab == std::string::npos) return delen;
    begin = tab + 1;
  }
}

// Yields the meaningful lines; a checkout with CR LF line ends reads the same.
bool VolgendeRegel(std::istream& in, std::string& regel, int& nummer) {
  while (std::getline(in, regel)) {
    ++nummer;
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    if (!regel.empty() && regel.front() != '#') return true;
  }
  return false;
}

template <typename T>
bool LeesGeheel(const std::string& tekst, T& waarde) {
  const auto r = std::from_chars(tekst.data(), tekst.data() + tekst.size(), waarde);
  return r.ec == std::errc() && r.ptr == tekst.data() + tekst.size();
}
bool LeesGeheel(const std::string& tekst, double& waarde) {
  const auto r = LeesDrijvend(tekst.data(), tekst.data() + tekst.size(), waarde);
  return r.ec == std::errc() && r.ptr == tekst.data() + tekst.size();
}

}  // namespace

Uitkomst<Catalogus> CatalogusUitTabel(std::istream& tabel) {
  static const std::vector<std::string> kKop = {"omschrijving", "DL_lv", "b_lv", "DL_mv", "b_mv", "DL_zv", "b_zv"};
  std::string regel;
  int nummer = 0;
  if (!VolgendeRegel(tabel, regel, nummer) || Splits(regel) != kKop) {
    return Fout{"the first line must be the column header"};
  }
  Catalogus c;
  while (VolgendeRegel(tabel, regel, nummer)) {
    const auto plaats = "line " + std::to_string(nummer) + ": ";
    const auto delen = Splits(regel);
    if (delen.size() != kKop.size()) {
      return Fout{plaats + "expected 7 tab-separated columns"};
    }
    if (c.AantalWegdekken == kMaxWegdekken) {
      return Fout{plaats + "more than 50 road surfaces"};
    }
    // Cutting silently would ship a description nobody reviewed.
    if (AantalTekens(delen[0]) > kOmschrijvingLengte) {
      return Fout{plaats + "description longer than 30 characters"};
    }
    Wegdek& w = c.Wegdekken[static_cast<std::size_t>(++c.AantalWegdekken)];
    w.Omschrijving = VastBreed(delen[0], kOmschrijvingLengte);
    for (int k = 1; k <= 6; ++k) {
      if (!LeesGeheel(delen[static_cast<std::size_t>(k)], w.Coefficient(k))) {
        return Fout{plaats + "column " + kKop[static_cast<std::size_t>(k)] + " is not a number"};
      }
    }
  }
  return c;
}

Uitkomst<std::array<std::uint8_t, kWerkbladLengte>> WerkbladUitBeschrijving(std::istream& beschrijving) {
  Werkblad w = LeegWerkblad('.');
  std::string regel;
  int nummer = 0;
  while (VolgendeRegel(beschrijving, regel, nummer)) {
    const auto plaats = "line " + std::to_string(nummer) + ": ";
    const auto tab = regel.find('\t');
    if (tab == std::string::npos) {
      return Fout{plaats + "expected key<TAB>text"};
    }
    const std::string sleutel = regel.substr(0, tab);
    const std::string tekst = regel.substr(tab + 1);
    int veld = -1;
    std::int16_t getal = 0;
    if (LeesGeheel(sleutel, veld) && veld >= 0 && veld < kAantalVelden) {
      w.veld[static_cast<std::size_t>(veld)] = tekst;
    } else if (sleutel.size() == 12 && sleutel.starts_with("toelichting") && sleutel[11] >= '0' && sleutel[11] <= '3') {
      w.toelichting[static_cast<std::size_t>(sleutel[11] - '0')] = tekst;
    } else if (!LeesGeheel(tekst, getal)) {
      return Fout{plaats + "expected a whole number"};
    } else if (sleutel == "wegdek") {
      w.wegdek = getal;
    } else if (sleutel == "rail" && (getal == 0 || getal == 1)) {
      w.rail = getal;
    } else if (sleutel == "zone" && (getal == 0 || getal == 1)) {
      w.zone = getal == 1;
    } else if (sleutel == "aftrek" && (getal == 0 || getal == 1)) {
      w.aftrek = getal == 1;
    } else {
      return Fout{plaats + "unknown key or value"};
    }
  }
  const Controle controle = Controleer(w, '.');
  if (!controle) {
    const Weigering& weigering = *controle.weigering;
    return Fout{weigering.soort == Weigering::Soort::GeenGetal
                    ? "field " + std::to_string(weigering.veld) + " is not a number"
                    : "input check refused: " + weigering.tekst};
  }
  // The file holds what the check took over, the derived totals included.
  return CodeerWerkblad(*controle.invoer);
}

}  // namespace tarvo
