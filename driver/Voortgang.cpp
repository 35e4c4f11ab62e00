#include "driver/Voortgang.h"

namespace tarvo {
namespace {

constexpr auto kStilleStart = std::chrono::seconds(1);
constexpr auto kTussenpoos = std::chrono::milliseconds(250);

std::string Gegroepeerd(std::size_t n, char groep) {
  std::string cijfers = std::to_string(n);
  for (auto i = static_cast<std::ptrdiff_t>(cijfers.size()) - 3; i > 0; i -= 3) {
    cijfers.insert(static_cast<std::size_t>(i), 1, groep);
  }
  return cijfers;
}

}  // namespace

std::string Voortgang::Regel(std::size_t rijen, Klok::time_point nu) {
  const double seconden = std::chrono::duration<double>(nu - begin_).count();
  const auto perSeconde = seconden > 0 ? static_cast<std::size_t>(static_cast<double>(rijen) / seconden) : 0;
  std::string regel =
      Gegroepeerd(rijen, groep_) + " rijen berekend, " + Gegroepeerd(perSeconde, groep_) + " rijen per seconde";
  // A shorter line than the one before must cover all of it.
  if (regel.size() < breedte_) regel.append(breedte_ - regel.size(), ' ');
  breedte_ = regel.size();
  ooitGetoond_ = true;
  getoond_ = nu;
  return "\r" + regel;
}

std::optional<std::string> Voortgang::Bij(std::size_t rijen, Klok::time_point nu) {
  if (nu - begin_ < kStilleStart) return std::nullopt;
  if (ooitGetoond_ && nu - getoond_ < kTussenpoos) return std::nullopt;
  return Regel(rijen, nu);
}

std::optional<std::string> Voortgang::Slot(std::size_t rijen, Klok::time_point nu) {
  if (!ooitGetoond_) return std::nullopt;
  return Regel(rijen, nu) + "\n";
}

}  // namespace tarvo
