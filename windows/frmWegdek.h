#pragma once
#include <QDialog>
#include <QString>
#include <array>

#include "calc/Wegdek.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tarvo {

class Dialogen;

// The road-surface editor: list, look at, add, change and delete catalogue
// entries. The first sixteen are the published types; F9 lifts their protection.
class frmWegdek : public QDialog {
  Q_OBJECT

 public:
  frmWegdek(Catalogus& catalogus, Dialogen& dialogen, const QString& dataMap, QWidget* ouder);

  static constexpr int kAantalBeschermd = 16;

  QListWidget* lstWegdek() const { return lst_; }
  QLineEdit* txtwegdek(int k) const { return txt_[static_cast<std::size_t>(k)]; }
  QPushButton* cmdToevoegen() const { return cmdToevoegen_; }
  QPushButton* cmdWijzig() const { return cmdWijzig_; }
  QPushButton* cmdWissen() const { return cmdWissen_; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }
  QToolButton* Image2() const { return image2_; }
  QString Paneel(int i) const;  // status panel 1 or 2
  bool EditMode() const { return editMode_; }
  int InvoerModus() const { return invoerModus_; }

  void lstWegdek_Click();
  void cmdToevoegen_Click();
  void cmdWijzig_Click();
  void cmdWissen_Click();
  void cmdOK_Click();
  void cmdCancel_Click();
  void Image2_Click();
  void WisselEditMode();

 protected:
  bool eventFilter(QObject* obj, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LockFields();
  void UnLockFields();
  void ClearFields();
  void VulLijst();
  void ToonAantal();
  void Waarschuw(const QString& tekst);
  int Veld(QObject* obj) const;
  bool KeyDown(int k, int key);
  bool KeyPress(int k, const QString& tekst);

  Catalogus& cat_;
  Dialogen& dialogen_;
  QString dataMap_;
  QString ontwerpTitel_;
  bool editMode_ = false;
  int invoerModus_ = 0;      // 0 none, 1 adding, 2 changing
  int geselecteerd_ = 0;     // 1-based position of the entry last clicked
  bool vergrendelen_ = false;

  QListWidget* lst_;
  std::array<QLineEdit*, 7> txt_{};
  std::array<QLabel*, 11> label_{};
  QPushButton* cmdToevoegen_;
  QPushButton* cmdWijzig_;
  QPushButton* cmdWissen_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  QToolButton* image2_;
  QLabel* paneel1_;
  QLabel* paneel2_;
};

}  // namespace tarvo
