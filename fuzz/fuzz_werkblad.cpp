// The worksheet reader on arbitrary bytes: decoding, showing the values in a
// window and saving them again must never misbehave, and a file it accepts
// must come back unchanged apart from the values the reader normalises.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "calc/Controle.h"
#include "files/WerkbladBestand.h"

namespace {

constexpr int kAantalWegdekken = 16;

void ZelfdeBehalve(const std::uint8_t* a, const std::uint8_t* b, std::size_t van, std::size_t tot) {
  if (std::memcmp(a + van, b + van, tot - van) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto gelezen = tarvo::DecodeerWerkblad(std::span<const std::uint8_t>(data, size));
  if (!gelezen) return 0;
  if (size < tarvo::kWerkbladLengte) std::abort();
  tarvo::Invoer& invoer = *gelezen;
  std::int16_t aftrek, zone, keuze;
  std::memcpy(&aftrek, data + 332, 2);
  std::memcpy(&keuze, data + 390, 2);
  std::memcpy(&zone, data + 642, 2);

  tarvo::Catalogus catalogus;
  catalogus.AantalWegdekken = kAantalWegdekken;
  const bool keuzeGoed = keuze >= 1 && keuze <= kAantalWegdekken;
  if (tarvo::HerstelWegdek(invoer, catalogus).has_value() == keuzeGoed) std::abort();
  // What the fields show must be texts the check can read or refuse, never a crash.
  (void)tarvo::Controleer(tarvo::WerkbladVan(invoer, (size & 1) ? ',' : '.'), ',');

  // Saved again, only the two switches and the road-surface position may differ,
  // each normalised the way the reader promises.
  const auto opnieuw = tarvo::CodeerWerkblad(invoer);
  ZelfdeBehalve(opnieuw.data(), data, 0, 332);
  ZelfdeBehalve(opnieuw.data(), data, 334, 390);
  ZelfdeBehalve(opnieuw.data(), data, 392, 642);
  std::int16_t v;
  std::memcpy(&v, opnieuw.data() + 332, 2);
  if (v != (aftrek > 0 ? 1 : 0)) std::abort();
  std::memcpy(&v, opnieuw.data() + 390, 2);
  if (v != (keuzeGoed ? keuze : 1)) std::abort();
  std::memcpy(&v, opnieuw.data() + 642, 2);
  if (v != (zone == 1 ? 1 : 0)) std::abort();
  return 0;
}
