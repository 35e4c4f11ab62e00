#pragma once
// The control interfaces of the core on real widgets.
#include <QCheckBox>
#include <QLineEdit>
#include <QString>
#include <filesystem>
#include <string_view>

#include "calc/Bediening.h"

class QFocusEvent;
class QPushButton;
class QWidget;

namespace tarvo {

// A core text (UTF-8) as Qt's string.
inline QString QTekst(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A path between Qt and the core, in the file system's own encoding.
std::filesystem::path NaarPad(const QString& pad);
QString QPad(const std::filesystem::path& pad);

// A typed text judged against the characters a box accepts, and the box
// coloured by it: red when refused, light yellow when accepted. Backspace
// counts as accepted; other control characters (editing and clipboard keys)
// are no typed character and change nothing. True when the key must be
// swallowed.
bool WeigerToets(TekstVak& vak, const QString& getypt, const QString& toegestaan);

// Whether losing the focus means the user left the field: a message box or
// another window taking the focus is no leaving.
bool IsVeldVerlaten(const QFocusEvent* event);

// A button of a side window that Enter does not press: Enter belongs to the fields.
QPushButton* MaakKnop(const QString& tekst, const char* naam, QWidget* ouder);

class LineEditVak : public TekstVak {
 public:
  explicit LineEditVak(QLineEdit* edit) : edit_(edit) {}
  std::string Tekst() const override;
  void ZetTekst(const std::string& tekst) override;
  std::string Tag() const override;  // the widget's "tag" property
  void ZetAchtergrond(Kleur kleur) override;
  void ZetToolTip(const std::string& tip) override;
  void VraagFocus() override;
  void ZetIngeschakeld(bool aan) override;
  QLineEdit* Widget() const { return edit_; }

  static void ZetTag(QLineEdit* edit, const QString& tag);
  static Kleur Achtergrond(const QLineEdit* edit);

 private:
  QLineEdit* edit_;
};

class CheckBoxVak : public Vinkvak {
 public:
  explicit CheckBoxVak(QCheckBox* box) : box_(box) {}
  int Waarde() const override { return box_->isChecked() ? 1 : 0; }
  void ZetWaarde(int waarde) override { box_->setChecked(waarde == 1); }  // toggled, never clicked
  void ZetIngeschakeld(bool aan) override { box_->setEnabled(aan); }

 private:
  QCheckBox* box_;
};

}  // namespace tarvo
