#include "windows/frmTram.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calc/Werkblad.h"

namespace tarvo {

frmTram::frmTram(std::int16_t railConstructie, QWidget* ouder) : QDialog(ouder) {
  setObjectName("frmTram");
  setWindowTitle("Railconstructie trambaan");
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < 2; ++i) {
    auto* knop = new QRadioButton(kRailConstructies[static_cast<std::size_t>(i)], this);
    knop->setObjectName(QString("optRail(%1)").arg(i));
    knop->installEventFilter(this);
    connect(knop, &QRadioButton::clicked, this, [this, i] { optRail_Click(i); });
    layout->addWidget(knop);
    optRail_[static_cast<std::size_t>(i)] = knop;
  }
  auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(knoppen);

  if (railConstructie == 0 || railConstructie == 1) {
    optRail_[static_cast<std::size_t>(railConstructie)]->setChecked(true);
  }
}

void frmTram::optRail_Click(int index) { emit RailGekozen(static_cast<std::int16_t>(index)); }

bool frmTram::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (int i = 0; i < 2; ++i) {
      if (object == optRail_[static_cast<std::size_t>(i)]) {
        optRail_[static_cast<std::size_t>(i)]->setChecked(true);
        optRail_Click(i);
        accept();
        return true;
      }
    }
  }
  return QDialog::eventFilter(object, event);
}

}  // namespace tarvo
