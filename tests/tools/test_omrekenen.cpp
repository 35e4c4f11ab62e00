#include <gtest/gtest.h>

#include "tools/Omrekenen.h"

using namespace tarvo;

namespace {

// A distribution whose every period passes: 10000 a day, shares 10/70/10/10.
Verdeling Geldig() {
  Verdeling v;
  v.etmaal = 10000;
  for (std::size_t p = 1; p <= 3; ++p) {
    v.uurPercentage[p] = 5;
    v.aandeel[0][p] = 10;
    v.aandeel[1][p] = 70;
    v.aandeel[2][p] = 10;
    v.aandeel[3][p] = 10;
  }
  v.uurPercentage[2] = 3;
  v.uurPercentage[3] = 1;
  return v;
}

}  // namespace

TEST(Omrekenen, WorkedExampleToHourlyIntensity) {
  Verdeling v = Geldig();
  v.uurPercentage[1] = 6.5;
  v.aandeel = {};
  v.aandeel[1][1] = 90;  // light vehicles
  v.aandeel[0][1] = 10;
  const double licht = Aantal(v, 1, 1);
  EXPECT_DOUBLE_EQ(licht, 7020.0);
  EXPECT_EQ(DoelVeld(kRijLicht, 1), 2);
  EXPECT_DOUBLE_EQ(Uurintensiteit(licht, 1), 585.0);
  EXPECT_DOUBLE_EQ(Aantal(v, 0, 1), 780.0);  // motorcycles 10 %
}

TEST(Omrekenen, CountRowsWriteTheirWorksheetFields) {
  // Rows: motorcycles, light, medium, heavy, mopeds, trams; fields per category DAG..NACHT.
  const int verwacht[kAantalRijen][3] = {{14, 15, 16}, {2, 3, 4}, {6, 7, 8}, {10, 11, 12}, {18, 19, 20}, {22, 23, 24}};
  for (int r = 0; r < kAantalRijen; ++r) {
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(DoelVeld(r, p), verwacht[r][p - 1]) << "row " << r << " period " << p;
  }
  EXPECT_DOUBLE_EQ(Uurintensiteit(400, 2), 100);
  EXPECT_DOUBLE_EQ(Uurintensiteit(400, 3), 50);
}

TEST(ControleerVerdeling, RefusesWithMessageAndBox) {
  EXPECT_TRUE(ControleerVerdeling(Geldig()).ok);

  Verdeling v = Geldig();
  v.etmaal = 0;
  VerdelingControle c = ControleerVerdeling(v);
  EXPECT_FALSE(c.ok);
  EXPECT_EQ(c.melding, "Geen waarde voor Etmaalintensiteit ingevuld");
  EXPECT_EQ(c.focusVak, 0);

  // 8.4 % in each of 12 hours is more than the whole day.
  v = Geldig();
  v.uurPercentage[1] = 8.4;
  c = ControleerVerdeling(v);
  EXPECT_EQ(c.melding, "Geen correcte Uurpercentages ingevuld");
  EXPECT_EQ(c.focusVak, 1);
  v.uurPercentage[1] = 8.3;
  EXPECT_TRUE(ControleerVerdeling(v).ok);
  v.uurPercentage[3] = 12.6;  // NACHT: 8 hours
  EXPECT_EQ(ControleerVerdeling(v).focusVak, 3);

  // Shares must add up to exactly 100; the focus goes to the period's motorcycle box.
  v = Geldig();
  v.aandeel[3][2] = 9.99;
  c = ControleerVerdeling(v);
  EXPECT_EQ(c.melding, "Geen correcte Voertuigpercentages ingevuld");
  EXPECT_EQ(c.focusVak, 5);

  // All hourly checks come before the first share check.
  v.uurPercentage[3] = 20;
  EXPECT_EQ(ControleerVerdeling(v).melding, "Geen correcte Uurpercentages ingevuld");
}

TEST(ControleerVerdeling, PeriodWithoutTrafficPassesWhateverItsShares) {
  Verdeling v = Geldig();
  v.uurPercentage[3] = 0;
  v.aandeel[0][3] = 55;
  EXPECT_TRUE(ControleerVerdeling(v).ok);
  for (int s = 0; s < 4; ++s) EXPECT_EQ(Aantal(v, s, 3), 0);
}
