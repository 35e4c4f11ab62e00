#include <gtest/gtest.h>

#include <string>

#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "calc/Velden.h"
#include "calc/Zone.h"
#include "files/Reset.h"

using namespace tarvo;

TEST(Velden, EveryCategoryLandsInItsStoredValues) {
  Werkblad ws;
  PlainWerkbladVenster venster;
  ResetWerkblad(ws, venster);
  const auto typ = [&](int k, std::string t) { venster.invoer[static_cast<std::size_t>(k)].tekst = std::move(t); };
  // Distinct numbers everywhere; speeds stay inside every category's range.
  for (int k = 2; k <= 25; ++k) typ(k, std::to_string(100 + k));
  for (int k : kSnelheidVelden) typ(k, std::to_string(30 + k));
  PlainMeldingen meldingen;
  ASSERT_TRUE(CheckIt(ws, venster, meldingen).ok);

  // Rows lv, mv, zv, mr, bromf, tram: day, evening, night, speed.
  const PerPeriode* q[] = {&ws.Qlv, &ws.Qmv, &ws.Qzv, &ws.Qmr, &ws.Qbromf, &ws.Qtram};
  const double* v[] = {&ws.Vlv, &ws.Vmv, &ws.Vzv, &ws.Vmr, &ws.Vbromf, &ws.Vtram};
  for (int c = 0; c < 6; ++c) {
    for (std::size_t p = 1; p <= 3; ++p) EXPECT_EQ((*q[c])[p], 100 + 4 * c + 1 + static_cast<int>(p)) << c << p;
    EXPECT_EQ(*v[c], 30 + 4 * c + 5) << c;
  }
}

TEST(Zone, LocksSpeedsAt30AndGivesTheTextsBack) {
  Werkblad ws;
  PlainWerkbladVenster venster;
  for (int k : kSnelheidVelden) venster.invoer[static_cast<std::size_t>(k)].tekst = std::to_string(40 + k);
  // Every speed field shows `vast`, or without it the text typed before.
  const auto verwacht = [&](const char* vast, bool ingeschakeld) {
    for (int k : kSnelheidVelden) {
      const auto& vak = venster.invoer[static_cast<std::size_t>(k)];
      EXPECT_EQ(vak.tekst, vast ? std::string(vast) : std::to_string(40 + k)) << k;
      EXPECT_EQ(vak.ingeschakeld, ingeschakeld) << k;
    }
  };
  ZetZone(ws, venster, 1);
  verwacht("30", false);
  EXPECT_TRUE(venster.zone.waarde == 1 && venster.invoer[4].ingeschakeld);
  ZetZone(ws, venster, 1);  // no change, no second switch that would keep "30"
  ZetZone(ws, venster, 0);
  verwacht(nullptr, true);
  // Entering input mode with the zone on runs the switch again: it keeps "30".
  ZetZone(ws, venster, 1);
  ZoneSchakelaar(ws, venster);
  venster.zone.waarde = 0;
  ZoneSchakelaar(ws, venster);
  verwacht("30", true);
}
