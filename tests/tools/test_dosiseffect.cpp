#include <gtest/gtest.h>

#include "tools/DosisEffect.h"

using namespace tarvo;

TEST(DosisEffect, PercentagesAtTheWorkedLevels) {
  struct Geval {
    double lden, licht, normaal, ernstig;
  };
  for (const Geval& g :
       {Geval{45, 16.64, 5.72, 1.43}, Geval{60, 48.24, 25.66, 10.31}, Geval{75, 81.07, 60.66, 36.71}}) {
    const Gehinderden p = BerekenGehinderden(g.lden);
    EXPECT_NEAR(p.licht, g.licht, 0.005) << g.lden;
    EXPECT_NEAR(p.normaal, g.normaal, 0.005) << g.lden;
    EXPECT_NEAR(p.ernstig, g.ernstig, 0.005) << g.lden;
  }
}

TEST(DosisEffect, BandIncludesBothBounds) {
  EXPECT_FALSE(BinnenBand(44.99));
  EXPECT_TRUE(BinnenBand(45));
  EXPECT_TRUE(BinnenBand(75));
  EXPECT_FALSE(BinnenBand(75.01));
  EXPECT_FALSE(BinnenBand(0));  // a worksheet without traffic
}
