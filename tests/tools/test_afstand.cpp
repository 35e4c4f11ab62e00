#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "base/Getal.h"
#include "calc/Reken.h"
#include "calc/Zone.h"
#include "tests/calc/Rekenblad.h"
#include "tools/Afstand.h"

using namespace tarvo;

namespace {

const Datum kNu{2024, 3, 1};
const Datum kVoorOvergang{2018, 6, 30};

// Day, evening and night traffic of every motor category, a crossing.
void Straat(test::Rekenblad& t) {
  t.Typ(2, "900").Typ(3, "250").Typ(4, "70").Typ(5, "80");
  t.Typ(6, "45").Typ(7, "12").Typ(8, "3").Typ(9, "70");
  t.Typ(10, "30").Typ(11, "6").Typ(12, "2").Typ(13, "80");
  t.Typ(14, "8").Typ(15, "3").Typ(16, "1").Typ(17, "90");
  t.Typ(32, "4.5").Typ(33, "0.4").Typ(34, "0.6").Typ(35, "0.3").Typ(36, "18").Typ(37, "60").Typ(39, "110");
}

// The worksheet typed anew with only the horizontal distance changed, checked
// and computed as by the calculation button: Lden after the deduction.
double DirectNiveau(const std::function<void(test::Rekenblad&)>& vul, double d, Datum vandaag) {
  test::Rekenblad t;
  vul(t);
  t.Typ(36, Formatteer(d, "##0.00", '.'));
  t.Bereken(vandaag);
  EXPECT_EQ(t.ws.AfstandHor, d);
  return EindNiveau(t.ws.Lden, t.ws.Aftrek110g);
}

struct Zoekgeval {
  const char* naam;
  std::function<void(test::Rekenblad&)> vul;
  Datum vandaag;
  double doel;
};

}  // namespace

TEST(Afstand, TargetTextFromZeroTo150) {
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
TEST(Afstand, FoundDistanceAgreesWithTheCalculationAtDAndOneStepCloser) {
  const auto zone = [](test::Rekenblad& t) {
    Straat(t);
    ZetZone(t.ws, t.venster, 1);
  };
  const auto tram = [](test::Rekenblad& t) {
    Straat(t);
    t.Typ(22, "12").Typ(23, "6").Typ(24, "2").Typ(25, "50").Typ(38, "40");
  };
  const auto aftrekLangzaam = [](test::Rekenblad& t) {
    Straat(t);
    t.Typ(5, "50");
    t.venster.aftrek.waarde = 1;
  };
  const auto aftrekSnel = [](test::Rekenblad& t) {
    Straat(t);
    t.venster.aftrek.waarde = 1;
  };
  // The whole ground factor with the observation point low above a raised road.
  const auto steil = [](test::Rekenblad& t) {
    Straat(t);
    t.Typ(34, "1").Typ(32, "1.5").Typ(33, "0.75").Typ(35, "0");
  };
  const auto alleenTram = [](test::Rekenblad& t) {
    t.Typ(22, "20").Typ(25, "60").Typ(32, "2").Typ(36, "7");
  };
  for (const Zoekgeval& g : {Zoekgeval{"straat 61,37", Straat, kNu, 61.37},
                             Zoekgeval{"zone", zone, kNu, 48}, Zoekgeval{"tram", tram, kNu, 52.5},
                             Zoekgeval{"aftrek 5", aftrekLangzaam, kNu, 48},
                             Zoekgeval{"aftrek 2", aftrekSnel, kNu, 55},
                             Zoekgeval{"aftrek voor 1-7-2018", aftrekSnel, kVoorOvergang, 50},
                             Zoekgeval{"bodemfactor 1", steil, kNu, 45}, Zoekgeval{"alleen tram", alleenTram, kNu, 40}}) {
    SCOPED_TRACE(g.naam);
    test::Rekenblad t;
    g.vul(t);
    ASSERT_TRUE(t.Check());
    AfstandRekenaar rekenaar(t.ws, t.venster, t.cat, g.vandaag);
    const DoelAfstand r = rekenaar.Zoek(g.doel);
    ASSERT_TRUE(r.gevonden);
    const double d = r.punt.afstand;
    ASSERT_GT(d, 1.0);  // every case crosses its target inside the range
    EXPECT_EQ(Formatteer(d, "##0.00", '.'), Formatteer(std::round(d * 100) / 100, "##0.00", '.'));
    const double bijD = DirectNiveau(g.vul, d, g.vandaag);
    EXPECT_EQ(bijD, r.punt.niveau);
    EXPECT_LE(bijD, g.doel);
    EXPECT_GT(DirectNiveau(g.vul, std::round(d * 100 - 1) / 100, g.vandaag), g.doel);
  }
}

TEST(Afstand, EndsOfTheRange) {
  test::Rekenblad t;
  Straat(t);
  ASSERT_TRUE(t.Check());
  AfstandRekenaar rekenaar(t.ws, t.venster, t.cat, kNu);

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
  leeg.venster.aftrek.waarde = 1;
  ASSERT_TRUE(leeg.Check());
  const DoelAfstand nul = AfstandRekenaar(leeg.ws, leeg.venster, leeg.cat, kNu).Zoek(0);
  EXPECT_TRUE(nul.gevonden);
  EXPECT_EQ(nul.punt.afstand, 1.0);
  EXPECT_EQ(nul.punt.niveau, 0.0);
}

// Before 1 July 2018 a fast road's deduction is 3 and 4 dB for Lden 56 and
// 57 and 2 dB around them, so the level after the deduction rises again
// where Lden falls below 56,5 and 55,5. The answer is still the first
// crossing, closer than every metre where the level is above the target.
TEST(Afstand, FirstCrossingWhereTheDeductionMakesTheLevelRiseAgain) {
  test::Rekenblad t;
  Straat(t);
  t.venster.aftrek.waarde = 1;
  ASSERT_TRUE(t.Check());
  AfstandRekenaar rekenaar(t.ws, t.venster, t.cat, kVoorOvergang);
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
  AfstandRekenaar nu(t.ws, t.venster, t.cat, kNu);
  const DoelAfstand n = nu.Zoek(53.2);
  EXPECT_EQ(n.punt.aftrek, 2);
  EXPECT_NEAR(n.punt.lden, 55.2, 0.01);
}

// The search works on copies: the worksheet and its fields keep what the check gave them.
TEST(Afstand, LeavesTheWorksheetAlone) {
  test::Rekenblad t;
  Straat(t);
  t.Bereken();
  const Werkblad voor = t.ws;
  AfstandRekenaar rekenaar(t.ws, t.venster, t.cat, kNu);
  EXPECT_EQ(rekenaar.EigenAfstand(), 18);
  EXPECT_EQ(rekenaar.Op(18).lden, voor.Lden);  // the own distance gives the worksheet's own result
  (void)rekenaar.Zoek(48);
  EXPECT_EQ(t.ws.AfstandHor, 18);
  EXPECT_EQ(t.ws.Lden, voor.Lden);
  EXPECT_EQ(t.ws.AfdrukRegels, voor.AfdrukRegels);
}
