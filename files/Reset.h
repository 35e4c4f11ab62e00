#pragma once
#include <string>

#include "calc/Werkblad.h"

namespace tarvo {

// The text field k shows after Reset.
std::string StandaardTekst(int k, char decimaal);

// The worksheet after Reset: every field with its default text, the remark
// lines empty, road surface 1, both switches off. Locking the fields is the
// window's business.
Werkblad LeegWerkblad(char decimaal);

}  // namespace tarvo
