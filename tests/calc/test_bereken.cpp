#include <gtest/gtest.h>

#include "driver/Resultaatteksten.h"
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
    {"geen_verkeer", 0, 0, 0, 0},
};

struct AftrekGeval {
  const char* naam;
  int vinkje;
  double vlv, lden;
  Datum vandaag;
  int aftrek;
};
class Aftrek110g : public ::testing::TestWithParam<AftrekGeval> {};
constexpr Datum kVoor{2018, 6, 30}, kOp{2018, 7, 1};
const AftrekGeval kAftrek[] = {
    {"niet_aangevinkt", 0, 50, 60, kVoor, 0},
    {"onder_70", 1, 69.9, 56, kVoor, 5},
    {"vanaf_70_na_de_overgang", 1, 70, 56, kOp, 2},
    {"afgerond_56_van_55_5", 1, 80, 55.5, kVoor, 3},
    {"afgerond_56_van_56_49", 1, 80, 56.49, kVoor, 3},
    {"afgerond_57_van_56_5", 1, 80, 56.5, kVoor, 4},
    {"afgerond_58", 1, 80, 57.5, kVoor, 2},
    {"afgerond_55", 1, 80, 55.49, kVoor, 2},
    {"57_na_de_overgang", 1, 80, 57, kOp, 2},
};

}  // namespace

TEST_P(Lden, WeighsPeriodsByHours) {
  Werkblad ws;
  ws.LAeqEtm = {0, GetParam().dag, GetParam().avond, GetParam().nacht};
  EXPECT_NEAR(BerekenLden(ws), GetParam().lden, 0.005);
}
TARVO_GEVALLEN(Lden, kLden);

TEST_P(Aftrek110g, TableAndDate) {
  const AftrekGeval& g = GetParam();
  EXPECT_EQ(BepaalAftrek110g(g.vinkje, g.vlv, g.lden, g.vandaag), g.aftrek);
}
TARVO_GEVALLEN(Aftrek110g, kAftrek);

TEST(Reken, LabelsAndRepeatability) {
  EXPECT_EQ(ResultaatLabel(62, 5, " dB", '.'), " 57.0 dB");
  EXPECT_EQ(ResultaatLabel(106.3, 5, " dB(A)", '.'), "101.3 dB(A)");
  EXPECT_EQ(ResultaatLabel(0, 5, " dB", ','), "  0,0 dB");

  test::Rekenblad leeg(',');
  leeg.venster.aftrek.waarde = 1;
  const ResultaatTeksten nul = leeg.Bereken();
  EXPECT_EQ(leeg.ws.Aftrek110g, 5);
  EXPECT_EQ(nul.letmaal + nul.lden + nul.lnight, "  0,0 dB(A)  0,0 dB  0,0 dB");

  test::Rekenblad t;
  t.Typ(2, "1000").Typ(5, "80").Typ(4, "200").Typ(36, "25").Typ(33, "1");
  t.venster.aftrek.waarde = 1;
  const ResultaatTeksten r = t.Bereken();
  EXPECT_NEAR(t.ws.AfstandSchuin, 25.2104, 0.00005);
  EXPECT_EQ(t.ws.Lnight, t.ws.LAeq[3]);  // without the 10 dB of the night
  EXPECT_EQ(r.lnight, ResultaatLabel(t.ws.LAeq[3], 2, " dB", '.'));
  // The window shows the totals it computed: 1000 by day, none in the evening, 200 at night.
  EXPECT_TRUE(t.venster.invoer[26].tekst == "1000.00" && t.venster.invoer[27].tekst == "0.00" &&
              t.venster.invoer[28].tekst == "200.00");

  // Every run starts from zero.
  const Werkblad eerste = t.ws;
  EXPECT_EQ(t.Bereken().lden, r.lden);
  EXPECT_EQ(t.ws.LAeq, eerste.LAeq);
  EXPECT_EQ(t.ws.Letmaal, eerste.Letmaal);
  EXPECT_EQ(t.ws.AfdrukRegels, eerste.AfdrukRegels);
}

// The line under the levels names the deduction only where a shown level
// carries it: a level of 0 is shown without it.
TEST(Reken, AftrekRegelOnlyWhenALevelWasLowered) {
  Werkblad ws;
  struct Geval {
    std::int16_t aftrek;
    double letmaal, lden, lnight;
    const char* regel;
  };
  for (const Geval& g : {Geval{5, 0, 0, 0, ""}, Geval{0, 70, 67, 55, ""},
                         Geval{2, 0.1, 0, 0, "inclusief 2 dB aftrek art. 110g Wgh"},
                         Geval{3, 0, 0, 48, "inclusief 3 dB aftrek art. 110g Wgh"},
                         Geval{5, 60, 57, 0, "inclusief 5 dB aftrek art. 110g Wgh"}}) {
    ws.Aftrek110g = g.aftrek;
    ws.Letmaal = g.letmaal;
    ws.Lden = g.lden;
    ws.Lnight = g.lnight;
    EXPECT_EQ(AftrekRegel(ws), g.regel) << g.aftrek << " " << g.letmaal << " " << g.lden << " " << g.lnight;
  }
  // From the calculation: a ticked box over a road without traffic names nothing.
  test::Rekenblad leeg;
  leeg.venster.aftrek.waarde = 1;
  EXPECT_EQ(leeg.Bereken().aftrek, "");
  test::Rekenblad t;
  t.Typ(2, "1000").Typ(5, "50");
  t.venster.aftrek.waarde = 1;
  EXPECT_EQ(t.Bereken().aftrek, "inclusief 5 dB aftrek art. 110g Wgh");
  t.venster.aftrek.waarde = 0;
  EXPECT_EQ(t.Bereken().aftrek, "");
}
