#pragma once
#include <array>
#include <string>
#include <string_view>

#include "base/Uitkomst.h"
#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"

namespace tarvo {

// Lden from the three LAeqEtm values (12, 4 and 8 hours), never below 0.
double BerekenLden(const Werkblad& ws);

// The same sum without the lower bound, as the level-distance diagram uses it.
double LdenUitPeriodes(const Werkblad& ws);

// LAeq(3) when there is night traffic, else 0.
double BerekenLnight(const Werkblad& ws);

// Sets the per-period results and the single results to 0 before a calculation.
void NulStelling(Werkblad& ws);

// The worksheet's two switches the calculation reads.
struct Schakelaars {
  bool zone = false;  // chkZone
  int aftrek = 0;     // chkAftrek
};
Schakelaars SchakelaarsVan(WerkbladVenster& venster);

// NulStelling, then Emissie and Correctie for each period in turn.
void RekenPeriodes(Werkblad& ws, bool zone, const Catalogus& catalogus);

// Qtotaal and the freight share of each period in fields 26..31.
void ToonAfgeleideVelden(const Werkblad& ws, WerkbladVenster& venster);

// The window's face of each step below: the switches read from the window,
// the derived fields shown after it.
void RekenPeriodes(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus);

// Until this day the 110g deduction of a fast road was 3 or 4 dB around Lden 56 and 57.
inline constexpr Datum kAftrek110gOvergang{2018, 7, 1};

// Lden as the deduction rule reads it: a whole number, halves away from zero.
double AfgerondeLden(double lden);

// The art. 110g Wgh deduction for the worksheet's Lden and Vlv.
std::int16_t BepaalAftrek110g(int chkAftrek, double vlv, double lden, Datum vandaag);

// The level a report or label shows: 0 stays 0, otherwise minus the deduction.
double EindNiveau(double niveau, int aftrek110g);

// Reken without the report: the periods, Lnight, Lden and Aftrek110g. The
// batch needs nothing more.
void RekenNiveaus(Werkblad& ws, Schakelaars schakelaars, const Catalogus& catalogus, Datum vandaag);
void RekenNiveaus(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus, Datum vandaag);

// The chosen road surface is one the catalogue holds; otherwise one Dutch sentence.
Uitkomst<void> ControleerWegdek(const Werkblad& ws, const Catalogus& catalogus);

// Whether the levels and the road-surface terms of the last calculation are finite numbers.
bool NiveausEindig(const Werkblad& ws);

// Every input but the road surface's coefficients is bounded by the check,
// so an infinite level comes from those: the sentence names the road surface.
std::string OneindigMelding(const Werkblad& ws, const Catalogus& catalogus);

// RekenNiveaus between the two guards: a road surface outside the catalogue
// is refused before, an infinite level after.
Uitkomst<void> RekenBruikbaar(Werkblad& ws, Schakelaars schakelaars, const Catalogus& catalogus, Datum vandaag);
Uitkomst<void> RekenBruikbaar(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus, Datum vandaag);

}  // namespace tarvo
