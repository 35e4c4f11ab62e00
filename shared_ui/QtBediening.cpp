#include "shared_ui/QtBediening.h"

#include <QFile>
#include <QFocusEvent>
#include <QPalette>
#include <QPushButton>
#include <QVariant>

namespace tarvo {

std::filesystem::path NaarPad(const QString& pad) {
#ifdef _WIN32
  return std::filesystem::path(pad.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(pad).toStdString());
#endif
}

QString QPad(const std::filesystem::path& pad) {
#ifdef _WIN32
  return QString::fromStdWString(pad.wstring());
#else
  return QFile::decodeName(QByteArray::fromStdString(pad.string()));
#endif
}

bool WeigerToets(TekstVak& vak, const QString& getypt, const QString& toegestaan) {
  bool geweigerd = false, aanvaard = false;
  for (QChar c : getypt) {
    if (c == QChar('\b')) aanvaard = true;
    else if (c.unicode() < 0x20 || c.unicode() == 0x7f) continue;
    else if (toegestaan.contains(c)) aanvaard = true;
    else geweigerd = true;
  }
  if (geweigerd) vak.ZetAchtergrond(kRood);
  else if (aanvaard) vak.ZetAchtergrond(kLichtGeel);
  return geweigerd;
}

bool IsVeldVerlaten(const QFocusEvent* event) {
  const auto reden = event->reason();
  return reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason;
}

std::string LineEditVak::Tekst() const { return edit_->text().toStdString(); }

void LineEditVak::ZetTekst(const std::string& tekst) { edit_->setText(QString::fromStdString(tekst)); }

std::string LineEditVak::Tag() const { return edit_->property("tag").toString().toStdString(); }

void LineEditVak::ZetTag(QLineEdit* edit, const QString& tag) { edit->setProperty("tag", tag); }

void LineEditVak::ZetAchtergrond(Kleur k) {
  QPalette pal = edit_->palette();
  pal.setColor(QPalette::Base, QColor(k.r, k.g, k.b));
  edit_->setPalette(pal);
}

Kleur LineEditVak::Achtergrond(const QLineEdit* edit) {
  const QColor c = edit->palette().color(QPalette::Base);
  return Kleur{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

void LineEditVak::ZetToolTip(const std::string& tip) { edit_->setToolTip(QString::fromStdString(tip)); }

void LineEditVak::VraagFocus() {
  if (edit_->isEnabled()) edit_->setFocus(Qt::OtherFocusReason);
}

void LineEditVak::ZetIngeschakeld(bool aan) { edit_->setEnabled(aan); }


QPushButton* MaakKnop(const QString& tekst, const char* naam, QWidget* ouder) {
  auto* knop = new QPushButton(tekst, ouder);
  knop->setObjectName(naam);
  knop->setAutoDefault(false);
  return knop;
}

}  // namespace tarvo
