#include <gtest/gtest.h>

#include <string>

#include "calc/PlainBediening.h"
#include "calc/ValiDate.h"
#include "tests/Gevallen.h"

using namespace tarvo;

namespace {

// Runs ValiDate and returns what the box shows afterwards.
std::string Na(std::string tekst, std::int32_t max, std::int32_t min, const char* patroon, char dec = '.',
               std::string tag = "NUMERIC;") {
  PlainTekstVak v;
  v.tekst = std::move(tekst), v.tag = std::move(tag);
  const auto r = ValiDate(v, max, min, patroon, dec);
  EXPECT_TRUE(r.has_value());
  EXPECT_EQ(r.value_or("<none>"), v.tekst) << "the result and the box text differ";
  return v.tekst;
}

struct SoortGeval {
  const char* naam;
  const char* tekst;
  const char* tag;
  bool geldig;
};
class Soort : public ::testing::TestWithParam<SoortGeval> {};
const SoortGeval kSoorten[] = {
    {"getal_met_letters", "12abc", "NUMERIC;", false},
    {"getal_met_exponent", "1e5", "NUMERIC;", false},
    {"getal_van_blanks", "  ", "NUMERIC;", false},
    {"datum_zonder_voorloopnullen", "1-2-2013", "DATE;", false},
    {"datum_31_februari", "31-02-2013", "DATE;", false},
    {"datum_29_februari_1900", "29-02-1900", "DATE;", false},
    {"datum_maand_13", "01-13-2013", "DATE;", false},
    {"datum_met_schuine_strepen", "01/02/2013", "DATE;", false},
    {"datum_leeg", "", "DATE;", false},
    {"datum_29_februari_2012", "29-02-2012", "DATE;", true},
    {"datum_29_februari_2000", "29-02-2000", "DATE;", true},
    {"datum_31_december", "31-12-1999", "DATE;", true},
};

}  // namespace

TEST(ValiDate, NumberIsClampedAndFormattedWithEitherSeparator) {
  for (char dec : {'.', ','}) {
    const std::string sep(1, dec);
    EXPECT_EQ(Na(" 12,5 ", 9999, 0, "##0.00", dec), "12" + sep + "50");
    EXPECT_EQ(Na("", 9999, 0, "##0.00", dec), "0" + sep + "00");
    EXPECT_EQ(Na("20000", 9999, 0, "##0.00", dec), "9999" + sep + "00");
    EXPECT_EQ(Na("12345.678", 99999, 0, "##0.00", dec), "12345" + sep + "68");
  }
  EXPECT_EQ(Na("25", 160, 30, "##0"), "30");
  EXPECT_EQ(Na("79,6", 160, 30, "##0"), "80");
  EXPECT_EQ(Na("-" + std::string(400, '9'), 99999, -99999, "##0.00"), "-99999.00");  // beyond any double
}

// Refused: the text stays, the box turns red with the tool tip and asks for
// the focus once. Accepted: the text stays as it is and the box is clean.
TEST_P(Soort, NumberOrDateIsRefusedOrKept) {
  const SoortGeval& g = GetParam();
  PlainTekstVak v;
  v.tekst = g.tekst, v.tag = g.tag, v.achtergrond = kRood, v.toolTip = "oud";
  EXPECT_EQ(ValiDate(v, 9999, 0, "##0.00", ',').has_value(), g.geldig);
  EXPECT_EQ(v.tekst, g.tekst);
  EXPECT_EQ(v.achtergrond, g.geldig ? kLichtGeel : kRood);
  const std::string tip = std::string(g.tag) == "DATE;" ? "Voer geldige datum in (dd-mm-yyyy)" : "Voer geldig getal in";
  EXPECT_EQ(v.toolTip, g.geldig ? "" : tip);
  EXPECT_EQ(v.focusVerzoeken, g.geldig ? 0 : 1);
}
TARVO_GEVALLEN(Soort, kSoorten);

TEST(ValiDate, OtherKindsTrimBlanks) {
  EXPECT_EQ(Na("  Dorpsstraat 1 ", 0, 0, "##0.00", '.', ""), "Dorpsstraat 1");
  EXPECT_EQ(Na(" abc ", 0, 0, "", '.', "numeric;"), "abc");  // the kind is compared exactly
  EXPECT_EQ(Na(" \xC3\xA9t\xC3\xA9 ", 0, 0, "", '.', "UCASE;"), "\xC3\x89T\xC3\x89");
  EXPECT_EQ(Na(" JaN ", 0, 0, "", '.', "LCASE;"), "jan");
}
