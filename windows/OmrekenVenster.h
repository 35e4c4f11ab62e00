#pragma once
#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace tarvo {

class Dialogen;

// Field numbers of the worksheet with the texts they get.
using VeldTeksten = std::vector<std::pair<int, std::string>>;

// Daily traffic counts into the worksheet's hourly intensities: a
// distribution ("Verdeling") becomes vehicle numbers per period
// ("Aantallen"), which "Toepassen" hands to the main window.
class OmrekenVenster : public QDialog {
  Q_OBJECT

 public:
  OmrekenVenster(Dialogen& dialogen, QWidget* ouder);

  QLineEdit* verdeling(int i) const { return verdeling_[static_cast<std::size_t>(i)]; }
  QLineEdit* aantal(int i) const { return aantal_[static_cast<std::size_t>(i)]; }
  QPushButton* omrekenKnop() const { return omrekenKnop_; }
  QPushButton* toepasKnop() const { return toepasKnop_; }
  QGroupBox* verdelingKader() const { return verdelingKader_; }
  QGroupBox* aantallenKader() const { return aantallenKader_; }
  QString StatusTekst() const;

  // A click on a frame, or its title by keyboard, opens its boxes and locks the other's.
  void OpenVerdeling();
  void OpenAantallen();
  void RekenOm();
  void PasToe();

 signals:
  // The hourly intensities for the worksheet's fields.
  void Toegepast(const VeldTeksten& teksten);

 protected:
  bool eventFilter(QObject* obj, QEvent* event) override;

 private:
  struct Vak {
    bool verdeling;  // a box of the distribution or of the counts
    int index;
  };
  QGroupBox* MaakVerdeling();
  QGroupBox* MaakAantallen();
  QLineEdit* MaakVak(bool verdeling, int index);
  QStatusBar* MaakStatus();
  void VolgVelden();
  Vak Zoek(const QObject* obj) const;
  void ZetNul();
  void ToonHint(QLineEdit* edit);
  void ControleerVak(QLineEdit* edit);
  // The box's text as its range and pattern leave it; nothing when it is no number.
  std::optional<std::string> Gecontroleerd(QLineEdit* edit);
  void ZetKaders(bool verdeling);

  Dialogen& dialogen_;
  std::vector<QLineEdit*> verdeling_, aantal_;
  QGroupBox* verdelingKader_ = nullptr;
  QGroupBox* aantallenKader_ = nullptr;
  QPushButton* omrekenKnop_ = nullptr;
  QPushButton* toepasKnop_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace tarvo
