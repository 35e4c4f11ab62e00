#pragma once
// The calculation: checked input, catalogue and date in, every term and
// level out. Nothing else is read or written.
#include <cstdint>
#include <string>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

// Lden from the three LAeqEtm values (12, 4 and 8 hours), without a lower
// bound, as the level-distance diagram uses it.
double LdenUitPeriodes(const Resultaten& r);

// Until this day the 110g deduction of a fast road was 3 or 4 dB around Lden 56 and 57.
inline constexpr Datum kAftrek110gOvergang{2018, 7, 1};

// Lden as the deduction rule reads it: a whole number, halves away from zero.
double AfgerondeLden(double lden);

// The art. 110g Wgh deduction for Lden and the speed of light vehicles.
std::int16_t BepaalAftrek110g(bool aftrek, double vlv, double lden, Datum vandaag);

// The level a report or label shows: 0 stays 0, otherwise minus the deduction.
double EindNiveau(double niveau, int aftrek110g);

// Emissie and Correctie for each period in turn: the period levels and
// Letmaal, as the level-distance diagram needs them.
Resultaten BerekenPeriodes(const Invoer& in, const Catalogus& catalogus);

// BerekenPeriodes, then Lnight, Lden and the deduction.
// The road surface must be one the catalogue holds (ControleerWegdek).
Resultaten Bereken(const Invoer& in, const Catalogus& catalogus, Datum vandaag);

// The chosen road surface is one the catalogue holds; otherwise one Dutch sentence.
Uitkomst<void> ControleerWegdek(const Invoer& in, const Catalogus& catalogus);

// Whether the levels and the road-surface terms are finite numbers.
bool NiveausEindig(const Resultaten& r);

// Every input but the road surface's coefficients is bounded by the check,
// so an infinite level comes from those: the sentence names the road surface.
std::string OneindigMelding(const Invoer& in, const Catalogus& catalogus);

// Bereken between the two guards: a road surface outside the catalogue is
// refused before, an infinite level after.
Uitkomst<Resultaten> BerekenBruikbaar(const Invoer& in, const Catalogus& catalogus, Datum vandaag);

}  // namespace tarvo
