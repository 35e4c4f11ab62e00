#pragma once
#include <QDialog>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"
#include "tools/Afstand.h"
#include "tools/Diagram.h"

class QDoubleSpinBox;
class QLabel;
class QRadioButton;

namespace tarvo {

class Dialogen;
class Grafiek;

// The level-distance chart of the worksheet, modal: the worksheet's own
// distance marked, a target level with the distance where the road meets
// it, the level under the mouse pointer, a linear or logarithmic distance
// axis, and the rows as PNG or CSV.
class frmDiagram : public QDialog {
  Q_OBJECT

 public:
  // `rekenaar` computes the checked worksheet at other distances; numbers
  // are shown with `decimaal`.
  frmDiagram(DiagramGegevens gegevens, AfstandRekenaar rekenaar, char decimaal, Dialogen& dialogen, QWidget* ouder);

  const DiagramGegevens& Gegevens() const { return gegevens_; }
  const Grafiek& grafiek() const { return *grafiek_; }
  QDoubleSpinBox* Doelveld() const { return doel_; }
  QRadioButton* Logaritmisch() const { return log_; }
  QLabel* DoelTekst() const { return lblDoel_; }
  QLabel* RekenpuntTekst() const { return lblRekenpunt_; }
  QLabel* MuisTekst() const { return lblMuis_; }
  // The distance for the current target, as the target line shows it.
  const DoelAfstand& Snijpunt() const { return snijpunt_; }

  void OpslaanAlsPng();
  void OpslaanAlsCsv();

 private:
  void ToonDoel(double doel);
  void ToonMuis(double x);
  void VerbergMuis();
  QString Getal(double x, const char* patroon = "##0.00") const;

  DiagramGegevens gegevens_;
  AfstandRekenaar rekenaar_;
  char decimaal_;
  Dialogen& dialogen_;
  Grafiek* grafiek_;
  QDoubleSpinBox* doel_;
  QRadioButton* log_;
  QLabel* lblDoel_;
  QLabel* lblRekenpunt_;
  QLabel* lblMuis_;
  DoelAfstand snijpunt_;
};

// The command behind the main window's "horizontale afstand (m)" caption:
// asks the largest distance, checks the worksheet, computes and shows the chart.
void Diagram(QWidget* ouder, Dialogen& dialogen, Werkblad& ws, WerkbladVenster& venster, const Catalogus& cat);

}  // namespace tarvo
