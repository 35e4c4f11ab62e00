// The traffic-count conversion under Dutch settings, typed into as a user
// would, writing into a plain worksheet.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ScriptDialogen.h"
#include "calc/PlainBediening.h"
#include "tools/frmIntensiteit.h"
#include "ui/QtBediening.h"

using namespace tarvo;

class TestFrmIntensiteit : public QObject {
  Q_OBJECT

  struct Opstelling {
    PlainWerkbladVenster venster;
    ScriptDialogen dlg;
    frmIntensiteit frm;
    Opstelling() : frm(venster, dlg, nullptr) {
      frm.show();
      QApplication::setActiveWindow(&frm);
      QVERIFY(QTest::qWaitForWindowActive(&frm));
    }
    // Types each text into the next box, as Enter moves on.
    void Typ(QLineEdit* eerste, const QStringList& teksten) {
      eerste->setFocus();
      for (const QString& t : teksten) {
        QLineEdit* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(e);
        e->selectAll();
        QTest::keyClicks(e, t);
        QTest::keyClick(e, Qt::Key_Return);
      }
    }
    void Verdeling(const QString& etmaal, const QStringList& uur, const QStringList& aandelen) {
      QTest::mouseClick(frm.txtVerd(5), Qt::LeftButton);  // a disabled box: the click is the frame's
      QVERIFY(frm.txtVerd(0)->isEnabled());
      Typ(frm.txtVerd(0), QStringList{etmaal} + uur + aandelen);
    }
    QString Melding() const {
      return dlg.meldingen.empty() ? QString() : QString::fromStdString(dlg.meldingen.back().tekst);
    }
  };

  // Shares per row DAG, AVOND, NACHT: motorcycles, light, medium, heavy.
  static QStringList Aandelen(const QStringList& dag) {
    QStringList uit;
    for (int r = 0; r < 4; ++r) uit << dag[r] << "0" << "0";
    return uit;
  }

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  void startsLockedAtZero() {
    Opstelling o;
    QCOMPARE(o.frm.windowTitle(), QString("Omrekeningstabellen verkeersgegevens"));
    QCOMPARE(o.frm.StatusTekst(), QString("Klik op een venster"));
    QCOMPARE(o.frm.txtVerd(0)->text(), QString("0"));
    QCOMPARE(o.frm.txtVerd(15)->text(), QString("0,00"));
    QCOMPARE(o.frm.txtInt(17)->text(), QString("0,00"));
    for (int i = 0; i < 16; ++i) QVERIFY(!o.frm.txtVerd(i)->isEnabled());
    for (int i = 0; i < 18; ++i) QVERIFY(!o.frm.txtInt(i)->isEnabled());
    QVERIFY(!o.frm.cmdOmrekenen()->isEnabled() && !o.frm.cmdOK()->isEnabled());
  }

  void workedExampleReachesTheWorksheetGreen() {
    Opstelling o;
    o.venster.invoer[18].tekst = "keep";
    o.Verdeling("10000", {"6,5", "0", "0"}, Aandelen({"10", "90", "0", "0"}));
    QTest::mouseClick(o.frm.cmdOmrekenen(), Qt::LeftButton);
    QVERIFY(o.dlg.meldingen.empty());
    QCOMPARE(o.frm.txtInt(3)->text(), QString("7020,00"));  // light DAG
    QCOMPARE(o.frm.txtInt(0)->text(), QString("780,00"));   // motorcycles DAG
    QCOMPARE(o.frm.txtInt(4)->text(), QString("0,00"));
    QVERIFY(o.frm.txtInt(0)->isEnabled() && !o.frm.txtVerd(0)->isEnabled());
    QCOMPARE(QApplication::focusWidget(), o.frm.txtInt(0));

    // Mopeds are typed by hand; the conversion never touches them.
    o.Typ(o.frm.txtInt(13), {"80"});  // mopeds AVOND
    QTest::mouseClick(o.frm.cmdOK(), Qt::LeftButton);
    QCOMPARE(o.venster.invoer[2].tekst, std::string("585,00"));
    QCOMPARE(o.venster.invoer[2].achtergrond, kGroen);
    QCOMPARE(o.venster.invoer[14].tekst, std::string("65,00"));
    QCOMPARE(o.venster.invoer[19].tekst, std::string("20,00"));  // 80 in 4 hours
    QCOMPARE(o.venster.invoer[18].tekst, std::string("0,00"));
    QCOMPARE(o.venster.invoer[24].achtergrond, kGroen);
    QCOMPARE(o.venster.invoer[5].achtergrond, kLichtGeel);  // speeds stay as they were
    QVERIFY(o.frm.isVisible());
  }

  void distributionChecksRefuseAndPointAtTheBox() {
    Opstelling o;
    o.Verdeling("0", {"5", "0", "0"}, Aandelen({"10", "70", "10", "10"}));
    QTest::mouseClick(o.frm.cmdOmrekenen(), Qt::LeftButton);
    QCOMPARE(o.Melding(), QString("Geen waarde voor Etmaalintensiteit ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtVerd(0));

    o.Typ(o.frm.txtVerd(0), {"10000", "8,4"});
    QTest::mouseClick(o.frm.cmdOmrekenen(), Qt::LeftButton);
    QCOMPARE(o.Melding(), QString("Geen correcte Uurpercentages ingevuld"));
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Waarschuwing"));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtVerd(1));
    QVERIFY(o.frm.txtVerd(1)->isEnabled());  // no mode change

    o.Typ(o.frm.txtVerd(1), {"8,3"});
    o.Typ(o.frm.txtVerd(13), {"9,99"});  // heavy DAG: 10 + 70 + 10 + 9.99
    QTest::mouseClick(o.frm.cmdOmrekenen(), Qt::LeftButton);
    QCOMPARE(o.Melding(), QString("Geen correcte Voertuigpercentages ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtVerd(4));

    const auto voor = o.dlg.meldingen.size();
    o.Typ(o.frm.txtVerd(13), {"10"});
    QTest::mouseClick(o.frm.cmdOmrekenen(), Qt::LeftButton);
    QCOMPARE(o.dlg.meldingen.size(), voor);
    QCOMPARE(o.frm.txtInt(3)->text(), QString("6972,00"));  // 8.3 % × 10000 × 70 % × 12
    QVERIFY(o.frm.txtInt(0)->isEnabled());
  }

  void navigationRingAndKeys() {
    Opstelling o;
    QTest::mouseClick(o.frm.frameIntensiteit(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtInt(0));
    QCOMPARE(o.frm.StatusTekst(), QString("Geef aantal motorrijwielen per etmaalperiode"));
    o.frm.txtInt(17)->setFocus();
    QCOMPARE(o.frm.StatusTekst(), QString("Geef aantal trams per etmaalperiode"));
    QTest::keyClick(o.frm.txtInt(17), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), o.frm.txtInt(0));
    QTest::keyClick(o.frm.txtInt(0), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), o.frm.txtInt(17));
    QTest::keyClick(o.frm.txtInt(17), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), o.frm.txtInt(0));

    // Escape before any Backspace brings back the empty saved text.
    QLineEdit* e = o.frm.txtInt(4);
    e->setFocus();
    QTest::keyClick(e, Qt::Key_Escape);
    QCOMPARE(e->text(), QString());
    QVERIFY(o.frm.isVisible());
    QTest::keyClicks(e, "123");
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), QString("12"));
    QTest::keyClick(e, Qt::Key_Escape);
    QCOMPARE(e->text(), QString("123"));
    QCOMPARE(e->selectedText(), QString("123"));

    // Counts take digits only; the distribution's percentages also a comma or point.
    QTest::keyClicks(e, "4,");
    QCOMPARE(e->text(), QString("4"));
    QCOMPARE(LineEditVak::Achtergrond(e), kRood);
    QTest::keyClick(e, Qt::Key_5);
    QCOMPARE(LineEditVak::Achtergrond(e), kLichtGeel);
    QTest::keyClick(e, Qt::Key_Return);
    QCOMPARE(e->text(), QString("45,00"));

    QTest::mouseClick(o.frm.frameVerdeling(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtVerd(0));
    QVERIFY(!o.frm.txtInt(0)->isEnabled());
    QTest::keyClick(o.frm.txtVerd(0), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), o.frm.txtVerd(15));
    QCOMPARE(o.frm.StatusTekst(), QString("Geef percentage zware voertuigen per etmaalperiode"));
    QTest::keyClicks(o.frm.txtVerd(15), "2,5");
    QCOMPARE(o.frm.txtVerd(15)->text(), QString("2,5"));
    QTest::keyClick(o.frm.txtVerd(15), Qt::Key_Down);
    QCOMPARE(o.frm.txtVerd(15)->text(), QString("2,50"));
    QTest::keyClicks(o.frm.txtVerd(0), ",");
    QCOMPARE(LineEditVak::Achtergrond(o.frm.txtVerd(0)), kRood);
    QCOMPARE(o.frm.txtVerd(0)->text(), QString("0"));
  }
};

QTEST_MAIN(TestFrmIntensiteit)
#include "test_frmintensiteit.moc"
