#include "calc/Valideer.h"

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/VeldGetal.h"

namespace tarvo {

Validatie Valideer(std::string_view tekst, Soort soort, std::int32_t maximum, std::int32_t minimum,
                   std::string_view patroon, char decimaal) {
  switch (soort) {
    case Soort::Numeriek:
      if (const GetalBereik bereik{maximum, minimum, patroon}; const auto x = GecontroleerdGetal(tekst, bereik)) {
        return {true, Formatteer(*x, patroon, decimaal), {}, OverschredenGrens(tekst, bereik)};
      }
      return {false, {}, kUitlegGetal, {}};
    case Soort::Vrij:
      break;
  }
  return {true, Bijgesneden(tekst), {}, {}};
}

}  // namespace tarvo
