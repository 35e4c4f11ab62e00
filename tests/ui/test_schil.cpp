// The small windows of the shell: splash, information window, tram rail
// chooser, the user-name setting and the background gradient.
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrlQuery>
#include <fstream>
#include <QToolButton>

#include "ScriptDialogen.h"
#include "calc/Tekst.h"
#include "tests/TijdelijkeMap.h"
#include "ui/LicNaam.h"
#include "ui/Verloop.h"
#include "ui/frmAbout.h"
#include "ui/frmSplashII.h"
#include "ui/frmTram.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

class UrlVanger : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls.append(url); }
};

class TestSchil : public QObject {
  Q_OBJECT

 private slots:
  void verloopStaptPerLijn() {
    const auto blauw = VerloopKleuren(100, QColor(0, 0, 0), QColor(0, 0, 100));
    QCOMPARE(blauw.size(), std::size_t{101});
    for (int y = 0; y <= 100; ++y) QCOMPARE(blauw[static_cast<std::size_t>(y)], QColor(0, 0, y));
    // Down from dark red; halves round to the even neighbour: 120 - 0.5 * 3 = 118.5 -> 118.
    const auto rood = VerloopKleuren(2, QColor(120, 0, 0), QColor(117, 0, 0));
    QCOMPARE(rood[1], QColor(118, 0, 0));
    QCOMPARE(rood[2], QColor(117, 0, 0));
    const auto oneven = VerloopKleuren(2, QColor(0, 0, 0), QColor(0, 3, 0));
    QCOMPARE(oneven[1], QColor(0, 2, 0));  // 1.5 -> 2
    QCOMPARE(VerloopKleuren(0, QColor(5, 5, 5), QColor(0, 0, 0)).size(), std::size_t{1});
  }

  void splashOpentHoofdvensterNaDeTimer() {
    int geopend = 0;
    frmSplashII splash([&] { ++geopend; });
    QCOMPARE(splash.lblVersion()->text(), QString("Versie 1.0 rev0 (06-12-2026)"));
    splash.Start();
    QVERIFY(splash.isVisible());
    QVERIFY(splash.Timer1()->isActive());
    QCOMPARE(splash.Timer1()->interval(), 2000);
    QVERIFY(splash.Timer1()->isSingleShot());
    splash.Timer1_Timer();
    QCOMPARE(geopend, 1);
    QVERIFY(!splash.isVisible());
  }

  void splashSluitOpKlikOfEscapeZonderHoofdvenster() {
    int geopend = 0;
    {
      frmSplashII splash([&] { ++geopend; });
      splash.Start();
      QTest::mouseClick(splash.lblVersion(), Qt::LeftButton);
      QVERIFY(!splash.isVisible());
      QVERIFY(!splash.Timer1()->isActive());
    }
    {
      frmSplashII splash([&] { ++geopend; });
      splash.Start();
      QTest::keyClick(&splash, Qt::Key_Escape);
      QVERIFY(!splash.isVisible());
      QVERIFY(!splash.Timer1()->isActive());
    }
    QCOMPARE(geopend, 0);
  }

  void infoVensterToontVersieGebruikerEnLevering() {
    TijdelijkeMap map;
    Catalogus cat;
    cat.Gebruikersnaam = VastBreed("Jansen & Zn", kNaamLengte);
    cat.GebruikersLabelnaam = LabelNaamVoor(cat.Gebruikersnaam);
    {
      std::ofstream uit(map / "levering.txt", std::ios::binary);
      uit << "Geleverd aan: Gemeente Zwolle\r\nLicentie 42\r\n";
    }
    ScriptDialogen dlg;
    QAction info("Info");
    {
      frmAbout venster(cat, dlg, QString::fromStdString(map.Pad().string()), &info);
      QVERIFY(!info.isEnabled());
      QCOMPARE(venster.windowTitle(), QString("Info Tarvo"));
      QCOMPARE(venster.Label2()->text(), QString("Tarvo wegverkeerslawaai SRM I, versie 1.0 rev0 (06-12-2026)\r\n"
                                                 "Gebruiker :\r\nJansen & Zn"));
      QVERIFY(venster.lblVersion()->text().startsWith(
          "Berekening van de geluidsbelasting ten gevolge van wegverkeerslawaai volgens de Standaard-rekenmethode 1 "
          "uit het Reken- en meetvoorschrift geluid 2012 (RMG 2012 inclusief wijziging van 19 mei 2014).\r\n---\r\n"));
      QCOMPARE(venster.lblDisclaimer()->text(), QString("Tarvo ontwikkelteam 2026"));
      QVERIFY(venster.txtLevering()->toPlainText().contains("Gemeente Zwolle"));
      QVERIFY(venster.txtLevering()->isReadOnly());
      QVERIFY(dlg.meldingen.empty());
      QCOMPARE(venster.Image2()->toolTip(), QString("tarvo@example.nl"));

      UrlVanger vanger;
      QDesktopServices::setUrlHandler("mailto", &vanger, "open");
      QTest::mouseClick(venster.Image2(), Qt::LeftButton);
      QDesktopServices::unsetUrlHandler("mailto");
      QCOMPARE(vanger.urls.size(), 1);
      QCOMPARE(vanger.urls.front().scheme(), QString("mailto"));
      QCOMPARE(vanger.urls.front().path(), QString("tarvo@example.nl"));
      QCOMPARE(QUrlQuery(vanger.urls.front()).queryItemValue("subject"), QString(" Feedback Tarvo"));
    }
    QVERIFY(info.isEnabled());
  }

  void infoVensterZonderLevering() {
    TijdelijkeMap map;
    Catalogus cat;
    ScriptDialogen dlg;
    frmAbout venster(cat, dlg, QString::fromStdString(map.Pad().string()), nullptr);
    QCOMPARE(venster.txtLevering()->toPlainText(), QString("Geen bestand beschikbaar!"));
    QCOMPARE(dlg.meldingen.size(), std::size_t{1});
    QVERIFY(dlg.meldingen[0].tekst.starts_with("Onverwachte fout in procedure Form_Load van Form frmAbout.\r\n"));
  }

  void tramKeuzeKlikEnDubbelklik() {
    std::int16_t rail = 1;
    frmTram venster(rail);
    QCOMPARE(venster.windowTitle(), QString("Railconstructie trambaan"));
    QCOMPARE(venster.optRail(1)->text(), QString("Rail in (asfalt)beton"));
    QVERIFY(venster.optRail(1)->isChecked());
    venster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&venster));
    QTest::mouseClick(venster.optRail(0), Qt::LeftButton, {}, QPoint(6, venster.optRail(0)->height() / 2));
    QCOMPARE(rail, std::int16_t{0});
    QVERIFY(venster.isVisible());
    QTest::mouseDClick(venster.optRail(1), Qt::LeftButton, {}, QPoint(6, venster.optRail(1)->height() / 2));
    QCOMPARE(rail, std::int16_t{1});
    QVERIFY(!venster.isVisible());
    QCOMPARE(venster.result(), int(QDialog::Accepted));
  }

  void gebruikersnaamMetAmpersand() {
    Catalogus cat;
    cat.Gebruikersnaam = VastBreed("Oud", kNaamLengte);
    cat.GebruikersLabelnaam = cat.Gebruikersnaam;
    ScriptDialogen dlg;

    dlg.invoerAntwoorden = {QString("  Jansen & Zn  ")};
    LicNaam(nullptr, dlg, cat);
    QCOMPARE(dlg.invoerPrompts.front(), "Huidige instelling gebruikersnaam: \r\n" +
                                            QString::fromStdString(VastBreed("Oud", kNaamLengte)) +
                                            "\r\n\r\nVoer nieuwe gebruikersnaam in");
    QCOMPARE(cat.Gebruikersnaam, VastBreed("Jansen & Zn", kNaamLengte));
    QCOMPARE(cat.GebruikersLabelnaam, VastBreed("Jansen && Zn", kNaamLengte));

    // Cancel and an empty answer keep both names.
    dlg.invoerAntwoorden = {std::nullopt, QString()};
    LicNaam(nullptr, dlg, cat);
    LicNaam(nullptr, dlg, cat);
    QCOMPARE(cat.Gebruikersnaam, VastBreed("Jansen & Zn", kNaamLengte));

    // A full 40 characters lose the last one in the label name.
    const std::string lang = "A&" + std::string(38, 'x');
    dlg.invoerAntwoorden = {QString::fromStdString(lang)};
    LicNaam(nullptr, dlg, cat);
    QCOMPARE(cat.Gebruikersnaam, lang);
    QCOMPARE(cat.GebruikersLabelnaam, "A&&" + std::string(37, 'x'));
    QCOMPARE(LabelTekst(cat.GebruikersLabelnaam), QString::fromStdString("A&" + std::string(37, 'x')));
  }
};

QTEST_MAIN(TestSchil)
#include "test_schil.moc"
