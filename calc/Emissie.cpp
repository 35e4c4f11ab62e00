#include "calc/Emissie.h"

#include <cmath>
#include <cstdint>

#include "base/Getal.h"

namespace tarvo {

using namespace categorie;

double Qtotaal(const Invoer& in, int p) {
  return in.Intensiteit(kMv, p) + in.Intensiteit(kLv, p) + in.Intensiteit(kZv, p) + in.Intensiteit(kMr, p) +
         in.Intensiteit(kBromf, p) + in.Intensiteit(kTram, p);
}

double Vrachtaandeel(const Invoer& in, int p) {
  const double vracht = in.Intensiteit(kZv, p) + in.Intensiteit(kMv, p);
  // Divided first, then multiplied: the method's own order.
  return vracht > 0 ? vracht / Qtotaal(in, p) * 100 : 0;
}

void WegdekCorrectie(const Invoer& in, const Catalogus& catalogus, int c, Resultaten& r) {
  const Wegdek& w = catalogus.Op(in.wegdek);
  double dl = 0, b = 0, v = 0, vref = 0;
  switch (c) {
    case 1:
      dl = w.DL_lv, b = w.b_lv, v = in.Snelheid(kLv), vref = 80;
      break;
    case 2:
      dl = w.DL_mv, b = w.b_mv, v = in.Snelheid(kMv), vref = 70;
      break;
    case 3:
      dl = w.DL_zv, b = w.b_zv, v = in.Snelheid(kZv), vref = 70;
      break;
    default:
      return;
  }
  r.CwegdekCat[static_cast<std::size_t>(c)] = (std::log(v / vref) * b) / std::log(10.0) + dl;
}

void Emissie(const Invoer& in, const Catalogus& catalogus, int p, Resultaten& r) {
  const auto i = static_cast<std::size_t>(p);
  r.Qtotaal[i] = Qtotaal(in, p);
  r.Vrachtverkeer[i] = Vrachtaandeel(in, p);
  if (r.Qtotaal[i] == 0) return;

  const double qlv = in.Intensiteit(kLv, p), qmv = in.Intensiteit(kMv, p), qzv = in.Intensiteit(kZv, p);
  const double qmr = in.Intensiteit(kMr, p), qbromf = in.Intensiteit(kBromf, p), qtram = in.Intensiteit(kTram, p);
  const double vlv = in.Snelheid(kLv), vmv = in.Snelheid(kMv), vzv = in.Snelheid(kZv);
  const double vmr = in.Snelheid(kMr), vbromf = in.Snelheid(kBromf), vtram = in.Snelheid(kTram);

  // Energy sums are built in the result values, from the 0 a new calculation starts with.
  double somGetal = r.EmissieGetal[i];
  double somWeg = r.EmissieWeg[i];
  auto telOp = [&](double e, double eWeg) {
    somGetal += Energie(e);
    somWeg += Energie(eWeg);
  };
  auto doetMee = [](double q, double v) { return q > 0 && v > 0; };

  if (doetMee(qlv, vlv)) {
    WegdekCorrectie(in, catalogus, 1, r);
    r.Elv[i] = 29.8 * Lg(vlv / 80) + 70 + 10 * Lg(qlv / vlv);
    r.ElvWeg[i] = r.Elv[i] + r.CwegdekCat[1];
    telOp(r.Elv[i], r.ElvWeg[i]);
  }
  if (doetMee(qmv, vmv)) {
    WegdekCorrectie(in, catalogus, 2, r);
    r.Emv[i] = 19.0 * Lg(vmv / 70) + 73.2 + 10 * Lg(qmv / vmv);
    r.EmvWeg[i] = r.Emv[i] + r.CwegdekCat[2];
    telOp(r.Emv[i], r.EmvWeg[i]);
  }
  if (doetMee(qzv, vzv)) {
    WegdekCorrectie(in, catalogus, 3, r);
    r.Ezv[i] = 17.9 * Lg(vzv / 70) + 76 + 10 * Lg(qzv / vzv);
    r.EzvWeg[i] = r.Ezv[i] + r.CwegdekCat[3];
    telOp(r.Ezv[i], r.EzvWeg[i]);
  }
  if (doetMee(qmr, vmr)) {
    r.Emr[i] = 29.0 * Lg(vmr) + 15 + 10 * Lg(qmr / vmr);
    telOp(r.Emr[i], r.Emr[i]);
  }
  if (doetMee(qbromf, vbromf)) {
    r.Ebromf[i] = 10 * Lg(qbromf / vbromf) + 68;
    telOp(r.Ebromf[i], r.Ebromf[i]);
  }
  if (doetMee(qtram, vtram)) {
    // A 16-bit constant, as the worksheet file stores the rail construction.
    const auto c = static_cast<std::int16_t>(25 + 6 * in.rail);
    r.Etram[i] = 30 * Lg(vtram) + c + 10 * Lg(qtram / vtram);
    telOp(r.Etram[i], r.Etram[i]);
  }

  // Only negative intensities (never past the input check) leave the sums
  // empty; the totals then stay 0 rather than become -infinity.
  r.EmissieGetal[i] = somGetal > 0 ? 10 * Lg(somGetal) : 0;
  r.EmissieWeg[i] = somWeg > 0 ? 10 * Lg(somWeg) : 0;
}

}  // namespace tarvo
