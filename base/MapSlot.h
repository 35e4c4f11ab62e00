#pragma once
// Saves into one folder take turns: each holds the folder's lock from the
// moment its new file is complete until that file has taken the old one's
// place, so that two saves of one file end with the whole of the last one
// and each reports what happened to its own. Nobody waits for ever: a lock
// still held after the waiting time is a failure of the save.
#include <chrono>
#include <functional>

#include "base/Plek.h"

namespace tarvo {

class MapSlot {
 public:
  enum class Uitslag {
    Vast,        // this save holds the lock
    Alleen,      // the folder cannot be locked (not readable, no locks there): the save goes on alone
    Onmogelijk,  // this build has no locks at all (Node): the save goes on alone, and says so
    Bezet,       // another save still held it when the waiting time was over
  };

  // `bijWachten` runs once when the lock is taken by another.
  MapSlot(const Map& map, std::chrono::milliseconds wachttijd, const std::function<void()>& bijWachten);

  Uitslag Toestand() const { return uitslag_; }

 private:
  Descriptor fd_;  // closing it releases the lock
  Uitslag uitslag_ = Uitslag::Alleen;
};

}  // namespace tarvo
