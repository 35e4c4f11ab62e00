#include "calc/Getal.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tarvo {
namespace {

int DecimalenVan(std::string_view patroon) {
  const auto punt = patroon.find('.');
  if (punt == std::string_view::npos) return 0;
  int n = 0;
  for (std::size_t i = punt + 1; i < patroon.size(); ++i) {
    if (patroon[i] == '0' || patroon[i] == '#') ++n;
  }
  return n;
}

}  // namespace

std::string Formatteer(double value, std::string_view patroon, char decimaal) {
  const int dec = DecimalenVan(patroon);
  if (std::isnan(value)) return "0";
  if (std::isinf(value)) return value < 0 ? "-\xE2\x88\x9E" : "\xE2\x88\x9E";

  // 15 significant digits, as the decimal representation the rounding is judged on.
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
  std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const auto e = sci.find('e');
  std::string digits;
  digits.reserve(15);
  for (char c : sci.substr(0, e)) {
    if (c != '.') digits.push_back(c);
  }
  int exponent = 0;
  std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);

  // Digits of the value: 0.digits x 10^(exponent+1). Keep intDigits + dec of them.
  int intDigits = exponent + 1;
  int keep = intDigits + dec;
  std::string kept;  // the kept digits, integer part first
  if (keep < 0) {
    kept.assign(static_cast<std::size_t>(dec), '0');
    intDigits = 0;
  } else {
    kept = digits.substr(0, static_cast<std::size_t>(std::min<int>(keep, 15)));
    if (static_cast<int>(kept.size()) < keep) kept.append(static_cast<std::size_t>(keep) - kept.size(), '0');
    if (keep < 15 && digits[static_cast<std::size_t>(keep)] >= '5') {
      int i = keep - 1;
      for (; i >= 0; --i) {
        if (kept[static_cast<std::size_t>(i)] == '9') {
          kept[static_cast<std::size_t>(i)] = '0';
        } else {
          ++kept[static_cast<std::size_t>(i)];
          break;
        }
      }
      if (i < 0) {
        kept.insert(kept.begin(), '1');
        ++intDigits;
      }
    }
    if (intDigits < 0) {
      // the value is below the first kept place: left-pad with zeros
      kept.insert(0, static_cast<std::size_t>(-intDigits), '0');
      intDigits = 0;
    }
  }
  std::string intPart = kept.substr(0, static_cast<std::size_t>(intDigits));
  std::string fracPart = kept.substr(static_cast<std::size_t>(intDigits));
  if (static_cast<int>(fracPart.size()) < dec) fracPart.append(static_cast<std::size_t>(dec) - fracPart.size(), '0');
  fracPart.resize(static_cast<std::size_t>(dec));
  const auto firstNonZero = intPart.find_first_not_of('0');
  intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);

  const bool zero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
  std::string out;
  if (value < 0 && !zero) out.push_back('-');
  out += intPart;
  if (dec > 0) {
    out.push_back(decimaal);
    out += fracPart;
  }
  return out;
}

bool IsGetal(std::string_view t) {
  std::size_t i = 0, n = t.size();
  while (i < n && (t[i] == ' ' || t[i] == '\t')) ++i;
  while (n > i && (t[n - 1] == ' ' || t[n - 1] == '\t')) --n;
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  int digits = 0, separators = 0;
  for (; i < n; ++i) {
    const char c = t[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == ',' || c == '.') {
      if (++separators > 1) return false;
    } else {
      return false;
    }
  }
  return digits > 0;
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
  const auto res = std::from_chars(number.data(), number.data() + number.size(), x);
  if (res.ec == std::errc::result_out_of_range) {
    const auto intDigits = number.find('.') == std::string::npos ? number.size() : number.find('.');
    const auto lead = number.find_first_not_of('0');
    x = (lead != std::string::npos && lead < intDigits) ? HUGE_VAL : 0.0;
  }
  return negatief ? -x : x;
}

}  // namespace tarvo
