#pragma once
// Doubles to text and back in the "C" notation, whatever locale a toolkit
// set: std::to_chars / std::from_chars where the standard library has them
// for floating point, otherwise (libc++ 14, the WebAssembly build) one
// portable path over the C library's snprintf and strtod that gives the
// same characters.
#include <charconv>

namespace tarvo {

// As std::to_chars(first, last, waarde): the shortest text that reads back
// to the same double, fixed or scientific, whichever is shorter.
std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde);
// As std::to_chars(first, last, waarde, formaat, precisie) for the
// scientific and general formats.
std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde, std::chars_format formaat, int precisie);
// As std::from_chars(first, last, waarde) in the general format: out of
// range leaves `waarde` as it was.
std::from_chars_result LeesDrijvend(const char* first, const char* last, double& waarde);

// The portable path itself, built everywhere so that a test holds it
// against the standard library's.
namespace draagbaar {
std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde);
std::to_chars_result SchrijfDrijvend(char* first, char* last, double waarde, std::chars_format formaat, int precisie);
std::from_chars_result LeesDrijvend(const char* first, const char* last, double& waarde);
}  // namespace draagbaar

}  // namespace tarvo
