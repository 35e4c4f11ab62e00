// The small windows of the shell: opening screen, information window, the user-name
// setting, the rail choice, the translation and the user folder.
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "ScriptDialogen.h"
#include "base/Tekst.h"
#include "shared_ui/QtDataMappen.h"
#include "shared_ui/Vertaling.h"
#include "tests/TijdelijkeMap.h"
#include "windows/Gebruikersnaam.h"
#include "windows/InfoVenster.h"
#include "windows/OpstartVenster.h"
#include "windows/RailVenster.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

class TestSchil : public QObject {
  Q_OBJECT

  // A widget's text alone, on white.
  static QImage Letters(QWidget& w) {
    QImage beeld(w.size(), QImage::Format_ARGB32);
    beeld.fill(Qt::white);
    w.render(&beeld, {}, {}, QWidget::DrawChildren);
    return beeld;
  }

  // Room for the whole title in bold beside three title-bar buttons.
  static bool ToontHeleTitel(const QWidget& w) {
    QFont vet = w.font();
    vet.setBold(true);
    const int knoppen = 3 * w.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return w.width() >= QFontMetrics(vet).horizontalAdvance(w.windowTitle()) + knoppen;
  }

 private slots:
  // The timer opens the main window; a click or Escape before it closes the opening screen without one.
  void openingsschermOpentHoofdvensterAlleenNaDeTimer() {
    int geopend = 0;
    for (int manier : {0, 1, 2}) {
      OpstartVenster scherm([&] { ++geopend; });
      scherm.Start();
      QVERIFY(scherm.isVisible());
      if (manier == 0) scherm.OpenHoofdvenster();
      if (manier == 1) QTest::mouseClick(scherm.versie(), Qt::LeftButton);
      if (manier == 2) QTest::keyClick(&scherm, Qt::Key_Escape);
      QVERIFY(!scherm.isVisible());
      QVERIFY(!scherm.timer()->isActive());  // nothing left to open it later
      QCOMPARE(geopend, 1);
    }
  }

  // A click chooses, a double-click chooses and closes; every choice is
  // reported at once. A value the chooser does not know selects nothing.
  void railKiezen() {
    RailVenster onbekend(5);
    QVERIFY(!onbekend.railKeuze(0)->isChecked() && !onbekend.railKeuze(1)->isChecked());

    RailVenster venster(1);
    venster.show();
    QVERIFY(venster.railKeuze(1)->isChecked());
    QSignalSpy gekozen(&venster, &RailVenster::RailGekozen);
    const QPoint rondje(8, venster.railKeuze(0)->height() / 2);
    QTest::mouseClick(venster.railKeuze(0), Qt::LeftButton, {}, rondje);
    QCOMPARE(gekozen.count(), 1);
    QCOMPARE(gekozen.last().at(0).value<std::int16_t>(), std::int16_t{0});
    QVERIFY(venster.isVisible());
    QTest::mouseDClick(venster.railKeuze(1), Qt::LeftButton, {}, rondje);
    QCOMPARE(gekozen.last().at(0).value<std::int16_t>(), std::int16_t{1});
    QVERIFY(venster.railKeuze(1)->isChecked());
    QVERIFY(!venster.isVisible());
    QCOMPARE(venster.result(), int(QDialog::Accepted));
  }

  // The notification icon's "Info" is off while the window is open; the user name shows its single "&".
  void infoVensterZetMenuUit() {
    TijdelijkeMap map;
    Catalogus cat;
    cat.Gebruikersnaam = VastBreed("Jansen & Zn", kNaamLengte);
    ZetGebruikersnaam(cat, cat.Gebruikersnaam);
    ScriptDialogen dlg;
    QAction info("Info");
    {
      InfoVenster venster(cat, dlg, QString::fromStdString(map.Pad().string()), &info);
      QVERIFY(!info.isEnabled());
      QVERIFY(venster.versieEnGebruiker()->text().endsWith("Gebruiker :\r\nJansen & Zn"));
    }
    QVERIFY(info.isEnabled());
  }

  // The answer, trimmed and cut to 40 characters, sets both names (the
  // label name's doubled "&": the core's rows); cancel and an empty answer
  // change nothing.
  void gebruikersnaamMetAmpersand() {
    Catalogus cat;
    ScriptDialogen dlg;
    const std::string naam = "Ingenieursbureau Jansen & Zn, afdeling geluid";  // longer than 40
    dlg.invoerAntwoorden = {QString::fromStdString("  " + naam + "  "), std::nullopt, QString()};
    for (int i = 0; i < 3; ++i) VraagGebruikersnaam(nullptr, dlg, cat);
    QCOMPARE(dlg.invoerPrompts.size(), std::size_t{3});
    QCOMPARE(cat.Gebruikersnaam, VastBreed(naam, kNaamLengte));
    QCOMPARE(cat.GebruikersLabelnaam, VastBreed("Ingenieursbureau Jansen && Zn, afdeling geluid", kNaamLengte));
  }

  // The real input box shows the name's "&" as a character, not as an
  // access key: its prompt looks exactly like a label that has no field.
  void gebruikersnaamToontAmpersandLetterlijk() {
    Catalogus cat;
    cat.Gebruikersnaam = VastBreed("Bureau Geluid & Trilling", kNaamLengte);
    const QString verwacht = "Huidige instelling gebruikersnaam: \n" + QString::fromStdString(cat.Gebruikersnaam) +
                             "\n\nVoer nieuwe gebruikersnaam in";
    QImage getoond, letterlijk;
    bool heleTitel = false;
    QTimer kijker;
    connect(&kijker, &QTimer::timeout, this, [&] {
      auto* vak = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      if (!vak) return;
      kijker.stop();
      QLabel* prompt = vak->findChild<QLabel*>();
      QLabel zonderVeld(verwacht);
      zonderVeld.setFont(prompt->font());
      zonderVeld.setAlignment(prompt->alignment());
      zonderVeld.setWordWrap(prompt->wordWrap());
      zonderVeld.setFixedSize(prompt->size());
      getoond = Letters(*prompt);
      letterlijk = Letters(zonderVeld);
      heleTitel = ToontHeleTitel(*vak);
      vak->reject();
    });
    kijker.start(10);
    QtDialogen dialogen;
    VraagGebruikersnaam(nullptr, dialogen, cat);
    QVERIFY(!getoond.isNull());
    QCOMPARE(getoond, letterlijk);
    QVERIFY(heleTitel);
    QCOMPARE(cat.Gebruikersnaam, VastBreed("Bureau Geluid & Trilling", kNaamLengte));  // Cancel keeps it
  }

  // A side window shown by the program is wide enough for its whole title.
  void vensterToontHeleTitel() {
    RailVenster venster(0);
    QTimer::singleShot(0, &venster, [&] {
      QVERIFY(ToontHeleTitel(venster));
      venster.reject();
    });
    QtDialogen dialogen;
    QCOMPARE(dialogen.ToonVenster(venster), int(QDialog::Rejected));
  }

  // A question whose careful answer is the default: Enter cancels.
  void jaAnnulerenStandaardAnnuleren() {
    QTimer::singleShot(0, this, [] {
      auto* vraag = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(vraag && vraag->defaultButton()->text() == "Annuleren");
      QTest::keyClick(vraag, Qt::Key_Return);
    });
    QtDialogen dialogen;
    QCOMPARE(dialogen.Toon("Wissen?", "Wegdek wissen", Icoon::Vraag, Knoppen::JaAnnuleren), Antwoord::Annuleren);
  }

  // Qt's own buttons and dialogs speak the user's language.
  void standaardknoppenInHetNederlands() {
    QVERIFY(LaadQtVertaling(*QCoreApplication::instance()));
    QDialogButtonBox knoppen(QDialogButtonBox::Cancel);
    QCOMPARE(knoppen.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Annuleren"));
  }

  // tarvo-reken, which has no Qt, must name the same user folder as the
  // window program, or the two would compute with different catalogues.
  void gebruikersMapZoalsQt() {
    ZetProgrammaNamen();
    const QByteArray bewaard = qgetenv("XDG_DATA_HOME");
    for (const char* xdg : {"", "/data/jansen", "relatief/pad"}) {
      qputenv("XDG_DATA_HOME", xdg);
      QCOMPARE(QString::fromStdString(GebruikersDataMap().string()),
               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
    qputenv("XDG_DATA_HOME", bewaard);
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).endsWith("/tarvo"));
  }
};

QTEST_MAIN(TestSchil)
#include "test_schil.moc"
