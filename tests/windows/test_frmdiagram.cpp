// The level-distance diagram command: input box, refusals, chart data, the
// target line, the marks, the pointer and the axis choice. The
// rows, the level axis and the distance search themselves are the core's
// (tests/tools); here: that the window gets them and draws them.
#include <QDate>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "ScriptDialogen.h"
#include "calc/PlainBediening.h"
#include "base/Tekst.h"
#include "shared_ui/Grafiek.h"
#include "windows/frmDiagram.h"
#include "base/Getal.h"
#include "calc/CheckIt.h"
#include "files/Reset.h"
#include "tools/Afstand.h"

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
    // The search of the core on the same worksheet, checked afresh.
    DoelAfstand Verwacht(double doel) {
      Werkblad kopie = ws;
      PlainWerkbladVenster v = venster;
      PlainMeldingen m;
      if (!CheckIt(kopie, v, m)) return {};
      const QDate nu = QDate::currentDate();
      return AfstandRekenaar(kopie, v, cat, Datum{nu.year(), nu.month(), nu.day()}).Zoek(doel);
    }
  };

  static QString Getal(double x) { return QString::fromStdString(Formatteer(x, "##0.00", ',')); }

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  // One point per metre from 1 m; both level axes carry the computed ymin,
  // ymax and divisions.
  void puntenEnAssen() {
    Opstelling o;
    o.Vraag(QString("500"), [](frmDiagram& frm) {
      const DiagramGegevens& g = frm.Gegevens();
      const QList<QPointF> punten = frm.grafiek().Punten();
      QCOMPARE(punten.size(), qsizetype{500});
      QCOMPARE(punten.front(), QPointF(1, g.rijen.front().lden));
      QCOMPARE(punten.back(), QPointF(500, g.rijen.back().lden));
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

  // The target line stands at the target plus the deduction, because the
  // chart shows Lden without it; it meets the curve at the core's distance,
  // which is marked and named. A target not met loses the mark.
  void doellijnEnSnijpunt() {
    Opstelling o;
    o.venster.aftrek.waarde = 1;  // 80 km/h: 2 dB off
    const DoelAfstand bij48 = o.Verwacht(48);
    QVERIFY(bij48.gevonden);
    QCOMPARE(bij48.punt.aftrek, std::int16_t{2});
    QVERIFY(bij48.punt.afstand > 20 && bij48.punt.afstand < 500);
    o.Vraag(QString("500"), [&](frmDiagram& frm) {
      QCOMPARE(frm.Doelveld()->value(), 48.0);
      QCOMPARE(frm.Snijpunt().punt.afstand, bij48.punt.afstand);
      QCOMPARE(*frm.grafiek().Doellijn(), 50.0);
      QCOMPARE(frm.grafiek().DoellijnTekst(), QString("streefwaarde 48,00 dB + aftrek 2 dB"));
      const Grafiek::MerkStand snijpunt = frm.grafiek().MerkVan(Grafiek::Merk::Snijpunt);
      QCOMPARE(*snijpunt.punt, QPointF(bij48.punt.afstand, bij48.punt.lden));
      QCOMPARE(snijpunt.tekst, Getal(bij48.punt.afstand) + " m");
      // On the line: Lden at the crossing is the line's level, to the grid's step.
      QVERIFY(std::abs(bij48.punt.lden - 50.0) < 0.01);
      QCOMPARE(frm.DoelTekst()->text(), "Streefwaarde 48,00 dB gehaald vanaf " + Getal(bij48.punt.afstand) +
                                            " m: Lden na aftrek " + Getal(bij48.punt.niveau) +
                                            " dB (aftrek art. 110g Wgh 2 dB).");

      // Not met within 5000 m: no mark, and the sentence says so.
      frm.Doelveld()->setValue(0);
      QVERIFY(!frm.Snijpunt().gevonden);
      QVERIFY(!frm.grafiek().MerkVan(Grafiek::Merk::Snijpunt).punt);
      QVERIFY(frm.DoelTekst()->text().startsWith("Streefwaarde 0,00 dB niet gehaald tot 5000 m"));
    });
    QCOMPARE(o.Vensters(), std::size_t{1});
  }

  // Beyond the chart's largest distance the crossing is named, not marked;
  // the worksheet's own distance is marked with the level of its row.
  void buitenHetDiagramEnRekenpunt() {
    Opstelling o;
    o.venster.invoer[36].tekst = "37";
    const DoelAfstand ver = o.Verwacht(48);
    QVERIFY(ver.gevonden && ver.punt.afstand > 100);
    o.Vraag(QString("100"), [&](frmDiagram& frm) {
      QVERIFY(!frm.grafiek().MerkVan(Grafiek::Merk::Snijpunt).punt);
      QVERIFY(frm.DoelTekst()->text().contains(Getal(ver.punt.afstand) + " m (buiten het diagram)"));
      const Grafiek::MerkStand eigen = frm.grafiek().MerkVan(Grafiek::Merk::Rekenpunt);
      QCOMPARE(*eigen.punt, QPointF(37, frm.Gegevens().rijen[36].lden));
      QCOMPARE(frm.RekenpuntTekst()->text(),
               "Rekenblad: 37,00 m, Lden " + Getal(frm.Gegevens().rijen[36].lden) + " dB excl. aftrek");
    });
    // The own distance beyond the chart: named only.
    o.venster.invoer[36].tekst = "250";
    o.Vraag(QString("100"), [](frmDiagram& frm) {
      QVERIFY(!frm.grafiek().MerkVan(Grafiek::Merk::Rekenpunt).punt);
      QVERIFY(frm.RekenpuntTekst()->text().endsWith("(buiten het diagram)"));
    });
  }

  // The pointer above the chart shows the computed level at its distance on
  // the 0,01 m grid, between the rows of the whole metres around it; leaving clears it.
  void waardeOnderDeMuis() {
    Opstelling o;
    o.Vraag(QString("200"), [](frmDiagram& frm) {
      frm.show();
      QVERIFY(QTest::qWaitForWindowExposed(&frm));
      const auto& rijen = frm.Gegevens().rijen;
      QWidget* vlak = frm.grafiek().Tekenvlak();
      QMouseEvent beweeg(QEvent::MouseMove, frm.grafiek().Positie(QPointF(62.5, rijen[61].lden)),
                         vlak->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(vlak, &beweeg);
      const Grafiek::MerkStand muis = frm.grafiek().MerkVan(Grafiek::Merk::Muis);
      QVERIFY(muis.punt);
      const double d = muis.punt->x();
      QVERIFY2(std::abs(d - 62.5) < 1, qPrintable(QString::number(d)));
      QCOMPARE(std::round(d * 100) / 100, d);
      const auto i = static_cast<std::size_t>(std::floor(d));
      QVERIFY(muis.punt->y() <= rijen[i - 1].lden && muis.punt->y() >= rijen[i].lden);
      QCOMPARE(frm.MuisTekst()->text(), "Muis: " + Getal(d) + " m, Lden " + Getal(muis.punt->y()) + " dB excl. aftrek");

      QEvent weg(QEvent::Leave);
      QApplication::sendEvent(vlak, &weg);
      QVERIFY(!frm.grafiek().MerkVan(Grafiek::Merk::Muis).punt);
    });
  }

  // Logarithmic from 1 m, linear from 0, up to the largest distance; one
  // axis at a time, and the line drawn against it: on the logarithmic axis
  // 1 to 10 m is as wide as 10 to 100 m.
  void afstandsas() {
    Opstelling o;
    o.Vraag(QString("300"), [](frmDiagram& frm) {
      frm.show();
      QVERIFY(QTest::qWaitForWindowExposed(&frm));
      const Grafiek& g = frm.grafiek();
      const auto breedte = [&g](double van, double tot) { return g.Positie(QPointF(tot, 50)).x() - g.Positie(QPointF(van, 50)).x(); };
      QCOMPARE(g.XAs().min, 0.0);
      QVERIFY(breedte(10, 100) > 5 * breedte(1, 10));
      frm.Logaritmisch()->setChecked(true);
      QVERIFY(g.LogAfstand());
      QCOMPARE(g.AantalXAssen(), 1);
      QVERIFY(std::abs(breedte(10, 100) - breedte(1, 10)) <= 2);
      QVERIFY(g.MerkVan(Grafiek::Merk::Rekenpunt).punt);  // the marks stay
      frm.findChild<QRadioButton*>("optLineair")->setChecked(true);
      QCOMPARE(g.XAs().min, 0.0);
    });
  }
};

QTEST_MAIN(TestFrmDiagram)
#include "test_frmdiagram.moc"
