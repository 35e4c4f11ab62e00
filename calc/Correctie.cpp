#include "calc/Correctie.h"

#include <array>
#include <cmath>

#include "base/Getal.h"
#include "base/Tekst.h"

namespace tarvo {
namespace {

constexpr std::array<std::string_view, 8> kKleineAftrek = {
    "1L ZOAB",
    "2L ZOAB",
    "uitgeborsteld beton",
    "geoptim. uitgeborsteld beton",
    "oppervlaktebewerking",
    "gewone elementenverharding",
    "stille elementenverharding",
    "elementenverharding, keperverb",
};

}  // namespace

bool HeeftKleineArt35Aftrek(std::string_view omschrijving) {
  const std::string_view naam = ZonderBlanks(omschrijving);
  for (std::string_view n : kKleineAftrek) {
    if (naam == n) return true;
  }
  return false;
}

void Correctie(Werkblad& ws, bool zone, const Catalogus& catalogus, int p) {
  const auto i = static_cast<std::size_t>(p);
  if (ws.Qtotaal[i] == 0) return;

  const double aKruising = ws.AfstandKruising;
  if (aKruising <= 0) {
    ws.Ckruising[i] = 0;
  } else if (zone) {
    ws.Ckruising[i] = 5 - 0.033 * aKruising;
  } else {
    ws.Ckruising[i] = (0.01 * ws.Vrachtverkeer[i] + 1.4) - 0.01 * aKruising;
  }

  const double aObstakel = ws.AfstandObstakel;
  if (aObstakel <= 0) {
    ws.Cobstakel[i] = 0;
  } else if (zone) {
    ws.Cobstakel[i] = 2.2 - 0.022 * aObstakel;
  } else {
    ws.Cobstakel[i] = (0.004 * ws.Vrachtverkeer[i] + 0.65) - 0.007 * aObstakel;
  }

  // Only the chosen one is clamped; either may be negative on its own.
  ws.Coptrek[i] = ws.Cobstakel[i] > ws.Ckruising[i] ? ws.Cobstakel[i] : ws.Ckruising[i];
  if (ws.Coptrek[i] < 0) ws.Coptrek[i] = 0;

  ws.Crefl = ws.Objectfractie > 0 ? 1.5 * ws.Objectfractie : 0;

  const double r = ws.AfstandSchuin;
  ws.Dafstand = 10 * Lg(r);
  ws.Dlucht = std::pow(r, 0.9) * 0.01;
  ws.Dmeteo = 3.5 - 3.5 * std::exp((-0.04 * r) / ((ws.Wegdekhoogte + ws.Waarneemhoogte) + 0.75));
  double s = std::exp(-0.65 * (ws.Wegdekhoogte + 0.75)) + std::exp(-0.65 * ws.Waarneemhoogte);
  s = (1 - std::exp(-0.04 * r)) * s;
  s = s * 4 + 2;
  ws.Dbodem = s * ws.Bodemfactor;
  ws.Czichthoek = 10 * Lg(127 / ws.Zichthoek);

  ws.Cwegdek[i] = ws.EmissieWeg[i] - ws.EmissieGetal[i];

  if (ws.Vlv >= 70) {
    ws.Art35Vlag = true;
    ws.Art35Aftrek = HeeftKleineArt35Aftrek(catalogus.Op(ws.WegdekKeuze).Omschrijving) ? -1 : -2;
    ws.Cwegdek[i] = ws.Cwegdek[i] + ws.Art35Aftrek;
  } else {
    ws.Art35Vlag = false;
  }

  ws.LAeq[i] = ws.EmissieGetal[i] + ws.Cwegdek[i] + ws.Coptrek[i] + ws.Crefl - ws.Dafstand - ws.Dbodem -
               ws.Dlucht - ws.Dmeteo - ws.Czichthoek;
  if (ws.LAeq[i] < 0) ws.LAeq[i] = 0;

  ws.LAeqEtm[i] = ws.Etmaalcorrectie[i] + ws.LAeq[i];
  if (ws.LAeqEtm[i] < 0) ws.LAeqEtm[i] = 0;

  if (ws.Letmaal <= ws.LAeqEtm[i]) ws.Letmaal = ws.LAeqEtm[i];
  if (ws.Letmaal < 0) ws.Letmaal = 0;
}

}  // namespace tarvo
