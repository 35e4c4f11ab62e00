#pragma once
// Text helpers shared by the whole core. Texts live in memory as UTF-8;
// fixed lengths count characters, not bytes, because the files store one
// Windows-1252 byte per character.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Carriage return + line feed: the line break of reports and messages.
inline constexpr std::string_view CrLf = "\r\n";

// The UTF-8 byte-order mark: a CSV file meant for a spreadsheet starts with
// it, or the spreadsheet reads the accents in the local code page.
inline constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::size_t AantalTekens(std::string_view utf8);

// Left-aligned in exactly n characters: padded with blanks or cut.
std::string VastBreed(std::string_view utf8, std::size_t n);

std::string Bijgesneden(std::string_view s);
// Bijgesneden without a copy: a view into s.
inline std::string_view BijgesnedenDeel(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}
std::string RechtsBijgesneden(std::string_view s);

// Upper case as the Windows code page knows it (a-z and the accented letters).
std::string Hoofdletters(std::string_view utf8);

// Lower case of the ASCII letters A-Z; every other byte stays as it is.
std::string KleineLetters(std::string_view s);

// Windows-1252 <-> UTF-8. A character the code page lacks becomes '?'.
std::string Cp1252NaarUtf8(std::string_view bytes);
std::string Utf8NaarCp1252(std::string_view utf8);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view bytes);
// The characters of a UTF-8 text; a malformed byte gives U+FFFD.
std::u32string Tekens(std::string_view utf8);
std::string Utf8(char32_t teken);
// True when Windows-1252 has the character (a C0 control included, the
// positions it leaves undefined not).
bool InCp1252(char32_t teken);

// Control characters (C0, DEL, C1) as '?': a name from a file never steers a
// terminal or breaks a line.
std::string ZonderStuurtekens(std::string_view utf8);

// A text as one field of a ';'-separated line, its control characters as '?': between quotes, with a quote
// doubled, when it holds a ';', a quote or a line break.
// A text a spreadsheet would take for a formula (starting with '=', '+',
// '-' or '@') starts with a "'" that keeps it a text; so does one starting
// with "'", so that reading takes exactly one away. A number is no formula
// and stays as it is.
std::string CsvTekst(std::string_view s);
// A text cell as CsvTekst wrote it: without the "'" it put in front.
std::string_view ZonderFormuleteken(std::string_view cel);

// n blanks
inline std::string Blanks(std::size_t n) { return std::string(n, ' '); }

}  // namespace tarvo
