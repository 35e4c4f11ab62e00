#pragma once
// The worksheet in its three forms: the texts a user fills in (Werkblad),
// the checked values the calculation takes (Invoer), and what the
// calculation gives (Resultaten).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/Velden.h"

namespace tarvo {

struct Datum {
  int jaar = 0, maand = 0, dag = 0;
  friend auto operator<=>(const Datum&, const Datum&) = default;
};

inline constexpr std::array<std::string_view, 2> kRailConstructies = {"Rail in ballastbed", "Rail in (asfalt)beton"};

// The worksheet as the user fills it in: every field's text as it stands,
// the remark lines, the road surface chosen and the switches.
struct Werkblad {
  std::array<std::string, kAantalVelden> veld;
  std::array<std::string, kAantalToelichtingen> toelichting;
  // A line the user edited loses its outer blanks when the check takes it;
  // one read from a file keeps them, as they are part of its text.
  std::array<bool, kAantalToelichtingen> toelichtingBewerkt{};
  std::int16_t wegdek = 1;  // 1-based catalogue position
  bool zone = false;        // 30 km zone: every speed counts as 30
  bool aftrek = false;      // the art. 110g Wgh deduction
  std::int16_t rail = 0;    // 0 ballast bed, 1 (asphalt) concrete
};

// The checked input of one calculation.
struct Invoer {
  std::string waarneempunt, weg;  // as typed; the file keeps 45 characters
  // By field number; the derived fields 26..31 hold the totals as the
  // check worked them out or a file stored them.
  std::array<double, kAantalVelden> getal{};
  std::array<std::string, kAantalToelichtingen> toelichting;  // as the check took them; the file keeps 60
  std::int16_t wegdek = 1;
  bool zone = false;
  bool aftrek = false;
  std::int16_t rail = 0;

  double Intensiteit(int categorie, int periode) const { return getal[IntensiteitVeld(categorie, periode)]; }
  double Snelheid(int categorie) const { return getal[SnelheidVeld(categorie)]; }
  double Waarneemhoogte() const { return getal[veld::kWaarneemhoogte]; }
  double Wegdekhoogte() const { return getal[veld::kWegdekhoogte]; }
  double AfstandHor() const { return getal[veld::kAfstandHor]; }
  double AfstandKruising() const { return getal[veld::kAfstandKruising]; }
  double AfstandObstakel() const { return getal[veld::kAfstandObstakel]; }
  double Bodemfactor() const { return getal[veld::kBodemfactor]; }
  double Objectfractie() const { return getal[veld::kObjectfractie]; }
  double Zichthoek() const { return getal[veld::kZichthoek]; }
};

// Per-period values are indexed 1 (DAG), 2 (AVOND), 3 (NACHT); element 0 is unused.
using PerPeriode = std::array<double, 4>;

// The period penalties of dag, avond and nacht.
inline constexpr std::array<std::int16_t, 4> kEtmaalcorrectie = {0, 0, 5, 10};

// Every term of one calculation, named after the report's symbols.
struct Resultaten {
  double AfstandSchuin = 0;  // r
  PerPeriode Qtotaal{}, Vrachtverkeer{};
  PerPeriode Elv{}, Emv{}, Ezv{}, Emr{}, Ebromf{}, Etram{};
  PerPeriode ElvWeg{}, EmvWeg{}, EzvWeg{};
  PerPeriode EmissieGetal{}, EmissieWeg{};
  std::array<double, 4> CwegdekCat{};  // 1 lv, 2 mv, 3 zv
  PerPeriode Cwegdek{}, Ckruising{}, Cobstakel{}, Coptrek{};
  double Crefl = 0;
  bool Art35Vlag = false;
  std::int16_t Art35Aftrek = 0;
  double Dafstand = 0, Dlucht = 0, Dmeteo = 0, Dbodem = 0, Czichthoek = 0;
  PerPeriode LAeq{}, LAeqEtm{};
  double Letmaal = 0, Lnight = 0, Lden = 0;
  std::int16_t Aftrek110g = 0;
};

}  // namespace tarvo
