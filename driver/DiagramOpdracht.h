#pragma once
#include <iosfwd>
#include <string>

#include "driver/Opdracht.h"

namespace tarvo {

// The level-distance diagram of an opened worksheet as text: one line
// "afstand;Lden" per row, then "ymin;ymax;verdelingen". False with a Dutch
// line in fout when the answer or the worksheet is refused.
bool DiagramOpdracht(const std::string& antwoord, Berekening& b, std::ostream& uit, std::string& fout);

}  // namespace tarvo
