#include "driver/AfstandOpdracht.h"

#include <ostream>

#include "base/Getal.h"
#include "calc/CheckIt.h"
#include "tools/Afstand.h"

namespace tarvo {

Uitkomst<void> AfstandOpdracht(double doel, Berekening& b, Datum vandaag, std::ostream& uit) {
  const CheckUitkomst check = CheckIt(b.ws, b.venster, b.meldingen);
  if (!check) return Fout{CheckMelding(b, check.nietGetalVeld)};
  AfstandRekenaar rekenaar(b.ws, b.venster, b.catalogus, vandaag);
  const DoelAfstand r = rekenaar.Zoek(doel);
  const char dec = b.ws.Decimaal;
  if (!r.gevonden) {
    return Fout{"Lden na aftrek blijft tot " + Formatteer(kAfstandZoekTot, "##0", dec) + " m boven " +
                Formatteer(doel, "##0.00", dec) + " dB (" + Formatteer(r.punt.niveau, "##0.00", dec) + " dB op " +
                Formatteer(kAfstandZoekTot, "##0", dec) + " m)."};
  }
  uit << Formatteer(r.punt.afstand, "##0.00", dec) << ';' << Formatteer(r.punt.niveau, "##0.00", dec) << '\n';
  return {};
}

}  // namespace tarvo
