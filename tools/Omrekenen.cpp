#include "tools/Omrekenen.h"

#include <cmath>

#include "base/Getal.h"
#include "base/Tekst.h"
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

const GetalBereik& VakBereik(bool verdeling, int vak) {
  if (!verdeling) return kToepasBereik;
  return vak == 0 ? kEtmaalBereik : kPercentageBereik;
}

std::string_view VakTekens(bool verdeling, int vak) { return verdeling && vak > 0 ? kGetalTekens : kCijferTekens; }

std::vector<std::pair<int, std::string>> AantalTeksten(const Verdeling& v, char decimaal) {
  std::vector<std::pair<int, std::string>> teksten;
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    for (std::size_t s = 0; s < kVerdeelRijen.size(); ++s) {
      teksten.emplace_back(3 * kVerdeelRijen[s] + p - 1,
                           Formatteer(Aantal(v, static_cast<int>(s), p), kAantalPatroon, decimaal));
    }
  }
  return teksten;
}

std::optional<std::string> UurTekst(std::string_view aantalTekst, int periode, char decimaal) {
  const auto aantal = GecontroleerdGetal(aantalTekst, kToepasBereik);
  if (!aantal) return std::nullopt;
  return Formatteer(Uurintensiteit(*aantal, periode), kAantalPatroon, decimaal);
}

namespace {

// A value as its box would take it, or why not.
Uitkomst<double> Waarde(std::string_view tekst, const GetalBereik& bereik, const std::string& kolom) {
  if (BijgesnedenDeel(tekst).empty()) return Fout{"Kolom " + kolom + " is leeg."};
  const auto x = GecontroleerdGetal(tekst, bereik);
  if (!x) return Fout{"Kolom " + kolom + ": '" + std::string(tekst) + "' is geen getal."};
  if (OverschredenGrens(tekst, bereik)) {
    return Fout{"Kolom " + kolom + ": " + std::string(tekst) + " ligt buiten " + BereikTekst(bereik) + "."};
  }
  return *x;
}

}  // namespace

Uitkomst<std::vector<std::pair<int, std::string>>> UurTekstenUitEtmaal(const Etmaalgegevens& g, char decimaal) {
  Verdeling v;
  auto etmaal = Waarde(g.etmaal, {99999999, 0, "##0.00"}, "etmaal");
  if (!etmaal) return etmaal.Reden();
  double dag = *etmaal;
  if (!BijgesnedenDeel(g.factor).empty()) {
    const auto factor = Waarde(g.factor, {100, 0, "##0.000"}, "factor");
    if (!factor) return factor.Reden();
    dag *= *factor;
  }
  if (BijgesnedenDeel(g.groei).empty() != BijgesnedenDeel(g.jaren).empty()) {
    return Fout{"Kolommen groei en jaren horen bij elkaar: vul beide in of geen van beide."};
  }
  if (!BijgesnedenDeel(g.groei).empty()) {
    const auto groei = Waarde(g.groei, {100, -100, "##0.00"}, "groei");
    if (!groei) return groei.Reden();
    const auto jaren = Waarde(g.jaren, {100, 0, "#0"}, "jaren");
    if (!jaren) return jaren.Reden();
    dag *= std::pow(1 + *groei / 100, *jaren);
  }
  // The daily count as a user would type it into the window's box.
  const std::string getypt = Formatteer(dag, kEtmaalBereik.patroon, '.');
  const auto afgerond = GecontroleerdGetal(getypt, kEtmaalBereik);
  if (!afgerond || OverschredenGrens(getypt, kEtmaalBereik)) {
    return Fout{"De etmaalintensiteit " + Formatteer(dag, "#0", decimaal) + " ligt buiten " +
                BereikTekst(kEtmaalBereik) + "."};
  }
  v.etmaal = *afgerond;
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    const auto i = static_cast<std::size_t>(p);
    auto uur = Waarde(g.uur[i], kPercentageBereik, PeriodeKolom("uur", p));
    if (!uur) return uur.Reden();
    v.uurPercentage[i] = *uur;
    for (std::size_t s = 0; s < kAandeelNamen.size(); ++s) {
      auto aandeel = Waarde(g.aandeel[s][i], kPercentageBereik, AandeelKolom(s, p));
      if (!aandeel) return aandeel.Reden();
      v.aandeel[s][i] = *aandeel;
    }
  }
  if (const VerdelingControle c = ControleerVerdeling(v); !c.ok) {
    const int p = c.focusVak == 0 ? 0 : (c.focusVak - 1) % 3 + 1;
    std::string kolom = c.focusVak == 0   ? "etmaal"
                        : c.focusVak <= 3 ? PeriodeKolom("uur", p)
                                          : PeriodeKolom("aandeel_*", p);
    return Fout{std::string(c.melding) + " (" + kolom + ")."};
  }
  // Each count as "Omrekenen" shows it, then "Toepassen".
  std::vector<std::pair<int, std::string>> teksten;
  for (const auto& [vak, aantal] : AantalTeksten(v, '.')) {
    const int p = vak % 3 + 1;
    teksten.emplace_back(DoelVeld(vak / 3, p), *UurTekst(aantal, p, decimaal));
  }
  return teksten;
}

}  // namespace tarvo
