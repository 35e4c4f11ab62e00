#pragma once
// "Bijlage invoergegevens en rekenresultaten": every input, term and result
// of one or more worksheets at their heights, one line each.
#include <string>
#include <string_view>
#include <vector>

#include "calc/Wegdek.h"
#include "tools/Hoogten.h"

namespace tarvo {

inline constexpr std::string_view kBijlageTitel = "Bijlage invoergegevens en rekenresultaten";

// A worksheet at one height, with the name it goes by.
struct BijlageRegel {
  std::string rekenblad;
  HoogteResultaat hoogte;
};

// The annex as a table: column names and, per line, the texts of its cells.
struct BijlageTabel {
  std::vector<std::string> kolommen;
  std::vector<std::vector<std::string>> regels;
};
BijlageTabel MaakBijlage(const std::vector<BijlageRegel>& regels, const std::vector<double>& grenzen,
                         const Catalogus& catalogus, char decimaal);

// On paper the annex stands transposed, a column per line of the table:
// each column's heading ("hoogte 4,50 m", behind the worksheet's name when
// the annex holds more than one), and the worksheets' names in their order.
std::vector<std::string> BijlageKoppen(const BijlageTabel& tabel);
std::string BijlageRekenbladen(const BijlageTabel& tabel);

// The table as ';'-separated lines with a header, each ended by `regeleinde`.
std::string BijlageCsv(const BijlageTabel& tabel, std::string_view regeleinde);

}  // namespace tarvo
