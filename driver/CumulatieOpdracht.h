#pragma once
// Several roads at one observation point: worksheets computed as for their
// report and summed energetically, in one call for every face.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "driver/Opdracht.h"
#include "tools/Cumulatie.h"

namespace tarvo {

// A computed worksheet as it enters the list.
CumulatieBron BronVanBerekend(const Invoer& invoer, const Resultaten& resultaten, const std::string& naam);

// A worksheet's texts computed as for its report, named `naam` in the
// table. A refusal is one Dutch line that names it.
Uitkomst<CumulatieBron> BronVanWerkblad(const Werkblad& werkblad, const std::string& naam, const Catalogus& catalogus,
                                        Datum vandaag, char decimaal);

// A worksheet file's bytes, the same way.
Uitkomst<CumulatieBron> BronVanBytes(std::span<const std::uint8_t> bytes, const std::string& naam,
                                     const Catalogus& catalogus, Datum vandaag, char decimaal);

// A worksheet file, the same way.
Uitkomst<CumulatieBron> BerekenBron(const std::filesystem::path& pad, const std::string& naam,
                                    const Catalogus& catalogus, Datum vandaag, char decimaal);

// Adds a computed worksheet to the list; the same worksheet twice (under any
// name) is refused, as it would count its road twice.
Uitkomst<void> VoegBronToe(std::vector<CumulatieBron>& bronnen, CumulatieBron bron);

// What the list shows: a row per worksheet, the sum, and a warning when the
// worksheets lie at different observation points or heights.
struct CumulatieAntwoord {
  struct Rij {
    std::string naam, waarneempunt, weg, hoogte, lden, lnight;
  };
  std::vector<Rij> rijen;
  Rij totaal;
  std::string waarschuwing;  // empty when all share one point and height
  std::string csv;           // the table with its header, lines ended by CR LF
};
CumulatieAntwoord Cumulatie(const std::vector<CumulatieBron>& bronnen, char decimaal);

// The list at each height of `hoogten` (a list as LeesHoogtenLijst takes
// it), one cumulation per height: every worksheet computed again at that
// height as its own calculation, then summed; each table's sum row carries
// its height. Blank: one table, each worksheet at its own height, as
// Cumulatie gives it. Refused with one sentence: a list that is none, or a
// height below a worksheet's road surface or a level it cannot give (both
// naming the worksheet).
struct CumulatieHoogten {
  std::vector<CumulatieAntwoord> hoogten;  // in the order given
  // With heights: per height its rows and its sum, each with its height after
  // the road; blank: the table of Cumulatie.
  std::string csv;
};
Uitkomst<CumulatieHoogten> CumulatieOpHoogten(const std::vector<CumulatieBron>& bronnen, std::string_view hoogten,
                                              const Catalogus& catalogus, Datum vandaag, char decimaal);

// tarvo-reken --cumulatie: every file with the catalogue and settings of
// `inst`, then the lines of CumulatieTabel. Nothing is written to `uit`
// when one file is refused; the warning goes to `fout`.
Uitkomst<void> CumulatieOpdracht(const std::vector<std::string>& bestanden, const OpdrachtInstellingen& inst,
                                 std::ostream& uit, std::ostream& fout);

}  // namespace tarvo
