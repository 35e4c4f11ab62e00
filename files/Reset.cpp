#include "files/Reset.h"

#include "base/Getal.h"
#include "calc/PlainBediening.h"
#include "calc/ValiDate.h"
#include "calc/Velden.h"
#include "calc/Zone.h"

namespace tarvo {

std::string StandaardTekst(int k, char decimaal) {
  const VeldInfo& v = Veld(k);
  if (v.standaard) return Formatteer(*v.standaard, v.standaardPatroon, decimaal);
  PlainTekstVak leeg;
  leeg.tag = std::string(v.tag);
  return ValiDate(leeg, 99999, -99999, "##0.00", decimaal).value_or("");
}

void ResetWerkblad(Werkblad& ws, WerkbladVenster& venster) {
  ws.WegdekKeuze = 1;
  ws.WegdekLijstIndex = 0;
  venster.ToonWegdek(0);

  venster.Aftrek().ZetIngeschakeld(false);
  venster.Aftrek().ZetWaarde(0);
  venster.Zone().ZetIngeschakeld(false);
  ZetZone(ws, venster, 0);

  for (int k = 0; k < kAantalVelden; ++k) {
    TekstVak& vak = venster.Invoer(k);
    vak.ZetIngeschakeld(false);
    vak.ZetTekst("");
    if (Veld(k).standaard) {
      vak.ZetTekst(StandaardTekst(k, ws.Decimaal));
    } else {
      vak.ZetTekst(ValiDate(vak, 99999, -99999, "##0.00", ws.Decimaal).value_or(""));
    }
  }
  for (int i = 0; i < 4; ++i) {
    ws.Toelichting[static_cast<std::size_t>(i)] = std::string(kToelichtingLengte, ' ');
    venster.Toel(i).ZetTekst("");
    venster.Toel(i).ZetIngeschakeld(false);
  }
}

}  // namespace tarvo
