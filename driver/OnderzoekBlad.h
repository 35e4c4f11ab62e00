#pragma once
// A study as the window and the page show it and change it: a table per
// point with the heights down and the roads across, the sheet's text kept
// byte for byte, and the worksheet on screen added to it as a road.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Onderzoek.h"
#include "tools/Bijlage.h"

namespace tarvo {

struct OnderzoekCel {
  bool berekend = false;
  std::string geluidsbelasting;  // "59" (dB)
  std::string toetsing;          // the outcome in words; empty without a situation or maximum
  Toetsuitkomst uitkomst = Toetsuitkomst::Voldoet;
};

struct OnderzoekPuntTabel {
  std::string naam;
  std::string maximum;                            // "58 dB (art. 83 lid 1 Wgh)"; empty for none
  std::vector<std::string> wegen;                 // the columns: the roads as typed
  std::vector<std::string> hoogten;               // the rows: "1,50 m"
  std::vector<std::vector<OnderzoekCel>> cellen;  // [height][road]
  std::vector<std::string> cumulatief;            // per height: Lden of the roads together, without the deduction
  std::vector<std::string> meldingen;             // the roads not computed, with their lines
};

// The kBijschrift texts the tables carry.
inline constexpr std::string_view kOnderzoekCumulatief = "cumulatief Lden zonder aftrek art. 110g Wgh (dB)";
inline constexpr std::string_view kOnderzoekCel = "geluidsbelasting (dB)";

// What every view of a study says: the window, its print and the page.
inline constexpr std::string_view kOnderzoekKop = "Onderzoek";
inline constexpr std::string_view kOnderzoekLeeg =
    "Nog geen onderzoek: open een blad, of voeg het huidige rekenblad toe als weg.";
inline constexpr std::string_view kNietBerekend = "niet berekend";
inline constexpr std::string_view kZieRedenen = "Zie de meldingen onder de tabel.";
inline constexpr std::string_view kNietElkeWeg = "Niet elke weg van dit punt is berekend.";
inline constexpr std::string_view kOnderzoekEerstOpslaan = "Wilt u het onderzoek eerst opslaan?";
inline constexpr std::string_view kNietToevoegen = "Het huidige rekenblad kan niet worden toegevoegd: ";
inline constexpr std::string_view kNietIngevuld = "er is geen rekenblad ingevuld of geopend.";
inline constexpr std::string_view kTitelNieuwOnderzoek = "Nieuw onderzoek";
inline constexpr std::string_view kTitelOnderzoekOpenen = "Onderzoek openen";
inline constexpr std::string_view kTitelOnderzoekOpslaan = "Onderzoek opslaan";

// The study's commands that every view has, with their access keys.
struct OnderzoekOpdrachten {
  std::string_view nieuw = "&Nieuw";
  std::string_view openen = "&Openen…";
  std::string_view opslaan = "Op&slaan…";
  std::string_view huidig = "&Huidig rekenblad toevoegen";
  std::string_view sluiten = "Sl&uiten";
};
inline constexpr OnderzoekOpdrachten kOnderzoekOpdrachten;

// The line over a point's table: its maximum, or that its roads are not tested.
std::string MaximumZin(const OnderzoekPuntTabel& t);
// What the tables show, over them.
std::string OnderzoekUitleg();

struct OnderzoekAntwoord {
  std::string fout;  // the sheet refused as a whole; empty otherwise
  OnderzoekBlad blad;
  OnderzoekUitkomst uitkomst;  // points into blad: keep them together
  std::vector<OnderzoekPuntTabel> tabellen;
  std::string samenvatting;  // how many road lines were not computed, or empty
  std::string csv;           // the table tarvo-reken --onderzoek writes, lines ended by CR LF

  OnderzoekAntwoord() = default;
  OnderzoekAntwoord(const OnderzoekAntwoord&) = delete;
  OnderzoekAntwoord& operator=(const OnderzoekAntwoord&) = delete;
};

// The sheet's text computed at its points' own heights.
std::unique_ptr<OnderzoekAntwoord> OnderzoekVan(std::string_view tekst, const Catalogus& catalogus, Datum vandaag,
                                                char decimaal);

// The annex of every road computed, per point, height and road, with its
// point's test: what a printed study ends with. `naam` names the sheet.
BijlageTabel OnderzoekBijlage(const OnderzoekAntwoord& antwoord, const std::string& naam, const Catalogus& catalogus,
                              char decimaal);

// The sheet with the checked worksheet as one more road line: its point and
// road are its own observation point and road. Columns the sheet lacks for
// the worksheet's inputs are added; the other lines get the values a reset
// worksheet has in them, so they keep their meaning. An empty sheet becomes
// a new one. Refused: the same road at that point already, or a header the
// batch refuses.
Uitkomst<std::string> VoegWegToe(std::string_view tekst, const Invoer& invoer, char decimaal);

}  // namespace tarvo
