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

std::optional<Catalogus> CatalogusUitTabel(std::istream& tabel, std::string& fout) {
  static const std::vector<std::string> kKop = {"omschrijving", "DL_lv", "b_lv", "DL_mv", "b_mv", "DL_zv", "b_zv"};
  std::string regel;
  int nummer = 0;
  if (!VolgendeRegel(tabel, regel, nummer) || Splits(regel) != kKop) {
    fout = "the first line must be the column header";
    return std::nullopt;
  }
  Catalogus c;
  while (VolgendeRegel(tabel, regel, nummer)) {
    const auto plaats = "line " + std::to_string(nummer) + ": ";
    const auto delen = Splits(regel);
    if (delen.size() != kKop.size()) {
      fout = plaats + "expected 7 tab-separated columns";
      return std::nullopt;
    }
    if (c.AantalWegdekken == kMaxWegdekken) {
      fout = plaats + "more than 50 road surfaces";
      return std::nullopt;
    }
    // Cutting silently would ship a description nobody reviewed.
    if (AantalTekens(delen[0]) > kOmschrijvingLengte) {
      fout = plaats + "description longer than 30 characters";
      return std::nullopt;
    }
    Wegdek& w = c.Wegdekken[static_cast<std::size_t>(++c.AantalWegdekken)];
    w.Omschrijving = VastBreed(delen[0], kOmschrijvingLengte);
    for (int k = 1; k <= 6; ++k) {
      if (!LeesGeheel(delen[static_cast<std::size_t>(k)], w.Coefficient(k))) {
        fout = plaats + "column " + kKop[static_cast<std::size_t>(k)] + " is not a number";
        return std::nullopt;
      }
    }
  }
  return c;
}

std::optional<std::array<std::uint8_t, kWerkbladLengte>> WerkbladUitBeschrijving(std::istream& beschrijving,
                                                                                   std::string& fout) {
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
      fout = plaats + "expected key<TAB>text";
      return std::nullopt;
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
      fout = plaats + "expected a whole number";
      return std::nullopt;
    } else if (sleutel == "wegdek") {
      ws.WegdekKeuze = getal;
    } else if (sleutel == "rail" && (getal == 0 || getal == 1)) {
      ws.RailConstructie = getal;
    } else if (sleutel == "zone" && (getal == 0 || getal == 1)) {
      zone = getal;
    } else if (sleutel == "aftrek" && (getal == 0 || getal == 1)) {
      venster.aftrek.waarde = getal;
    } else {
      fout = plaats + "unknown key or value";
      return std::nullopt;
    }
  }
  // The zone switch runs after the speeds are typed, as on the window.
  ZetZone(ws, venster, zone);

  PlainMeldingen meldingen;
  const CheckUitkomst check = CheckIt(ws, venster, meldingen);
  if (!check) {
    fout = check.nietGetalVeld >= 0 ? "field " + std::to_string(check.nietGetalVeld) + " is not a number"
                                    : "input check refused: " + meldingen.getoond.at(0).tekst;
    return std::nullopt;
  }
  // The program saves after a calculation, which fills the derived totals
  // and freight shares.
  RekenPeriodes(ws, venster, Catalogus{});
  return CodeerWerkblad(InhoudVan(ws, venster.zone.waarde, venster.aftrek.waarde));
}

}  // namespace tarvo
