#pragma once
// The worksheet: stored values (what the calculation reads), result values
// (what it writes) and the little window state that belongs to it.
#include <array>
#include <cstdint>
#include <string>

namespace tarvo {

// Per-period values are indexed 1 (DAG), 2 (AVOND), 3 (NACHT); element 0 is unused.
using PerPeriode = std::array<double, 4>;

inline constexpr std::size_t kNaamVeldLengte = 45;   // Waarneempunt, WegNaam
inline constexpr std::size_t kToelichtingLengte = 60;

inline constexpr std::array<const char*, 2> kRailConstructies = {"Rail in ballastbed", "Rail in (asfalt)beton"};

struct Datum {
  int jaar = 0, maand = 0, dag = 0;
  friend auto operator<=>(const Datum&, const Datum&) = default;
};

struct Werkblad {
  // --- stored values ---
  std::string Waarneempunt = std::string(kNaamVeldLengte, ' ');
  std::string WegNaam = std::string(kNaamVeldLengte, ' ');
  PerPeriode Qlv{}, Qmv{}, Qzv{}, Qmr{}, Qbromf{}, Qtram{};
  PerPeriode Qtotaal{}, Vrachtverkeer{};  // derived, fields 26..31
  double Vlv = 0, Vmv = 0, Vzv = 0, Vmr = 0, Vbromf = 0, Vtram = 0;
  double Waarneemhoogte = 0, Wegdekhoogte = 0, Bodemfactor = 0, Objectfractie = 0;
  double AfstandHor = 0, AfstandKruising = 0, AfstandObstakel = 0, Zichthoek = 0;
  double AfstandSchuin = 0;
  std::int16_t WegdekKeuze = 0;
  std::int16_t RailConstructie = 0;
  std::array<std::string, 4> Toelichting{std::string(kToelichtingLengte, ' '), std::string(kToelichtingLengte, ' '),
                                         std::string(kToelichtingLengte, ' '), std::string(kToelichtingLengte, ' ')};

  // --- result values ---
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

  std::array<std::int16_t, 4> Etmaalcorrectie{0, 0, 5, 10};

  // --- window state belonging to the worksheet ---
  std::array<std::string, 26> SnelheidBewaard{};  // element k-1 for speed field k
  int WegdekLijstIndex = 0;
  std::array<std::string, 11> AfdrukRegels{};  // the report blocks

  // The user's decimal separator, used by every number text of the worksheet.
  char Decimaal = '.';

  // Category c: 0 lv, 1 mv, 2 zv, 3 mr, 4 bromf, 5 tram.
  PerPeriode& Intensiteit(int c);
  const PerPeriode& Intensiteit(int c) const;
  double& Snelheid(int c);
  double Snelheid(int c) const;
};

}  // namespace tarvo
