// tarvo-reken: the worksheet calculation without a window.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "base/Getal.h"
#include "base/Tekst.h"
#include "driver/AfstandOpdracht.h"
#include "driver/Batch.h"
#include "driver/CumulatieOpdracht.h"
#include "driver/DiagramOpdracht.h"
#include "driver/HoogtenOpdracht.h"
#include "driver/NiveauAfstand.h"
#include "driver/OnderzoekOpdracht.h"
#include "driver/Opdracht.h"
#include "driver/Voortgang.h"
#include "files/CatalogusBestand.h"
#include "files/DataMappen.h"
#include "files/WegdekTabel.h"
#include "report/Rapport.h"
#include "tools/Afstand.h"
#include "tools/Diagram.h"

namespace {

// The folder of this executable, where an installation keeps its shipped data
// beside it; empty when the platform does not say.
std::filesystem::path ProgrammaMap() {
#ifdef _WIN32
  std::wstring pad(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, pad.data(), static_cast<DWORD>(pad.size()));
  if (n == 0 || n >= pad.size()) return {};
  pad.resize(n);
  return std::filesystem::path(pad).parent_path();
#else
  std::error_code ec;
  const std::filesystem::path pad = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : pad.parent_path();
#endif
}

tarvo::DataMappen Mappen() {
  std::error_code ec;
  tarvo::DataMappen m{std::filesystem::current_path(ec), tarvo::GebruikersDataMap(), {}};
  if (const auto programma = ProgrammaMap(); !programma.empty()) m.gedeeld.push_back(programma / TARVO_DATA_VANAF_BIN);
  m.gedeeld.emplace_back(TARVO_DATA_MAP);
  return m;
}

std::string GebruikTekst(const tarvo::DataMappen& mappen) {
  return std::string(
             "Gebruik:\n"
             "  tarvo-reken WERKBLAD.tvo [--wegdekken PAD] [--decimaal ,|.] [--datum JJJJ-MM-DD]\n"
             "      berekent het rekenblad en schrijft het rapport naar standaarduitvoer\n"
             "  tarvo-reken WERKBLAD.tvo --diagram S [opties]\n"
             "      niveau-afstanddiagram tot S meter: regels afstand;Lden, tot slot ymin;ymax;verdelingen\n"
             "  tarvo-reken WERKBLAD.tvo --afstand-voor T [opties]\n"
             "      kleinste horizontale afstand (1 tot 5000 m, per 0,01 m) waarop Lden na aftrek\n"
             "      art. 110g Wgh ten hoogste T dB is (T van " +
             tarvo::DoelBereik() +
             "): regel afstand;Lden_na_aftrek\n"
             "  tarvo-reken --cumulatie WERKBLAD.tvo... [opties]\n"
             "      Lden en Lnight zonder aftrek per rekenblad (regels bestand;Lden;Lnight) en\n"
             "      hun energetische som (regel cumulatief;Lden;Lnight)\n"
             "  tarvo-reken WERKBLAD.tvo --hoogten \"H1;H2;...\" [--toets \"G1;G2;...\"] [opties]\n"
             "      per waarneemhoogte (in de gegeven volgorde) een regel\n"
             "      hoogte;Lden;Lnight;aftrek;Lden_na_aftrek;geluidsbelasting, Lden en Lnight zonder aftrek;\n"
             "      met --toets per grenswaarde de kleinste afstand (1 tot 5000 m) waarop de\n"
             "      geluidsbelasting ten hoogste die waarde is (leeg als dat niet binnen 5000 m gebeurt)\n"
             "  tarvo-reken --bijlage WERKBLAD.tvo... [--hoogten \"H1;...\"] [--toets \"G1;...\"] [opties]\n"
             "      bijlage invoergegevens en rekenresultaten als ';'-gescheiden tabel: twee kopregels\n"
             "      (kolomnamen, dan omschrijvingen met eenheid), dan een regel per rekenblad en hoogte\n"
             "      (zonder --hoogten de eigen hoogte)\n"
             "  tarvo-reken --onderzoek STUDIE.csv [--hoogten \"H1;...\"] [--toets \"G1;...\"] [--bijlage] [opties]\n"
             "      een onderzoek (kolommen als --batch, een regel per weg per waarneempunt, en hoogten,\n"
             "      situatie en grenswaarde): per waarneempunt en hoogte een regel per weg met\n"
             "      Lden;Lnight;aftrek;Lden_na_aftrek;geluidsbelasting;toetsing en een regel cumulatief met de\n"
             "      energetische som van Lden en Lnight van de wegen zonder aftrek art. 110g Wgh: zo bepaalt\n"
             "      de rekenmethode cumulatie (RMG 2012, bijlage I, hoofdstuk 2) haar, en daarom is zij niet\n"
             "      te toetsen aan de grenswaarden van de Wgh, die na aftrek gelden; met --bijlage de bijlage\n"
             "      van het hele onderzoek\n"
             "  tarvo-reken --batch INVOER.csv|- [--threads N] [opties]\n"
             "      berekent alle waarneempunten van een ';'-gescheiden invoerbestand met kopregel\n"
             "      (- leest standaardinvoer), op N rekenkernen (standaard alle)\n"
             "  tarvo-reken --wegdekken-export TABEL.csv [--wegdekken PAD] [--decimaal ,|.]\n"
             "      schrijft de wegdekken van de catalogus als ';'-gescheiden tabel (UTF-8)\n"
             "  tarvo-reken --wegdekken-import TABEL.csv --wegdekken PAD\n"
             "      vervangt de wegdekken in PAD door die van de tabel; de gebruikersnaam blijft\n"
             "Opties:\n") +
         tarvo::WegdekkenHulp(mappen) +
         "  --decimaal , of .   decimaalteken (standaard dat van de landinstelling)\n"
         "  --datum JJJJ-MM-DD  datum van vandaag voor de aftrekregel (standaard de systeemdatum)\n"
         "  --help              deze tekst\n"
         "Afsluitcode: 0 gelukt, 1 invoer geweigerd of uitvoer niet geschreven, 2 verkeerd gebruik,\n"
         "  3 (--batch, --onderzoek) een of meer rijen niet berekend: elke rij staat in de uitvoer, de reden in de\n"
         "  kolom melding, en standaardfout noemt hoeveel rijen en de eerste regelnummers.\n";
}

int Gebruik(const tarvo::DataMappen& mappen, const std::string& fout) {
  if (!fout.empty()) std::cerr << "tarvo-reken: " << tarvo::ZonderStuurtekens(fout) << "\n";
  std::cerr << GebruikTekst(mappen);
  return 2;
}

int Geweigerd(const std::string& fout) {
  std::cerr << "tarvo-reken: " << tarvo::ZonderStuurtekens(fout) << "\n";
  return 1;
}

bool StandaardfoutIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) == 1;
#endif
}

// The batch from a file or standard input. Progress only where someone
// watches it: on a terminal, and for a file, whose end is in sight.
int Batch(const std::string& invoer, const tarvo::OpdrachtInstellingen& inst, unsigned draden) {
  std::ifstream bestand;
  if (invoer != "-") {
    std::error_code ec;
    if (std::filesystem::is_directory(invoer, ec))
      return Geweigerd("Invoerbestand " + invoer + " is een map, geen bestand.");
    bestand.open(invoer, std::ios::binary);
    if (!bestand) return Geweigerd("Invoerbestand " + invoer + " kan niet worden gelezen.");
  }
#ifdef _WIN32
  if (invoer == "-") _setmode(_fileno(stdin), _O_BINARY);
#endif
  using Klok = tarvo::Voortgang::Klok;
  tarvo::Voortgang voortgang(inst.decimaal, Klok::now());
  std::size_t gedaan = 0;
  tarvo::BatchOpties opties;
  opties.draden = draden;
  if (invoer != "-" && StandaardfoutIsTerminal()) {
    opties.voortgang = [&](std::size_t rijen) {
      gedaan = rijen;
      if (const auto regel = voortgang.Bij(rijen, Klok::now())) std::cerr << *regel << std::flush;
    };
  }
  const auto verslag = tarvo::VerwerkBatch(invoer == "-" ? std::cin : bestand, std::cout, inst, opties);
  std::cout.flush();
  // The progress line is closed before anything else is said.
  if (const auto slot = voortgang.Slot(gedaan, Klok::now())) std::cerr << *slot;
  if (!verslag) return Geweigerd(verslag.Melding());
  if (verslag->geweigerd == 0) return 0;
  std::cerr << "tarvo-reken: " << tarvo::Samenvatting(*verslag) << "\n";
  return 3;
}

// A report on a full disk is no success.
int Geschreven() {
  if (auto geschreven = tarvo::UitvoerGeschreven(std::cout); !geschreven) return Geweigerd(geschreven.Melding());
  return 0;
}

// A save's waiting and remarks, each one line on standard error.
tarvo::Schrijfwijze MeldendeSchrijfwijze() {
  tarvo::Schrijfwijze wijze;
  wijze.bijWachten = wijze.bijOpmerking = [](const std::string& regel) {
    std::cerr << "tarvo-reken: " << tarvo::ZonderStuurtekens(regel) << std::endl;
  };
  return wijze;
}

// The catalogue as a table, or a table into the catalogue file.
int Wegdekken(const tarvo::Opties& opties, const std::optional<std::string>& naarTabel,
              const std::optional<std::string>& uitTabel) {
  const tarvo::Schrijfwijze wijze = MeldendeSchrijfwijze();
  if (uitTabel) {
    const auto geschreven = tarvo::ImporteerWegdekken(*uitTabel, opties.inst.wegdekken, wijze);
    return geschreven ? 0 : Geweigerd(geschreven.Melding());
  }
  tarvo::Catalogus catalogus;
  if (auto geladen = tarvo::LaadCatalogusBestand(opties.inst.wegdekken, catalogus); !geladen) {
    return Geweigerd(geladen.Melding());
  }
  if (*naarTabel == "-") {
    std::cout << tarvo::SchrijfWegdekTabel(catalogus, opties.inst.decimaal);
    return Geschreven();
  }
  const auto geschreven = tarvo::ExporteerWegdekken(catalogus, *naarTabel, opties.inst.decimaal, wijze);
  return geschreven ? 0 : Geweigerd(geschreven.Melding());
}

// The program's own options, beside the shared ones.
struct Keuzes {
  std::optional<std::string> diagram, batch, afstandVoor, naarTabel, uitTabel, onderzoek, threads;
  bool cumulatie = false, bijlage = false;
  tarvo::HoogtenKeuze hoogten;
};

Keuzes LeesKeuzes(const tarvo::Opties& opties) {
  const auto waarde = [&](const char* naam) -> std::optional<std::string> {
    const auto it = opties.eigen.find(naam);
    return it == opties.eigen.end() ? std::nullopt : std::optional<std::string>(it->second);
  };
  Keuzes k;
  k.diagram = waarde("--diagram"), k.batch = waarde("--batch"), k.afstandVoor = waarde("--afstand-voor");
  k.naarTabel = waarde("--wegdekken-export"), k.uitTabel = waarde("--wegdekken-import");
  k.onderzoek = waarde("--onderzoek"), k.threads = waarde("--threads");
  k.cumulatie = waarde("--cumulatie").has_value(), k.bijlage = waarde("--bijlage").has_value();
  k.hoogten.hoogten = waarde("--hoogten"), k.hoogten.toets = waarde("--toets");
  return k;
}

// The catalogue's table out or in, after the checks of its options.
int WegdekkenOpdracht(const tarvo::DataMappen& mappen, const tarvo::Opties& opties, const Keuzes& k) {
  if (!opties.losse.empty() || k.diagram || k.batch || (k.naarTabel && k.uitTabel)) {
    return Gebruik(mappen,
                   "--wegdekken-export en --wegdekken-import gaan niet samen met elkaar, een rekenblad, "
                   "--diagram of --batch.");
  }
  // Never into whichever catalogue happens to be found first.
  if (k.uitTabel && !opties.wegdekkenGegeven) return Gebruik(mappen, "--wegdekken-import verwacht --wegdekken PAD.");
  const auto vrij = k.naarTabel ? tarvo::UitvoerVrij(*k.naarTabel, {opties.inst.wegdekken}, "de tabel")
                                : tarvo::UitvoerVrij(opties.inst.wegdekken, {*k.uitTabel}, "het wegdekkenbestand");
  if (!vrij) return Gebruik(mappen, vrij.Melding());
  return Wegdekken(opties, k.naarTabel, k.uitTabel);
}

// What the options say that cannot go together or lack their partner; nothing when they fit.
std::optional<std::string> VerkeerdGebruik(const Keuzes& k, const tarvo::Opties& opties) {
  const bool metHoogten = k.hoogten.hoogten.has_value();
  if (k.onderzoek) {
    if (!opties.losse.empty() || k.diagram || k.batch || k.afstandVoor || k.cumulatie)
      return "--onderzoek gaat niet samen met een rekenblad, --diagram, --afstand-voor, --cumulatie of --batch.";
  } else {
    // --hoogten also chooses the annex's heights.
    if (int(k.diagram.has_value()) + int(k.batch.has_value()) + int(k.afstandVoor.has_value()) + int(k.cumulatie) +
            int(k.bijlage || metHoogten) >
        1)
      return "--diagram, --afstand-voor, --cumulatie, --batch, --hoogten en --bijlage gaan niet samen.";
    if (k.hoogten.toets && !metHoogten && !k.bijlage) return "--toets hoort bij --hoogten of --bijlage.";
  }
  if (k.threads && !k.batch) return "--threads hoort bij --batch.";
  if (k.threads && !tarvo::LeesAantalDraden(*k.threads)) {
    return "--threads verwacht een geheel getal van 1 tot en met " + std::to_string(tarvo::kMaxDraden) +
           ", gevonden '" + *k.threads + "'.";
  }
  if (k.diagram && !tarvo::LeesDiagramAfstand(*k.diagram)) {
    return "--diagram verwacht een afstand van " +
           tarvo::Formatteer(tarvo::kDiagramMinAfstand, "##0", opties.inst.decimaal) + " tot en met " +
           tarvo::Formatteer(tarvo::kDiagramMaxAfstand, "##0", opties.inst.decimaal) + " meter, gevonden '" +
           *k.diagram + "'.";
  }
  if (k.batch && (!opties.losse.empty() || k.diagram)) return "--batch gaat niet samen met een rekenblad of --diagram.";
  return std::nullopt;
}

// Nothing printed before every worksheet is in: a refusal leaves no half
// table. The annex refuses before its first line by itself and may be longer
// than memory holds: it goes `direct`, a line at a time.
template <typename Opdracht>
int MetUitvoer(const tarvo::DataMappen& mappen, const Opdracht& opdracht, bool direct = false) {
  std::ostringstream buffer;
  if (auto klaar = opdracht(direct ? static_cast<std::ostream&>(std::cout) : buffer); !klaar) {
    return klaar.Nummer() == tarvo::kFoutGebruik ? Gebruik(mappen, klaar.Melding()) : Geweigerd(klaar.Melding());
  }
  std::cout << buffer.str();
  return Geschreven();
}

// A study: its table or annex on standard output, refused rows counted as in a batch.
int Onderzoek(const tarvo::DataMappen& mappen, const Keuzes& k, const tarvo::OpdrachtInstellingen& inst) {
  const auto verslag = tarvo::OnderzoekOpdracht(*k.onderzoek, k.hoogten, k.bijlage, inst, std::cout);
  if (!verslag) {
    return verslag.Nummer() == tarvo::kFoutGebruik ? Gebruik(mappen, verslag.Melding()) : Geweigerd(verslag.Melding());
  }
  if (const int code = Geschreven(); code != 0) return code;
  if (verslag->geweigerd == 0) return 0;
  std::cerr << "tarvo-reken: " << tarvo::Samenvatting(*verslag) << "\n";
  return 3;
}

// One worksheet: its report, diagram, distance for a target or heights.
int Rekenblad(const tarvo::DataMappen& mappen, const Keuzes& k, tarvo::OpdrachtInstellingen& inst,
              const std::vector<std::string>& losse) {
  if (losse.size() != 1) {
    return Gebruik(mappen, losse.empty() ? "geen rekenblad opgegeven." : "meer dan een rekenblad opgegeven.");
  }
  inst.werkblad = losse.front();
  if (k.afstandVoor && !tarvo::LeesDoelNiveau(*k.afstandVoor)) {
    return Gebruik(mappen, "--afstand-voor verwacht een niveau van " + tarvo::DoelBereik() + " dB, gevonden '" +
                               *k.afstandVoor + "'.");
  }
  auto geopend = tarvo::OpenWerkblad(inst);
  if (!geopend) return Geweigerd(geopend.Melding());
  for (const std::string& regel : tarvo::BegrensdBijLezen(*geopend, inst.vandaag))
    std::cerr << "tarvo-reken: " << regel << "\n";
  if (k.hoogten.hoogten) {
    return MetUitvoer(
        mappen, [&](std::ostream& uit) { return tarvo::HoogtenOpdracht(*geopend, k.hoogten, inst.vandaag, uit); });
  }
  tarvo::Uitkomst<void> klaar;
  if (k.diagram) {
    klaar = tarvo::DiagramOpdracht(*k.diagram, *geopend, inst.vandaag, std::cout);
  } else if (k.afstandVoor) {
    klaar = tarvo::AfstandOpdracht(*k.afstandVoor, *geopend, inst.vandaag, std::cout);
  } else if (const auto berekend = tarvo::RekenGeopend(*geopend, inst.vandaag); !berekend) {
    klaar = berekend.Reden();
  } else {
    std::cout << tarvo::RapportTekst(berekend->invoer, berekend->resultaten, geopend->catalogus, inst.decimaal)
              << tarvo::CrLf;
  }
  return klaar ? Geschreven() : Geweigerd(klaar.Melding());
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // the report carries its own CR LF
#endif
  // Standard input and output in large pieces, not through C's stdio.
  std::ios::sync_with_stdio(false);
  const tarvo::DataMappen mappen = Mappen();
  auto gelezen = tarvo::LeesOpties(std::vector<std::string>(argv + 1, argv + argc),
                                   {"--diagram", "--batch", "--wegdekken-export", "--wegdekken-import",
                                    "--afstand-voor", "--threads", "--hoogten", "--toets", "--onderzoek"},
                                   {"--cumulatie", "--bijlage"}, mappen);
  if (!gelezen) return Gebruik(mappen, gelezen.Melding());
  tarvo::Opties& opties = *gelezen;
  if (opties.help) {
    std::cout << GebruikTekst(mappen);
    return Geschreven();
  }
  tarvo::OpdrachtInstellingen& inst = opties.inst;
  const std::vector<std::string>& losse = opties.losse;
  const Keuzes k = LeesKeuzes(opties);
  if (k.naarTabel || k.uitTabel) return WegdekkenOpdracht(mappen, opties, k);
  if (const auto fout = VerkeerdGebruik(k, opties)) return Gebruik(mappen, *fout);
  if (k.batch) {
    const unsigned draden =
        k.threads ? *tarvo::LeesAantalDraden(*k.threads) : std::max(1u, std::thread::hardware_concurrency());
    return Batch(*k.batch, inst, draden);
  }
  if (k.onderzoek) return Onderzoek(mappen, k, inst);
  if (k.bijlage) {
    if (losse.empty()) return Gebruik(mappen, "--bijlage verwacht ten minste een rekenblad.");
    return MetUitvoer(
        mappen, [&](std::ostream& uit) { return tarvo::BijlageOpdracht(losse, k.hoogten, inst, uit, std::cerr); },
        true);
  }
  if (k.cumulatie) {
    if (losse.empty()) return Gebruik(mappen, "--cumulatie verwacht ten minste een rekenblad.");
    return MetUitvoer(mappen, [&](std::ostream& uit) { return tarvo::CumulatieOpdracht(losse, inst, uit, std::cerr); });
  }
  return Rekenblad(mappen, k, inst, losse);
}
