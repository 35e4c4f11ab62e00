#pragma once
// Number texts: the display patterns and the numeric-text test.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// The base-10 logarithm as ln x / ln 10 rather than log10, so that results
// agree to the last bit with those the calculation has always given.
double Lg(double x);

// The energy of a level: 10^(L/10). Levels are combined as 10 lg of the sum.
double Energie(double niveau);

// Formats value with a pattern such as "##0.00", "#0", "##0.0" or "0": the
// digits after the point give the decimals, at least one integer digit, no
// grouping, halves away from zero judged on the value's 15 significant
// digits. A value that rounds to zero prints without a minus sign.
std::string Formatteer(double value, std::string_view patroon, char decimaal);
// The same text appended to `uit`, without a string of its own.
void FormatteerNaar(std::string& uit, double value, std::string_view patroon, char decimaal);

// The digits after the point of a pattern such as "##0.00": every '0' or '#'.
constexpr int Decimalen(std::string_view patroon) {
  int n = 0;
  bool naPunt = false;
  for (char c : patroon) {
    if (naPunt)
      n += c == '0' || c == '#';
    else
      naPunt = c == '.';
  }
  return n;
}

// What a double carries to 15 decimal digits and back unchanged.
inline constexpr std::size_t kGetalCijfers = 15;

// A number text taken apart in one pass: optional blanks around, an optional
// sign, digits with at most one ',' or '.', at least one digit.
struct GetalDelen {
  bool getal = false;  // the text has that form
  bool negatief = false;
  std::uint64_t cijfers = 0;    // the first kGetalCijfers significant digits as a whole number
  std::size_t significant = 0;  // significant digits in all, trailing zeros included
  std::size_t decimalen = 0;    // digits after the separator
};
// The same into `delen`, for a caller that keeps them: no copy in between.
void OntleedGetal(std::string_view tekst, GetalDelen& delen);
inline GetalDelen OntleedGetal(std::string_view tekst) {
  GetalDelen g;
  OntleedGetal(tekst, g);
  return g;
}

// Optional blanks around, an optional sign, digits with at most one ',' or
// '.', at least one digit.
inline bool IsGetal(std::string_view tekst) { return OntleedGetal(tekst).getal; }

// The leading number of a text, with ',' or '.' as decimal separator (the
// first comma counts as the point). Blanks are skipped; reading stops at the
// first character that cannot continue the number; no digits gives 0.
// Too many digits give +/- infinity, never undefined behaviour.
double LeesGetal(std::string_view tekst);

// The shortest text that reads back to the same double, with `decimaal` as
// decimal separator; very small or large values keep an exponent ("1e-07").
std::string VolledigeTekst(double value, char decimaal);

// A whole text as one number, as a spreadsheet writes it: optional blanks
// around, an optional sign, digits with at most one ',' or '.', an optional
// exponent. "inf" and "nan" give those values, a number beyond the doubles
// gives infinity, one too small for them 0. Anything else gives nothing.
std::optional<double> LeesVolledig(std::string_view tekst);

}  // namespace tarvo
