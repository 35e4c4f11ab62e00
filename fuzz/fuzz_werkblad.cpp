// The worksheet reader on arbitrary bytes: decoding, showing the values in a
// window and saving them again must never misbehave, and a file it accepts
// must come back unchanged apart from the values the reader normalises.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "calc/PlainBediening.h"
#include "files/WerkbladBestand.h"

namespace {

constexpr int kAantalWegdekken = 16;

void ZelfdeBehalve(const std::uint8_t* a, const std::uint8_t* b, std::size_t van, std::size_t tot) {
  if (std::memcmp(a + van, b + van, tot - van) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto gelezen = tarvo::DecodeerWerkblad(std::span<const std::uint8_t>(data, size));
  if (!gelezen) return 0;
  if (size < tarvo::kWerkbladLengte) std::abort();
  const tarvo::WerkbladInhoud& inhoud = *gelezen;

  const auto bytes = tarvo::CodeerWerkblad(inhoud);
  if (std::memcmp(bytes.data(), data, tarvo::kWerkbladLengte) != 0) std::abort();

  tarvo::Catalogus catalogus;
  catalogus.AantalWegdekken = kAantalWegdekken;
  tarvo::Werkblad ws;
  ws.Decimaal = (size & 1) ? ',' : '.';
  tarvo::PlainWerkbladVenster venster;
  tarvo::PlainMeldingen meldingen;
  tarvo::ToonInhoud(inhoud, ws, venster, catalogus, meldingen);

  // Saved again, only the two switches and the road-surface position may differ,
  // each normalised the way the reader promises.
  const auto opnieuw = tarvo::CodeerWerkblad(tarvo::InhoudVan(ws, venster.zone.waarde, venster.aftrek.waarde));
  ZelfdeBehalve(opnieuw.data(), data, 0, 332);
  ZelfdeBehalve(opnieuw.data(), data, 334, 390);
  ZelfdeBehalve(opnieuw.data(), data, 392, 642);
  const std::int16_t aftrek = inhoud.aftrek > 0 ? 1 : 0;
  const std::int16_t zone = inhoud.zone == 1 ? 1 : 0;
  const bool keuzeGoed = inhoud.wegdekKeuze >= 1 && inhoud.wegdekKeuze <= kAantalWegdekken;
  const std::int16_t keuze = keuzeGoed ? inhoud.wegdekKeuze : 1;
  std::int16_t v;
  std::memcpy(&v, opnieuw.data() + 332, 2);
  if (v != aftrek) std::abort();
  std::memcpy(&v, opnieuw.data() + 390, 2);
  if (v != keuze || meldingen.getoond.size() != (keuzeGoed ? 0u : 1u)) std::abort();
  std::memcpy(&v, opnieuw.data() + 642, 2);
  if (v != zone) std::abort();
  return 0;
}
