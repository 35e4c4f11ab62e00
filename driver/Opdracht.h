#pragma once
// What a user does in the window, walked without one: load the catalogue,
// Reset, open a worksheet file, check and calculate. tarvo-reken and the
// window program's --pdf export share it.
#include <filesystem>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Controle.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Resultaatteksten.h"
#include "files/DataMappen.h"

namespace tarvo {

struct OpdrachtInstellingen {
  std::filesystem::path werkblad;
  std::filesystem::path wegdekken = std::string(kCatalogusBestand);
  char decimaal = '.';
  Datum vandaag;
};

// A worksheet file opened as a user opens it in the window: the catalogue
// loaded, the file read, the texts its fields show.
struct GeopendWerkblad {
  Catalogus catalogus;
  Werkblad werkblad;
  char decimaal = '.';
};

// Every failure below is one Dutch line for standard error.

// The catalogue of the settings, with its list texts.
Uitkomst<Catalogus> LaadCatalogus(const OpdrachtInstellingen& inst);

// Reads a worksheet file with a loaded catalogue: the texts its fields show.
Uitkomst<GeopendWerkblad> LeesWerkblad(const std::filesystem::path& pad, const Catalogus& catalogus, char decimaal);

// The stored values the check takes at a bound, as lines for standard error
// ("qlv_dag 33426636,80 uit het bestand begrensd tot 99999"): a damaged
// file is computed as the check says, but never unseen. Nothing when the
// worksheet is refused anyway.
std::vector<std::string> BegrensdUitBestand(const std::vector<Begrenzing>& begrensd, char decimaal);
std::vector<std::string> BegrensdBijLezen(const GeopendWerkblad& geopend, Datum vandaag);

// LaadCatalogus, then LeesWerkblad of inst.werkblad.
Uitkomst<GeopendWerkblad> OpenWerkblad(const OpdrachtInstellingen& inst);

// The input check and the calculation of an opened worksheet.
Uitkomst<Berekend> RekenGeopend(const GeopendWerkblad& geopend, Datum vandaag);

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

// Whether a command may write `uit`: never one of its inputs (also through
// a link or a hard link), never a file named as a worksheet or a catalogue,
// neither by the name given nor by the file at the end of its links.
// `wat` names the output in the sentence: "de tabel", "het PDF-bestand".
Uitkomst<void> UitvoerVrij(const std::filesystem::path& uit, std::initializer_list<std::filesystem::path> invoer,
                           std::string_view wat);

// Flushes the output; fails with one Dutch line, and the system's reason
// when it tells one, when anything written did not arrive.
Uitkomst<void> UitvoerGeschreven(std::ostream& uit);

// "JJJJ-MM-DD" as a date, or nothing.
std::optional<Datum> LeesDatum(std::string_view tekst);
Datum Vandaag();

// The decimal separator of the user's locale (',' or '.'), '.' when unknown.
char SysteemDecimaal();

}  // namespace tarvo
