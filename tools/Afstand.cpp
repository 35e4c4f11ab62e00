#include "tools/Afstand.h"

#include "base/Getal.h"
#include "calc/Bereken.h"

namespace tarvo {

std::optional<double> LeesDoelNiveau(std::string_view tekst) {
  if (!IsGetal(tekst)) return std::nullopt;
  const double doel = LeesGetal(tekst);
  if (!(doel >= kDoelMin && doel <= kDoelMax)) return std::nullopt;
  return doel;
}

AfstandRekenaar::AfstandRekenaar(const Invoer& in, const Catalogus& catalogus, Datum vandaag)
    : in_(in), catalogus_(catalogus), vandaag_(vandaag), eigenAfstand_(in.AfstandHor()) {}

NiveauOpAfstand AfstandRekenaar::Op(double afstandHor) {
  in_.getal[veld::kAfstandHor] = afstandHor;
  const Resultaten r = Bereken(in_, catalogus_, vandaag_);
  return {afstandHor, r.Lden, r.Aftrek110g, EindNiveau(r.Lden, r.Aftrek110g)};
}

// The quotient of two whole numbers is the double nearest to the decimal
// distance, the same double the input check reads from the typed text.
NiveauOpAfstand AfstandRekenaar::OpRaster(int stap) { return Op(static_cast<double>(stap) / kAfstandRasterPerMeter); }

DoelAfstand AfstandRekenaar::Zoek(double doel) {
  return Zoek([doel](const NiveauOpAfstand& p) { return p.niveau <= doel; });
}

DoelAfstand AfstandRekenaar::Zoek(const std::function<bool(const NiveauOpAfstand&)>& onder) {
  // Lden falls with the distance, but the deduction may change with Lden
  // rounded to whole decibels, and the level after it may then rise again.
  // Within one such decibel the deduction is fixed and the level falls, so
  // the grid is walked decibel by decibel, each by bisection.
  int begin = kAfstandRasterVan;
  NiveauOpAfstand eerste = OpRaster(begin);
  if (onder(eerste)) return {true, eerste};
  for (;;) {
    const double afgerond = AfgerondeLden(eerste.lden);
    int eind = kAfstandRasterTot;
    NiveauOpAfstand laatste = OpRaster(eind);
    if (AfgerondeLden(laatste.lden) != afgerond) {
      int binnen = begin, buiten = eind;
      while (buiten - binnen > 1) {
        const int midden = binnen + (buiten - binnen) / 2;
        (AfgerondeLden(OpRaster(midden).lden) == afgerond ? binnen : buiten) = midden;
      }
      eind = binnen;
      laatste = OpRaster(eind);
    }
    if (onder(laatste)) {
      int boven = begin, erOnder = eind;  // the level at `boven` is above the target
      while (erOnder - boven > 1) {
        const int midden = boven + (erOnder - boven) / 2;
        (onder(OpRaster(midden)) ? erOnder : boven) = midden;
      }
      return {true, OpRaster(erOnder)};
    }
    if (eind == kAfstandRasterTot) return {false, laatste};
    begin = eind + 1;
    eerste = OpRaster(begin);
    if (onder(eerste)) return {true, eerste};
  }
}

}  // namespace tarvo
