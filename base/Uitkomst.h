#pragma once
// How the core says that something did not work: a value, or a Dutch
// message for the user. The number is the one the window's generic error
// message shows ("Fout N - description."), which also tells one failure
// from another; 0 when there is none. A message meant for that generic
// message is its description, without a closing period; any other is a
// sentence of its own.
#include <cstdlib>
#include <string>
#include <utility>
#include <variant>

namespace tarvo {

struct Fout {
  std::string melding;
  int nummer = 0;
};

template <typename T>
class [[nodiscard]] Uitkomst {
 public:
  Uitkomst(T waarde) : inhoud_(std::in_place_index<0>, std::move(waarde)) {}
  Uitkomst(Fout fout) : inhoud_(std::in_place_index<1>, std::move(fout)) {}

  bool Gelukt() const { return inhoud_.index() == 0; }
  explicit operator bool() const { return Gelukt(); }

  // Only after success; asking a failure for its value is a programming error.
  T& operator*() { return *Waarde(); }
  const T& operator*() const { return *Waarde(); }
  T* operator->() { return Waarde(); }
  const T* operator->() const { return Waarde(); }

  // Only after failure.
  const Fout& Reden() const { return *Controleer(std::get_if<1>(&inhoud_)); }
  const std::string& Melding() const { return Reden().melding; }
  int Nummer() const { return Reden().nummer; }

 private:
  template <typename P>
  static P* Controleer(P* p) {
    if (p == nullptr) std::abort();
    return p;
  }
  T* Waarde() { return Controleer(std::get_if<0>(&inhoud_)); }
  const T* Waarde() const { return Controleer(std::get_if<0>(&inhoud_)); }

  std::variant<T, Fout> inhoud_;
};

// Success without a value.
template <>
class [[nodiscard]] Uitkomst<void> {
 public:
  Uitkomst() = default;
  Uitkomst(Fout fout) : fout_(std::move(fout)), gelukt_(false) {}

  bool Gelukt() const { return gelukt_; }
  explicit operator bool() const { return gelukt_; }

  const Fout& Reden() const {
    if (gelukt_) std::abort();
    return fout_;
  }
  const std::string& Melding() const { return Reden().melding; }
  int Nummer() const { return Reden().nummer; }

 private:
  Fout fout_;
  bool gelukt_ = true;
};

}  // namespace tarvo
