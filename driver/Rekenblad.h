#pragma once
// F9: the worksheet's texts checked and computed, with everything a face
// shows of it. The window, the page and tarvo-reken show this answer; none
// of them strings the steps together itself.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Rekenen.h"
#include "driver/Resultaatteksten.h"
#include "tools/DosisEffect.h"

namespace tarvo {

enum class Afloop {
  Berekend,
  GeenGetal,     // a field's text is no number: said in the status line, no message box
  Waarschuwing,  // one of the check's three warnings, in a message box
  Onbruikbaar,   // a passed check computed nothing usable (road surface, infinite level): a message box
};

// The percentages of annoyed residents at an Lden without the deduction, and
// how they are shown: a chart inside the band, a notice outside it.
struct DosisEffectAntwoord {
  bool binnenBand = false;
  Gehinderden gehinderden;
  std::string titel;                    // the window's caption, with the level
  std::string melding;                  // the notice outside the band
  std::string zin;                      // one sentence for a results panel
  std::array<std::string, 3> labels;    // the percentages as whole numbers
  std::array<std::string, 3> kolommen;  // ">licht", ">normaal", ">ernstig"
  std::string grafiekTitel, voetnoot;
};
DosisEffectAntwoord DosisEffect(double lden, char decimaal);

struct RekenbladAntwoord {
  Rekening rekening;
  Afloop afloop = Afloop::Berekend;
  std::string melding;  // the refusal as the face says it; empty when computed
  std::string titel;    // the message box's title
  // Qtotaal and the freight share as fields 26..31 show them: after any
  // calculation, also one with an infinite level; empty otherwise.
  std::vector<std::pair<int, std::string>> afgeleid;
  // What a computed worksheet shows; all empty otherwise.
  ResultaatTeksten labels;
  std::string art35;      // which art. 3.5 deduction the road surface got, and why
  std::string begrensd;   // numbers the check took at a bound: "Zichthoek begrensd tot 127"
  std::string kwaliteit;  // the environmental quality word
  DosisEffectAntwoord dosisEffect;
  std::string rapport;  // the report as the preview shows it

  bool Berekend() const { return afloop == Afloop::Berekend; }
};

// The catalogue must be the one the face shows; `vandaag` decides the 110g deduction.
RekenbladAntwoord Rekenblad(const Werkblad& werkblad, const Catalogus& catalogus, Datum vandaag, char decimaal);

}  // namespace tarvo
