#include "shared_ui/VeldFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <vector>

#include "calc/Controle.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Tekstvak.h"
#include "shared_ui/VeldRing.h"

namespace tarvo {
namespace {

std::optional<QString> Toegestaan(Toetsen toetsen) {
  const std::string_view tekens = ToetsTekens(toetsen);
  if (tekens.empty()) return std::nullopt;
  return QString::fromUtf8(tekens.data(), static_cast<qsizetype>(tekens.size()));
}

}  // namespace

VeldFilter::VeldFilter(const std::array<QLineEdit*, kAantalVelden>& velden,
                       const std::array<QLineEdit*, kAantalToelichtingen>& toelichting, char decimaal,
                       Dialogen& dialogen, QObject* ouder)
    : QObject(ouder),
      velden_(velden),
      toelichting_(toelichting),
      decimaal_(decimaal),
      ring_(new VeldRing(VeldRing::Escape::Leegmaken, this)) {
  // The derived fields are never visited.
  std::vector<VeldRing::Veld> ring;
  for (int k = 0; k < kAantalVelden; ++k) {
    if (Veld(k).toetsen == Toetsen::Geen) continue;
    ring.push_back({velden_[static_cast<std::size_t>(k)], Toegestaan(Veld(k).toetsen)});
  }
  for (QLineEdit* t : toelichting) ring.push_back({t, std::nullopt});
  ring_->VoegRingToe(ring);
  connect(ring_, &VeldRing::Binnen, this, &VeldFilter::MeldHelp);
  connect(ring_, &VeldRing::Verlaten, this, &VeldFilter::ControleerVeld);
  connect(ring_, &VeldRing::Geweigerd, this, [&dialogen] { dialogen.Piep(); });
  for (QLineEdit* t : toelichting) t->installEventFilter(this);
}

void VeldFilter::VolgHelp(QWidget* control, std::string_view tekst) {
  helpVan_.insert(control, std::string(tekst));
  control->installEventFilter(this);
}

int VeldFilter::VeldIndex(const QLineEdit* edit) const {
  const auto it = std::find(velden_.begin(), velden_.end(), edit);
  return it == velden_.end() ? -1 : static_cast<int>(it - velden_.begin());
}

bool VeldFilter::IsToelichting(const QObject* object) const {
  return std::find(toelichting_.begin(), toelichting_.end(), object) != toelichting_.end();
}

void VeldFilter::MeldHelp(QLineEdit* edit) {
  const int k = VeldIndex(edit);
  emit HelpTekst(k >= 0 ? std::string(HelpTekstVeld(k)) : std::string(kHelpGeenInfo));
}

// A number is shown as the field's range and pattern make it; names are
// taken as typed by the check, a remark line the user edited loses its
// outer blanks.
void VeldFilter::ControleerVeld(QLineEdit* edit) {
  const int k = VeldIndex(edit);
  if (k < 0 && edit->isModified()) {
    edit->setText(QString::fromStdString(VerlaatToelichting(edit->text().toStdString())));
    return;
  }
  if (k < 0 || Veld(k).soort != VeldSoort::Getal) return;
  const VeldVerlaten v = VerlaatVeld(k, edit->text().toStdString(), decimaal_);
  ToonValidatie(edit, v.validatie);
  if (!v.begrensd.empty()) emit Melding(v.begrensd);
}

// A typed character that a full line cannot take (nothing selected for it
// to replace) is dropped by the line itself; the user is told why.
bool VeldFilter::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::KeyPress && IsToelichting(object)) {
    const auto* regel = static_cast<const QLineEdit*>(object);
    const QString getypt = static_cast<const QKeyEvent*>(event)->text();
    if (!getypt.isEmpty() && getypt.at(0).isPrint() && regel->text().size() >= regel->maxLength() &&
        !regel->hasSelectedText()) {
      emit Melding(kToelichtingVol);
    }
    return false;
  }
  if (event->type() == QEvent::FocusIn) {
    if (auto it = helpVan_.constFind(object); it != helpVan_.cend()) emit HelpTekst(*it);
  }
  return false;
}

}  // namespace tarvo
