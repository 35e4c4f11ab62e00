// The catalogue reader on arbitrary bytes: it must refuse or accept without
// undefined behaviour, and what it accepts must be written back unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "base/Tekst.h"
#include "files/CatalogusBestand.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto catalogus = tarvo::DecodeerCatalogus(std::span<const std::uint8_t>(data, size));
  if (!catalogus) return 0;

  const auto bytes = tarvo::CodeerCatalogus(*catalogus);
  const std::size_t lengte = 82 + tarvo::kRecordLengte * static_cast<std::size_t>(catalogus->AantalWegdekken);
  if (bytes.size() != lengte || lengte > size || std::memcmp(bytes.data(), data, lengte) != 0) std::abort();

  tarvo::Catalogus lijst = *catalogus;
  const auto items = tarvo::VulLijst(lijst);
  if (items.size() != static_cast<std::size_t>(catalogus->AantalWegdekken)) std::abort();
  for (const auto& item : items) {
    if (tarvo::AantalTekens(item) != tarvo::kNaamLengte) std::abort();
  }
  for (int keuze : {-1, 0, 1, 50, 51}) {
    const int index = tarvo::LijstIndexVoor(lijst, keuze);
    if (index < 0 || (index > 0 && index >= catalogus->AantalWegdekken)) std::abort();
  }
  return 0;
}
