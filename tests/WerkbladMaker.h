#pragma once
// A one-entry catalogue file for the command-line tests.
#include <filesystem>

#include "tests/TijdelijkeMap.h"
#include "base/Tekst.h"
#include "files/CatalogusBestand.h"

namespace tarvo::test {

inline void BewaarEenWegdek(const std::filesystem::path& pad) {
  Catalogus c;
  c.AantalWegdekken = 1;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  SchrijfBytes(pad, CodeerCatalogus(c));
}

}  // namespace tarvo::test
