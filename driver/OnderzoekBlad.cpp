#include "driver/OnderzoekBlad.h"

#include <algorithm>
#include <optional>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "driver/Batch.h"
#include "driver/BatchRij.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"

namespace tarvo {
namespace {

OnderzoekPuntTabel Tabel(const PuntUitkomst& p, char decimaal) {
  OnderzoekPuntTabel t;
  t.naam = p.punt->naam;
  t.maximum = MaximumTekst(p);
  std::vector<const OnderzoekWeg*> wegen;
  for (const OnderzoekWeg& w : p.punt->wegen) {
    wegen.push_back(&w);
    t.wegen.push_back(w.naam);
  }
  for (const WegUitkomst& w : p.geweigerd) t.meldingen.push_back(w.melding);
  for (const HoogteUitkomst& h : p.hoogten) {
    t.hoogten.push_back(Formatteer(h.hoogte, "##0.00", decimaal) + " m");
    std::vector<OnderzoekCel> rij(wegen.size());
    for (const WegUitkomst& w : h.wegen) {
      const auto k = static_cast<std::size_t>(std::find(wegen.begin(), wegen.end(), w.weg) - wegen.begin());
      rij[k] = {true, std::to_string(w.resultaat->geluidsbelasting), w.toetsing, Toetsuitkomst::Voldoet};
      if (p.maximum) rij[k].uitkomst = Toets(w.resultaat->geluidsbelasting, *p.maximum, false).uitkomst;
    }
    t.cellen.push_back(std::move(rij));
    t.cumulatief.push_back(h.cumulatief ? Formatteer(h.cumulatief->lden, "##0.00", decimaal) : std::string());
  }
  return t;
}

// The values a worksheet gives a sheet's columns, by column name, and the
// ones a reset worksheet gives them.
struct Kolomwaarden {
  std::vector<std::pair<std::string, std::string>> eigen, standaard;
};

Kolomwaarden Waarden(const Invoer& invoer, char decimaal) {
  Kolomwaarden k;
  const Werkblad w = WerkbladVan(invoer, decimaal);
  const auto zet = [&k](std::string naam, std::string waarde, std::string standaard) {
    k.eigen.emplace_back(naam, std::move(waarde));
    k.standaard.emplace_back(std::move(naam), std::move(standaard));
  };
  for (int v = 0; v < kAantalVelden; ++v) {
    const VeldInfo& info = Veld(v);
    if (info.batchKolom.empty()) continue;
    const std::string& tekst = w.veld[static_cast<std::size_t>(v)];
    // An empty number counts as 0, and says nothing of intensities per hour beside daily totals.
    const std::string standaard = StandaardTekst(v, decimaal);
    zet(std::string(info.batchKolom), info.soort == VeldSoort::Tekst ? Bijgesneden(tekst) : tekst,
        LeesGetal(standaard) == 0 ? std::string() : standaard);
  }
  zet("wegdek", std::to_string(invoer.wegdek), "1");
  zet("zone", invoer.zone ? "1" : "0", "0");
  zet("aftrek", invoer.aftrek ? "1" : "0", "0");
  zet("rail", std::to_string(invoer.rail), "0");
  for (std::size_t i = 0; i < kAantalToelichtingen; ++i)
    zet("toelichting_" + std::to_string(i + 1), RechtsBijgesneden(invoer.toelichting[i]), "");
  return k;
}

std::vector<std::string> Regels(std::string_view tekst, std::string& einde) {
  einde = tekst.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  std::vector<std::string> regels;
  while (!tekst.empty()) {
    const auto lf = tekst.find('\n');
    std::string_view r = tekst.substr(0, lf);
    if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
    regels.emplace_back(r);
    if (lf == std::string_view::npos) break;
    tekst.remove_prefix(lf + 1);
  }
  return regels;
}

}  // namespace

std::unique_ptr<OnderzoekAntwoord> OnderzoekVan(std::string_view tekst, const Catalogus& catalogus, Datum vandaag,
                                                char decimaal) {
  auto a = std::make_unique<OnderzoekAntwoord>();
  auto blad = LeesOnderzoek(tekst, catalogus, decimaal, vandaag);
  if (!blad) {
    a->fout = blad.Melding();
    return a;
  }
  a->blad = std::move(*blad);
  a->uitkomst = RekenOnderzoek(a->blad, std::nullopt, {}, catalogus, vandaag, decimaal);
  for (const PuntUitkomst& p : a->uitkomst.punten) a->tabellen.push_back(Tabel(p, decimaal));
  if (a->uitkomst.geweigerd > 0)
    a->samenvatting = Samenvatting({a->blad.rijen, a->uitkomst.geweigerd, a->uitkomst.eersteRegels},
                                   "onder de tabel van het waarneempunt");
  a->csv = OnderzoekCsv(a->uitkomst, {}, decimaal, "\r\n");
  return a;
}

std::string MaximumZin(const OnderzoekPuntTabel& t) {
  if (t.maximum.empty()) return "Geen situatie of grenswaarde opgegeven: de wegen zijn niet getoetst.";
  return "Maximale ontheffingswaarde: " + t.maximum + ".";
}

std::string OnderzoekUitleg() {
  return "Per waarneempunt en hoogte de " + std::string(kOnderzoekCel) + " van elke weg met de toetsing, en het " +
         std::string(kOnderzoekCumulatief) + ".";
}

BijlageTabel OnderzoekBijlage(const OnderzoekAntwoord& antwoord, const std::string& naam, const Catalogus& catalogus,
                              char decimaal) {
  std::vector<BijlageRegel> regels;
  for (const PuntUitkomst& p : antwoord.uitkomst.punten) {
    const std::string situatie = MaximumTekst(p);
    for (const HoogteUitkomst& h : p.hoogten) {
      for (const WegUitkomst& w : h.wegen) {
        regels.push_back({naam + ", regel " + std::to_string(w.weg->regel), *w.resultaat, situatie, w.toetsing});
      }
    }
  }
  return MaakBijlage(regels, {}, catalogus, decimaal);
}

namespace {

// The header's names in lower case, without their outer blanks.
std::vector<std::string> KolomNamen(const std::string& kopregel) {
  std::vector<std::string_view> namen;
  std::string ontdaan;
  SplitsRegel(kopregel, namen, ontdaan);
  std::vector<std::string> kolommen;
  for (std::string_view n : namen) kolommen.push_back(KleineLetters(BijgesnedenDeel(n)));
  return kolommen;
}

// The line (counted from 1) where `weg` already stands at `punt`, if any.
std::optional<std::size_t> RegelVanWeg(const std::vector<std::string>& regels, const std::vector<std::string>& kolommen,
                                       const std::string& punt, const std::string& weg) {
  const auto ip = std::find(kolommen.begin(), kolommen.end(), "waarneempunt") - kolommen.begin();
  const auto iw = std::find(kolommen.begin(), kolommen.end(), "weg") - kolommen.begin();
  for (std::size_t r = 1; r < regels.size(); ++r) {
    std::vector<std::string_view> cellen;
    std::string rest;
    SplitsRegel(regels[r], cellen, rest);
    const auto cel = [&cellen](std::ptrdiff_t i) {
      return static_cast<std::size_t>(i) < cellen.size()
                 ? Bijgesneden(ZonderFormuleteken(cellen[static_cast<std::size_t>(i)]))
                 : std::string();
    };
    if (cel(ip) == punt && cel(iw) == weg) return r + 1;
  }
  return std::nullopt;
}

// A column the sheet lacks is added where the worksheet needs it; the lines
// there get the reset's value, so they keep meaning what they meant.
void VoegKolommenToe(const Kolomwaarden& waarden, std::vector<std::string>& regels,
                     std::vector<std::string>& kolommen) {
  for (std::size_t i = 0; i < waarden.eigen.size(); ++i) {
    const auto& [naam, waarde] = waarden.eigen[i];
    if (std::find(kolommen.begin(), kolommen.end(), naam) != kolommen.end()) continue;
    const std::string& standaard = waarden.standaard[i].second;
    const bool zoals = waarde == standaard || (standaard.empty() && LeesGetal(waarde) == 0 && !waarde.empty() &&
                                               waarde.find_first_not_of("0,.") == std::string::npos);
    if (zoals && naam != "waarneempunt" && naam != "weg") continue;
    kolommen.push_back(naam);
    regels[0] += ";" + naam;
    for (std::size_t r = 1; r < regels.size(); ++r) {
      if (!BijgesnedenDeel(regels[r]).empty()) regels[r] += ";" + CsvTekst(standaard);
    }
  }
}

}  // namespace

Uitkomst<std::string> VoegWegToe(std::string_view tekst, const Invoer& invoer, char decimaal) {
  const Kolomwaarden waarden = Waarden(invoer, decimaal);
  std::string einde;
  std::vector<std::string> regels = Regels(tekst, einde);
  while (!regels.empty() && BijgesnedenDeel(regels.back()).empty()) regels.pop_back();
  std::string bom;
  if (!regels.empty() && regels[0].starts_with(kBom)) bom = kBom, regels[0].erase(0, kBom.size());
  if (regels.empty()) {
    // A new sheet holds every column a worksheet fills.
    std::string kop;
    for (const auto& [naam, w] : waarden.eigen) kop += (kop.empty() ? "" : ";") + naam;
    regels.push_back(kop);
  }
  if (auto kop = LeesKop(regels[0], {kKolomHoogten, kKolomSituatie, kKolomGrenswaarde, "toelichting_1", "toelichting_2",
                                     "toelichting_3", "toelichting_4"});
      !kop) {
    return kop.Reden();
  }
  const std::string punt = Bijgesneden(invoer.waarneempunt), weg = Bijgesneden(invoer.weg);
  std::vector<std::string> kolommen = KolomNamen(regels[0]);
  if (const auto regel = RegelVanWeg(regels, kolommen, punt, weg)) {
    return Fout{"Weg '" + weg + "' staat al bij waarneempunt '" + punt + "' (regel " + std::to_string(*regel) +
                "); een weg telt maar een keer mee."};
  }
  VoegKolommenToe(waarden, regels, kolommen);
  std::string rij;
  for (std::size_t k = 0; k < kolommen.size(); ++k) {
    const auto w =
        std::find_if(waarden.eigen.begin(), waarden.eigen.end(), [&](const auto& p) { return p.first == kolommen[k]; });
    rij += (k ? ";" : "") + (w == waarden.eigen.end() ? std::string() : CsvTekst(w->second));
  }
  regels.push_back(rij);
  std::string uit = bom;
  for (const std::string& r : regels) uit += r + einde;
  return uit;
}

}  // namespace tarvo
