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

void Correctie(const Invoer& in, const Catalogus& catalogus, int p, Resultaten& r) {
  const auto i = static_cast<std::size_t>(p);
  if (r.Qtotaal[i] == 0) return;

  const double aKruising = in.AfstandKruising();
  if (aKruising <= 0) {
    r.Ckruising[i] = 0;
  } else if (in.zone) {
    r.Ckruising[i] = 5 - 0.033 * aKruising;
  } else {
    r.Ckruising[i] = (0.01 * r.Vrachtverkeer[i] + 1.4) - 0.01 * aKruising;
  }

  const double aObstakel = in.AfstandObstakel();
  if (aObstakel <= 0) {
    r.Cobstakel[i] = 0;
  } else if (in.zone) {
    r.Cobstakel[i] = 2.2 - 0.022 * aObstakel;
  } else {
    r.Cobstakel[i] = (0.004 * r.Vrachtverkeer[i] + 0.65) - 0.007 * aObstakel;
  }

  // Only the chosen one is clamped; either may be negative on its own.
  r.Coptrek[i] = r.Cobstakel[i] > r.Ckruising[i] ? r.Cobstakel[i] : r.Ckruising[i];
  if (r.Coptrek[i] < 0) r.Coptrek[i] = 0;

  r.Crefl = in.Objectfractie() > 0 ? 1.5 * in.Objectfractie() : 0;

  const double hw = in.Waarneemhoogte(), hweg = in.Wegdekhoogte();
  const double afstand = r.AfstandSchuin;
  r.Dafstand = 10 * Lg(afstand);
  r.Dlucht = std::pow(afstand, 0.9) * 0.01;
  r.Dmeteo = 3.5 - 3.5 * std::exp((-0.04 * afstand) / ((hweg + hw) + 0.75));
  double s = std::exp(-0.65 * (hweg + 0.75)) + std::exp(-0.65 * hw);
  s = (1 - std::exp(-0.04 * afstand)) * s;
  s = s * 4 + 2;
  r.Dbodem = s * in.Bodemfactor();
  r.Czichthoek = 10 * Lg(127 / in.Zichthoek());

  r.Cwegdek[i] = r.EmissieWeg[i] - r.EmissieGetal[i];

  if (in.Snelheid(categorie::kLv) >= 70) {
    r.Art35Vlag = true;
    r.Art35Aftrek = HeeftKleineArt35Aftrek(catalogus.Op(in.wegdek).Omschrijving) ? -1 : -2;
    r.Cwegdek[i] = r.Cwegdek[i] + r.Art35Aftrek;
  } else {
    r.Art35Vlag = false;
  }

  r.LAeq[i] = r.EmissieGetal[i] + r.Cwegdek[i] + r.Coptrek[i] + r.Crefl - r.Dafstand - r.Dbodem - r.Dlucht - r.Dmeteo -
              r.Czichthoek;
  if (r.LAeq[i] < 0) r.LAeq[i] = 0;

  r.LAeqEtm[i] = kEtmaalcorrectie[i] + r.LAeq[i];
  if (r.LAeqEtm[i] < 0) r.LAeqEtm[i] = 0;

  if (r.Letmaal <= r.LAeqEtm[i]) r.Letmaal = r.LAeqEtm[i];
  if (r.Letmaal < 0) r.Letmaal = 0;
}

}  // namespace tarvo
