#include "calc/Correctie.h"

#include <algorithm>
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
  const std::string_view naam = BijgesnedenDeel(omschrijving);
  for (std::string_view n : kKleineAftrek) {
    if (naam == n) return true;
  }
  return false;
}

namespace {

// Letters and digits only, in lower case.
std::string Kern(std::string_view s) {
  std::string k;
  for (char c : s) {
    if (c >= 'A' && c <= 'Z') k += static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (c & 0x80)) k += c;
  }
  return k;
}

// Levenshtein distance, enough for names of 30 characters.
std::size_t Afstand(std::string_view a, std::string_view b) {
  std::vector<std::size_t> rij(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) rij[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonaal = rij[0];
    rij[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t boven = rij[j];
      rij[j] = std::min({rij[j] + 1, rij[j - 1] + 1, diagonaal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonaal = boven;
    }
  }
  return rij[b.size()];
}

// Words that name a kind of the eight, and the name they then most likely
// mean; the first row whose words all occur counts.
struct Soortwoorden {
  std::array<std::string_view, 2> woorden;  // the second may be empty
  std::string_view naam;
};
constexpr std::array<Soortwoorden, 9> kSoortwoorden = {{
    {{"zoab", "2l"}, "2L ZOAB"},
    {{"zoab", "tweelaags"}, "2L ZOAB"},
    {{"zoab", ""}, "1L ZOAB"},
    {{"oppervlak", ""}, "oppervlaktebewerking"},
    {{"optim", ""}, "geoptim. uitgeborsteld beton"},
    {{"uitgeborsteld", ""}, "uitgeborsteld beton"},
    {{"keper", ""}, "elementenverharding, keperverb"},
    {{"stil", "element"}, "stille elementenverharding"},
    {{"element", ""}, "gewone elementenverharding"},
}};

}  // namespace

std::optional<std::string_view> LijktOpKleineArt35Naam(std::string_view omschrijving) {
  if (HeeftKleineArt35Aftrek(omschrijving)) return std::nullopt;
  const std::string kern = Kern(omschrijving);
  if (kern.empty()) return std::nullopt;
  std::optional<std::string_view> naast;
  std::size_t kleinste = 3;  // at most two letters apart
  for (std::string_view n : kKleineAftrek) {
    if (const std::size_t d = Afstand(kern, Kern(n)); d < kleinste) {
      kleinste = d;
      naast = n;
    }
  }
  if (naast) return naast;
  for (const Soortwoorden& s : kSoortwoorden) {
    const auto komtVoor = [&kern](std::string_view w) { return w.empty() || kern.find(w) != std::string::npos; };
    if (komtVoor(s.woorden[0]) && komtVoor(s.woorden[1])) return s.naam;
  }
  return std::nullopt;
}

std::string Art35Regel(const Resultaten& r, std::string_view omschrijving) {
  if (!r.Art35Vlag) return {};
  const std::string naam(BijgesnedenDeel(omschrijving));
  if (r.Art35Aftrek == -1) return "aftrek art. 3.5: 1 dB (" + naam + " is een van de acht wegdektypen met 1 dB)";
  std::string regel = "aftrek art. 3.5: 2 dB (" + naam + " is geen van de acht wegdektypen met 1 dB";
  if (const auto lijkt = LijktOpKleineArt35Naam(omschrijving)) {
    regel += "; alleen precies \"" + std::string(*lijkt) + "\" geeft 1 dB";
  }
  return regel + ")";
}

std::string Art35Waarschuwing(const std::vector<std::string>& omschrijvingen) {
  std::string lijst;
  for (const std::string& o : omschrijvingen) {
    const auto lijkt = LijktOpKleineArt35Naam(o);
    if (!lijkt) continue;
    lijst += "\n  \"" + std::string(BijgesnedenDeel(o)) + "\" lijkt op \"" + std::string(*lijkt) + "\"";
  }
  if (lijst.empty()) return {};
  return "Bij 70 km/h en meer krijgt een wegdek 1 dB aftrek art. 3.5 alleen als zijn omschrijving precies een van "
         "de acht namen uit de regeling is; anders 2 dB. Deze omschrijvingen lijken op zo'n naam, maar zijn het "
         "niet, en krijgen dus 2 dB:" +
         lijst;
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
