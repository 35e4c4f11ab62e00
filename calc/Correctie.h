#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

// Road surfaces that get the smaller art. 3.5 deduction (-1 dB): their
// description, outer blanks aside, is exactly one of eight names.
bool HeeftKleineArt35Aftrek(std::string_view omschrijving);

// The one of the eight names a description resembles without being it,
// which then gets -2 dB: equal but for case, blanks and punctuation, two
// letters apart or fewer, or naming its kind ("zoab", "oppervlak",
// "uitgeborsteld", "elementen"). Nothing for a listed name or one unlike all.
std::optional<std::string_view> LijktOpKleineArt35Naam(std::string_view omschrijving);

// Which art. 3.5 deduction the calculation made and why, for the results
// panel: empty when it made none (light vehicles under 70 km/h).
std::string Art35Regel(const Resultaten& r, std::string_view omschrijving);

// The editor's warning for descriptions that resemble one of the eight
// names without being it; empty when none does.
std::string Art35Waarschuwing(const std::vector<std::string>& omschrijvingen);

// Corrections, attenuation and the level of period p (1..3) after its
// Emissie; raises Letmaal.
void Correctie(const Invoer& in, const Catalogus& catalogus, int p, Resultaten& r);

}  // namespace tarvo
