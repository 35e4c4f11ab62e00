#include "tools/Diagram.h"

#include <algorithm>
#include <cmath>

#include "base/Drijvend.h"
#include "base/Getal.h"
#include "calc/Bereken.h"

namespace tarvo {
namespace {

// The chart keeps a value as text of 15 significant digits; the axis bounds
// are taken from that text, so a level a hair below 70 counts as 70.
double AlsGrafiekWaarde(double x) {
  char buf[40];
  const auto res = SchrijfDrijvend(buf, buf + sizeof buf, x, std::chars_format::general, 15);
  double terug = 0;
  LeesDrijvend(buf, res.ptr, terug);
  return terug;
}

}  // namespace

MaxAfstand LeesMaxAfstand(std::string_view antwoord) {
  if (antwoord.empty()) return {DiagramUitkomst::Leeg, 0};
  if (!IsGetal(antwoord)) return {DiagramUitkomst::Geweigerd, 0};
  double s = LeesGetal(antwoord);
  if (s < kDiagramMinAfstand)
    s = kDiagramMinAfstand;
  else if (s > kDiagramMaxAfstand)
    s = kDiagramMaxAfstand;
  return {DiagramUitkomst::Gegevens, s};
}

std::optional<double> LeesDiagramAfstand(std::string_view tekst) {
  if (!IsGetal(tekst)) return std::nullopt;
  const double s = LeesGetal(tekst);
  if (s < kDiagramMinAfstand || s > kDiagramMaxAfstand) return std::nullopt;
  return s;
}

NiveauAs BepaalNiveauAs(double ldenBijEen, std::optional<double> ldenBijS) {
  NiveauAs as;
  // The division count is a 16-bit number: infinity has none.
  if (!std::isfinite(ldenBijEen) || (ldenBijS && !std::isfinite(*ldenBijS))) return as;
  as.ymax = std::floor(AlsGrafiekWaarde(ldenBijEen));
  if (ldenBijS) as.ymin = std::floor(AlsGrafiekWaarde(*ldenBijS));
  as.ymax = as.ymax - std::fmod(as.ymax, 10) + 10;
  as.ymin = as.ymin - std::fmod(as.ymin, 10);
  as.delingen = static_cast<std::int16_t>(std::nearbyint(std::fabs(as.ymax - as.ymin) / 10));
  return as;
}

DiagramGegevens BerekenDiagram(const Invoer& invoer, const Catalogus& catalogus, double s) {
  DiagramGegevens g;
  std::optional<double> bijS;
  Invoer in = invoer;
  // The chart's row count takes s rounded halves to even.
  const int n = static_cast<int>(std::nearbyint(s));
  g.rijen.reserve(static_cast<std::size_t>(std::max(n, 0)));
  for (int i = 1; i <= n; ++i) {
    in.getal[veld::kAfstandHor] = i;
    const double lden = LdenUitPeriodes(BerekenPeriodes(in, catalogus));
    std::string label(1, ' ');  // the sign position of a non-negative number
    label += std::to_string(i - 1);
    g.rijen.push_back({std::move(label), AlsGrafiekWaarde(lden)});
    if (i == s) bijS = lden;
  }
  const NiveauAs as = BepaalNiveauAs(g.rijen.empty() ? 0 : g.rijen.front().lden, bijS);
  g.ymax = as.ymax, g.ymin = as.ymin, g.delingen = as.delingen;
  return g;
}

std::string DiagramCsv(const DiagramGegevens& gegevens, char decimaal, std::string_view regeleinde) {
  std::string uit = "afstand (m);" + std::string(kDiagramAsNiveau);
  uit += regeleinde;
  for (std::size_t i = 0; i < gegevens.rijen.size(); ++i) {
    uit += std::to_string(i + 1) + ";" + Formatteer(gegevens.rijen[i].lden, "##0.00", decimaal);
    uit += regeleinde;
  }
  return uit;
}

}  // namespace tarvo
