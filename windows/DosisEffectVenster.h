#pragma once
#include <QDialog>

#include "driver/Rekenblad.h"

class QLabel;

namespace tarvo {

class Grafiek;

// The share of annoyed residents at the last calculation's Lden (before the
// art. 110g deduction), or a notice when Lden lies outside 45..75 dB.
class DosisEffectVenster : public QDialog {
  Q_OBJECT

 public:
  DosisEffectVenster(double lden, QWidget* ouder);

  bool ToontGrafiek() const { return antwoord_.binnenBand; }
  const Gehinderden& Percentages() const { return antwoord_.gehinderden; }
  const Grafiek& grafiek() const { return *grafiek_; }
  QString Melding() const;

 private:
  void ToonGrafiek();

  DosisEffectAntwoord antwoord_;
  Grafiek* grafiek_;
  QLabel* melding_;  // the notice outside the band
};

}  // namespace tarvo
