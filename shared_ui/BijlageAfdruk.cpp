#include "shared_ui/BijlageAfdruk.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

#include "base/Getal.h"
#include "shared_ui/BladenAfdruk.h"
#include "shared_ui/QtTekst.h"
#include "tools/Bijlage.h"

namespace tarvo {
namespace {

constexpr double kTabelPunten = 8;
constexpr double kKopPunten = 9;
constexpr double kCelRuimteCm = 0.12;     // left and right of a cell's text
constexpr double kRijRuimtePunten = 0.5;  // above and below it
constexpr double kMinKolomCm = 2;         // a value column's least width
constexpr double kMaxWoordCm = 2.5;       // a longer word may break where its column is narrower
constexpr double kMaxNaamCm = 8;          // the labels' column at most; a longer label breaks
constexpr double kKopAfstandCm = 0.3;     // between the page's heading and the table
const QColor kStreep(238, 238, 238);      // every other row, to follow a row across
const QColor kLijn(150, 150, 150);

// The annex as paper shows it: per column of the table a row, per line a column.
struct Papier {
  QString kop;
  QStringList namen;                  // the quantities
  QStringList koppen;                 // the columns' headings
  std::vector<QStringList> kolommen;  // per column its cells, a quantity each
};

Papier PapierVan(const BijlageTabel& tabel) {
  Papier p;
  p.kop = QTekst(kBijlageTitel) + " – " + QTekst(BijlageRekenbladen(tabel));
  for (const BijlageKolom& k : tabel.kolommen) p.namen << QTekst(k.label);
  for (const std::string& kop : BijlageKoppen(tabel)) p.koppen << QTekst(kop);
  for (const auto& regel : tabel.regels) {
    QStringList cellen;
    for (const std::string& cel : regel) cellen << QTekst(cel).trimmed();
    p.kolommen.push_back(cellen);
  }
  return p;
}

// The measures, and the fonts of these pages.
struct Maten : Bladmaten {
  explicit Maten(const QPaintDevice& a) : Bladmaten(a, kCelRuimteCm, kRijRuimtePunten) {}

  QFont tabel = Lettertype(kTabelPunten, false);
  QFont vet = Lettertype(kTabelPunten, true);
  QFont kop = Lettertype(kKopPunten, true);
};

// Widths for `natuurlijk` within `ruimte`: each column its natural width up
// to one cap shared by the widest; nothing when that cap leaves a column
// under its minimum.
std::optional<std::vector<double>> Verdeel(const std::vector<double>& natuurlijk, const std::vector<double>& minimum,
                                           double ruimte) {
  if (std::accumulate(natuurlijk.begin(), natuurlijk.end(), 0.0) <= ruimte) return natuurlijk;
  std::vector<double> oplopend = natuurlijk;
  std::sort(oplopend.begin(), oplopend.end());
  double kap = 0, rest = ruimte;
  for (std::size_t i = 0; i < oplopend.size(); ++i) {
    kap = rest / static_cast<double>(oplopend.size() - i);
    if (oplopend[i] >= kap) break;
    rest -= oplopend[i];
  }
  std::vector<double> breedten;
  for (std::size_t j = 0; j < natuurlijk.size(); ++j) {
    breedten.push_back(std::min(natuurlijk[j], kap));
    if (breedten.back() < minimum[j]) return std::nullopt;
  }
  return breedten;
}

// The columns that share pages, with their widths and the rows' heights there.
struct Groep {
  std::vector<std::size_t> kolommen;
  std::vector<double> breedten;
  std::vector<QStringList> koppen;               // per column its heading's lines
  std::vector<std::vector<QStringList>> cellen;  // per column, per quantity its lines
  double kopHoogte = 0;
  std::vector<double> rijHoogten;
};

struct Blad {
  std::size_t groep, van, tot;  // the quantities [van, tot) of one group
};

struct Indeling {
  double naamBreedte = 0;
  std::vector<QStringList> namen;  // per quantity its label's lines
  QStringList kopRegels;           // the page heading's lines, left of the page number
  double kopHoogte = 0;
  std::vector<Groep> groepen;
  std::vector<Blad> bladen;
};

// Each value column's natural width, holding each text on one line, and its
// least width: its numbers whole, and its words up to a width where a name
// or a path had better break than take the page.
struct Breedten {
  std::vector<double> natuurlijk, minimum;
};

Breedten MeetKolommen(const Maten& m, const Papier& p, double ruimte) {
  Breedten b;
  for (std::size_t j = 0; j < p.kolommen.size(); ++j) {
    double n = 0, woorden = 0, getallen = m.pxPerCm * kMinKolomCm;
    const auto meet = [&](const QString& tekst, const QFont& f) {
      const double breedte = m.Breedte(tekst, f);
      n = std::max(n, breedte);
      if (IsGetal(tekst.toStdString())) getallen = std::max(getallen, breedte);
      for (const QString& woord : tekst.split(' ', Qt::SkipEmptyParts)) {
        woorden = std::max(woorden, std::min(m.Breedte(woord, f), m.pxPerCm * kMaxWoordCm));
      }
    };
    meet(p.koppen[static_cast<qsizetype>(j)], m.vet);
    for (const QString& cel : p.kolommen[j]) meet(cel, m.tabel);
    b.natuurlijk.push_back(std::min(n + 2 * m.ruimte + 1, ruimte));
    b.minimum.push_back(std::min(std::max(getallen, woorden) + 2 * m.ruimte + 1, b.natuurlijk.back()));
  }
  return b;
}

// The widths of the columns [van, tot) side by side within `ruimte`, if they fit.
std::optional<std::vector<double>> Past(const Breedten& b, std::size_t van, std::size_t tot, double ruimte) {
  const auto deel = [&](const std::vector<double>& v) {
    return std::vector<double>(v.begin() + static_cast<std::ptrdiff_t>(van),
                               v.begin() + static_cast<std::ptrdiff_t>(tot));
  };
  return Verdeel(deel(b.natuurlijk), deel(b.minimum), ruimte);
}

// As many columns on a page as fit, in as few groups; then the same number
// of groups evened out, so the last is not a lone column.
std::vector<std::pair<std::size_t, std::size_t>> Groepeer(const Breedten& b, double ruimte) {
  const std::size_t aantal = b.natuurlijk.size();
  std::vector<std::pair<std::size_t, std::size_t>> indeling;
  for (std::size_t j = 0; j < aantal; ++j) {
    if (!indeling.empty() && Past(b, indeling.back().first, j + 1, ruimte)) {
      indeling.back().second = j + 1;
    } else {
      indeling.push_back({j, j + 1});
    }
  }
  if (indeling.empty()) return {{0, 0}};
  const std::size_t per = (aantal + indeling.size() - 1) / indeling.size();
  std::vector<std::pair<std::size_t, std::size_t>> gelijk;
  for (std::size_t van = 0; van < aantal; van += per) gelijk.push_back({van, std::min(van + per, aantal)});
  const bool allePassen = std::all_of(gelijk.begin(), gelijk.end(),
                                      [&](const auto& g) { return Past(b, g.first, g.second, ruimte).has_value(); });
  return gelijk.size() == indeling.size() && allePassen ? gelijk : indeling;
}

// A group's lines in each cell and heading, and the height of each row: its
// label's lines or its tallest cell's, whichever has more.
Groep MaakGroep(const Maten& m, const Papier& p, const Indeling& d, std::vector<double> breedten, std::size_t van,
                std::size_t tot) {
  Groep g;
  g.breedten = std::move(breedten);
  const double regel = m.Regel(m.tabel);
  std::size_t kopRegels = 1;
  std::vector<std::size_t> rijRegels;
  for (const QStringList& naam : d.namen) rijRegels.push_back(static_cast<std::size_t>(naam.size()));
  for (std::size_t k = van; k < tot; ++k) {
    g.kolommen.push_back(k);
    const double tekstBreedte = g.breedten[k - van] - 2 * m.ruimte;
    g.koppen.push_back(m.Regels(p.koppen[static_cast<qsizetype>(k)], m.vet, tekstBreedte));
    kopRegels = std::max(kopRegels, static_cast<std::size_t>(g.koppen.back().size()));
    std::vector<QStringList> cellen;
    for (std::size_t i = 0; i < rijRegels.size(); ++i) {
      cellen.push_back(m.Regels(p.kolommen[k][static_cast<qsizetype>(i)], m.tabel, tekstBreedte));
      rijRegels[i] = std::max(rijRegels[i], static_cast<std::size_t>(cellen.back().size()));
    }
    g.cellen.push_back(std::move(cellen));
  }
  g.kopHoogte = static_cast<double>(kopRegels) * regel + 2 * m.rijRuimte;
  for (std::size_t n : rijRegels) g.rijHoogten.push_back(static_cast<double>(n) * regel + 2 * m.rijRuimte);
  return g;
}

// Each group's rows over as many pages as they need below the headings.
std::vector<Blad> Bladen(const Maten& m, const Indeling& d) {
  std::vector<Blad> bladen;
  for (std::size_t g = 0; g < d.groepen.size(); ++g) {
    const Groep& groep = d.groepen[g];
    const double ruimteRijen = m.hoogte - d.kopHoogte - groep.kopHoogte;
    std::size_t van = 0;
    while (van < groep.rijHoogten.size() || (van == 0 && groep.rijHoogten.empty())) {
      std::size_t tot = van;
      double h = 0;
      while (tot < groep.rijHoogten.size() && (tot == van || h + groep.rijHoogten[tot] <= ruimteRijen)) {
        h += groep.rijHoogten[tot++];
      }
      bladen.push_back({g, van, tot});
      if (tot == van) break;
      van = tot;
    }
  }
  return bladen;
}

// The labels take the width of the widest up to a cap, beyond which they
// break over lines: a long label must not leave the values no room.
Indeling Deel(const Maten& m, const Papier& p) {
  Indeling d;
  for (const QString& naam : p.namen) d.naamBreedte = std::max(d.naamBreedte, m.Breedte(naam, m.tabel) + 1);
  d.naamBreedte = std::min(d.naamBreedte, m.pxPerCm * kMaxNaamCm) + 2 * m.ruimte;
  for (const QString& naam : p.namen) d.namen.push_back(m.Regels(naam, m.tabel, d.naamBreedte - 2 * m.ruimte));

  // The heading leaves room for the widest page number it may come to.
  const double nummer = m.Breedte(BladNummer(999, 999), m.tabel) + m.pxPerCm * 0.5;
  d.kopRegels = m.Regels(p.kop, m.kop, m.breedte - nummer);
  d.kopHoogte = static_cast<double>(d.kopRegels.size()) * m.Regel(m.kop) + kKopAfstandCm * m.pxPerCm;

  const double ruimte = m.breedte - d.naamBreedte;
  const Breedten breedten = MeetKolommen(m, p, ruimte);
  for (const auto& [van, tot] : Groepeer(breedten, ruimte)) {
    d.groepen.push_back(MaakGroep(m, p, d, Past(breedten, van, tot, ruimte).value_or(std::vector<double>{}), van, tot));
  }
  d.bladen = Bladen(m, d);
  return d;
}

// The page's heading: title and worksheets, the page number at the right.
void TekenKop(QPainter& pt, const Maten& m, const Indeling& d, std::size_t nummer, std::size_t totaal) {
  pt.setPen(Qt::black);
  pt.setFont(m.kop);
  const QFontMetricsF kop(m.kop, m.apparaat);
  for (qsizetype r = 0; r < d.kopRegels.size(); ++r) {
    pt.drawText(QPointF(0, static_cast<double>(r) * kop.lineSpacing() + kop.ascent()), d.kopRegels[r]);
  }
  pt.setFont(m.tabel);
  const QString blad = BladNummer(nummer, totaal);
  pt.drawText(QPointF(m.breedte - m.Breedte(blad, m.tabel), kop.ascent()), blad);
}

void TekenBlad(QPainter& pt, const Maten& m, const Papier& p, const Indeling& d, std::size_t n, std::size_t nummer,
               std::size_t totaal) {
  const Blad& blad = d.bladen[n];
  const Groep& g = d.groepen[blad.groep];
  const double regel = m.Regel(m.tabel);
  const double ascent = QFontMetricsF(m.tabel, m.apparaat).ascent();
  TekenKop(pt, m, d, nummer, totaal);

  double breedte = d.naamBreedte;
  for (double b : g.breedten) breedte += b;
  const auto tekst = [&](const QStringList& regels, double x, double w, double y, bool rechts) {
    for (qsizetype r = 0; r < regels.size(); ++r) {
      const double links = rechts ? x + w - m.ruimte - m.Breedte(regels[r], pt.font()) : x + m.ruimte;
      pt.drawText(QPointF(links, y + m.rijRuimte + static_cast<double>(r) * regel + ascent), regels[r]);
    }
  };

  // The columns' headings, over a rule.
  double y = d.kopHoogte;
  pt.setFont(m.vet);
  tekst({"grootheid"}, 0, d.naamBreedte, y, false);
  double x = d.naamBreedte;
  for (std::size_t c = 0; c < g.kolommen.size(); ++c) {
    tekst(g.koppen[c], x, g.breedten[c], y, true);
    x += g.breedten[c];
  }
  y += g.kopHoogte;
  QPen lijn(kLijn);
  lijn.setWidthF(m.pxPerCm * 0.02);
  pt.setPen(lijn);
  pt.drawLine(QPointF(0, y), QPointF(breedte, y));

  // A row per quantity: its name, then its value at each column; numbers to the right.
  pt.setFont(m.tabel);
  for (std::size_t i = blad.van; i < blad.tot; ++i) {
    const double h = g.rijHoogten[i];
    if ((i - blad.van) % 2 == 1) pt.fillRect(QRectF(0, y, breedte, h), kStreep);
    pt.setPen(Qt::black);
    tekst(d.namen[i], 0, d.naamBreedte, y, false);
    x = d.naamBreedte;
    for (std::size_t c = 0; c < g.kolommen.size(); ++c) {
      const QString& cel = p.kolommen[g.kolommen[c]][static_cast<qsizetype>(i)];
      tekst(g.cellen[c][i], x, g.breedten[c], y, IsGetal(cel.toStdString()));
      x += g.breedten[c];
    }
    y += h;
  }
  pt.setPen(lijn);
  pt.drawLine(QPointF(0, y), QPointF(breedte, y));
  x = d.naamBreedte;
  for (double b : g.breedten) {
    pt.drawLine(QPointF(x, d.kopHoogte), QPointF(x, y));
    x += b;
  }
}

}  // namespace

struct BijlageBladen::Opmaak {
  Papier papier;
  Maten maten;
  Indeling indeling;
};

// Portrait, unless its columns need more than one group there.
BijlageBladen::BijlageBladen(QPagedPaintDevice& apparaat, const BijlageTabel& tabel, const QString& kop) {
  Papier papier = PapierVan(tabel);
  if (!kop.isEmpty()) papier.kop = kop;
  apparaat.setPageOrientation(QPageLayout::Portrait);
  Indeling d = Deel(Maten(apparaat), papier);
  if (d.groepen.size() > 1) {
    apparaat.setPageOrientation(QPageLayout::Landscape);
    d = Deel(Maten(apparaat), papier);
  }
  opmaak_ = std::make_unique<Opmaak>(Opmaak{std::move(papier), Maten(apparaat), std::move(d)});
}

BijlageBladen::~BijlageBladen() = default;

std::size_t BijlageBladen::Aantal() const { return opmaak_->indeling.bladen.size(); }

void BijlageBladen::Teken(QPainter& p, std::size_t n, std::size_t nummer, std::size_t totaal) const {
  TekenBlad(p, opmaak_->maten, opmaak_->papier, opmaak_->indeling, n, nummer, totaal);
}

int DrukBijlage(QPagedPaintDevice& apparaat, const BijlageTabel& tabel) {
  const BijlageBladen bladen(apparaat, tabel);
  QPainter p;
  if (!p.begin(&apparaat)) return 0;
  for (std::size_t n = 0; n < bladen.Aantal(); ++n) {
    if (n > 0) apparaat.newPage();
    bladen.Teken(p, n, n + 1, bladen.Aantal());
  }
  return p.end() ? static_cast<int>(bladen.Aantal()) : 0;
}

Uitkomst<void> SchrijfBijlagePdf(const QString& pad, const BijlageTabel& tabel) {
  return SchrijfBladenPdf(pad, QTekst(kBijlageTitel),
                          [&tabel](QPagedPaintDevice& apparaat) { return DrukBijlage(apparaat, tabel); });
}

void DrukBijlageAf(QWidget* ouder, Dialogen& dialogen, const BijlageTabel& tabel, const QString& standaardNaam) {
  DrukBladenAf(ouder, dialogen, QTekst(kBijlageTitel), "Bijlage afdrukken naar bestand", standaardNaam,
               [&tabel](QPagedPaintDevice& apparaat) { return DrukBijlage(apparaat, tabel); });
}

}  // namespace tarvo
