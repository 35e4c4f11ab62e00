#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calc/PlainBediening.h"
#include "calc/Velden.h"
#include "calc/Zone.h"
#include "files/Reset.h"
#include "calc/Reken.h"

using namespace tarvo;

TEST(Reset, FieldsShowTheirDefaultsLockedAndClean) {
  for (char dec : {'.', ','}) {
    Werkblad ws;
    ws.Decimaal = dec, ws.WegdekKeuze = 7, ws.Toelichting[2] = "oud";
    PlainWerkbladVenster venster;
    for (auto& vak : venster.invoer) vak.tekst = "oud", vak.achtergrond = kRood, vak.toolTip = "Voer geldig getal in";
    venster.toel[1].tekst = "opmerking";
    venster.aftrek.waarde = 1;
    ZetZone(ws, venster, 1);

    ResetWerkblad(ws, venster);

    const auto getal = [&](const char* geheel) { return std::string(geheel) + dec + "00"; };
    std::map<int, std::string> verwacht = {{0, ""}, {1, ""}, {32, getal("5")}, {36, getal("10")}, {39, "127"}};
    for (int k : kSnelheidVelden) verwacht[k] = "30";
    for (int k = 0; k < 40; ++k) {
      const auto& vak = venster.invoer[static_cast<std::size_t>(k)];
      EXPECT_EQ(vak.tekst, verwacht.contains(k) ? verwacht[k] : getal("0")) << k << " with '" << dec << "'";
      EXPECT_FALSE(vak.ingeschakeld) << k;
      // Fields without a default pass through ValiDate, which clears a red mark.
      if (!vak.tag.empty() && !Veld(k).standaard) {
        EXPECT_TRUE(vak.achtergrond == kLichtGeel && vak.toolTip.empty()) << k;
      }
    }
    EXPECT_TRUE(ws.WegdekKeuze == 1 && venster.getoondWegdek == 0);
    EXPECT_TRUE(venster.zone.waarde == 0 && venster.aftrek.waarde == 0);
    EXPECT_FALSE(venster.zone.ingeschakeld || venster.aftrek.ingeschakeld);
    EXPECT_TRUE(venster.toel[1].tekst.empty() && !venster.toel[1].ingeschakeld);
    EXPECT_EQ(ws.Toelichting[2], std::string(60, ' '));
  }
}

TEST(Reset, NulStellingClearsResultsButNotTheDriversValues) {
  Werkblad ws;
  PerPeriode* perPeriode[] = {&ws.EmissieGetal, &ws.EmissieWeg, &ws.Elv,       &ws.Emv,       &ws.Ezv,
                              &ws.Emr,          &ws.Ebromf,     &ws.Etram,     &ws.ElvWeg,    &ws.EmvWeg,
                              &ws.EzvWeg,       &ws.Qtotaal,    &ws.Vrachtverkeer, &ws.Cwegdek, &ws.Ckruising,
                              &ws.Cobstakel,    &ws.Coptrek,    &ws.LAeq,      &ws.LAeqEtm};
  double* enkel[] = {&ws.Crefl, &ws.Dafstand, &ws.Dlucht, &ws.Dbodem, &ws.Dmeteo, &ws.Czichthoek, &ws.Letmaal};
  for (PerPeriode* a : perPeriode) a->fill(3);
  for (double* v : enkel) *v = 3;
  ws.CwegdekCat = {0, 1, 2, 3};
  ws.Art35Vlag = true, ws.Lden = 61, ws.Aftrek110g = 5, ws.Qlv[2] = 9;

  NulStelling(ws);

  for (std::size_t i = 0; i < std::size(perPeriode); ++i) EXPECT_EQ(*perPeriode[i], PerPeriode{}) << i;
  for (double* v : enkel) EXPECT_EQ(*v, 0);
  // Kept: the category table, the marker and final levels the report reads, and the input.
  EXPECT_TRUE(ws.CwegdekCat[3] == 3 && ws.Art35Vlag && ws.Lden == 61 && ws.Aftrek110g == 5 && ws.Qlv[2] == 9);
}
