#pragma once
// What the page says of its own: the commands with their keys, and the
// sentences of opening, saving and keeping files in a browser, which the
// window has no need of. "{naam}", "{reden}" and "{opdracht}" stand for what
// the page fills in; "{reden}" comes from `redenen`, by the browser's error name.
#include <string>
#include <string_view>

#include "driver/OnderzoekBlad.h"
#include "driver/Opdrachten.h"
#include "web/kern/Json.h"

namespace tarvo::web {

// A key as aria-keyshortcuts names it: "Control+Shift+P".
inline std::string AriaToets(std::string_view toets) {
  return toets.starts_with("Ctrl+") ? "Control+" + std::string(toets.substr(5)) : std::string(toets);
}

// Every command, the page's key beside the window's; a command the page
// lacks says why and has no control.
inline void SchrijfOpdrachten(Json& j) {
  j.Sleutel("opdrachten").Lijst();
  for (const Opdracht& o : kOpdrachten) {
    const std::string_view toets = o.PaginaToets();
    std::string titel(o.tekst);
    if (!toets.empty()) titel += " (" + std::string(toets) + ")";
    j.Object()
        .Veld("naam", o.naam)
        .Veld("tekst", o.tekst)
        .Veld("knop", o.knop)
        .Veld("titel", titel)
        .Veld("toets", toets);
    j.Veld("aria", AriaToets(toets)).Veld("nietInPagina", o.nietInPagina).EindObject();
  }
  j.EindLijst();
}

struct PaginaTekst {
  std::string_view sleutel, tekst;
};

inline constexpr PaginaTekst kPaginaTeksten[] = {
    {"klaar", "Klaar. Vul het rekenblad in; F9 rekent."},
    {"leeg", "Leeg rekenblad."},
    {"geenBestand", "Geen bestand"},
    {"huidigRekenblad", "huidig rekenblad"},
    {"berekend", "Berekend: Letmaal {letmaal}, Lden {lden}, Lnight {lnight}."},
    {"afdrukVoet", "Tarvo, browserversie. Afgedrukt op {datum}."},
    {"geenBerekening", "Geen actuele berekening: druk eerst op F9."},
    {"wegdekBron",
     "Wegdekcorrecties volgens de wegdektypering van {naam}: {adres}. Een tabel heeft de kolommen {kolommen} met een "
     "kopregel, gescheiden door ‘;’."},
    {"gewijzigdMerk", "gewijzigd, niet opgeslagen"},
    {"eerstOpslaan", "Wilt u het rekenblad eerst opslaan?"},
    {"geopend", "Rekenblad {naam} geopend."},
    {"bestandFout", "Bestand {naam}: {reden}"},
    {"leesFout", "Het gekozen bestand kan niet worden gelezen: {reden}."},
    {"opgeslagen", "Rekenblad opgeslagen als {naam}."},
    {"nietOpgeslagen", "Rekenblad niet opgeslagen."},
    {"schrijfFout", "Rekenblad {naam} is niet opgeslagen: {reden}."},
    {"aangeboden",
     "Rekenblad aangeboden als download: {naam}. Het telt als niet bewaard tot u bevestigt dat het bestand op uw "
     "computer staat."},
    {"downloadVraag", "Het rekenblad is aangeboden als download: {naam}. Staat het bestand nu op uw computer?"},
    {"downloadBevestigd", "Rekenblad aangeboden als download: {naam}; volgens u staat het op uw computer."},
    {"nogNiet", "\"{opdracht}\" is nog niet beschikbaar in de browserversie."},
    {"info",
     "Tarvo, browserversie: het rekenblad voor wegverkeerslawaai volgens het Reken- en meetvoorschrift geluid 2012 "
     "(Standaard-rekenmethode I), met dezelfde rekenkern als het programma. De pagina rekent zelf en verstuurt of "
     "haalt na het laden niets. {wegdekken}"},
    {"geenEigen",
     "Deze browser bewaart geen eigen wegdekkenlijst: de pagina rekent met de meegeleverde. Heeft u een eigen "
     "Wegdekken_2012.dat, open die dan."},
    {"eigenWeg",
     "Uw eigen wegdekkenlijst staat niet meer in deze browser: de pagina rekent met de meegeleverde. Open {naam} "
     "opnieuw om met uw eigen lijst te rekenen."},
    {"nietBewaard",
     "De browser kon de wegdekkenlijst niet bewaren ({reden}): ze geldt alleen zolang deze pagina open is. Sla haar op "
     "als wegdekkenbestand om haar te houden."},
    {"nietBewaardInBestand",
     "De browser kon de wegdekkenlijst niet bewaren ({reden}); ze staat wel in {naam}: open dat bestand bij een "
     "volgend bezoek."},
    {"bestandNietBewaard", "De wegdekkenlijst is niet in {naam} opgeslagen ({reden}); wel in deze browser."},
    {"herkomstMeegeleverd", "De meegeleverde wegdekkenlijst ({aantal})."},
    {"herkomstEigen", "Uw eigen wegdekkenlijst, bewaard in deze browser ({aantal})."},
    {"herkomstBestand", "Uw eigen wegdekkenlijst uit {naam}, bewaard in deze browser en in dat bestand ({aantal})."},
    {"herkomstAlleenBestand", "Uw eigen wegdekkenlijst uit {naam}, alleen in dat bestand bewaard ({aantal})."},
    {"herkomstTijdelijk", "Uw eigen wegdekkenlijst, alleen zolang deze pagina open is ({aantal})."},
    {"lijstGeopend", "Wegdekkenlijst {naam} geopend."},
    {"lijstOpgeslagen", "Wegdekkenlijst opgeslagen als {naam}; wijzigingen komen voortaan ook in dat bestand."},
    {"lijstAangeboden", "Wegdekkenlijst aangeboden als download: {naam}."},
    {"tabelOpgeslagen", "Wegdekkentabel opgeslagen als {naam}."},
    {"tabelAangeboden", "Wegdekkentabel aangeboden als download: {naam}."},
    {"gebruikerGezet", "Gebruikersnaam ingesteld."},
    {"terugzetVraag", "De meegeleverde wegdekkenlijst terugzetten? Uw eigen lijst in deze browser vervalt."},
    {"teruggezet", "De meegeleverde wegdekkenlijst is teruggezet."},
    {"openKnop", "Wegdekkenbestand openen…"},
    {"openOpnieuwKnop", "{naam} openen"},
    {"sluitKnop", "Sluiten"},
    {"titelOpenen", "Rekenblad openen"},
    {"titelOpslaan", "Rekenblad opslaan"},
    {"titelReset", "Reset rekenblad"},
    {"titelWegdekken", "Wegdekkenlijst"},
    {"titelImport", "Importeren"},
    {"titelHelp", "Toelichting bij invoer"},
    {"titelInfo", "Informatie over Tarvo"},
    // A question before changes no file holds would go.
    {"knopJa", "&Ja"},
    {"knopNee", "&Nee"},
    {"knopAnnuleren", "Annuleren"},
    // The study, as the window "Onderzoek" says it, and its files in a browser.
    {"onderzoekTitel", kOnderzoekKop},
    {"onderzoekLeeg", kOnderzoekLeeg},
    {"onderzoekNietBerekend", kNietBerekend},
    {"onderzoekZieMeldingen", kZieRedenen},
    {"onderzoekNietElkeWeg", kNietElkeWeg},
    {"onderzoekEerstOpslaan", kOnderzoekEerstOpslaan},
    {"onderzoekTitelNieuw", kTitelNieuwOnderzoek},
    {"onderzoekTitelOpenen", kTitelOnderzoekOpenen},
    {"onderzoekTitelOpslaan", kTitelOnderzoekOpslaan},
    {"onderzoekKnopNieuw", kOnderzoekOpdrachten.nieuw},
    {"onderzoekKnopOpenen", kOnderzoekOpdrachten.openen},
    {"onderzoekKnopOpslaan", kOnderzoekOpdrachten.opslaan},
    {"onderzoekKnopHuidig", kOnderzoekOpdrachten.huidig},
    {"onderzoekKnopSluit", kOnderzoekOpdrachten.sluiten},
    {"onderzoekKnopCsv", "Uitkomsten als &CSV…"},
    {"onderzoekKnopBijlageCsv", "&Bijlage als CSV…"},
    {"onderzoekKnopAfdrukken", "Bijlage &afdrukken…"},
    {"onderzoekBestandFout", "Onderzoek {naam}: {reden}"},
    {"onderzoekOpgeslagen", "Onderzoek opgeslagen als {naam}."},
    {"onderzoekNietOpgeslagen", "Onderzoek niet opgeslagen."},
    {"onderzoekSchrijfFout", "Onderzoek {naam} is niet opgeslagen: {reden}."},
    {"onderzoekAangeboden",
     "Onderzoek aangeboden als download: {naam}. Het telt als niet bewaard tot u bevestigt dat het bestand op uw "
     "computer staat."},
    {"onderzoekDownloadVraag",
     "Het onderzoek is aangeboden als download: {naam}. Staat het bestand nu op uw computer?"},
    {"bijlageOpgeslagen", "Bijlage opgeslagen als {naam}."},
    {"bijlageAangeboden", "Bijlage aangeboden als download: {naam}."},
    {"bijlageSchrijfFout", "Bijlage {naam} is niet opgeslagen: {reden}."},
    {"onderzoekDownloadBevestigd", "Onderzoek aangeboden als download: {naam}; volgens u staat het op uw computer."},
};

// The browser's error names as the reason a sentence gives.
inline constexpr PaginaTekst kRedenen[] = {
    {"QuotaExceededError", "de opslag van de browser is vol"},
    {"NotAllowedError", "de browser of de gebruiker staat het niet toe"},
    {"SecurityError", "de browser staat het niet toe"},
    {"NotFoundError", "het bestand bestaat niet meer"},
    {"NoModificationAllowedError", "het bestand mag niet worden gewijzigd"},
    {"NotReadableError", "het bestand kan niet worden gelezen"},
    {"InvalidStateError", "het bestand is intussen veranderd"},
    {"standaard", "de browser meldt een fout"},
};

// What the page's file pickers offer, per kind of file.
struct BestandSoort {
  std::string_view sleutel, beschrijving, extensie, type;
};
inline constexpr BestandSoort kBestandSoorten[] = {
    {"rekenblad", "Rekenbladen Tarvo (*.tvo)", ".tvo", "application/octet-stream"},
    {"catalogus", "Wegdekkenbestanden (*.dat)", ".dat", "application/octet-stream"},
    {"tabel", "Wegdekkentabellen (*.csv)", ".csv", "text/csv"},
    {"onderzoek", "Onderzoek (*.csv)", ".csv", "text/csv"},
    {"bijlage", "Bijlagen (*.csv)", ".csv", "text/csv"},
};

inline void SchrijfPaginaTeksten(Json& j) {
  j.Sleutel("teksten").Object();
  for (const PaginaTekst& t : kPaginaTeksten) j.Veld(t.sleutel, t.tekst);
  j.EindObject().Sleutel("redenen").Object();
  for (const PaginaTekst& t : kRedenen) j.Veld(t.sleutel, t.tekst);
  j.EindObject().Sleutel("soorten").Object();
  for (const BestandSoort& s : kBestandSoorten) {
    j.Sleutel(s.sleutel).Object().Veld("beschrijving", s.beschrijving).Veld("extensie", s.extensie);
    j.Veld("type", s.type).EindObject();
  }
  j.EindObject();
}

}  // namespace tarvo::web
