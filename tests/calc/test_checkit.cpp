#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "files/Reset.h"
#include "tests/Gevallen.h"

using namespace tarvo;

namespace {

constexpr double kOnaangeroerd = 777;

// A worksheet in input mode with the texts Reset gives; stored values carry
// a marker so that a value the check did not take over shows.
class CheckItTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWerkblad(ws, venster);
    ws.Qlv.fill(kOnaangeroerd);
    for (double* v : {&ws.Waarneemhoogte, &ws.Wegdekhoogte, &ws.AfstandHor, &ws.AfstandSchuin, &ws.AfstandKruising}) {
      *v = kOnaangeroerd;
    }
  }
  std::string& Tekst(int k) { return venster.invoer[static_cast<std::size_t>(k)].tekst; }
  void Typ(const std::vector<std::pair<int, const char*>>& teksten) {
    for (auto [k, t] : teksten) Tekst(k) = t;
  }
  int FocusTotaal() {
    int n = 0;
    for (const auto& v : venster.invoer) n += v.focusVerzoeken;
    return n;
  }
  CheckUitkomst Check() { return CheckIt(ws, venster, meldingen); }

  Werkblad ws;
  PlainWerkbladVenster venster;
  PlainMeldingen meldingen;
};

struct WaarschuwingGeval {
  const char* naam;
  std::vector<std::pair<int, const char*>> teksten;
  const char* melding;
  int veld;
  double Werkblad::*nietOvergenomen;
  double schuin;
};
class Waarschuwing : public CheckItTest, public ::testing::WithParamInterface<WaarschuwingGeval> {};
const WaarschuwingGeval kWaarschuwingen[] = {
    // Only the first failing check warns; the slant distance was not yet derived.
    {"waarneemhoogte_0_ook_zonder_afstand", {{32, "0"}, {36, "0"}}, "geen waarneemhoogte ingevuld", 32,
     &Werkblad::Wegdekhoogte, kOnaangeroerd},
    {"wegdek_boven_waarneempunt", {{32, "3"}, {33, "3.01"}}, "wegdek hoger dan waarneemhoogte", 33,
     &Werkblad::AfstandHor, kOnaangeroerd},
    {"geen_afstand", {{32, "5"}, {33, "1"}, {36, ""}}, "geen afstand ingevuld", 36, &Werkblad::AfstandKruising, 3.25},
};

}  // namespace

TEST_F(CheckItTest, NonNumberStopsSilentlyBeforeAnythingIsTakenOver) {
  Typ({{3, ""}, {10, "1,2.3"}, {20, ""}, {32, "0"}});  // hw 0 would warn, but the number test comes first
  const CheckUitkomst r = Check();
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.nietGetalVeld, 10);
  EXPECT_TRUE(meldingen.getoond.empty() && FocusTotaal() == 0);
  EXPECT_EQ(Tekst(3), "0.00");  // empty fields before the bad one were already filled
  EXPECT_EQ(Tekst(10), "1,2.3");
  EXPECT_EQ(Tekst(20), "");
  EXPECT_EQ(ws.Qlv[1], kOnaangeroerd);
}

// The window's sentence names the refused field by its row and column.
TEST(CheckItMelding, NamesRowAndColumnOfTheField) {
  EXPECT_EQ(GeenGetalMelding(2), "Berekening niet uitgevoerd: 'Qlicht (mvt/h)' dag is geen getal.");
  EXPECT_EQ(GeenGetalMelding(23), "Berekening niet uitgevoerd: 'Qtram (mvt/h)' avond is geen getal.");
  EXPECT_EQ(GeenGetalMelding(12), "Berekening niet uitgevoerd: 'Qzwaar (mvt/h)' nacht is geen getal.");
  EXPECT_EQ(GeenGetalMelding(21), "Berekening niet uitgevoerd: 'Qbromfiets (mvt/h)' v (km/h) is geen getal.");
  EXPECT_EQ(GeenGetalMelding(32), "Berekening niet uitgevoerd: 'waarneemhoogte (m)' is geen getal.");
  EXPECT_EQ(GeenGetalMelding(39), "Berekening niet uitgevoerd: 'zichthoek (graden)' is geen getal.");
}

// The focus goes to the warning's field; steps before it took their values
// over, steps after it did not run.
TEST_P(Waarschuwing, StopsTheCheckAtItsField) {
  const WaarschuwingGeval& g = GetParam();
  Tekst(2) = "1000";
  Typ(g.teksten);
  EXPECT_FALSE(Check().ok);
  ASSERT_EQ(meldingen.getoond.size(), 1u);
  const GetoondeMelding& m = meldingen.getoond[0];
  EXPECT_EQ(m.tekst, g.melding);
  EXPECT_TRUE(m.titel == "Waarschuwing" && m.icoon == Icoon::Uitroep && m.knoppen == Knoppen::OK);
  EXPECT_TRUE(venster.invoer[static_cast<std::size_t>(g.veld)].focusVerzoeken == 1 && FocusTotaal() == 1);
  EXPECT_EQ(ws.Qlv[1], 1000);
  EXPECT_DOUBLE_EQ(ws.AfstandSchuin, g.schuin);
  EXPECT_EQ(ws.*g.nietOvergenomen, kOnaangeroerd);
}
TARVO_GEVALLEN(Waarschuwing, kWaarschuwingen);

TEST_F(CheckItTest, RoadAsHighAsTheObservationPointPasses) {
  Typ({{32, "3"}, {33, "3"}});
  EXPECT_TRUE(Check().ok);
}

TEST_F(CheckItTest, PassingCheckTakesOverClampedValues) {
  Typ({{0, "  woning"}, {2, "12000"}, {5, "20"}, {9, "200"}, {32, "5"}, {34, "1.5"}, {35, "1"}, {36, "10"},
       {37, "150"}, {38, "100"}, {39, "0"}});
  ASSERT_TRUE(Check().ok);
  EXPECT_TRUE(meldingen.getoond.empty() && FocusTotaal() == 0);

  EXPECT_EQ(ws.Waarneempunt, "  woning" + std::string(37, ' '));
  EXPECT_EQ(ws.Qlv[1], 12000);  // 99999 bounds the check, not the 9999 of leaving a field
  EXPECT_TRUE(ws.Vlv == 30 && ws.Vmv == 110) << "speeds clamped to their category";
  EXPECT_EQ(ws.AfstandKruising, 150);
  EXPECT_EQ(ws.AfstandObstakel, 100);
  EXPECT_TRUE(ws.Bodemfactor == 1 && Tekst(34) == "1.00");
  EXPECT_EQ(ws.Objectfractie, 1);
  EXPECT_TRUE(ws.Zichthoek == 127 && Tekst(39) == "127");
  EXPECT_NEAR(ws.AfstandSchuin, 10.8657, 5e-5);

  // Just beyond: a crossing or obstacle that far has no effect, but the field
  // keeps what was typed; an object fraction is clamped to 1.
  Typ({{35, "1,01"}, {37, "150.01"}, {38, "100,01"}});
  ASSERT_TRUE(Check().ok);
  EXPECT_TRUE(ws.AfstandKruising == 0 && ws.AfstandObstakel == 0);
  EXPECT_TRUE(Tekst(37) == "150.01" && Tekst(38) == "100.01");
  EXPECT_TRUE(ws.Objectfractie == 1 && Tekst(35) == "1.00");

  // Heights and the distance too go up to 99999 here, and are clamped there.
  Typ({{32, "12000"}, {33, "11999,5"}, {36, "123456"}});
  ASSERT_TRUE(Check().ok);
  EXPECT_TRUE(ws.Waarneemhoogte == 12000 && ws.Wegdekhoogte == 11999.5 && ws.AfstandHor == 99999);
}
