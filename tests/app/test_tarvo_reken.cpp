// Drives the built tarvo-reken as a user's shell would, on files written
// here byte by byte, and compares what it prints with committed texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

#include "tests/Gevallen.h"
#include "tests/TijdelijkeMap.h"

using tarvo::test::TijdelijkeMap;

namespace {

const std::string kVerwacht = std::string(TARVO_SOURCE_DIR) + "/tests/app/verwacht/";

// A file in the little-endian layout of the data files: numbers and
// blank-padded Windows-1252 texts at fixed offsets.
class Bestand {
 public:
  explicit Bestand(std::size_t lengte) : b_(lengte, '\0') {}
  template <typename T>
  Bestand& Zet(std::size_t offset, T v) {
    std::memcpy(b_.data() + offset, &v, sizeof v);
    return *this;
  }
  Bestand& Tekst(std::size_t offset, std::string_view t, std::size_t lengte) {
    b_.replace(offset, lengte, std::string(t) + std::string(lengte - t.size(), ' '));
    return *this;
  }
  const std::string& Bytes() const { return b_; }

 private:
  std::string b_;
};

// Two road surfaces whose six coefficients all differ; the second is listed
// for the smaller art. 3.5 deduction.
Bestand Catalogus() {
  Bestand c(2 + 2 * 78 + 80);
  c.Zet<std::int16_t>(0, 2);
  c.Tekst(2, "dunne deklaag B", 30);
  const double eerste[] = {-1.3, 2.6, 0.8, -1.9, -2.2, 3.4}, tweede[] = {-4.2, -1.3, -2.1, 1.7, -1.4, 0.9};
  c.Tekst(80, "2L ZOAB", 30);
  for (std::size_t k = 0; k < 6; ++k) c.Zet(32 + 8 * k, eerste[k]).Zet(110 + 8 * k, tweede[k]);
  c.Tekst(158, "Bureau Geluid & Trilling", 40).Tekst(198, "Bureau Geluid && Trilling", 40);
  return c;
}

// Every category at its own speed, trams at night only on concrete, a
// crossing and an obstacle, deduction switch on, road surface 1.
Bestand Werkblad() {
  Bestand w(644);
  w.Tekst(0, "N 470 Delft - Zoetermeer", 45).Tekst(45, "Woning Caf\xE9 De Hoek, gevel oost", 45);
  // Per period lv, mv, zv, mr, total, freight share, bromf, tram.
  const double blok[3][8] = {{1200, 80, 60, 15, 0, 0, 20, 0}, {350, 25, 12, 4, 0, 0, 5, 0}, {90, 6, 9, 1, 0, 0, 0, 3}};
  for (std::size_t p = 0; p < 3; ++p) {
    for (std::size_t i = 0; i < 8; ++i) w.Zet(90 + 64 * p + 8 * i, blok[p][i]);
  }
  const double snelheid[] = {100, 85, 55, 60, 40, 45};
  for (std::size_t c = 0; c < 6; ++c) w.Zet(282 + 8 * c, snelheid[c]);
  w.Zet<std::int16_t>(330, 1).Zet<std::int16_t>(332, 1);
  // Crossing, road height, observation height, object fraction, ground factor, distance, viewing angle.
  const double enkel[] = {60, 0.8, 4.5, 0.4, 0.6, 23.5, 75};
  for (std::size_t i = 0; i < 7; ++i) w.Zet(334 + 8 * i, enkel[i]);
  w.Zet<std::int16_t>(390, 1);
  const char* toelichting[] = {"Telling 2023, per periode omgerekend (\xE9\xE9n keer)", "", "", "Laatste regel"};
  for (std::size_t i = 0; i < 4; ++i) w.Tekst(392 + 60 * i, toelichting[i], 60);
  w.Tekst(632, "O2", 2).Zet(634, 30.0).Zet<std::int16_t>(642, 0);
  return w;
}

std::string LeesTekst(const std::filesystem::path& pad) {
  const auto b = tarvo::test::LeesBytes(pad);
  return {b.begin(), b.end()};
}

struct Uitvoer {
  int status = -1;
  std::string uit, fout;
};

class TarvoReken : public ::testing::Test {
 protected:
  TijdelijkeMap map;
  void SetUp() override {
    Schrijf("Wegdekken_2012.dat", Catalogus().Bytes());
    Schrijf("blad.tvo", Werkblad().Bytes());
    // Two points on porous asphalt, one in a 30 km zone, one more on road surface 1.
    Schrijf("punten.csv",
            "waarneempunt;weg;Qlv_dag;Qlv_avond;Qlv_nacht;Vlv;Qzv_dag;Vzv;hw;hweg;d;a_obstakel;wegdek;zone;aftrek\r\n"
            "\"Hoek; west\";Dorpsstraat;1000;300;90,5;80;60;55;5;0.8;12.5;40;2;0;1\r\n"
            "Plein;Dorpsstraat;1000;300;90,5;80;60;55;5;0.8;12.5;40;1;1;1\r\n"
            "Kerk;Molenweg;450;120;40;50;10;50;4.5;0;15;0;1;0;0\r\n");
  }
  void Schrijf(const std::string& naam, const std::string& bytes) { tarvo::test::SchrijfBytes(map / naam, bytes); }
  Uitvoer Draai(const std::string& args) {
    const std::string cmd =
        "cd \"" + map.Pad().string() + "\" && \"" TARVO_REKEN_EXE "\" " + args + " > uit.txt 2> fout.txt";
    const int rc = std::system(cmd.c_str());
#ifdef _WIN32
    const int status = rc;
#else
    const int status = WEXITSTATUS(rc);
#endif
    return {status, ZonderEigenPlekken(LeesTekst(map / "uit.txt")), ZonderEigenPlekken(LeesTekst(map / "fout.txt"))};
  }
  // The usage text lists this machine's own catalogue places as absolute
  // paths; they are left out of the comparison.
  static std::string ZonderEigenPlekken(const std::string& t) {
    const std::string plek = "\n                        /";
    std::string r = t;
    for (std::size_t i = r.find(plek); i != std::string::npos; i = r.find(plek, i)) {
      r.erase(i, r.find('\n', i + 1) - i);
    }
    return r;
  }
};

struct UitvoerGeval {
  const char* naam;  // also the name of the expected text, unless `verwacht` names another
  const char* args;
  const char* verwacht = nullptr;
};
class Gelukt : public TarvoReken, public ::testing::WithParamInterface<UitvoerGeval> {};
const UitvoerGeval kGelukt[] = {
    {"rapport_komma", "blad.tvo --datum 2018-06-30 --decimaal ,"},
    {"rapport_punt", "blad.tvo --datum 2018-06-30 --decimaal ."},
    {"diagram", "blad.tvo --diagram 100 --decimaal ,"},
    {"batch", "--batch punten.csv --datum 2018-06-30 --decimaal ,"},
    {"batch_standaardinvoer", "--batch - --datum 2018-06-30 --decimaal , < punten.csv", "batch"},
    {"batch_drie_kernen", "--threads 3 --batch punten.csv --datum 2018-06-30 --decimaal ,", "batch"},
    {"gebruik", "--help"},
    {"hoogten", "blad.tvo --hoogten \"1,5; 4,5;7.5\" --toets \"48;53\" --datum 2018-06-30 --decimaal ,"},
    {"bijlage", "--bijlage blad.tvo blad.tvo --hoogten 4,5 --toets 48 --datum 2018-06-30 --decimaal ,"},
};

struct WeigeringGeval {
  const char* naam;
  const char* args;
  int status;  // 1 input refused, 2 wrong usage (then the usage text follows)
  const char* melding;
};
class Weigering : public TarvoReken, public ::testing::WithParamInterface<WeigeringGeval> {};
const WeigeringGeval kWeigeringen[] = {
    {"zonder_argumenten", "", 2, "geen rekenblad opgegeven."},
    {"twee_rekenbladen", "a.tvo b.tvo", 2, "meer dan een rekenblad opgegeven."},
    {"onbekende_optie", "blad.tvo --onbekend", 2, "onbekende optie --onbekend."},
    {"optie_zonder_waarde", "--batch", 2, "--batch verwacht een waarde."},
    {"batch_met_rekenblad", "--batch punten.csv blad.tvo", 2,
     "--batch gaat niet samen met een rekenblad of --diagram."},
    {"verkeerd_decimaalteken", "blad.tvo --decimaal x", 2, "--decimaal verwacht , of ."},
    {"onmogelijke_datum", "blad.tvo --datum 2018-02-30", 2, "--datum verwacht een datum als JJJJ-MM-DD."},
    {"te_kort", "kort.tvo", 1, "Bestand kort.tvo is beschadigd (643 bytes in plaats van 644)."},
    {"oude_versie", "oud.tvo", 1,
     "Rekenblad oud.tvo: Rekenblad is aangemaakt met oudere programmaversie. Inlezen is niet mogelijk!"},
    {"geen_catalogus", "blad.tvo --wegdekken elders.dat", 1, "Wegdekkenbestand elders.dat niet gevonden."},
    {"oneindig_veel_verkeer", "oneindig.tvo", 1, "Veld 2 (Qlicht (mvt/h) / dag) bevat geen getal: '\xE2\x88\x9E'."},
    {"geen_waarneemhoogte", "laag.tvo", 1, "geen waarneemhoogte ingevuld"},
    {"diagram_zonder_getal", "blad.tvo --diagram abc", 2,
     "--diagram verwacht een afstand van 100 tot en met 1000 meter, gevonden 'abc'."},
    {"diagram_onder_100", "blad.tvo --diagram 99,99", 2,
     "--diagram verwacht een afstand van 100 tot en met 1000 meter, gevonden '99,99'."},
    {"diagram_boven_1000", "blad.tvo --diagram 1e23", 2,
     "--diagram verwacht een afstand van 100 tot en met 1000 meter, gevonden '1e23'."},
    {"naam_zonder_punt_tvo", "bladtvo", 1,
     "Bestand bladtvo is geen rekenblad van Tarvo: de naam eindigt niet op .tvo."},
    {"batch_bestaat_niet", "--batch weg.csv", 1, "Invoerbestand weg.csv kan niet worden gelezen."},
    {"nul_kernen", "--batch punten.csv --threads 0", 2,
     "--threads verwacht een geheel getal van 1 tot en met 256, gevonden '0'."},
    {"kernen_zonder_batch", "blad.tvo --threads 2", 2, "--threads hoort bij --batch."},
    {"hoogte_0", "blad.tvo --hoogten \"1;0\"", 2,
     "--hoogten: Hoogte '0' is geen waarneemhoogte: die is groter dan 0 m."},
    {"lege_hoogte", "blad.tvo --hoogten \"1;;2\"", 2,
     "--hoogten: Geef de hoogten als getallen gescheiden door ';', gevonden '1;;2'."},
    {"grens_boven_150", "blad.tvo --hoogten 5 --toets 151", 2,
     "--toets: Grenswaarde '151' is geen niveau van 0 tot en met 150 dB."},
    {"toets_alleen", "blad.tvo --toets 48", 2, "--toets hoort bij --hoogten of --bijlage."},
};

}  // namespace

// Set TARVO_VERWACHT_SCHRIJVEN to write the expected texts afresh; read
// every one before committing it.
TEST_P(Gelukt, DruktDeVastgelegdeTekstAf) {
  const std::string pad = kVerwacht + (GetParam().verwacht ? GetParam().verwacht : GetParam().naam) + ".txt";
  const Uitvoer u = Draai(GetParam().args);
  EXPECT_EQ(u.status, 0);
  EXPECT_EQ(u.fout, "");
  if (std::getenv("TARVO_VERWACHT_SCHRIJVEN")) std::ofstream(pad, std::ios::binary) << u.uit;
  EXPECT_EQ(u.uit, LeesTekst(pad));
}
TARVO_GEVALLEN(Gelukt, kGelukt);

// One line on standard error and nothing on standard output.
TEST_P(Weigering, AfsluitcodeEnMelding) {
  const std::string goed = Werkblad().Bytes();
  Schrijf("kort.tvo", goed.substr(0, 643));
  Schrijf("oud.tvo", Werkblad().Tekst(632, "o2", 2).Bytes());
  Schrijf("oneindig.tvo", Werkblad().Zet(90, HUGE_VAL).Bytes());
  Schrijf("laag.tvo", Werkblad().Zet(350, 0.0).Bytes());
  const WeigeringGeval& g = GetParam();
  const Uitvoer u = Draai(g.args);
  EXPECT_EQ(u.status, g.status);
  EXPECT_EQ(u.uit, "");
  const std::string gebruik = g.status == 2 ? LeesTekst(kVerwacht + "gebruik.txt") : "";
  EXPECT_EQ(u.fout, "tarvo-reken: " + std::string(g.melding) + "\n" + gebruik);
}
TARVO_GEVALLEN(Weigering, kWeigeringen);
