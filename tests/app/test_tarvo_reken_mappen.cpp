// Which catalogue tarvo-reken takes when none is named, as a user's shell
// would start it from different folders.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

struct Uitvoer {
  int status = -1;
  std::string uit, fout;
};

class Mappen : public ::testing::Test {
 protected:
  TijdelijkeMap map;
  std::string Lees(const std::string& naam) const {
    const auto b = test::LeesBytes(map / naam);
    return {b.begin(), b.end()};
  }
  // `omgeving`: variables for the program, as the shell's NAME=value words.
  Uitvoer Draai(const std::string& args, const std::string& submap, const std::string& omgeving) {
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

// Without --wegdekken and without a catalogue in the current folder, the
// user's own catalogue counts, as in the window program started there.
TEST_F(Mappen, WithoutACatalogueHereTheUsersOwnIsUsed) {
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
