#include <gtest/gtest.h>

#include "calc/Bereken.h"
#include "report/Rapport.h"
#include "tests/Gevallen.h"
#include "tests/calc/Rekenblad.h"

using namespace tarvo;

namespace {

struct LdenGeval {
  const char* naam;
  double dag, avond, nacht, lden;
};
class Lden : public ::testing::TestWithParam<LdenGeval> {};
const LdenGeval kLden[] = {
    {"gelijk_na_etmaalcorrectie", 60, 60, 60, 60},
    {"aflopend", 70, 65, 60, 67.68},
    {"alleen_dag", 60, 0, 0, 56.99},  // the empty periods still weigh in with 1
    {"alleen_avond", 0, 60, 0, 52.22},
    {"alleen_nacht", 0, 0, 60, 55.23},
    {"geen_verkeer", 0, 0, 0, 0},
};

struct AftrekGeval {
  const char* naam;
  bool vinkje;
  double vlv, lden;
  Datum vandaag;
  int aftrek;
};
class Aftrek110g : public ::testing::TestWithParam<AftrekGeval> {};
constexpr Datum kVoor{2018, 6, 30}, kOp{2018, 7, 1};
const AftrekGeval kAftrek[] = {
    {"niet_aangevinkt", false, 50, 60, kVoor, 0},
    {"onder_70", true, 69.9, 56, kVoor, 5},
    {"vanaf_70_na_de_overgang", true, 70, 56, kOp, 2},
    {"afgerond_56_van_55_5", true, 80, 55.5, kVoor, 3},
    {"afgerond_56_van_56_49", true, 80, 56.49, kVoor, 3},
    {"afgerond_57_van_56_5", true, 80, 56.5, kVoor, 4},
    {"afgerond_58", true, 80, 57.5, kVoor, 2},
    {"afgerond_55", true, 80, 55.49, kVoor, 2},
    {"57_na_de_overgang", true, 80, 57, kOp, 2},
};

}  // namespace

TEST_P(Lden, WeegtPeriodenNaarUren) {
  Resultaten r;
  r.LAeqEtm = {0, GetParam().dag, GetParam().avond, GetParam().nacht};
  EXPECT_NEAR(LdenUitPeriodes(r), GetParam().lden, 0.005);
}
TARVO_GEVALLEN(Lden, kLden);

TEST_P(Aftrek110g, VolgtTabelEnDatum) {
  const AftrekGeval& g = GetParam();
  EXPECT_EQ(BepaalAftrek110g(g.vinkje, g.vlv, g.lden, g.vandaag), g.aftrek);
}
TARVO_GEVALLEN(Aftrek110g, kAftrek);

// The slant distance from both heights, Lnight without the 10 dB of the
// night, the deduction for the light vehicles' speed.
TEST(Bereken, NiveausEnAftrekUitDeInvoer) {
  test::Rekenblad t;
  t.Typ({{2, "1000"}, {5, "80"}, {4, "200"}, {36, "25"}, {33, "1"}, {9, "50"}}).werkblad.aftrek = true;
  const Resultaten r = t.Bereken().resultaten;
  EXPECT_NEAR(r.AfstandSchuin, 25.2104, 0.00005);
  EXPECT_GT(r.LAeq[3], 0);
  EXPECT_EQ(r.Lnight, r.LAeq[3]);
  EXPECT_EQ(r.Aftrek110g, 2);

  // A road without traffic: every level 0, the deduction as for a slow road.
  test::Rekenblad leeg;
  leeg.werkblad.aftrek = true;
  const Resultaten nul = leeg.Bereken().resultaten;
  EXPECT_TRUE(nul.Letmaal == 0 && nul.Lden == 0 && nul.Lnight == 0);
  EXPECT_EQ(nul.Aftrek110g, 5);
}

// Each calculation starts from nothing: a worksheet without traffic after
// one on a fast road carries no art. 3.5 mark, and computes as it does alone.
TEST(Bereken, NeemtNietsMeeVanDeVorigeBerekening) {
  test::Rekenblad snel, leeg;
  snel.Typ({{2, "1000"}, {5, "80"}, {37, "40"}});
  leeg.Typ(5, "80");
  const Berekend alleen = leeg.Bereken();
  const Berekend eerst = snel.Bereken();
  ASSERT_TRUE(eerst.resultaten.Art35Vlag);
  const Berekend daarna = leeg.Bereken();
  EXPECT_FALSE(daarna.resultaten.Art35Vlag);
  EXPECT_EQ(daarna.resultaten.Art35Aftrek, 0);
  const auto rapport = [&](const Berekend& b) { return RapportTekst(b.invoer, b.resultaten, leeg.cat, '.'); };
  EXPECT_EQ(rapport(daarna), rapport(alleen));
  EXPECT_EQ(rapport(snel.Bereken()), rapport(eerst));
}
