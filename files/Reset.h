#pragma once
#include <string>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"

namespace tarvo {

// The text field k shows after Reset.
std::string StandaardTekst(int k, char decimaal);

// The worksheet half of Reset: road surface 1, both switches off and
// disabled, every field disabled with its default text, the remark lines
// empty and disabled. The window's labels, toolbar and file panel are the
// window's own business. Stored numbers are not touched.
void ResetWerkblad(Werkblad& ws, WerkbladVenster& venster);

}  // namespace tarvo
