#include "driver/AfstandOpdracht.h"

#include <ostream>

#include "base/Getal.h"
#include "calc/Controle.h"
#include "tools/Afstand.h"

namespace tarvo {

Uitkomst<void> AfstandOpdracht(double doel, const GeopendWerkblad& geopend, Datum vandaag, std::ostream& uit) {
  const Controle controle = Controleer(geopend.werkblad, geopend.decimaal);
  if (!controle) return Fout{WeigeringRegel(*controle.weigering)};
  AfstandRekenaar rekenaar(*controle.invoer, geopend.catalogus, vandaag);
  const DoelAfstand r = rekenaar.Zoek(doel);
  const char dec = geopend.decimaal;
  if (!r.gevonden) {
    return Fout{"Lden na aftrek blijft tot " + Formatteer(kAfstandZoekTot, "##0", dec) + " m boven " +
                Formatteer(doel, "##0.00", dec) + " dB (" + Formatteer(r.punt.niveau, "##0.00", dec) + " dB op " +
                Formatteer(kAfstandZoekTot, "##0", dec) + " m)."};
  }
  uit << Formatteer(r.punt.afstand, "##0.00", dec) << ';' << Formatteer(r.punt.niveau, "##0.00", dec) << '\n';
  return {};
}

}  // namespace tarvo
