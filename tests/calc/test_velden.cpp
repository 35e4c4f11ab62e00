#include <gtest/gtest.h>

#include <string>

#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "calc/Velden.h"
#include "calc/Zone.h"
#include "files/Reset.h"

using namespace tarvo;

TEST(Zone, LocksSpeedsAt30AndGivesTheTextsBack) {
  Werkblad ws;
  PlainWerkbladVenster venster;
  for (int k : kSnelheidVelden) venster.invoer[static_cast<std::size_t>(k)].tekst = std::to_string(40 + k);
  // Every speed field shows `vast`, or without it the text typed before.
  const auto verwacht = [&](const char* vast, bool ingeschakeld) {
    for (int k : kSnelheidVelden) {
      const auto& vak = venster.invoer[static_cast<std::size_t>(k)];
      EXPECT_EQ(vak.tekst, vast ? std::string(vast) : std::to_string(40 + k)) << k;
      EXPECT_EQ(vak.ingeschakeld, ingeschakeld) << k;
    }
  };
  ZetZone(ws, venster, 1);
  verwacht("30", false);
  EXPECT_TRUE(venster.zone.waarde == 1 && venster.invoer[4].ingeschakeld);
  ZetZone(ws, venster, 1);  // no change, no second switch that would keep "30"
  ZetZone(ws, venster, 0);
  verwacht(nullptr, true);
  // Entering input mode with the zone on runs the switch again: it keeps "30".
  ZetZone(ws, venster, 1);
  ZoneSchakelaar(ws, venster);
  venster.zone.waarde = 0;
  ZoneSchakelaar(ws, venster);
  verwacht("30", true);
}
