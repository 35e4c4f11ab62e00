#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "calc/Zone.h"
#include "report/Rapport.h"
#include "tests/Gevallen.h"
#include "tests/TijdelijkeMap.h"
#include "tests/calc/Rekenblad.h"

using namespace tarvo;

namespace {

// A town street: five categories, a crossing, deduction 5 for a slow road.
void Stadsweg(test::Rekenblad& t) {
  t.Typ(0, "Woning Dorpsstraat 12, 1e verdieping").Typ(1, "Dorpsstraat (noordzijde)");
  const char* q[6][4] = {{"450", "120", "40", "50"}, {"20", "5", "2", "50"}, {"10", "2", "1", "50"},
                         {"6", "2", "1", "50"},      {"12", "3", "0.5", "40"}, {"", "", "", ""}};
  for (int c = 0; c < 6; ++c) {
    for (int i = 0; i < 4; ++i) t.Typ(4 * c + 2 + i, q[c][i]);
  }
  t.Typ(32, "4.5").Typ(34, "0,3").Typ(35, "0.2").Typ(36, "15").Typ(37, "40");
  t.venster.aftrek.waarde = 1;
  t.ws.Toelichting = {"Telling gemeente 2023", "", "Rekenpunt op de gevel", ""};
}

// A fast road on two-layer porous asphalt: art. 3.5 marker, and Lden 56.8
// rounds to 57, so the day before the change in 2018 deducts 4.
void Provinciaal(test::Rekenblad& t) {
  t.Typ(0, "Boerderij Hoeve Zuid").Typ(1, "N 235");
  t.Typ(2, "900").Typ(3, "250").Typ(4, "80").Typ(5, "80").Typ(6, "60").Typ(7, "15").Typ(8, "6").Typ(9, "70");
  t.Typ(10, "80").Typ(11, "20").Typ(12, "12").Typ(13, "70").Typ(14, "5").Typ(15, "2").Typ(16, "1").Typ(17, "80");
  t.Typ(32, "5").Typ(33, "1").Typ(34, "1").Typ(36, "35").Typ(39, "90");
  t.ws.WegdekKeuze = 2;
  t.venster.aftrek.waarde = 1;
  t.ws.Toelichting = {"Hoogte wegdek t.o.v. maaiveld 1 m", "", "", "Tweede regel: é ë ï"};
}

// A 30 km zone with a night tram on concrete, a far crossing dropped, a long
// observation point name and a viewing angle of 0.
void Zone30(test::Rekenblad& t) {
  t.Typ(0, "Basisschool De Regenboog, speelplaats achterzijde, meetpunt 3").Typ(1, "Schoolstraat");
  t.Typ(2, "300").Typ(3, "80").Typ(4, "20").Typ(5, "50").Typ(6, "10").Typ(7, "2").Typ(10, "5").Typ(11, "1");
  t.Typ(18, "20").Typ(19, "5").Typ(24, "4").Typ(25, "40");
  t.Typ(32, "1.5").Typ(33, "0.5").Typ(34, "1").Typ(35, "1").Typ(36, "8").Typ(37, "160").Typ(38, "30").Typ(39, "0");
  t.ws.WegdekKeuze = 4;
  t.ws.RailConstructie = 1;
  ZetZone(t.ws, t.venster, 1);
}

struct GoldenGeval {
  const char* naam;
  void (*vul)(test::Rekenblad&);
  char decimaal;
};
class Golden : public ::testing::TestWithParam<GoldenGeval> {};
const GoldenGeval kGolden[] = {
    {"stadsweg_punt", Stadsweg, '.'},       {"stadsweg_komma", Stadsweg, ','},
    {"provinciaal_punt", Provinciaal, '.'}, {"provinciaal_komma", Provinciaal, ','},
    {"zone30_punt", Zone30, '.'},           {"zone30_komma", Zone30, ','},
};

struct RailGeval {
  const char* naam;
  const char* tramNacht;
  int rail;
  const char* regel;  // nullptr: no rail line
};
class Rail : public ::testing::TestWithParam<RailGeval> {};
const RailGeval kRail[] = {
    {"ballastbed", "2", 0, "railconstructie trambaan     : Rail in ballastbed"},
    {"asfaltbeton", "2", 1, "railconstructie trambaan     : Rail in (asfalt)beton"},
    {"onbekende_constructie", "0.01", 2, "railconstructie trambaan     : "},
    {"zonder_trams", "0", 1, nullptr},
};

struct KwaliteitGeval {
  const char* naam;
  double lden;
  int aftrek;
  const char* woord;
};
class Kwaliteit : public ::testing::TestWithParam<KwaliteitGeval> {};
const KwaliteitGeval kKwaliteit[] = {
    {"boven_70_5", 70.51, 0, "Zeer slecht"},      {"op_70_5", 70.5, 0, "Slecht"},
    {"op_65_5", 65.5, 0, "Slecht"},               {"op_65_49", 65.49, 0, "Tamelijk slecht"},
    {"op_55_5", 55.5, 0, "Matig"},                {"op_55_49", 55.49, 0, "Redelijk"},
    {"op_50_5", 50.5, 0, "Goed"},                 {"nul_min_aftrek", 0, 5, "Goed"},
    {"na_aftrek", 75, 5, "Slecht"},
};

}  // namespace

// Set TARVO_GOLDEN_SCHRIJVEN to write the files afresh; read every one
// before committing it.
TEST_P(Golden, ReportAsCommitted) {
  test::Rekenblad t(GetParam().decimaal);
  GetParam().vul(t);
  t.Bereken(Datum{2018, 6, 30});
  const std::string tekst = RapportTekst(t.ws);
  const std::string pad = std::string(TARVO_SOURCE_DIR) + "/tests/report/golden/" + GetParam().naam + ".txt";
  if (std::getenv("TARVO_GOLDEN_SCHRIJVEN")) std::ofstream(pad, std::ios::binary) << tekst;
  const auto golden = test::LeesBytes(pad);
  EXPECT_EQ(tekst, std::string(golden.begin(), golden.end())) << pad;
}
TARVO_GEVALLEN(Golden, kGolden);

TEST(Rapport, LinesGrowRatherThanCutAndStayInTheCatalogue) {
  Werkblad ws;
  ws.Qlv = {0, 123456.78, 1, 2};
  ws.WegdekKeuze = 55;  // beyond the catalogue: name and coefficients both of position 1, never out of bounds
  const Catalogus c = test::TestCatalogus();
  const std::vector<RapportRegel> r = InvoerRegels(ws, c);
  EXPECT_EQ(r[0].tekst, "Intensiteit         Qlv      : 123456.78    1.00    2.00 mvt/h, v=   0 km/h");
  EXPECT_EQ(r[17].tekst, "type wegdek                  : " + c.WegdekNamen[1]);
  EXPECT_TRUE(r[18].dlRegel);
  EXPECT_EQ(r[18].tekst, "(DL,lv =  0.00; b,lv =  0.00)");
}

// Trams at night only, nothing else: the periods without traffic show a
// freight share of 0.
TEST_P(Rail, CaptionOnlyWithTrams) {
  test::Rekenblad t;
  t.Typ(24, GetParam().tramNacht);
  t.ws.RailConstructie = static_cast<std::int16_t>(GetParam().rail);
  t.Bereken();
  const std::vector<RapportRegel> r = InvoerRegels(t.ws, t.cat);
  EXPECT_EQ(r[7].tekst, "Vrachtverkeer       p        :     0.00    0.00    0.00 %");
  EXPECT_EQ(r.back().tekst, GetParam().regel ? GetParam().regel : "(DL,zv =  0.00; b,zv =  0.00)");
}
TARVO_GEVALLEN(Rail, kRail);

TEST_P(Kwaliteit, BoundsFromTheTop) {
  EXPECT_EQ(Milieukwaliteit(GetParam().lden, GetParam().aftrek), GetParam().woord);
}
TARVO_GEVALLEN(Kwaliteit, kKwaliteit);
