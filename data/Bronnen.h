#pragma once
// The shipped data files are made from reviewable text descriptions. The
// generators and the tests that compare their output with the committed
// files share these readers, so both always agree.
#include <array>
#include <cstdint>
#include <istream>
#include <string>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "files/WerkbladBestand.h"

namespace tarvo {

// Tab-separated lines: description, DL_lv, b_lv, DL_mv, b_mv, DL_zv, b_zv,
// with '.' as decimal point. Lines starting with '#' and empty lines are
// skipped; the first other line is the column header, unless lines
// "gebruikersnaam<TAB>text" and "labelnaam<TAB>text" come before it. A
// shipped catalogue has blank user-name fields.
Uitkomst<Catalogus> CatalogusUitTabel(std::istream& tabel);

// Lines "key<TAB>text": a field index 0..39 with the text as a user types it,
// "toelichting0".."toelichting3", "wegdek", "rail", "zone", "aftrek". The
// worksheet starts from Reset, takes the texts, passes the input check and
// is saved as the program saves it after a calculation.
Uitkomst<std::array<std::uint8_t, kWerkbladLengte>> WerkbladUitBeschrijving(std::istream& beschrijving);

// The same keys with the values as the file holds them, unchecked: a number
// field's double as from_chars reads it ("nan" and "inf" too), the four
// 16-bit numbers as given. Test files hold what no check would pass.
Uitkomst<std::array<std::uint8_t, kWerkbladLengte>> RuwWerkbladUitBeschrijving(std::istream& beschrijving);

}  // namespace tarvo
