// The dose-effect window: caption, and chart or notice by the band. The
// percentages themselves are the core's (tests/tools).
#include <QTest>

#include "shared_ui/Grafiek.h"
#include "windows/DosisEffectVenster.h"

using namespace tarvo;

class TestDosisEffectVenster : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  // The main window shows Lden less the deduction; the title says this one is without it.
  void bijschriftMetDecimaleKomma() {
    QCOMPARE(DosisEffectVenster(62.34, nullptr).windowTitle(),
             QString("Dosis-effect relatie bij Lden = 62,3 dB excl. aftrek art. 110g"));
  }

  // Inside the band the bars carry the exact percentages, labelled rounded.
  void grafiekBinnenDeBand() {
    DosisEffectVenster venster(60, nullptr);
    venster.show();
    QVERIFY(venster.ToontGrafiek() && venster.grafiek().isVisible() && venster.Melding().isEmpty());
    QCOMPARE(venster.grafiek().Labels(), (QStringList{"48", "26", "10"}));
    const Gehinderden& p = venster.Percentages();
    QCOMPARE(venster.grafiek().Waarden(), (QList<double>{p.licht, p.normaal, p.ernstig}));
  }

  void meldingBuitenDeBand() {
    for (double lden : {44.99, 75.01}) {
      DosisEffectVenster venster(lden, nullptr);
      venster.show();
      QVERIFY(!venster.ToontGrafiek() && !venster.grafiek().isVisible());
      QCOMPARE(venster.Melding(),
               QString("Lden buiten de bandbreedte van 45 - 75 dB.\n\nDosis-effect relatie is niet berekend."));
    }
  }
};

QTEST_MAIN(TestDosisEffectVenster)
#include "test_dosiseffectvenster.moc"
