#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

// A new file appears whole, an old one is replaced whole, and nothing is
// left beside it; the old file's permissions carry over.
TEST(SchrijfVeilig, VervangtHetBestandGeheelEnLaatNietsAchter) {
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
TEST(SchrijfVeilig, MislukkenHoudtHetOudeBestandEnNoemtBestandEnReden) {
  TijdelijkeMap map;
  const fs::path doel = map / "blad.pdf";
  ASSERT_TRUE(SchrijfVeilig(doel, "oud"));

  fs::create_directory(map / "blad.pdf.nieuw");  // a folder of the user's is never removed
  std::ofstream(map / "blad.pdf.nieuw" / "bezet") << "x";
  auto r = SchrijfVeilig(doel, "nieuw");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "Bestand " + doel.string() +
                             " kon niet worden geschreven (het is een map); het oude bestand is bewaard gebleven");
  EXPECT_EQ(Lees(doel), "oud");
  EXPECT_TRUE(fs::exists(map / "blad.pdf.nieuw" / "bezet"));

  r = SchrijfVeilig(map.Pad(), "x");
  ASSERT_FALSE(r);
  EXPECT_NE(r.Melding().find("het is een map"), std::string::npos) << r.Melding();

  r = SchrijfVeilig(map / "geen" / "map.pdf", "x");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Nummer(), kFoutPadNietGevonden);
  EXPECT_TRUE(r.Melding().ends_with("(de map of het bestand bestaat niet)")) << r.Melding();
}

// A link keeps pointing at its file; a device is written directly, and its
// failure is a failure.
TEST(SchrijfVeilig, KoppelingenEnApparaten) {
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
  EXPECT_EQ(vol.Melding(), "Bestand /dev/full kon niet worden geschreven (de schijf is vol)");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
#endif
}

TEST(Reden, GewoneFoutenInHetNederlandsMetHunNummer) {
  struct Geval {
    std::errc fout;
    const char* reden;
    int nummer;
  };
  for (const Geval& g : {Geval{std::errc::no_space_on_device, "de schijf is vol", kFoutSchijfVol},
                         {std::errc::read_only_file_system, "de schijf is alleen-lezen", kFoutGeenToegang},
                         {std::errc::is_a_directory, "het is een map", kFoutBestandstoegang}}) {
    const auto ec = std::make_error_code(g.fout);
    EXPECT_EQ(Reden(ec), g.reden);
    EXPECT_EQ(FoutNummer(ec), g.nummer) << g.reden;
  }
}

// Reading takes a whole regular file up to its limit, and refuses without
// reading (or waiting) what cannot be one.
TEST(LeesBestand, AlleenGeheleGewoneBestandenTotDeGrens) {
  TijdelijkeMap map;
  const fs::path pad = map / "blad.tvo";
  test::SchrijfBytes(pad, std::string(644, 'x'));
  auto r = LeesBestand(pad, 644);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->size(), 644u);
  r = LeesBestand(pad, 643);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "Het bestand is beschadigd: groter dan 643 bytes");
  test::SchrijfBytes(pad, std::string());
  EXPECT_TRUE(LeesBestand(pad, 644) && LeesBestand(pad, 644)->empty());

  struct Geval {
    fs::path pad;
    std::string melding;
    int nummer;
  };
  std::vector<Geval> gevallen = {{map / "weg.tvo", "Bestand niet gevonden", kFoutNietGevonden},
                                 {map.Pad(), "Dit is een map, geen bestand", kFoutBestandstoegang}};
#ifndef _WIN32
  ASSERT_EQ(::mkfifo((map / "pijp.tvo").c_str(), 0600), 0);
  gevallen.push_back({map / "pijp.tvo", "Geen gewoon bestand", kFoutBestandstoegang});
  gevallen.push_back({"/dev/zero", "Geen gewoon bestand", kFoutBestandstoegang});
  // Looks like a regular file, but reading it fails.
  gevallen.push_back({"/proc/self/mem", "Lezen mislukt (invoer-/uitvoerfout van het apparaat)", kFoutApparaat});
#endif
  for (const Geval& g : gevallen) {
    const auto gelezen = LeesBestand(g.pad, 4000);
    ASSERT_FALSE(gelezen) << g.pad;
    EXPECT_EQ(gelezen.Melding(), g.melding) << g.pad;
    EXPECT_EQ(gelezen.Nummer(), g.nummer) << g.pad;
  }
}
