#include "windows/Gebruikersnaam.h"

#include "base/Tekst.h"
#include "shared_ui/QtTekst.h"

namespace tarvo {

QString LabelTekst(const std::string& labelnaam) { return QString::fromStdString(labelnaam).replace("&&", "&"); }

bool VraagGebruikersnaam(QWidget* ouder, Dialogen& dialogen, Catalogus& catalogus) {
  const QString crlf = QTekst(CrLf);
  const QString naam = QString::fromStdString(catalogus.Gebruikersnaam);
  const QString prompt =
      "Huidige instelling gebruikersnaam: " + crlf + naam + crlf + crlf + "Voer nieuwe gebruikersnaam in";
  // The padding blanks would only put the cursor far behind the name.
  const auto antwoord = dialogen.InvoerVak(ouder, prompt, "Instelling gebruikersnaam",
                                           QString::fromStdString(RechtsBijgesneden(catalogus.Gebruikersnaam)));
  if (!antwoord || antwoord->isEmpty()) return false;
  const std::string nieuw = VastBreed(Bijgesneden(antwoord->toStdString()), kNaamLengte);
  if (nieuw == catalogus.Gebruikersnaam) return false;
  ZetGebruikersnaam(catalogus, nieuw);
  return true;
}

}  // namespace tarvo
