// Drives the built tarvo-reken as a user's shell would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <tuple>
#include <vector>

#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"
#include "driver/Opdracht.h"
#include "base/Getal.h"
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

namespace {

// Road surface 2 with every coefficient its own, so a wrong index shows.
void BewaarTweeWegdekken(const std::filesystem::path& pad) {
  Catalogus c;
  c.AantalWegdekken = 2;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  c.Wegdekken[2] = {VastBreed("dunne deklaag B", kOmschrijvingLengte), -2.7, 4.5, -0.45, 2.25, -3.3, -2.05};
  test::SchrijfBytes(pad, CodeerCatalogus(c));
}

}  // namespace

// --afstand-voor and --cumulatie for every exit status, against a committed
// transcript. Wrong usage shows its first line; the usage text below it
// names places of this computer. TARVO_SCHRIJF_VERWACHT=1 writes the
// transcript anew.
TEST_F(TarvoReken, DistanceAndCumulationAgainstTheCommittedTranscript) {
  BewaarTweeWegdekken(map / "Wegdekken_2012.dat");
  const std::map<int, std::string> weg1 = {
      {0, "Dorpsstraat 12"}, {1, "N201"}, {2, "1100"}, {3, "320"}, {4, "85"}, {5, "80"}, {6, "60"}, {7, "14"},
      {8, "4"}, {9, "70"}, {10, "40"}, {11, "9"}, {12, "3"}, {13, "80"}, {32, "5"}, {33, "0.3"}, {34, "0.5"},
      {35, "0.2"}, {36, "20"}, {37, "90"}};
  test::BewaarWerkblad(map / "weg1.tvo", weg1, 1, 2);
  test::BewaarWerkblad(map / "weg2.tvo",
                       {{0, "Dorpsstraat 12"}, {1, "Spoorlaan; tram"}, {2, "300"}, {3, "80"}, {4, "20"}, {5, "50"},
                        {14, "10"}, {15, "4"}, {17, "60"}, {22, "12"}, {23, "8"}, {24, "2"}, {25, "40"}, {32, "4"},
                        {34, "1"}, {36, "35"}, {38, "60"}, {39, "90"}});
  test::BewaarWerkblad(map / "stil.tvo", {{2, "2"}, {5, "30"}, {32, "1.5"}, {36, "10"}});
  auto geenAfstand = weg1;
  geenAfstand[36] = "0";
  test::BewaarWerkblad(map / "geenafstand.tvo", geenAfstand, 1, 2);
  test::SchrijfBytes(map / "blad.txt", test::LeesBytes(map / "weg1.tvo"));

  const std::vector<std::string> opdrachten = {
      "weg1.tvo --afstand-voor 48 --decimaal , --datum 2024-03-01",
      "weg1.tvo --afstand-voor 53,2 --decimaal . --datum 2018-06-30",
      "weg2.tvo --afstand-voor 55.5 --decimaal . --datum 2024-03-01",
      "stil.tvo --afstand-voor 48 --decimaal , --datum 2024-03-01",
      "weg1.tvo --afstand-voor 0 --decimaal , --datum 2024-03-01",
      "geenafstand.tvo --afstand-voor 48 --decimaal . --datum 2024-03-01",
      "nee.tvo --afstand-voor 48 --decimaal . --datum 2024-03-01",
      "weg1.tvo --afstand-voor 150,01",
      "weg1.tvo --afstand-voor -1",
      "weg1.tvo --afstand-voor achtenveertig",
      "weg1.tvo --afstand-voor",
      "weg1.tvo weg2.tvo --afstand-voor 48",
      "weg1.tvo --afstand-voor 48 --diagram 100",
      "--cumulatie weg1.tvo weg2.tvo --decimaal , --datum 2024-03-01",
      "--cumulatie weg1.tvo weg1.tvo --decimaal . --datum 2024-03-01",
      "--cumulatie weg2.tvo --decimaal . --datum 2024-03-01",
      "--cumulatie weg1.tvo geenafstand.tvo --decimaal . --datum 2024-03-01",
      "--cumulatie weg1.tvo nee.tvo --decimaal . --datum 2024-03-01",
      "--cumulatie weg1.tvo blad.txt --decimaal . --datum 2024-03-01",
      "--cumulatie --decimaal .",
      "--cumulatie weg1.tvo --afstand-voor 48",
  };
  std::string transcript;
  for (const std::string& args : opdrachten) {
    const Uitvoer u = Draai(args);
    transcript += "$ tarvo-reken " + args + "\n[afsluitcode " + std::to_string(u.status) + "]\n" + u.uit;
    std::string fout = u.fout;
    if (u.status == 2) {
      const auto eerste = fout.find('\n');
      EXPECT_EQ(fout.substr(eerste + 1, 8), "Gebruik:") << args;
      fout = fout.substr(0, eerste + 1);
    }
    transcript += "[standaardfout]\n" + fout;
  }

  const std::filesystem::path verwacht = std::filesystem::path(TARVO_SOURCE_DIR) / "tests/app/verwacht/afstand_cumulatie.txt";
  if (const char* schrijf = std::getenv("TARVO_SCHRIJF_VERWACHT"); schrijf && std::string(schrijf) == "1") {
    test::SchrijfBytes(verwacht, transcript);
  }
  const auto vast = test::LeesBytes(verwacht);
  EXPECT_EQ(transcript, std::string(vast.begin(), vast.end()));

  // The first distance is the one the calculation confirms: at or below 48 dB there, above it 0,01 m closer.
  const auto regel = transcript.substr(transcript.find("]\n") + 2);
  const std::string afstand = regel.substr(0, regel.find(';'));
  for (const auto& [tekst, onder] : {std::pair{afstand, true}, {Formatteer(LeesGetal(afstand) - 0.01, "##0.00", ','), false}}) {
    OpdrachtInstellingen inst{.werkblad = map / "weg1.tvo", .wegdekken = map / "Wegdekken_2012.dat", .decimaal = ',',
                              .vandaag = {2024, 3, 1}};
    Berekening b;
    ASSERT_TRUE(OpenWerkblad(inst, b));
    b.venster.invoer[36].tekst = tekst;
    ASSERT_TRUE(RekenGeopend(b, inst.vandaag));
    EXPECT_EQ(b.ws.Lden - b.ws.Aftrek110g <= 48, onder) << tekst;
  }
}
