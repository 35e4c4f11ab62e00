#pragma once
// The colours of the windows' entry fields, and how a widget takes one.
#include <QColor>
#include <QPalette>

#include "tools/Toetsing.h"

class QWidget;

namespace tarvo {

inline constexpr QColor kLichtGeel{255, 255, 192};  // a field as typed or checked
inline constexpr QColor kRood{255, 0, 0};           // a refused key or text
inline constexpr QColor kGroen{0, 255, 0};          // filled in by the traffic conversion

// The background of an entry field, in every state of the window.
void ZetAchtergrond(QWidget* vak, const QColor& kleur);
QColor Achtergrond(const QWidget* vak);

// An outcome of the test against the limits, for the eye to find the roads
// that need a decision: green, yellow, red.
QColor UitkomstKleur(Toetsuitkomst uitkomst);

// One colour role, active and inactive, and on request disabled as well.
void ZetPaletKleur(QWidget* w, QPalette::ColorRole rol, const QColor& kleur, bool ookUitgeschakeld);

}  // namespace tarvo
