// The page's study: the sheet's bytes stay with the page, which saves them
// as they are; each question hands them over and gets the tables as the
// window "Onderzoek" shows them, the sheet with the worksheet added as a
// road, or the annex.
#include <string>

#include "base/Tekst.h"
#include "calc/Controle.h"
#include "driver/OnderzoekBlad.h"
#include "driver/Openen.h"
#include "driver/ToetsingOpdracht.h"
#include "web/kern/Toestand.h"

namespace tarvo::web {
namespace {

std::unique_ptr<OnderzoekAntwoord> Reken(std::string_view blad) {
  const KernToestand& t = Toestand();
  return OnderzoekVan(blad, t.catalogus, t.vandaag, t.decimaal);
}

// A point: its roads across, its heights down, per cell the geluidsbelasting
// and the outcome, the cumulation per height and the roads not computed.
void SchrijfPunt(Json& j, const OnderzoekPuntTabel& t) {
  const auto teksten = [&j](std::string_view sleutel, const std::vector<std::string>& lijst) {
    j.Sleutel(sleutel).Lijst();
    for (const std::string& s : lijst) j.Tekst(s);
    j.EindLijst();
  };
  j.Object().Veld("naam", t.naam).Veld("maximum", t.maximum).Veld("maximumZin", MaximumZin(t));
  teksten("wegen", t.wegen);
  teksten("hoogten", t.hoogten);
  teksten("cumulatief", t.cumulatief);
  teksten("meldingen", t.meldingen);
  j.Sleutel("cellen").Lijst();
  for (const auto& rij : t.cellen) {
    j.Lijst();
    for (const OnderzoekCel& c : rij) {
      j.Object().Veld("berekend", c.berekend).Veld("geluidsbelasting", c.geluidsbelasting);
      j.Veld("toetsing", c.toetsing).Veld("uitkomst", Naam(c.uitkomst)).EindObject();
    }
    j.EindLijst();
  }
  j.EindLijst().EindObject();
}

}  // namespace
}  // namespace tarvo::web

using namespace tarvo;
using namespace tarvo::web;

// The study of the sheet (the question's text, its bytes): its tables, or
// why the sheet is refused as a whole; its table as tarvo-reken --onderzoek
// writes it, as a CSV file, in the byte buffer.
TARVO_WEB const char* WebOnderzoek() {
  const auto a = Reken(Tekst(0));
  Json j;
  j.Object().Veld("fout", a->fout).Veld("samenvatting", a->samenvatting);
  j.Sleutel("bijschrift").Object().Veld("cel", kOnderzoekCel).Veld("cumulatief", kOnderzoekCumulatief);
  j.Veld("cumulatiefNaam", kCumulatiefNaam).EindObject().Veld("uitleg", OnderzoekUitleg());
  j.Sleutel("punten").Lijst();
  for (const OnderzoekPuntTabel& t : a->tabellen) SchrijfPunt(j, t);
  j.EindLijst();
  ZetBytes(std::string(kBom) + a->csv);
  return Antwoord(j.EindObject());
}

// The worksheet on the page as a road of the sheet (the question's text),
// taken as saving it would take it; `ingevuld` 0 for a worksheet no one
// filled in or opened, which is no road. The new sheet in the byte buffer,
// a new one with a byte-order mark; the answer names the road's point.
TARVO_WEB const char* WebOnderzoekVoegToe(int ingevuld) {
  const std::string kan(kNietToevoegen);
  if (ingevuld == 0) return FoutAntwoord(kan + std::string(kNietIngevuld));
  const KernToestand& t = Toestand();
  const TeBewarenRekenblad bewaren = TeBewaren(t.werkblad, t.decimaal);
  if (const auto& w = bewaren.controle.weigering) {
    return FoutAntwoord(kan + (w->soort == Weigering::Soort::GeenGetal ? GeenGetalMelding(w->veld) : w->tekst));
  }
  const std::string blad = Tekst(0);
  const Invoer& invoer = *bewaren.controle.invoer;
  auto nieuw = VoegWegToe(blad, invoer, t.decimaal);
  if (!nieuw) return FoutAntwoord(nieuw.Melding());
  ZetBytes((blad.empty() ? std::string(kBom) : std::string()) + *nieuw);
  Json j;
  return Antwoord(j.Object().Veld("punt", Bijgesneden(invoer.waarneempunt)).EindObject());
}

// The annex of every road computed of the sheet (texts: its bytes and its
// name), as the window prints it after the study.
TARVO_WEB const char* WebOnderzoekBijlage() {
  const auto teksten = Teksten();
  const std::string naam = teksten.size() > 1 ? teksten[1] : std::string();
  const auto a = Reken(teksten.empty() ? std::string() : teksten[0]);
  if (!a->fout.empty()) return FoutAntwoord(a->fout);
  const KernToestand& t = Toestand();
  return BijlageAntwoord(OnderzoekBijlage(*a, naam, t.catalogus, t.decimaal),
                         std::string(kBijlageTitel) + " – " + naam);
}
