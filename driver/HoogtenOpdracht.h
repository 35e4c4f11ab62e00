#pragma once
// The worksheet's observation point at several heights and the annex, on
// the command line.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "base/Uitkomst.h"
#include "driver/Opdracht.h"

namespace tarvo {

// A refusal of the command line's own words (exit 2), not of the worksheet.
inline constexpr int kFoutGebruik = -2;

// The --hoogten and --toets lists as texts; a usage error for an empty part.
struct HoogtenKeuze {
  std::optional<std::string> hoogten, toets;
};

// One line "hoogte;Lden;Lnight;aftrek;Lden_na_aftrek;geluidsbelasting" per
// height, in the order given, with a distance per limit.
Uitkomst<void> HoogtenOpdracht(const GeopendWerkblad& geopend, const HoogtenKeuze& keuze, Datum vandaag,
                               std::ostream& uit);

// The annex of every worksheet at each height (its own without --hoogten)
// as CSV: two header lines, the columns' names and their labels, then one
// line per worksheet and height, each written as soon as it is computed.
// Every worksheet is read, checked and computed first: nothing is written
// when one is refused. A write that fails ends the lines; `uit` shows it.
Uitkomst<void> BijlageOpdracht(const std::vector<std::string>& bestanden, const HoogtenKeuze& keuze,
                               const OpdrachtInstellingen& inst, std::ostream& uit, std::ostream& fout);

}  // namespace tarvo
