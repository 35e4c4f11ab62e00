#pragma once
#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "driver/WegdekBewerking.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;
class QToolButton;
class QVBoxLayout;

namespace tarvo {

class Dialogen;

// The road-surface editor: list, look at, add, change and delete catalogue
// entries, bring them in from a table file or rows pasted from a spreadsheet,
// write them to a table file. The rules it applies are the catalogue's own
// (WegdekBeheer, VoegSamen); F9 lifts the protection of the shipped types.
class WegdekVenster : public QDialog {
  Q_OBJECT

 public:
  // File dialogs start where Dialogen::BeginMap says.
  WegdekVenster(Catalogus& catalogus, Dialogen& dialogen, QWidget* ouder);

  QListWidget* wegdekLijst() const { return wegdekLijst_; }
  // Field 0 the description, 1 to 6 the coefficients DL and b of lv, mv and zv.
  QLineEdit* veld(int k) const { return velden_[static_cast<std::size_t>(k)]; }
  QPushButton* toevoegKnop() const { return toevoegKnop_; }
  QPushButton* wijzigKnop() const { return wijzigKnop_; }
  QPushButton* wisKnop() const { return wisKnop_; }
  QPushButton* importeerKnop() const { return importeerKnop_; }
  QPushButton* exporteerKnop() const { return exporteerKnop_; }
  QPushButton* okKnop() const { return okKnop_; }
  QPushButton* annuleerKnop() const { return annuleerKnop_; }
  QToolButton* rekenbladKnop() const { return rekenbladKnop_; }
  QString AantalTekst() const;

  void ToonGekozen();  // the entry chosen in the list, in the fields
  void VoegToe();
  void Wijzig();
  void Wis();
  void Bevestig();
  void Annuleer();
  void OpenRekenblad();  // a spreadsheet with coefficients, in its own program
  void Importeer();
  void Exporteer();
  void Plak();  // Ctrl+V in the list: rows copied from a spreadsheet
  void WisselBescherming();

 signals:
  // A change the user confirmed (OK, a delete, an import or a paste) is in the catalogue.
  void Gewijzigd();

 protected:
  bool eventFilter(QObject* obj, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class Bewerking { Geen, Toevoegen, Wijzigen };

  void MaakVelden();
  void MaakKnoppen();
  QVBoxLayout* VeldenEnKnoppen();
  QStatusBar* MaakStatusBalk();
  void Verbind();
  std::array<QWidget*, 6> LijstBediening() const;
  void VergrendelVelden();
  void OntgrendelVelden();
  void MaakVeldenLeeg();
  void VulLijst();
  void KiesInLijst(int positie);
  void ToonAantal();
  void Waarschuw(const QString& tekst);
  // Shows the step's message; true when it asked and the answer was Ja.
  bool Zeg(const WegdekStap& stap);
  // The step, and once more answered Ja when it asks and the user agrees;
  // a question declined comes back as nothing said.
  WegdekStap NaVraag(const std::function<WegdekStap(bool)>& stap);
  void NeemOver(const std::function<WegdekStap(bool)>& stap);
  int VeldIndex(const QObject* obj) const;
  void ControleerVeld(QLineEdit* veld);

  Catalogus& cat_;
  WegdekBeheer beheer_;
  Dialogen& dialogen_;
  QString ontwerpTitel_;
  Bewerking bewerking_ = Bewerking::Geen;
  bool vergrendelen_ = false;

  QListWidget* wegdekLijst_ = nullptr;
  std::array<QLineEdit*, 7> velden_{};
  std::array<QLabel*, 11> bijschriften_{};
  QPushButton* toevoegKnop_ = nullptr;
  QPushButton* wijzigKnop_ = nullptr;
  QPushButton* wisKnop_ = nullptr;
  QPushButton* importeerKnop_ = nullptr;
  QPushButton* exporteerKnop_ = nullptr;
  QPushButton* okKnop_ = nullptr;
  QPushButton* annuleerKnop_ = nullptr;
  QToolButton* rekenbladKnop_ = nullptr;
  QLabel* weergavePaneel_ = nullptr;
  QLabel* aantalPaneel_ = nullptr;
};

}  // namespace tarvo
