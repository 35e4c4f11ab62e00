#include <gtest/gtest.h>

#include <cmath>
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
