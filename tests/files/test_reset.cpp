#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "files/Reset.h"

using namespace tarvo;

namespace {

// One field of each kind: a name, an intensity, a speed, a derived total,
// each geometry default, a field without one.
constexpr std::pair<int, const char*> kStandaard[] = {{0, ""},      {1, ""},       {2, "0.00"},  {21, "30"},
                                                      {26, "0.00"}, {31, "0.00"},  {32, "5.00"}, {33, "0.00"},
                                                      {35, "0.00"}, {36, "10.00"}, {38, "0.00"}, {39, "127"}};

}  // namespace

TEST(LeegWerkblad, ToontDeStandaardInHetDecimaalteken) {
  for (char dec : {'.', ','}) {
    const Werkblad w = LeegWerkblad(dec);
    for (const auto& [k, standaard] : kStandaard) {
      std::string verwacht = standaard;
      std::replace(verwacht.begin(), verwacht.end(), '.', dec);
      EXPECT_EQ(w.veld[static_cast<std::size_t>(k)], verwacht) << k;
    }
    EXPECT_EQ(w.toelichting, (std::array<std::string, kAantalToelichtingen>{}));
    EXPECT_TRUE(w.wegdek == 1 && !w.zone && !w.aftrek && w.rail == 0);
  }
}
