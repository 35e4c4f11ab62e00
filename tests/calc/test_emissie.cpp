#include <gtest/gtest.h>

#include "calc/Correctie.h"
#include "calc/Emissie.h"
#include "tests/Gevallen.h"
#include "tests/calc/Rekenblad.h"

using namespace tarvo;
using namespace tarvo::categorie;

namespace {

// Input as the check would leave it: every speed 30, hw 5, an unhindered view.
struct Periode {
  Invoer in;
  Catalogus cat = test::TestCatalogus();
  Periode() {
    for (int v : kSnelheidVelden) in.getal[static_cast<std::size_t>(v)] = 30;
    Zet(veld::kWaarneemhoogte, 5).Zet(veld::kZichthoek, 127);
  }
  Periode& Zet(int k, double x) {
    in.getal[static_cast<std::size_t>(k)] = x;
    return *this;
  }
  Periode& Q(int c, double dag, double avond, double nacht) {
    return Zet(IntensiteitVeld(c, 1), dag).Zet(IntensiteitVeld(c, 2), avond).Zet(IntensiteitVeld(c, 3), nacht);
  }
  Periode& V(int c, double v) { return Zet(SnelheidVeld(c), v); }
  // Emissie and Correctie of each period at slant distance r.
  Resultaten Reken(double r = 10) const {
    Resultaten u;
    u.AfstandSchuin = r;
    for (int p = 1; p <= 3; ++p) {
      Emissie(in, cat, p, u);
      Correctie(in, cat, p, u);
    }
    return u;
  }
};

struct OptrekGeval {
  const char* naam;
  double kruising, obstakel, vracht;
  bool zone;
  double ckruising, cobstakel, coptrek;
};
class Optrek : public ::testing::TestWithParam<OptrekGeval> {};
const OptrekGeval kOptrek[] = {
    {"kruising50", 50, 0, 10, false, 1.0, 0, 1.0},
    {"kruising50_zone", 50, 0, 10, true, 3.35, 0, 3.35},
    {"kruising150", 150, 0, 20, false, 0.1, 0, 0.1},
    {"kruising150_zone", 150, 0, 20, true, 0.05, 0, 0.05},
    {"obstakel50", 0, 50, 20, false, 0, 0.38, 0.38},
    {"obstakel50_zone", 0, 50, 0, true, 0, 1.1, 1.1},
    {"obstakel100", 0, 100, 0, false, 0, -0.05, 0},
    {"obstakel_boven_kruising", 140, 10, 0, false, 0, 0.58, 0.58},
    {"beide_onder_0", 150, 100, 0, false, -0.1, -0.05, 0},
};

struct Art35Geval {
  const char* naam;
  std::int16_t wegdek;
  double vlv, aftrek;
  bool vlag;
};
class Art35 : public ::testing::TestWithParam<Art35Geval> {};
// 2: "2L ZOAB" padded with blanks; 3: the same in lower case; 4: a 30-character listed name.
const Art35Geval kArt35[] = {
    {"zoab_met_blanks_bij_70", 2, 70, -1, true},
    {"zoab_in_kleine_letters", 3, 70, -2, true},
    {"naam_van_30_tekens", 4, 80, -1, true},
    {"niet_in_de_lijst", 1, 100, -2, true},
    {"onder_70", 2, 69, 0, false},
};

// Descriptions close to one of the eight names without being it: they get
// 2 dB, and the editor warns. "" for none.
struct LijktOpGeval {
  const char* naam;
  const char* omschrijving;
  const char* lijktOp;
};
class LijktOp : public ::testing::TestWithParam<LijktOpGeval> {};
const LijktOpGeval kLijktOp[] = {
    {"zoab_alleen", "ZOAB", "1L ZOAB"},
    {"kleine_letters", "1L zoab", "1L ZOAB"},
    {"streepje", "2L-ZOAB", "2L ZOAB"},
    {"tweelaags", "tweelaags ZOAB fijn", "2L ZOAB"},
    {"woord_van_de_regeling", "oppervlakbewerking", "oppervlaktebewerking"},
    {"hoofdletter", "Oppervlaktebewerking", "oppervlaktebewerking"},
    {"dubbele_spatie", "uitgeborsteld  beton", "uitgeborsteld beton"},
    {"tikfout", "uitgeborsteld betn", "uitgeborsteld beton"},
    {"geoptimaliseerd", "geoptimaliseerd uitgeborsteld beton", "geoptim. uitgeborsteld beton"},
    {"stille_elementen", "stille elementen", "stille elementenverharding"},
    {"keperverband", "elementen in keperverband", "elementenverharding, keperverb"},
    {"elementen", "elementenverharding", "gewone elementenverharding"},
    {"precies_de_naam", "1L ZOAB", ""},
    {"precies_met_blanks", "  2L ZOAB   ", ""},
    {"referentie", "referentiewegdek (DAB)", ""},
    {"dunne_deklaag", "dunne deklaag B", ""},
    {"sma", "SMA 0/8", ""},
    {"leeg", "", ""},
};

}  // namespace

TEST_P(LijktOp, EenVanDeAchtNamenZonderHetTeZijn) {
  const LijktOpGeval& g = GetParam();
  const auto lijkt = LijktOpKleineArt35Naam(g.omschrijving);
  EXPECT_EQ(lijkt.value_or(""), std::string_view(g.lijktOp));
}
TARVO_GEVALLEN(LijktOp, kLijktOp);

// The panel's line names the deduction made and why; the editor's warning
// lists only the descriptions that resemble a name.
TEST(Art35, RegelEnWaarschuwing) {
  Resultaten r;
  EXPECT_EQ(Art35Regel(r, "ZOAB"), "");
  r.Art35Vlag = true;
  r.Art35Aftrek = -1;
  EXPECT_EQ(Art35Regel(r, "1L ZOAB   "), "aftrek art. 3.5: 1 dB (1L ZOAB is een van de acht wegdektypen met 1 dB)");
  r.Art35Aftrek = -2;
  EXPECT_EQ(Art35Regel(r, "ZOAB"),
            "aftrek art. 3.5: 2 dB (ZOAB is geen van de acht wegdektypen met 1 dB; alleen precies \"1L ZOAB\" geeft "
            "1 dB)");
  EXPECT_EQ(Art35Regel(r, "SMA 0/8"), "aftrek art. 3.5: 2 dB (SMA 0/8 is geen van de acht wegdektypen met 1 dB)");
  EXPECT_EQ(Art35Waarschuwing({"SMA 0/8", "1L ZOAB"}), "");
  const std::string w = Art35Waarschuwing({"ZOAB", "SMA 0/8", "oppervlakbewerking"});
  EXPECT_TRUE(
      w.ends_with("krijgen dus 2 dB:\n  \"ZOAB\" lijkt op \"1L ZOAB\"\n  \"oppervlakbewerking\" lijkt op "
                  "\"oppervlaktebewerking\""))
      << w;
}

TEST(Emissie, UitgewerkteGetallenPerCategorie) {
  Periode t;
  t.Q(kLv, 1000, 1000, 800).V(kLv, 80).Q(kMv, 0, 100, 100).V(kMv, 70).Q(kZv, 0, 100, 100).V(kZv, 70);
  const Resultaten r = t.Reken();
  EXPECT_NEAR(r.Elv[1], 80.97, 0.005);
  EXPECT_NEAR(r.EmissieGetal[2], 83.26, 0.005);  // with 100 each of mv and zv at 70
  EXPECT_EQ(r.Vrachtverkeer[3], 20);

  // Categories without a road-surface correction, on a surface that has one.
  Periode u;
  u.in.wegdek = 5;
  u.Q(kBromf, 10, 0, 0).Q(kMr, 10, 0, 0).V(kMr, 50).Q(kTram, 0, 0, 10);
  const Resultaten s = u.Reken();
  EXPECT_NEAR(s.Ebromf[1], 63.23, 0.005);
  EXPECT_NEAR(s.Emr[1], 57.28, 0.005);
  EXPECT_NEAR(s.Etram[3], 64.54, 0.005);
  EXPECT_TRUE(s.Cwegdek[1] == 0 && s.Vrachtverkeer[1] == 0);  // and mopeds and motorcycles are no freight
  // The evening has no traffic at all: no freight share either, not 0 / 0.
  EXPECT_TRUE(s.Vrachtverkeer[2] == 0 && s.Qtotaal[2] == 0);
  u.in.rail = 1;
  EXPECT_NEAR(u.Reken().Etram[3], 70.54, 0.005);
}

// Every category at a speed off its reference speed, on a surface whose six
// coefficients all differ; the expected values were worked out by hand from
// the published formulas.
TEST(Correctie, ElkeTermOpEenGevarieerdWegdek) {
  Periode t;
  t.in.wegdek = 6;  // not in the list of the smaller art. 3.5 deduction
  t.in.rail = 1;
  t.V(kLv, 100).V(kMv, 85).V(kZv, 55).V(kMr, 60).V(kBromf, 40).V(kTram, 45);
  t.Q(kLv, 1200, 350, 90).Q(kMv, 80, 25, 6).Q(kZv, 60, 12, 9).Q(kMr, 15, 4, 1).Q(kBromf, 20, 5, 0).Q(kTram, 0, 0, 3);
  t.Zet(veld::kWaarneemhoogte, 4.5).Zet(veld::kWegdekhoogte, 0.8).Zet(veld::kBodemfactor, 0.6);
  t.Zet(veld::kObjectfractie, 0.4).Zet(veld::kZichthoek, 75).Zet(veld::kAfstandKruising, 60);
  t.Zet(veld::kAfstandObstakel, 30);
  const Resultaten r = t.Reken(23.7);

  constexpr double e = 1e-9;
  EXPECT_NEAR(r.CwegdekCat[1], -1.0480339662, e);
  EXPECT_NEAR(r.CwegdekCat[2], 0.6397903172, e);
  EXPECT_NEAR(r.CwegdekCat[3], -2.5561001918, e);
  EXPECT_NEAR(r.Crefl, 0.6, e);
  EXPECT_NEAR(r.Dafstand, 13.7474834601, e);
  EXPECT_NEAR(r.Dlucht, 0.1726925138, e);
  EXPECT_NEAR(r.Dmeteo, 0.5076209090, e);
  EXPECT_NEAR(r.Dbodem, 1.8156138188, e);
  EXPECT_NEAR(r.Czichthoek, 2.2874245756, e);
  const PerPeriode vracht{0, 10.1818181818, 9.3434343434, 13.7614678899};
  const PerPeriode emissie{0, 84.6873262656, 79.2258725722, 74.9950552389};
  const PerPeriode cwegdek{0, -2.9545484880, -2.9018824205, -2.7969700919};
  const PerPeriode ckruising{0, 0.9018181818, 0.8934343434, 0.9376146789};
  const PerPeriode cobstakel{0, 0.4807272727, 0.4773737374, 0.4950458716};
  const PerPeriode laeq{0, 64.7037606821, 59.2865892177, 55.2048645485};
  for (std::size_t p = 1; p <= 3; ++p) {
    SCOPED_TRACE(p);
    EXPECT_NEAR(r.Vrachtverkeer[p], vracht[p], e);
    EXPECT_NEAR(r.EmissieGetal[p], emissie[p], e);
    EXPECT_NEAR(r.Cwegdek[p], cwegdek[p], e);
    EXPECT_NEAR(r.Ckruising[p], ckruising[p], e);
    EXPECT_NEAR(r.Cobstakel[p], cobstakel[p], e);
    EXPECT_NEAR(r.Coptrek[p], ckruising[p], e);
    EXPECT_NEAR(r.LAeq[p], laeq[p], e);
  }
  EXPECT_NEAR(r.Emv[2], 69.4873076579, e);
  EXPECT_NEAR(r.Ezv[3], 66.2640354251, e);
  EXPECT_NEAR(r.Letmaal, laeq[3] + 10, e);  // the night with its 10 dB is the highest
}

TEST(Correctie, DempingZichthoekEnPeriodeniveau) {
  Periode t;
  t.Q(kLv, 1000, 1000, 1000).V(kLv, 80);  // reference surface, not listed: art. 3.5 gives -2
  const Resultaten r = t.Reken();
  for (std::size_t p = 1; p <= 3; ++p) EXPECT_NEAR(r.LAeqEtm[p], 68.65 + kEtmaalcorrectie[p], 0.005);

  // Far away the level stops at 0; a period without traffic gets nothing.
  t.Q(kLv, 1000, 0, 1000);
  const Resultaten ver = t.Reken(1e12);
  EXPECT_TRUE(ver.LAeq[1] == 0 && ver.Letmaal == 10);
  EXPECT_TRUE(ver.LAeqEtm[2] == 0 && ver.Cwegdek[2] == 0);
}

// The freight share comes from 100 vehicles, `vracht` of them medium-heavy.
TEST_P(Optrek, KruisingObstakelEnDeGrootsteVanBeide) {
  const OptrekGeval& g = GetParam();
  Periode t;
  t.Q(kLv, 100 - g.vracht, 0, 0).Q(kMv, g.vracht, 0, 0);
  t.Zet(veld::kAfstandKruising, g.kruising).Zet(veld::kAfstandObstakel, g.obstakel);
  t.in.zone = g.zone;
  const Resultaten r = t.Reken();
  EXPECT_NEAR(r.Ckruising[1], g.ckruising, 1e-9);
  EXPECT_NEAR(r.Cobstakel[1], g.cobstakel, 1e-9);
  EXPECT_NEAR(r.Coptrek[1], g.coptrek, 1e-9);
}
TARVO_GEVALLEN(Optrek, kOptrek);

TEST_P(Art35, AftrekNaarSnelheidEnNaam) {
  const Art35Geval& g = GetParam();
  Periode t;
  t.in.wegdek = g.wegdek;
  t.V(kLv, g.vlv).Q(kLv, 300, 0, 0).Q(kZv, 30, 0, 0);
  const Resultaten r = t.Reken();
  EXPECT_NEAR(r.Cwegdek[1] - (r.EmissieWeg[1] - r.EmissieGetal[1]), g.aftrek, 1e-12);
  EXPECT_EQ(r.Art35Vlag, g.vlag);
}
TARVO_GEVALLEN(Art35, kArt35);
