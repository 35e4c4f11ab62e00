#include "driver/DiagramOpdracht.h"

#include <ostream>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "tools/Diagram.h"

namespace tarvo {

Uitkomst<void> DiagramOpdracht(const std::string& antwoord, Berekening& b, std::ostream& uit) {
  const DiagramResultaat r = Diagram(antwoord, b.ws, b.venster, b.meldingen, b.catalogus);
  switch (r.uitkomst) {
    case DiagramUitkomst::Leeg:
      return Fout{"Geen afstand opgegeven voor het diagram."};
    case DiagramUitkomst::Geweigerd:
      return Fout{"De afstand '" + antwoord + "' is geen getal."};
    case DiagramUitkomst::CheckMislukt:
      return Fout{CheckMelding(b, r.check.nietGetalVeld)};
    case DiagramUitkomst::Onbruikbaar:
      return Fout{r.melding};
    case DiagramUitkomst::Gegevens:
      break;
  }
  const char dec = b.ws.Decimaal;
  for (const DiagramRij& rij : r.gegevens.rijen) {
    uit << TrimBlanks(rij.label) << ';' << Formatteer(rij.lden, "##0.00", dec) << '\n';
  }
  uit << Formatteer(r.gegevens.ymin, "##0", dec) << ';' << Formatteer(r.gegevens.ymax, "##0", dec) << ';'
      << r.gegevens.delingen << '\n';
  return {};
}

}  // namespace tarvo
