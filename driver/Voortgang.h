#pragma once
// Progress of a long batch run on a terminal: one line, rewritten in place.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace tarvo {

class Voortgang {
 public:
  using Klok = std::chrono::steady_clock;

  // `decimaal` picks the thousands separator: the other one of ',' and '.'.
  Voortgang(char decimaal, Klok::time_point begin) : groep_(decimaal == ',' ? '.' : ','), begin_(begin) {}

  // The line for `rijen` rows done at `nu`, starting with a carriage
  // return, or nothing: a run shorter than a second shows none, after that
  // it changes a few times a second.
  std::optional<std::string> Bij(std::size_t rijen, Klok::time_point nu);

  // The last line with its line break once the run is over, or nothing
  // when no line was shown.
  std::optional<std::string> Slot(std::size_t rijen, Klok::time_point nu);

 private:
  std::string Regel(std::size_t rijen, Klok::time_point nu);

  char groep_;
  Klok::time_point begin_, getoond_{};
  bool ooitGetoond_ = false;
  std::size_t breedte_ = 0;
};

}  // namespace tarvo
