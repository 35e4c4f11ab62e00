// The dose-effect window: caption, and chart or notice by the band. The
// percentages themselves are the core's (tests/tools).
#include <QTest>

#include "shared_ui/Grafiek.h"
#include "windows/frmDosisEffect.h"

using namespace tarvo;

class TestFrmDosisEffect : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  void bijschriftMetDecimaleKomma() {
    QCOMPARE(frmDosisEffect(62.34, nullptr).windowTitle(), QString("Dosis-effect relatie bij Lden = 62,3 dB"));
  }

  // Inside the band the bars carry the exact percentages, labelled rounded.
  void grafiekBinnenDeBand() {
    frmDosisEffect frm(60, nullptr);
    frm.show();
    QVERIFY(frm.ToontGrafiek() && frm.grafiek().isVisible() && frm.Melding().isEmpty());
    QCOMPARE(frm.grafiek().Labels(), (QStringList{"48", "26", "10"}));
    QCOMPARE(frm.grafiek().Waarden(),
             (QList<double>{frm.Percentages().licht, frm.Percentages().normaal, frm.Percentages().ernstig}));
  }

  void meldingBuitenDeBand() {
    for (double lden : {44.99, 75.01}) {
      frmDosisEffect frm(lden, nullptr);
      frm.show();
      QVERIFY(!frm.ToontGrafiek() && !frm.grafiek().isVisible());
      QCOMPARE(frm.Melding(),
               QString("Lden buiten de bandbreedte van 45 - 75 dB.\n\nDosis-effect relatie is niet berekend."));
    }
  }
};

QTEST_MAIN(TestFrmDosisEffect)
#include "test_frmdosiseffect.moc"
