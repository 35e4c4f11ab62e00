#pragma once
// The number a numeric field holds once it has been checked. The window
// reads it from a text box, the batch straight from a row; both go through
// this one routine so that they can never disagree.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Getal.h"

namespace tarvo {

// The characters a box of whole numbers, of numbers, and of signed numbers
// takes from the keyboard.
inline constexpr std::string_view kCijferTekens = "1234567890";
inline constexpr std::string_view kGetalTekens = "1234567890,.";
inline constexpr std::string_view kTekenGetalTekens = "1234567890.,-";

struct GetalBereik {
  std::int32_t maximum = 0, minimum = 0;
  std::string_view patroon;  // "##0.00", "##0", ...: the digits after the point count
  int decimalen = 0;         // of the pattern, counted once

  constexpr GetalBereik() = default;
  constexpr GetalBereik(std::int32_t max, std::int32_t min, std::string_view p)
      : maximum(max), minimum(min), patroon(p), decimalen(Decimalen(p)) {}
};

// "MIN tot en met MAX", as a refusal names the range.
inline std::string BereikTekst(const GetalBereik& b) {
  return std::to_string(b.minimum) + " tot en met " + std::to_string(b.maximum);
}

// The text read as a number (',' or '.' as separator), clamped into
// [minimum, maximum] and rounded as the pattern shows it, exactly the value
// the formatted text reads back as. An empty text counts as 0; a text that
// is no number gives nothing. Never -0.
std::optional<double> GecontroleerdGetal(std::string_view tekst, const GetalBereik& bereik);
// The bound a number text was clamped to: the maximum or minimum it lies
// beyond; nothing for a text within the range, an empty one or no number.
std::optional<double> OverschredenGrens(std::string_view tekst, const GetalBereik& bereik);

// The same for a text already taken apart by OntleedGetal, which found it
// a number or empty: the number itself.
double GecontroleerdGetal(std::string_view tekst, const GetalDelen& delen, const GetalBereik& bereik);
// Whether such a text lies beyond the range: its number is then the bound.
bool BuitenBereik(std::string_view tekst, const GetalDelen& delen, const GetalBereik& bereik);

}  // namespace tarvo
