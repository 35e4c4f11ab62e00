#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "calc/Velden.h"
#include "files/Reset.h"
#include "tests/TijdelijkeMap.h"
#include "files/WerkbladBestand.h"

using namespace tarvo;
using tarvo::test::LeesBytes;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;
using Bytes = std::vector<std::uint8_t>;

namespace {

template <typename T>
T Op(const Bytes& b, std::size_t offset) {
  T v;
  std::memcpy(&v, b.data() + offset, sizeof v);
  return v;
}
void ZetInt16(Bytes& b, std::size_t offset, std::int16_t v) { std::memcpy(b.data() + offset, &v, 2); }
std::string TekstOp(const Bytes& b, std::size_t offset, std::size_t n) {
  return {reinterpret_cast<const char*>(b.data()) + offset, n};
}

// A worksheet whose stored values all differ.
Werkblad Gevuld() {
  Werkblad ws;
  ws.WegNaam = "Rijksweg A12";
  for (int c = 0; c < 6; ++c) {
    for (std::size_t p = 1; p <= 3; ++p) ws.Intensiteit(c)[p] = 100 * (c + 1) + static_cast<double>(p) + 0.25;
    ws.Snelheid(c) = 31 + c;
  }
  ws.Qtotaal = {0, 2001, 2002, 2003}, ws.Vrachtverkeer = {0, 11, 12, 13};
  ws.Vlv = 79.6, ws.RailConstructie = 1;
  ws.AfstandKruising = 61, ws.Wegdekhoogte = 1.25, ws.Waarneemhoogte = 4.5, ws.Objectfractie = 0.75;
  ws.Bodemfactor = 0.5, ws.AfstandHor = 25, ws.Zichthoek = 90, ws.AfstandObstakel = 42;
  ws.WegdekKeuze = 16, ws.Toelichting = {"eerste", "", "derde \xE2\x82\xAC", "vierde"};
  return ws;
}

class WerkbladBestandTest : public ::testing::Test {
 protected:
  Bytes Opgeslagen(const Werkblad& ws, int zone = 0, int aftrek = 1) {
    PlainWerkbladVenster v;
    v.zone.waarde = zone;
    v.aftrek.waarde = aftrek;
    const auto geschreven = SchrijfWerkbladBestand(pad, ws, v);
    EXPECT_TRUE(geschreven) << geschreven.Melding();
    return LeesBytes(pad);
  }
  Uitkomst<void> Lees(const Bytes& b) {
    SchrijfBytes(pad, b);
    return LeesWerkbladBestand(pad, gelezen, venster, catalogus, meldingen);
  }

  TijdelijkeMap map;
  std::filesystem::path pad = map / "blad.tvo";
  Catalogus catalogus{.AantalWegdekken = 16};
  Werkblad gelezen;
  PlainWerkbladVenster venster;
  PlainMeldingen meldingen;
};

}  // namespace

TEST_F(WerkbladBestandTest, FileLayoutByteForByte) {
  Werkblad ws = Gevuld();
  ws.Waarneempunt = std::string(44, 'p') + "\xC3\xA9XYZ";  // cut after 45 characters, not bytes
  const Bytes b = Opgeslagen(ws, 1, 1);
  ASSERT_EQ(b.size(), 644u);
  EXPECT_EQ(TekstOp(b, 0, 45), "Rijksweg A12" + std::string(33, ' '));
  EXPECT_EQ(TekstOp(b, 45, 45), std::string(44, 'p') + "\xE9");
  // Per period lv, mv, zv, mr, the total, the freight share, then bromf and tram.
  for (std::size_t p = 1; p <= 3; ++p) {
    const std::size_t blok = 90 + 64 * (p - 1);
    for (int c = 0; c < 6; ++c) EXPECT_EQ(Op<double>(b, blok + 8 * (c < 4 ? c : c + 2)), ws.Intensiteit(c)[p]) << c;
    EXPECT_EQ(Op<double>(b, blok + 32), ws.Qtotaal[p]);
    EXPECT_EQ(Op<double>(b, blok + 40), ws.Vrachtverkeer[p]);
  }
  // Six speeds, then crossing .. viewing angle, then the obstacle behind the version mark.
  for (auto [offset, waarde] : {std::pair<std::size_t, double>{282, 79.6}, {290, 32}, {298, 33}, {306, 34}, {314, 35},
                                {322, 36}, {334, 61}, {342, 1.25}, {350, 4.5}, {358, 0.75}, {366, 0.5}, {374, 25},
                                {382, 90}, {634, 42}}) {
    EXPECT_EQ(Op<double>(b, offset), waarde) << offset;
  }
  // Rail, deduction, road surface, zone.
  for (auto [offset, waarde] : {std::pair<std::size_t, int>{330, 1}, {332, 1}, {390, 16}, {642, 1}}) {
    EXPECT_EQ(Op<std::int16_t>(b, offset), waarde) << offset;
  }
  EXPECT_EQ(TekstOp(b, 512, 8), "derde \x80 ");  // the third remark line
  EXPECT_EQ(TekstOp(b, 632, 2), "O2");
}

// Read then saved again, a file comes back unchanged, texts holding every
// byte 0x80..0xFF included; the window shows trimmed texts in the field patterns.
TEST_F(WerkbladBestandTest, ReadThenSaveGivesTheSameBytes) {
  Bytes b = Opgeslagen(Gevuld());
  for (std::size_t i = 0; i < 128; ++i) {  // road and point names, then the first remark line
    b[i < 90 ? i : 392 + i - 90] = static_cast<std::uint8_t>(0x80 + i);
  }
  ASSERT_TRUE(Lees(b));
  EXPECT_TRUE(meldingen.getoond.empty());
  EXPECT_EQ(Opgeslagen(gelezen), b);
  EXPECT_EQ(venster.invoer[5].tekst, "80");  // while the stored 79.6 went back into the file
  EXPECT_EQ(venster.invoer[23].tekst, "602.25");
  EXPECT_EQ(venster.toel[2].tekst, "derde \xE2\x82\xAC");
}

// Every refusal is one sentence naming the file, and takes nothing over: no
// .tvo name, no file, beyond the read limit, a length other than
// 644 with the mark in place (or too short to hold it); without "O2" in its
// place it is an older version's, whose message is the caller's to show.
TEST_F(WerkbladBestandTest, RefusalsNameFileAndReasonAndTakeNothingOver) {
  const Bytes goed = Opgeslagen(Gevuld());
  Bytes klein = goed, ander = goed, langer = goed;
  klein[632] = 'o', ander[633] = '3';
  langer.push_back(0);
  gelezen.Qlv[1] = 5;
  venster.invoer[2].tekst = "voor";
  const std::string naam = pad.string();
  const auto beschadigd = [&](std::size_t n) {
    return "Bestand " + naam + " is beschadigd (" + std::to_string(n) + " bytes in plaats van 644).";
  };
  for (const auto& [bytes, melding] :
       {std::pair{Bytes(goed.begin(), goed.end() - 1), beschadigd(643)}, {langer, beschadigd(645)},
        {Bytes(goed.begin(), goed.begin() + 631), beschadigd(631)}}) {
    const Uitkomst<void> r = Lees(bytes);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Melding(), melding);
    EXPECT_EQ(r.Nummer(), kFoutVoorbijEinde);
  }
  for (const Bytes& b : {klein, ander, Bytes(goed.begin(), goed.begin() + 632)}) {
    const Uitkomst<void> oud = Lees(b);
    ASSERT_FALSE(oud);
    EXPECT_EQ(oud.Melding(), "Rekenblad is aangemaakt met oudere programmaversie. Inlezen is niet mogelijk!");
    EXPECT_EQ(oud.Nummer(), 0);
  }

  SchrijfBytes(map / "blad.txt", goed);
  auto r = LeesWerkbladInhoud(map / "blad.txt");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "Bestand " + (map / "blad.txt").string() +
                             " is geen rekenblad van Tarvo: de naam eindigt niet op .tvo.");
  r = LeesWerkbladInhoud(map / "weg.TVO");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "Bestand " + (map / "weg.TVO").string() +
                             " kan niet worden gelezen: Bestand niet gevonden.");
  langer.resize(kWerkbladLengte + kLeesMarge + 1, 0);
  EXPECT_EQ(Lees(langer).Melding(),
            "Bestand " + naam + " kan niet worden gelezen: Het bestand is beschadigd: groter dan 4740 bytes.");

  EXPECT_TRUE(meldingen.getoond.empty());
  EXPECT_TRUE(gelezen.Qlv[1] == 5 && venster.invoer[2].tekst == "voor");
  ASSERT_TRUE(Lees(goed));
  EXPECT_EQ(gelezen.Qlv[1], Gevuld().Qlv[1]);
}

// Zone: only 1 is on; deduction: anything above 0 is on; a road surface the
// catalogue does not hold becomes the first, with a message.
TEST_F(WerkbladBestandTest, OddSwitchAndRoadSurfaceValues) {
  Bytes b = Opgeslagen(Gevuld());
  for (auto [zone, aftrek, wegdek, zoneAan, aftrekAan] : {std::array{2, 2, 17, 0, 1}, {1, -1, 0, 1, 0}}) {
    ZetInt16(b, 642, static_cast<std::int16_t>(zone));
    ZetInt16(b, 332, static_cast<std::int16_t>(aftrek));
    ZetInt16(b, 390, static_cast<std::int16_t>(wegdek));
    venster = PlainWerkbladVenster{};
    meldingen.getoond.clear();
    ASSERT_TRUE(Lees(b));
    EXPECT_EQ(venster.zone.waarde, zoneAan) << zone;
    EXPECT_EQ(venster.aftrek.waarde, aftrekAan) << aftrek;
    EXPECT_TRUE(gelezen.WegdekKeuze == 1 && venster.getoondWegdek == 0) << wegdek;
    ASSERT_EQ(meldingen.getoond.size(), 1u);
    EXPECT_NE(meldingen.getoond[0].tekst.find("wegdek"), std::string::npos);
  }
  // The zone of the last file locks the speed fields at 30 and keeps what the file said.
  EXPECT_EQ(venster.invoer[5].tekst, "30");
  EXPECT_EQ(gelezen.Vlv, 79.6);
}

// Every field through the file and back into the window, each with a value
// of its own, so that two fields trading places on disk or on screen show.
TEST_F(WerkbladBestandTest, EveryFieldComesBackInItsOwnPlace) {
  Werkblad ws;
  PlainWerkbladVenster getypt;
  ResetWerkblad(ws, getypt);
  for (int k = 2; k <= 39; ++k) getypt.invoer[static_cast<std::size_t>(k)].tekst = std::to_string(k) + ".25";
  for (int k : kSnelheidVelden) getypt.invoer[static_cast<std::size_t>(k)].tekst = std::to_string(k + 31);
  const std::pair<int, const char*> binnenBereik[] = {
      {0, "woning"}, {1, "weg"}, {33, "3.50"}, {34, "0.34"}, {35, "0.35"}, {39, "39"}};
  for (auto [k, t] : binnenBereik) getypt.invoer[static_cast<std::size_t>(k)].tekst = t;
  ASSERT_TRUE(CheckIt(ws, getypt, meldingen).ok);
  // The derived fields: what the calculation left, stored as it is.
  for (int p = 1; p <= 3; ++p) {
    ws.Qtotaal[static_cast<std::size_t>(p)] = 25.5 + p, ws.Vrachtverkeer[static_cast<std::size_t>(p)] = 28.5 + p;
  }
  for (int k = 26; k <= 31; ++k) getypt.invoer[static_cast<std::size_t>(k)].tekst = std::to_string(k) + ".50";
  for (int i = 0; i < 4; ++i) getypt.toel[static_cast<std::size_t>(i)].tekst = "opmerking " + std::to_string(i);
  for (int i = 0; i < 4; ++i) ToelichtingOvernemen(ws, getypt, i);
  ws.WegdekKeuze = 3, ws.RailConstructie = 1;

  ASSERT_TRUE(Lees(Opgeslagen(ws, 0, 1)));
  for (int k = 0; k < 40; ++k) {
    EXPECT_EQ(venster.invoer[static_cast<std::size_t>(k)].tekst, getypt.invoer[static_cast<std::size_t>(k)].tekst)
        << "field " << k;
  }
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(venster.toel[i].tekst, "opmerking " + std::to_string(i));
  EXPECT_TRUE(venster.getoondWegdek == 2 && gelezen.RailConstructie == 1);
  EXPECT_TRUE(venster.aftrek.waarde == 1 && venster.zone.waarde == 0);
}

// NaN in a number holds no number, as an infinity does: the field shows it
// and the input check refuses that field by number instead of reading 0.
TEST_F(WerkbladBestandTest, NaNAndInfinityShowAsNoNumber) {
  Bytes b = Opgeslagen(Gevuld());
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  std::memcpy(b.data() + 90, &nan, 8);        // Qlv dag
  std::memcpy(b.data() + 90 + 64, &inf, 8);   // Qlv avond
  std::memcpy(b.data() + 382, &nan, 8);       // viewing angle
  ASSERT_TRUE(Lees(b));
  EXPECT_EQ(venster.invoer[2].tekst, "NaN");
  EXPECT_EQ(venster.invoer[3].tekst, "\xE2\x88\x9E");
  EXPECT_EQ(venster.invoer[39].tekst, "NaN");
  gelezen.Decimaal = '.';
  const CheckUitkomst check = CheckIt(gelezen, venster, meldingen);
  EXPECT_FALSE(check);
  EXPECT_EQ(check.nietGetalVeld, 2);
}

// Without any road surface in the catalogue the message says so, instead
// of claiming that the first one was chosen.
TEST_F(WerkbladBestandTest, EmptyCatalogueIsNamedAsSuch) {
  const Bytes b = Opgeslagen(Gevuld());
  catalogus.AantalWegdekken = 0;
  ASSERT_TRUE(Lees(b));
  ASSERT_EQ(meldingen.getoond.size(), 1u);
  EXPECT_EQ(meldingen.getoond[0].tekst,
            "Het wegdek van dit rekenblad (positie 16) staat niet in de wegdekkenlijst: de wegdekkenlijst bevat geen "
            "wegdekken.");
}
