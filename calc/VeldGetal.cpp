#include "calc/VeldGetal.h"

#include "base/Getal.h"

namespace tarvo {

std::optional<double> GecontroleerdGetal(std::string_view tekst, const GetalBereik& bereik) {
  if (tekst.empty()) tekst = "0";
  if (!IsGetal(tekst)) return std::nullopt;
  double x = LeesGetal(tekst);
  if (x > bereik.maximum) x = bereik.maximum;
  else if (x < bereik.minimum) x = bereik.minimum;
  return LeesGetal(Formatteer(x, bereik.patroon, '.')) + 0.0;
}

}  // namespace tarvo
