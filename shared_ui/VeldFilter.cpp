#include "shared_ui/VeldFilter.h"

#include <QEvent>
#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <vector>

#include "calc/CheckIt.h"
#include "calc/ValiDate.h"
#include "calc/Velden.h"
#include "shared_ui/VeldRing.h"

namespace tarvo {
namespace {

std::optional<QString> Toegestaan(ToetsKlasse klasse) {
  switch (klasse) {
    case ToetsKlasse::Cijfers: return QString("1234567890");
    case ToetsKlasse::Getal: return QString("1234567890,.");
    default: return std::nullopt;
  }
}

}  // namespace

VeldFilter::VeldFilter(WerkbladVenster& venster, const std::array<QLineEdit*, 40>& velden,
                       const std::array<QLineEdit*, 4>& toel, Werkblad& ws, Dialogen& dialogen, QObject* ouder)
    : QObject(ouder),
      venster_(venster),
      velden_(velden),
      toel_(toel),
      ws_(ws),
      ring_(new VeldRing(VeldRing::Escape::Leegmaken, this)) {
  // The derived fields 26..31 are never visited.
  std::vector<VeldRing::Veld> ring;
  for (int k = 0; k < kAantalVelden; ++k) {
    if (Veld(k).toetsen == ToetsKlasse::Vergrendeld) continue;
    ring.push_back({velden_[static_cast<std::size_t>(k)], Toegestaan(Veld(k).toetsen)});
  }
  for (QLineEdit* t : toel_) ring.push_back({t, std::nullopt});
  ring_->VoegRingToe(ring);
  connect(ring_, &VeldRing::Binnen, this, &VeldFilter::Binnen);
  connect(ring_, &VeldRing::Verlaten, this, &VeldFilter::Verlaten);
  connect(ring_, &VeldRing::Geweigerd, this, [&dialogen] { dialogen.Piep(); });
}

void VeldFilter::VolgHelp(QWidget* control, std::string_view tekst) {
  helpVan_.insert(control, std::string(tekst));
  control->installEventFilter(this);
}

int VeldFilter::VeldIndex(const QLineEdit* edit) const {
  const auto it = std::find(velden_.begin(), velden_.end(), edit);
  return it == velden_.end() ? -1 : static_cast<int>(it - velden_.begin());
}

int VeldFilter::ToelIndex(const QLineEdit* edit) const {
  const auto it = std::find(toel_.begin(), toel_.end(), edit);
  return it == toel_.end() ? -1 : static_cast<int>(it - toel_.begin());
}

void VeldFilter::Binnen(QLineEdit* edit) {
  const int k = VeldIndex(edit);
  emit HelpTekst(k >= 0 ? std::string(HelpTekstVeld(k)) : std::string(kHelpGeenInfo));
}

void VeldFilter::Verlaten(QLineEdit* edit) {
  if (const int k = VeldIndex(edit); k >= 0) {
    const VeldInfo& v = Veld(k);
    if (v.verlatenControle) ValiDate(venster_.Invoer(k), v.maximum, v.minimum, v.patroon, ws_.Decimaal);
  } else if (const int i = ToelIndex(edit); i >= 0) {
    ToelichtingOvernemen(ws_, venster_, i);
  }
}

bool VeldFilter::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto it = helpVan_.constFind(object); it != helpVan_.cend()) emit HelpTekst(*it);
  }
  return false;
}

}  // namespace tarvo
