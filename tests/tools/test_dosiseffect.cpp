#include <gtest/gtest.h>

#include "tests/Gevallen.h"
#include "tools/DosisEffect.h"

using namespace tarvo;

namespace {

struct HinderGeval {
  const char* naam;
  double lden, licht, normaal, ernstig;
};
class Hinder : public ::testing::TestWithParam<HinderGeval> {};
const HinderGeval kHinder[] = {
    {"lden_45", 45, 16.64, 5.72, 1.43},
    {"lden_60", 60, 48.24, 25.66, 10.31},
    {"lden_75", 75, 81.07, 60.66, 36.71},
};

}  // namespace

TEST_P(Hinder, PercentagesBijDeUitgewerkteNiveaus) {
  const Gehinderden p = BerekenGehinderden(GetParam().lden);
  EXPECT_NEAR(p.licht, GetParam().licht, 0.005);
  EXPECT_NEAR(p.normaal, GetParam().normaal, 0.005);
  EXPECT_NEAR(p.ernstig, GetParam().ernstig, 0.005);
}
TARVO_GEVALLEN(Hinder, kHinder);

TEST(BinnenBand, BeideGrenzenHorenErbij) {
  EXPECT_FALSE(BinnenBand(44.99));
  EXPECT_TRUE(BinnenBand(45));
  EXPECT_TRUE(BinnenBand(75));
  EXPECT_FALSE(BinnenBand(75.01));
  EXPECT_FALSE(BinnenBand(0));  // a worksheet without traffic
}
