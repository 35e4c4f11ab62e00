#include "driver/DiagramOpdracht.h"

#include <ostream>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "tools/Diagram.h"

namespace tarvo {

bool DiagramOpdracht(const std::string& antwoord, Berekening& b, std::ostream& uit, std::string& fout) {
  const DiagramResultaat r = Diagram(antwoord, b.ws, b.venster, b.meldingen, b.catalogus);
  switch (r.uitkomst) {
    case DiagramUitkomst::Leeg:
      fout = "Geen afstand opgegeven voor het diagram.";
      return false;
    case DiagramUitkomst::Geweigerd:
      fout = "De afstand '" + antwoord + "' is geen getal.";
      return false;
    case DiagramUitkomst::CheckMislukt:
      fout = CheckMelding(b, r.check.nietGetalVeld);
      return false;
    case DiagramUitkomst::Gegevens:
      break;
  }
  const char dec = b.ws.Decimaal;
  for (const DiagramRij& rij : r.gegevens.rijen) {
    uit << TrimBlanks(rij.label) << ';' << Formatteer(rij.lden, "##0.00", dec) << '\n';
  }
  uit << Formatteer(r.gegevens.ymin, "##0", dec) << ';' << Formatteer(r.gegevens.ymax, "##0", dec) << ';'
      << r.gegevens.delingen << '\n';
  return true;
}

}  // namespace tarvo
