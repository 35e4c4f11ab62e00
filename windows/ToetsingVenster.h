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
#include "driver/ToetsingOpdracht.h"
#include "tools/Bijlage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tarvo {

class Dialogen;

class ToetsingVenster : public QDialog {
  Q_OBJECT

 public:
  // The worksheet's texts are checked here; `naam` names it in the annex.
  // Every choice is read from `keuze` and written back to it; the main
  // window keeps it while the program runs.
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
  void VolgKeuzes();
  void MaakTabel();
  void ToonTabel(const ToetsingAntwoord& antwoord);

  Werkblad werkblad_;
  std::string naam_;
  const Catalogus& catalogus_;
  char decimaal_;
  Datum vandaag_;
  ToetsingKeuze& keuze_;
  Dialogen& dialogen_;
  ToetsingAntwoord antwoord_;

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
