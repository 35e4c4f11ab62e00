#include <gtest/gtest.h>

#include <string>

#include "calc/PlainBediening.h"
#include "calc/ValiDate.h"

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

// Refused: the text stays, the box turns red with the tool tip and asks for the focus once.
void VerwachtGeweigerd(const std::string& tekst, const std::string& tag, const std::string& toolTip) {
  PlainTekstVak v;
  v.tekst = tekst, v.tag = tag;
  EXPECT_FALSE(ValiDate(v, 9999, 0, "##0.00", ',').has_value()) << tekst;
  EXPECT_EQ(v.tekst, tekst);
  EXPECT_EQ(v.achtergrond, kRood) << tekst;
  EXPECT_EQ(v.toolTip, toolTip) << tekst;
  EXPECT_EQ(v.focusVerzoeken, 1) << tekst;
}

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

TEST(ValiDate, InvalidNumberOrDateTurnsRedKeepsTextAndAsksFocus) {
  for (const char* fout : {"12abc", "1e5", "  "}) VerwachtGeweigerd(fout, "NUMERIC;", "Voer geldig getal in");
  for (const char* fout : {"1-2-2013", "31-02-2013", "29-02-1900", "01-13-2013", "01/02/2013", ""}) {
    VerwachtGeweigerd(fout, "DATE;", "Voer geldige datum in (dd-mm-yyyy)");
  }
  for (const char* goed : {"29-02-2012", "29-02-2000", "31-12-1999"}) EXPECT_EQ(Na(goed, 0, 0, "", '.', "DATE;"), goed);
}

TEST(ValiDate, OtherKindsTrimBlanks) {
  EXPECT_EQ(Na("  Dorpsstraat 1 ", 0, 0, "##0.00", '.', ""), "Dorpsstraat 1");
  EXPECT_EQ(Na(" abc ", 0, 0, "", '.', "numeric;"), "abc");  // the kind is compared exactly
  EXPECT_EQ(Na(" \xC3\xA9t\xC3\xA9 ", 0, 0, "", '.', "UCASE;"), "\xC3\x89T\xC3\x89");
  EXPECT_EQ(Na(" JaN ", 0, 0, "", '.', "LCASE;"), "jan");
}
