#pragma once
// How the worksheet's fields behave while the user types: the key filter
// per field class and the ring of fields and remark lines (VeldRing), the
// help text per control, and the check when a field is left.
#include <QHash>
#include <QObject>
#include <array>
#include <string>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "shared_ui/Dialogen.h"

class QLineEdit;
class QWidget;

namespace tarvo {

class VeldRing;

class VeldFilter : public QObject {
  Q_OBJECT
 public:
  VeldFilter(WerkbladVenster& venster, const std::array<QLineEdit*, 40>& velden,
             const std::array<QLineEdit*, 4>& toel, Werkblad& ws, Dialogen& dialogen, QObject* ouder = nullptr);

  // Another control whose focus sets the help text.
  void VolgHelp(QWidget* control, std::string_view tekst);

 signals:
  // The control that took the focus has this help text.
  void HelpTekst(const std::string& tekst);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  int VeldIndex(const QLineEdit* edit) const;
  int ToelIndex(const QLineEdit* edit) const;
  void Binnen(QLineEdit* edit);
  void Verlaten(QLineEdit* edit);

  WerkbladVenster& venster_;
  std::array<QLineEdit*, 40> velden_;
  std::array<QLineEdit*, 4> toel_;
  Werkblad& ws_;
  VeldRing* ring_;
  QHash<QObject*, std::string> helpVan_;
};

}  // namespace tarvo
