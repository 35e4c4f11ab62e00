#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "calc/VeldGetal.h"
#include "tests/calc/VeldGetalDefinitie.h"

using namespace tarvo;

namespace {

// Same as the definition for every range, or for the one given.
::testing::AssertionResult ZoalsDefinitie(const std::string& tekst,
                                          std::span<const GetalBereik> bereiken = test::kBereiken) {
  for (const auto& b : bereiken) {
    if (const auto v = test::Verschil(tekst, b)) return ::testing::AssertionFailure() << *v;
  }
  return ::testing::AssertionSuccess();
}

std::string Rij(char c, std::size_t n) { return std::string(n, c); }

}  // namespace

TEST(GecontroleerdGetal, KlemtVoorHetAfrondenEnGeeftNooitMinNul) {
  auto bits = [](std::optional<double> x) {
    std::uint64_t b = ~0ull;
    if (x) std::memcpy(&b, &*x, sizeof b);
    return b;
  };
  const double nul = 0.0;
  const GetalBereik afstand{99999, 0, "##0.00"}, fractie{1, 0, "##0.00"}, hoek{127, 0, "##0"}, snelheid{160, 30, "##0"},
      vrij{99999, -99999, "##0.00"};
  EXPECT_EQ(GecontroleerdGetal("9,995", afstand), 10.0);
  EXPECT_EQ(GecontroleerdGetal(" 0.005\t", afstand), 0.01);
  EXPECT_EQ(bits(GecontroleerdGetal("0.004", afstand)), bits(nul));
  EXPECT_EQ(bits(GecontroleerdGetal("-0.001", afstand)), bits(nul));
  EXPECT_EQ(bits(GecontroleerdGetal("-0.001", vrij)), bits(nul));
  EXPECT_EQ(bits(GecontroleerdGetal("-0", vrij)), bits(nul));
  EXPECT_EQ(GecontroleerdGetal("-2,345", vrij), -2.35);
  EXPECT_EQ(GecontroleerdGetal("0.999", fractie), 1.0);
  EXPECT_EQ(GecontroleerdGetal("1.004", fractie), 1.0);
  EXPECT_EQ(GecontroleerdGetal("0.5", hoek), 1.0);
  EXPECT_EQ(GecontroleerdGetal("127.4", hoek), 127.0);
  EXPECT_EQ(GecontroleerdGetal("126.5", hoek), 127.0);
  EXPECT_EQ(GecontroleerdGetal("29.5", snelheid), 30.0);
  EXPECT_EQ(GecontroleerdGetal("", snelheid), 30.0);
  EXPECT_EQ(GecontroleerdGetal("", afstand), 0.0);
  EXPECT_EQ(GecontroleerdGetal("160,4", snelheid), 160.0);
  EXPECT_EQ(GecontroleerdGetal("1107,371", afstand), 1107.37);
  EXPECT_EQ(GecontroleerdGetal("1" + Rij('0', 400), afstand), 99999.0);
  EXPECT_EQ(GecontroleerdGetal("1 2", afstand), std::nullopt);
  EXPECT_EQ(GecontroleerdGetal("1,2.3", afstand), std::nullopt);
  EXPECT_EQ(GecontroleerdGetal(" ", afstand), std::nullopt);
}

TEST(GecontroleerdGetal, RandgevallenGevenDeBitsVanDeDefinitie) {
  std::vector<std::string> teksten = {"",
                                      " ",
                                      "\t",
                                      "+",
                                      "-",
                                      ".",
                                      ",",
                                      "+,",
                                      "5.",
                                      ".5",
                                      ",5",
                                      "-.5",
                                      "-0",
                                      "+0,000",
                                      "-0,0",
                                      "0",
                                      "  12 ",
                                      "\t7\t",
                                      " -3,5\t",
                                      "1,2,3",
                                      "1.2.3",
                                      "1 2",
                                      "- 5",
                                      "5-",
                                      "++5",
                                      "12abc",
                                      "1e5",
                                      "0x10",
                                      "\n5",
                                      "5\r",
                                      "\xC2\xA0"
                                      "5",
                                      "1107,371",
                                      "16824,964",
                                      "0.25",
                                      "70",
                                      "123456789012345",
                                      "12345.6789012345",
                                      "99999.9999999999",
                                      "1234567890123456",
                                      "12345678901234567",
                                      "0.1234567890123456",
                                      "99999.99999999999",
                                      "0.004999999999999999",
                                      "0.005000000000000001",
                                      "1.0000000000000005",
                                      "0.0000000000000000000001",
                                      "0.0000000000000000000005",
                                      "0.00000000000000000000005",
                                      "0.000000123456789012345",
                                      "000000000000000000000012.5",
                                      Rij('9', 400),
                                      "-" + Rij('9', 400),
                                      "0." + Rij('0', 400) + "5",
                                      "1" + Rij('0', 400),
                                      "0." + Rij('9', 400),
                                      Rij('0', 400) + ",5",
                                      "1" + Rij('0', 15),
                                      "1" + Rij('0', 14),
                                      "-1" + Rij('0', 14) + ".5"};
  // Halves and just-not-halves at every decimal position, and carries
  // through nines up to and past every bound.
  for (std::size_t k = 0; k <= 24; ++k) {
    for (const char* kop : {"0.", "1,", "-2.", "126.", "0,"}) {
      teksten.push_back(kop + Rij('0', k) + "5");
      teksten.push_back(kop + Rij('4', k) + "5");
      teksten.push_back(kop + Rij('9', k) + "5");
      teksten.push_back(kop + Rij('9', k) + "4");
    }
    for (std::size_t geheel = 0; geheel <= 6; ++geheel) teksten.push_back(Rij('9', geheel) + "." + Rij('9', k) + "5");
  }
  for (const auto& b : test::kBereiken) {
    for (const std::int64_t grens : {std::int64_t{b.maximum}, std::int64_t{b.minimum}}) {
      for (const std::int64_t g : {grens - 1, grens, grens + 1}) {
        for (const char* staart : {"", ".0", ",001", ".004", ".005", ".4", ".5", ".9999999999", ".0000000001"}) {
          teksten.push_back(std::to_string(g) + staart);
        }
      }
    }
  }
  for (const auto& t : teksten) EXPECT_TRUE(ZoalsDefinitie(t));
}

// Texts from a fixed seed, mostly numbers near the ranges and their
// rounding edges, some with a stray character.
TEST(GecontroleerdGetal, GegenereerdeTekstenGevenDeBitsVanDeDefinitie) {
  std::mt19937_64 gen(20121);
  auto kies = [&](std::uint64_t n) { return gen() % n; };
  const std::string cijfers = "01234567899999950000004";
  const std::string vreemd = " \t+-.,e0x9";
  for (int r = 0; r < 100000; ++r) {
    std::string t;
    for (auto n = kies(6); n > 3; --n) t += kies(2) ? ' ' : '\t';
    if (const auto s = kies(4); s < 2) t += "+-"[s];
    for (auto n = kies(4) ? kies(5) : kies(22); n > 0; --n) t += cijfers[kies(cijfers.size())];
    if (kies(4)) t += kies(2) ? ',' : '.';
    for (auto n = kies(4) ? kies(7) : kies(26); n > 0; --n) t += cijfers[kies(cijfers.size())];
    for (auto n = kies(6); n > 3; --n) t += kies(2) ? ' ' : '\t';
    if (kies(20) == 0) t.insert(kies(t.size() + 1), 1, vreemd[kies(vreemd.size())]);
    const auto bereik = static_cast<std::size_t>(r) % std::size(test::kBereiken);
    ASSERT_TRUE(ZoalsDefinitie(t, std::span(test::kBereiken).subspan(bereik, 1)));
  }
}
