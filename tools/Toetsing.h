#pragma once
// The legal value of a calculation and its test against the limits of the
// Wet geluidhinder (Wgh) for dwellings along a road.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The geluidsbelasting: Lden after the art. 110g deduction rounded to the
// nearest whole decibel, a half to the even one (RMG 2012 art. 1.3).
int Geluidsbelasting(double ldenNaAftrek);

// The preferred limit for dwellings along a road (Wgh art. 82 lid 1).
inline constexpr int kVoorkeursgrenswaarde = 48;
inline constexpr std::string_view kVoorkeursArtikel = "art. 82 lid 1 Wgh";

// The situations of Wgh art. 83 with the highest value that may be granted.
struct Situatie {
  std::string_view naam;
  std::string_view artikel;
  int maximum;
};
inline constexpr std::array<Situatie, 9> kSituaties = {{
    {"woning in buitenstedelijk gebied", "art. 83 lid 1 Wgh", 53},
    {"woning in stedelijk gebied", "art. 83 lid 1 Wgh", 58},
    {"nog niet geprojecteerde woning in stedelijk gebied langs een aanwezige weg", "art. 83 lid 2 Wgh", 63},
    {"aanwezige woning langs een nieuwe weg, stedelijk gebied", "art. 83 lid 3 onder a Wgh", 63},
    {"aanwezige woning langs een nieuwe weg, buitenstedelijk gebied", "art. 83 lid 3 onder b Wgh", 58},
    {"agrarische bedrijfswoning in buitenstedelijk gebied", "art. 83 lid 4 Wgh", 58},
    {"vervangende woning in stedelijk gebied", "art. 83 lid 5 Wgh", 68},
    {"vervangende woning binnen de bebouwde kom langs een autoweg of autosnelweg", "art. 83 lid 6 Wgh", 63},
    {"vervangende woning buiten de bebouwde kom", "art. 83 lid 7 Wgh", 58},
}};

// The limit a test is made against: one of the situations, or a value the
// user types (municipal policy for a 30 km/h road, a reconstruction).
struct Maximum {
  int waarde = 0;
  std::string herkomst;  // the article, or "zelf gekozen"
};
Maximum MaximumVan(const Situatie& situatie);
Maximum EigenMaximum(int waarde);

enum class Toetsuitkomst { Voldoet, HogereWaarde, BovenMaximum };

struct Toetsresultaat {
  int geluidsbelasting = 0;
  Toetsuitkomst uitkomst = Toetsuitkomst::Voldoet;
  std::string tekst;  // the outcome in words, each value with its article
};

// The test of one geluidsbelasting. In a 30 km zone the road has no zone
// under the Wgh (art. 74 lid 2) and the text says the values were chosen.
Toetsresultaat Toets(int geluidsbelasting, const Maximum& maximum, bool zone30);

// "1,5; 4,5;7.5" or "48;63": numbers separated by ';', either decimal sign,
// in the order given, as their texts. Nothing for an empty list or an empty part.
std::optional<std::vector<std::string>> LeesLijst(std::string_view tekst);

}  // namespace tarvo
