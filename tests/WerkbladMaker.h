#pragma once
// Files for the command-line tests: one- and two-entry catalogues, and worksheets
// typed as a user would and saved by the core.
#include <filesystem>
#include <map>
#include <string>

#include "tests/TijdelijkeMap.h"
#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"

namespace tarvo::test {

inline void BewaarEenWegdek(const std::filesystem::path& pad) {
  Catalogus c;
  c.AantalWegdekken = 1;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  SchrijfBytes(pad, CodeerCatalogus(c));
}

// Road surface 2 with every coefficient its own, so a wrong index shows.
inline Catalogus TweeWegdekken() {
  Catalogus c;
  c.AantalWegdekken = 2;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  c.Wegdekken[2] = {VastBreed("dunne deklaag B", kOmschrijvingLengte), -2.7, 4.5, -0.45, 2.25, -3.3, -2.05};
  VulLijst(c);
  return c;
}

// Saves a worksheet whose field texts are the reset defaults overwritten by
// `velden`; a `wegdek` above 0 is its catalogue position.
inline void BewaarWerkblad(const std::filesystem::path& pad, const std::map<int, std::string>& velden,
                           int aftrek = 0, int wegdek = 0) {
  Werkblad ws;
  PlainWerkbladVenster v;
  ResetWerkblad(ws, v);
  for (const auto& [k, t] : velden) v.invoer[static_cast<std::size_t>(k)].tekst = t;
  PlainMeldingen m;
  CheckIt(ws, v, m);  // the file holds the values the check took over
  v.aftrek.waarde = aftrek;
  if (wegdek > 0) ws.WegdekKeuze = static_cast<std::int16_t>(wegdek);
  (void)SchrijfWerkbladBestand(pad, ws, v);
}

}  // namespace tarvo::test
