#include "tools/Cumulatie.h"

#include "base/Getal.h"
#include "base/Tekst.h"

namespace tarvo {

CumulatieBron BronVan(const Invoer& in, const Resultaten& r, std::string naam) {
  return {std::move(naam),
          Bijgesneden(in.waarneempunt),
          Bijgesneden(in.weg),
          in.Waarneemhoogte(),
          r.Lden,
          r.Lnight,
          {},
          in};
}

double CumuleerNiveaus(const std::vector<double>& niveaus) {
  double som = 0;
  for (double l : niveaus) {
    if (l != 0) som += Energie(l);
  }
  return som > 0 ? 10 * Lg(som) : 0;
}

CumulatieTotaal Cumuleer(const std::vector<CumulatieBron>& bronnen) {
  std::vector<double> lden, lnight;
  for (const CumulatieBron& b : bronnen) {
    lden.push_back(b.lden);
    lnight.push_back(b.lnight);
  }
  return {CumuleerNiveaus(lden), CumuleerNiveaus(lnight)};
}

std::string CumulatieTabel(const std::vector<CumulatieBron>& bronnen, char decimaal, bool volledig,
                           std::string_view regeleinde) {
  std::string uit;
  const auto regel = [&](std::string_view naam, std::string_view punt, std::string_view weg, double lden,
                         double lnight) {
    uit += CsvTekst(naam);
    if (volledig) uit += ";" + CsvTekst(punt) + ";" + CsvTekst(weg);
    uit += ";" + Formatteer(lden, "##0.00", decimaal) + ";" + Formatteer(lnight, "##0.00", decimaal);
    uit += regeleinde;
  };
  if (volledig) {
    uit += "rekenblad;waarneempunt;weg;Lden zonder aftrek art. 110g Wgh (dB);Lnight zonder aftrek art. 110g Wgh (dB)";
    uit += regeleinde;
  }
  for (const CumulatieBron& b : bronnen) regel(b.naam, b.waarneempunt, b.weg, b.lden, b.lnight);
  const CumulatieTotaal totaal = Cumuleer(bronnen);
  regel(kCumulatiefNaam, "", "", totaal.lden, totaal.lnight);
  return uit;
}

}  // namespace tarvo
