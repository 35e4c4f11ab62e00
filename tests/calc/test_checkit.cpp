#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "worksheet_file/Reset.h"

using namespace tarvo;

namespace {

constexpr double kOnaangeroerd = 777;

// A worksheet in input mode with the texts Reset gives; stored values carry
// a marker so that a value the check did not take over shows.
class CheckItTest : public ::testing::Test {
 protected:
  void SetUp() override { Begin('.'); }
  void Begin(char dec) {
    ws = Werkblad{};
    ws.Decimaal = dec;
    venster = PlainWerkbladVenster{};
    ResetWerkblad(ws, venster);
    for (int c = 0; c < 6; ++c) {
      ws.Intensiteit(c).fill(kOnaangeroerd);
      ws.Snelheid(c) = kOnaangeroerd;
    }
    for (double* v : {&ws.Waarneemhoogte, &ws.Wegdekhoogte, &ws.AfstandHor, &ws.AfstandSchuin, &ws.AfstandKruising,
                      &ws.AfstandObstakel, &ws.Bodemfactor, &ws.Objectfractie, &ws.Zichthoek}) {
      *v = kOnaangeroerd;
    }
  }
  std::string& Tekst(int k) { return venster.invoer[static_cast<std::size_t>(k)].tekst; }
  int Focus(int k) { return venster.invoer[static_cast<std::size_t>(k)].focusVerzoeken; }
  int FocusTotaal() {
    int n = 0;
    for (const auto& v : venster.invoer) n += v.focusVerzoeken;
    return n;
  }
  CheckUitkomst Check() { return CheckIt(ws, venster, meldingen); }
  void VerwachtWaarschuwing(const char* tekst, int veld) {
    ASSERT_EQ(meldingen.getoond.size(), 1u);
    EXPECT_EQ(meldingen.getoond[0].tekst, tekst);
    EXPECT_EQ(meldingen.getoond[0].titel, "Waarschuwing");
    EXPECT_EQ(meldingen.getoond[0].icoon, Icoon::Uitroep);
    EXPECT_EQ(meldingen.getoond[0].knoppen, Knoppen::OK);
    EXPECT_EQ(Focus(veld), 1);
    EXPECT_EQ(FocusTotaal(), 1);
  }

  Werkblad ws;
  PlainWerkbladVenster venster;
  PlainMeldingen meldingen;
};

}  // namespace

TEST_F(CheckItTest, NonNumberStopsSilentlyBeforeAnythingIsTakenOver) {
  for (const char* fout : {"abc", ",", "1,2.3", "12 13", " "}) {
    Begin('.');
    meldingen.getoond.clear();
    Tekst(3) = "";
    Tekst(10) = fout;
    Tekst(20) = "";
    Tekst(32) = "0";  // would warn, but the number test comes first
    const CheckUitkomst r = Check();
    EXPECT_FALSE(r.ok) << fout;
    EXPECT_EQ(r.nietGetalVeld, 10);
    EXPECT_TRUE(meldingen.getoond.empty());
    EXPECT_EQ(FocusTotaal(), 0);
    EXPECT_EQ(Tekst(3), "0.00");  // fields before the bad one were already filled
    EXPECT_EQ(Tekst(10), fout);
    EXPECT_EQ(Tekst(20), "");
    EXPECT_EQ(ws.Qlv[1], kOnaangeroerd);
    EXPECT_EQ(ws.Waarneemhoogte, kOnaangeroerd);
  }
}

TEST_F(CheckItTest, WarningsComeOneAtATimeInTheirOrder) {
  // hw 0 is reported even when d is 0 too.
  Tekst(2) = "1000";
  Tekst(32) = "0";
  Tekst(36) = "0";
  EXPECT_FALSE(Check().ok);
  VerwachtWaarschuwing("geen waarneemhoogte ingevuld", 32);
  EXPECT_EQ(ws.Qlv[1], 1000);  // steps before the warning did take over
  EXPECT_EQ(ws.Wegdekhoogte, kOnaangeroerd);

  Begin('.');
  meldingen.getoond.clear();
  Tekst(32) = "3";
  Tekst(33) = "3.01";
  EXPECT_FALSE(Check().ok);
  VerwachtWaarschuwing("wegdek hoger dan waarneemhoogte", 33);
  EXPECT_EQ(ws.AfstandHor, kOnaangeroerd);

  Begin('.');
  meldingen.getoond.clear();
  Tekst(32) = "3";
  Tekst(33) = "3";
  EXPECT_TRUE(Check().ok);
  EXPECT_TRUE(meldingen.getoond.empty());

  Begin('.');
  Tekst(32) = "5";
  Tekst(33) = "1";
  Tekst(36) = "0";
  EXPECT_FALSE(Check().ok);
  VerwachtWaarschuwing("geen afstand ingevuld", 36);
  EXPECT_DOUBLE_EQ(ws.AfstandSchuin, 3.25);  // set before the distance test
  EXPECT_EQ(ws.AfstandKruising, kOnaangeroerd);

  Begin('.');
  meldingen.getoond.clear();
  Tekst(32) = "0.5";
  Tekst(36) = "";
  EXPECT_FALSE(Check().ok);
  VerwachtWaarschuwing("geen afstand ingevuld", 36);
  EXPECT_DOUBLE_EQ(ws.AfstandSchuin, 0.25);
}

TEST_F(CheckItTest, PassingCheckTakesOverClampedValues) {
  for (int k = 2; k < 40; ++k) Tekst(k) = "";
  Tekst(0) = "  woning";
  Tekst(1) = std::string(50, 'w');
  Tekst(2) = "12000";
  Tekst(5) = "20";
  Tekst(9) = "200";
  Tekst(32) = "5";
  Tekst(36) = "10";
  Tekst(37) = "150";
  Tekst(38) = "100";
  Tekst(34) = "1.5";
  Tekst(39) = "0";
  const CheckUitkomst r = Check();
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.nietGetalVeld, -1);
  EXPECT_TRUE(meldingen.getoond.empty());

  EXPECT_EQ(ws.Waarneempunt, "  woning" + std::string(37, ' '));
  EXPECT_EQ(ws.WegNaam, std::string(45, 'w'));
  EXPECT_EQ(ws.Qlv[1], 12000);  // 99999 bounds the check, not the 9999 of leaving a field
  EXPECT_EQ(Tekst(2), "12000.00");
  for (int k : {3, 4, 6, 24, 33, 35}) EXPECT_EQ(Tekst(k), "0.00") << k;
  for (int k : {26, 31}) EXPECT_EQ(Tekst(k), "") << "derived fields carry no kind";
  EXPECT_EQ(ws.Qtram[3], 0);
  EXPECT_EQ(ws.Vlv, 30);
  EXPECT_EQ(Tekst(5), "30");
  EXPECT_EQ(ws.Vmv, 110);
  EXPECT_EQ(Tekst(9), "110");
  EXPECT_EQ(ws.Vtram, 30);  // an emptied speed field reads 0 and is clamped up
  EXPECT_EQ(ws.AfstandKruising, 150);
  EXPECT_EQ(ws.AfstandObstakel, 100);
  EXPECT_EQ(ws.Bodemfactor, 1);
  EXPECT_EQ(Tekst(34), "1.00");
  EXPECT_EQ(ws.Zichthoek, 127);
  EXPECT_EQ(Tekst(39), "127");
  EXPECT_NEAR(ws.AfstandSchuin, 10.8657, 5e-5);
  EXPECT_EQ(FocusTotaal(), 0);
}

TEST_F(CheckItTest, FarCrossingAndObstacleAreDroppedButShown) {
  Tekst(37) = "150.01";
  Tekst(38) = "100,01";
  ASSERT_TRUE(Check().ok);
  EXPECT_EQ(ws.AfstandKruising, 0);
  EXPECT_EQ(ws.AfstandObstakel, 0);
  EXPECT_EQ(Tekst(37), "150.01");
  EXPECT_EQ(Tekst(38), "100.01");
}

TEST_F(CheckItTest, SlantDistanceAndCommaSeparator) {
  Begin(',');
  Tekst(2) = "12.5";
  Tekst(32) = "5";
  Tekst(33) = "1";
  Tekst(36) = "25";
  ASSERT_TRUE(Check().ok);
  EXPECT_NEAR(ws.AfstandSchuin, 25.2104, 5e-5);
  EXPECT_EQ(ws.Qlv[1], 12.5);
  EXPECT_EQ(Tekst(2), "12,50");
  EXPECT_EQ(Tekst(3), "0,00");
  EXPECT_DOUBLE_EQ(SchuineAfstand(5, 0, 10), std::sqrt(4.25 * 4.25 + 100));
}
