#pragma once
#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "calc/Wegdek.h"
#include "tools/Cumulatie.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvo {

class Dialogen;

// Several roads at one observation point, modal: worksheets from files and
// the main window's computed one, each with its levels, and their
// energetic sum, all without the art. 110g Wgh deduction.
class CumulatieVenster : public QDialog {
  Q_OBJECT

 public:
  // `huidig`: the main window's worksheet while its results are shown.
  // Files are computed with `catalogus`.
  CumulatieVenster(const Catalogus& catalogus, Dialogen& dialogen, std::optional<CumulatieBron> huidig, QWidget* ouder);

  void VoegBestandToe();  // every file chosen at once
  void VoegHuidigToe();
  void Verwijder();  // the selected worksheets
  void BewaarAlsCsv();

  const std::vector<CumulatieBron>& Bronnen() const { return bronnen_; }
  QTableWidget* tabel() const { return tabel_; }
  QPushButton* huidigKnop() const { return huidigKnop_; }
  QPushButton* verwijderKnop() const { return verwijderKnop_; }
  QPushButton* csvKnop() const { return csvKnop_; }
  QLabel* waarschuwing() const { return waarschuwing_; }  // what the sum mixes

 private:
  void MaakTabel();
  void VulTabel();
  void ZetKnoppen();
  bool Voeg(CumulatieBron bron, const QString& pad);  // false: refused, and said so
  void VoegToe(const QString& pad);

  const Catalogus& catalogus_;
  Dialogen& dialogen_;
  std::optional<CumulatieBron> huidig_;
  std::vector<CumulatieBron> bronnen_;
  std::vector<QString> paden_;  // per worksheet; empty for the main window's
  char decimaal_;
  QTableWidget* tabel_;
  QLabel* waarschuwing_;
  QPushButton* huidigKnop_;
  QPushButton* verwijderKnop_;
  QPushButton* csvKnop_;
};

}  // namespace tarvo
