#include "driver/Opdracht.h"

#include <cerrno>
#include <chrono>
#include <clocale>
#include <ostream>
#include <string>
#include <system_error>

#include "base/Bestand.h"
#include "base/Getal.h"
#include "driver/Rekenen.h"
#include "files/CatalogusBestand.h"
#include "files/WerkbladBestand.h"

namespace tarvo {

Uitkomst<Catalogus> LaadCatalogus(const OpdrachtInstellingen& inst) {
  Catalogus catalogus;
  if (auto geladen = LaadCatalogusBestand(inst.wegdekken, catalogus); !geladen) return geladen.Reden();
  VulLijst(catalogus);
  return catalogus;
}

Uitkomst<GeopendWerkblad> LeesWerkblad(const std::filesystem::path& pad, const Catalogus& catalogus, char decimaal) {
  Uitkomst<Invoer> gelezen = LeesWerkbladBestand(pad);
  if (!gelezen) {
    // The older version's message does not name the file.
    if (gelezen.Nummer() == kFoutOudeVersie) return Fout{"Rekenblad " + pad.string() + ": " + gelezen.Melding()};
    return gelezen.Reden();
  }
  // A road surface the catalogue lacks stays as stored: the calculation refuses it by its position.
  return GeopendWerkblad{catalogus, WerkbladVan(*gelezen, decimaal), decimaal};
}

std::vector<std::string> BegrensdUitBestand(const std::vector<Begrenzing>& begrensd, char decimaal) {
  std::vector<std::string> regels;
  for (const Begrenzing& b : begrensd) {
    regels.push_back(std::string(Veld(b.veld).batchKolom) + " " + b.tekst + " uit het bestand begrensd tot " +
                     Formatteer(b.grens, "0", decimaal));
  }
  return regels;
}

std::vector<std::string> BegrensdBijLezen(const GeopendWerkblad& geopend, Datum vandaag) {
  // A worksheet refused says why; what it would have computed with does not matter then.
  const Rekening r = Reken(geopend.werkblad, geopend.catalogus, vandaag, geopend.decimaal);
  return r.Gelukt() ? BegrensdUitBestand(r.controle.begrensd, geopend.decimaal) : std::vector<std::string>{};
}

Uitkomst<GeopendWerkblad> OpenWerkblad(const OpdrachtInstellingen& inst) {
  auto catalogus = LaadCatalogus(inst);
  if (!catalogus) return catalogus.Reden();
  return LeesWerkblad(inst.werkblad, *catalogus, inst.decimaal);
}

Uitkomst<Berekend> RekenGeopend(const GeopendWerkblad& geopend, Datum vandaag) {
  Rekening r = Reken(geopend.werkblad, geopend.catalogus, vandaag, geopend.decimaal);
  if (!r.Gelukt()) return Fout{r.Weigering()};
  return Berekend{std::move(*r.controle.invoer), std::move(*r.resultaten)};
}

Uitkomst<Opties> LeesOpties(const std::vector<std::string>& args, const std::set<std::string>& metWaarde,
                            const std::set<std::string>& vlaggen, const DataMappen& mappen) {
  Opties opties;
  opties.inst.decimaal = SysteemDecimaal();
  opties.inst.vandaag = Vandaag();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool heeftWaarde = a == "--wegdekken" || a == "--decimaal" || a == "--datum" || metWaarde.count(a) > 0;
    if (heeftWaarde && i + 1 >= args.size()) return Fout{a + " verwacht een waarde."};
    if (a == "--help" || a == "-h") {
      opties.help = true;
    } else if (a == "--wegdekken") {
      opties.inst.wegdekken = args[++i];
      opties.wegdekkenGegeven = true;
    } else if (a == "--decimaal") {
      const std::string& w = args[++i];
      if (w != "," && w != ".") return Fout{"--decimaal verwacht , of ."};
      opties.inst.decimaal = w[0];
    } else if (a == "--datum") {
      const auto d = LeesDatum(args[++i]);
      if (!d) return Fout{"--datum verwacht een datum als JJJJ-MM-DD."};
      opties.inst.vandaag = *d;
    } else if (metWaarde.count(a) > 0) {
      opties.eigen[a] = args[++i];
    } else if (vlaggen.count(a) > 0) {
      opties.eigen[a] = "";
    } else if (a.size() > 1 && a[0] == '-') {
      return Fout{"onbekende optie " + a + "."};
    } else {
      opties.losse.push_back(a);
    }
  }
  if (!opties.wegdekkenGegeven) opties.inst.wegdekken = StandaardCatalogus(mappen);
  return opties;
}

std::string WegdekkenHulp(const DataMappen& mappen) {
  std::string r = "  --wegdekken PAD     wegdekkenbestand; zonder deze optie het eerste dat bestaat van:\n";
  for (const std::string& plek : CatalogusZoekvolgorde(mappen)) r += "                        " + plek + "\n";
  return r;
}

Uitkomst<void> UitvoerVrij(const std::filesystem::path& uit, std::initializer_list<std::filesystem::path> invoer,
                           std::string_view wat) {
  const std::string naam = std::string(wat) + " " + uit.string();
  // The names are judged as given and, through any links, as the file the
  // save would write; a link the save refuses to follow is refused there.
  const auto bestemming = Bestemming(uit);
  const std::filesystem::path doel = bestemming ? *bestemming : uit;
  const auto draagtNaam = [&](const std::filesystem::path& pad) -> Uitkomst<void> {
    const std::string wie = pad == uit ? naam : naam + " (een koppeling naar " + pad.string() + ")";
    if (IsWerkbladNaam(pad.string())) return Fout{wie + " draagt de naam van een rekenblad (.tvo)."};
    if (pad.filename() == kCatalogusBestand && wat != "het wegdekkenbestand") {
      return Fout{wie + " draagt de naam van een wegdekkenbestand (" + std::string(kCatalogusBestand) + ")."};
    }
    return {};
  };
  // A worksheet's name is said before an input, a catalogue's after it.
  if (IsWerkbladNaam(uit.string())) return draagtNaam(uit);
  std::error_code ec;
  for (const std::filesystem::path& in : invoer) {
    if (std::filesystem::equivalent(uit, in, ec))
      return Fout{naam + " is " + in.string() + " zelf, een invoer van deze opdracht."};
  }
  if (auto vrij = draagtNaam(uit); !vrij) return vrij;
  return draagtNaam(doel);
}

Uitkomst<void> UitvoerGeschreven(std::ostream& uit) {
  if (uit) {
    errno = 0;
    uit.flush();
    if (uit) return {};
  }
  // errno still holds what the failed write left: nothing ran in between.
  const int oorzaak = errno;
  std::string melding = "De uitvoer kon niet worden geschreven";
  if (oorzaak != 0) melding += " (" + Reden(std::error_code(oorzaak, std::generic_category())) + ")";
  return Fout{melding + "."};
}

std::optional<Datum> LeesDatum(std::string_view t) {
  if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
  for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
    if (t[i] < '0' || t[i] > '9') return std::nullopt;
  }
  const int jaar = std::stoi(std::string(t.substr(0, 4)));
  const int maand = std::stoi(std::string(t.substr(5, 2)));
  const int dag = std::stoi(std::string(t.substr(8, 2)));
  const std::chrono::year_month_day ymd{std::chrono::year{jaar}, std::chrono::month{static_cast<unsigned>(maand)},
                                        std::chrono::day{static_cast<unsigned>(dag)}};
  if (!ymd.ok()) return std::nullopt;
  return Datum{jaar, maand, dag};
}

Datum Vandaag() {
  const auto nu = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  const std::chrono::year_month_day ymd{nu};
  return Datum{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
               static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

char SysteemDecimaal() {
  // Only asked once at start; the numbers themselves never go through the C locale.
  const char* vorige = std::setlocale(LC_NUMERIC, nullptr);
  const std::string bewaard = vorige ? vorige : "C";
  char teken = '.';
  if (std::setlocale(LC_NUMERIC, "")) {
    const std::lconv* lc = std::localeconv();
    if (lc && lc->decimal_point && lc->decimal_point[0] == ',') teken = ',';
  }
  std::setlocale(LC_NUMERIC, bewaard.c_str());
  return teken;
}

}  // namespace tarvo
