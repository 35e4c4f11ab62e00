#include "driver/Batch.h"

#include <algorithm>
#include <array>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>

#include "calc/CheckIt.h"
#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Reken.h"
#include "calc/Zone.h"
#include "report/Rapport.h"

namespace tarvo {
namespace {

// Columns beyond the 40 fields.
enum Extra { kWegdek = 100, kZone, kAftrek, kRail };

struct Kolom {
  std::string_view naam;
  int doel;  // field index, or one of Extra
};

constexpr std::array<Kolom, 38> kKolommen = {{
    {"waarneempunt", 0}, {"weg", 1},
    {"qlv_dag", 2},      {"qlv_avond", 3},    {"qlv_nacht", 4},    {"vlv", 5},
    {"qmv_dag", 6},      {"qmv_avond", 7},    {"qmv_nacht", 8},    {"vmv", 9},
    {"qzv_dag", 10},     {"qzv_avond", 11},   {"qzv_nacht", 12},   {"vzv", 13},
    {"qmr_dag", 14},     {"qmr_avond", 15},   {"qmr_nacht", 16},   {"vmr", 17},
    {"qbromf_dag", 18},  {"qbromf_avond", 19}, {"qbromf_nacht", 20}, {"vbromf", 21},
    {"qtram_dag", 22},   {"qtram_avond", 23}, {"qtram_nacht", 24}, {"vtram", 25},
    {"hw", 32},          {"hweg", 33},        {"b", 34},           {"fobj", 35},
    {"d", 36},           {"a_kruising", 37},  {"a_obstakel", 38},  {"zichthoek", 39},
    {"wegdek", kWegdek}, {"zone", kZone},     {"aftrek", kAftrek}, {"rail", kRail},
}};

constexpr std::string_view kKop =
    "waarneempunt;weg;LAeq_dag;LAeq_avond;LAeq_nacht;Letmaal;Lden;Lnight;aftrek110g;Lden_na_aftrek;"
    "milieukwaliteit;melding";

// One line split at ';', with "..." quoting for texts that hold a ';'.
struct Velden {
  std::vector<std::string> waarden;
  bool aanhalingOpen = false;  // a quote that the line never closes
};

Velden Splits(std::string_view regel) {
  Velden v;
  v.waarden.resize(1);
  bool& inAanhaling = v.aanhalingOpen;
  for (std::size_t i = 0; i < regel.size(); ++i) {
    const char c = regel[i];
    std::string& veld = v.waarden.back();
    if (inAanhaling) {
      if (c == '"' && i + 1 < regel.size() && regel[i + 1] == '"') {
        veld.push_back('"');
        ++i;
      } else if (c == '"') {
        inAanhaling = false;
      } else {
        veld.push_back(c);
      }
    } else if (c == '"') {
      inAanhaling = true;
    } else if (c == ';') {
      v.waarden.emplace_back();
    } else {
      veld.push_back(c);
    }
  }
  return v;
}

enum class Gelezen { Regel, TeLang, Einde, Fout };

// One line without its line break (a CR before the LF included), read in
// pieces. Of a line longer than kMaxRegelLengte no more is held: the rest
// is skipped to the line's end when `restOverslaan`, else left unread (a
// header is refused at once, even on an input that never ends).
Gelezen LeesRegel(std::istream& in, std::string& regel, bool restOverslaan) {
  regel.clear();
  char stuk[4096];
  for (;;) {
    in.getline(stuk, sizeof stuk);
    if (in.bad()) return Gelezen::Fout;
    const auto n = static_cast<std::size_t>(in.gcount());
    const bool heel = !in.fail();
    if (!heel && in.eof()) {
      if (regel.empty()) return Gelezen::Einde;
      break;  // the piece before filled up exactly at the end of the input
    }
    // Before the end of the input a whole line's break was taken too.
    regel.append(stuk, heel && !in.eof() ? n - 1 : n);
    if (regel.size() > kMaxRegelLengte) {
      if (heel || !restOverslaan) return Gelezen::TeLang;
      in.clear();
      in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
      return in.bad() ? Gelezen::Fout : Gelezen::TeLang;
    }
    if (heel) break;
    in.clear();  // a full piece without a line break
  }
  if (!regel.empty() && regel.back() == '\r') regel.pop_back();
  return Gelezen::Regel;
}

// The column targets of the header, or why the header is refused.
Uitkomst<std::vector<int>> LeesKop(std::string regel) {
  if (regel.size() >= 3 && regel.compare(0, 3, "\xEF\xBB\xBF") == 0) regel.erase(0, 3);
  const Velden namen = Splits(regel);
  if (namen.aanhalingOpen) {
    return Fout{"De kopregel van het invoerbestand heeft een aanhalingsteken dat niet wordt gesloten."};
  }
  std::vector<int> doelen;
  for (const std::string& naam : namen.waarden) {
    const std::string sleutel = KleineLetters(TrimBlanks(naam));
    const auto k = std::find_if(kKolommen.begin(), kKolommen.end(), [&](const Kolom& c) { return c.naam == sleutel; });
    if (k == kKolommen.end()) {
      return Fout{"Onbekende kolom '" + TrimBlanks(naam) + "' in de kopregel van het invoerbestand."};
    }
    // Which of two values would count is no guess to make for the user.
    if (std::find(doelen.begin(), doelen.end(), k->doel) != doelen.end()) {
      return Fout{"Kolom '" + TrimBlanks(naam) + "' staat meer dan eens in de kopregel van het invoerbestand."};
    }
    doelen.push_back(k->doel);
  }
  return doelen;
}

// A switch column: "0" or "1" (blanks allowed), or nothing.
std::optional<int> Schakelaar(const std::string& tekst) {
  const std::string t = TrimBlanks(tekst);
  if (t == "0") return 0;
  if (t == "1") return 1;
  return std::nullopt;
}

// Why a line cannot be a row of the table, or nothing.
std::string VormMelding(Gelezen gelezen, const Velden& velden, std::size_t kolommen, std::size_t regelNummer) {
  const std::string plaats = "Regel " + std::to_string(regelNummer);
  if (gelezen == Gelezen::TeLang) return plaats + " is langer dan 1 MB.";
  if (velden.aanhalingOpen) return plaats + " heeft een aanhalingsteken dat niet wordt gesloten.";
  if (velden.waarden.size() > kolommen) return plaats + " telt meer kolommen dan de kopregel.";
  if (velden.waarden.size() < kolommen) return plaats + " telt minder kolommen dan de kopregel.";
  return {};
}

// The switches and the road surface of a row, beside its field texts.
struct RijKeuzes {
  int zone = 0, aftrek = 0, wegdek = 1;
};

// Types the row's values into the fields and takes its switches, as far as
// the first value out of range; that value's message, or nothing.
std::string TypRij(Berekening& b, const std::vector<int>& doelen, const std::vector<std::string>& waarden,
                   RijKeuzes& keuzes) {
  for (std::size_t i = 0; i < waarden.size() && i < doelen.size(); ++i) {
    const std::string& w = waarden[i];
    const int doel = doelen[i];
    if (doel < kWegdek) {
      b.venster.invoer[static_cast<std::size_t>(doel)].tekst = doel <= 1 ? w : TrimBlanks(w);
    } else if (doel == kWegdek) {
      const std::string t = TrimBlanks(w);
      const bool heel = !t.empty() && t.find_first_not_of("0123456789") == std::string::npos && t.size() < 6;
      keuzes.wegdek = heel ? std::stoi(t) : -1;
      if (keuzes.wegdek < 1 || keuzes.wegdek > b.catalogus.AantalWegdekken) {
        return "Wegdek '" + t + "' staat niet in de wegdekkenlijst (1 tot en met " +
               std::to_string(b.catalogus.AantalWegdekken) + ").";
      }
    } else if (const auto s = Schakelaar(w); !s) {
      return "Kolom " + std::string(doel == kZone ? "zone" : doel == kAftrek ? "aftrek" : "rail") +
             ": 0 of 1 verwacht, gevonden '" + TrimBlanks(w) + "'.";
    } else if (doel == kZone) {
      keuzes.zone = *s;
    } else if (doel == kAftrek) {
      keuzes.aftrek = *s;
    } else {
      b.ws.RailConstructie = static_cast<std::int16_t>(*s);
    }
  }
  return {};
}

// The input check and the calculation of a typed row; its message, or nothing.
std::string RekenRij(Berekening& b, const RijKeuzes& keuzes, Datum vandaag) {
  b.ws.WegdekKeuze = static_cast<std::int16_t>(keuzes.wegdek);
  b.ws.WegdekLijstIndex = keuzes.wegdek - 1;
  b.venster.aftrek.waarde = keuzes.aftrek;
  ZetZone(b.ws, b.venster, keuzes.zone);
  b.meldingen.getoond.clear();
  const CheckUitkomst check = CheckIt(b.ws, b.venster, b.meldingen);
  if (!check) return CheckMelding(b, check.nietGetalVeld);
  if (auto niveaus = RekenBruikbaar(b.ws, b.venster, b.catalogus, vandaag); !niveaus) return niveaus.Melding();
  return {};
}

void SchrijfRij(std::ostream& uit, const Berekening& b, const std::string& melding, char dec) {
  uit << CsvTekst(TrimBlanks(b.venster.invoer[0].tekst)) << ';' << CsvTekst(TrimBlanks(b.venster.invoer[1].tekst));
  if (melding.empty()) {
    const Werkblad& ws = b.ws;
    for (double v : {ws.LAeq[1], ws.LAeq[2], ws.LAeq[3], ws.Letmaal, ws.Lden, ws.Lnight}) {
      uit << ';' << Formatteer(v, "##0.00", dec);
    }
    uit << ';' << ws.Aftrek110g << ';' << Formatteer(EindNiveau(ws.Lden, ws.Aftrek110g), "##0.0", dec) << ';'
        << Milieukwaliteit(ws.Lden, ws.Aftrek110g) << ';';
  } else {
    uit << ";;;;;;;;;;" << CsvTekst(melding);
  }
  uit << "\n";
}

}  // namespace

Uitkomst<BatchVerslag> VerwerkBatch(std::istream& in, std::ostream& uit, const OpdrachtInstellingen& inst) {
  Berekening b;
  if (auto klaar = LaadEnReset(inst, b); !klaar) return klaar.Reden();

  std::string regel;
  switch (LeesRegel(in, regel, false)) {
    case Gelezen::Einde:
      return Fout{"Het invoerbestand is leeg: een kopregel met kolomnamen ontbreekt."};
    case Gelezen::TeLang:
      return Fout{"De kopregel van het invoerbestand is langer dan 1 MB."};
    case Gelezen::Fout:
      return Fout{"Het invoerbestand kan niet worden gelezen."};
    case Gelezen::Regel:
      break;
  }
  const auto kop = LeesKop(regel);
  if (!kop) return kop.Reden();
  const std::vector<int>& doelen = *kop;

  // Every row starts from the reset worksheet; its field texts are the same
  // each time, so they are taken once.
  std::array<std::string, 40> standaard;
  for (std::size_t k = 0; k < standaard.size(); ++k) standaard[k] = b.venster.invoer[k].tekst;

  BatchVerslag verslag;
  uit << kKop << "\n";
  for (std::size_t regelNummer = 2;; ++regelNummer) {
    const Gelezen gelezen = LeesRegel(in, regel, true);
    if (gelezen == Gelezen::Einde) break;
    if (gelezen == Gelezen::Fout) {
      return Fout{"Het invoerbestand kan niet worden gelezen na regel " + std::to_string(regelNummer - 1) + "."};
    }
    if (gelezen == Gelezen::Regel && TrimBlanks(regel).empty()) continue;
    const Velden velden = gelezen == Gelezen::Regel ? Splits(regel) : Velden{};

    ZetZone(b.ws, b.venster, 0);
    for (std::size_t k = 0; k < standaard.size(); ++k) b.venster.invoer[k].tekst = standaard[k];
    b.ws.RailConstructie = 0;
    RijKeuzes keuzes;
    std::string melding = VormMelding(gelezen, velden, doelen.size(), regelNummer);
    if (melding.empty()) melding = TypRij(b, doelen, velden.waarden, keuzes);
    if (melding.empty()) melding = RekenRij(b, keuzes, inst.vandaag);

    ++verslag.rijen;
    if (!melding.empty() && verslag.geweigerd++ < kAantalGenoemdeRegels) verslag.eersteRegels.push_back(regelNummer);
    SchrijfRij(uit, b, melding, inst.decimaal);
    // Rows nobody can read are not worth computing.
    if (!uit) break;
  }
  if (auto geschreven = UitvoerGeschreven(uit); !geschreven) return geschreven.Reden();
  return verslag;
}

std::string Samenvatting(const BatchVerslag& verslag) {
  std::string regels;
  for (std::size_t nummer : verslag.eersteRegels) regels += (regels.empty() ? "" : ", ") + std::to_string(nummer);
  if (verslag.geweigerd > verslag.eersteRegels.size()) regels += " en verder";
  return std::to_string(verslag.geweigerd) + " van " + std::to_string(verslag.rijen) + " rijen niet berekend (" +
         (verslag.geweigerd == 1 ? "regel " : "regels ") + regels + "); de reden staat in de kolom melding.";
}

}  // namespace tarvo
