#include <gtest/gtest.h>

#include <string>

#include "calc/Valideer.h"
#include "tests/Gevallen.h"

using namespace tarvo;

namespace {

struct TekstGeval {
  const char* naam;
  const char* tekst;
  Soort soort;
  const char* getoond;  // nullptr: refused
};
class Vakvalidatie : public ::testing::TestWithParam<TekstGeval> {};
const TekstGeval kTeksten[] = {
    {"getal_met_letters", "12abc", Soort::Numeriek, nullptr},
    {"getal_met_exponent", "1e5", Soort::Numeriek, nullptr},
    {"getal_van_blanks", "  ", Soort::Numeriek, nullptr},
    {"getal_met_blanks_en_komma", " 12,5 ", Soort::Numeriek, "12,50"},
    {"leeg_getal_is_0", "", Soort::Numeriek, "0,00"},
    {"getal_boven_maximum", "20000", Soort::Numeriek, "9999,00"},
    {"getal_onder_minimum", "-0,01", Soort::Numeriek, "0,00"},
    {"datum_zonder_voorloopnullen", "1-2-2013", Soort::Datum, nullptr},
    {"datum_31_februari", "31-02-2013", Soort::Datum, nullptr},
    {"datum_29_februari_2013", "29-02-2013", Soort::Datum, nullptr},
    {"datum_29_februari_1900", "29-02-1900", Soort::Datum, nullptr},
    {"datum_maand_13", "01-13-2013", Soort::Datum, nullptr},
    {"datum_maand_0", "01-00-2013", Soort::Datum, nullptr},
    {"datum_dag_0", "00-01-2013", Soort::Datum, nullptr},
    {"datum_31_april", "31-04-2013", Soort::Datum, nullptr},
    {"datum_jaar_99", "01-01-0099", Soort::Datum, nullptr},
    {"datum_met_schuine_strepen", "01/02/2013", Soort::Datum, nullptr},
    {"datum_leeg", "", Soort::Datum, nullptr},
    {"datum_29_februari_2012", "29-02-2012", Soort::Datum, "29-02-2012"},
    {"datum_29_februari_2000", "29-02-2000", Soort::Datum, "29-02-2000"},
    {"datum_30_april", "30-04-2013", Soort::Datum, "30-04-2013"},
    {"datum_jaar_100", "01-01-0100", Soort::Datum, "01-01-0100"},
    {"datum_31_december", "31-12-1999", Soort::Datum, "31-12-1999"},
    {"vrij_zonder_buitenste_blanks", "  Dorpsstraat 1 ", Soort::Vrij, "Dorpsstraat 1"},
    {"hoofdletters", " \xC3\xA9t\xC3\xA9 ", Soort::Hoofdletters, "\xC3\x89T\xC3\x89"},
    {"kleine_letters", " JaN ", Soort::KleineLetters, "jan"},
};

}  // namespace

// A valid box shows its text without a tool tip; a refused one keeps what
// was typed and gets the tool tip of its kind.
TEST_P(Vakvalidatie, GeeftTekstOfToolTip) {
  const TekstGeval& g = GetParam();
  const Validatie v = tarvo::Valideer(g.tekst, g.soort, 9999, 0, "##0.00", ',');
  EXPECT_EQ(v.geldig, g.getoond != nullptr);
  if (g.getoond) {
    EXPECT_EQ(v.tekst, g.getoond);
  }
  const std::string_view tip = g.soort == Soort::Datum ? kToolTipDatum : kToolTipGetal;
  EXPECT_EQ(v.toolTip, g.getoond ? std::string_view() : tip);
}
TARVO_GEVALLEN(Vakvalidatie, kTeksten);

// Range and pattern come from the caller, in either separator.
TEST(Valideer, KlemtGetalInBereikEnPatroon) {
  const auto getoond = [](std::string_view tekst, std::int32_t max, std::int32_t min, const char* patroon, char dec) {
    return tarvo::Valideer(tekst, Soort::Numeriek, max, min, patroon, dec).tekst;
  };
  EXPECT_EQ(getoond("12345.678", 99999, 0, "##0.00", '.'), "12345.68");
  EXPECT_EQ(getoond("25", 160, 30, "##0", '.'), "30");
  EXPECT_EQ(getoond("79,6", 160, 30, "##0", ','), "80");
  EXPECT_EQ(getoond("-" + std::string(400, '9'), 99999, -99999, "##0.00", '.'), "-99999.00");  // beyond any double
  // The bound a number was clamped to comes back; rounding into the range is no clamping.
  const auto grens = [](std::string_view tekst) {
    return tarvo::Valideer(tekst, Soort::Numeriek, 127, 0, "##0", ',').grens;
  };
  EXPECT_EQ(grens("180"), 127.0);
  EXPECT_EQ(grens("-3"), 0.0);
  EXPECT_EQ(grens("126,6"), std::nullopt);
  EXPECT_EQ(grens(""), std::nullopt);
}
