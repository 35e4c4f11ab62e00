#pragma once
// Small catalogues for tests of every layer, without a test framework of their own.
#include "base/Tekst.h"
#include "calc/Wegdek.h"
#include "files/CatalogusBestand.h"

namespace tarvo::test {

// Road surface 2 with every coefficient its own, so a wrong index shows.
inline Catalogus TweeWegdekken() {
  Catalogus c;
  c.AantalWegdekken = 2;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  c.Wegdekken[2] = {VastBreed("dunne deklaag B", kOmschrijvingLengte), -2.7, 4.5, -0.45, 2.25, -3.3, -2.05};
  VulLijst(c);
  return c;
}

}  // namespace tarvo::test
