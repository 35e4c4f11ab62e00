#include "driver/Opdracht.h"

#include <cerrno>
#include <chrono>
#include <clocale>
#include <ostream>
#include <string>
#include <system_error>

#include "base/Bestand.h"
#include "calc/CheckIt.h"
#include "calc/Velden.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"

namespace tarvo {

Uitkomst<void> LaadEnReset(const OpdrachtInstellingen& inst, Berekening& b) {
  if (auto geladen = LaadCatalogusBestand(inst.wegdekken, b.catalogus); !geladen) return geladen;
  VulLijst(b.catalogus);
  b.ws.Decimaal = inst.decimaal;
  ResetWerkblad(b.ws, b.venster);
  return {};
}

Uitkomst<void> LeesWerkblad(const std::filesystem::path& werkblad, Berekening& b) {
  ResetWerkblad(b.ws, b.venster);
  const Uitkomst<void> gelezen = LeesWerkbladBestand(werkblad, b.ws, b.venster, b.catalogus, b.meldingen);
  if (gelezen) return {};
  // Number 0: the older version's message, which does not name the file.
  if (gelezen.Nummer() == 0) return Fout{"Rekenblad " + werkblad.string() + ": " + gelezen.Melding()};
  return gelezen;
}

Uitkomst<void> OpenWerkblad(const OpdrachtInstellingen& inst, Berekening& b) {
  if (auto klaar = LaadEnReset(inst, b); !klaar) return klaar;
  return LeesWerkblad(inst.werkblad, b);
}

std::string GeenGetalRegel(int veld, std::string_view tekst) {
  const VeldInfo& v = Veld(veld);
  std::string naam(v.bijschrift);
  if (!v.kolom.empty()) naam += " / " + std::string(v.kolom);
  return "Veld " + std::to_string(veld) + " (" + naam + ") bevat geen getal: '" + std::string(tekst) + "'.";
}

std::string CheckMelding(const Berekening& b, int nietGetalVeld) {
  if (nietGetalVeld >= 0) return GeenGetalRegel(nietGetalVeld, b.venster.invoer[static_cast<std::size_t>(nietGetalVeld)].tekst);
  // Any other refusal is a warning of the check, the last message shown.
  return b.meldingen.getoond.empty() ? "De invoer is niet aanvaard." : b.meldingen.getoond.back().tekst;
}

Uitkomst<void> RekenGeopend(Berekening& b, Datum vandaag) {
  const CheckUitkomst check = CheckIt(b.ws, b.venster, b.meldingen);
  if (!check) return Fout{CheckMelding(b, check.nietGetalVeld)};
  auto labels = Reken(b.ws, b.venster, b.catalogus, vandaag);
  if (!labels) return labels.Reden();
  b.labels = std::move(*labels);
  return {};
}

Uitkomst<void> RekenWerkblad(const OpdrachtInstellingen& inst, Berekening& b) {
  if (auto open = OpenWerkblad(inst, b); !open) return open;
  return RekenGeopend(b, inst.vandaag);
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
