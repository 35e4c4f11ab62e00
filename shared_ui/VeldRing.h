#pragma once
// The entry fields of a window as rings, the same in every window: the whole
// text selected when a field takes the focus, Enter and Down to the next
// enabled field of its ring, Up to the previous one, Escape, a key filter
// per field, and a word when the user leaves a field. What a window does
// beyond that it hears through the signals.
#include <QHash>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

class QKeyEvent;
class QLineEdit;

namespace tarvo {

class VeldRing : public QObject {
  Q_OBJECT
 public:
  // Escape empties the field, or is left to the window: a dialog closes
  // as with Cancel.
  enum class Escape { Leegmaken, Sluiten };

  struct Veld {
    QLineEdit* edit;
    std::optional<QString> toegestaan;  // the characters it takes; nothing: every key
  };

  explicit VeldRing(Escape escape, QObject* ouder = nullptr);

  // One ring, in the order Enter walks it.
  void VoegRingToe(const std::vector<Veld>& velden);

  // The field Enter or Down (vooruit) or Up leads to from this one: the next
  // enabled field of its ring in that direction; nullptr when there is none.
  QLineEdit* Volgende(const QLineEdit* van, bool vooruit) const;

 signals:
  void Binnen(QLineEdit* veld);     // took the focus
  void Verlaten(QLineEdit* veld);   // the user left the enabled field
  void Geweigerd(QLineEdit* veld);  // a typed key was refused

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  struct Plek {
    std::size_t ring;
    std::size_t index;
    std::optional<QString> toegestaan;
  };
  bool Toets(QLineEdit* veld, const Plek& plek, const QKeyEvent* toets);
  void Binnenkomen(QLineEdit* veld);

  Escape escape_;
  std::vector<std::vector<QLineEdit*>> ringen_;
  QHash<const QObject*, Plek> plekken_;
};

}  // namespace tarvo
