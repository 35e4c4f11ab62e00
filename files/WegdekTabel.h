#pragma once
// Road surfaces as a table a spreadsheet reads and writes: UTF-8, one
// surface per line, the columns omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv.
// Files are ';'-separated with a header line; rows copied from a spreadsheet
// are tab-separated, with or without it.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/Bestand.h"
#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/WegdekImport.h"

namespace tarvo {

enum class Kopregel { Verplicht, Mogelijk };

// A table file larger than this is none: 50 surfaces take a few kB.
inline constexpr std::size_t kMaxWegdekTabel = 1 << 20;

// All or nothing: the surfaces of the table, or the first refused line in
// one Dutch sentence that names it and its column (TabelFout). Accepted: a
// UTF-8 byte-order mark, CR LF line ends, header names in any letter case,
// texts in "..." (with "" for a quote), numbers with ',' or '.' and an
// optional exponent, empty lines. Refused: a wrong column count, a number
// that is none, not finite or outside -99999..99999, an empty description,
// one that does not fit 30 characters of Windows-1252, more than 50
// surfaces. An empty table is no failure.
Uitkomst<std::vector<IngelezenWegdek>> LeesWegdekTabel(std::string_view tekst, char scheiding, Kopregel kopregel);

// The catalogue's entries as a ';'-separated table with header, byte-order
// mark and CR LF line ends: every number the shortest text that reads back
// to the same double, every description without its padding blanks.
std::string SchrijfWegdekTabel(const Catalogus& catalogus, char decimaal);

// A table file's bytes (';', header line required), named as the user chose it.
Uitkomst<std::vector<IngelezenWegdek>> LeesWegdekTabelBytes(std::string_view bytes, std::string_view naam);

// The table file `csv` (';', header line required).
Uitkomst<std::vector<IngelezenWegdek>> LeesWegdekTabelBestand(const std::filesystem::path& csv);

// Writes the catalogue's table to `csv` through SchrijfVeilig.
Uitkomst<void> ExporteerWegdekken(const Catalogus& catalogus, const std::filesystem::path& csv, char decimaal,
                                  const Schrijfwijze& wijze = {});

// Replaces the road surfaces of the catalogue file `dat` by those of the
// table `csv`, keeping its user names; a missing `dat` is made with blank
// ones. The file is replaced only whole, and not at all on any refusal.
// Holds the number of surfaces written.
Uitkomst<int> ImporteerWegdekken(const std::filesystem::path& csv, const std::filesystem::path& dat,
                                 const Schrijfwijze& wijze = {});

}  // namespace tarvo
