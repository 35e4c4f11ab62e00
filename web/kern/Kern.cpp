// The WebAssembly module's entry points for the browser page. The page holds
// the controls; these functions hold the worksheet's texts, the catalogue
// and the settings, and hand every question to the core. A question's texts
// come through the question buffer (WebVraag), the answer is JSON valid
// until the next call, and the bytes of a file go to the byte buffer.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Bijschriften.h"
#include "calc/Controle.h"
#include "calc/Correctie.h"
#include "calc/Termen.h"
#include "calc/Valideer.h"
#include "calc/Velden.h"
#include "calc/WegdekImport.h"
#include "driver/CumulatieOpdracht.h"
#include "driver/NiveauAfstand.h"
#include "driver/Openen.h"
#include "driver/Rekenblad.h"
#include "driver/Resultaatteksten.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WegdekTabel.h"
#include "report/Rapport.h"
#include "tools/Omrekenen.h"
#include "web/kern/Json.h"
#include "web/kern/Pagina.h"
#include "web/kern/Toestand.h"

namespace tarvo::web {
namespace {

std::string_view Naam(VeldSoort s) {
  switch (s) {
    case VeldSoort::Tekst:
      return "Tekst";
    case VeldSoort::Getal:
      return "Getal";
    case VeldSoort::Afgeleid:
      break;
  }
  return "Afgeleid";
}

std::string_view Naam(VeldPlaats p) {
  switch (p) {
    case VeldPlaats::Naam:
      return "Naam";
    case VeldPlaats::Verkeer:
      return "Verkeer";
    case VeldPlaats::Afgeleid:
      return "Afgeleid";
    case VeldPlaats::GeometrieLinks:
      return "GeometrieLinks";
    case VeldPlaats::GeometrieRechts:
      break;
  }
  return "GeometrieRechts";
}

std::string_view Naam(Toetsen t) {
  switch (t) {
    case Toetsen::Alles:
      return "Alles";
    case Toetsen::Cijfers:
      return "Cijfers";
    case Toetsen::Getal:
      return "Getal";
    case Toetsen::Geen:
      break;
  }
  return "Geen";
}

std::string_view Naam(VeldStaat s) {
  switch (s) {
    case VeldStaat::Geldig:
      return "Geldig";
    case VeldStaat::Ongeldig:
      return "Ongeldig";
    case VeldStaat::Ongemoeid:
      break;
  }
  return "Ongemoeid";
}

void SchrijfWerkblad(Json& j, const Werkblad& w) {
  j.Sleutel("werkblad").Object().Sleutel("velden").Lijst();
  for (const std::string& t : w.veld) j.Tekst(t);
  j.EindLijst().Sleutel("toelichting").Lijst();
  for (const std::string& t : w.toelichting) j.Tekst(t);
  j.EindLijst().Veld("wegdek", w.wegdek).Veld("zone", w.zone).Veld("aftrek", w.aftrek).Veld("rail", w.rail);
  j.EindObject();
}

// What the fields show after the check, why it refused and what it clamped.
void SchrijfControle(Json& j, const Controle& c) {
  const Weergave& w = c.weergave;
  j.Sleutel("weergave").Object().Sleutel("tekst").Lijst();
  for (const auto& t : w.tekst) t ? j.Tekst(*t) : j.Null();
  j.EindLijst().Sleutel("staat").Lijst();
  for (VeldStaat s : w.staat) j.Tekst(Naam(s));
  j.EindLijst().Veld("focus", w.focus).EindObject();
  j.Sleutel("weigering");
  if (const auto& g = c.weigering) {
    const bool geenGetal = g->soort == Weigering::Soort::GeenGetal;
    j.Object()
        .Veld("soort", geenGetal ? "GeenGetal" : "Waarschuwing")
        .Veld("veld", g->veld)
        .Veld("melding", geenGetal ? GeenGetalMelding(g->veld) : g->tekst)
        .Veld("regel", WeigeringRegel(*g))
        .Veld("titel", kTitelWaarschuwing)
        .Veld("uitleg", geenGetal ? kUitlegGetal : "")
        .EindObject();
  } else {
    j.Null();
  }
  j.Sleutel("begrensd").Lijst();
  for (const Begrenzing& b : c.begrensd) {
    j.Object().Veld("veld", b.veld).Veld("tekst", b.tekst).Veld("grens", Getal(b.grens, Veld(b.veld).overname.patroon));
    j.EindObject();
  }
  j.EindLijst();
}

// The check, and what a passed check computed nothing usable with.
void SchrijfRekening(Json& j, const Rekening& r) {
  SchrijfControle(j, r.controle);
  if (r.controle && !r.fout.empty()) j.Veld("fout", r.fout);
}

// Every term of the calculation: per period, then those with one value.
void SchrijfTermen(Json& j, const Resultaten& r) {
  for (const bool periodiek : {true, false}) {
    j.Sleutel(periodiek ? "perPeriode" : "enkel").Lijst();
    for (const Term& t : kTermen) {
      if (t.Periodiek() != periodiek) continue;
      j.Object().Veld("symbool", t.symbool).Veld("omschrijving", t.omschrijving).Veld("eenheid", t.eenheid);
      if (periodiek) {
        j.Sleutel("waarden").Lijst();
        for (int p = 1; p <= kAantalPeriodes; ++p) j.Tekst(Getal(t.Waarde(r, p), t.patroon));
        j.EindLijst();
      } else {
        j.Veld("waarde", Getal(t.Waarde(r, 0), t.patroon));
      }
      j.EindObject();
    }
    j.EindLijst();
  }
}

// A worksheet computed for the cumulation joins the list, or the answer says why not.
const char* VoegBronToe(Uitkomst<CumulatieBron> bron) {
  if (!bron) return FoutAntwoord(bron.Melding());
  if (auto toegevoegd = tarvo::VoegBronToe(Toestand().bronnen, std::move(*bron)); !toegevoegd) {
    return FoutAntwoord(toegevoegd.Melding());
  }
  Json j;
  j.Object();
  SchrijfCumulatie(j);
  return Antwoord(j.EindObject());
}

Validatie ValideerOmreken(std::string_view tekst, bool verdeling, int vak) {
  const GetalBereik& b = VakBereik(verdeling, vak);
  return Valideer(tekst, Soort::Numeriek, b.maximum, b.minimum, b.patroon, Toestand().decimaal);
}

// The conversion window's rows with their hints, and what each box takes.
void SchrijfOmrekenTabel(Json& j) {
  j.Sleutel("omreken").Object();
  const auto Rijen = [&](std::string_view sleutel, const auto& rijen, const auto& hints, bool verdeling) {
    j.Sleutel(sleutel).Lijst();
    for (std::size_t i = 0; i < rijen.size(); ++i)
      j.Object().Veld("bijschrift", rijen[i]).Veld("hint", hints[i]).EindObject();
    j.EindLijst().Sleutel(std::string(sleutel) + "Vakken").Lijst();
    for (int vak = 0; vak < (verdeling ? kAantalVerdeling : kAantalAantallen); ++vak) {
      const GetalBereik& b = VakBereik(verdeling, vak);
      j.Object().Veld("tekens", VakTekens(verdeling, vak)).Veld("patroon", b.patroon).EindObject();
    }
    j.EindLijst();
  };
  Rijen("verdeling", kVerdelingRijen, kVerdelingHints, true);
  Rijen("aantallen", kAantallenRijen, kAantallenHints, false);
  j.EindObject();
}

const char* NeemCatalogus(Catalogus c) {
  Toestand().catalogus = std::move(c);
  Toestand().plan.reset();
  Json j;
  j.Object();
  SchrijfCatalogus(j);
  return Antwoord(j.EindObject());
}

Json& SchrijfValidatie(Json& j, const Validatie& v) {
  return j.Veld("geldig", v.geldig).Veld("tekst", v.tekst).Veld("uitleg", v.uitleg);
}

}  // namespace
}  // namespace tarvo::web

using namespace tarvo;
using namespace tarvo::web;

// Room for a question of `lengte` bytes: the page writes its texts there.
TARVO_WEB std::uint8_t* WebVraag(int lengte) {
  Toestand().vraag.assign(static_cast<std::size_t>(std::max(lengte, 0)), 0);
  return Toestand().vraag.data();
}

TARVO_WEB const std::uint8_t* WebBytes() { return Toestand().bytes.data(); }
TARVO_WEB int WebBytesLengte() { return static_cast<int>(Toestand().bytes.size()); }

// The field table and the fixed texts the page builds its controls from.
TARVO_WEB const char* WebTabel() {
  Json j;
  j.Object().Sleutel("velden").Lijst();
  for (int k = 0; k < kAantalVelden; ++k) {
    const VeldInfo& v = Veld(k);
    j.Object().Veld("index", k).Veld("soort", Naam(v.soort)).Veld("bijschrift", v.bijschrift).Veld("kolom", v.kolom);
    j.Veld("toetsen", Naam(v.toetsen));
    j.Veld("tekens", ToetsTekens(v.toetsen)).Veld("plaats", Naam(v.plaats));
    j.Veld("maximum", v.verlaten.maximum).Veld("minimum", v.verlaten.minimum).Veld("patroon", v.verlaten.patroon);
    j.Veld("help", HelpTekstVeld(k)).EindObject();
  }
  j.EindLijst().Sleutel("periodes").Lijst();
  for (auto p : kPeriodeNamen) j.Tekst(p);
  j.EindLijst().Sleutel("rail").Lijst();
  for (auto r : kRailConstructies) j.Tekst(r);
  j.EindLijst().Sleutel("help").Object();
  j.Veld("ontbreekt", kHelpOntbreekt).Veld("geenInfo", kHelpGeenInfo).Veld("zone", kHelpZone);
  j.Veld("aftrek", kHelpAftrek).Veld("berekening", kHelpBerekening).Veld("wegdek", kHelpWegdek).EindObject();
  j.Sleutel("bijschrift").Object().Veld("wegdek", kBijschriftWegdek).Veld("zone", kBijschriftZone);
  j.Veld("aftrek", kBijschriftAftrek).Veld("rail", kBijschriftRail).Veld("toelichting", kBijschriftToelichting);
  j.Veld("berekenen", kBijschriftBerekenen).Veld("resultaten", kBijschriftResultaten);
  j.Veld("dosisEffect", kBijschriftDosisEffect).Sleutel("niveaus").Lijst();
  for (auto n : kNiveauNamen) j.Tekst(n);
  j.EindLijst().EindObject();
  j.Veld("aantalToelichtingen", kAantalToelichtingen).Veld("toelichtingVol", kToelichtingVol);
  j.Veld("getalTekens", kGetalTekens).Veld("cijferTekens", kCijferTekens);
  j.Veld("zoneSnelheid", kZoneSnelheid).Veld("titelWaarschuwing", kTitelWaarschuwing);
  j.Veld("toelichtingLengte", static_cast<int>(kToelichtingLengte))
      .Veld("naamLengte", static_cast<int>(kNaamVeldLengte));
  j.Veld("gebruikerLengte", static_cast<int>(kNaamLengte)).Veld("rapportTitel", kRapportTitel);
  j.Sleutel("diagram").Object().Veld("vraag", kDiagramVraag).Veld("titel", kDiagramTitel);
  j.Veld("standaard", kDiagramStandaard).Veld("asAfstand", kDiagramAsAfstand).Veld("asNiveau", kDiagramAsNiveau);
  j.Veld("doelMin", kDoelMin).Veld("doelMax", kDoelMax).Veld("doelStandaard", kDoelStandaard);
  j.Veld("doelBijschrift", kDoelBijschrift).Veld("afstandsas", kAfstandsasBijschrift);
  j.Veld("lineair", kLineairBijschrift).Veld("logaritmisch", kLogaritmischBijschrift).EindObject();
  j.Sleutel("cumulatie").Object().Veld("titel", kCumulatieTitel).Veld("zonderAftrek", kCumulatieZonderAftrek);
  j.Veld("cumulatief", kCumulatiefNaam).EindObject();
  j.Sleutel("wegdekSite").Object().Veld("naam", kWegdekSiteNaam).Veld("adres", kWegdekSiteAdres).EindObject();
  j.Sleutel("wegdekKolommen").Lijst();
  for (auto k : kWegdekKolommen) j.Tekst(k);
  j.EindLijst();
  SchrijfOmrekenTabel(j);
  SchrijfOpdrachten(j);
  SchrijfPaginaTeksten(j);
  // The page reads no more of a chosen file than one byte beyond these.
  j.Sleutel("maxima").Object().Veld("rekenblad", kMaxRekenbladBestand).Veld("catalogus", kMaxCatalogusBestand);
  j.Veld("tabel", kMaxWegdekTabel).EindObject();
  return Antwoord(j.EindObject());
}

// decimaal: the character code of ',' or '.'; the date decides the 110g deduction.
TARVO_WEB void WebZetInstellingen(int decimaal, int jaar, int maand, int dag) {
  Toestand().decimaal = decimaal == '.' ? '.' : ',';
  Toestand().vandaag = {jaar, maand, dag};
}

// The worksheet after Reset.
TARVO_WEB const char* WebLeegWerkblad() {
  Toestand().werkblad = LeegWerkblad(Toestand().decimaal);
  Json j;
  j.Object();
  SchrijfWerkblad(j, Toestand().werkblad);
  return Antwoord(j.EindObject());
}

// Leaving field k with the question's text: what the field shows then.
TARVO_WEB const char* WebValideer(int k) {
  const VeldVerlaten v = VerlaatVeld(k, Tekst(0), Toestand().decimaal);
  Json j;
  return Antwoord(SchrijfValidatie(j.Object(), v.validatie).Veld("begrensd", v.begrensd).EindObject());
}

// Leaving a remark line the user edited: the text it keeps.
TARVO_WEB const char* WebVerlaatToelichting() {
  Json j;
  return Antwoord(j.Object().Veld("tekst", VerlaatToelichting(Tekst(0))).EindObject());
}

// The worksheet's texts: the 40 fields, then the remark lines; bit i of
// `bewerkt` marks remark line i as edited by the user.
TARVO_WEB void WebZetWerkblad(int wegdek, int zone, int aftrek, int rail, int bewerkt) {
  const auto t = Teksten();
  Werkblad& w = Toestand().werkblad;
  for (std::size_t i = 0; i < w.veld.size(); ++i) w.veld[i] = i < t.size() ? t[i] : std::string();
  for (std::size_t i = 0; i < w.toelichting.size(); ++i) {
    const std::size_t n = w.veld.size() + i;
    w.toelichting[i] = n < t.size() ? t[n] : std::string();
    w.toelichtingBewerkt[i] = (bewerkt >> i) & 1;
  }
  w.wegdek = static_cast<std::int16_t>(wegdek);
  w.zone = zone != 0;
  w.aftrek = aftrek != 0;
  w.rail = static_cast<std::int16_t>(rail);
  Toestand().lijn.reset();  // a diagram of other texts answers nothing of these
}

// F9: the check and the calculation with every text the window shows of
// them, every term, the rating and the report.
TARVO_WEB const char* WebBereken() {
  const RekenbladAntwoord a =
      Rekenblad(Toestand().werkblad, Toestand().catalogus, Toestand().vandaag, Toestand().decimaal);
  Json j;
  j.Object();
  SchrijfRekening(j, a.rekening);
  j.Sleutel("afgeleid").Lijst();
  for (const auto& [veld, tekst] : a.afgeleid) j.Object().Veld("veld", veld).Veld("tekst", tekst).EindObject();
  j.EindLijst();
  if (!a.Berekend()) return Antwoord(j.Veld("melding", a.melding).Veld("titel", a.titel).EindObject());
  const Resultaten& r = *a.rekening.resultaten;
  j.Sleutel("labels").Object().Veld("letmaal", a.labels.letmaal).Veld("lden", a.labels.lden);
  j.Veld("lnight", a.labels.lnight).Veld("aftrek", a.labels.aftrek).EindObject();
  j.Veld("art35", a.art35).Veld("begrensd", a.begrensd);
  SchrijfTermen(j, r);
  j.Sleutel("eind").Lijst();
  for (const RapportRegel& regel : EindRegels(r, Toestand().decimaal)) j.Tekst(regel.tekst);
  j.EindLijst().Veld("kwaliteit", a.kwaliteit).Veld("aftrek110g", r.Aftrek110g);
  const DosisEffectAntwoord& d = a.dosisEffect;
  j.Sleutel("dosisEffect").Object().Veld("titel", d.titel).Veld("binnenBand", d.binnenBand).Veld("zin", d.zin);
  j.Veld("melding", d.melding).Veld("grafiekTitel", d.grafiekTitel).Veld("voetnoot", d.voetnoot);
  j.Sleutel("kolommen").Lijst();
  for (const std::string& k : d.kolommen) j.Tekst(k);
  j.EindLijst().Sleutel("labels").Lijst();
  for (const std::string& l : d.labels) j.Tekst(l);
  j.EindLijst().Sleutel("waarden").Lijst();
  for (double w : {d.gehinderden.licht, d.gehinderden.normaal, d.gehinderden.ernstig}) j.Getal(w);
  j.EindLijst().EindObject();
  j.Veld("rapport", a.rapport);
  return Antwoord(j.EindObject());
}

// A worksheet file's bytes (the question's one text) as the fields' texts.
// A road surface the catalogue lacks is replaced, said, and the worksheet
// then holds a change no file has.
TARVO_WEB const char* WebLeesRekenblad() {
  const std::string bytes = Tekst(0);
  auto g = OpenRekenblad(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                         Toestand().catalogus, Toestand().decimaal);
  if (!g) return FoutAntwoord(g.Melding());
  Toestand().werkblad = g->werkblad;
  Json j;
  j.Object();
  SchrijfWerkblad(j, Toestand().werkblad);
  j.Veld("gewijzigd", g->Gewijzigd()).Sleutel("meldingen").Lijst();
  if (g->Gewijzigd()) j.Tekst(g->wegdekMelding);
  return Antwoord(j.EindLijst().EindObject());
}

// The worksheet file of the checked input; the check's refusal otherwise.
TARVO_WEB const char* WebSchrijfRekenblad() {
  const TeBewarenRekenblad t = TeBewaren(Toestand().werkblad, Toestand().decimaal);
  ZetBytes(t.bytes);
  Json j;
  j.Object();
  SchrijfControle(j, t.controle);
  return Antwoord(j.EindObject());
}

// A catalogue file (texts: its bytes, its name) as the user's list; the
// list stays as it was when it is refused.
TARVO_WEB const char* WebLaadCatalogus() {
  const std::string bytes = Tekst(0);
  auto c = OpenCatalogus(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), Tekst(1));
  if (!c) return FoutAntwoord(c.Melding());
  return NeemCatalogus(std::move(*c));
}

// The catalogue the browser kept, as the base64 text of its file. One it
// cannot take is to be removed: the answer says so and the list stays.
TARVO_WEB const char* WebLaadBewaard() {
  const auto bytes = UitBase64(Tekst(0));
  auto c = bytes ? LeesCatalogus(*bytes) : Uitkomst<Catalogus>(Fout{"het is geen wegdekkenbestand"});
  if (!c) {
    return FoutAntwoord("De eigen wegdekkenlijst die deze browser bewaarde, is onleesbaar (" + c.Melding() +
                        ") en verwijderd; de pagina rekent met de meegeleverde lijst.");
  }
  return NeemCatalogus(std::move(*c));
}

// The name proposed for saving the worksheet last handed over.
TARVO_WEB const char* WebRekenbladNaam() {
  Json j;
  return Antwoord(j.Object().Veld("naam", RekenbladNaam(Toestand().werkblad)).EindObject());
}

// The catalogue's list; its file's bytes in the byte buffer.
TARVO_WEB const char* WebCatalogus() {
  Json j;
  j.Object();
  SchrijfCatalogus(j);
  return Antwoord(j.EindObject());
}

// What importing a table (texts: its content and its file name) would
// change; nothing changes before WebVoerImportUit.
TARVO_WEB const char* WebPlanImport() {
  const auto t = Teksten();
  Toestand().plan.reset();
  if (t.size() != 2) return FoutAntwoord("Geen tabel ontvangen.");
  const std::string naam = "Wegdekkentabel " + t[1];
  if (t[0].size() > kMaxWegdekTabel)
    return FoutAntwoord(naam + " is groter dan 1 MB en dus geen wegdekkentabel; er is niets ingelezen.");
  const auto tabel = LeesWegdekTabel(t[0], ';', Kopregel::Verplicht);
  if (!tabel) return FoutAntwoord(tabel.Melding());
  if (tabel->empty()) return FoutAntwoord(naam + " bevat geen wegdekken; er is niets ingelezen.");
  WegdekBeheer beheer(Toestand().catalogus);
  auto plan = VoegSamen(beheer, *tabel);
  if (!plan) return FoutAntwoord(plan.Melding());
  const std::size_t nieuw = plan->toevoegen.size(), vervangen = plan->vervangen.size();
  Json j;
  j.Object().Veld("vraag", vervangen == 0 ? std::string()
                                          : (nieuw == 0 ? std::string() : WegdekkenTekst(nieuw) + " toevoegen en ") +
                                                WegdekkenTekst(vervangen) + " met dezelfde omschrijving vervangen?");
  j.Veld("gelukt",
         WegdekkenTekst(nieuw) + " toegevoegd en " + std::to_string(vervangen) + " vervangen uit " + t[1] + ".");
  if (plan->Leeg())
    j.Veld("melding", "De wegdekken staan al met dezelfde correctiefactoren in de lijst.");
  else
    Toestand().plan = std::move(*plan);
  return Antwoord(j.EindObject());
}

TARVO_WEB const char* WebVoerImportUit() {
  Json j;
  j.Object();
  if (Toestand().plan) {
    std::vector<std::string> nieuw;
    for (const IngelezenWegdek& w : Toestand().plan->toevoegen) nieuw.push_back(w.omschrijving);
    WegdekBeheer beheer(Toestand().catalogus);
    j.Veld("kies", beheer.Voer(*Toestand().plan)).Veld("waarschuwing", Art35Waarschuwing(nieuw));
    Toestand().plan.reset();
  }
  SchrijfCatalogus(j);
  return Antwoord(j.EindObject());
}

// The catalogue as a table file, in the byte buffer.
TARVO_WEB int WebExporteerWegdekken() {
  ZetBytes(SchrijfWegdekTabel(Toestand().catalogus, Toestand().decimaal));
  return WebBytesLengte();
}

// The user name printed on reports; an empty answer changes nothing.
TARVO_WEB const char* WebZetGebruiker() {
  const std::string naam = Bijgesneden(Tekst(0));
  if (!naam.empty()) ZetGebruikersnaam(Toestand().catalogus, naam);
  return WebCatalogus();
}

// The level-distance diagram up to the answer's distance; its table in the byte buffer.
TARVO_WEB const char* WebDiagram() {
  const std::string antwoord = Tekst(0);
  KernToestand& t = Toestand();
  DiagramAntwoord a = Diagram(antwoord, t.werkblad, t.catalogus, t.vandaag, t.decimaal);
  if (a.uitkomst == DiagramUitkomst::Leeg || a.uitkomst == DiagramUitkomst::Geweigerd) return FoutAntwoord(a.melding);
  Json j;
  j.Object();
  SchrijfRekening(j, a.rekening);
  if (!a.Getekend()) return Antwoord(j.Veld("melding", a.melding).EindObject());
  j.Veld("s", a.s).Veld("ymin", a.gegevens.ymin).Veld("ymax", a.gegevens.ymax).Veld("delingen", a.gegevens.delingen);
  j.Sleutel("lden").Lijst();
  for (const DiagramRij& rij : a.gegevens.rijen) j.Getal(rij.lden);
  j.EindLijst();
  t.lijn.emplace(*a.rekening.controle.invoer, t.catalogus, t.vandaag, t.decimaal);
  t.lijnTot = a.s;
  const LijnPunt eigen = t.lijn->EigenPunt(a.s);
  j.Sleutel("eigen").Object().Veld("afstand", eigen.punt.afstand).Veld("lden", eigen.punt.lden);
  j.Veld("label", eigen.label).Veld("tekst", eigen.tekst).Veld("binnen", eigen.binnen).EindObject();
  j.Veld("muisUitleg", kMuisUitleg);
  ZetBytes(std::string(kBom) + a.csv);
  return Antwoord(j.EindObject());
}

namespace {

const char* DoelAntwoordJson(const DoelAntwoord& d) {
  Json j;
  j.Object().Veld("gevonden", d.gevonden).Veld("binnen", d.binnen).Veld("afstand", d.punt.afstand);
  j.Veld("lden", d.punt.lden).Veld("lijn", d.lijn).Veld("lijnTekst", d.lijnTekst);
  j.Veld("afstandTekst", d.afstandTekst).Veld("tekst", d.tekst);
  return Antwoord(j.EindObject());
}

}  // namespace

// The distance where Lden after the deduction meets the question's target
// level: on the last diagram's line, up to its distance.
TARVO_WEB const char* WebAfstandVoor() {
  KernToestand& t = Toestand();
  const auto doel = LeesDoel(Tekst(0));
  if (!doel) return FoutAntwoord(doel.Melding());
  if (t.lijn) return DoelAntwoordJson(t.lijn->Doel(*doel, t.lijnTot));
  const AfstandAntwoord a = AfstandVoor(Tekst(0), t.werkblad, t.catalogus, t.vandaag, t.decimaal);
  if (!a.doel) return FoutAntwoord(a.melding);
  return DoelAntwoordJson(*a.doel);
}

// The level at distance x on the last diagram's line, as the pointer shows it.
TARVO_WEB const char* WebDiagramPunt(double x) {
  KernToestand& t = Toestand();
  if (!t.lijn) return FoutAntwoord("Geen diagram.");
  const LijnPunt p = t.lijn->Punt(x, t.lijnTot);
  Json j;
  j.Object().Veld("afstand", p.punt.afstand).Veld("lden", p.punt.lden).Veld("label", p.label).Veld("tekst", p.tekst);
  return Antwoord(j.EindObject());
}

// The cumulation's worksheets: its table in the byte buffer.
TARVO_WEB const char* WebCumulatie() {
  Json j;
  j.Object();
  SchrijfCumulatie(j);
  return Antwoord(j.EindObject());
}

TARVO_WEB const char* WebCumulatieLeeg() {
  Toestand().bronnen.clear();
  return WebCumulatie();
}

TARVO_WEB const char* WebCumulatieVerwijder(int i) {
  if (i >= 0 && i < static_cast<int>(Toestand().bronnen.size()))
    Toestand().bronnen.erase(Toestand().bronnen.begin() + i);
  return WebCumulatie();
}

// A worksheet file (texts: its name, its bytes) computed as for its report.
TARVO_WEB const char* WebCumulatieVoegToe() {
  const auto t = Teksten();
  if (t.size() != 2) return FoutAntwoord("Geen rekenblad ontvangen.");
  const KernToestand& k = Toestand();
  return VoegBronToe(BronVanBytes(std::span(reinterpret_cast<const std::uint8_t*>(t[1].data()), t[1].size()), t[0],
                                  k.catalogus, k.vandaag, k.decimaal));
}

// The worksheet on the page, under the question's name.
TARVO_WEB const char* WebCumulatieHuidig() {
  const KernToestand& k = Toestand();
  return VoegBronToe(BronVanWerkblad(k.werkblad, Tekst(0), k.catalogus, k.vandaag, k.decimaal));
}

// Leaving a box of the traffic-count conversion: soort 0 the distribution,
// 1 the counts.
TARVO_WEB const char* WebValideerOmreken(int soort, int vak) {
  Json j;
  return Antwoord(SchrijfValidatie(j.Object(), ValideerOmreken(Tekst(0), soort == 0, vak)).EindObject());
}

// The 16 distribution boxes into counts per period (boxes 3 x row + period
// of the 18 count boxes; the moped and tram rows are left as they are).
TARVO_WEB const char* WebOmreken() {
  const auto t = Teksten();
  Verdeling v;
  Json j;
  j.Object().Sleutel("teksten").Lijst();
  for (int i = 0; i < kAantalVerdeling; ++i) {
    const auto tekst = i < static_cast<int>(t.size()) ? t[static_cast<std::size_t>(i)] : std::string();
    const Validatie w = ValideerOmreken(tekst, true, i);
    if (!w.geldig) return Antwoord(j.EindLijst().Veld("ongeldig", i).Veld("uitleg", w.uitleg).EindObject());
    j.Tekst(w.tekst);
    v.Vak(i) = LeesGetal(w.tekst);
  }
  j.EindLijst();
  const VerdelingControle c = ControleerVerdeling(v);
  if (!c.ok) return Antwoord(j.Veld("melding", c.melding).Veld("focus", c.focusVak).EindObject());
  j.Sleutel("aantallen").Lijst();
  for (const auto& [vak, tekst] : AantalTeksten(v, Toestand().decimaal))
    j.Object().Veld("vak", vak).Veld("tekst", tekst).EindObject();
  return Antwoord(j.EindLijst().EindObject());
}

// The 18 count boxes as the worksheet's hourly intensities.
TARVO_WEB const char* WebToepassen() {
  const auto t = Teksten();
  Json j;
  j.Object().Sleutel("velden").Lijst();
  for (int p = 1; p <= 3; ++p) {
    for (int rij : kToepasVolgorde) {
      const int vak = 3 * rij + p - 1;
      const auto tekst = vak < static_cast<int>(t.size()) ? t[static_cast<std::size_t>(vak)] : std::string();
      const Validatie w = ValideerOmreken(tekst, false, vak);
      if (!w.geldig) return Antwoord(j.EindLijst().Veld("ongeldig", vak).Veld("uitleg", w.uitleg).EindObject());
      j.Object().Veld("veld", DoelVeld(rij, p)).Veld("tekst", *UurTekst(w.tekst, p, Toestand().decimaal)).EindObject();
    }
  }
  return Antwoord(j.EindLijst().EindObject());
}
