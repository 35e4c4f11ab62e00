// The small windows of the shell: splash, information window, the user-name
// setting and the background gradient.
#include <QAction>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "ScriptDialogen.h"
#include "base/Tekst.h"
#include "tests/TijdelijkeMap.h"
#include "windows/LicNaam.h"
#include "shared_ui/QtDataMappen.h"
#include "shared_ui/Verloop.h"
#include "windows/frmAbout.h"
#include "windows/frmSplashII.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

class TestSchil : public QObject {
  Q_OBJECT

 private slots:
  void verloopStaptPerLijn() {
    const auto blauw = VerloopKleuren(100, QColor(0, 0, 0), QColor(0, 0, 100));
    QCOMPARE(blauw.size(), std::size_t{101});
    for (int y = 0; y <= 100; ++y) QCOMPARE(blauw[static_cast<std::size_t>(y)], QColor(0, 0, y));
    // Halves round to the even neighbour, down and up: 118.5 -> 118, 1.5 -> 2.
    QCOMPARE(VerloopKleuren(2, QColor(120, 0, 0), QColor(117, 0, 0))[1], QColor(118, 0, 0));
    QCOMPARE(VerloopKleuren(2, QColor(0, 0, 0), QColor(0, 3, 0))[1], QColor(0, 2, 0));
  }

  // The timer opens the main window; a click or Escape before it closes the splash without one.
  void splashOpentHoofdvensterAlleenNaDeTimer() {
    int geopend = 0;
    for (int manier : {0, 1, 2}) {
      frmSplashII splash([&] { ++geopend; });
      splash.Start();
      QVERIFY(splash.isVisible());
      if (manier == 0) splash.Timer1_Timer();
      if (manier == 1) QTest::mouseClick(splash.lblVersion(), Qt::LeftButton);
      if (manier == 2) QTest::keyClick(&splash, Qt::Key_Escape);
      QVERIFY(!splash.isVisible());
      QVERIFY(!splash.Timer1()->isActive());  // nothing left to open it later
      QCOMPARE(geopend, 1);
    }
  }

  // mnuTaakInfo is off while the window is open; the user name shows its single "&".
  void infoVensterZetMenuUit() {
    TijdelijkeMap map;
    Catalogus cat;
    cat.Gebruikersnaam = VastBreed("Jansen & Zn", kNaamLengte);
    cat.GebruikersLabelnaam = LabelNaamVoor(cat.Gebruikersnaam);
    ScriptDialogen dlg;
    QAction info("Info");
    {
      frmAbout venster(cat, dlg, QString::fromStdString(map.Pad().string()), &info);
      QVERIFY(!info.isEnabled());
      QVERIFY(venster.Label2()->text().endsWith("Gebruiker :\r\nJansen & Zn"));
    }
    QVERIFY(info.isEnabled());
  }

  // The label name doubles each "&" so a caption shows it, and keeps 40
  // characters; cancel and an empty answer change nothing.
  void gebruikersnaamMetAmpersand() {
    Catalogus cat;
    ScriptDialogen dlg;
    dlg.invoerAntwoorden = {QString("  Jansen & Zn  "), std::nullopt, QString()};
    for (int i = 0; i < 3; ++i) LicNaam(nullptr, dlg, cat);
    QCOMPARE(dlg.invoerPrompts.size(), std::size_t{3});
    QCOMPARE(cat.Gebruikersnaam, VastBreed("Jansen & Zn", kNaamLengte));
    QCOMPARE(cat.GebruikersLabelnaam, VastBreed("Jansen && Zn", kNaamLengte));

    const std::string lang = "A&" + std::string(38, 'x');
    dlg.invoerAntwoorden = {QString::fromStdString(lang)};
    LicNaam(nullptr, dlg, cat);
    QCOMPARE(cat.Gebruikersnaam, lang);
    QCOMPARE(cat.GebruikersLabelnaam, "A&&" + std::string(37, 'x'));
    QCOMPARE(LabelTekst(cat.GebruikersLabelnaam), QString::fromStdString("A&" + std::string(37, 'x')));
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
