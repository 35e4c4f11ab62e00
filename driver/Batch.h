#pragma once
// Many observation points at once: ';'-separated rows in, one result row out
// per observation point. Every row goes through the same check and
// calculation as the window's fields; rows are computed in blocks, on as many
// threads as asked, and written in the order they came.
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "driver/BatchLezer.h"
#include "driver/Opdracht.h"

namespace tarvo {

inline constexpr std::size_t kAantalGenoemdeRegels = 10;

// What a run did: rows written, of which refused (not computed), and the
// line numbers of the first refused ones.
struct BatchVerslag {
  std::size_t rijen = 0, geweigerd = 0;
  std::vector<std::size_t> eersteRegels;  // at most kAantalGenoemdeRegels
};

struct BatchOpties {
  unsigned draden = 1;
  // Called with the number of rows written so far, after every block.
  std::function<void(std::size_t)> voortgang;
};

// Reads the rows from `in` and writes the result table to `uit`. The
// catalogue and the settings come from `inst` (its werkblad is unused).
// Fails with a Dutch line when the input as a whole is refused (no
// catalogue, no header, an unknown or repeated column, a header longer than
// kMaxRegelLengte), cannot be read, or the output cannot be written. A
// refused row only fills its melding column: a value out of range, the
// input check's refusal, an infinite level, and a line that is too long,
// has too few or too many fields or a quote it never closes.
Uitkomst<BatchVerslag> VerwerkBatch(std::istream& in, std::ostream& uit, const OpdrachtInstellingen& inst,
                                    const BatchOpties& opties = {});

inline constexpr unsigned kMaxDraden = 256;

// The value of --threads: a whole number from 1 to kMaxDraden, or nothing.
std::optional<unsigned> LeesAantalDraden(std::string_view tekst);

// "3 van 10 rijen niet berekend (regels 4, 7, 9); de reden staat " + `waar`
// + ".": by default in the output's column melding.
std::string Samenvatting(const BatchVerslag& verslag, std::string_view waar = "in de kolom melding");

}  // namespace tarvo
