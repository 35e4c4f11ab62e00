#pragma once
// What a user does in the window, walked without one: load the catalogue,
// Reset, open a worksheet file, check and calculate. tarvo-reken and the
// window program's --pdf export share it.
#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <vector>
#include <string>
#include <string_view>

#include "base/Uitkomst.h"
#include "calc/PlainBediening.h"
#include "driver/Rekenblad.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"
#include "files/DataMappen.h"

namespace tarvo {

struct OpdrachtInstellingen {
  std::filesystem::path werkblad;
  std::filesystem::path wegdekken = std::string(kCatalogusBestand);
  char decimaal = '.';
  Datum vandaag;
};

// One worksheet with plain controls.
struct Berekening {
  Werkblad ws;
  PlainWerkbladVenster venster;
  Catalogus catalogus;
  PlainMeldingen meldingen;
  ResultaatTeksten labels;
};

// Every failure below is one Dutch line for standard error.

// Loads the catalogue into b and resets the worksheet.
Uitkomst<void> LaadEnReset(const OpdrachtInstellingen& inst, Berekening& b);

// Resets the worksheet of b, whose catalogue is loaded, and reads the file into it.
Uitkomst<void> LeesWerkblad(const std::filesystem::path& pad, Berekening& b);

// LaadEnReset, then LeesWerkblad.
Uitkomst<void> OpenWerkblad(const OpdrachtInstellingen& inst, Berekening& b);

// "Veld 2 (Qlicht (mvt/h) / dag) bevat geen getal: '12a'."
std::string GeenGetalRegel(int veld, std::string_view tekst);

// The input check's refusal as one Dutch line.
std::string CheckMelding(const Berekening& b, int nietGetalVeld);

// CheckIt and Reken of an opened worksheet.
Uitkomst<void> RekenGeopend(Berekening& b, Datum vandaag);

// OpenWerkblad, CheckIt and Reken.
Uitkomst<void> RekenWerkblad(const OpdrachtInstellingen& inst, Berekening& b);

// The command line of tarvo-reken and of tarvo --pdf: the shared options
// (--wegdekken, --decimaal, --datum, --help) into inst, the program's own
// options into eigen (those in metWaarde take the next argument), the rest
// into losse. Without --wegdekken the catalogue is StandaardCatalogus of
// mappen. Fails on wrong usage.
struct Opties {
  OpdrachtInstellingen inst;
  bool wegdekkenGegeven = false;  // --wegdekken named the catalogue
  std::map<std::string, std::string> eigen;
  std::vector<std::string> losse;
  bool help = false;
};
Uitkomst<Opties> LeesOpties(const std::vector<std::string>& args, const std::set<std::string>& metWaarde,
                            const std::set<std::string>& vlaggen, const DataMappen& mappen);

// The help lines of --wegdekken, with the places looked at in their order.
std::string WegdekkenHulp(const DataMappen& mappen);

// Flushes the output; fails with one Dutch line, and the system's reason
// when it tells one, when anything written did not arrive.
Uitkomst<void> UitvoerGeschreven(std::ostream& uit);

// "JJJJ-MM-DD" as a date, or nothing.
std::optional<Datum> LeesDatum(std::string_view tekst);
Datum Vandaag();

// The decimal separator of the user's locale (',' or '.'), '.' when unknown.
char SysteemDecimaal();

}  // namespace tarvo
