#include "driver/DiagramOpdracht.h"

#include <ostream>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "driver/NiveauAfstand.h"

namespace tarvo {

Uitkomst<void> DiagramOpdracht(const std::string& antwoord, const GeopendWerkblad& geopend, Datum vandaag,
                               std::ostream& uit) {
  const DiagramAntwoord a = Diagram(antwoord, geopend.werkblad, geopend.catalogus, vandaag, geopend.decimaal);
  if (a.uitkomst == DiagramUitkomst::ControleGeweigerd) return Fout{a.rekening.Weigering()};
  if (!a.Getekend()) return Fout{a.melding};
  const char dec = geopend.decimaal;
  for (const DiagramRij& rij : a.gegevens.rijen) {
    uit << Bijgesneden(rij.label) << ';' << Formatteer(rij.lden, "##0.00", dec) << '\n';
  }
  uit << Formatteer(a.gegevens.ymin, "##0", dec) << ';' << Formatteer(a.gegevens.ymax, "##0", dec) << ';'
      << a.gegevens.delingen << '\n';
  return {};
}

}  // namespace tarvo
