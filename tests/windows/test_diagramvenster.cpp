// The level-distance diagram command: input box, refusals, the check handed
// back, chart data, the target line, the marks, the pointer and the axis
// choice. The rows, the level axis and the distance search themselves are
// the core's (tests/tools); here: that the window gets them and draws them.
#include <QDate>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "ScriptDialogen.h"
#include "base/Getal.h"
#include "base/Tekst.h"
#include "files/Reset.h"
#include "shared_ui/Grafiek.h"
#include "tests/Catalogi.h"
#include "tools/Afstand.h"
#include "windows/DiagramVenster.h"

using namespace tarvo;

class TestDiagramVenster : public QObject {
  Q_OBJECT

  // A worksheet with traffic.
  struct Opstelling {
    Werkblad werkblad = LeegWerkblad(',');
    ScriptDialogen dlg;
    Catalogus cat = test::TweeWegdekken();
    std::vector<Controle> controles;  // what the command handed back to show
    bool zandloperWeg = true;         // at each handing back

    Opstelling() {
      werkblad.veld[veld::kQlvDag] = "1000";  // light vehicles DAG, at 80 km/h
      werkblad.veld[veld::kVlv] = "80";
    }
    // Answers the input box; `bekijk` looks at the chart window in the user's place.
    void Vraag(std::optional<QString> antwoord, const std::function<void(DiagramVenster&)>& bekijk = {}) {
      dlg.invoerAntwoorden.push_back(std::move(antwoord));
      dlg.bijVenster = [bekijk](QDialog& dialoog) {
        auto* venster = qobject_cast<DiagramVenster*>(&dialoog);
        QVERIFY(venster);
        if (bekijk) bekijk(*venster);
      };
      ToonDiagram(nullptr, dlg, werkblad, cat, ',', [this](const Rekening& rekening) {
        controles.push_back(rekening.controle);
        zandloperWeg = zandloperWeg && !QApplication::overrideCursor();
      });
    }
    std::size_t Vensters() const { return dlg.vensters.size(); }
    // The search of the core on the same worksheet, checked afresh.
    DoelAfstand Verwacht(double doel) {
      const Controle controle = Controleer(werkblad, ',');
      if (!controle) return {};
      const QDate nu = QDate::currentDate();
      return AfstandRekenaar(*controle.invoer, cat, Datum{nu.year(), nu.month(), nu.day()}).Zoek(doel);
    }
  };

  static QString Getal(double x) { return QString::fromStdString(Formatteer(x, "##0.00", ',')); }

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  // The rows as CSV and the chart as PNG, each confirmed in the status bar
  // with the file written; the first dialog starts in the user's documents.
  void bewarenBevestigdInDeStatusbalk() {
    Opstelling o;
    QTemporaryDir map;
    const QString csv = map.filePath("rijen.csv"), png = map.filePath("diagram.png");
    o.dlg.bewaarAntwoorden = {csv, png};
    QStringList statussen;
    o.Vraag(QString("200"), [&](DiagramVenster& venster) {
      venster.BewaarAlsCsv();
      statussen << venster.statusBalk()->currentMessage();
      venster.BewaarAlsPng();
      statussen << venster.statusBalk()->currentMessage();
    });
    QCOMPARE(statussen, (QStringList{"CSV opgeslagen in " + QDir::toNativeSeparators(csv),
                                     "PNG opgeslagen in " + QDir::toNativeSeparators(png)}));
    QVERIFY(QFile(png).size() > 0 && QFile(csv).size() > 0 && o.dlg.meldingen.empty());
    QCOMPARE(o.dlg.bewaarVoorstellen.front(),
             QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("diagram.csv"));
  }

  // One point per metre from 1 m; both level axes carry the computed ymin,
  // ymax and divisions.
  void puntenEnAssen() {
    Opstelling o;
    o.Vraag(QString("500"), [](DiagramVenster& venster) {
      const DiagramGegevens& g = venster.Gegevens();
      const QList<QPointF> punten = venster.grafiek().Punten();
      QCOMPARE(punten.size(), qsizetype{500});
      QCOMPARE(punten.front(), QPointF(1, g.rijen.front().lden));
      QCOMPARE(punten.back(), QPointF(500, g.rijen.back().lden));
      for (const Grafiek::As& as : {venster.grafiek().LinkerAs(), venster.grafiek().RechterAs()}) {
        QVERIFY(as.zichtbaar);
        QCOMPARE(as.min, g.ymin);
        QCOMPARE(as.max, g.ymax);
        QCOMPARE(as.streepjes, g.delingen + 1);
      }
    });
    QCOMPARE(o.Vensters(), std::size_t{1});
    QVERIFY(o.dlg.meldingen.empty());
    QCOMPARE(o.controles.size(), std::size_t{1});  // a passed check is shown on the fields as well
    QVERIFY(o.controles[0]);
  }

  // Cancelled: nothing. No number: a message, no check, no window. A refused
  // check: handed back to be shown where the fields are, after the
  // hourglass, and no window.
  void geenGetalGeenVenster() {
    Opstelling o;
    o.Vraag(std::nullopt);
    o.Vraag(QString("vijfhonderd"));
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QVERIFY(o.dlg.meldingen.back().tekst.find("geen getal") != std::string::npos);
    QVERIFY(o.controles.empty());
    o.werkblad.veld[veld::kAfstandHor] = "0";  // the check refuses this
    o.Vraag(QString("500"));
    QCOMPARE(o.controles.size(), std::size_t{1});
    QCOMPARE(o.controles[0].weigering->tekst, std::string("geen afstand ingevuld"));
    QVERIFY(o.zandloperWeg);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.Vensters(), std::size_t{0});
  }

  // The target line stands at the target plus the deduction, because the
  // chart shows Lden without it; it meets the curve at the core's distance,
  // which is marked and named. A target not met loses the mark.
  void doellijnEnSnijpunt() {
    Opstelling o;
    o.werkblad.aftrek = true;  // 80 km/h: 2 dB off
    const DoelAfstand bij48 = o.Verwacht(48);
    QVERIFY(bij48.gevonden && bij48.punt.afstand < 500);  // within the chart
    o.Vraag(QString("500"), [&](DiagramVenster& venster) {
      QCOMPARE(venster.doelveld()->value(), 48.0);
      QCOMPARE(venster.Snijpunt().punt.afstand, bij48.punt.afstand);
      QCOMPARE(*venster.grafiek().Doellijn(), 50.0);
      QCOMPARE(venster.grafiek().DoellijnTekst(), QString("streefwaarde 48,00 dB + aftrek 2 dB"));
      const Grafiek::MerkStand snijpunt = venster.grafiek().MerkVan(Grafiek::Merk::Snijpunt);
      QCOMPARE(*snijpunt.punt, QPointF(bij48.punt.afstand, bij48.punt.lden));
      QCOMPARE(snijpunt.tekst, Getal(bij48.punt.afstand) + " m");
      QCOMPARE(venster.doelTekst()->text(), "Streefwaarde 48,00 dB gehaald vanaf " + Getal(bij48.punt.afstand) +
                                                " m: Lden na aftrek " + Getal(bij48.punt.niveau) +
                                                " dB (aftrek art. 110g Wgh 2 dB).");

      // Not met within 5000 m: no mark, and the sentence says so.
      venster.doelveld()->setValue(0);
      QVERIFY(!venster.Snijpunt().gevonden);
      QVERIFY(!venster.grafiek().MerkVan(Grafiek::Merk::Snijpunt).punt);
      QVERIFY(venster.doelTekst()->text().startsWith("Streefwaarde 0,00 dB niet gehaald tot 5000 m"));
    });
    QCOMPARE(o.Vensters(), std::size_t{1});
  }

  // Beyond the chart's largest distance the crossing is named, not marked;
  // the worksheet's own distance is marked with the level of its row.
  void buitenHetDiagramEnRekenpunt() {
    Opstelling o;
    o.werkblad.veld[veld::kAfstandHor] = "37";
    const DoelAfstand ver = o.Verwacht(48);
    QVERIFY(ver.gevonden && ver.punt.afstand > 100);
    o.Vraag(QString("100"), [&](DiagramVenster& venster) {
      QVERIFY(!venster.grafiek().MerkVan(Grafiek::Merk::Snijpunt).punt);
      QVERIFY(venster.doelTekst()->text().contains(Getal(ver.punt.afstand) + " m (buiten het diagram)"));
      const Grafiek::MerkStand eigen = venster.grafiek().MerkVan(Grafiek::Merk::Rekenpunt);
      QCOMPARE(*eigen.punt, QPointF(37, venster.Gegevens().rijen[36].lden));
      QCOMPARE(venster.rekenpuntTekst()->text(),
               "Rekenblad: 37,00 m, Lden " + Getal(venster.Gegevens().rijen[36].lden) + " dB excl. aftrek");
    });
    // The own distance beyond the chart: named only.
    o.werkblad.veld[veld::kAfstandHor] = "250";
    o.Vraag(QString("100"), [](DiagramVenster& venster) {
      QVERIFY(!venster.grafiek().MerkVan(Grafiek::Merk::Rekenpunt).punt);
      QVERIFY(venster.rekenpuntTekst()->text().endsWith("(buiten het diagram)"));
    });
  }

  // The pointer above the chart shows the computed level at its distance on
  // the 0,01 m grid, between the rows of the whole metres around it; leaving clears it.
  void waardeOnderDeMuis() {
    Opstelling o;
    o.Vraag(QString("200"), [](DiagramVenster& venster) {
      venster.show();
      QVERIFY(QTest::qWaitForWindowExposed(&venster));
      const auto& rijen = venster.Gegevens().rijen;
      QWidget* vlak = venster.grafiek().Tekenvlak();
      QMouseEvent beweeg(QEvent::MouseMove, venster.grafiek().Positie(QPointF(62.5, rijen[61].lden)),
                         vlak->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(vlak, &beweeg);
      const Grafiek::MerkStand muis = venster.grafiek().MerkVan(Grafiek::Merk::Muis);
      QVERIFY(muis.punt);
      const double d = muis.punt->x();
      QVERIFY2(std::abs(d - 62.5) < 1, qPrintable(QString::number(d)));
      QCOMPARE(std::round(d * 100) / 100, d);
      const auto i = static_cast<std::size_t>(std::floor(d));
      QVERIFY(muis.punt->y() <= rijen[i - 1].lden && muis.punt->y() >= rijen[i].lden);
      QCOMPARE(venster.muisTekst()->text(),
               "Muis: " + Getal(d) + " m, Lden " + Getal(muis.punt->y()) + " dB excl. aftrek");

      QEvent weg(QEvent::Leave);
      QApplication::sendEvent(vlak, &weg);
      QVERIFY(!venster.grafiek().MerkVan(Grafiek::Merk::Muis).punt);
    });
  }

  // Logarithmic from 1 m, linear from 0, up to the largest distance; one
  // axis at a time, and the line drawn against it: on the logarithmic axis
  // 1 to 10 m is as wide as 10 to 100 m.
  void afstandsas() {
    Opstelling o;
    o.Vraag(QString("300"), [](DiagramVenster& venster) {
      venster.show();
      QVERIFY(QTest::qWaitForWindowExposed(&venster));
      const Grafiek& g = venster.grafiek();
      const auto breedte = [&g](double van, double tot) {
        return g.Positie(QPointF(tot, 50)).x() - g.Positie(QPointF(van, 50)).x();
      };
      QCOMPARE(g.XAs().min, 0.0);
      QVERIFY(breedte(10, 100) > 5 * breedte(1, 10));
      venster.logaritmisch()->setChecked(true);
      QVERIFY(g.LogAfstand());
      QCOMPARE(g.AantalXAssen(), 1);
      QVERIFY(std::abs(breedte(10, 100) - breedte(1, 10)) <= 2);
      QVERIFY(g.MerkVan(Grafiek::Merk::Rekenpunt).punt);  // the marks stay
      venster.lineair()->setChecked(true);
      QCOMPARE(g.XAs().min, 0.0);
    });
  }
};

QTEST_MAIN(TestDiagramVenster)
#include "test_diagramvenster.moc"
