#include "calc/Velden.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tarvo {

const std::string_view kWegdekSiteNaam = "RIVM (wegdekcorrecties Cwegdek)";
const std::string_view kWegdekSiteAdres = "https://www.rivm.nl/geluid/rekenmodellen-en-tools/wegdekcorrectie-cwegdek";

const std::string_view kHelpOntbreekt = "Helpinfo ontbreekt.";
const std::string_view kHelpGeenInfo = "Geen helpinfo beschikbaar.";
const std::string_view kHelpZone =
    "Berekening optrekcorrectie volgens CROW-infoblad 965 'Handreiking berekenen wegverkeerslawaai bij 30 km/h'.";
const std::string_view kHelpAftrek =
    "Hoogte aftrek ex artikel 110g Wgh conform artikel 3.4 van het 'Reken en meetvoorschrift Geluid 2012':\r\n"
    "\xE2\x80\xA2 2 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 "
    "km/uur "
    "of meer bedraagt;\r\n"
    "\xE2\x80\xA2 3 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 "
    "km/uur "
    "of meer bedraagt en de geluidsbelasting zonder aftrek ex artikel 110g Wgh 56 dB is (geldt tot 1 juli 2018);\r\n"
    "\xE2\x80\xA2 4 dB voor wegen waarvoor de representatief te achten rijsnelheid van lichte motorvoertuigen 70 "
    "km/uur "
    "of meer bedraagt en de geluidsbelasting zonder aftrek ex artikel 110g Wgh 57 dB is (geldt tot 1 juli 2018);\r\n"
    "\xE2\x80\xA2 5 dB voor de overige wegen;\r\n"
    "\xE2\x80\xA2 0 dB bij toepassing van artikel 22, eerste en tweede lid, of artikel 194, eerste en tweede lid, van "
    "het "
    "Bouwbesluit en bij toepassing van artikel 111, tweede en derde lid, en 111a, 112 en 113 van de Wet "
    "geluidhinder.\r\n";
const std::string_view kHelpBerekening =
    "De Standaard-rekenmethode I is gebaseerd op een vereenvoudiging van de situatie en is toepasbaar onder de "
    "voorwaarde dat:\r\n"
    "\xE2\x80\xA2 de weg geen hoogteverschillen van meer dan 3 meter bevat ten opzichte van de gemiddelde "
    "weghoogte;\r\n"
    "\xE2\x80\xA2 het zicht vanuit de waarnemer op de weg niet wordt belemmerd over een hoek van meer dan "
    "30\xC2\xB0;\r\n"
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
    "lijnen vanuit het waarneempunt (in een hoek van 127\xC2\xB0) naar de snijpunten van de begrenzingslijnen met de "
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
    "waarneempunt. Bij ongehinderd en volledig zicht vanuit het waarneempunt bedraagt deze hoek 127\xC2\xB0";

constexpr std::array<std::int32_t, kAantalCategorieen> kMaxSnelheid = {160, 110, 110, 160, 60, 110};

// Batch columns of the traffic fields: q<category>_<period> and v<category>.
constexpr std::array<std::array<std::string_view, 4>, kAantalCategorieen> kVerkeerKolommen = {{
    {"qlv_dag", "qlv_avond", "qlv_nacht", "vlv"},
    {"qmv_dag", "qmv_avond", "qmv_nacht", "vmv"},
    {"qzv_dag", "qzv_avond", "qzv_nacht", "vzv"},
    {"qmr_dag", "qmr_avond", "qmr_nacht", "vmr"},
    {"qbromf_dag", "qbromf_avond", "qbromf_nacht", "vbromf"},
    {"qtram_dag", "qtram_avond", "qtram_nacht", "vtram"},
}};

// Offsets in the worksheet file: a 64-byte block per period from 90, with
// the categories at these places; the speeds from 282.
constexpr std::size_t kPeriodeBlok = 90;
constexpr std::array<std::size_t, kAantalCategorieen> kBlokPlek = {0, 8, 16, 24, 48, 56};
constexpr std::size_t kTotaalPlek = 32, kVrachtPlek = 40;
constexpr std::size_t kSnelhedenPlek = 282;

constexpr std::size_t PeriodePlek(int p, std::size_t plek) {
  return kPeriodeBlok + 64 * static_cast<std::size_t>(p - 1) + plek;
}

std::array<VeldInfo, kAantalVelden> MaakTabel() {
  std::array<VeldInfo, kAantalVelden> t{};
  auto tekstVeld = [](int k, std::string_view bijschrift, std::size_t plek, std::string_view kolom,
                      std::string_view help) {
    return VeldInfo{k,
                    VeldSoort::Tekst,
                    bijschrift,
                    "",
                    Toetsen::Alles,
                    VeldPlaats::Naam,
                    {},
                    {},
                    std::nullopt,
                    "##0.00",
                    plek,
                    "",
                    kolom,
                    {},
                    help};
  };
  // A value read from a file shows in the field's decimals.
  auto getalVeld = [](int k, std::string_view bijschrift, VeldPlaats plaats, std::int32_t max, std::int32_t min,
                      std::string_view patroon, std::optional<double> standaard, std::string_view standaardPatroon,
                      std::size_t plek, std::string_view kolom, std::string_view help) {
    return VeldInfo{k,
                    VeldSoort::Getal,
                    bijschrift,
                    "",
                    Toetsen::Getal,
                    plaats,
                    {max, min, patroon},
                    {max, min, patroon},
                    standaard,
                    standaardPatroon,
                    plek,
                    patroon == "##0" ? "#0" : "#0.00",
                    kolom,
                    {},
                    help};
  };
  t[0] = tekstVeld(0, "waarneempunt", 45, "waarneempunt", kHelp0);
  t[1] = tekstVeld(1, "weg", 0, "weg", kHelp1);
  for (int c = 0; c < kAantalCategorieen; ++c) {
    const auto ci = static_cast<std::size_t>(c);
    for (int p = 1; p <= kAantalPeriodes; ++p) {
      const int k = IntensiteitVeld(c, p);
      t[k] = getalVeld(k, kCategorieen[ci].rij, VeldPlaats::Verkeer, 9999, 0, "##0.00", std::nullopt, "##0.00",
                       PeriodePlek(p, kBlokPlek[ci]), kVerkeerKolommen[ci][static_cast<std::size_t>(p - 1)],
                       kHelpIntensiteit);
      t[k].kolom = kPeriodeNamen[static_cast<std::size_t>(p - 1)];
      // A worksheet file may hold more than was ever typed.
      t[k].overname.maximum = 99999;
    }
    const int v = SnelheidVeld(c);
    t[v] = getalVeld(v, kCategorieen[ci].rij, VeldPlaats::Verkeer, kMaxSnelheid[ci], 30, "##0", 30.0, "#0",
                     kSnelhedenPlek + 8 * ci, kVerkeerKolommen[ci][3], kHelpSnelheid);
    t[v].kolom = "v (km/h)";
    t[v].toetsen = Toetsen::Cijfers;
  }
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    const auto kolom = kPeriodeNamen[static_cast<std::size_t>(p - 1)];
    t[TotaalVeld(p)] = VeldInfo{TotaalVeld(p),
                                VeldSoort::Afgeleid,
                                "Qtotaal (mvt/h)",
                                kolom,
                                Toetsen::Geen,
                                VeldPlaats::Afgeleid,
                                {0, 0, "##0.00"},
                                {},
                                0.0,
                                "#0.00",
                                PeriodePlek(p, kTotaalPlek),
                                "#0.00",
                                "",
                                {},
                                kHelpAfgeleid};
    t[VrachtVeld(p)] = VeldInfo{VrachtVeld(p),
                                VeldSoort::Afgeleid,
                                "vrachtverkeer (%)",
                                kolom,
                                Toetsen::Geen,
                                VeldPlaats::Afgeleid,
                                {0, 0, "#0.00"},
                                {},
                                0.0,
                                "#0.00",
                                PeriodePlek(p, kVrachtPlek),
                                "#0.00",
                                "",
                                {},
                                kHelpAfgeleid};
  }
  using enum VeldPlaats;
  t[32] = getalVeld(32, "waarneemhoogte (m)", GeometrieLinks, 9999, 0, "##0.00", 5.0, "#0.00", 350, "hw", kHelp32);
  t[33] = getalVeld(33, "wegdekhoogte (m)", GeometrieLinks, 9999, 0, "##0.00", std::nullopt, "##0.00", 342, "hweg",
                    kHelp33);
  t[34] = getalVeld(34, "bodemfactor B (-)", GeometrieLinks, 1, 0, "##0.00", std::nullopt, "##0.00", 366, "b", kHelp34);
  t[35] =
      getalVeld(35, "objectfractie (-)", GeometrieLinks, 1, 0, "##0.00", std::nullopt, "##0.00", 358, "fobj", kHelp35);
  t[36] =
      getalVeld(36, "horizontale afstand (m)", GeometrieRechts, 9999, 0, "##0.00", 10.0, "#0.00", 374, "d", kHelp36);
  t[37] = getalVeld(37, "afstand kruising (m)", GeometrieRechts, 99999, 0, "##0.00", std::nullopt, "##0.00", 334,
                    "a_kruising", kHelp37);
  t[38] = getalVeld(38, "afstand obstakel (m)", GeometrieRechts, 99999, 0, "##0.00", std::nullopt, "##0.00", 634,
                    "a_obstakel", kHelp38);
  t[39] = getalVeld(39, "zichthoek (graden)", GeometrieRechts, 127, 0, "##0", 127.0, "#0", 382, "zichthoek", kHelp39);
  t[39].toetsen = Toetsen::Cijfers;
  // The check takes heights and the distance over up to 99999, beyond what
  // leaving the field allows: a worksheet file may hold more.
  for (int k : {32, 33, 36}) t[k].overname.maximum = 99999;

  t[32].rapport = {"Waarneemhoogte", "hw", "##0.00", " m", 1};
  t[33].rapport = {"Wegdekhoogte", "hweg", "##0.00", " m", 2};
  t[36].rapport = {"Afstand (hor.)", "d", "##0.00", " m", 3};
  t[37].rapport = {"Afstand kruising", "a", "##0.00", " m", 5};
  t[38].rapport = {"Afstand obstakel", "a", "##0.00", " m", 6};
  t[34].rapport = {"Bodemfactor", "B", "##0.00", " -", 7};
  t[35].rapport = {"Objectfractie", "Fobj", "##0.00", " -", 8};
  t[39].rapport = {"Zichthoek", "", "##0", " grd", 9};
  return t;
}

const std::array<VeldInfo, kAantalVelden> kTabel = MaakTabel();

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

}  // namespace

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
