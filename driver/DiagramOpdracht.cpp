#include "driver/DiagramOpdracht.h"

#include <ostream>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "tools/Diagram.h"

namespace tarvo {

Uitkomst<void> DiagramOpdracht(const std::string& antwoord, const GeopendWerkblad& geopend, std::ostream& uit) {
  const DiagramResultaat r = Diagram(antwoord, geopend.werkblad, geopend.catalogus, geopend.decimaal);
  switch (r.uitkomst) {
    case DiagramUitkomst::Leeg:
      return Fout{"Geen afstand opgegeven voor het diagram."};
    case DiagramUitkomst::Geweigerd:
      return Fout{"De afstand '" + antwoord + "' is geen getal."};
    case DiagramUitkomst::ControleGeweigerd:
      return Fout{WeigeringRegel(*r.controle.weigering)};
    case DiagramUitkomst::Onbruikbaar:
      return Fout{r.melding};
    case DiagramUitkomst::Gegevens:
      break;
  }
  const char dec = geopend.decimaal;
  for (const DiagramRij& rij : r.gegevens.rijen) {
    uit << Bijgesneden(rij.label) << ';' << Formatteer(rij.lden, "##0.00", dec) << '\n';
  }
  uit << Formatteer(r.gegevens.ymin, "##0", dec) << ';' << Formatteer(r.gegevens.ymax, "##0", dec) << ';'
      << r.gegevens.delingen << '\n';
  return {};
}

}  // namespace tarvo
