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

std::size_t AantalTekens(std::string_view utf8);

// Left-aligned in exactly n characters: padded with blanks or cut.
std::string VastBreed(std::string_view utf8, std::size_t n);

std::string TrimBlanks(std::string_view s);
std::string TrimRechts(std::string_view s);

// Upper case as the Windows code page knows it (a-z and the accented letters).
std::string Hoofdletters(std::string_view utf8);

// Lower case of the ASCII letters A-Z; every other byte stays as it is.
std::string KleineLetters(std::string_view s);

// Windows-1252 <-> UTF-8. A character the code page lacks becomes '?'.
std::string Cp1252NaarUtf8(std::string_view bytes);
std::string Utf8NaarCp1252(std::string_view utf8);

// A field of a ';'-separated table: in double quotes, with its quotes
// doubled, when it holds a ';', a quote or a line break.
std::string CsvTekst(std::string_view s);

// n blanks
inline std::string Blanks(std::size_t n) { return std::string(n, ' '); }

}  // namespace tarvo
