#include "windows/OpstartVenster.h"

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

OpstartVenster::OpstartVenster(std::function<void()> openHoofdvenster, QWidget* ouder)
    : QWidget(ouder, Qt::Window | Qt::FramelessWindowHint), openHoofdvenster_(std::move(openHoofdvenster)) {
  setObjectName("OpstartVenster");
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
  titel_ = wit(versie::kProductNaam, 3.0, true);
  titel_->setObjectName("titel");
  auto* onderTitel = wit("Rekenblad wegverkeerslawaai, Standaard-rekenmethode I (RMG 2012)", 1.1, false);
  versie_ = wit(VersieTekst(), 1.0, false);
  versie_->setObjectName("versie");
  copyright_ = wit(versie::kCopyright, 0.9, false);
  copyright_->setObjectName("copyright");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 18);
  layout->addStretch(2);
  layout->addWidget(titel_);
  layout->addWidget(onderTitel);
  layout->addStretch(3);
  layout->addWidget(versie_);
  layout->addWidget(copyright_);
  setFixedSize(520, 300);

  timer_ = new QTimer(this);
  timer_->setObjectName("timer");
  // One shot: the main window's start-up may run a nested event loop (a
  // message box) and must not be started twice.
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, &OpstartVenster::OpenHoofdvenster);
}

void OpstartVenster::Start() {
  if (const QScreen* scherm = QGuiApplication::primaryScreen()) {
    move(scherm->availableGeometry().center() - rect().center());
  }
  show();
  activateWindow();
  QApplication::processEvents();
  timer_->start(kSplashVertraging);
}

void OpstartVenster::OpenHoofdvenster() {
  timer_->stop();
  if (openHoofdvenster_) openHoofdvenster_();
  close();
}

void OpstartVenster::paintEvent(QPaintEvent*) {
  QPainter p(this);
  TekenVerloop(p, *this, QColor(0, 0, 0), QColor(0, 0, 100));
}

void OpstartVenster::mousePressEvent(QMouseEvent*) {
  timer_->stop();
  close();
}

void OpstartVenster::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    timer_->stop();
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tarvo
