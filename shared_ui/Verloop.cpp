#include "shared_ui/Verloop.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarvo {
namespace {

float Stap(int van, int naar, int hoogte) {
  const float stap = static_cast<float>(std::abs(naar - van)) / static_cast<float>(hoogte);
  return naar < van ? -stap : stap;
}

int Kanaal(int van, float stap, int y) {
  // nearbyint follows the default rounding mode: halves go to the even neighbour.
  const float waarde = static_cast<float>(van) + stap * static_cast<float>(y);
  return std::clamp(static_cast<int>(std::nearbyint(waarde)), 0, 255);
}

}  // namespace

std::vector<QColor> VerloopKleuren(int hoogte, QColor van, QColor naar) {
  if (hoogte <= 0) return {van};
  const float dR = Stap(van.red(), naar.red(), hoogte);
  const float dG = Stap(van.green(), naar.green(), hoogte);
  const float dB = Stap(van.blue(), naar.blue(), hoogte);
  std::vector<QColor> lijnen;
  lijnen.reserve(static_cast<std::size_t>(hoogte) + 1);
  for (int y = 0; y <= hoogte; ++y) {
    lijnen.emplace_back(Kanaal(van.red(), dR, y), Kanaal(van.green(), dG, y), Kanaal(van.blue(), dB, y));
  }
  return lijnen;
}

void TekenVerloop(QPainter& painter, const QWidget& venster, QColor van, QColor naar) {
  const int breedte = venster.width();
  const auto lijnen = VerloopKleuren(venster.height(), van, naar);
  for (std::size_t y = 0; y < lijnen.size(); ++y) {
    painter.setPen(lijnen[y]);
    painter.drawLine(0, static_cast<int>(y), breedte, static_cast<int>(y));
  }
}

}  // namespace tarvo
