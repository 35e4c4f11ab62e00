#include "data/Bronnen.h"

#include <charconv>
#include <cstring>
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
  Catalogus c;
  bool gelezen = VolgendeRegel(tabel, regel, nummer);
  for (; gelezen && (regel.starts_with("gebruikersnaam\t") || regel.starts_with("labelnaam\t"));
       gelezen = VolgendeRegel(tabel, regel, nummer)) {
    const std::string naam = VastBreed(regel.substr(regel.find('\t') + 1), kNaamLengte);
    (regel[0] == 'g' ? c.Gebruikersnaam : c.GebruikersLabelnaam) = naam;
  }
  if (!gelezen || Splits(regel) != kKop) return Fout{"the first line must be the column header"};
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

namespace {

// The lines of a description into `w`; zone and aftrek also as the numbers
// given. A switch other than 0 or 1 is refused unless `ruw`.
Uitkomst<void> LeesBeschrijving(std::istream& beschrijving, bool ruw, Werkblad& w, std::int16_t& zone,
                                std::int16_t& aftrek) {
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
    } else if (sleutel == "rail" && (ruw || getal == 0 || getal == 1)) {
      w.rail = getal;
    } else if (sleutel == "zone" && (ruw || getal == 0 || getal == 1)) {
      zone = getal, w.zone = getal == 1;
    } else if (sleutel == "aftrek" && (ruw || getal == 0 || getal == 1)) {
      aftrek = getal, w.aftrek = getal == 1;
    } else {
      return Fout{plaats + "unknown key or value"};
    }
  }
  return {};
}

}  // namespace

Uitkomst<std::array<std::uint8_t, kWerkbladLengte>> WerkbladUitBeschrijving(std::istream& beschrijving) {
  Werkblad w = LeegWerkblad('.');
  std::int16_t zone = 0, aftrek = 0;
  if (auto gelezen = LeesBeschrijving(beschrijving, false, w, zone, aftrek); !gelezen) return gelezen.Reden();
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

Uitkomst<std::array<std::uint8_t, kWerkbladLengte>> RuwWerkbladUitBeschrijving(std::istream& beschrijving) {
  Werkblad w;
  std::int16_t zone = 0, aftrek = 0;
  if (auto gelezen = LeesBeschrijving(beschrijving, true, w, zone, aftrek); !gelezen) return gelezen.Reden();
  Invoer in;
  in.waarneempunt = w.veld[veld::kWaarneempunt], in.weg = w.veld[veld::kWeg];
  for (int k = 0; k < kAantalVelden; ++k) {
    const std::string& tekst = w.veld[static_cast<std::size_t>(k)];
    if (Veld(k).soort != VeldSoort::Tekst && !tekst.empty() &&
        !LeesGeheel(tekst, in.getal[static_cast<std::size_t>(k)]))
      return Fout{"field " + std::to_string(k) + " is not a number"};
  }
  in.toelichting = w.toelichting;
  in.wegdek = w.wegdek, in.rail = w.rail;
  auto bytes = CodeerWerkblad(in);
  // The writer knows the switches as on or off; the file holds any number.
  std::memcpy(bytes.data() + kZonePlek, &zone, sizeof zone);
  std::memcpy(bytes.data() + kAftrekPlek, &aftrek, sizeof aftrek);
  return bytes;
}

}  // namespace tarvo
