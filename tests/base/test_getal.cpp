#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "base/Getal.h"
#include "tests/Gevallen.h"

using namespace tarvo;

namespace {

struct FormaatGeval {
  const char* naam;
  double waarde;
  const char* patroon;
  const char* verwacht;  // with a point; the comma case swaps it
};
class Formaat : public ::testing::TestWithParam<FormaatGeval> {};
const FormaatGeval kFormaten[] = {
    {"helft_van_2_675", 2.675, "##0.00", "2.68"},  // a binary hair below the half, judged on 15 digits
    {"helft_van_1_005", 1.005, "##0.00", "1.01"},
    {"helft_van_0_125", 0.125, "##0.00", "0.13"},
    {"negatieve_helft_weg_van_nul", -2.5, "0", "-3"},
    {"helft_weg_van_nul", 2.5, "0", "3"},
    {"negatief_naar_nul_zonder_teken", -0.001, "##0.00", "0.00"},
    {"negatief_geheel_naar_nul", -0.4, "0", "0"},
    {"nul", 0, "#0.00", "0.00"},
    {"geheel", 1234, "##0", "1234"},
    {"aangevuld_met_nullen", 12.5, "##0.00", "12.50"},
    {"overloop_naar_10", 9.995, "##0.00", "10.00"},
    {"grootste_invoer", 99999, "##0.00", "99999.00"},
    {"een_decimaal", 0.05, "##0.0", "0.1"},
    {"net_onder_de_helft", 0.0049, "##0.00", "0.00"},
    {"precies_de_helft", 0.005, "##0.00", "0.01"},
    {"snelheid_zonder_decimalen", 79.6, "#0", "80"},
    {"breder_dan_de_kolom", 123456.78, "##0.00", "123456.78"},
    {"meer_dan_15_cijfers_voor_de_punt", 1e20, "##0", "100000000000000000000"},
    {"negatief_een_decimaal", -62.25, "##0.0", "-62.3"},
    // The rounding looks at 15 significant digits, no more and no fewer.
    {"zestien_cijfers_ronden_op_15", 0.1249999999999999, "##0.00", "0.13"},
    {"vijftien_cijfers_blijven", 0.124999999999999, "##0.00", "0.12"},
    {"vijftiende_cijfer_rondt_af", 123456789012.345, "##0.00", "123456789012.35"},
    {"vijftiende_cijfer_blijft_staan", 1234567890123.45, "##0.00", "1234567890123.45"},
    {"zestiende_cijfer_wordt_0", 12345678901234.56, "##0.00", "12345678901234.60"},
};

struct GetalTekstGeval {
  const char* naam;
  const char* tekst;
  bool getal;
};
class GetalTekst : public ::testing::TestWithParam<GetalTekstGeval> {};
const GetalTekstGeval kGetalTeksten[] = {
    {"geheel", "12", true},
    {"punt", "12.5", true},
    {"komma", "12,5", true},
    {"blanks_rondom", " 7 ", true},
    {"min", "-3", true},
    {"plus", "+4", true},
    {"punt_vooraan", ".5", true},
    {"punt_achteraan", "5.", true},
    {"nul", "0", true},
    {"exponent", "1e5", false},
    {"twee_scheidingstekens", "1.000,5", false},
    {"alleen_komma", ",", false},
    {"letters_erachter", "12abc", false},
    {"leeg", "", false},
    {"alleen_blank", " ", false},
    {"dubbel_min", "--1", false},
    {"blank_ertussen", "1 2", false},
    {"woord", "abc", false},
    {"twee_punten", "1.2.3", false},
    {"blank_na_teken", "- 1", false},
};

}  // namespace

TEST_P(Formaat, HelftenVanNulAfOpVijftienCijfers) {
  const FormaatGeval& g = GetParam();
  EXPECT_EQ(Formatteer(g.waarde, g.patroon, '.'), g.verwacht);
  std::string komma = g.verwacht;
  if (const auto punt = komma.find('.'); punt != std::string::npos) komma[punt] = ',';
  EXPECT_EQ(Formatteer(g.waarde, g.patroon, ','), komma);
}
TARVO_GEVALLEN(Formaat, kFormaten);

TEST(Formatteer, OneindigEnNaNZonderVastlopen) {
  EXPECT_FALSE(Formatteer(std::numeric_limits<double>::infinity(), "##0.00", '.').empty());
  EXPECT_EQ(Formatteer(std::nan(""), "##0.00", '.'), "0");
}

TEST_P(GetalTekst, IsGetalAlleenVoorGewoneGetallen) { EXPECT_EQ(IsGetal(GetParam().tekst), GetParam().getal); }
TARVO_GEVALLEN(GetalTekst, kGetalTeksten);

TEST(LeesGetal, LeestHetGetalVooraanMetKommaOfPunt) {
  EXPECT_DOUBLE_EQ(LeesGetal("12,5"), 12.5);
  EXPECT_DOUBLE_EQ(LeesGetal("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(LeesGetal(" -3 "), -3);
  EXPECT_DOUBLE_EQ(LeesGetal("12abc"), 12);
  EXPECT_DOUBLE_EQ(LeesGetal(""), 0);
  EXPECT_TRUE(std::isinf(LeesGetal(std::string(400, '9'))));
  EXPECT_EQ(LeesGetal("0." + std::string(400, '0') + "1"), 0.0);
}

// The shortest text that reads back to the same bits, with either separator.
TEST(VolledigeTekst, LeestTerugAlsDezelfdeDouble) {
  EXPECT_EQ(VolledigeTekst(0.1, '.'), "0.1");
  EXPECT_EQ(VolledigeTekst(-2.75, ','), "-2,75");
  EXPECT_EQ(VolledigeTekst(0.30000000000000004, ','), "0,30000000000000004");
  EXPECT_EQ(VolledigeTekst(1e-7, ','), "1e-07");
  EXPECT_EQ(VolledigeTekst(-0.0, '.'), "-0");
  for (double x : {0.1, 1.0 / 3, -99999.0, 99999.0, 1e-7, 5e-324, 12345.678901234567, -0.0, 2.5e-5}) {
    for (char sep : {'.', ','}) {
      const auto terug = LeesVolledig(VolledigeTekst(x, sep));
      ASSERT_TRUE(terug) << x;
      EXPECT_EQ(std::bit_cast<std::uint64_t>(*terug), std::bit_cast<std::uint64_t>(x)) << VolledigeTekst(x, sep);
    }
  }
}

TEST(LeesVolledig, DeHeleTekstIsEenGetal) {
  EXPECT_EQ(LeesVolledig(" 1,5 "), 1.5);
  EXPECT_EQ(LeesVolledig("\t-2.25"), -2.25);
  EXPECT_EQ(LeesVolledig("+3"), 3.0);
  EXPECT_EQ(LeesVolledig(",5"), 0.5);
  EXPECT_EQ(LeesVolledig("5."), 5.0);
  EXPECT_EQ(LeesVolledig("1,5E+2"), 150.0);
  EXPECT_EQ(LeesVolledig("2e-3"), 0.002);
  for (const char* nee :
       {"", " ", "-", ",", "1,5,0", "1.234,5", "1 000", "1e", "1e+", "e5", "12abc", "0x10", "--1", "1,5 dB", "1e5.5"}) {
    EXPECT_FALSE(LeesVolledig(nee)) << nee;
  }
  // Words and sizes beyond the doubles give what they stand for, for the caller to refuse.
  EXPECT_TRUE(std::isinf(*LeesVolledig("-INF")) && *LeesVolledig("-INF") < 0);
  EXPECT_TRUE(std::isnan(*LeesVolledig("nan")));
  EXPECT_TRUE(std::isinf(*LeesVolledig("1e400")));
  EXPECT_TRUE(std::isinf(*LeesVolledig(std::string(400, '9') + ",5")));
  EXPECT_TRUE(std::isinf(*LeesVolledig("1e99999999999999999999")));
  EXPECT_EQ(*LeesVolledig("1e-400"), 0.0);
  EXPECT_TRUE(std::signbit(*LeesVolledig("-1e-400")));
  EXPECT_EQ(*LeesVolledig("0," + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(*LeesVolledig("1e-99999999999999999999"), 0.0);
  EXPECT_TRUE(std::isinf(*LeesVolledig("0,0001e400")));
}
