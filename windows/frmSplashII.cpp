#include "windows/frmSplashII.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "shared_ui/Verloop.h"
#include "shared_ui/Versie.h"

namespace tarvo {

QString VersieTekst() {
  return QString("Versie %1.%2 rev%3 (%4)")
      .arg(versie::kMajor)
      .arg(versie::kMinor)
      .arg(versie::kRevisie)
      .arg(versie::kOpmerkingen);
}

frmSplashII::frmSplashII(std::function<void()> openHoofdvenster, QWidget* ouder)
    : QWidget(ouder, Qt::Window | Qt::FramelessWindowHint), openHoofdvenster_(std::move(openHoofdvenster)) {
  setObjectName("frmSplashII");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);

  auto wit = [this](const QString& tekst, double schaal, bool vet) {
    auto* l = new QLabel(tekst, this);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(pal);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * schaal);
    f.setBold(vet);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
  };
  lblTitle_ = wit(versie::kProductNaam, 3.0, true);
  lblTitle_->setObjectName("lblTitle");
  auto* onderTitel = wit("Rekenblad wegverkeerslawaai, Standaard-rekenmethode I (RMG 2012)", 1.1, false);
  lblVersion_ = wit(VersieTekst(), 1.0, false);
  lblVersion_->setObjectName("lblVersion");
  lblCompanyName_ = wit(versie::kCopyright, 0.9, false);
  lblCompanyName_->setObjectName("lblCompanyName");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 18);
  layout->addStretch(2);
  layout->addWidget(lblTitle_);
  layout->addWidget(onderTitel);
  layout->addStretch(3);
  layout->addWidget(lblVersion_);
  layout->addWidget(lblCompanyName_);
  setFixedSize(520, 300);

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  // One shot: the main window's start-up may run a nested event loop (a
  // message box) and must not be started twice.
  timer1_->setSingleShot(true);
  connect(timer1_, &QTimer::timeout, this, &frmSplashII::Timer1_Timer);
}

void frmSplashII::Start() {
  if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
    move(scherm->availableGeometry().center() - rect().center());
  }
  show();
  activateWindow();
  QApplication::processEvents();
  timer1_->start(kSplashVertraging);
}

void frmSplashII::Timer1_Timer() {
  timer1_->stop();
  if (openHoofdvenster_) openHoofdvenster_();
  close();
}

void frmSplashII::paintEvent(QPaintEvent*) {
  QPainter p(this);
  TekenVerloop(p, *this, QColor(0, 0, 0), QColor(0, 0, 100));
}

void frmSplashII::mousePressEvent(QMouseEvent*) {
  timer1_->stop();
  close();
}

void frmSplashII::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    timer1_->stop();
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tarvo
