#pragma once
// tarvo-reken --onderzoek: a study sheet computed, as a table or as its annex.
#include <iosfwd>
#include <string>

#include "base/Uitkomst.h"
#include "driver/Batch.h"
#include "driver/HoogtenOpdracht.h"
#include "driver/Opdracht.h"

namespace tarvo {

// Reads the sheet at `pad` with the catalogue and settings of `inst` and
// writes the study's table, or with `bijlage` its annex (a line per point,
// height and road), to `uit`. What the rows were is returned for the exit
// status; a refused row is said in the table's melding column. Fails with
// a Dutch line when the sheet cannot be read or its header is refused
// (kFoutGebruik for a --hoogten or --toets list that is no list).
Uitkomst<BatchVerslag> OnderzoekOpdracht(const std::string& pad, const HoogtenKeuze& keuze, bool bijlage,
                                         const OpdrachtInstellingen& inst, std::ostream& uit);

}  // namespace tarvo
