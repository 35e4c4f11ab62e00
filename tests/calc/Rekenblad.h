#pragma once
// A worksheet as the user fills it in: field texts typed into plain
// controls, a small catalogue, the check and the calculation.
#include <gtest/gtest.h>

#include <string>

#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "driver/Resultaatteksten.h"
#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"

namespace tarvo::test {

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
  Werkblad ws;
  PlainWerkbladVenster venster;
  PlainMeldingen meldingen;
  Catalogus cat = TestCatalogus();

  explicit Rekenblad(char decimaal = '.') {
    ws.Decimaal = decimaal;
    ResetWerkblad(ws, venster);
  }
  Rekenblad& Typ(int k, std::string tekst) {
    venster.invoer.at(static_cast<std::size_t>(k)).tekst = std::move(tekst);
    return *this;
  }
  bool Check() { return CheckIt(ws, venster, meldingen).ok; }
  ResultaatTeksten Bereken(Datum vandaag = {2024, 3, 1}) {
    EXPECT_TRUE(Check());
    const auto teksten = Reken(ws, venster, cat, vandaag);
    EXPECT_TRUE(teksten) << teksten.Melding();
    return teksten ? *teksten : ResultaatTeksten{};
  }
};

}  // namespace tarvo::test
