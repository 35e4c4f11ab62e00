#pragma once
#include <QDialog>
#include <QString>
#include <vector>

#include "calc/Bediening.h"
#include "shared_ui/QtBediening.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvo {

class Dialogen;

// Daily traffic counts into the worksheet's hourly intensities: a
// distribution ("Verdeling") becomes vehicle numbers per period
// ("Aantallen"), which "Toepassen" writes into the main window's fields.
class frmIntensiteit : public QDialog {
  Q_OBJECT

 public:
  frmIntensiteit(WerkbladVenster& venster, Dialogen& dialogen, QWidget* ouder);

  static constexpr int kAantalVerd = 16;
  static constexpr int kAantalInt = 18;
  QLineEdit* txtVerd(int i) const { return verd_[static_cast<std::size_t>(i)]; }
  QLineEdit* txtInt(int i) const { return int_[static_cast<std::size_t>(i)]; }
  QPushButton* cmdOmrekenen() const { return cmdOmrekenen_; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QGroupBox* frameVerdeling() const { return frameVerdeling_; }
  QGroupBox* frameIntensiteit() const { return frameIntensiteit_; }
  QString StatusTekst() const;

  void frameVerdeling_Click();
  void frameIntensiteit_Click();
  void cmdOmrekenen_Click();
  void cmdOK_Click();

 protected:
  bool eventFilter(QObject* obj, QEvent* event) override;

 private:
  struct Vak {
    bool verd;  // txtVerd or txtInt
    int index;
  };
  QGroupBox* MaakVerdeling();
  QGroupBox* MaakAantallen();
  QLineEdit* MaakVak(bool verd, int index);
  void VolgVelden();
  Vak Zoek(const QObject* obj) const;
  void InitVelden();
  void GotFocus(QLineEdit* edit);
  void LostFocus(QLineEdit* edit);
  double Gevalideerd(QLineEdit* edit, int maximum, int minimum, const char* patroon);

  WerkbladVenster& venster_;
  Dialogen& dialogen_;
  std::vector<QLineEdit*> verd_, int_;
  QGroupBox* frameVerdeling_ = nullptr;
  QGroupBox* frameIntensiteit_ = nullptr;
  QPushButton* cmdOmrekenen_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace tarvo
