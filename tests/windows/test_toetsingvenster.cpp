// The test window on the sample worksheet: its table, its refusals, the
// annex as CSV and on paper. Heights, contours, the legal value, the outcome
// in words and the annex's cells are the core's (tests/tools); here: that
// the window shows what the core returns for the worksheet and the choices.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "ScriptDialogen.h"
#include "calc/Controle.h"
#include "calc/Velden.h"
#include "driver/Opdracht.h"
#include "windows/ToetsingVenster.h"

using namespace tarvo;

namespace {

const std::string kData = TARVO_SOURCE_DIR "/data/";
const Datum kNu{2024, 3, 1};

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A PDF's pages as poppler reads them: each page's size and its words.
struct PdfBlad {
  QSizeF maat;
  std::vector<std::pair<QString, QRectF>> woorden;
  QString tekst;
};
std::vector<PdfBlad> LeesPdf(const QString& pad) {
  QProcess p;
  p.start("pdftotext", {"-bbox", pad, "-"});
  if (!p.waitForFinished(-1)) qFatal("pdftotext ontbreekt (poppler-utils)");
  static const QRegularExpression re(
      R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
  std::vector<PdfBlad> bladen;
  for (auto it = re.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
    const auto m = it.next();
    const auto getal = [&](int i) { return m.captured(i).toDouble(); };
    if (m.capturedLength(1)) {
      bladen.push_back({QSizeF(getal(1), getal(2)), {}, {}});
    } else {
      bladen.back().woorden.push_back(
          {m.captured(7), QRectF(QPointF(getal(3), getal(4)), QPointF(getal(5), getal(6)))});
      bladen.back().tekst += m.captured(7) + ' ';
    }
  }
  return bladen;
}

}  // namespace

class TestToetsingVenster : public QObject {
  Q_OBJECT

  struct Opstelling {
    GeopendWerkblad blad;
    ToetsingKeuze keuze;
    ScriptDialogen dlg;
    std::unique_ptr<ToetsingVenster> venster;

    Opstelling() {
      auto geopend = OpenWerkblad({kData + "voorbeeld.tvo", kData + "Wegdekken_2012.dat", ',', kNu});
      if (!geopend) qFatal("%s", geopend.Melding().c_str());
      blad = std::move(*geopend);
    }
    ToetsingVenster& Open() {
      venster = std::make_unique<ToetsingVenster>(blad.werkblad, "voorbeeld.tvo", blad.catalogus, ',', kNu, keuze, dlg,
                                                  nullptr);
      venster->show();
      return *venster;
    }
    // Typed over what the field holds, as a user does.
    static void Typ(QLineEdit* veld, const QString& tekst) {
      veld->setFocus();
      veld->selectAll();
      QTest::keyClicks(veld, tekst);
    }
    // The core's answer on the same worksheet and choices.
    ToetsingAntwoord Kern() const { return Toetsing(blad.werkblad, keuze, blad.catalogus, kNu, ','); }
    QStringList Rij(int r) const {
      QStringList cellen;
      for (int k = 0; k < venster->tabel()->columnCount(); ++k) cellen << venster->tabel()->item(r, k)->text();
      return cellen;
    }
    // A row as the core words it.
    QStringList Verwacht(int r) const {
      QStringList cellen;
      const ToetsingAntwoord kern = Kern();
      for (const ToetsingCel& cel : kern.rijen.at(static_cast<std::size_t>(r)).cellen) cellen << Q(cel.tekst);
      return cellen;
    }
  };

 private slots:
  // The worksheet's own height first; typed heights give a row each and the
  // CSV the annex, as the core computes them; the choices stay for the next window.
  void tabelEnCsvAlsDeKern() {
    Opstelling o;
    ToetsingVenster& v = o.Open();
    QCOMPARE(v.hoogtenVeld()->text(), Q(o.blad.werkblad.veld[veld::kWaarneemhoogte]).trimmed());
    QCOMPARE(o.Rij(0), o.Verwacht(0));

    Opstelling::Typ(v.hoogtenVeld(), "1,5; 4,5; 7,5");
    Opstelling::Typ(v.grenzenVeld(), "1");  // not met within the search: an empty cell that says why
    const ToetsingAntwoord kern = o.Kern();
    QCOMPARE(v.tabel()->rowCount(), 3);
    for (int r = 0; r < 3; ++r) QCOMPARE(o.Rij(r), o.Verwacht(r));
    const QTableWidgetItem* leeg = v.tabel()->item(0, v.tabel()->columnCount() - 1);
    QVERIFY(leeg->text().isEmpty() && !leeg->toolTip().isEmpty());

    QTemporaryDir map;
    o.dlg.bewaarAntwoorden.push_back(map.filePath("bijlage.csv"));
    QTest::mouseClick(v.csvKnop(), Qt::LeftButton);
    std::vector<BijlageRegel> regels;
    for (const HoogteResultaat& h : kern.hoogten) regels.push_back({"voorbeeld.tvo", h});
    const auto& grenzen = kern.grenzen;
    QFile f(map.filePath("bijlage.csv"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), "\xEF\xBB\xBF" + QByteArray::fromStdString(BijlageCsv(
                                               MaakBijlage(regels, grenzen, o.blad.catalogus, ','), "\r\n")));

    o.venster.reset();
    ToetsingVenster& weer = o.Open();
    QCOMPARE(weer.hoogtenVeld()->text() + weer.grenzenVeld()->text(), QString("1,5; 4,5; 7,51"));
    QCOMPARE(weer.tabel()->rowCount(), 3);
  }

  // Each situation tests against its own maximum, a maximum of one's own
  // against the number typed; in a 30 km zone the text says so.
  void situatieBepaaltDeUitkomst() {
    Opstelling o;
    o.blad.werkblad.zone = true;
    o.keuze.hoogten = "4,5";
    ToetsingVenster& v = o.Open();
    std::set<QString> uitkomsten;
    for (int i : {0, 6, static_cast<int>(kSituaties.size())}) {
      v.situatieLijst()->setCurrentIndex(i);
      v.maximumVeld()->setValue(55);
      QCOMPARE(v.maximumVeld()->isEnabled(), i == static_cast<int>(kSituaties.size()));
      QCOMPARE(o.Rij(0), o.Verwacht(0));
      uitkomsten.insert(o.Rij(0)[6]);
    }
    QCOMPARE(uitkomsten.size(), std::size_t{3});
    QVERIFY(uitkomsten.begin()->startsWith("30 km-zone"));
  }

  // What the core refuses leaves no rows and nothing to save, and its
  // sentence stands in the window.
  void weigeringInHetVenster() {
    struct Geval {
      const char *hoogten, *grenzen, *waarneemhoogte;
    };
    for (const Geval& g :
         {Geval{"1;;2", "", "1,50"}, Geval{"4,5; 0", "", "1,50"}, Geval{"4,5", "abc", "1,50"}, Geval{"4,5", "", "0"}}) {
      Opstelling o;
      o.blad.werkblad.veld[veld::kWaarneemhoogte] = g.waarneemhoogte;
      o.keuze.hoogten = g.hoogten;
      o.keuze.grenzen = g.grenzen;
      ToetsingVenster& v = o.Open();
      QCOMPARE(v.melding()->text(), Q(o.Kern().melding));
      QVERIFY(!o.Kern().melding.empty());
      QCOMPARE(v.tabel()->rowCount(), 0);
      QVERIFY(!v.csvKnop()->isEnabled() && !v.afdrukKnop()->isEnabled());
    }
  }

  // On paper: each page numbered "blad N van M", every word within the
  // page and no smaller than 7 pt, every word of every quantity's label and every one-word cell
  // somewhere; portrait while the columns fit it, landscape beyond. A
  // printer that writes a file and printing to a file both give the PDF.
  void bijlageOpPapier_data() {
    QTest::addColumn<QString>("hoogten");
    QTest::addColumn<bool>("liggend");
    QTest::newRow("drie_hoogten") << "1,5; 4,5; 7,5" << false;
    QTest::newRow("twaalf_hoogten") << "1,5;2;2,5;3;3,5;4;4,5;5;5,5;6;6,5;7" << true;
  }
  void bijlageOpPapier() {
    QFETCH(QString, hoogten);
    QFETCH(bool, liggend);
    Opstelling o;
    o.keuze.hoogten = hoogten.toStdString();
    ToetsingVenster& v = o.Open();
    QTemporaryDir map;
    const QString pdf = map.filePath("bijlage.pdf");
    if (liggend) {
      o.dlg.afdrukAntwoorden.push_back({AfdrukDoel::Bestand, 1, {}, nullptr});
      o.dlg.bewaarAntwoorden.push_back(pdf);
    } else {
      auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFileName(pdf);
      o.dlg.afdrukAntwoorden.push_back({AfdrukDoel::Printer, 1, {}, std::move(printer)});
    }
    const QString voorstel = QDir(o.dlg.BeginMap()).filePath("bijlage.pdf");  // the user's folder, as every dialog
    QTest::mouseClick(v.afdrukKnop(), Qt::LeftButton);
    QVERIFY(o.dlg.meldingen.empty());
    if (liggend) QCOMPARE(o.dlg.bewaarVoorstellen, std::vector<QString>{voorstel});

    const std::vector<PdfBlad> bladen = LeesPdf(pdf);
    QVERIFY(bladen.size() >= 2);
    std::set<QString> woorden;
    for (std::size_t n = 0; n < bladen.size(); ++n) {
      const PdfBlad& b = bladen[n];
      QCOMPARE(b.maat.width() > b.maat.height(), liggend);
      QVERIFY(b.tekst.contains(QString("blad %1 van %2").arg(n + 1).arg(bladen.size())));
      for (const auto& [woord, vak] : b.woorden) {
        QVERIFY2(QRectF(QPointF(0, 0), b.maat).contains(vak), qPrintable(woord));
        QVERIFY2(vak.height() >= 7 * 1.1, qPrintable(woord));  // the font's ascent and descent
        woorden.insert(woord);
      }
    }
    const BijlageTabel tabel = v.Bijlage();
    for (const BijlageKolom& k : tabel.kolommen) {
      for (const QString& woord : Q(k.label).split(' ')) QVERIFY2(woorden.count(woord), k.label.c_str());
    }
    for (const auto& regel : tabel.regels) {
      for (const std::string& cel : regel) {
        if (!cel.empty() && cel.find(' ') == std::string::npos) QVERIFY2(woorden.count(Q(cel)), cel.c_str());
      }
    }
  }
};

QTEST_MAIN(TestToetsingVenster)
#include "test_toetsingvenster.moc"
