#include "shared_ui/VeldRing.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "shared_ui/Kleuren.h"
#include "shared_ui/Tekstvak.h"

namespace tarvo {

VeldRing::VeldRing(Escape escape, QObject* ouder) : QObject(ouder), escape_(escape) {}

void VeldRing::VoegRingToe(const std::vector<Veld>& velden) {
  std::vector<QLineEdit*> ring;
  for (const Veld& v : velden) {
    plekken_.insert(v.edit, Plek{ringen_.size(), ring.size(), v.toegestaan});
    ring.push_back(v.edit);
    v.edit->installEventFilter(this);
  }
  ringen_.push_back(std::move(ring));
}

QLineEdit* VeldRing::Volgende(const QLineEdit* van, bool vooruit) const {
  const auto plek = plekken_.constFind(van);
  if (plek == plekken_.cend()) return nullptr;
  const std::vector<QLineEdit*>& ring = ringen_[plek->ring];
  const std::size_t n = ring.size();
  std::size_t i = plek->index;
  // A field that cannot take the focus (the 30 km zone locks the speeds) is
  // passed over in the same direction.
  for (std::size_t stap = 1; stap < n; ++stap) {
    i = (i + (vooruit ? 1 : n - 1)) % n;
    if (ring[i]->isEnabled()) return ring[i];
  }
  return nullptr;
}

void VeldRing::Binnenkomen(QLineEdit* veld) {
  veld->selectAll();
  // A mouse click places the cursor after the focus arrives; select once it has.
  QTimer::singleShot(0, veld, [veld] {
    if (veld->hasFocus()) veld->selectAll();
  });
  emit Binnen(veld);
}

bool VeldRing::Toets(QLineEdit* veld, const Plek& plek, const QKeyEvent* toets) {
  switch (toets->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
    case Qt::Key_Up:
      if (QLineEdit* naar = Volgende(veld, toets->key() != Qt::Key_Up)) naar->setFocus(Qt::OtherFocusReason);
      return true;
    case Qt::Key_Escape:
      if (escape_ == Escape::Sluiten) return false;
      veld->clear();
      // Escape is a character every filter takes; the window stays open.
      if (plek.toegestaan) ZetAchtergrond(veld, kLichtGeel);
      return true;
    default:
      break;
  }
  if (!plek.toegestaan) return false;
  if (!WeigerToets(veld, toets->text(), *plek.toegestaan)) return false;
  emit Geweigerd(veld);
  return true;
}

bool VeldRing::eventFilter(QObject* object, QEvent* event) {
  const auto plek = plekken_.constFind(object);
  if (plek == plekken_.cend()) return false;
  auto* veld = static_cast<QLineEdit*>(object);
  switch (event->type()) {
    case QEvent::FocusIn:
      Binnenkomen(veld);
      return false;
    case QEvent::FocusOut:
      if (veld->isEnabled() && IsVeldVerlaten(static_cast<QFocusEvent*>(event))) emit Verlaten(veld);
      return false;
    case QEvent::KeyPress:
      return Toets(veld, *plek, static_cast<QKeyEvent*>(event));
    default:
      return false;
  }
}

}  // namespace tarvo
