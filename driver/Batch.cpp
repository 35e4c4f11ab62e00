#include "driver/Batch.h"

#include <array>
#include <istream>
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
std::vector<std::string> Splits(std::string_view regel) {
  std::vector<std::string> velden(1);
  bool inAanhaling = false;
  for (std::size_t i = 0; i < regel.size(); ++i) {
    const char c = regel[i];
    if (inAanhaling) {
      if (c == '"' && i + 1 < regel.size() && regel[i + 1] == '"') {
        velden.back().push_back('"');
        ++i;
      } else if (c == '"') {
        inAanhaling = false;
      } else {
        velden.back().push_back(c);
      }
    } else if (c == '"') {
      inAanhaling = true;
    } else if (c == ';') {
      velden.emplace_back();
    } else {
      velden.back().push_back(c);
    }
  }
  return velden;
}

// A switch column: "0" or "1" (blanks allowed), or nothing.
std::optional<int> Schakelaar(const std::string& tekst) {
  const std::string t = TrimBlanks(tekst);
  if (t == "0") return 0;
  if (t == "1") return 1;
  return std::nullopt;
}

}  // namespace

Uitkomst<void> VerwerkBatch(std::istream& in, std::ostream& uit, const OpdrachtInstellingen& inst) {
  Berekening b;
  if (auto klaar = LaadEnReset(inst, b); !klaar) return klaar;
  const char dec = inst.decimaal;

  std::string regel;
  if (!std::getline(in, regel)) return Fout{"Het invoerbestand is leeg: een kopregel met kolomnamen ontbreekt."};
  if (regel.size() >= 3 && regel.compare(0, 3, "\xEF\xBB\xBF") == 0) regel.erase(0, 3);
  if (!regel.empty() && regel.back() == '\r') regel.pop_back();
  std::vector<int> doelen;
  for (const std::string& naam : Splits(regel)) {
    const std::string sleutel = KleineLetters(TrimBlanks(naam));
    int doel = -1;
    for (const Kolom& k : kKolommen) {
      if (k.naam == sleutel) doel = k.doel;
    }
    if (doel < 0) return Fout{"Onbekende kolom '" + TrimBlanks(naam) + "' in de kopregel van het invoerbestand."};
    doelen.push_back(doel);
  }

  // Every row starts from the reset worksheet; its field texts are the same
  // each time, so they are taken once.
  std::array<std::string, 40> standaard;
  for (std::size_t k = 0; k < standaard.size(); ++k) standaard[k] = b.venster.invoer[k].tekst;

  uit << kKop << "\n";
  std::size_t regelNummer = 1;
  while (std::getline(in, regel)) {
    ++regelNummer;
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    if (TrimBlanks(regel).empty()) continue;
    const std::vector<std::string> waarden = Splits(regel);

    ZetZone(b.ws, b.venster, 0);
    for (std::size_t k = 0; k < standaard.size(); ++k) b.venster.invoer[k].tekst = standaard[k];
    b.ws.RailConstructie = 0;
    int zone = 0, aftrek = 0;
    int wegdek = 1;
    std::string melding;
    if (waarden.size() > doelen.size()) {
      melding = "Regel " + std::to_string(regelNummer) + " telt meer kolommen dan de kopregel.";
    }
    for (std::size_t i = 0; i < waarden.size() && i < doelen.size() && melding.empty(); ++i) {
      const std::string& w = waarden[i];
      const int doel = doelen[i];
      if (doel < kWegdek) {
        b.venster.invoer[static_cast<std::size_t>(doel)].tekst = doel <= 1 ? w : TrimBlanks(w);
        continue;
      }
      if (doel == kWegdek) {
        const std::string t = TrimBlanks(w);
        const bool heel = !t.empty() && t.find_first_not_of("0123456789") == std::string::npos && t.size() < 6;
        wegdek = heel ? std::stoi(t) : -1;
        if (wegdek < 1 || wegdek > b.catalogus.AantalWegdekken) {
          melding = "Wegdek '" + t + "' staat niet in de wegdekkenlijst (1 tot en met " +
                    std::to_string(b.catalogus.AantalWegdekken) + ").";
        }
        continue;
      }
      const auto s = Schakelaar(w);
      if (!s) {
        melding = "Kolom " + std::string(doel == kZone ? "zone" : doel == kAftrek ? "aftrek" : "rail") +
                  ": 0 of 1 verwacht, gevonden '" + TrimBlanks(w) + "'.";
        continue;
      }
      if (doel == kZone) zone = *s;
      else if (doel == kAftrek) aftrek = *s;
      else b.ws.RailConstructie = static_cast<std::int16_t>(*s);
    }

    bool berekend = false;
    if (melding.empty()) {
      b.ws.WegdekKeuze = static_cast<std::int16_t>(wegdek);
      b.ws.WegdekLijstIndex = wegdek - 1;
      b.venster.aftrek.waarde = aftrek;
      ZetZone(b.ws, b.venster, zone);
      b.meldingen.getoond.clear();
      const CheckUitkomst check = CheckIt(b.ws, b.venster, b.meldingen);
      if (check) {
        RekenNiveaus(b.ws, b.venster, b.catalogus, inst.vandaag);
        berekend = true;
      } else {
        melding = CheckMelding(b, check.nietGetalVeld);
      }
    }

    uit << CsvTekst(TrimBlanks(b.venster.invoer[0].tekst)) << ';' << CsvTekst(TrimBlanks(b.venster.invoer[1].tekst));
    if (berekend) {
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
  return {};
}

}  // namespace tarvo
