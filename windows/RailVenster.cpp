#include "windows/RailVenster.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calc/Werkblad.h"
#include "shared_ui/QtTekst.h"

namespace tarvo {

RailVenster::RailVenster(std::int16_t rail, QWidget* ouder) : QDialog(ouder) {
  setObjectName("RailVenster");
  setWindowTitle("Railconstructie trambaan");
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < 2; ++i) {
    auto* knop = new QRadioButton(QTekst(kRailConstructies[static_cast<std::size_t>(i)]), this);
    knop->setObjectName(QString("railKeuze(%1)").arg(i));
    knop->installEventFilter(this);
    connect(knop, &QRadioButton::clicked, this, [this, i] { Kies(i); });
    layout->addWidget(knop);
    railKeuze_[static_cast<std::size_t>(i)] = knop;
  }
  auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(knoppen);

  if (rail == 0 || rail == 1) railKeuze_[static_cast<std::size_t>(rail)]->setChecked(true);
}

void RailVenster::Kies(int index) { emit RailGekozen(static_cast<std::int16_t>(index)); }

bool RailVenster::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (int i = 0; i < 2; ++i) {
      if (object == railKeuze_[static_cast<std::size_t>(i)]) {
        railKeuze_[static_cast<std::size_t>(i)]->setChecked(true);
        Kies(i);
        accept();
        return true;
      }
    }
  }
  return QDialog::eventFilter(object, event);
}

}  // namespace tarvo
