#pragma once
// Many observation points at once: ';'-separated rows in, one result row out
// per observation point. Every row is typed into the worksheet's fields and
// goes through the same check and calculation as in the window.
#include <iosfwd>
#include <string>

#include "base/Uitkomst.h"
#include "driver/Opdracht.h"

namespace tarvo {

// Reads the rows from `in` and writes the result table to `uit`. The
// catalogue and the settings come from `inst` (its werkblad is unused).
// Fails with a Dutch line when the input as a whole is refused (no
// catalogue, no header, an unknown column); a refused row only fills its
// melding column.
Uitkomst<void> VerwerkBatch(std::istream& in, std::ostream& uit, const OpdrachtInstellingen& inst);

}  // namespace tarvo
