#pragma once
// Road surfaces brought into the catalogue from a table: how a refused line
// is told, and what bringing them in would change.
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"

namespace tarvo {

// "Regel 4, kolom 3 (b_lv): " + wat + "; er is niets ingelezen." Columns
// count from 1; one beyond the table's columns goes without a name.
Fout TabelFout(int regel, int kolom, std::string_view wat);

// Two lines with one description (outer blanks aside) refuse a table, naming both.
Uitkomst<void> ControleerUniek(const std::vector<IngelezenWegdek>& tabel);

// The table's surfaces go behind the existing entries; one whose
// description (outer blanks aside) equals an entry's gives that entry its
// coefficients. Refused, naming the line: two lines with one description, a
// protected entry that would change, more than kMaxWegdekken entries in
// all. A line equal to its entry changes nothing.
Uitkomst<Samenvoeging> VoegSamen(const WegdekBeheer& beheer, const std::vector<IngelezenWegdek>& tabel);

}  // namespace tarvo
