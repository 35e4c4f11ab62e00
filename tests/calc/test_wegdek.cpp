// The catalogue's rules behind the road-surface editor: protection of the
// shipped entries, the maximum, what a delete moves and selects, and what a
// table brought in adds and replaces.
#include <gtest/gtest.h>

#include <string>

#include "base/Tekst.h"
#include "calc/Wegdek.h"
#include "calc/WegdekImport.h"

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

void VerwachtWegdek(const Catalogus& c, int positie, int entry) {
  const Wegdek& w = c.Wegdekken[static_cast<std::size_t>(positie)];
  EXPECT_EQ(TrimBlanks(w.Omschrijving), "Wegdek " + std::to_string(entry)) << positie;
  const auto coef = CoefficientenVan(entry);
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(w.Coefficient(k), coef[static_cast<std::size_t>(k - 1)]) << positie << k;
}

}  // namespace

// Only the shipped entries at the head are protected, and only until F9.
TEST(WegdekBeheer, MeegeleverdeWegdekkenBeschermdTotOpgeheven) {
  Catalogus c = MaakCatalogus(20);
  WegdekBeheer beheer(c, 3);
  EXPECT_TRUE(beheer.IsBeschermd(1) && beheer.IsBeschermd(3));
  EXPECT_FALSE(beheer.IsBeschermd(0) || beheer.IsBeschermd(4));
  beheer.WisselBescherming();
  EXPECT_FALSE(beheer.IsBeschermd(3));
  beheer.WisselBescherming();
  EXPECT_TRUE(beheer.IsBeschermd(3));

  // The editor's own count is that of the shipped catalogue (one entry today).
  WegdekBeheer editor(c);
  EXPECT_TRUE(editor.IsBeschermd(kAantalMeegeleverd));
  EXPECT_FALSE(editor.IsBeschermd(kAantalMeegeleverd + 1));
}

// 49 entries take one more; 50 refuse it and stay as they are.
TEST(WegdekBeheer, VoegtToeTotVijftigWegdekken) {
  Catalogus c = MaakCatalogus(kMaxWegdekken - 1);
  WegdekBeheer beheer(c);
  EXPECT_FALSE(beheer.IsVol());
  EXPECT_EQ(beheer.VoegToe("Wegdek 50", CoefficientenVan(50)), kMaxWegdekken);
  EXPECT_TRUE(beheer.IsVol());
  EXPECT_EQ(beheer.VoegToe("Wegdek 51", CoefficientenVan(51)), 0);
  EXPECT_EQ(c.AantalWegdekken, kMaxWegdekken);
  VerwachtWegdek(c, kMaxWegdekken, 50);
  // Full, it can lose its last entry and take a new one.
  EXPECT_EQ(beheer.Wis(kMaxWegdekken), kMaxWegdekken - 1);
  EXPECT_FALSE(beheer.IsVol());
  EXPECT_EQ(beheer.VoegToe("Wegdek 60", CoefficientenVan(60)), kMaxWegdekken);
  VerwachtWegdek(c, kMaxWegdekken, 60);
}

// The description loses its outer blanks and is cut to 30 characters; only
// positions in use are replaced.
TEST(WegdekBeheer, PastOmschrijvingAanEnVervangtAlleenBezettePosities) {
  Catalogus c = MaakCatalogus(2);
  WegdekBeheer beheer(c);
  EXPECT_EQ(beheer.VoegToe("  dunne deklaag  ", CoefficientenVan(7)), 3);
  EXPECT_EQ(c.Wegdekken[3].Omschrijving, VastBreed("dunne deklaag", kOmschrijvingLengte));
  EXPECT_TRUE(beheer.Vervang(1, std::string(35, 'x'), CoefficientenVan(1)));
  EXPECT_EQ(c.Wegdekken[1].Omschrijving, std::string(kOmschrijvingLengte, 'x'));
  EXPECT_TRUE(beheer.Vervang(3, "Wegdek 9", CoefficientenVan(9)));
  VerwachtWegdek(c, 3, 9);
  VerwachtWegdek(c, 2, 2);
  EXPECT_FALSE(beheer.Vervang(4, "Wegdek 8", CoefficientenVan(8)));
  EXPECT_FALSE(beheer.Vervang(0, "Wegdek 8", CoefficientenVan(8)));
  EXPECT_EQ(c.AantalWegdekken, 3);
  EXPECT_EQ(c.Wegdekken[4].Omschrijving, Wegdek{}.Omschrijving);
}

// Entry 5 of 20 gone: the ones behind move up, the old last one stays
// behind outside the count, entry 4 is selected.
TEST(WegdekBeheer, WissenSchuiftDeRestOpEnKiestDeVorige) {
  Catalogus c = MaakCatalogus(20);
  WegdekBeheer beheer(c);
  EXPECT_EQ(beheer.Wis(5), 4);
  EXPECT_EQ(c.AantalWegdekken, 19);
  for (int p = 1; p <= 4; ++p) VerwachtWegdek(c, p, p);
  for (int p = 5; p <= 19; ++p) VerwachtWegdek(c, p, p + 1);
  VerwachtWegdek(c, 20, 20);
}

TEST(WegdekBeheer, WissenAanDeRanden) {
  Catalogus c = MaakCatalogus(3);
  WegdekBeheer beheer(c);
  EXPECT_EQ(beheer.Wis(4), 0);  // no such entry: nothing moves
  EXPECT_EQ(beheer.Wis(0), 0);
  EXPECT_EQ(c.AantalWegdekken, 3);
  EXPECT_EQ(beheer.Wis(3), 2);  // the last: nothing behind it
  VerwachtWegdek(c, 2, 2);
  EXPECT_EQ(beheer.Wis(1), 1);  // the first: the new first is selected
  VerwachtWegdek(c, 1, 2);
  EXPECT_EQ(beheer.Wis(1), 0);  // the only one: nothing left to select
  EXPECT_EQ(c.AantalWegdekken, 0);
}

// The question names what a delete moves, because a saved worksheet keeps
// only its road surface's position.
TEST(WegdekBeheer, WisVraagNoemtWatOpschuift) {
  Catalogus c = MaakCatalogus(4);
  const WegdekBeheer beheer(c);
  EXPECT_EQ(beheer.WisVraag(2),
            "Wegdek Wegdek 2 wissen?\n\nDeze wegdekken schuiven een plaats op:\n"
            "  plaats 3 wordt 2: Wegdek 3\n  plaats 4 wordt 3: Wegdek 4\n"
            "Een opgeslagen rekenblad bewaart alleen de plaats van zijn wegdek: rekenbladen met een van deze "
            "wegdekken of met Wegdek 2 rekenen daarna met een ander wegdek.");
  EXPECT_EQ(beheer.WisVraag(4),
            "Wegdek Wegdek 4 wissen?\n\nEen opgeslagen rekenblad bewaart alleen de plaats van zijn wegdek: "
            "rekenbladen met Wegdek 4 (plaats 4) rekenen daarna met een ander wegdek.");
  EXPECT_EQ(beheer.WisVraag(5), "");
  EXPECT_EQ(beheer.WisVraag(0), "");
}

namespace {

IngelezenWegdek Regel(int regel, const std::string& omschrijving, int waarden) {
  return {regel, omschrijving, CoefficientenVan(waarden)};
}

}  // namespace

// New descriptions go behind the others in table order, keeping their
// leading blanks; an equal one (outer blanks aside) gets the new numbers and
// keeps its text; one equal in every number changes nothing.
TEST(VoegSamen, VoegtNieuweToeEnVervangtGelijkeOmschrijvingen) {
  Catalogus c = MaakCatalogus(4);
  WegdekBeheer beheer(c, 1);
  const auto plan = VoegSamen(
      beheer, {Regel(2, "Nieuw B", 7), Regel(3, " Wegdek 3 ", 8), Regel(4, "  Nieuw A", 9), Regel(5, "Wegdek 2", 2)});
  ASSERT_TRUE(plan) << plan.Melding();
  ASSERT_EQ(plan->vervangen.size(), 1u);
  EXPECT_EQ(plan->vervangen[0].positie, 3);
  ASSERT_EQ(plan->toevoegen.size(), 2u);
  EXPECT_EQ(c.AantalWegdekken, 4) << "nothing changes before Voer";

  EXPECT_EQ(beheer.Voer(*plan), 6);
  EXPECT_EQ(c.AantalWegdekken, 6);
  VerwachtWegdek(c, 1, 1);
  VerwachtWegdek(c, 2, 2);
  EXPECT_EQ(TrimBlanks(c.Wegdekken[3].Omschrijving), "Wegdek 3");
  EXPECT_EQ(c.Wegdekken[3].DL_lv, 8.1);
  EXPECT_EQ(c.Wegdekken[3].b_zv, 8.6);
  VerwachtWegdek(c, 4, 4);
  EXPECT_EQ(c.Wegdekken[5].Omschrijving, VastBreed("Nieuw B", kOmschrijvingLengte));
  EXPECT_EQ(c.Wegdekken[6].Omschrijving, VastBreed("  Nieuw A", kOmschrijvingLengte));
  EXPECT_EQ(c.Wegdekken[6].b_lv, 9.2);

  // Only replacements: the first of them is selected.
  const auto alleenVervangen = VoegSamen(beheer, {Regel(2, "Wegdek 4", 5), Regel(3, "Wegdek 2", 6)});
  ASSERT_TRUE(alleenVervangen);
  EXPECT_EQ(beheer.Voer(*alleenVervangen), 4);
  const auto niets = VoegSamen(beheer, {Regel(2, "Wegdek 4", 5)});
  ASSERT_TRUE(niets);
  EXPECT_TRUE(niets->Leeg());
  EXPECT_EQ(beheer.Voer(*niets), 0);
}

// A shipped entry may come along unchanged, but not with other numbers
// unless F9 lifted the protection.
TEST(VoegSamen, BeschermdWegdekAlleenOngewijzigdTotOpgeheven) {
  Catalogus c = MaakCatalogus(3);
  WegdekBeheer beheer(c, 2);
  const auto gelijk = VoegSamen(beheer, {Regel(2, "Wegdek 2", 2), Regel(3, "Nieuw", 5)});
  ASSERT_TRUE(gelijk);
  EXPECT_TRUE(gelijk->vervangen.empty());
  EXPECT_EQ(gelijk->toevoegen.size(), 1u);

  const auto anders = VoegSamen(beheer, {Regel(2, "Nieuw", 5), Regel(7, "Wegdek 2", 9)});
  ASSERT_FALSE(anders);
  EXPECT_EQ(anders.Melding(),
            "Regel 7, kolom 1 (omschrijving): 'Wegdek 2' is een meegeleverd wegdektype en kan niet worden gewijzigd "
            "(F9); er is niets ingelezen.");
  const auto derde = VoegSamen(beheer, {Regel(4, "Wegdek 3", 9)});
  EXPECT_TRUE(derde && derde->vervangen.size() == 1u) << "the entry behind the protected ones is the user's";

  beheer.WisselBescherming();
  const auto opgeheven = VoegSamen(beheer, {Regel(7, "Wegdek 2", 9)});
  ASSERT_TRUE(opgeheven);
  EXPECT_EQ(opgeheven->vervangen.at(0).positie, 2);
}

TEST(VoegSamen, WeigertDubbeleOmschrijvingEnMeerDanVijftig) {
  Catalogus c = MaakCatalogus(3);
  WegdekBeheer beheer(c, 1);
  const auto dubbel = VoegSamen(beheer, {Regel(2, "Nieuw", 5), Regel(3, "Ander", 6), Regel(4, " Nieuw", 7)});
  ASSERT_FALSE(dubbel);
  EXPECT_EQ(dubbel.Melding(), "Regel 4, kolom 1 (omschrijving): 'Nieuw' staat ook op regel 2; er is niets ingelezen.");

  // 47 new ones fill the catalogue; one more, after a replacement that adds nothing, is refused.
  std::vector<IngelezenWegdek> tabel;
  for (int i = 0; i < kMaxWegdekken - 3; ++i) tabel.push_back(Regel(i + 2, "Nieuw " + std::to_string(i), i));
  tabel.push_back(Regel(60, "Wegdek 3", 9));
  ASSERT_TRUE(VoegSamen(beheer, tabel));
  tabel.push_back(Regel(61, "Nog een", 9));
  const auto teVeel = VoegSamen(beheer, tabel);
  ASSERT_FALSE(teVeel);
  EXPECT_EQ(teVeel.Melding(),
            "Regel 61, kolom 1 (omschrijving): met 'Nog een' komen er meer dan 50 wegdekken in de lijst; er is niets "
            "ingelezen.");
  EXPECT_EQ(c.AantalWegdekken, 3);
}
