#pragma once
// A study (akoestisch onderzoek): several observation points, each with one
// or more roads, in one sheet in the batch's format; every road tested at
// the point's heights, and per point and height the roads cumulated. One
// call for tarvo-reken, the window and the page.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "tools/Cumulatie.h"
#include "tools/Hoogten.h"
#include "tools/Toetsing.h"

namespace tarvo {

// The columns a study sheet has beside the batch's.
inline constexpr std::string_view kKolomHoogten = "hoogten";
inline constexpr std::string_view kKolomSituatie = "situatie";
inline constexpr std::string_view kKolomGrenswaarde = "grenswaarde";

// One road at one point: a line of the sheet.
struct OnderzoekWeg {
  std::size_t regel = 0;  // line in the sheet, the header being line 1
  std::string naam;       // as typed
  Werkblad werkblad;      // the row as the batch types it, daily totals turned into intensities
  std::string weigering;  // why the row is refused; empty: computed
  std::string opmerking;  // what the batch says of a computed row: daily totals turned, values clamped
};

struct OnderzoekPunt {
  std::string naam;
  std::string hoogten;      // as typed: "1,5 4,5 7,5" or "1,5;4,5"; empty: each road's own height
  std::string situatie;     // a situation of kSituaties by name; empty: none
  std::string grenswaarde;  // a maximum of one's own; empty: none
  std::vector<OnderzoekWeg> wegen;
};

struct OnderzoekBlad {
  std::vector<OnderzoekPunt> punten;
  std::size_t rijen = 0;  // road lines read
};

// The sheet's text read as the batch reads its rows (the columns
// waarneempunt and weg required), grouped into points in the order they
// first come. A row refused is kept with its reason, as the batch names it;
// so is the same road twice at a point, naming both lines, and a point's
// own column that another of its lines gives otherwise. Refused as a whole:
// a sheet without a header, or with a header the batch refuses.
Uitkomst<OnderzoekBlad> LeesOnderzoek(std::string_view tekst, const Catalogus& catalogus, char decimaal, Datum vandaag);

// One road at one height.
struct WegUitkomst {
  const OnderzoekWeg* weg = nullptr;
  std::optional<HoogteResultaat> resultaat;  // none: refused (the road's, or the point's, reason)
  std::string toetsing;                      // the outcome in words; empty without a situation or maximum
  std::string melding;
};

struct HoogteUitkomst {
  double hoogte = 0;
  std::vector<WegUitkomst> wegen;
  // The energetic sum of the roads' Lden and Lnight without the deduction;
  // none while a road of the point is refused, and this says which.
  std::optional<CumulatieTotaal> cumulatief;
  std::string onvolledig;
};

struct PuntUitkomst {
  const OnderzoekPunt* punt = nullptr;
  std::optional<Maximum> maximum;
  std::string weigering;               // the point's own columns refused: every road is
  std::vector<WegUitkomst> geweigerd;  // roads not computed, each once: they have no height to stand at
  std::vector<HoogteUitkomst> hoogten;
};

// The point's maximum as tables and the annex name it, "58 dB (art. 83 lid 1
// Wgh)"; empty for a point not tested.
std::string MaximumTekst(const PuntUitkomst& p);

struct OnderzoekUitkomst {
  std::vector<PuntUitkomst> punten;
  std::size_t geweigerd = 0;              // road lines not computed
  std::vector<std::size_t> eersteRegels;  // the first of them, for a summary
};

// Every road of every point at the heights asked (`hoogten`: a list as
// tarvo-reken --hoogten takes it; none: each point's own), with a distance
// per limit of `grenzen`.
OnderzoekUitkomst RekenOnderzoek(const OnderzoekBlad& blad, const std::optional<std::string>& hoogten,
                                 const std::vector<double>& grenzen, const Catalogus& catalogus, Datum vandaag,
                                 char decimaal);

// The result as a ';'-separated table with a header: per point, height and
// road a line, then the point's cumulation at that height; a distance
// column per limit, headed by the limit as it was given.
std::string OnderzoekCsv(const OnderzoekUitkomst& uitkomst, const std::vector<std::string>& grenzen, char decimaal,
                         std::string_view regeleinde);

}  // namespace tarvo
