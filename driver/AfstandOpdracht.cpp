#include "driver/AfstandOpdracht.h"

#include <ostream>

#include "base/Getal.h"
#include "driver/NiveauAfstand.h"

namespace tarvo {

Uitkomst<void> AfstandOpdracht(std::string_view doel, const GeopendWerkblad& geopend, Datum vandaag,
                               std::ostream& uit) {
  const char dec = geopend.decimaal;
  const AfstandAntwoord a = AfstandVoor(doel, geopend.werkblad, geopend.catalogus, vandaag, dec);
  if (!a.doel) return Fout{a.melding};
  const NiveauOpAfstand& p = a.doel->punt;
  if (!a.doel->gevonden) {
    return Fout{"Lden na aftrek blijft tot " + Formatteer(kAfstandZoekTot, "##0", dec) + " m boven " +
                Formatteer(*LeesDoelNiveau(doel), "##0.00", dec) + " dB (" + Formatteer(p.niveau, "##0.00", dec) +
                " dB op " + Formatteer(kAfstandZoekTot, "##0", dec) + " m)."};
  }
  uit << Formatteer(p.afstand, "##0.00", dec) << ';' << Formatteer(p.niveau, "##0.00", dec) << '\n';
  return {};
}

}  // namespace tarvo
