#pragma once
// One row of the batch table: its values as the texts of the worksheet's
// fields the header names, the window's check and calculation, one result
// row out.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Controle.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Rekenen.h"

namespace tarvo {

inline constexpr std::string_view kBatchKop =
    "waarneempunt;weg;LAeq_dag;LAeq_avond;LAeq_nacht;Letmaal;Lden;Lnight;aftrek110g;Lden_na_aftrek;"
    "milieukwaliteit;melding";

// A line split at ';', with "..." quoting for texts that hold a ';': the
// values go into `waarden` as views into the line or into `ontdaan`, which
// must not change while they are in use. True when a quote is never closed.
bool SplitsRegel(std::string_view regel, std::vector<std::string_view>& waarden, std::string& ontdaan);

// The column targets of the header line (a field index, or a switch), or
// why the header is refused: an unknown or repeated column, a quote never
// closed. Columns named in `eigen` (lower case) belong to the caller: their
// target is kEigenKolom + their place in `eigen`, and a row leaves them alone.
inline constexpr int kEigenKolom = 2000;
Uitkomst<std::vector<int>> LeesKop(std::string_view regel, const std::vector<std::string_view>& eigen = {});

// Everything rows have in common: the catalogue, the header's targets and
// the worksheet as a Reset leaves it. Read-only while rows are computed.
struct BatchInstellingen {
  Catalogus catalogus;
  std::vector<int> doelen;
  Werkblad standaard;
  char decimaal = '.';
  Datum vandaag;
  bool etmaalKolommen = false;  // the header names daily totals
};

// Whether a header's targets include daily totals.
bool HeeftEtmaalKolommen(const std::vector<int>& doelen);

// Computes rows one after another; one per thread.
class RijRekenaar {
 public:
  explicit RijRekenaar(const BatchInstellingen& opzet) : opzet_(opzet) {}

  // Appends the result row of line `nummer` (`teLang`: the line was longer
  // than allowed and not kept) to `uit`; true when the row was refused.
  bool Reken(std::string_view regel, bool teLang, std::size_t nummer, std::string& uit);

  // The row as the batch reads and checks it, without its results: the
  // worksheet's texts (daily totals turned into intensities), the values of
  // the caller's own columns, and what the batch's melding says of it. The
  // refusal, or nothing.
  struct Rij {
    Werkblad werkblad;
    std::vector<std::string> eigen;
    std::string opmerking;
  };
  std::string Lees(std::string_view regel, bool teLang, std::size_t nummer, Rij& rij);

 private:
  // The row read, typed, turned and checked and computed: the refusal, or nothing.
  std::string Verwerk(std::string_view regel, bool teLang, std::size_t nummer, bool& omgerekend);
  void ZetOpmerking(bool omgerekend);
  std::string Typ();
  // The check and the calculation; the refusal, or nothing. The fields it
  // clamped go into begrensd_ as "vlv 500 begrensd tot 160".
  std::string ControleerEnBereken();
  std::string Omgerekend(bool& omgerekend);

  const BatchInstellingen& opzet_;
  const WerkbladTeksten standaard_{opzet_.standaard};  // the Reset's texts, taken apart once
  // This row's worksheet: views into the line, the unquoted texts or the Reset's.
  WerkbladTeksten teksten_;
  Rekening rekening_;
  std::string begrensd_;                              // the row's clamped fields, for its melding
  std::vector<std::string_view> waarden_;             // views into the line or ontdaan_
  std::string ontdaan_;                               // the texts of quoted values
  std::vector<std::pair<int, std::string>> omgezet_;  // intensity texts worked out from daily totals
};

}  // namespace tarvo
