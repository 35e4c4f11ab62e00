// The level-distance diagram command: input box, refusal, check, chart data.
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "ScriptDialogen.h"
#include "calc/PlainBediening.h"
#include "calc/Tekst.h"
#include "tools/Grafiek.h"
#include "tools/frmDiagram.h"
#include "worksheet_file/Reset.h"

using namespace tarvo;

class TestFrmDiagram : public QObject {
  Q_OBJECT

  struct Opstelling {
    Werkblad ws;
    PlainWerkbladVenster venster;
    ScriptDialogen dlg;
    Catalogus cat;
    int vensters = 0;
    DiagramGegevens gezien;
    Grafiek::As links, rechts, x;
    int punten = 0;
    QPointF eerste, laatste;

    Opstelling() {
      ws.Decimaal = ',';
      cat.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek", kOmschrijvingLengte);
      cat.AantalWegdekken = 1;
      ResetWerkblad(ws, venster);
      venster.invoer[2].tekst = "1000";  // light vehicles DAG
      venster.invoer[3].tekst = "200";
      venster.invoer[4].tekst = "100";
      venster.invoer[5].tekst = "80";
      ZetDiagramToner([this](frmDiagram& frm) {
        ++vensters;
        gezien = frm.Gegevens();
        const Grafiek& g = frm.grafiek();
        links = g.LinkerAs();
        rechts = g.RechterAs();
        x = g.XAs();
        punten = static_cast<int>(g.Punten().size());
        eerste = g.Punten().front();
        laatste = g.Punten().back();
        QCOMPARE(frm.windowTitle(), QString("Niveau-afstand diagram"));
      });
    }
    ~Opstelling() { ZetDiagramToner({}); }
    void Vraag(std::optional<QString> antwoord) {
      dlg.invoerAntwoorden.push_back(std::move(antwoord));
      Diagram(nullptr, dlg, ws, venster, cat);
    }
  };

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  void answerIsClampedToTheRowCount_data() {
    QTest::addColumn<QString>("antwoord");
    QTest::addColumn<int>("rijen");
    QTest::newRow("50") << "50" << 100;
    QTest::newRow("500") << "500" << 500;
    QTest::newRow("5000") << "5000" << 1000;
    QTest::newRow("100") << "100" << 100;
  }
  void answerIsClampedToTheRowCount() {
    QFETCH(QString, antwoord);
    QFETCH(int, rijen);
    Opstelling o;
    o.Vraag(antwoord);
    QCOMPARE(o.dlg.invoerPrompts.at(0), QString("Maximale afstand tot wegas in meter [>100m, <1000m]"));
    QCOMPARE(o.vensters, 1);
    QCOMPARE(static_cast<int>(o.gezien.rijen.size()), rijen);
    QCOMPARE(o.punten, rijen);
    // The level at 1 m is the first point; row labels count from 0.
    QCOMPARE(o.eerste, QPointF(1, o.gezien.rijen.front().lden));
    QCOMPARE(o.laatste.x(), double(rijen));
    QCOMPARE(o.gezien.rijen.front().label, std::string(" 0"));
    QCOMPARE(o.gezien.rijen.back().label, " " + std::to_string(rijen - 1));
    QCOMPARE(o.x.min, 0.0);
    QCOMPARE(o.x.max, double(rijen));
    QCOMPARE(o.x.titel, QString("Afstand tot wegas [m]"));

    // Both level axes: whole tens, one division per 10 dB.
    for (const Grafiek::As& as : {o.links, o.rechts}) {
      QVERIFY(as.zichtbaar);
      QCOMPARE(as.min, o.gezien.ymin);
      QCOMPARE(as.max, o.gezien.ymax);
      QCOMPARE(as.streepjes, o.gezien.delingen + 1);
    }
    QCOMPARE(o.links.titel, QString("Lden excl. aftrek 110g Wgh [dB]"));
    QVERIFY(o.gezien.ymax > o.gezien.rijen.front().lden);
    QVERIFY(o.gezien.ymin <= o.gezien.rijen.back().lden);
    QCOMPARE(o.gezien.delingen, static_cast<std::int16_t>((o.gezien.ymax - o.gezien.ymin) / 10));
    QVERIFY(o.dlg.meldingen.empty());
  }

  void noNumberOrNoAnswerDrawsNothing() {
    Opstelling o;
    o.Vraag(QString("vijfhonderd"));
    QCOMPARE(o.vensters, 0);
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Niveau-afstand diagram"));
    QVERIFY(o.dlg.meldingen.back().tekst.find("geen getal") != std::string::npos);

    o.venster.invoer[36].tekst = "0";  // the check would refuse: proves it never ran
    o.Vraag(std::nullopt);
    o.Vraag(QString());
    QCOMPARE(o.vensters, 0);
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.dlg.invoerPrompts.size(), std::size_t{3});
  }

  void failedCheckShowsItsWarningOnly() {
    Opstelling o;
    o.venster.invoer[36].tekst = "0";
    o.Vraag(QString("500"));
    QCOMPARE(o.vensters, 0);
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.dlg.meldingen.back().tekst, std::string("geen afstand ingevuld"));
    QVERIFY(!QApplication::overrideCursor());  // the hourglass is gone again
  }

  void chartSavesAsPng() {
    QTemporaryDir map;
    const QString pad = map.filePath("diagram.png");
    Opstelling o;
    o.dlg.bewaarAntwoorden = {std::nullopt, pad};
    ZetDiagramToner([&](frmDiagram& frm) {
      frm.show();
      frm.OpslaanAlsPng();  // cancelled
      QVERIFY(!QFile::exists(pad));
      frm.OpslaanAlsPng();
    });
    o.Vraag(QString("200"));
    QCOMPARE(o.dlg.bewaarFilters.size(), std::size_t{2});
    const QImage beeld(pad);
    QVERIFY(!beeld.isNull());
    QVERIFY(beeld.width() > 300 && beeld.height() > 200);
  }
};

QTEST_MAIN(TestFrmDiagram)
#include "test_frmdiagram.moc"
