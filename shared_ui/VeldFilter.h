#pragma once
// How the worksheet's fields behave while the user types: the key filter
// per field and the ring of fields and remark lines (VeldRing), the help
// text per control, the check of a number field when it is left, and a
// word when a full remark line refuses a key.
#include <QHash>
#include <QObject>
#include <array>
#include <string>
#include <string_view>

#include "calc/Velden.h"

class QLineEdit;
class QWidget;

namespace tarvo {

class Dialogen;
class VeldRing;

class VeldFilter : public QObject {
  Q_OBJECT
 public:
  // Numbers are shown with `decimaal`.
  VeldFilter(const std::array<QLineEdit*, kAantalVelden>& velden,
             const std::array<QLineEdit*, kAantalToelichtingen>& toelichting, char decimaal, Dialogen& dialogen,
             QObject* ouder = nullptr);

  // Another control whose focus sets the help text.
  void VolgHelp(QWidget* control, std::string_view tekst);

 signals:
  // The control that took the focus has this help text.
  void HelpTekst(const std::string& tekst);
  // What the status bar tells: leaving a field clamped its number, or a
  // remark line was too full to take a typed key.
  void Melding(const std::string& melding);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  int VeldIndex(const QLineEdit* edit) const;
  bool IsToelichting(const QObject* object) const;
  void MeldHelp(QLineEdit* edit);
  void ControleerVeld(QLineEdit* edit);

  std::array<QLineEdit*, kAantalVelden> velden_;
  std::array<QLineEdit*, kAantalToelichtingen> toelichting_;
  char decimaal_;
  VeldRing* ring_;
  QHash<QObject*, std::string> helpVan_;
};

}  // namespace tarvo
