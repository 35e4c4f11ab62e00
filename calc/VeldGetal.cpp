#include "calc/VeldGetal.h"

#include <array>
#include <cfloat>
#include <cstdint>

#include "base/Getal.h"

namespace tarvo {
namespace {

// Read, clamp, format as the pattern shows and read back: the definition of
// the result. The short road below gives the same bits and leaves to this
// everything it cannot vouch for.
double Volledig(std::string_view tekst, const GetalBereik& bereik) {
  double x = LeesGetal(tekst);
  if (x > bereik.maximum)
    x = bereik.maximum;
  else if (x < bereik.minimum)
    x = bereik.minimum;
  return LeesGetal(Formatteer(x, bereik.patroon, '.')) + 0.0;
}

constexpr std::size_t kMaxDecimalen = 22;  // 10^22 is the largest power of ten a double holds exactly

constexpr double kTienMacht[kMaxDecimalen + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr auto kGeheleMacht = [] {
  std::array<std::uint64_t, kGetalCijfers + 1> p{1};
  for (std::size_t k = 1; k < p.size(); ++k) p[k] = p[k - 1] * 10;
  return p;
}();

}  // namespace

std::optional<double> OverschredenGrens(std::string_view tekst, const GetalBereik& bereik) {
  if (tekst.empty() || !IsGetal(tekst)) return std::nullopt;
  const double x = LeesGetal(tekst);
  if (x > bereik.maximum) return bereik.maximum;
  if (x < bereik.minimum) return bereik.minimum;
  return std::nullopt;
}

std::optional<double> GecontroleerdGetal(std::string_view tekst, const GetalBereik& bereik) {
  if (tekst.empty()) tekst = "0";
  return GecontroleerdGetal(tekst, OntleedGetal(tekst), bereik);
}

std::optional<double> GecontroleerdGetal(std::string_view tekst, const GetalDelen& g, const GetalBereik& bereik) {
  // The text's decimal number as cijfers / 10^decimalen, checked as IsGetal does.
  if (tekst.empty()) return GecontroleerdGetal("0", bereik);
  if (!g.getal) return std::nullopt;

  // With at most 15 significant digits the text is the very decimal number
  // that formatting rounds on, so the rounding can be done on its digits.
  // The digits and the powers of ten are exact doubles and the division
  // rounds correctly, so their quotient is the double the text reads as.
  // Evaluation in a wider type would round twice.
  if (FLT_EVAL_METHOD != 0 || g.significant > kGetalCijfers || g.decimalen > kMaxDecimalen) {
    return Volledig(tekst, bereik);
  }
  const double q = static_cast<double>(g.cijfers) / kTienMacht[g.decimalen];
  const double x = g.negatief ? -q : q;
  if (x > bereik.maximum) return static_cast<double>(bereik.maximum);
  if (x < bereik.minimum) return static_cast<double>(bereik.minimum);

  const auto dec = static_cast<std::size_t>(bereik.decimalen);
  if (g.decimalen <= dec) return x + 0.0;
  // Halves away from zero: on the magnitude, the first dropped digit decides.
  const std::size_t weg = g.decimalen - dec;
  if (weg > kGetalCijfers) return 0.0;  // every significant digit dropped, and below a half
  const std::uint64_t deler = kGeheleMacht[weg];
  const std::uint64_t afgerond = g.cijfers / deler + (g.cijfers % deler >= deler / 2 ? 1 : 0);
  const double r = static_cast<double>(afgerond) / kTienMacht[dec];
  return (g.negatief ? -r : r) + 0.0;
}

}  // namespace tarvo
