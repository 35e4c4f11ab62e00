#include "tools/Toetsing.h"

#include <cmath>

#include "base/Getal.h"
#include "base/Tekst.h"

namespace tarvo {

int Geluidsbelasting(double ldenNaAftrek) {
  const double onder = std::floor(ldenNaAftrek);
  const double rest = ldenNaAftrek - onder;  // exact: both lie within the same binade's reach
  double r = onder;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(onder, 2) != 0)) r = onder + 1;
  return static_cast<int>(r);
}

Maximum MaximumVan(const Situatie& situatie) { return {situatie.maximum, std::string(situatie.artikel)}; }

Maximum EigenMaximum(int waarde) { return {waarde, "zelf gekozen"}; }

Toetsresultaat Toets(int geluidsbelasting, const Maximum& maximum, bool zone30) {
  Toetsresultaat t;
  t.geluidsbelasting = geluidsbelasting;
  const std::string db = " dB";
  if (geluidsbelasting <= kVoorkeursgrenswaarde) {
    t.uitkomst = Toetsuitkomst::Voldoet;
    t.tekst = "voldoet aan de voorkeursgrenswaarde van " + std::to_string(kVoorkeursgrenswaarde) + db + " (" +
              std::string(kVoorkeursArtikel) + ")";
  } else if (geluidsbelasting <= maximum.waarde) {
    t.uitkomst = Toetsuitkomst::HogereWaarde;
    t.tekst = "hogere waarde nodig, ten hoogste " + std::to_string(maximum.waarde) + db + " mogelijk (" +
              maximum.herkomst + ")";
  } else {
    t.uitkomst = Toetsuitkomst::BovenMaximum;
    t.tekst = "hoger dan de maximale ontheffingswaarde van " + std::to_string(maximum.waarde) + db + " (" +
              maximum.herkomst + ")";
  }
  if (zone30) {
    t.tekst =
        "30 km-zone: de weg heeft geen zone volgens de Wgh (art. 74 lid 2), getoetst is aan de gekozen "
        "waarden; " +
        t.tekst;
  }
  return t;
}

std::optional<std::vector<std::string>> LeesLijst(std::string_view tekst) {
  std::vector<std::string> delen;
  for (;;) {
    const auto puntkomma = tekst.find(';');
    const std::string_view deel = BijgesnedenDeel(tekst.substr(0, puntkomma));
    if (deel.empty()) return std::nullopt;
    delen.emplace_back(deel);
    if (puntkomma == std::string_view::npos) return delen;
    tekst.remove_prefix(puntkomma + 1);
  }
}

}  // namespace tarvo
