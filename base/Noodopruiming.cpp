#include "base/Noodopruiming.h"

#ifdef __EMSCRIPTEN__
// Under Node a signal ends the process without the program's say.
namespace tarvo {
Noodopruiming::Noodopruiming() = default;
Noodopruiming::~Noodopruiming() = default;
void Noodopruiming::Meld(int, const char*) {}
void Noodopruiming::Vergeet() {}
}  // namespace tarvo
#else
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>
#include <mutex>

namespace tarvo {
namespace {

// Every signal whose default action ends the process and that a program can catch.
constexpr int kSignalen[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM, SIGPIPE,   SIGALRM,
                             SIGUSR1, SIGUSR2, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF};
constexpr int kVrij = -1, kBezet = -2;

struct Plaats {
  std::atomic<int> map{kVrij};  // kVrij, kBezet while it is being filled, or the folder
  char naam[64] = {};
};

// A signal handler can only reach what lives for the whole process: the
// names of the saves under way, and the actions they took over.
struct Toestand {
  Plaats plaatsen[16];
  std::mutex slot;
  int lopend = 0;  // saves under way
  bool overgenomen[std::size(kSignalen)] = {};
};

Toestand& Gedeeld() {
  static Toestand toestand;
  return toestand;
}

extern "C" void RuimOpEnEindig(int signaal) {
  const int bewaard = errno;
  for (Plaats& p : Gedeeld().plaatsen) {
    const int map = p.map.load();
    if (map >= 0) ::unlinkat(map, p.naam, 0);
  }
  struct sigaction standaard {};
  standaard.sa_handler = SIG_DFL;
  sigemptyset(&standaard.sa_mask);
  ::sigaction(signaal, &standaard, nullptr);
  // Blocked until the handler returns, then delivered with its own action.
  ::raise(signaal);
  errno = bewaard;
}

}  // namespace

Noodopruiming::Noodopruiming() {
  Toestand& t = Gedeeld();
  const std::lock_guard<std::mutex> vast(t.slot);
  if (t.lopend++ > 0) return;
  for (std::size_t i = 0; i < std::size(kSignalen); ++i) {
    struct sigaction huidig {};
    if (::sigaction(kSignalen[i], nullptr, &huidig) != 0) continue;
    if ((huidig.sa_flags & SA_SIGINFO) != 0 || huidig.sa_handler != SIG_DFL) continue;
    struct sigaction eigen {};
    eigen.sa_handler = RuimOpEnEindig;
    sigfillset(&eigen.sa_mask);
    eigen.sa_flags = SA_RESTART;
    t.overgenomen[i] = ::sigaction(kSignalen[i], &eigen, nullptr) == 0;
  }
}

Noodopruiming::~Noodopruiming() {
  Vergeet();
  Toestand& t = Gedeeld();
  const std::lock_guard<std::mutex> vast(t.slot);
  if (--t.lopend > 0) return;
  for (std::size_t i = 0; i < std::size(kSignalen); ++i) {
    if (!t.overgenomen[i]) continue;
    t.overgenomen[i] = false;
    struct sigaction huidig {};
    // A handler the program set meanwhile stays.
    if (::sigaction(kSignalen[i], nullptr, &huidig) != 0 || huidig.sa_handler != RuimOpEnEindig) continue;
    struct sigaction standaard {};
    standaard.sa_handler = SIG_DFL;
    sigemptyset(&standaard.sa_mask);
    ::sigaction(kSignalen[i], &standaard, nullptr);
  }
}

void Noodopruiming::Meld(int map, const char* naam) {
  Vergeet();
  if (std::strlen(naam) >= sizeof Plaats::naam) return;
  for (int i = 0; i < static_cast<int>(std::size(Gedeeld().plaatsen)); ++i) {
    Plaats& p = Gedeeld().plaatsen[i];
    int vrij = kVrij;
    if (!p.map.compare_exchange_strong(vrij, kBezet)) continue;
    std::strcpy(p.naam, naam);
    p.map.store(map);
    plaats_ = i;
    return;
  }
}

void Noodopruiming::Vergeet() {
  if (plaats_ < 0) return;
  Gedeeld().plaatsen[plaats_].map.store(kVrij);
  plaats_ = -1;
}

}  // namespace tarvo
#endif
