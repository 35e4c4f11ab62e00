#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/Getal.h"
#include "calc/PlainBediening.h"
#include "data/Bronnen.h"
#include "tests/TijdelijkeMap.h"
#include "worksheet_file/WerkbladBestand.h"

using namespace tarvo;
using tarvo::test::LeesBytes;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;
using Bytes = std::vector<std::uint8_t>;

namespace {

double DoubleOp(const Bytes& b, std::size_t offset) {
  double v;
  std::memcpy(&v, b.data() + offset, 8);
  return v;
}
std::int16_t Int16Op(const Bytes& b, std::size_t offset) {
  std::int16_t v;
  std::memcpy(&v, b.data() + offset, 2);
  return v;
}
void ZetInt16(Bytes& b, std::size_t offset, std::int16_t v) { std::memcpy(b.data() + offset, &v, 2); }
std::string TekstOp(const Bytes& b, std::size_t offset, std::size_t n) {
  return std::string(b.begin() + static_cast<std::ptrdiff_t>(offset),
                     b.begin() + static_cast<std::ptrdiff_t>(offset + n));
}

Catalogus ZestienWegdekken() {
  Catalogus c;
  c.AantalWegdekken = 16;
  return c;
}

// A worksheet whose stored values all differ.
Werkblad Gevuld() {
  Werkblad ws;
  ws.WegNaam = "Rijksweg A12";
  ws.Waarneempunt = "Gevel 3";
  for (int c = 0; c < 6; ++c) {
    for (int p = 1; p <= 3; ++p) ws.Intensiteit(c)[static_cast<std::size_t>(p)] = 100 * (c + 1) + p + 0.25;
    ws.Snelheid(c) = 31 + c;
  }
  for (int p = 1; p <= 3; ++p) {
    ws.Qtotaal[static_cast<std::size_t>(p)] = 2000 + p;
    ws.Vrachtverkeer[static_cast<std::size_t>(p)] = 10 + p;
  }
  ws.Vlv = 79.6;
  ws.RailConstructie = 1;
  ws.AfstandKruising = 61;
  ws.Wegdekhoogte = 1.25;
  ws.Waarneemhoogte = 4.5;
  ws.Objectfractie = 0.75;
  ws.Bodemfactor = 0.5;
  ws.AfstandHor = 25;
  ws.Zichthoek = 90;
  ws.WegdekKeuze = 16;
  ws.Toelichting = {"eerste", "", "derde \xE2\x82\xAC", "vierde"};
  ws.AfstandObstakel = 42;
  return ws;
}

class WerkbladBestandTest : public ::testing::Test {
 protected:
  Bytes Opgeslagen(const Werkblad& ws, int zone = 0, int aftrek = 1) {
    PlainWerkbladVenster v;
    v.zone.waarde = zone;
    v.aftrek.waarde = aftrek;
    std::string fout;
    EXPECT_TRUE(SchrijfWerkbladBestand(pad, ws, v, fout)) << fout;
    return LeesBytes(pad);
  }
  OpenResultaat Lees(const Bytes& b) {
    SchrijfBytes(pad, b);
    return LeesWerkbladBestand(pad, gelezen, venster, catalogus, meldingen);
  }

  TijdelijkeMap map;
  std::filesystem::path pad = map / "blad.tvo";
  Catalogus catalogus = ZestienWegdekken();
  Werkblad gelezen;
  PlainWerkbladVenster venster;
  PlainMeldingen meldingen;
};

}  // namespace

TEST_F(WerkbladBestandTest, FileLayoutByteForByte) {
  const Werkblad ws = Gevuld();
  const Bytes b = Opgeslagen(ws, 1, 1);
  ASSERT_EQ(b.size(), 644u);
  EXPECT_EQ(TekstOp(b, 0, 45), "Rijksweg A12" + std::string(33, ' '));
  EXPECT_EQ(TekstOp(b, 45, 45), "Gevel 3" + std::string(38, ' '));
  const int blokPlaats[6] = {0, 1, 2, 3, 6, 7};  // lv mv zv mr at 0..3, bromf and tram behind the two totals
  for (int p = 1; p <= 3; ++p) {
    const std::size_t blok = 90 + 64 * static_cast<std::size_t>(p - 1);
    for (int c = 0; c < 6; ++c) {
      EXPECT_EQ(DoubleOp(b, blok + 8 * static_cast<std::size_t>(blokPlaats[c])),
                ws.Intensiteit(c)[static_cast<std::size_t>(p)]) << c << p;
    }
    EXPECT_EQ(DoubleOp(b, blok + 32), 2000 + p);
    EXPECT_EQ(DoubleOp(b, blok + 40), 10 + p);
  }
  EXPECT_EQ(DoubleOp(b, 282), 79.6);
  for (int c = 1; c < 6; ++c) EXPECT_EQ(DoubleOp(b, 282 + 8 * static_cast<std::size_t>(c)), 31 + c);
  EXPECT_EQ(Int16Op(b, 330), 1);
  EXPECT_EQ(Int16Op(b, 332), 1);
  const double enkel[] = {61, 1.25, 4.5, 0.75, 0.5, 25, 90};  // crossing .. viewing angle
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(DoubleOp(b, 334 + 8 * i), enkel[i]) << i;
  EXPECT_EQ(Int16Op(b, 390), 16);
  EXPECT_EQ(TekstOp(b, 392, 60), "eerste" + std::string(54, ' '));
  EXPECT_EQ(TekstOp(b, 452, 60), std::string(60, ' '));
  EXPECT_EQ(TekstOp(b, 512, 8), "derde \x80 ");
  EXPECT_EQ(TekstOp(b, 632, 2), "O2");
  EXPECT_EQ(DoubleOp(b, 634), 42);
  EXPECT_EQ(Int16Op(b, 642), 1);
}

TEST_F(WerkbladBestandTest, SaveThenReadGivesTheSameWorksheet) {
  const Werkblad ws = Gevuld();
  const OpenResultaat r = Lees(Opgeslagen(ws));
  ASSERT_EQ(r.uitkomst, OpenUitkomst::Gelezen);
  EXPECT_TRUE(meldingen.getoond.empty());

  EXPECT_EQ(gelezen.WegNaam, ws.WegNaam + std::string(33, ' '));
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(gelezen.Intensiteit(c), ws.Intensiteit(c)) << c;
    EXPECT_EQ(gelezen.Snelheid(c), ws.Snelheid(c)) << c;
  }
  EXPECT_EQ(gelezen.Qtotaal, ws.Qtotaal);
  EXPECT_EQ(gelezen.Vrachtverkeer, ws.Vrachtverkeer);
  EXPECT_EQ(gelezen.RailConstructie, 1);
  for (auto lid : {&Werkblad::AfstandKruising, &Werkblad::Wegdekhoogte, &Werkblad::Waarneemhoogte,
                   &Werkblad::Objectfractie, &Werkblad::Bodemfactor, &Werkblad::AfstandHor, &Werkblad::Zichthoek,
                   &Werkblad::AfstandObstakel}) {
    EXPECT_EQ(gelezen.*lid, ws.*lid);
  }
  EXPECT_EQ(gelezen.WegdekKeuze, 16);
  EXPECT_EQ(gelezen.WegdekLijstIndex, 15);
  EXPECT_EQ(venster.getoondWegdek, 15);
  EXPECT_EQ(gelezen.Toelichting[2], "derde \xE2\x82\xAC" + std::string(53, ' '));

  // What the window shows: trimmed texts, "#0.00" and "#0" patterns.
  EXPECT_EQ(venster.invoer[1].tekst, "Rijksweg A12");
  EXPECT_EQ(venster.invoer[0].tekst, "Gevel 3");
  EXPECT_EQ(venster.toel[0].tekst, "eerste");
  EXPECT_EQ(venster.toel[1].tekst, "");
  EXPECT_EQ(venster.invoer[23].tekst, "602.25");
  EXPECT_EQ(venster.invoer[26].tekst, "2001.00");
  EXPECT_EQ(venster.invoer[31].tekst, "13.00");
  EXPECT_EQ(venster.invoer[5].tekst, "80");
  EXPECT_EQ(gelezen.Vlv, 79.6) << "the stored speed keeps its decimals";
  EXPECT_EQ(venster.invoer[33].tekst, "1.25");
  EXPECT_EQ(venster.invoer[39].tekst, "90");
  EXPECT_EQ(venster.invoer[38].tekst, "42.00");
  EXPECT_EQ(venster.aftrek.waarde, 1);
  EXPECT_EQ(venster.zone.waarde, 0);

  gelezen.Decimaal = ',';
  ASSERT_EQ(Lees(Opgeslagen(ws)).uitkomst, OpenUitkomst::Gelezen);
  EXPECT_EQ(venster.invoer[23].tekst, "602,25");
}

TEST_F(WerkbladBestandTest, OtherVersionIsRefusedWithNothingTakenOver) {
  const Bytes goed = Opgeslagen(Gevuld());
  Bytes klein = goed, ander = goed;
  klein[632] = 'o';
  ander[633] = '3';
  const Bytes oud(goed.begin(), goed.begin() + 632);
  gelezen.Qlv[1] = 5;
  venster.invoer[2].tekst = "voor";
  for (const Bytes& b : {klein, ander, oud}) {
    meldingen.getoond.clear();
    EXPECT_EQ(Lees(b).uitkomst, OpenUitkomst::OudeVersie);
    ASSERT_EQ(meldingen.getoond.size(), 1u);
    EXPECT_EQ(meldingen.getoond[0].tekst,
              "Rekenblad is aangemaakt met oudere programmaversie. Inlezen is niet mogelijk!");
    EXPECT_EQ(meldingen.getoond[0].titel, "Waarschuwing");
    EXPECT_EQ(meldingen.getoond[0].icoon, Icoon::Kritiek);
    EXPECT_EQ(gelezen.Qlv[1], 5);
    EXPECT_EQ(venster.invoer[2].tekst, "voor");
  }
}

TEST_F(WerkbladBestandTest, ShortOrMissingFileFailsWithNothingTakenOver) {
  const Bytes goed = Opgeslagen(Gevuld());
  gelezen.Qlv[1] = 5;
  venster.invoer[2].tekst = "voor";
  for (std::size_t lengte : {643u, 634u}) {
    const OpenResultaat r = Lees(Bytes(goed.begin(), goed.begin() + static_cast<std::ptrdiff_t>(lengte)));
    EXPECT_EQ(r.uitkomst, OpenUitkomst::Fout) << lengte;
    EXPECT_NE(r.foutNummer, 0);
    EXPECT_FALSE(r.foutOmschrijving.empty());
  }
  const OpenResultaat r = LeesWerkbladBestand(map / "weg.tvo", gelezen, venster, catalogus, meldingen);
  EXPECT_EQ(r.uitkomst, OpenUitkomst::Fout);
  EXPECT_TRUE(meldingen.getoond.empty());
  EXPECT_EQ(gelezen.Qlv[1], 5);
  EXPECT_EQ(venster.invoer[2].tekst, "voor");
}

TEST_F(WerkbladBestandTest, SwitchValuesAsTheFileHoldsThem) {
  Bytes b = Opgeslagen(Gevuld());
  ZetInt16(b, 642, 2);
  ZetInt16(b, 332, 2);
  ASSERT_EQ(Lees(b).uitkomst, OpenUitkomst::Gelezen);
  EXPECT_EQ(venster.zone.waarde, 0);
  EXPECT_EQ(venster.aftrek.waarde, 1);

  venster = PlainWerkbladVenster{};
  ZetInt16(b, 642, 1);
  ZetInt16(b, 332, -1);
  ASSERT_EQ(Lees(b).uitkomst, OpenUitkomst::Gelezen);
  EXPECT_EQ(venster.zone.waarde, 1);
  EXPECT_EQ(venster.aftrek.waarde, 0);
  // The zone locks the speed fields at 30 and keeps what the file said.
  EXPECT_EQ(venster.invoer[5].tekst, "30");
  EXPECT_FALSE(venster.invoer[5].ingeschakeld);
  EXPECT_EQ(gelezen.SnelheidBewaard[4], "80");
  EXPECT_EQ(gelezen.Vlv, 79.6);
}

TEST_F(WerkbladBestandTest, LongTextsAreCutShortOnesComeBackTrimmed) {
  Werkblad ws = Gevuld();
  ws.Waarneempunt = std::string(44, 'p') + "\xC3\xA9" + "XYZ";
  ws.Toelichting[3] = std::string(59, 't') + "\xC3\xA9" + "XYZ";
  ASSERT_EQ(Lees(Opgeslagen(ws)).uitkomst, OpenUitkomst::Gelezen);
  EXPECT_EQ(venster.invoer[0].tekst, std::string(44, 'p') + "\xC3\xA9");
  EXPECT_EQ(venster.toel[3].tekst, std::string(59, 't') + "\xC3\xA9");
}

TEST_F(WerkbladBestandTest, UnknownRoadSurfaceBecomesTheFirstWithAMessage) {
  Bytes b = Opgeslagen(Gevuld());
  for (std::int16_t positie : {0, 17, -1}) {
    meldingen.getoond.clear();
    ZetInt16(b, 390, positie);
    ASSERT_EQ(Lees(b).uitkomst, OpenUitkomst::Gelezen);
    EXPECT_EQ(gelezen.WegdekKeuze, 1) << positie;
    EXPECT_EQ(venster.getoondWegdek, 0);
    ASSERT_EQ(meldingen.getoond.size(), 1u);
    EXPECT_NE(meldingen.getoond[0].tekst.find("wegdek"), std::string::npos);
  }
}

TEST(WerkbladNaam, OnlyTheLastThreeCharactersCount) {
  for (const char* ja : {"x.tvo", "x.TVO", "C:\\map\\blad.Tvo", "tvo"}) EXPECT_TRUE(IsWerkbladNaam(ja)) << ja;
  for (const char* nee : {"x.tvo.bak", "x", "", "blad", "x.tv"}) EXPECT_FALSE(IsWerkbladNaam(nee)) << nee;
}

TEST(Voorbeeldwerkblad, IsWhatTheGeneratorMakesOfItsDescription) {
  const std::filesystem::path data = std::filesystem::path(TARVO_SOURCE_DIR) / "data";
  std::ifstream beschrijving(data / "voorbeeld.txt");
  ASSERT_TRUE(beschrijving) << "data/voorbeeld.txt";
  std::string fout;
  const auto gemaakt = WerkbladUitBeschrijving(beschrijving, fout);
  ASSERT_TRUE(gemaakt.has_value()) << fout;
  const Bytes geleverd = LeesBytes(data / "voorbeeld.tvo");
  ASSERT_EQ(Bytes(gemaakt->begin(), gemaakt->end()), geleverd) << "regenerate data/voorbeeld.tvo with maak_voorbeeld";

  const Gedecodeerd d = DecodeerWerkblad(geleverd);
  ASSERT_EQ(d.uitkomst, DecodeerUitkomst::Goed);
  EXPECT_EQ(d.inhoud.blok[0][0], 1000);
  EXPECT_EQ(d.inhoud.blok[1][0], 300);
  EXPECT_EQ(d.inhoud.blok[2][0], 100);
  EXPECT_EQ(d.inhoud.blok[2][6], 0.5);
  EXPECT_EQ(d.inhoud.snelheid[0], 50);
  EXPECT_EQ(d.inhoud.blok[0][4], 1079);
  EXPECT_DOUBLE_EQ(d.inhoud.blok[0][5], 65.0 / 1079 * 100);
  EXPECT_EQ(d.inhoud.waarneemhoogte, 5);
  EXPECT_EQ(d.inhoud.afstandHor, 15);
  EXPECT_EQ(d.inhoud.bodemfactor, 0.5);
  EXPECT_EQ(d.inhoud.wegdekKeuze, 1);
  EXPECT_EQ(d.inhoud.aftrek, 1);
  EXPECT_EQ(d.inhoud.zone, 0);
  EXPECT_EQ(d.inhoud.waarneempunt.substr(0, 5), "Caf\xC3\xA9");
}
