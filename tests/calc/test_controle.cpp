#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/Controle.h"
#include "files/Reset.h"
#include "tests/Gevallen.h"
#include "tests/calc/Rekenblad.h"

using namespace tarvo;

namespace {

constexpr auto kGeenGetal = Weigering::Soort::GeenGetal;
constexpr auto kWaarschuwing = Weigering::Soort::Waarschuwing;
// A check that passes formats every number field, however many there are.
constexpr int kAlle = -1;

struct ControleGeval {
  const char* naam;
  test::Teksten teksten;                         // over the Reset's
  std::optional<Weigering> weigering;            // none: the check passes
  std::vector<std::pair<int, double>> getallen;  // in the input, when it passes
  test::Teksten weergave;                        // what a field shows afterwards; nullptr: what was typed
  int getoond;                                   // how many fields show a new text; kAlle: every number field
  bool zone = false;
  char decimaal = '.';
};
class Invoercontrole : public ::testing::TestWithParam<ControleGeval> {};
const ControleGeval kControles[] = {
    // Every text is tested before anything is taken over: hw 0 would warn.
    // Empty fields before the refused one are filled, none after it.
    {"tekst_die_geen_getal_is",
     {{3, ""}, {10, "1,2.3"}, {20, ""}, {32, "0"}},
     Weigering{kGeenGetal, 10, "1,2.3"},
     {},
     {{3, "0,00"}, {10, nullptr}, {20, nullptr}, {32, nullptr}},
     1,
     false,
     ','},
    {"eerste_in_veldvolgorde", {{5, "v"}, {10, "q"}}, Weigering{kGeenGetal, 5, "v"}, {}, {{5, nullptr}}, 0},
    {"geen_getal_in_de_zichthoek", {{38, ""}, {39, "1e5"}}, Weigering{kGeenGetal, 39, "1e5"}, {}, {{38, "0.00"}}, 1},
    // A warning: the fields taken over up to its own are formatted, every
    // empty one is filled, the others keep what was typed.
    {"waarneemhoogte_0",
     {{2, "1000"}, {5, "79,6"}, {32, "0"}, {36, "0"}, {38, ""}},
     Weigering{kWaarschuwing, 32, "geen waarneemhoogte ingevuld"},
     {},
     {{2, "1000.00"}, {5, "80"}, {32, "0.00"}, {33, nullptr}, {36, nullptr}, {38, "0.00"}},
     26},
    {"waarneemhoogte_afgerond_0",
     {{32, "0.004"}},
     Weigering{kWaarschuwing, 32, "geen waarneemhoogte ingevuld"},
     {},
     {{32, "0.00"}},
     25},
    {"wegdek_boven_waarneempunt",
     {{32, "3"}, {33, "3,014"}, {36, "25"}, {39, "0"}},
     Weigering{kWaarschuwing, 33, "wegdek hoger dan waarneemhoogte"},
     {},
     {{32, "3.00"}, {33, "3.01"}, {36, nullptr}, {39, nullptr}},
     26},
    {"geen_afstand",
     {{32, "5"}, {33, "1"}, {36, ""}, {37, "160"}},
     Weigering{kWaarschuwing, 36, "geen afstand ingevuld"},
     {},
     {{33, "1.00"}, {36, "0.00"}, {37, nullptr}},
     27},
    // Passed: every number field shows what was taken over, the derived ones
    // keep theirs.
    {"geklemde_waarden",
     {{2, "12000"}, {3, "123456"}, {5, "20"}, {9, "200"}, {34, "1.5"}, {37, "150"}, {38, "100"}, {39, "0"}},
     std::nullopt,
     {{2, 12000}, {3, 99999}, {5, 30}, {9, 110}, {34, 1}, {37, 150}, {38, 100}, {39, 127}},
     {{2, "12000.00"}, {3, "99999.00"}, {5, "30"}, {9, "110"}, {34, "1.00"}, {39, "127"}, {26, nullptr}},
     kAlle},
    // A crossing or obstacle that far has no effect, but the field keeps the distance.
    {"net_voorbij_de_grenzen",
     {{35, "1,01"}, {37, "150.01"}, {38, "100,01"}, {39, "128"}},
     std::nullopt,
     {{35, 1}, {37, 0}, {38, 0}, {39, 127}},
     {{35, "1.00"}, {37, "150.01"}, {38, "100.01"}, {39, "127"}},
     kAlle},
    {"hoogten_en_afstand_tot_99999",
     {{32, "12000"}, {33, "11999,5"}, {36, "123456"}},
     std::nullopt,
     {{32, 12000}, {33, 11999.5}, {36, 99999}},
     {{33, "11999,50"}, {36, "99999,00"}},
     kAlle,
     false,
     ','},
    {"kleinste_hoogte_en_afstand",
     {{32, "0.01"}, {33, "0.01"}, {36, "0.005"}},
     std::nullopt,
     {{32, 0.01}, {33, 0.01}, {36, 0.01}},
     {{36, "0.01"}},
     kAlle},
    {"snelheden_boven_maximum",
     {{5, "999"}, {9, "999"}, {13, "999"}, {17, "999"}, {21, "999"}, {25, "999"}, {39, "1"}},
     std::nullopt,
     {{5, 160}, {9, 110}, {13, 110}, {17, 160}, {21, 60}, {25, 110}, {39, 1}},
     {{21, "60"}},
     kAlle},
    {"snelheden_onder_minimum",
     {{5, "29"}, {9, "0"}, {13, ""}, {17, "-80"}, {21, "29,4"}, {25, "1"}},
     std::nullopt,
     {{5, 30}, {9, 30}, {13, 30}, {17, 30}, {21, 30}, {25, 30}},
     {{13, "30"}},
     kAlle},
    // In a 30 km zone every speed counts as 30, whatever its field holds.
    {"zone_rekent_met_30",
     {{5, "abc"}, {9, "80"}},
     std::nullopt,
     {{5, 30}, {9, 30}, {25, 30}},
     {{5, "30"}, {9, "30"}},
     kAlle,
     true},
    // Qtotaal and the freight share of each period, as the calculation works them out.
    {"totalen_uit_intensiteiten",
     {{2, "100"}, {6, "20"}, {10, "5"}, {14, "3"}, {18, "2"}, {22, "1"}, {3, "50"}, {11, "10"}, {7, "0.5"}},
     std::nullopt,
     {{26, 131}, {27, 60.5}, {28, 0}, {29, 19.083969465648856}, {30, 17.355371900826448}, {31, 0}},
     {{26, nullptr}},
     kAlle},
};

}  // namespace

// The refusal or the input, and what the fields show: a field has a new
// text exactly when the check found it valid, and the refused field takes
// the focus.
TEST_P(Invoercontrole, GeeftInvoerOfWeigeringEnWeergave) {
  const ControleGeval& g = GetParam();
  test::Rekenblad t(g.decimaal);
  t.Typ(g.teksten).werkblad.zone = g.zone;
  const Controle c = Controleer(t.werkblad, g.decimaal);
  EXPECT_EQ(ControleerGetallen(WerkbladTeksten(t.werkblad)).invoer.has_value(), c.invoer.has_value()) << "batch";
  if (g.weigering) {
    ASSERT_TRUE(c.weigering && !c.invoer);
    EXPECT_EQ(c.weigering->soort, g.weigering->soort);
    EXPECT_EQ(c.weigering->veld, g.weigering->veld);
    EXPECT_EQ(c.weigering->tekst, g.weigering->tekst);
  } else {
    ASSERT_TRUE(c.invoer && !c.weigering) << (c.weigering ? WeigeringRegel(*c.weigering) : "");
    for (auto [k, x] : g.getallen) EXPECT_NEAR(c.invoer->getal[static_cast<std::size_t>(k)], x, 1e-12) << k;
  }
  const Weergave& w = c.weergave;
  EXPECT_EQ(w.focus, g.weigering ? g.weigering->veld : -1);
  int getoond = 0;
  for (int k = 0; k < kAantalVelden; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const bool ongeldig = g.weigering && g.weigering->soort == kGeenGetal && g.weigering->veld == k;
    EXPECT_EQ(w.staat[i], ongeldig ? VeldStaat::Ongeldig : w.tekst[i] ? VeldStaat::Geldig : VeldStaat::Ongemoeid) << k;
    getoond += w.tekst[i].has_value();
  }
  EXPECT_EQ(getoond, g.getoond == kAlle ? static_cast<int>(OvernameVolgorde().size()) : g.getoond);
  for (auto [k, t] : g.weergave) {
    EXPECT_EQ(w.tekst[static_cast<std::size_t>(k)], t ? std::optional<std::string>(t) : std::nullopt) << k;
  }
}
TARVO_GEVALLEN(Invoercontrole, kControles);

// Names as typed, also beyond what the file keeps; remarks without their
// outer blanks; road surface and switches as chosen.
TEST(Controleer, NeemtNamenToelichtingEnSchakelaarsOver) {
  test::Rekenblad t;
  const std::string lang = "  " + std::string(50, 'p') + " ";
  t.Typ(0, lang).Typ(1, " N201; oost ");
  Werkblad& w = t.werkblad;
  w.toelichting = {"  eerste  ", " ", "", "  tweede  regel "};
  w.wegdek = 3, w.zone = true, w.aftrek = true, w.rail = 1;
  const Invoer in = t.Gecontroleerd();
  EXPECT_EQ(in.waarneempunt, lang);
  EXPECT_EQ(in.weg, " N201; oost ");
  EXPECT_EQ(in.toelichting, (std::array<std::string, kAantalToelichtingen>{"eerste", "", "", "tweede  regel"}));
  EXPECT_TRUE(in.wegdek == 3 && in.zone && in.aftrek && in.rail == 1);
}

// The window's sentence names the field by its row and column captions; a
// line for the command line names its number and the text too.
TEST(Controleer, NoemtHetVeldDatGeenGetalIs) {
  const std::pair<int, const char*> meldingen[] = {
      {2, "Berekening niet uitgevoerd: 'Qlicht (mvt/h)' dag is geen getal."},
      {23, "Berekening niet uitgevoerd: 'Qtram (mvt/h)' avond is geen getal."},
      {12, "Berekening niet uitgevoerd: 'Qzwaar (mvt/h)' nacht is geen getal."},
      {21, "Berekening niet uitgevoerd: 'Qbromfiets (mvt/h)' v (km/h) is geen getal."},
      {32, "Berekening niet uitgevoerd: 'waarneemhoogte (m)' is geen getal."},
      {39, "Berekening niet uitgevoerd: 'zichthoek (graden)' is geen getal."}};
  for (auto [k, melding] : meldingen) EXPECT_EQ(GeenGetalMelding(k), melding);
  EXPECT_EQ(WeigeringRegel({kGeenGetal, 17, "8O"}), "Veld 17 (Qmotorfiets (mvt/h) / v (km/h)) bevat geen getal: '8O'.");
  EXPECT_EQ(WeigeringRegel({kGeenGetal, 36, ""}), "Veld 36 (horizontale afstand (m)) bevat geen getal: ''.");
  EXPECT_EQ(WeigeringRegel({kWaarschuwing, 32, "geen waarneemhoogte ingevuld"}), "geen waarneemhoogte ingevuld");
}

// Clamped numbers are named by their captions without units, with the
// bound in the field's own pattern; several in one sentence.
TEST(Controleer, NoemtBegrensdeVelden) {
  EXPECT_EQ(BegrensdMelding({}, ','), "");
  EXPECT_EQ(BegrensdMelding({{39, "180", 127}, {34, "1,5", 1}, {14, "-2", 0}, {9, "200", 110}}, ','),
            "Zichthoek begrensd tot 127; Bodemfactor B begrensd tot 1,00; Qmotorfiets dag begrensd tot 0,00; "
            "Qmiddelzwaar v begrensd tot 110");
  const Controle c = Controleer(
      [] {
        Werkblad w = LeegWerkblad('.');
        w.veld[veld::kZichthoek] = "180";
        return w;
      }(),
      '.');
  EXPECT_EQ(BegrensdMelding(c.begrensd, '.'), "Zichthoek begrensd tot 127");
}
