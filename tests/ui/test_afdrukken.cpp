// The report on screen, on paper, in a .prn file and as PDF.
#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "ScriptDialogen.h"
#include "app/Opdracht.h"
#include "app/PdfOpdracht.h"
#include "calc/Tekst.h"
#include "report/AfdrukPagina.h"
#include "report/Afdrukken.h"
#include "report/Rapport.h"
#include "report/frmResultaat.h"
#include "ui/Versie.h"

using namespace tarvo;

namespace {

const QString kData = QStringLiteral(TARVO_SOURCE_DIR "/data");
constexpr Datum kVandaag{2024, 3, 1};

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

OpdrachtInstellingen Voorbeeld() {
  OpdrachtInstellingen inst;
  inst.werkblad = (kData + "/voorbeeld.tvo").toStdString();
  inst.wegdekken = (kData + "/Wegdekken_2012.dat").toStdString();
  inst.decimaal = ',';
  inst.vandaag = kVandaag;
  return inst;
}

// The sample worksheet, calculated, with a user name outside ASCII.
std::unique_ptr<Berekening> Berekend() {
  auto b = std::make_unique<Berekening>();
  std::string fout;
  if (!RekenWerkblad(Voorbeeld(), *b, fout)) qFatal("voorbeeld.tvo: %s", fout.c_str());
  b->catalogus.Gebruikersnaam = VastBreed("Geluidbureau Müller", kNaamLengte);
  AfdrukBestand(b->ws, b->venster, b->catalogus);
  return b;
}

QByteArray LeesBestand(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Poppler(const QStringList& args) {
  const QString programma = QStandardPaths::findExecutable(args.first());
  if (programma.isEmpty()) qFatal("%s ontbreekt (poppler-utils)", qPrintable(args.first()));
  QProcess p;
  p.start(programma, args.mid(1));
  p.waitForFinished(-1);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// A word of `pdftotext -bbox`, in points from the page's top-left corner.
struct Woord {
  QString tekst;
  double xMin, yMin, xMax;
};

// The words grouped into lines, top to bottom, each line left to right.
QList<QList<Woord>> Regels(const QString& html) {
  static const QRegularExpression re(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
  QList<Woord> woorden;
  for (auto it = re.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    QString tekst = m.captured(4);
    tekst.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
    woorden.append(Woord{tekst, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()});
  }
  std::sort(woorden.begin(), woorden.end(), [](const Woord& a, const Woord& b) {
    return std::tie(a.yMin, a.xMin) < std::tie(b.yMin, b.xMin);
  });
  QList<QList<Woord>> regels;
  for (const Woord& w : woorden) {
    if (regels.isEmpty() || std::abs(regels.last().first().yMin - w.yMin) > 0.5) regels.append(QList<Woord>());
    regels.last().append(w);
  }
  return regels;
}

// Records what a printer receives, per document.
struct Telling {
  QList<QStringList> documenten;
  QList<bool> zandloper;
  QList<int> kopieInstelling;
};

class TelEngine : public QPaintEngine {
 public:
  explicit TelEngine(Telling& t) : QPaintEngine(QPaintEngine::AllFeatures), t_(t) {}
  bool begin(QPaintDevice* apparaat) override {
    t_.documenten.append(QStringList());
    const QCursor* c = QApplication::overrideCursor();
    t_.zandloper.append(c && c->shape() == Qt::WaitCursor);
    t_.kopieInstelling.append(static_cast<QPrinter*>(apparaat)->copyCount());
    return true;
  }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF&, const QTextItem& ti) override { t_.documenten.last().append(ti.text()); }
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawLines(const QLineF*, int) override {}
  void drawRects(const QRectF*, int) override {}
  Type type() const override { return QPaintEngine::User; }

 private:
  Telling& t_;
};

// A printer whose documents are counted instead of printed.
class TelPrinter : public QPrinter {
 public:
  explicit TelPrinter(Telling& t) : QPrinter(QPrinter::HighResolution), engine_(t) {
    setOutputFormat(QPrinter::PdfFormat);  // page metrics only; nothing is written
    setCopyCount(7);
  }
  QPaintEngine* paintEngine() const override { return &engine_; }

 private:
  mutable TelEngine engine_;
};

// tarvo --pdf with these arguments.
int Draai(std::vector<QByteArray> woorden) {
  std::vector<char*> argv;
  for (auto& w : woorden) argv.push_back(w.data());
  return PdfOpdracht(static_cast<int>(argv.size()), argv.data());
}

AfdrukKeuze NaarBestand(const QString& naam = QString()) {
  AfdrukKeuze k;
  k.doel = AfdrukDoel::Bestand;
  k.bestand = naam;
  return k;
}

}  // namespace

class TestAfdrukken : public QObject {
  Q_OBJECT

 private slots:
  // The page of the sample worksheet through `tarvo --pdf`, read back: each
  // report line in its columns, the footer under the frame.
  void pdfPagina() {
    QTemporaryDir map;
    const QString pdf = map.filePath("rekenblad.pdf");
    QCOMPARE(Draai({"tarvo", "--pdf", (kData + "/voorbeeld.tvo").toLocal8Bit(), pdf.toLocal8Bit(), "--wegdekken",
                    (kData + "/Wegdekken_2012.dat").toLocal8Bit(), "--decimaal", ",", "--datum", "2024-03-01"}),
             0);

    Berekening b;
    std::string fout;
    QVERIFY(RekenWerkblad(Voorbeeld(), b, fout));

    const double cm = 72 / 2.54;
    const QList<QList<Woord>> regels = Regels(Poppler({"pdftotext", "-bbox", pdf, "-"}));
    QVERIFY(regels.size() > 40);

    // The footer: description and copyright, then the date, the only line under the frame.
    const QList<Woord>& voet = regels.last();
    QStringList voetTekst;
    for (const Woord& w : voet) voetTekst << w.tekst;
    QCOMPARE(voetTekst.join(' '),
             QString(versie::kBestandsOmschrijving) + " / " + versie::kCopyright + " 01 maart 2024");
    // The footer starts at x 1 cm: that fixes the printable area's corner on the sheet.
    const double hoek = voet.first().xMin - 1 * cm;
    QVERIFY(hoek > 0 && hoek < 1 * cm);
    QVERIFY2(std::abs(voet.last().xMax - (hoek + 19.4 * cm)) < 0.5, "de datum eindigt niet op 19,4 cm");
    QVERIFY(voet.first().yMin > hoek + 27 * cm);
    for (const auto& r : regels.mid(0, regels.size() - 1)) QVERIFY(r.first().yMin < hoek + 27 * cm);

    // Every word of a report line starts at its character column; a quarter
    // character of slack absorbs the rounding of glyph advances.
    auto kolommen = [&](const QString& body, int kolom, double punten) -> QString {
      const QString gezocht = body.simplified();
      const QList<Woord>* regel = nullptr;
      for (const auto& r : regels) {
        QStringList t;
        for (const Woord& w : r) t << w.tekst;
        if (t.join(' ') == gezocht) regel = &r;
      }
      if (!regel) return "regel ontbreekt: " + gezocht;
      const double teken = 0.6 * punten;
      qsizetype i = 0;
      for (const Woord& w : *regel) {
        while (i < body.size() && body[i] == ' ') ++i;
        const double x = hoek + (kolom - 1 + i) * teken;
        if (std::abs(w.xMin - x) > teken / 4) {
          return QString("%1 in \"%2\" op x %3 pt, verwacht %4").arg(w.tekst, gezocht).arg(w.xMin).arg(x);
        }
        i += w.tekst.size();
      }
      return {};
    };
    std::vector<std::pair<QString, int>> regels10;  // body, column
    for (const auto& r : InvoerRegels(b.ws, b.catalogus)) regels10.emplace_back(Q(r.tekst), r.dlRegel ? 41 : 10);
    for (const auto& r : ResultaatRegels(b.ws, false)) {
      if (!r.tekst.empty()) regels10.emplace_back(Q(r.tekst), 10);
    }
    const auto eind = EindRegels(b.ws);
    for (const auto& r : eind) regels10.emplace_back(Q(r.tekst), 10);
    QVERIFY(eind.back().tekst.ends_with(std::string(Milieukwaliteit(b.ws.Lden, b.ws.Aftrek110g))));
    QVERIFY(Q(eind[1].tekst).contains("60,4"));  // Lden after the deduction, in the chosen decimal form

    const QStringList regels12 = {Q(kRapportTitel), Q(kWaarneempuntLabel) + Q(b.venster.invoer[0].tekst),
                                  Q(kWegLabel) + Q(b.venster.invoer[1].tekst), "Invoergegevens DAG AVOND NACHT",
                                  Q(TrimBlanks(b.ws.Toelichting[0]))};
    for (const auto& [body, kolom] : regels10) {
      const QString fout10 = kolommen(body, kolom, 10);
      QVERIFY2(fout10.isEmpty(), qPrintable(fout10));
    }
    for (const QString& body : {regels12[0], regels12[1], regels12[4]}) {
      const QString fout12 = kolommen(body, 8, 12);
      QVERIFY2(fout12.isEmpty(), qPrintable(fout12));
    }

    // And in the layout mode every line reads as the report line.
    QStringList gelezen;
    for (const QString& r : Poppler({"pdftotext", "-layout", pdf, "-"}).split('\n')) gelezen << r.simplified();
    for (const auto& [body, kolom] : regels10) QVERIFY2(gelezen.contains(body.simplified()), qPrintable(body));
    for (const QString& body : regels12) QVERIFY2(gelezen.contains(body.simplified()), qPrintable(body));
  }

  // Exit status and messages of `tarvo --pdf`, as tarvo-reken's.
  void pdfOpdrachtWeigert() {
    QTemporaryDir map;
    const QByteArray dat = (kData + "/Wegdekken_2012.dat").toLocal8Bit();
    QCOMPARE(Draai({"tarvo", "--pdf"}), 2);
    QCOMPARE(Draai({"tarvo", "--pdf", "x.tvo", "--datum", "2024-13-01", "x.pdf"}), 2);
    QCOMPARE(Draai({"tarvo", "--pdf", map.filePath("weg.tvo").toLocal8Bit(), map.filePath("x.pdf").toLocal8Bit(),
                    "--wegdekken", dat}),
             1);
    QVERIFY(!QFile::exists(map.filePath("x.pdf")));
    QCOMPARE(Draai({"tarvo", "--pdf", (kData + "/voorbeeld.tvo").toLocal8Bit(),
                    map.filePath("geen/map/x.pdf").toLocal8Bit(), "--wegdekken", dat}),
             1);
  }

  // Two copies are two documents, each the whole page, drawn under the
  // hourglass with the driver's own copy count at 1; the page reads the
  // window as it stands when printing.
  void tweeKopieen() {
    auto b = Berekend();
    b->venster.invoer[0].tekst = "Nieuw waarneempunt";
    b->venster.zone.waarde = 1;
    ScriptDialogen dialogen;
    Telling telling;
    AfdrukKeuze k;
    k.doel = AfdrukDoel::Printer;
    k.kopieen = 2;
    k.printer = std::make_unique<TelPrinter>(telling);
    dialogen.afdrukAntwoorden.push_back(std::move(k));

    Afdrukken(nullptr, dialogen, b->ws, b->venster, b->catalogus, "/tmp", "01 maart 2024");

    QCOMPARE(telling.documenten.size(), 2);
    QCOMPARE(telling.zandloper, (QList<bool>{true, true}));
    QCOMPARE(telling.kopieInstelling, (QList<int>{1, 1}));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(dialogen.meldingen.empty());
    for (const QStringList& doc : telling.documenten) {
      QVERIFY(doc.contains(Q(kRapportTitel)));
      QVERIFY(doc.contains("GELUIDBUREAU MÜLLER" + QString(21, ' ')));
      QVERIFY(doc.contains(Q(kWaarneempuntLabel) + "Nieuw waarneempunt"));
      QVERIFY(doc.filter("*CROW-infoblad 965").size() == 1);
      QVERIFY(doc.contains(Q(TrimBlanks(b->ws.Toelichting[0]))));  // remarks trimmed on paper
      QVERIFY(doc.contains("01 maart 2024"));
      QCOMPARE(doc, telling.documenten.first());
    }
  }

  // Print to file: the preview text and one line break, in Windows-1252;
  // the name is asked once; cancel is quiet.
  void naarBestand() {
    QTemporaryDir map;
    const QString prn = map.filePath("rapport.prn");
    const QString filter = "Uitvoerbestanden (*.prn)";

    {  // before any calculation: just the line break
      Werkblad leeg;
      PlainWerkbladVenster venster;
      Catalogus cat;
      ScriptDialogen dialogen;
      dialogen.afdrukAntwoorden.push_back(NaarBestand());
      dialogen.bewaarAntwoorden.push_back(prn);
      Afdrukken(nullptr, dialogen, leeg, venster, cat, map.path(), "");
      QVERIFY(dialogen.bewaarFilters == std::vector<QString>{filter});
      QCOMPARE(LeesBestand(prn), QByteArray("\r\n"));
    }

    auto b = Berekend();
    const std::string verwacht = Utf8NaarCp1252(RapportTekst(b->ws) + "\r\n");
    QVERIFY(verwacht.find("GELUIDBUREAU M\xDCLLER") == 0);

    {  // the save dialog's name; a longer old file is emptied first
      QFile oud(prn);
      QVERIFY(oud.open(QIODevice::WriteOnly));
      oud.write(QByteArray(10000, 'x'));
      oud.close();
      ScriptDialogen dialogen;
      dialogen.afdrukAntwoorden.push_back(NaarBestand());
      dialogen.bewaarAntwoorden.push_back(prn);
      Afdrukken(nullptr, dialogen, b->ws, b->venster, b->catalogus, map.path(), "");
      QCOMPARE(LeesBestand(prn), QByteArray::fromStdString(verwacht));
      QVERIFY(dialogen.meldingen.empty());
      QVERIFY(!QApplication::overrideCursor());
    }
    {  // the print dialog already asked the name: no second question
      const QString ander = map.filePath("uit-dialoog.prn");
      ScriptDialogen dialogen;
      dialogen.afdrukAntwoorden.push_back(NaarBestand(ander));
      Afdrukken(nullptr, dialogen, b->ws, b->venster, b->catalogus, map.path(), "");
      QVERIFY(dialogen.bewaarFilters.empty());
      QCOMPARE(LeesBestand(ander), QByteArray::fromStdString(verwacht));
    }
    {  // cancel in the print dialog, then in the save dialog: nothing written, nothing said
      const QString nieuw = map.filePath("nieuw.prn");
      ScriptDialogen dialogen;
      Afdrukken(nullptr, dialogen, b->ws, b->venster, b->catalogus, map.path(), "");
      QCOMPARE(dialogen.afdrukDialogen, 1);
      QVERIFY(dialogen.bewaarFilters.empty());
      dialogen.afdrukAntwoorden.push_back(NaarBestand());
      dialogen.bewaarAntwoorden.push_back(std::nullopt);
      Afdrukken(nullptr, dialogen, b->ws, b->venster, b->catalogus, map.path(), "");
      QCOMPARE(dialogen.bewaarFilters.size(), std::size_t{1});
      QVERIFY(!QFile::exists(nieuw));
      QVERIFY(dialogen.meldingen.empty());
    }
    {  // a file that cannot be written: the one generic message
      ScriptDialogen dialogen;
      dialogen.afdrukAntwoorden.push_back(NaarBestand(map.filePath("geen/map/x.prn")));
      Afdrukken(nullptr, dialogen, b->ws, b->venster, b->catalogus, map.path(), "");
      QCOMPARE(dialogen.meldingen.size(), std::size_t{1});
      QVERIFY(dialogen.meldingen[0].tekst.starts_with(
          "Onverwachte fout in procedure Afdrukken van Form frmTarvo.\r\nFout 75 - "));
      QCOMPARE(dialogen.meldingen[0].icoon, Icoon::Kritiek);
      QVERIFY(!QApplication::overrideCursor());
    }
  }

  // Qt's own print dialog asks the file name itself (print to file on
  // Linux): a .prn name is the report text, any other name the page as PDF,
  // and either way no second question follows.
  void qtAfdrukvensterNaarBestand() {
    auto b = Berekend();
    QTemporaryDir map;
    auto kiesBestand = [](const QString& naam) {
      QTimer::singleShot(0, [naam] {
        QWidget* actief = QApplication::activeModalWidget();
        auto* dlg = qobject_cast<QPrintDialog*>(actief);
        auto* veld = dlg ? dlg->findChild<QLineEdit*>("filename") : nullptr;
        if (!veld) {
          if (actief) actief->close();  // never leave the test waiting on a dialog
          QFAIL("geen afdrukvenster met een bestandsnaamveld");
        }
        veld->setText(naam);
        dlg->accept();
      });
    };

    struct AlleenAfdrukvenster : ScriptDialogen {
      QtDialogen echt;
      AfdrukKeuze Afdrukdialoog(QWidget* ouder) override { return echt.Afdrukdialoog(ouder); }
    };
    if (QPrinterInfo::availablePrinterNames().size() > 0) QSKIP("a printer is installed: the dialog starts on it");

    AlleenAfdrukvenster dialogen;
    const QString prn = map.filePath("uit.prn");
    kiesBestand(prn);
    Afdrukken(nullptr, dialogen, b->ws, b->venster, b->catalogus, map.path(), "01 maart 2024");
    QVERIFY(dialogen.bewaarFilters.empty());
    QCOMPARE(LeesBestand(prn), QByteArray::fromStdString(Utf8NaarCp1252(RapportTekst(b->ws) + "\r\n")));

    const QString pdf = map.filePath("uit.pdf");
    kiesBestand(pdf);
    Afdrukken(nullptr, dialogen, b->ws, b->venster, b->catalogus, map.path(), "01 maart 2024");
    QVERIFY(dialogen.bewaarFilters.empty());
    QVERIFY(Poppler({"pdftotext", "-layout", pdf, "-"}).contains("01 maart 2024"));
    QVERIFY(dialogen.meldingen.empty());
  }

  // The preview: the blocks in Courier New (Liberation Mono here) with the
  // styles per block, the cursor at the start; and its PDF command.
  void voorbeeldVenster() {
    QCOMPARE(QFontInfo(QFont("Courier New")).family(), QString("Liberation Mono"));
    QCOMPARE(QFontInfo(QFont("Arial")).family(), QString("Liberation Sans"));

    auto b = Berekend();
    b->ws.Toelichting[3] = VastBreed("", kToelichtingLengte);
    AfdrukBestand(b->ws, b->venster, b->catalogus);
    QTemporaryDir map;
    ScriptDialogen dialogen;
    frmResultaat venster(nullptr, dialogen, PaginaInhoud{b->ws, b->venster, b->catalogus, "01 maart 2024"},
                         map.path());
    QCOMPARE(venster.windowTitle(), QString("Afdrukvoorbeeld rekenblad Tarvo"));
    QCOMPARE(venster.size(), QSize(640, 480));
    QTextEdit* txt = venster.txtResult();
    QVERIFY(txt->isReadOnly());
    QCOMPARE(txt->toPlainText(), Q(RapportTekst(b->ws)).replace("\r\n", "\n"));
    QCOMPARE(txt->textCursor().position(), 0);
    QVERIFY(!txt->textCursor().hasSelection());

    auto opmaak = [&](const QString& stuk) {
      const int pos = static_cast<int>(txt->toPlainText().indexOf(stuk));
      QTextCursor c(txt->document());
      c.setPosition(pos + 1);  // a cursor reports the format of the character before it
      return c.charFormat();
    };
    const QTextCharFormat naam = opmaak("GELUIDBUREAU");
    QVERIFY(naam.font().bold() && !naam.font().italic());
    QCOMPARE(QFontInfo(naam.font()).family(), QString("Liberation Mono"));
    QCOMPARE(naam.fontPointSize(), 10.0);
    QVERIFY(opmaak("Weg ").fontItalic() && !opmaak("Weg ").fontUnderline());
    QVERIFY(opmaak("Invoergegevens").fontItalic() && opmaak("Invoergegevens").fontUnderline());
    QCOMPARE(opmaak("Qmv").fontPointSize(), 8.0);
    QVERIFY(!opmaak("Qmv").font().bold());
    QCOMPARE(opmaak("Dmeteo").fontPointSize(), 8.0);
    QVERIFY(opmaak("Berekeningsresultaten").fontUnderline());
    const QTextCharFormat maat = opmaak("Milieukwaliteitsmaat");
    QVERIFY(maat.font().bold() && !maat.fontUnderline() && !maat.fontItalic());
    QCOMPARE(maat.fontPointSize(), 10.0);
    QVERIFY(opmaak("Toelichting\n").fontUnderline());
    QVERIFY(opmaak("Voorbeeldrekenblad").fontItalic() && !opmaak("Voorbeeldrekenblad").fontUnderline());

    if (const QString dir = qEnvironmentVariable("TARVO_SCHERMAFDRUK"); !dir.isEmpty()) {
      venster.show();
      QVERIFY(QTest::qWaitForWindowExposed(&venster));
      venster.grab().save(dir + "/voorbeeld.png");
    }

    // "Opslaan als PDF…" writes the printed page.
    const QString pdf = map.filePath("voorbeeld.pdf");
    dialogen.bewaarAntwoorden.push_back(pdf);
    venster.findChild<QAction*>("mnuOpslaanPdf")->trigger();
    QVERIFY(dialogen.bewaarFilters == std::vector<QString>{"PDF-bestanden (*.pdf)"});
    QVERIFY(LeesBestand(pdf).startsWith("%PDF"));
    QVERIFY(Poppler({"pdftotext", "-layout", pdf, "-"}).contains("GELUIDBUREAU MÜLLER"));
    QVERIFY(dialogen.meldingen.empty());
  }
};

QTEST_MAIN(TestAfdrukken)
#include "test_afdrukken.moc"
