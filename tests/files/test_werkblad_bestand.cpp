#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "calc/Controle.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"
#include "tests/Gevallen.h"
#include "tests/TijdelijkeMap.h"

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
template <typename T>
void Zet(Bytes& b, std::size_t offset, T v) {
  std::memcpy(b.data() + offset, &v, sizeof v);
}
std::string TekstOp(const Bytes& b, std::size_t offset, std::size_t n) {
  return {reinterpret_cast<const char*>(b.data()) + offset, n};
}
Bytes Gecodeerd(const Invoer& in) {
  const auto b = CodeerWerkblad(in);
  return {b.begin(), b.end()};
}

// An input whose stored values all differ.
Invoer Gevuld() {
  Invoer in;
  in.weg = "Rijksweg A12";
  for (int c = 0; c < kAantalCategorieen; ++c) {
    for (int p = 1; p <= 3; ++p) in.getal[static_cast<std::size_t>(IntensiteitVeld(c, p))] = 100 * (c + 1) + p + 0.25;
    in.getal[static_cast<std::size_t>(SnelheidVeld(c))] = 31 + c;
  }
  for (int p = 1; p <= 3; ++p) {
    in.getal[static_cast<std::size_t>(TotaalVeld(p))] = 2000 + p;
    in.getal[static_cast<std::size_t>(VrachtVeld(p))] = 10 + p;
  }
  for (auto [k, x] :
       {std::pair{5, 79.6}, {37, 61.}, {33, 1.25}, {32, 4.5}, {35, 0.75}, {34, 0.5}, {36, 25.}, {39, 90.}, {38, 42.}}) {
    in.getal[static_cast<std::size_t>(k)] = x;
  }
  in.rail = 1, in.aftrek = true, in.wegdek = 16;
  in.toelichting = {"eerste", "", "derde \xE2\x82\xAC", "vierde"};
  return in;
}

class WerkbladBestand : public ::testing::Test {
 protected:
  Uitkomst<Invoer> Lees(const Bytes& b) {
    SchrijfBytes(pad, b);
    return LeesWerkbladBestand(pad);
  }
  TijdelijkeMap map;
  std::filesystem::path pad = map / "blad.tvo";
};

}  // namespace

TEST_F(WerkbladBestand, IndelingBytePerByte) {
  Invoer in = Gevuld();
  in.zone = true;
  in.waarneempunt = std::string(44, 'p') + "\xC3\xA9XYZ";  // cut after 45 characters, not bytes
  const Bytes b = Gecodeerd(in);
  EXPECT_EQ(TekstOp(b, 0, 45), "Rijksweg A12" + std::string(33, ' '));
  EXPECT_EQ(TekstOp(b, 45, 45), std::string(44, 'p') + "\xE9");
  // Per period lv, mv, zv, mr, the total, the freight share, then bromf and tram.
  for (int p = 1; p <= 3; ++p) {
    const std::size_t blok = 90 + 64 * static_cast<std::size_t>(p - 1);
    for (int c = 0; c < 6; ++c) {
      EXPECT_EQ(Op<double>(b, blok + 8 * static_cast<std::size_t>(c < 4 ? c : c + 2)), in.Intensiteit(c, p)) << c;
    }
    EXPECT_EQ(Op<double>(b, blok + 32), 2000 + p);
    EXPECT_EQ(Op<double>(b, blok + 40), 10 + p);
  }
  // Six speeds, then crossing .. viewing angle, then the obstacle behind the version mark.
  for (auto [offset, waarde] : {std::pair<std::size_t, double>{282, 79.6},
                                {290, 32},
                                {298, 33},
                                {306, 34},
                                {314, 35},
                                {322, 36},
                                {334, 61},
                                {342, 1.25},
                                {350, 4.5},
                                {358, 0.75},
                                {366, 0.5},
                                {374, 25},
                                {382, 90},
                                {634, 42}}) {
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
// byte 0x80..0xFF included; the fields show trimmed texts in their patterns.
TEST_F(WerkbladBestand, GelezenEnWeerGeschrevenGeeftDezelfdeBytes) {
  Bytes b = Gecodeerd(Gevuld());
  for (std::size_t i = 0; i < 128; ++i) {  // road and point names, then the first remark line
    b[i < 90 ? i : 392 + i - 90] = static_cast<std::uint8_t>(0x80 + i);
  }
  const auto gelezen = Lees(b);
  ASSERT_TRUE(gelezen) << gelezen.Melding();
  EXPECT_EQ(Gecodeerd(*gelezen), b);
  const Werkblad w = WerkbladVan(*gelezen, ',');
  EXPECT_EQ(w.veld[5], "80");  // while the stored 79.6 went back into the file
  EXPECT_EQ(w.veld[23], "602,25");
  EXPECT_EQ(w.veld[26], "2001,00");
  EXPECT_EQ(w.toelichting[2], "derde \xE2\x82\xAC");
}

// Every refusal is one sentence naming the file: no .tvo name, no file,
// beyond the read limit, a length other than 644 with the mark in place (or
// too short to hold it); without "O2" in its place it is an older
// version's, whose message is the caller's to show.
TEST_F(WerkbladBestand, WeigeringenNoemenBestandEnReden) {
  const Bytes goed = Gecodeerd(Gevuld());
  Bytes klein = goed, ander = goed, langer = goed;
  klein[632] = 'o', ander[633] = '3';
  langer.push_back(0);
  const std::string naam = pad.string();
  const auto beschadigd = [&](std::size_t n) {
    return "Bestand " + naam + " is beschadigd (" + std::to_string(n) + " bytes in plaats van 644).";
  };
  for (const auto& [bytes, melding] : {std::pair{Bytes(goed.begin(), goed.end() - 1), beschadigd(643)},
                                       {langer, beschadigd(645)},
                                       {Bytes(goed.begin(), goed.begin() + 631), beschadigd(631)}}) {
    const auto r = Lees(bytes);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Melding(), melding);
    EXPECT_EQ(r.Nummer(), kFoutVoorbijEinde);
  }
  for (const Bytes& b : {klein, ander, Bytes(goed.begin(), goed.begin() + 632)}) {
    const auto oud = Lees(b);
    ASSERT_FALSE(oud);
    EXPECT_EQ(oud.Melding(), "Rekenblad is aangemaakt met oudere programmaversie. Inlezen is niet mogelijk!");
    EXPECT_EQ(oud.Nummer(), kFoutOudeVersie);
  }

  SchrijfBytes(map / "blad.txt", goed);
  auto r = LeesWerkbladBestand(map / "blad.txt");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(),
            "Bestand " + (map / "blad.txt").string() + " is geen rekenblad van Tarvo: de naam eindigt niet op .tvo.");
  r = LeesWerkbladBestand(map / "weg.TVO");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "Bestand " + (map / "weg.TVO").string() + " kan niet worden gelezen: Bestand niet gevonden.");
  langer.resize(kWerkbladLengte + kLeesMarge + 1, 0);
  EXPECT_EQ(Lees(langer).Melding(),
            "Bestand " + naam + " kan niet worden gelezen: Het bestand is beschadigd: groter dan 4740 bytes.");
  EXPECT_TRUE(Lees(goed));
}

namespace {

struct SchakelaarGeval {
  const char* naam;
  std::int16_t zone, aftrek, wegdek, aantalWegdekken;
  bool zoneAan, aftrekAan;
  const char* melding;  // nullptr: the road surface stays
};
class Schakelaars : public ::testing::TestWithParam<SchakelaarGeval> {};
const SchakelaarGeval kSchakelaars[] = {
    {"zone_2_aftrek_2", 2, 2, 16, 16, false, true, nullptr},
    {"zone_1_aftrek_min_1", 1, -1, 1, 16, true, false, nullptr},
    {"wegdek_na_de_lijst", 0, 1, 17, 16, false, true,
     "Het wegdek van dit rekenblad (positie 17) staat niet in de wegdekkenlijst; het eerste wegdek is gekozen."},
    {"wegdek_0", 0, 0, 0, 16, false, false,
     "Het wegdek van dit rekenblad (positie 0) staat niet in de wegdekkenlijst; het eerste wegdek is gekozen."},
    {"lege_wegdekkenlijst", 0, 0, 16, 0, false, false,
     "Het wegdek van dit rekenblad (positie 16) staat niet in de wegdekkenlijst: de wegdekkenlijst bevat geen "
     "wegdekken."},
};

}  // namespace

// Zone: only 1 is on; deduction: anything above 0 is on; a road surface the
// catalogue does not hold becomes the first, with a sentence that says why.
TEST_P(Schakelaars, WordenGelezenZoalsHetVensterZeKent) {
  const SchakelaarGeval& g = GetParam();
  Bytes b = Gecodeerd(Gevuld());
  Zet(b, 642, g.zone), Zet(b, 332, g.aftrek), Zet(b, 390, g.wegdek);
  auto in = DecodeerWerkblad(b);
  ASSERT_TRUE(in);
  EXPECT_EQ(in->zone, g.zoneAan);
  EXPECT_EQ(in->aftrek, g.aftrekAan);
  const Werkblad w = WerkbladVan(*in, '.');
  EXPECT_TRUE(w.zone == g.zoneAan && w.aftrek == g.aftrekAan);
  Catalogus catalogus;
  catalogus.AantalWegdekken = g.aantalWegdekken;
  const auto melding = HerstelWegdek(*in, catalogus);
  EXPECT_EQ(melding, g.melding ? std::optional<std::string>(g.melding) : std::nullopt);
  EXPECT_EQ(in->wegdek, g.melding ? 1 : g.wegdek);
}
TARVO_GEVALLEN(Schakelaars, kSchakelaars);

// Every field through the check, the file and back into the fields, each
// with a value of its own, so that two fields trading places on disk or on
// screen show; the file holds the totals of the intensities. Checked again,
// what was read is written as it was, but for a road surface set right.
TEST_F(WerkbladBestand, ElkVeldKomtTerugOpZijnPlek) {
  Werkblad getypt = LeegWerkblad('.');
  for (int k = 2; k <= 39; ++k) getypt.veld[static_cast<std::size_t>(k)] = std::to_string(k) + ".25";
  for (int k : kSnelheidVelden) getypt.veld[static_cast<std::size_t>(k)] = std::to_string(k + 31);
  for (auto [k, t] : {std::pair{0, "woning"},
                      {1, "weg"},
                      {33, "3.50"},
                      {34, "0.34"},
                      {35, "0.35"},
                      {39, "39"},
                      {26, "73.50"},
                      {27, "79.50"},
                      {28, "85.50"},
                      {29, "22.45"},
                      {30, "23.27"},
                      {31, "23.98"}}) {
    getypt.veld[static_cast<std::size_t>(k)] = t;
  }
  for (std::size_t i = 0; i < 4; ++i) getypt.toelichting[i] = "opmerking " + std::to_string(i);
  getypt.wegdek = 3, getypt.rail = 1, getypt.aftrek = true;
  const Controle controle = Controleer(getypt, '.');
  ASSERT_TRUE(controle);
  ASSERT_TRUE(SchrijfWerkbladBestand(pad, *controle.invoer));
  Bytes b = LeesBytes(pad);

  const auto gelezen = LeesWerkbladBestand(pad);
  ASSERT_TRUE(gelezen);
  const Werkblad w = WerkbladVan(*gelezen, '.');
  for (std::size_t k = 0; k < kAantalVelden; ++k) EXPECT_EQ(w.veld[k], getypt.veld[k]) << "field " << k;
  EXPECT_EQ(w.toelichting, getypt.toelichting);
  EXPECT_TRUE(w.wegdek == 3 && w.rail == 1 && w.aftrek && !w.zone);
  const Controle weer = Controleer(w, '.');
  ASSERT_TRUE(weer);
  EXPECT_EQ(Gecodeerd(*weer.invoer), b);

  Zet<std::int16_t>(b, 642, 2), Zet<std::int16_t>(b, 332, 2), Zet<std::int16_t>(b, 390, 17);
  auto vreemd = DecodeerWerkblad(b);
  ASSERT_TRUE(vreemd && HerstelWegdek(*vreemd, Catalogus{.AantalWegdekken = 16}));
  const Controle hersteld = Controleer(WerkbladVan(*vreemd, '.'), '.');
  ASSERT_TRUE(hersteld);
  Zet<std::int16_t>(b, 642, 0), Zet<std::int16_t>(b, 332, 1), Zet<std::int16_t>(b, 390, 1);
  EXPECT_EQ(Gecodeerd(*hersteld.invoer), b);
}

// NaN in a number holds no number, as an infinity does: the field shows it
// and the input check refuses that field by number instead of reading 0.
TEST_F(WerkbladBestand, NaNEnOneindigZijnGeenGetal) {
  Bytes b = Gecodeerd(Gevuld());
  constexpr double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  Zet(b, 90, nan), Zet(b, 90 + 64, inf), Zet(b, 382, nan);  // Qlv dag and avond, the viewing angle
  const auto gelezen = DecodeerWerkblad(b);
  ASSERT_TRUE(gelezen);
  const Werkblad w = WerkbladVan(*gelezen, '.');
  EXPECT_EQ(w.veld[2], "NaN");
  EXPECT_EQ(w.veld[3], "\xE2\x88\x9E");
  EXPECT_EQ(w.veld[39], "NaN");
  const Controle c = Controleer(w, '.');
  ASSERT_TRUE(c.weigering);
  EXPECT_EQ(c.weigering->soort, Weigering::Soort::GeenGetal);
  EXPECT_EQ(c.weigering->veld, 2);
  EXPECT_EQ(c.weigering->tekst, "NaN");
}
