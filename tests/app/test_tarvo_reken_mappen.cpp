// Which catalogue tarvo-reken takes when none is named, as a user's shell
// would start it from different folders.
#include <gtest/gtest.h>

#include <string>

#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"
#include "tests/app/Opdrachtregel.h"

using namespace tarvo;
using Mappen = test::OpdrachtregelMap;

// Without --wegdekken and without a catalogue in the current folder, the
// user's own catalogue counts, as in the window program started there.
TEST_F(Mappen, ZonderWegdekkenHierTellenDieVanDeGebruiker) {
  const auto Draai = [&](const std::string& args, const char* submap, const std::string& omgeving) {
    return test::DraaiTarvoReken(map / submap, args, omgeving);
  };
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
  const test::Uitvoer u = Draai("blad.tvo --datum 2018-06-30", "elders", thuis);
  ASSERT_EQ(u.status, 0) << u.fout;
  EXPECT_NE(u.uit.find("Eigen wegdek van de gebruiker"), std::string::npos) << u.uit;

  // One named on the command line is never replaced (the order itself: tests/files).
  EXPECT_EQ(Draai("blad.tvo --wegdekken nergens.dat", "elders", thuis).status, 1);

  const test::Uitvoer help = Draai("--help", "elders", thuis);
  EXPECT_NE(help.uit.find("Wegdekken_2012.dat in de huidige map\n                        " +
                          (map / "thuis/tarvo/Wegdekken_2012.dat").string() + "\n"),
            std::string::npos)
      << help.uit;
}
