#include "shared_ui/BijlageAfdruk.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

#include "base/Getal.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Versie.h"
#include "shared_ui/Zandloper.h"
#include "tools/Bijlage.h"

namespace tarvo {
namespace {

// Arial resolves to its Liberation twin where it is missing.
constexpr const char* kArial = "Arial";
constexpr double kTabelPunten = 8;
constexpr double kKopPunten = 9;
constexpr double kCelRuimteCm = 0.12;     // left and right of a cell's text
constexpr double kRijRuimtePunten = 0.5;  // above and below it
constexpr double kMinKolomCm = 2;         // a value column's least width
constexpr double kMaxWoordCm = 2.5;       // a longer word may break where its column is narrower
constexpr double kMaxNaamCm = 8;          // the labels' column at most; a longer label breaks
constexpr double kKopAfstandCm = 0.3;     // between the page's heading and the table
constexpr double kPdfMargeMm = 10;
const QColor kStreep(238, 238, 238);  // every other row, to follow a row across
const QColor kLijn(150, 150, 150);

QFont Lettertype(double punten, bool vet) {
  QFont f(kArial);
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(punten);
  f.setBold(vet);
  return f;
}

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

// Measures on the device the pages are drawn on, in its pixels.
struct Maten {
  explicit Maten(const QPaintDevice& a)
      : apparaat(&a),
        pxPerCm(a.logicalDpiX() / 2.54),
        breedte(a.width()),
        hoogte(a.height()),
        ruimte(kCelRuimteCm * pxPerCm),
        rijRuimte(kRijRuimtePunten * a.logicalDpiY() / 72.0) {}

  double Breedte(const QString& tekst, const QFont& f) const {
    return QFontMetricsF(f, apparaat).horizontalAdvance(tekst);
  }
  double Regel(const QFont& f) const { return QFontMetricsF(f, apparaat).lineSpacing(); }

  // The lines of `tekst` within `breedte`: broken between words, and inside
  // a word only where the word alone is wider. Never cut.
  QStringList Regels(const QString& tekst, const QFont& f, double breedte) const {
    if (tekst.isEmpty()) return {QString()};
    QTextLayout layout(tekst, f, apparaat);
    QTextOption optie;
    optie.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(optie);
    QStringList regels;
    layout.beginLayout();
    for (QTextLine r = layout.createLine(); r.isValid(); r = layout.createLine()) {
      r.setLineWidth(std::max(1.0, breedte));
      regels << tekst.mid(r.textStart(), r.textLength()).trimmed();
    }
    layout.endLayout();
    return regels;
  }

  const QPaintDevice* apparaat;
  double pxPerCm, breedte, hoogte, ruimte, rijRuimte;
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

QString BladNummer(std::size_t n, std::size_t van) { return QString("blad %1 van %2").arg(n).arg(van); }

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
void TekenKop(QPainter& pt, const Maten& m, const Indeling& d, std::size_t n) {
  pt.setPen(Qt::black);
  pt.setFont(m.kop);
  const QFontMetricsF kop(m.kop, m.apparaat);
  for (qsizetype r = 0; r < d.kopRegels.size(); ++r) {
    pt.drawText(QPointF(0, static_cast<double>(r) * kop.lineSpacing() + kop.ascent()), d.kopRegels[r]);
  }
  pt.setFont(m.tabel);
  const QString nummer = BladNummer(n + 1, d.bladen.size());
  pt.drawText(QPointF(m.breedte - m.Breedte(nummer, m.tabel), kop.ascent()), nummer);
}

void TekenBlad(QPainter& pt, const Maten& m, const Papier& p, const Indeling& d, std::size_t n) {
  const Blad& blad = d.bladen[n];
  const Groep& g = d.groepen[blad.groep];
  const double regel = m.Regel(m.tabel);
  const double ascent = QFontMetricsF(m.tabel, m.apparaat).ascent();
  TekenKop(pt, m, d, n);

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

int DrukBijlage(QPagedPaintDevice& apparaat, const BijlageTabel& tabel) {
  const Papier papier = PapierVan(tabel);
  apparaat.setPageOrientation(QPageLayout::Portrait);
  Indeling d = Deel(Maten(apparaat), papier);
  if (d.groepen.size() > 1) {
    apparaat.setPageOrientation(QPageLayout::Landscape);
    d = Deel(Maten(apparaat), papier);
  }
  QPainter p;
  if (!p.begin(&apparaat)) return 0;
  const Maten m(apparaat);
  for (std::size_t n = 0; n < d.bladen.size(); ++n) {
    if (n > 0) apparaat.newPage();
    TekenBlad(p, m, papier, d, n);
  }
  return p.end() ? static_cast<int>(d.bladen.size()) : 0;
}

Uitkomst<void> SchrijfBijlagePdf(const QString& pad, const BijlageTabel& tabel) {
  return BewaarVeilig(pad, [&](QIODevice& bytes) {
    QPdfWriter pdf(&bytes);
    pdf.setCreator(versie::kProductNaam);
    pdf.setTitle(QTekst(kBijlageTitel));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kPdfMargeMm, kPdfMargeMm, kPdfMargeMm, kPdfMargeMm),
                                  QPageLayout::Millimeter));
    return DrukBijlage(pdf, tabel) > 0;
  });
}

void DrukBijlageAf(QWidget* ouder, Dialogen& dialogen, const BijlageTabel& tabel, const QString& standaardNaam) {
  AfdrukKeuze keuze = dialogen.Afdrukdialoog(ouder);
  const auto bewaar = [&](const QString& pad) {
    Uitkomst<void> geschreven = MetZandloper([&] { return SchrijfBijlagePdf(pad, tabel); });
    if (!geschreven) dialogen.Toon(geschreven.Melding() + ".", std::string(kBijlageTitel), Icoon::Kritiek);
  };
  switch (keuze.doel) {
    case AfdrukDoel::Geannuleerd:
      return;
    case AfdrukDoel::Bestand: {
      if (!keuze.bestand.isEmpty()) return bewaar(keuze.bestand);
      const auto pad = KiesBewaarPad(dialogen, ouder, "Bijlage afdrukken naar bestand",
                                     QDir(dialogen.BeginMap()).filePath(standaardNaam), "PDF-bestanden (*.pdf)", "pdf");
      if (pad) bewaar(*pad);
      return;
    }
    case AfdrukDoel::Printer: {
      if (!keuze.printer) return;
      QPrinter& printer = *keuze.printer;
      if (!printer.outputFileName().isEmpty()) return bewaar(printer.outputFileName());
      // The copies were reported to the program: the driver must not multiply them again.
      printer.setCopyCount(1);
      Zandloper zandloper;
      for (int kopie = 1; kopie <= keuze.kopieen; ++kopie) {
        if (DrukBijlage(printer, tabel) == 0) {
          zandloper.Stop();
          dialogen.Toon("Printer " + printer.printerName().toStdString() + " kan niet afdrukken.",
                        std::string(kBijlageTitel), Icoon::Kritiek);
          return;
        }
      }
      return;
    }
  }
}

}  // namespace tarvo
