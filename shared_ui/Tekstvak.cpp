#include "shared_ui/Tekstvak.h"

#include <QFocusEvent>
#include <QLineEdit>

#include "shared_ui/Kleuren.h"
#include "shared_ui/QtTekst.h"

namespace tarvo {

void ToonValidatie(QLineEdit* vak, const Validatie& validatie) {
  if (validatie.geldig) {
    ZetAchtergrond(vak, kLichtGeel);
    vak->setText(QTekst(validatie.tekst));
    vak->setToolTip({});
    return;
  }
  ZetAchtergrond(vak, kRood);
  vak->setToolTip(QTekst(validatie.uitleg));
  if (vak->isEnabled()) vak->setFocus(Qt::OtherFocusReason);
}

std::optional<std::string> ValideerVak(QLineEdit* vak, Soort soort, std::int32_t maximum, std::int32_t minimum,
                                       std::string_view patroon, char decimaal) {
  Validatie v = Valideer(vak->text().toStdString(), soort, maximum, minimum, patroon, decimaal);
  ToonValidatie(vak, v);
  if (!v.geldig) return std::nullopt;
  return std::move(v.tekst);
}

bool WeigerToets(QLineEdit* vak, const QString& getypt, const QString& toegestaan) {
  bool geweigerd = false, aanvaard = false;
  for (QChar c : getypt) {
    if (c == QChar('\b'))
      aanvaard = true;
    else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
      continue;
    else if (toegestaan.contains(c))
      aanvaard = true;
    else
      geweigerd = true;
  }
  if (geweigerd)
    ZetAchtergrond(vak, kRood);
  else if (aanvaard)
    ZetAchtergrond(vak, kLichtGeel);
  return geweigerd;
}

bool IsVeldVerlaten(const QFocusEvent* event) {
  const auto reden = event->reason();
  return reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason;
}

}  // namespace tarvo
