#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/Bediening.h"

namespace tarvo {

inline constexpr std::string_view kToolTipGetal = "Voer geldig getal in";
inline constexpr std::string_view kToolTipDatum = "Voer geldige datum in (dd-mm-yyyy)";

// Checks a text box against its validation kind (its tag), clamps a number
// into [minimum, maximum], formats it with the pattern, writes the result
// back and colours the box. Returns the new text, or nothing when the box is
// invalid (then it is red, carries a tool tip and asks for the focus).
std::optional<std::string> ValiDate(TekstVak& vak, std::int32_t maximum, std::int32_t minimum,
                                    std::string_view formaat, char decimaal);

}  // namespace tarvo
