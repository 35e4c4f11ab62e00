#pragma once
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "driver/Opdracht.h"
#include "tools/Cumulatie.h"

namespace tarvo {

// One worksheet file computed as for its report, named `naam` in the
// table. A refusal is one Dutch line that names the file. Messages the
// reading showed (a road surface the catalogue lacks) are added to
// `meldingen`, naming the file.
Uitkomst<CumulatieBron> BerekenBron(const std::filesystem::path& pad, const std::string& naam,
                                    const Catalogus& catalogus, char decimaal, Datum vandaag,
                                    std::vector<std::string>& meldingen);

// tarvo-reken --cumulatie: every file with the catalogue and settings of
// `inst`, then the lines of CumulatieTabel. Nothing is written to `uit`
// when one file is refused; the reading's messages go to `fout`.
Uitkomst<void> CumulatieOpdracht(const std::vector<std::string>& bestanden, const OpdrachtInstellingen& inst,
                                 std::ostream& uit, std::ostream& fout);

}  // namespace tarvo
