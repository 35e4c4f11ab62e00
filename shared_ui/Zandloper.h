#pragma once
// The hourglass pointer for as long as the object lives.
#include <QApplication>

namespace tarvo {

class Zandloper {
 public:
  Zandloper() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Zandloper() { Stop(); }
  Zandloper(const Zandloper&) = delete;
  Zandloper& operator=(const Zandloper&) = delete;

  // Back to the normal pointer early, before a message box.
  void Stop() {
    if (actief_) QApplication::restoreOverrideCursor();
    actief_ = false;
  }

 private:
  bool actief_ = true;
};

// What `werk` returns, worked out under the hourglass: the pointer is back
// before the caller shows anything of it.
template <typename Werk>
auto MetZandloper(Werk werk) {
  Zandloper zandloper;
  return werk();
}

}  // namespace tarvo
