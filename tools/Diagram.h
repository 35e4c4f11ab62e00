#pragma once
// The numbers of the level-distance diagram: Lden of the worksheet at every
// whole metre from 1 up to the largest distance the user asks for. The
// chart window only draws what these routines return.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

inline constexpr std::string_view kDiagramVraag = "Maximale afstand tot wegas in meter [>100m, <1000m]";
inline constexpr std::string_view kDiagramTitel = "Niveau-afstand diagram";
inline constexpr std::string_view kDiagramStandaard = "500";
inline constexpr std::string_view kDiagramAsAfstand = "Afstand tot wegas [m]";
inline constexpr std::string_view kDiagramAsNiveau = "Lden excl. aftrek 110g Wgh [dB]";
inline constexpr double kDiagramMinAfstand = 100;
inline constexpr double kDiagramMaxAfstand = 1000;

enum class DiagramUitkomst {
  Leeg,               // empty answer or cancel: nothing happens
  Geweigerd,          // the answer is no number: no diagram
  ControleGeweigerd,  // the input check refused
  Onbruikbaar,        // a road surface outside the catalogue, or an infinite level: see melding
  Gegevens,           // the rows are computed
};

// The answer of the input box as the largest distance s, clamped into
// 100..1000; s is set only when soort is Gegevens.
struct MaxAfstand {
  DiagramUitkomst soort = DiagramUitkomst::Leeg;
  double s = 0;
};
MaxAfstand LeesMaxAfstand(std::string_view antwoord);

// A largest distance given on a command line: a number from 100 to 1000,
// nothing otherwise (a command line is not clamped behind the user's back).
std::optional<double> LeesDiagramAfstand(std::string_view tekst);

struct DiagramRij {
  std::string label;  // i - 1 with a leading blank: the labels stand on the tick marks
  double lden = 0;    // Lden at i metres, as the chart holds it (15 significant digits)
};

// The level axis in whole tens: ymax the next ten strictly above the level
// at 1 m, ymin the ten at or below the level at s, one division per 10 dB.
struct NiveauAs {
  double ymax = 0, ymin = 0;
  std::int16_t delingen = 0;
};
// Without a row at s (an answer with a fraction) the axis starts at 0. A
// level that is no finite number gives the empty axis.
NiveauAs BepaalNiveauAs(double ldenBijEen, std::optional<double> ldenBijS);

struct DiagramGegevens {
  std::vector<DiagramRij> rijen;  // row i at index i - 1
  double ymax = 0, ymin = 0;      // the level axis of BepaalNiveauAs
  std::int16_t delingen = 0;
};

// Rows for i = 1 .. s rounded (halves to even) of the checked input, each
// at horizontal distance i; s as LeesMaxAfstand gives it.
DiagramGegevens BerekenDiagram(const Invoer& in, const Catalogus& catalogus, double s);

// The rows as a ';'-separated table with a header: the distance in metres
// (row i at i m) and Lden with two decimals.
std::string DiagramCsv(const DiagramGegevens& gegevens, char decimaal, std::string_view regeleinde);

}  // namespace tarvo
