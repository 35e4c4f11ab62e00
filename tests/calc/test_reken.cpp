#include <gtest/gtest.h>

#include "driver/Rekenblad.h"
#include "tests/calc/Rekenblad.h"

using namespace tarvo;

TEST(Reken, LdenWeighsPeriodsByHours) {
  Werkblad ws;
  for (auto [d, a, n, lden] : {std::array{60., 60., 60., 60.}, {70., 65., 60., 67.68}, {60., 0., 0., 56.99},
                               {0., 0., 0., 0.}}) {
    ws.LAeqEtm = {0, d, a, n};
    EXPECT_NEAR(BerekenLden(ws), lden, 0.005) << d << " " << a << " " << n;
  }
}

TEST(Reken, Aftrek110gTableAndDate) {
  const Datum voor{2018, 6, 30}, op{2018, 7, 1};
  struct Geval {
    int vinkje;
    double vlv, lden;
    Datum d;
    int aftrek;
  };
  for (const Geval& g : {Geval{0, 50, 60, voor, 0}, Geval{1, 69.9, 56, voor, 5}, Geval{1, 70, 56, op, 2},
                         Geval{1, 80, 55.5, voor, 3}, Geval{1, 80, 56.49, voor, 3}, Geval{1, 80, 56.5, voor, 4},
                         Geval{1, 80, 57.5, voor, 2}, Geval{1, 80, 55.49, voor, 2}, Geval{1, 80, 57, op, 2}}) {
    EXPECT_EQ(BepaalAftrek110g(g.vinkje, g.vlv, g.lden, g.d), g.aftrek) << g.vlv << " " << g.lden << " " << g.d.dag;
  }
}

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
