// The dose-effect window: caption, band test, the chart's labels and the notice.
#include <QTest>

#include "tools/Grafiek.h"
#include "tools/frmDosisEffect.h"

using namespace tarvo;

class TestFrmDosisEffect : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  void captionShowsLdenWithLocaleSeparator() {
    QCOMPARE(frmDosisEffect(62.34, nullptr).windowTitle(), QString("Dosis-effect relatie bij Lden = 62,3 dB"));
    QCOMPARE(frmDosisEffect(0, nullptr).windowTitle(), QString("Dosis-effect relatie bij Lden = 0,0 dB"));
  }

  void chartInsideTheBand_data() {
    QTest::addColumn<double>("lden");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("45") << 45.0 << QStringList{"17", "6", "1"};
    QTest::newRow("60") << 60.0 << QStringList{"48", "26", "10"};
    QTest::newRow("75") << 75.0 << QStringList{"81", "61", "37"};
  }
  void chartInsideTheBand() {
    QFETCH(double, lden);
    QFETCH(QStringList, labels);
    frmDosisEffect frm(lden, nullptr);
    frm.show();
    QVERIFY(frm.ToontGrafiek());
    QVERIFY(frm.grafiek().isVisible());
    QVERIFY(frm.Melding().isEmpty());
    QCOMPARE(frm.grafiek().Labels(), labels);
    QCOMPARE(frm.grafiek().Categorieen(), (QStringList{">licht", ">normaal", ">ernstig"}));
    const QList<double> w = frm.grafiek().Waarden();
    QCOMPARE(w.size(), 3);
    QCOMPARE(w[0], frm.Percentages().licht);  // the bars carry the exact values, not the rounded labels
    QCOMPARE(frm.grafiek().Titel(), QString("Percentage gehinderden (indicatief)"));
    QCOMPARE(frm.grafiek().Voetnoot(), QString("Bron: TNO (https://www.tno.nl)"));
  }

  void noticeOutsideTheBand() {
    for (double lden : {44.99, 75.01, 0.0}) {
      frmDosisEffect frm(lden, nullptr);
      frm.show();
      QVERIFY(!frm.ToontGrafiek());
      QVERIFY(!frm.grafiek().isVisible());
      QCOMPARE(frm.Melding(),
               QString("Lden buiten de bandbreedte van 45 - 75 dB.\n\nDosis-effect relatie is niet berekend."));
      QVERIFY(frm.grafiek().Labels().isEmpty());
    }
  }
};

QTEST_MAIN(TestFrmDosisEffect)
#include "test_frmdosiseffect.moc"
