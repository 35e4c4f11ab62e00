#pragma once
#include <array>
#include <string>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "catalogue/Wegdek.h"

namespace tarvo {

// The texts of lblResult(2), (4) and (6): Letmaal, Lden and Lnight after the deduction.
struct ResultaatTeksten {
  std::string letmaal, lden, lnight;
};

// Lden from the three LAeqEtm values (12, 4 and 8 hours), never below 0.
double BerekenLden(const Werkblad& ws);

// The art. 110g Wgh deduction for the worksheet's Lden and Vlv.
std::int16_t BepaalAftrek110g(int chkAftrek, double vlv, double lden, Datum vandaag);

// The calculation after a passed check: NulStelling, Emissie and Correctie
// per period, Lnight, Lden, Aftrek110g, the report blocks and the label
// texts. Switching the window to its result mode is the window's part.
ResultaatTeksten Reken(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus, Datum vandaag);

}  // namespace tarvo
