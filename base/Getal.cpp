#include "base/Getal.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "base/Drijvend.h"
#include "base/Tekst.h"

namespace tarvo {
namespace {

// For a number text from_chars found out of range: true when it is too
// large for a double, false when too small. The order of magnitude of the
// first significant digit plus the exponent decides; only its sign matters.
bool BovenDoubles(std::string_view getal) {
  const auto e = getal.find('e');
  const std::string_view mantisse = getal.substr(0, e);
  const auto punt = std::min(mantisse.find('.'), mantisse.size());
  const auto eerste = mantisse.find_first_of("123456789");
  long orde = 0;
  if (eerste != std::string_view::npos) {
    orde = eerste < punt ? static_cast<long>(punt - eerste) : -static_cast<long>(eerste - punt - 1);
  }
  if (e == std::string_view::npos) return orde > 0;
  std::string_view exp = getal.substr(e + 1);
  const bool negatief = !exp.empty() && exp.front() == '-';
  if (!exp.empty() && (exp.front() == '+' || exp.front() == '-')) exp.remove_prefix(1);
  long exponent = 0;
  if (std::from_chars(exp.data(), exp.data() + exp.size(), exponent).ec != std::errc()) return !negatief;
  return orde + (negatief ? -exponent : exponent) > 0;
}

constexpr int kKortDecimalen = 15;
constexpr double kTienMacht[kKortDecimalen + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// |value| x 10^dec rounded half away from zero as its 15 significant digits
// judge it, without writing them out, where the answer is certain: the
// product lies within one rounding of the exact one and the 15 digits within
// 5e-15 of it, so a fraction more than 1e-14 of the product away from a half
// rounds the same way on all three. Nothing near a half, for products whose
// margin nears a half (infinity included) or in a wider evaluation type.
std::optional<std::uint64_t> KortAfgerond(double grootte, int dec) {
  if (FLT_EVAL_METHOD != 0 || dec > kKortDecimalen) return std::nullopt;
  const double y = grootte * kTienMacht[dec];
  if (!(y < 1e13)) return std::nullopt;
  const double geheel = std::floor(y);
  const double rest = y - geheel;  // exact below 2^52
  if (std::fabs(rest - 0.5) <= y * 1e-14) return std::nullopt;
  return static_cast<std::uint64_t>(geheel) + (rest > 0.5 ? 1 : 0);
}

// The whole number n as a number with dec decimals after `decimaal`, at
// least one digit before it.
void SchrijfAfgerond(std::string& uit, bool minteken, std::uint64_t n, int dec, char decimaal) {
  char cijfers[24];
  const auto lengte = static_cast<int>(std::to_chars(cijfers, cijfers + sizeof cijfers, n).ptr - cijfers);
  if (minteken) uit.push_back('-');
  const int voor = lengte - dec;
  if (voor > 0) {
    uit.append(cijfers, static_cast<std::size_t>(voor));
  } else {
    uit.push_back('0');
  }
  if (dec == 0) return;
  uit.push_back(decimaal);
  if (voor < 0) uit.append(static_cast<std::size_t>(-voor), '0');
  uit.append(cijfers + std::max(voor, 0), static_cast<std::size_t>(lengte - std::max(voor, 0)));
}

}  // namespace

double Lg(double x) { return std::log(x) / std::log(10.0); }

double Energie(double niveau) { return std::pow(10.0, niveau / 10.0); }

void FormatteerNaar(std::string& uit, double value, std::string_view patroon, char decimaal) {
  const int dec = std::min(Decimalen(patroon), 30);
  if (std::isnan(value)) {
    uit += '0';
    return;
  }
  if (std::isinf(value)) {
    uit += value < 0 ? "-\xE2\x88\x9E" : "\xE2\x88\x9E";
    return;
  }
  if (const auto n = KortAfgerond(std::fabs(value), dec)) {
    SchrijfAfgerond(uit, value < 0 && *n != 0, *n, dec, decimaal);
    return;
  }

  // 15 significant digits: the decimal representation the rounding is judged on.
  char sci[32];
  const auto res = SchrijfDrijvend(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific, 14);
  char digits[15];
  digits[0] = sci[0];
  std::memcpy(digits + 1, sci + 2, 14);
  int exponent = 0;
  const char* e = sci + 16;  // after "d.dddddddddddddd"
  std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), res.ptr, exponent);

  // The value is 0.digits x 10^(exponent + 1). N = value x 10^dec rounded
  // half away from zero, as a digit string with room for a carry in front.
  const int keep = exponent + 1 + dec;
  char n[400];  // enough for any double's integer digits plus the decimals
  int len = 1;
  n[0] = '0';
  if (keep >= 0) {
    const int copy = std::min(keep, 15);
    std::memcpy(n + 1, digits, static_cast<std::size_t>(copy));
    std::memset(n + 1 + copy, '0', static_cast<std::size_t>(keep - copy));
    len = keep + 1;
    if (keep < 15 && digits[keep] >= '5') {
      int i = keep;
      while (n[i] == '9') n[i--] = '0';
      ++n[i];
    }
  }
  int begin = 0;
  while (begin < len - 1 && n[begin] == '0') ++begin;
  const int digitsN = len - begin;
  const bool zero = digitsN == 1 && n[begin] == '0';
  const int pad = std::max(0, dec + 1 - digitsN);  // at least one integer digit

  if (value < 0 && !zero) uit.push_back('-');
  // The zeros in front and the digits as one run, the point before the last dec of them.
  char run[432];
  std::memset(run, '0', static_cast<std::size_t>(pad));
  std::memcpy(run + pad, n + begin, static_cast<std::size_t>(digitsN));
  const auto lengte = static_cast<std::size_t>(pad + digitsN);
  const auto geheel = lengte - static_cast<std::size_t>(dec);
  uit.append(run, geheel);
  if (dec > 0) {
    uit.push_back(decimaal);
    uit.append(run + geheel, static_cast<std::size_t>(dec));
  }
}

std::string Formatteer(double value, std::string_view patroon, char decimaal) {
  std::string out;
  FormatteerNaar(out, value, patroon, decimaal);
  return out;
}

void OntleedGetal(std::string_view t, GetalDelen& delen) {
  const char* p = t.data();
  const char* e = p + t.size();
  while (p < e && (*p == ' ' || *p == '\t')) ++p;
  while (e > p && (e[-1] == ' ' || e[-1] == '\t')) --e;
  const bool negatief = p < e && *p == '-';
  if (p < e && (*p == '+' || *p == '-')) ++p;
  // Counted in locals and written once: as far as the compiler knows, the
  // text's characters may alias `delen`.
  std::uint64_t cijfers = 0;
  std::size_t significant = 0;
  const char* scheiding = nullptr;
  for (const char* c = p; c < e; ++c) {
    const auto cijfer = static_cast<unsigned>(static_cast<unsigned char>(*c)) - '0';
    if (cijfer <= 9) {
      // Zeros in front are not significant, and add nothing to the digits.
      significant += significant > 0 || cijfer > 0;
      if (significant <= kGetalCijfers) cijfers = cijfers * 10 + cijfer;
    } else if ((*c == ',' || *c == '.') && !scheiding) {
      scheiding = c;
    } else {
      delen = {};
      return;
    }
  }
  delen.getal = e - p > (scheiding ? 1 : 0);
  delen.negatief = negatief;
  delen.cijfers = cijfers;
  delen.significant = significant;
  delen.decimalen = scheiding ? static_cast<std::size_t>(e - scheiding - 1) : 0;
}

double LeesGetal(std::string_view t) {
  std::string s(t);
  if (const auto komma = s.find(','); komma != std::string::npos) s[komma] = '.';
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  };
  skipBlanks();
  bool negatief = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negatief = s[i] == '-';
    ++i;
    skipBlanks();
  }
  std::string number;
  bool punt = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      number.push_back(c);
    } else if (c == '.' && !punt) {
      punt = true;
      number.push_back(c);
    } else if (c != ' ' && c != '\t') {
      break;
    }
  }
  if (number.find_first_of("0123456789") == std::string::npos) return 0.0;
  if (number.front() == '.') number.insert(number.begin(), '0');
  // from_chars, unlike strtod, ignores the C locale that the GUI toolkit sets.
  double x = 0.0;
  const auto res = LeesDrijvend(number.data(), number.data() + number.size(), x);
  if (res.ec == std::errc::result_out_of_range) {
    const auto intDigits = number.find('.') == std::string::npos ? number.size() : number.find('.');
    const auto lead = number.find_first_not_of('0');
    x = (lead != std::string::npos && lead < intDigits) ? HUGE_VAL : 0.0;
  }
  return negatief ? -x : x;
}

std::string VolledigeTekst(double value, char decimaal) {
  char tekst[32];
  const auto res = SchrijfDrijvend(tekst, tekst + sizeof tekst, value);
  std::string out(tekst, res.ptr);
  std::replace(out.begin(), out.end(), '.', decimaal);
  return out;
}

std::optional<double> LeesVolledig(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  bool negatief = false;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    negatief = t.front() == '-';
    t.remove_prefix(1);
  }
  const std::string woord = KleineLetters(t);
  if (woord == "inf" || woord == "infinity") return negatief ? -HUGE_VAL : HUGE_VAL;
  if (woord == "nan") return std::nan("");

  // Mantissa, then the exponent; from_chars reads the result, never the C locale.
  std::string getal = negatief ? "-" : "";
  std::size_t i = 0;
  int cijfers = 0;
  bool punt = false;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c >= '0' && c <= '9') {
      ++cijfers;
      getal.push_back(c);
    } else if ((c == ',' || c == '.') && !punt) {
      punt = true;
      getal.push_back('.');
    } else {
      break;
    }
  }
  if (cijfers == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    getal.push_back('e');
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) getal.push_back(t[i++]);
    const std::size_t begin = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') getal.push_back(t[i++]);
    if (i == begin) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;

  double x = 0.0;
  const auto res = LeesDrijvend(getal.data(), getal.data() + getal.size(), x);
  if (res.ec == std::errc::result_out_of_range) {
    x = BovenDoubles(getal) ? HUGE_VAL : 0.0;
    return negatief ? -x : x;
  }
  if (res.ec != std::errc() || res.ptr != getal.data() + getal.size()) return std::nullopt;
  return x;
}

}  // namespace tarvo
