#include <gtest/gtest.h>

#include "base/Tekst.h"

using namespace tarvo;

TEST(IsUtf8, WeigertMisvormdTeLangGecodeerdEnSurrogaten) {
  for (const char* ja : {"", "abc", "caf\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xEF\xBF\xBD"}) {
    EXPECT_TRUE(IsUtf8(ja)) << ja;
  }
  for (const char* nee : {"caf\xE9", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_FALSE(IsUtf8(nee)) << nee;
  }
}

// The code page's characters at both ends of each of its ranges.
TEST(InCp1252, KentDeCodetabel) {
  for (char32_t ja : {U'\t', U'~', U'\u00A0', U'\u00E9', U'\u00FF', U'\u20AC', U'\u0178', U'\u2122'}) {
    EXPECT_TRUE(InCp1252(ja)) << static_cast<unsigned>(ja);
  }
  for (char32_t nee : {U'\u0081', U'\u009F', U'\u0100', U'\u0151', U'\u20AD', U'\U0001F600'}) {
    EXPECT_FALSE(InCp1252(nee)) << static_cast<unsigned>(nee);
  }
  EXPECT_EQ(Tekens("a\xC3\xA9\xE2\x82\xAC"), U"a\u00E9\u20AC");
  EXPECT_EQ(Utf8(U'\u0151'), "\xC5\x91");
}
