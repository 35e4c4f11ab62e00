#pragma once
// The 40 input fields of the worksheet as one table: every routine that
// needs a field's caption, tag, key class, range, pattern, default or help
// text reads it here.
#include <cstdint>
#include <optional>
#include <string_view>

#include "calc/VeldGetal.h"

namespace tarvo {

inline constexpr int kAantalVelden = 40;
inline constexpr std::string_view kNumeriek = "NUMERIC;";

enum class ToetsKlasse { Alles, Cijfers, Getal, Vergrendeld };

struct VeldInfo {
  int index;
  std::string_view bijschrift;  // caption of its row (or the field itself)
  std::string_view kolom;       // "dag", "avond", "nacht", "v (km/h)" or empty
  std::string_view tag;         // validation kind
  ToetsKlasse toetsen;
  bool verlatenControle;        // ValiDate when the field is left
  std::int32_t maximum, minimum;  // range when the field is left
  std::string_view patroon;     // pattern when the field is left
  GetalBereik overname;         // range and pattern of the input check (numeric fields)
  std::optional<double> standaard;  // default after Reset; none: the emptied field validated
  std::string_view standaardPatroon;
  std::string_view help;
};

const VeldInfo& Veld(int k);

// Categories in the order of the rows: lv, mv, zv, mr, bromf, tram.
inline constexpr int kAantalCategorieen = 6;
constexpr int IntensiteitVeld(int categorie, int periode) { return 4 * categorie + 1 + periode; }
constexpr int SnelheidVeld(int categorie) { return 4 * categorie + 5; }
inline constexpr int kSnelheidVelden[kAantalCategorieen] = {5, 9, 13, 17, 21, 25};

// Help texts of the other controls of the worksheet.
extern const std::string_view kHelpOntbreekt;      // before any control had focus
extern const std::string_view kHelpGeenInfo;       // remark lines, cmdTram
extern const std::string_view kHelpZone;           // chkZone
extern const std::string_view kHelpAftrek;         // chkAftrek
extern const std::string_view kHelpBerekening;     // Command1
extern const std::string_view kHelpWegdek;         // Combo1
std::string_view HelpTekstVeld(int k);             // any index; above 39 the "no information" text

// The public site whose road-surface types fill the first sixteen entries.
extern const std::string_view kWegdekSiteNaam;
extern const std::string_view kWegdekSiteAdres;

}  // namespace tarvo
