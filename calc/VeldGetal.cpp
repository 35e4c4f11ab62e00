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

// With at most 15 significant digits the text is the very decimal number
// that formatting rounds on, so the rounding can be done on its digits.
// The digits and the powers of ten are exact doubles and the division
// rounds correctly, so their quotient is the double the text reads as.
// Evaluation in a wider type would round twice.
bool KortLeesbaar(const GetalDelen& g) {
  return FLT_EVAL_METHOD == 0 && g.significant <= kGetalCijfers && g.decimalen <= kMaxDecimalen;
}

double KortGelezen(const GetalDelen& g) {
  // A whole number needs no division, the slowest step here.
  const auto cijfers = static_cast<double>(g.cijfers);
  const double q = g.decimalen == 0 ? cijfers : cijfers / kTienMacht[g.decimalen];
  return g.negatief ? -q : q;
}

// The double a number text reads as.
double Gelezen(std::string_view tekst, const GetalDelen& g) {
  return KortLeesbaar(g) ? KortGelezen(g) : LeesGetal(tekst);
}

}  // namespace

std::optional<double> OverschredenGrens(std::string_view tekst, const GetalBereik& bereik) {
  const GetalDelen g = OntleedGetal(tekst);
  if (!BuitenBereik(tekst, g, bereik)) return std::nullopt;
  return Gelezen(tekst, g) > bereik.maximum ? bereik.maximum : bereik.minimum;
}

bool BuitenBereik(std::string_view tekst, const GetalDelen& g, const GetalBereik& bereik) {
  if (tekst.empty() || !g.getal) return false;
  const double x = Gelezen(tekst, g);
  return x > bereik.maximum || x < bereik.minimum;
}

std::optional<double> GecontroleerdGetal(std::string_view tekst, const GetalBereik& bereik) {
  const GetalDelen g = OntleedGetal(tekst);
  if (!tekst.empty() && !g.getal) return std::nullopt;
  return GecontroleerdGetal(tekst, g, bereik);
}

double GecontroleerdGetal(std::string_view tekst, const GetalDelen& g, const GetalBereik& bereik) {
  // An empty text reads as "0" would.
  if (tekst.empty()) return 0 > bereik.maximum ? bereik.maximum : 0 < bereik.minimum ? bereik.minimum : 0.0;
  // The text's decimal number as cijfers / 10^decimalen.
  if (!KortLeesbaar(g)) return Volledig(tekst, bereik);
  const double x = KortGelezen(g);
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
