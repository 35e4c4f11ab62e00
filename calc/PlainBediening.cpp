#include "calc/PlainBediening.h"

#include "calc/Velden.h"

namespace tarvo {

PlainWerkbladVenster::PlainWerkbladVenster() {
  for (int k = 0; k < kAantalVelden; ++k) invoer[static_cast<std::size_t>(k)].tag = std::string(Veld(k).tag);
}

}  // namespace tarvo
