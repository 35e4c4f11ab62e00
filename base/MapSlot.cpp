#include "base/MapSlot.h"

#include <fcntl.h>
#include <sys/file.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace tarvo {
#ifndef __EMSCRIPTEN__
namespace {

enum class Poging { Gelukt, Bezet, Onmogelijk };

Poging Probeer(int fd) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) return Poging::Bezet;
    if (errno != EINTR) return Poging::Onmogelijk;
  }
  return Poging::Gelukt;
}

}  // namespace
#endif

MapSlot::MapSlot([[maybe_unused]] const Map& map, [[maybe_unused]] std::chrono::milliseconds wachttijd,
                 [[maybe_unused]] const std::function<void()>& bijWachten) {
#ifdef __EMSCRIPTEN__
  // Node has no file locks, and Emscripten's flock says yes to everything.
  uitslag_ = Uitslag::Onmogelijk;
#else
  using Klok = std::chrono::steady_clock;
  fd_ = Descriptor(::openat(map.Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd_.Open()) return;
  Poging poging = Probeer(fd_.Fd());
  if (poging == Poging::Bezet) {
    if (bijWachten) bijWachten();
    const Klok::time_point einde = Klok::now() + wachttijd;
    // Short steps first: a save holds the lock only for a moment.
    std::chrono::milliseconds pauze(1);
    while (poging == Poging::Bezet && Klok::now() < einde) {
      std::this_thread::sleep_for(std::min<Klok::duration>(pauze, einde - Klok::now()));
      pauze = std::min(pauze * 2, std::chrono::milliseconds(50));
      poging = Probeer(fd_.Fd());
    }
  }
  uitslag_ = poging == Poging::Gelukt ? Uitslag::Vast : poging == Poging::Bezet ? Uitslag::Bezet : Uitslag::Alleen;
#endif
}

}  // namespace tarvo
