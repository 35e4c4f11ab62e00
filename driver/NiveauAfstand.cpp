#include "driver/NiveauAfstand.h"

#include <algorithm>
#include <cmath>

#include "base/Getal.h"
#include "calc/Bereken.h"

namespace tarvo {

std::string DoelBereik() { return Formatteer(kDoelMin, "0", '.') + " tot " + Formatteer(kDoelMax, "0", '.'); }

Uitkomst<double> LeesDoel(std::string_view tekst) {
  if (const auto doel = LeesDoelNiveau(tekst)) return *doel;
  return Fout{"Geef een streefwaarde van " + DoelBereik() + " dB."};
}

NiveauLijn::NiveauLijn(const Invoer& invoer, const Catalogus& catalogus, Datum vandaag, char decimaal)
    : rekenaar_(invoer, catalogus, vandaag), decimaal_(decimaal) {}

std::string NiveauLijn::AfstandTekst(double afstand) const { return Formatteer(afstand, "##0.00", decimaal_) + " m"; }

DoelAntwoord NiveauLijn::Doel(double doel, double maxAfstand) {
  const auto getal = [this](double x) { return Formatteer(x, "##0.00", decimaal_); };
  const DoelAfstand d = rekenaar_.Zoek(doel);
  DoelAntwoord a;
  a.gevonden = d.gevonden;
  a.punt = d.punt;
  const NiveauOpAfstand& p = a.punt;
  a.lijn = doel + p.aftrek;
  a.lijnTekst = "streefwaarde " + getal(doel) + " dB";
  if (p.aftrek != 0) a.lijnTekst += " + aftrek " + std::to_string(p.aftrek) + " dB";
  a.afstandTekst = AfstandTekst(p.afstand);
  a.binnen = a.gevonden && p.afstand <= maxAfstand;
  const std::string aftrek =
      p.aftrek != 0 ? " (aftrek art. 110g Wgh " + std::to_string(p.aftrek) + " dB)" : std::string();
  if (a.gevonden) {
    a.tekst = "Streefwaarde " + getal(doel) + " dB gehaald vanaf " + a.afstandTekst +
              (a.binnen ? "" : " (buiten het diagram)") + ": Lden na aftrek " + getal(p.niveau) + " dB" + aftrek + ".";
  } else {
    const std::string tot = Formatteer(kAfstandZoekTot, "##0", decimaal_) + " m";
    a.tekst = "Streefwaarde " + getal(doel) + " dB niet gehaald tot " + tot + ": Lden na aftrek op " + tot + " is " +
              getal(p.niveau) + " dB" + aftrek + ".";
  }
  return a;
}

std::string NiveauLijn::Niveau(double lden) const { return Formatteer(lden, "##0.00", decimaal_); }

LijnPunt NiveauLijn::Punt(double x, double maxAfstand) {
  const double d = std::clamp(std::round(x * kAfstandRasterPerMeter) / kAfstandRasterPerMeter, 1.0, maxAfstand);
  LijnPunt l{rekenaar_.Op(d), {}, {}, true};
  l.label = AfstandTekst(d) + "; " + Niveau(l.punt.lden) + " dB";
  l.tekst = "Muis: " + AfstandTekst(d) + ", Lden " + Niveau(l.punt.lden) + " dB excl. aftrek";
  return l;
}

LijnPunt NiveauLijn::EigenPunt(double maxAfstand) {
  LijnPunt l{rekenaar_.Op(rekenaar_.EigenAfstand()), {}, {}, true};
  l.binnen = l.punt.afstand <= maxAfstand;
  l.label = "rekenblad " + AfstandTekst(l.punt.afstand);
  l.tekst = "Rekenblad: " + AfstandTekst(l.punt.afstand) + ", Lden " + Niveau(l.punt.lden) + " dB excl. aftrek" +
            (l.binnen ? "" : " (buiten het diagram)");
  return l;
}

DiagramAntwoord Diagram(std::string_view antwoord, const Werkblad& werkblad, const Catalogus& catalogus, Datum vandaag,
                        char decimaal) {
  DiagramAntwoord a;
  const MaxAfstand m = LeesMaxAfstand(antwoord);
  a.uitkomst = m.soort;
  if (m.soort == DiagramUitkomst::Leeg) {
    a.melding = "Geen afstand opgegeven.";
    return a;
  }
  if (m.soort == DiagramUitkomst::Geweigerd) {
    a.melding =
        "\"" + std::string(antwoord) + "\" is geen getal. Geef de maximale afstand tot de wegas in meters, van " +
        Formatteer(kDiagramMinAfstand, "0", decimaal) + " tot " + Formatteer(kDiagramMaxAfstand, "0", decimaal) + ".";
    return a;
  }
  a.s = m.s;
  a.rekening = Reken(werkblad, catalogus, vandaag, decimaal);
  if (!a.rekening.controle) {
    a.uitkomst = DiagramUitkomst::ControleGeweigerd;
    return a;
  }
  if (!a.rekening.fout.empty()) {
    a.uitkomst = DiagramUitkomst::Onbruikbaar;
    a.melding = a.rekening.fout;
    return a;
  }
  const Invoer& in = *a.rekening.controle.invoer;
  a.gegevens = BerekenDiagram(in, catalogus, a.s);
  if (!std::all_of(a.gegevens.rijen.begin(), a.gegevens.rijen.end(),
                   [](const DiagramRij& rij) { return std::isfinite(rij.lden); })) {
    a.uitkomst = DiagramUitkomst::Onbruikbaar;
    a.melding = OneindigMelding(in, catalogus);
    a.gegevens = {};
    return a;
  }
  a.csv = DiagramCsv(a.gegevens, decimaal, "\r\n");
  return a;
}

AfstandAntwoord AfstandVoor(std::string_view doelTekst, const Werkblad& werkblad, const Catalogus& catalogus,
                            Datum vandaag, char decimaal) {
  AfstandAntwoord a;
  const auto doel = LeesDoel(doelTekst);
  if (!doel) {
    a.melding = doel.Melding();
    return a;
  }
  a.rekening = Reken(werkblad, catalogus, vandaag, decimaal);
  if (!a.rekening.Gelukt()) {
    a.melding = a.rekening.Weigering();
    return a;
  }
  NiveauLijn lijn(*a.rekening.controle.invoer, catalogus, vandaag, decimaal);
  a.doel = lijn.Doel(*doel, kAfstandZoekTot);
  return a;
}

}  // namespace tarvo
