#include "calc/Velden.h"

#include <array>
#include <cstdlib>

namespace tarvo {

const std::string_view kWegdekSiteNaam = "RIVM (wegdekcorrecties Cwegdek)";
const std::string_view kWegdekSiteAdres =
    "https://www.rivm.nl/geluid/rekenmodellen-en-tools/wegdekcorrectie-cwegdek";

const std::string_view kHelpOntbreekt = "Helpinfo ontbreekt.";
const std::string_view kHelpGeenInfo = "Geen helpinfo beschikbaar.";
const std::string_view kHelpZone =
    "Berekening optrekcorrectie volgens CROW-infoblad 965 'Handreiking berekenen wegverkeerslawaai bij 30 km/h'.";
const std::string_view kHelpAftrek =
    "Hoogte aftrek ex artikel 110g Wgh conform artikel 3.4 van het 'Reken en meetvoorschrift Geluid 2012':\r\n"
    "\xE2\x80\xA2 2 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 km/uur "
    "of meer bedraagt;\r\n"
    "\xE2\x80\xA2 3 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 km/uur "
    "of meer bedraagt en de geluidsbelasting zonder aftrek ex artikel 110g Wgh 56 dB is (geldt tot 1 juli 2018);\r\n"
    "\xE2\x80\xA2 4 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 km/uur "
    "of meer bedraagt en de geluidsbelasting zonder aftrek ex artikel 110g Wgh 57 dB is (geldt tot 1 juli 2018);\r\n"
    "\xE2\x80\xA2 5 dB voor de overige wegen;\r\n"
    "\xE2\x80\xA2 0 dB bij toepassing van artikel 22, eerste en tweede lid, of artikel 194, eerste en tweede lid, van het "
    "Bouwbesluit en bij toepassing van artikel 111, tweede en derde lid, en 111a, 112 en 113 van de Wet geluidhinder.\r\n";
const std::string_view kHelpBerekening =
    "De Standaard-rekenmethode I is gebaseerd op een vereenvoudiging van de situatie en is toepasbaar onder de "
    "voorwaarde dat:\r\n"
    "\xE2\x80\xA2 de weg geen hoogteverschillen van meer dan 3 meter bevat ten opzichte van de gemiddelde weghoogte;\r\n"
    "\xE2\x80\xA2 het zicht vanuit de waarnemer op de weg niet wordt belemmerd over een hoek van meer dan 30\xC2\xBA;\r\n"
    "\xE2\x80\xA2 het wegdek van hetzelfde type is;\r\n"
    "\xE2\x80\xA2 de verkeersvariabelen geen belangrijke variaties vertonen.\r\n";
const std::string_view kHelpWegdek =
    "Wegdekverharding volgens wegdektypering van "
    "https://www.rivm.nl/geluid/rekenmodellen-en-tools/wegdekcorrectie-cwegdek.";

namespace {

constexpr std::string_view kHelpIntensiteit =
    "Maatgevende verkeersintensiteit van weg of wegvak per voertuigcategorie in aantal motorvoertuigen per uur.";
constexpr std::string_view kHelpSnelheid =
    "Representatief te achten rijsnelheid over weg of wegvak per voertuigcategorie in kilometers per uur.";
constexpr std::string_view kHelpAfgeleid = "Geen informatie beschikbaar";

constexpr std::string_view kHelp0 =
    "Het punt waarvoor het geluidsniveau moet worden bepaald; als deze bepaling dient ter vaststelling van de "
    "geluidsbelasting van een gevel dan ligt dit punt in het betreffende gevelvlak.";
constexpr std::string_view kHelp1 =
    "Weg of wegvak waarvan het geluidsniveau moet worden bepaald. De (rekenkundige) lijn, die de plaats van de "
    "geluidsafstraling van de motorvoertuigen representeert, wordt geplaatst in het midden van de rijstrook op "
    "0.75 m\xC2\xB9 boven wegdekhoogte.";
constexpr std::string_view kHelp32 = "Hoogte van het waarneempunt in meters ten opzichte van het maaiveld.";
constexpr std::string_view kHelp33 = "Hoogte van het wegdek in meters ten opzichte van het maaiveld.";
constexpr std::string_view kHelp34 =
    "De bodemfactor is gedefinieerd als het deel van het bodemvlak, begrensd door de wegas en de denkbeeldige "
    "lijnen vanuit het waarneempunt (in een hoek van 127\xC2\xBA) naar de snijpunten van de begrenzingslijnen met de "
    "wegas, dat niet reflecterend is.";
constexpr std::string_view kHelp35 =
    "De fractie of het deel van de afstand aan de overzijde van de weg, symetrisch ten opzichte van het "
    "waarneempunt, waarover geluidsreflecterende vlakken zich uitstrekken. Voor deze vlakken geldt dat:\r\n"
    "a. deze akoestisch hard en vlak zijn,\r\n"
    "b. deze verticaal en ongeveer evenwijdig aan de weg staan,\r\n"
    "c. deze hoger zijn dan de waarneemhoogte,\r\n"
    "d. de horizontale afstand daarvan tot de dichtst bij het waarneempunt gelegen rijlijn kleiner is dan "
    "100 m\xC2\xB9 en tevens kleiner dan 4\xC3\x97 de horizontale afstand van het waarneempunt tot de meest nabij "
    "gelegen rijlijn.\r\n";
constexpr std::string_view kHelp36 =
    "De kortste horizontale afstand vanuit het waarneempunt tot de rijlijn (= de lengte van de loodlijn uit het "
    "waarneempunt op de rijlijn).";
constexpr std::string_view kHelp37 =
    "De horizontale afstand van het waarneempunt tot een kruispunt. De kruispuntcorrectie wordt toegepast bij met "
    "verkeerslichten geregelde kruisingen tot 150 m\xC2\xB9 van het kruispunt als de verkeersintensiteit op de "
    "kruisende weg (ten opzichte van de beschouwde weg) groter is dan 1/5 van de verkeersintensiteit op de "
    "beschouwde weg en minimaal 500 motorvoertuigen per etmaal bedraagt.";
constexpr std::string_view kHelp38 =
    "De horizontale afstand van het waarneempunt tot een obstakel. De correctie voor de aanwezigheid van een "
    "situatie of constructie die de snelheid sterk beperkt wordt toegepast tot 100 m\xC2\xB9 van de oorzaak van de "
    "snelheidsbeperking en indien als gevolg van het obstakel de gemiddelde rijssnelheid van het verkeer ten "
    "minste wordt gehalveerd en het verkeer als gevolg van het obstakel afremt en weer optrekt.";
constexpr std::string_view kHelp39 =
    "De hoek (of de som van hoeken) waaronder de rijlijn in horizontale projectie wordt gezien vanuit het "
    "waarneempunt. Bij ongehinderd en volledig zicht vanuit het waarneempunt bedraagt deze hoek 127\xC2\xBA";

constexpr std::array<std::string_view, 6> kRijen = {"Qlicht (mvt/h)",      "Qmiddelzwaar (mvt/h)",
                                                    "Qzwaar (mvt/h)",      "Qmotorfiets (mvt/h)",
                                                    "Qbromfiets (mvt/h)",  "Qtram (mvt/h)"};
constexpr std::array<std::string_view, 3> kPeriodeKolommen = {"dag", "avond", "nacht"};
constexpr std::array<std::int32_t, 6> kMaxSnelheid = {160, 110, 110, 160, 60, 110};

std::array<VeldInfo, kAantalVelden> MaakTabel() {
  std::array<VeldInfo, kAantalVelden> t{};
  auto tekstVeld = [](int k, std::string_view bijschrift, std::string_view help) {
    return VeldInfo{k, bijschrift, "", "", ToetsKlasse::Alles, false, 0, 0, "", {}, std::nullopt, "##0.00", help};
  };
  auto getalVeld = [](int k, std::string_view bijschrift, std::int32_t max, std::int32_t min,
                      std::string_view patroon, std::optional<double> standaard, std::string_view standaardPatroon,
                      std::string_view help) {
    return VeldInfo{k,         bijschrift, "",       kNumeriek, ToetsKlasse::Getal, true, max, min, patroon,
                    {max, min, patroon}, standaard, standaardPatroon, help};
  };
  t[0] = tekstVeld(0, "waarneempunt", kHelp0);
  t[1] = tekstVeld(1, "weg", kHelp1);
  for (int c = 0; c < 6; ++c) {
    for (int p = 1; p <= 3; ++p) {
      const int k = IntensiteitVeld(c, p);
      t[k] = getalVeld(k, kRijen[c], 9999, 0, "##0.00", std::nullopt, "##0.00", kHelpIntensiteit);
      t[k].kolom = kPeriodeKolommen[p - 1];
    }
    const int v = SnelheidVeld(c);
    t[v] = getalVeld(v, kRijen[c], kMaxSnelheid[c], 30, "##0", 30.0, "#0", kHelpSnelheid);
    t[v].kolom = "v (km/h)";
    t[v].toetsen = ToetsKlasse::Cijfers;
  }
  for (int p = 1; p <= 3; ++p) {
    t[25 + p] = VeldInfo{25 + p, "Qtotaal (mvt/h)", kPeriodeKolommen[p - 1], "", ToetsKlasse::Vergrendeld, false, 0,
                         0, "##0.00", {}, 0.0, "#0.00", kHelpAfgeleid};
    t[28 + p] = VeldInfo{28 + p, "vrachtverkeer (%)", kPeriodeKolommen[p - 1], "", ToetsKlasse::Vergrendeld, false, 0,
                         0, "#0.00", {}, 0.0, "#0.00", kHelpAfgeleid};
  }
  t[32] = getalVeld(32, "waarneemhoogte (m)", 9999, 0, "##0.00", 5.0, "#0.00", kHelp32);
  t[33] = getalVeld(33, "wegdekhoogte (m)", 9999, 0, "##0.00", std::nullopt, "##0.00", kHelp33);
  t[34] = getalVeld(34, "bodemfactor B (-)", 1, 0, "##0.00", std::nullopt, "##0.00", kHelp34);
  t[35] = getalVeld(35, "objectfractie (-)", 1, 0, "##0.00", std::nullopt, "##0.00", kHelp35);
  t[36] = getalVeld(36, "horizontale afstand (m)", 9999, 0, "##0.00", 10.0, "#0.00", kHelp36);
  t[37] = getalVeld(37, "afstand kruising (m)", 99999, 0, "##0.00", std::nullopt, "##0.00", kHelp37);
  t[38] = getalVeld(38, "afstand obstakel (m)", 99999, 0, "##0.00", std::nullopt, "##0.00", kHelp38);
  t[39] = getalVeld(39, "zichthoek (graden)", 127, 0, "##0", 127.0, "#0", kHelp39);
  t[39].toetsen = ToetsKlasse::Cijfers;
  // The check takes these over up to 99999, beyond what leaving the field
  // allows: a worksheet file may hold more than was ever typed.
  for (int c = 0; c < 6; ++c) {
    for (int p = 1; p <= 3; ++p) t[IntensiteitVeld(c, p)].overname.maximum = 99999;
  }
  for (int k : {32, 33, 36}) t[k].overname.maximum = 99999;
  return t;
}

const std::array<VeldInfo, kAantalVelden> kTabel = MaakTabel();

}  // namespace

const VeldInfo& Veld(int k) {
  if (k < 0 || k >= kAantalVelden) std::abort();  // field numbers come from the program, never from input
  return kTabel[static_cast<std::size_t>(k)];
}

std::string_view HelpTekstVeld(int k) {
  if (k < 0 || k >= kAantalVelden) return kHelpAfgeleid;
  return Veld(k).help;
}

}  // namespace tarvo
