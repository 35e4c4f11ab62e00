#pragma once
// Every result term of one calculation, once: the name the annex's columns
// and the test tables give it, the symbol a reader sees, a description and
// unit for readers, its pattern, and where Resultaten holds it. A term per
// period stands in three columns, naam_dag, naam_avond and naam_nacht.
#include <array>
#include <string_view>

#include "calc/Werkblad.h"

namespace tarvo {

struct Term {
  std::string_view naam;          // "ElvWeg", "LAeq_etm", "Cwegdek_lv"
  std::string_view symbool;       // "Elv,weg", "LAeq,etm", "Cwegdek,lv"
  std::string_view omschrijving;  // "emissie lichte mvt. met wegdekcorrectie"
  std::string_view eenheid;       // "dB(A)"
  std::string_view patroon = "##0.00";
  PerPeriode Resultaten::*reeks = nullptr;       // a term per period
  double (*enkel)(const Resultaten&) = nullptr;  // a term with one value

  bool Periodiek() const { return reeks != nullptr; }
  // The value in period p (1..3); a term with one value ignores p.
  double Waarde(const Resultaten& r, int p) const { return reeks ? (r.*reeks)[static_cast<std::size_t>(p)] : enkel(r); }
};

// In the order of the annex's columns: the slant distance, emission and
// corrections per period, the terms of the propagation, the levels per
// period, then the levels of the day and the deduction.
inline constexpr std::size_t kAantalTermen = 34;
extern const std::array<Term, kAantalTermen> kTermen;

}  // namespace tarvo
