#include "tools/Hoogten.h"

#include "base/Getal.h"
#include "calc/Bereken.h"
#include "calc/VeldGetal.h"
#include "calc/Velden.h"
#include "tools/Afstand.h"
#include "tools/Toetsing.h"

namespace tarvo {

Uitkomst<std::vector<double>> LeesHoogten(const std::vector<std::string>& teksten, double wegdekhoogte, char decimaal) {
  const VeldInfo& veld = Veld(veld::kWaarneemhoogte);
  std::vector<double> hoogten;
  for (const std::string& t : teksten) {
    const std::string naam = "Hoogte '" + t + "'";
    const auto h = GecontroleerdGetal(t, veld.verlaten);
    if (!h) return Fout{naam + " is geen getal."};
    if (OverschredenGrens(t, veld.verlaten)) {
      return Fout{naam + " ligt buiten " + std::to_string(veld.verlaten.minimum) + " tot en met " +
                  std::to_string(veld.verlaten.maximum) + " m."};
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

Uitkomst<std::vector<HoogteResultaat>> BerekenHoogten(const Invoer& invoer, const std::vector<double>& hoogten,
                                                      const std::vector<double>& grenzen, const Catalogus& catalogus,
                                                      Datum vandaag) {
  std::vector<HoogteResultaat> uit;
  for (double h : hoogten) {
    HoogteResultaat r;
    r.invoer = invoer;
    r.invoer.getal[veld::kWaarneemhoogte] = h;
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
    uit.push_back(std::move(r));
  }
  return uit;
}

std::string HoogteRegel(const HoogteResultaat& r, char dec) {
  std::string regel = Formatteer(r.Hoogte(), "##0.00", dec);
  for (double v : {r.resultaten.Lden, r.resultaten.Lnight}) regel += ";" + Formatteer(v, "##0.00", dec);
  regel += ";" + Formatteer(r.resultaten.Aftrek110g, "##0", dec);
  regel += ";" + Formatteer(r.ldenNaAftrek, "##0.00", dec);
  regel += ";" + Formatteer(r.geluidsbelasting, "##0", dec);
  for (const auto& afstand : r.contour) regel += ";" + (afstand ? Formatteer(*afstand, "##0.00", dec) : "");
  return regel;
}

}  // namespace tarvo
