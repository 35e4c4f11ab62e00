#pragma once
#include <string_view>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"

namespace tarvo {

// Road surfaces that get the smaller art. 3.5 deduction (-1 dB).
bool HeeftKleineArt35Aftrek(std::string_view omschrijving);

// Corrections, attenuation and the level of period p (1..3); raises Letmaal.
// Reads the zone switch from the window's chkZone.
void Correctie(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus, int p);

}  // namespace tarvo
