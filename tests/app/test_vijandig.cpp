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
#include <unistd.h>
#endif

#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"
#include "tests/app/Opdrachtregel.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

struct Geval {
  const char* opdracht;  // arguments and redirections after the program's name
  int status;
  const char* melding;  // part of standard error
};

// Offset in the catalogue the cases damage.
constexpr std::size_t kDlLv = 2 + 30;

class Vijandig : public ::testing::Test {
 protected:
  TijdelijkeMap map;

  void SetUp() override {
    test::BewaarEenWegdek(map / "Wegdekken_2012.dat");
    test::BewaarWerkblad(map / "ok.tvo", {{2, "1000"}, {5, "80"}, {10, "50"}});
    const auto catalogus = test::LeesBytes(map / "Wegdekken_2012.dat");
    Met(catalogus, kDlLv, std::nan(""), "nan.dat");
    Met(catalogus, kDlLv + 32, 9999, "absurd.dat");  // DL_zv: legal, but no finite level
    std::filesystem::create_directory(map / "map.dat");
#ifndef _WIN32
    ::mkfifo((map / "pijp.tvo").c_str(), 0600);
    ::mkfifo((map / "pijp.dat").c_str(), 0600);
#endif
    test::SchrijfBytes(map / "rijen.csv",
                       std::string("waarneempunt;Qlv_dag;hw\np1;100;5\np2;100\n\"p3;1;5\np4;100;5\n"));
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

// The messages are the core's (tests/files, tests/driver); here: that each
// reaches standard error with its status, and that a pipe is never waited on.
TEST_F(Vijandig, OnbruikbareInvoer) {
  Controleer({
      {"ok.tvo --wegdekken map.dat", 1, "map.dat kan niet worden gelezen: Dit is een map, geen bestand"},
      {"ok.tvo --wegdekken nan.dat", 1,
       "nan.dat is beschadigd of geen wegdekkenbestand (wegdek 1 (\"referentiewegdek (DAB)\") heeft DL_lv = NaN, "
       "toegestaan is -99999 tot en met 99999); er zijn geen wegdekken ingelezen."},
      {"ok.tvo --wegdekken absurd.dat", 1, "(positie 1) maken het geluidsniveau te groot"},
      {"ok.tvo --wegdekken absurd.dat --diagram 1000", 1, "(positie 1) maken het geluidsniveau te groot"},
#ifndef _WIN32
      {"ok.tvo --wegdekken pijp.dat", 1, "pijp.dat kan niet worden gelezen: Geen gewoon bestand"},
      {"pijp.tvo", 1, "pijp.tvo kan niet worden gelezen: Geen gewoon bestand."},
#endif
  });
}

// Output that does not arrive is no success, for each of the three kinds.
#ifndef _WIN32
TEST_F(Vijandig, UitvoerNaarEenVolleSchijf) {
  const char* vol = "De uitvoer kon niet worden geschreven (de schijf is vol).";
  Controleer({
      {"ok.tvo > /dev/full", 1, vol},
      {"ok.tvo --diagram 100 > /dev/full", 1, vol},
      {"--batch rijen.csv > /dev/full", 1, vol},
      {"--help > /dev/full", 1, vol},
      {"--help >&-", 1, "De uitvoer kon niet worden geschreven (de uitvoer is gesloten)."},
  });
}

// A command never writes onto one of its inputs, also not through a link,
// nor onto a worksheet; the file stays byte for byte.
TEST_F(Vijandig, UitvoerOpEenInvoer) {
  std::filesystem::create_symlink("Wegdekken_2012.dat", map / "link.dat");
  std::filesystem::create_hard_link(map / "Wegdekken_2012.dat", map / "hard.dat");
  test::SchrijfBytes(map / "tabel.csv", std::string("omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\na;1;2;3;4;5;6\n"));
  const auto catalogus = test::LeesBytes(map / "Wegdekken_2012.dat");
  const auto werkblad = test::LeesBytes(map / "ok.tvo");
  Controleer({
      {"--wegdekken-export Wegdekken_2012.dat --wegdekken Wegdekken_2012.dat", 2, "is Wegdekken_2012.dat zelf"},
      {"--wegdekken-export link.dat --wegdekken Wegdekken_2012.dat", 2, "is Wegdekken_2012.dat zelf"},
      {"--wegdekken-export hard.dat --wegdekken Wegdekken_2012.dat", 2, "is Wegdekken_2012.dat zelf"},
      {"--wegdekken-export ok.tvo --wegdekken Wegdekken_2012.dat", 2, "draagt de naam van een rekenblad (.tvo)"},
      {"--wegdekken-import tabel.csv --wegdekken tabel.csv", 2, "is tabel.csv zelf"},
      {"--wegdekken-import tabel.csv --wegdekken ok.tvo", 2, "draagt de naam van een rekenblad (.tvo)"},
  });
  EXPECT_EQ(test::LeesBytes(map / "Wegdekken_2012.dat"), catalogus);
  EXPECT_EQ(test::LeesBytes(map / "ok.tvo"), werkblad);
  const test::Uitvoer tabel = test::DraaiTarvoReken(map.Pad(), "--wegdekken-export - --wegdekken Wegdekken_2012.dat");
  EXPECT_EQ(tabel.status, 0);
  EXPECT_TRUE(tabel.uit.starts_with("\xEF\xBB\xBFomschrijving;DL_lv")) << tabel.uit;
  EXPECT_FALSE(std::filesystem::exists(map / "-"));
}

// As an ordinary user: an import into a read-only catalogue is refused and
// the file is kept.
TEST_F(Vijandig, AlleenLezenAlsGewoneGebruiker) {
  if (::geteuid() != 0 && ::access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "setpriv ontbreekt";
  test::SchrijfBytes(map / "tabel.csv", std::string("omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\na;1;2;3;4;5;6\n"));
  std::filesystem::permissions(map.Pad(), std::filesystem::perms::all);
  std::filesystem::permissions(map / "Wegdekken_2012.dat", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read |
                                                               std::filesystem::perms::others_read);
  const auto voor = test::LeesBytes(map / "Wegdekken_2012.dat");
  const std::string als = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const test::Uitvoer u =
      test::DraaiTarvoReken(map.Pad(), "--wegdekken-import tabel.csv --wegdekken Wegdekken_2012.dat", als);
  EXPECT_EQ(u.status, 1) << u.fout;
  EXPECT_NE(u.fout.find("(het bestand is alleen-lezen); het oude bestand is bewaard gebleven"), std::string::npos)
      << u.fout;
  EXPECT_EQ(test::LeesBytes(map / "Wegdekken_2012.dat"), voor);
}
#endif

// Refused rows: every row written, the summary on standard error, status 3;
// a folder as input is refused as a whole.
TEST_F(Vijandig, BatchinvoerVanDeVerkeerdeVorm) {
  const test::Uitvoer u = test::DraaiTarvoReken(map.Pad(), "--batch rijen.csv --decimaal .");
  EXPECT_EQ(u.status, 3) << u.fout;
  EXPECT_EQ(u.fout, "tarvo-reken: 2 van 4 rijen niet berekend (regels 3, 4); de reden staat in de kolom melding.\n");
  EXPECT_EQ(std::count(u.uit.begin(), u.uit.end(), '\n'), 5);
  Controleer({{"--batch .", 1, "Invoerbestand . is een map, geen bestand."}});
}
