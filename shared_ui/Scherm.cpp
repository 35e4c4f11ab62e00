#include "shared_ui/Scherm.h"

#include <QScreen>
#include <QStyle>

namespace tarvo {

Schuifvlak::Schuifvlak(QWidget* ouder) : QScrollArea(ouder) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
}

// QScrollArea caps its wish at a few dozen lines of text.
QSize Schuifvlak::sizeHint() const {
  if (!widget()) return QScrollArea::sizeHint();
  const int rand = 2 * frameWidth();
  return widget()->sizeHint() + QSize(rand, rand);
}

void PasOpScherm(QWidget* venster) {
  const QScreen* scherm = venster->screen();
  if (!scherm) return;
  const QRect vrij = scherm->availableGeometry();
  const QStyle* stijl = venster->style();
  const int titel = stijl->pixelMetric(QStyle::PM_TitleBarHeight);
  const int rand = stijl->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const QSize ruimte(vrij.width() - 2 * rand, vrij.height() - titel - 2 * rand);
  venster->resize(venster->sizeHint().boundedTo(ruimte));
}

}  // namespace tarvo
