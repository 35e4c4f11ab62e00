// The traffic-count conversion under Dutch settings, typed into as a user
// would. The numbers themselves are the core's (tests/tools); here: what the
// window takes, shows and hands to the main window.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "ScriptDialogen.h"
#include "windows/OmrekenVenster.h"

using namespace tarvo;

class TestOmrekenVenster : public QObject {
  Q_OBJECT

  struct Opstelling {
    ScriptDialogen dlg;
    OmrekenVenster venster;
    std::vector<VeldTeksten> toegepast;  // what each "Toepassen" handed over
    Opstelling() : venster(dlg, nullptr) {
      QObject::connect(&venster, &OmrekenVenster::Toegepast,
                       [this](const VeldTeksten& teksten) { toegepast.push_back(teksten); });
      venster.show();
      QApplication::setActiveWindow(&venster);
      QVERIFY(QTest::qWaitForWindowActive(&venster));
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
      QTest::mouseClick(venster.verdeling(5), Qt::LeftButton);  // a disabled box: the click is the frame's
      QStringList teksten{etmaal, uurDag, "0", "0"};
      for (const QString& a : aandelenDag)
        teksten << a << "0"
                << "0";
      Typ(venster.verdeling(0), teksten);
      QTest::mouseClick(venster.omrekenKnop(), Qt::LeftButton);
    }
    QString Melding() const { return QString::fromStdString(dlg.LaatsteMelding()); }
  };

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  // "Toepassen" hands over every count, zero ones too, as hourly intensities.
  void toepassenGeeftElkAantalAlsUurintensiteit() {
    Opstelling o;
    // Locked until a frame is clicked.
    QVERIFY(!o.venster.verdeling(0)->isEnabled() && !o.venster.toepasKnop()->isEnabled());
    o.Reken("10000", "6,5", {"10", "90", "0", "0"});
    QVERIFY(o.dlg.meldingen.empty());
    QTest::mouseClick(o.venster.toepasKnop(), Qt::LeftButton);
    QCOMPARE(o.toegepast.size(), std::size_t{1});
    const std::map<int, std::string> teksten(o.toegepast[0].begin(), o.toegepast[0].end());
    QCOMPARE(teksten.size(), std::size_t{18});
    QCOMPARE(teksten.at(2), std::string("585,00"));
    QCOMPARE(teksten.at(18), std::string("0,00"));
    QVERIFY(o.venster.isVisible());
  }

  // The refusal names the fault and puts the focus on the box to correct.
  void uurpercentageWeigertEnWijstHetVakAan() {
    Opstelling o;
    o.Reken("10000", "8,4", {"10", "90", "0", "0"});  // 12 hours of 8.4 % is more than the day
    QCOMPARE(o.Melding(), QString("Geen correcte Uurpercentages ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.venster.verdeling(1));
    QVERIFY(!o.venster.aantal(0)->isEnabled());  // no counts to apply
  }

  // Without a mouse: Alt+V opens the distribution, Alt+O converts, Alt+A
  // and Space on the other frame's title switch, Alt+T applies; a frame
  // stays open when its own title is unchecked.
  void zonderMuis() {
    Opstelling o;
    QTest::keyClick(&o.venster, Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), o.venster.verdeling(0));
    o.Typ(o.venster.verdeling(0), {"1000", "6", "0", "0", "0", "0", "0", "100"});
    QTest::keyClick(&o.venster, Qt::Key_O, Qt::AltModifier);  // a button's access key clicks it after a moment
    QTRY_COMPARE(QApplication::focusWidget(), o.venster.aantal(0));
    QVERIFY(o.dlg.meldingen.empty());
    QVERIFY(o.venster.aantallenKader()->isChecked() && !o.venster.verdelingKader()->isChecked());
    QCOMPARE(o.venster.aantal(3)->text(), QString("720,00"));  // light vehicles by day

    o.venster.aantallenKader()->setFocus();
    QTest::keyClick(o.venster.aantallenKader(), Qt::Key_Space);  // its own title: stays open
    QVERIFY(o.venster.aantal(0)->isEnabled() && o.venster.aantallenKader()->isChecked());
    o.venster.verdelingKader()->setFocus();
    QTest::keyClick(o.venster.verdelingKader(), Qt::Key_Space);
    QVERIFY(o.venster.verdeling(0)->isEnabled() && !o.venster.aantal(0)->isEnabled());
    QTest::keyClick(&o.venster, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), o.venster.aantal(0));
    QTest::keyClick(&o.venster, Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(o.toegepast.size(), std::size_t{1});
    const std::map<int, std::string> teksten(o.toegepast[0].begin(), o.toegepast[0].end());
    QCOMPARE(teksten.at(2), std::string("60,00"));
    QCOMPARE(Opstelling().venster.StatusTekst(), QString("Kies Verdeling (Alt+V) of Aantallen (Alt+A)"));
  }

  // Escape in a box closes the window as Cancel, whatever was typed, and
  // hands nothing over.
  void escapeSluitHetVenster() {
    Opstelling o;
    QTest::mouseClick(o.venster.aantallenKader(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::keyClicks(o.venster.aantal(0), "12");
    QTest::keyClick(o.venster.aantal(0), Qt::Key_Escape);
    QVERIFY(!o.venster.isVisible());
    QCOMPARE(o.venster.result(), int(QDialog::Rejected));
    QCOMPARE(o.venster.aantal(0)->text(), QString("12"));
    QVERIFY(o.toegepast.empty());
  }

  // Enter on the last count box wraps to the first.
  void enterRondDeAantallen() {
    Opstelling o;
    QTest::mouseClick(o.venster.aantallenKader(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(QApplication::focusWidget(), o.venster.aantal(0));
    o.venster.aantal(17)->setFocus();
    QTest::keyClick(o.venster.aantal(17), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), o.venster.aantal(0));
  }
};

QTEST_MAIN(TestOmrekenVenster)
#include "test_omrekenvenster.moc"
