// A worksheet and a catalogue from arbitrary bytes, taken the whole way a
// user takes them: read, input check, calculation, report, diagram. The
// first 644 bytes are the worksheet file, the rest the catalogue file.
// Nothing may misbehave, and whatever is computed must be finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <string>

#include "calc/Bereken.h"
#include "driver/DiagramOpdracht.h"
#include "driver/Opdracht.h"
#include "files/CatalogusBestand.h"
#include "files/WerkbladBestand.h"
#include "report/Rapport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < tarvo::kWerkbladLengte) return 0;
  auto invoer = tarvo::DecodeerWerkblad(std::span<const std::uint8_t>(data, tarvo::kWerkbladLengte));
  if (!invoer) return 0;
  auto catalogus = tarvo::DecodeerCatalogus(
      std::span<const std::uint8_t>(data + tarvo::kWerkbladLengte, size - tarvo::kWerkbladLengte));
  if (!catalogus) return 0;

  tarvo::GeopendWerkblad g;
  g.catalogus = std::move(*catalogus);
  tarvo::VulLijst(g.catalogus);
  // The separator and the date only steer the texts and the deduction table.
  g.decimaal = (data[0] & 1) ? ',' : '.';
  const tarvo::Datum vandaag = (data[0] & 2) ? tarvo::Datum{2017, 6, 1} : tarvo::Datum{2020, 1, 1};
  (void)tarvo::HerstelWegdek(*invoer, g.catalogus);
  g.werkblad = tarvo::WerkbladVan(*invoer, g.decimaal);

  const auto berekend = tarvo::RekenGeopend(g, vandaag);
  if (berekend) {
    const tarvo::Resultaten& r = berekend->resultaten;
    if (!tarvo::NiveausEindig(r) || tarvo::RapportTekst(berekend->invoer, r, g.catalogus, g.decimaal).empty() ||
        tarvo::LabelTeksten(r, g.decimaal).lden.empty()) {
      std::abort();
    }
  } else if (berekend.Melding().empty()) {
    std::abort();
  }

  // A diagram is a hundred calculations: one input in four draws one, the
  // shortest the dialog allows or one with a fraction in it.
  if (data[0] & 0x18) return 0;
  std::ostringstream uit;
  const std::string afstand = (data[0] & 4) ? "100" : "100,5";
  const auto diagram = tarvo::DiagramOpdracht(afstand, g, vandaag, uit);
  if (diagram) {
    if (uit.str().empty()) std::abort();
  } else if (diagram.Melding().empty()) {
    std::abort();
  }
  return 0;
}
