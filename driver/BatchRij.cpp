#include "driver/BatchRij.h"

#include <algorithm>
#include <optional>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/CheckIt.h"
#include "calc/VeldGetal.h"
#include "calc/Velden.h"
#include "calc/Zone.h"
#include "driver/Opdracht.h"
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

// A line split at ';', with "..." quoting for texts that hold a ';'. A
// quote may open and close anywhere in a value; "" inside quotes is one.
// The texts go into `ontdaan`, which must not grow while they are in use.
bool SplitsMetAanhaling(std::string_view regel, std::vector<std::string_view>& waarden, std::string& ontdaan) {
  ontdaan.clear();
  ontdaan.reserve(regel.size());
  bool inAanhaling = false;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < regel.size(); ++i) {
    const char c = regel[i];
    if (inAanhaling) {
      if (c == '"' && i + 1 < regel.size() && regel[i + 1] == '"') {
        ontdaan.push_back('"');
        ++i;
      } else if (c == '"') {
        inAanhaling = false;
      } else {
        ontdaan.push_back(c);
      }
    } else if (c == '"') {
      inAanhaling = true;
    } else if (c == ';') {
      waarden.emplace_back(ontdaan.data() + begin, ontdaan.size() - begin);
      begin = ontdaan.size();
    } else {
      ontdaan.push_back(c);
    }
  }
  waarden.emplace_back(ontdaan.data() + begin, ontdaan.size() - begin);
  return inAanhaling;
}

// A switch column: "0" or "1" (blanks allowed), or nothing.
std::optional<int> Schakelaar(std::string_view tekst) {
  const std::string_view t = ZonderBlanks(tekst);
  if (t == "0") return 0;
  if (t == "1") return 1;
  return std::nullopt;
}

}  // namespace

Uitkomst<std::vector<int>> LeesKop(std::string_view regel) {
  if (regel.substr(0, 3) == "\xEF\xBB\xBF") regel.remove_prefix(3);
  std::vector<std::string_view> namen;
  std::string ontdaan;
  if (SplitsMetAanhaling(regel, namen, ontdaan)) {
    return Fout{"De kopregel van het invoerbestand heeft een aanhalingsteken dat niet wordt gesloten."};
  }
  std::vector<int> doelen;
  for (std::string_view naam : namen) {
    const std::string sleutel = KleineLetters(ZonderBlanks(naam));
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

BatchOpzet MaakBatchOpzet(const Catalogus& catalogus, std::vector<int> doelen, const PlainWerkbladVenster& reset,
                          char decimaal, Datum vandaag) {
  BatchOpzet opzet{catalogus, std::move(doelen), {}, {}, decimaal, vandaag};
  for (int k = 0; k < kAantalVelden; ++k) {
    const auto i = static_cast<std::size_t>(k);
    opzet.standaard[i] = reset.invoer[i].tekst;
    if (k < 2 || Veld(k).tag != kNumeriek) continue;
    opzet.standaardGetal[i] = GecontroleerdGetal(opzet.standaard[i], Veld(k).overname);
    opzet.getalVelden.push_back(k);
  }
  return opzet;
}

void RijRekenaar::Splits(std::string_view regel) {
  waarden_.clear();
  aanhalingOpen_ = false;
  // Views into the line itself, unless a quote asks for unquoted copies.
  std::size_t begin = 0;
  for (std::size_t i = 0; i < regel.size(); ++i) {
    if (regel[i] == ';') {
      waarden_.push_back(regel.substr(begin, i - begin));
      begin = i + 1;
    } else if (regel[i] == '"') {
      waarden_.clear();
      aanhalingOpen_ = SplitsMetAanhaling(regel, waarden_, ontdaan_);
      return;
    }
  }
  waarden_.push_back(regel.substr(begin));
}

// The row's values into the fields and its switches, as far as the first
// value out of range; that value's message, or nothing.
std::string RijRekenaar::Typ() {
  for (std::size_t i = 0; i < waarden_.size() && i < opzet_.doelen.size(); ++i) {
    const std::string_view w = waarden_[i];
    const int doel = opzet_.doelen[i];
    if (doel < kWegdek) {
      tekst_[static_cast<std::size_t>(doel)] = doel <= 1 ? w : ZonderBlanks(w);
      getypt_.set(static_cast<std::size_t>(doel));
    } else if (doel == kWegdek) {
      const std::string_view t = ZonderBlanks(w);
      // At most five digits: no number of them overflows.
      const bool heel = !t.empty() && t.size() < 6 && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
      wegdek_ = heel ? 0 : -1;
      for (char c : heel ? t : std::string_view{}) wegdek_ = 10 * wegdek_ + (c - '0');
      if (wegdek_ < 1 || wegdek_ > opzet_.catalogus.AantalWegdekken) {
        return "Wegdek '" + std::string(t) + "' staat niet in de wegdekkenlijst (1 tot en met " +
               std::to_string(opzet_.catalogus.AantalWegdekken) + ").";
      }
    } else if (const auto s = Schakelaar(w); !s) {
      return "Kolom " + std::string(doel == kZone ? "zone" : doel == kAftrek ? "aftrek" : "rail") +
             ": 0 of 1 verwacht, gevonden '" + TrimBlanks(w) + "'.";
    } else if (doel == kZone) {
      zone_ = *s;
    } else if (doel == kAftrek) {
      aftrek_ = *s;
    } else {
      rail_ = *s;
    }
  }
  return {};
}

// The window's input check on the row's texts, then the calculation; the
// refusal's message, or nothing.
std::string RijRekenaar::Check() {
  if (zone_ == 1) {
    for (int k : kSnelheidVelden) {
      tekst_[static_cast<std::size_t>(k)] = kZoneSnelheid;
      getypt_.set(static_cast<std::size_t>(k));
    }
  }
  // The derived fields 26..31 keep the Reset's numbers: no column reaches them.
  std::array<double, kAantalVelden> getal{};
  for (int k : opzet_.getalVelden) {
    const auto i = static_cast<std::size_t>(k);
    const auto x = getypt_[i] ? GecontroleerdGetal(tekst_[i], Veld(k).overname) : opzet_.standaardGetal[i];
    if (!x) return GeenGetalRegel(k, tekst_[i]);
    getal[i] = *x;
  }
  ws_.WegdekKeuze = static_cast<std::int16_t>(wegdek_);
  ws_.RailConstructie = static_cast<std::int16_t>(rail_);
  const auto weigering = NeemGetallenOver(ws_, [&](int k) { return getal[static_cast<std::size_t>(k)]; });
  if (weigering) return std::string(weigering->tekst);
  if (auto niveaus = RekenBruikbaar(ws_, {zone_ == 1, aftrek_}, opzet_.catalogus, opzet_.vandaag); !niveaus) {
    return niveaus.Melding();
  }
  return {};
}

bool RijRekenaar::Reken(std::string_view regel, bool teLang, std::size_t nummer, std::string& uit) {
  for (std::size_t k = 0; k < tekst_.size(); ++k) tekst_[k] = opzet_.standaard[k];
  getypt_.reset();
  zone_ = aftrek_ = rail_ = 0;
  wegdek_ = 1;

  std::string melding;
  if (teLang) {
    waarden_.clear();
    melding = "Regel " + std::to_string(nummer) + " is langer dan 1 MB.";
  } else {
    Splits(regel);
    const std::size_t kolommen = opzet_.doelen.size();
    if (aanhalingOpen_) melding = " heeft een aanhalingsteken dat niet wordt gesloten.";
    else if (waarden_.size() > kolommen) melding = " telt meer kolommen dan de kopregel.";
    else if (waarden_.size() < kolommen) melding = " telt minder kolommen dan de kopregel.";
    if (!melding.empty()) melding = "Regel " + std::to_string(nummer) + melding;
  }
  if (melding.empty()) melding = Typ();
  if (melding.empty()) melding = Check();

  uit += CsvTekst(ZonderBlanks(tekst_[0]));
  uit += ';';
  uit += CsvTekst(ZonderBlanks(tekst_[1]));
  if (!melding.empty()) {
    uit += ";;;;;;;;;;";
    uit += CsvTekst(melding);
    uit += '\n';
    return true;
  }
  const char dec = opzet_.decimaal;
  for (double v : {ws_.LAeq[1], ws_.LAeq[2], ws_.LAeq[3], ws_.Letmaal, ws_.Lden, ws_.Lnight}) {
    uit += ';';
    FormatteerNaar(uit, v, "##0.00", dec);
  }
  uit += ';';
  uit += std::to_string(ws_.Aftrek110g);
  uit += ';';
  FormatteerNaar(uit, EindNiveau(ws_.Lden, ws_.Aftrek110g), "##0.0", dec);
  uit += ';';
  uit += Milieukwaliteit(ws_.Lden, ws_.Aftrek110g);
  uit += ";\n";
  return false;
}

}  // namespace tarvo
