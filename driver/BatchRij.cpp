#include "driver/BatchRij.h"

#include <algorithm>
#include <optional>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Bereken.h"
#include "calc/Velden.h"
#include "driver/Rekenen.h"
#include "report/Rapport.h"
#include "tools/Omrekenen.h"

namespace tarvo {
namespace {

// Columns beyond the fields: the switches, and the daily totals a row may
// give instead of its intensities per hour (a share column per share row
// and period: kAandeel + 4 * row + period).
enum Extra { kWegdek = 1000, kZone, kAftrek, kRail, kEtmaal, kFactor, kGroei, kJaren, kUur = 1100, kAandeel = 1200 };

struct ExtraKolom {
  std::string naam;
  int doel;
};

const std::vector<ExtraKolom>& ExtraKolommen() {
  static const std::vector<ExtraKolom> kolommen = [] {
    std::vector<ExtraKolom> k = {{"wegdek", kWegdek}, {"zone", kZone},     {"aftrek", kAftrek}, {"rail", kRail},
                                 {"etmaal", kEtmaal}, {"factor", kFactor}, {"groei", kGroei},   {"jaren", kJaren}};
    for (int p = 1; p <= kAantalPeriodes; ++p) {
      k.push_back({PeriodeKolom("uur", p), kUur + p});
      for (std::size_t s = 0; s < kAandeelNamen.size(); ++s) {
        k.push_back({AandeelKolom(s, p), kAandeel + 4 * static_cast<int>(s) + p});
      }
    }
    return k;
  }();
  return kolommen;
}

bool IsEtmaalKolom(int doel) { return doel >= kEtmaal && doel < kEigenKolom; }

// The intensity fields a distribution fills.
bool IsVerdeeldVeld(int doel) {
  for (int rij : kVerdeelRijen) {
    for (int p = 1; p <= kAantalPeriodes; ++p) {
      if (doel == DoelVeld(rij, p)) return true;
    }
  }
  return false;
}

// The target of a column name (lower case), or -1.
int Doel(std::string_view naam) {
  for (int k = 0; k < kAantalVelden; ++k) {
    if (!Veld(k).batchKolom.empty() && Veld(k).batchKolom == naam) return k;
  }
  for (const ExtraKolom& c : ExtraKolommen()) {
    if (c.naam == naam) return c.doel;
  }
  return -1;
}

std::string_view KolomNaam(int doel) {
  if (doel < kWegdek) return Veld(doel).batchKolom;
  for (const ExtraKolom& c : ExtraKolommen()) {
    if (c.doel == doel) return c.naam;
  }
  return {};
}

// A switch column: "0" or "1" (blanks allowed), or nothing.
std::optional<int> Schakelaar(std::string_view tekst) {
  const std::string_view t = BijgesnedenDeel(tekst);
  if (t == "0") return 0;
  if (t == "1") return 1;
  return std::nullopt;
}

}  // namespace

// A line split at ';', with "..." quoting for texts that hold a ';'. A
// quote may open and close anywhere in a value; "" inside quotes is one.
// A value without quotes is a view into the line; the text of one with
// quotes goes into `ontdaan`, which must not grow while it is in use. True
// when a quote is never closed.
bool SplitsRegel(std::string_view regel, std::vector<std::string_view>& waarden, std::string& ontdaan) {
  ontdaan.resize(regel.size());  // unquoting only shortens
  char* uit = ontdaan.data();
  const char* const eind = regel.data() + regel.size();
  const auto volgendeAanhaling = [regel, eind](const char* van) {
    const std::size_t i = regel.find('"', static_cast<std::size_t>(van - regel.data()));
    return i == std::string_view::npos ? eind : regel.data() + i;
  };
  const char* begin = regel.data();
  const char* aanhaling = volgendeAanhaling(begin);
  for (const char* c = begin;; ++c) {
    while (c < aanhaling && *c != ';') ++c;
    if (c == aanhaling && c < eind) {
      char* const tekst = uit;
      uit = std::copy(begin, c, uit);
      bool inAanhaling = false;
      for (; c < eind && (inAanhaling || *c != ';'); ++c) {
        if (*c != '"')
          *uit++ = *c;
        else if (inAanhaling && c + 1 < eind && c[1] == '"')
          *uit++ = *++c;
        else
          inAanhaling = !inAanhaling;
      }
      waarden.emplace_back(tekst, static_cast<std::size_t>(uit - tekst));
      if (inAanhaling) return true;
      aanhaling = volgendeAanhaling(c);
    } else {
      waarden.emplace_back(begin, static_cast<std::size_t>(c - begin));
    }
    if (c == eind) return false;
    begin = c + 1;
  }
}

bool HeeftEtmaalKolommen(const std::vector<int>& doelen) {
  return std::any_of(doelen.begin(), doelen.end(), IsEtmaalKolom);
}

Uitkomst<std::vector<int>> LeesKop(std::string_view regel, const std::vector<std::string_view>& eigen) {
  if (regel.starts_with(kBom)) regel.remove_prefix(kBom.size());
  // A worksheet or an image opened by mistake: its bytes are no name to quote back.
  const bool stuurteken = std::any_of(regel.begin(), regel.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && b != '\t') || b == 0x7F;
  });
  if (stuurteken || !IsUtf8(regel)) {
    return Fout{"De kopregel van het invoerbestand is geen tekst: is het wel een ;-gescheiden blad in UTF-8?"};
  }
  std::vector<std::string_view> namen;
  std::string ontdaan;
  if (SplitsRegel(regel, namen, ontdaan)) {
    return Fout{"De kopregel van het invoerbestand heeft een aanhalingsteken dat niet wordt gesloten."};
  }
  std::vector<int> doelen;
  for (std::string_view naam : namen) {
    const std::string klein = KleineLetters(BijgesnedenDeel(naam));
    const auto e = std::find(eigen.begin(), eigen.end(), klein);
    const int doel = e != eigen.end() ? kEigenKolom + static_cast<int>(e - eigen.begin()) : Doel(klein);
    if (doel < 0) return Fout{"Onbekende kolom '" + Bijgesneden(naam) + "' in de kopregel van het invoerbestand."};
    // Which of two values would count is no guess to make for the user.
    if (std::find(doelen.begin(), doelen.end(), doel) != doelen.end()) {
      return Fout{"Kolom '" + Bijgesneden(naam) + "' staat meer dan eens in de kopregel van het invoerbestand."};
    }
    doelen.push_back(doel);
  }
  return doelen;
}

// The row's values into the fields and its switches, as far as the first
// value out of range; that value's message, or nothing.
std::string RijRekenaar::Typ() {
  for (std::size_t i = 0; i < waarden_.size() && i < opzet_.doelen.size(); ++i) {
    const std::string_view w = waarden_[i];
    const int doel = opzet_.doelen[i];
    if (doel < kWegdek) {
      teksten_.Zet(doel, Veld(doel).soort == VeldSoort::Tekst ? ZonderFormuleteken(w) : BijgesnedenDeel(w));
    } else if (IsEtmaalKolom(doel) || doel >= kEigenKolom) {
      continue;  // taken together once the row is read: see Omgerekend
    } else if (doel == kWegdek) {
      const std::string_view t = BijgesnedenDeel(w);
      // At most five digits: no number of them overflows.
      const bool heel =
          !t.empty() && t.size() < 6 && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
      int wegdek = heel ? 0 : -1;
      for (char c : heel ? t : std::string_view{}) wegdek = 10 * wegdek + (c - '0');
      if (wegdek < 1 || wegdek > opzet_.catalogus.AantalWegdekken) {
        return "Wegdek '" + std::string(t) + "' staat niet in de wegdekkenlijst (1 tot en met " +
               std::to_string(opzet_.catalogus.AantalWegdekken) + ").";
      }
      teksten_.wegdek = static_cast<std::int16_t>(wegdek);
    } else if (const auto s = Schakelaar(w); !s) {
      return "Kolom " +
             std::string(doel == kZone     ? "zone"
                         : doel == kAftrek ? "aftrek"
                                           : "rail") +
             ": 0 of 1 verwacht, gevonden '" + Bijgesneden(w) + "'.";
    } else if (doel == kZone) {
      teksten_.zone = *s == 1;
    } else if (doel == kAftrek) {
      teksten_.aftrek = *s == 1;
    } else {
      teksten_.rail = static_cast<std::int16_t>(*s);
    }
  }
  return {};
}

// A row under a header with daily totals gives either those or its
// intensities per hour; the daily totals become the intensities as the
// traffic-count window turns them. The refusal, or nothing.
std::string RijRekenaar::Omgerekend(bool& omgerekend) {
  std::vector<std::string_view> etmaal, uur;
  Etmaalgegevens g{};
  for (std::size_t i = 0; i < waarden_.size() && i < opzet_.doelen.size(); ++i) {
    const int doel = opzet_.doelen[i];
    const std::string_view w = BijgesnedenDeel(waarden_[i]);
    if (IsVerdeeldVeld(doel) && !w.empty()) uur.push_back(KolomNaam(doel));
    if (!IsEtmaalKolom(doel)) continue;
    if (!w.empty()) etmaal.push_back(KolomNaam(doel));
    if (doel == kEtmaal)
      g.etmaal = w;
    else if (doel == kFactor)
      g.factor = w;
    else if (doel == kGroei)
      g.groei = w;
    else if (doel == kJaren)
      g.jaren = w;
    else if (doel < kAandeel)
      g.uur[static_cast<std::size_t>(doel - kUur)] = w;
    else
      g.aandeel[static_cast<std::size_t>((doel - kAandeel) / 4)][static_cast<std::size_t>((doel - kAandeel) % 4)] = w;
  }
  auto namen = [](const std::vector<std::string_view>& kolommen) {
    std::string t;
    for (std::string_view k : kolommen) t += (t.empty() ? "" : ", ") + std::string(k);
    return t;
  };
  if (!etmaal.empty() && !uur.empty()) {
    return "Rij geeft zowel etmaalgegevens (" + namen(etmaal) + ") als intensiteiten per uur (" + namen(uur) +
           "): een van beide.";
  }
  if (etmaal.empty()) {
    if (!uur.empty()) return {};
    return "Rij geeft geen etmaalgegevens en geen intensiteiten per uur.";
  }
  std::vector<std::string_view> ontbrekend;
  for (const ExtraKolom& k : ExtraKolommen()) {
    const bool nodig = k.doel == kEtmaal || k.doel > kJaren;
    if (nodig && std::find(etmaal.begin(), etmaal.end(), k.naam) == etmaal.end()) ontbrekend.push_back(k.naam);
  }
  if (!ontbrekend.empty()) return "Rij geeft de etmaalgegevens niet volledig: " + namen(ontbrekend) + " ontbreekt.";
  auto teksten = UurTekstenUitEtmaal(g, opzet_.decimaal);
  if (!teksten) return teksten.Melding();
  omgezet_ = std::move(*teksten);  // the row's texts are views: these must outlive them
  for (const auto& [veld, tekst] : omgezet_) teksten_.Zet(veld, tekst);
  omgerekend = true;
  return {};
}

// The window's input check on the row's texts, then the calculation; the
// refusal's message, or nothing.
std::string RijRekenaar::ControleerEnBereken() {
  tarvo::Reken(teksten_, opzet_.catalogus, opzet_.vandaag, rekening_);
  const Controle& controle = rekening_.controle;
  for (const Begrenzing& b : controle.begrensd) {
    const std::string_view kolom = Veld(b.veld).batchKolom;
    // A refusal at a clamped field is about the value given, not the bound.
    if (controle.weigering && controle.weigering->veld == b.veld) {
      return std::string(kolom) + " " + b.tekst + " ligt buiten " + BereikTekst(Veld(b.veld).overname) + ".";
    }
    if (!begrensd_.empty()) begrensd_ += "; ";
    begrensd_.append(kolom).append(" ").append(b.tekst).append(" begrensd tot ");
    FormatteerNaar(begrensd_, b.grens, "0", opzet_.decimaal);
  }
  if (!rekening_.Gelukt()) return rekening_.Weigering();
  return {};
}

std::string RijRekenaar::Verwerk(std::string_view regel, bool teLang, std::size_t nummer, bool& omgerekend) {
  teksten_ = standaard_;

  std::string melding;
  if (teLang) {
    waarden_.clear();
    melding = "Regel " + std::to_string(nummer) + " is langer dan 1 MB.";
  } else {
    waarden_.clear();
    const bool aanhalingOpen = SplitsRegel(regel, waarden_, ontdaan_);
    const std::size_t kolommen = opzet_.doelen.size();
    if (aanhalingOpen)
      melding = " heeft een aanhalingsteken dat niet wordt gesloten.";
    else if (waarden_.size() > kolommen)
      melding = " telt meer kolommen dan de kopregel.";
    else if (waarden_.size() < kolommen)
      melding = " telt minder kolommen dan de kopregel.";
    if (!melding.empty()) melding = "Regel " + std::to_string(nummer) + melding;
  }
  begrensd_.clear();
  omgerekend = false;
  if (melding.empty()) melding = Typ();
  if (melding.empty() && opzet_.etmaalKolommen) melding = Omgerekend(omgerekend);
  if (melding.empty()) melding = ControleerEnBereken();
  return melding;
}

void RijRekenaar::ZetOpmerking(bool omgerekend) {
  if (omgerekend) begrensd_ = "omgerekend uit etmaalgegevens" + (begrensd_.empty() ? "" : "; " + begrensd_);
  if (!begrensd_.empty()) begrensd_ += '.';
}

std::string RijRekenaar::Lees(std::string_view regel, bool teLang, std::size_t nummer, Rij& rij) {
  bool omgerekend = false;
  const std::string melding = Verwerk(regel, teLang, nummer, omgerekend);
  rij.eigen.clear();
  for (std::size_t i = 0; i < waarden_.size() && i < opzet_.doelen.size(); ++i) {
    const int doel = opzet_.doelen[i];
    if (doel < kEigenKolom) continue;
    const auto e = static_cast<std::size_t>(doel - kEigenKolom);
    if (rij.eigen.size() <= e) rij.eigen.resize(e + 1);
    rij.eigen[e] = std::string(ZonderFormuleteken(waarden_[i]));
  }
  Werkblad& w = rij.werkblad;
  for (int k = 0; k < kAantalVelden; ++k) w.veld[static_cast<std::size_t>(k)] = std::string(teksten_.Tekst(k));
  w.wegdek = teksten_.wegdek;
  w.zone = teksten_.zone;
  w.aftrek = teksten_.aftrek;
  w.rail = teksten_.rail;
  ZetOpmerking(omgerekend);
  rij.opmerking = melding.empty() ? begrensd_ : std::string();
  return melding;
}

bool RijRekenaar::Reken(std::string_view regel, bool teLang, std::size_t nummer, std::string& uit) {
  bool omgerekend = false;
  const std::string melding = Verwerk(regel, teLang, nummer, omgerekend);

  uit += CsvTekst(BijgesnedenDeel(teksten_.Tekst(veld::kWaarneempunt)));
  uit += ';';
  uit += CsvTekst(BijgesnedenDeel(teksten_.Tekst(veld::kWeg)));
  if (!melding.empty()) {
    uit += ";;;;;;;;;;";
    uit += CsvTekst(melding);
    uit += '\n';
    return true;
  }
  const Resultaten& r = *rekening_.resultaten;
  const char dec = opzet_.decimaal;
  for (double v : {r.LAeq[1], r.LAeq[2], r.LAeq[3], r.Letmaal, r.Lden, r.Lnight}) {
    uit += ';';
    FormatteerNaar(uit, v, "##0.00", dec);
  }
  uit += ';';
  uit += std::to_string(r.Aftrek110g);
  uit += ';';
  FormatteerNaar(uit, EindNiveau(r.Lden, r.Aftrek110g), "##0.0", dec);
  uit += ';';
  uit += Milieukwaliteit(r.Lden, r.Aftrek110g);
  uit += ';';
  ZetOpmerking(omgerekend);
  if (!begrensd_.empty()) uit += CsvTekst(begrensd_);
  uit += '\n';
  return false;
}

}  // namespace tarvo
