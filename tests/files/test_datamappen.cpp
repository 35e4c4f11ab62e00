#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>

#include "files/DataMappen.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;
using tarvo::test::LeesTekst;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;
namespace fs = std::filesystem;

namespace {

// A current folder, a user folder not made yet and two shipped folders, of
// which only the second holds data. Every file has contents of its own, so
// a copy shows where it came from.
class DataMap : public ::testing::Test {
 protected:
  TijdelijkeMap tmp;
  DataMappen mappen;
  void SetUp() override {
    mappen.huidig = tmp / "werk";
    mappen.gebruiker = tmp / "thuis" / ".local" / "share" / "tarvo";
    mappen.gedeeld = {tmp / "usr" / "bin" / ".." / "share" / "leeg", tmp / "usr" / "share" / "tarvo"};
    for (const fs::path& map : {mappen.huidig, mappen.gedeeld[0], mappen.gedeeld[1]}) fs::create_directories(map);
    Schrijf(mappen.gedeeld[1] / "Wegdekken_2012.dat", "gedeelde catalogus");
    Schrijf(mappen.gedeeld[1] / "levering.txt", "levering");
  }
  static void Schrijf(const fs::path& pad, const std::string& tekst) { SchrijfBytes(pad, tekst); }
};

}  // namespace

TEST_F(DataMap, HuidigeMapMetEigenWegdekkenBlijftDeDatamap) {
  Schrijf(mappen.huidig / "Wegdekken_2012.dat", "eigen catalogus");
  EXPECT_EQ(KiesDataMap(mappen), mappen.huidig);
  EXPECT_FALSE(fs::exists(mappen.gebruiker));
}

// First start: the user's folder is made from the shipped files, which stay
// as they were; the copy can be written even when the shipped file cannot.
TEST_F(DataMap, EersteStartKopieertDeMeegeleverdeBestanden) {
  fs::permissions(mappen.gedeeld[1] / "Wegdekken_2012.dat", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(KiesDataMap(mappen), mappen.gebruiker);
  EXPECT_EQ(LeesTekst(mappen.gebruiker / "Wegdekken_2012.dat"), "gedeelde catalogus");
  EXPECT_EQ(LeesTekst(mappen.gebruiker / "levering.txt"), "levering");
  EXPECT_NE(fs::status(mappen.gebruiker / "Wegdekken_2012.dat").permissions() & fs::perms::owner_write,
            fs::perms::none);
  EXPECT_EQ(std::distance(fs::directory_iterator(mappen.gebruiker), fs::directory_iterator()), 2);  // no leftovers
  EXPECT_EQ(LeesTekst(mappen.gedeeld[1] / "Wegdekken_2012.dat"), "gedeelde catalogus");
}

// Later starts keep the user's changes; only what went missing comes back.
TEST_F(DataMap, LatereStartsHoudenDeWegdekkenVanDeGebruiker) {
  ASSERT_EQ(KiesDataMap(mappen), mappen.gebruiker);
  Schrijf(mappen.gebruiker / "Wegdekken_2012.dat", "catalogus met eigen wegdekken");
  fs::remove(mappen.gebruiker / "levering.txt");
  Schrijf(mappen.gedeeld[1] / "Wegdekken_2012.dat", "nieuwere gedeelde catalogus");
  EXPECT_EQ(KiesDataMap(mappen), mappen.gebruiker);
  EXPECT_EQ(LeesTekst(mappen.gebruiker / "Wegdekken_2012.dat"), "catalogus met eigen wegdekken");
  EXPECT_EQ(LeesTekst(mappen.gebruiker / "levering.txt"), "levering");
}

// Started inside the shipped folder, the program must not write there.
TEST_F(DataMap, MeegeleverdeMapIsNooitDeDatamap) {
  mappen.huidig = mappen.gedeeld[1];
  EXPECT_EQ(KiesDataMap(mappen), mappen.gebruiker);
}

// Without a catalogue anywhere, or without a usable user folder, the current
// folder comes back and start-up asks where the catalogue is.
TEST_F(DataMap, ZonderWegdekkenKomtDeHuidigeMapTerug) {
  DataMappen zonderGedeeld = mappen;
  zonderGedeeld.gedeeld.pop_back();
  EXPECT_EQ(KiesDataMap(zonderGedeeld), mappen.huidig);
  EXPECT_FALSE(fs::exists(mappen.gebruiker));

  DataMappen zonderThuis = mappen;
  zonderThuis.gebruiker.clear();
  EXPECT_EQ(KiesDataMap(zonderThuis), mappen.huidig);

  DataMappen onschrijfbaar = mappen;
  Schrijf(tmp / "bestand", "geen map");
  onschrijfbaar.gebruiker = tmp / "bestand" / "tarvo";
  EXPECT_EQ(KiesDataMap(onschrijfbaar), mappen.huidig);
}

// The command line reads the first catalogue that exists and copies nothing.
TEST_F(DataMap, OpdrachtregelNeemtDeEersteBestaandeWegdekken) {
  EXPECT_EQ(StandaardCatalogus(mappen), mappen.gedeeld[1] / "Wegdekken_2012.dat");
  EXPECT_FALSE(fs::exists(mappen.gebruiker));

  fs::create_directories(mappen.gebruiker);
  Schrijf(mappen.gebruiker / "Wegdekken_2012.dat", "van de gebruiker");
  EXPECT_EQ(StandaardCatalogus(mappen), mappen.gebruiker / "Wegdekken_2012.dat");

  Schrijf(mappen.huidig / "Wegdekken_2012.dat", "hier");
  EXPECT_EQ(LeesTekst(StandaardCatalogus(mappen)), "hier");

  // None at all: the plain name, so that the refusal names the current folder's file.
  const DataMappen niets{tmp / "leeg", {}, {}};
  EXPECT_EQ(StandaardCatalogus(niets), fs::path("Wegdekken_2012.dat"));
}

// The help text names each place once, in the order they are tried.
TEST_F(DataMap, ZoekvolgordeNoemtElkePlekEenKeer) {
  mappen.gedeeld.push_back(tmp / "usr" / "share" / "tarvo");
  const auto regels = CatalogusZoekvolgorde(mappen);
  ASSERT_EQ(regels.size(), 4u);
  EXPECT_EQ(regels[0], "Wegdekken_2012.dat in de huidige map");
  EXPECT_EQ(regels[1], (mappen.gebruiker / "Wegdekken_2012.dat").string());
  EXPECT_EQ(regels[2], (tmp / "usr" / "share" / "leeg" / "Wegdekken_2012.dat").string());
  EXPECT_EQ(regels[3], (mappen.gedeeld[1] / "Wegdekken_2012.dat").string());
}
