#pragma once
// The worksheet's input fields as one table. Every routine that needs a
// field's caption, kind, range, pattern, default, help text, place on the
// window, slot in the worksheet file, batch column or report line reads it
// here; adding a field is adding a row.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/VeldGetal.h"

namespace tarvo {

inline constexpr int kAantalVelden = 40;
inline constexpr int kAantalToelichtingen = 4;
inline constexpr int kAantalPeriodes = 3;
inline constexpr std::size_t kNaamVeldLengte = 45;     // observation point and road, in the file
inline constexpr std::size_t kToelichtingLengte = 60;  // a remark line, in the file

// Vehicle categories in the order of the rows: lv, mv, zv, mr, bromf, tram.
inline constexpr int kAantalCategorieen = 6;
namespace categorie {
inline constexpr int kLv = 0, kMv = 1, kZv = 2, kMr = 3, kBromf = 4, kTram = 5;
}  // namespace categorie

// Every field by name; the numbers are the ones users see in messages
// ("Veld 36 (...)") and the worksheet file is laid out by.
namespace veld {
inline constexpr int kWaarneempunt = 0, kWeg = 1;
inline constexpr int kQlvDag = 2, kQlvAvond = 3, kQlvNacht = 4, kVlv = 5;
inline constexpr int kQmvDag = 6, kQmvAvond = 7, kQmvNacht = 8, kVmv = 9;
inline constexpr int kQzvDag = 10, kQzvAvond = 11, kQzvNacht = 12, kVzv = 13;
inline constexpr int kQmrDag = 14, kQmrAvond = 15, kQmrNacht = 16, kVmr = 17;
inline constexpr int kQbromfDag = 18, kQbromfAvond = 19, kQbromfNacht = 20, kVbromf = 21;
inline constexpr int kQtramDag = 22, kQtramAvond = 23, kQtramNacht = 24, kVtram = 25;
inline constexpr int kQtotaalDag = 26, kQtotaalAvond = 27, kQtotaalNacht = 28;
inline constexpr int kVrachtverkeerDag = 29, kVrachtverkeerAvond = 30, kVrachtverkeerNacht = 31;
inline constexpr int kWaarneemhoogte = 32;
inline constexpr int kWegdekhoogte = 33;
inline constexpr int kBodemfactor = 34;
inline constexpr int kObjectfractie = 35;
inline constexpr int kAfstandHor = 36;
inline constexpr int kAfstandKruising = 37;
inline constexpr int kAfstandObstakel = 38;
inline constexpr int kZichthoek = 39;
}  // namespace veld

// The traffic fields of a category per period (dag, avond, nacht) and its speed.
inline constexpr std::array<std::array<int, 3>, kAantalCategorieen> kIntensiteitVelden = {{
    {veld::kQlvDag, veld::kQlvAvond, veld::kQlvNacht},
    {veld::kQmvDag, veld::kQmvAvond, veld::kQmvNacht},
    {veld::kQzvDag, veld::kQzvAvond, veld::kQzvNacht},
    {veld::kQmrDag, veld::kQmrAvond, veld::kQmrNacht},
    {veld::kQbromfDag, veld::kQbromfAvond, veld::kQbromfNacht},
    {veld::kQtramDag, veld::kQtramAvond, veld::kQtramNacht},
}};
inline constexpr std::array<int, kAantalCategorieen> kSnelheidVelden = {veld::kVlv, veld::kVmv,    veld::kVzv,
                                                                        veld::kVmr, veld::kVbromf, veld::kVtram};
constexpr int IntensiteitVeld(int categorie, int periode) {
  return kIntensiteitVelden[static_cast<std::size_t>(categorie)][static_cast<std::size_t>(periode - 1)];
}
constexpr int SnelheidVeld(int categorie) { return kSnelheidVelden[static_cast<std::size_t>(categorie)]; }
// Qtotaal and the freight share of period p (1..3), derived from the traffic fields.
constexpr int TotaalVeld(int periode) {
  constexpr std::array<int, 3> k = {veld::kQtotaalDag, veld::kQtotaalAvond, veld::kQtotaalNacht};
  return k[static_cast<std::size_t>(periode - 1)];
}
constexpr int VrachtVeld(int periode) {
  constexpr std::array<int, 3> k = {veld::kVrachtverkeerDag, veld::kVrachtverkeerAvond, veld::kVrachtverkeerNacht};
  return k[static_cast<std::size_t>(periode - 1)];
}

struct Categorie {
  std::string_view symbool;  // "lv": Qlv, Vlv, qlv_dag ...
};
inline constexpr std::array<Categorie, kAantalCategorieen> kCategorieen = {
    {{"lv"}, {"mv"}, {"zv"}, {"mr"}, {"bromf"}, {"tram"}}};
inline constexpr std::array<std::string_view, kAantalPeriodes> kPeriodeNamen = {"dag", "avond", "nacht"};
// A column of period p (1..3): "naam_dag", "naam_avond", "naam_nacht".
inline std::string PeriodeKolom(std::string_view naam, int p) {
  return std::string(naam) + "_" + std::string(kPeriodeNamen[static_cast<std::size_t>(p - 1)]);
}

enum class VeldSoort {
  Tekst,     // a name, taken as typed
  Getal,     // a number the check takes over
  Afgeleid,  // shown by the window, computed from other fields
};

// Which characters a field accepts from the keyboard.
enum class Toetsen { Alles, Cijfers, Getal, Geen };

// Where the window puts a field.
enum class VeldPlaats { Naam, Verkeer, Afgeleid, GeometrieLinks, GeometrieRechts };

// A line of its own in the report's input block: label, symbol, pattern,
// unit, and its place among those lines (0: no such line).
struct RapportPlaats {
  std::string_view naam = {};     // "Waarneemhoogte"
  std::string_view symbool = {};  // "hw"
  std::string_view patroon = {};
  std::string_view eenheid = {};  // " m"
  int volgorde = 0;
};

// A row of the table, written with the names of its members; what a row
// leaves out is empty, none or 0.
struct VeldInfo {
  int index = 0;
  VeldSoort soort = VeldSoort::Tekst;
  std::string_view bijschrift = {};  // caption of its row (or the field itself)
  std::string_view kolom = {};       // "dag", "avond", "nacht", "v (km/h)" or empty
  Toetsen toetsen = Toetsen::Alles;
  VeldPlaats plaats = VeldPlaats::Naam;
  GetalBereik verlaten = {};             // range and pattern when the user leaves the field
  GetalBereik overname = {};             // range and pattern of the input check
  std::optional<double> standaard = {};  // after Reset; none: the empty field validated
  std::string_view standaardPatroon = {};
  std::optional<std::size_t> bestandPlek = {};  // offset of its double in the worksheet file
  std::string_view bestandPatroon = {};         // how a value read from a file is shown
  std::string_view batchKolom = {};             // its column in a batch table, empty for none
  RapportPlaats rapport = {};
  std::string_view help = {};
};

const VeldInfo& Veld(int k);

// A caption without its unit: "zichthoek (graden)" -> "zichthoek".
std::string_view ZonderEenheid(std::string_view bijschrift);
// The field named for a reader, with its period or speed and its unit:
// "Qlicht dag (mvt/h)", "Qlicht v (km/h)", "waarneemhoogte (m)", "weg".
std::string VeldLabel(int k);

// The number fields in the order the input check takes them over: per
// period the six intensities, the six speeds, the geometry in the order of
// its rules, then any other number field.
const std::vector<int>& OvernameVolgorde();

// Help texts of the other controls of the worksheet.
extern const std::string_view kHelpOntbreekt;   // before any control had focus
extern const std::string_view kHelpGeenInfo;    // remark lines, tram button
extern const std::string_view kHelpZone;        // 30 km zone switch
extern const std::string_view kHelpAftrek;      // deduction switch
extern const std::string_view kHelpBerekening;  // calculation button
extern const std::string_view kHelpWegdek;      // road-surface list
std::string_view HelpTekstVeld(int k);          // any index; outside the table the "no information" text

// The public site whose road-surface types fill the head of the catalogue.
extern const std::string_view kWegdekSiteNaam;
extern const std::string_view kWegdekSiteAdres;

}  // namespace tarvo
