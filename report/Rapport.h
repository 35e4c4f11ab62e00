#pragma once
// The worksheet report: eleven text blocks (AfdrukRegels), the column
// formatter and the environmental quality rating.
#include <string>
#include <string_view>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "catalogue/Wegdek.h"

namespace tarvo {

// value right-aligned in at least `breedte` characters; never cut. Widens
// `breedte` to the text's length when the text is longer.
std::string FormatKolom(double waarde, int& breedte, std::string_view patroon, char decimaal);

// The level a report or label shows: 0 stays 0, otherwise minus the deduction.
double EindNiveau(double niveau, int aftrek110g);

// "Zeer slecht" ... "Goed" for Lden minus the deduction.
std::string_view Milieukwaliteit(double lden, int aftrek110g);

// Rebuilds ws.AfdrukRegels from the current worksheet state.
void AfdrukBestand(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus);

// Blocks 0..10 joined: the preview text.
std::string RapportTekst(const Werkblad& ws);

}  // namespace tarvo
