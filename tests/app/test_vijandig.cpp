// tarvo-reken against damaged, hostile and impossible input, driven as a
// shell would: every case ends with its own exit status and one Dutch line,
// never with a crash, a hang, a false success or a number from nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "tests/app/Opdrachtregel.h"
#include "tests/WerkbladMaker.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

struct Geval {
  const char* opdracht;  // arguments and redirections after the program's name
  int status;
  const char* melding;   // part of standard error
};

// Offsets in the files the cases damage.
constexpr std::size_t kQlvDag = 90;
constexpr std::size_t kDlLv = 2 + 30;

class Vijandig : public ::testing::Test {
 protected:
  TijdelijkeMap map;

  void SetUp() override {
    test::BewaarEenWegdek(map / "Wegdekken_2012.dat");
    test::BewaarWerkblad(map / "ok.tvo", {{2, "1000"}, {5, "80"}, {10, "50"}});
    const auto goed = test::LeesBytes(map / "ok.tvo");
    const auto catalogus = test::LeesBytes(map / "Wegdekken_2012.dat");
    Met(goed, kQlvDag, std::nan(""), "nan.tvo");
    test::SchrijfBytes(map / "leeg.tvo", std::string());
    test::SchrijfBytes(map / "kort.tvo", std::vector(goed.begin(), goed.begin() + 100));
    Met(catalogus, kDlLv, std::nan(""), "nan.dat");
    Met(catalogus, kDlLv + 40, 99999.5, "buiten.dat");  // b_zv
    Met(catalogus, kDlLv + 32, 9999, "absurd.dat");     // DL_zv: legal, but no finite level
    Catalogus leeg;
    test::SchrijfBytes(map / "nul.dat", CodeerCatalogus(leeg));
    std::filesystem::create_directory(map / "map.dat");
    std::filesystem::create_directory(map / "map.tvo");
#ifndef _WIN32
    ::mkfifo((map / "pijp.tvo").c_str(), 0600);
    ::mkfifo((map / "pijp.dat").c_str(), 0600);
#endif
    test::SchrijfBytes(map / "rijen.csv", std::string("waarneempunt;Qlv_dag;hw\np1;100;5\np2;100\n\"p3;1;5\np4;100;5\n"));
    test::SchrijfBytes(map / "dubbel.csv", std::string("waarneempunt;hw;Hw\np1;5;5\n"));
  }

  void Met(std::vector<std::uint8_t> bytes, std::size_t offset, double waarde, const std::string& naam) {
    std::memcpy(bytes.data() + offset, &waarde, sizeof waarde);
    test::SchrijfBytes(map / naam, bytes);
  }

  void Controleer(const std::vector<Geval>& gevallen) {
    for (const Geval& g : gevallen) {
      const test::Uitvoer u = test::DraaiTarvoReken(map.Pad(), g.opdracht);
      EXPECT_EQ(u.status, g.status) << g.opdracht << ": " << u.fout;
      EXPECT_NE(u.fout.find(g.melding), std::string::npos) << g.opdracht << ": " << u.fout;
      if (g.status == 1) {
        EXPECT_EQ(std::count(u.fout.begin(), u.fout.end(), '\n'), 1) << g.opdracht << ": " << u.fout;
        EXPECT_TRUE(u.uit.empty()) << g.opdracht;
      }
    }
  }
};

}  // namespace

// 1 and 9: what is no catalogue file is refused unread; 6: a coefficient the
// editor could not have saved is damage, named with its entry.
TEST_F(Vijandig, CataloguesThatCannotBeUsed) {
  Controleer({
      {"ok.tvo --wegdekken map.dat", 1, "map.dat kan niet worden gelezen: Dit is een map, geen bestand"},
      {"ok.tvo --wegdekken nan.dat", 1,
       "nan.dat is beschadigd of geen wegdekkenbestand (wegdek 1 (\"referentiewegdek (DAB)\") heeft DL_lv = NaN, "
       "toegestaan is -99999 tot en met 99999); er zijn geen wegdekken ingelezen."},
      {"ok.tvo --wegdekken buiten.dat", 1, "heeft b_zv = 99999.5"},
#ifndef _WIN32
      {"ok.tvo --wegdekken /dev/zero", 1, "/dev/zero kan niet worden gelezen: Geen gewoon bestand"},
      {"ok.tvo --wegdekken pijp.dat", 1, "pijp.dat kan niet worden gelezen: Geen gewoon bestand"},
      {"ok.tvo --wegdekken /proc/self/mem", 1, "Lezen mislukt (invoer-/uitvoerfout van het apparaat)"},
#endif
  });
}

// 2 and 6: a legal but absurd coefficient refuses the report and the
// diagram by the road surface's name; 10: an empty catalogue says so.
TEST_F(Vijandig, LevelsThatCannotBeComputed) {
  const std::string oneindig = "wegdek \"referentiewegdek (DAB)\" (positie 1) maken het geluidsniveau te groot";
  Controleer({
      {"ok.tvo --wegdekken absurd.dat", 1, oneindig.c_str()},
      {"ok.tvo --wegdekken absurd.dat --diagram 1000", 1, oneindig.c_str()},
      {"ok.tvo --wegdekken nul.dat", 1, "De wegdekkenlijst bevat geen wegdekken; er is niets berekend."},
  });
}

// 7, 9 and 10: a worksheet that holds no number is refused by field; a file
// too short is damaged, not old; a folder or a pipe is said to be one.
TEST_F(Vijandig, WorksheetsThatCannotBeUsed) {
  Controleer({
      {"nan.tvo", 1, "Veld 2 (Qlicht (mvt/h) / dag) bevat geen getal: 'NaN'."},
      {"leeg.tvo", 1, "Bestand leeg.tvo is beschadigd (0 bytes in plaats van 644)."},
      {"kort.tvo", 1, "Bestand kort.tvo is beschadigd (100 bytes in plaats van 644)."},
      {"map.tvo", 1, "map.tvo kan niet worden gelezen: Dit is een map, geen bestand."},
#ifndef _WIN32
      {"pijp.tvo", 1, "pijp.tvo kan niet worden gelezen: Geen gewoon bestand."},
#endif
      {"ok.tvo -x", 2, "onbekende optie -x."},
  });
}

// 4: output that does not arrive is no success, for each of the three kinds.
#ifndef _WIN32
TEST_F(Vijandig, OutputToAFullDisk) {
  const char* vol = "De uitvoer kon niet worden geschreven (de schijf is vol).";
  Controleer({
      {"ok.tvo > /dev/full", 1, vol},
      {"ok.tvo --diagram 100 > /dev/full", 1, vol},
      {"--batch rijen.csv > /dev/full", 1, vol},
  });
}
#endif

// 8 and 9: rows the reader cannot take apart are refused by line, every row
// is written and the run ends with 3; the header is refused as a whole.
TEST_F(Vijandig, BatchInputOfTheWrongShape) {
  const test::Uitvoer u = test::DraaiTarvoReken(map.Pad(), "--batch rijen.csv --decimaal .");
  EXPECT_EQ(u.status, 3) << u.fout;
  EXPECT_EQ(u.fout, "tarvo-reken: 2 van 4 rijen niet berekend (regels 3, 4); de reden staat in de kolom melding.\n");
  EXPECT_EQ(std::count(u.uit.begin(), u.uit.end(), '\n'), 5);
  EXPECT_NE(u.uit.find(";;;;;;;;;;;Regel 3 telt minder kolommen dan de kopregel.\n"), std::string::npos) << u.uit;
  EXPECT_NE(u.uit.find(";;;;;;;;;;;Regel 4 heeft een aanhalingsteken dat niet wordt gesloten.\n"), std::string::npos);
  EXPECT_TRUE(u.uit.ends_with(";\n")) << "the last row is computed: " << u.uit;
  Controleer({
      {"--batch dubbel.csv", 1, "Kolom 'Hw' staat meer dan eens in de kopregel van het invoerbestand."},
      {"--batch .", 1, "Invoerbestand . is een map, geen bestand."},
#ifndef _WIN32
      {"--batch /dev/zero", 1, "De kopregel van het invoerbestand is langer dan 1 MB."},
#endif
  });
}
