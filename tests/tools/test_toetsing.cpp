#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/Getal.h"
#include "calc/Bereken.h"
#include "tests/Gevallen.h"
#include "tests/calc/Rekenblad.h"
#include "tools/Afstand.h"
#include "tools/Bijlage.h"
#include "tools/Hoogten.h"
#include "tools/Omrekenen.h"
#include "tools/Toetsing.h"

using namespace tarvo;

namespace {

const Datum kNu{2024, 3, 1};

// A street that crosses 48 and 53 dB well within 5000 m.
const test::Teksten kStraat = {{2, "900"},  {3, "250"},  {4, "70"},   {5, "80"},  {6, "45"},  {7, "12"},
                               {8, "3"},    {9, "70"},   {10, "30"},  {11, "6"},  {12, "2"},  {13, "80"},
                               {32, "4.5"}, {33, "0.4"}, {34, "0.6"}, {36, "18"}, {39, "110"}};

}  // namespace

// RMG 2012 art. 1.3: to the nearest whole decibel, a half to the even one.
TEST(Geluidsbelasting, AfgerondNaarHetDichtstbijzijndeEnEenHalfNaarEven) {
  const std::pair<double, int> gevallen[] = {{52.5, 52},
                                             {53.5, 54},
                                             {47.5, 48},
                                             {48.5, 48},
                                             {0.5, 0},
                                             {1.5, 2},
                                             {52.499999999, 52},
                                             {52.500000001, 53},
                                             {48.0, 48},
                                             {63.49, 63},
                                             {std::nextafter(62.5, 63.0), 63},
                                             {0, 0}};
  for (auto [x, g] : gevallen) EXPECT_EQ(Geluidsbelasting(x), g) << x;
}

// The values of Wgh art. 82 and 83 for dwellings along a road, as the law
// gives them.
TEST(Toets, GrenswaardenMetHunArtikel) {
  struct Rij {
    const char* artikel;
    int maximum;
  };
  const Rij wet[] = {{"art. 83 lid 1 Wgh", 53},         {"art. 83 lid 1 Wgh", 58},         {"art. 83 lid 2 Wgh", 63},
                     {"art. 83 lid 3 onder a Wgh", 63}, {"art. 83 lid 3 onder b Wgh", 58}, {"art. 83 lid 4 Wgh", 58},
                     {"art. 83 lid 5 Wgh", 68},         {"art. 83 lid 6 Wgh", 63},         {"art. 83 lid 7 Wgh", 58}};
  ASSERT_EQ(std::size(wet), kSituaties.size());
  for (std::size_t i = 0; i < kSituaties.size(); ++i) {
    EXPECT_EQ(kSituaties[i].artikel, wet[i].artikel) << i;
    EXPECT_EQ(kSituaties[i].maximum, wet[i].maximum) << i;
  }
  EXPECT_EQ(kVoorkeursgrenswaarde, 48);
}

// Both sides of each limit, the article named with each value; in a 30 km
// zone the text says that the road has no zone and the values were chosen.
TEST(Toets, UitkomstInWoorden) {
  const Maximum stedelijk = MaximumVan(kSituaties[2]);
  struct Geval {
    int gb;
    Maximum maximum;
    bool zone;
    Toetsuitkomst uitkomst;
    const char* tekst;
  };
  const Geval gevallen[] = {
      {48, stedelijk, false, Toetsuitkomst::Voldoet,
       "voldoet aan de voorkeursgrenswaarde van 48 dB (art. 82 lid 1 Wgh)"},
      {49, stedelijk, false, Toetsuitkomst::HogereWaarde,
       "hogere waarde nodig, ten hoogste 63 dB mogelijk (art. 83 lid 2 Wgh)"},
      {63, stedelijk, false, Toetsuitkomst::HogereWaarde,
       "hogere waarde nodig, ten hoogste 63 dB mogelijk (art. 83 lid 2 Wgh)"},
      {64, stedelijk, false, Toetsuitkomst::BovenMaximum,
       "hoger dan de maximale ontheffingswaarde van 63 dB (art. 83 lid 2 Wgh)"},
      {55, EigenMaximum(54), true, Toetsuitkomst::BovenMaximum,
       "30 km-zone: de weg heeft geen zone volgens de Wgh (art. 74 lid 2), getoetst is aan de gekozen waarden; "
       "hoger dan de maximale ontheffingswaarde van 54 dB (zelf gekozen)"},
  };
  for (const Geval& g : gevallen) {
    const Toetsresultaat t = Toets(g.gb, g.maximum, g.zone);
    EXPECT_EQ(t.uitkomst, g.uitkomst) << g.gb;
    EXPECT_EQ(t.tekst, g.tekst) << g.gb;
  }
}

TEST(LeesHoogten, AlsHetVeldZeHoudtOfGeweigerdMetDeHoogte) {
  const auto lijst = LeesLijst("1,5; 4.5 ;1,555");
  ASSERT_TRUE(lijst);
  const auto h = LeesHoogten(*lijst, 1.5, ',');
  ASSERT_TRUE(h) << h.Melding();
  EXPECT_EQ(*h, (std::vector<double>{1.5, 4.5, 1.56}));
  EXPECT_FALSE(LeesLijst("1;;2"));
  EXPECT_FALSE(LeesLijst(""));
  const std::pair<const char*, const char*> fout[] = {
      {"abc", "Hoogte 'abc' is geen getal."},
      {"10000", "Hoogte '10000' ligt buiten 0 tot en met 9999 m."},
      {"0,004", "Hoogte '0,004' is geen waarneemhoogte: die is groter dan 0 m."},
      {"1,49", "Hoogte '1,49' ligt onder het wegdek (1,50 m)."},
  };
  for (auto [tekst, melding] : fout) {
    const auto r = LeesHoogten({tekst}, 1.5, ',');
    ASSERT_FALSE(r) << tekst;
    EXPECT_EQ(r.Melding(), melding);
  }
  EXPECT_FALSE(LeesGrenzen({"150,01"}));
  EXPECT_EQ(*LeesGrenzen({"48", "63"}), (std::vector<double>{48, 63}));

  // A typed line: the list's sentence for an empty part, the height's for a bad one.
  EXPECT_EQ(*LeesHoogtenLijst(" 4,5;1.5", 1.5, ','), (std::vector<double>{4.5, 1.5}));
  const std::pair<const char*, const char*> lijstFout[] = {
      {"1;;2", "Geef de hoogten als getallen gescheiden door ';', gevonden '1;;2'."},
      {"  ", "Geef de hoogten als getallen gescheiden door ';'."},
      {"2;abc", "Hoogte 'abc' is geen getal."},
  };
  for (auto [tekst, melding] : lijstFout) EXPECT_EQ(LeesHoogtenLijst(tekst, 1.5, ',').Melding(), melding);
  EXPECT_EQ(LeesGrenzenLijst("").Melding(), "Geef de grenswaarden als getallen gescheiden door ';'.");
}

// Contours for 48 dB and the maximum first, then the extra limits not among
// them; no extra limits is no error, a bad one is.
TEST(ContourGrenzen, VoorkeurMaximumEnDeRest) {
  const Maximum stedelijk = MaximumVan(kSituaties[1]);
  const std::pair<const char*, std::vector<double>> gevallen[] = {{"", {48, 58}},
                                                                  {" 58; 70;48 ;52,5", {48, 58, 70, 52.5}}};
  for (const auto& [extra, grenzen] : gevallen) EXPECT_EQ(*ContourGrenzen(stedelijk, extra), grenzen) << extra;
  EXPECT_EQ(*ContourGrenzen(EigenMaximum(48), ""), std::vector<double>{48});
  EXPECT_EQ(ContourGrenzen(stedelijk, "60;;").Melding(),
            "Geef de grenswaarden als getallen gescheiden door ';', gevonden '60;;'.");
}

// Each height is the worksheet with that height, computed as the button
// does; each limit's distance is the first on the grid where the rounded
// legal value meets it, and 0,01 m closer it does not.
TEST(BerekenHoogten, HoogtenEnContourenOpElkeGrens) {
  test::Rekenblad t;
  t.Typ(kStraat).werkblad.aftrek = true;
  const Invoer in = t.Gecontroleerd();
  const std::vector<double> grenzen = {48, 53, 70};
  const auto r = BerekenHoogten(in, {1.5, 7.5}, grenzen, t.cat, kNu);
  ASSERT_TRUE(r) << r.Melding();
  ASSERT_EQ(r->size(), 2u);
  for (const HoogteResultaat& h : *r) {
    const Berekend direct = test::Rekenblad(t).Typ(32, Formatteer(h.Hoogte(), "##0.00", '.')).Bereken(kNu);
    EXPECT_EQ(h.resultaten.Lden, direct.resultaten.Lden);
    EXPECT_EQ(h.ldenNaAftrek, EindNiveau(direct.resultaten.Lden, direct.resultaten.Aftrek110g));
    EXPECT_EQ(h.geluidsbelasting, Geluidsbelasting(h.ldenNaAftrek));
    AfstandRekenaar rekenaar(h.invoer, t.cat, kNu);
    for (std::size_t i = 0; i < grenzen.size(); ++i) {
      if (!h.contour[i]) {
        EXPECT_GT(Geluidsbelasting(rekenaar.Op(5000).niveau), grenzen[i]);
        continue;
      }
      const double d = *h.contour[i];
      EXPECT_LE(Geluidsbelasting(rekenaar.Op(d).niveau), grenzen[i]) << d;
      if (d > 1) {
        EXPECT_GT(Geluidsbelasting(rekenaar.Op(std::round(d * 100 - 1) / 100).niveau), grenzen[i]) << d;
      }
    }
    EXPECT_TRUE(h.contour[0] && h.contour[1] && *h.contour[0] > *h.contour[1]);
  }
  EXPECT_EQ(HoogteRegel((*r)[0], ',').substr(0, 5), "1,50;");
}

// The daily totals become the hourly texts the traffic-count window gives:
// etmaal 10000, 6,5 % per hour in the day, 90 % light vehicles: 7020,00 a
// day, 585,00 an hour. Every share differs, so a row in the wrong field shows.
TEST(UurTekstenUitEtmaal, AlsHetOmrekenvenster) {
  Etmaalgegevens g{};
  g.etmaal = "10000";
  g.uur = {"", "6,5", "3,5", "12.5"};  // the night: 12,5 % an hour for 8 hours is exactly the whole day
  const char* aandeel[4][4] = {
      {"", "1", "2", "3"}, {"", "90", "80", "70"}, {"", "5", "10", "15"}, {"", "4", "8", "12"}};
  for (std::size_t s = 0; s < 4; ++s) {
    for (std::size_t p = 1; p <= 3; ++p) g.aandeel[s][p] = aandeel[s][p];
  }
  const auto teksten = UurTekstenUitEtmaal(g, ',');
  ASSERT_TRUE(teksten) << teksten.Melding();
  std::map<int, std::string> veld(teksten->begin(), teksten->end());
  EXPECT_EQ(veld[2], "585,00");   // light, day
  EXPECT_EQ(veld[6], "32,50");    // medium, day
  EXPECT_EQ(veld[10], "26,00");   // heavy, day
  EXPECT_EQ(veld[14], "6,50");    // motorcycles, day
  EXPECT_EQ(veld[7], "35,00");    // medium, evening
  EXPECT_EQ(veld[12], "150,00");  // heavy, night
  EXPECT_EQ(veld.size(), 12u);

  // The factor and the growth on the daily count, which the window's box rounds.
  g.factor = "0,95", g.groei = "1,5", g.jaren = "10";
  const auto gegroeid = UurTekstenUitEtmaal(g, ',');
  ASSERT_TRUE(gegroeid) << gegroeid.Melding();
  EXPECT_EQ(gegroeid->front(),
            (std::pair<int, std::string>{14, Formatteer(11025.0 * 6.5 / 100 * 1 / 100, "#0.00", ',')}));
  EXPECT_EQ((*gegroeid)[1], (std::pair<int, std::string>{2, Formatteer(11025.0 * 6.5 / 100 * 90 / 100, "#0.00", ',')}));

  g.factor = g.groei = g.jaren = "";
  g.uur[1] = "8,4";
  EXPECT_EQ(UurTekstenUitEtmaal(g, ',').Melding(), "Geen correcte Uurpercentages ingevuld (uur_dag).");
  g.uur[1] = "6,5";
  g.aandeel[3][2] = "7,99";
  EXPECT_EQ(UurTekstenUitEtmaal(g, ',').Melding(), "Geen correcte Voertuigpercentages ingevuld (aandeel_*_avond).");
  g.aandeel[3][2] = "8";
  g.groei = "2";
  EXPECT_EQ(UurTekstenUitEtmaal(g, ',').Melding(),
            "Kolommen groei en jaren horen bij elkaar: vul beide in of geen van beide.");
}

// One line per worksheet and height, every input and term in its column.
TEST(Bijlage, EenRegelPerRekenbladEnHoogte) {
  test::Rekenblad t;
  t.Typ(kStraat);
  const auto r = BerekenHoogten(t.Gecontroleerd(), {1.5, 4.5}, {48}, t.cat, kNu);
  ASSERT_TRUE(r);
  const BijlageTabel tabel = MaakBijlage({{"a.tvo", (*r)[0]}, {"a.tvo", (*r)[1]}}, {48}, t.cat, ',');
  const auto kolom = [&](const std::string& naam) {
    const auto it = std::find(tabel.kolommen.begin(), tabel.kolommen.end(), naam);
    EXPECT_NE(it, tabel.kolommen.end()) << naam;
    return static_cast<std::size_t>(it - tabel.kolommen.begin());
  };
  ASSERT_EQ(tabel.regels.size(), 2u);
  EXPECT_EQ(tabel.regels[1][kolom("hw")], "4,50");
  EXPECT_EQ(tabel.regels[0][kolom("qlv_dag")], "900,00");
  EXPECT_EQ(tabel.regels[0][kolom("Lden")], Formatteer((*r)[0].resultaten.Lden, "##0.00", ','));
  EXPECT_EQ(tabel.regels[0][kolom("LAeq_nacht")], Formatteer((*r)[0].resultaten.LAeq[3], "##0.00", ','));
  EXPECT_EQ(tabel.regels[1][kolom("afstand_48dB")], Formatteer(*(*r)[1].contour[0], "##0.00", ','));
  for (const auto& regel : tabel.regels) EXPECT_EQ(regel.size(), tabel.kolommen.size());
  const std::string csv = BijlageCsv(tabel, "\n");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);
  EXPECT_TRUE(csv.starts_with("rekenblad;waarneempunt;weg;qlv_dag;"));

  // On paper each line is a column headed by its height, and by its
  // worksheet as well once there are more.
  EXPECT_EQ(BijlageKoppen(tabel), (std::vector<std::string>{"hoogte 1,50 m", "hoogte 4,50 m"}));
  EXPECT_EQ(BijlageRekenbladen(tabel), "a.tvo");
  const BijlageTabel twee = MaakBijlage({{"a.tvo", (*r)[0]}, {"b.tvo", (*r)[1]}, {"a.tvo", (*r)[1]}}, {}, t.cat, ',');
  EXPECT_EQ(BijlageKoppen(twee)[1], "b.tvo, hoogte 4,50 m");
  EXPECT_EQ(BijlageRekenbladen(twee), "a.tvo, b.tvo");
}
