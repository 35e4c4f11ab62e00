#include "files/Reset.h"

#include "base/Getal.h"
#include "calc/Valideer.h"
#include "calc/Velden.h"

namespace tarvo {

std::string StandaardTekst(int k, char decimaal) {
  const VeldInfo& v = Veld(k);
  if (v.standaard) return Formatteer(*v.standaard, v.standaardPatroon, decimaal);
  // The emptied field validated: 0 in a number field, nothing in a name.
  const Soort soort = v.soort == VeldSoort::Getal ? Soort::Numeriek : Soort::Vrij;
  return Valideer("", soort, 99999, -99999, "##0.00", decimaal).tekst;
}

Werkblad LeegWerkblad(char decimaal) {
  Werkblad w;
  for (int k = 0; k < kAantalVelden; ++k) w.veld[static_cast<std::size_t>(k)] = StandaardTekst(k, decimaal);
  return w;
}

}  // namespace tarvo
