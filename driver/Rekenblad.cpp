#include "driver/Rekenblad.h"

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Correctie.h"
#include "report/Rapport.h"

namespace tarvo {
namespace {

std::string Band(char decimaal) {
  return Formatteer(kBandOnder, "##0", decimaal) + " - " + Formatteer(kBandBoven, "##0", decimaal);
}

void ToonWeigering(RekenbladAntwoord& a) {
  const Rekening& r = a.rekening;
  a.titel = std::string(kTitelWaarschuwing);
  if (!r.controle) {
    const Weigering& w = *r.controle.weigering;
    const bool geenGetal = w.soort == Weigering::Soort::GeenGetal;
    a.afloop = geenGetal ? Afloop::GeenGetal : Afloop::Waarschuwing;
    a.melding = geenGetal ? GeenGetalMelding(w.veld) : w.tekst;
    return;
  }
  a.afloop = Afloop::Onbruikbaar;
  a.melding = r.fout;
}

}  // namespace

DosisEffectAntwoord DosisEffect(double lden, char decimaal) {
  DosisEffectAntwoord d;
  const std::string niveau = Formatteer(lden, "#0.0", decimaal);
  // The main window shows Lden less the deduction; this is without it.
  d.titel = "Dosis-effect relatie bij Lden = " + niveau + " dB excl. aftrek art. 110g";
  d.melding = "Lden buiten de bandbreedte van " + Band(decimaal) + " dB.\n\nDosis-effect relatie is niet berekend.";
  d.kolommen = {">licht", ">normaal", ">ernstig"};
  d.grafiekTitel = "Percentage gehinderden (indicatief)";
  d.voetnoot = "Bron: TNO (https://www.tno.nl)";
  d.binnenBand = BinnenBand(lden);
  if (!d.binnenBand) {
    d.zin = "Lden " + niveau + " dB ligt buiten de bandbreedte van " + Band(decimaal) +
            " dB: dosis-effect relatie niet berekend.";
    return d;
  }
  d.gehinderden = BerekenGehinderden(lden);
  const Gehinderden& g = d.gehinderden;
  d.labels = {Formatteer(g.licht, "#0", decimaal), Formatteer(g.normaal, "#0", decimaal),
              Formatteer(g.ernstig, "#0", decimaal)};
  d.zin = "Gehinderden bij Lden " + niveau + " dB zonder aftrek (indicatief, TNO): " + d.labels[0] +
          " % ten minste licht, " + d.labels[1] + " % normaal, " + d.labels[2] + " % ernstig.";
  return d;
}

RekenbladAntwoord Rekenblad(const Werkblad& werkblad, const Catalogus& catalogus, Datum vandaag, char decimaal) {
  RekenbladAntwoord a;
  a.rekening = Reken(werkblad, catalogus, vandaag, decimaal);
  const Rekening& r = a.rekening;
  if (r.resultaten) {
    for (const auto& veld : AfgeleideTeksten(*r.resultaten, decimaal)) a.afgeleid.push_back(veld);
  }
  if (!r.Gelukt()) {
    ToonWeigering(a);
    return a;
  }
  const Invoer& in = *r.controle.invoer;
  const Resultaten& res = *r.resultaten;
  a.labels = LabelTeksten(res, decimaal);
  a.art35 = Art35Regel(res, catalogus.Op(in.wegdek).Omschrijving);
  a.begrensd = BegrensdMelding(r.controle.begrensd, decimaal);
  a.kwaliteit = std::string(Milieukwaliteit(res.Lden, res.Aftrek110g));
  a.dosisEffect = DosisEffect(res.Lden, decimaal);
  a.rapport = RapportTekst(in, res, catalogus, decimaal);
  return a;
}

}  // namespace tarvo
