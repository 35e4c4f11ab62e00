#include "app/Signaalwacht.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace tarvo {
namespace {

int pijp[2] = {-1, -1};

// Async-signal-safe: one write, errno left as it was.
extern "C" void BijSignaal(int) {
  const int bewaard = errno;
  const char teken = 'T';
  [[maybe_unused]] const auto n = write(pijp[1], &teken, 1);
  errno = bewaard;
}

}  // namespace

bool Signaalwacht::Installeer() {
  if (pipe(pijp) != 0) return false;
  for (int kant : pijp) fcntl(kant, F_SETFD, FD_CLOEXEC);
  fcntl(pijp[1], F_SETFL, O_NONBLOCK);  // a full pipe already says enough
  struct sigaction actie {};
  actie.sa_handler = BijSignaal;
  sigemptyset(&actie.sa_mask);
  actie.sa_flags = SA_RESTART;
  return sigaction(SIGTERM, &actie, nullptr) == 0;
}

Signaalwacht::Signaalwacht(std::function<void()> beeindig, QObject* ouder) : QObject(ouder) {
  if (pijp[0] < 0) return;
  auto* melder = new QSocketNotifier(pijp[0], QSocketNotifier::Read, this);
  connect(melder, &QSocketNotifier::activated, this, [beeindig = std::move(beeindig)] {
    char teken;
    if (read(pijp[0], &teken, 1) == 1) beeindig();
  });
}

}  // namespace tarvo
