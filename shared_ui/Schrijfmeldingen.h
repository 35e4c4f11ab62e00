#pragma once
// What a save says beyond success or failure, where a window's user looks.
#include <memory>
#include <string>
#include <vector>

#include "base/Bestand.h"

class QStatusBar;

namespace tarvo {

class Dialogen;

class Schrijfmeldingen {
 public:
  // The wait goes to `balk` (none: not shown) and is painted at once: the
  // save holds up the event loop for as long as it waits.
  explicit Schrijfmeldingen(QStatusBar* balk);

  const Schrijfwijze& Wijze() const { return wijze_; }

  // The remarks of the saves so far, one message titled `titel`; nothing
  // when there were none.
  void ToonOpmerkingen(Dialogen& dialogen, const std::string& titel) const;

 private:
  std::shared_ptr<std::vector<std::string>> opmerkingen_ = std::make_shared<std::vector<std::string>>();
  Schrijfwijze wijze_;
};

}  // namespace tarvo
