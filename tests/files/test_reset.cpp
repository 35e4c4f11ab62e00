#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "files/Reset.h"

using namespace tarvo;

namespace {

// Per field: the names, per category three intensities and its speed, the
// derived fields, then hw, hweg, B, Fobj, d, crossing, obstacle, angle.
constexpr std::array<const char*, kAantalVelden> kStandaard = {
    "",     "",     "0.00", "0.00", "0.00", "30",   "0.00", "0.00", "0.00",  "30",   "0.00", "0.00", "0.00", "30",
    "0.00", "0.00", "0.00", "30",   "0.00", "0.00", "0.00", "30",   "0.00",  "0.00", "0.00", "30",   "0.00", "0.00",
    "0.00", "0.00", "0.00", "0.00", "5.00", "0.00", "0.00", "0.00", "10.00", "0.00", "0.00", "127"};

}  // namespace

TEST(LeegWerkblad, ToontDeStandaardInHetDecimaalteken) {
  for (char dec : {'.', ','}) {
    const Werkblad w = LeegWerkblad(dec);
    for (std::size_t k = 0; k < w.veld.size(); ++k) {
      std::string verwacht = kStandaard[k];
      std::replace(verwacht.begin(), verwacht.end(), '.', dec);
      EXPECT_EQ(w.veld[k], verwacht) << k;
    }
    EXPECT_EQ(w.toelichting, (std::array<std::string, kAantalToelichtingen>{}));
    EXPECT_TRUE(w.wegdek == 1 && !w.zone && !w.aftrek && w.rail == 0);
  }
}
