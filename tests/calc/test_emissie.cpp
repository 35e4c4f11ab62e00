#include <gtest/gtest.h>

#include <tuple>

#include "calc/Correctie.h"
#include "calc/Emissie.h"
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
    NulStelling(ws);
    for (int p = 1; p <= 3; ++p) {
      Emissie(ws, venster, cat, p);
      Correctie(ws, venster, cat, p);
    }
  }
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
  u.ws.RailConstructie = 1;
  u.Reken1();
  EXPECT_NEAR(u.ws.Etram[3], 70.54, 0.005);
}

TEST(Correctie, AttenuationViewingAngleAndPeriodLevel) {
  Periode t;
  t.ws.Qlv = {0, 1000, 1000, 1000}, t.ws.Vlv = 80;  // reference surface, not listed: art. 3.5 gives -2
  t.Reken1();
  for (int p = 1; p <= 3; ++p) EXPECT_NEAR(t.ws.LAeqEtm[p], 68.65 + t.ws.Etmaalcorrectie[p], 0.005);

  t.ws.Bodemfactor = 1, t.ws.Zichthoek = 60, t.ws.Objectfractie = 0.5;
  t.Reken1();
  EXPECT_NEAR(t.ws.Dmeteo, 0.235, 0.0005);
  EXPECT_NEAR(t.ws.Dbodem, 2.861, 0.0005);
  EXPECT_NEAR(t.ws.Czichthoek, 3.26, 0.005);

  // Far away the level stops at 0; a period without traffic gets nothing.
  t.ws.AfstandSchuin = 1e12, t.ws.Qlv[2] = 0;
  t.Reken1();
  EXPECT_TRUE(t.ws.LAeq[1] == 0 && t.ws.Letmaal == 10);
  EXPECT_TRUE(t.ws.LAeqEtm[2] == 0 && t.ws.Cwegdek[2] == 0);
}

TEST(Correctie, CrossingObstacleAndArt35Deduction) {
  // Crossing, obstacle, freight share, zone; then the expected crossing, obstacle and total correction.
  for (auto [kruising, obstakel, vracht, zone, ck, co, coptrek] :
       {std::tuple{50., 0., 10., 0, 1.0, 0., 1.0}, {50., 0., 10., 1, 3.35, 0., 3.35}, {0., 50., 0., 1, 0., 1.1, 1.1},
        {0., 100., 0., 0, 0., -0.05, 0.}, {140., 10., 0., 0, 0., 0.58, 0.58}}) {
    Periode t;
    t.ws.Qlv[1] = 100 - vracht, t.ws.Qmv[1] = vracht;
    t.ws.AfstandKruising = kruising, t.ws.AfstandObstakel = obstakel;
    t.venster.zone.waarde = zone;
    t.Reken1();
    SCOPED_TRACE(testing::Message() << kruising << " " << obstakel << " zone " << zone);
    EXPECT_NEAR(t.ws.Ckruising[1], ck, 1e-9);
    EXPECT_NEAR(t.ws.Cobstakel[1], co, 1e-9);
    EXPECT_NEAR(t.ws.Coptrek[1], coptrek, 1e-9);
  }

  // 2: "2L ZOAB" padded with blanks; 3: the same in lower case; 4: a 30-character listed name.
  for (auto [wegdek, vlv, aftrek, vlag] : {std::tuple{2, 70., -1., true}, {3, 70., -2., true}, {4, 80., -1., true},
                                           {1, 100., -2., true}, {2, 69., 0., false}}) {
    Periode t;
    t.ws.WegdekKeuze = static_cast<std::int16_t>(wegdek);
    t.ws.Vlv = vlv, t.ws.Qlv[1] = 300, t.ws.Qzv[1] = 30;
    t.Reken1();
    EXPECT_NEAR(t.ws.Cwegdek[1] - (t.ws.EmissieWeg[1] - t.ws.EmissieGetal[1]), aftrek, 1e-12) << wegdek;
    EXPECT_EQ(t.ws.Art35Vlag, vlag) << wegdek;
  }
}
