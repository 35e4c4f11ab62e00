#include <gtest/gtest.h>

#include "tools/Omrekenen.h"

using namespace tarvo;

namespace {

// A distribution whose every period passes: 10000 a day, shares 10/70/10/10.
Verdeling Geldig() {
  Verdeling v;
  v.etmaal = 10000;
  v.uurPercentage = {0, 5, 3, 1};
  v.aandeel = {PerPeriode{0, 10, 10, 10}, {0, 70, 70, 70}, {0, 10, 10, 10}, {0, 10, 10, 10}};
  return v;
}

}  // namespace

TEST(Omrekenen, UitgewerktVoorbeeldNaarUurintensiteit) {
  Verdeling v = Geldig();
  v.uurPercentage[1] = 6.5;
  v.aandeel = {};
  v.aandeel[1][1] = 90;  // light vehicles
  v.aandeel[0][1] = 10;
  EXPECT_DOUBLE_EQ(Aantal(v, 1, 1), 7020.0);
  EXPECT_DOUBLE_EQ(Uurintensiteit(7020.0, 1), 585.0);
  EXPECT_DOUBLE_EQ(Aantal(v, 0, 1), 780.0);  // motorcycles 10 %
  EXPECT_DOUBLE_EQ(Uurintensiteit(400, 2), 100);
  EXPECT_DOUBLE_EQ(Uurintensiteit(400, 3), 50);
}

// A count box's text as "Toepassen" hands it over: in its range, per hour, two decimals.
TEST(UurTekst, ZoalsToepassenHetOverneemt) {
  EXPECT_EQ(UurTekst("7020", 1, ','), "585,00");
  EXPECT_EQ(UurTekst("400", 3, '.'), "50.00");
  EXPECT_EQ(UurTekst("999999", 2, ','), "24999,75");  // at most 99999
  EXPECT_EQ(UurTekst("12a", 1, ','), std::nullopt);
}

// The first row is the motorcycles', the last the trams'.
TEST(DoelVeld, ElkeRijSchrijftZijnEigenVelden) {
  EXPECT_EQ(DoelVeld(0, 1), 14);
  EXPECT_EQ(DoelVeld(1, 2), 3);
  EXPECT_EQ(DoelVeld(5, 3), 24);
}

TEST(ControleerVerdeling, WeigertMetMeldingEnVak) {
  EXPECT_TRUE(ControleerVerdeling(Geldig()).ok);
  const auto weigering = [](void (*wijzig)(Verdeling&)) {
    Verdeling v = Geldig();
    wijzig(v);
    const VerdelingControle c = ControleerVerdeling(v);
    EXPECT_FALSE(c.ok);
    return std::pair{std::string(c.melding), c.focusVak};
  };
  using P = std::pair<std::string, int>;
  const std::string uur = "Geen correcte Uurpercentages ingevuld";
  EXPECT_EQ(weigering([](Verdeling& v) { v.etmaal = 0; }), P("Geen waarde voor Etmaalintensiteit ingevuld", 0));
  // 8.4 % in each of 12 hours is more than the whole day; NACHT has 8 hours.
  EXPECT_EQ(weigering([](Verdeling& v) { v.uurPercentage[1] = 8.4; }), P(uur, 1));
  EXPECT_EQ(weigering([](Verdeling& v) { v.uurPercentage[3] = 12.6; }), P(uur, 3));
  // Shares must add up to exactly 100; the focus goes to the period's motorcycle box.
  const P voertuig("Geen correcte Voertuigpercentages ingevuld", 5);
  EXPECT_EQ(weigering([](Verdeling& v) { v.aandeel[3][2] = 9.99; }), voertuig);
  // All hourly checks come before the first share check.
  EXPECT_EQ(weigering([](Verdeling& v) { v.aandeel[3][2] = 9.99, v.uurPercentage[3] = 20; }).first, uur);

  Verdeling v = Geldig();
  v.uurPercentage[1] = 8.3;
  EXPECT_TRUE(ControleerVerdeling(v).ok);
  // A period without traffic passes whatever its shares, and counts nothing.
  v.uurPercentage[3] = 0;
  v.aandeel[0][3] = 55;
  EXPECT_TRUE(ControleerVerdeling(v).ok);
  for (int s = 0; s < 4; ++s) EXPECT_EQ(Aantal(v, s, 3), 0);
}
