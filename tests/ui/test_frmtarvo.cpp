// The main window driven as a user would: typed keys, Enter and arrows,
// clicks; dialogs answered by ScriptDialogen; a temporary data folder.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "ScriptDialogen.h"
#include "calc/Tekst.h"
#include "calc/Velden.h"
#include "catalogue/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "ui/frmTarvo.h"
#include "worksheet_file/WerkbladBestand.h"

using namespace tarvo;
using tarvo::test::LeesBytes;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;

namespace {

Catalogus TestCatalogus() {
  Catalogus c;
  c.AantalWegdekken = 2;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  c.Wegdekken[2].Omschrijving = VastBreed("2L ZOAB", kOmschrijvingLengte);
  c.Wegdekken[2].DL_lv = -4.5;
  c.Gebruikersnaam = VastBreed("Bureau Geluid", kNaamLengte);
  c.GebruikersLabelnaam = c.Gebruikersnaam;
  return c;
}

void SchrijfCatalogus(const std::filesystem::path& map) {
  SchrijfBytes(map / std::string(kCatalogusBestand), CodeerCatalogus(TestCatalogus()));
}

// A worksheet file as an older or the current version writes it.
WerkbladInhoud TestInhoud() {
  WerkbladInhoud in;
  in.weg = VastBreed("Rijksweg", kNaamVeldLengte);
  in.waarneempunt = VastBreed("Gevel 12", kNaamVeldLengte);
  in.blok[0][0] = 1000;  // lv, dag
  in.snelheid = {80, 80, 80, 30, 30, 30};
  in.waarneemhoogte = 5;
  in.afstandHor = 10;
  in.zichthoek = 127;
  in.wegdekKeuze = 2;
  for (auto& t : in.toelichting) t = VastBreed("", kToelichtingLengte);
  in.toelichting[0] = VastBreed("meting 2024", kToelichtingLengte);
  in.versie = "O2";
  return in;
}

QString Pad(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

// The positions of Toolbar1 that show in each mode (separators always do).
const QList<int> kSeparators = {1, 4, 8, 11, 17, 19};
const QList<int> kAltijd = {2, 14, 15, 18};

struct Modus {
  const char* naam;
  bool labels, velden, toel, zone, aftrek, label2, tram, combo, frame2, waarden, resultaatLabels, command1;
  QList<int> knoppen;  // buttons shown besides the separators and kAltijd
};

const Modus kRust{"rust", false, false, false, false, false, false, false, false, false, false, false, false,
                  {3, 10, 12}};
const Modus kInvoer{"invoer", true, true, true, true, true, true, true, true, false, false, false, true,
                    {9, 13, 16}};
const Modus kResultaat{"resultaat", false, false, false, false, false, false, false, false, true, true, true, false,
                       {3, 5, 6, 7, 9, 10}};
// After reading a file: idle, plus the calculation button and "help", without "cwegdek".
const Modus kGelezen{"gelezen", false, false, false, false, false, false, false, false, false, false, false, true,
                     {3, 10, 16}};

}  // namespace

class TestFrmTarvo : public QObject {
  Q_OBJECT

  struct Opstelling {
    TijdelijkeMap map;
    ScriptDialogen dlg;
    std::unique_ptr<frmTarvo> frm;
    bool gestart = false;

    explicit Opstelling(const QString& opdrachtRegel = {}, bool metCatalogus = true) {
      if (metCatalogus) SchrijfCatalogus(map.Pad());
      frm = std::make_unique<frmTarvo>(dlg, Pad(map.Pad()));
      gestart = frm->Start(opdrachtRegel);
      if (!gestart) return;
      frm->show();
      QApplication::setActiveWindow(frm.get());
      QVERIFY(QTest::qWaitForWindowActive(frm.get()));
    }
    QLineEdit* Veld(int k) const { return frm->txtInvoer(k); }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    void Typ(int k, const QString& tekst) {
      Veld(k)->setFocus();
      QTest::keyClicks(Veld(k), tekst);
    }
    void Toets(QWidget* w, Qt::Key key) { QTest::keyClick(w, key); }
    void Knop(const char* key) { frm->findChild<QAction*>(key)->trigger(); }
    // On the box and its caption, not on the empty width the layout gives it.
    static void Klik(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }
    Kleur Achtergrond(int k) const { return LineEditVak::Achtergrond(Veld(k)); }
    std::string LaatsteMelding() const { return dlg.meldingen.empty() ? "" : dlg.meldingen.back().tekst; }
  };

  static void ControleerModus(const frmTarvo& f, const Modus& m) {
    const QString wat = QString("modus ") + m.naam + ": ";
    for (int i = 0; i <= 26; ++i) QVERIFY2(f.label(i)->isEnabled() == m.labels, qPrintable(wat + "label"));
    for (int k = 0; k < kAantalVelden; ++k) {
      const bool afgeleid = k >= 26 && k <= 31;
      const bool snelheidInZone = f.chkZone()->isChecked() && Veld(k).kolom == "v (km/h)";
      const bool verwacht = m.velden && !afgeleid && !snelheidInZone;
      QVERIFY2(f.txtInvoer(k)->isEnabled() == verwacht, qPrintable(wat + "txtInvoer " + QString::number(k)));
    }
    for (int i = 0; i < 4; ++i) QVERIFY2(f.txtToel(i)->isEnabled() == m.toel, qPrintable(wat + "txtToel"));
    QVERIFY2(f.chkZone()->isEnabled() == m.zone, qPrintable(wat + "chkZone"));
    QVERIFY2(f.chkAftrek()->isEnabled() == m.aftrek, qPrintable(wat + "chkAftrek"));
    QVERIFY2(f.Label2()->isEnabled() == m.label2, qPrintable(wat + "Label2"));
    QVERIFY2(f.cmdTram()->isEnabled() == m.tram, qPrintable(wat + "cmdTram"));
    QVERIFY2(f.Combo1()->isEnabled() == m.combo, qPrintable(wat + "Combo1"));
    QVERIFY2(f.Frame2()->isEnabled() == m.frame2, qPrintable(wat + "Frame2"));
    for (int i : {2, 4, 6}) QVERIFY2(f.lblResult(i)->isVisible() == m.waarden, qPrintable(wat + "lblResult"));
    for (int i : {1, 3, 5, 7}) {
      QVERIFY2(f.lblResult(i)->isVisible(), qPrintable(wat + "lblResult zichtbaar"));
      QVERIFY2(f.lblResult(i)->isEnabled() == m.resultaatLabels, qPrintable(wat + "lblResult ingeschakeld"));
    }
    QVERIFY2(f.Command1()->isVisible() == m.command1, qPrintable(wat + "Command1"));
    for (int i = 1; i <= 19; ++i) {
      const bool verwacht = kSeparators.contains(i) || kAltijd.contains(i) || m.knoppen.contains(i);
      QVERIFY2(f.Knop(i)->isVisible() == verwacht, qPrintable(wat + "knop " + QString::number(i)));
    }
  }

 private slots:
  void initTestCase() {
    QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    nl.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(nl);
  }

  void opstartToontLegeRustModus() {
    Opstelling o;
    QVERIFY(o.gestart);
    QVERIFY(o.dlg.meldingen.empty());
    ControleerModus(*o.frm, kRust);
    QCOMPARE(o.frm->windowTitle(), QString("Rekenblad Tarvo, Copyright Tarvo ontwikkelteam 2026"));
    QCOMPARE(o.frm->BestandPaneel(), QString("Geen bestand"));
    QCOMPARE(o.frm->HelpTekst(), std::string("Helpinfo ontbreekt."));
    QCOMPARE(o.frm->DatumTekst(), QLocale(QLocale::Dutch).toString(QDate::currentDate(), "dd MMMM yyyy"));
    QCOMPARE(o.frm->Combo1()->count(), 2);
    QCOMPARE(o.frm->Combo1()->itemText(1), QString::fromStdString(VastBreed("2L ZOAB", kNaamLengte)));
    QCOMPARE(o.frm->Combo1()->currentIndex(), 0);
    // Defaults with the Dutch decimal comma.
    QCOMPARE(o.Veld(0)->text(), QString());
    QCOMPARE(o.Veld(2)->text(), QString("0,00"));
    QCOMPARE(o.Veld(5)->text(), QString("30"));
    QCOMPARE(o.Veld(32)->text(), QString("5,00"));
    QCOMPARE(o.Veld(36)->text(), QString("10,00"));
    QCOMPARE(o.Veld(39)->text(), QString("127"));
    QCOMPARE(o.Veld(2)->property("tag").toString(), QString("NUMERIC;"));
    QCOMPARE(o.Veld(26)->property("tag").toString(), QString());
    QCOMPARE(o.frm->txtToel(0)->maxLength(), 60);
    QCOMPARE(o.frm->Knop(16)->toolTip(), QString("Toelichting bij invoer"));
    QCOMPARE(o.frm->Toolbar1()->actions().size(), 19);
    // No notification area under the offscreen platform: the icon's commands live in a window menu.
    const auto menuActies = o.frm->menuBar()->actions();
    QCOMPARE(menuActies.size(), 1);
    QVERIFY(menuActies.first()->menu()->actions().contains(o.frm->mnuTaakInfo()));
    QVERIFY(menuActies.first()->menu()->actions().contains(o.frm->mnuTaakexit()));
  }

  void invoerEnResetSchakelenModi() {
    Opstelling o;
    o.Knop("invullen");
    ControleerModus(*o.frm, kInvoer);
    QCOMPARE(o.Focus(), o.Veld(0));
    o.Typ(2, "12");
    o.Knop("reset");
    ControleerModus(*o.frm, kRust);
    QCOMPARE(o.Veld(2)->text(), QString("0,00"));
    // Entering input mode with the zone on locks the speeds at 30.
    o.Knop("invullen");
    o.Typ(5, "45");
    o.Klik(o.frm->chkZone());
    QVERIFY(o.frm->chkZone()->isChecked());
    o.Knop("invullen");
    ControleerModus(*o.frm, kInvoer);
    QCOMPARE(o.Veld(5)->text(), QString("30"));
    QVERIFY(!o.Veld(5)->isEnabled());
  }

  void berekeningToontNiveausInResultaatModus() {
    Opstelling o;
    o.Knop("invullen");
    // Enter through the ring: waarneempunt, weg, then the day intensity of light vehicles.
    QTest::keyClicks(o.Veld(0), "Gevel 12");
    o.Toets(o.Veld(0), Qt::Key_Return);
    QTest::keyClicks(o.Veld(1), "Rijksweg");
    o.Toets(o.Veld(1), Qt::Key_Return);
    QCOMPARE(o.Focus(), o.Veld(2));
    QTest::keyClicks(o.Veld(2), "1000");
    o.Typ(5, "80");
    o.frm->Command1()->setFocus();
    QCOMPARE(o.Veld(5)->text(), QString("80"));
    QTest::mouseClick(o.frm->Command1(), Qt::LeftButton);

    QVERIFY(o.dlg.meldingen.empty());
    ControleerModus(*o.frm, kResultaat);
    QCOMPARE(o.frm->lblResult(2)->text(), QString(" 68,3 dB(A)"));
    QCOMPARE(o.frm->lblResult(4)->text(), QString(" 65,3 dB"));
    QCOMPARE(o.frm->lblResult(6)->text(), QString("  0,0 dB"));
    QCOMPARE(o.Veld(26)->text(), QString("1000,00"));
    QCOMPARE(o.frm->lblResult(2)->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(o.frm->Blad().Waarneempunt, VastBreed("Gevel 12", kNaamVeldLengte));

    // A click on a shown level belongs to the label, not to the frame.
    QTest::mouseClick(o.frm->lblResult(2), Qt::LeftButton);
    ControleerModus(*o.frm, kResultaat);
    // The frame leads back to input mode; the stored results stay.
    QTest::mouseClick(o.frm->Frame2(), Qt::LeftButton, {}, QPoint(4, o.frm->Frame2()->height() - 4));
    ControleerModus(*o.frm, kInvoer);
    QCOMPARE(o.frm->lblResult(2)->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 255, 0));
    QVERIFY(o.frm->Blad().Letmaal > 68);

    // The deduction of art. 110g on a road below 70 km/h is 5 dB.
    o.Typ(5, "50");
    o.Klik(o.frm->chkAftrek());
    QTest::mouseClick(o.frm->Command1(), Qt::LeftButton);
    ControleerModus(*o.frm, kResultaat);
    QCOMPARE(o.frm->Blad().Aftrek110g, std::int16_t{5});
  }

  void klikbareLabelsAlleenInHunModus() {
    Opstelling o;
    // label(21) asks for the diagram's distance only while the captions are enabled.
    QTest::mouseClick(o.frm->label(21), Qt::LeftButton);
    QVERIFY(o.dlg.invoerPrompts.empty());
    o.Knop("invullen");
    QTest::mouseClick(o.frm->label(21), Qt::LeftButton);
    QCOMPARE(o.dlg.invoerPrompts.size(), std::size_t{1});
    QTest::mouseClick(o.frm->label(20), Qt::LeftButton);
    QCOMPARE(o.dlg.invoerPrompts.size(), std::size_t{1});

    // lblResult(7) opens the dose-effect window on the computed Lden, modally.
    o.Typ(2, "1000");
    o.Typ(5, "80");
    QTest::mouseClick(o.frm->Command1(), Qt::LeftButton);
    QString titel;
    QTimer::singleShot(0, [&] {
      if (QWidget* venster = QApplication::activeModalWidget()) {
        titel = venster->windowTitle();
        venster->close();
      }
    });
    QTest::mouseClick(o.frm->lblResult(7), Qt::LeftButton);
    QCOMPARE(titel, QString("Dosis-effect relatie bij Lden = 65,3 dB"));
  }

  void calculatorZonderProgrammaMeldtDat() {
    Opstelling o;
    TijdelijkeMap leeg;
    const QByteArray pad = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(leeg.Pad().string()));
    o.Knop("calc");
    qputenv("PATH", pad);
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QVERIFY(o.LaatsteMelding().starts_with("Er is geen rekenmachineprogramma gevonden"));
  }

  void geweigerdeBerekeningBlijftInInvoerModus() {
    Opstelling o;
    o.Knop("invullen");
    o.Typ(32, "0");
    QTest::mouseClick(o.frm->Command1(), Qt::LeftButton);
    QCOMPARE(o.LaatsteMelding(), std::string("geen waarneemhoogte ingevuld"));
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Waarschuwing"));
    ControleerModus(*o.frm, kInvoer);
    QCOMPARE(o.Focus(), o.Veld(32));
  }

  void toetsfilterPerVeldklasse() {
    Opstelling o;
    o.Knop("invullen");
    o.Veld(2)->setFocus();
    o.Veld(2)->clear();
    QTest::keyClicks(o.Veld(2), "1a");
    QCOMPARE(o.Veld(2)->text(), QString("1"));
    QCOMPARE(o.dlg.piepen, 1);
    QCOMPARE(o.Achtergrond(2), kRood);
    QTest::keyClicks(o.Veld(2), "2,5");
    QCOMPARE(o.Veld(2)->text(), QString("12,5"));
    QCOMPARE(o.Achtergrond(2), kLichtGeel);
    QCOMPARE(o.dlg.piepen, 1);
    // Leaving formats with the Dutch comma.
    o.Toets(o.Veld(2), Qt::Key_Return);
    QCOMPARE(o.Veld(2)->text(), QString("12,50"));

    // Speed fields take digits only; the range is clamped on leaving.
    o.Typ(5, "8,");
    QCOMPARE(o.Veld(5)->text(), QString("8"));
    QCOMPARE(o.dlg.piepen, 2);
    o.Typ(5, "200");
    o.Toets(o.Veld(5), Qt::Key_Down);
    QCOMPARE(o.Veld(5)->text(), QString("160"));
    o.Typ(21, "70");
    o.Toets(o.Veld(21), Qt::Key_Down);
    QCOMPARE(o.Veld(21)->text(), QString("60"));
    o.Typ(34, "2");
    o.Toets(o.Veld(34), Qt::Key_Down);
    QCOMPARE(o.Veld(34)->text(), QString("1,00"));

    // Fields 0 and 1 take every key.
    o.Typ(0, "a.,1!");
    QCOMPARE(o.Veld(0)->text(), QString("a.,1!"));
    QCOMPARE(o.dlg.piepen, 2);

    // Escape empties; leaving gives zero.
    o.Typ(10, "7");
    o.Toets(o.Veld(10), Qt::Key_Escape);
    QCOMPARE(o.Veld(10)->text(), QString());
    o.Toets(o.Veld(10), Qt::Key_Return);
    QCOMPARE(o.Veld(10)->text(), QString("0,00"));

    // A pasted text that is no number: red, tool tip, the focus stays.
    o.Veld(32)->setFocus();
    o.Veld(32)->setText("abc");
    o.Veld(33)->setFocus();
    QCOMPARE(o.Focus(), o.Veld(32));
    QCOMPARE(o.Achtergrond(32), kRood);
    QCOMPARE(o.Veld(32)->toolTip(), QString("Voer geldig getal in"));
    QCOMPARE(o.Veld(32)->text(), QString("abc"));
    o.Veld(32)->setText("5");

    // Remark lines are stored trimmed and padded.
    o.frm->txtToel(1)->setFocus();
    QTest::keyClicks(o.frm->txtToel(1), "  rustig ");
    o.frm->txtToel(2)->setFocus();
    QCOMPARE(o.frm->Blad().Toelichting[1], VastBreed("rustig", kToelichtingLengte));
  }

  void navigatieDoorDeRing() {
    Opstelling o;
    o.Knop("invullen");
    o.Veld(25)->setFocus();
    o.Toets(o.Veld(25), Qt::Key_Return);
    QCOMPARE(o.Focus(), o.Veld(32));
    o.Toets(o.Veld(32), Qt::Key_Up);
    QCOMPARE(o.Focus(), o.Veld(25));
    o.Veld(39)->setFocus();
    o.Toets(o.Veld(39), Qt::Key_Enter);
    QCOMPARE(o.Focus(), o.frm->txtToel(0));
    o.frm->txtToel(3)->setFocus();
    o.Toets(o.frm->txtToel(3), Qt::Key_Down);
    QCOMPARE(o.Focus(), o.Veld(0));
    o.Toets(o.Veld(0), Qt::Key_Up);
    QCOMPARE(o.Focus(), o.frm->txtToel(3));
    o.Toets(o.frm->txtToel(3), Qt::Key_Up);
    QCOMPARE(o.Focus(), o.frm->txtToel(2));
    o.frm->txtToel(0)->setFocus();
    o.Toets(o.frm->txtToel(0), Qt::Key_Up);
    QCOMPARE(o.Focus(), o.Veld(39));

    // With the zone on the locked speed fields are passed over in the same direction.
    o.Klik(o.frm->chkZone());
    o.Veld(4)->setFocus();
    o.Toets(o.Veld(4), Qt::Key_Return);
    QCOMPARE(o.Focus(), o.Veld(6));
    o.Toets(o.Veld(6), Qt::Key_Up);
    QCOMPARE(o.Focus(), o.Veld(4));
    o.Veld(24)->setFocus();
    o.Toets(o.Veld(24), Qt::Key_Down);
    QCOMPARE(o.Focus(), o.Veld(32));
    o.Toets(o.Veld(32), Qt::Key_Up);
    QCOMPARE(o.Focus(), o.Veld(24));
  }

  void helpTekstVolgtDeFocus() {
    Opstelling o;
    o.Knop("invullen");
    o.Veld(34)->setFocus();
    QCOMPARE(o.frm->HelpTekst(), std::string(HelpTekstVeld(34)));
    QCOMPARE(o.Veld(34)->selectedText(), o.Veld(34)->text());
    o.frm->chkAftrek()->setFocus();
    QCOMPARE(o.frm->HelpTekst(), std::string(kHelpAftrek));
    o.frm->txtToel(2)->setFocus();
    QCOMPARE(o.frm->HelpTekst(), std::string("Geen helpinfo beschikbaar."));
    o.Veld(36)->setFocus();
    o.Knop("help");
    QCOMPARE(o.LaatsteMelding(), std::string(HelpTekstVeld(36)));
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Toelichting bij invoer"));
    QCOMPARE(o.dlg.meldingen.back().icoon, Icoon::Informatie);
  }

  void zoneSchakelaarEnWegdekkeuze() {
    Opstelling o;
    o.Knop("invullen");
    o.Typ(5, "45");
    o.Typ(9, "50");
    o.Klik(o.frm->chkZone());
    for (int k : kSnelheidVelden) {
      QCOMPARE(o.Veld(k)->text(), QString("30"));
      QVERIFY(!o.Veld(k)->isEnabled());
    }
    o.Klik(o.frm->chkZone());
    QCOMPARE(o.Veld(5)->text(), QString("45"));
    QCOMPARE(o.Veld(9)->text(), QString("50"));
    QVERIFY(o.Veld(5)->isEnabled());

    // Choosing in the list sets the worksheet's road surface.
    o.frm->Combo1()->setFocus();
    o.Toets(o.frm->Combo1(), Qt::Key_Down);
    QCOMPARE(o.frm->Blad().WegdekKeuze, std::int16_t{2});
    QCOMPARE(o.frm->Blad().WegdekLijstIndex, 1);
    o.Knop("reset");
    QCOMPARE(o.frm->Blad().WegdekKeuze, std::int16_t{1});
    QCOMPARE(o.frm->Combo1()->currentIndex(), 0);
  }

  void openenMetFoutenEnAnnuleren() {
    Opstelling o;
    SchrijfBytes(o.map / "blad.tvo", CodeerWerkblad(TestInhoud()));
    SchrijfBytes(o.map / "blad.txt", CodeerWerkblad(TestInhoud()));
    o.Knop("invullen");
    o.Typ(2, "5");
    // Another extension: error 52, then the dialog again.
    o.dlg.openAntwoorden = {Pad(o.map / "blad.txt"), Pad(o.map / "blad.tvo")};
    o.Knop("open");
    QCOMPARE(o.dlg.openFilters, std::vector<QString>({"Bestand Tarvo (*.tvo)", "Bestand Tarvo (*.tvo)"}));
    QCOMPARE(o.dlg.openMappen.front(), Pad(o.map.Pad()));
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.LaatsteMelding(), std::string("Onverwachte fout in procedure Openen van Form frmTarvo.\r\n"
                                             "Fout 52 - Ongeldige bestandsnaam of -nummer."));
    QCOMPARE(o.dlg.meldingen.back().icoon, Icoon::Kritiek);
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Tarvo"));
    ControleerModus(*o.frm, kGelezen);
    QCOMPARE(o.frm->BestandPaneel(), QString("blad.tvo"));
    QCOMPARE(o.Veld(0)->text(), QString("Gevel 12"));
    QCOMPARE(o.Veld(2)->text(), QString("1000,00"));
    QCOMPARE(o.Veld(5)->text(), QString("80"));
    QCOMPARE(o.frm->txtToel(0)->text(), QString("meting 2024"));
    QCOMPARE(o.frm->Combo1()->currentIndex(), 1);
    // Reading a file and computing it needs no "invullen".
    QTest::mouseClick(o.frm->Command1(), Qt::LeftButton);
    ControleerModus(*o.frm, kResultaat);

    // A missing file: the generic message, then the dialog; cancel leaves an empty worksheet.
    o.dlg.meldingen.clear();
    o.dlg.openAntwoorden = {Pad(o.map / "weg.tvo")};
    o.Knop("open");
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QVERIFY(o.LaatsteMelding().starts_with("Onverwachte fout in procedure Openen van Form frmTarvo.\r\nFout 53 - "));
    ControleerModus(*o.frm, kRust);
    QCOMPARE(o.frm->BestandPaneel(), QString("Geen bestand"));
    QCOMPARE(o.Veld(0)->text(), QString());

    // An older version's file: its message, and the worksheet stays empty.
    WerkbladInhoud oud = TestInhoud();
    oud.versie = "o2";
    SchrijfBytes(o.map / "oud.tvo", CodeerWerkblad(oud));
    o.dlg.meldingen.clear();
    o.dlg.openAntwoorden = {Pad(o.map / "oud.tvo")};
    o.Knop("open");
    QCOMPARE(o.LaatsteMelding(), std::string(kOudeVersieMelding));
    ControleerModus(*o.frm, kRust);
    QCOMPARE(o.Veld(0)->text(), QString());
  }

  void opslaanVoegtGeenExtensieToe() {
    Opstelling o;
    o.Knop("invullen");
    o.Typ(0, "Gevel 3");
    QTest::mouseClick(o.frm->Command1(), Qt::LeftButton);
    o.dlg.bewaarAntwoorden = {Pad(o.map / "zonder")};
    o.Knop("opslaan");
    QCOMPARE(o.dlg.bewaarFilters.front(), QString("Bestand Tarvo (*.tvo)"));
    QCOMPARE(LeesBytes(o.map / "zonder").size(), kWerkbladLengte);
    QVERIFY(!std::filesystem::exists(o.map / "zonder.tvo"));
    // Saving ties the worksheet to no file: the panel still reads "Geen bestand".
    QCOMPARE(o.frm->BestandPaneel(), QString("Geen bestand"));
    // Cancel writes nothing and says nothing.
    o.Knop("opslaan");
    QVERIFY(o.dlg.meldingen.empty());
  }

  void afsluitenVraagtAlleenNaEenGelezenBestand() {
    {
      Opstelling o;
      const auto voor = LeesBytes(o.map / std::string(kCatalogusBestand));
      o.frm->Cat().Gebruikersnaam = VastBreed("Nieuw", kNaamLengte);
      o.frm->close();
      QVERIFY(o.dlg.meldingen.empty());
      const auto na = LeesBytes(o.map / std::string(kCatalogusBestand));
      QCOMPARE(na.size(), voor.size());
      QVERIFY(na != voor);  // the user name was written back
    }
    {
      Opstelling o;
      SchrijfBytes(o.map / "blad.tvo", CodeerWerkblad(TestInhoud()));
      o.dlg.openAntwoorden = {Pad(o.map / "blad.tvo")};
      o.Knop("open");
      o.dlg.antwoorden = {Antwoord::Ja};
      o.dlg.bewaarAntwoorden = {Pad(o.map / "kopie.tvo")};
      o.frm->close();
      QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
      QCOMPARE(o.LaatsteMelding(), std::string("Wilt u het rekenblad eerst opslaan?"));
      QCOMPARE(o.dlg.meldingen.back().titel, std::string("Programma afsluiten"));
      QCOMPARE(o.dlg.meldingen.back().knoppen, Knoppen::JaNee);
      QCOMPARE(LeesBytes(o.map / "kopie.tvo"), LeesBytes(o.map / "blad.tvo"));
    }
  }

  void afsluitenBewaartWatInInvoerModusIsVeranderd() {
    Opstelling o;
    SchrijfBytes(o.map / "blad.tvo", CodeerWerkblad(TestInhoud()));
    o.dlg.openAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("open");
    o.Knop("invullen");
    o.Veld(2)->setText("1250");
    o.frm->txtToel(1)->setText("  nagekeken  ");
    o.Veld(32)->setText("0");  // refused by the check: the program stays open
    o.dlg.antwoorden = {Antwoord::Ja};
    QVERIFY(!o.frm->close());
    QCOMPARE(o.LaatsteMelding(), std::string("geen waarneemhoogte ingevuld"));
    QVERIFY(o.dlg.bewaarFilters.empty());

    o.Veld(32)->setText("4");
    o.dlg.antwoorden = {Antwoord::Ja};
    o.dlg.bewaarAntwoorden = {Pad(o.map / "kopie.tvo")};
    QVERIFY(o.frm->close());
    const auto kopie = DecodeerWerkblad(LeesBytes(o.map / "kopie.tvo"));
    QCOMPARE(kopie.uitkomst, DecodeerUitkomst::Goed);
    QCOMPARE(kopie.inhoud.blok[0][0], 1250.0);
    QCOMPARE(kopie.inhoud.waarneemhoogte, 4.0);
    QCOMPARE(kopie.inhoud.toelichting[1], VastBreed("nagekeken", kToelichtingLengte));
  }

  void mislukteCatalogusKostHetRekenbladNiet() {
    Opstelling o;
    SchrijfBytes(o.map / "blad.tvo", CodeerWerkblad(TestInhoud()));
    o.dlg.openAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("open");
    // A folder where the new catalogue file must go makes the write fail.
    std::filesystem::create_directory(o.map / (std::string(kCatalogusBestand) + ".nieuw"));
    o.dlg.antwoorden = {Antwoord::Ja};
    o.dlg.bewaarAntwoorden = {Pad(o.map / "kopie.tvo")};
    QVERIFY(o.frm->close());
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{2});
    QVERIFY(o.dlg.meldingen.front().tekst.rfind("Onverwachte fout in procedure Form_Unload van Form frmTarvo.", 0) == 0);
    QCOMPARE(LeesBytes(o.map / "kopie.tvo"), LeesBytes(o.map / "blad.tvo"));
  }

  void opdrachtRegelOpentWerkblad() {
    TijdelijkeMap bron;
    std::filesystem::create_directory(bron / "met spaties");
    const auto pad = bron / "met spaties" / "mijn blad.TVO";
    SchrijfBytes(pad, CodeerWerkblad(TestInhoud()));
    {
      Opstelling o("\"" + Pad(pad) + "\"");
      QVERIFY(o.dlg.openFilters.empty());  // no dialog
      QCOMPARE(o.frm->BestandPaneel(), QString("mijn blad.TVO"));
      QCOMPARE(o.Veld(1)->text(), QString("Rijksweg"));
      QCOMPARE(o.frm->LaatstePad(), Pad(pad));
    }
    {
      SchrijfBytes(bron / "blad.dat", CodeerWerkblad(TestInhoud()));
      Opstelling o(Pad(bron / "blad.dat"));
      QVERIFY(o.dlg.openFilters.empty());
      QVERIFY(o.dlg.meldingen.empty());
      QCOMPARE(o.frm->BestandPaneel(), QString("Geen bestand"));
      QCOMPARE(o.Veld(1)->text(), QString());
    }
  }

  void zoekFileBijOntbrekendeCatalogus() {
    {
      // A wrong name, then cancel: the program ends.
      ScriptDialogen dlg;
      TijdelijkeMap leeg;
      dlg.openAntwoorden = {Pad(leeg / "andere.dat"), std::nullopt};
      frmTarvo frm(dlg, Pad(leeg.Pad()));
      QVERIFY(!frm.Start({}));
      QCOMPARE(dlg.meldingen.size(), std::size_t{2});
      QCOMPARE(dlg.meldingen[0].tekst, std::string("Bestand Wegdekken_2012.dat niet gevonden"));
      QCOMPARE(dlg.meldingen[0].titel, std::string("Foutmelding"));
      QCOMPARE(dlg.meldingen[0].icoon, Icoon::Kritiek);
      QCOMPARE(dlg.meldingen[1].tekst, Pad(leeg / "andere.dat").toStdString() + " geen of onbruikbaar opstartbestand");
      QCOMPARE(dlg.meldingen[1].titel, std::string("Opstartfout"));
      QCOMPARE(dlg.openFilters.front(), QString("Bestand Wegdekken_2012.dat (Wegdekken_2012.dat)"));
      QCOMPARE(dlg.openMappen.front(), Pad(leeg.Pad()));
    }
    {
      // The catalogue found elsewhere: that folder becomes the data folder.
      ScriptDialogen dlg;
      TijdelijkeMap leeg, elders;
      SchrijfCatalogus(elders.Pad());
      dlg.openAntwoorden = {Pad(elders / std::string(kCatalogusBestand))};
      frmTarvo frm(dlg, Pad(leeg.Pad()));
      QVERIFY(frm.Start({}));
      QCOMPARE(frm.DataMap(), Pad(elders.Pad()));
      QCOMPARE(frm.Combo1()->count(), 2);
    }
    {
      // A damaged catalogue: its own message, then the same search.
      ScriptDialogen dlg;
      TijdelijkeMap map;
      SchrijfBytes(map / std::string(kCatalogusBestand), std::vector<std::uint8_t>{7, 0, 1});
      frmTarvo frm(dlg, Pad(map.Pad()));
      QVERIFY(!frm.Start({}));
      QCOMPARE(dlg.meldingen.size(), std::size_t{1});
      QVERIFY(dlg.meldingen[0].tekst.find("beschadigd") != std::string::npos);
      QCOMPARE(dlg.openFilters.size(), std::size_t{1});
    }
  }
};

QTEST_MAIN(TestFrmTarvo)
#include "test_frmtarvo.moc"
