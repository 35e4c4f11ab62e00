#pragma once
#include <QDialog>
#include <functional>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/NiveauAfstand.h"

class QDoubleSpinBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;
class QStatusBar;

namespace tarvo {

class Dialogen;
class Grafiek;

// The level-distance chart of the worksheet, modal: the worksheet's own
// distance marked, a target level with the distance where the road meets
// it, the level under the mouse pointer, a linear or logarithmic distance
// axis, and the rows as PNG or CSV.
class DiagramVenster : public QDialog {
  Q_OBJECT

 public:
  // `lijn` computes the checked worksheet at other distances and words what it finds.
  DiagramVenster(DiagramGegevens gegevens, NiveauLijn lijn, Dialogen& dialogen, QWidget* ouder);

  const DiagramGegevens& Gegevens() const { return gegevens_; }
  const Grafiek& grafiek() const { return *grafiek_; }
  QDoubleSpinBox* doelveld() const { return doelveld_; }
  QRadioButton* lineair() const { return lineair_; }
  QRadioButton* logaritmisch() const { return logaritmisch_; }
  QLabel* doelTekst() const { return doelTekst_; }
  QLabel* rekenpuntTekst() const { return rekenpuntTekst_; }
  QLabel* muisTekst() const { return muisTekst_; }
  QStatusBar* statusBalk() const { return statusBalk_; }
  // The distance for the current target, as the target line shows it.
  const DoelAntwoord& Snijpunt() const { return snijpunt_; }

  void BewaarAlsPng();
  void BewaarAlsCsv();

 private:
  void MaakGrafiek();
  QHBoxLayout* MaakInstellingen();
  void ToonRekenpunt();
  QHBoxLayout* MaakKnoppen();
  void ToonDoel(double doel);
  void ToonMuis(double x);
  void VerbergMuis();
  double MaxAfstand() const;  // the chart's last distance

  DiagramGegevens gegevens_;
  NiveauLijn lijn_;
  Dialogen& dialogen_;
  Grafiek* grafiek_ = nullptr;
  QDoubleSpinBox* doelveld_ = nullptr;
  QRadioButton* lineair_ = nullptr;
  QRadioButton* logaritmisch_ = nullptr;
  QLabel* doelTekst_ = nullptr;
  QLabel* rekenpuntTekst_ = nullptr;
  QLabel* muisTekst_ = nullptr;
  QStatusBar* statusBalk_ = nullptr;  // what the last save wrote
  DoelAntwoord snijpunt_;
};

// The command behind the main window's caption of the horizontal distance:
// asks the largest distance, checks the worksheet and shows the chart. The
// check runs on `werkblad`; `toonRekening` shows what it found on the
// fields it came from.
void ToonDiagram(QWidget* ouder, Dialogen& dialogen, const Werkblad& werkblad, const Catalogus& catalogus,
                 char decimaal, const std::function<void(const Rekening&)>& toonRekening);

}  // namespace tarvo
