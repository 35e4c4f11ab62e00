// The page's road-surface editor: each command one call to the driver's
// routine, its refusal or question as data, the catalogue's list after it.
#include <array>
#include <string>

#include "calc/Controle.h"
#include "calc/VeldGetal.h"
#include "driver/WegdekBewerking.h"
#include "web/kern/Toestand.h"

namespace tarvo::web {
namespace {

std::string_view Naam(Stap s) {
  switch (s) {
    case Stap::Gedaan:
      return "Gedaan";
    case Stap::Geweigerd:
      return "Geweigerd";
    case Stap::Gemeld:
      return "Gemeld";
    case Stap::Vraag:
      break;
  }
  return "Vraag";
}

std::string_view Naam(MeldingSoort s) {
  switch (s) {
    case MeldingSoort::Waarschuwing:
      return "Waarschuwing";
    case MeldingSoort::Stop:
      return "Stop";
    case MeldingSoort::Informatie:
      return "Informatie";
    case MeldingSoort::Vraag:
      break;
  }
  return "Vraag";
}

// The editor's list, its status texts and caption, and the catalogue for the worksheet.
void SchrijfLijst(Json& j) {
  const KernToestand& t = Toestand();
  j.Sleutel("regels").Lijst();
  for (const WegdekRegel& r : WegdekRegels(t.catalogus)) {
    j.Object().Veld("naam", r.naam).Veld("vet", r.kleineAftrek).Veld("meegeleverd", r.meegeleverd).EindObject();
  }
  j.EindLijst().Veld("aantal", AantalWegdekkenTekst(t.catalogus.AantalWegdekken));
  j.Veld("opgeheven", t.beheer.BeschermingOpgeheven());
  j.Veld("kop", t.beheer.BeschermingOpgeheven() ? kWegdekTitelOpgeheven : kWegdekTitel);
  SchrijfCatalogus(j);
}

const char* StapJson(const WegdekStap& s) {
  Json j;
  j.Object().Veld("stap", Naam(s.stap)).Veld("melding", s.melding).Veld("titel", s.titel).Veld("soort", Naam(s.soort));
  j.Veld("annuleren", s.annuleren).Veld("veld", s.veld).Veld("uitleg", s.uitleg).Sleutel("teksten").Lijst();
  for (const auto& [veld, tekst] : s.teksten) j.Object().Veld("veld", veld).Veld("tekst", tekst).EindObject();
  j.EindLijst().Veld("kies", s.kies).Veld("gewijzigd", s.gewijzigd).Veld("art35", s.art35);
  SchrijfLijst(j);
  return Antwoord(j.EindObject());
}

WegdekTeksten VeldTeksten() {
  const auto t = Teksten();
  WegdekTeksten velden;
  for (std::size_t k = 0; k < velden.size() && k < t.size(); ++k) velden[k] = t[k];
  return velden;
}

}  // namespace
}  // namespace tarvo::web

using namespace tarvo;
using namespace tarvo::web;

// Opening the editor: the shipped entries protected again, the captions and the list.
TARVO_WEB const char* WebWegdekEditor() {
  KernToestand& t = Toestand();
  if (t.beheer.BeschermingOpgeheven()) t.beheer.WisselBescherming();
  Json j;
  j.Object().Sleutel("bijschrift").Object().Veld("omschrijving", kOmschrijvingBijschrift);
  j.Veld("correctie", kCorrectieBijschrift).Sleutel("klassen").Lijst();
  for (auto k : kWegdekKlassen) j.Tekst(k);
  j.EindLijst().Sleutel("symbolen").Lijst();
  for (auto s : kWegdekSymbolen) j.Tekst(s);
  j.EindLijst().Sleutel("uitleg").Lijst();
  for (auto u : kWegdekUitleg) j.Tekst(u);
  j.EindLijst().Veld("lijst", kLijstUitleg).Veld("meegeleverd", kMeegeleverdMerk).Veld("legenda", kKleineAftrekLegenda);
  j.Veld("legendaUitleg", kKleineAftrekUitleg).Veld("importeren", kImporteerUitleg);
  j.Veld("exporteren", kExporteerUitleg).Veld("lijstweergave", kLijstweergave).Veld("bewerkweergave", kBewerkweergave);
  j.Veld("getalTekens", kTekenGetalTekens).EindObject();
  SchrijfLijst(j);
  return Antwoord(j.EindObject());
}

// F9 in the editor: the protection of the shipped entries lifted or back.
TARVO_WEB const char* WebWegdekBescherming() {
  Toestand().beheer.WisselBescherming();
  return StapJson({});
}

// The fields of the entry at `positie`, or why there are none.
TARVO_WEB const char* WebWegdekGekozen(int positie) {
  const auto teksten = GekozenWegdek(Toestand().catalogus, positie, Toestand().decimaal);
  if (!teksten) return FoutAntwoord(teksten.Melding());
  Json j;
  j.Object().Sleutel("velden").Lijst();
  for (const std::string& t : *teksten) j.Tekst(t);
  return Antwoord(j.EindLijst().EindObject());
}

// Starting to add (positie 0) or to change the entry at `positie`.
TARVO_WEB const char* WebWegdekBegin(int positie) {
  const KernToestand& t = Toestand();
  return StapJson(positie == 0 ? BeginToevoegen(t.beheer) : BeginWijzigen(t.beheer, positie));
}

// OK: the question's texts are the seven fields; `positie` 0 adds.
TARVO_WEB const char* WebWegdekBevestig(int positie) {
  return StapJson(BevestigWegdek(Toestand().beheer, positie, VeldTeksten(), Toestand().decimaal));
}

TARVO_WEB const char* WebWegdekWis(int positie, int ja) {
  return StapJson(WisWegdek(Toestand().beheer, positie, ja != 0));
}

// A table file (texts: its bytes, its name), or with `plakken` rows from the clipboard (text: the rows).
TARVO_WEB const char* WebWegdekOver(int plakken, int ja) {
  WegdekBeheer& b = Toestand().beheer;
  return StapJson(plakken ? PlakWegdekken(b, Tekst(0), ja != 0) : ImporteerWegdekTabel(b, Tekst(0), Tekst(1), ja != 0));
}

// A coefficient field left: what it shows.
TARVO_WEB const char* WebWegdekVeld() {
  const Validatie v = VerlaatCoefficient(Tekst(0), Toestand().decimaal);
  Json j;
  return Antwoord(j.Object().Veld("geldig", v.geldig).Veld("tekst", v.tekst).Veld("uitleg", v.uitleg).EindObject());
}
