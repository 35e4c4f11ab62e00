#pragma once
// "Bijlage invoergegevens en rekenresultaten": every input, term and result
// of one or more worksheets at their heights, one line each.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Wegdek.h"
#include "tools/Hoogten.h"

namespace tarvo {

inline constexpr std::string_view kBijlageTitel = "Bijlage invoergegevens en rekenresultaten";

// A worksheet at one height, with the name it goes by, and where a caller
// tested it against the limits: the situation tested and the outcome in
// words (left empty when not given).
struct BijlageRegel {
  std::string rekenblad;
  HoogteResultaat hoogte;
  std::string situatie = {};
  std::string uitkomst = {};
};

// A column: its name, as a program reads it, and its label with the unit,
// as a person reads it ("qlv_dag", "Qlicht dag (mvt/h)").
struct BijlageKolom {
  std::string naam, label;
};

// The columns every line shares: the worksheet's input, the road surface,
// the switches in words, every term of the catalogue, the levels after the
// deduction, a distance per limit headed by the limit as given, and, with
// `metToetsing`, the situation and the outcome of a test. It makes each
// line's cells on its own, so an annex of any length is written a line at
// a time. The catalogue must outlive it.
class Bijlage {
 public:
  Bijlage(const std::vector<double>& grenzen, const Catalogus& catalogus, char decimaal, bool metToetsing = false);

  const std::vector<BijlageKolom>& Kolommen() const { return kolommen_; }
  std::vector<std::string> Cellen(const BijlageRegel& regel) const;

 private:
  std::vector<BijlageKolom> kolommen_;
  std::vector<std::function<std::string(const BijlageRegel&)>> cellen_;
};

// The annex held whole, for the window and the paper: the columns, and per
// line the texts of its cells. The test's columns stand in it when a line
// gives a situation or an outcome.
struct BijlageTabel {
  std::vector<BijlageKolom> kolommen;
  std::vector<std::vector<std::string>> regels;
};
BijlageTabel MaakBijlage(const std::vector<BijlageRegel>& regels, const std::vector<double>& grenzen,
                         const Catalogus& catalogus, char decimaal);

// On paper the annex stands transposed, a column per line of the table:
// each column's heading ("hoogte 4,50 m", behind the worksheet's name when
// the annex holds more than one), and the worksheets' names in their order.
std::vector<std::string> BijlageKoppen(const BijlageTabel& tabel);
std::string BijlageRekenbladen(const BijlageTabel& tabel);

// The CSV form, ';'-separated, each line ended by `regeleinde`: two header
// lines, the names and the labels, then a line per BijlageCsvRegel.
std::string BijlageCsvKop(const std::vector<BijlageKolom>& kolommen, std::string_view regeleinde);
std::string BijlageCsvRegel(const std::vector<std::string>& cellen, std::string_view regeleinde);
std::string BijlageCsv(const BijlageTabel& tabel, std::string_view regeleinde);

}  // namespace tarvo
