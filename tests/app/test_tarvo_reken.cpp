// Drives the built tarvo-reken as a user's shell would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <vector>

#include "tests/TijdelijkeMap.h"
#include "tests/app/Opdrachtregel.h"
#include "tests/WerkbladMaker.h"
#include "driver/Opdracht.h"
#include "base/Tekst.h"
#include "report/Rapport.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

using test::Uitvoer;

class TarvoReken : public ::testing::Test {
 protected:
  TijdelijkeMap map;
  void SetUp() override { test::BewaarEenWegdek(map / "Wegdekken_2012.dat"); }
  Uitvoer Draai(const std::string& args) { return test::DraaiTarvoReken(map.Pad(), args); }
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

TEST_F(TarvoReken, BatchAndDiagramFromTheShell) {
  test::SchrijfBytes(map / "punten.csv", std::string("waarneempunt;Qlv_dag;hw\r\np1;100;5\r\np2;100;0\r\n"));
  const Uitvoer b = Draai("--batch punten.csv --decimaal .");
  ASSERT_EQ(b.status, 3) << b.fout;  // one row refused
  EXPECT_EQ(std::count(b.uit.begin(), b.uit.end(), '\n'), 3);
  EXPECT_NE(b.uit.find("p2;;;;;;;;;;;geen waarneemhoogte ingevuld"), std::string::npos) << b.uit;

  // A row per metre, 0 to 99, then the level axis.
  test::BewaarWerkblad(map / "blad.tvo", {{2, "1000"}});
  const Uitvoer d = Draai("blad.tvo --diagram 50");
  ASSERT_EQ(d.status, 0) << d.fout;
  EXPECT_EQ(std::count(d.uit.begin(), d.uit.end(), '\n'), 101);
  EXPECT_TRUE(d.uit.starts_with("0;") && d.uit.find("\n99;") != std::string::npos) << d.uit;
}
