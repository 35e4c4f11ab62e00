#pragma once
#include "calc/Bediening.h"
#include "calc/Werkblad.h"

#include <string_view>

namespace tarvo {

// What the speed fields show while the zone switch is on.
inline constexpr std::string_view kZoneSnelheid = "30";

// The 30 km zone switch for the box's current value: on locks the six speed
// fields at "30" and keeps their texts; off gives the kept texts back.
void ZoneSchakelaar(Werkblad& ws, WerkbladVenster& venster);

// Sets chkZone and runs the switch when the value changes (reading a file,
// Reset, a batch row).
void ZetZone(Werkblad& ws, WerkbladVenster& venster, int waarde);

}  // namespace tarvo
