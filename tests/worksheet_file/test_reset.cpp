#include <gtest/gtest.h>

#include <string>

#include "calc/PlainBediening.h"
#include "calc/Velden.h"
#include "calc/Zone.h"
#include "worksheet_file/Reset.h"

using namespace tarvo;

TEST(Reset, FieldsShowTheirDefaultsLockedAndClean) {
  for (char dec : {'.', ','}) {
    Werkblad ws;
    ws.Decimaal = dec;
    ws.WegdekKeuze = 7;
    ws.Qlv[1] = 55;
    ws.Toelichting[2] = "oud";
    PlainWerkbladVenster venster;
    for (auto& vak : venster.invoer) {
      vak.tekst = "oud";
      vak.achtergrond = kRood;
      vak.toolTip = "Voer geldig getal in";
    }
    for (int k : kSnelheidVelden) venster.invoer[static_cast<std::size_t>(k)].tekst = "70";
    venster.toel[1].tekst = "opmerking";
    venster.aftrek.waarde = 1;
    ZetZone(ws, venster, 1);

    ResetWerkblad(ws, venster);

    const std::string z = std::string("0") + dec + "00";
    for (int k = 0; k < 40; ++k) {
      const auto& vak = venster.invoer[static_cast<std::size_t>(k)];
      std::string verwacht = z;
      if (k == 0 || k == 1) verwacht = "";
      if (k == 5 || k == 9 || k == 13 || k == 17 || k == 21 || k == 25) verwacht = "30";
      if (k == 32) verwacht = std::string("5") + dec + "00";
      if (k == 36) verwacht = std::string("10") + dec + "00";
      if (k == 39) verwacht = "127";
      EXPECT_EQ(vak.tekst, verwacht) << k << " with '" << dec << "'";
      EXPECT_FALSE(vak.ingeschakeld) << k;
      // Fields without a default pass through ValiDate, which clears a red mark.
      if (!vak.tag.empty() && !Veld(k).standaard) {
        EXPECT_EQ(vak.achtergrond, kLichtGeel) << k;
        EXPECT_EQ(vak.toolTip, "") << k;
      }
    }
    EXPECT_EQ(ws.WegdekKeuze, 1);
    EXPECT_EQ(venster.getoondWegdek, 0);
    EXPECT_EQ(venster.zone.waarde, 0);
    EXPECT_EQ(venster.aftrek.waarde, 0);
    EXPECT_FALSE(venster.zone.ingeschakeld);
    EXPECT_FALSE(venster.aftrek.ingeschakeld);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(venster.toel[static_cast<std::size_t>(i)].tekst, "");
      EXPECT_FALSE(venster.toel[static_cast<std::size_t>(i)].ingeschakeld);
      EXPECT_EQ(ws.Toelichting[static_cast<std::size_t>(i)], std::string(60, ' '));
    }
    EXPECT_EQ(ws.Qlv[1], 55) << "Reset leaves the stored numbers to the next input check";
  }
}

TEST(Reset, NulStellingClearsResultsButNotTheDriversValues) {
  Werkblad ws;
  PerPeriode* perPeriode[] = {&ws.EmissieGetal, &ws.EmissieWeg, &ws.Elv,     &ws.Emv,       &ws.Ezv,
                              &ws.Emr,          &ws.Ebromf,     &ws.Etram,   &ws.ElvWeg,    &ws.EmvWeg,
                              &ws.EzvWeg,       &ws.Qtotaal,    &ws.Vrachtverkeer, &ws.Cwegdek, &ws.Ckruising,
                              &ws.Cobstakel,    &ws.Coptrek,    &ws.LAeq,    &ws.LAeqEtm};
  double* enkel[] = {&ws.Crefl, &ws.Dafstand, &ws.Dlucht, &ws.Dbodem, &ws.Dmeteo, &ws.Czichthoek, &ws.Letmaal};
  for (PerPeriode* a : perPeriode) a->fill(3);
  for (double* v : enkel) *v = 3;
  ws.CwegdekCat = {0, 1, 2, 3};
  ws.Art35Vlag = true;
  ws.Art35Aftrek = -2;
  ws.Lden = 61;
  ws.Lnight = 52;
  ws.Aftrek110g = 5;
  ws.Qlv[2] = 9;

  NulStelling(ws);

  for (PerPeriode* a : perPeriode) {
    for (int p = 1; p <= 3; ++p) EXPECT_EQ((*a)[static_cast<std::size_t>(p)], 0);
  }
  for (double* v : enkel) EXPECT_EQ(*v, 0);
  EXPECT_EQ(ws.CwegdekCat[3], 3);
  EXPECT_TRUE(ws.Art35Vlag);
  EXPECT_EQ(ws.Art35Aftrek, -2);
  EXPECT_EQ(ws.Lden, 61);
  EXPECT_EQ(ws.Lnight, 52);
  EXPECT_EQ(ws.Aftrek110g, 5);
  EXPECT_EQ(ws.Qlv[2], 9);
}
