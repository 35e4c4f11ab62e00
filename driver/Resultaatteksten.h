#pragma once
// What the window shows of a calculation besides the report: the texts of
// the result labels, the deduction line and the derived fields.
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "calc/Werkblad.h"

namespace tarvo {

// A worksheet computed: its checked input and what came of it.
struct Berekend {
  Invoer invoer;
  Resultaten resultaten;
};

// The texts of the three result labels: Letmaal, Lden and Lnight after the
// deduction; and the line that names the deduction, empty when none was made.
struct ResultaatTeksten {
  std::string letmaal, lden, lnight;
  std::string aftrek;
};

// One result label: the level after the deduction (0 stays 0) with one
// decimal in at least 5 characters, then the unit (" dB(A)" or " dB").
std::string ResultaatLabel(double niveau, int aftrek110g, std::string_view eenheid, char decimaal);

// "inclusief 5 dB aftrek art. 110g Wgh" when the deduction lowered a shown
// level; empty when there is none or every level is 0 (which it leaves alone).
std::string AftrekRegel(const Resultaten& r);

ResultaatTeksten LabelTeksten(const Resultaten& r, char decimaal);

// Qtotaal and the freight share of each period, as fields 26..31 show them
// after a calculation, or after a check (which works them out the same way).
std::array<std::pair<int, std::string>, 2 * kAantalPeriodes> AfgeleideTeksten(const Resultaten& r, char decimaal);
std::array<std::pair<int, std::string>, 2 * kAantalPeriodes> AfgeleideTeksten(const Invoer& in, char decimaal);

}  // namespace tarvo
