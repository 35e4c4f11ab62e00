#include <gtest/gtest.h>

#include <cmath>

#include "base/Getal.h"
#include "tests/calc/Rekenblad.h"
#include "tools/Cumulatie.h"

using namespace tarvo;

TEST(Cumulatie, EnergeticSum) {
  EXPECT_NEAR(CumuleerNiveaus({60, 60}), 63.0103, 0.00005);  // two equal roads: +3,01 dB
  EXPECT_NEAR(CumuleerNiveaus({70, 60}), 70.4139, 0.00005);
  EXPECT_NEAR(CumuleerNiveaus({61.37}), 61.37, 1e-12);
  EXPECT_NEAR(CumuleerNiveaus({55.5, 0}), 55.5, 1e-12);  // 0 is a road without traffic
  EXPECT_EQ(CumuleerNiveaus({0, 0}), 0);
  EXPECT_EQ(CumuleerNiveaus({}), 0);
}

// Computed worksheets: Lden and Lnight as the worksheet holds them, without the deduction.
TEST(Cumulatie, WorksheetsWithoutTheDeduction) {
  test::Rekenblad a(',');
  a.Typ(0, "  Dorpsstraat 1 ").Typ(1, "N201; oost").Typ(2, "1200").Typ(3, "300").Typ(4, "90").Typ(5, "50");
  a.venster.aftrek.waarde = 1;
  a.Bereken();
  ASSERT_EQ(a.ws.Aftrek110g, 5);
  test::Rekenblad b(',');
  b.Typ(0, "Dorpsstraat 1").Typ(1, "Spoorlaan").Typ(2, "400").Typ(6, "40").Typ(36, "35").Typ(5, "80");
  b.Bereken();
  ASSERT_EQ(b.ws.Lnight, 0);  // no night traffic

  const CumulatieBron bronA = BronVan(a.ws, "a.tvo");
  EXPECT_EQ(bronA.waarneempunt, "Dorpsstraat 1");
  EXPECT_EQ(bronA.weg, "N201; oost");
  EXPECT_EQ(bronA.lden, a.ws.Lden);
  EXPECT_EQ(bronA.lnight, a.ws.Lnight);

  // One worksheet cumulates to itself; the same road twice is 3,01 dB more.
  const CumulatieTotaal een = Cumuleer({bronA});
  EXPECT_NEAR(een.lden, a.ws.Lden, 1e-12);
  EXPECT_NEAR(een.lnight, a.ws.Lnight, 1e-12);
  const CumulatieTotaal twee = Cumuleer({bronA, bronA});
  EXPECT_EQ(Formatteer(twee.lden - a.ws.Lden, "##0.00", '.'), "3.01");
  EXPECT_EQ(Formatteer(twee.lnight - a.ws.Lnight, "##0.00", '.'), "3.01");

  const CumulatieBron bronB = BronVan(b.ws, "b.tvo");
  const CumulatieTotaal samen = Cumuleer({bronA, bronB});
  EXPECT_NEAR(samen.lden, 10 * std::log10(std::pow(10, a.ws.Lden / 10) + std::pow(10, b.ws.Lden / 10)), 1e-9);
  EXPECT_NEAR(samen.lnight, a.ws.Lnight, 1e-12);  // b adds no night level

  const std::string f = Formatteer(a.ws.Lden, "##0.00", ','), n = Formatteer(a.ws.Lnight, "##0.00", ',');
  const std::string g = Formatteer(b.ws.Lden, "##0.00", ',');
  const std::string s = Formatteer(samen.lden, "##0.00", ',');
  EXPECT_EQ(CumulatieTabel({bronA, bronB}, ',', false, "\n"),
            "a.tvo;" + f + ";" + n + "\nb.tvo;" + g + ";0,00\ncumulatief;" + s + ";" + n + "\n");
  EXPECT_EQ(CumulatieTabel({bronA}, '.', true, "\r\n"),
            "rekenblad;waarneempunt;weg;Lden zonder aftrek art. 110g Wgh (dB);Lnight zonder aftrek art. 110g Wgh "
            "(dB)\r\na.tvo;Dorpsstraat 1;\"N201; oost\";" +
                Formatteer(a.ws.Lden, "##0.00", '.') + ";" + Formatteer(a.ws.Lnight, "##0.00", '.') +
                "\r\ncumulatief;;;" + Formatteer(a.ws.Lden, "##0.00", '.') + ";" +
                Formatteer(a.ws.Lnight, "##0.00", '.') + "\r\n");
}
