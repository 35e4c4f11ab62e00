#pragma once
// The check and the calculation of one worksheet: the one step every command
// that computes a worksheet takes (F9, the diagram, the heights, the batch,
// tarvo-reken and the page), so that each refuses and computes alike.
#include <optional>
#include <string>

#include "calc/Controle.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

struct Rekening {
  Controle controle;
  // Set once the check passed and the road surface is in the catalogue, also
  // when a level came out infinite: the derived fields still show its totals.
  std::optional<Resultaten> resultaten;
  // Why a passed check computed nothing usable: a road surface outside the
  // catalogue, or an infinite level. Empty otherwise.
  std::string fout;

  bool Gelukt() const { return controle && fout.empty(); }
  // The refusal as one line: the check's, or the calculation's.
  std::string Weigering() const;
};

// The texts of a batch row, into `r` anew; no display is worked out. One
// Rekening handed in row after row keeps its storage.
void Reken(const WerkbladTeksten& teksten, const Catalogus& catalogus, Datum vandaag, Rekening& r);

// A worksheet as the user filled it in, with what the fields show after the
// check in `decimaal`.
Rekening Reken(const Werkblad& werkblad, const Catalogus& catalogus, Datum vandaag, char decimaal);

}  // namespace tarvo
