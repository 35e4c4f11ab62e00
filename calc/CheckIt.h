#pragma once
#include <functional>
#include <optional>
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

// Why the input check refused: the field it puts the focus on and the warning.
struct Weigering {
  int veld;
  std::string_view tekst;
};

// The input check's takeover of the numeric fields into the stored values,
// with the rules between them. `waarde(k)` gives field k's checked number
// and is asked in the check's order, up to the first refusal.
std::optional<Weigering> NeemGetallenOver(Werkblad& ws, const std::function<double(int)>& waarde);

// The input check before every calculation: validates the fields, takes
// their texts over into the stored values and derives the slant distance.
CheckUitkomst CheckIt(Werkblad& ws, WerkbladVenster& venster, Meldingen& meldingen);

}  // namespace tarvo
