#include "calc/Emissie.h"

#include <cmath>
#include <cstdint>

#include "base/Getal.h"

namespace tarvo {
void CwD(Werkblad& ws, const Catalogus& catalogus, int c, int p) {
  (void)p;  // one correction per category, whatever the period
  const Wegdek& w = catalogus.Op(ws.WegdekKeuze);
  double dl = 0, b = 0, v = 0, vref = 0;
  switch (c) {
    case 1: dl = w.DL_lv, b = w.b_lv, v = ws.Vlv, vref = 80; break;
    case 2: dl = w.DL_mv, b = w.b_mv, v = ws.Vmv, vref = 70; break;
    case 3: dl = w.DL_zv, b = w.b_zv, v = ws.Vzv, vref = 70; break;
    default: return;
  }
  ws.CwegdekCat[static_cast<std::size_t>(c)] = (std::log(v / vref) * b) / std::log(10.0) + dl;
}

void Emissie(Werkblad& ws, const Catalogus& catalogus, int p) {
  const auto i = static_cast<std::size_t>(p);
  ws.Qtotaal[i] = ws.Qmv[i] + ws.Qlv[i] + ws.Qzv[i] + ws.Qmr[i] + ws.Qbromf[i] + ws.Qtram[i];
  ws.Vrachtverkeer[i] = ws.Qzv[i] + ws.Qmv[i];
  if (ws.Vrachtverkeer[i] > 0) {
    ws.Vrachtverkeer[i] = ws.Vrachtverkeer[i] / ws.Qtotaal[i] * 100;
  } else {
    ws.Vrachtverkeer[i] = 0;
  }

  if (ws.Qtotaal[i] == 0) return;

  // Energy sums are built in the result values, from the 0 NulStelling left.
  double somGetal = ws.EmissieGetal[i];
  double somWeg = ws.EmissieWeg[i];
  auto telOp = [&](double e, double eWeg) {
    somGetal += Energie(e);
    somWeg += Energie(eWeg);
  };
  auto doetMee = [](double q, double v) { return q > 0 && v > 0; };

  if (doetMee(ws.Qlv[i], ws.Vlv)) {
    CwD(ws, catalogus, 1, p);
    ws.Elv[i] = 29.8 * Lg(ws.Vlv / 80) + 70 + 10 * Lg(ws.Qlv[i] / ws.Vlv);
    ws.ElvWeg[i] = ws.Elv[i] + ws.CwegdekCat[1];
    telOp(ws.Elv[i], ws.ElvWeg[i]);
  }
  if (doetMee(ws.Qmv[i], ws.Vmv)) {
    CwD(ws, catalogus, 2, p);
    ws.Emv[i] = 19.0 * Lg(ws.Vmv / 70) + 73.2 + 10 * Lg(ws.Qmv[i] / ws.Vmv);
    ws.EmvWeg[i] = ws.Emv[i] + ws.CwegdekCat[2];
    telOp(ws.Emv[i], ws.EmvWeg[i]);
  }
  if (doetMee(ws.Qzv[i], ws.Vzv)) {
    CwD(ws, catalogus, 3, p);
    ws.Ezv[i] = 17.9 * Lg(ws.Vzv / 70) + 76 + 10 * Lg(ws.Qzv[i] / ws.Vzv);
    ws.EzvWeg[i] = ws.Ezv[i] + ws.CwegdekCat[3];
    telOp(ws.Ezv[i], ws.EzvWeg[i]);
  }
  if (doetMee(ws.Qmr[i], ws.Vmr)) {
    ws.Emr[i] = 29.0 * Lg(ws.Vmr) + 15 + 10 * Lg(ws.Qmr[i] / ws.Vmr);
    telOp(ws.Emr[i], ws.Emr[i]);
  }
  if (doetMee(ws.Qbromf[i], ws.Vbromf)) {
    ws.Ebromf[i] = 10 * Lg(ws.Qbromf[i] / ws.Vbromf) + 68;
    telOp(ws.Ebromf[i], ws.Ebromf[i]);
  }
  if (doetMee(ws.Qtram[i], ws.Vtram)) {
    // A 16-bit constant, as the worksheet file stores RailConstructie.
    const auto c = static_cast<std::int16_t>(25 + 6 * ws.RailConstructie);
    ws.Etram[i] = 30 * Lg(ws.Vtram) + c + 10 * Lg(ws.Qtram[i] / ws.Vtram);
    telOp(ws.Etram[i], ws.Etram[i]);
  }

  // Only negative intensities (never past the input check) leave the sums
  // empty; the totals then stay 0 rather than become -infinity.
  ws.EmissieGetal[i] = somGetal > 0 ? 10 * Lg(somGetal) : 0;
  ws.EmissieWeg[i] = somWeg > 0 ? 10 * Lg(somWeg) : 0;
}

}  // namespace tarvo
