#pragma once
// The whole calculation of the worksheet after a passed check: the levels,
// the report blocks and the texts of the result labels.
#include <string>
#include <string_view>

#include "base/Uitkomst.h"
#include "calc/Bediening.h"
#include "calc/Reken.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"

namespace tarvo {

// The texts of lblResult(2), (4) and (6): Letmaal, Lden and Lnight after the
// deduction; and the line that names the deduction, empty when none was made.
struct ResultaatTeksten {
  std::string letmaal, lden, lnight;
  std::string aftrek;
};

// One result label: the level after the deduction (0 stays 0) with one
// decimal in at least 5 characters, then the unit (" dB(A)" or " dB").
std::string ResultaatLabel(double niveau, int aftrek110g, std::string_view eenheid, char decimaal);

// "inclusief 5 dB aftrek art. 110g Wgh" when the deduction lowered a shown
// level; empty when there is none or every level is 0 (which it leaves alone).
std::string AftrekRegel(const Werkblad& ws);

// The calculation after a passed check: NulStelling, Emissie and Correctie
// per period, Lnight, Lden, Aftrek110g, the report blocks and the label
// texts. Refused, with one Dutch sentence and the report left alone, for a
// road surface outside the catalogue or an infinite level. Switching the
// window to its result mode is the window's part.
Uitkomst<ResultaatTeksten> Reken(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus, Datum vandaag);

}  // namespace tarvo
