// Road surfaces as a table: what is read, what is refused (naming line and
// column, changing nothing), what is written, and the catalogue file behind
// the command line's import.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "base/Tekst.h"
#include "data/Bronnen.h"
#include "files/CatalogusBestand.h"
#include "files/WegdekTabel.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;
using tarvo::test::LeesBytes;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;

namespace {

const std::string kKop = "omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\n";

std::string Weigeringsmelding(std::string_view tekst, char scheiding = ';', Kopregel kop = Kopregel::Verplicht) {
  const auto r = LeesWegdekTabel(tekst, scheiding, kop);
  return r ? "(accepted)" : r.Melding();
}

std::vector<IngelezenWegdek> Lees(std::string_view tekst, char scheiding = ';', Kopregel kop = Kopregel::Verplicht) {
  auto r = LeesWegdekTabel(tekst, scheiding, kop);
  EXPECT_TRUE(r) << r.Melding();
  return r ? *r : std::vector<IngelezenWegdek>{};
}

// Entries with numbers that need all their digits, one description with
// blanks in front and one with every kind of character the file can hold.
Catalogus Voorbeeld() {
  Catalogus c;
  c.AantalWegdekken = 3;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  c.Wegdekken[2].Omschrijving = VastBreed("  ZOAB; \"fijn\" é€", kOmschrijvingLengte);
  c.Wegdekken[3].Omschrijving = VastBreed(std::string(30, 'x'), kOmschrijvingLengte);
  const double getallen[] = {0.1, -1.0 / 3, 2.5e-7, -0.0, 99999, -99999, 1.0 / 7, 6.02, -4.4, 1e-300, 0, 3.25};
  for (int i = 0; i < 12; ++i) c.Wegdekken[static_cast<std::size_t>(2 + i / 6)].Coefficient(1 + i % 6) = getallen[i];
  c.Wegdekken[1].DL_lv = 0.5;
  return c;
}

}  // namespace

TEST(LeesWegdekTabel, LeestWatSpreadsheetsSchrijven) {
  const auto tabel = Lees(
      "\xEF\xBB\xBFOmschrijving;dl_LV; B_lv ;DL_mv;b_mv;DL_zv;b_zv\r\n"
      "\r\n"
      "Dunne deklaag A;-1,5;2.25;-0,8;1e-2;-0.5;+0\r\n"
      ";;;;;;\r\n"
      "\"Dicht; fijn \"\"B\"\"\";1;2;3;4;5;6\r\n"
      "  Caf\xC3\xA9 \xE2\x82\xAC  ;\"-1,25\"; 7 ;8;9;10;11");
  ASSERT_EQ(tabel.size(), 3u);
  EXPECT_EQ(tabel[0].regel, 3);
  EXPECT_EQ(tabel[0].omschrijving, "Dunne deklaag A");
  EXPECT_EQ(tabel[0].coefficienten, (WegdekCoefficienten{-1.5, 2.25, -0.8, 0.01, -0.5, 0}));
  EXPECT_EQ(tabel[1].regel, 5);
  EXPECT_EQ(tabel[1].omschrijving, "Dicht; fijn \"B\"");
  EXPECT_EQ(tabel[2].regel, 6);
  EXPECT_EQ(tabel[2].omschrijving, "  Caf\xC3\xA9 \xE2\x82\xAC") << "leading blanks stay, trailing ones are padding";
  EXPECT_EQ(tabel[2].coefficienten[0], -1.25);
  EXPECT_EQ(tabel[2].coefficienten[1], 7.0);

  // Just the header, or nothing at all: no surfaces, no failure.
  EXPECT_TRUE(Lees(kKop).empty());
  EXPECT_TRUE(Lees("").empty());
}

// Rows copied from a spreadsheet: tabs, the header row optional.
TEST(LeesWegdekTabel, GeplakteRijenMetOfZonderKop) {
  const std::string rijen = "Dunne deklaag A\t-1,5\t2,25\t-0,8\t1\t-0,5\t0\r\nDicht B\t1\t2\t3\t4\t5\t6\r\n";
  const auto zonder = Lees(rijen, '\t', Kopregel::Mogelijk);
  const auto met = Lees("omschrijving\tDL_lv\tb_lv\tDL_mv\tb_mv\tDL_zv\tb_zv\r\n" + rijen, '\t', Kopregel::Mogelijk);
  ASSERT_EQ(zonder.size(), 2u);
  ASSERT_EQ(met.size(), 2u);
  EXPECT_EQ(zonder[1].omschrijving, "Dicht B");
  EXPECT_EQ(met[0].coefficienten, zonder[0].coefficienten);
  EXPECT_EQ(met[0].regel, 2);
  // A header with a wrong name is still a header.
  EXPECT_EQ(Weigeringsmelding("omschrijving\tDL_lv\tb_lv\tDL_mv\tX\tDL_zv\tb_zv\n", '\t', Kopregel::Mogelijk),
            "Regel 1, kolom 5 (b_mv): 'X' in de kopregel, 'b_mv' verwacht; er is niets ingelezen.");
  // In a file the header is required.
  EXPECT_EQ(Weigeringsmelding("Dunne deklaag;1;2;3;4;5;6\n"),
            "Regel 1, kolom 1 (omschrijving): de kopregel omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv ontbreekt; er "
            "is niets ingelezen.");
}

namespace {

// Lines refused between two good ones (lines 2 and 4), with what is said of them.
std::vector<std::pair<std::string, std::string>> FouteRegels() {
  const std::string lang31 = std::string(31, 'x');
  return {
      {"Kort;1;2;3;4;5", "Regel 3, kolom 7 (b_zv): de regel telt 6 kolommen in plaats van 7"},
      {"Lang; fijn;1;2;3;4;5;6",
       "Regel 3, kolom 8: de regel telt 8 kolommen in plaats van 7 (een ';' in de omschrijving hoort tussen "
       "aanhalingstekens)"},
      {"X;1;2;abc;4;5;6", "Regel 3, kolom 4 (DL_mv): 'abc' is geen getal"},
      {"X;1;2;3;4;;6", "Regel 3, kolom 6 (DL_zv): geen getal ingevuld"},
      {"X;1;2;3;4;5;inf", "Regel 3, kolom 7 (b_zv): 'inf' is geen eindig getal"},
      {"X;1e999;2;3;4;5;6", "Regel 3, kolom 2 (DL_lv): '1e999' is geen eindig getal"},
      {"X;1;99999,01;3;4;5;6", "Regel 3, kolom 3 (b_lv): '99999,01' ligt buiten het bereik -99999 tot 99999"},
      {"X;1;2;-99999.5;4;5;6", "Regel 3, kolom 4 (DL_mv): '-99999.5' ligt buiten het bereik -99999 tot 99999"},
      {"   ;1;2;3;4;5;6", "Regel 3, kolom 1 (omschrijving): de omschrijving is leeg"},
      {lang31 + ";1;2;3;4;5;6",
       "Regel 3, kolom 1 (omschrijving): de omschrijving telt 31 tekens, er passen er 30 in het wegdekkenbestand"},
      {"Stra\xC3\x9F"
       "e \xC5\x91;1;2;3;4;5;6",
       "Regel 3, kolom 1 (omschrijving): het teken '\xC5\x91' past niet in het wegdekkenbestand (Windows-1252)"},
      {"Caf\xE9;1;2;3;4;5;6",
       "Regel 3, kolom 1 (omschrijving): de tekst is geen UTF-8 (bewaar het bestand als CSV UTF-8)"},
      {"Tab\there;1;2;3;4;5;6", "Regel 3, kolom 1 (omschrijving): de omschrijving bevat een stuurteken"},
      {"\"Open;1;2;3;4;5;6", "Regel 3, kolom 1 (omschrijving): het aanhalingsteken wordt niet gesloten"},
      {"X;\"1\"2;2;3;4;5;6", "Regel 3, kolom 2 (DL_lv): na het sluitende aanhalingsteken hoort een ';'"},
  };
}

std::string TussenGoedeRegels(const std::string& regel) {
  const std::string goed = "Goed;1;2;3;4;5;6\n";
  return kKop + goed + regel + "\n" + goed;
}

}  // namespace

// Every refusal names the line and the column of its first fault.
TEST(LeesWegdekTabel, WeigertDeHeleTabelMetRegelEnKolom) {
  for (const auto& [regel, melding] : FouteRegels()) {
    EXPECT_EQ(Weigeringsmelding(TussenGoedeRegels(regel)), melding + "; er is niets ingelezen.") << regel;
  }
  // The limits themselves are allowed: 30 characters of which one needs two bytes, ±99999.
  const auto grens = Lees(kKop + "\xC3\xA9" + std::string(29, 'x') + ";99999;-99999;0;0;0;0\n");
  ASSERT_EQ(grens.size(), 1u);
  EXPECT_EQ(grens[0].coefficienten[1], -99999.0);
  EXPECT_EQ(Weigeringsmelding("omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv\n"),
            "Regel 1, kolom 7 (b_zv): de kopregel telt 6 kolommen in plaats van 7; er is niets ingelezen.");
  // A long text is quoted short.
  EXPECT_EQ(Weigeringsmelding(kKop + "X;" + std::string(60, '7') + "x;2;3;4;5;6\n"),
            "Regel 2, kolom 2 (DL_lv): '" + std::string(40, '7') + "…' is geen getal; er is niets ingelezen.");
}

TEST(LeesWegdekTabel, HoogstensVijftigWegdekken) {
  std::string tekst = kKop;
  for (int i = 1; i <= kMaxWegdekken; ++i) tekst += "Wegdek " + std::to_string(i) + ";1;2;3;4;5;6\n";
  EXPECT_EQ(Lees(tekst).size(), static_cast<std::size_t>(kMaxWegdekken));
  EXPECT_EQ(Weigeringsmelding(tekst + "\nWegdek 51;1;2;3;4;5;6\n"),
            "Regel 53, kolom 1 (omschrijving): meer dan 50 wegdekken; er is niets ingelezen.");
}

// Every number comes back to the bit, every description to the byte, with
// either decimal separator.
TEST(SchrijfWegdekTabel, SchrijftWatHetzelfdeTerugLeest) {
  const Catalogus c = Voorbeeld();
  const std::string tekst = SchrijfWegdekTabel(c, ',');
  EXPECT_TRUE(tekst.starts_with("\xEF\xBB\xBFomschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\r\n")) << tekst;
  EXPECT_NE(tekst.find("\r\n\"  ZOAB; \"\"fijn\"\" é€\";0,1;-0,3333333333333333;2,5e-07;-0;99999;-99999\r\n"),
            std::string::npos)
      << tekst;
  EXPECT_NE(SchrijfWegdekTabel(c, '.').find(";0.14285714285714285;6.02;-4.4;1e-300;0;3.25\r\n"), std::string::npos);

  for (char decimaal : {',', '.'}) {
    const auto terug = Lees(SchrijfWegdekTabel(c, decimaal));
    ASSERT_EQ(terug.size(), 3u);
    for (std::size_t i = 0; i < terug.size(); ++i) {
      const Wegdek w = Wegdek::Van(terug[i]);
      const Wegdek& bron = c.Wegdekken[i + 1];
      EXPECT_EQ(w.Omschrijving, bron.Omschrijving);
      for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(w.Coefficient(k)), std::bit_cast<std::uint64_t>(bron.Coefficient(k)))
            << i << " " << k;
      }
    }
  }
}

class WegdekkenImport : public ::testing::Test {
 protected:
  TijdelijkeMap map;
  std::filesystem::path Csv() const { return map / "tabel.csv"; }
  std::filesystem::path Dat() const { return map / "Wegdekken_2012.dat"; }
};

// An import into an existing catalogue file keeps its entries exactly and
// the file's user names. (The shipped catalogue's round trip: tests/app.)
TEST_F(WegdekkenImport, HoudtDeGebruikersnamenVanHetBestand) {
  Catalogus rijk = Voorbeeld();
  Catalogus bestaand;
  bestaand.AantalWegdekken = 1;
  bestaand.Gebruikersnaam = VastBreed("Ir. J. de Vries", kNaamLengte);
  bestaand.GebruikersLabelnaam = VastBreed("Gemeente Zaltbommel", kNaamLengte);
  SchrijfBytes(Dat(), CodeerCatalogus(bestaand));
  ASSERT_TRUE(ExporteerWegdekken(rijk, Csv(), '.'));
  ASSERT_TRUE(ImporteerWegdekken(Csv(), Dat()));
  rijk.Gebruikersnaam = bestaand.Gebruikersnaam;
  rijk.GebruikersLabelnaam = bestaand.GebruikersLabelnaam;
  EXPECT_EQ(LeesBytes(Dat()), CodeerCatalogus(rijk));
}

// Whatever is wrong, the catalogue file stays as it was, byte for byte.
TEST_F(WegdekkenImport, WeigeringLaatHetWegdekbestandOngemoeid) {
  Catalogus c = Voorbeeld();
  c.Gebruikersnaam = VastBreed("Piet", kNaamLengte);
  const auto oud = CodeerCatalogus(c);
  SchrijfBytes(Dat(), oud);
  auto tabellen = std::vector<std::pair<std::string, std::string>>{
      {kKop, "Wegdekkentabel " + Csv().string() + " bevat geen wegdekken"},
      {"Dunne deklaag;1;2;3;4;5;6\n", "Regel 1, kolom 1 (omschrijving)"}};
  std::string vijftig = kKop;
  for (int i = 0; i <= kMaxWegdekken; ++i) vijftig += "Wegdek " + std::to_string(i) + ";1;2;3;4;5;6\n";
  tabellen.emplace_back(vijftig, "Regel 52, kolom 1 (omschrijving): meer dan 50 wegdekken");
  for (const auto& [regel, melding] : FouteRegels()) tabellen.emplace_back(TussenGoedeRegels(regel), melding);
  for (const auto& [tabel, melding] : tabellen) {
    SchrijfBytes(Csv(), tabel);
    const auto r = ImporteerWegdekken(Csv(), Dat());
    ASSERT_FALSE(r) << tabel;
    EXPECT_TRUE(r.Melding().starts_with(melding)) << r.Melding();
    EXPECT_EQ(LeesBytes(Dat()), oud) << tabel;
  }
  EXPECT_EQ(ImporteerWegdekken(map / "nergens.csv", Dat()).Nummer(), 53);
  EXPECT_FALSE(ImporteerWegdekken(map.Pad(), Dat())) << "a folder is no table";

  // A damaged catalogue file is not replaced: its user names could not be kept.
  SchrijfBytes(Csv(), kKop + "X;1;2;3;4;5;6\n");
  const std::vector<std::uint8_t> beschadigd(oud.begin(), oud.end() - 1);
  SchrijfBytes(Dat(), beschadigd);
  EXPECT_FALSE(ImporteerWegdekken(Csv(), Dat()));
  EXPECT_EQ(LeesBytes(Dat()), beschadigd);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(map.Pad()), {}), 2) << "nothing left beside them";
}

// The build counts the shipped table for the editor's protection.
TEST(MeegeleverdeWegdekken, GeteldUitDeMeegeleverdeTabel) {
  std::ifstream tabel(std::filesystem::path(TARVO_SOURCE_DIR) / "data" / "wegdekken.tsv");
  const auto geleverd = CatalogusUitTabel(tabel);
  ASSERT_TRUE(geleverd) << geleverd.Melding();
  EXPECT_EQ(geleverd->AantalWegdekken, kAantalMeegeleverd);
}
