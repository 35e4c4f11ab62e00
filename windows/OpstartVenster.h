#pragma once
// The start-up window: shown first, it opens the main window after two
// seconds; a click or Escape closes it before that, ending the program.
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace tarvo {

class OpstartVenster : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kSplashVertraging = 2000;  // ms

  // openHoofdvenster runs when the timer fires, before the splash closes.
  explicit OpstartVenster(std::function<void()> openHoofdvenster, QWidget* ouder = nullptr);

  // Centres and shows the splash at once, then starts the timer that opens the main window.
  void Start();
  // The timer's end: the main window opens and the splash closes.
  void OpenHoofdvenster();

  QLabel* versie() const { return versie_; }
  QTimer* timer() const { return timer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void()> openHoofdvenster_;
  QLabel* titel_ = nullptr;
  QLabel* copyright_ = nullptr;
  QLabel* versie_ = nullptr;
  QTimer* timer_ = nullptr;
};

// "Versie 1.0 rev0 (06-12-2026)"
QString VersieTekst();

}  // namespace tarvo
