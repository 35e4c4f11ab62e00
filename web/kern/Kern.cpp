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
#include "calc/Bereken.h"
#include "calc/Controle.h"
#include "calc/Valideer.h"
#include "calc/Velden.h"
#include "calc/WegdekImport.h"
#include "driver/Resultaatteksten.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WegdekTabel.h"
#include "files/WerkbladBestand.h"
#include "report/Rapport.h"
#include "tools/Afstand.h"
#include "tools/Cumulatie.h"
#include "tools/Diagram.h"
#include "tools/DosisEffect.h"
#include "tools/Omrekenen.h"
#include "web/kern/Json.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define TARVO_WEB extern "C" EMSCRIPTEN_KEEPALIVE
#else
#define TARVO_WEB extern "C"
#endif

namespace tarvo::web {
namespace {

struct KernToestand {
  char decimaal = ',';
  Datum vandaag{2026, 1, 1};
  Werkblad werkblad = LeegWerkblad(',');
  Catalogus catalogus;
  std::vector<CumulatieBron> bronnen;
  std::optional<Samenvoeging> plan;  // an import waiting for the user's yes
  std::vector<std::uint8_t> vraag, bytes;
  std::string antwoord;
};

KernToestand& Toestand() {
  static KernToestand t;
  return t;
}

std::vector<std::string> Teksten() { return LeesTeksten(Toestand().vraag).value_or(std::vector<std::string>{}); }

std::string Tekst(std::size_t i) {
  auto t = Teksten();
  return i < t.size() ? t[i] : std::string();
}

const char* Antwoord(const Json& j) {
  Toestand().antwoord = j.Inhoud();
  return Toestand().antwoord.c_str();
}

const char* FoutAntwoord(std::string_view melding) {
  return Antwoord(Json().Object().Veld("fout", melding).EindObject());
}

template <typename Bytes>
void ZetBytes(const Bytes& b) {
  Toestand().bytes.assign(reinterpret_cast<const std::uint8_t*>(b.data()),
                          reinterpret_cast<const std::uint8_t*>(b.data()) + b.size());
}

std::string Getal(double x, std::string_view patroon = "##0.00") { return Formatteer(x, patroon, Toestand().decimaal); }

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

// The characters a field takes from the keyboard; empty: every key.
std::string_view ToetsTekens(Toetsen t) {
  switch (t) {
    case Toetsen::Cijfers:
      return "1234567890";
    case Toetsen::Getal:
      return "1234567890,.";
    case Toetsen::Geen:
    case Toetsen::Alles:
      break;
  }
  return "";
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

void SchrijfCatalogus(Json& j) {
  Catalogus& c = Toestand().catalogus;
  VulLijst(c);
  j.Sleutel("catalogus").Object().Sleutel("lijst").Lijst();
  for (int i = 1; i <= c.AantalWegdekken; ++i) j.Tekst(RechtsBijgesneden(c.WegdekNamen[static_cast<std::size_t>(i)]));
  j.EindLijst()
      .Veld("meegeleverd", kAantalMeegeleverd)
      .Veld("gebruiker", RechtsBijgesneden(c.Gebruikersnaam))
      .EindObject();
  ZetBytes(CodeerCatalogus(c));
}

// Every term of the calculation: per period, then those with one value.
void SchrijfTermen(Json& j, const Resultaten& r) {
  struct Term {
    std::string_view symbool, omschrijving;
    const PerPeriode* waarden;
    std::string_view eenheid;
  };
  const Term perPeriode[] = {
      {"Qtotaal", "intensiteit, alle categorieën", &r.Qtotaal, "mvt/h"},
      {"p", "aandeel vrachtverkeer", &r.Vrachtverkeer, "%"},
      {"Elv", "emissie lichte mvt.", &r.Elv, "dB(A)"},
      {"Emv", "emissie middelzware mvt.", &r.Emv, "dB(A)"},
      {"Ezv", "emissie zware mvt.", &r.Ezv, "dB(A)"},
      {"Emr", "emissie motorfietsen", &r.Emr, "dB(A)"},
      {"Ebromf", "emissie bromfietsen", &r.Ebromf, "dB(A)"},
      {"Etram", "emissie trams", &r.Etram, "dB(A)"},
      {"Elv,weg", "idem, met wegdekcorrectie", &r.ElvWeg, "dB(A)"},
      {"Emv,weg", "idem, met wegdekcorrectie", &r.EmvWeg, "dB(A)"},
      {"Ezv,weg", "idem, met wegdekcorrectie", &r.EzvWeg, "dB(A)"},
      {"E", "emissiegetal", &r.EmissieGetal, "dB(A)"},
      {"E,weg", "idem, met wegdekcorrectie", &r.EmissieWeg, "dB(A)"},
      {"Cwegdek", "wegdekcorrectie", &r.Cwegdek, "dB(A)"},
      {"Ckruising", "optrekcorrectie kruising", &r.Ckruising, "dB(A)"},
      {"Cobstakel", "optrekcorrectie obstakel", &r.Cobstakel, "dB(A)"},
      {"Coptrek", "optrekcorrectie", &r.Coptrek, "dB(A)"},
      {"LAeq", "periodeniveau", &r.LAeq, "dB(A)"},
      {"LAeq,etm", "met etmaalcorrectie", &r.LAeqEtm, "dB(A)"},
  };
  j.Sleutel("perPeriode").Lijst();
  for (const Term& t : perPeriode) {
    j.Object().Veld("symbool", t.symbool).Veld("omschrijving", t.omschrijving).Sleutel("waarden").Lijst();
    for (std::size_t p = 1; p <= 3; ++p) j.Tekst(Getal((*t.waarden)[p]));
    j.EindLijst().Veld("eenheid", t.eenheid).EindObject();
  }
  j.EindLijst();
  struct Enkel {
    std::string_view symbool, omschrijving;
    double waarde;
    std::string_view eenheid;
  };
  const Enkel enkel[] = {
      {"r", "schuine afstand", r.AfstandSchuin, "m"},
      {"Cwegdek,lv", "wegdekcorrectie lichte mvt.", r.CwegdekCat[1], "dB(A)"},
      {"Cwegdek,mv", "wegdekcorrectie middelzware mvt.", r.CwegdekCat[2], "dB(A)"},
      {"Cwegdek,zv", "wegdekcorrectie zware mvt.", r.CwegdekCat[3], "dB(A)"},
      {"Crefl", "reflectieterm", r.Crefl, "dB(A)"},
      {"Dafstand", "dempingsterm afstand", r.Dafstand, "dB(A)"},
      {"Dlucht", "dempingsterm lucht", r.Dlucht, "dB(A)"},
      {"Dbodem", "dempingsterm bodem", r.Dbodem, "dB(A)"},
      {"Dmeteo", "dempingsterm meteo", r.Dmeteo, "dB(A)"},
      {"Czichthoek", "zichthoekcorrectie", r.Czichthoek, "dB(A)"},
      {"aftrek art. 3.5", "wegdekaftrek", r.Art35Vlag ? double(r.Art35Aftrek) : 0.0, "dB(A)"},
      {"Letmaal", "etmaalwaarde, zonder aftrek", r.Letmaal, "dB(A)"},
      {"Lden", "zonder aftrek", r.Lden, "dB"},
      {"Lnight", "zonder aftrek", r.Lnight, "dB"},
      {"aftrek art. 110g", "aftrek ex art. 110g Wgh", double(r.Aftrek110g), "dB"},
  };
  j.Sleutel("enkel").Lijst();
  for (const Enkel& t : enkel) {
    j.Object().Veld("symbool", t.symbool).Veld("omschrijving", t.omschrijving).Veld("waarde", Getal(t.waarde));
    j.Veld("eenheid", t.eenheid).EindObject();
  }
  j.EindLijst();
}

void SchrijfCumulatie(Json& j) {
  j.Sleutel("bronnen").Lijst();
  for (const CumulatieBron& b : Toestand().bronnen) {
    j.Object().Veld("naam", b.naam).Veld("waarneempunt", b.waarneempunt).Veld("weg", b.weg);
    j.Veld("lden", Getal(b.lden)).Veld("lnight", Getal(b.lnight)).EindObject();
  }
  const CumulatieTotaal totaal = Cumuleer(Toestand().bronnen);
  j.EindLijst().Sleutel("totaal").Object().Veld("lden", Getal(totaal.lden)).Veld("lnight", Getal(totaal.lnight));
  j.EindObject();
  ZetBytes(CumulatieTabel(Toestand().bronnen, Toestand().decimaal, true, CrLf));
}

// A worksheet checked and computed as for its report.
Uitkomst<std::pair<Invoer, Resultaten>> Reken(const Werkblad& w) {
  Controle c = Controleer(w, Toestand().decimaal);
  if (!c) return tarvo::Fout{WeigeringRegel(*c.weigering)};
  auto r = BerekenBruikbaar(*c.invoer, Toestand().catalogus, Toestand().vandaag);
  if (!r) return r.Reden();
  return std::pair{std::move(*c.invoer), std::move(*r)};
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
  j.Veld("zoneSnelheid", kZoneSnelheid).Veld("titelWaarschuwing", kTitelWaarschuwing);
  j.Veld("toelichtingLengte", static_cast<int>(kToelichtingLengte))
      .Veld("naamLengte", static_cast<int>(kNaamVeldLengte));
  j.Veld("gebruikerLengte", static_cast<int>(kNaamLengte)).Veld("rapportTitel", kRapportTitel);
  j.Sleutel("diagram").Object().Veld("vraag", kDiagramVraag).Veld("titel", kDiagramTitel);
  j.Veld("standaard", kDiagramStandaard).Veld("asAfstand", kDiagramAsAfstand).Veld("asNiveau", kDiagramAsNiveau);
  j.Veld("doelMin", kDoelMin).Veld("doelMax", kDoelMax).Veld("doelStandaard", kDoelStandaard).EindObject();
  j.Sleutel("cumulatie").Object().Veld("titel", kCumulatieTitel).Veld("zonderAftrek", kCumulatieZonderAftrek);
  j.Veld("cumulatief", kCumulatiefNaam).EindObject();
  j.Sleutel("wegdekSite").Object().Veld("naam", kWegdekSiteNaam).Veld("adres", kWegdekSiteAdres).EindObject();
  j.Sleutel("wegdekKolommen").Lijst();
  for (auto k : kWegdekKolommen) j.Tekst(k);
  j.EindLijst();
  SchrijfOmrekenTabel(j);
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

// The worksheet's texts: the 40 fields, then the remark lines.
TARVO_WEB void WebZetWerkblad(int wegdek, int zone, int aftrek, int rail) {
  const auto t = Teksten();
  Werkblad& w = Toestand().werkblad;
  for (std::size_t i = 0; i < w.veld.size(); ++i) w.veld[i] = i < t.size() ? t[i] : std::string();
  for (std::size_t i = 0; i < w.toelichting.size(); ++i) {
    const std::size_t n = w.veld.size() + i;
    w.toelichting[i] = n < t.size() ? t[n] : std::string();
  }
  w.wegdek = static_cast<std::int16_t>(wegdek);
  w.zone = zone != 0;
  w.aftrek = aftrek != 0;
  w.rail = static_cast<std::int16_t>(rail);
}

TARVO_WEB const char* WebControleer() {
  Json j;
  j.Object();
  SchrijfControle(j, Controleer(Toestand().werkblad, Toestand().decimaal));
  return Antwoord(j.EindObject());
}

// The input check and the calculation: the fields, the result labels, every
// term, the rating and the report.
TARVO_WEB const char* WebBereken() {
  const char dec = Toestand().decimaal;
  Controle c = Controleer(Toestand().werkblad, dec);
  Json j;
  j.Object();
  SchrijfControle(j, c);
  if (!c) return Antwoord(j.EindObject());
  const Invoer& in = *c.invoer;
  const auto uitkomst = BerekenBruikbaar(in, Toestand().catalogus, Toestand().vandaag);
  if (!uitkomst) return Antwoord(j.Veld("fout", uitkomst.Melding()).EindObject());
  const Resultaten& r = *uitkomst;
  const ResultaatTeksten labels = LabelTeksten(r, dec);
  j.Sleutel("labels").Object().Veld("letmaal", labels.letmaal).Veld("lden", labels.lden);
  j.Veld("lnight", labels.lnight).Veld("aftrek", labels.aftrek).EindObject();
  j.Sleutel("afgeleid").Lijst();
  for (const auto& [veld, tekst] : AfgeleideTeksten(r, dec))
    j.Object().Veld("veld", veld).Veld("tekst", tekst).EindObject();
  j.EindLijst();
  SchrijfTermen(j, r);
  j.Sleutel("eind").Lijst();
  for (const RapportRegel& regel : EindRegels(r, dec)) j.Tekst(regel.tekst);
  j.EindLijst().Veld("kwaliteit", Milieukwaliteit(r.Lden, r.Aftrek110g)).Veld("aftrek110g", r.Aftrek110g);
  j.Veld("ldenZonderAftrek", Getal(r.Lden, "#0.0")).Sleutel("gehinderden");
  if (BinnenBand(r.Lden)) {
    const Gehinderden g = BerekenGehinderden(r.Lden);
    j.Object().Veld("licht", Getal(g.licht, "#0")).Veld("normaal", Getal(g.normaal, "#0"));
    j.Veld("ernstig", Getal(g.ernstig, "#0")).EindObject();
  } else {
    j.Null();
  }
  j.Veld("rapport", RapportTekst(in, r, Toestand().catalogus, dec));
  return Antwoord(j.EindObject());
}

// A worksheet file's bytes (the question's one text) as the fields' texts.
TARVO_WEB const char* WebLeesRekenblad() {
  const std::string bytes = Tekst(0);
  auto in = DecodeerWerkblad(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  if (!in) return FoutAntwoord(in.Melding());
  const auto melding = HerstelWegdek(*in, Toestand().catalogus);
  Toestand().werkblad = WerkbladVan(*in, Toestand().decimaal);
  Json j;
  j.Object();
  SchrijfWerkblad(j, Toestand().werkblad);
  j.Sleutel("meldingen").Lijst();
  if (melding) j.Tekst(*melding);
  return Antwoord(j.EindLijst().EindObject());
}

// The worksheet file of the checked input; the check's refusal otherwise.
TARVO_WEB const char* WebSchrijfRekenblad() {
  const Controle c = Controleer(Toestand().werkblad, Toestand().decimaal);
  Toestand().bytes.clear();
  if (c) ZetBytes(CodeerWerkblad(*c.invoer));
  Json j;
  j.Object();
  SchrijfControle(j, c);
  return Antwoord(j.EindObject());
}

// A catalogue file's bytes; the catalogue stays as it was when they are refused.
TARVO_WEB const char* WebLaadCatalogus() {
  const std::string bytes = Tekst(0);
  auto c = DecodeerCatalogus(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  if (!c) return FoutAntwoord(c.Melding());
  Toestand().catalogus = std::move(*c);
  Toestand().plan.reset();
  Json j;
  j.Object();
  SchrijfCatalogus(j);
  return Antwoord(j.EindObject());
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
  const auto tabel = LeesWegdekTabel(t[0], ';', Kopregel::Verplicht);
  if (!tabel) return FoutAntwoord(tabel.Melding());
  if (tabel->empty()) return FoutAntwoord("Het bestand " + t[1] + " bevat geen wegdekken.");
  WegdekBeheer beheer(Toestand().catalogus);
  auto plan = VoegSamen(beheer, *tabel);
  if (!plan) return FoutAntwoord(plan.Melding());
  Json j;
  j.Object().Veld("toevoegen", static_cast<int>(plan->toevoegen.size()));
  j.Veld("vervangen", static_cast<int>(plan->vervangen.size()));
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
    WegdekBeheer beheer(Toestand().catalogus);
    j.Veld("kies", beheer.Voer(*Toestand().plan));
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
  const DiagramResultaat r = Diagram(antwoord, Toestand().werkblad, Toestand().catalogus, Toestand().decimaal);
  Json j;
  j.Object();
  switch (r.uitkomst) {
    case DiagramUitkomst::Leeg:
      return FoutAntwoord("Geen afstand opgegeven.");
    case DiagramUitkomst::Geweigerd:
      return FoutAntwoord("\"" + antwoord +
                          "\" is geen getal. Geef de maximale afstand tot de wegas in meters, van 100 tot 1000.");
    case DiagramUitkomst::Onbruikbaar:
      return FoutAntwoord(r.melding);
    case DiagramUitkomst::ControleGeweigerd:
      SchrijfControle(j, r.controle);
      return Antwoord(j.EindObject());
    case DiagramUitkomst::Gegevens:
      break;
  }
  SchrijfControle(j, r.controle);
  j.Veld("s", r.s).Veld("ymin", r.gegevens.ymin).Veld("ymax", r.gegevens.ymax).Veld("delingen", r.gegevens.delingen);
  j.Sleutel("lden").Lijst();
  for (const DiagramRij& rij : r.gegevens.rijen) j.Getal(rij.lden);
  j.EindLijst();
  AfstandRekenaar rekenaar(*r.controle.invoer, Toestand().catalogus, Toestand().vandaag);
  const NiveauOpAfstand eigen = rekenaar.Op(rekenaar.EigenAfstand());
  j.Sleutel("eigen").Object().Veld("afstand", eigen.afstand).Veld("lden", eigen.lden);
  j.Veld("afstandTekst", Getal(eigen.afstand) + " m");
  j.Veld("tekst", "Rekenblad: " + Getal(eigen.afstand) + " m, Lden " + Getal(eigen.lden) + " dB excl. aftrek");
  j.EindObject();
  ZetBytes(DiagramCsv(r.gegevens, Toestand().decimaal, CrLf));
  return Antwoord(j.EindObject());
}

// The distance where Lden after the deduction meets the question's target level.
TARVO_WEB const char* WebAfstandVoor() {
  const auto doel = LeesDoelNiveau(Tekst(0));
  if (!doel) return FoutAntwoord("Geef een streefwaarde van 0 tot 150 dB.");
  const Controle c = Controleer(Toestand().werkblad, Toestand().decimaal);
  Json j;
  j.Object();
  SchrijfControle(j, c);
  if (!c) return Antwoord(j.EindObject());
  AfstandRekenaar rekenaar(*c.invoer, Toestand().catalogus, Toestand().vandaag);
  const DoelAfstand r = rekenaar.Zoek(*doel);
  const NiveauOpAfstand& p = r.punt;
  const std::string aftrek =
      p.aftrek != 0 ? " (aftrek art. 110g Wgh " + std::to_string(p.aftrek) + " dB)" : std::string();
  std::string tekst;
  if (r.gevonden) {
    tekst = "Streefwaarde " + Getal(*doel) + " dB gehaald vanaf " + Getal(p.afstand) + " m: Lden na aftrek " +
            Getal(p.niveau) + " dB" + aftrek + ".";
  } else {
    tekst = "Streefwaarde " + Getal(*doel) + " dB niet gehaald tot " + Getal(kAfstandZoekTot, "##0") +
            " m: Lden na aftrek op " + Getal(kAfstandZoekTot, "##0") + " m is " + Getal(p.niveau) + " dB" + aftrek +
            ".";
  }
  std::string lijn = "streefwaarde " + Getal(*doel) + " dB";
  if (p.aftrek != 0) lijn += " + aftrek " + std::to_string(p.aftrek) + " dB";
  j.Veld("gevonden", r.gevonden).Veld("afstand", p.afstand).Veld("lden", p.lden).Veld("lijn", *doel + p.aftrek);
  j.Veld("lijnTekst", lijn).Veld("afstandTekst", Getal(p.afstand) + " m").Veld("tekst", tekst);
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
  const std::string& naam = t[0];
  auto in = DecodeerWerkblad(std::span(reinterpret_cast<const std::uint8_t*>(t[1].data()), t[1].size()));
  if (!in) return FoutAntwoord("Rekenblad " + naam + ": " + in.Melding());
  const auto melding = HerstelWegdek(*in, Toestand().catalogus);
  const auto berekend = Reken(WerkbladVan(*in, Toestand().decimaal));
  if (!berekend) return FoutAntwoord("Rekenblad " + naam + ": " + berekend.Melding());
  Toestand().bronnen.push_back(BronVan(berekend->first, berekend->second, naam));
  Json j;
  j.Object();
  SchrijfCumulatie(j);
  j.Sleutel("meldingen").Lijst();
  if (melding) j.Tekst("Rekenblad " + naam + ": " + *melding);
  return Antwoord(j.EindLijst().EindObject());
}

// The worksheet on the page, under the question's name.
TARVO_WEB const char* WebCumulatieHuidig() {
  const auto berekend = Reken(Toestand().werkblad);
  if (!berekend) return FoutAntwoord(berekend.Melding());
  Toestand().bronnen.push_back(BronVan(berekend->first, berekend->second, Tekst(0)));
  return WebCumulatie();
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
