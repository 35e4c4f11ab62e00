#pragma once
// The worksheet report: eleven text blocks (AfdrukRegels), the column
// formatter and the environmental quality rating.
#include <string>
#include <string_view>
#include <vector>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"

namespace tarvo {

// value right-aligned in at least `breedte` characters; never cut. Widens
// `breedte` to the text's length when the text is longer.
std::string FormatKolom(double waarde, int& breedte, std::string_view patroon, char decimaal);

// "Zeer slecht" ... "Goed" for Lden minus the deduction.
std::string_view Milieukwaliteit(double lden, int aftrek110g);

// Rebuilds ws.AfdrukRegels from the current worksheet state.
void AfdrukBestand(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus);

// Blocks 0..10 joined: the preview text.
std::string RapportTekst(const Werkblad& ws);

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

// Block 3, lines 2..23: intensities to the DL/b lines, and the tram line
// only when some period has trams.
std::vector<RapportRegel> InvoerRegels(const Werkblad& ws, const Catalogus& catalogus);

// Block 5, lines 2..15, the empty line after the viewing-angle correction
// included. zone30: chkZone is on (marks the Coptrek line).
std::vector<RapportRegel> ResultaatRegels(const Werkblad& ws, bool zone30);

// Block 6, lines 2..5: Letmaal, Lden, Lnight after the deduction, and the rating.
std::vector<RapportRegel> EindRegels(const Werkblad& ws);

}  // namespace tarvo
