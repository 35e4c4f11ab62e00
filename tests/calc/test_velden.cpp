#include <gtest/gtest.h>

#include <string>

#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "calc/Velden.h"
#include "calc/Zone.h"
#include "worksheet_file/Reset.h"

using namespace tarvo;

TEST(Velden, EveryFieldLandsInItsStoredValue) {
  Werkblad ws;
  PlainWerkbladVenster venster;
  ResetWerkblad(ws, venster);
  // Distinct numbers everywhere; speeds stay inside every category's range.
  for (int k = 2; k <= 25; ++k) venster.invoer[static_cast<std::size_t>(k)].tekst = std::to_string(100 + k);
  for (int k : kSnelheidVelden) venster.invoer[static_cast<std::size_t>(k)].tekst = std::to_string(30 + k);
  const std::string geometrie[] = {"32", "3", "0.34", "0.35", "36", "37", "38", "39"};
  for (int k = 32; k <= 39; ++k) venster.invoer[static_cast<std::size_t>(k)].tekst = geometrie[k - 32];
  PlainMeldingen meldingen;
  ASSERT_TRUE(CheckIt(ws, venster, meldingen).ok);

  const PerPeriode* q[] = {&ws.Qlv, &ws.Qmv, &ws.Qzv, &ws.Qmr, &ws.Qbromf, &ws.Qtram};
  const double* v[] = {&ws.Vlv, &ws.Vmv, &ws.Vzv, &ws.Vmr, &ws.Vbromf, &ws.Vtram};
  for (int c = 0; c < 6; ++c) {
    for (int p = 1; p <= 3; ++p) EXPECT_EQ((*q[c])[static_cast<std::size_t>(p)], 100 + 4 * c + 1 + p) << c << p;
    EXPECT_EQ(*v[c], 30 + 4 * c + 5) << c;
  }
  EXPECT_EQ(ws.Qtram[2], 123);
  EXPECT_EQ(ws.Vbromf, 51);
  EXPECT_EQ(ws.Waarneemhoogte, 32);
  EXPECT_EQ(ws.Wegdekhoogte, 3);
  EXPECT_EQ(ws.Bodemfactor, 0.34);
  EXPECT_EQ(ws.Objectfractie, 0.35);
  EXPECT_EQ(ws.AfstandHor, 36);
  EXPECT_EQ(ws.AfstandKruising, 37);
  EXPECT_EQ(ws.AfstandObstakel, 38);
  EXPECT_EQ(ws.Zichthoek, 39);

  // Each speed has the upper bound of its own category.
  for (int k : kSnelheidVelden) venster.invoer[static_cast<std::size_t>(k)].tekst = "999";
  ASSERT_TRUE(CheckIt(ws, venster, meldingen).ok);
  const double maxima[] = {160, 110, 110, 160, 60, 110};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(*v[c], maxima[c]) << c;
}

TEST(Zone, LocksSpeedsAt30AndGivesTheTextsBack) {
  Werkblad ws;
  PlainWerkbladVenster venster;
  for (int k : kSnelheidVelden) venster.invoer[static_cast<std::size_t>(k)].tekst = std::to_string(40 + k);

  ZetZone(ws, venster, 1);
  EXPECT_EQ(venster.zone.waarde, 1);
  for (int k : kSnelheidVelden) {
    const auto& vak = venster.invoer[static_cast<std::size_t>(k)];
    EXPECT_EQ(vak.tekst, "30") << k;
    EXPECT_FALSE(vak.ingeschakeld) << k;
    EXPECT_EQ(ws.SnelheidBewaard[static_cast<std::size_t>(k - 1)], std::to_string(40 + k)) << k;
  }
  EXPECT_TRUE(venster.invoer[4].ingeschakeld);
  EXPECT_EQ(venster.invoer[4].tekst, "");

  ZetZone(ws, venster, 1);  // no change, no second switch
  EXPECT_EQ(ws.SnelheidBewaard[4], "45");

  ZetZone(ws, venster, 0);
  for (int k : kSnelheidVelden) {
    EXPECT_EQ(venster.invoer[static_cast<std::size_t>(k)].tekst, std::to_string(40 + k)) << k;
    EXPECT_TRUE(venster.invoer[static_cast<std::size_t>(k)].ingeschakeld) << k;
  }

  // Entering input mode with the zone on runs the switch again: it keeps "30".
  ZetZone(ws, venster, 1);
  ZoneSchakelaar(ws, venster);
  venster.zone.waarde = 0;
  ZoneSchakelaar(ws, venster);
  for (int k : kSnelheidVelden) EXPECT_EQ(venster.invoer[static_cast<std::size_t>(k)].tekst, "30") << k;
}
