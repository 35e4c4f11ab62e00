#include "shared_ui/BladenAfdruk.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>

#include "shared_ui/Dialogen.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Versie.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {
namespace {

constexpr double kPdfMargeMm = 10;

}  // namespace

QFont Lettertype(double punten, bool vet) {
  QFont f("Arial");
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(punten);
  f.setBold(vet);
  return f;
}

QStringList Afgebroken(const QString& tekst, const QFont& f, double breedte, const QPaintDevice& apparaat) {
  if (tekst.isEmpty()) return {QString()};
  QTextLayout layout(tekst, f, &apparaat);
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

Bladmaten::Bladmaten(const QPaintDevice& a, double celRuimteCm, double rijRuimtePunten)
    : apparaat(&a),
      pxPerCm(a.logicalDpiX() / 2.54),
      breedte(a.width()),
      hoogte(a.height()),
      ruimte(celRuimteCm * pxPerCm),
      rijRuimte(rijRuimtePunten * a.logicalDpiY() / 72.0) {}

double Bladmaten::Breedte(const QString& tekst, const QFont& f) const {
  return QFontMetricsF(f, apparaat).horizontalAdvance(tekst);
}
double Bladmaten::Regel(const QFont& f) const { return QFontMetricsF(f, apparaat).lineSpacing(); }
double Bladmaten::Ascent(const QFont& f) const { return QFontMetricsF(f, apparaat).ascent(); }

QString BladNummer(std::size_t n, std::size_t van) { return QString("blad %1 van %2").arg(n).arg(van); }

Uitkomst<void> SchrijfBladenPdf(const QString& pad, const QString& titel, const Drukker& druk) {
  return BewaarVeilig(pad, [&](QIODevice& bytes) {
    QPdfWriter pdf(&bytes);
    pdf.setCreator(versie::kProductNaam);
    pdf.setTitle(titel);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kPdfMargeMm, kPdfMargeMm, kPdfMargeMm, kPdfMargeMm),
                                  QPageLayout::Millimeter));
    return druk(pdf) > 0;
  });
}

void DrukBladenAf(QWidget* ouder, Dialogen& dialogen, const QString& titel, const QString& vraag,
                  const QString& standaardNaam, const Drukker& druk) {
  AfdrukKeuze keuze = dialogen.Afdrukdialoog(ouder);
  const auto bewaar = [&](const QString& pad) {
    Uitkomst<void> geschreven = MetZandloper([&] { return SchrijfBladenPdf(pad, titel, druk); });
    if (!geschreven) dialogen.Toon(geschreven.Melding() + ".", titel.toStdString(), Icoon::Kritiek);
  };
  switch (keuze.doel) {
    case AfdrukDoel::Geannuleerd:
      return;
    case AfdrukDoel::Bestand: {
      if (!keuze.bestand.isEmpty()) return bewaar(keuze.bestand);
      const auto pad = KiesBewaarPad(dialogen, ouder, vraag, QDir(dialogen.BeginMap()).filePath(standaardNaam),
                                     "PDF-bestanden (*.pdf)", "pdf");
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
        if (druk(printer) == 0) {
          zandloper.Stop();
          dialogen.Toon("Printer " + printer.printerName().toStdString() + " kan niet afdrukken.", titel.toStdString(),
                        Icoon::Kritiek);
          return;
        }
      }
      return;
    }
  }
}

}  // namespace tarvo
