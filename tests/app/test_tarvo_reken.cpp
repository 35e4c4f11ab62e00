// Drives the built tarvo-reken as a user's shell would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <vector>

#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"
#include "driver/Opdracht.h"
#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "report/Rapport.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

struct Uitvoer {
  int status = -1;
  std::string uit, fout;
};

class TarvoReken : public ::testing::Test {
 protected:
  TijdelijkeMap map;
  void SetUp() override { test::BewaarEenWegdek(map / "Wegdekken_2012.dat"); }
  std::string Lees(const std::string& naam) const {
    const auto b = test::LeesBytes(map / naam);
    return {b.begin(), b.end()};
  }
  // `omgeving`: variables for the program, as the shell's NAME=value words.
  Uitvoer Draai(const std::string& args, const std::string& submap = ".", const std::string& omgeving = "") {
    const std::string cmd = "cd \"" + (map.Pad() / submap).string() + "\" && " + omgeving + " \"" TARVO_REKEN_EXE
                            "\" " + args + " > \"" + (map / "uit.txt").string() + "\" 2> \"" +
                            (map / "fout.txt").string() + "\"";
    const int rc = std::system(cmd.c_str());
#ifdef _WIN32
    return {rc, Lees("uit.txt"), Lees("fout.txt")};
#else
    return {WEXITSTATUS(rc), Lees("uit.txt"), Lees("fout.txt")};
#endif
  }
};

}  // namespace

TEST_F(TarvoReken, PrintsThePrintToFileTextOfASavedWorksheet) {
  test::BewaarWerkblad(map / "blad.tvo", {{0, "Café"}, {2, "1000"}, {5, "80"}, {22, "10"}}, 1);
  const Uitvoer u = Draai("blad.tvo --decimaal , --datum 2018-06-30");
  ASSERT_EQ(u.status, 0) << u.fout;
  EXPECT_TRUE(u.fout.empty()) << u.fout;

  const OpdrachtInstellingen inst{
      .werkblad = map / "blad.tvo", .wegdekken = map / "Wegdekken_2012.dat", .decimaal = ',', .vandaag = {2018, 6, 30}};
  Berekening b;
  ASSERT_TRUE(RekenWerkblad(inst, b));
  EXPECT_EQ(u.uit, RapportTekst(b.ws) + std::string(CrLf));  // UTF-8, "Café", on standard output
}

// Damaged input: status 1 and one Dutch line; wrong usage: status 2 and the usage text.
TEST_F(TarvoReken, RefusalsGoToStandardErrorWithTheirStatus) {
  test::BewaarWerkblad(map / "goed.tvo", {{2, "1000"}});
  auto goed = test::LeesBytes(map / "goed.tvo");
  test::SchrijfBytes(map / "kort.tvo", std::vector(goed.begin(), goed.end() - 1));
  test::SchrijfBytes(map / "blad.txt", goed);
  auto b = goed;
  b[632] = 'o';
  test::SchrijfBytes(map / "oud.tvo", b);
  const double oneindig = HUGE_VAL;
  std::memcpy(goed.data() + 90, &oneindig, 8);
  test::SchrijfBytes(map / "oneindig.tvo", goed);

  for (auto [args, status, verwacht] :
       {std::tuple{"kort.tvo", 1, "kan niet worden gelezen"}, {"oud.tvo", 1, "oudere programmaversie"},
        {"oneindig.tvo", 1, "Veld 2 (Qlicht (mvt/h) / dag) bevat geen getal"},
        {"bestaat-niet.tvo", 1, "kan niet worden gelezen"}, {"blad.txt", 1, "geen rekenblad"},
        {"goed.tvo --wegdekken elders.dat", 1, "niet gevonden"}, {"goed.tvo --diagram abc", 1, "geen getal"},
        {"", 2, "Gebruik:"}, {"a.tvo b.tvo", 2, "Gebruik:"}, {"--onbekend", 2, "Gebruik:"}, {"--batch", 2, "Gebruik:"},
        {"a.tvo --decimaal x", 2, "Gebruik:"}, {"a.tvo --datum 2018-02-30", 2, "Gebruik:"}}) {
    const Uitvoer u = Draai(args);
    EXPECT_EQ(u.status, status) << args;
    EXPECT_TRUE(u.uit.empty()) << args;
    EXPECT_NE(u.fout.find(verwacht), std::string::npos) << args << ": " << u.fout;
    EXPECT_TRUE(status == 2 || std::count(u.fout.begin(), u.fout.end(), '\n') == 1) << args << ": " << u.fout;
  }
  const Uitvoer help = Draai("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.uit.find("--batch"), std::string::npos);
}

// Without --wegdekken and without a catalogue in the current folder, the
// user's own catalogue counts, as in the window program started there.
TEST_F(TarvoReken, WithoutACatalogueHereTheUsersOwnIsUsed) {
  std::filesystem::create_directories(map / "thuis/tarvo");
  std::filesystem::create_directories(map / "elders");
  Catalogus eigen;
  eigen.AantalWegdekken = 2;
  eigen.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  eigen.Wegdekken[2].Omschrijving = VastBreed("Eigen wegdek van de gebruiker", kOmschrijvingLengte);
  eigen.Wegdekken[2].DL_lv = -3.5;
  test::SchrijfBytes(map / "thuis/tarvo/Wegdekken_2012.dat", CodeerCatalogus(eigen));
  test::BewaarWerkblad(map / "elders/blad.tvo", {{2, "1000"}, {5, "80"}}, 0, 2);
  const std::string thuis = "XDG_DATA_HOME=\"" + (map / "thuis").string() + "\"";
  const Uitvoer u = Draai("blad.tvo --datum 2018-06-30", "elders", thuis);
  ASSERT_EQ(u.status, 0) << u.fout;
  EXPECT_NE(u.uit.find("Eigen wegdek van de gebruiker"), std::string::npos) << u.uit;

  // A catalogue in the current folder comes first; one named on the command line is never replaced.
  test::BewaarEenWegdek(map / "elders/Wegdekken_2012.dat");
  EXPECT_EQ(Draai("blad.tvo --datum 2018-06-30", "elders", thuis).uit.find("Eigen wegdek"), std::string::npos);
  EXPECT_EQ(Draai("blad.tvo --wegdekken nergens.dat", "elders", thuis).status, 1);

  const Uitvoer help = Draai("--help", "elders", thuis);
  EXPECT_NE(help.uit.find("Wegdekken_2012.dat in de huidige map\n                        " +
                          (map / "thuis/tarvo/Wegdekken_2012.dat").string() + "\n"),
            std::string::npos)
      << help.uit;
}

TEST_F(TarvoReken, BatchAndDiagramFromTheShell) {
  test::SchrijfBytes(map / "punten.csv", std::string("waarneempunt;Qlv_dag;hw\r\np1;100;5\r\np2;100;0\r\n"));
  const Uitvoer b = Draai("--batch punten.csv --decimaal .");
  ASSERT_EQ(b.status, 0) << b.fout;
  EXPECT_EQ(std::count(b.uit.begin(), b.uit.end(), '\n'), 3);
  EXPECT_NE(b.uit.find("p2;;;;;;;;;;;geen waarneemhoogte ingevuld"), std::string::npos) << b.uit;

  // A row per metre, 0 to 99, then the level axis.
  test::BewaarWerkblad(map / "blad.tvo", {{2, "1000"}});
  const Uitvoer d = Draai("blad.tvo --diagram 50");
  ASSERT_EQ(d.status, 0) << d.fout;
  EXPECT_EQ(std::count(d.uit.begin(), d.uit.end(), '\n'), 101);
  EXPECT_TRUE(d.uit.starts_with("0;") && d.uit.find("\n99;") != std::string::npos) << d.uit;
}

// The shipped catalogue out as a table and into no catalogue at all gives
// the same file; three surfaces of one's own added to the table are what a
// worksheet choosing entry 4 computes with.
TEST_F(TarvoReken, RoadSurfacesOutAsATableAndBackIn) {
  const auto geleverd = std::filesystem::path(TARVO_SOURCE_DIR) / "data" / "Wegdekken_2012.dat";
  const Uitvoer uit = Draai("--wegdekken-export tabel.csv --wegdekken \"" + geleverd.string() + "\" --decimaal ,");
  ASSERT_EQ(uit.status, 0) << uit.fout;
  EXPECT_TRUE(uit.uit.empty() && uit.fout.empty()) << uit.fout;
  const Uitvoer in = Draai("--wegdekken-import tabel.csv --wegdekken nieuw.dat");
  ASSERT_EQ(in.status, 0) << in.fout;
  EXPECT_EQ(test::LeesBytes(map / "nieuw.dat"), test::LeesBytes(geleverd));

  test::SchrijfBytes(map / "tabel.csv", Lees("tabel.csv") +
                                            "Dunne deklaag;-1,5;2.5;-0.75;1,25;-0,5;3\r\n"
                                            "\"Dicht; fijn\";1;2;3;4;5;6\r\n"
                                            "Geluidarm caf\xC3\xA9;-2,2;-1.1;-3.3;0.4;-5,5;0,6\r\n");
  ASSERT_EQ(Draai("--wegdekken-import tabel.csv --wegdekken nieuw.dat").status, 0);

  Catalogus verwacht = *DecodeerCatalogus(test::LeesBytes(geleverd));
  verwacht.AantalWegdekken = 4;
  verwacht.Wegdekken[2] = Wegdek::Van({0, "Dunne deklaag", {-1.5, 2.5, -0.75, 1.25, -0.5, 3}});
  verwacht.Wegdekken[3] = Wegdek::Van({0, "Dicht; fijn", {1, 2, 3, 4, 5, 6}});
  verwacht.Wegdekken[4] = Wegdek::Van({0, "Geluidarm caf\xC3\xA9", {-2.2, -1.1, -3.3, 0.4, -5.5, 0.6}});
  EXPECT_EQ(test::LeesBytes(map / "nieuw.dat"), CodeerCatalogus(verwacht));

  // Light, medium and heavy traffic away from their reference speeds, so that every coefficient counts.
  test::BewaarWerkblad(map / "blad.tvo", {{2, "1000"}, {5, "100"}, {6, "100"}, {9, "60"}, {10, "50"}, {13, "60"}}, 0, 4);
  const Uitvoer rapport = Draai("blad.tvo --wegdekken nieuw.dat --decimaal , --datum 2018-06-30");
  ASSERT_EQ(rapport.status, 0) << rapport.fout;
  Berekening b;
  ASSERT_TRUE(RekenWerkblad({.werkblad = map / "blad.tvo", .wegdekken = map / "nieuw.dat", .decimaal = ',',
                             .vandaag = {2018, 6, 30}},
                            b));
  EXPECT_EQ(rapport.uit, RapportTekst(b.ws) + std::string(CrLf));
  EXPECT_NE(rapport.uit.find("Geluidarm caf\xC3\xA9"), std::string::npos) << rapport.uit;
  EXPECT_DOUBLE_EQ(b.ws.CwegdekCat[1], -2.2 - 1.1 * std::log10(100.0 / 80));
  EXPECT_DOUBLE_EQ(b.ws.CwegdekCat[2], -3.3 + 0.4 * std::log10(60.0 / 70));
  EXPECT_DOUBLE_EQ(b.ws.CwegdekCat[3], -5.5 + 0.6 * std::log10(60.0 / 70));
}

// A refused table changes nothing and says where in one line; wrong usage
// shows the usage text.
TEST_F(TarvoReken, RoadSurfaceTableRefusals) {
  const auto oud = test::LeesBytes(map / "Wegdekken_2012.dat");
  test::SchrijfBytes(map / "fout.csv", std::string("omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\r\nX;1;2;3;4;5;zes\r\n"));
  for (auto [args, status, verwacht] :
       {std::tuple{"--wegdekken-import fout.csv --wegdekken Wegdekken_2012.dat", 1,
                   "Regel 2, kolom 7 (b_zv): 'zes' is geen getal; er is niets ingelezen."},
        {"--wegdekken-import nergens.csv --wegdekken Wegdekken_2012.dat", 1, "niet gevonden"},
        {"--wegdekken-export uit.csv --wegdekken nergens.dat", 1, "niet gevonden"},
        {"--wegdekken-export geen-map/uit.csv --wegdekken Wegdekken_2012.dat", 1, "uit.csv"},
        {"--wegdekken-import fout.csv", 2, "--wegdekken-import verwacht --wegdekken PAD."},
        {"blad.tvo --wegdekken-export uit.csv", 2, "gaan niet samen"},
        {"--wegdekken-export uit.csv --wegdekken-import fout.csv --wegdekken x.dat", 2, "gaan niet samen"},
        {"--wegdekken-export", 2, "verwacht een waarde"}}) {
    const Uitvoer u = Draai(args);
    EXPECT_EQ(u.status, status) << args;
    EXPECT_NE(u.fout.find(verwacht), std::string::npos) << args << ": " << u.fout;
    EXPECT_TRUE(status == 2 || std::count(u.fout.begin(), u.fout.end(), '\n') == 1) << args << ": " << u.fout;
    EXPECT_EQ(test::LeesBytes(map / "Wegdekken_2012.dat"), oud) << args;
    EXPECT_FALSE(std::filesystem::exists(map / "uit.csv")) << args;
  }
}
