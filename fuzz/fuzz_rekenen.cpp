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

#include "calc/CheckIt.h"
#include "calc/Reken.h"
#include "driver/DiagramOpdracht.h"
#include "driver/Opdracht.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"
#include "report/Rapport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < tarvo::kWerkbladLengte) return 0;
  const auto inhoud = tarvo::DecodeerWerkblad(std::span<const std::uint8_t>(data, tarvo::kWerkbladLengte));
  if (!inhoud) return 0;
  auto catalogus = tarvo::DecodeerCatalogus(
      std::span<const std::uint8_t>(data + tarvo::kWerkbladLengte, size - tarvo::kWerkbladLengte));
  if (!catalogus) return 0;

  tarvo::Berekening b;
  b.catalogus = std::move(*catalogus);
  tarvo::VulLijst(b.catalogus);
  // The separator and the date only steer the texts and the deduction table.
  b.ws.Decimaal = (data[0] & 1) ? ',' : '.';
  const tarvo::Datum vandaag = (data[0] & 2) ? tarvo::Datum{2017, 6, 1} : tarvo::Datum{2020, 1, 1};
  tarvo::ResetWerkblad(b.ws, b.venster);
  tarvo::ToonInhoud(*inhoud, b.ws, b.venster, b.catalogus, b.meldingen);

  if (!tarvo::CheckIt(b.ws, b.venster, b.meldingen)) return 0;
  const auto labels = tarvo::Reken(b.ws, b.venster, b.catalogus, vandaag);
  if (labels) {
    if (!tarvo::NiveausEindig(b.ws) || tarvo::RapportTekst(b.ws).empty() || labels->lden.empty()) std::abort();
  } else if (labels.Melding().empty()) {
    std::abort();
  }

  // A diagram is a hundred calculations: one input in four draws one, the
  // shortest the dialog allows or one with a fraction in it.
  if (data[0] & 0x18) return 0;
  std::ostringstream uit;
  const std::string afstand = (data[0] & 4) ? "100" : "100,5";
  const auto diagram = tarvo::DiagramOpdracht(afstand, b, uit);
  if (diagram) {
    if (uit.str().empty()) std::abort();
  } else if (diagram.Melding().empty()) {
    std::abort();
  }
  return 0;
}
