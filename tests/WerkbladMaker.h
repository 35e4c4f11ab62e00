#pragma once
// Files for the command-line tests: one- and two-entry catalogues, and worksheets
// typed as a user would and saved by the core.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "base/Tekst.h"
#include "calc/Controle.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"
#include "tests/Catalogi.h"
#include "tests/TijdelijkeMap.h"

namespace tarvo::test {

inline void BewaarEenWegdek(const std::filesystem::path& pad) {
  Catalogus c;
  c.AantalWegdekken = 1;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  SchrijfBytes(pad, CodeerCatalogus(c));
}

// Saves a worksheet whose field texts are the reset defaults overwritten by
// `velden`, holding what the check takes over; one the check refuses holds
// its numbers as typed, so that it is refused again when read. A `wegdek`
// above 0 is its catalogue position.
inline void BewaarWerkblad(const std::filesystem::path& pad, const std::map<int, std::string>& velden, int aftrek = 0,
                           int wegdek = 0) {
  Werkblad w = LeegWerkblad('.');
  for (const auto& [k, t] : velden) w.veld[static_cast<std::size_t>(k)] = t;
  const Controle controle = Controleer(w, '.');
  Invoer in;
  if (controle) {
    in = *controle.invoer;
  } else {
    in.waarneempunt = w.veld[veld::kWaarneempunt], in.weg = w.veld[veld::kWeg];
    for (int k : OvernameVolgorde()) {
      const auto i = static_cast<std::size_t>(k);
      in.getal[i] = GecontroleerdGetal(w.veld[i], Veld(k).overname).value_or(0);
    }
  }
  in.aftrek = aftrek != 0;
  if (wegdek > 0) in.wegdek = static_cast<std::int16_t>(wegdek);
  const auto geschreven = SchrijfWerkbladBestand(pad, in);
  EXPECT_TRUE(geschreven) << geschreven.Melding();
}

}  // namespace tarvo::test
