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
#include <QToolBar>
#include <QTest>
#include <memory>

#include "ScriptDialogen.h"
#include "base/Tekst.h"
#include "calc/Velden.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "windows/frmCumulatie.h"
#include "windows/frmTarvo.h"
#include "windows/frmTram.h"
#include "files/WerkbladBestand.h"

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

// The toolbar's commands that show in every mode.
const QList<Commando> kAltijd = {Commando::Sluiten, Commando::Cumulatie, Commando::Gebruiker, Commando::Info,
                                 Commando::Calculator};

// The window's mode, the input controls, the result frame with its levels,
// the calculation button, and the toolbar commands shown besides kAltijd.
struct Modus {
  const char* naam;
  VensterModus modus;
  bool invoer, resultaat, command1;
  QList<Commando> knoppen;
};

const Modus kRust{"rust", VensterModus::Rust, false, false, false,
                  {Commando::Openen, Commando::Invullen, Commando::Wegdekken}};
const Modus kInvoer{"invoer", VensterModus::Invoer, true, false, true,
                    {Commando::Reset, Commando::Omrekenen, Commando::Help}};
const Modus kResultaat{"resultaat", VensterModus::Resultaat, false, true, false,
                       {Commando::Openen, Commando::Afdrukken, Commando::Voorbeeld, Commando::Opslaan,
                        Commando::Reset, Commando::Invullen}};
// After reading a file: idle, plus the calculation button and "help", without "cwegdek".
const Modus kGelezen{"gelezen", VensterModus::Rust, false, false, true,
                     {Commando::Openen, Commando::Invullen, Commando::Help}};

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
    void Knop(const char* key) { frm->findChild<QAction*>(key)->trigger(); }
    void Bereken() { QTest::mouseClick(frm->Command1(), Qt::LeftButton); }
    // On the box and its caption, not on the empty width the layout gives it.
    static void Klik(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }
    Kleur Achtergrond(int k) const { return LineEditVak::Achtergrond(Veld(k)); }
    std::string LaatsteMelding() const { return dlg.meldingen.empty() ? "" : dlg.meldingen.back().tekst; }
  };

  // Every control against the mode's row; a failure names all that differ.
  static void ControleerModus(const frmTarvo& f, const Modus& m) {
    QStringList anders;
    const auto eis = [&](bool klopt, const QString& wat) {
      if (!klopt) anders << wat;
    };
    for (int i = 0; i <= 26; ++i) eis(f.label(i)->isEnabled() == m.invoer, QString("label %1").arg(i));
    for (int k = 0; k < kAantalVelden; ++k) {
      const bool afgeleid = k >= 26 && k <= 31;
      const bool snelheidInZone = f.chkZone()->isChecked() && Veld(k).kolom == "v (km/h)";
      eis(f.txtInvoer(k)->isEnabled() == (m.invoer && !afgeleid && !snelheidInZone), QString("txtInvoer %1").arg(k));
    }
    for (int i = 0; i < 4; ++i) eis(f.txtToel(i)->isEnabled() == m.invoer, QString("txtToel %1").arg(i));
    const std::pair<const QWidget*, const char*> schakels[] = {
        {f.chkZone(), "chkZone"}, {f.chkAftrek(), "chkAftrek"}, {f.Label2(), "Label2"}, {f.cmdTram(), "cmdTram"},
        {f.Combo1(), "Combo1"}};
    for (const auto& [w, wat] : schakels) eis(w->isEnabled() == m.invoer, wat);
    eis(f.Frame2()->isEnabled() == m.resultaat, "Frame2");
    eis(f.Command1()->isVisible() == m.command1, "Command1");
    for (int i : {2, 4, 6}) eis(f.lblResult(i)->isVisible() == m.resultaat, QString("lblResult %1").arg(i));
    for (int i : {1, 3, 5, 7}) {
      const QLabel* l = f.lblResult(i);
      eis(l->isVisible() && l->isEnabled() == m.resultaat, QString("lblResult %1").arg(i));
    }
    eis(f.HuidigeModus() == m.modus, "modus");
    for (int i = 0; i <= static_cast<int>(Commando::Calculator); ++i) {
      const auto c = static_cast<Commando>(i);
      const bool getoond = kAltijd.contains(c) || m.knoppen.contains(c);
      eis(f.Actie(c)->isVisible() == getoond, f.Actie(c)->objectName());
    }
    for (const QAction* a : f.Toolbar1()->actions()) {
      if (a->isSeparator()) eis(a->isVisible(), "separator");
    }
    // The keyboard ways to the clickable labels work while their label does.
    eis(f.Actie(Commando::DosisEffect)->isEnabled() == m.resultaat, "dosisEffect");
    eis(f.Actie(Commando::Diagram)->isEnabled() == m.invoer, "diagram");
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
    o.Knop("invullen");
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

  // The toolbar's buttons in the order of the design, in groups between separators.
  void werkbalkVolgorde() {
    Opstelling o;
    QStringList namen;
    for (const QAction* a : o.frm->Toolbar1()->actions()) namen << (a->isSeparator() ? "|" : a->objectName());
    QCOMPARE(namen.join(' '), QString("| exit open | printen preview opslaan | reset invullen | cwegdek omreken "
                                      "cumulatie gebruiker info help | calc |"));
  }

  // Each command opens its own window, in the mode that offers it.
  void opdrachtenOpenenHunVenster_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("actie");
    QTest::addColumn<QString>("venster");
    QTest::newRow("cwegdek") << "rust" << "cwegdek" << "frmWegdek";
    QTest::newRow("info") << "rust" << "info" << "frmAbout";
    QTest::newRow("omreken") << "invoer" << "omreken" << "frmIntensiteit";
    QTest::newRow("diagram") << "invoer" << "diagram" << "";  // asks the distance first; cancelled
    QTest::newRow("preview") << "resultaat" << "preview" << "frmResultaat";
    QTest::newRow("dosisEffect") << "resultaat" << "dosisEffect" << "frmDosisEffect";
    QTest::newRow("cumulatie rust") << "rust" << "cumulatie" << "frmCumulatie";
    QTest::newRow("cumulatie invoer") << "invoer" << "cumulatie" << "frmCumulatie";
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

  // The cumulation takes the main window's worksheet only while its results
  // are shown, with its file's name, and its levels without the deduction.
  void cumulatieNeemtHetBerekendeRekenblad() {
    Opstelling o;
    WerkbladInhoud inhoud = TestInhoud();
    inhoud.aftrek = 1;
    SchrijfBytes(o.map / "weg.tvo", CodeerWerkblad(inhoud));
    o.dlg.openAntwoorden.push_back(Pad(o.map / "weg.tvo"));
    o.Knop("open");
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
      QCOMPARE(frm->Bronnen().front().weg, std::string("Rijksweg"));
      QCOMPARE(frm->Bronnen().front().lden, o.frm->Blad().Lden);
    };
    o.Knop("cumulatie");
    QVERIFY(aangeboden);
    o.Knop("invullen");
    o.Knop("cumulatie");
    QVERIFY(!aangeboden);
  }

  // Every click in the chooser lands in the worksheet at once.
  void tramKeuzeInHetWerkblad() {
    Opstelling o;
    o.Knop("invullen");
    QCOMPARE(o.frm->Blad().RailConstructie, std::int16_t{0});
    o.dlg.bijVenster = [](QDialog& venster) {
      auto* tram = qobject_cast<frmTram*>(&venster);
      QVERIFY(tram && tram->optRail(0)->isChecked());
      QTest::mouseClick(tram->optRail(1), Qt::LeftButton, {}, QPoint(8, tram->optRail(1)->height() / 2));
    };
    QTest::mouseClick(o.frm->cmdTram(), Qt::LeftButton);
    QCOMPARE(o.dlg.vensters, std::vector<QString>{"frmTram"});
    QCOMPARE(o.frm->Blad().RailConstructie, std::int16_t{1});
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
    QCOMPARE(help(o.Veld(0)), std::string(HelpTekstVeld(0)));
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Toelichting bij invoer"));
  }

  // A refused key beeps and marks the field red until the next good one;
  // the ring skips the derived fields, and with the zone on the locked speeds.
  void toetsenEnNavigatie() {
    Opstelling o;
    o.Knop("invullen");
    o.Veld(2)->clear();
    o.Typ(2, "1a");
    QCOMPARE(o.Veld(2)->text(), QString("1"));
    QCOMPARE(o.dlg.piepen, 1);
    QCOMPARE(o.Achtergrond(2), kRood);
    QTest::keyClicks(o.Veld(2), "2,5");
    QCOMPARE(o.Veld(2)->text(), QString("12,5"));
    QCOMPARE(o.Achtergrond(2), kLichtGeel);
    o.Typ(5, "8,");  // speeds take digits only, field 0 every key
    QCOMPARE(o.Veld(5)->text(), QString("8"));
    o.Typ(0, "a.,1!");
    QCOMPARE(o.Veld(0)->text(), QString("a.,1!"));
    QCOMPARE(o.dlg.piepen, 2);

    QCOMPARE(o.Na(o.Veld(25), Qt::Key_Return), o.Veld(32));
    QCOMPARE(o.Na(o.Veld(0), Qt::Key_Up), o.frm->txtToel(3));
    o.Klik(o.frm->chkZone());
    ControleerModus(*o.frm, kInvoer);
    QCOMPARE(o.Na(o.Veld(4), Qt::Key_Return), o.Veld(6));
    QCOMPARE(o.Na(o.Veld(32), Qt::Key_Up), o.Veld(24));
  }

  // Another extension: error 52 and the dialog again. A read file computes
  // without "invullen"; saving adds no extension.
  void openenEnOpslaan() {
    Opstelling o;
    SchrijfBytes(o.map / "blad.tvo", CodeerWerkblad(TestInhoud()));
    SchrijfBytes(o.map / "blad.txt", CodeerWerkblad(TestInhoud()));
    o.Knop("invullen");
    o.dlg.openAntwoorden = {Pad(o.map / "blad.txt"), Pad(o.map / "blad.tvo")};
    o.Knop("open");
    QCOMPARE(o.dlg.openFilters.size(), std::size_t{2});
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QVERIFY(o.LaatsteMelding().starts_with("Onverwachte fout in procedure Openen van Form frmTarvo.\r\nFout 52 - "));
    ControleerModus(*o.frm, kGelezen);
    QCOMPARE(o.frm->BestandPaneel(), QString("blad.tvo"));
    QCOMPARE(o.Veld(2)->text(), QString("1000,00"));
    o.Bereken();
    ControleerModus(*o.frm, kResultaat);
    o.dlg.bewaarAntwoorden = {Pad(o.map / "zonder")};
    o.Knop("opslaan");
    QCOMPARE(LeesBytes(o.map / "zonder").size(), kWerkbladLengte);
    QVERIFY(!std::filesystem::exists(o.map / "zonder.tvo"));
  }

  void afsluitenVraagtAlleenNaEenGelezenBestand() {
    {
      Opstelling o;
      QVERIFY(o.frm->close());
      QVERIFY(o.dlg.meldingen.empty());
    }
    Opstelling o;
    SchrijfBytes(o.map / "blad.tvo", CodeerWerkblad(TestInhoud()));
    o.dlg.openAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("open");
    QVERIFY(o.frm->close());  // answered No: nothing is saved
    QCOMPARE(o.LaatsteMelding(), std::string("Wilt u het rekenblad eerst opslaan?"));
    QCOMPARE(o.dlg.meldingen.back().knoppen, Knoppen::JaNee);
    QVERIFY(o.dlg.bewaarFilters.empty());
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
    QVERIFY(kopie.Gelukt());
    QCOMPARE(kopie->blok[0][0], 1250.0);
    QCOMPARE(kopie->waarneemhoogte, 4.0);
    QCOMPARE(kopie->toelichting[1], VastBreed("nagekeken", kToelichtingLengte));
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
