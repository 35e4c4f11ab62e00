#include <gtest/gtest.h>

#include <string>

#include "calc/PlainBediening.h"
#include "calc/ValiDate.h"

using namespace tarvo;

namespace {

PlainTekstVak Vak(std::string tekst, std::string tag = "NUMERIC;") {
  PlainTekstVak v;
  v.tekst = std::move(tekst);
  v.tag = std::move(tag);
  return v;
}

// Runs ValiDate and returns what the box shows afterwards.
std::string Na(std::string tekst, std::int32_t max, std::int32_t min, const char* patroon, char dec,
               std::string tag = "NUMERIC;") {
  PlainTekstVak v = Vak(std::move(tekst), std::move(tag));
  const auto r = ValiDate(v, max, min, patroon, dec);
  EXPECT_TRUE(r.has_value());
  EXPECT_EQ(r.value_or("<none>"), v.tekst) << "the result and the box text differ";
  return v.tekst;
}

}  // namespace

TEST(ValiDate, NumberIsClampedAndFormattedWithEitherSeparator) {
  for (char dec : {'.', ','}) {
    const std::string sep(1, dec);
    for (const char* typed : {"12,5", "12.5", " 12.5 "}) EXPECT_EQ(Na(typed, 9999, 0, "##0.00", dec), "12" + sep + "50");
    EXPECT_EQ(Na("", 9999, 0, "##0.00", dec), "0" + sep + "00");
    EXPECT_EQ(Na("20000", 9999, 0, "##0.00", dec), "9999" + sep + "00");
    EXPECT_EQ(Na("-4", 9999, 0, "##0.00", dec), "0" + sep + "00");
    EXPECT_EQ(Na("25", 160, 30, "##0", dec), "30");
    EXPECT_EQ(Na("200", 160, 30, "##0", dec), "160");
    EXPECT_EQ(Na("79,6", 160, 30, "##0", dec), "80");
    EXPECT_EQ(Na("12345.678", 99999, 0, "##0.00", dec), "12345" + sep + "68");
  }
}

TEST(ValiDate, OverlongNumbersAreClampedNotUndefined) {
  const std::string nines(400, '9');
  EXPECT_EQ(Na(nines, 9999, 0, "##0.00", '.'), "9999.00");
  EXPECT_EQ(Na("-" + nines, 9999, 0, "##0.00", '.'), "0.00");
  EXPECT_EQ(Na("-" + nines, 99999, -99999, "##0.00", '.'), "-99999.00");
  EXPECT_EQ(Na("0." + std::string(400, '0') + "1", 9999, 0, "##0.00", '.'), "0.00");
  EXPECT_EQ(Na(nines + ".5", 127, 0, "##0", '.'), "127");
}

TEST(ValiDate, InvalidNumberTurnsRedKeepsTextAndAsksFocus) {
  for (const char* fout : {"abc", "12abc", ",", "1,2.3", "1e5", "  "}) {
    PlainTekstVak v = Vak(fout);
    EXPECT_FALSE(ValiDate(v, 9999, 0, "##0.00", ',').has_value()) << fout;
    EXPECT_EQ(v.tekst, fout);
    EXPECT_EQ(v.achtergrond, (Kleur{255, 0, 0}));
    EXPECT_EQ(v.toolTip, "Voer geldig getal in");
    EXPECT_EQ(v.focusVerzoeken, 1);
  }
  // A later valid value clears the red mark and the tool tip.
  PlainTekstVak v = Vak("x");
  ValiDate(v, 9999, 0, "##0.00", '.');
  v.tekst = "7";
  EXPECT_EQ(ValiDate(v, 9999, 0, "##0.00", '.'), "7.00");
  EXPECT_EQ(v.achtergrond, (Kleur{255, 255, 192}));
  EXPECT_EQ(v.toolTip, "");
  EXPECT_EQ(v.focusVerzoeken, 1);
}

TEST(ValiDate, DateNeedsItsShapeAndARealDay) {
  for (const char* goed : {"01-02-2013", "29-02-2012", "29-02-2000", "31-12-1999"}) {
    EXPECT_EQ(Na(goed, 0, 0, "", '.', "DATE;"), goed);
  }
  for (const char* fout : {"1-2-2013", "31-02-2013", "29-02-2013", "29-02-1900", "00-01-2013", "01-13-2013",
                           "01/02/2013", " 01-02-2013", "01-02-13", "", "aa-bb-cccc"}) {
    PlainTekstVak v = Vak(fout, "DATE;");
    EXPECT_FALSE(ValiDate(v, 0, 0, "", '.').has_value()) << fout;
    EXPECT_EQ(v.tekst, fout);
    EXPECT_EQ(v.achtergrond, kRood);
    EXPECT_EQ(v.toolTip, "Voer geldige datum in (dd-mm-yyyy)");
    EXPECT_EQ(v.focusVerzoeken, 1);
  }
}

TEST(ValiDate, OtherKindsTrimBlanks) {
  EXPECT_EQ(Na("  Dorpsstraat 1 ", 0, 0, "##0.00", '.', ""), "Dorpsstraat 1");
  EXPECT_EQ(Na("", 0, 0, "##0.00", '.', ""), "");
  EXPECT_EQ(Na(" abc ", 0, 0, "", '.', "numeric;"), "abc");  // the kind is compared exactly
  EXPECT_EQ(Na(" jan ", 0, 0, "", '.', "UCASE;"), "JAN");
  EXPECT_EQ(Na(" \xC3\xA9t\xC3\xA9 ", 0, 0, "", '.', "UCASE;"), "\xC3\x89T\xC3\x89");
  EXPECT_EQ(Na(" JaN ", 0, 0, "", '.', "LCASE;"), "jan");
}
