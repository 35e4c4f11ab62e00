#include "tools/Hoogten.h"

#include <algorithm>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Bereken.h"
#include "calc/VeldGetal.h"
#include "calc/Velden.h"
#include "tools/Afstand.h"

namespace tarvo {
namespace {

// The parts of a typed list, or the sentence that asks for one.
Uitkomst<std::vector<std::string>> Delen(std::string_view lijst, std::string_view wat) {
  if (auto delen = LeesLijst(lijst)) return *delen;
  std::string zin = "Geef de " + std::string(wat) + " als getallen gescheiden door ';'";
  if (!BijgesnedenDeel(lijst).empty()) zin += ", gevonden '" + std::string(lijst) + "'";
  return Fout{zin + "."};
}

}  // namespace

Uitkomst<std::vector<double>> LeesHoogten(const std::vector<std::string>& teksten, double wegdekhoogte, char decimaal) {
  const VeldInfo& veld = Veld(veld::kWaarneemhoogte);
  std::vector<double> hoogten;
  for (const std::string& t : teksten) {
    const std::string naam = "Hoogte '" + t + "'";
    const auto h = GecontroleerdGetal(t, veld.verlaten);
    if (!h) return Fout{naam + " is geen getal."};
    if (OverschredenGrens(t, veld.verlaten)) {
      return Fout{naam + " ligt buiten " + BereikTekst(veld.verlaten) + " m."};
    }
    if (*h == 0) return Fout{naam + " is geen waarneemhoogte: die is groter dan 0 m."};
    if (*h < wegdekhoogte) {
      return Fout{naam + " ligt onder het wegdek (" + Formatteer(wegdekhoogte, "##0.00", decimaal) + " m)."};
    }
    hoogten.push_back(*h);
  }
  return hoogten;
}

Uitkomst<std::vector<double>> LeesGrenzen(const std::vector<std::string>& teksten) {
  std::vector<double> grenzen;
  for (const std::string& t : teksten) {
    const auto g = LeesDoelNiveau(t);
    if (!g) return Fout{"Grenswaarde '" + t + "' is geen niveau van 0 tot en met 150 dB."};
    grenzen.push_back(*g);
  }
  return grenzen;
}

Uitkomst<std::vector<double>> LeesHoogtenLijst(std::string_view lijst, double wegdekhoogte, char decimaal) {
  auto delen = Delen(lijst, "hoogten");
  if (!delen) return delen.Reden();
  return LeesHoogten(*delen, wegdekhoogte, decimaal);
}

Uitkomst<std::vector<double>> LeesGrenzenLijst(std::string_view lijst) {
  auto delen = Delen(lijst, "grenswaarden");
  if (!delen) return delen.Reden();
  return LeesGrenzen(*delen);
}

Uitkomst<std::vector<double>> ContourGrenzen(const Maximum& maximum, std::string_view extra) {
  std::vector<double> grenzen = {kVoorkeursgrenswaarde};
  if (maximum.waarde != kVoorkeursgrenswaarde) grenzen.push_back(maximum.waarde);
  if (BijgesnedenDeel(extra).empty()) return grenzen;
  auto gelezen = LeesGrenzenLijst(extra);
  if (!gelezen) return gelezen.Reden();
  for (double g : *gelezen) {
    if (std::find(grenzen.begin(), grenzen.end(), g) == grenzen.end()) grenzen.push_back(g);
  }
  return grenzen;
}

Uitkomst<HoogteResultaat> BerekenHoogte(const Invoer& invoer, double hoogte, const std::vector<double>& grenzen,
                                        const Catalogus& catalogus, Datum vandaag) {
  HoogteResultaat r;
  r.invoer = invoer;
  r.invoer.getal[veld::kWaarneemhoogte] = hoogte;
  auto resultaten = BerekenBruikbaar(r.invoer, catalogus, vandaag);
  if (!resultaten) return resultaten.Reden();
  r.resultaten = std::move(*resultaten);
  r.ldenNaAftrek = EindNiveau(r.resultaten.Lden, r.resultaten.Aftrek110g);
  r.geluidsbelasting = Geluidsbelasting(r.ldenNaAftrek);
  AfstandRekenaar rekenaar(r.invoer, catalogus, vandaag);
  for (double grens : grenzen) {
    const DoelAfstand d =
        rekenaar.Zoek([grens](const NiveauOpAfstand& p) { return Geluidsbelasting(p.niveau) <= grens; });
    r.contour.push_back(d.gevonden ? std::optional<double>(d.punt.afstand) : std::nullopt);
  }
  return r;
}

Uitkomst<std::vector<HoogteResultaat>> BerekenHoogten(const Invoer& invoer, const std::vector<double>& hoogten,
                                                      const std::vector<double>& grenzen, const Catalogus& catalogus,
                                                      Datum vandaag) {
  std::vector<HoogteResultaat> uit;
  for (double h : hoogten) {
    auto r = BerekenHoogte(invoer, h, grenzen, catalogus, vandaag);
    if (!r) return r.Reden();
    uit.push_back(std::move(*r));
  }
  return uit;
}

std::vector<std::string> HoogteCellen(const HoogteResultaat& r, char dec) {
  std::vector<std::string> cellen = {
      Formatteer(r.Hoogte(), "##0.00", dec),          Formatteer(r.resultaten.Lden, "##0.00", dec),
      Formatteer(r.resultaten.Lnight, "##0.00", dec), Formatteer(r.resultaten.Aftrek110g, "##0", dec),
      Formatteer(r.ldenNaAftrek, "##0.00", dec),      Formatteer(r.geluidsbelasting, "##0", dec)};
  for (const auto& afstand : r.contour) cellen.push_back(afstand ? Formatteer(*afstand, "##0.00", dec) : "");
  return cellen;
}

std::string HoogteRegel(const HoogteResultaat& r, char dec) {
  const std::vector<std::string> cellen = HoogteCellen(r, dec);
  std::string regel = cellen.front();
  for (std::size_t i = 1; i < cellen.size(); ++i) regel += ";" + cellen[i];
  return regel;
}

}  // namespace tarvo
