#include "driver/CumulatieOpdracht.h"

#include <ostream>

#include "files/CatalogusBestand.h"

namespace tarvo {

Uitkomst<CumulatieBron> BerekenBron(const std::filesystem::path& pad, const std::string& naam,
                                    const Catalogus& catalogus, char decimaal, Datum vandaag,
                                    std::vector<std::string>& meldingen) {
  Berekening b;
  b.catalogus = catalogus;
  b.ws.Decimaal = decimaal;
  if (auto gelezen = LeesWerkblad(pad, b); !gelezen) return gelezen.Reden();
  for (const GetoondeMelding& m : b.meldingen.getoond) meldingen.push_back("Rekenblad " + naam + ": " + m.tekst);
  // The check's own words do not say which worksheet they are about.
  if (auto berekend = RekenGeopend(b, vandaag); !berekend) return Fout{"Rekenblad " + naam + ": " + berekend.Melding()};
  return BronVan(b.ws, naam);
}

Uitkomst<void> CumulatieOpdracht(const std::vector<std::string>& bestanden, const OpdrachtInstellingen& inst,
                                 std::ostream& uit, std::ostream& fout) {
  Catalogus catalogus;
  if (auto geladen = LaadCatalogusBestand(inst.wegdekken, catalogus); !geladen) return geladen;
  VulLijst(catalogus);
  std::vector<CumulatieBron> bronnen;
  std::vector<std::string> meldingen;
  for (const std::string& bestand : bestanden) {
    auto bron = BerekenBron(bestand, bestand, catalogus, inst.decimaal, inst.vandaag, meldingen);
    if (!bron) return bron.Reden();
    bronnen.push_back(std::move(*bron));
  }
  for (const std::string& m : meldingen) fout << "tarvo-reken: " << m << "\n";
  uit << CumulatieTabel(bronnen, inst.decimaal, false, "\n");
  return {};
}

}  // namespace tarvo
