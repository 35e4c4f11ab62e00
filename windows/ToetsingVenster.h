#pragma once
// The worksheet tested against the limits of the Wet geluidhinder at several
// observation heights, with the distances at which it meets them, and the
// annex of every input and result as CSV or on paper.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "tools/Bijlage.h"
#include "tools/Hoogten.h"
#include "tools/Toetsing.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tarvo {

class Dialogen;

// What the user chose, kept by the main window while the program runs.
struct ToetsingKeuze {
  std::optional<std::string> hoogten;  // as typed; none: the worksheet's own height
  std::size_t situatie = 0;            // into kSituaties; its size for a maximum of the user's own
  int eigenMaximum = 63;
  std::string grenzen;  // extra limits for the contours, as typed
};

class ToetsingVenster : public QDialog {
  Q_OBJECT

 public:
  // The worksheet's texts are checked here; `naam` names it in the annex.
  // Every choice is read from `keuze` and written back to it.
  ToetsingVenster(const Werkblad& werkblad, std::string naam, const Catalogus& catalogus, char decimaal, Datum vandaag,
                  ToetsingKeuze& keuze, Dialogen& dialogen, QWidget* ouder);

  QLineEdit* hoogtenVeld() const { return hoogtenVeld_; }
  QComboBox* situatieLijst() const { return situatieLijst_; }
  QSpinBox* maximumVeld() const { return maximumVeld_; }
  QLineEdit* grenzenVeld() const { return grenzenVeld_; }
  QTableWidget* tabel() const { return tabel_; }
  QLabel* melding() const { return melding_; }  // why nothing was computed
  QPushButton* csvKnop() const { return csvKnop_; }
  QPushButton* afdrukKnop() const { return afdrukKnop_; }

  // The annex of the heights the table shows.
  BijlageTabel Bijlage() const;

  // The check, the heights and the limits, then the table; a refusal leaves
  // the table empty and says why.
  void Bereken();
  void BewaarAlsCsv();
  void DrukAf();

 private:
  void MaakKeuzes();
  void MaakTabel();
  Maximum GekozenMaximum() const;
  void ToonTabel(const Maximum& maximum);

  Werkblad werkblad_;
  std::string naam_;
  const Catalogus& catalogus_;
  char decimaal_;
  Datum vandaag_;
  ToetsingKeuze& keuze_;
  Dialogen& dialogen_;
  std::vector<HoogteResultaat> hoogten_;
  std::vector<double> grenzen_;

  QLineEdit* hoogtenVeld_ = nullptr;
  QComboBox* situatieLijst_ = nullptr;
  QSpinBox* maximumVeld_ = nullptr;
  QLineEdit* grenzenVeld_ = nullptr;
  QTableWidget* tabel_ = nullptr;
  QLabel* melding_ = nullptr;
  QPushButton* csvKnop_ = nullptr;
  QPushButton* afdrukKnop_ = nullptr;
};

}  // namespace tarvo
