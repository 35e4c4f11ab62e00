#pragma once
// Share of residents annoyed by road-traffic noise at a given Lden (TNO).
namespace tarvo {

inline constexpr double kBandOnder = 45;
inline constexpr double kBandBoven = 75;

// The polynomials hold only from 45 to 75 dB, both included.
bool BinnenBand(double lden);

struct Gehinderden {
  double licht = 0, normaal = 0, ernstig = 0;  // percent at least slightly / moderately / severely annoyed
};

Gehinderden BerekenGehinderden(double lden);

}  // namespace tarvo
