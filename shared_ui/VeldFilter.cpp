#include "shared_ui/VeldFilter.h"

#include "shared_ui/QtBediening.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "calc/CheckIt.h"
#include "base/Tekst.h"
#include "calc/ValiDate.h"
#include "calc/Velden.h"

namespace tarvo {
namespace {

QString Toegestaan(ToetsKlasse klasse) {
  switch (klasse) {
    case ToetsKlasse::Cijfers: return "1234567890";
    case ToetsKlasse::Getal: return "1234567890,.";
    default: return {};
  }
}

bool IsNavigatie(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down || key == Qt::Key_Up ||
         key == Qt::Key_Escape;
}

}  // namespace

VeldFilter::VeldFilter(WerkbladVenster& venster, const std::array<QLineEdit*, 40>& velden,
                       const std::array<QLineEdit*, 4>& toel, Werkblad& ws, Dialogen& dialogen,
                       std::string& helpTekst, QObject* ouder)
    : QObject(ouder),
      venster_(venster),
      velden_(velden),
      toel_(toel),
      ws_(ws),
      dialogen_(dialogen),
      helpTekst_(helpTekst) {
  // The derived fields 26..31 are never visited.
  for (int k = 0; k <= 25; ++k) ring_.push_back(velden_[static_cast<std::size_t>(k)]);
  for (int k = 32; k <= 39; ++k) ring_.push_back(velden_[static_cast<std::size_t>(k)]);
  for (QLineEdit* t : toel_) ring_.push_back(t);
  for (QLineEdit* v : velden_) v->installEventFilter(this);
  for (QLineEdit* t : toel_) t->installEventFilter(this);
}

void VeldFilter::VolgHelp(QWidget* control, std::string_view tekst) {
  helpVan_.insert(control, std::string(tekst));
  control->installEventFilter(this);
}

QLineEdit* VeldFilter::Volgende(const QLineEdit* van, bool vooruit) const {
  const auto it = std::find(ring_.begin(), ring_.end(), van);
  if (it == ring_.end()) return nullptr;
  const auto n = static_cast<std::ptrdiff_t>(ring_.size());
  std::ptrdiff_t i = it - ring_.begin();
  // A field the 30 km zone has locked cannot take the focus: go on in the same direction.
  for (std::ptrdiff_t stap = 1; stap < n; ++stap) {
    i = (i + (vooruit ? 1 : n - 1)) % n;
    QLineEdit* kandidaat = ring_[static_cast<std::size_t>(i)];
    if (kandidaat->isEnabled()) return kandidaat;
  }
  return nullptr;
}

bool VeldFilter::Navigeer(QLineEdit* van, QKeyEvent* toets) {
  switch (toets->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
    case Qt::Key_Up:
      if (QLineEdit* naar = Volgende(van, toets->key() != Qt::Key_Up)) naar->setFocus(Qt::OtherFocusReason);
      return true;
    case Qt::Key_Escape:
      van->clear();
      return true;
    default:
      return false;
  }
}

bool VeldFilter::ToetsVeld(int k, QKeyEvent* toets) {
  QLineEdit* veld = velden_[static_cast<std::size_t>(k)];
  const ToetsKlasse klasse = Veld(k).toetsen;
  if (IsNavigatie(toets->key())) {
    Navigeer(veld, toets);
    // Escape is an accepted character of every class.
    if (toets->key() == Qt::Key_Escape && klasse != ToetsKlasse::Alles) venster_.Invoer(k).ZetAchtergrond(kLichtGeel);
    return true;
  }
  if (klasse == ToetsKlasse::Alles) return false;
  if (!WeigerToets(venster_.Invoer(k), toets->text(), Toegestaan(klasse))) return false;
  dialogen_.Piep();
  return true;
}

bool VeldFilter::ToetsToel(int i, QKeyEvent* toets) {
  if (!IsNavigatie(toets->key())) return false;
  return Navigeer(toel_[static_cast<std::size_t>(i)], toets);
}

void VeldFilter::VeldVerlaten(int k) {
  const VeldInfo& v = Veld(k);
  if (!v.verlatenControle) return;
  ValiDate(venster_.Invoer(k), v.maximum, v.minimum, v.patroon, ws_.Decimaal);
}

bool VeldFilter::eventFilter(QObject* object, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut) return false;

  int veld = -1, toel = -1;
  for (int k = 0; k < kAantalVelden && veld < 0; ++k) {
    if (object == velden_[static_cast<std::size_t>(k)]) veld = k;
  }
  for (int i = 0; i < 4 && veld < 0 && toel < 0; ++i) {
    if (object == toel_[static_cast<std::size_t>(i)]) toel = i;
  }

  if (type == QEvent::FocusIn) {
    if (veld >= 0 || toel >= 0) {
      auto* edit = static_cast<QLineEdit*>(object);
      edit->selectAll();
      helpTekst_ = veld >= 0 ? std::string(HelpTekstVeld(veld)) : std::string(kHelpGeenInfo);
    } else if (auto it = helpVan_.constFind(object); it != helpVan_.cend()) {
      helpTekst_ = *it;
    }
    return false;
  }

  if (type == QEvent::FocusOut) {
    if (!IsVeldVerlaten(static_cast<QFocusEvent*>(event))) return false;
    if (veld >= 0) {
      VeldVerlaten(veld);
    } else if (toel >= 0) {
      ToelichtingOvernemen(ws_, venster_, toel);
    }
    return false;
  }

  auto* toets = static_cast<QKeyEvent*>(event);
  if (veld >= 0) return ToetsVeld(veld, toets);
  if (toel >= 0) return ToetsToel(toel, toets);
  return false;
}

}  // namespace tarvo
