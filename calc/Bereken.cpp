#include "calc/Bereken.h"

#include <cmath>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Controle.h"
#include "calc/Correctie.h"
#include "calc/Emissie.h"

namespace tarvo {

double LdenUitPeriodes(const Resultaten& r) {
  const double s = std::pow(10.0, r.LAeqEtm[1] / 10) * (12.0 / 24.0) +
                   std::pow(10.0, r.LAeqEtm[2] / 10) * (4.0 / 24.0) + std::pow(10.0, r.LAeqEtm[3] / 10) * (8.0 / 24.0);
  return 10 * std::log(s) / std::log(10.0);
}

// Rounded as the displayed whole number.
double AfgerondeLden(double lden) { return LeesGetal(Formatteer(lden, "0", '.')); }

std::int16_t BepaalAftrek110g(bool aftrek, double vlv, double lden, Datum vandaag) {
  if (!aftrek) return 0;
  if (vlv < 70) return 5;
  const double afgerond = AfgerondeLden(lden);
  const bool voorOvergang = vandaag < kAftrek110gOvergang;
  if (afgerond == 56 && voorOvergang) return 3;
  if (afgerond == 57 && voorOvergang) return 4;
  return 2;
}

double EindNiveau(double niveau, int aftrek110g) { return niveau == 0 ? 0 : niveau - aftrek110g; }

Resultaten BerekenPeriodes(const Invoer& in, const Catalogus& catalogus) {
  Resultaten r;
  r.AfstandSchuin = SchuineAfstand(in.Waarneemhoogte(), in.Wegdekhoogte(), in.AfstandHor());
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    Emissie(in, catalogus, p, r);
    Correctie(in, catalogus, p, r);
  }
  return r;
}

Resultaten Bereken(const Invoer& in, const Catalogus& catalogus, Datum vandaag) {
  Resultaten r = BerekenPeriodes(in, catalogus);
  r.Lnight = r.LAeq[3] > 0 ? r.LAeq[3] : 0;
  const double lden = LdenUitPeriodes(r);
  r.Lden = lden < 0 ? 0 : lden;
  r.Aftrek110g = BepaalAftrek110g(in.aftrek, in.Snelheid(categorie::kLv), r.Lden, vandaag);
  return r;
}

Uitkomst<void> ControleerWegdek(const Invoer& in, const Catalogus& catalogus) {
  if (catalogus.AantalWegdekken < 1) return Fout{"De wegdekkenlijst bevat geen wegdekken; er is niets berekend."};
  if (in.wegdek < 1 || in.wegdek > catalogus.AantalWegdekken) {
    return Fout{"Wegdek " + std::to_string(in.wegdek) + " staat niet in de wegdekkenlijst (1 tot en met " +
                std::to_string(catalogus.AantalWegdekken) + "); er is niets berekend."};
  }
  return {};
}

bool NiveausEindig(const Resultaten& r) {
  for (const PerPeriode* a : {&r.EmissieWeg, &r.Cwegdek, &r.LAeq, &r.LAeqEtm}) {
    for (std::size_t p = 1; p <= 3; ++p) {
      if (!std::isfinite((*a)[p])) return false;
    }
  }
  return std::isfinite(r.Letmaal) && std::isfinite(r.Lden) && std::isfinite(r.Lnight);
}

std::string OneindigMelding(const Invoer& in, const Catalogus& catalogus) {
  return "De correctiefactoren van wegdek \"" + Bijgesneden(catalogus.Op(in.wegdek).Omschrijving) + "\" (positie " +
         std::to_string(in.wegdek) + ") maken het geluidsniveau te groot om te berekenen; er is niets berekend.";
}

Uitkomst<Resultaten> BerekenBruikbaar(const Invoer& in, const Catalogus& catalogus, Datum vandaag) {
  if (auto wegdek = ControleerWegdek(in, catalogus); !wegdek) return wegdek.Reden();
  Resultaten r = Bereken(in, catalogus, vandaag);
  if (!NiveausEindig(r)) return Fout{OneindigMelding(in, catalogus)};
  return r;
}

}  // namespace tarvo
