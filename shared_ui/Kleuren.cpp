#include "shared_ui/Kleuren.h"

#include <QWidget>

namespace tarvo {

void ZetAchtergrond(QWidget* vak, const QColor& kleur) { ZetPaletKleur(vak, QPalette::Base, kleur, true); }

QColor Achtergrond(const QWidget* vak) { return vak->palette().color(QPalette::Base); }

void ZetPaletKleur(QWidget* w, QPalette::ColorRole rol, const QColor& kleur, bool ookUitgeschakeld) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Active, rol, kleur);
  pal.setColor(QPalette::Inactive, rol, kleur);
  if (ookUitgeschakeld) pal.setColor(QPalette::Disabled, rol, kleur);
  w->setPalette(pal);
}

QColor UitkomstKleur(Toetsuitkomst uitkomst) {
  switch (uitkomst) {
    case Toetsuitkomst::Voldoet:
      return {222, 242, 222};
    case Toetsuitkomst::HogereWaarde:
      return {255, 243, 205};
    default:
      return {248, 215, 215};
  }
}

}  // namespace tarvo
