#pragma once
#include <iosfwd>
#include <string>

#include "base/Uitkomst.h"
#include "driver/Opdracht.h"

namespace tarvo {

// The level-distance diagram of an opened worksheet as text: one line
// "afstand;Lden" per row, then "ymin;ymax;verdelingen". Fails with a Dutch
// line when the answer or the worksheet is refused.
Uitkomst<void> DiagramOpdracht(const std::string& antwoord, const GeopendWerkblad& geopend, Datum vandaag,
                               std::ostream& uit);

}  // namespace tarvo
