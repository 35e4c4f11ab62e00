#pragma once
#include <QDialog>

#include "tools/DosisEffect.h"

class QLabel;

namespace tarvo {

class Grafiek;

// The share of annoyed residents at the last calculation's Lden (before the
// art. 110g deduction), or a notice when Lden lies outside 45..75 dB.
class DosisEffectVenster : public QDialog {
  Q_OBJECT

 public:
  DosisEffectVenster(double lden, QWidget* ouder);

  bool ToontGrafiek() const { return binnenBand_; }
  const Gehinderden& Percentages() const { return perc_; }
  const Grafiek& grafiek() const { return *grafiek_; }
  QString Melding() const;

 private:
  void Bereken();
  void ToonGrafiek();

  double lden_;
  bool binnenBand_ = false;
  Gehinderden perc_;
  Grafiek* grafiek_;
  QLabel* melding_;  // the notice outside the band
};

}  // namespace tarvo
