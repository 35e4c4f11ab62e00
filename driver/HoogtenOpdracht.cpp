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

// A worksheet checked, with the heights it is computed at: those asked, or its own.
struct Gecontroleerd {
  std::string naam;
  Invoer invoer;
  std::vector<double> hoogten;
};

Uitkomst<Gecontroleerd> ControleerBlad(const GeopendWerkblad& geopend, const HoogtenKeuze& keuze) {
  Controle controle = Controleer(geopend.werkblad, geopend.decimaal);
  if (!controle) return Fout{WeigeringRegel(*controle.weigering)};
  Gecontroleerd g{{}, std::move(*controle.invoer), {}};
  g.hoogten = {g.invoer.Waarneemhoogte()};
  if (keuze.hoogten) {
    auto gelezen = LeesHoogtenLijst(*keuze.hoogten, g.invoer.Wegdekhoogte(), geopend.decimaal);
    if (!gelezen) return Fout{"--hoogten: " + gelezen.Melding(), kFoutGebruik};
    g.hoogten = std::move(*gelezen);
  }
  return g;
}

// Reads and checks a worksheet of the annex and computes it at every height,
// without the contours, so that nothing it could refuse is left for when its
// lines are written.
Uitkomst<Gecontroleerd> LeesVoorBijlage(const std::string& bestand, const Catalogus& catalogus,
                                        const HoogtenKeuze& keuze, const OpdrachtInstellingen& inst,
                                        std::vector<std::string>& meldingen) {
  auto geopend = LeesWerkblad(bestand, catalogus, inst.decimaal);
  if (!geopend) return geopend.Reden();
  for (const std::string& m : geopend->meldingen) meldingen.push_back("Rekenblad " + bestand + ": " + m);
  auto blad = ControleerBlad(*geopend, keuze);
  if (!blad && blad.Nummer() == kFoutGebruik) return blad.Reden();
  if (!blad) return Fout{"Rekenblad " + bestand + ": " + blad.Melding()};
  for (double h : blad->hoogten) {
    auto r = BerekenHoogte(blad->invoer, h, {}, catalogus, inst.vandaag);
    if (!r) return Fout{"Rekenblad " + bestand + ": " + r.Melding()};
  }
  blad->naam = bestand;
  return blad;
}

}  // namespace

Uitkomst<void> HoogtenOpdracht(const GeopendWerkblad& geopend, const HoogtenKeuze& keuze, Datum vandaag,
                               std::ostream& uit) {
  auto grenzen = Grenzen(keuze);
  if (!grenzen) return grenzen.Reden();
  auto blad = ControleerBlad(geopend, keuze);
  if (!blad) return blad.Reden();
  auto resultaten = BerekenHoogten(blad->invoer, blad->hoogten, *grenzen, geopend.catalogus, vandaag);
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
  // Every worksheet read, checked and computed before the first line is
  // written, then a line at a time: the annex never stands whole in memory.
  // The heights asked are the same for each; they are kept once.
  std::vector<Gecontroleerd> bladen;
  std::vector<double> gevraagd;
  std::vector<std::string> meldingen;
  for (const std::string& bestand : bestanden) {
    auto blad = LeesVoorBijlage(bestand, *catalogus, keuze, inst, meldingen);
    if (!blad) return blad.Reden();
    if (keuze.hoogten) gevraagd = std::move(blad->hoogten), blad->hoogten.clear();
    bladen.push_back(std::move(*blad));
  }
  for (const std::string& m : meldingen) fout << "tarvo-reken: " << m << "\n";

  const Bijlage bijlage(*grenzen, *catalogus, inst.decimaal);
  uit << BijlageCsvKop(bijlage.Kolommen(), "\n");
  for (const Gecontroleerd& blad : bladen) {
    const std::vector<double>& hoogten = keuze.hoogten ? gevraagd : blad.hoogten;
    for (double h : hoogten) {
      if (!uit) return {};  // the caller reports the failed write
      auto r = BerekenHoogte(blad.invoer, h, *grenzen, *catalogus, inst.vandaag);
      if (!r) return Fout{"Rekenblad " + blad.naam + ": " + r.Melding()};
      uit << BijlageCsvRegel(bijlage.Cellen({blad.naam, std::move(*r)}), "\n");
    }
  }
  return {};
}

}  // namespace tarvo
