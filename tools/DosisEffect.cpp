#include "tools/DosisEffect.h"

namespace tarvo {

bool BinnenBand(double lden) { return lden >= kBandOnder && lden <= kBandBoven; }

Gehinderden BerekenGehinderden(double lden) {
  Gehinderden g;
  double x = lden - 32;
  g.licht = 1e-4 * -6.235 * x * x * x + 1e-2 * 5.509 * x * x + 0.6693 * x;
  x = lden - 37;
  g.normaal = 1e-4 * 1.795 * x * x * x + 1e-2 * 2.11 * x * x + 0.5353 * x;
  x = lden - 42;
  g.ernstig = 1e-4 * 9.868 * x * x * x - 1e-2 * 1.436 * x * x + 0.5118 * x;
  return g;
}

}  // namespace tarvo
