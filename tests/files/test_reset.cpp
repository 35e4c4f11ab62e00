#include <gtest/gtest.h>

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

    // A few defaults, in the worksheet's separator; every field locked and clean.
    EXPECT_EQ(venster.invoer[0].tekst, "");
    EXPECT_EQ(venster.invoer[2].tekst, std::string("0") + dec + "00");
    EXPECT_EQ(venster.invoer[32].tekst, std::string("5") + dec + "00");
    EXPECT_EQ(venster.invoer[5].tekst, "30");
    for (int k = 0; k < 40; ++k) {
      const auto& vak = venster.invoer[static_cast<std::size_t>(k)];
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
  ws.EmissieGetal.fill(3), ws.LAeq.fill(3), ws.Qtotaal.fill(3), ws.Letmaal = 3, ws.Dbodem = 3;
  ws.CwegdekCat = {0, 1, 2, 3};
  ws.Art35Vlag = true, ws.Lden = 61, ws.Aftrek110g = 5, ws.Qlv[2] = 9;

  NulStelling(ws);

  EXPECT_TRUE(ws.EmissieGetal == PerPeriode{} && ws.LAeq == PerPeriode{} && ws.Qtotaal == PerPeriode{});
  EXPECT_TRUE(ws.Letmaal == 0 && ws.Dbodem == 0);
  // Kept: the category table, the marker and final levels the report reads, and the input.
  EXPECT_TRUE(ws.CwegdekCat[3] == 3 && ws.Art35Vlag && ws.Lden == 61 && ws.Aftrek110g == 5 && ws.Qlv[2] == 9);
}
