#pragma once
// The road-surface editor's commands, one call each for the window and the
// page: start adding or changing, confirm the entry fields, delete, bring in
// a table, with their checks, refusals and questions as data. The rules of
// the catalogue are WegdekBeheer's and VoegSamen's; this says what a face
// shows of them.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Valideer.h"
#include "calc/Wegdek.h"

namespace tarvo {

// The editor's fields: 0 the description, 1 to 6 the coefficients in record order.
inline constexpr int kWegdekVelden = 7;
using WegdekTeksten = std::array<std::string, kWegdekVelden>;

// How a face shows a step's message.
enum class MeldingSoort {
  Waarschuwing,  // titled "Waarschuwing"
  Stop,          // an action the catalogue cannot take at all
  Informatie,
  Vraag,
};

enum class Stap {
  Gedaan,     // done; the catalogue changed when `kies` names an entry
  Geweigerd,  // nothing changed; `melding` says why, or `veld` shows it
  Gemeld,     // nothing changed and nothing was wrong; `melding` says so
  Vraag,      // nothing changed yet: ask `melding`; the same call answered Ja carries it out
};

struct WegdekStap {
  Stap stap = Stap::Gedaan;
  std::string melding, titel;
  MeldingSoort soort = MeldingSoort::Waarschuwing;
  // A question's answers: Ja and Annuleren, Annuleren the default; else Ja and Nee.
  bool annuleren = false;
  // The field to go back to; -1 none. A coefficient that is no number says
  // why in `uitleg` and no message: the field turns red.
  int veld = -1;
  std::string uitleg;
  std::vector<std::pair<int, std::string>> teksten;  // fields checked before, as they show now
  int kies = 0;                                      // the position to select afterwards; 0 none
  bool gewijzigd = false;
  std::string art35;  // a warning after the change: descriptions that resemble one of the eight names

  bool Gedaan() const { return stap == Stap::Gedaan; }
};

// Add: refused when the catalogue is full.
WegdekStap BeginToevoegen(const WegdekBeheer& beheer);
// Change the entry at `positie` (0: none chosen): refused for none or a protected one.
WegdekStap BeginWijzigen(const WegdekBeheer& beheer, int positie);
// OK in the entry fields as typed: `positie` 0 adds, another changes that
// entry. A description and the first four coefficients are required; the
// last two count as 0 when empty.
WegdekStap BevestigWegdek(WegdekBeheer& beheer, int positie, const WegdekTeksten& teksten, char decimaal);
// Delete: refused for none or a protected entry; asked first, carried out when `ja`.
WegdekStap WisWegdek(WegdekBeheer& beheer, int positie, bool ja);
// A table from a file or the clipboard: all or nothing; asked first when
// entries would get other coefficients, carried out when `ja` (or when
// nothing is replaced). `leeg` says a table without surfaces.
WegdekStap NeemWegdekkenOver(WegdekBeheer& beheer, const Uitkomst<std::vector<IngelezenWegdek>>& tabel,
                             std::string_view leeg, bool ja);
// The same from a file's bytes, named as the user chose it; refused when larger than a table can be.
WegdekStap ImporteerWegdekTabel(WegdekBeheer& beheer, std::string_view bytes, std::string_view naam, bool ja);
// Rows copied from a spreadsheet.
WegdekStap PlakWegdekken(WegdekBeheer& beheer, std::string_view rijen, bool ja);

// A coefficient field left: its text as the catalogue will hold it.
Validatie VerlaatCoefficient(std::string_view tekst, char decimaal);

// The list: each entry's description, marked in bold when it gets 1 dB art. 3.5.
struct WegdekRegel {
  std::string naam;
  bool kleineAftrek = false;
  bool meegeleverd = false;
};
std::vector<WegdekRegel> WegdekRegels(const Catalogus& catalogus);
// The fields of the entry at `positie`; refused when the list is empty.
Uitkomst<WegdekTeksten> GekozenWegdek(const Catalogus& catalogus, int positie, char decimaal);

// The editor's captions and status texts.
inline constexpr std::string_view kWegdekTitel = "Correctiefactoren wegdekken ";
inline constexpr std::string_view kWegdekTitelOpgeheven = "[EDIT-mode meegeleverde wegdektypen]";
inline constexpr std::string_view kLijstweergave = "Lijstweergave";
inline constexpr std::string_view kBewerkweergave = "Edit-mode";
inline constexpr std::string_view kLijstUitleg = "Overzicht wegdekken";
// Beside a shipped entry where a list marks them.
inline constexpr std::string_view kMeegeleverdMerk = "(meegeleverd)";
inline constexpr std::string_view kKleineAftrekLegenda = "vet: 1 dB aftrek art. 3.5";
inline constexpr std::string_view kKleineAftrekUitleg =
    "Bij 70 km/h en meer krijgt dit wegdek 1 dB aftrek art. 3.5: zijn omschrijving is precies een van de acht "
    "namen uit de regeling. De andere krijgen 2 dB.";
inline constexpr std::string_view kImporteerUitleg =
    "Wegdekken toevoegen uit een CSV-bestand; rijen uit een rekenblad plakken kan ook met Ctrl+V in de lijst";
inline constexpr std::string_view kExporteerUitleg = "De wegdekken bewaren als CSV-bestand";
// The captions over the fields, the vehicle classes and σ and τ beside each coefficient.
inline constexpr std::string_view kOmschrijvingBijschrift = "Omschrijving wegdek:";
inline constexpr std::string_view kCorrectieBijschrift = "Correctiefactoren:";
inline constexpr std::array<std::string_view, 3> kWegdekKlassen = {"lichte vtg", "middelzware vtg", "zware vtg"};
inline constexpr std::array<std::string_view, 2> kWegdekSymbolen = {"σ", "τ"};
inline constexpr std::array<std::string_view, 2> kWegdekUitleg = {"verschil in dB(A) t.o.v. glad asfalt ",
                                                                  "snelheidsindex in dB(A)"};
// "3 wegdekken in lijst".
std::string AantalWegdekkenTekst(int aantal);

}  // namespace tarvo
