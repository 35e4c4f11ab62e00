#include "calc/Reken.h"

#include <cmath>

#include "calc/Emissie.h"
#include "calc/Correctie.h"
#include "base/Getal.h"
#include "base/Tekst.h"

namespace tarvo {

void NulStelling(Werkblad& ws) {
  for (PerPeriode* a : {&ws.EmissieGetal, &ws.EmissieWeg, &ws.Elv, &ws.Emv, &ws.Ezv, &ws.Emr, &ws.Ebromf, &ws.Etram,
                        &ws.ElvWeg, &ws.EmvWeg, &ws.EzvWeg, &ws.Qtotaal, &ws.Vrachtverkeer, &ws.Cwegdek,
                        &ws.Ckruising, &ws.Cobstakel, &ws.Coptrek, &ws.LAeq, &ws.LAeqEtm}) {
    a->fill(0.0);
  }
  ws.Crefl = ws.Dafstand = ws.Dlucht = ws.Dbodem = ws.Dmeteo = ws.Czichthoek = ws.Letmaal = 0.0;
}

double LdenUitPeriodes(const Werkblad& ws) {
  const double s = std::pow(10.0, ws.LAeqEtm[1] / 10) * (12.0 / 24.0) +
                   std::pow(10.0, ws.LAeqEtm[2] / 10) * (4.0 / 24.0) +
                   std::pow(10.0, ws.LAeqEtm[3] / 10) * (8.0 / 24.0);
  return 10 * std::log(s) / std::log(10.0);
}

double BerekenLden(const Werkblad& ws) {
  const double lden = LdenUitPeriodes(ws);
  return lden < 0 ? 0 : lden;
}

double BerekenLnight(const Werkblad& ws) { return ws.LAeq[3] > 0 ? ws.LAeq[3] : 0; }

// Rounded as the displayed whole number.
double AfgerondeLden(double lden) { return LeesGetal(Formatteer(lden, "0", '.')); }

std::int16_t BepaalAftrek110g(int chkAftrek, double vlv, double lden, Datum vandaag) {
  if (chkAftrek != 1) return 0;
  if (vlv < 70) return 5;
  const double afgerond = AfgerondeLden(lden);
  const bool voorOvergang = vandaag < kAftrek110gOvergang;
  if (afgerond == 56 && voorOvergang) return 3;
  if (afgerond == 57 && voorOvergang) return 4;
  return 2;
}

double EindNiveau(double niveau, int aftrek110g) { return niveau == 0 ? 0 : niveau - aftrek110g; }

void RekenPeriodes(Werkblad& ws, bool zone, const Catalogus& catalogus) {
  NulStelling(ws);
  for (int p = 1; p <= 3; ++p) {
    Emissie(ws, catalogus, p);
    Correctie(ws, zone, catalogus, p);
  }
}

void RekenNiveaus(Werkblad& ws, Schakelaars schakelaars, const Catalogus& catalogus, Datum vandaag) {
  RekenPeriodes(ws, schakelaars.zone, catalogus);
  ws.Lnight = BerekenLnight(ws);
  ws.Lden = BerekenLden(ws);
  ws.Aftrek110g = BepaalAftrek110g(schakelaars.aftrek, ws.Vlv, ws.Lden, vandaag);
}

Schakelaars SchakelaarsVan(WerkbladVenster& venster) {
  return {venster.Zone().Waarde() == 1, venster.Aftrek().Waarde()};
}

void ToonAfgeleideVelden(const Werkblad& ws, WerkbladVenster& venster) {
  for (int p = 1; p <= 3; ++p) {
    const auto i = static_cast<std::size_t>(p);
    venster.Invoer(28 + p).ZetTekst(Formatteer(ws.Vrachtverkeer[i], "#0.00", ws.Decimaal));
    venster.Invoer(25 + p).ZetTekst(Formatteer(ws.Qtotaal[i], "##0.00", ws.Decimaal));
  }
}

void RekenPeriodes(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus) {
  RekenPeriodes(ws, SchakelaarsVan(venster).zone, catalogus);
  ToonAfgeleideVelden(ws, venster);
}

void RekenNiveaus(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus, Datum vandaag) {
  RekenNiveaus(ws, SchakelaarsVan(venster), catalogus, vandaag);
  ToonAfgeleideVelden(ws, venster);
}

Uitkomst<void> ControleerWegdek(const Werkblad& ws, const Catalogus& catalogus) {
  if (catalogus.AantalWegdekken < 1) return Fout{"De wegdekkenlijst bevat geen wegdekken; er is niets berekend."};
  if (ws.WegdekKeuze < 1 || ws.WegdekKeuze > catalogus.AantalWegdekken) {
    return Fout{"Wegdek " + std::to_string(ws.WegdekKeuze) + " staat niet in de wegdekkenlijst (1 tot en met " +
                std::to_string(catalogus.AantalWegdekken) + "); er is niets berekend."};
  }
  return {};
}

bool NiveausEindig(const Werkblad& ws) {
  for (const PerPeriode* a : {&ws.EmissieWeg, &ws.Cwegdek, &ws.LAeq, &ws.LAeqEtm}) {
    for (std::size_t p = 1; p <= 3; ++p) {
      if (!std::isfinite((*a)[p])) return false;
    }
  }
  return std::isfinite(ws.Letmaal) && std::isfinite(ws.Lden) && std::isfinite(ws.Lnight);
}

std::string OneindigMelding(const Werkblad& ws, const Catalogus& catalogus) {
  return "De correctiefactoren van wegdek \"" + TrimBlanks(catalogus.Op(ws.WegdekKeuze).Omschrijving) +
         "\" (positie " + std::to_string(ws.WegdekKeuze) +
         ") maken het geluidsniveau te groot om te berekenen; er is niets berekend.";
}

Uitkomst<void> RekenBruikbaar(Werkblad& ws, Schakelaars schakelaars, const Catalogus& catalogus, Datum vandaag) {
  if (auto wegdek = ControleerWegdek(ws, catalogus); !wegdek) return wegdek;
  RekenNiveaus(ws, schakelaars, catalogus, vandaag);
  if (!NiveausEindig(ws)) return Fout{OneindigMelding(ws, catalogus)};
  return {};
}

Uitkomst<void> RekenBruikbaar(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus, Datum vandaag) {
  auto berekend = RekenBruikbaar(ws, SchakelaarsVan(venster), catalogus, vandaag);
  // An infinite level was calculated all the same; a missing road surface was not.
  if (berekend || ControleerWegdek(ws, catalogus)) ToonAfgeleideVelden(ws, venster);
  return berekend;
}

}  // namespace tarvo
