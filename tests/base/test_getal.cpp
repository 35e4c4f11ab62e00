#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "base/Getal.h"

using namespace tarvo;

TEST(Formatteer, RoundsHalfAwayFromZeroOnFifteenDigits) {
  for (char sep : {'.', ','}) {
    auto f = [&](double v, const char* p) {
      std::string s = Formatteer(v, p, sep);
      for (char& c : s) {
        if (c == sep) c = '.';
      }
      return s;
    };
    EXPECT_EQ(f(2.675, "##0.00"), "2.68");
    EXPECT_EQ(f(1.005, "##0.00"), "1.01");
    EXPECT_EQ(f(0.125, "##0.00"), "0.13");
    EXPECT_EQ(f(-2.5, "0"), "-3");
    EXPECT_EQ(f(2.5, "0"), "3");
    EXPECT_EQ(f(-0.001, "##0.00"), "0.00");
    EXPECT_EQ(f(-0.4, "0"), "0");
    EXPECT_EQ(f(0, "#0.00"), "0.00");
    EXPECT_EQ(f(1234, "##0"), "1234");
    EXPECT_EQ(f(12.5, "##0.00"), "12.50");
    EXPECT_EQ(f(9.995, "##0.00"), "10.00");
    EXPECT_EQ(f(99999, "##0.00"), "99999.00");
    EXPECT_EQ(f(0.05, "##0.0"), "0.1");
    EXPECT_EQ(f(0.0049, "##0.00"), "0.00");
    EXPECT_EQ(f(0.005, "##0.00"), "0.01");
    EXPECT_EQ(f(79.6, "#0"), "80");
    EXPECT_EQ(f(123456.78, "##0.00"), "123456.78");
    EXPECT_EQ(f(1e20, "##0"), "100000000000000000000");
    EXPECT_EQ(f(-62.25, "##0.0"), "-62.3");
  }
  EXPECT_EQ(Formatteer(12.5, "##0.00", ','), "12,50");
}

TEST(Formatteer, NonFiniteNeverCrashes) {
  EXPECT_FALSE(Formatteer(std::numeric_limits<double>::infinity(), "##0.00", '.').empty());
  EXPECT_EQ(Formatteer(std::nan(""), "##0.00", '.'), "0");
}

TEST(IsGetal, AcceptsPlainNumbersOnly) {
  for (const char* ja : {"12", "12.5", "12,5", " 7 ", "-3", "+4", ".5", "5.", "0"}) EXPECT_TRUE(IsGetal(ja)) << ja;
  for (const char* nee : {"1e5", "1.000,5", ",", "12abc", "", " ", "--1", "1 2", "abc", "1.2.3", "- 1"})
    EXPECT_FALSE(IsGetal(nee)) << nee;
}

TEST(LeesGetal, ReadsLeadingNumberWithEitherSeparator) {
  EXPECT_DOUBLE_EQ(LeesGetal("12,5"), 12.5);
  EXPECT_DOUBLE_EQ(LeesGetal("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(LeesGetal(" -3 "), -3);
  EXPECT_DOUBLE_EQ(LeesGetal("12abc"), 12);
  EXPECT_DOUBLE_EQ(LeesGetal(""), 0);
  EXPECT_TRUE(std::isinf(LeesGetal(std::string(400, '9'))));
  EXPECT_EQ(LeesGetal("0." + std::string(400, '0') + "1"), 0.0);
}

// The shortest text that reads back to the same bits, with either separator.
TEST(VolledigeTekst, ReadsBackToTheSameDouble) {
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

TEST(LeesVolledig, TheWholeTextIsOneNumber) {
  EXPECT_EQ(LeesVolledig(" 1,5 "), 1.5);
  EXPECT_EQ(LeesVolledig("\t-2.25"), -2.25);
  EXPECT_EQ(LeesVolledig("+3"), 3.0);
  EXPECT_EQ(LeesVolledig(",5"), 0.5);
  EXPECT_EQ(LeesVolledig("5."), 5.0);
  EXPECT_EQ(LeesVolledig("1,5E+2"), 150.0);
  EXPECT_EQ(LeesVolledig("2e-3"), 0.002);
  for (const char* nee : {"", " ", "-", ",", "1,5,0", "1.234,5", "1 000", "1e", "1e+", "e5", "12abc", "0x10", "--1",
                          "1,5 dB", "1e5.5"}) {
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
