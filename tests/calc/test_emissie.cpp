#include <gtest/gtest.h>

#include "calc/Correctie.h"
#include "calc/Emissie.h"
#include "tests/Gevallen.h"
#include "tests/calc/Rekenblad.h"

using namespace tarvo;

namespace {

// Stored values set directly, as the input check would leave them; r = 10.
struct Periode : test::Rekenblad {
  Periode() {
    ws.Vlv = ws.Vmv = ws.Vzv = ws.Vmr = ws.Vbromf = ws.Vtram = 30;
    ws.Waarneemhoogte = 5, ws.AfstandSchuin = 10, ws.Zichthoek = 127;
  }
  void Reken1() {
    RekenPeriodes(ws, venster, cat);
  }
};

struct OptrekGeval {
  const char* naam;
  double kruising, obstakel, vracht;
  int zone;
  double ckruising, cobstakel, coptrek;
};
class Optrek : public ::testing::TestWithParam<OptrekGeval> {};
const OptrekGeval kOptrek[] = {
    {"kruising50", 50, 0, 10, 0, 1.0, 0, 1.0},          {"kruising50_zone", 50, 0, 10, 1, 3.35, 0, 3.35},
    {"kruising150", 150, 0, 20, 0, 0.1, 0, 0.1},        {"kruising150_zone", 150, 0, 20, 1, 0.05, 0, 0.05},
    {"obstakel50", 0, 50, 20, 0, 0, 0.38, 0.38},        {"obstakel50_zone", 0, 50, 0, 1, 0, 1.1, 1.1},
    {"obstakel100", 0, 100, 0, 0, 0, -0.05, 0},         {"obstakel_boven_kruising", 140, 10, 0, 0, 0, 0.58, 0.58},
    {"beide_onder_0", 150, 100, 0, 0, -0.1, -0.05, 0},
};

struct Art35Geval {
  const char* naam;
  int wegdek;
  double vlv, aftrek;
  bool vlag;
};
class Art35 : public ::testing::TestWithParam<Art35Geval> {};
// 2: "2L ZOAB" padded with blanks; 3: the same in lower case; 4: a 30-character listed name.
const Art35Geval kArt35[] = {
    {"ZOAB_met_blanks_bij_70", 2, 70, -1, true}, {"zoab_in_kleine_letters", 3, 70, -2, true},
    {"naam_van_30_tekens", 4, 80, -1, true},     {"niet_in_de_lijst", 1, 100, -2, true},
    {"onder_70", 2, 69, 0, false},
};

}  // namespace

TEST(Emissie, WorkedNumbersAndDerivedFields) {
  Periode t;
  t.ws.Qlv = {0, 1000, 1000, 800}, t.ws.Vlv = 80;
  t.ws.Qmv = {0, 0, 100, 100}, t.ws.Vmv = 70, t.ws.Qzv = {0, 0, 100, 100}, t.ws.Vzv = 70;
  t.Reken1();
  EXPECT_NEAR(t.ws.Elv[1], 80.97, 0.005);
  EXPECT_NEAR(t.ws.EmissieGetal[2], 83.26, 0.005);  // with 100 each of mv and zv at 70
  EXPECT_EQ(t.ws.Vrachtverkeer[3], 20);
  EXPECT_EQ(t.venster.invoer[31].tekst, "20.00");  // the window's derived field shows it

  // Categories without a road-surface correction, on a surface that has one.
  Periode u;
  u.ws.WegdekKeuze = 5;
  u.ws.Qbromf[1] = 10, u.ws.Qmr[1] = 10, u.ws.Vmr = 50, u.ws.Qtram[3] = 10;
  u.Reken1();
  EXPECT_NEAR(u.ws.Ebromf[1], 63.23, 0.005);
  EXPECT_NEAR(u.ws.Emr[1], 57.28, 0.005);
  EXPECT_NEAR(u.ws.Etram[3], 64.54, 0.005);
  EXPECT_TRUE(u.ws.Cwegdek[1] == 0 && u.ws.Vrachtverkeer[1] == 0);  // and mopeds and motorcycles are no freight
  // The evening has no traffic at all: no freight share either, not 0 / 0.
  EXPECT_EQ(u.ws.Vrachtverkeer[2], 0);
  EXPECT_TRUE(u.venster.invoer[27].tekst == "0.00" && u.venster.invoer[30].tekst == "0.00");
  u.ws.RailConstructie = 1;
  u.Reken1();
  EXPECT_NEAR(u.ws.Etram[3], 70.54, 0.005);
}

// Every category at a speed off its reference speed, on a surface whose six
// coefficients all differ; the expected values were worked out by hand from
// the published formulas.
TEST(Correctie, EveryTermOnAVariedSurface) {
  Periode t;
  Werkblad& ws = t.ws;
  ws.WegdekKeuze = 6;  // not in the list of the smaller art. 3.5 deduction
  ws.Vlv = 100, ws.Vmv = 85, ws.Vzv = 55, ws.Vmr = 60, ws.Vbromf = 40, ws.Vtram = 45, ws.RailConstructie = 1;
  ws.Qlv = {0, 1200, 350, 90}, ws.Qmv = {0, 80, 25, 6}, ws.Qzv = {0, 60, 12, 9};
  ws.Qmr = {0, 15, 4, 1}, ws.Qbromf = {0, 20, 5, 0}, ws.Qtram = {0, 0, 0, 3};
  ws.Waarneemhoogte = 4.5, ws.Wegdekhoogte = 0.8, ws.AfstandSchuin = 23.7, ws.Bodemfactor = 0.6;
  ws.Objectfractie = 0.4, ws.Zichthoek = 75, ws.AfstandKruising = 60, ws.AfstandObstakel = 30;
  t.Reken1();

  constexpr double e = 1e-9;
  EXPECT_NEAR(ws.CwegdekCat[1], -1.0480339662, e);
  EXPECT_NEAR(ws.CwegdekCat[2], 0.6397903172, e);
  EXPECT_NEAR(ws.CwegdekCat[3], -2.5561001918, e);
  EXPECT_NEAR(ws.Crefl, 0.6, e);
  EXPECT_NEAR(ws.Dafstand, 13.7474834601, e);
  EXPECT_NEAR(ws.Dlucht, 0.1726925138, e);
  EXPECT_NEAR(ws.Dmeteo, 0.5076209090, e);
  EXPECT_NEAR(ws.Dbodem, 1.8156138188, e);
  EXPECT_NEAR(ws.Czichthoek, 2.2874245756, e);
  const PerPeriode vracht{0, 10.1818181818, 9.3434343434, 13.7614678899};
  const PerPeriode emissie{0, 84.6873262656, 79.2258725722, 74.9950552389};
  const PerPeriode cwegdek{0, -2.9545484880, -2.9018824205, -2.7969700919};
  const PerPeriode ckruising{0, 0.9018181818, 0.8934343434, 0.9376146789};
  const PerPeriode cobstakel{0, 0.4807272727, 0.4773737374, 0.4950458716};
  const PerPeriode laeq{0, 64.7037606821, 59.2865892177, 55.2048645485};
  for (std::size_t p = 1; p <= 3; ++p) {
    SCOPED_TRACE(p);
    EXPECT_NEAR(ws.Vrachtverkeer[p], vracht[p], e);
    EXPECT_NEAR(ws.EmissieGetal[p], emissie[p], e);
    EXPECT_NEAR(ws.Cwegdek[p], cwegdek[p], e);
    EXPECT_NEAR(ws.Ckruising[p], ckruising[p], e);
    EXPECT_NEAR(ws.Cobstakel[p], cobstakel[p], e);
    EXPECT_NEAR(ws.Coptrek[p], ckruising[p], e);
    EXPECT_NEAR(ws.LAeq[p], laeq[p], e);
  }
  EXPECT_NEAR(ws.Emv[2], 69.4873076579, e);
  EXPECT_NEAR(ws.Ezv[3], 66.2640354251, e);
  EXPECT_NEAR(ws.Letmaal, laeq[3] + 10, e);  // the night with its 10 dB is the highest
}

TEST(Correctie, AttenuationViewingAngleAndPeriodLevel) {
  Periode t;
  t.ws.Qlv = {0, 1000, 1000, 1000}, t.ws.Vlv = 80;  // reference surface, not listed: art. 3.5 gives -2
  t.Reken1();
  for (int p = 1; p <= 3; ++p) EXPECT_NEAR(t.ws.LAeqEtm[p], 68.65 + t.ws.Etmaalcorrectie[p], 0.005);

  // Far away the level stops at 0; a period without traffic gets nothing.
  t.ws.AfstandSchuin = 1e12, t.ws.Qlv[2] = 0;
  t.Reken1();
  EXPECT_TRUE(t.ws.LAeq[1] == 0 && t.ws.Letmaal == 10);
  EXPECT_TRUE(t.ws.LAeqEtm[2] == 0 && t.ws.Cwegdek[2] == 0);
}

// The freight share comes from 100 vehicles, `vracht` of them medium-heavy.
TEST_P(Optrek, CrossingObstacleAndTheLargerOfThem) {
  const OptrekGeval& g = GetParam();
  Periode t;
  t.ws.Qlv[1] = 100 - g.vracht, t.ws.Qmv[1] = g.vracht;
  t.ws.AfstandKruising = g.kruising, t.ws.AfstandObstakel = g.obstakel;
  t.venster.zone.waarde = g.zone;
  t.Reken1();
  EXPECT_NEAR(t.ws.Ckruising[1], g.ckruising, 1e-9);
  EXPECT_NEAR(t.ws.Cobstakel[1], g.cobstakel, 1e-9);
  EXPECT_NEAR(t.ws.Coptrek[1], g.coptrek, 1e-9);
}
TARVO_GEVALLEN(Optrek, kOptrek);

TEST_P(Art35, DeductionFromSpeedAndName) {
  const Art35Geval& g = GetParam();
  Periode t;
  t.ws.WegdekKeuze = static_cast<std::int16_t>(g.wegdek);
  t.ws.Vlv = g.vlv, t.ws.Qlv[1] = 300, t.ws.Qzv[1] = 30;
  t.Reken1();
  EXPECT_NEAR(t.ws.Cwegdek[1] - (t.ws.EmissieWeg[1] - t.ws.EmissieGetal[1]), g.aftrek, 1e-12);
  EXPECT_EQ(t.ws.Art35Vlag, g.vlag);
}
TARVO_GEVALLEN(Art35, kArt35);
