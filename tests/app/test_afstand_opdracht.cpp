// tarvo-reken's distance search and cumulation, run as a user's shell would.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"
#include "tests/app/Opdrachtregel.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;
using test::Uitvoer;

using AfstandOpdracht = test::OpdrachtregelMap;

// --afstand-voor and --cumulatie for every exit status, against a committed
// transcript. Wrong usage shows its first line; the usage text below it
// names places of this computer. TARVO_VERWACHT_SCHRIJVEN=1 writes the
// transcript anew.
TEST_F(AfstandOpdracht, AfstandEnCumulatieZoalsVastgelegd) {
  test::SchrijfBytes(map / "Wegdekken_2012.dat", CodeerCatalogus(test::TweeWegdekken()));
  const std::map<int, std::string> weg1 = {{0, "Dorpsstraat 12"},
                                           {1, "N201"},
                                           {2, "1100"},
                                           {3, "320"},
                                           {4, "85"},
                                           {5, "80"},
                                           {6, "60"},
                                           {7, "14"},
                                           {8, "4"},
                                           {9, "70"},
                                           {10, "40"},
                                           {11, "9"},
                                           {12, "3"},
                                           {13, "80"},
                                           {32, "5"},
                                           {33, "0.3"},
                                           {34, "0.5"},
                                           {35, "0.2"},
                                           {36, "20"},
                                           {37, "90"}};
  test::BewaarWerkblad(map / "weg1.tvo", weg1, 1, 2);
  test::BewaarWerkblad(map / "weg2.tvo", {{0, "Dorpsstraat 12"},
                                          {1, "Spoorlaan; tram"},
                                          {2, "300"},
                                          {3, "80"},
                                          {4, "20"},
                                          {5, "50"},
                                          {14, "10"},
                                          {15, "4"},
                                          {17, "60"},
                                          {22, "12"},
                                          {23, "8"},
                                          {24, "2"},
                                          {25, "40"},
                                          {32, "4"},
                                          {34, "1"},
                                          {36, "35"},
                                          {38, "60"},
                                          {39, "90"}});
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

  const std::filesystem::path verwacht =
      std::filesystem::path(TARVO_SOURCE_DIR) / "tests/app/verwacht/afstand_cumulatie.txt";
  if (const char* schrijf = std::getenv("TARVO_VERWACHT_SCHRIJVEN"); schrijf && std::string(schrijf) == "1") {
    test::SchrijfBytes(verwacht, transcript);
  }
  const auto vast = test::LeesBytes(verwacht);
  EXPECT_EQ(transcript, std::string(vast.begin(), vast.end()));
}
