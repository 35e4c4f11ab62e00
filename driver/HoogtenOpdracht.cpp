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

// A worksheet checked, with the heights it is computed at: those asked, or its own.
struct Gecontroleerd {
  std::string naam;
  Invoer invoer;
  std::vector<double> hoogten;
};

// The check and the calculation at every height, without the contours, so
// that nothing the worksheet could refuse is left for when its lines are written.
Uitkomst<Gecontroleerd> ControleerBlad(const GeopendWerkblad& geopend, const HoogtenKeuze& keuze, Datum vandaag) {
  HoogtenAntwoord a = RekenHoogten(geopend.werkblad, keuze.hoogten, {}, geopend.catalogus, vandaag, geopend.decimaal);
  if (!a.rekening.Gelukt()) return Fout{a.rekening.Weigering()};
  if (!a.hoogtenFout.empty()) return Fout{"--hoogten: " + a.hoogtenFout, kFoutGebruik};
  if (!a.fout.empty()) return Fout{a.fout};
  Gecontroleerd g{{}, std::move(*a.rekening.controle.invoer), {}};
  for (const HoogteResultaat& h : a.hoogten) g.hoogten.push_back(h.Hoogte());
  return g;
}

Uitkomst<Gecontroleerd> LeesVoorBijlage(const std::string& bestand, const Catalogus& catalogus,
                                        const HoogtenKeuze& keuze, const OpdrachtInstellingen& inst,
                                        std::vector<std::string>& begrensd) {
  auto geopend = LeesWerkblad(bestand, catalogus, inst.decimaal);
  if (!geopend) return geopend.Reden();
  for (const std::string& r : BegrensdBijLezen(*geopend, inst.vandaag))
    begrensd.push_back("Rekenblad " + bestand + ": " + r);
  auto blad = ControleerBlad(*geopend, keuze, inst.vandaag);
  if (!blad && blad.Nummer() == kFoutGebruik) return blad.Reden();
  if (!blad) return Fout{"Rekenblad " + bestand + ": " + blad.Melding()};
  blad->naam = bestand;
  return blad;
}

}  // namespace

Uitkomst<void> HoogtenOpdracht(const GeopendWerkblad& geopend, const HoogtenKeuze& keuze, Datum vandaag,
                               std::ostream& uit) {
  auto grenzen = Grenzen(keuze);
  if (!grenzen) return grenzen.Reden();
  HoogtenAntwoord a =
      RekenHoogten(geopend.werkblad, keuze.hoogten, *grenzen, geopend.catalogus, vandaag, geopend.decimaal);
  if (!a.rekening.Gelukt()) return Fout{a.rekening.Weigering()};
  if (!a.hoogtenFout.empty()) return Fout{"--hoogten: " + a.hoogtenFout, kFoutGebruik};
  if (!a.fout.empty()) return Fout{a.fout};
  for (const HoogteResultaat& r : a.hoogten) uit << HoogteRegel(r, geopend.decimaal) << '\n';
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
  std::vector<std::string> begrensd;
  for (const std::string& bestand : bestanden) {
    auto blad = LeesVoorBijlage(bestand, *catalogus, keuze, inst, begrensd);
    if (!blad) return blad.Reden();
    if (keuze.hoogten) gevraagd = std::move(blad->hoogten), blad->hoogten.clear();
    bladen.push_back(std::move(*blad));
  }
  for (const std::string& r : begrensd) fout << "tarvo-reken: " << r << "\n";

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
