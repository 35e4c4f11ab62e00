#include "calc/Wegdek.h"

#include <stdexcept>

namespace tarvo {

double& Wegdek::Coefficient(int k) {
  switch (k) {
    case 1: return DL_lv;
    case 2: return b_lv;
    case 3: return DL_mv;
    case 4: return b_mv;
    case 5: return DL_zv;
    case 6: return b_zv;
    default: throw std::out_of_range("coefficient");
  }
}

double Wegdek::Coefficient(int k) const { return const_cast<Wegdek*>(this)->Coefficient(k); }

const Wegdek& Catalogus::Op(int positie) const {
  return Wegdekken[static_cast<std::size_t>(GeldigePositie(positie))];
}

}  // namespace tarvo
