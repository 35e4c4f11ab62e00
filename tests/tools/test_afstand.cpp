#include <gtest/gtest.h>

#include <cmath>

#include "base/Getal.h"
#include "tests/Gevallen.h"
#include "tests/calc/Rekenblad.h"
#include "tools/Afstand.h"

using namespace tarvo;

namespace {

const Datum kNu{2024, 3, 1};
const Datum kVoorOvergang{2018, 6, 30};

// Day, evening and night traffic of every motor category, a crossing.
const test::Teksten kStraat = {{2, "900"},  {3, "250"},  {4, "70"},  {5, "80"},  {6, "45"},   {7, "12"},
                               {8, "3"},    {9, "70"},   {10, "30"}, {11, "6"},  {12, "2"},   {13, "80"},
                               {14, "8"},   {15, "3"},   {16, "1"},  {17, "90"}, {32, "4.5"}, {33, "0.4"},
                               {34, "0.6"}, {35, "0.3"}, {36, "18"}, {37, "60"}, {39, "110"}};

struct ZoekGeval {
  const char* naam;
  bool straat;  // the street above, else the fields alone
  test::Teksten velden;
  bool zone, aftrek;
  Datum vandaag;
  double doel;
};
class AfstandZoeken : public ::testing::TestWithParam<ZoekGeval> {};
const ZoekGeval kZoeken[] = {
    {"straat_61_37", true, {}, false, false, kNu, 61.37},
    {"zone", true, {}, true, false, kNu, 48},
    {"tram", true, {{22, "12"}, {23, "6"}, {24, "2"}, {25, "50"}, {38, "40"}}, false, false, kNu, 52.5},
    {"aftrek_5", true, {{5, "50"}}, false, true, kNu, 48},
    {"aftrek_2", true, {}, false, true, kNu, 55},
    {"aftrek_voor_de_overgang", true, {}, false, true, kVoorOvergang, 50},
    // The whole ground factor with the observation point low above a raised road.
    {"bodemfactor_1", true, {{34, "1"}, {32, "1.5"}, {33, "0.75"}, {35, "0"}}, false, false, kNu, 45},
    {"alleen_tram", false, {{22, "20"}, {25, "60"}, {32, "2"}, {36, "7"}}, false, false, kNu, 40},
};

test::Rekenblad Blad(const ZoekGeval& g) {
  test::Rekenblad t;
  if (g.straat) t.Typ(kStraat);
  t.Typ(g.velden).werkblad.zone = g.zone;
  t.werkblad.aftrek = g.aftrek;
  return t;
}
const ZoekGeval kAlleenStraat = {"", true, {}, false, false, kNu, 0};
const ZoekGeval kStraatMetAftrek = {"", true, {}, false, true, kNu, 0};

// The worksheet typed anew with only the horizontal distance changed,
// checked and computed as by the calculation button: Lden after the deduction.
double DirectNiveau(const ZoekGeval& g, double d) {
  test::Rekenblad t = Blad(g);
  t.Typ(36, Formatteer(d, "##0.00", '.'));
  const Berekend b = t.Bereken(g.vandaag);
  EXPECT_EQ(b.invoer.AfstandHor(), d);
  return EindNiveau(b.resultaten.Lden, b.resultaten.Aftrek110g);
}

}  // namespace

TEST(LeesDoelNiveau, Van0Tot150) {
  for (auto [tekst, doel] : {std::pair{"0", 0.}, {"150", 150.}, {" 47,5 ", 47.5}}) {
    ASSERT_TRUE(LeesDoelNiveau(tekst).has_value()) << tekst;
    EXPECT_EQ(*LeesDoelNiveau(tekst), doel) << tekst;
  }
  for (const char* nee : {"-0.01", "150.01", "", "48dB", "1e2"}) {
    EXPECT_FALSE(LeesDoelNiveau(nee).has_value()) << nee;
  }
}

// The distance found is on the grid, the level there is at or below the
// target and 0,01 m closer it is above, by the calculation as the button runs it.
TEST_P(AfstandZoeken, StemtOvereenMetDeBerekeningOpDEnEenStapDichterbij) {
  const ZoekGeval& g = GetParam();
  const test::Rekenblad t = Blad(g);
  AfstandRekenaar rekenaar(t.Gecontroleerd(), t.cat, g.vandaag);
  const DoelAfstand r = rekenaar.Zoek(g.doel);
  ASSERT_TRUE(r.gevonden);
  const double d = r.punt.afstand;
  ASSERT_GT(d, 1.0);  // every case crosses its target inside the range
  EXPECT_EQ(Formatteer(d, "##0.00", '.'), Formatteer(std::round(d * 100) / 100, "##0.00", '.'));
  const double bijD = DirectNiveau(g, d);
  EXPECT_EQ(bijD, r.punt.niveau);
  EXPECT_LE(bijD, g.doel);
  EXPECT_GT(DirectNiveau(g, std::round(d * 100 - 1) / 100), g.doel);
}
TARVO_GEVALLEN(AfstandZoeken, kZoeken);

TEST(AfstandRekenaar, UiteindenVanHetBereik) {
  const test::Rekenblad t = Blad(kAlleenStraat);
  const Invoer in = t.Gecontroleerd();
  AfstandRekenaar rekenaar(in, t.cat, kNu);
  // Its own distance gives the worksheet's own result.
  EXPECT_EQ(rekenaar.EigenAfstand(), 18);
  EXPECT_EQ(rekenaar.Op(18).lden, Bereken(in, t.cat, kNu).Lden);

  // Met at 1 m already: the first grid distance, whatever lies beyond it.
  const DoelAfstand dichtbij = rekenaar.Zoek(150);
  EXPECT_TRUE(dichtbij.gevonden);
  EXPECT_EQ(dichtbij.punt.afstand, 1.0);
  EXPECT_EQ(dichtbij.punt.niveau, rekenaar.Op(1).niveau);

  // Still above at 5000 m: not found, with the level at 5000 m.
  const double op5000 = rekenaar.Op(5000).niveau;
  const DoelAfstand ver = rekenaar.Zoek(op5000 - 0.001);
  EXPECT_FALSE(ver.gevonden);
  EXPECT_EQ(ver.punt.afstand, 5000.0);
  EXPECT_EQ(ver.punt.niveau, op5000);
  // Exactly the level at 5000 m counts as met there.
  const DoelAfstand precies = rekenaar.Zoek(op5000);
  EXPECT_TRUE(precies.gevonden);
  EXPECT_EQ(precies.punt.afstand, 5000.0);

  // No traffic: Lden 0 stays 0 after any deduction and meets every target at 1 m.
  test::Rekenblad leeg;
  leeg.werkblad.aftrek = true;
  const DoelAfstand nul = AfstandRekenaar(leeg.Gecontroleerd(), leeg.cat, kNu).Zoek(0);
  EXPECT_TRUE(nul.gevonden);
  EXPECT_EQ(nul.punt.afstand, 1.0);
  EXPECT_EQ(nul.punt.niveau, 0.0);
}

// Before 1 July 2018 a fast road's deduction is 3 and 4 dB for Lden 56 and
// 57 and 2 dB around them, so the level after the deduction rises again
// where Lden falls below 56,5 and 55,5. The answer is still the first
// crossing, closer than every metre where the level is above the target.
TEST(AfstandRekenaar, EersteKruisingWaarDeAftrekHetNiveauWeerDoetStijgen) {
  const test::Rekenblad t = Blad(kStraatMetAftrek);
  const Invoer in = t.Gecontroleerd();
  AfstandRekenaar rekenaar(in, t.cat, kVoorOvergang);
  ASSERT_GT(rekenaar.Op(1).lden, 60);
  ASSERT_LT(rekenaar.Op(5000).lden, 50);

  // Lden 57,2 with 4 dB off meets 53,2; below Lden 56,5 (3 dB off) the level is above it again until Lden 56,2.
  const DoelAfstand r = rekenaar.Zoek(53.2);
  ASSERT_TRUE(r.gevonden);
  EXPECT_EQ(r.punt.aftrek, 4);
  EXPECT_NEAR(r.punt.lden, 57.2, 0.01);
  for (int m = 1; m < r.punt.afstand; ++m) EXPECT_GT(rekenaar.Op(m).niveau, 53.2) << m;
  bool weerBoven = false;
  for (int m = static_cast<int>(r.punt.afstand) + 1; m <= 5000 && !weerBoven; ++m) {
    weerBoven = rekenaar.Op(m).niveau > 53.2;
  }
  EXPECT_TRUE(weerBoven);  // the case this test is about

  // The same worksheet on today's date: one deduction of 2 dB all the way.
  AfstandRekenaar nu(in, t.cat, kNu);
  const DoelAfstand n = nu.Zoek(53.2);
  EXPECT_EQ(n.punt.aftrek, 2);
  EXPECT_NEAR(n.punt.lden, 55.2, 0.01);
}
