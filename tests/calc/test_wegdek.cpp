// The catalogue's rules behind the road-surface editor: protection of the
// published entries, the maximum, and what a delete moves and selects.
#include <gtest/gtest.h>

#include <string>

#include "base/Tekst.h"
#include "calc/Wegdek.h"

using namespace tarvo;

namespace {

// Entry i is "Wegdek i" with coefficients i + 0.1 .. i + 0.6, so a moved
// record shows in every one of its fields.
WegdekBeheer::Coefficienten CoefficientenVan(int i) {
  WegdekBeheer::Coefficienten c{};
  for (std::size_t k = 0; k < c.size(); ++k) c[k] = i + 0.1 * static_cast<double>(k + 1);
  return c;
}

Catalogus MaakCatalogus(int n) {
  Catalogus c;
  WegdekBeheer beheer(c);
  for (int i = 1; i <= n; ++i) EXPECT_EQ(beheer.VoegToe("Wegdek " + std::to_string(i), CoefficientenVan(i)), i);
  return c;
}

void VerwachtEntry(const Catalogus& c, int positie, int entry) {
  const Wegdek& w = c.Wegdekken[static_cast<std::size_t>(positie)];
  EXPECT_EQ(TrimBlanks(w.Omschrijving), "Wegdek " + std::to_string(entry)) << positie;
  const auto coef = CoefficientenVan(entry);
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(w.Coefficient(k), coef[static_cast<std::size_t>(k - 1)]) << positie << k;
}

}  // namespace

TEST(WegdekBeheer, TheFirstSixteenAreProtectedUntilLifted) {
  Catalogus c = MaakCatalogus(20);
  WegdekBeheer beheer(c);
  EXPECT_FALSE(beheer.IsBeschermd(0));
  EXPECT_TRUE(beheer.IsBeschermd(1));
  EXPECT_TRUE(beheer.IsBeschermd(kAantalBeschermd));
  EXPECT_FALSE(beheer.IsBeschermd(kAantalBeschermd + 1));
  beheer.WisselBescherming();
  EXPECT_TRUE(beheer.BeschermingOpgeheven());
  EXPECT_FALSE(beheer.IsBeschermd(1));
  EXPECT_FALSE(beheer.IsBeschermd(kAantalBeschermd));
  beheer.WisselBescherming();
  EXPECT_TRUE(beheer.IsBeschermd(kAantalBeschermd));
}

// 49 entries take one more; 50 refuse it and stay as they are.
TEST(WegdekBeheer, AddsUpToFiftyEntries) {
  Catalogus c = MaakCatalogus(kMaxWegdekken - 1);
  WegdekBeheer beheer(c);
  EXPECT_FALSE(beheer.IsVol());
  EXPECT_EQ(beheer.VoegToe("Wegdek 50", CoefficientenVan(50)), kMaxWegdekken);
  EXPECT_TRUE(beheer.IsVol());
  EXPECT_EQ(beheer.VoegToe("Wegdek 51", CoefficientenVan(51)), 0);
  EXPECT_EQ(c.AantalWegdekken, kMaxWegdekken);
  VerwachtEntry(c, kMaxWegdekken, 50);
}

// The description loses its outer blanks and is cut to 30 characters.
TEST(WegdekBeheer, FitsTheDescription) {
  Catalogus c = MaakCatalogus(2);
  WegdekBeheer beheer(c);
  const int positie = beheer.VoegToe("  dunne deklaag  ", CoefficientenVan(7));
  EXPECT_EQ(c.Wegdekken[3].Omschrijving, VastBreed("dunne deklaag", kOmschrijvingLengte));
  EXPECT_EQ(positie, 3);
  const std::string lang(35, 'x');
  EXPECT_TRUE(beheer.Vervang(1, lang, CoefficientenVan(1)));
  EXPECT_EQ(c.Wegdekken[1].Omschrijving, std::string(kOmschrijvingLengte, 'x'));
}

TEST(WegdekBeheer, ReplacesOnlyPositionsInUse) {
  Catalogus c = MaakCatalogus(3);
  WegdekBeheer beheer(c);
  EXPECT_TRUE(beheer.Vervang(3, "Wegdek 9", CoefficientenVan(9)));
  VerwachtEntry(c, 3, 9);
  VerwachtEntry(c, 2, 2);
  EXPECT_FALSE(beheer.Vervang(4, "Wegdek 8", CoefficientenVan(8)));
  EXPECT_FALSE(beheer.Vervang(0, "Wegdek 8", CoefficientenVan(8)));
  EXPECT_EQ(c.AantalWegdekken, 3);
  EXPECT_EQ(c.Wegdekken[4].Omschrijving, Wegdek{}.Omschrijving);
}

// Entry 5 of 20 gone: the ones behind move up, the old last one stays
// behind outside the count, entry 4 is selected.
TEST(WegdekBeheer, DeleteMovesTheRestUpAndSelectsThePrevious) {
  Catalogus c = MaakCatalogus(20);
  WegdekBeheer beheer(c);
  EXPECT_EQ(beheer.Wis(5), 4);
  EXPECT_EQ(c.AantalWegdekken, 19);
  for (int p = 1; p <= 4; ++p) VerwachtEntry(c, p, p);
  for (int p = 5; p <= 19; ++p) VerwachtEntry(c, p, p + 1);
  VerwachtEntry(c, 20, 20);
}

TEST(WegdekBeheer, DeleteAtTheEdges) {
  Catalogus c = MaakCatalogus(3);
  WegdekBeheer beheer(c);
  EXPECT_EQ(beheer.Wis(4), 0);  // no such entry: nothing moves
  EXPECT_EQ(beheer.Wis(0), 0);
  EXPECT_EQ(c.AantalWegdekken, 3);
  EXPECT_EQ(beheer.Wis(3), 2);  // the last: nothing behind it
  VerwachtEntry(c, 2, 2);
  EXPECT_EQ(beheer.Wis(1), 1);  // the first: the new first is selected
  VerwachtEntry(c, 1, 2);
  EXPECT_EQ(beheer.Wis(1), 0);  // the only one: nothing left to select
  EXPECT_EQ(c.AantalWegdekken, 0);
}

// A full catalogue can lose its last entry and take a new one.
TEST(WegdekBeheer, DeleteFromAFullCatalogue) {
  Catalogus c = MaakCatalogus(kMaxWegdekken);
  WegdekBeheer beheer(c);
  EXPECT_EQ(beheer.Wis(kMaxWegdekken), kMaxWegdekken - 1);
  EXPECT_FALSE(beheer.IsVol());
  EXPECT_EQ(beheer.VoegToe("Wegdek 60", CoefficientenVan(60)), kMaxWegdekken);
  VerwachtEntry(c, kMaxWegdekken, 60);
}
