#pragma once
// The one check of a single text box: a number is clamped into a range and
// formatted with a pattern; any other text is tidied. What the box
// must then show comes back as data.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// What a box holds, as its validation kind says.
enum class Soort { Vrij, Numeriek };

inline constexpr std::string_view kUitlegGetal = "Voer geldig getal in";

struct Validatie {
  bool geldig = true;
  std::string tekst;            // the text the box shows when valid; unused otherwise
  std::string_view uitleg;      // why it is not valid (the tool tip); empty when valid
  std::optional<double> grens;  // a number beyond the range: the bound it was clamped to
};

// A valid box shows `tekst` with no tool tip; an invalid one keeps what was
// typed, turns red, shows the tool tip and keeps the focus. An empty number
// counts as 0.
Validatie Valideer(std::string_view tekst, Soort soort, std::int32_t maximum, std::int32_t minimum,
                   std::string_view patroon, char decimaal);

}  // namespace tarvo
