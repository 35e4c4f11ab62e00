#include "driver/HoogtenOpdracht.h"

#include <ostream>

#include "driver/ToetsingOpdracht.h"
#include "tools/Bijlage.h"
#include "tools/Hoogten.h"

namespace tarvo {
namespace {

Uitkomst<std::vector<double>> Grenzen(const HoogtenKeuze& keuze) {
  if (!keuze.toets) return std::vector<double>{};
  auto grenzen = LeesGrenzenLijst(*keuze.toets);
  if (!grenzen) return Fout{"--toets: " + grenzen.Melding(), kFoutGebruik};
  return grenzen;
}

// The worksheet checked and computed at each height asked, or at its own.
Uitkomst<std::vector<HoogteResultaat>> Bereken(const GeopendWerkblad& geopend, const HoogtenKeuze& keuze,
                                               const std::vector<double>& grenzen, Datum vandaag) {
  HoogtenAntwoord a =
      RekenHoogten(geopend.werkblad, keuze.hoogten, grenzen, geopend.catalogus, vandaag, geopend.decimaal);
  if (!a.rekening.Gelukt()) return Fout{a.rekening.Weigering()};
  if (!a.hoogtenFout.empty()) return Fout{"--hoogten: " + a.hoogtenFout, kFoutGebruik};
  if (!a.fout.empty()) return Fout{a.fout};
  return std::move(a.hoogten);
}

}  // namespace

Uitkomst<void> HoogtenOpdracht(const GeopendWerkblad& geopend, const HoogtenKeuze& keuze, Datum vandaag,
                               std::ostream& uit) {
  auto grenzen = Grenzen(keuze);
  if (!grenzen) return grenzen.Reden();
  auto resultaten = Bereken(geopend, keuze, *grenzen, vandaag);
  if (!resultaten) return resultaten.Reden();
  for (const HoogteResultaat& r : *resultaten) uit << HoogteRegel(r, geopend.decimaal) << '\n';
  return {};
}

Uitkomst<void> BijlageOpdracht(const std::vector<std::string>& bestanden, const HoogtenKeuze& keuze,
                               const OpdrachtInstellingen& inst, std::ostream& uit, std::ostream& fout) {
  auto grenzen = Grenzen(keuze);
  if (!grenzen) return grenzen.Reden();
  auto catalogus = LaadCatalogus(inst);
  if (!catalogus) return catalogus.Reden();
  std::vector<BijlageRegel> regels;
  std::vector<std::string> begrensd;
  for (const std::string& bestand : bestanden) {
    auto geopend = LeesWerkblad(bestand, *catalogus, inst.decimaal);
    if (!geopend) return geopend.Reden();
    for (const std::string& r : BegrensdBijLezen(*geopend, inst.vandaag))
      begrensd.push_back("Rekenblad " + bestand + ": " + r);
    auto resultaten = Bereken(*geopend, keuze, *grenzen, inst.vandaag);
    if (!resultaten) {
      if (resultaten.Nummer() == kFoutGebruik) return resultaten.Reden();
      return Fout{"Rekenblad " + bestand + ": " + resultaten.Melding()};
    }
    for (HoogteResultaat& r : *resultaten) regels.push_back({bestand, std::move(r)});
  }
  for (const std::string& r : begrensd) fout << "tarvo-reken: " << r << "\n";
  uit << BijlageCsv(MaakBijlage(regels, *grenzen, *catalogus, inst.decimaal), "\n");
  return {};
}

}  // namespace tarvo
