#include "shared_ui/AfdrukPagina.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "base/Tekst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "report/Rapport.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Versie.h"

namespace tarvo {
namespace {

// Resolve to the Liberation twins where the Windows fonts are missing; the
// hints only choose a fallback of the same kind.
constexpr const char* kCourier = "Courier New";
constexpr const char* kArial = "Arial";
// The page's own column heading, in 12 pt over the 10 pt value columns.
constexpr const char* kPeriodeKop = "    DAG  AVOND  NACHT";

constexpr double kLinks = 1, kBoven = 1, kRechts = 19.4, kOnder = 27;
constexpr double kDunneLijn = 0.02;  // cm

// A pen on the page as a line printer works: a current position in cm, text
// set with its top at the current y, each line advancing by the font height.
class Blad {
 public:
  explicit Blad(QPainter& p)
      : p_(p), pxPerCmX_(p.device()->logicalDpiX() / 2.54), pxPerCmY_(p.device()->logicalDpiY() / 2.54) {
    QPen pen(Qt::black);
    pen.setWidthF(kDunneLijn * pxPerCmX_);
    pen.setJoinStyle(Qt::MiterJoin);
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
  }

  double x = 0, y = 0;

  void Lettertype(const char* familie, double punten) {
    font_.setFamily(familie);
    font_.setStyleHint(QString(familie) == kCourier ? QFont::TypeWriter : QFont::SansSerif);
    font_.setKerning(false);
    Grootte(punten);
  }
  void Grootte(double punten) {
    font_.setPointSizeF(punten);
    p_.setFont(font_);
  }
  void Vet(bool aan) {
    font_.setBold(aan);
    p_.setFont(font_);
  }
  void Cursief(bool aan) {
    font_.setItalic(aan);
    p_.setFont(font_);
  }
  void Onderstreept(bool aan) {
    font_.setUnderline(aan);
    p_.setFont(font_);
  }

  double TekstBreedte(const QString& tekst) const { return Maten().horizontalAdvance(tekst) / pxPerCmX_; }

  // Text at the current position; without zelfdeRegel the line ends.
  void Print(const QString& tekst = QString(), bool zelfdeRegel = false) {
    const QFontMetricsF fm = Maten();
    if (!tekst.isEmpty()) p_.drawText(QPointF(x * pxPerCmX_, y * pxPerCmY_ + fm.ascent()), tekst);
    if (zelfdeRegel) {
      x += fm.horizontalAdvance(tekst) / pxPerCmX_;
    } else {
      x = 0;
      y += fm.height() / pxPerCmY_;
    }
  }

  // Column n starts n - 1 character widths of the current font from the left edge.
  void PrintKolom(int kolom, const QString& tekst, bool zelfdeRegel = false) {
    x = (kolom - 1) * Maten().horizontalAdvance(QLatin1Char('0')) / pxPerCmX_;
    Print(tekst, zelfdeRegel);
  }

  void Lijn(double x1, double y1, double x2, double y2) {
    p_.drawLine(Punt(x1, y1), Punt(x2, y2));
    x = x2;
    y = y2;
  }
  void Kader(double x1, double y1, double x2, double y2) {
    p_.drawRect(QRectF(Punt(x1, y1), Punt(x2, y2)));
    x = x2;
    y = y2;
  }

  // An empty line, a rule across the frame, an empty line.
  void Scheiding() {
    Print();
    Lijn(kLinks, y, kRechts, y);
    Print();
  }

 private:
  QFontMetricsF Maten() const { return QFontMetricsF(font_, p_.device()); }
  QPointF Punt(double xCm, double yCm) const { return {xCm * pxPerCmX_, yCm * pxPerCmY_}; }

  QPainter& p_;
  const double pxPerCmX_, pxPerCmY_;
  QFont font_;
};

// The report's own line bodies, set from column 10 (a DL/b line from 41).
void PrintRegels(Blad& b, const std::vector<RapportRegel>& regels) {
  for (const RapportRegel& r : regels) {
    if (r.tekst.empty()) {
      b.Print();
    } else {
      b.PrintKolom(r.dlRegel ? 41 : 10, QTekst(r.tekst));
    }
  }
}

void Kop(Blad& b, std::string_view kop) {
  b.Onderstreept(true);
  b.Cursief(true);
  b.PrintKolom(8, QTekst(kop), true);
  b.PrintKolom(34, kPeriodeKop);
  b.Onderstreept(false);
  b.Cursief(false);
}

void TekenPagina(QPainter& p, const PaginaInhoud& in) {
  Blad b(p);

  b.Lettertype(kArial, 8);
  b.Vet(false);
  b.Kader(kLinks, kBoven, kRechts, kOnder);
  b.x = kLinks;
  b.y += 0.1;  // the footer is the only text under the frame
  b.Print(QString(versie::kBestandsOmschrijving) + " / " + versie::kCopyright, true);
  b.x = kRechts - b.TekstBreedte(in.datumTekst);
  b.Print(in.datumTekst);

  b.Lettertype(kCourier, 12);
  b.x = 0;
  b.y = kBoven;
  b.Vet(true);
  b.Print();
  b.PrintKolom(8, QTekst(GebruikerRegel(in.catalogus)));
  b.PrintKolom(8, QTekst(kRapportTitel));
  b.Scheiding();

  b.Vet(false);
  b.Cursief(true);
  b.PrintKolom(8, QTekst(kWaarneempuntLabel) + QTekst(in.invoer.waarneempunt));
  b.PrintKolom(8, QTekst(kWegLabel) + QTekst(in.invoer.weg));
  b.Cursief(false);
  b.Scheiding();

  Kop(b, kKopInvoer);
  b.Grootte(10);
  PrintRegels(b, InvoerRegels(in.invoer, in.resultaten, in.catalogus, in.decimaal));
  b.Grootte(12);
  b.Scheiding();

  Kop(b, kKopResultaten);
  b.Grootte(10);
  PrintRegels(b, ResultaatRegels(in.invoer, in.resultaten, in.decimaal));

  b.Vet(true);
  b.Print();
  PrintRegels(b, EindRegels(in.resultaten, in.decimaal));

  b.Vet(false);
  b.Cursief(true);
  b.Grootte(12);
  b.Scheiding();
  b.Onderstreept(true);
  b.PrintKolom(8, QTekst(kKopToelichting));
  b.Onderstreept(false);
  for (const std::string& regel : in.invoer.toelichting) b.PrintKolom(8, QTekst(Bijgesneden(regel)));
  b.Cursief(false);
}

}  // namespace

bool DrukPagina(QPagedPaintDevice& apparaat, const PaginaInhoud& inhoud) {
  QPainter p;
  if (!p.begin(&apparaat)) return false;
  TekenPagina(p, inhoud);
  return p.end();
}

void ZetPdfPagina(QPagedPaintDevice& apparaat) {
  // 3 mm all round: the 18.4 cm frame then sits centred on the 21 cm sheet.
  apparaat.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(3, 3, 3, 3), QPageLayout::Millimeter));
}

Uitkomst<void> SchrijfPdf(const QString& pad, const PaginaInhoud& inhoud) { return SchrijfPdf(pad, inhoud, {}); }

Uitkomst<void> SchrijfPdf(const QString& pad, const PaginaInhoud& inhoud, const Schrijfwijze& wijze) {
  return BewaarVeilig(
      pad,
      [&](QIODevice& bytes) {
        QPdfWriter pdf(&bytes);
        pdf.setCreator(versie::kProductNaam);
        pdf.setTitle("Rekenblad Tarvo");
        ZetPdfPagina(pdf);
        return DrukPagina(pdf, inhoud);
      },
      wijze);
}

// Dutch month names whatever the system's language: every text of the program is Dutch.
QString DatumTekst(const QDate& datum) { return QLocale(QLocale::Dutch).toString(datum, "dd MMMM yyyy"); }

}  // namespace tarvo
