#pragma once
// A worksheet's observation point at several heights, each with the
// distances at which its geluidsbelasting meets the chosen limits.
#include <optional>
#include <string>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

// The heights as the worksheet's field 32 would hold them (two decimals), in
// the order given. Refused with a sentence naming the height: no number,
// outside the field's range, 0, or below the road surface.
Uitkomst<std::vector<double>> LeesHoogten(const std::vector<std::string>& teksten, double wegdekhoogte, char decimaal);

// A limit to test against: a level from 0 to 150 dB; a sentence naming it otherwise.
Uitkomst<std::vector<double>> LeesGrenzen(const std::vector<std::string>& teksten);

struct HoogteResultaat {
  Invoer invoer;  // the checked input with this height
  Resultaten resultaten;
  double ldenNaAftrek = 0;
  int geluidsbelasting = 0;
  // Per limit: the smallest horizontal distance from 1 to 5000 m (per 0,01 m)
  // at which the geluidsbelasting is at most the limit; none within 5000 m.
  std::vector<std::optional<double>> contour;

  double Hoogte() const { return invoer.Waarneemhoogte(); }
};

// The checked input at each height, computed as the worksheet itself.
// Refused only for a level that is no finite number.
Uitkomst<std::vector<HoogteResultaat>> BerekenHoogten(const Invoer& invoer, const std::vector<double>& hoogten,
                                                      const std::vector<double>& grenzen, const Catalogus& catalogus,
                                                      Datum vandaag);

// "hoogte;Lden;Lnight;aftrek;Lden_na_aftrek;geluidsbelasting" and a distance
// per limit, "##0.00" (whole numbers "##0"), a limit not met left empty.
std::string HoogteRegel(const HoogteResultaat& r, char decimaal);

}  // namespace tarvo
