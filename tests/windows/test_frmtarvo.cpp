// The main window driven as a user would: typed keys, Enter and arrows,
// clicks; dialogs answered by ScriptDialogen; a temporary data folder.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "ScriptDialogen.h"
#include "base/Tekst.h"
#include "calc/Velden.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "windows/frmCumulatie.h"
#include "windows/frmTarvo.h"
#include "windows/frmIntensiteit.h"
#include "windows/frmTram.h"
#include "shared_ui/Versie.h"
#include "files/WerkbladBestand.h"
#include "driver/Resultaatteksten.h"

using namespace tarvo;
using tarvo::test::LeesBytes;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;

namespace {

// A catalogue of two road surfaces.
void SchrijfCatalogus(const std::filesystem::path& map) {
  Catalogus c;
  c.AantalWegdekken = 2;
  c.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
  c.Wegdekken[2].Omschrijving = VastBreed("2L ZOAB", kOmschrijvingLengte);
  c.Gebruikersnaam = c.GebruikersLabelnaam = VastBreed("Bureau Geluid", kNaamLengte);
  SchrijfBytes(map / std::string(kCatalogusBestand), CodeerCatalogus(c));
}

// A worksheet file as the current version writes it.
WerkbladInhoud TestInhoud() {
  WerkbladInhoud in;
  in.weg = VastBreed("Rijksweg", kNaamVeldLengte);
  in.blok[0][0] = 1000;  // lv, dag
  in.snelheid = {80, 80, 80, 30, 30, 30};
  in.waarneemhoogte = 5;
  in.afstandHor = 10;
  in.zichthoek = 127;
  in.wegdekKeuze = 2;
  for (auto& t : in.toelichting) t = VastBreed("", kToelichtingLengte);
  in.versie = "O2";
  return in;
}

QString Pad(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

using Commando = frmTarvo::Commando;
using VensterModus = frmTarvo::Modus;

// The window's mode and a few controls that show it: the input fields, the
// result frame, the calculation button, commands offered and withheld.
struct Modus {
  const char* naam;
  VensterModus modus;
  bool invoer, resultaat, command1;
  QList<Commando> aan, uit;
};

const Modus kRust{"rust", VensterModus::Rust, false, false, false,
                  {Commando::Openen, Commando::Invullen, Commando::Wegdekken}, {Commando::Opslaan, Commando::Afdrukken}};
const Modus kInvoer{"invoer", VensterModus::Invoer, true, false, true,
                    {Commando::Opslaan, Commando::Reset, Commando::Help}, {Commando::Openen, Commando::Afdrukken}};
const Modus kResultaat{"resultaat", VensterModus::Resultaat, false, true, false,
                       {Commando::Openen, Commando::Afdrukken, Commando::Opslaan}, {Commando::Help}};
// After reading a file: idle, but computable and savable.
const Modus kGelezen{"gelezen", VensterModus::Rust, false, false, true,
                     {Commando::Opslaan, Commando::Help}, {Commando::Wegdekken, Commando::Afdrukken}};

// What the user sees of the worksheet: fields, remarks, road surface,
// switches, levels, mode, file and the mark of unsaved changes.
QStringList Toestand(const frmTarvo& f) {
  QStringList t;
  for (int k = 0; k < kAantalVelden; ++k) t << f.txtInvoer(k)->text();
  for (int i = 0; i < 4; ++i) t << f.txtToel(i)->text();
  t << QString::number(f.Combo1()->currentIndex()) << QString::number(f.chkZone()->isChecked())
    << QString::number(f.chkAftrek()->isChecked()) << QString::number(f.Blad().RailConstructie);
  for (int i = 1; i <= 7; ++i) t << f.lblResult(i)->text() + (f.lblResult(i)->isVisible() ? "+" : "-");
  t << QString::number(static_cast<int>(f.HuidigeModus())) << f.BestandPaneel() << f.BestandPad()
    << QString::number(f.Gewijzigd());
  return t;
}

}  // namespace

class TestFrmTarvo : public QObject {
  Q_OBJECT

  struct Opstelling {
    TijdelijkeMap map;
    ScriptDialogen dlg;
    std::unique_ptr<frmTarvo> frm;

    explicit Opstelling(const QString& opdrachtRegel = {}) {
      SchrijfCatalogus(map.Pad());
      frm = std::make_unique<frmTarvo>(dlg, Pad(map.Pad()));
      QVERIFY(frm->Start(opdrachtRegel));
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
    // Where the focus goes when key is pressed in w.
    QWidget* Na(QWidget* w, Qt::Key key) {
      w->setFocus();
      QTest::keyClick(w, key);
      return Focus();
    }
    // A command as the user gives it: only while it is enabled.
    void Knop(const char* key) {
      QAction* a = frm->findChild<QAction*>(key);
      QVERIFY2(a && a->isEnabled(), key);
      a->trigger();
    }
    // A worksheet file written here and opened by the user.
    void Open(const std::string& naam = "blad.tvo", const WerkbladInhoud& inhoud = TestInhoud()) {
      SchrijfBytes(map / naam, CodeerWerkblad(inhoud));
      dlg.openAntwoorden = {Pad(map / naam)};
      Knop("open");
    }
    int Combo1Index() const { return frm->Combo1()->currentIndex(); }
    void Bereken() { QTest::mouseClick(frm->Command1(), Qt::LeftButton); }
    // On the box and its caption, not on the empty width the layout gives it.
    static void Klik(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }
    Kleur Achtergrond(int k) const { return LineEditVak::Achtergrond(Veld(k)); }
    std::string LaatsteMelding() const { return dlg.meldingen.empty() ? "" : dlg.meldingen.back().tekst; }
  };

  // The mode's controls; a failure names all that differ.
  static void ControleerModus(const frmTarvo& f, const Modus& m) {
    QStringList anders;
    const auto eis = [&](bool klopt, const QString& wat) {
      if (!klopt) anders << wat;
    };
    eis(f.HuidigeModus() == m.modus, "modus");
    eis(f.txtInvoer(2)->isEnabled() == m.invoer && f.txtToel(0)->isEnabled() == m.invoer, "invoer");
    eis(f.Combo1()->isEnabled() == m.invoer && f.chkAftrek()->isEnabled() == m.invoer, "keuzes");
    eis(!f.txtInvoer(26)->isEnabled(), "txtInvoer 26");  // derived: never typed
    eis(f.Frame2()->isEnabled() == m.resultaat && f.lblResult(2)->isVisible() == m.resultaat, "Frame2");
    eis(f.Command1()->isVisible() == m.command1, "Command1");
    eis(f.Actie(Commando::Berekenen)->isEnabled() == m.command1, "menu berekenen");
    for (Commando c : m.aan) eis(f.Actie(c)->isEnabled(), f.Actie(c)->objectName());
    for (Commando c : m.uit) eis(!f.Actie(c)->isEnabled(), f.Actie(c)->objectName());
    QVERIFY2(anders.isEmpty(), qPrintable(QString("modus ") + m.naam + ": " + anders.join(", ")));
  }

 private slots:
  void initTestCase() {
    QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    nl.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(nl);
  }

  // Start-up, Invoer, a calculation from typed texts, back to input by the frame, Reset.
  void modiRondEenBerekening() {
    Opstelling o;
    ControleerModus(*o.frm, kRust);
    QTest::keyClick(o.frm.get(), Qt::Key_F2);  // the menu's key for "invullen"
    ControleerModus(*o.frm, kInvoer);
    QCOMPARE(o.Focus(), o.Veld(0));
    o.Typ(2, "1000");
    o.Typ(5, "80");
    o.Bereken();
    QVERIFY(o.dlg.meldingen.empty());
    ControleerModus(*o.frm, kResultaat);
    QCOMPARE(o.frm->lblResult(2)->text(), QString(" 68,3 dB(A)"));
    QCOMPARE(o.frm->lblResult(6)->text(), QString("  0,0 dB"));  // the width kept for a zero

    // A click on a shown level belongs to the label, not to the frame.
    QTest::mouseClick(o.frm->lblResult(2), Qt::LeftButton);
    ControleerModus(*o.frm, kResultaat);
    QTest::mouseClick(o.frm->Frame2(), Qt::LeftButton, {}, QPoint(4, o.frm->Frame2()->height() - 4));
    ControleerModus(*o.frm, kInvoer);
    o.Knop("reset");
    ControleerModus(*o.frm, kRust);
    QCOMPARE(o.Veld(2)->text(), QString("0,00"));  // the default, with the Dutch comma
  }

  // Each command opens its own window, in the mode that offers it.
  void opdrachtenOpenenHunVenster_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("actie");
    QTest::addColumn<QString>("venster");
    QTest::newRow("cwegdek") << "rust" << "cwegdek" << "frmWegdek";
    QTest::newRow("diagram") << "invoer" << "diagram" << "";  // asks the distance first; cancelled
    QTest::newRow("dosisEffect") << "resultaat" << "dosisEffect" << "frmDosisEffect";
  }
  void opdrachtenOpenenHunVenster() {
    QFETCH(QString, modus);
    QFETCH(QString, actie);
    QFETCH(QString, venster);
    Opstelling o;
    if (modus != "rust") o.Knop("invullen");
    if (modus == "resultaat") o.Bereken();
    o.Knop(qPrintable(actie));
    QCOMPARE(o.dlg.vensters, venster.isEmpty() ? std::vector<QString>{} : std::vector<QString>{venster});
    QCOMPARE(o.dlg.invoerPrompts.size(), std::size_t{actie == "diagram" ? 1u : 0u});
  }

  // A text that is no number refuses the calculation; the status bar says
  // which field, the focus goes there, and a passed calculation clears it.
  void geweigerdeBerekeningInDeStatusbalk() {
    Opstelling o;
    o.Knop("invullen");
    QVERIFY(o.frm->Melding().isEmpty());
    o.Veld(2)->setText("12a");  // pasted: the key filter never saw it
    o.Bereken();
    QCOMPARE(o.frm->Melding(), QString("Berekening niet uitgevoerd: 'Qlicht (mvt/h)' dag is geen getal."));
    QCOMPARE(o.Focus(), o.Veld(2));
    QVERIFY(o.dlg.meldingen.empty());
    ControleerModus(*o.frm, kInvoer);
    const QLabel* paneel = o.frm->statusBar()->findChild<QLabel*>("Panel2");
    QVERIFY(paneel && paneel->isVisible() && paneel->text() == o.frm->Melding());

    QCOMPARE(o.Achtergrond(2), kRood);
    o.Veld(2)->setText("12");
    QTest::keyClick(o.Veld(2), Qt::Key_F9);  // the menu's key for "berekenen"
    ControleerModus(*o.frm, kResultaat);
    QVERIFY(o.frm->Melding().isEmpty());
  }

  // With the deduction of art. 110g the levels are shown less it, and a line
  // under them says so; without it, and in input mode, there is no line.
  void aftrekRegelOnderDeUitkomsten() {
    Opstelling o;
    o.Knop("invullen");
    o.Typ(2, "1000");
    o.Typ(5, "50");
    o.Klik(o.frm->chkAftrek());
    o.Bereken();
    QCOMPARE(o.frm->Blad().Aftrek110g, std::int16_t{5});
    QVERIFY(o.frm->lblAftrek()->isVisible());
    QCOMPARE(o.frm->lblAftrek()->text(), QString("inclusief 5 dB aftrek art. 110g Wgh"));
    QCOMPARE(o.frm->lblResult(4)->text(), QString::fromStdString(ResultaatLabel(o.frm->Blad().Lden, 5, " dB", ',')));
    o.Knop("invullen");
    QVERIFY(!o.frm->lblAftrek()->isVisible());
    o.Klik(o.frm->chkAftrek());
    o.Bereken();
    QCOMPARE(o.frm->Blad().Aftrek110g, std::int16_t{0});
    QVERIFY(!o.frm->lblAftrek()->isVisible());
  }

  // Room for a 1280x720 screen at 100 %, title bar included; a small window
  // scrolls to where the focus goes, also by Enter: field 25 -> 32 is a jump
  // down the form.
  void vensterPastOpHetScherm() {
    Opstelling o;
    QVERIFY2(o.frm->sizeHint().width() <= 1280 && o.frm->sizeHint().height() <= 720 - 40,
             qPrintable(QString("%1x%2").arg(o.frm->sizeHint().width()).arg(o.frm->sizeHint().height())));
    o.Knop("invullen");
    o.frm->resize(480, 300);
    QApplication::processEvents();
    auto* vlak = o.frm->findChild<QScrollArea*>("Schuifvlak");
    QVERIFY(vlak && vlak->verticalScrollBar()->isVisible() && vlak->horizontalScrollBar()->isVisible());
    const auto inBeeld = [&](QWidget* w) {
      // Of a field wider than the view: its start, where the typing begins.
      const QRect opScherm(w->mapTo(vlak->viewport(), QPoint()), QSize(qMin(w->width(), 80), w->height()));
      return vlak->viewport()->rect().contains(opScherm);
    };
    QCOMPARE(o.Na(o.Veld(25), Qt::Key_Return), o.Veld(32));
    QVERIFY(inBeeld(o.Veld(32)));
    QCOMPARE(o.Na(o.Veld(39), Qt::Key_Return), o.frm->txtToel(0));
    QVERIFY(inBeeld(o.frm->txtToel(0)));
    o.frm->Command1()->setFocus();
    QVERIFY(inBeeld(o.frm->Command1()));
  }

  // The cumulation takes the main window's worksheet only while its results
  // are shown, with its file's name, and its levels without the deduction.
  void cumulatieNeemtHetBerekendeRekenblad() {
    Opstelling o;
    WerkbladInhoud inhoud = TestInhoud();
    inhoud.aftrek = 1;
    o.Open("weg.tvo", inhoud);
    o.Bereken();
    QCOMPARE(o.frm->HuidigeModus(), VensterModus::Resultaat);
    QVERIFY(o.frm->Blad().Aftrek110g > 0);
    bool aangeboden = false;
    o.dlg.bijVenster = [&](QDialog& venster) {
      auto* frm = qobject_cast<frmCumulatie*>(&venster);
      QVERIFY(frm);
      aangeboden = frm->cmdHuidig()->isEnabled();
      if (!aangeboden) return;
      frm->VoegHuidigToe();
      QCOMPARE(frm->Bronnen().front().naam, std::string("weg.tvo"));
      QCOMPARE(frm->Bronnen().front().lden, o.frm->Blad().Lden);
    };
    o.Knop("cumulatie");
    QVERIFY(aangeboden);
    o.Knop("invullen");
    o.Knop("cumulatie");
    QVERIFY(!aangeboden);
  }

  // The focus sets the help text that "help" shows: fields, remark lines, other controls.
  void helpVolgtDeFocus() {
    Opstelling o;
    o.Knop("invullen");
    const auto help = [&](QWidget* w) {
      w->setFocus();
      o.Knop("help");
      return o.LaatsteMelding();
    };
    QCOMPARE(help(o.Veld(35)), std::string(HelpTekstVeld(35)));
    QCOMPARE(help(o.frm->txtToel(2)), std::string(kHelpGeenInfo));
    QCOMPARE(help(o.frm->chkZone()), std::string(kHelpZone));
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Toelichting bij invoer"));
  }

  // Each field's own key filter, a refused key beeping (its colours: test_veldring);
  // the ring skips the derived fields, and with the zone on the locked speeds.
  void toetsenEnNavigatie() {
    Opstelling o;
    o.Knop("invullen");
    o.Veld(2)->clear();
    o.Typ(2, "1a,5");
    QCOMPARE(o.Veld(2)->text(), QString("1,5"));
    QCOMPARE(o.dlg.piepen, 1);
    o.Typ(5, "8,");  // speeds take digits only, field 0 every key
    QCOMPARE(o.Veld(5)->text(), QString("8"));
    o.Typ(0, "a.,1!");
    QCOMPARE(o.Veld(0)->text(), QString("a.,1!"));
    QCOMPARE(o.dlg.piepen, 2);

    QCOMPARE(o.Na(o.Veld(0), Qt::Key_Up), o.frm->txtToel(3));
    o.Klik(o.frm->chkZone());
    QVERIFY(!o.Veld(5)->isEnabled() && o.Veld(4)->isEnabled());
    QCOMPARE(o.Na(o.Veld(4), Qt::Key_Return), o.Veld(6));
    QCOMPARE(o.Na(o.Veld(32), Qt::Key_Up), o.Veld(24));
  }

  // A computed worksheet with a change of the user's: cancel in the open
  // dialog, then refused files (each named with its reason, then the dialog
  // again): every field, the levels, the mode and the mark stay.
  void openenDatNietLuktLaatHetRekenbladStaan() {
    Opstelling o;
    const auto goed = CodeerWerkblad(TestInhoud());
    const std::vector<std::uint8_t> bytes(goed.begin(), goed.end());
    SchrijfBytes(o.map / "blad.txt", bytes);
    auto oud = bytes;
    oud[633] = '1';
    SchrijfBytes(o.map / "oud.tvo", oud);
    o.Knop("invullen");
    o.Typ(2, "1000");
    o.frm->txtToel(0)->setText("eigen werk");
    o.Bereken();
    ControleerModus(*o.frm, kResultaat);
    const QStringList voor = Toestand(*o.frm);
    QVERIFY(o.frm->Gewijzigd());

    o.dlg.antwoorden = {Antwoord::Nee};  // not saved first; the dialog is cancelled
    o.Knop("open");
    QCOMPARE(o.dlg.openFilters.size(), std::size_t{1});
    QCOMPARE(Toestand(*o.frm), voor);

    o.dlg.antwoorden = {Antwoord::Nee};
    o.dlg.openAntwoorden = {Pad(o.map / "blad.txt"), Pad(o.map / "oud.tvo"), std::nullopt};
    o.Knop("open");
    QCOMPARE(o.dlg.openFilters.size(), std::size_t{4});
    QStringList meldingen;
    for (const GetoondeMelding& m : o.dlg.meldingen) meldingen << QString::fromStdString(m.tekst);
    QCOMPARE(meldingen, (QStringList{
                            "Wilt u het rekenblad eerst opslaan?",
                            "Wilt u het rekenblad eerst opslaan?",
                            "Bestand " + Pad(o.map / "blad.txt") +
                                " is geen rekenblad van Tarvo: de naam eindigt niet op .tvo.",
                            "Rekenblad is aangemaakt met oudere programmaversie. Inlezen is niet mogelijk!",
                        }));
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Waarschuwing"));
    QCOMPARE(Toestand(*o.frm), voor);
    ControleerModus(*o.frm, kResultaat);
  }

  // Read: idle, computable without "invullen", tied to the file; a name
  // without extension is saved with ".tvo", which opens again as it was.
  void openenEnOpslaanOnderEenNaamZonderExtensie() {
    Opstelling o;
    o.Open();
    QVERIFY(o.dlg.meldingen.empty());
    ControleerModus(*o.frm, kGelezen);
    QCOMPARE(o.frm->BestandPaneel(), QString("blad.tvo"));
    QCOMPARE(o.frm->windowTitle(), QString("blad.tvo[*] - Rekenblad Tarvo, Copyright ") + versie::kCopyright);
    QCOMPARE(o.Veld(2)->text(), QString("1000,00"));
    o.Bereken();
    ControleerModus(*o.frm, kResultaat);
    QVERIFY(!o.frm->Gewijzigd());

    const QStringList invoer = Toestand(*o.frm).mid(0, kAantalVelden + 8);  // fields, remarks, choices
    o.dlg.bewaarAntwoorden = {Pad(o.map / "zonder")};
    o.Knop("opslaan");
    QCOMPARE(o.dlg.bewaarVoorstellen, std::vector<QString>{Pad(o.map / "blad.tvo")});  // the current file
    QCOMPARE(LeesBytes(o.map / "zonder.tvo").size(), kWerkbladLengte);
    QVERIFY(!std::filesystem::exists(o.map / "zonder"));
    QCOMPARE(o.frm->BestandPaneel(), QString("zonder.tvo"));
    QVERIFY(o.frm->statusBar()->currentMessage().endsWith("zonder.tvo"));
    QVERIFY(o.dlg.meldingen.empty());

    o.Knop("invullen");
    o.Typ(0, "Dorpsstraat 1");
    QVERIFY(o.frm->Gewijzigd() && o.frm->statusBar()->currentMessage().isEmpty());
    o.Bereken();  // open is offered outside input mode
    o.dlg.antwoorden = {Antwoord::Nee};
    o.dlg.openAntwoorden = {Pad(o.map / "zonder.tvo")};
    o.Knop("open");
    ControleerModus(*o.frm, kGelezen);
    QCOMPARE(Toestand(*o.frm).mid(0, kAantalVelden + 8), invoer);
    QCOMPARE(o.Veld(1)->text(), QString("Rijksweg"));
    QCOMPARE(o.Combo1Index(), 1);
    QVERIFY(!o.frm->Gewijzigd());
  }

  // Every way the user changes the worksheet marks it; the program's own
  // writes (open, reset, a calculation) do not, and a save clears the mark.
  void wijzigingenWordenGevolgd_data() {
    QTest::addColumn<QString>("wijziging");
    for (const char* w : {"veld", "toelichting", "wegdek", "zone", "aftrek", "rail", "omrekenen", "escape"}) {
      QTest::newRow(w) << w;
    }
  }
  void wijzigingenWordenGevolgd() {
    QFETCH(QString, wijziging);
    Opstelling o;
    o.Open();
    o.Knop("invullen");
    o.Bereken();  // the check rewrites the fields in their own patterns
    o.Knop("invullen");
    QVERIFY(!o.frm->Gewijzigd());
    QVERIFY(!o.frm->isWindowModified());

    if (wijziging == "veld") {
      o.Typ(38, "5");
    } else if (wijziging == "toelichting") {
      o.frm->txtToel(3)->setFocus();
      QTest::keyClicks(o.frm->txtToel(3), "x");
    } else if (wijziging == "wegdek") {
      o.frm->Combo1()->setFocus();
      QTest::keyClick(o.frm->Combo1(), Qt::Key_Up);  // from the second to the first
      QCOMPARE(o.frm->Blad().WegdekKeuze, std::int16_t{1});
    } else if (wijziging == "zone") {
      o.Klik(o.frm->chkZone());
    } else if (wijziging == "aftrek") {
      o.Klik(o.frm->chkAftrek());
    } else if (wijziging == "rail") {
      o.dlg.bijVenster = [](QDialog& venster) {
        auto* tram = qobject_cast<frmTram*>(&venster);
        QVERIFY(tram && tram->optRail(0)->isChecked());  // the worksheet's choice
        QTest::mouseClick(tram->optRail(0), Qt::LeftButton, {}, QPoint(8, tram->optRail(0)->height() / 2));
        QVERIFY(!qobject_cast<frmTarvo*>(venster.parentWidget())->Gewijzigd());  // the same choice again
        QTest::mouseClick(tram->optRail(1), Qt::LeftButton, {}, QPoint(8, tram->optRail(1)->height() / 2));
      };
      QTest::mouseClick(o.frm->cmdTram(), Qt::LeftButton);
      QCOMPARE(o.dlg.vensters, std::vector<QString>{"frmTram"});
      QCOMPARE(o.frm->Blad().RailConstructie, std::int16_t{1});  // every click lands at once
    } else if (wijziging == "omrekenen") {
      o.dlg.bijVenster = [](QDialog& venster) {
        auto* omrekenen = qobject_cast<frmIntensiteit*>(&venster);
        omrekenen->frameIntensiteit_Click();
        omrekenen->txtInt(0)->setText("2400");
        omrekenen->cmdOK_Click();
      };
      o.Knop("omreken");
      QCOMPARE(o.Achtergrond(2), kGroen);
    } else if (wijziging == "escape") {
      o.Veld(2)->setFocus();
      QTest::keyClick(o.Veld(2), Qt::Key_Escape);  // empties the field
    }
    QVERIFY(o.frm->Gewijzigd());
    QVERIFY(o.frm->windowTitle().startsWith("blad.tvo[*]"));

    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("opslaan");
    QVERIFY(!o.frm->Gewijzigd());
    QCOMPARE(o.dlg.bewaarFilters, std::vector<QString>{"Bestand Tarvo (*.tvo)"});
  }

  // Open, reset and shut-down with unsaved changes ask first, with three
  // answers; without changes they ask nothing. Ja saves and goes on only
  // when the save succeeded; Nee goes on; Annuleren changes nothing.
  void eenVraagDrieAntwoorden_data() {
    QTest::addColumn<QString>("actie");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("antwoord");  // "": no changes, no question
    const std::pair<const char*, const char*> acties[] = {
        {"open", "Rekenblad openen"}, {"reset", "Reset"}, {"exit", "Programma afsluiten"}};
    for (const auto& [actie, titel] : acties) {
      for (const char* antwoord : {"", "ja", "ja-geannuleerd", "nee", "annuleren"}) {
        QTest::addRow("%s %s", actie, antwoord) << actie << titel << antwoord;
      }
    }
  }
  void eenVraagDrieAntwoorden() {
    QFETCH(QString, actie);
    QFETCH(QString, titel);
    QFETCH(QString, antwoord);
    Opstelling o;
    SchrijfBytes(o.map / "ander.tvo", CodeerWerkblad(TestInhoud()));
    if (antwoord.isEmpty()) {
      o.Open();
    } else {
      o.Knop("invullen");  // a worksheet that was never saved
      o.Typ(0, "Dorpsstraat 1");
      o.Typ(2, "1000");
      o.Typ(5, "80");
    }
    o.Bereken();
    ControleerModus(*o.frm, kResultaat);
    const QStringList voor = Toestand(*o.frm);

    if (antwoord == "ja") o.dlg.antwoorden = {Antwoord::Ja};
    if (antwoord == "ja-geannuleerd") o.dlg.antwoorden = {Antwoord::Ja};  // then Cancel in the save dialog
    if (antwoord == "nee") o.dlg.antwoorden = {Antwoord::Nee};
    if (antwoord == "annuleren") o.dlg.antwoorden = {Antwoord::Annuleren};
    if (antwoord == "ja") o.dlg.bewaarAntwoorden = {Pad(o.map / "eerst")};
    o.dlg.openAntwoorden = {Pad(o.map / "ander.tvo")};
    o.Knop(qPrintable(actie));

    if (antwoord.isEmpty()) {
      QVERIFY(o.dlg.meldingen.empty());
    } else {
      QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
      const GetoondeMelding& m = o.dlg.meldingen[0];
      QCOMPARE(m.tekst, std::string("Wilt u het rekenblad eerst opslaan?"));
      QCOMPARE(QString::fromStdString(m.titel), titel);
      QCOMPARE(m.knoppen, Knoppen::JaNeeAnnuleren);
      QCOMPARE(m.icoon, Icoon::Vraag);
    }
    QCOMPARE(o.dlg.bewaarFilters.size(), std::size_t{antwoord.startsWith("ja") ? 1u : 0u});
    if (antwoord == "ja") {
      const auto eerst = DecodeerWerkblad(LeesBytes(o.map / "eerst.tvo"));
      QVERIFY(eerst.Gelukt());
      QCOMPARE(TrimRechts(eerst->waarneempunt), std::string("Dorpsstraat 1"));
    }
    const bool doorgegaan = antwoord.isEmpty() || antwoord == "ja" || antwoord == "nee";
    if (!doorgegaan) {
      QCOMPARE(Toestand(*o.frm), voor);
      QVERIFY(o.frm->isVisible());
      return;
    }
    if (actie == "open") {
      ControleerModus(*o.frm, kGelezen);
      QCOMPARE(o.frm->BestandPaneel(), QString("ander.tvo"));
    } else if (actie == "reset") {
      ControleerModus(*o.frm, kRust);
      QCOMPARE(o.Veld(0)->text(), QString());
    } else {
      QVERIFY(!o.frm->isVisible());
      return;
    }
    QVERIFY(!o.frm->Gewijzigd());
  }

  // A folder where the new file must go: the old file stays byte for byte,
  // the message names the file and the reason, the changes stay marked, and
  // shut-down after Ja stays open.
  void mislukteOpslagBewaartHetOudeBestand() {
    Opstelling o;
    o.Open();
    const auto oud = LeesBytes(o.map / "blad.tvo");
    o.Knop("invullen");
    o.Typ(2, "1250");
    std::filesystem::create_directory(o.map / "blad.tvo.nieuw");
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("opslaan");
    QCOMPARE(o.LaatsteMelding(), "Bestand " + (o.map / "blad.tvo").string() +
                                     " kon niet worden geschreven (het is een map); het oude bestand is bewaard gebleven.");
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Rekenblad opslaan"));
    QCOMPARE(LeesBytes(o.map / "blad.tvo"), oud);
    QVERIFY(o.frm->Gewijzigd());

    o.dlg.antwoorden = {Antwoord::Ja};
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    QVERIFY(!o.frm->close());
    QCOMPARE(LeesBytes(o.map / "blad.tvo"), oud);
  }

  // A name with another ending gets ".tvo" behind it; a file already there
  // under that name is replaced only after Ja, else the dialog comes back.
  void andereExtensieEnBestaandBestand() {
    Opstelling o;
    o.Knop("invullen");
    o.Typ(0, "Dorpsstraat 1");
    SchrijfBytes(o.map / "blad.v2.tvo", std::string("bezet"));
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.v2"), Pad(o.map / "nieuw.TVO")};
    o.dlg.antwoorden = {Antwoord::Nee};
    o.Knop("opslaan");
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.LaatsteMelding(), "Bestand " + (o.map / "blad.v2.tvo").string() + " bestaat al. Wilt u het vervangen?");
    QCOMPARE(o.dlg.bewaarVoorstellen, (std::vector<QString>{Pad(o.map.Pad()), Pad(o.map / "blad.v2.tvo")}));
    QCOMPARE(LeesBytes(o.map / "blad.v2.tvo").size(), std::size_t{5});
    QCOMPARE(LeesBytes(o.map / "nieuw.TVO").size(), kWerkbladLengte);
    QCOMPARE(o.frm->BestandPaneel(), QString("nieuw.TVO"));

    o.Typ(1, "Dorpsstraat");
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.v2")};
    o.dlg.antwoorden = {Antwoord::Ja};
    o.Knop("opslaan");
    QCOMPARE(o.dlg.bewaarVoorstellen.back(), Pad(o.map / "nieuw.TVO"));
    QCOMPARE(LeesBytes(o.map / "blad.v2.tvo").size(), kWerkbladLengte);
    QCOMPARE(o.frm->BestandPaneel(), QString("blad.v2.tvo"));
  }

  // Ja at shut-down in input mode: the check takes the fields over first;
  // a refused check keeps the program open at the field to correct.
  void afsluitenBewaartWatInInvoerModusIsVeranderd() {
    Opstelling o;
    o.Open();
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
    QVERIFY(kopie.Gelukt());
    QCOMPARE(kopie->blok[0][0], 1250.0);
    QCOMPARE(kopie->waarneemhoogte, 4.0);
    QCOMPARE(kopie->toelichting[1], VastBreed("nagekeken", kToelichtingLengte));
  }

  // The catalogue is written after the question: a failure there costs the
  // worksheet nothing.
  void mislukteCatalogusKostHetRekenbladNiet() {
    Opstelling o;
    o.Open();
    o.Knop("invullen");
    o.Typ(3, "12");
    // A folder where the new catalogue file must go makes the write fail.
    std::filesystem::create_directory(o.map / (std::string(kCatalogusBestand) + ".nieuw"));
    o.dlg.antwoorden = {Antwoord::Ja};
    o.dlg.bewaarAntwoorden = {Pad(o.map / "kopie.tvo")};
    QVERIFY(o.frm->close());
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{2});
    QVERIFY(o.LaatsteMelding().starts_with("Onverwachte fout in procedure Form_Unload van Form frmTarvo."));
    QCOMPARE(DecodeerWerkblad(LeesBytes(o.map / "kopie.tvo"))->blok[1][0], 12.0);
  }

  // Quoted, blanks and all: opened without a dialog.
  void opdrachtRegelOpentWerkblad() {
    TijdelijkeMap bron;
    std::filesystem::create_directory(bron / "met spaties");
    const auto pad = bron / "met spaties" / "mijn blad.TVO";
    SchrijfBytes(pad, CodeerWerkblad(TestInhoud()));
    Opstelling o("\"" + Pad(pad) + "\"");
    QVERIFY(o.dlg.openFilters.empty());
    QCOMPARE(o.frm->BestandPaneel(), QString("mijn blad.TVO"));
    QCOMPARE(o.Veld(1)->text(), QString("Rijksweg"));
  }

  // No catalogue: a wrong name (the message names it), then cancel; the program ends.
  void zoekFileBijOntbrekendeCatalogus() {
    ScriptDialogen dlg;
    TijdelijkeMap leeg;
    dlg.openAntwoorden = {Pad(leeg / "andere.dat"), std::nullopt};
    frmTarvo frm(dlg, Pad(leeg.Pad()));
    QVERIFY(!frm.Start({}));
    QCOMPARE(dlg.meldingen.size(), std::size_t{2});
    QCOMPARE(dlg.meldingen[1].tekst, Pad(leeg / "andere.dat").toStdString() + " geen of onbruikbaar opstartbestand");
    QCOMPARE(dlg.openFilters.size(), std::size_t{2});
  }
};

QTEST_MAIN(TestFrmTarvo)
#include "test_frmtarvo.moc"
