// The page's cumulation: the worksheets in the list, at their own heights or
// at the heights typed, as the window "Cumulatie" shows them.
#include <string>

#include "base/Tekst.h"
#include "driver/CumulatieOpdracht.h"
#include "driver/ToetsingOpdracht.h"
#include "web/kern/Toestand.h"

namespace tarvo::web {
namespace {

void SchrijfRij(Json& j, const CumulatieAntwoord::Rij& r) {
  j.Object().Veld("naam", r.naam).Veld("waarneempunt", r.waarneempunt).Veld("weg", r.weg);
  j.Veld("hoogte", r.hoogte).Veld("lden", r.lden).Veld("lnight", r.lnight).EindObject();
}

}  // namespace

// A refused list of heights leaves the worksheets at their own heights, to
// be seen and removed, and no table to save.
void SchrijfCumulatie(Json& j) {
  const KernToestand& t = Toestand();
  auto hoogten = CumulatieOpHoogten(t.bronnen, t.cumulatieHoogten, t.catalogus, t.vandaag, t.decimaal);
  const std::vector<CumulatieAntwoord> tabellen =
      hoogten ? std::move(hoogten->hoogten) : std::vector<CumulatieAntwoord>{Cumulatie(t.bronnen, t.decimaal)};
  j.Sleutel("tabellen").Lijst();
  for (const CumulatieAntwoord& a : tabellen) {
    j.Object().Sleutel("bronnen").Lijst();
    for (const auto& r : a.rijen) SchrijfRij(j, r);
    j.EindLijst().Sleutel("totaal");
    SchrijfRij(j, a.totaal);
    j.EindObject();
  }
  j.EindLijst().Veld("hoogten", t.cumulatieHoogten).Veld("hoogtenUitleg", HoogtenUitleg());
  j.Veld("waarschuwing", hoogten ? tabellen.front().waarschuwing : hoogten.Melding());
  ZetBytes(hoogten && !t.bronnen.empty() ? std::string(kBom) + hoogten->csv : std::string());
}

}  // namespace tarvo::web

using namespace tarvo;
using namespace tarvo::web;

// The heights typed (the question's text; blank: each worksheet at its own).
TARVO_WEB const char* WebCumulatieHoogten() {
  Toestand().cumulatieHoogten = Tekst(0);
  Json j;
  j.Object();
  SchrijfCumulatie(j);
  return Antwoord(j.EindObject());
}
