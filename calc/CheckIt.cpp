#include "calc/CheckIt.h"

#include <cmath>
#include <string>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/ValiDate.h"
#include "calc/Velden.h"

namespace tarvo {
namespace {

// ValiDate the field, then read its new text as a number.
double Overnemen(TekstVak& vak, std::int32_t maximum, std::int32_t minimum, std::string_view patroon, char decimaal) {
  return LeesGetal(ValiDate(vak, maximum, minimum, patroon, decimaal).value_or("0"));
}

CheckUitkomst Weiger(WerkbladVenster& venster, Meldingen& meldingen, std::string_view tekst, int veld) {
  meldingen.Toon(std::string(tekst), std::string(kTitelWaarschuwing), Icoon::Uitroep);
  venster.Invoer(veld).VraagFocus();
  return {};
}

}  // namespace

void ToelichtingOvernemen(Werkblad& ws, WerkbladVenster& venster, int i) {
  ws.Toelichting.at(static_cast<std::size_t>(i)) = VastBreed(TrimBlanks(venster.Toel(i).Tekst()), kToelichtingLengte);
}

std::string GeenGetalMelding(int veld) {
  const VeldInfo& v = Veld(veld);
  std::string naam = "'" + std::string(v.bijschrift) + "'";
  if (!v.kolom.empty()) naam += " " + std::string(v.kolom);
  return "Berekening niet uitgevoerd: " + naam + " is geen getal.";
}

double SchuineAfstand(double waarneemhoogte, double wegdekhoogte, double afstandHor) {
  const double dh = waarneemhoogte - (wegdekhoogte + kBronhoogte);
  return std::sqrt(dh * dh + afstandHor * afstandHor);
}

void ZetAfstandHor(Werkblad& ws, double afstandHor) {
  ws.AfstandHor = afstandHor;
  ws.AfstandSchuin = SchuineAfstand(ws.Waarneemhoogte, ws.Wegdekhoogte, afstandHor);
}

CheckUitkomst CheckIt(Werkblad& ws, WerkbladVenster& venster, Meldingen& meldingen) {
  const char dec = ws.Decimaal;

  for (int k = 2; k < kAantalVelden; ++k) {
    TekstVak& vak = venster.Invoer(k);
    if (vak.Tekst().empty()) {
      vak.ZetTekst(ValiDate(vak, 99999, -99999, "##0.00", dec).value_or(""));
    } else if (!IsGetal(vak.Tekst())) {
      return {false, k};
    }
  }

  ws.Waarneempunt = VastBreed(venster.Invoer(0).Tekst(), kNaamVeldLengte);
  ws.WegNaam = VastBreed(venster.Invoer(1).Tekst(), kNaamVeldLengte);

  for (int p = 1; p <= 3; ++p) {
    for (int c = 0; c < kAantalCategorieen; ++c) {
      ws.Intensiteit(c)[static_cast<std::size_t>(p)] =
          Overnemen(venster.Invoer(IntensiteitVeld(c, p)), 99999, 0, "##0.00", dec);
    }
  }
  for (int c = 0; c < kAantalCategorieen; ++c) {
    const VeldInfo& v = Veld(SnelheidVeld(c));
    ws.Snelheid(c) = Overnemen(venster.Invoer(v.index), v.maximum, v.minimum, "##0", dec);
  }

  ws.Waarneemhoogte = Overnemen(venster.Invoer(32), 99999, 0, "##0.00", dec);
  if (ws.Waarneemhoogte == 0) return Weiger(venster, meldingen, kGeenWaarneemhoogte, 32);

  ws.Wegdekhoogte = Overnemen(venster.Invoer(33), 99999, 0, "##0.00", dec);
  if (ws.Wegdekhoogte > ws.Waarneemhoogte) return Weiger(venster, meldingen, kWegdekTeHoog, 33);

  ZetAfstandHor(ws, Overnemen(venster.Invoer(36), 99999, 0, "##0.00", dec));
  if (ws.AfstandHor == 0) return Weiger(venster, meldingen, kGeenAfstand, 36);

  ws.AfstandKruising = Overnemen(venster.Invoer(37), 99999, 0, "##0.00", dec);
  if (ws.AfstandKruising > 150) ws.AfstandKruising = 0;
  ws.AfstandObstakel = Overnemen(venster.Invoer(38), 99999, 0, "##0.00", dec);
  if (ws.AfstandObstakel > 100) ws.AfstandObstakel = 0;

  ws.Bodemfactor = Overnemen(venster.Invoer(34), 1, 0, "##0.00", dec);
  ws.Objectfractie = Overnemen(venster.Invoer(35), 1, 0, "##0.00", dec);

  ws.Zichthoek = Overnemen(venster.Invoer(39), 127, 0, "##0", dec);
  if (ws.Zichthoek == 0) {
    ws.Zichthoek = 127;
    venster.Invoer(39).ZetTekst(Formatteer(127, "##0", dec));
  }
  return {true, -1};
}

}  // namespace tarvo
