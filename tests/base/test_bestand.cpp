#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
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

#ifndef _WIN32
// How a child process ended: its exit code, or minus the signal that ended it.
int Einde(pid_t kind) {
  int status = 0;
  if (::waitpid(kind, &status, 0) != kind) return 1000;
  return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

bool Standaard(int signaal) {
  struct sigaction actie {};
  return ::sigaction(signaal, nullptr, &actie) == 0 && actie.sa_handler == SIG_DFL;
}
#endif

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
  // Every bit of the mode goes along, the set-id and sticky bits too.
  using P = fs::perms;
  for (const P modus : {P::owner_read | P::owner_write | P::set_gid, P::owner_all | P::others_read | P::sticky_bit,
                        P::owner_read | P::owner_write | P::group_all | P::set_uid}) {
    fs::permissions(doel, modus);
    ASSERT_TRUE(SchrijfVeilig(doel, "met modus"));
    EXPECT_EQ(fs::status(doel).permissions(), modus);
  }
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
  // An ACL granting user 1234 reading, as the system stores it: version 2, then
  // tag, permissions and id of each entry (owner, user 1234, group, mask, others).
  const std::string acl(
      "\x02\0\0\0"
      "\x01\0\x06\0\xff\xff\xff\xff"
      "\x02\0\x04\0\xd2\x04\0\0"
      "\x04\0\x04\0\xff\xff\xff\xff"
      "\x10\0\x04\0\xff\xff\xff\xff"
      "\x20\0\x04\0\xff\xff\xff\xff",
      44);
  for (const auto& [kenmerk, waarde] : {std::pair<std::string, std::string>{"user.tarvo", "ja"},
                                        std::pair<std::string, std::string>{"system.posix_acl_access", acl}}) {
    if (::setxattr(doel.c_str(), kenmerk.c_str(), waarde.data(), waarde.size(), 0) != 0) continue;
    ASSERT_TRUE(SchrijfVeilig(doel, "weer nieuw"));
    std::string gelezen(64, '\0');
    gelezen.resize(static_cast<std::size_t>(
        std::max<ssize_t>(0, ::getxattr(doel.c_str(), kenmerk.c_str(), gelezen.data(), gelezen.size()))));
    EXPECT_EQ(gelezen, waarde) << kenmerk;
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

#ifndef _WIN32
// A signal during a save, sent while the saving process stands still at one
// of its steps: the old file stays whole and alone, whether the new one was
// written without a name or under one, and the process ends as the signal
// asks. SIGKILL leaves nothing while the new file has no name. A program's
// own handler is left alone (the save then finishes), and afterwards every
// signal has the action it had.
TEST(SchrijfVeilig, SignaalTijdensHetOpslaanLaatNietsAchter) {
  using Stap = Schrijfwijze::Stap;
  struct Geval {
    int signaal;
    Stap stap;
    bool naamloos;
    bool eigenHandler;
  };
  const Geval gevallen[] = {{SIGINT, Stap::Geschreven, true, false},  {SIGTERM, Stap::Geschreven, false, false},
                            {SIGHUP, Stap::Benoemd, true, false},     {SIGINT, Stap::Benoemd, false, false},
                            {SIGKILL, Stap::Geschreven, true, false}, {SIGTERM, Stap::Benoemd, true, true}};
  for (const Geval& g : gevallen) {
    TijdelijkeMap map;
    const fs::path doel = map / "t.csv";
    ASSERT_TRUE(SchrijfVeilig(doel, "oud"));
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      if (g.eigenHandler) std::signal(g.signaal, [](int) {});
      Schrijfwijze wijze;
      wijze.naamloosSchrijven = g.naamloos;
      wijze.bijStap = [&](Stap stap) {
        if (stap == g.stap) ::raise(SIGSTOP);
      };
      const bool gelukt = static_cast<bool>(SchrijfVeilig(doel, "nieuw", wijze));
      ::_exit(gelukt && Standaard(SIGINT) && Standaard(SIGHUP) && !Standaard(g.signaal) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, WUNTRACED), kind);
    ASSERT_TRUE(WIFSTOPPED(status)) << status;
    ::kill(kind, g.signaal);
    ::kill(kind, SIGCONT);
    EXPECT_EQ(Einde(kind), g.eigenHandler ? 0 : -g.signaal) << g.signaal;
    EXPECT_EQ(LeesTekst(doel), g.eigenHandler ? "nieuw" : "oud") << g.signaal;
    EXPECT_EQ(AantalIn(map.Pad()), 1u) << g.signaal;
  }
}

// Saves into one folder take turns, but nobody waits for ever: a save says
// once that it waits, goes on as soon as the other one is done, and gives up
// when its waiting time is over, leaving the old file whole and nothing
// beside it. Without another save nothing is said.
TEST(SchrijfVeilig, WachtBegrensdOpEenAndereOpslag) {
  for (const bool naamloos : {true, false}) {
    TijdelijkeMap map;
    const fs::path doel = map / "t.csv";
    ASSERT_TRUE(SchrijfVeilig(doel, "oud"));
    int ander = ::open(map.Pad().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(ander, LOCK_EX), 0);
    std::vector<std::string> regels;
    Schrijfwijze wijze;
    wijze.naamloosSchrijven = naamloos;
    wijze.wachttijd = std::chrono::milliseconds(20);
    wijze.bijWachten = [&](const std::string& regel) { regels.push_back(regel); };
    const auto r = SchrijfVeilig(doel, "nieuw", wijze);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Melding(), "Bestand " + doel.string() +
                               " kon niet worden geschreven (een andere opslag in dezelfde map bleef te lang bezig); "
                               "het oude bestand is bewaard gebleven");
    EXPECT_EQ(r.Nummer(), kFoutBestandstoegang);
    EXPECT_EQ(LeesTekst(doel), "oud");
    EXPECT_EQ(AantalIn(map.Pad()), 1u);

    wijze.wachttijd = std::chrono::seconds(10);
    wijze.bijWachten = [&](const std::string& regel) {
      regels.push_back(regel);
      ::close(ander);  // the other save is done
    };
    ASSERT_TRUE(SchrijfVeilig(doel, "nieuw", wijze));
    EXPECT_EQ(LeesTekst(doel), "nieuw");
    ASSERT_TRUE(SchrijfVeilig(doel, "zonder wachten", wijze));
    const std::string wacht = "Wacht tot een andere opslag in de map van " + doel.string() + " klaar is.";
    EXPECT_EQ(regels, (std::vector<std::string>{wacht, wacht}));
    EXPECT_EQ(AantalIn(map.Pad()), 1u);
  }
}

// A name or path the system accepts is never too long for the save: a name
// of 255 bytes, a path of 4,095, with or without a name while writing; a
// name of 256 is the system's refusal.
TEST(SchrijfVeilig, LangeNamenEnPaden) {
  TijdelijkeMap map;
  fs::path diep = map.Pad();
  while (4095 - diep.string().size() - 1 > 255) diep /= std::string(200, 'm');
  fs::create_directories(diep);
  const fs::path langstePad = diep / std::string(4095 - diep.string().size() - 1, 'p');
  ASSERT_EQ(langstePad.string().size(), 4095u);
  for (const bool naamloos : {true, false}) {
    Schrijfwijze wijze;
    wijze.naamloosSchrijven = naamloos;
    for (const fs::path& pad : {map / std::string(255, 'n'), langstePad}) {
      ASSERT_TRUE(SchrijfVeilig(pad, "nieuw", wijze)) << naamloos << " " << pad.filename().string().size();
      ASSERT_TRUE(SchrijfVeilig(pad, "vervangen", wijze)) << naamloos;
      EXPECT_EQ(AantalIn(pad.parent_path()), pad == langstePad ? 1u : 2u);
      fs::remove(pad);
    }
    const fs::path teLang = map / std::string(256, 'n');
    const auto r = SchrijfVeilig(teLang, "x", wijze);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Melding(), "Bestand " + teLang.string() + " kon niet worden geschreven (de naam is te lang)");
  }
}

// Links are followed as the system follows them, to the end of a chain and
// to a file not made yet; in a folder everyone may write but only owners
// may delete from, only a link of the user or of the folder's owner is
// followed, as the system's protected-links rule has it. Root sets the owners.
TEST(SchrijfVeilig, KoppelingenInEenGedeeldeMap) {
  TijdelijkeMap map;
  fs::create_symlink("b.csv", map / "a.csv");
  fs::create_symlink("c.tvo", map / "b.csv");
  const auto keten = Bestemming(map / "a.csv");
  ASSERT_TRUE(keten);
  EXPECT_EQ(*keten, map / "c.tvo");
  if (::geteuid() != 0) GTEST_SKIP() << "alleen als root";
  struct Geval {
    mode_t modus;
    uid_t mapEigenaar, koppelingEigenaar;
    bool gevolgd;
  };
  const Geval gevallen[] = {{01777, 0, 65534, false},
                            {01777, 0, 0, true},
                            {01777, 65534, 65534, true},
                            {00777, 0, 65534, true},
                            {01775, 0, 65534, true}};
  for (const Geval& g : gevallen) {
    const fs::path gedeeld = map / "gedeeld", koppeling = gedeeld / "export.csv";
    fs::remove_all(gedeeld);
    fs::create_directory(gedeeld);
    test::SchrijfBytes(map / "geheim.txt", std::string("geheim"));
    fs::create_symlink(map / "geheim.txt", koppeling);
    ASSERT_EQ(::chown(gedeeld.c_str(), g.mapEigenaar, g.mapEigenaar), 0);
    ASSERT_EQ(::chmod(gedeeld.c_str(), g.modus), 0);
    ASSERT_EQ(::lchown(koppeling.c_str(), g.koppelingEigenaar, g.koppelingEigenaar), 0);
    const auto r = SchrijfVeilig(koppeling, "nieuw");
    EXPECT_EQ(static_cast<bool>(r), g.gevolgd) << g.modus;
    EXPECT_EQ(static_cast<bool>(Bestemming(koppeling)), g.gevolgd) << g.modus;
    EXPECT_EQ(LeesTekst(map / "geheim.txt"), g.gevolgd ? "nieuw" : "geheim") << g.modus;
    if (g.gevolgd) continue;
    EXPECT_EQ(r.Melding(), "Bestand " + koppeling.string() + " kon niet worden geschreven (de koppeling " +
                               koppeling.string() +
                               " staat in een gedeelde map en is van een andere gebruiker; ze wordt niet gevolgd)");
    EXPECT_EQ(r.Nummer(), kFoutGeenToegang);
  }
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
