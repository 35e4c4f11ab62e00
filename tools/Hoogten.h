#pragma once
// A worksheet's observation point at several heights, each with the
// distances at which its geluidsbelasting meets the chosen limits.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "tools/Toetsing.h"

namespace tarvo {

// The heights as the worksheet's field 32 would hold them (two decimals), in
// the order given. Refused with a sentence naming the height: no number,
// outside the field's range, 0, or below the road surface.
Uitkomst<std::vector<double>> LeesHoogten(const std::vector<std::string>& teksten, double wegdekhoogte, char decimaal);

// A limit to test against: a level from 0 to 150 dB; a sentence naming it otherwise.
Uitkomst<std::vector<double>> LeesGrenzen(const std::vector<std::string>& teksten);

// The same from one typed line ("1,5; 4,5"), split by LeesLijst; an empty
// line or part is refused with one sentence.
Uitkomst<std::vector<double>> LeesHoogtenLijst(std::string_view lijst, double wegdekhoogte, char decimaal);
Uitkomst<std::vector<double>> LeesGrenzenLijst(std::string_view lijst);

// The limits a test draws contours for: the preferred limit, the maximum,
// then each of `extra` (a line for LeesGrenzenLijst, blank for none) not
// already among them.
Uitkomst<std::vector<double>> ContourGrenzen(const Maximum& maximum, std::string_view extra);

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

// The checked input at one height, computed as the worksheet itself, with a
// contour per limit. Refused only for a level that is no finite number.
Uitkomst<HoogteResultaat> BerekenHoogte(const Invoer& invoer, double hoogte, const std::vector<double>& grenzen,
                                        const Catalogus& catalogus, Datum vandaag);
// The same at each height in turn.
Uitkomst<std::vector<HoogteResultaat>> BerekenHoogten(const Invoer& invoer, const std::vector<double>& hoogten,
                                                      const std::vector<double>& grenzen, const Catalogus& catalogus,
                                                      Datum vandaag);

// "hoogte;Lden;Lnight;aftrek;Lden_na_aftrek;geluidsbelasting" and a distance
// per limit, "##0.00" (whole numbers "##0"), a limit not met left empty.
std::string HoogteRegel(const HoogteResultaat& r, char decimaal);
// The same texts, one per cell.
std::vector<std::string> HoogteCellen(const HoogteResultaat& r, char decimaal);

}  // namespace tarvo
