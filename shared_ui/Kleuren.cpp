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

}  // namespace tarvo
