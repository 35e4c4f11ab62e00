#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/Tekst.h"
#include "catalogue/CatalogusBestand.h"
#include "data/Bronnen.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;
using tarvo::test::LeesBytes;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;
using Bytes = std::vector<std::uint8_t>;

namespace {

void Int16(Bytes& b, std::int16_t v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Double(Bytes& b, double v) {
  std::uint8_t raw[8];
  std::memcpy(raw, &v, 8);
  b.insert(b.end(), raw, raw + 8);
}
void Tekst(Bytes& b, const std::string& s, std::size_t n) {
  b.insert(b.end(), s.begin(), s.end());
  b.insert(b.end(), n - s.size(), ' ');
}
std::string Reeks(int van, int tot) {
  std::string s;
  for (int c = van; c <= tot; ++c) s.push_back(static_cast<char>(c));
  return s;
}

// Three records that between them use every byte 0x80..0xFF, and padding
// blanks in a description and a name.
Bytes VoorbeeldBestand() {
  Bytes b;
  Int16(b, 3);
  Tekst(b, Reeks(0x80, 0x9D), 30);
  for (double v : {1.5, -0.25, 2.0, 3.0, 4.0, 5.0}) Double(b, v);
  Tekst(b, Reeks(0x9E, 0xBB), 30);
  for (double v : {-1.0, 0.0, 1e-300, -0.0, 6.0, 7.0}) Double(b, v);
  Tekst(b, "dicht asfaltbeton", 30);
  for (double v : {0.0, 0.0, 0.0, 0.0, 0.0, 0.0}) Double(b, v);
  Tekst(b, Reeks(0xBC, 0xE3), 40);
  Tekst(b, Reeks(0xE4, 0xFF), 40);
  return b;
}

std::filesystem::path CatalogusIn(const TijdelijkeMap& map) { return map / "Wegdekken_2012.dat"; }

}  // namespace

TEST(CatalogusBestand, DecodesTheLayoutAndEncodesTheSameBytes) {
  const Bytes b = VoorbeeldBestand();
  ASSERT_EQ(b.size(), 82u + 78u * 3u);
  const auto c = DecodeerCatalogus(b);
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(c->AantalWegdekken, 3);
  EXPECT_TRUE(c->Wegdekken[1].Omschrijving.starts_with("\xE2\x82\xAC"));  // 0x80 is the euro sign
  EXPECT_EQ(c->Wegdekken[3].Omschrijving, "dicht asfaltbeton" + std::string(13, ' '));
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(AantalTekens(c->Wegdekken[static_cast<std::size_t>(i)].Omschrijving), 30u);
  EXPECT_EQ(c->Wegdekken[1].DL_lv, 1.5);
  EXPECT_EQ(c->Wegdekken[1].b_lv, -0.25);
  EXPECT_EQ(c->Wegdekken[1].b_zv, 5.0);
  EXPECT_EQ(c->Wegdekken[2].DL_mv, 1e-300);
  EXPECT_EQ(c->Wegdekken[2].DL_zv, 6.0);
  EXPECT_EQ(AantalTekens(c->Gebruikersnaam), 40u);
  EXPECT_TRUE(c->GebruikersLabelnaam.ends_with(std::string(12, ' ')));
  EXPECT_EQ(CodeerCatalogus(*c), b);

  // Bytes behind the catalogue are no part of it.
  Bytes langer = b;
  langer.insert(langer.end(), {1, 2, 3});
  EXPECT_EQ(CodeerCatalogus(DecodeerCatalogus(langer).value()), b);
}

TEST(CatalogusBestand, LoadThenSaveGivesTheSameFile) {
  TijdelijkeMap map;
  const Bytes b = VoorbeeldBestand();
  SchrijfBytes(CatalogusIn(map), b);
  Catalogus c;
  std::string melding;
  ASSERT_EQ(LaadWegdekken(map.Pad(), c, melding), LaadUitkomst::Geladen) << melding;
  ASSERT_EQ(BewaarWegdekken(map.Pad(), c, melding), BewaarUitkomst::Bewaard) << melding;
  EXPECT_EQ(LeesBytes(CatalogusIn(map)), b);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(map.Pad()), {}), 1) << "no file left beside it";

  // A longer description is cut, a shorter one padded; one byte per character.
  c.Wegdekken[1].Omschrijving = std::string(35, 'x');
  c.Wegdekken[2].Omschrijving = "caf\xC3\xA9";
  ASSERT_EQ(BewaarWegdekken(map.Pad(), c, melding), BewaarUitkomst::Bewaard);
  const Bytes nieuw = LeesBytes(CatalogusIn(map));
  ASSERT_EQ(nieuw.size(), b.size());
  EXPECT_EQ(std::string(nieuw.begin() + 2, nieuw.begin() + 32), std::string(30, 'x'));
  EXPECT_EQ(nieuw[32], b[32]) << "the coefficients follow at once";
  EXPECT_EQ(std::string(nieuw.begin() + 80, nieuw.begin() + 110), "caf\xE9" + std::string(26, ' '));
}

TEST(CatalogusBestand, EmptyCatalogueLoadsButIsNeverWritten) {
  TijdelijkeMap map;
  Bytes b;
  Int16(b, 0);
  Tekst(b, "Jan", 40);
  Tekst(b, "Gemeente", 40);
  SchrijfBytes(CatalogusIn(map), b);
  Catalogus c;
  std::string melding;
  ASSERT_EQ(LaadWegdekken(map.Pad(), c, melding), LaadUitkomst::Geladen);
  EXPECT_EQ(c.AantalWegdekken, 0);
  EXPECT_EQ(c.Gebruikersnaam, "Jan" + std::string(37, ' '));
  EXPECT_TRUE(VulLijst(c).empty());
  c.Gebruikersnaam = "Piet";
  EXPECT_EQ(BewaarWegdekken(map.Pad(), c, melding), BewaarUitkomst::NietsTeBewaren);
  EXPECT_EQ(LeesBytes(CatalogusIn(map)), b);
}

TEST(CatalogusBestand, DamagedFilesAreRefusedAndNeverWrittenOver) {
  const Bytes goed = VoorbeeldBestand();
  Bytes min1 = goed, boven50 = goed, eenRecordTeWeinig = goed;
  min1[0] = 0xFF;
  min1[1] = 0xFF;
  boven50[0] = 51;
  eenRecordTeWeinig[0] = 4;
  Bytes eenByteTeKort(goed.begin(), goed.end() - 1);
  for (const Bytes& b : {min1, boven50, eenRecordTeWeinig, eenByteTeKort, Bytes{3}, Bytes{}}) {
    EXPECT_FALSE(DecodeerCatalogus(b).has_value());
    TijdelijkeMap map;
    SchrijfBytes(CatalogusIn(map), b);
    Catalogus c;
    c.AantalWegdekken = 9;
    std::string melding;
    EXPECT_EQ(LaadWegdekken(map.Pad(), c, melding), LaadUitkomst::Beschadigd);
    EXPECT_NE(melding.find("Wegdekken_2012.dat"), std::string::npos) << melding;
    EXPECT_EQ(c.AantalWegdekken, 0);
    EXPECT_FALSE(c.Bewaarbaar);
    // Even after the editor added an entry, the refused file stays as it is.
    c.AantalWegdekken = 1;
    EXPECT_EQ(BewaarWegdekken(map.Pad(), c, melding), BewaarUitkomst::NietsTeBewaren);
    EXPECT_EQ(LeesBytes(CatalogusIn(map)), b);
  }
  TijdelijkeMap leeg;
  Catalogus c;
  std::string melding;
  EXPECT_EQ(LaadWegdekken(leeg.Pad(), c, melding), LaadUitkomst::NietGevonden);
}

TEST(CatalogusBestand, FailedSaveKeepsTheOldFile) {
  const Bytes oud = VoorbeeldBestand();
  Catalogus c = DecodeerCatalogus(oud).value();
  c.Wegdekken[1].DL_lv = 9;
  std::string melding;

  // The new file cannot be written.
  TijdelijkeMap map;
  SchrijfBytes(CatalogusIn(map), oud);
  std::filesystem::create_directory(map / "Wegdekken_2012.dat.nieuw");
  std::ofstream(map / "Wegdekken_2012.dat.nieuw" / "bezet") << "x";
  EXPECT_EQ(BewaarWegdekken(map.Pad(), c, melding), BewaarUitkomst::Mislukt);
  EXPECT_NE(melding.find("Wegdekken_2012.dat"), std::string::npos) << melding;
  EXPECT_EQ(LeesBytes(CatalogusIn(map)), oud);

  // The new file cannot take the old one's place.
  TijdelijkeMap map2;
  std::filesystem::create_directory(CatalogusIn(map2));
  std::ofstream(CatalogusIn(map2) / "inhoud") << "x";
  melding.clear();
  EXPECT_EQ(BewaarWegdekken(map2.Pad(), c, melding), BewaarUitkomst::Mislukt);
  EXPECT_FALSE(melding.empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(CatalogusIn(map2) / "inhoud"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(map2.Pad()), {}), 1) << "no file left beside it";
}

TEST(CatalogusBestand, ReadOnlyFolderKeepsTheOldFile) {
  TijdelijkeMap map;
  const Bytes oud = VoorbeeldBestand();
  SchrijfBytes(CatalogusIn(map), oud);
  std::filesystem::permissions(map.Pad(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (std::ofstream(map / "proef")) GTEST_SKIP() << "the folder stays writable for this user";
  Catalogus c = DecodeerCatalogus(oud).value();
  c.Wegdekken[1].DL_lv = 9;
  std::string melding;
  EXPECT_EQ(BewaarWegdekken(map.Pad(), c, melding), BewaarUitkomst::Mislukt);
  EXPECT_EQ(LeesBytes(CatalogusIn(map)), oud);
}

TEST(CatalogusLijst, ItemsAreFortyCharactersAndTheChoiceFallsBackToTheFirst) {
  Catalogus c = DecodeerCatalogus(VoorbeeldBestand()).value();
  const auto items = VulLijst(c);
  ASSERT_EQ(items.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(AantalTekens(items[i]), 40u);
    EXPECT_EQ(items[i], c.WegdekNamen[i + 1]);
  }
  EXPECT_EQ(items[2], "dicht asfaltbeton" + std::string(23, ' '));
  EXPECT_EQ(LijstIndexVoor(c, 1), 0);
  EXPECT_EQ(LijstIndexVoor(c, 3), 2);
  for (int buiten : {0, 4, -1, 50}) EXPECT_EQ(LijstIndexVoor(c, buiten), 0) << buiten;
}

TEST(GeleverdeCatalogus, IsWhatTheGeneratorMakesOfTheTable) {
  const std::filesystem::path data = std::filesystem::path(TARVO_SOURCE_DIR) / "data";
  std::ifstream tabel(data / "wegdekken.tsv");
  ASSERT_TRUE(tabel) << "data/wegdekken.tsv";
  std::string fout;
  const auto uitTabel = CatalogusUitTabel(tabel, fout);
  ASSERT_TRUE(uitTabel.has_value()) << fout;
  const Bytes geleverd = LeesBytes(data / "Wegdekken_2012.dat");
  EXPECT_EQ(CodeerCatalogus(*uitTabel), geleverd) << "regenerate data/Wegdekken_2012.dat with maak_catalogus";

  const auto c = DecodeerCatalogus(geleverd);
  ASSERT_TRUE(c.has_value());
  ASSERT_EQ(c->AantalWegdekken, 1);
  EXPECT_EQ(TrimRechts(c->Wegdekken[1].Omschrijving), "referentiewegdek (DAB)");
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(c->Wegdekken[1].Coefficient(k), 0.0);
  EXPECT_EQ(c->Gebruikersnaam, std::string(40, ' '));
  EXPECT_EQ(c->GebruikersLabelnaam, std::string(40, ' '));
}
