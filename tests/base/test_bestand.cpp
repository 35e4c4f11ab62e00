#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;
namespace fs = std::filesystem;

namespace {

std::string Lees(const fs::path& pad) {
  const auto b = test::LeesBytes(pad);
  return {b.begin(), b.end()};
}

std::size_t AantalIn(const fs::path& map) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(map), {}));
}

}  // namespace

TEST(Uitkomst, HoldsAValueOrAMessageWithItsNumber) {
  const Uitkomst<int> goed = 7;
  const Uitkomst<int> fout = Fout{"Bestand x niet gevonden", kFoutNietGevonden};
  EXPECT_TRUE(goed && *goed == 7);
  EXPECT_TRUE(!fout && fout.Melding() == "Bestand x niet gevonden" && fout.Nummer() == 53);
  const Uitkomst<void> klaar;
  const Uitkomst<void> mis = Fout{"geweigerd"};
  EXPECT_TRUE(klaar && !mis && mis.Nummer() == 0);
}

// A new file appears whole, an old one is replaced whole, and nothing is
// left beside it; the old file's permissions carry over.
TEST(SchrijfVeilig, ReplacesTheFileWholeAndLeavesNothingBeside) {
  TijdelijkeMap map;
  const fs::path doel = map / "Wegdekken_2012.dat";
  ASSERT_TRUE(SchrijfVeilig(doel, "eerste"));
  EXPECT_EQ(Lees(doel), "eerste");
  fs::permissions(doel, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(SchrijfVeilig(doel, "tweede, langer"));
  EXPECT_EQ(Lees(doel), "tweede, langer");
  EXPECT_EQ(fs::status(doel).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(SchrijfVeilig(doel, ""));
  EXPECT_EQ(fs::file_size(doel), 0u);
  EXPECT_EQ(AantalIn(map.Pad()), 1u);

  // A leftover of an interrupted save is no obstacle.
  test::SchrijfBytes(map / "Wegdekken_2012.dat.nieuw", std::string("half"));
  ASSERT_TRUE(SchrijfVeilig(doel, "derde"));
  EXPECT_EQ(Lees(doel), "derde");
  EXPECT_EQ(AantalIn(map.Pad()), 1u);
}

// Every failure leaves the old file as it was and says which file and why.
TEST(SchrijfVeilig, FailureKeepsTheOldFileAndNamesFileAndReason) {
  TijdelijkeMap map;
  const fs::path doel = map / "blad.pdf";
  ASSERT_TRUE(SchrijfVeilig(doel, "oud"));

  fs::create_directory(map / "blad.pdf.nieuw");  // a folder of the user's is never removed
  std::ofstream(map / "blad.pdf.nieuw" / "bezet") << "x";
  auto r = SchrijfVeilig(doel, "nieuw");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "Bestand " + doel.string() +
                             " kon niet worden geschreven (het is een map); het oude bestand is bewaard gebleven.");
  EXPECT_EQ(Lees(doel), "oud");
  EXPECT_TRUE(fs::exists(map / "blad.pdf.nieuw" / "bezet"));

  r = SchrijfVeilig(map.Pad(), "x");
  ASSERT_FALSE(r);
  EXPECT_NE(r.Melding().find("het is een map"), std::string::npos) << r.Melding();

  r = SchrijfVeilig(map / "geen" / "map.pdf", "x");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Nummer(), kFoutPadNietGevonden);
  EXPECT_NE(r.Melding().find("(de map of het bestand bestaat niet)."), std::string::npos) << r.Melding();
}

// A link keeps pointing at its file; a device is written directly, and its
// failure is a failure.
TEST(SchrijfVeilig, LinksAndDevices) {
  TijdelijkeMap map;
  const fs::path echt = map / "echt.dat";
  ASSERT_TRUE(SchrijfVeilig(echt, "oud"));
  fs::create_symlink(echt, map / "link.dat");
  ASSERT_TRUE(SchrijfVeilig(map / "link.dat", "via de link"));
  EXPECT_TRUE(fs::is_symlink(map / "link.dat"));
  EXPECT_EQ(Lees(echt), "via de link");

#ifndef _WIN32
  EXPECT_TRUE(SchrijfVeilig("/dev/null", "weg"));
  const auto vol = SchrijfVeilig("/dev/full", "past niet");
  ASSERT_FALSE(vol);
  EXPECT_EQ(vol.Nummer(), kFoutSchijfVol);
  EXPECT_EQ(vol.Melding(), "Bestand /dev/full kon niet worden geschreven (de schijf is vol).");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
#endif
}

TEST(Reden, CommonFailuresInDutchWithTheirNumbers) {
  struct Geval {
    std::errc fout;
    const char* reden;
    int nummer;
  };
  for (const Geval& g : {Geval{std::errc::no_space_on_device, "de schijf is vol", kFoutSchijfVol},
                         {std::errc::permission_denied, "geen toegang", kFoutGeenToegang},
                         {std::errc::read_only_file_system, "de schijf is alleen-lezen", kFoutGeenToegang},
                         {std::errc::io_error, "invoer-/uitvoerfout van het apparaat", kFoutApparaat},
                         {std::errc::is_a_directory, "het is een map", kFoutBestandstoegang}}) {
    const auto ec = std::make_error_code(g.fout);
    EXPECT_EQ(Reden(ec), g.reden);
    EXPECT_EQ(FoutNummer(ec), g.nummer) << g.reden;
  }
}

// At most the bytes asked for, all of a shorter file; what cannot be read
// names the file and the reason.
TEST(LeesBestand, ReadsUpToTheMaximumOrSaysWhyNot) {
  TijdelijkeMap map;
  const fs::path pad = map / "blad.tvo";
  test::SchrijfBytes(pad, std::string("abcdef"));
  EXPECT_EQ(*LeesBestand(pad, 4), "abcd");
  EXPECT_EQ(*LeesBestand(pad, 6), "abcdef");
  EXPECT_EQ(*LeesBestand(pad, 7), "abcdef");

  auto r = LeesBestand(map / "weg.tvo", 10);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "Bestand " + (map / "weg.tvo").string() +
                             " kan niet worden gelezen (de map of het bestand bestaat niet).");
  EXPECT_EQ(r.Nummer(), kFoutPadNietGevonden);
  r = LeesBestand(map.Pad(), 10);
  ASSERT_FALSE(r);
  EXPECT_NE(r.Melding().find("(het is een map)."), std::string::npos) << r.Melding();
}
