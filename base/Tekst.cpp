#include "base/Tekst.h"

#include <array>

namespace tarvo {
namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 where the code page
// has no character (those bytes are read as the C1 control of the same value).
constexpr std::array<char32_t, 32> kC1 = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                          0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes one character at i and advances i; a malformed byte counts as one
// character of its own (U+FFFD) so that lengths never run past the text.
char32_t NextChar(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  auto cont = [&](std::size_t k) { return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80; };
  auto byte = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(s[i + k]) & 0x3F); };
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  if ((b0 & 0xE0) == 0xC0 && cont(1)) {
    char32_t c = ((b0 & 0x1F) << 6) | byte(1);
    i += 2;
    return c;
  }
  if ((b0 & 0xF0) == 0xE0 && cont(1) && cont(2)) {
    char32_t c = ((b0 & 0x0F) << 12) | (byte(1) << 6) | byte(2);
    i += 3;
    return c;
  }
  if ((b0 & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3)) {
    char32_t c = ((b0 & 0x07) << 18) | (byte(1) << 12) | (byte(2) << 6) | byte(3);
    i += 4;
    return c;
  }
  ++i;
  return 0xFFFD;
}

bool IsBlank(char c) { return c == ' '; }

}  // namespace

std::size_t AantalTekens(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++n) NextChar(s, i);
  return n;
}

std::string VastBreed(std::string_view s, std::size_t n) {
  std::size_t i = 0;
  std::size_t count = 0;
  while (i < s.size() && count < n) {
    NextChar(s, i);
    ++count;
  }
  std::string out(s.substr(0, i));
  out.append(n - count, ' ');
  return out;
}

std::string Bijgesneden(std::string_view s) { return std::string(BijgesnedenDeel(s)); }

std::string RechtsBijgesneden(std::string_view s) {
  std::size_t e = s.size();
  while (e > 0 && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(0, e));
}

std::string Hoofdletters(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t c = NextChar(s, i);
    if (c >= 'a' && c <= 'z')
      c -= 32;
    else if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
      c -= 32;
    else if (c == 0xFF)
      c = 0x178;
    else if (c == 0x161 || c == 0x153 || c == 0x17E)
      c -= 1;
    AppendUtf8(out, c);
  }
  return out;
}

std::string KleineLetters(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return out;
}

std::string Cp1252NaarUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    char32_t c = b;
    if (b >= 0x80 && b < 0xA0 && kC1[b - 0x80] != 0) c = kC1[b - 0x80];
    AppendUtf8(out, c);
  }
  return out;
}

std::string Utf8NaarCp1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t c = NextChar(s, i);
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    char mapped = '?';
    for (std::size_t k = 0; k < kC1.size(); ++k) {
      if (kC1[k] == c) mapped = static_cast<char>(0x80 + k);
    }
    // C1 controls that the code page leaves undefined pass through unchanged,
    // so such bytes in a file survive a load and a save.
    if (c >= 0x80 && c < 0xA0 && kC1[c - 0x80] == 0) mapped = static_cast<char>(c);
    out.push_back(mapped);
  }
  return out;
}

std::string ZonderStuurtekens(std::string_view s) {
  std::string uit;
  uit.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const bool c1 = c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(s[i + 1]) < 0xA0;
    if (c < 0x20 || c == 0x7F || c1) {
      uit.push_back('?');
      if (c1) ++i;
    } else {
      uit.push_back(s[i]);
    }
  }
  return uit;
}

namespace {

constexpr std::string_view kFormuletekens = "=+-@'";

// Digits with a sign and one decimal sign at the most: what a spreadsheet reads as a number.
bool IsGetal(std::string_view s) {
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) s.remove_prefix(1);
  bool cijfer = false, scheiding = false;
  for (char c : s) {
    if (c >= '0' && c <= '9') {
      cijfer = true;
    } else if ((c == ',' || c == '.') && !scheiding) {
      scheiding = true;
    } else {
      return false;
    }
  }
  return cijfer;
}

}  // namespace

std::string_view ZonderFormuleteken(std::string_view cel) {
  if (cel.size() >= 2 && cel[0] == '\'' && kFormuletekens.find(cel[1]) != std::string_view::npos) cel.remove_prefix(1);
  return cel;
}

std::string CsvTekst(std::string_view ruw) {
  std::string s = ZonderStuurtekens(ruw);
  if (!s.empty() && kFormuletekens.find(s[0]) != std::string_view::npos && !IsGetal(s)) s.insert(s.begin(), '\'');
  if (s.find_first_of(";\"") == std::string::npos) return s;
  std::string out = "\"";
  for (char c : s) {
    if (c == '"')
      out += "\"\"";
    else
      out.push_back(c);
  }
  return out + "\"";
}

bool IsUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t begin = i;
    const char32_t c = NextChar(s, i);
    const std::size_t lengte = i - begin;
    if (c == 0xFFFD && lengte == 1) return false;
    const std::size_t kortst = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    if (lengte != kortst || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
  }
  return true;
}

std::u32string Tekens(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) out.push_back(NextChar(s, i));
  return out;
}

std::string Utf8(char32_t teken) {
  std::string out;
  AppendUtf8(out, teken);
  return out;
}

bool InCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
  for (char32_t k : kC1) {
    if (k != 0 && k == c) return true;
  }
  return false;
}

}  // namespace tarvo
