// tarvo-reken's road-surface table commands, run as a user's shell would.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"
#include "tests/app/Opdrachtregel.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;
using test::Uitvoer;

using WegdektabelOpdracht = test::OpdrachtregelMap;

// The shipped catalogue out as a table and into no catalogue at all gives
// the same file (what the table may hold: tests/files).
TEST_F(WegdektabelOpdracht, WegdekkenAlsTabelUitEnWeerIn) {
  const auto geleverd = std::filesystem::path(TARVO_SOURCE_DIR) / "data" / "Wegdekken_2012.dat";
  const Uitvoer uit = Draai("--wegdekken-export tabel.csv --wegdekken \"" + geleverd.string() + "\" --decimaal ,");
  ASSERT_EQ(uit.status, 0) << uit.fout;
  EXPECT_TRUE(uit.uit.empty() && uit.fout.empty()) << uit.fout;
  const Uitvoer in = Draai("--wegdekken-import tabel.csv --wegdekken nieuw.dat");
  ASSERT_EQ(in.status, 0) << in.fout;
  EXPECT_EQ(test::LeesBytes(map / "nieuw.dat"), test::LeesBytes(geleverd));
}

// A refused table changes nothing and says where in one line; wrong usage
// shows the usage text.
TEST_F(WegdektabelOpdracht, WeigeringenVanDeTabel) {
  const auto oud = test::LeesBytes(map / "Wegdekken_2012.dat");
  test::SchrijfBytes(map / "fout.csv",
                     std::string("omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\r\nX;1;2;3;4;5;zes\r\n"));
  test::SchrijfBytes(map / "dubbel.csv",
                     std::string("omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\nX;1;2;3;4;5;6\n X ;1;2;3;4;5;7\n"));
  std::filesystem::create_symlink("lus.csv", map / "lus.csv");
  std::filesystem::create_directory(map / "map");
  for (auto [args, status, verwacht] :
       {std::tuple{"--wegdekken-import fout.csv --wegdekken Wegdekken_2012.dat", 1,
                   "Regel 2, kolom 7 (b_zv): 'zes' is geen getal; er is niets ingelezen."},
        {"--wegdekken-import nergens.csv --wegdekken Wegdekken_2012.dat", 1, "niet gevonden"},
        {"--wegdekken-export uit.csv --wegdekken nergens.dat", 1, "niet gevonden"},
        {"--wegdekken-export geen-map/uit.csv --wegdekken Wegdekken_2012.dat", 1, "uit.csv"},
        {"--wegdekken-import fout.csv", 2, "--wegdekken-import verwacht --wegdekken PAD."},
        {"blad.tvo --wegdekken-export uit.csv", 2, "gaan niet samen"},
        {"--wegdekken-export uit.csv --wegdekken-import fout.csv --wegdekken x.dat", 2, "gaan niet samen"},
        {"--wegdekken-export", 2, "verwacht een waarde"},
        // One rule for the window's import and this one.
        {"--wegdekken-import dubbel.csv --wegdekken Wegdekken_2012.dat", 1,
         "Regel 3, kolom 1 (omschrijving): 'X' staat ook op regel 2; er is niets ingelezen."},
        {"--wegdekken-import lus.csv --wegdekken Wegdekken_2012.dat", 1,
         "Wegdekkentabel lus.csv kan niet worden gelezen: Lezen mislukt (de symbolische koppelingen vormen een "
         "kring)."},
        {"--wegdekken-import map --wegdekken Wegdekken_2012.dat", 1,
         "Wegdekkentabel map kan niet worden gelezen: Dit is een map, geen bestand."}}) {
    const Uitvoer u = Draai(args);
    EXPECT_EQ(u.status, status) << args;
    EXPECT_NE(u.fout.find(verwacht), std::string::npos) << args << ": " << u.fout;
    EXPECT_TRUE(status == 2 || std::count(u.fout.begin(), u.fout.end(), '\n') == 1) << args << ": " << u.fout;
    EXPECT_EQ(test::LeesBytes(map / "Wegdekken_2012.dat"), oud) << args;
    EXPECT_FALSE(std::filesystem::exists(map / "uit.csv")) << args;
  }
}
