#include <gtest/gtest.h>

#include <cmath>

#include "base/Getal.h"
#include "tests/calc/Rekenblad.h"
#include "tools/Cumulatie.h"

using namespace tarvo;

TEST(CumuleerNiveaus, EnergetischeSom) {
  EXPECT_NEAR(CumuleerNiveaus({60, 60}), 63.0103, 0.00005);  // two equal roads: +3,01 dB
  EXPECT_NEAR(CumuleerNiveaus({70, 60}), 70.4139, 0.00005);
  EXPECT_NEAR(CumuleerNiveaus({61.37}), 61.37, 1e-12);
  EXPECT_NEAR(CumuleerNiveaus({55.5, 0}), 55.5, 1e-12);  // 0 is a road without traffic
  EXPECT_EQ(CumuleerNiveaus({0, 0}), 0);
  EXPECT_EQ(CumuleerNiveaus({}), 0);
}

// Computed worksheets: Lden and Lnight as the calculation gives them, without the deduction.
TEST(Cumuleer, RekenbladenZonderAftrek) {
  test::Rekenblad a(',');
  a.Typ({{0, "  Dorpsstraat 1 "}, {1, "N201; oost"}, {2, "1200"}, {3, "300"}, {4, "90"}, {5, "50"}});
  a.werkblad.aftrek = true;
  const Berekend ba = a.Bereken();
  ASSERT_EQ(ba.resultaten.Aftrek110g, 5);
  test::Rekenblad b(',');
  b.Typ({{0, "Dorpsstraat 1"}, {1, "Spoorlaan"}, {2, "400"}, {6, "40"}, {36, "35"}, {5, "80"}});
  const Berekend bb = b.Bereken();
  ASSERT_EQ(bb.resultaten.Lnight, 0);  // no night traffic
  const double ldenA = ba.resultaten.Lden, lnightA = ba.resultaten.Lnight, ldenB = bb.resultaten.Lden;

  const CumulatieBron bronA = BronVan(ba.invoer, ba.resultaten, "a.tvo");
  EXPECT_EQ(bronA.waarneempunt, "Dorpsstraat 1");
  EXPECT_EQ(bronA.weg, "N201; oost");
  EXPECT_EQ(bronA.lden, ldenA);
  EXPECT_EQ(bronA.lnight, lnightA);

  // One worksheet cumulates to itself; the same road twice is 3,01 dB more.
  const CumulatieTotaal een = Cumuleer({bronA});
  EXPECT_NEAR(een.lden, ldenA, 1e-12);
  EXPECT_NEAR(een.lnight, lnightA, 1e-12);
  const CumulatieTotaal twee = Cumuleer({bronA, bronA});
  EXPECT_EQ(Formatteer(twee.lden - ldenA, "##0.00", '.'), "3.01");
  EXPECT_EQ(Formatteer(twee.lnight - lnightA, "##0.00", '.'), "3.01");

  const CumulatieBron bronB = BronVan(bb.invoer, bb.resultaten, "b.tvo");
  const CumulatieTotaal samen = Cumuleer({bronA, bronB});
  EXPECT_NEAR(samen.lden, 10 * std::log10(std::pow(10, ldenA / 10) + std::pow(10, ldenB / 10)), 1e-9);
  EXPECT_NEAR(samen.lnight, lnightA, 1e-12);  // b adds no night level

  const auto f = [](double x, char dec) { return Formatteer(x, "##0.00", dec); };
  EXPECT_EQ(CumulatieTabel({bronA, bronB}, ',', false, "\n"), "a.tvo;" + f(ldenA, ',') + ";" + f(lnightA, ',') +
                                                                  "\nb.tvo;" + f(ldenB, ',') + ";0,00\ncumulatief;" +
                                                                  f(samen.lden, ',') + ";" + f(lnightA, ',') + "\n");
  EXPECT_EQ(CumulatieTabel({bronA}, '.', true, "\r\n"),
            "rekenblad;waarneempunt;weg;Lden zonder aftrek art. 110g Wgh (dB);Lnight zonder aftrek art. 110g Wgh "
            "(dB)\r\na.tvo;Dorpsstraat 1;\"N201; oost\";" +
                f(ldenA, '.') + ";" + f(lnightA, '.') + "\r\ncumulatief;;;" + f(ldenA, '.') + ";" + f(lnightA, '.') +
                "\r\n");
}
