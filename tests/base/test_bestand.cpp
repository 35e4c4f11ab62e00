#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "tests/Schrijfgrens.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;
using tarvo::test::LeesTekst;
using tarvo::test::TijdelijkeMap;
namespace fs = std::filesystem;

namespace {

std::size_t AantalIn(const fs::path& map) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(map), {}));
}

}  // namespace

// A new file appears whole, an old one is replaced whole with its
// permissions, and nothing of the save stays beside it; a file of the user's
// with the name an older version used is neither removed nor written through.
TEST(SchrijfVeilig, VervangtHetBestandGeheelEnLaatNietsAchter) {
  TijdelijkeMap map;
  const fs::path doel = map / "Wegdekken_2012.dat";
  ASSERT_TRUE(SchrijfVeilig(doel, "eerste"));
  EXPECT_EQ(LeesTekst(doel), "eerste");
  fs::permissions(doel, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  test::SchrijfBytes(map / "ander.dat", std::string("van een ander"));
  fs::create_symlink(map / "ander.dat", map / "Wegdekken_2012.dat.nieuw");
  ASSERT_TRUE(SchrijfVeilig(doel, "tweede, langer"));
  EXPECT_EQ(LeesTekst(doel), "tweede, langer");
  EXPECT_EQ(fs::status(doel).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(SchrijfVeilig(doel, ""));
  EXPECT_EQ(fs::file_size(doel), 0u);
  EXPECT_EQ(LeesTekst(map / "ander.dat"), "van een ander");
  EXPECT_TRUE(fs::is_symlink(map / "Wegdekken_2012.dat.nieuw"));
  EXPECT_EQ(AantalIn(map.Pad()), 3u);
}

// Every failure leaves the old file as it was, takes away what the save made
// and says which file and why.
TEST(SchrijfVeilig, MislukkenHoudtHetOudeBestandEnNoemtBestandEnReden) {
  TijdelijkeMap map;
  const fs::path doel = map / "blad.pdf";
  ASSERT_TRUE(SchrijfVeilig(doel, "oud"));
  {
    test::Schrijfgrens grens(4);
    const auto r = SchrijfVeilig(doel, "langer dan de grens");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Melding(), "Bestand " + doel.string() +
                               " kon niet worden geschreven (het bestand wordt groter dan toegestaan); het oude "
                               "bestand is bewaard gebleven");
  }
  EXPECT_EQ(LeesTekst(doel), "oud");
  EXPECT_EQ(AantalIn(map.Pad()), 1u);

  auto r = SchrijfVeilig(map.Pad(), "x");
  ASSERT_FALSE(r);
  EXPECT_NE(r.Melding().find("het is een map"), std::string::npos) << r.Melding();

  r = SchrijfVeilig(map / "geen" / "map.pdf", "x");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Nummer(), kFoutPadNietGevonden);
  EXPECT_TRUE(r.Melding().ends_with("(de map of het bestand bestaat niet)")) << r.Melding();
}

// A link keeps pointing at its file, also one not made yet; a loop is named;
// a device is written directly, and its failure is a failure.
TEST(SchrijfVeilig, KoppelingenEnApparaten) {
  TijdelijkeMap map;
  const fs::path echt = map / "echt.dat";
  ASSERT_TRUE(SchrijfVeilig(echt, "oud"));
  fs::create_symlink(echt, map / "link.dat");
  ASSERT_TRUE(SchrijfVeilig(map / "link.dat", "via de link"));
  EXPECT_TRUE(fs::is_symlink(map / "link.dat"));
  EXPECT_EQ(LeesTekst(echt), "via de link");

  fs::create_symlink("nog_niet.dat", map / "vooruit.dat");
  ASSERT_TRUE(SchrijfVeilig(map / "vooruit.dat", "nieuw"));
  EXPECT_TRUE(fs::is_symlink(map / "vooruit.dat"));
  EXPECT_EQ(LeesTekst(map / "nog_niet.dat"), "nieuw");

  fs::create_symlink("lus2", map / "lus1");
  fs::create_symlink("lus1", map / "lus2");
  const auto lus = SchrijfVeilig(map / "lus1", "x");
  ASSERT_FALSE(lus);
  EXPECT_TRUE(lus.Melding().ends_with("(de symbolische koppelingen vormen een kring)")) << lus.Melding();

#ifndef _WIN32
  EXPECT_TRUE(SchrijfVeilig("/dev/null", "weg"));
  const auto vol = SchrijfVeilig("/dev/full", "past niet");
  ASSERT_FALSE(vol);
  EXPECT_EQ(vol.Nummer(), kFoutSchijfVol);
  EXPECT_EQ(vol.Melding(), "Bestand /dev/full kon niet worden geschreven (de schijf is vol)");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
#endif
}

#ifndef _WIN32
// What else a file has stays: its owner and group where the user may set
// them, and its extended attributes. A file with more names is not cut
// loose from them: the save is refused.
TEST(SchrijfVeilig, EigenaarKenmerkenEnHardeKoppelingen) {
  TijdelijkeMap map;
  const fs::path doel = map / "k.dat";
  ASSERT_TRUE(SchrijfVeilig(doel, "oud"));
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(doel.c_str(), 1234, 4321), 0);
    ASSERT_TRUE(SchrijfVeilig(doel, "nieuw"));
    struct stat st {};
    ASSERT_EQ(::stat(doel.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 4321u);
  }
  if (::setxattr(doel.c_str(), "user.tarvo", "ja", 2, 0) == 0) {
    ASSERT_TRUE(SchrijfVeilig(doel, "weer nieuw"));
    char waarde[8] = {};
    EXPECT_EQ(::getxattr(doel.c_str(), "user.tarvo", waarde, sizeof waarde), 2);
    EXPECT_EQ(std::string(waarde), "ja");
  }
  fs::create_hard_link(doel, map / "tweede.dat");
  const std::string voor = LeesTekst(doel);
  const auto r = SchrijfVeilig(doel, "los");
  ASSERT_FALSE(r);
  EXPECT_NE(r.Melding().find("meer dan een naam"), std::string::npos) << r.Melding();
  EXPECT_EQ(LeesTekst(doel), voor);
  EXPECT_EQ(fs::hard_link_count(doel), 2u);
}

// As an ordinary user (the test drops root in a child process): a file the
// user may not write is refused and kept, in a folder the user may write.
TEST(SchrijfVeilig, AlleenLezenWordtGeweigerd) {
  TijdelijkeMap map;
  fs::permissions(map.Pad(), fs::perms::all);
  const fs::path doel = map / "k.dat";
  ASSERT_TRUE(SchrijfVeilig(doel, "oud"));
  fs::permissions(doel, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const pid_t kind = ::fork();
  ASSERT_GE(kind, 0);
  if (kind == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    const auto r = SchrijfVeilig(doel, "nieuw");
    const bool goed =
        !r && r.Nummer() == kFoutGeenToegang && r.Melding().find("(het bestand is alleen-lezen)") != std::string::npos;
    ::_exit(goed ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(kind, &status, 0), kind);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(LeesTekst(doel), "oud");
}

// Two processes saving one file at once, two hundred times each: every save
// reports success, and whoever looks finds one whole file, never a mix.
TEST(SchrijfVeilig, TweeProcessenTegelijk) {
  TijdelijkeMap map;
  const fs::path doel = map / "Wegdekken_2012.dat";
  const std::string a(3000, 'a'), b(5000, 'b');
  ASSERT_TRUE(SchrijfVeilig(doel, a));
  std::vector<pid_t> kinderen;
  for (const std::string* inhoud : {&a, &b}) {
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      int mislukt = 0;
      for (int i = 0; i < 200; ++i) mislukt += !SchrijfVeilig(doel, *inhoud);
      ::_exit(mislukt);
    }
    kinderen.push_back(kind);
  }
  int gescheurd = 0;
  for (int i = 0; i < 500; ++i) {
    const std::string gezien = LeesTekst(doel);
    gescheurd += gezien != a && gezien != b;
  }
  for (pid_t kind : kinderen) {
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  EXPECT_EQ(gescheurd, 0);
  EXPECT_EQ(AantalIn(map.Pad()), 1u);
}
#endif

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
  fs::create_symlink("lus", map / "lus");
  std::vector<Geval> gevallen = {
      {map / "weg.tvo", "Bestand niet gevonden", kFoutNietGevonden},
      {map.Pad(), "Dit is een map, geen bestand", kFoutBestandstoegang},
      {map / "lus", "Lezen mislukt (de symbolische koppelingen vormen een kring)", kFoutBestandstoegang}};
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
