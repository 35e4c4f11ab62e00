#pragma once
// Worksheets for the command-line tests, typed as a user would and saved
// by the core.
#include <filesystem>
#include <map>
#include <string>

#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "calc/Tekst.h"
#include "catalogue/CatalogusBestand.h"
#include "worksheet_file/Reset.h"
#include "worksheet_file/WerkbladBestand.h"

namespace tarvo::test {

inline Catalogus EenWegdek(const std::string& naam = "referentiewegdek (DAB)", double dl = 0) {
  Catalogus c;
  c.AantalWegdekken = 1;
  c.Wegdekken[1].Omschrijving = VastBreed(naam, kOmschrijvingLengte);
  c.Wegdekken[1].DL_lv = dl;
  return c;
}

// Saves a worksheet whose field texts are the reset defaults overwritten by `velden`.
inline void BewaarWerkblad(const std::filesystem::path& pad, const std::map<int, std::string>& velden,
                           int zone = 0, int aftrek = 0) {
  Werkblad ws;
  PlainWerkbladVenster v;
  ResetWerkblad(ws, v);
  for (const auto& [k, t] : velden) v.invoer[static_cast<std::size_t>(k)].tekst = t;
  PlainMeldingen m;
  CheckIt(ws, v, m);  // the file holds the values the check took over
  v.zone.waarde = zone;
  v.aftrek.waarde = aftrek;
  std::string fout;
  SchrijfWerkbladBestand(pad, ws, v, fout);
}

}  // namespace tarvo::test
