#include "calc/Velden.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tarvo {

// The help texts and the table are laid out by hand: a help text stands as
// one literal per line of the help, a field as one row.
// clang-format off

const std::string_view kWegdekSiteNaam = "RIVM (wegdekcorrecties Cwegdek)";
const std::string_view kWegdekSiteAdres = "https://www.rivm.nl/geluid/rekenmodellen-en-tools/wegdekcorrectie-cwegdek";

const std::string_view kHelpOntbreekt = "Helpinfo ontbreekt.";
const std::string_view kHelpGeenInfo = "Geen helpinfo beschikbaar.";
const std::string_view kHelpZone =
    "Berekening optrekcorrectie volgens CROW-infoblad 965 'Handreiking berekenen wegverkeerslawaai bij 30 km/h'.";
const std::string_view kHelpAftrek =
    "Hoogte aftrek ex artikel 110g Wgh conform artikel 3.4 van het 'Reken en meetvoorschrift Geluid 2012':\r\n"
    "\xE2\x80\xA2 2 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 km/uur of meer bedraagt;\r\n"
    "\xE2\x80\xA2 3 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 km/uur of meer bedraagt en de geluidsbelasting zonder aftrek ex artikel 110g Wgh 56 dB is (geldt tot 1 juli 2018);\r\n"
    "\xE2\x80\xA2 4 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 km/uur of meer bedraagt en de geluidsbelasting zonder aftrek ex artikel 110g Wgh 57 dB is (geldt tot 1 juli 2018);\r\n"
    "\xE2\x80\xA2 5 dB voor de overige wegen;\r\n"
    "\xE2\x80\xA2 0 dB bij toepassing van artikel 22, eerste en tweede lid, of artikel 194, eerste en tweede lid, van het Bouwbesluit en bij toepassing van artikel 111, tweede en derde lid, en 111a, 112 en 113 van de Wet geluidhinder.\r\n";
const std::string_view kHelpBerekening =
    "De Standaard-rekenmethode I is gebaseerd op een vereenvoudiging van de situatie en is toepasbaar onder de voorwaarde dat:\r\n"
    "\xE2\x80\xA2 de weg geen hoogteverschillen van meer dan 3 meter bevat ten opzichte van de gemiddelde weghoogte;\r\n"
    "\xE2\x80\xA2 het zicht vanuit de waarnemer op de weg niet wordt belemmerd over een hoek van meer dan 30\xC2\xB0;\r\n"
    "\xE2\x80\xA2 het wegdek van hetzelfde type is;\r\n"
    "\xE2\x80\xA2 de verkeersvariabelen geen belangrijke variaties vertonen.\r\n";
const std::string_view kHelpWegdek =
    "Wegdekverharding volgens wegdektypering van https://www.rivm.nl/geluid/rekenmodellen-en-tools/wegdekcorrectie-cwegdek.";

namespace {

// Shared by the rows of a kind.
constexpr std::string_view kHelpIntensiteit =
    "Maatgevende verkeersintensiteit van weg of wegvak per voertuigcategorie in aantal motorvoertuigen per uur.";
constexpr std::string_view kHelpSnelheid =
    "Representatief te achten rijsnelheid over weg of wegvak per voertuigcategorie in kilometers per uur.";
constexpr std::string_view kHelpAfgeleid = "Geen informatie beschikbaar";

// Ranges as {maximum, minimum, pattern}. The check takes intensities, heights
// and the distance over up to 99999, beyond what leaving the field allows: a
// worksheet file may hold more than was ever typed.
constexpr GetalBereik kTot9999{9999, 0, "##0.00"};
constexpr GetalBereik kTot99999{99999, 0, "##0.00"};
constexpr GetalBereik kTot1{1, 0, "##0.00"};
constexpr GetalBereik kSnelheidTot160{160, 30, "##0"};
constexpr GetalBereik kSnelheidTot110{110, 30, "##0"};
constexpr GetalBereik kSnelheidTot60{60, 30, "##0"};
constexpr GetalBereik kTot127Graden{127, 0, "##0"};

// Worksheet file offsets: the names at 0 and 45; a 64-byte block per period
// from 90 (dag), 154 (avond) and 218 (nacht) with lv, mv, zv, mr at +0..+24,
// Qtotaal at +32, the freight share at +40, bromf and tram at +48 and +56;
// the speeds from 282; the geometry where the file has always kept it.
constexpr std::array<VeldInfo, kAantalVelden> kTabel = {{
    {.index = veld::kWaarneempunt, .soort = VeldSoort::Tekst, .bijschrift = "waarneempunt", .toetsen = Toetsen::Alles,
     .plaats = VeldPlaats::Naam, .standaardPatroon = "##0.00", .bestandPlek = 45, .batchKolom = "waarneempunt",
     .help = "Het punt waarvoor het geluidsniveau moet worden bepaald; als deze bepaling dient ter vaststelling van de geluidsbelasting van een gevel dan ligt dit punt in het betreffende gevelvlak."},
    {.index = veld::kWeg, .soort = VeldSoort::Tekst, .bijschrift = "weg", .toetsen = Toetsen::Alles,
     .plaats = VeldPlaats::Naam, .standaardPatroon = "##0.00", .bestandPlek = 0, .batchKolom = "weg",
     .help = "Weg of wegvak waarvan het geluidsniveau moet worden bepaald. De (rekenkundige) lijn, die de plaats van de geluidsafstraling van de motorvoertuigen representeert, wordt geplaatst in het midden van de rijstrook op 0.75 m\xC2\xB9 boven wegdekhoogte."},
    {.index = veld::kQlvDag, .soort = VeldSoort::Getal, .bijschrift = "Qlicht (mvt/h)", .kolom = "dag",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 90, .bestandPatroon = "#0.00", .batchKolom = "qlv_dag",
     .help = kHelpIntensiteit},
    {.index = veld::kQlvAvond, .soort = VeldSoort::Getal, .bijschrift = "Qlicht (mvt/h)", .kolom = "avond",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 154, .bestandPatroon = "#0.00", .batchKolom = "qlv_avond",
     .help = kHelpIntensiteit},
    {.index = veld::kQlvNacht, .soort = VeldSoort::Getal, .bijschrift = "Qlicht (mvt/h)", .kolom = "nacht",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 218, .bestandPatroon = "#0.00", .batchKolom = "qlv_nacht",
     .help = kHelpIntensiteit},
    {.index = veld::kVlv, .soort = VeldSoort::Getal, .bijschrift = "Qlicht (mvt/h)", .kolom = "v (km/h)",
     .toetsen = Toetsen::Cijfers, .plaats = VeldPlaats::Verkeer,
     .verlaten = kSnelheidTot160, .overname = kSnelheidTot160, .standaard = 30.0, .standaardPatroon = "#0",
     .bestandPlek = 282, .bestandPatroon = "#0", .batchKolom = "vlv", .help = kHelpSnelheid},
    {.index = veld::kQmvDag, .soort = VeldSoort::Getal, .bijschrift = "Qmiddelzwaar (mvt/h)", .kolom = "dag",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 98, .bestandPatroon = "#0.00", .batchKolom = "qmv_dag",
     .help = kHelpIntensiteit},
    {.index = veld::kQmvAvond, .soort = VeldSoort::Getal, .bijschrift = "Qmiddelzwaar (mvt/h)", .kolom = "avond",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 162, .bestandPatroon = "#0.00", .batchKolom = "qmv_avond",
     .help = kHelpIntensiteit},
    {.index = veld::kQmvNacht, .soort = VeldSoort::Getal, .bijschrift = "Qmiddelzwaar (mvt/h)", .kolom = "nacht",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 226, .bestandPatroon = "#0.00", .batchKolom = "qmv_nacht",
     .help = kHelpIntensiteit},
    {.index = veld::kVmv, .soort = VeldSoort::Getal, .bijschrift = "Qmiddelzwaar (mvt/h)", .kolom = "v (km/h)",
     .toetsen = Toetsen::Cijfers, .plaats = VeldPlaats::Verkeer,
     .verlaten = kSnelheidTot110, .overname = kSnelheidTot110, .standaard = 30.0, .standaardPatroon = "#0",
     .bestandPlek = 290, .bestandPatroon = "#0", .batchKolom = "vmv", .help = kHelpSnelheid},
    {.index = veld::kQzvDag, .soort = VeldSoort::Getal, .bijschrift = "Qzwaar (mvt/h)", .kolom = "dag",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 106, .bestandPatroon = "#0.00", .batchKolom = "qzv_dag",
     .help = kHelpIntensiteit},
    {.index = veld::kQzvAvond, .soort = VeldSoort::Getal, .bijschrift = "Qzwaar (mvt/h)", .kolom = "avond",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 170, .bestandPatroon = "#0.00", .batchKolom = "qzv_avond",
     .help = kHelpIntensiteit},
    {.index = veld::kQzvNacht, .soort = VeldSoort::Getal, .bijschrift = "Qzwaar (mvt/h)", .kolom = "nacht",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 234, .bestandPatroon = "#0.00", .batchKolom = "qzv_nacht",
     .help = kHelpIntensiteit},
    {.index = veld::kVzv, .soort = VeldSoort::Getal, .bijschrift = "Qzwaar (mvt/h)", .kolom = "v (km/h)",
     .toetsen = Toetsen::Cijfers, .plaats = VeldPlaats::Verkeer,
     .verlaten = kSnelheidTot110, .overname = kSnelheidTot110, .standaard = 30.0, .standaardPatroon = "#0",
     .bestandPlek = 298, .bestandPatroon = "#0", .batchKolom = "vzv", .help = kHelpSnelheid},
    {.index = veld::kQmrDag, .soort = VeldSoort::Getal, .bijschrift = "Qmotorfiets (mvt/h)", .kolom = "dag",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 114, .bestandPatroon = "#0.00", .batchKolom = "qmr_dag",
     .help = kHelpIntensiteit},
    {.index = veld::kQmrAvond, .soort = VeldSoort::Getal, .bijschrift = "Qmotorfiets (mvt/h)", .kolom = "avond",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 178, .bestandPatroon = "#0.00", .batchKolom = "qmr_avond",
     .help = kHelpIntensiteit},
    {.index = veld::kQmrNacht, .soort = VeldSoort::Getal, .bijschrift = "Qmotorfiets (mvt/h)", .kolom = "nacht",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 242, .bestandPatroon = "#0.00", .batchKolom = "qmr_nacht",
     .help = kHelpIntensiteit},
    {.index = veld::kVmr, .soort = VeldSoort::Getal, .bijschrift = "Qmotorfiets (mvt/h)", .kolom = "v (km/h)",
     .toetsen = Toetsen::Cijfers, .plaats = VeldPlaats::Verkeer,
     .verlaten = kSnelheidTot160, .overname = kSnelheidTot160, .standaard = 30.0, .standaardPatroon = "#0",
     .bestandPlek = 306, .bestandPatroon = "#0", .batchKolom = "vmr", .help = kHelpSnelheid},
    {.index = veld::kQbromfDag, .soort = VeldSoort::Getal, .bijschrift = "Qbromfiets (mvt/h)", .kolom = "dag",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 138, .bestandPatroon = "#0.00", .batchKolom = "qbromf_dag",
     .help = kHelpIntensiteit},
    {.index = veld::kQbromfAvond, .soort = VeldSoort::Getal, .bijschrift = "Qbromfiets (mvt/h)", .kolom = "avond",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 202, .bestandPatroon = "#0.00", .batchKolom = "qbromf_avond",
     .help = kHelpIntensiteit},
    {.index = veld::kQbromfNacht, .soort = VeldSoort::Getal, .bijschrift = "Qbromfiets (mvt/h)", .kolom = "nacht",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 266, .bestandPatroon = "#0.00", .batchKolom = "qbromf_nacht",
     .help = kHelpIntensiteit},
    {.index = veld::kVbromf, .soort = VeldSoort::Getal, .bijschrift = "Qbromfiets (mvt/h)", .kolom = "v (km/h)",
     .toetsen = Toetsen::Cijfers, .plaats = VeldPlaats::Verkeer,
     .verlaten = kSnelheidTot60, .overname = kSnelheidTot60, .standaard = 30.0, .standaardPatroon = "#0",
     .bestandPlek = 314, .bestandPatroon = "#0", .batchKolom = "vbromf", .help = kHelpSnelheid},
    {.index = veld::kQtramDag, .soort = VeldSoort::Getal, .bijschrift = "Qtram (mvt/h)", .kolom = "dag",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 146, .bestandPatroon = "#0.00", .batchKolom = "qtram_dag",
     .help = kHelpIntensiteit},
    {.index = veld::kQtramAvond, .soort = VeldSoort::Getal, .bijschrift = "Qtram (mvt/h)", .kolom = "avond",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 210, .bestandPatroon = "#0.00", .batchKolom = "qtram_avond",
     .help = kHelpIntensiteit},
    {.index = veld::kQtramNacht, .soort = VeldSoort::Getal, .bijschrift = "Qtram (mvt/h)", .kolom = "nacht",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::Verkeer, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 274, .bestandPatroon = "#0.00", .batchKolom = "qtram_nacht",
     .help = kHelpIntensiteit},
    {.index = veld::kVtram, .soort = VeldSoort::Getal, .bijschrift = "Qtram (mvt/h)", .kolom = "v (km/h)",
     .toetsen = Toetsen::Cijfers, .plaats = VeldPlaats::Verkeer,
     .verlaten = kSnelheidTot110, .overname = kSnelheidTot110, .standaard = 30.0, .standaardPatroon = "#0",
     .bestandPlek = 322, .bestandPatroon = "#0", .batchKolom = "vtram", .help = kHelpSnelheid},
    {.index = veld::kQtotaalDag, .soort = VeldSoort::Afgeleid, .bijschrift = "Qtotaal (mvt/h)", .kolom = "dag",
     .toetsen = Toetsen::Geen, .plaats = VeldPlaats::Afgeleid, .verlaten = {0, 0, "##0.00"},
     .standaard = 0.0, .standaardPatroon = "#0.00", .bestandPlek = 122, .bestandPatroon = "#0.00",
     .help = kHelpAfgeleid},
    {.index = veld::kQtotaalAvond, .soort = VeldSoort::Afgeleid, .bijschrift = "Qtotaal (mvt/h)", .kolom = "avond",
     .toetsen = Toetsen::Geen, .plaats = VeldPlaats::Afgeleid, .verlaten = {0, 0, "##0.00"},
     .standaard = 0.0, .standaardPatroon = "#0.00", .bestandPlek = 186, .bestandPatroon = "#0.00",
     .help = kHelpAfgeleid},
    {.index = veld::kQtotaalNacht, .soort = VeldSoort::Afgeleid, .bijschrift = "Qtotaal (mvt/h)", .kolom = "nacht",
     .toetsen = Toetsen::Geen, .plaats = VeldPlaats::Afgeleid, .verlaten = {0, 0, "##0.00"},
     .standaard = 0.0, .standaardPatroon = "#0.00", .bestandPlek = 250, .bestandPatroon = "#0.00",
     .help = kHelpAfgeleid},
    {.index = veld::kVrachtverkeerDag, .soort = VeldSoort::Afgeleid, .bijschrift = "vrachtverkeer (%)",
     .kolom = "dag", .toetsen = Toetsen::Geen, .plaats = VeldPlaats::Afgeleid, .verlaten = {0, 0, "#0.00"},
     .standaard = 0.0, .standaardPatroon = "#0.00", .bestandPlek = 130, .bestandPatroon = "#0.00",
     .help = kHelpAfgeleid},
    {.index = veld::kVrachtverkeerAvond, .soort = VeldSoort::Afgeleid, .bijschrift = "vrachtverkeer (%)",
     .kolom = "avond", .toetsen = Toetsen::Geen, .plaats = VeldPlaats::Afgeleid, .verlaten = {0, 0, "#0.00"},
     .standaard = 0.0, .standaardPatroon = "#0.00", .bestandPlek = 194, .bestandPatroon = "#0.00",
     .help = kHelpAfgeleid},
    {.index = veld::kVrachtverkeerNacht, .soort = VeldSoort::Afgeleid, .bijschrift = "vrachtverkeer (%)",
     .kolom = "nacht", .toetsen = Toetsen::Geen, .plaats = VeldPlaats::Afgeleid, .verlaten = {0, 0, "#0.00"},
     .standaard = 0.0, .standaardPatroon = "#0.00", .bestandPlek = 258, .bestandPatroon = "#0.00",
     .help = kHelpAfgeleid},
    {.index = veld::kWaarneemhoogte, .soort = VeldSoort::Getal, .bijschrift = "waarneemhoogte (m)",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::GeometrieLinks, .verlaten = kTot9999, .overname = kTot99999,
     .standaard = 5.0, .standaardPatroon = "#0.00", .bestandPlek = 350, .bestandPatroon = "#0.00", .batchKolom = "hw",
     .rapport = {.naam = "Waarneemhoogte", .symbool = "hw", .patroon = "##0.00", .eenheid = " m", .volgorde = 1},
     .help = "Hoogte van het waarneempunt in meters ten opzichte van het maaiveld."},
    {.index = veld::kWegdekhoogte, .soort = VeldSoort::Getal, .bijschrift = "wegdekhoogte (m)",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::GeometrieLinks, .verlaten = kTot9999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 342, .bestandPatroon = "#0.00", .batchKolom = "hweg",
     .rapport = {.naam = "Wegdekhoogte", .symbool = "hweg", .patroon = "##0.00", .eenheid = " m", .volgorde = 2},
     .help = "Hoogte van het wegdek in meters ten opzichte van het maaiveld."},
    {.index = veld::kBodemfactor, .soort = VeldSoort::Getal, .bijschrift = "bodemfactor B (-)",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::GeometrieLinks, .verlaten = kTot1, .overname = kTot1,
     .standaardPatroon = "##0.00", .bestandPlek = 366, .bestandPatroon = "#0.00", .batchKolom = "b",
     .rapport = {.naam = "Bodemfactor", .symbool = "B", .patroon = "##0.00", .eenheid = " -", .volgorde = 7},
     .help = "De bodemfactor is gedefinieerd als het deel van het bodemvlak, begrensd door de wegas en de denkbeeldige lijnen vanuit het waarneempunt (in een hoek van 127\xC2\xB0) naar de snijpunten van de begrenzingslijnen met de wegas, dat niet reflecterend is."},
    {.index = veld::kObjectfractie, .soort = VeldSoort::Getal, .bijschrift = "objectfractie (-)",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::GeometrieLinks, .verlaten = kTot1, .overname = kTot1,
     .standaardPatroon = "##0.00", .bestandPlek = 358, .bestandPatroon = "#0.00", .batchKolom = "fobj",
     .rapport = {.naam = "Objectfractie", .symbool = "Fobj", .patroon = "##0.00", .eenheid = " -", .volgorde = 8},
     .help = "De fractie of het deel van de afstand aan de overzijde van de weg, symetrisch ten opzichte van het waarneempunt, waarover geluidsreflecterende vlakken zich uitstrekken. Voor deze vlakken geldt dat:\r\n"
             "a. deze akoestisch hard en vlak zijn,\r\n"
             "b. deze verticaal en ongeveer evenwijdig aan de weg staan,\r\n"
             "c. deze hoger zijn dan de waarneemhoogte,\r\n"
             "d. de horizontale afstand daarvan tot de dichtst bij het waarneempunt gelegen rijlijn kleiner is dan 100 m\xC2\xB9 en tevens kleiner dan 4\xC3\x97 de horizontale afstand van het waarneempunt tot de meest nabij gelegen rijlijn.\r\n"},
    {.index = veld::kAfstandHor, .soort = VeldSoort::Getal, .bijschrift = "horizontale afstand (m)",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::GeometrieRechts, .verlaten = kTot9999, .overname = kTot99999,
     .standaard = 10.0, .standaardPatroon = "#0.00", .bestandPlek = 374, .bestandPatroon = "#0.00", .batchKolom = "d",
     .rapport = {.naam = "Afstand (hor.)", .symbool = "d", .patroon = "##0.00", .eenheid = " m", .volgorde = 3},
     .help = "De kortste horizontale afstand vanuit het waarneempunt tot de rijlijn (= de lengte van de loodlijn uit het waarneempunt op de rijlijn)."},
    {.index = veld::kAfstandKruising, .soort = VeldSoort::Getal, .bijschrift = "afstand kruising (m)",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::GeometrieRechts, .verlaten = kTot99999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 334, .bestandPatroon = "#0.00", .batchKolom = "a_kruising",
     .rapport = {.naam = "Afstand kruising", .symbool = "a", .patroon = "##0.00", .eenheid = " m", .volgorde = 5},
     .help = "De horizontale afstand van het waarneempunt tot een kruispunt. De kruispuntcorrectie wordt toegepast bij met verkeerslichten geregelde kruisingen tot 150 m\xC2\xB9 van het kruispunt als de verkeersintensiteit op de kruisende weg (ten opzichte van de beschouwde weg) groter is dan 1/5 van de verkeersintensiteit op de beschouwde weg en minimaal 500 motorvoertuigen per etmaal bedraagt."},
    {.index = veld::kAfstandObstakel, .soort = VeldSoort::Getal, .bijschrift = "afstand obstakel (m)",
     .toetsen = Toetsen::Getal, .plaats = VeldPlaats::GeometrieRechts, .verlaten = kTot99999, .overname = kTot99999,
     .standaardPatroon = "##0.00", .bestandPlek = 634, .bestandPatroon = "#0.00", .batchKolom = "a_obstakel",
     .rapport = {.naam = "Afstand obstakel", .symbool = "a", .patroon = "##0.00", .eenheid = " m", .volgorde = 6},
     .help = "De horizontale afstand van het waarneempunt tot een obstakel. De correctie voor de aanwezigheid van een situatie of constructie die de snelheid sterk beperkt wordt toegepast tot 100 m\xC2\xB9 van de oorzaak van de snelheidsbeperking en indien als gevolg van het obstakel de gemiddelde rijssnelheid van het verkeer ten minste wordt gehalveerd en het verkeer als gevolg van het obstakel afremt en weer optrekt."},
    {.index = veld::kZichthoek, .soort = VeldSoort::Getal, .bijschrift = "zichthoek (graden)",
     .toetsen = Toetsen::Cijfers, .plaats = VeldPlaats::GeometrieRechts, .verlaten = kTot127Graden,
     .overname = kTot127Graden, .standaard = 127.0, .standaardPatroon = "#0", .bestandPlek = 382, .bestandPatroon = "#0",
     .batchKolom = "zichthoek",
     .rapport = {.naam = "Zichthoek", .symbool = "", .patroon = "##0", .eenheid = " grd", .volgorde = 9},
     .help = "De hoek (of de som van hoeken) waaronder de rijlijn in horizontale projectie wordt gezien vanuit het waarneempunt. Bij ongehinderd en volledig zicht vanuit het waarneempunt bedraagt deze hoek 127\xC2\xB0"},
}};

// clang-format on

constexpr bool OpVolgorde() {
  for (int k = 0; k < kAantalVelden; ++k) {
    if (kTabel[static_cast<std::size_t>(k)].index != k) return false;
  }
  return true;
}
static_assert(OpVolgorde(), "each field's row stands at its number");

std::vector<int> MaakOvernameVolgorde() {
  std::vector<int> volgorde;
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    for (int c = 0; c < kAantalCategorieen; ++c) volgorde.push_back(IntensiteitVeld(c, p));
  }
  for (int c = 0; c < kAantalCategorieen; ++c) volgorde.push_back(SnelheidVeld(c));
  // The geometry in the order of the check's rules between its fields.
  for (int k : {veld::kWaarneemhoogte, veld::kWegdekhoogte, veld::kAfstandHor, veld::kAfstandKruising,
                veld::kAfstandObstakel, veld::kBodemfactor, veld::kObjectfractie, veld::kZichthoek}) {
    volgorde.push_back(k);
  }
  for (const VeldInfo& v : kTabel) {
    if (v.soort == VeldSoort::Getal && std::find(volgorde.begin(), volgorde.end(), v.index) == volgorde.end()) {
      volgorde.push_back(v.index);
    }
  }
  return volgorde;
}

// A caption's unit in brackets, or nothing: "zichthoek (graden)" -> "(graden)".
std::string_view Eenheid(std::string_view tekst) {
  const auto haakje = tekst.rfind(" (");
  return tekst.ends_with(')') && haakje != std::string_view::npos ? tekst.substr(haakje + 1) : std::string_view();
}

}  // namespace

std::string_view ZonderEenheid(std::string_view bijschrift) {
  const std::string_view eenheid = Eenheid(bijschrift);
  return eenheid.empty() ? bijschrift : bijschrift.substr(0, bijschrift.size() - eenheid.size() - 1);
}

std::string VeldLabel(int k) {
  const VeldInfo& v = Veld(k);
  std::string label(ZonderEenheid(v.bijschrift));
  if (!v.kolom.empty()) label += " " + std::string(ZonderEenheid(v.kolom));
  const std::string_view eenheid = Eenheid(v.kolom).empty() ? Eenheid(v.bijschrift) : Eenheid(v.kolom);
  if (!eenheid.empty()) label += " " + std::string(eenheid);
  return label;
}

const std::vector<int>& OvernameVolgorde() {
  static const std::vector<int> volgorde = MaakOvernameVolgorde();
  return volgorde;
}

const VeldInfo& Veld(int k) {
  if (k < 0 || k >= kAantalVelden) std::abort();  // field numbers come from the program, never from input
  return kTabel[static_cast<std::size_t>(k)];
}

std::string_view HelpTekstVeld(int k) {
  if (k < 0 || k >= kAantalVelden) return kHelpAfgeleid;
  return Veld(k).help;
}

}  // namespace tarvo
