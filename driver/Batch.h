#pragma once
// Many observation points at once: ';'-separated rows in, one result row out
// per observation point. Every row is typed into the worksheet's fields and
// goes through the same check and calculation as in the window.
#include <iosfwd>
#include <cstddef>
#include <string>
#include <vector>

#include "base/Uitkomst.h"
#include "driver/Opdracht.h"

namespace tarvo {

inline constexpr std::size_t kMaxRegelLengte = 1 << 20;  // bytes
inline constexpr std::size_t kAantalGenoemdeRegels = 10;

// What a run did: rows written, of which refused (not computed), and the
// line numbers of the first refused ones.
struct BatchVerslag {
  std::size_t rijen = 0, geweigerd = 0;
  std::vector<std::size_t> eersteRegels;  // at most kAantalGenoemdeRegels
};

// Reads the rows from `in` and writes the result table to `uit`. The
// catalogue and the settings come from `inst` (its werkblad is unused).
// Fails with a Dutch line when the input as a whole is refused (no
// catalogue, no header, an unknown or repeated column, a header longer than
// kMaxRegelLengte) or the output cannot be written. A refused row only
// fills its melding column: a value out of range, the input check's
// refusal, an infinite level, and a line that is too long, has too few or
// too many fields or a quote it never closes.
Uitkomst<BatchVerslag> VerwerkBatch(std::istream& in, std::ostream& uit, const OpdrachtInstellingen& inst);

// "3 van 10 rijen niet berekend (regels 4, 7, 9); ..." for standard error.
std::string Samenvatting(const BatchVerslag& verslag);

}  // namespace tarvo
