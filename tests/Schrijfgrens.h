#pragma once
// Writes in this process fail beyond `bytes` (EFBIG), as on a disk that
// fills up under the save, for as long as the object lives.
#include <sys/resource.h>

#include <csignal>

namespace tarvo::test {

class Schrijfgrens {
 public:
  explicit Schrijfgrens(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &oud_);
    vorig_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit nieuw = oud_;
    nieuw.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &nieuw);
  }
  ~Schrijfgrens() {
    setrlimit(RLIMIT_FSIZE, &oud_);
    std::signal(SIGXFSZ, vorig_);
  }
  Schrijfgrens(const Schrijfgrens&) = delete;
  Schrijfgrens& operator=(const Schrijfgrens&) = delete;

 private:
  rlimit oud_{};
  void (*vorig_)(int) = nullptr;
};

}  // namespace tarvo::test
