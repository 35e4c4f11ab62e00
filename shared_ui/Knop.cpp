#include "shared_ui/Knop.h"

#include <QPushButton>

namespace tarvo {

QPushButton* MaakKnop(const QString& tekst, const char* naam, QWidget* ouder) {
  auto* knop = new QPushButton(tekst, ouder);
  knop->setObjectName(naam);
  knop->setAutoDefault(false);
  return knop;
}

}  // namespace tarvo
