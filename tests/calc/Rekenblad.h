#pragma once
// A worksheet as the user fills it in: field texts over the Reset's, a
// small catalogue, the check and the calculation.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/Tekst.h"
#include "calc/Bereken.h"
#include "calc/Controle.h"
#include "driver/Resultaatteksten.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"

namespace tarvo::test {

// Field texts typed over the Reset's: field number and text.
using Teksten = std::vector<std::pair<int, const char*>>;

// 1 reference asphalt, 2 "2L ZOAB" (listed for -1), 3 the same name in lower
// case, 4 a 30-character listed name, 5 DL -3 without speed index, 6 six
// distinct coefficients, none of them 0.
inline Catalogus TestCatalogus() {
  Catalogus c;
  auto zet = [&](int i, std::string_view naam, Wegdek w) {
    w.Omschrijving = VastBreed(naam, kOmschrijvingLengte);
    c.Wegdekken[static_cast<std::size_t>(i)] = w;
  };
  zet(1, "referentiewegdek DAB", {});
  zet(2, "  2L ZOAB", {"", -4.6, 1.9, -3.0, 0.0, -2.6, 0.0});
  zet(3, "2l zoab", {"", -4.6, 1.9, -3.0, 0.0, -2.6, 0.0});
  zet(4, "elementenverharding, keperverb", {"", 1.0, 2.0, 0.5, 0.0, 0.5, 0.0});
  zet(5, "DL -3", {"", -3, 0, -3, 0, -3, 0});
  zet(6, "dunne deklaag B", {"", -1.3, 2.6, 0.8, -1.9, -2.2, 3.4});
  c.AantalWegdekken = 6;
  c.Gebruikersnaam = VastBreed("ir. José Müller", kNaamLengte);
  VulLijst(c);
  return c;
}

struct Rekenblad {
  char decimaal;
  Werkblad werkblad;
  Catalogus cat = TestCatalogus();

  explicit Rekenblad(char dec = '.') : decimaal(dec), werkblad(LeegWerkblad(dec)) {}
  Rekenblad& Typ(int k, std::string tekst) {
    werkblad.veld.at(static_cast<std::size_t>(k)) = std::move(tekst);
    return *this;
  }
  Rekenblad& Typ(const Teksten& teksten) {
    for (const auto& [k, t] : teksten) Typ(k, t);
    return *this;
  }
  // The input of a check that must pass.
  Invoer Gecontroleerd() const {
    const Controle c = Controleer(werkblad, decimaal);
    EXPECT_TRUE(c) << (c.weigering ? WeigeringRegel(*c.weigering) : "");
    return c ? *c.invoer : Invoer{};
  }
  Berekend Bereken(Datum vandaag = {2024, 3, 1}) const {
    Invoer in = Gecontroleerd();
    Resultaten r = tarvo::Bereken(in, cat, vandaag);
    return {std::move(in), std::move(r)};
  }
};

}  // namespace tarvo::test
