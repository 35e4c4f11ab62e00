#include "calc/Werkblad.h"

#include <cstdlib>

namespace tarvo {

PerPeriode& Werkblad::Intensiteit(int c) {
  switch (c) {
    case 0: return Qlv;
    case 1: return Qmv;
    case 2: return Qzv;
    case 3: return Qmr;
    case 4: return Qbromf;
    case 5: return Qtram;
    default: std::abort();  // categories are numbered by the program itself, never by input
  }
}

const PerPeriode& Werkblad::Intensiteit(int c) const { return const_cast<Werkblad*>(this)->Intensiteit(c); }

double& Werkblad::Snelheid(int c) {
  switch (c) {
    case 0: return Vlv;
    case 1: return Vmv;
    case 2: return Vzv;
    case 3: return Vmr;
    case 4: return Vbromf;
    case 5: return Vtram;
    default: std::abort();  // categories are numbered by the program itself, never by input
  }
}

double Werkblad::Snelheid(int c) const { return const_cast<Werkblad*>(this)->Snelheid(c); }

}  // namespace tarvo
