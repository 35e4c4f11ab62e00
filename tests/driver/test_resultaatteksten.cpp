#include <gtest/gtest.h>

#include <map>
#include <string>

#include "driver/Resultaatteksten.h"

using namespace tarvo;

TEST(ResultaatLabel, NiveauNaAftrekMetEenDecimaal) {
  EXPECT_EQ(ResultaatLabel(62, 5, " dB", '.'), " 57.0 dB");
  EXPECT_EQ(ResultaatLabel(106.3, 5, " dB(A)", '.'), "101.3 dB(A)");
  EXPECT_EQ(ResultaatLabel(0, 5, " dB", ','), "  0,0 dB");
  Resultaten r;
  r.Letmaal = 70.26, r.Lden = 67.84, r.Lnight = 60.07, r.Aftrek110g = 2;
  const ResultaatTeksten t = LabelTeksten(r, ',');
  EXPECT_EQ(t.letmaal + "|" + t.lden + "|" + t.lnight, " 68,3 dB(A)| 65,8 dB| 58,1 dB");
  EXPECT_EQ(t.aftrek, "inclusief 2 dB aftrek art. 110g Wgh");
}

// The line under the levels names the deduction only where a shown level
// carries it: a level of 0 is shown without it.
TEST(AftrekRegel, AlleenAlsEenNiveauVerlaagdIs) {
  struct Geval {
    std::int16_t aftrek;
    double letmaal, lden, lnight;
    const char* regel;
  };
  for (const Geval& g :
       {Geval{5, 0, 0, 0, ""}, Geval{0, 70, 67, 55, ""}, Geval{2, 0.1, 0, 0, "inclusief 2 dB aftrek art. 110g Wgh"},
        Geval{3, 0, 0, 48, "inclusief 3 dB aftrek art. 110g Wgh"},
        Geval{5, 0, 57, 0, "inclusief 5 dB aftrek art. 110g Wgh"}}) {
    Resultaten r;
    r.Aftrek110g = g.aftrek, r.Letmaal = g.letmaal, r.Lden = g.lden, r.Lnight = g.lnight;
    EXPECT_EQ(AftrekRegel(r), g.regel) << g.aftrek << " " << g.letmaal << " " << g.lden << " " << g.lnight;
  }
}

// Fields 26..28 show Qtotaal, 29..31 the freight share of each period.
TEST(AfgeleideTeksten, TotaalEnVrachtPerPeriode) {
  Resultaten r;
  r.Qtotaal = {0, 1000, 0, 200.5};
  r.Vrachtverkeer = {0, 12.3, 0, 7};
  std::map<int, std::string> teksten;
  for (const auto& [k, t] : AfgeleideTeksten(r, ',')) teksten[k] = t;
  EXPECT_EQ(teksten, (std::map<int, std::string>{
                         {26, "1000,00"}, {27, "0,00"}, {28, "200,50"}, {29, "12,30"}, {30, "0,00"}, {31, "7,00"}}));
}
