#pragma once
// Turning a daily traffic count with its distribution into vehicle numbers
// per period, and those numbers into the worksheet's hourly intensities.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/VeldGetal.h"
#include "calc/Werkblad.h"

namespace tarvo {

// Hours of DAG, AVOND and NACHT (index 1..3).
inline constexpr std::array<double, 4> kPeriodeUren = {0, 12, 4, 8};

// The rows of the count grid: txtInt index 3 × row + period (0..2).
enum TellingRij { kRijMotor = 0, kRijLicht, kRijMiddel, kRijZwaar, kRijBromf, kRijTram, kAantalRijen };
// The four rows a distribution fills, in the order of its share rows.
inline constexpr std::array<int, 4> kVerdeelRijen = {kRijMotor, kRijLicht, kRijMiddel, kRijZwaar};

inline constexpr std::string_view kGeenEtmaal = "Geen waarde voor Etmaalintensiteit ingevuld";
inline constexpr std::string_view kFouteUurpercentages = "Geen correcte Uurpercentages ingevuld";
inline constexpr std::string_view kFouteVoertuigpercentages = "Geen correcte Voertuigpercentages ingevuld";

// The captions of the distribution's rows and of the count rows, with the
// hint each row's boxes give: the window and the browser page show these.
inline constexpr std::array<std::string_view, 6> kVerdelingRijen = {
    "Etmaalintensiteit", "%Uurintensiteit", "%Motorrijwielen", "%Lichte vtg", "%Middelzware vtg", "%Zware vtg"};
inline constexpr std::array<std::string_view, 6> kVerdelingHints = {
    "Geef aantal voertuigen per etmaal",
    "Geef uurpercentage voertuigen per etmaalperiode",
    "Geef percentage motorrijwielen per etmaalperiode",
    "Geef percentage lichte voertuigen per etmaalperiode",
    "Geef percentage middelzware voertuigen per etmaalperiode",
    "Geef percentage zware voertuigen per etmaalperiode"};
inline constexpr std::array<std::string_view, kAantalRijen> kAantallenRijen = {
    "Motorrijwielen", "Lichte vtg", "Middelzware vtg", "Zware vtg", "Bromfietsen", "Trams"};
inline constexpr std::array<std::string_view, kAantalRijen> kAantallenHints = {
    "Geef aantal motorrijwielen per etmaalperiode",
    "Geef aantal lichte voertuigen per etmaalperiode",
    "Geef aantal middelzware voertuigen per etmaalperiode",
    "Geef aantal zware voertuigen per etmaalperiode",
    "Geef aantal bromfietsen per etmaalperiode",
    "Geef aantal trams per etmaalperiode"};

// The distribution boxes as numbers: txtVerd 0 the daily count, txtVerd p the
// hourly percentage of period p, then per share row four boxes further.
struct Verdeling {
  double etmaal = 0;
  PerPeriode uurPercentage{};
  std::array<PerPeriode, 4> aandeel{};  // motor, light, medium, heavy: percent of the period's traffic

  // The txtVerd box (0..15) as a reference into this record.
  double& Vak(int index);
};

struct VerdelingControle {
  bool ok = true;
  std::string_view melding;  // empty when ok
  int focusVak = -1;         // the txtVerd box to correct
};

// The checks before converting: a daily count, no period holding more than
// the whole day, and shares adding up to exactly 100 where traffic runs.
VerdelingControle ControleerVerdeling(const Verdeling& v);

// Vehicles of share row s (0..3) in period p (1..3), in the order of
// evaluation the counts have always had.
double Aantal(const Verdeling& v, int s, int p);

// The worksheet field (txtInvoer) a count box writes, and its hourly value.
int DoelVeld(int rij, int periode);
double Uurintensiteit(double aantal, int periode);

// The ranges and patterns of the boxes: the daily count, a percentage, a
// count as "Omrekenen" writes it, and a count as "Toepassen" takes it.
inline constexpr GetalBereik kEtmaalBereik{999999, 0, "#0"};
inline constexpr GetalBereik kPercentageBereik{100, 0, "##0.00"};
inline constexpr std::string_view kAantalPatroon = "#0.00";
inline constexpr GetalBereik kToepasBereik{99999, -99999, "##0.00"};

// The boxes of the distribution (see Verdeling::Vak) and of the counts (3 × row + period - 1).
inline constexpr int kAantalVerdeling = 16;
inline constexpr int kAantalAantallen = 3 * kAantalRijen;

// The range of distribution box (verdeling) or count box vak, and the keys
// it takes: the daily count and the counts whole numbers, the percentages
// decimals.
const GetalBereik& VakBereik(bool verdeling, int vak);
std::string_view VakTekens(bool verdeling, int vak);

// The order "Toepassen" checks the count rows in: the worksheet's, so the
// first box in it that is no number keeps the focus.
inline constexpr std::array<int, kAantalRijen> kToepasVolgorde = {kRijLicht, kRijMiddel, kRijZwaar,
                                                                  kRijMotor, kRijBromf,  kRijTram};

// The count boxes (3 × row + period − 1) "Omrekenen" fills, with their texts.
std::vector<std::pair<int, std::string>> AantalTeksten(const Verdeling& v, char decimaal);

// The text a worksheet field gets from a count box's text: the count as
// "Toepassen" validates it, per hour of the period, "#0.00"; nothing when
// the text is no number.
std::optional<std::string> UurTekst(std::string_view aantalTekst, int periode, char decimaal);

// The batch columns of the shares: "aandeel_mr_dag" for share row 0 in period 1.
inline constexpr std::array<std::string_view, 4> kAandeelNamen = {"mr", "lv", "mv", "zv"};
inline std::string AandeelKolom(std::size_t s, int p) {
  return PeriodeKolom("aandeel_" + std::string(kAandeelNamen[s]), p);
}

// Daily totals as texts, as a batch row gives them: the daily count, the
// hourly percentages and the shares (motor, light, medium, heavy) per
// period, and optionally a factor (workday to average day) and a yearly
// growth in percent over a number of years.
struct Etmaalgegevens {
  std::string_view etmaal;
  std::array<std::string_view, 4> uur;                     // 1..3
  std::array<std::array<std::string_view, 4>, 4> aandeel;  // [share row][period 1..3]
  std::string_view factor, groei, jaren;                   // empty: none
};

// The worksheet texts of the distribution rows' intensity fields, worked out
// as the traffic-count window does: the daily count (times the factor and the
// growth) as its box rounds it, the checks of ControleerVerdeling, each count
// as "Omrekenen" shows it, then "Toepassen". A refusal names what is wrong.
Uitkomst<std::vector<std::pair<int, std::string>>> UurTekstenUitEtmaal(const Etmaalgegevens& g, char decimaal);

}  // namespace tarvo
