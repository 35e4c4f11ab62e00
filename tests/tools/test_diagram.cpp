#include <gtest/gtest.h>

#include <algorithm>

#include "base/Getal.h"
#include "tests/Gevallen.h"
#include "tests/calc/Rekenblad.h"
#include "tools/Diagram.h"

using namespace tarvo;

namespace {

const test::Teksten kStraat = {{2, "800"}, {3, "200"}, {4, "60"},   {5, "50"},
                               {10, "40"}, {13, "50"}, {34, "0.5"}, {36, "12"}};

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
class NiveauAssen : public ::testing::TestWithParam<AsGeval> {};
const AsGeval kAssen[] = {
    {"gewoon", 78.3, 51.6, 80, 50, 3},
    {"precies_70_wordt_80", 70.0, 50.0, 80, 50, 3},
    {"onder_70", 69.9, 50.0, 70, 50, 2},
    // A hair below 70 is 70 once the chart has held it as text.
    {"haar_onder_70", 69.99999999999999, 49.999999999999993, 80, 50, 3},
    {"zonder_rij_bij_s", 64.2, std::nullopt, 70, 0, 7},
};

}  // namespace

TEST_P(DiagramAntwoord, WordtGeklemdOfGeweigerd) {
  const MaxAfstand m = LeesMaxAfstand(GetParam().antwoord);
  EXPECT_EQ(m.soort, GetParam().soort);
  EXPECT_EQ(m.s, GetParam().s);
}
TARVO_GEVALLEN(DiagramAntwoord, kAntwoorden);

// An answer that is no distance leaves the check unrun; the check's
// refusal comes back with what the fields show.
TEST(Diagram, WeigertVoorOfDoorDeInvoercontrole) {
  test::Rekenblad t;
  t.Typ(kStraat).Typ(32, "0");
  for (auto [antwoord, uitkomst] : {std::pair{"", DiagramUitkomst::Leeg}, {"abc", DiagramUitkomst::Geweigerd}}) {
    const DiagramResultaat r = Diagram(antwoord, t.werkblad, t.cat, '.');
    EXPECT_EQ(r.uitkomst, uitkomst);
    EXPECT_FALSE(r.controle.invoer || r.controle.weigering) << antwoord;
  }
  const DiagramResultaat r = Diagram("500", t.werkblad, t.cat, '.');
  EXPECT_EQ(r.uitkomst, DiagramUitkomst::CheckMislukt);
  ASSERT_TRUE(r.controle.weigering);
  EXPECT_EQ(r.controle.weigering->veld, 32);
  EXPECT_EQ(r.controle.weergave.focus, 32);
}

TEST_P(NiveauAssen, InHeleTientallen) {
  const NiveauAs as = BepaalNiveauAs(GetParam().bijEen, GetParam().bijS);
  EXPECT_EQ(as.ymax, GetParam().ymax);
  EXPECT_EQ(as.ymin, GetParam().ymin);
  EXPECT_EQ(as.delingen, GetParam().delingen);
}
TARVO_GEVALLEN(NiveauAssen, kAssen);

TEST(Diagram, RijenPerMeterZonderAftrek) {
  test::Rekenblad t;
  t.Typ(kStraat).werkblad.aftrek = true;  // the diagram shows levels without the deduction
  const auto lden = [&](const char* d) { return test::Rekenblad(t).Typ(36, d).Bereken().resultaten.Lden; };

  const DiagramResultaat d = Diagram("50", t.werkblad, t.cat, '.');
  ASSERT_EQ(d.uitkomst, DiagramUitkomst::Gegevens);
  const std::vector<DiagramRij>& rijen = d.gegevens.rijen;
  ASSERT_EQ(rijen.size(), 100u);
  EXPECT_EQ(rijen.front().label + rijen.back().label, " 0 99");
  EXPECT_NEAR(rijen[0].lden, lden("1"), 1e-12);
  EXPECT_NEAR(rijen[11].lden, lden("12"), 1e-12);  // the worksheet's own distance
  EXPECT_NEAR(rijen[99].lden, lden("100"), 1e-12);
  EXPECT_EQ(d.controle.invoer->AfstandHor(), 12);  // the check's input, before the rows

  // The table counts the distance itself, not the chart's label one less.
  const std::string csv = DiagramCsv(d.gegevens, ',', "\r\n");
  EXPECT_TRUE(csv.starts_with("afstand (m);Lden excl. aftrek 110g Wgh [dB]\r\n1;" +
                              Formatteer(rijen[0].lden, "##0.00", ',') + "\r\n2;"))
      << csv.substr(0, 80);
  EXPECT_TRUE(csv.ends_with("\r\n100;" + Formatteer(rijen[99].lden, "##0.00", ',') + "\r\n"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 101);

  // Rows: s rounded halves to even; a fraction leaves no row at s, so the axis starts at 0.
  const DiagramResultaat half = Diagram("100,5", t.werkblad, t.cat, '.');
  EXPECT_EQ(half.gegevens.rijen.size(), 100u);
  EXPECT_EQ(half.gegevens.ymin, 0);
  EXPECT_EQ(Diagram("101.5", t.werkblad, t.cat, '.').gegevens.rijen.size(), 102u);
  EXPECT_EQ(Diagram("5000", t.werkblad, t.cat, '.').gegevens.rijen.size(), 1000u);
}
