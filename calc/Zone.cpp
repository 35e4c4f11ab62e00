#include "calc/Zone.h"

#include "calc/Velden.h"

namespace tarvo {

void ZoneSchakelaar(Werkblad& ws, WerkbladVenster& venster) {
  const bool aan = venster.Zone().Waarde() == 1;
  for (int k : kSnelheidVelden) {
    TekstVak& vak = venster.Invoer(k);
    auto& bewaard = ws.SnelheidBewaard[static_cast<std::size_t>(k - 1)];
    if (aan) {
      vak.ZetIngeschakeld(false);
      bewaard = vak.Tekst();
      vak.ZetTekst(std::string(kZoneSnelheid));
    } else {
      vak.ZetIngeschakeld(true);
      vak.ZetTekst(bewaard);
    }
  }
}

void ZetZone(Werkblad& ws, WerkbladVenster& venster, int waarde) {
  if (venster.Zone().Waarde() == waarde) return;
  venster.Zone().ZetWaarde(waarde);
  ZoneSchakelaar(ws, venster);
}

}  // namespace tarvo
