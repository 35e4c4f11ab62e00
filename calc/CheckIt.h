#pragma once
#include <string>
#include <string_view>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"

namespace tarvo {

inline constexpr std::string_view kGeenWaarneemhoogte = "geen waarneemhoogte ingevuld";
inline constexpr std::string_view kWegdekTeHoog = "wegdek hoger dan waarneemhoogte";
inline constexpr std::string_view kGeenAfstand = "geen afstand ingevuld";

// Height of the source line above the road surface.
inline constexpr double kBronhoogte = 0.75;

struct CheckUitkomst {
  bool ok = false;
  int nietGetalVeld = -1;  // the field whose text is no number, when that refused the check
  explicit operator bool() const { return ok; }
};

// What the window says when the check refused a field's text as no number,
// naming the field by its row and column captions.
std::string GeenGetalMelding(int veld);

// Slant distance r between source line and observation point.
double SchuineAfstand(double waarneemhoogte, double wegdekhoogte, double afstandHor);

// AfstandHor and the slant distance that follows it.
void ZetAfstandHor(Werkblad& ws, double afstandHor);

// Remark line i as the worksheet keeps it: trimmed, in 60 characters.
void ToelichtingOvernemen(Werkblad& ws, WerkbladVenster& venster, int i);

// The input check before every calculation: validates the fields, takes
// their texts over into the stored values and derives the slant distance.
CheckUitkomst CheckIt(Werkblad& ws, WerkbladVenster& venster, Meldingen& meldingen);

}  // namespace tarvo
