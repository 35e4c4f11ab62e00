#pragma once
// How the worksheet's fields behave while the user types: the key filter
// per field class, Enter and the arrows through the ring of fields and
// remark lines, select-all on entry, the help text per control, and the
// check when a field is left.
#include <QHash>
#include <QObject>
#include <array>
#include <string>
#include <vector>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "shared_ui/Dialogen.h"

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace tarvo {

class VeldFilter : public QObject {
  Q_OBJECT
 public:
  VeldFilter(WerkbladVenster& venster, const std::array<QLineEdit*, 40>& velden,
             const std::array<QLineEdit*, 4>& toel, Werkblad& ws, Dialogen& dialogen, std::string& helpTekst,
             QObject* ouder = nullptr);

  // Another control whose focus sets the help text.
  void VolgHelp(QWidget* control, std::string_view tekst);

  // The control Enter or Down (vooruit) or Up leads to from this one:
  // the next enabled control of the ring in that direction.
  QLineEdit* Volgende(const QLineEdit* van, bool vooruit) const;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  bool ToetsVeld(int k, QKeyEvent* toets);
  bool ToetsToel(int i, QKeyEvent* toets);
  bool Navigeer(QLineEdit* van, QKeyEvent* toets);
  void VeldVerlaten(int k);

  WerkbladVenster& venster_;
  std::array<QLineEdit*, 40> velden_;
  std::array<QLineEdit*, 4> toel_;
  std::vector<QLineEdit*> ring_;
  Werkblad& ws_;
  Dialogen& dialogen_;
  std::string& helpTekst_;
  QHash<QObject*, std::string> helpVan_;
};

}  // namespace tarvo
