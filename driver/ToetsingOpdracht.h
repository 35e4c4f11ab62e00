#pragma once
// The worksheet at several observation heights, tested against the limits
// of the Wet geluidhinder, with the distances where it meets them: one call
// for the window, the page and tarvo-reken.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Rekenen.h"
#include "tools/Afstand.h"
#include "tools/Bijlage.h"
#include "tools/Hoogten.h"
#include "tools/Toetsing.h"

namespace tarvo {

// The worksheet checked at its own height, then computed at each height of
// `hoogten` (a typed list; none: its own height) with a distance per limit.
struct HoogtenAntwoord {
  Rekening rekening;
  std::string hoogtenFout;  // the list of heights refused
  std::string fout;         // a height where a level is no finite number
  std::vector<HoogteResultaat> hoogten;

  bool Gelukt() const { return rekening.Gelukt() && hoogtenFout.empty() && fout.empty(); }
};
HoogtenAntwoord RekenHoogten(const Werkblad& werkblad, const std::optional<std::string>& hoogten,
                             const std::vector<double>& grenzen, const Catalogus& catalogus, Datum vandaag,
                             char decimaal);

// What the user chose for a test, kept by a face from one test to the next.
struct ToetsingKeuze {
  std::optional<std::string> hoogten;  // as typed; none: the worksheet's own height
  std::size_t situatie = 0;            // into kSituaties; its size for a maximum of the user's own
  int eigenMaximum = 63;
  std::string grenzen;  // extra limits for the contours, as typed
};

// The situations as a list offers them, the user's own maximum last.
std::vector<std::string> SituatieKeuzes();
// The maximum the choice stands for.
Maximum GekozenMaximum(const ToetsingKeuze& keuze);

// A column of the table: its heading (lines split by '\n') and what it holds.
struct ToetsingKolom {
  std::string kop, uitleg;
};
// A cell: its text and, where the text alone could mislead, why.
struct ToetsingCel {
  std::string tekst, uitleg;
};
struct ToetsingRij {
  std::vector<ToetsingCel> cellen;  // under the columns, the outcome in words after the geluidsbelasting
  Toetsuitkomst uitkomst = Toetsuitkomst::Voldoet;
};

struct ToetsingAntwoord {
  std::string melding;  // why nothing was computed; empty otherwise
  std::vector<ToetsingKolom> kolommen;
  std::vector<ToetsingRij> rijen;
  // For the annex: the heights computed, the limits searched and the maximum.
  std::vector<HoogteResultaat> hoogten;
  std::vector<double> grenzen;
  Maximum maximum;
};
ToetsingAntwoord Toetsing(const Werkblad& werkblad, const ToetsingKeuze& keuze, const Catalogus& catalogus,
                          Datum vandaag, char decimaal);

// The annex of the heights a test computed, the worksheet named `naam`:
// the table the window and the page save and print.
BijlageTabel ToetsingBijlage(const ToetsingAntwoord& toetsing, std::string_view naam, const Catalogus& catalogus,
                             char decimaal);
// The table as a file a spreadsheet opens: byte-order mark, ';', CR LF.
std::string BijlageBestand(const BijlageTabel& tabel);
// On paper: the heading over every page, and over the quantities' column;
// a page's number reads kBladNummer[0] N kBladNummer[1] M.
std::string BijlageKop(const BijlageTabel& tabel);
inline constexpr std::string_view kBijlageNaamKop = "grootheid";
inline constexpr std::string_view kBijlageOpgeslagen = "Bijlage opgeslagen.";
inline constexpr std::array<std::string_view, 2> kBladNummer = {"blad ", " van "};

// The hints of the boxes a face offers for the choice.
std::string HoogtenUitleg();
std::string GrenzenUitleg();
// The captions of the choice, '&' before a letter a key reaches it by.
inline constexpr std::string_view kHoogtenBijschrift = "&Hoogten (m):";
inline constexpr std::string_view kSituatieBijschrift = "&Situatie:";
inline constexpr std::string_view kMaximumBijschrift = "Eigen &maximum:";
inline constexpr std::string_view kGrenzenBijschrift = "Extra &grenswaarden voor afstanden (dB):";
// A maximum of the user's own lies between the preferred limit and the highest target.
inline constexpr int kEigenMaximumVan = kVoorkeursgrenswaarde;
inline constexpr int kEigenMaximumTot = static_cast<int>(kDoelMax);
// "Toetsing – voorbeeld.tvo": the test of a worksheet, by the name it goes by.
std::string ToetsingTitel(std::string_view naam);
// The name of a worksheet that is no file (yet).
inline constexpr std::string_view kHuidigRekenblad = "huidig rekenblad";
// The column of the outcome in words.
inline constexpr std::size_t kToetsKolom = 6;

}  // namespace tarvo
