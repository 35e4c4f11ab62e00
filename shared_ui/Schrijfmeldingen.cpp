#include "shared_ui/Schrijfmeldingen.h"

#include <QPointer>
#include <QStatusBar>

#include "shared_ui/Dialogen.h"
#include "shared_ui/QtTekst.h"

namespace tarvo {

Schrijfmeldingen::Schrijfmeldingen(QStatusBar* balk) {
  QPointer<QStatusBar> bewaakt(balk);
  wijze_.bijWachten = [bewaakt](const std::string& regel) {
    if (!bewaakt) return;
    bewaakt->showMessage(QTekst(regel));
    bewaakt->repaint();
  };
  wijze_.bijOpmerking = [lijst = opmerkingen_](const std::string& regel) { lijst->push_back(regel); };
}

void Schrijfmeldingen::ToonOpmerkingen(Dialogen& dialogen, const std::string& titel) const {
  if (opmerkingen_->empty()) return;
  std::string tekst;
  for (const std::string& regel : *opmerkingen_) tekst += (tekst.empty() ? "" : "\n") + regel;
  dialogen.Toon(tekst, titel, Icoon::Informatie);
}

}  // namespace tarvo
