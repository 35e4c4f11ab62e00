#pragma once
// SIGTERM (logout, shutdown, kill) ends the window program through the main
// window's own close path instead of killing it mid-work: the handler only
// writes a byte to a pipe, which the event loop reads.
#include <QObject>
#include <functional>

namespace tarvo {

class Signaalwacht : public QObject {
 public:
  // The handler, as early as possible: a signal that comes before the event
  // loop runs waits in the pipe. False when it could not be installed.
  static bool Installeer();

  // Once the application exists: `beeindig` runs in the event loop for each signal.
  explicit Signaalwacht(std::function<void()> beeindig, QObject* ouder = nullptr);
};

}  // namespace tarvo
