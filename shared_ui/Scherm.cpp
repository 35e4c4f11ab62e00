#include "shared_ui/Scherm.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QStyle>

namespace tarvo {

Schuifvlak::Schuifvlak(QWidget* ouder) : QScrollArea(ouder) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  // Enter and the arrow keys move the focus without Tab, which is all the
  // scroll area follows by itself.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* nu) {
    if (nu && widget() && widget()->isAncestorOf(nu)) Toon(nu);
  });
}

// The whole control with a little room around it, not only its text cursor
// as ensureWidgetVisible would; of a control wider than the view its start.
// Where the view has room for the form's left edge and the control's start,
// from that edge: the caption at the start of the row stays in view.
void Schuifvlak::Toon(QWidget* w) {
  constexpr int kRand = 6;
  constexpr int kBegin = 80;  // of a wide control: room for the start of what is typed
  const int ruimte = viewport()->width() - 2 * kRand;
  const QPoint plek = w->mapTo(widget(), QPoint());
  int links = plek.x();
  int rechts = plek.x() + qMin(w->width(), ruimte);
  if (plek.x() + qMin(w->width(), kBegin) <= ruimte) {
    links = 0;
    rechts = qMin(rechts, ruimte);
  }
  const QRect vak(QPoint(links, plek.y()), QSize(rechts - links, qMin(w->height(), viewport()->height() - 2 * kRand)));
  ensureVisible(vak.center().x(), vak.center().y(), vak.width() / 2 + kRand, vak.height() / 2 + kRand);
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
  // A size the window was given on purpose counts as its wish.
  QSize wens = venster->testAttribute(Qt::WA_Resized) ? venster->size() : venster->sizeHint();
  // A scroll bar that the narrower or lower window will need takes room too.
  const int balk = stijl->pixelMetric(QStyle::PM_ScrollBarExtent);
  if (wens.width() > ruimte.width()) wens.rheight() += balk;
  if (wens.height() > ruimte.height()) wens.rwidth() += balk;
  venster->resize(wens.boundedTo(ruimte));
}

namespace {

// The title in a bold face of the window's font, beside the window's icon
// and three title-bar buttons.
int TitelBreedte(const QWidget* venster) {
  QFont vet = venster->font();
  vet.setBold(true);
  const QFontMetrics maten(vet);
  const int knop = qMax(venster->style()->pixelMetric(QStyle::PM_TitleBarHeight), maten.height() + 8);
  return maten.horizontalAdvance(QString(venster->windowTitle()).remove("[*]")) + 4 * knop + 16;
}

void PasBreedteAanTitel(QWidget* venster) {
  const int breedte = TitelBreedte(venster);
  if (venster->minimumWidth() >= breedte) return;
  // A layout that sets the window's minimum itself (Qt's input box) would undo it.
  if (QLayout* laag = venster->layout(); laag && laag->sizeConstraint() != QLayout::SetNoConstraint) {
    laag->setSizeConstraint(QLayout::SetDefaultConstraint);
  }
  venster->setMinimumWidth(breedte);
}

// Once more as the window is shown: Qt's input box builds its layout only then.
class TitelBewaker : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show) PasBreedteAanTitel(static_cast<QWidget*>(object));
    return false;
  }
};

}  // namespace

void ToonHeleTitel(QWidget* venster) {
  PasBreedteAanTitel(venster);
  venster->installEventFilter(new TitelBewaker(venster));
}

}  // namespace tarvo
