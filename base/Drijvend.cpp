#include "base/Drijvend.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace tarvo {
namespace draagbaar {
namespace {

// The C library writes and reads the locale's decimal point; the texts here always hold '.'.
std::string_view LocalePunt() {
  const char* punt = std::localeconv()->decimal_point;
  return punt != nullptr && *punt != '\0' ? punt : ".";
}

std::string VervangPunt(std::string tekst, std::string_view van, std::string_view naar) {
  if (van == naar) return tekst;
  if (const auto i = tekst.find(van); i != std::string::npos) tekst.replace(i, van.size(), naar);
  return tekst;
}

std::string Printf(const char* formaat, int precisie, double waarde) {
  char buf[512];  // %.*e of any double, and %.*g up to precisie 100, fit
  const int n = std::snprintf(buf, sizeof buf, formaat, precisie, waarde);
  return VervangPunt(std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0), LocalePunt(), ".");
}

double Strtod(const std::string& tekst) { return std::strtod(VervangPunt(tekst, ".", LocalePunt()).c_str(), nullptr); }

std::to_chars_result Kopieer(char* first, char* last, std::string_view tekst) {
  if (static_cast<std::size_t>(last - first) < tekst.size()) return {last, std::errc::value_too_large};
  std::memcpy(first, tekst.data(), tekst.size());
  return {first + tekst.size(), std::errc()};
}

// A positive decimal number: cijfers[0].cijfers[1..] x 10^exponent.
struct Decimaal {
  std::string cijfers;
  int exponent = 0;
};

Decimaal Wetenschappelijk(double waarde, int cijfers) {
  const std::string t = Printf("%.*e", cijfers - 1, waarde);
  const auto e = t.find('e');
  Decimaal d;
  for (std::size_t i = 0; i < e; ++i) {
    if (t[i] != '.') d.cijfers.push_back(t[i]);
  }
  d.exponent = std::atoi(t.c_str() + e + 1);
  return d;
}

std::string AlsTekst(const Decimaal& d) {
  return d.cijfers.substr(0, 1) + "." + d.cijfers.substr(1) + "e" + std::to_string(d.exponent);
}

// The neighbour of d one unit away in its last digit.
Decimaal Buur(Decimaal d, bool omhoog) {
  std::string& c = d.cijfers;
  int i = static_cast<int>(c.size()) - 1;
  if (omhoog) {
    while (i >= 0 && c[static_cast<std::size_t>(i)] == '9') c[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      c.insert(c.begin(), '1');
      c.pop_back();
      ++d.exponent;
    } else {
      ++c[static_cast<std::size_t>(i)];
    }
  } else {
    while (i >= 0 && c[static_cast<std::size_t>(i)] == '0') c[static_cast<std::size_t>(i--)] = '9';
    --c[static_cast<std::size_t>(i)];
    if (c[0] == '0') {
      c.erase(c.begin());
      --d.exponent;
    }
  }
  return d;
}

// The fewest digits that read back to the value; of two such, the nearer.
Decimaal Kortste(double waarde) {
  for (int n = 1;; ++n) {
    const Decimaal d = Wetenschappelijk(waarde, n);
    const double terug = Strtod(AlsTekst(d));
    if (terug == waarde || n >= 17) return d;
    // Where the gap below the value is narrower than the one above (a power
    // of two), the nearest n digits may miss while the other side's fit.
    const Decimaal buur = Buur(d, terug < waarde);
    if (!buur.cijfers.empty() && Strtod(AlsTekst(buur)) == waarde) return buur;
  }
}

std::string Vast(const Decimaal& d) {
  const auto n = static_cast<int>(d.cijfers.size());
  if (d.exponent >= n - 1) return d.cijfers + std::string(static_cast<std::size_t>(d.exponent - (n - 1)), '0');
  if (d.exponent >= 0) {
    const auto geheel = static_cast<std::size_t>(d.exponent + 1);
    return d.cijfers.substr(0, geheel) + "." + d.cijfers.substr(geheel);
  }
  return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.cijfers;
}

std::string Exponentieel(const Decimaal& d) {
  std::string t = d.cijfers.substr(0, 1);
  if (d.cijfers.size() > 1) t += "." + d.cijfers.substr(1);
  const int e = std::abs(d.exponent);
  return t + (d.exponent < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);
}

bool Begint(const char* p, const char* last, std::string_view woord) {
  if (static_cast<std::size_t>(last - p) < woord.size()) return false;
  for (std::size_t i = 0; i < woord.size(); ++i) {
    if ((p[i] | 0x20) != woord[i]) return false;
  }
  return true;
}

bool Cijfer(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde) {
  const std::string teken = std::signbit(waarde) ? "-" : "";
  if (std::isnan(waarde)) return Kopieer(first, last, teken + "nan");
  if (std::isinf(waarde)) return Kopieer(first, last, teken + "inf");
  if (waarde == 0) return Kopieer(first, last, teken + "0");
  Decimaal d = Kortste(std::fabs(waarde));
  while (d.cijfers.size() > 1 && d.cijfers.back() == '0') d.cijfers.pop_back();
  const std::string exponentieel = Exponentieel(d);
  std::string vast = Vast(d);
  if (vast.size() > exponentieel.size()) return Kopieer(first, last, teken + exponentieel);
  // A whole number shows all its digits exactly, as printf's %.0f: as many, so the choice stands.
  if (vast.find('.') == std::string::npos) vast = Printf("%.*f", 0, std::fabs(waarde));
  return Kopieer(first, last, teken + vast);
}

std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde, std::chars_format formaat, int precisie) {
  return Kopieer(first, last, Printf(formaat == std::chars_format::scientific ? "%.*e" : "%.*g", precisie, waarde));
}

std::from_chars_result LeesDrijvend(const char* first, const char* last, double& waarde) {
  const char* p = first;
  const bool negatief = p < last && *p == '-';
  if (negatief) ++p;
  if (Begint(p, last, "inf")) {
    waarde = negatief ? -HUGE_VAL : HUGE_VAL;
    return {p + (Begint(p, last, "infinity") ? 8 : 3), std::errc()};
  }
  if (Begint(p, last, "nan")) {
    p += 3;
    if (p < last && *p == '(') {
      const char* q = p + 1;
      while (q < last && (Cijfer(*q) || *q == '_' || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z'))) ++q;
      if (q < last && *q == ')') p = q + 1;
    }
    waarde = negatief ? -std::nan("") : std::nan("");
    return {p, std::errc()};
  }
  bool cijfers = false, nietNul = false;
  const auto cijfer = [&] {
    cijfers = true;
    nietNul |= *p != '0';
  };
  for (; p < last && Cijfer(*p); ++p) cijfer();
  if (p < last && *p == '.') {
    for (++p; p < last && Cijfer(*p); ++p) cijfer();
  }
  if (!cijfers) return {first, std::errc::invalid_argument};
  if (p < last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q < last && (*q == '+' || *q == '-')) ++q;
    if (q < last && Cijfer(*q)) {
      while (q < last && Cijfer(*q)) ++q;
      p = q;
    }
  }
  const double x = Strtod(std::string(first, p));
  // As from_chars: a value beyond the doubles, or one so small that nothing of it is left.
  if (std::isinf(x) || (x == 0 && nietNul)) return {p, std::errc::result_out_of_range};
  waarde = x;
  return {p, std::errc()};
}

}  // namespace draagbaar

#if defined(__cpp_lib_to_chars)
std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde) {
  return std::to_chars(first, last, waarde);
}
std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde, std::chars_format formaat, int precisie) {
  return std::to_chars(first, last, waarde, formaat, precisie);
}
std::from_chars_result LeesDrijvend(const char* first, const char* last, double& waarde) {
  return std::from_chars(first, last, waarde);
}
#else
std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde) {
  return draagbaar::SchrijfDrijvend(first, last, waarde);
}
std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde, std::chars_format formaat, int precisie) {
  return draagbaar::SchrijfDrijvend(first, last, waarde, formaat, precisie);
}
std::from_chars_result LeesDrijvend(const char* first, const char* last, double& waarde) {
  return draagbaar::LeesDrijvend(first, last, waarde);
}
#endif

}  // namespace tarvo
