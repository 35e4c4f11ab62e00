#include "shared_ui/OnderzoekAfdruk.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <numeric>
#include <optional>
#include <vector>

#include "driver/OnderzoekBlad.h"
#include "shared_ui/BijlageAfdruk.h"
#include "shared_ui/BladenAfdruk.h"
#include "shared_ui/QtTekst.h"
#include "tools/Bijlage.h"

namespace tarvo {
namespace {

constexpr double kTekstPunten = 9;
constexpr double kPuntPunten = 11;
constexpr double kCelRuimteCm = 0.15;     // left and right of a cell's text
constexpr double kRijRuimtePunten = 1;    // above and below it
constexpr double kMaxKolomCm = 4;         // a column's heading breaks beyond this width
constexpr double kKopAfstandCm = 0.4;     // below the page's heading
constexpr double kPuntAfstandCm = 0.7;    // above a point
constexpr double kAlineaAfstandCm = 0.2;  // above a table or a list
const QColor kStreep(238, 238, 238);      // every other row, to follow a row across
const QColor kLijn(150, 150, 150);

// The measures, and the fonts of these pages.
struct Maten : Bladmaten {
  explicit Maten(const QPaintDevice& a) : Bladmaten(a, kCelRuimteCm, kRijRuimtePunten) {}

  QFont tekst = Lettertype(kTekstPunten, false);
  QFont vet = Lettertype(kTekstPunten, true);
  QFont punt = Lettertype(kPuntPunten, true);
};

// A piece of a page, drawn from its top down. The pieces of one group stay
// on one page where a page holds them; a table's row names the piece that
// heads its table, which a new page shows again. The room above a piece
// falls away at the top of a page.
struct Stuk {
  double hoogte = 0;
  std::function<void(QPainter&, double)> teken;
  std::size_t groep = 0;
  std::optional<std::size_t> kop;
  double voor = 0;
};

// Each column as wide as its cells and its heading, a heading breaking
// beyond kMaxKolomCm; too wide for the page, the columns but the first give
// up alike, down to their cells and their headings' longest word.
std::vector<double> Kolommen(const Maten& m, const QStringList& koppen, const std::vector<QStringList>& rijen) {
  const double kap = kMaxKolomCm * m.pxPerCm, rand = 2 * m.ruimte + 1;
  std::vector<double> breedten, minimum;
  for (qsizetype k = 0; k < koppen.size(); ++k) {
    double cellen = 0, woord = 0;
    for (const QStringList& rij : rijen) cellen = std::max(cellen, m.Breedte(rij[k], m.tekst));
    for (const QString& w : koppen[k].split(' ')) woord = std::max(woord, m.Breedte(w, m.vet));
    breedten.push_back(std::max(cellen, std::min(m.Breedte(koppen[k], m.vet), std::max(woord, kap))) + rand);
    minimum.push_back(std::max(cellen, std::min(woord, kap)) + rand);
  }
  for (double over = std::accumulate(breedten.begin(), breedten.end(), 0.0) - m.breedte; over > 0.5;) {
    std::size_t kunnen = 0;
    for (std::size_t k = 1; k < breedten.size(); ++k) kunnen += breedten[k] > minimum[k];
    if (kunnen == 0) break;
    for (std::size_t k = 1; k < breedten.size(); ++k) {
      const double minder = std::min(over / static_cast<double>(kunnen), breedten[k] - minimum[k]);
      breedten[k] -= minder;
      over -= minder;
    }
  }
  return breedten;
}

// The pieces of the study's pages, group by group.
class Opbouw {
 public:
  explicit Opbouw(const Maten& m) : m_(m) {}

  void NieuweGroep() { ++groep_; }
  void Alinea(const QString& tekst, const QFont& f, double voor) {
    const double regel = m_.Regel(f), ascent = m_.Ascent(f);
    for (const QString& r : m_.Regels(tekst, f, m_.breedte)) {
      stukken.push_back({regel,
                         [r, f, ascent](QPainter& p, double y) {
                           p.setFont(f);
                           p.drawText(QPointF(0, y + ascent), r);
                         },
                         groep_, std::nullopt, voor});
      voor = 0;
    }
  }
  void Tabel(const QStringList& koppen, const std::vector<QStringList>& rijen, double voor);

  std::vector<Stuk> stukken;

 private:
  const Maten& m_;
  std::size_t groep_ = 0;
};

// The heading over a rule, then a row per line; the first column to the
// left, the numbers to the right.
void Opbouw::Tabel(const QStringList& koppen, const std::vector<QStringList>& rijen, double voor) {
  const Maten& m = m_;
  const std::vector<double> breedten = Kolommen(m, koppen, rijen);
  const double breedte = std::accumulate(breedten.begin(), breedten.end(), 0.0);
  std::vector<QStringList> kopRegels;
  qsizetype n = 1;
  for (qsizetype k = 0; k < koppen.size(); ++k) {
    kopRegels.push_back(m.Regels(koppen[k], m.vet, breedten[static_cast<std::size_t>(k)] - 2 * m.ruimte));
    n = std::max(n, kopRegels.back().size());
  }
  const auto cellen = [&m, breedten](QPainter& p, const std::vector<QStringList>& teksten, double y) {
    double x = 0;
    for (std::size_t k = 0; k < teksten.size(); ++k) {
      for (qsizetype r = 0; r < teksten[k].size(); ++r) {
        const double links = k == 0 ? x + m.ruimte : x + breedten[k] - m.ruimte - m.Breedte(teksten[k][r], p.font());
        p.drawText(QPointF(links, y + m.rijRuimte + static_cast<double>(r) * m.Regel(p.font()) + m.Ascent(p.font())),
                   teksten[k][r]);
      }
      x += breedten[k];
    }
  };
  const double kopHoogte = static_cast<double>(n) * m.Regel(m.vet) + 2 * m.rijRuimte;
  const auto lijn = [&m, breedte](QPainter& p, double y) {
    QPen pen(kLijn);
    pen.setWidthF(m.pxPerCm * 0.02);
    p.setPen(pen);
    p.drawLine(QPointF(0, y), QPointF(breedte, y));
    p.setPen(Qt::black);
  };
  const std::size_t kop = stukken.size();
  stukken.push_back({kopHoogte,
                     [&m, cellen, lijn, kopRegels, kopHoogte](QPainter& p, double y) {
                       p.setFont(m.vet);
                       cellen(p, kopRegels, y);
                       lijn(p, y + kopHoogte);
                     },
                     groep_, std::nullopt, voor});
  const double rijHoogte = m.Regel(m.tekst) + 2 * m.rijRuimte;
  for (std::size_t r = 0; r < rijen.size(); ++r) {
    std::vector<QStringList> rij;
    for (const QString& cel : rijen[r]) rij.push_back({cel});
    const bool streep = r % 2 == 1, laatste = r + 1 == rijen.size();
    stukken.push_back({rijHoogte,
                       [&m, cellen, lijn, rij, rijHoogte, breedte, streep, laatste](QPainter& p, double y) {
                         if (streep) p.fillRect(QRectF(0, y, breedte, rijHoogte), kStreep);
                         p.setFont(m.tekst);
                         cellen(p, rij, y);
                         if (laatste) lijn(p, y + rijHoogte);
                       },
                       groep_, kop, 0});
  }
}

// "a", "a en b", "a, b en c".
std::string Opsomming(const std::vector<std::string>& delen) {
  std::string t;
  for (std::size_t i = 0; i < delen.size(); ++i) t += (i == 0 ? "" : i + 1 == delen.size() ? " en " : ", ") + delen[i];
  return t;
}

// Per road each outcome in words with the heights it holds at.
QStringList Toetsingen(const OnderzoekPuntTabel& t) {
  QStringList regels;
  for (std::size_t w = 0; w < t.wegen.size(); ++w) {
    std::vector<std::pair<std::string, std::vector<std::string>>> uitkomsten;
    for (std::size_t h = 0; h < t.hoogten.size(); ++h) {
      const OnderzoekCel& cel = t.cellen[h][w];
      if (!cel.berekend || cel.toetsing.empty()) continue;
      auto u =
          std::find_if(uitkomsten.begin(), uitkomsten.end(), [&](const auto& p) { return p.first == cel.toetsing; });
      if (u == uitkomsten.end()) u = uitkomsten.insert(u, {cel.toetsing, {}});
      u->second.push_back(t.hoogten[h]);
    }
    for (const auto& [tekst, hoogten] : uitkomsten)
      regels << QTekst(t.wegen[w] + ", op " + Opsomming(hoogten) + ": " + tekst);
  }
  return regels;
}

// A point: its name and maximum, its table, the outcome per road and the
// roads not computed, kept on one page where a page holds it.
void PuntStukken(Opbouw& o, const Maten& m, const OnderzoekPuntTabel& t) {
  const double alinea = kAlineaAfstandCm * m.pxPerCm;
  o.NieuweGroep();
  o.Alinea("Waarneempunt " + QTekst(t.naam), m.punt, kPuntAfstandCm * m.pxPerCm);
  o.Alinea(QTekst(MaximumZin(t)), m.tekst, 0);
  if (!t.hoogten.empty()) {
    o.Alinea("Per weg en hoogte de " + QTekst(kOnderzoekCel) + "; cumulatief zonder aftrek art. 110g Wgh.", m.tekst,
             alinea);
    QStringList koppen = {"hoogte"};
    for (const std::string& weg : t.wegen) koppen << QTekst(weg);
    koppen << QTekst(kOnderzoekCumulatief);
    std::vector<QStringList> rijen;
    for (std::size_t h = 0; h < t.hoogten.size(); ++h) {
      QStringList rij = {QTekst(t.hoogten[h])};
      for (const OnderzoekCel& cel : t.cellen[h]) rij << (cel.berekend ? QTekst(cel.geluidsbelasting) : "–");
      rij << (t.cumulatief[h].empty() ? "–" : QTekst(t.cumulatief[h]));
      rijen.push_back(rij);
    }
    o.Tabel(koppen, rijen, alinea);
  }
  if (const QStringList toetsingen = Toetsingen(t); !toetsingen.isEmpty()) {
    o.Alinea("Toetsing per weg", m.vet, alinea);
    for (const QString& regel : toetsingen) o.Alinea(regel, m.tekst, 0);
  }
  if (!t.meldingen.empty()) {
    o.Alinea("Niet berekend", m.vet, alinea);
    for (const std::string& melding : t.meldingen) o.Alinea(QTekst(melding), m.tekst, 0);
  }
}

struct Plaats {
  std::size_t stuk;
  double y;
};

// The pieces over pages below a heading of `boven`: a group that does not
// fit the rest of a page, but fits a page, starts one; a table's heading
// keeps its first row with it and comes again over rows on a new page.
std::vector<std::vector<Plaats>> Verdeel(const std::vector<Stuk>& stukken, double boven, double hoogte) {
  std::vector<std::vector<Plaats>> bladen(1);
  double y = boven;
  const auto nieuw = [&] {
    bladen.emplace_back();
    y = boven;
  };
  for (std::size_t i = 0; i < stukken.size(); ++i) {
    const Stuk& s = stukken[i];
    if (i == 0 || s.groep != stukken[i - 1].groep) {
      double groep = -s.voor;
      for (std::size_t j = i; j < stukken.size() && stukken[j].groep == s.groep; ++j)
        groep += stukken[j].voor + stukken[j].hoogte;
      if (!bladen.back().empty() && y + s.voor + groep > hoogte && boven + groep <= hoogte) nieuw();
    }
    const bool metRij = i + 1 < stukken.size() && stukken[i + 1].kop == i;
    const double nodig = s.hoogte + (metRij ? stukken[i + 1].hoogte : 0);
    if (!bladen.back().empty() && y + s.voor + nodig > hoogte) nieuw();
    if (bladen.back().empty() && s.kop) {
      bladen.back().push_back({*s.kop, y});
      y += stukken[*s.kop].hoogte;
    }
    if (!bladen.back().empty()) y += s.voor;
    bladen.back().push_back({i, y});
    y += s.hoogte;
  }
  return bladen;
}

// The page's heading: the study and its sheet, the page number at the right.
struct Kop {
  QStringList regels;
  double hoogte = 0;
};
Kop MaakKop(const Maten& m, const QString& naam) {
  const double nummer = m.Breedte(BladNummer(999, 999), m.tekst) + m.pxPerCm * 0.5;
  Kop k;
  k.regels = m.Regels(QTekst(kOnderzoekTitel) + " – " + naam, m.vet, m.breedte - nummer);
  k.hoogte = static_cast<double>(k.regels.size()) * m.Regel(m.vet) + kKopAfstandCm * m.pxPerCm;
  return k;
}
void TekenKop(QPainter& p, const Maten& m, const Kop& k, std::size_t nummer, std::size_t totaal) {
  p.setPen(Qt::black);
  p.setFont(m.vet);
  for (qsizetype r = 0; r < k.regels.size(); ++r)
    p.drawText(QPointF(0, static_cast<double>(r) * m.Regel(m.vet) + m.Ascent(m.vet)), k.regels[r]);
  p.setFont(m.tekst);
  const QString blad = BladNummer(nummer, totaal);
  p.drawText(QPointF(m.breedte - m.Breedte(blad, m.tekst), m.Ascent(m.vet)), blad);
}

std::vector<Stuk> Stukken(const Maten& m, const OnderzoekAntwoord& antwoord) {
  Opbouw o(m);
  for (const OnderzoekPuntTabel& t : antwoord.tabellen) PuntStukken(o, m, t);
  if (!antwoord.samenvatting.empty()) {
    o.NieuweGroep();
    o.Alinea(QTekst(antwoord.samenvatting), m.tekst, kPuntAfstandCm * m.pxPerCm);
  }
  return std::move(o.stukken);
}

}  // namespace

// The annex lays itself out first: its orientation is the document's.
int DrukOnderzoek(QPagedPaintDevice& apparaat, const OnderzoekAntwoord& antwoord, const BijlageTabel& bijlage,
                  const QString& naam) {
  std::optional<BijlageBladen> annex;
  if (!bijlage.regels.empty()) annex.emplace(apparaat, bijlage, QTekst(kBijlageTitel) + " – " + naam);
  const Maten m(apparaat);
  const Kop kop = MaakKop(m, naam);
  const std::vector<Stuk> stukken = Stukken(m, antwoord);
  const auto bladen = Verdeel(stukken, kop.hoogte, m.hoogte);
  const std::size_t totaal = bladen.size() + (annex ? annex->Aantal() : 0);
  QPainter p;
  if (!p.begin(&apparaat)) return 0;
  for (std::size_t n = 0; n < bladen.size(); ++n) {
    if (n > 0) apparaat.newPage();
    TekenKop(p, m, kop, n + 1, totaal);
    for (const Plaats& plaats : bladen[n]) stukken[plaats.stuk].teken(p, plaats.y);
  }
  for (std::size_t n = 0; annex && n < annex->Aantal(); ++n) {
    apparaat.newPage();
    annex->Teken(p, n, bladen.size() + n + 1, totaal);
  }
  return p.end() ? static_cast<int>(totaal) : 0;
}

Uitkomst<void> SchrijfOnderzoekPdf(const QString& pad, const OnderzoekAntwoord& antwoord, const BijlageTabel& bijlage,
                                   const QString& naam) {
  return SchrijfBladenPdf(pad, QTekst(kOnderzoekTitel), [&](QPagedPaintDevice& apparaat) {
    return DrukOnderzoek(apparaat, antwoord, bijlage, naam);
  });
}

void DrukOnderzoekAf(QWidget* ouder, Dialogen& dialogen, const OnderzoekAntwoord& antwoord, const BijlageTabel& bijlage,
                     const QString& naam) {
  DrukBladenAf(ouder, dialogen, QTekst(kOnderzoekTitel), "Onderzoek afdrukken naar bestand",
               QFileInfo(naam).completeBaseName() + ".pdf",
               [&](QPagedPaintDevice& apparaat) { return DrukOnderzoek(apparaat, antwoord, bijlage, naam); });
}

}  // namespace tarvo
