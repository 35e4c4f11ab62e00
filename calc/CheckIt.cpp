#include "calc/CheckIt.h"

#include <cmath>
#include <string>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/ValiDate.h"
#include "calc/Velden.h"

namespace tarvo {

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

std::optional<Weigering> NeemGetallenOver(Werkblad& ws, const std::function<double(int)>& waarde) {
  for (int p = 1; p <= 3; ++p) {
    for (int c = 0; c < kAantalCategorieen; ++c) ws.Intensiteit(c)[static_cast<std::size_t>(p)] = waarde(IntensiteitVeld(c, p));
  }
  for (int c = 0; c < kAantalCategorieen; ++c) ws.Snelheid(c) = waarde(SnelheidVeld(c));

  ws.Waarneemhoogte = waarde(32);
  if (ws.Waarneemhoogte == 0) return Weigering{32, kGeenWaarneemhoogte};

  ws.Wegdekhoogte = waarde(33);
  if (ws.Wegdekhoogte > ws.Waarneemhoogte) return Weigering{33, kWegdekTeHoog};

  ZetAfstandHor(ws, waarde(36));
  if (ws.AfstandHor == 0) return Weigering{36, kGeenAfstand};

  ws.AfstandKruising = waarde(37);
  if (ws.AfstandKruising > 150) ws.AfstandKruising = 0;
  ws.AfstandObstakel = waarde(38);
  if (ws.AfstandObstakel > 100) ws.AfstandObstakel = 0;

  ws.Bodemfactor = waarde(34);
  ws.Objectfractie = waarde(35);

  ws.Zichthoek = waarde(39);
  if (ws.Zichthoek == 0) ws.Zichthoek = 127;
  return std::nullopt;
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

  // Each box is validated when the check reaches it, so that a refusal
  // leaves the fields after it as the user typed them.
  const auto overnemen = [&](int k) {
    const GetalBereik& b = Veld(k).overname;
    return LeesGetal(ValiDate(venster.Invoer(k), b.maximum, b.minimum, b.patroon, dec).value_or("0"));
  };
  if (const auto weigering = NeemGetallenOver(ws, overnemen)) {
    meldingen.Toon(std::string(weigering->tekst), std::string(kTitelWaarschuwing), Icoon::Uitroep);
    venster.Invoer(weigering->veld).VraagFocus();
    return {};
  }
  // A zero angle means an unhindered view; the box shows what is used.
  TekstVak& zicht = venster.Invoer(39);
  if (const std::string tekst = Formatteer(ws.Zichthoek, Veld(39).overname.patroon, dec); zicht.Tekst() != tekst) {
    zicht.ZetTekst(tekst);
  }
  return {true, -1};
}

}  // namespace tarvo
