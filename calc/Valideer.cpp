#include "calc/Valideer.h"

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/VeldGetal.h"

namespace tarvo {
namespace {

int Cijfers(std::string_view s) {
  int n = 0;
  for (char c : s) n = 10 * n + (c - '0');
  return n;
}

bool IsDatum(std::string_view s) {
  if (s.size() != 10 || s[2] != '-' || s[5] != '-') return false;
  for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u}) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  const int dag = Cijfers(s.substr(0, 2));
  const int maand = Cijfers(s.substr(3, 2));
  const int jaar = Cijfers(s.substr(6, 4));
  if (maand < 1 || maand > 12 || dag < 1 || jaar < 100) return false;
  static constexpr int kDagen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool schrikkel = (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
  return dag <= kDagen[maand - 1] + (maand == 2 && schrikkel ? 1 : 0);
}

}  // namespace

Validatie Valideer(std::string_view tekst, Soort soort, std::int32_t maximum, std::int32_t minimum,
                   std::string_view patroon, char decimaal) {
  switch (soort) {
    case Soort::Numeriek:
      if (const GetalBereik bereik{maximum, minimum, patroon}; const auto x = GecontroleerdGetal(tekst, bereik)) {
        return {true, Formatteer(*x, patroon, decimaal), {}, OverschredenGrens(tekst, bereik)};
      }
      return {false, {}, kToolTipGetal, {}};
    case Soort::Hoofdletters:
      return {true, Hoofdletters(TrimBlanks(tekst)), {}, {}};
    case Soort::KleineLetters:
      return {true, KleineLetters(TrimBlanks(tekst)), {}, {}};
    case Soort::Datum:
      if (IsDatum(tekst)) return {true, std::string(tekst), {}, {}};
      return {false, {}, kToolTipDatum, {}};
    case Soort::Vrij:
      break;
  }
  return {true, TrimBlanks(tekst), {}, {}};
}

}  // namespace tarvo
