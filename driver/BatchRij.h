#pragma once
// One row of the batch table: its values typed into the worksheet's fields
// as the header places them, the window's check and calculation, one
// result row out.
#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/PlainBediening.h"
#include "calc/Reken.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"

namespace tarvo {

inline constexpr std::string_view kBatchKop =
    "waarneempunt;weg;LAeq_dag;LAeq_avond;LAeq_nacht;Letmaal;Lden;Lnight;aftrek110g;Lden_na_aftrek;"
    "milieukwaliteit;melding";

// The column targets of the header line (a field index, or a switch), or
// why the header is refused: an unknown or repeated column, a quote never closed.
Uitkomst<std::vector<int>> LeesKop(std::string_view regel);

// Everything rows have in common: the catalogue, the header's targets and
// the fields' texts after a Reset. Read-only while rows are computed.
struct BatchOpzet {
  Catalogus catalogus;
  std::vector<int> doelen;
  std::array<std::string, 40> standaard;
  // The checked numbers of those texts, worked out once; nothing for a
  // field that is no number field.
  std::array<std::optional<double>, 40> standaardGetal;
  char decimaal = '.';
  Datum vandaag;
  std::vector<int> getalVelden = {};  // the number fields from 2 on, in the check's order
};

// The set-up for rows under a header with these targets; `reset` holds the
// fields as a Reset left them.
BatchOpzet MaakBatchOpzet(const Catalogus& catalogus, std::vector<int> doelen, const PlainWerkbladVenster& reset,
                          char decimaal, Datum vandaag);

// Computes rows one after another; one per thread, each with its own worksheet.
class RijRekenaar {
 public:
  explicit RijRekenaar(const BatchOpzet& opzet) : opzet_(opzet) {}

  // Appends the result row of line `nummer` (`teLang`: the line was longer
  // than allowed and not kept) to `uit`; true when the row was refused.
  bool Reken(std::string_view regel, bool teLang, std::size_t nummer, std::string& uit);

 private:
  void Splits(std::string_view regel);
  std::string Typ();
  std::string Check();

  const BatchOpzet& opzet_;
  Werkblad ws_;
  // This row's field texts: views into the line, the unquoted texts or the Reset's.
  std::array<std::string_view, 40> tekst_{};
  std::bitset<40> getypt_;  // the fields whose text is not the Reset's
  std::vector<std::string_view> waarden_;
  std::string ontdaan_;  // the texts of quoted values
  bool aanhalingOpen_ = false;
  int zone_ = 0, aftrek_ = 0, wegdek_ = 1, rail_ = 0;
};

}  // namespace tarvo
