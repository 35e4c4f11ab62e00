#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "base/Tekst.h"
#include "data/Bronnen.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;
using tarvo::test::LeesBytes;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::string Reeks(int van, int tot) {
  std::string s;
  for (int c = van; c <= tot; ++c) s.push_back(static_cast<char>(c));
  return s;
}

// The count, then per record a 30-byte description and six doubles, then the
// two 40-byte names, which hold the bytes 0xBC..0xFF.
Bytes Bestand(std::int16_t aantal, const std::vector<std::pair<std::string, std::array<double, 6>>>& records) {
  Bytes b(2);
  std::memcpy(b.data(), &aantal, 2);
  const auto tekst = [&](const std::string& s, std::size_t n) {
    b.insert(b.end(), s.begin(), s.end());
    b.insert(b.end(), n - s.size(), ' ');
  };
  for (const auto& [omschrijving, getallen] : records) {
    tekst(omschrijving, 30);
    const auto* p = reinterpret_cast<const std::uint8_t*>(getallen.data());
    b.insert(b.end(), p, p + 48);
  }
  tekst(Reeks(0xBC, 0xE3), 40);
  tekst(Reeks(0xE4, 0xFF), 40);
  return b;
}

// Three records whose descriptions hold 0x80..0xBB, one padded with blanks.
Bytes VoorbeeldBestand() {
  return Bestand(3, {{Reeks(0x80, 0x9D), {1.5, -0.25, 2.0, 3.0, 4.0, 5.0}},
                     {Reeks(0x9E, 0xBB), {-1.0, 0.0, 1e-300, -0.0, 6.0, 7.0}},
                     {"dicht asfaltbeton", {}}});
}

class CatalogusBestand : public ::testing::Test {
 protected:
  std::filesystem::path Pad() const { return map / "Wegdekken_2012.dat"; }
  Uitkomst<void> Laad(const Bytes& b) {
    SchrijfBytes(Pad(), b);
    return LaadWegdekken(map.Pad(), c);
  }
  // Written, nothing to write, or failed with its message.
  enum class Bewaard { Ja, Niets, Mislukt };
  Bewaard Bewaar() {
    const Uitkomst<bool> r = BewaarWegdekken(map.Pad(), c);
    melding = r ? "" : r.Melding();
    return !r ? Bewaard::Mislukt : *r ? Bewaard::Ja : Bewaard::Niets;
  }

  TijdelijkeMap map;
  Catalogus c;
  std::string melding;
};

}  // namespace

TEST_F(CatalogusBestand, GeladenLijstToontZijnWegdekkenEnBewaartDezelfdeBytes) {
  const Bytes b = VoorbeeldBestand();
  const auto geladen = Laad(b);
  ASSERT_TRUE(geladen) << geladen.Melding();
  ASSERT_EQ(c.AantalWegdekken, 3);
  EXPECT_TRUE(c.Wegdekken[1].Omschrijving.starts_with("\xE2\x82\xAC"));  // 0x80 is the euro sign
  EXPECT_TRUE(c.Wegdekken[1].DL_lv == 1.5 && c.Wegdekken[1].b_zv == 5.0);
  // The list pads by characters, not bytes, and shows the first item for a choice it does not hold.
  EXPECT_EQ(AantalTekens(VulLijst(c)[0]), 40u);
  EXPECT_EQ(LijstIndexVoor(c, 3), 2);
  for (int buiten : {0, 4, -1}) EXPECT_EQ(LijstIndexVoor(c, buiten), 0) << buiten;
  ASSERT_EQ(Bewaar(), Bewaard::Ja) << melding;
  EXPECT_EQ(LeesBytes(Pad()), b);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(map.Pad()), {}), 1) << "no file left beside it";
}

// The file on disk stays as it is when the catalogue is empty or came from
// a refused file.
TEST_F(CatalogusBestand, OudBestandBlijftBijLeegBeschadigdOfOnschrijfbaar) {
  const Bytes leeg = Bestand(0, {});
  ASSERT_TRUE(Laad(leeg));
  c.Gebruikersnaam = "Piet";  // a changed name alone is no reason to write
  EXPECT_EQ(Bewaar(), Bewaard::Niets);
  EXPECT_EQ(LeesBytes(Pad()), leeg);

  const Bytes goed = VoorbeeldBestand();
  Bytes min1 = goed, boven50 = goed, eenRecordTeWeinig = goed;
  min1[0] = min1[1] = 0xFF;
  boven50[0] = 51;
  boven50.resize(2 + 51 * 78 + 80, ' ');  // long enough for 51 records: refused for the count alone
  eenRecordTeWeinig[0] = 4;
  for (const Bytes& b : {min1, boven50, eenRecordTeWeinig, Bytes(goed.begin(), goed.end() - 1), Bytes{3}}) {
    const auto geladen = Laad(b);
    ASSERT_FALSE(geladen) << b.size();
    EXPECT_NE(geladen.Nummer(), kFoutNietGevonden);
    EXPECT_NE(geladen.Melding().find("Wegdekken_2012.dat"), std::string::npos) << geladen.Melding();
    EXPECT_EQ(c.AantalWegdekken, 0);
    c.AantalWegdekken = 1;  // even after the editor added an entry
    EXPECT_EQ(Bewaar(), Bewaard::Niets);
    EXPECT_EQ(LeesBytes(Pad()), b);
  }
}

// A coefficient the editor could never have saved is damage: the file is
// refused with its name, the entry and the coefficient; the editor's own
// bounds load, on both sides.
TEST_F(CatalogusBestand, CoefficientenBuitenHetBereikZijnSchade) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  struct Geval {
    int record, coefficient;
    double waarde;
    const char* deel;  // of the message
  };
  for (const Geval& g : {Geval{1, 1, nan, "wegdek 1 (\"dicht\") heeft DL_lv = NaN"},
                         {2, 6, inf, "wegdek 2 (\"open\") heeft b_zv = oneindig"},
                         {1, 4, 99999.01, "heeft b_mv = 99999.01, toegestaan is -99999 tot en met 99999"},
                         {2, 2, -99999.5, "heeft b_lv = -99999.5"}}) {
    std::array<double, 6> dicht{1, 2, 3, 4, 5, 6}, open{-1, -2, -3, -4, -5, -6};
    (g.record == 1 ? dicht : open)[static_cast<std::size_t>(g.coefficient - 1)] = g.waarde;
    const auto geladen = Laad(Bestand(2, {{"dicht", dicht}, {"open", open}}));
    ASSERT_FALSE(geladen) << g.deel;
    EXPECT_NE(geladen.Melding().find(Pad().string() + " is beschadigd"), std::string::npos) << geladen.Melding();
    EXPECT_NE(geladen.Melding().find(g.deel), std::string::npos) << geladen.Melding();
    EXPECT_EQ(c.AantalWegdekken, 0);
  }
  const Bytes grenzen = Bestand(2, {{"dicht", {99999, -99999, 0, -0.0, 1e-300, 99998.99}}, {"open", {}}});
  ASSERT_TRUE(Laad(grenzen));
  EXPECT_TRUE(c.Wegdekken[1].DL_lv == 99999 && c.Wegdekken[1].b_lv == -99999);
  ASSERT_EQ(Bewaar(), Bewaard::Ja);
  EXPECT_EQ(LeesBytes(Pad()), grenzen) << "a catalogue the program saved loads again";
}

// A catalogue is at most 50 records and the names; beyond that and a margin
// the file is damaged. A folder in its place is refused, never searched for.
TEST_F(CatalogusBestand, TeGrootOfGeenBestandOngelezenGeweigerd) {
  Bytes vol = Bestand(50, std::vector<std::pair<std::string, std::array<double, 6>>>(50, {"x", {1, 2, 3, 4, 5, 6}}));
  ASSERT_EQ(vol.size(), kMaxCatalogusLengte);
  vol.resize(kMaxCatalogusLengte + kLeesMarge, ' ');
  ASSERT_TRUE(Laad(vol));
  EXPECT_EQ(c.AantalWegdekken, 50);
  vol.push_back(' ');
  auto geladen = Laad(vol);
  ASSERT_FALSE(geladen);
  EXPECT_NE(geladen.Melding().find("groter dan 8078 bytes"), std::string::npos) << geladen.Melding();

  std::filesystem::remove(Pad());
  std::filesystem::create_directory(Pad());
  geladen = LaadWegdekken(map.Pad(), c);
  ASSERT_FALSE(geladen);
  EXPECT_NE(geladen.Nummer(), kFoutNietGevonden) << "the window would look for the file instead";
  EXPECT_EQ(geladen.Melding(), "Wegdekkenbestand " + Pad().string() +
                                   " kan niet worden gelezen: Dit is een map, geen bestand; er zijn geen wegdekken "
                                   "ingelezen.");
  geladen = LaadCatalogusBestand(map / "elders.dat", c);
  EXPECT_TRUE(!geladen && geladen.Nummer() == kFoutNietGevonden);
}

// The shipped catalogue and sample worksheet are generated from the text
// beside them; after editing that text, run maak_catalogus / maak_voorbeeld.
TEST(GeleverdeBestanden, ZijnWatDeGeneratorsVanHunTekstMaken) {
  const std::filesystem::path data = std::filesystem::path(TARVO_SOURCE_DIR) / "data";
  std::ifstream tabel(data / "wegdekken.tsv"), beschrijving(data / "voorbeeld.txt");
  ASSERT_TRUE(tabel && beschrijving);
  const auto catalogus = CatalogusUitTabel(tabel);
  ASSERT_TRUE(catalogus) << catalogus.Melding();
  EXPECT_EQ(CodeerCatalogus(*catalogus), LeesBytes(data / "Wegdekken_2012.dat")) << "Wegdekken_2012.dat is stale";
  const auto werkblad = WerkbladUitBeschrijving(beschrijving);
  ASSERT_TRUE(werkblad) << werkblad.Melding();
  EXPECT_EQ(Bytes(werkblad->begin(), werkblad->end()), LeesBytes(data / "voorbeeld.tvo")) << "voorbeeld.tvo is stale";
  // The sample went through the input check, which fills the totals.
  EXPECT_EQ(DecodeerWerkblad(*werkblad)->getal[TotaalVeld(1)], 1079);
}
