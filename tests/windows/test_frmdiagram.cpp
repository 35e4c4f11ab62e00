// The level-distance diagram command: input box, refusals, chart data. The
// rows and the level axis themselves are the core's (tests/tools); here:
// that the window gets them and draws them.
#include <QTest>

#include "ScriptDialogen.h"
#include "calc/PlainBediening.h"
#include "base/Tekst.h"
#include "shared_ui/Grafiek.h"
#include "windows/frmDiagram.h"
#include "files/Reset.h"

using namespace tarvo;

class TestFrmDiagram : public QObject {
  Q_OBJECT

  // A worksheet with traffic.
  struct Opstelling {
    Werkblad ws;
    PlainWerkbladVenster venster;
    ScriptDialogen dlg;
    Catalogus cat;

    Opstelling() {
      ws.Decimaal = ',';
      cat.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek", kOmschrijvingLengte);
      cat.AantalWegdekken = 1;
      ResetWerkblad(ws, venster);
      venster.invoer[2].tekst = "1000";  // light vehicles DAG, at 80 km/h
      venster.invoer[5].tekst = "80";
    }
    // Answers the input box; `bekijk` looks at the chart window in the user's place.
    void Vraag(std::optional<QString> antwoord, const std::function<void(frmDiagram&)>& bekijk = {}) {
      dlg.invoerAntwoorden.push_back(std::move(antwoord));
      dlg.bijVenster = [bekijk](QDialog& venster) {
        auto* frm = qobject_cast<frmDiagram*>(&venster);
        QVERIFY(frm);
        if (bekijk) bekijk(*frm);
      };
      Diagram(nullptr, dlg, ws, venster, cat);
    }
    std::size_t Vensters() const { return dlg.vensters.size(); }
  };

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  // The answer, clamped to 100 .. 1000, is the number of points, one per
  // metre from 1 m; both level axes carry the computed ymin, ymax and divisions.
  void puntenEnAssen_data() {
    QTest::addColumn<QString>("antwoord");
    QTest::addColumn<int>("rijen");
    QTest::newRow("50") << "50" << 100;
    QTest::newRow("500") << "500" << 500;
    QTest::newRow("5000") << "5000" << 1000;
  }
  void puntenEnAssen() {
    QFETCH(QString, antwoord);
    QFETCH(int, rijen);
    Opstelling o;
    o.Vraag(antwoord, [rijen](frmDiagram& frm) {
      const DiagramGegevens& g = frm.Gegevens();
      const QList<QPointF> punten = frm.grafiek().Punten();
      QCOMPARE(static_cast<int>(punten.size()), rijen);
      QCOMPARE(punten.front(), QPointF(1, g.rijen.front().lden));
      QCOMPARE(punten.back(), QPointF(rijen, g.rijen.back().lden));
      for (const Grafiek::As& as : {frm.grafiek().LinkerAs(), frm.grafiek().RechterAs()}) {
        QVERIFY(as.zichtbaar);
        QCOMPARE(as.min, g.ymin);
        QCOMPARE(as.max, g.ymax);
        QCOMPARE(as.streepjes, g.delingen + 1);
      }
    });
    QCOMPARE(o.Vensters(), std::size_t{1});
    QVERIFY(o.dlg.meldingen.empty());
  }

  // No number: a message and no window. A failed check: its own warning, the hourglass gone.
  void geenGetalGeenVenster() {
    Opstelling o;
    o.Vraag(QString("vijfhonderd"));
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QVERIFY(o.dlg.meldingen.back().tekst.find("geen getal") != std::string::npos);
    o.venster.invoer[36].tekst = "0";  // the check refuses this
    o.Vraag(QString("500"));
    QCOMPARE(o.dlg.meldingen.back().tekst, std::string("geen afstand ingevuld"));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(o.Vensters(), std::size_t{0});
  }
};

QTEST_MAIN(TestFrmDiagram)
#include "test_frmdiagram.moc"
