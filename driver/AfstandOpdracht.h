#pragma once
#include <iosfwd>
#include <string_view>

#include "base/Uitkomst.h"
#include "driver/Opdracht.h"

namespace tarvo {

// The distance for a target level of an opened worksheet: after a passed
// input check one line "afstand;Lden_na_aftrek". Fails with a Dutch line
// when the check refuses or the level is still above the target at 5000 m.
Uitkomst<void> AfstandOpdracht(std::string_view doel, const GeopendWerkblad& geopend, Datum vandaag, std::ostream& uit);

}  // namespace tarvo
