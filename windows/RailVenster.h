#pragma once
// The tram rail construction chooser: two options; a click chooses, a
// double-click chooses and closes. Every choice is reported at once.
#include <QDialog>
#include <array>
#include <cstdint>

class QRadioButton;

namespace tarvo {

class RailVenster : public QDialog {
  Q_OBJECT
 public:
  // The current construction; a value the chooser does not know selects nothing.
  explicit RailVenster(std::int16_t rail, QWidget* ouder = nullptr);
  QRadioButton* railKeuze(int index) const { return railKeuze_.at(static_cast<std::size_t>(index)); }

 signals:
  void RailGekozen(std::int16_t rail);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void Kies(int index);
  std::array<QRadioButton*, 2> railKeuze_{};
};

}  // namespace tarvo
