#pragma once
// Several roads at one observation point: the energetic sum of each road's
// Lden and Lnight, all without the art. 110g Wgh deduction.
#include <string>
#include <vector>

#include "calc/Werkblad.h"

namespace tarvo {

inline constexpr std::string_view kCumulatieTitel = "Cumulatie";
inline constexpr std::string_view kCumulatieZonderAftrek = "zonder aftrek art. 110g Wgh";
inline constexpr std::string_view kCumulatiefNaam = "cumulatief";

// One computed worksheet.
struct CumulatieBron {
  std::string naam;               // the file as the user named it
  std::string waarneempunt, weg;  // without their padding blanks
  double hoogte = 0;              // of the observation point
  double lden = 0, lnight = 0;    // without the deduction
  std::string sleutel;            // the same for the same worksheet, whatever its name
  Invoer invoer;                  // checked, to compute it again at other heights
};

CumulatieBron BronVan(const Invoer& in, const Resultaten& r, std::string naam);

// 10 lg of the summed energies. A level of 0 is a road without traffic: it
// adds nothing, and without any other level the sum is 0.
double CumuleerNiveaus(const std::vector<double>& niveaus);

struct CumulatieTotaal {
  double lden = 0, lnight = 0;
};
CumulatieTotaal Cumuleer(const std::vector<CumulatieBron>& bronnen);

// "naam;Lden;Lnight" per worksheet and "cumulatief;Lcum;Lnight_cum", levels
// with two decimals, each line ended by `regeleinde`. With `volledig` every
// line also carries the observation point and the road, after a header.
std::string CumulatieTabel(const std::vector<CumulatieBron>& bronnen, char decimaal, bool volledig,
                           std::string_view regeleinde);

}  // namespace tarvo
