#pragma once
// The level-distance diagram and the distance for a target level, each
// answered in one call with the sentences every face shows.
#include <optional>
#include <string>
#include <string_view>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Rekenen.h"
#include "tools/Afstand.h"
#include "tools/Diagram.h"

namespace tarvo {

// "0 tot 150": the target levels a search takes.
std::string DoelBereik();

// A target level from a box or a command line; the sentence that asks for one otherwise.
Uitkomst<double> LeesDoel(std::string_view tekst);

// Where Lden after the deduction meets a target level.
struct DoelAntwoord {
  bool gevonden = false;
  NiveauOpAfstand punt;      // at the distance found, or at the end of the search
  double lijn = 0;           // the chart shows Lden without the deduction: the line stands at target + deduction
  std::string lijnTekst;     // "streefwaarde 48,00 dB + aftrek 2 dB"
  std::string afstandTekst;  // "123,45 m"
  std::string tekst;         // the whole outcome in one sentence
  bool binnen = false;       // found within the diagram's distance
};

// What the line under the chart says while the pointer is not on it.
inline constexpr std::string_view kMuisUitleg = "Muis: wijs een afstand aan in het diagram";
// The chart's choices, '&' before a letter a key reaches it by.
inline constexpr std::string_view kDoelBijschrift = "&Streefwaarde Lden na aftrek:";
inline constexpr std::string_view kAfstandsasBijschrift = "Afstandsas:";
inline constexpr std::string_view kLineairBijschrift = "&lineair";
inline constexpr std::string_view kLogaritmischBijschrift = "l&ogaritmisch";

// A point of the line with what the chart writes beside it and under it.
struct LijnPunt {
  NiveauOpAfstand punt;
  std::string label;   // beside the mark: "12,00 m; 64,32 dB"
  std::string tekst;   // under the chart: "Muis: 12,00 m, Lden 64,32 dB excl. aftrek"
  bool binnen = true;  // within the diagram's distance
};

// The worksheet's checked input at any horizontal distance: what a diagram
// keeps to answer targets and the pointer.
class NiveauLijn {
 public:
  NiveauLijn(const Invoer& invoer, const Catalogus& catalogus, Datum vandaag, char decimaal);

  // `maxAfstand`: the diagram's largest distance; a point beyond it is said to be outside.
  DoelAntwoord Doel(double doel, double maxAfstand);
  // The level at the pointer's distance x, on the search grid and computed,
  // not read off the line.
  LijnPunt Punt(double x, double maxAfstand);
  // The worksheet's own distance.
  LijnPunt EigenPunt(double maxAfstand);

 private:
  std::string AfstandTekst(double afstand) const;  // "123,45 m"
  std::string Niveau(double lden) const;

  AfstandRekenaar rekenaar_;
  char decimaal_;
};

// The diagram after the question for the largest distance.
struct DiagramAntwoord {
  DiagramUitkomst uitkomst = DiagramUitkomst::Leeg;
  std::string melding;  // why there is no diagram: an answer that is no number, an unusable worksheet
  Rekening rekening;    // the check, when it ran: what the fields show after it
  double s = 0;
  DiagramGegevens gegevens;
  std::string csv;  // the rows as a table, lines ended by CR LF

  bool Getekend() const { return uitkomst == DiagramUitkomst::Gegevens; }
};
DiagramAntwoord Diagram(std::string_view antwoord, const Werkblad& werkblad, const Catalogus& catalogus, Datum vandaag,
                        char decimaal);

// The distance for a target level typed as text, without a diagram.
struct AfstandAntwoord {
  std::string melding;  // a target that is no level; the check's or the calculation's refusal
  Rekening rekening;
  std::optional<DoelAntwoord> doel;
};
AfstandAntwoord AfstandVoor(std::string_view doelTekst, const Werkblad& werkblad, const Catalogus& catalogus,
                            Datum vandaag, char decimaal);

}  // namespace tarvo
