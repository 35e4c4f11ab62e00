#include "driver/Onderzoek.h"

#include <algorithm>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "driver/BatchLezer.h"
#include "driver/BatchRij.h"
#include "driver/ToetsingOpdracht.h"
#include "files/Reset.h"

namespace tarvo {
namespace {

constexpr int kEigenMaximumVan = kVoorkeursgrenswaarde;
constexpr int kEigenMaximumTot = 150;

bool GelijkZonderHoofdletters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && KleineLetters(a) == KleineLetters(b);
}

// The point's maximum: a number of one's own before a situation; none for neither.
Uitkomst<std::optional<Maximum>> LeesMaximum(const OnderzoekPunt& p) {
  if (const std::string g = Bijgesneden(p.grenswaarde); !g.empty()) {
    const auto w = LeesVolledig(g);
    if (!w || *w != static_cast<int>(*w) || *w < kEigenMaximumVan || *w > kEigenMaximumTot) {
      return Fout{"Grenswaarde '" + g + "' is geen hele waarde van " + std::to_string(kEigenMaximumVan) +
                  " tot en met " + std::to_string(kEigenMaximumTot) + " dB."};
    }
    return std::optional<Maximum>(EigenMaximum(static_cast<int>(*w)));
  }
  const std::string s = Bijgesneden(p.situatie);
  if (s.empty()) return std::optional<Maximum>();
  const std::vector<std::string> keuzes = SituatieKeuzes();
  for (std::size_t i = 0; i < kSituaties.size(); ++i) {
    if (GelijkZonderHoofdletters(s, kSituaties[i].naam) || s == keuzes[i]) {
      return std::optional<Maximum>(MaximumVan(kSituaties[i]));
    }
  }
  return Fout{"Situatie '" + s + "' is geen situatie van art. 83 Wgh; schrijf haar naam zoals de toetsing die noemt, " +
              "bijvoorbeeld '" + std::string(kSituaties[1].naam) + "'."};
}

// "1,5 4,5 7,5" as the list "1,5;4,5;7,5"; a list with ';' stays as it is.
std::string Hoogtelijst(std::string_view tekst) {
  const std::string t = Bijgesneden(tekst);
  if (t.find(';') != std::string::npos) return t;
  std::string lijst;
  bool blank = false;
  for (char c : t) {
    if (c == ' ' || c == '\t') {
      blank = true;
      continue;
    }
    if (blank && !lijst.empty()) lijst += ';';
    blank = false;
    lijst += c;
  }
  return lijst;
}

std::string Weg(const OnderzoekWeg& w) { return "weg " + w.naam + " (regel " + std::to_string(w.regel) + ")"; }

// A road at each of its heights, into the point's blocks in the order the heights first came.
void VoegToe(PuntUitkomst& p, const OnderzoekWeg& weg, std::vector<HoogteResultaat> hoogten) {
  for (HoogteResultaat& r : hoogten) {
    auto blok = std::find_if(p.hoogten.begin(), p.hoogten.end(),
                             [&r](const HoogteUitkomst& h) { return h.hoogte == r.Hoogte(); });
    if (blok == p.hoogten.end()) blok = p.hoogten.insert(p.hoogten.end(), HoogteUitkomst{r.Hoogte(), {}, {}, {}});
    WegUitkomst w{&weg, std::move(r), {}, {}};
    if (p.maximum) w.toetsing = Toets(w.resultaat->geluidsbelasting, *p.maximum, w.resultaat->invoer.zone).tekst;
    blok->wegen.push_back(std::move(w));
  }
}

PuntUitkomst RekenPunt(const OnderzoekPunt& punt, const std::optional<std::string>& hoogten,
                       const std::vector<double>& grenzen, const Catalogus& catalogus, Datum vandaag, char decimaal) {
  PuntUitkomst p;
  p.punt = &punt;
  auto maximum = LeesMaximum(punt);
  if (!maximum) p.weigering = maximum.Melding();
  if (maximum) p.maximum = *maximum;
  std::optional<std::string> lijst = hoogten;
  if (!lijst && !Bijgesneden(punt.hoogten).empty()) lijst = Hoogtelijst(punt.hoogten);
  for (const OnderzoekWeg& weg : punt.wegen) {
    std::string reden = !weg.weigering.empty() ? weg.weigering : p.weigering;
    if (reden.empty()) {
      HoogtenAntwoord a = RekenHoogten(weg.werkblad, lijst, grenzen, catalogus, vandaag, decimaal);
      reden = !a.rekening.Gelukt() ? a.rekening.Weigering() : !a.hoogtenFout.empty() ? a.hoogtenFout : a.fout;
      if (reden.empty()) VoegToe(p, weg, std::move(a.hoogten));
    }
    // The line says which row: its text alone may not.
    if (!reden.empty() && !reden.starts_with("Regel ")) reden = "Regel " + std::to_string(weg.regel) + ": " + reden;
    if (!reden.empty()) p.geweigerd.push_back({&weg, std::nullopt, {}, reden});
  }
  // A sum without one of the point's roads would pass for the point's whole burden.
  std::string onvolledig;
  for (const WegUitkomst& w : p.geweigerd) onvolledig += (onvolledig.empty() ? "" : ", ") + Weg(*w.weg);
  for (HoogteUitkomst& h : p.hoogten) {
    if (!onvolledig.empty()) {
      h.onvolledig = "niet berekend: " + onvolledig;
      continue;
    }
    std::vector<double> lden, lnight;
    for (const WegUitkomst& w : h.wegen) {
      lden.push_back(w.resultaat->resultaten.Lden);
      lnight.push_back(w.resultaat->resultaten.Lnight);
    }
    h.cumulatief = CumulatieTotaal{CumuleerNiveaus(lden), CumuleerNiveaus(lnight)};
  }
  return p;
}

// The study's own columns, in the order of OnderzoekPunt's and the remark lines.
const std::vector<std::string_view> kEigen = {kKolomHoogten,   kKolomSituatie,  kKolomGrenswaarde, "toelichting_1",
                                              "toelichting_2", "toelichting_3", "toelichting_4"};

// A point's own column as a line gives it: the first line that gives one
// sets it, a later line that gives another is refused.
std::string ZetPuntKolom(std::string& waarde, std::size_t& regelVan, std::string_view gegeven, std::string_view kolom,
                         std::size_t regel) {
  const std::string g = Bijgesneden(gegeven);
  if (g.empty() || g == Bijgesneden(waarde)) return {};
  if (Bijgesneden(waarde).empty()) {
    waarde = g;
    regelVan = regel;
    return {};
  }
  return "Dit waarneempunt heeft op regel " + std::to_string(regelVan) + " " + std::string(kolom) + " '" +
         Bijgesneden(waarde) + "', hier '" + g + "'.";
}

struct PuntRegels {
  std::size_t hoogten = 0, situatie = 0, grenswaarde = 0;
};

void VoegRijToe(OnderzoekBlad& blad, std::vector<PuntRegels>& regels, RijRekenaar::Rij rij, std::string weigering,
                std::size_t regel) {
  const std::string punt = Bijgesneden(rij.werkblad.veld[veld::kWaarneempunt]);
  auto p = std::find_if(blad.punten.begin(), blad.punten.end(), [&](const OnderzoekPunt& q) { return q.naam == punt; });
  if (p == blad.punten.end()) {
    p = blad.punten.insert(blad.punten.end(), OnderzoekPunt{punt, {}, {}, {}, {}});
    regels.emplace_back();
  }
  PuntRegels& pr = regels[static_cast<std::size_t>(p - blad.punten.begin())];
  rij.eigen.resize(kEigen.size());
  OnderzoekWeg weg{regel, Bijgesneden(rij.werkblad.veld[veld::kWeg]), std::move(rij.werkblad), std::move(weigering),
                   std::move(rij.opmerking)};
  for (std::size_t i = 0; i < kAantalToelichtingen; ++i) weg.werkblad.toelichting[i] = rij.eigen[3 + i];
  if (weg.weigering.empty()) {
    for (const OnderzoekWeg& ander : p->wegen) {
      if (ander.naam == weg.naam) {
        weg.weigering = "Weg '" + weg.naam + "' staat bij waarneempunt '" + punt + "' al op regel " +
                        std::to_string(ander.regel) + "; een weg telt maar een keer mee.";
      }
    }
  }
  if (weg.weigering.empty()) weg.weigering = ZetPuntKolom(p->hoogten, pr.hoogten, rij.eigen[0], kKolomHoogten, regel);
  if (weg.weigering.empty())
    weg.weigering = ZetPuntKolom(p->situatie, pr.situatie, rij.eigen[1], kKolomSituatie, regel);
  if (weg.weigering.empty())
    weg.weigering = ZetPuntKolom(p->grenswaarde, pr.grenswaarde, rij.eigen[2], kKolomGrenswaarde, regel);
  p->wegen.push_back(std::move(weg));
  ++blad.rijen;
}

}  // namespace

Uitkomst<OnderzoekBlad> LeesOnderzoek(std::string_view tekst, const Catalogus& catalogus, char decimaal,
                                      Datum vandaag) {
  RegelLezer lezer(tekst);
  std::string_view kopregel;
  if (lezer.Volgende(kopregel, false) != Gelezen::Regel) {
    return Fout{"Het onderzoek heeft geen kopregel met kolomnamen van ten hoogste 1 MB."};
  }
  auto kop = LeesKop(kopregel, kEigen);
  if (!kop) return kop.Reden();
  for (int nodig : {veld::kWaarneempunt, veld::kWeg}) {
    if (std::find(kop->begin(), kop->end(), nodig) == kop->end()) {
      return Fout{"Een onderzoek heeft de kolommen waarneempunt en weg: een regel per weg per waarneempunt."};
    }
  }
  const bool etmaal = HeeftEtmaalKolommen(*kop);
  const BatchInstellingen opzet{catalogus, std::move(*kop), LeegWerkblad(decimaal), decimaal, vandaag, etmaal};
  RijRekenaar rekenaar(opzet);
  OnderzoekBlad blad;
  std::vector<PuntRegels> regels;
  std::string_view regel;
  for (std::size_t nummer = 2;; ++nummer) {
    const Gelezen g = lezer.Volgende(regel, true);
    if (g == Gelezen::Einde) break;
    if (g == Gelezen::Fout) return Fout{"Het onderzoek kan niet worden gelezen."};
    if (g == Gelezen::Regel && BijgesnedenDeel(regel).empty()) continue;
    RijRekenaar::Rij rij;
    std::string weigering = rekenaar.Lees(regel, g == Gelezen::TeLang, nummer, rij);
    VoegRijToe(blad, regels, std::move(rij), std::move(weigering), nummer);
  }
  return blad;
}

std::string MaximumTekst(const PuntUitkomst& p) {
  return p.maximum ? std::to_string(p.maximum->waarde) + " dB (" + p.maximum->herkomst + ")" : std::string();
}

OnderzoekUitkomst RekenOnderzoek(const OnderzoekBlad& blad, const std::optional<std::string>& hoogten,
                                 const std::vector<double>& grenzen, const Catalogus& catalogus, Datum vandaag,
                                 char decimaal) {
  OnderzoekUitkomst u;
  for (const OnderzoekPunt& punt : blad.punten) {
    u.punten.push_back(RekenPunt(punt, hoogten, grenzen, catalogus, vandaag, decimaal));
    for (const WegUitkomst& w : u.punten.back().geweigerd) {
      ++u.geweigerd;
      if (u.eersteRegels.size() < 10) u.eersteRegels.push_back(w.weg->regel);
    }
  }
  std::sort(u.eersteRegels.begin(), u.eersteRegels.end());
  return u;
}

std::string OnderzoekCsv(const OnderzoekUitkomst& uitkomst, const std::vector<std::string>& grenzen, char decimaal,
                         std::string_view regeleinde) {
  const auto getal = [decimaal](double x, std::string_view patroon) { return Formatteer(x, patroon, decimaal); };
  std::string uit = "waarneempunt;hoogte;weg;Lden;Lnight;aftrek;Lden_na_aftrek;geluidsbelasting;toetsing";
  for (const std::string& g : grenzen) uit += ";afstand_" + g + "dB";
  uit += ";melding";
  uit += regeleinde;
  const auto regel = [&](const std::string& punt, const std::string& hoogte, std::string_view weg,
                         const std::vector<std::string>& waarden, const std::string& melding) {
    uit += punt + ";" + hoogte + ";" + CsvTekst(weg);
    for (const std::string& w : waarden) uit += ";" + w;
    uit += ";" + CsvTekst(melding);
    uit += regeleinde;
  };
  // Lden to the geluidsbelasting, the outcome, a distance per limit.
  const std::vector<std::string> leeg(6 + grenzen.size(), "");
  for (const PuntUitkomst& p : uitkomst.punten) {
    const std::string punt = CsvTekst(p.punt->naam);
    for (const WegUitkomst& w : p.geweigerd) regel(punt, "", w.weg->naam, leeg, w.melding);
    for (const HoogteUitkomst& h : p.hoogten) {
      const std::string hoogte = getal(h.hoogte, "##0.00");
      for (const WegUitkomst& w : h.wegen) {
        std::vector<std::string> cellen = HoogteCellen(*w.resultaat, decimaal);
        cellen.erase(cellen.begin());  // the height has a column of its own
        cellen.insert(cellen.begin() + 5, CsvTekst(w.toetsing));
        regel(punt, hoogte, w.weg->naam, cellen, w.weg->opmerking);
      }
      std::vector<std::string> som = leeg;
      if (h.cumulatief) som[0] = getal(h.cumulatief->lden, "##0.00"), som[1] = getal(h.cumulatief->lnight, "##0.00");
      regel(punt, hoogte, kCumulatiefNaam, som, h.onvolledig);
    }
  }
  return uit;
}

}  // namespace tarvo
