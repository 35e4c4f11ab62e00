#include "driver/CumulatieOpdracht.h"

#include <ostream>

#include "files/CatalogusBestand.h"

namespace tarvo {

Uitkomst<CumulatieBron> BerekenBron(const std::filesystem::path& pad, const std::string& naam,
                                    const Catalogus& catalogus, char decimaal, Datum vandaag,
                                    std::vector<std::string>& meldingen) {
  auto geopend = LeesWerkblad(pad, catalogus, decimaal);
  if (!geopend) return geopend.Reden();
  for (const std::string& m : geopend->meldingen) meldingen.push_back("Rekenblad " + naam + ": " + m);
  // The check's own words do not say which worksheet they are about.
  auto berekend = RekenGeopend(*geopend, vandaag);
  if (!berekend) return Fout{"Rekenblad " + naam + ": " + berekend.Melding()};
  return BronVan(berekend->invoer, berekend->resultaten, naam);
}

Uitkomst<void> CumulatieOpdracht(const std::vector<std::string>& bestanden, const OpdrachtInstellingen& inst,
                                 std::ostream& uit, std::ostream& fout) {
  auto catalogus = LaadCatalogus(inst);
  if (!catalogus) return catalogus.Reden();
  std::vector<CumulatieBron> bronnen;
  std::vector<std::string> meldingen;
  for (const std::string& bestand : bestanden) {
    auto bron = BerekenBron(bestand, bestand, *catalogus, inst.decimaal, inst.vandaag, meldingen);
    if (!bron) return bron.Reden();
    bronnen.push_back(std::move(*bron));
  }
  for (const std::string& m : meldingen) fout << "tarvo-reken: " << m << "\n";
  uit << CumulatieTabel(bronnen, inst.decimaal, false, "\n");
  return {};
}

}  // namespace tarvo
