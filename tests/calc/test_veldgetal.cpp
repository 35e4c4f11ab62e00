// GecontroleerdGetal held against its definition (VeldGetalDefinitie.h) to
// the bit: texts at its edges, halves and carries at every decimal place
// and every bound of the field table, and generated texts.
#include <gtest/gtest.h>

#include <random>
#include <span>

#include "calc/VeldGetal.h"
#include "tests/Gevallen.h"
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

TEST(GecontroleerdGetal, RandgevallenGevenDeBitsVanDeDefinitie) {
  std::vector<std::string> teksten;
  std::ifstream randen(test::kBron / "tests/calc/veldgetal_randen.txt");
  for (std::string regel; std::getline(randen, regel);) {
    if (!regel.starts_with("#")) teksten.push_back(test::Ontsnapt(regel));
  }
  ASSERT_GT(teksten.size(), 50u);
  for (std::size_t k = 0; k <= 24; ++k) {
    for (const char* kop : {"0.", "1,", "-2.", "126.", "0,"}) {
      for (char c : {'0', '4', '9'}) teksten.push_back(kop + Rij(c, k) + "5");
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
