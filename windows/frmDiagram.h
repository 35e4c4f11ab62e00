#pragma once
#include <QDialog>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"
#include "tools/Diagram.h"

namespace tarvo {

class Dialogen;
class Grafiek;

// The level-distance chart of the worksheet, modal, with a PNG export.
class frmDiagram : public QDialog {
  Q_OBJECT

 public:
  frmDiagram(DiagramGegevens gegevens, Dialogen& dialogen, QWidget* ouder);

  const DiagramGegevens& Gegevens() const { return gegevens_; }
  const Grafiek& grafiek() const { return *grafiek_; }
  void OpslaanAlsPng();

 private:
  DiagramGegevens gegevens_;
  Dialogen& dialogen_;
  Grafiek* grafiek_;
};

// The command behind the main window's "horizontale afstand (m)" caption:
// asks the largest distance, checks the worksheet, computes and shows the chart.
void Diagram(QWidget* ouder, Dialogen& dialogen, Werkblad& ws, WerkbladVenster& venster, const Catalogus& cat);

}  // namespace tarvo
