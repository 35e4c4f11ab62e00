#include "tools/Omrekenen.h"

#include "base/Getal.h"
#include "calc/Velden.h"

namespace tarvo {

double& Verdeling::Vak(int index) {
  if (index <= 0) return etmaal;
  const int rij = (index - 1) / 3;  // 0 hourly, 1..4 shares
  const auto p = static_cast<std::size_t>((index - 1) % 3 + 1);
  if (rij == 0) return uurPercentage[p];
  return aandeel[static_cast<std::size_t>(rij - 1)][p];
}

VerdelingControle ControleerVerdeling(const Verdeling& v) {
  if (v.etmaal == 0) return {false, kGeenEtmaal, 0};
  for (int p = 1; p <= 3; ++p) {
    const auto i = static_cast<std::size_t>(p);
    if (kPeriodeUren[i] * v.uurPercentage[i] > 100) return {false, kFouteUurpercentages, p};
  }
  for (int p = 1; p <= 3; ++p) {
    const auto i = static_cast<std::size_t>(p);
    const double som = v.aandeel[0][i] + v.aandeel[1][i] + v.aandeel[2][i] + v.aandeel[3][i];
    // No tolerance: the shares are typed with two decimals, so a true 100 adds up exactly.
    if (v.uurPercentage[i] != 0 && som != 100) return {false, kFouteVoertuigpercentages, p + 3};
  }
  return {};
}

double Aantal(const Verdeling& v, int s, int p) {
  const auto i = static_cast<std::size_t>(p);
  return v.uurPercentage[i] * v.etmaal / 100 * v.aandeel[static_cast<std::size_t>(s)][i] / 100 * kPeriodeUren[i];
}

int DoelVeld(int rij, int periode) {
  // Count rows start with motorcycles; the worksheet's categories with light vehicles.
  static constexpr int kCategorie[kAantalRijen] = {3, 0, 1, 2, 4, 5};
  return IntensiteitVeld(kCategorie[rij], periode);
}

double Uurintensiteit(double aantal, int periode) { return aantal / kPeriodeUren[static_cast<std::size_t>(periode)]; }

std::optional<std::string> UurTekst(std::string_view aantalTekst, int periode, char decimaal) {
  const auto aantal = GecontroleerdGetal(aantalTekst, kToepasBereik);
  if (!aantal) return std::nullopt;
  return Formatteer(Uurintensiteit(*aantal, periode), kAantalPatroon, decimaal);
}

}  // namespace tarvo
