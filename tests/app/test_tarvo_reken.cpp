// Drives the built tarvo-reken as a user's shell would.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "TijdelijkeMap.h"
#include "WerkbladMaker.h"
#include "app/Opdracht.h"
#include "calc/Tekst.h"
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
  void SetUp() override {
    test::SchrijfBytes(map / "Wegdekken_2012.dat", CodeerCatalogus(test::EenWegdek()));
  }
  static std::string Lees(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  Uitvoer Draai(const std::string& args) {
    const auto uit = map / "uit.txt";
    const auto fout = map / "fout.txt";
    const std::string cmd = "cd \"" + map.Pad().string() + "\" && \"" TARVO_REKEN_EXE "\" " + args + " > \"" +
                            uit.string() + "\" 2> \"" + fout.string() + "\"";
    const int rc = std::system(cmd.c_str());
    Uitvoer u;
#ifdef _WIN32
    u.status = rc;
#else
    u.status = WEXITSTATUS(rc);
#endif
    u.uit = Lees(uit);
    u.fout = Lees(fout);
    return u;
  }
};

}  // namespace

TEST_F(TarvoReken, PrintsThePrintToFileTextOfASavedWorksheet) {
  test::BewaarWerkblad(map / "blad.tvo", {{0, "Café"}, {2, "1000"}, {5, "80"}, {22, "10"}}, 0, 1);
  const Uitvoer u = Draai("blad.tvo --decimaal , --datum 2018-06-30");
  ASSERT_EQ(u.status, 0) << u.fout;
  EXPECT_TRUE(u.fout.empty()) << u.fout;

  OpdrachtInstellingen inst;
  inst.werkblad = map / "blad.tvo";
  inst.wegdekken = map / "Wegdekken_2012.dat";
  inst.decimaal = ',';
  inst.vandaag = {2018, 6, 30};
  Berekening b;
  std::string fout;
  ASSERT_TRUE(RekenWerkblad(inst, b, fout));
  EXPECT_EQ(u.uit, RapportTekst(b.ws) + std::string(CrLf));
  EXPECT_NE(u.uit.find("Waarneempunt   : Café\r\n"), std::string::npos) << "UTF-8 on standard output";
  EXPECT_NE(u.uit.find("railconstructie trambaan     : Rail in ballastbed"), std::string::npos);
  EXPECT_NE(u.uit.find("1000,00"), std::string::npos);
}

TEST_F(TarvoReken, RefusesDamagedInputWithOneDutchLineAndStatusOne) {
  test::BewaarWerkblad(map / "goed.tvo", {{2, "1000"}});
  auto bytes = test::LeesBytes(map / "goed.tvo");

  auto kort = bytes;
  kort.resize(643);
  test::SchrijfBytes(map / "kort.tvo", kort);
  auto oud = bytes;
  oud[632] = 'o';
  test::SchrijfBytes(map / "oud.tvo", oud);
  auto geenHoogte = bytes;
  const double nul = 0, oneindig = HUGE_VAL;
  std::memcpy(geenHoogte.data() + 350, &nul, 8);
  test::SchrijfBytes(map / "hoogte.tvo", geenHoogte);
  auto geenGetal = bytes;
  std::memcpy(geenGetal.data() + 90, &oneindig, 8);
  test::SchrijfBytes(map / "oneindig.tvo", geenGetal);

  struct Geval {
    std::string args, verwacht;
  } gevallen[] = {
      {"kort.tvo", "kan niet worden gelezen"},
      {"oud.tvo", "oudere programmaversie"},
      {"hoogte.tvo", "geen waarneemhoogte ingevuld"},
      {"oneindig.tvo", "Veld 2 (Qlicht (mvt/h) / dag) bevat geen getal"},
      {"bestaat-niet.tvo", "kan niet worden gelezen"},
      {"goed.tvo --wegdekken elders.dat", "niet gevonden"},
      {"goed.tvo --diagram abc", "geen getal"},
  };
  for (const auto& g : gevallen) {
    const Uitvoer u = Draai(g.args);
    EXPECT_EQ(u.status, 1) << g.args;
    EXPECT_TRUE(u.uit.empty()) << g.args;
    EXPECT_NE(u.fout.find(g.verwacht), std::string::npos) << g.args << ": " << u.fout;
    EXPECT_EQ(std::count(u.fout.begin(), u.fout.end(), '\n'), 1) << g.args << ": " << u.fout;
  }
}

TEST_F(TarvoReken, WrongUsageGivesStatusTwoAndHelpStatusZero) {
  for (const char* args : {"", "a.tvo b.tvo", "--onbekend", "a.tvo --decimaal x", "a.tvo --datum 2018-13-01",
                           "--batch"}) {
    const Uitvoer u = Draai(args);
    EXPECT_EQ(u.status, 2) << args;
    EXPECT_NE(u.fout.find("Gebruik:"), std::string::npos) << args;
  }
  const Uitvoer help = Draai("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.uit.find("--batch"), std::string::npos);
}

TEST_F(TarvoReken, BatchAndDiagramFromTheShell) {
  {
    std::ofstream csv(map / "punten.csv", std::ios::binary);
    csv << "waarneempunt;Qlv_dag;hw\r\np1;100;5\r\np2;100;0\r\n";
  }
  const Uitvoer b = Draai("--batch punten.csv --decimaal .");
  ASSERT_EQ(b.status, 0) << b.fout;
  EXPECT_EQ(std::count(b.uit.begin(), b.uit.end(), '\n'), 3);
  EXPECT_NE(b.uit.find("p2;;;;;;;;;;;geen waarneemhoogte ingevuld"), std::string::npos) << b.uit;

  test::BewaarWerkblad(map / "blad.tvo", {{2, "1000"}});
  const Uitvoer d = Draai("blad.tvo --diagram 5000");
  ASSERT_EQ(d.status, 0) << d.fout;
  EXPECT_EQ(std::count(d.uit.begin(), d.uit.end(), '\n'), 1001);
}
