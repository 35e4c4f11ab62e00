#pragma once
// The tram rail construction chooser: two options; a click chooses, a
// double-click chooses and closes. Every choice is reported at once.
#include <QDialog>
#include <array>
#include <cstdint>

class QRadioButton;

namespace tarvo {

class frmTram : public QDialog {
  Q_OBJECT
 public:
  // The current construction; a value the chooser does not know selects nothing.
  explicit frmTram(std::int16_t railConstructie, QWidget* ouder = nullptr);
  QRadioButton* optRail(int index) const { return optRail_.at(static_cast<std::size_t>(index)); }

 signals:
  void RailGekozen(std::int16_t railConstructie);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void optRail_Click(int index);
  std::array<QRadioButton*, 2> optRail_{};
};

}  // namespace tarvo
