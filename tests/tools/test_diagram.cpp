#include <gtest/gtest.h>

#include <algorithm>

#include "base/Getal.h"
#include "tests/Gevallen.h"
#include "tests/calc/Rekenblad.h"
#include "tools/Diagram.h"

using namespace tarvo;

namespace {

test::Rekenblad& Straat(test::Rekenblad& t) {
  t.Typ(2, "800").Typ(3, "200").Typ(4, "60").Typ(5, "50").Typ(10, "40").Typ(13, "50").Typ(34, "0.5").Typ(36, "12");
  return t;
}

struct AntwoordGeval {
  const char* naam;
  const char* antwoord;
  DiagramUitkomst soort;
  double s;
};
class DiagramAntwoord : public ::testing::TestWithParam<AntwoordGeval> {};
const AntwoordGeval kAntwoorden[] = {
    {"onder_100", "50", DiagramUitkomst::Gegevens, 100},       {"precies_100", "100", DiagramUitkomst::Gegevens, 100},
    {"precies_1000", "1000", DiagramUitkomst::Gegevens, 1000}, {"boven_1000", "5000", DiagramUitkomst::Gegevens, 1000},
    {"met_komma", "250,5", DiagramUitkomst::Gegevens, 250.5},  {"leeg", "", DiagramUitkomst::Leeg, 0},
    {"woord", "abc", DiagramUitkomst::Geweigerd, 0},           {"exponent", "1e3", DiagramUitkomst::Geweigerd, 0},
};

struct AsGeval {
  const char* naam;
  double bijEen;
  std::optional<double> bijS;
  double ymax, ymin;
  int delingen;
};
class NiveauAsTest : public ::testing::TestWithParam<AsGeval> {};
const AsGeval kAssen[] = {
    {"gewoon", 78.3, 51.6, 80, 50, 3},
    {"precies_70_wordt_80", 70.0, 50.0, 80, 50, 3},
    {"onder_70", 69.9, 50.0, 70, 50, 2},
    // A hair below 70 is 70 once the chart has held it as text.
    {"haar_onder_70", 69.99999999999999, 49.999999999999993, 80, 50, 3},
    {"zonder_rij_bij_s", 64.2, std::nullopt, 70, 0, 7},
};

}  // namespace

TEST_P(DiagramAntwoord, IsClampedOrRefused) {
  const MaxAfstand m = LeesMaxAfstand(GetParam().antwoord);
  EXPECT_EQ(m.soort, GetParam().soort);
  EXPECT_EQ(m.s, GetParam().s);
}
TARVO_GEVALLEN(DiagramAntwoord, kAntwoorden);

TEST(Diagram, RefusesBeforeOrByTheInputCheck) {
  test::Rekenblad t;
  Straat(t).Typ(32, "0");
  EXPECT_EQ(Diagram("", t.ws, t.venster, t.meldingen, t.cat).uitkomst, DiagramUitkomst::Leeg);
  EXPECT_EQ(Diagram("abc", t.ws, t.venster, t.meldingen, t.cat).uitkomst, DiagramUitkomst::Geweigerd);
  EXPECT_TRUE(t.meldingen.getoond.empty());  // the check did not even run
  EXPECT_EQ(Diagram("500", t.ws, t.venster, t.meldingen, t.cat).uitkomst, DiagramUitkomst::CheckMislukt);
  EXPECT_EQ(t.meldingen.getoond.size(), 1u);
}

TEST_P(NiveauAsTest, InWholeTens) {
  const NiveauAs as = BepaalNiveauAs(GetParam().bijEen, GetParam().bijS);
  EXPECT_EQ(as.ymax, GetParam().ymax);
  EXPECT_EQ(as.ymin, GetParam().ymin);
  EXPECT_EQ(as.delingen, GetParam().delingen);
}
TARVO_GEVALLEN(NiveauAsTest, kAssen);

TEST(Diagram, RowsPerMetreAndTheWorksheetAfterwards) {
  test::Rekenblad t;
  t.venster.aftrek.waarde = 1;  // the diagram shows levels without the deduction
  Straat(t).Bereken();
  const Werkblad voor = t.ws;

  const DiagramResultaat d = Diagram("50", t.ws, t.venster, t.meldingen, t.cat);
  ASSERT_EQ(d.uitkomst, DiagramUitkomst::Gegevens);
  const std::vector<DiagramRij>& rijen = d.gegevens.rijen;
  ASSERT_EQ(rijen.size(), 100u);
  EXPECT_EQ(rijen.front().label + rijen.back().label, " 0 99");
  EXPECT_EQ(t.ws.AfstandHor, 100);
  EXPECT_NEAR(t.ws.Lden, rijen.back().lden, 1e-12);
  EXPECT_NEAR(rijen[11].lden, voor.Lden, 1e-12);  // 12 m, the worksheet's own distance
  EXPECT_EQ(d.gecontroleerd.AfstandHor, 12);       // kept for calculations at other distances
  EXPECT_EQ(d.gecontroleerd.AfstandSchuin, voor.AfstandSchuin);

  // The table counts the distance itself, not the chart's label one less.
  const std::string csv = DiagramCsv(d.gegevens, ',', "\r\n");
  EXPECT_TRUE(csv.starts_with("afstand (m);Lden excl. aftrek 110g Wgh [dB]\r\n1;" +
                              Formatteer(rijen[0].lden, "##0.00", ',') + "\r\n2;"))
      << csv.substr(0, 80);
  EXPECT_TRUE(csv.ends_with("\r\n100;" + Formatteer(rijen[99].lden, "##0.00", ',') + "\r\n"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 101);
  test::Rekenblad een;
  Straat(een).Typ(36, "1").Bereken();
  EXPECT_NEAR(rijen[0].lden, een.ws.Lden, 1e-12);

  t.Bereken();  // takes field 36 over again
  EXPECT_EQ(t.ws.AfstandHor, voor.AfstandHor);
  EXPECT_EQ(t.ws.LAeq, voor.LAeq);
  EXPECT_EQ(t.ws.AfdrukRegels, voor.AfdrukRegels);

  // Rows: s rounded halves to even; a fraction leaves no row at s, so the axis starts at 0.
  EXPECT_EQ(Diagram("100,5", t.ws, t.venster, t.meldingen, t.cat).gegevens.rijen.size(), 100u);
  EXPECT_EQ(Diagram("100,5", t.ws, t.venster, t.meldingen, t.cat).gegevens.ymin, 0);
  EXPECT_EQ(Diagram("101.5", t.ws, t.venster, t.meldingen, t.cat).gegevens.rijen.size(), 102u);
  EXPECT_EQ(Diagram("5000", t.ws, t.venster, t.meldingen, t.cat).gegevens.rijen.size(), 1000u);
}
