// The report on screen, on paper, in a .prn file and as PDF.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPaintEngine>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "ScriptDialogen.h"
#include "app/PdfOpdracht.h"
#include "base/Tekst.h"
#include "driver/Opdracht.h"
#include "report/Rapport.h"
#include "shared_ui/AfdrukPagina.h"
#include "shared_ui/Afdrukken.h"
#include "shared_ui/Versie.h"
#include "tests/Schrijfgrens.h"
#include "windows/VoorbeeldVenster.h"

using namespace tarvo;

namespace {

const QString kData = QStringLiteral(TARVO_SOURCE_DIR "/data");
const QByteArray kWerkblad = (kData + "/voorbeeld.tvo").toLocal8Bit();
const QByteArray kWegdekken = (kData + "/Wegdekken_2012.dat").toLocal8Bit();

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The sample worksheet, calculated; with `eigenNaam` a user name outside ASCII.
struct Voorbeeld {
  GeopendWerkblad geopend;
  Berekend berekend;
  PaginaInhoud Inhoud() const {
    return {berekend.invoer, berekend.resultaten, geopend.catalogus, ',', "01 maart 2024"};
  }
  std::string Rapport() const { return RapportTekst(berekend.invoer, berekend.resultaten, geopend.catalogus, ','); }
};
std::unique_ptr<Voorbeeld> BerekendVoorbeeld(bool eigenNaam = true) {
  const OpdrachtInstellingen inst{kWerkblad.toStdString(), kWegdekken.toStdString(), ',', {2024, 3, 1}};
  auto geopend = OpenWerkblad(inst);
  if (!geopend) qFatal("voorbeeld.tvo: %s", geopend.Melding().c_str());
  auto berekend = RekenGeopend(*geopend, inst.vandaag);
  if (!berekend) qFatal("voorbeeld.tvo: %s", berekend.Melding().c_str());
  auto v = std::make_unique<Voorbeeld>(Voorbeeld{std::move(*geopend), std::move(*berekend)});
  if (eigenNaam) v->geopend.catalogus.Gebruikersnaam = VastBreed("Geluidbureau Müller", kNaamLengte);
  return v;
}

QByteArray LeesBestand(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The lines of a PDF page by poppler's `pdftotext -fixed`: a character cell
// every `pitch` points, so the text of a monospaced font of that pitch reads
// back in its own columns. Cropped from x = 3 pt, half a cell, each character
// starts mid-cell.
QStringList PdfRegels(const QString& pdf, const QString& pitch = "7.2") {
  QProcess p;
  p.start("pdftotext", {"-fixed", pitch, "-x", "3", "-y", "0", "-W", "600", "-H", "850", pdf, "-"});
  if (!p.waitForFinished(-1)) qFatal("pdftotext ontbreekt (poppler-utils)");
  return QString::fromUtf8(p.readAllStandardOutput()).split('\n');
}

// Text set from character column `kolom` of the page as -fixed reads it: the
// 3 mm margin is one more cell; trailing blanks leave no trace.
QString OpKolom(int kolom, const QString& tekst) {
  QString regel = QString(kolom, ' ') + tekst;
  while (regel.endsWith(' ')) regel.chop(1);
  return regel;
}

// Per document a printer starts: the texts drawn and the printer's own copy count.
class TelEngine : public QPaintEngine {
 public:
  QList<QStringList> documenten;
  QList<int> kopieInstelling;
  TelEngine() : QPaintEngine(AllFeatures) {}
  bool begin(QPaintDevice* apparaat) override {
    documenten.append(QStringList());
    kopieInstelling.append(static_cast<QPrinter*>(apparaat)->copyCount());
    return true;
  }
  bool end() override { return true; }
  void drawTextItem(const QPointF&, const QTextItem& ti) override { documenten.last().append(ti.text()); }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  Type type() const override { return User; }
};

// A printer that paints with `engine`: documents are counted, not printed.
class TelPrinter : public QPrinter {
 public:
  explicit TelPrinter(TelEngine& engine) : QPrinter(HighResolution), engine_(engine) {
    setOutputFormat(PdfFormat);  // page metrics only; nothing is written
    setCopyCount(7);
  }
  QPaintEngine* paintEngine() const override { return &engine_; }

 private:
  TelEngine& engine_;
};

// tarvo --pdf with these arguments.
int Draai(std::vector<QByteArray> woorden) {
  std::vector<char*> argv;
  for (auto& w : woorden) argv.push_back(w.data());
  return PdfOpdracht(static_cast<int>(argv.size()), argv.data());
}

AfdrukKeuze NaarBestand(const QString& naam = QString()) { return {AfdrukDoel::Bestand, 1, naam, nullptr}; }

// What the status bar would say.
QString Druk(ScriptDialogen& dialogen, const Voorbeeld& v) { return DrukAf(nullptr, dialogen, v.Inhoud()); }

// A printer as Qt's dialog sets it up for "print to file".
AfdrukKeuze NaarPdf(const QString& pad) {
  auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
  pdf->setOutputFileName(pad);  // PDF format follows from the name
  return {AfdrukDoel::Printer, 2, {}, std::move(pdf)};
}

}  // namespace

class TestAfdrukken : public QObject {
  Q_OBJECT

 private slots:
  // The page of the sample worksheet through `tarvo --pdf`, read back: every
  // report line in its character columns, the headings, the footer last.
  void pdfPagina() {
    QTemporaryDir map;
    const QString pdf = map.filePath("rekenblad.pdf");
    QCOMPARE(Draai({"tarvo", "--pdf", kWerkblad, pdf.toLocal8Bit(), "--wegdekken", kWegdekken, "--decimaal", ",",
                    "--datum", "2024-03-01"}),
             0);
    const auto v = BerekendVoorbeeld(false);
    const Invoer& in = v->berekend.invoer;
    const Resultaten& r = v->berekend.resultaten;

    // The value lines in 10 pt Courier (6 pt a character): the core's own
    // bodies from column 10, a DL/b line from 41, block by block.
    const QStringList pagina10 = PdfRegels(pdf, "6");
    QStringList invoer, resultaat;
    for (const auto& regel : InvoerRegels(in, r, v->geopend.catalogus, ',')) {
      invoer << OpKolom(regel.dlRegel ? 41 : 10, Q(regel.tekst));
    }
    for (const auto& regel : ResultaatRegels(in, r, ',')) resultaat << OpKolom(10, Q(regel.tekst));
    resultaat << "";
    for (const auto& regel : EindRegels(r, ',')) resultaat << OpKolom(10, Q(regel.tekst));
    QVERIFY(invoer.last().endsWith("(DL,zv =  0,00; b,zv =  0,00)"));
    QVERIFY(resultaat.contains(OpKolom(10, "Lden                         :     60,4 dB")));
    QVERIFY(resultaat.last().endsWith(":     Matig"));
    for (const QStringList& blok : {invoer, resultaat}) {
      const qsizetype n = pagina10.indexOf(blok.first());
      QVERIFY2(n >= 0, qPrintable(blok.first()));
      QCOMPARE(pagina10.mid(n, blok.size()), blok);
    }

    // The 12 pt lines (7.2 pt a character) from column 8, a heading's periods from 34.
    const QStringList pagina12 = PdfRegels(pdf);
    QStringList kop = {Q(kRapportTitel), Q(kWaarneempuntLabel) + Q(in.waarneempunt),
                       Q(kKopResultaten).leftJustified(26) + "    DAG  AVOND  NACHT",
                       Q(Bijgesneden(in.toelichting[0]))};
    for (const QString& t : kop) QVERIFY2(pagina12.contains(OpKolom(8, t)), qPrintable(t));

    // The footer, the last text before the page break, 1 cm in from the
    // printable corner: column 6.
    const QString voet = pagina10.at(pagina10.size() - 2);
    QCOMPARE(voet.simplified(), QString(versie::kBestandsOmschrijving) + " / " + versie::kCopyright + " 01 maart 2024");
    QVERIFY(voet.startsWith(OpKolom(6, "Tarvo")));

    // No PDF file named: wrong use. (Options and refused input are shared
    // with tarvo-reken, tested there.)
    QCOMPARE(Draai({"tarvo", "--pdf", kWerkblad}), 2);
  }

  // A failed write is status 1; the page never takes the place of a
  // program file, not even through a link.
  void pdfSchrijftVeilig() {
    QTemporaryDir map;
    const auto pad = [&](const char* naam) { return map.filePath(naam); };
    QVERIFY(QFile::copy(kData + "/voorbeeld.tvo", pad("blad.tvo")) &&
            QFile::copy(kData + "/Wegdekken_2012.dat", pad("Wegdekken_2012.dat")));
    const auto pdf = [&](const QString& uit) {
      return Draai({"tarvo", "--pdf", pad("blad.tvo").toLocal8Bit(), uit.toLocal8Bit(), "--wegdekken",
                    pad("Wegdekken_2012.dat").toLocal8Bit()});
    };
    const QByteArray blad = LeesBestand(pad("blad.tvo")), catalogus = LeesBestand(pad("Wegdekken_2012.dat"));
    QCOMPARE(pdf(pad("uit.pdf")), 0);
    QVERIFY(LeesBestand(pad("uit.pdf")).startsWith("%PDF"));
    QCOMPARE(QDir(map.path()).entryList(QDir::Files).size(), 3);

#ifndef Q_OS_WIN
    QCOMPARE(pdf("/dev/full"), 1);
#endif

    QVERIFY(QFile::link(pad("blad.tvo"), pad("link.pdf")));
    for (const char* uit : {"blad.tvo", "ander.TVO", "Wegdekken_2012.dat", "link.pdf"}) QCOMPARE(pdf(pad(uit)), 2);
    QCOMPARE(LeesBestand(pad("blad.tvo")), blad);
    QCOMPARE(LeesBestand(pad("Wegdekken_2012.dat")), catalogus);
    QVERIFY(!QFile::exists(pad("ander.TVO")));
  }

  // Two copies are two documents, each the whole page, with the driver's
  // own copy count at 1 (or it would multiply them again); the page names
  // the point of the input it is given.
  // A printer that writes a file (Qt's dialog, any name but .prn) gets the page as PDF.
  void naarPrinter() {
    auto v = BerekendVoorbeeld();
    v->berekend.invoer.waarneempunt = "Nieuw waarneempunt";
    TelEngine telling;
    ScriptDialogen dialogen;
    dialogen.afdrukAntwoorden.push_back({AfdrukDoel::Printer, 2, {}, std::make_unique<TelPrinter>(telling)});
    QCOMPARE(Druk(dialogen, *v), QString());
    QCOMPARE(telling.kopieInstelling, (QList<int>{1, 1}));
    QCOMPARE(telling.documenten[1], telling.documenten[0]);
    QVERIFY(telling.documenten[0].contains(Q(kWaarneempuntLabel) + "Nieuw waarneempunt"));

    QTemporaryDir map;
    dialogen.afdrukAntwoorden.push_back(NaarPdf(map.filePath("uit.pdf")));
    QCOMPARE(Druk(dialogen, *v), "PDF opgeslagen in " + QDir::toNativeSeparators(map.filePath("uit.pdf")));
    QVERIFY(PdfRegels(map.filePath("uit.pdf")).join('\n').contains(Q(kWaarneempuntLabel) + "Nieuw waarneempunt"));
    QVERIFY(!QApplication::overrideCursor() && dialogen.meldingen.empty() && dialogen.bewaarFilters.empty());
  }

  // Print to file: the preview text and one line break, in Windows-1252,
  // over any longer old file; the name is asked only when the print dialog
  // did not; cancel is quiet (a failure: naarPdfOpVolleSchijf, the same way).
  void naarBestand() {
    QTemporaryDir map;
    const QString prn = map.filePath("rapport.prn");
    ScriptDialogen dialogen;
    auto v = BerekendVoorbeeld();
    const QByteArray verwacht = QByteArray::fromStdString(Utf8NaarCp1252(v->Rapport() + "\r\n"));
    QVERIFY(verwacht.startsWith("GELUIDBUREAU M\xDCLLER"));
    QVERIFY(QFile(prn).open(QIODevice::WriteOnly) && QFile::resize(prn, 10000));  // a longer old file
    dialogen.afdrukAntwoorden.push_back(NaarBestand());
    dialogen.bewaarAntwoorden.push_back(prn);
    QCOMPARE(Druk(dialogen, *v), "Afdruk opgeslagen in " + QDir::toNativeSeparators(prn));
    QVERIFY(dialogen.bewaarFilters == std::vector<QString>{"Uitvoerbestanden (*.prn)"});
    QCOMPARE(LeesBestand(prn), verwacht);
    dialogen.afdrukAntwoorden.push_back(NaarBestand(map.filePath("uit-dialoog.prn")));
    Druk(dialogen, *v);
    QCOMPARE(LeesBestand(map.filePath("uit-dialoog.prn")), verwacht);
    QCOMPARE(dialogen.bewaarFilters.size(), std::size_t{1});

    QCOMPARE(Druk(dialogen, *v), QString());  // cancel in the print dialog
    dialogen.afdrukAntwoorden.push_back(NaarBestand());
    QCOMPARE(Druk(dialogen, *v), QString());  // cancel in the save dialog
    QCOMPARE(dialogen.bewaarFilters.size(), std::size_t{2});
    QCOMPARE(QDir(map.path()).entryList(QDir::Files).size(), 2);
    QVERIFY(dialogen.meldingen.empty());
  }

  // Print to a PDF file on a full disk: the old file stays, and the message
  // is the one "Opslaan als PDF…" gives; no word of success.
  void naarPdfOpVolleSchijf() {
    QTemporaryDir map;
    const QString pdf = map.filePath("rapport.pdf");
    QFile oud(pdf);
    QVERIFY(oud.open(QIODevice::WriteOnly) && oud.write("oude afdruk") == 11);
    oud.close();
    auto v = BerekendVoorbeeld();
    ScriptDialogen afdrukken, voorbeeld;
    afdrukken.afdrukAntwoorden.push_back(NaarPdf(pdf));
    voorbeeld.bewaarAntwoorden.push_back(pdf);
    QString bevestiging = "niet gedrukt";
    {
      test::Schrijfgrens grens(1000);
      bevestiging = Druk(afdrukken, *v);
      VoorbeeldVenster(nullptr, voorbeeld, v->Inhoud(), pdf).BewaarPdf();
    }
    QCOMPARE(bevestiging, QString());
    QCOMPARE(LeesBestand(pdf), QByteArray("oude afdruk"));
    QCOMPARE(afdrukken.meldingen.size(), std::size_t{1});
    QCOMPARE(afdrukken.meldingen[0].tekst, voorbeeld.meldingen.back().tekst);
    QVERIFY(afdrukken.meldingen[0].tekst.ends_with("het oude bestand is bewaard gebleven."));
    QCOMPARE(afdrukken.meldingen[0].icoon, Icoon::Kritiek);
  }

  // The preview shows the report text in Courier New (Liberation Mono
  // here), each part in its own style; its PDF command writes the printed page.
  void voorbeeldVenster() {
    auto v = BerekendVoorbeeld();
    QTemporaryDir map;
    ScriptDialogen dialogen;
    VoorbeeldVenster venster(nullptr, dialogen, v->Inhoud(), map.path());
    QTextEdit* rapport = venster.rapport();
    QVERIFY(rapport->isReadOnly());
    QCOMPARE(rapport->toPlainText(), Q(v->Rapport()).replace("\r\n", "\n"));
    // The format of the character after `tekst` begins, by the line it opens.
    const auto opmaak = [&](const QString& tekst) {
      QTextCursor c(rapport->document());
      c.setPosition(static_cast<int>(rapport->toPlainText().indexOf(tekst)) + 1);  // the format before the cursor
      return c.charFormat();
    };
    QCOMPARE(QFontInfo(opmaak("GELUIDBUREAU").font()).family(), QString("Liberation Mono"));
    QVERIFY(opmaak("GELUIDBUREAU").font().bold());
    QVERIFY(opmaak(Q(kKopToelichting)).fontUnderline() && opmaak(Q(kKopToelichting)).fontItalic());
    QCOMPARE(opmaak("Emissiegetal").fontPointSize(), 8.0);                                          // the result lines
    QVERIFY(opmaak("Lden       ").font().bold() && opmaak("Lden       ").fontPointSize() == 10.0);  // the final levels

    // A name without ".pdf" gets it; the status bar names the file written.
    const QString pdf = map.filePath("voorbeeld.pdf");
    dialogen.bewaarAntwoorden.push_back(map.filePath("voorbeeld"));
    venster.findChild<QAction*>("bewaarPdf")->trigger();
    QVERIFY(dialogen.bewaarFilters == std::vector<QString>{"PDF-bestanden (*.pdf)"});
    QCOMPARE(dialogen.bewaarVoorstellen.front(), map.path());
    QVERIFY(PdfRegels(pdf).contains(OpKolom(8, "GELUIDBUREAU MÜLLER")));
    QVERIFY(!QFile::exists(map.filePath("voorbeeld")));
    QCOMPARE(venster.statusBalk()->currentMessage(), "PDF opgeslagen in " + QDir::toNativeSeparators(pdf));
    QVERIFY(dialogen.meldingen.empty());
  }
};

QTEST_MAIN(TestAfdrukken)
#include "test_afdrukken.moc"
