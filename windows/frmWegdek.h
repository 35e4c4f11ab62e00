#pragma once
#include <QDialog>
#include <QString>
#include <array>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"

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
class frmWegdek : public QDialog {
  Q_OBJECT

 public:
  frmWegdek(Catalogus& catalogus, Dialogen& dialogen, const QString& dataMap, QWidget* ouder);

  QListWidget* lstWegdek() const { return lst_; }
  QLineEdit* txtwegdek(int k) const { return txt_[static_cast<std::size_t>(k)]; }
  QPushButton* cmdToevoegen() const { return cmdToevoegen_; }
  QPushButton* cmdWijzig() const { return cmdWijzig_; }
  QPushButton* cmdWissen() const { return cmdWissen_; }
  QPushButton* cmdImporteren() const { return cmdImporteren_; }
  QPushButton* cmdExporteren() const { return cmdExporteren_; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }
  QToolButton* Image2() const { return image2_; }
  QString Paneel(int i) const;  // status panel 1 or 2

  void lstWegdek_Click();
  void cmdToevoegen_Click();
  void cmdWijzig_Click();
  void cmdWissen_Click();
  void cmdOK_Click();
  void cmdCancel_Click();
  void Image2_Click();
  void cmdImporteren_Click();
  void cmdExporteren_Click();
  void lstWegdek_Plakken();  // Ctrl+V in the list: rows copied from a spreadsheet
  void WisselEditMode();

 protected:
  bool eventFilter(QObject* obj, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class Invoer { Geen, Toevoegen, Wijzigen };

  void MaakVelden();
  void MaakKnoppen();
  QVBoxLayout* VeldenEnKnoppen();
  QStatusBar* MaakStatusBalk();
  void Verbind();
  std::array<QWidget*, 6> LijstBediening() const;
  void LockFields();
  void UnLockFields();
  void ClearFields();
  void VulLijst();
  void KiesInLijst(int positie);
  void ToonAantal();
  void Waarschuw(const QString& tekst);
  void NeemOver(const Uitkomst<std::vector<IngelezenWegdek>>& tabel, const QString& leeg);
  int Veld(const QObject* obj) const;
  void VeldVerlaten(QLineEdit* veld);

  Catalogus& cat_;
  WegdekBeheer beheer_;
  Dialogen& dialogen_;
  QString dataMap_;
  QString ontwerpTitel_;
  Invoer invoer_ = Invoer::Geen;
  int geselecteerd_ = 0;     // 1-based position of the entry last clicked
  bool vergrendelen_ = false;

  QListWidget* lst_ = nullptr;
  std::array<QLineEdit*, 7> txt_{};
  std::array<QLabel*, 11> label_{};
  QPushButton* cmdToevoegen_ = nullptr;
  QPushButton* cmdWijzig_ = nullptr;
  QPushButton* cmdWissen_ = nullptr;
  QPushButton* cmdImporteren_ = nullptr;
  QPushButton* cmdExporteren_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QToolButton* image2_ = nullptr;
  QLabel* paneel1_ = nullptr;
  QLabel* paneel2_ = nullptr;
};

}  // namespace tarvo
