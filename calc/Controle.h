#pragma once
// The input check before every calculation: the worksheet's texts in,
// either the checked input or the reason it was refused out, together with
// what the fields must show afterwards.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Getal.h"
#include "calc/Valideer.h"
#include "calc/Werkblad.h"

namespace tarvo {

inline constexpr std::string_view kGeenWaarneemhoogte = "geen waarneemhoogte ingevuld";
inline constexpr std::string_view kWegdekTeHoog = "wegdek hoger dan waarneemhoogte";
inline constexpr std::string_view kGeenAfstand = "geen afstand ingevuld";
inline constexpr std::string_view kTitelWaarschuwing = "Waarschuwing";

// What the speed fields hold while the 30 km zone is on.
inline constexpr std::string_view kZoneSnelheid = "30";

// Height of the source line above the road surface.
inline constexpr double kBronhoogte = 0.75;

// Slant distance r between the source line and the observation point.
double SchuineAfstand(double waarneemhoogte, double wegdekhoogte, double afstandHor);

struct Weigering {
  enum class Soort {
    GeenGetal,     // a field's text is no number: no message box, the field turns red
    Waarschuwing,  // one of the three warnings, in a message box titled kTitelWaarschuwing
  };
  Soort soort;
  int veld;           // the field to correct; it takes the focus
  std::string tekst;  // the warning, or the text that is no number
};

// What the window tells of a field whose text is no number, naming it by
// its row and column captions.
std::string GeenGetalMelding(int veld);
// The same for a line of text: "Veld 2 (Qlicht (mvt/h) / dag) bevat geen getal: '12a'."
std::string GeenGetalRegel(int veld, std::string_view tekst);
// A refusal as one line for a command line or a batch row.
std::string WeigeringRegel(const Weigering& weigering);

enum class VeldStaat {
  Ongemoeid,  // the check did not reach the field
  Geldig,     // light yellow, no tool tip
  Ongeldig,   // red, with its tool tip
};

// What the fields show after the check: a field the check reached shows its
// clamped and formatted number, the rest stay as typed.
struct Weergave {
  std::array<std::optional<std::string>, kAantalVelden> tekst;
  std::array<VeldStaat, kAantalVelden> staat{};
  int focus = -1;  // the field that takes the focus, -1 for none
};

// The texts the check reads: views into a worksheet, or into a batch row,
// each field's text taken apart once.
class WerkbladTeksten {
 public:
  WerkbladTeksten() = default;
  explicit WerkbladTeksten(const Werkblad& w);

  // Field k's text becomes `tekst`, which must outlive this.
  void Zet(int k, std::string_view tekst) {
    veld_[static_cast<std::size_t>(k)] = tekst;
    OntleedGetal(tekst, delen_[static_cast<std::size_t>(k)]);
  }
  std::string_view Tekst(int k) const { return veld_[static_cast<std::size_t>(k)]; }
  const GetalDelen& Delen(int k) const { return delen_[static_cast<std::size_t>(k)]; }

  std::array<std::string_view, kAantalToelichtingen> toelichting;
  std::array<bool, kAantalToelichtingen> toelichtingBewerkt{};
  std::int16_t wegdek = 1;
  bool zone = false;
  bool aftrek = false;
  std::int16_t rail = 0;

 private:
  std::array<std::string_view, kAantalVelden> veld_;
  std::array<GetalDelen, kAantalVelden> delen_;
};

// A field whose number lay outside its range and was clamped to a bound.
struct Begrenzing {
  int veld;
  std::string tekst;  // as typed
  double grens;
};

// What the window tells of numbers it clamped, naming each field by its
// captions without their units: "Zichthoek begrensd tot 127", joined by "; ".
std::string BegrensdMelding(const std::vector<Begrenzing>& begrensd, char decimaal);

// Leaving worksheet field k with a text: what the field shows then and, when
// a number was clamped, what the status line says (empty otherwise). Names
// and remark lines are taken as typed.
struct VeldVerlaten {
  Validatie validatie;
  std::string begrensd;
};
VeldVerlaten VerlaatVeld(int k, std::string_view tekst, char decimaal);

// The characters a field takes from the keyboard; empty: every key, or none.
std::string_view ToetsTekens(Toetsen toetsen);

// Leaving a remark line the user edited: it keeps its text without the
// outer blanks. A line holds at most kToelichtingLengte characters; a key
// that would make it longer is refused with kToelichtingVol.
std::string VerlaatToelichting(std::string_view tekst);
extern const std::string kToelichtingVol;

struct Controle {
  std::optional<Invoer> invoer;        // when the check passed
  std::optional<Weigering> weigering;  // when it did not
  std::vector<Begrenzing> begrensd;    // the fields taken over, in the check's order
  Weergave weergave;                   // only from Controleer
  explicit operator bool() const { return invoer.has_value(); }
};

// The check's rules on the numbers alone, as a batch row needs them.
Controle ControleerGetallen(const WerkbladTeksten& teksten);
// The same into `controle`, whose display stays as it was: one Controle
// handed in row after row keeps its storage.
void ControleerGetallen(const WerkbladTeksten& teksten, Controle& controle);

// The whole check, with what the fields show afterwards in `decimaal`.
Controle Controleer(const Werkblad& werkblad, char decimaal);

}  // namespace tarvo
