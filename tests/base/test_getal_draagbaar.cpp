// The portable path of base/Drijvend, which the WebAssembly build takes,
// held against the standard library's to_chars and from_chars.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "base/Drijvend.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kKleinst = std::numeric_limits<double>::denorm_min();

// Values where shortest texts, rounding and the fixed/scientific choice are delicate.
// clang-format off
const double kWaarden[] = {
    0.0, -0.0, 1, -1, 0.1, 0.3, 2.675, 1.005, 100, 123456.78, 1e-5, 1e-4, 0.001, 1e-7, 1e15, 1e16, 1e20, 1e21, 1e22,
    1e23, 9007199254740993.0, 0x1p60, 0x1p-20, 0x1p-1022, 0x1p1023, 5e-324, kKleinst, kMax, -kMax,
    2.2250738585072014e-308, 2.2250738585072009e-308, 1.7976931348623157e308, 123456789012345680000.0, 74.714999999,
    99999, 0.125, 9.995, 1.0 / 3, 2.0 / 3, 299792458, 4.35, 1e-300, 6.02214076e23,
    std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
// clang-format on

// Every exponent and random mantissas; a fixed generator keeps the run the same.
std::vector<double> Steekproef() {
  std::vector<double> v(std::begin(kWaarden), std::end(kWaarden));
  std::uint64_t s = 20240601;
  for (int i = 0; i < 10000; ++i) {
    s = s * 6364136223846793005ULL + 1442695040888963407ULL;
    const double x = std::bit_cast<double>(s & ~(0x7FFULL << 52) ? s : s + 1);
    if (std::isfinite(x)) v.push_back(x);
    v.push_back(std::ldexp(1.0, static_cast<int>(s % 2098) - 1074));  // powers of two
    v.push_back(static_cast<double>(s % 10000000) / 100);             // a typed number with two decimals
  }
  return v;
}

std::string Tekst(std::to_chars_result r, char* begin) {
  return r.ec == std::errc() ? std::string(begin, r.ptr) : "fout";
}

using Schrijf = std::to_chars_result (*)(char*, char*, double);
struct Schrijver {
  const char* naam;
  Schrijf standaard, draagbaar;
};
// clang-format off
const Schrijver kSchrijvers[] = {
    {"kortste",
     [](char* f, char* l, double x) { return std::to_chars(f, l, x); },
     [](char* f, char* l, double x) { return draagbaar::SchrijfDrijvend(f, l, x); }},
    {"wetenschappelijk_14",
     [](char* f, char* l, double x) { return std::to_chars(f, l, x, std::chars_format::scientific, 14); },
     [](char* f, char* l, double x) { return draagbaar::SchrijfDrijvend(f, l, x, std::chars_format::scientific, 14); }},
    {"algemeen_15",
     [](char* f, char* l, double x) { return std::to_chars(f, l, x, std::chars_format::general, 15); },
     [](char* f, char* l, double x) { return draagbaar::SchrijfDrijvend(f, l, x, std::chars_format::general, 15); }},
};

// Texts around the edges of the format and of the doubles; the written samples follow.
const std::string kTeksten[] = {
    "0", "-0", "1", ".5", "5.", "-.5", "1e5", "1e", "1e+", "1E-3", "-1.5e-3x", "12,5", "1e400", "-1e400", "1e-400",
    "0.0e-999", "1e-310", "2.4703282292062327e-324", "2.4703282292062328e-324", "4.9406564584124654e-324", "+1", " 1",
    "", "-", ".", "e5", "inf", "-Infinity", "infinit", "nan", "NaN(123)", "nan(", "0x1p3", "1.7976931348623158e308",
    "1.7976931348623159e308", std::string(400, '9'), "0." + std::string(330, '0') + "1", "9007199254740993", "74.715",
    "0.1e-5"};
// clang-format on

}  // namespace

TEST(DraagbaarDrijvend, WritesWhatToCharsWrites) {
  for (const Schrijver& s : kSchrijvers) {
    for (double x : Steekproef()) {
      char a[64], b[64];
      const std::string verwacht = Tekst(s.standaard(a, a + sizeof a, x), a);
      ASSERT_EQ(Tekst(s.draagbaar(b, b + sizeof b, x), b), verwacht) << s.naam;
    }
  }
  char kort[3];
  EXPECT_EQ(draagbaar::SchrijfDrijvend(kort, kort + sizeof kort, 0.125).ec, std::errc::value_too_large);
}

TEST(DraagbaarDrijvend, ReadsWhatFromCharsReads) {
  std::vector<std::string> teksten(std::begin(kTeksten), std::end(kTeksten));
  for (double x : Steekproef()) {
    char b[64];
    teksten.emplace_back(b, std::to_chars(b, b + sizeof b, x).ptr);
  }
  for (const std::string& t : teksten) {
    double verwacht = -7, gelezen = -7;  // out of range leaves the value alone
    const auto a = std::from_chars(t.data(), t.data() + t.size(), verwacht);
    const auto b = draagbaar::LeesDrijvend(t.data(), t.data() + t.size(), gelezen);
    ASSERT_EQ(b.ec, a.ec) << t;
    ASSERT_EQ(b.ptr - t.data(), a.ptr - t.data()) << t;
    ASSERT_EQ(std::isnan(gelezen), std::isnan(verwacht)) << t;
    if (std::isnan(verwacht)) continue;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(gelezen), std::bit_cast<std::uint64_t>(verwacht)) << t;
  }
}

// A user's locale with a decimal comma must change nothing: the C library
// under it writes and reads ',' where the texts hold '.'.
TEST(DraagbaarDrijvend, SchrijftEnLeestGelijkOnderEenKommaLocale) {
  test::TijdelijkeMap map;
  const std::string maak = "localedef -i nl_NL -f UTF-8 " + (map / "nl_NL.UTF-8").string() + " 2>/dev/null";
  ASSERT_EQ(std::system(maak.c_str()), 0) << "localedef en de Debian-locales (pakket locales) zijn nodig";
  ::setenv("LOCPATH", map.Pad().c_str(), 1);
  const std::string vorige = std::setlocale(LC_NUMERIC, nullptr);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "nl_NL.UTF-8"), nullptr);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  for (double x : {0.1, 2.675, 123456.78, 1e-7, 1e21, 6.02214076e23, 74.714999999}) {
    char a[64], b[64];
    const std::string verwacht = Tekst(std::to_chars(a, a + sizeof a, x), a);
    EXPECT_EQ(Tekst(draagbaar::SchrijfDrijvend(b, b + sizeof b, x), b), verwacht);
    EXPECT_EQ(Tekst(draagbaar::SchrijfDrijvend(b, b + sizeof b, x, std::chars_format::general, 15), b),
              Tekst(std::to_chars(a, a + sizeof a, x, std::chars_format::general, 15), a));
    double gelezen = -7;
    const auto r = draagbaar::LeesDrijvend(verwacht.data(), verwacht.data() + verwacht.size(), gelezen);
    EXPECT_EQ(r.ptr, verwacht.data() + verwacht.size()) << verwacht;
    EXPECT_EQ(gelezen, x) << verwacht;
  }
  // "12,5" is no number to the core, whatever the locale says.
  double komma = -7;
  const std::string t = "12,5";
  EXPECT_EQ(draagbaar::LeesDrijvend(t.data(), t.data() + t.size(), komma).ptr, t.data() + 2);
  EXPECT_EQ(komma, 12);
  std::setlocale(LC_NUMERIC, vorige.c_str());
  ::unsetenv("LOCPATH");
}
