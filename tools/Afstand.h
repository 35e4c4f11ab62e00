#pragma once
// The distance at which the road meets a target level: the checked input
// computed again with another horizontal distance.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

// The search runs over 1,00 .. 5000,00 m in steps of 0,01 m.
inline constexpr int kAfstandRasterPerMeter = 100;
inline constexpr int kAfstandRasterVan = 1 * kAfstandRasterPerMeter;
inline constexpr int kAfstandRasterTot = 5000 * kAfstandRasterPerMeter;
inline constexpr double kAfstandZoekTot = 5000;

// A target level is a number of decibels from 0 to 150; 48 dB is the
// preferred limit value for road traffic.
inline constexpr double kDoelMin = 0;
inline constexpr double kDoelMax = 150;
inline constexpr double kDoelStandaard = 48;

// The text as a target level, comma or point; nothing when it is no number or out of range.
std::optional<double> LeesDoelNiveau(std::string_view tekst);

struct NiveauOpAfstand {
  double afstand = 0;       // horizontal, m
  double lden = 0;          // without the deduction
  std::int16_t aftrek = 0;  // Aftrek110g at this level
  double niveau = 0;        // Lden after the deduction as the report takes it: 0 stays 0
};

struct DoelAfstand {
  bool gevonden = false;  // false: the level is still above the target at 5000 m
  NiveauOpAfstand punt;   // at the distance found, or at 5000 m
};

class AfstandRekenaar {
 public:
  // Keeps copies of the input and the catalogue.
  AfstandRekenaar(const Invoer& in, const Catalogus& catalogus, Datum vandaag);

  // The whole calculation with the horizontal distance d; the slant distance follows.
  NiveauOpAfstand Op(double afstandHor);

  // The smallest distance on the grid where Lden after the deduction is at
  // or below `doel`: at d - 0,01 it is above (or d is 1,00).
  DoelAfstand Zoek(double doel);

  // The same for any test `onder` of the level that holds from some distance
  // on as long as the deduction does not change.
  DoelAfstand Zoek(const std::function<bool(const NiveauOpAfstand&)>& onder);

  // The worksheet's own horizontal distance.
  double EigenAfstand() const { return eigenAfstand_; }

 private:
  NiveauOpAfstand OpRaster(int stap);

  Invoer in_;
  Catalogus catalogus_;
  Datum vandaag_;
  double eigenAfstand_;
};

}  // namespace tarvo
