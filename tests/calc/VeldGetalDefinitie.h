#pragma once
// The checked number of a field by its definition, for the test and the
// fuzzer to hold the quick routine against.
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "base/Getal.h"
#include "calc/VeldGetal.h"

namespace tarvo::test {

// Read, clamp, format as the pattern shows and read back.
inline std::optional<double> Definitie(std::string_view tekst, const GetalBereik& b) {
  if (tekst.empty()) tekst = "0";
  if (!IsGetal(tekst)) return std::nullopt;
  double x = LeesGetal(tekst);
  if (x > b.maximum)
    x = b.maximum;
  else if (x < b.minimum)
    x = b.minimum;
  return LeesGetal(Formatteer(x, b.patroon, '.')) + 0.0;
}

// The ranges of the field table and the checks, then other decimals, a range
// without zero and the widest one.
inline constexpr GetalBereik kBereiken[] = {
    {99999, 0, "##0.00"},
    {9999, 0, "##0.00"},
    {1, 0, "##0.00"},
    {127, 0, "##0"},
    {160, 30, "##0"},
    {110, 30, "##0"},
    {60, 30, "##0"},
    {99999, -99999, "##0.00"},
    {99999, -99999, "0.0"},
    {100, -100, "#0.000##"},
    {-5, -10, "##0.000"},
    {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), "0.0000000000000000000000"}};

// Nothing when GecontroleerdGetal gives the same bits as the definition (so
// -0 and +0 differ) or both give no number; else what differs.
inline std::optional<std::string> Verschil(std::string_view tekst, const GetalBereik& b) {
  const auto snel = GecontroleerdGetal(tekst, b);
  const auto def = Definitie(tekst, b);
  if (snel.has_value() == def.has_value() && (!snel || std::memcmp(&*snel, &*def, sizeof(double)) == 0)) {
    return std::nullopt;
  }
  auto getal = [](std::optional<double> x) { return x ? std::to_string(*x) : std::string("niets"); };
  return '"' + std::string(tekst) + "\" in [" + std::to_string(b.minimum) + ", " + std::to_string(b.maximum) + "] " +
         std::string(b.patroon) + ": " + getal(snel) + " in plaats van " + getal(def);
}

}  // namespace tarvo::test
