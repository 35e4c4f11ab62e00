// The traffic-count conversion under Dutch settings, typed into as a user
// would, writing into a plain worksheet. The numbers themselves are the
// core's (tests/tools); here: what the window takes, shows and writes.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ScriptDialogen.h"
#include "calc/PlainBediening.h"
#include "windows/frmIntensiteit.h"

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
    // Unlocks the distribution by its frame, types the day total, the DAG
    // hour share and per vehicle row the DAG share (the rest 0), and converts.
    void Reken(const QString& etmaal, const QString& uurDag, const QStringList& aandelenDag) {
      QTest::mouseClick(frm.txtVerd(5), Qt::LeftButton);  // a disabled box: the click is the frame's
      QStringList teksten{etmaal, uurDag, "0", "0"};
      for (const QString& a : aandelenDag) teksten << a << "0" << "0";
      Typ(frm.txtVerd(0), teksten);
      QTest::mouseClick(frm.cmdOmrekenen(), Qt::LeftButton);
    }
    QString Melding() const {
      return dlg.meldingen.empty() ? QString() : QString::fromStdString(dlg.meldingen.back().tekst);
    }
  };

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  // "Toepassen" writes every count, zero ones too, as hourly intensities in green.
  void toepassenSchrijftHetWerkbladGroen() {
    Opstelling o;
    QVERIFY(!o.frm.txtVerd(0)->isEnabled() && !o.frm.cmdOK()->isEnabled());  // locked until a frame is clicked
    o.venster.invoer[18].tekst = "7";
    o.Reken("10000", "6,5", {"10", "90", "0", "0"});
    QVERIFY(o.dlg.meldingen.empty());
    QTest::mouseClick(o.frm.cmdOK(), Qt::LeftButton);
    QCOMPARE(o.venster.invoer[2].tekst, std::string("585,00"));
    QCOMPARE(o.venster.invoer[2].achtergrond, kGroen);
    QCOMPARE(o.venster.invoer[18].tekst, std::string("0,00"));
    QVERIFY(o.frm.isVisible());
  }

  // The refusal names the fault and puts the focus on the box to correct.
  void uurpercentageWeigertEnWijstHetVakAan() {
    Opstelling o;
    o.Reken("10000", "8,4", {"10", "90", "0", "0"});  // 12 hours of 8.4 % is more than the day
    QCOMPARE(o.Melding(), QString("Geen correcte Uurpercentages ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtVerd(1));
    QVERIFY(!o.frm.txtInt(0)->isEnabled());  // no counts to apply
  }

  // Enter on the last count box wraps to the first.
  void enterRondDeAantallen() {
    Opstelling o;
    QTest::mouseClick(o.frm.frameIntensiteit(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtInt(0));
    o.frm.txtInt(17)->setFocus();
    QTest::keyClick(o.frm.txtInt(17), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), o.frm.txtInt(0));
  }
};

QTEST_MAIN(TestFrmIntensiteit)
#include "test_frmintensiteit.moc"
