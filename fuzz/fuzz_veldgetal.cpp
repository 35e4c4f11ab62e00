// The checked number of a field on arbitrary text: for every range of the
// field table the quick routine must give the same bits as the definition.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/calc/VeldGetalDefinitie.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view tekst(reinterpret_cast<const char*>(data), size);
  for (const auto& bereik : tarvo::test::kBereiken) {
    if (const auto verschil = tarvo::test::Verschil(tekst, bereik)) {
      std::fprintf(stderr, "%s\n", verschil->c_str());
      std::abort();
    }
  }
  return 0;
}
