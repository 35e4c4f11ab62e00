#include "driver/HoogtenOpdracht.h"

#include <ostream>

#include "calc/Controle.h"
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
  const Controle controle = Controleer(geopend.werkblad, geopend.decimaal);
  if (!controle) return Fout{WeigeringRegel(*controle.weigering)};
  const Invoer& invoer = *controle.invoer;
  std::vector<double> hoogten = {invoer.Waarneemhoogte()};
  if (keuze.hoogten) {
    auto gelezen = LeesHoogtenLijst(*keuze.hoogten, invoer.Wegdekhoogte(), geopend.decimaal);
    if (!gelezen) return Fout{"--hoogten: " + gelezen.Melding(), kFoutGebruik};
    hoogten = std::move(*gelezen);
  }
  return BerekenHoogten(invoer, hoogten, grenzen, geopend.catalogus, vandaag);
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
  std::vector<std::string> meldingen;
  for (const std::string& bestand : bestanden) {
    auto geopend = LeesWerkblad(bestand, *catalogus, inst.decimaal);
    if (!geopend) return geopend.Reden();
    for (const std::string& m : geopend->meldingen) meldingen.push_back("Rekenblad " + bestand + ": " + m);
    auto resultaten = Bereken(*geopend, keuze, *grenzen, inst.vandaag);
    if (!resultaten) {
      if (resultaten.Nummer() == kFoutGebruik) return resultaten.Reden();
      return Fout{"Rekenblad " + bestand + ": " + resultaten.Melding()};
    }
    for (HoogteResultaat& r : *resultaten) regels.push_back({bestand, std::move(r)});
  }
  for (const std::string& m : meldingen) fout << "tarvo-reken: " << m << "\n";
  uit << BijlageCsv(MaakBijlage(regels, *grenzen, *catalogus, inst.decimaal), "\n");
  return {};
}

}  // namespace tarvo
