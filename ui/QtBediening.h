#pragma once
// The control interfaces of the core on real widgets.
#include <QCheckBox>
#include <QLineEdit>

#include "calc/Bediening.h"

class QFocusEvent;

namespace tarvo {

// Whether losing the focus means the user left the field: a message box or
// another window taking the focus is no leaving.
bool IsVeldVerlaten(const QFocusEvent* event);

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
  bool Ingeschakeld() const override;
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
