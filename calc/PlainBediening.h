#pragma once
// Plain-object faces of the control interfaces, for tests and tarvo-reken.
#include <array>
#include <deque>
#include <string>
#include <vector>

#include "calc/Bediening.h"

namespace tarvo {

class PlainTekstVak : public TekstVak {
 public:
  std::string tekst;
  std::string tag;
  Kleur achtergrond = kLichtGeel;
  std::string toolTip;
  bool ingeschakeld = true;
  int focusVerzoeken = 0;

  std::string Tekst() const override { return tekst; }
  void ZetTekst(const std::string& t) override { tekst = t; }
  std::string Tag() const override { return tag; }
  void ZetAchtergrond(Kleur k) override { achtergrond = k; }
  void ZetToolTip(const std::string& t) override { toolTip = t; }
  void VraagFocus() override { ++focusVerzoeken; }
  void ZetIngeschakeld(bool aan) override { ingeschakeld = aan; }
};

class PlainVinkvak : public Vinkvak {
 public:
  int waarde = 0;
  bool ingeschakeld = true;
  int Waarde() const override { return waarde; }
  void ZetWaarde(int w) override { waarde = w; }
  void ZetIngeschakeld(bool aan) override { ingeschakeld = aan; }
};

struct GetoondeMelding {
  std::string tekst, titel;
  Icoon icoon;
  Knoppen knoppen;
};

// Records every message; answers Yes/No questions from a queue (No when empty).
class PlainMeldingen : public Meldingen {
 public:
  std::vector<GetoondeMelding> getoond;
  std::deque<Antwoord> antwoorden;
  Antwoord Toon(const std::string& tekst, const std::string& titel, Icoon icoon, Knoppen knoppen) override {
    getoond.push_back({tekst, titel, icoon, knoppen});
    if (knoppen == Knoppen::OK) return Antwoord::OK;
    if (antwoorden.empty()) return Antwoord::Nee;
    const Antwoord a = antwoorden.front();
    antwoorden.pop_front();
    return a;
  }
};

// The worksheet's fields as plain objects, tagged as the field table says.
class PlainWerkbladVenster : public WerkbladVenster {
 public:
  PlainWerkbladVenster();
  std::array<PlainTekstVak, 40> invoer;
  std::array<PlainTekstVak, 4> toel;
  PlainVinkvak zone, aftrek;
  int getoondWegdek = -1;

  TekstVak& Invoer(int k) override { return invoer.at(static_cast<std::size_t>(k)); }
  TekstVak& Toel(int i) override { return toel.at(static_cast<std::size_t>(i)); }
  Vinkvak& Zone() override { return zone; }
  Vinkvak& Aftrek() override { return aftrek; }
  void ToonWegdek(int lijstIndex) override { getoondWegdek = lijstIndex; }
};

}  // namespace tarvo
