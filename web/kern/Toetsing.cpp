// The page's test against the limits: the choices kept while the page is
// open, the table as the window shows it, and its annex.
#include <algorithm>
#include <string>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Valideer.h"
#include "calc/Velden.h"
#include "driver/ToetsingOpdracht.h"
#include "web/kern/Toestand.h"

namespace tarvo::web {

std::string_view Naam(Toetsuitkomst u) {
  switch (u) {
    case Toetsuitkomst::Voldoet:
      return "Voldoet";
    case Toetsuitkomst::HogereWaarde:
      return "HogereWaarde";
    case Toetsuitkomst::BovenMaximum:
      break;
  }
  return "BovenMaximum";
}

const char* BijlageAntwoord(const BijlageTabel& tabel, std::string_view titel) {
  ZetBytes(BijlageBestand(tabel));
  Json j;
  j.Object().Veld("kop", titel).Veld("naamKop", kBijlageNaamKop);
  j.Sleutel("blad").Lijst().Tekst(kBladNummer[0]).Tekst(kBladNummer[1]).EindLijst().Sleutel("namen").Lijst();
  for (const BijlageKolom& kolom : tabel.kolommen) j.Tekst(kolom.label);
  j.EindLijst().Sleutel("koppen").Lijst();
  for (const std::string& kop : BijlageKoppen(tabel)) j.Tekst(kop);
  // Per column its cells; a number stands to the right.
  j.EindLijst().Sleutel("kolommen").Lijst();
  for (const auto& regel : tabel.regels) {
    j.Lijst();
    for (const std::string& cel : regel) {
      const std::string tekst = Bijgesneden(cel);
      j.Object().Veld("tekst", tekst).Veld("getal", IsGetal(tekst)).EindObject();
    }
    j.EindLijst();
  }
  return Antwoord(j.EindLijst().EindObject());
}

namespace {

void Reken() {
  KernToestand& t = Toestand();
  t.toetsing = Toetsing(t.werkblad, t.toetsKeuze, t.catalogus, t.vandaag, t.decimaal);
}

// The choices as the boxes show them, then the table or why there is none.
const char* ToetsingAntwoordJson(Json& j) {
  const KernToestand& t = Toestand();
  const ToetsingKeuze& k = t.toetsKeuze;
  j.Veld("titel", ToetsingTitel(t.toetsNaam));
  j.Veld("hoogten", k.hoogten.value_or(Bijgesneden(t.werkblad.veld[veld::kWaarneemhoogte])));
  j.Veld("situatie", static_cast<int>(k.situatie)).Veld("eigenMaximum", k.eigenMaximum);
  j.Veld("eigenMaximumAan", k.situatie == kSituaties.size()).Veld("grenzen", k.grenzen);
  const ToetsingAntwoord& a = t.toetsing;
  j.Veld("melding", a.melding).Veld("toetsKolom", static_cast<int>(kToetsKolom)).Sleutel("kolommen").Lijst();
  for (const ToetsingKolom& kolom : a.kolommen)
    j.Object().Veld("kop", kolom.kop).Veld("uitleg", kolom.uitleg).EindObject();
  j.EindLijst().Sleutel("rijen").Lijst();
  for (const ToetsingRij& rij : a.rijen) {
    j.Object().Veld("uitkomst", Naam(rij.uitkomst)).Sleutel("cellen").Lijst();
    for (const ToetsingCel& c : rij.cellen) j.Object().Veld("tekst", c.tekst).Veld("uitleg", c.uitleg).EindObject();
    j.EindLijst().EindObject();
  }
  j.EindLijst();
  return Antwoord(j.EindObject());
}

}  // namespace
}  // namespace tarvo::web

using namespace tarvo;
using namespace tarvo::web;

// Opening the test of the worksheet on the page, named by the question's
// text (none: it is no file): the captions and the choices kept, and the table.
TARVO_WEB const char* WebToetsingOpen() {
  KernToestand& t = Toestand();
  const std::string naam = Tekst(0);
  t.toetsNaam = naam.empty() ? std::string(kHuidigRekenblad) : naam;
  Reken();
  Json j;
  j.Object().Sleutel("situaties").Lijst();
  for (const std::string& s : SituatieKeuzes()) j.Tekst(s);
  j.EindLijst()
      .Sleutel("bijschrift")
      .Object()
      .Veld("hoogten", kHoogtenBijschrift)
      .Veld("situatie", kSituatieBijschrift);
  j.Veld("maximum", kMaximumBijschrift).Veld("grenzen", kGrenzenBijschrift).EindObject();
  j.Veld("hoogtenUitleg", HoogtenUitleg()).Veld("grenzenUitleg", GrenzenUitleg());
  j.Veld("maximumVan", kEigenMaximumVan).Veld("maximumTot", kEigenMaximumTot);
  return ToetsingAntwoordJson(j);
}

// A choice changed: the question's texts are the heights, the extra limits
// and the own maximum as typed; `situatie` indexes the situations, their
// count for the own maximum. A maximum that is no number keeps the last one.
TARVO_WEB const char* WebToetsing(int situatie) {
  KernToestand& t = Toestand();
  ToetsingKeuze& k = t.toetsKeuze;
  const auto teksten = Teksten();
  const auto tekst = [&teksten](std::size_t i) { return i < teksten.size() ? teksten[i] : std::string(); };
  k.hoogten = tekst(0);
  k.grenzen = tekst(1);
  k.situatie = static_cast<std::size_t>(std::clamp(situatie, 0, static_cast<int>(kSituaties.size())));
  const Validatie maximum = Valideer(tekst(2), Soort::Numeriek, kEigenMaximumTot, kEigenMaximumVan, "##0", t.decimaal);
  if (maximum.geldig) k.eigenMaximum = static_cast<int>(LeesGetal(maximum.tekst));
  Reken();
  Json j;
  j.Object().Veld("maximumUitleg", maximum.uitleg);
  return ToetsingAntwoordJson(j);
}

// The annex of the last test: its file in the byte buffer, and the texts of
// its paper form, a column per height and a row per quantity.
TARVO_WEB const char* WebBijlage() {
  const KernToestand& t = Toestand();
  if (!t.toetsing.melding.empty()) return FoutAntwoord(t.toetsing.melding);
  const BijlageTabel tabel = ToetsingBijlage(t.toetsing, t.toetsNaam, t.catalogus, t.decimaal);
  return BijlageAntwoord(tabel, BijlageKop(tabel));
}
