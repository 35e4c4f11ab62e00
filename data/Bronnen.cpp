#include "data/Bronnen.h"

#include <charconv>
#include <vector>

#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "calc/Reken.h"
#include "base/Tekst.h"
#include "calc/Zone.h"
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
  Werkblad ws;
  PlainWerkbladVenster venster;
  ResetWerkblad(ws, venster);
  int zone = 0;
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
    if (LeesGeheel(sleutel, veld) && veld >= 0 && veld < 40) {
      venster.invoer[static_cast<std::size_t>(veld)].tekst = tekst;
    } else if (sleutel.size() == 12 && sleutel.starts_with("toelichting") && sleutel[11] >= '0' &&
               sleutel[11] <= '3') {
      const auto i = static_cast<std::size_t>(sleutel[11] - '0');
      venster.toel[i].tekst = TrimBlanks(tekst);
      ws.Toelichting[i] = VastBreed(venster.toel[i].tekst, kToelichtingLengte);
    } else if (!LeesGeheel(tekst, getal)) {
      return Fout{plaats + "expected a whole number"};
    } else if (sleutel == "wegdek") {
      ws.WegdekKeuze = getal;
    } else if (sleutel == "rail" && (getal == 0 || getal == 1)) {
      ws.RailConstructie = getal;
    } else if (sleutel == "zone" && (getal == 0 || getal == 1)) {
      zone = getal;
    } else if (sleutel == "aftrek" && (getal == 0 || getal == 1)) {
      venster.aftrek.waarde = getal;
    } else {
      return Fout{plaats + "unknown key or value"};
    }
  }
  // The zone switch runs after the speeds are typed, as on the window.
  ZetZone(ws, venster, zone);

  PlainMeldingen meldingen;
  const CheckUitkomst check = CheckIt(ws, venster, meldingen);
  if (!check) {
    return Fout{check.nietGetalVeld >= 0 ? "field " + std::to_string(check.nietGetalVeld) + " is not a number"
                                         : "input check refused: " + meldingen.getoond.at(0).tekst};
  }
  // The program saves after a calculation, which fills the derived totals
  // and freight shares.
  RekenPeriodes(ws, venster, Catalogus{});
  return CodeerWerkblad(InhoudVan(ws, venster.zone.waarde, venster.aftrek.waarde));
}

}  // namespace tarvo
