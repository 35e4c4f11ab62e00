#pragma once
// The worksheet report: nine text blocks (AfdrukRegels), the column
// formatter and the environmental quality rating.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

// value right-aligned in at least `breedte` characters; never cut. Widens
// `breedte` to the text's length when the text is longer.
std::string KolomTekst(double waarde, int& breedte, std::string_view patroon, char decimaal);

// "Zeer slecht" ... "Goed" for Lden minus the deduction.
std::string_view Milieukwaliteit(double lden, int aftrek110g);

// The report's parts, top to bottom: user name and title; observation point
// and road; "Invoergegevens"; the input lines; "Berekeningsresultaten"; the
// result lines; the final levels and the rating; "Toelichting"; the remarks.
// Every line ends in CR LF. The preview styles each part its own way.
inline constexpr std::size_t kRapportDelen = 9;
std::array<std::string, kRapportDelen> RapportDelen(const Invoer& in, const Resultaten& r, const Catalogus& catalogus,
                                                    char decimaal);

// The parts joined: the preview text.
std::string RapportTekst(const Invoer& in, const Resultaten& r, const Catalogus& catalogus, char decimaal);

// --- pieces shared with the printed page ---

inline constexpr std::string_view kRapportTitel = "REKENBLAD WEGVERKEERSLAWAAI STANDAARD-REKENMETHODE I (RMG 2012)";
inline constexpr std::string_view kWaarneempuntLabel = "Waarneempunt   : ";
inline constexpr std::string_view kWegLabel = "Weg            : ";
inline constexpr std::string_view kKopInvoer = "Invoergegevens";
inline constexpr std::string_view kKopResultaten = "Berekeningsresultaten";
inline constexpr std::string_view kKopToelichting = "Toelichting";
inline constexpr std::string_view kMilieukwaliteitLabel = "Milieukwaliteitsmaat         :     ";

// The user name line: all 40 characters, upper case.
std::string GebruikerRegel(const Catalogus& catalogus);

// One report line without its indent and line break. The text report puts
// two blanks in front (33 for a DL/b line); the printer sets the same body
// at its own column. An empty body is an empty line.
struct RapportRegel {
  std::string tekst;
  bool dlRegel = false;
};

// The input block: intensities to the DL/b lines, and the tram line only
// when some period has trams.
std::vector<RapportRegel> InvoerRegels(const Invoer& in, const Resultaten& r, const Catalogus& catalogus,
                                       char decimaal);

// The result block, the empty line after the viewing-angle correction
// included; the Coptrek line is marked in a 30 km zone.
std::vector<RapportRegel> ResultaatRegels(const Invoer& in, const Resultaten& r, char decimaal);

// Letmaal, Lden, Lnight after the deduction, and the rating.
std::vector<RapportRegel> EindRegels(const Resultaten& r, char decimaal);

}  // namespace tarvo
