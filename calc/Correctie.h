#pragma once
#include <string_view>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

// Road surfaces that get the smaller art. 3.5 deduction (-1 dB).
bool HeeftKleineArt35Aftrek(std::string_view omschrijving);

// Corrections, attenuation and the level of period p (1..3) after its
// Emissie; raises Letmaal.
void Correctie(const Invoer& in, const Catalogus& catalogus, int p, Resultaten& r);

}  // namespace tarvo
