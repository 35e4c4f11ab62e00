// The main window driven as a user would: typed keys, Enter and arrows,
// clicks; dialogs answered by ScriptDialogen; a temporary data folder.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <map>
#include <memory>

#include "ScriptDialogen.h"
#include "base/Tekst.h"
#include "calc/Velden.h"
#include "driver/Opdrachten.h"
#include "driver/Resultaatteksten.h"
#include "files/CatalogusBestand.h"
#include "files/WerkbladBestand.h"
#include "shared_ui/Kleuren.h"
#include "shared_ui/Versie.h"
#include "tests/Catalogi.h"
#include "tests/Schrijfgrens.h"
#include "tests/TijdelijkeMap.h"
#include "windows/CumulatieVenster.h"
#include "windows/HoofdVenster.h"
#include "windows/OmrekenVenster.h"
#include "windows/RailVenster.h"
#include "windows/VoorbeeldVenster.h"
#include "windows/WegdekVenster.h"
#include "windows/WerkbladFormulier.h"

using namespace tarvo;
using tarvo::test::LeesBytes;
using tarvo::test::SchrijfBytes;
using tarvo::test::TijdelijkeMap;

namespace {

// What a worksheet file of the current version holds.
Invoer TestInvoer() {
  Invoer in;
  in.weg = "Rijksweg";
  in.getal[IntensiteitVeld(categorie::kLv, 1)] = 1000;
  for (int c = 0; c < kAantalCategorieen; ++c) in.getal[SnelheidVeld(c)] = c < 3 ? 80 : 30;
  in.getal[veld::kWaarneemhoogte] = 5;
  in.getal[veld::kAfstandHor] = 10;
  in.getal[veld::kZichthoek] = 127;
  in.wegdek = 2;
  return in;
}

QString Pad(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

QString Documenten() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

using VensterModus = HoofdVenster::Modus;

// The window's mode and a few controls that show it: the input fields, the
// result frame, the calculation button, commands offered and withheld.
struct Modus {
  const char* naam;
  VensterModus modus;
  bool invoer, resultaat, berekenKnop;
  std::vector<std::string_view> aan, uit;  // commands by name
};

const Modus kRust{"rust",
                  VensterModus::Rust,
                  false,
                  false,
                  false,
                  {"openen", "invullen", "wegdekken", "cumulatie"},
                  {"opslaan", "afdrukken", "toetsing"}};
const Modus kInvoer{"invoer",
                    VensterModus::Invoer,
                    true,
                    false,
                    true,
                    {"opslaan", "reset", "help", "toetsing"},
                    {"openen", "afdrukken"}};
const Modus kResultaat{
    "resultaat", VensterModus::Resultaat, false, true, false, {"openen", "afdrukken", "opslaan", "toetsing"}, {"help"}};
// After reading a file: idle, but computable and savable.
const Modus kGelezen{
    "gelezen", VensterModus::Rust, false, false, true, {"opslaan", "help", "toetsing"}, {"wegdekken", "afdrukken"}};

// What the user sees of the worksheet: fields, remarks, road surface,
// switches, levels, mode, file and the mark of unsaved changes.
QStringList Toestand(const HoofdVenster& f) {
  const WerkbladFormulier& b = *f.formulier();
  QStringList t;
  for (int k = 0; k < kAantalVelden; ++k) t << b.veld(k)->text();
  for (int i = 0; i < kAantalToelichtingen; ++i) t << b.toelichtingRegel(i)->text();
  t << QString::number(b.wegdekLijst()->currentIndex()) << QString::number(b.zoneSchakelaar()->isChecked())
    << QString::number(b.aftrekSchakelaar()->isChecked()) << QString::number(b.HuidigWerkblad().rail);
  for (int n = 0; n < 3; ++n) {
    for (const QLabel* l : {b.niveauNaam(n), b.niveauWaarde(n)}) t << l->text() + (l->isVisible() ? "+" : "-");
  }
  t << QString::number(static_cast<int>(f.HuidigeModus())) << f.BestandPaneel() << f.BestandPad()
    << QString::number(f.Gewijzigd());
  return t;
}

}  // namespace

class TestHoofdVenster : public QObject {
  Q_OBJECT

  struct Opstelling {
    TijdelijkeMap map;
    ScriptDialogen dlg;
    std::unique_ptr<HoofdVenster> venster;
    WerkbladFormulier* blad = nullptr;

    explicit Opstelling(const QString& opdrachtRegel = {}) {
      SchrijfBytes(map / std::string(kCatalogusBestand), CodeerCatalogus(test::TweeWegdekken()));
      venster = std::make_unique<HoofdVenster>(dlg, Pad(map.Pad()));
      blad = venster->formulier();
      QVERIFY(venster->Start(opdrachtRegel));
      venster->show();
      QApplication::setActiveWindow(venster.get());
      QVERIFY(QTest::qWaitForWindowActive(venster.get()));
    }
    QLineEdit* Veld(int k) const { return blad->veld(k); }
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
      QAction* a = venster->findChild<QAction*>(key);
      QVERIFY2(a && a->isEnabled(), key);
      a->trigger();
    }
    // A worksheet file written here and opened by the user.
    void Open(const std::string& naam = "blad.tvo", const Invoer& invoer = TestInvoer()) {
      SchrijfBytes(map / naam, CodeerWerkblad(invoer));
      dlg.openAntwoorden = {Pad(map / naam)};
      Knop("openen");
    }
    int WegdekIndex() const { return blad->wegdekLijst()->currentIndex(); }
    void Bereken() { QTest::mouseClick(blad->berekenKnop(), Qt::LeftButton); }
    // On the box and its caption, not on the empty width the layout gives it.
    static void Klik(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }
    QColor Kleur(int k) const { return Achtergrond(Veld(k)); }
    const Resultaten& Uitkomst() const { return *venster->LaatsteResultaten(); }
  };

  // The mode's controls; a failure names all that differ.
  static void ControleerModus(const HoofdVenster& f, const Modus& m) {
    const WerkbladFormulier& b = *f.formulier();
    QStringList anders;
    const auto eis = [&](bool klopt, const QString& wat) {
      if (!klopt) anders << wat;
    };
    eis(f.HuidigeModus() == m.modus, "modus");
    eis(b.veld(veld::kQlvDag)->isEnabled() == m.invoer && b.toelichtingRegel(0)->isEnabled() == m.invoer, "invoer");
    eis(b.wegdekLijst()->isEnabled() == m.invoer && b.aftrekSchakelaar()->isEnabled() == m.invoer, "keuzes");
    eis(!b.veld(veld::kQtotaalDag)->isEnabled(), "Qtotaal");  // derived: never typed
    eis(b.resultaatKader()->isEnabled() == m.resultaat && b.niveauWaarde(0)->isVisible() == m.resultaat,
        "resultaatKader");
    eis(b.berekenKnop()->isVisible() == m.berekenKnop, "berekenKnop");
    eis(f.Actie("berekenen")->isEnabled() == m.berekenKnop, "menu berekenen");
    for (std::string_view c : m.aan) eis(f.Actie(c)->isEnabled(), f.Actie(c)->objectName());
    for (std::string_view c : m.uit) eis(!f.Actie(c)->isEnabled(), f.Actie(c)->objectName());
    QVERIFY2(anders.isEmpty(), qPrintable(QString("modus ") + m.naam + ": " + anders.join(", ")));
  }

 private slots:
  void initTestCase() {
    QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    nl.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(nl);
  }

  // Start-up, input, a calculation from typed texts, back to input by the frame, Reset.
  void modiRondEenBerekening() {
    Opstelling o;
    ControleerModus(*o.venster, kRust);
    QTest::keyClick(o.venster.get(), Qt::Key_F2);  // the menu's key for "invullen"
    ControleerModus(*o.venster, kInvoer);
    QCOMPARE(o.Focus(), o.Veld(veld::kWaarneempunt));
    o.Typ(veld::kQlvDag, "1000");
    o.Typ(veld::kVlv, "80");
    o.Bereken();
    QVERIFY(o.dlg.meldingen.empty());
    ControleerModus(*o.venster, kResultaat);
    QCOMPARE(o.blad->niveauWaarde(0)->text(), QString(" 68,3 dB(A)"));
    QCOMPARE(o.blad->niveauWaarde(2)->text(), QString("  0,0 dB"));   // the width kept for a zero
    QCOMPARE(o.Veld(veld::kQtotaalDag)->text(), QString("1000,00"));  // Qtotaal dag

    // A click on a shown level belongs to the label, not to the frame.
    QTest::mouseClick(o.blad->niveauWaarde(0), Qt::LeftButton);
    ControleerModus(*o.venster, kResultaat);
    QTest::mouseClick(o.blad->resultaatKader(), Qt::LeftButton, {}, QPoint(4, o.blad->resultaatKader()->height() - 4));
    ControleerModus(*o.venster, kInvoer);
    o.Knop("reset");
    ControleerModus(*o.venster, kRust);
    QCOMPARE(o.Veld(veld::kQlvDag)->text(), QString("0,00"));  // the default, with the Dutch comma
  }

  // A text that is no number refuses the calculation; the status bar says
  // which field, the focus goes there, and a passed calculation replaces it
  // by the fields it clamped, never left (the sentence: the core's rows).
  void geweigerdeBerekeningInDeStatusbalk() {
    Opstelling o;
    o.Knop("invullen");
    QVERIFY(o.venster->Melding().isEmpty());
    o.Veld(veld::kQlvDag)->setText("12a");  // pasted: the key filter never saw it
    o.Bereken();
    QCOMPARE(o.venster->Melding(), QString("Berekening niet uitgevoerd: 'Qlicht (mvt/h)' dag is geen getal."));
    QCOMPARE(o.Focus(), o.Veld(veld::kQlvDag));
    QVERIFY(o.dlg.meldingen.empty());
    ControleerModus(*o.venster, kInvoer);
    const QLabel* paneel = o.venster->statusBar()->findChild<QLabel*>("meldingPaneel");
    QVERIFY(paneel && paneel->isVisible() && paneel->text() == o.venster->Melding());

    QCOMPARE(o.Kleur(2), kRood);
    QCOMPARE(o.Veld(veld::kQlvDag)->toolTip(), QString("Voer geldig getal in"));
    o.Veld(veld::kQlvDag)->setText("12");
    o.Veld(veld::kBodemfactor)->setText("1,5");
    QTest::keyClick(o.Veld(veld::kQlvDag), Qt::Key_F9);  // the menu's key for "berekenen"
    ControleerModus(*o.venster, kResultaat);
    QCOMPARE(o.venster->Melding(), QString("Bodemfactor B begrensd tot 1,00"));
    QVERIFY(o.dlg.meldingen.empty());
  }

  // Each command that checks the fields refuses with the check's warning
  // (the rules and their wordings: tests/calc), and the field to correct
  // takes the focus.
  void waarschuwingWijstHetVeldAan_data() {
    QTest::addColumn<QString>("actie");
    QTest::addColumn<int>("veld");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("geen_waarneemhoogte") << "berekenen" << 32 << "0";
    QTest::newRow("wegdek_hoger") << "diagram" << 33 << "9";
    QTest::newRow("geen_afstand") << "opslaan" << 36 << "0";
  }
  void waarschuwingWijstHetVeldAan() {
    QFETCH(QString, actie);
    QFETCH(int, veld);
    QFETCH(QString, tekst);
    Opstelling o;
    o.Knop("invullen");
    o.Veld(veld)->setText(tekst);
    o.Veld(veld::kWaarneempunt)->setFocus();
    o.dlg.invoerAntwoorden = {QString("500")};
    o.Knop(qPrintable(actie));
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.dlg.LaatsteMelding(), Controleer(o.blad->HuidigWerkblad(), ',').weigering->tekst);
    QCOMPARE(o.dlg.meldingen[0].titel, std::string("Waarschuwing"));
    QCOMPARE(o.dlg.meldingen[0].icoon, Icoon::Uitroep);
    QCOMPARE(o.Focus(), o.Veld(veld));
    QVERIFY(o.dlg.vensters.empty() && o.dlg.bewaarFilters.empty());
    ControleerModus(*o.venster, kInvoer);
  }

  // Each deduction has a line under the levels, which are shown less the
  // one of art. 110g; the cumulation takes the worksheet, with its file's
  // name, without it. Input mode shows no line and offers no worksheet to
  // cumulate; a worksheet without deductions shows no line.
  void aftrekBijDeUitkomstenEnDeCumulatie() {
    Opstelling o;
    Invoer invoer = TestInvoer();  // 80 km/h on "dunne deklaag B"
    invoer.aftrek = true;
    o.Open("weg.tvo", invoer);
    o.Bereken();
    QCOMPARE(o.blad->aftrekRegel()->text(), QString("inclusief 2 dB aftrek art. 110g Wgh"));
    QCOMPARE(o.blad->art35Regel()->text(),
             QString("aftrek art. 3.5: 2 dB (dunne deklaag B is geen van de acht wegdektypen met 1 dB)"));
    QVERIFY(o.blad->aftrekRegel()->isVisible() && o.blad->art35Regel()->isVisible());
    QCOMPARE(o.blad->niveauWaarde(1)->text(), QString::fromStdString(ResultaatLabel(o.Uitkomst().Lden, 2, " dB", ',')));
    bool aangeboden = false;
    o.dlg.bijVenster = [&](QDialog& dialoog) {
      auto* cumulatie = qobject_cast<CumulatieVenster*>(&dialoog);
      aangeboden = cumulatie->huidigKnop()->isEnabled();
      if (!aangeboden) return;
      cumulatie->VoegHuidigToe();
      QCOMPARE(cumulatie->Bronnen().front().naam, std::string("weg.tvo"));
      QCOMPARE(cumulatie->Bronnen().front().lden, o.Uitkomst().Lden);
    };
    o.Knop("cumulatie");
    QVERIFY(aangeboden);
    o.Knop("invullen");
    QVERIFY(!o.blad->aftrekRegel()->isVisible() && !o.blad->art35Regel()->isVisible());
    o.Knop("cumulatie");
    QVERIFY(!aangeboden);
    o.Klik(o.blad->aftrekSchakelaar());
    o.Veld(veld::kVlv)->setText("50");
    o.Bereken();
    QVERIFY(!o.blad->aftrekRegel()->isVisible() && !o.blad->art35Regel()->isVisible());
  }

  // Room for a 1280x720 screen at 100 %, title bar included. At 200 % it is
  // 640x360: Tab from F2 through the whole form keeps the caption at the
  // start of each field's row in view, and so does Enter, which moves the
  // focus without Tab: the tram speed -> the observation height is a jump down the form.
  void vensterPastOpHetScherm() {
    Opstelling o;
    QVERIFY2(o.venster->sizeHint().width() <= 1280 && o.venster->sizeHint().height() <= 720 - 40,
             qPrintable(QString("%1x%2").arg(o.venster->sizeHint().width()).arg(o.venster->sizeHint().height())));
    o.venster->resize(640, 330);
    QTest::keyClick(o.venster.get(), Qt::Key_F2);
    auto* vlak = o.venster->findChild<QScrollArea*>("schuifvlak");
    auto* raster = qobject_cast<QGridLayout*>(vlak->widget()->layout());
    QVERIFY(raster && vlak->verticalScrollBar()->isVisible() && vlak->horizontalScrollBar()->isVisible());
    // Of a control wider than the view: its start, where the typing begins.
    const auto inBeeld = [&](QWidget* w, int breedte) {
      const QRect opScherm(w->mapTo(vlak->viewport(), QPoint()), QSize(qMin(w->width(), breedte), w->height()));
      return vlak->viewport()->rect().contains(opScherm);
    };
    QStringList uitBeeld;
    const auto kijk = [&] {
      QWidget* w = o.Focus();
      int rij = -1, kolom = -1, rijen = 0, kolommen = 0;
      if (const int i = raster->indexOf(w); i >= 0) raster->getItemPosition(i, &rij, &kolom, &rijen, &kolommen);
      QLayoutItem* kop = rij >= 0 ? raster->itemAtPosition(rij, 0) : nullptr;
      auto* l = kop ? qobject_cast<QLabel*>(kop->widget()) : nullptr;
      if (!inBeeld(w, 80) || (l && !inBeeld(l, l->width()))) uitBeeld << w->objectName();
    };
    for (int stap = 0; stap < 100 && o.Focus() != o.blad->berekenKnop(); ++stap) {
      kijk();
      QTest::keyClick(o.Focus(), Qt::Key_Tab);
    }
    kijk();
    QCOMPARE(o.Na(o.Veld(veld::kVtram), Qt::Key_Return), o.Veld(veld::kWaarneemhoogte));
    kijk();
    QCOMPARE(o.Na(o.Veld(kAantalVelden - 1), Qt::Key_Return), o.blad->toelichtingRegel(0));
    kijk();
    QVERIFY2(uitBeeld.isEmpty(), qPrintable(uitBeeld.join(", ")));
  }

  // At 200 % the results lie right of the traffic rows, out of a 640x330
  // window's view: F9 brings the frame with every level into view, and the
  // keyboard finds it again after the view was scrolled away.
  void resultatenInBeeldNaF9() {
    Opstelling o;
    o.venster->resize(640, 330);
    QTest::keyClick(o.venster.get(), Qt::Key_F2);
    o.Typ(2, "1000");
    o.Typ(5, "80");
    auto* vlak = o.venster->findChild<QScrollArea*>("schuifvlak");
    QWidget* kader = o.blad->resultaatKader();
    const auto inBeeld = [&] {
      QStringList buiten;
      for (int n = 0; n < 3; ++n) {
        for (QWidget* w :
             {static_cast<QWidget*>(o.blad->niveauNaam(n)), static_cast<QWidget*>(o.blad->niveauWaarde(n))}) {
          const QRect opScherm(w->mapTo(vlak->viewport(), QPoint()), w->size());
          if (!vlak->viewport()->rect().contains(opScherm)) buiten << w->objectName();
        }
      }
      return buiten.join(", ");
    };
    QVERIFY(!inBeeld().isEmpty());  // typing keeps the fields in view
    QTest::keyClick(o.Veld(5), Qt::Key_F9);
    QCOMPARE(o.venster->HuidigeModus(), VensterModus::Resultaat);
    QCOMPARE(o.Focus(), kader);
    QCOMPARE(inBeeld(), QString());

    vlak->horizontalScrollBar()->setValue(0);
    vlak->verticalScrollBar()->setValue(0);
    QVERIFY(!inBeeld().isEmpty());
    for (int stap = 0; stap < 4 && !inBeeld().isEmpty(); ++stap) QTest::keyClick(o.Focus(), Qt::Key_Tab);
    QCOMPARE(o.Focus(), kader);
    QCOMPARE(inBeeld(), QString());
  }

  // The menu bar lists every command once, and each opens its own window,
  // in the mode that offers it. At 200 % a 1280x720 screen is 640x360: every
  // side window fits it, title bar included, however small the screen makes
  // it; the test window's table does not yet, so it is opened before the
  // sizes are looked at.
  void opdrachtenEnZijvensters() {
    Opstelling o;
    o.Knop("invullen");
    o.Typ(veld::kQlvDag, "1000");
    o.Bereken();
    QStringList teGroot;
    o.dlg.bijVenster = [&](QDialog& venster) {
      const QSize minimum = venster.minimumSizeHint().expandedTo(venster.minimumSize());
      if (minimum.width() > 620 || minimum.height() > 330)
        teGroot << QString("%1 %2x%3").arg(venster.objectName()).arg(minimum.width()).arg(minimum.height());
    };
    o.Knop("toetsing");
    o.dlg.invoerAntwoorden = {QString("500")};
    for (const char* actie : {"voorbeeld", "dosisEffect", "info", "cumulatie", "invullen", "omrekenen", "diagram"}) {
      o.Knop(actie);
    }
    QTest::mouseClick(o.blad->railKnop(), Qt::LeftButton);
    o.Knop("reset");
    o.Knop("wegdekken");
    QCOMPARE(o.dlg.vensters, (std::vector<QString>{"ToetsingVenster", "VoorbeeldVenster", "DosisEffectVenster",
                                                   "InfoVenster", "CumulatieVenster", "OmrekenVenster",
                                                   "DiagramVenster", "RailVenster", "WegdekVenster"}));
    QCOMPARE(o.dlg.invoerPrompts.size(), std::size_t{1});  // the diagram asks its distance first
    QVERIFY2(teGroot.isEmpty(), qPrintable(teGroot.join(", ")));
  }

  // Every command of the shared table that the window is not said to lack
  // has its action, once in a menu, with the table's menu text, key, tool
  // tip and description; one it lacks has none. The menus hold nothing else.
  void elkeOpdrachtUitDeTabel() {
    Opstelling o;
    std::map<QAction*, int> inMenu;
    int items = 0;
    for (const QAction* kop : o.venster->menuBar()->actions()) {
      for (QAction* a : kop->menu()->actions()) {
        if (a->isSeparator()) continue;
        ++inMenu[a];
        ++items;
      }
    }
    QStringList fout;
    int inVenster = 0;
    for (const Opdracht& opdracht : kOpdrachten) {
      const QString naam = QString::fromUtf8(opdracht.naam.data(), qsizetype(opdracht.naam.size()));
      const auto tekst = [](std::string_view t) { return QString::fromUtf8(t.data(), qsizetype(t.size())); };
      auto* a = o.venster->findChild<QAction*>(naam);
      if (!opdracht.nietInProgramma.empty()) {
        if (a || o.venster->Actie(opdracht.naam)) fout << naam + ": heeft een actie";
        continue;
      }
      ++inVenster;
      if (!a || a != o.venster->Actie(opdracht.naam) || inMenu[a] != 1) {
        fout << naam + ": geen actie in een menu";
        continue;
      }
      if (a->text() != tekst(opdracht.menu)) fout << naam + ": " + a->text();
      if (a->shortcut().isEmpty() || a->shortcut().toString(QKeySequence::PortableText) != tekst(opdracht.toets))
        fout << naam + ": " + a->shortcut().toString(QKeySequence::PortableText);
      if (a->toolTip() != tekst(opdracht.tekst) + " (" + tekst(opdracht.toets) + ")")
        fout << naam + ": " + a->toolTip();
      if (a->whatsThis() != tekst(opdracht.tekst)) fout << naam + ": " + a->whatsThis();
    }
    QVERIFY2(fout.isEmpty(), qPrintable(fout.join("; ")));
    QCOMPARE(items, inVenster);
    QCOMPARE(inVenster, int(kOpdrachten.size()) - 2);  // "opslaanAls" and "onderzoek"
  }

  // Each field's own key filter, a refused key beeping (its colours: test_veldring);
  // leaving a field shows its number in range, and the status bar says so;
  // the ring goes round through the remark lines; the focus sets the help
  // text that "help" shows: fields, remark lines, other controls.
  void toetsenEnNavigatie() {
    Opstelling o;
    o.Knop("invullen");
    o.Veld(veld::kQlvDag)->clear();
    o.Typ(veld::kQlvDag, "1a,5");
    QCOMPARE(o.Veld(veld::kQlvDag)->text(), QString("1,5"));
    QCOMPARE(o.dlg.piepen, 1);
    o.Typ(veld::kVlv, "8,");  // speeds take digits only, the observation point every key
    QCOMPARE(o.Veld(veld::kVlv)->text(), QString("8"));
    o.Typ(veld::kWaarneempunt, "a.,1!");
    QCOMPARE(o.Veld(veld::kWaarneempunt)->text(), QString("a.,1!"));
    QCOMPARE(o.dlg.piepen, 2);
    // The names and remark lines take no more than their file keeps.
    for (QLineEdit* regel : {o.Veld(veld::kWaarneempunt), o.Veld(veld::kWeg), o.blad->toelichtingRegel(3)}) {
      regel->clear();
      regel->setFocus();
      QTest::keyClicks(regel, QString(70, 'x'));
    }
    QCOMPARE(o.Veld(veld::kWaarneempunt)->text().size(), qsizetype(kNaamVeldLengte));
    QCOMPARE(o.Veld(veld::kWeg)->text().size(), qsizetype(kNaamVeldLengte));
    QCOMPARE(o.blad->toelichtingRegel(3)->text().size(), qsizetype(kToelichtingLengte));
    o.Veld(veld::kQlvDag)->setText("12000");
    QCOMPARE(o.Na(o.Veld(veld::kQlvDag), Qt::Key_Return), o.Veld(veld::kQlvAvond));
    QCOMPARE(o.Veld(veld::kQlvDag)->text(), QString("9999,00"));
    QCOMPARE(o.venster->Melding(), QString("Qlicht dag begrensd tot 9999,00"));
    QCOMPARE(o.Na(o.Veld(veld::kWaarneempunt), Qt::Key_Up), o.blad->toelichtingRegel(3));

    const auto help = [&](QWidget* w) {
      w->setFocus();
      o.Knop("help");
      return o.dlg.LaatsteMelding();
    };
    QCOMPARE(help(o.Veld(veld::kObjectfractie)), std::string(HelpTekstVeld(veld::kObjectfractie)));
    QCOMPARE(help(o.blad->toelichtingRegel(2)), std::string(kHelpGeenInfo));
    QCOMPARE(help(o.blad->zoneSchakelaar()), std::string(kHelpZone));
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{3});  // the help's only: clamping asks nothing
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Toelichting bij invoer"));
  }

  // A remark line one character short takes a key and says nothing; a full
  // one refuses it and says why in the status bar. A full line with its text
  // selected takes the key in its place.
  void volleToelichtingInDeStatusbalk() {
    Opstelling o;
    o.Knop("invullen");
    QLineEdit* vol = o.blad->toelichtingRegel(2);
    vol->setText(QString(60, 'v'));
    vol->setFocus();
    vol->selectAll();
    QTest::keyClick(vol, Qt::Key_A);
    QCOMPARE(vol->text(), QString("a"));
    QLineEdit* regel = o.blad->toelichtingRegel(1);
    regel->setFocus();
    QTest::keyClicks(regel, QString(59, 'x'));
    QTest::keyClick(regel, Qt::Key_Y);
    QCOMPARE(regel->text(), QString(59, 'x') + "y");
    QVERIFY(o.venster->Melding().isEmpty());
    QTest::keyClick(regel, Qt::Key_Z);
    QCOMPARE(regel->text(), QString(59, 'x') + "y");
    QCOMPARE(o.venster->Melding(), QString("Een regel toelichting heeft ten hoogste 60 tekens."));
  }

  // The 30 km zone shows 30 in the speed fields and counts with it, which
  // the ring passes over with the derived fields; the speeds typed come back
  // when it is off again, also after a calculation.
  void zoneBewaartDeSnelheden() {
    Opstelling o;
    o.Knop("invullen");
    o.Typ(veld::kQlvDag, "1000");
    o.Veld(veld::kVlv)->setText("80");
    o.Klik(o.blad->zoneSchakelaar());
    QCOMPARE(o.Veld(veld::kVlv)->text(), QString("30"));
    o.Bereken();
    QCOMPARE(o.venster->LaatsteInvoer()->Snelheid(categorie::kLv), 30.0);
    QTest::keyClick(o.venster.get(), Qt::Key_F2);
    QVERIFY(!o.Veld(veld::kVlv)->isEnabled() && o.Veld(veld::kQlvNacht)->isEnabled());
    QCOMPARE(o.Na(o.Veld(veld::kWaarneemhoogte), Qt::Key_Up), o.Veld(veld::kQtramNacht));
    o.Klik(o.blad->zoneSchakelaar());
    QVERIFY(o.Veld(veld::kVlv)->isEnabled());
    QCOMPARE(o.Veld(veld::kVlv)->text(), QString("80"));
  }

  // A computed worksheet with a change of the user's: cancel in the open
  // dialog, then a refused file (named with the reader's reason, then the
  // dialog again): every field, the levels, the mode and the mark stay.
  void openenDatNietLuktLaatHetRekenbladStaan() {
    Opstelling o;
    SchrijfBytes(o.map / "blad.txt", CodeerWerkblad(TestInvoer()));
    o.Knop("invullen");
    o.Typ(veld::kQlvDag, "1000");
    o.blad->toelichtingRegel(0)->setText("eigen werk");
    o.Bereken();
    ControleerModus(*o.venster, kResultaat);
    const QStringList voor = Toestand(*o.venster);
    QVERIFY(o.venster->Gewijzigd());

    o.dlg.antwoorden = {Antwoord::Nee};  // not saved first; the dialog is cancelled
    o.Knop("openen");
    QCOMPARE(o.dlg.openFilters.size(), std::size_t{1});
    QCOMPARE(Toestand(*o.venster), voor);

    o.dlg.antwoorden = {Antwoord::Nee};
    o.dlg.openAntwoorden = {Pad(o.map / "blad.txt"), std::nullopt};
    o.Knop("openen");
    QCOMPARE(o.dlg.openFilters.size(), std::size_t{3});
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{3});  // each "openen" asked to save first
    QCOMPARE(o.dlg.LaatsteMelding(), LeesWerkbladBestand(o.map / "blad.txt").Melding());
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Waarschuwing"));
    QCOMPARE(o.dlg.meldingen.back().icoon, Icoon::Uitroep);
    QCOMPARE(Toestand(*o.venster), voor);
    ControleerModus(*o.venster, kResultaat);
  }

  // Read: idle, computable without "invullen", tied to the file, and saved
  // again byte for byte; saved after a calculation, it opens again as it was.
  void openenEnOpslaan() {
    Opstelling o;
    o.Open();
    QVERIFY(o.dlg.meldingen.empty());
    ControleerModus(*o.venster, kGelezen);
    QCOMPARE(o.venster->BestandPaneel(), QString("blad.tvo"));
    QCOMPARE(o.venster->windowTitle(), QString("blad.tvo[*] - Rekenblad Tarvo"));
    QCOMPARE(o.Veld(veld::kQlvDag)->text(), QString("1000,00"));
    o.dlg.bewaarAntwoorden = {Pad(o.map / "kopie.tvo")};
    o.Knop("opslaan");
    QCOMPARE(LeesBytes(o.map / "kopie.tvo"), LeesBytes(o.map / "blad.tvo"));
    o.Bereken();
    ControleerModus(*o.venster, kResultaat);
    QVERIFY(!o.venster->Gewijzigd());

    const QStringList invoer = Toestand(*o.venster).mid(0, kAantalVelden + 8);  // fields, remarks, choices
    o.dlg.bewaarAntwoorden = {Pad(o.map / "berekend.tvo")};
    o.Knop("opslaan");
    QVERIFY(o.venster->statusBar()->currentMessage().endsWith("berekend.tvo"));

    o.Knop("invullen");
    o.Typ(veld::kWaarneempunt, "Dorpsstraat 1");
    QVERIFY(o.venster->Gewijzigd() && o.venster->statusBar()->currentMessage().isEmpty());
    o.Bereken();  // open is offered outside input mode
    o.dlg.antwoorden = {Antwoord::Nee};
    o.dlg.openAntwoorden = {Pad(o.map / "berekend.tvo")};
    o.Knop("openen");
    ControleerModus(*o.venster, kGelezen);
    QCOMPARE(Toestand(*o.venster).mid(0, kAantalVelden + 8), invoer);
    QCOMPARE(o.Veld(veld::kWeg)->text(), QString("Rijksweg"));
    QCOMPARE(o.WegdekIndex(), 1);
    QVERIFY(!o.venster->Gewijzigd());
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
    QVERIFY(!o.venster->Gewijzigd());
    QVERIFY(!o.venster->isWindowModified());

    if (wijziging == "veld") {
      o.Typ(veld::kAfstandObstakel, "5");
    } else if (wijziging == "toelichting") {
      o.blad->toelichtingRegel(3)->setFocus();
      QTest::keyClicks(o.blad->toelichtingRegel(3), "x");
    } else if (wijziging == "wegdek") {
      o.blad->wegdekLijst()->setFocus();
      QTest::keyClick(o.blad->wegdekLijst(), Qt::Key_Up);  // from the second to the first
      QCOMPARE(o.blad->HuidigWerkblad().wegdek, std::int16_t{1});
    } else if (wijziging == "zone") {
      o.Klik(o.blad->zoneSchakelaar());
    } else if (wijziging == "aftrek") {
      o.Klik(o.blad->aftrekSchakelaar());
    } else if (wijziging == "rail") {
      o.dlg.bijVenster = [](QDialog& dialoog) {
        auto* rail = qobject_cast<RailVenster*>(&dialoog);
        QVERIFY(rail && rail->railKeuze(0)->isChecked());  // the worksheet's choice
        QTest::mouseClick(rail->railKeuze(0), Qt::LeftButton, {}, QPoint(8, rail->railKeuze(0)->height() / 2));
        QVERIFY(!qobject_cast<HoofdVenster*>(dialoog.parentWidget())->Gewijzigd());  // the same choice again
        QTest::mouseClick(rail->railKeuze(1), Qt::LeftButton, {}, QPoint(8, rail->railKeuze(1)->height() / 2));
      };
      QTest::mouseClick(o.blad->railKnop(), Qt::LeftButton);
      QCOMPARE(o.dlg.vensters, std::vector<QString>{"RailVenster"});
      QCOMPARE(o.blad->HuidigWerkblad().rail, std::int16_t{1});  // every click lands at once
    } else if (wijziging == "omrekenen") {
      o.dlg.bijVenster = [](QDialog& dialoog) {
        auto* omrekenen = qobject_cast<OmrekenVenster*>(&dialoog);
        omrekenen->OpenAantallen();
        omrekenen->aantal(0)->setText("2400");
        omrekenen->PasToe();
      };
      o.Knop("omrekenen");
      QCOMPARE(o.Kleur(2), kGroen);
    } else if (wijziging == "escape") {
      o.Veld(veld::kQlvDag)->setFocus();
      QTest::keyClick(o.Veld(veld::kQlvDag), Qt::Key_Escape);  // empties the field
      QCOMPARE(o.Veld(veld::kQlvDag)->text(), QString());
    }
    QVERIFY(o.venster->Gewijzigd());
    QVERIFY(o.venster->windowTitle().startsWith("blad.tvo[*]"));

    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("opslaan");
    QVERIFY(!o.venster->Gewijzigd());
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
        {"openen", "Rekenblad openen"}, {"reset", "Reset"}, {"afsluiten", "Programma afsluiten"}};
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
    SchrijfBytes(o.map / "ander.tvo", CodeerWerkblad(TestInvoer()));
    if (antwoord.isEmpty()) {
      o.Open();
    } else {
      o.Knop("invullen");  // a worksheet that was never saved
      o.Typ(veld::kWaarneempunt, "Dorpsstraat 1");
      o.Typ(veld::kQlvDag, "1000");
      o.Typ(veld::kVlv, "80");
    }
    o.Bereken();
    ControleerModus(*o.venster, kResultaat);
    const QStringList voor = Toestand(*o.venster);

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
      QCOMPARE(eerst->waarneempunt, std::string("Dorpsstraat 1"));
    }
    const bool doorgegaan = antwoord.isEmpty() || antwoord == "ja" || antwoord == "nee";
    if (!doorgegaan) {
      QCOMPARE(Toestand(*o.venster), voor);
      QVERIFY(o.venster->isVisible());
      return;
    }
    if (actie == "openen") {
      ControleerModus(*o.venster, kGelezen);
      QCOMPARE(o.venster->BestandPaneel(), QString("ander.tvo"));
    } else if (actie == "reset") {
      ControleerModus(*o.venster, kRust);
      QCOMPARE(o.Veld(veld::kWaarneempunt)->text(), QString());
    } else {
      QVERIFY(!o.venster->isVisible());
      return;
    }
    QVERIFY(!o.venster->Gewijzigd());
  }

  // A folder where the new file must go: the old file stays byte for byte,
  // the message names the file and the reason, the changes stay marked, and
  // shut-down after Ja stays open.
  void mislukteOpslagBewaartHetOudeBestand() {
    Opstelling o;
    o.Open();
    const auto oud = LeesBytes(o.map / "blad.tvo");
    o.Knop("invullen");
    o.Typ(veld::kQlvDag, "1250");
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    {
      test::Schrijfgrens grens(100);  // the disk fills up under the save
      o.Knop("opslaan");
    }
    QCOMPARE(o.dlg.LaatsteMelding(),
             "Bestand " + (o.map / "blad.tvo").string() +
                 " kon niet worden geschreven (het bestand wordt groter dan toegestaan); het oude "
                 "bestand is bewaard gebleven.");
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Rekenblad opslaan"));
    QCOMPARE(LeesBytes(o.map / "blad.tvo"), oud);
    QVERIFY(o.venster->Gewijzigd());

    o.dlg.antwoorden = {Antwoord::Ja};
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    {
      test::Schrijfgrens grens(100);
      QVERIFY(!o.venster->close());
    }
    QCOMPARE(LeesBytes(o.map / "blad.tvo"), oud);
  }

  // A name with another ending gets ".tvo" behind it; a file already there
  // under that name is replaced only after Ja, else the dialog comes back.
  void andereExtensieEnBestaandBestand() {
    Opstelling o;
    o.Knop("invullen");
    o.Typ(veld::kWaarneempunt, "Dorpsstraat 1");
    SchrijfBytes(o.map / "blad.v2.tvo", std::string("bezet"));
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.v2"), Pad(o.map / "nieuw.TVO")};
    o.dlg.antwoorden = {Antwoord::Nee};
    o.Knop("opslaan");
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.dlg.LaatsteMelding(),
             "Bestand " + (o.map / "blad.v2.tvo").string() + " bestaat al. Wilt u het vervangen?");
    QCOMPARE(o.dlg.bewaarVoorstellen, (std::vector<QString>{Documenten(), Pad(o.map / "blad.v2.tvo")}));
    QCOMPARE(LeesBytes(o.map / "blad.v2.tvo").size(), std::size_t{5});
    QCOMPARE(LeesBytes(o.map / "nieuw.TVO").size(), kWerkbladLengte);
    QVERIFY(!std::filesystem::exists(o.map / "blad.v2"));
    QCOMPARE(o.venster->BestandPaneel(), QString("nieuw.TVO"));

    o.Typ(veld::kWeg, "Dorpsstraat");
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.v2")};
    o.dlg.antwoorden = {Antwoord::Ja};
    o.Knop("opslaan");
    QCOMPARE(o.dlg.bewaarVoorstellen.back(), Pad(o.map / "nieuw.TVO"));
    QCOMPARE(LeesBytes(o.map / "blad.v2.tvo").size(), kWerkbladLengte);
    QCOMPARE(o.venster->BestandPaneel(), QString("blad.v2.tvo"));
  }

  // The preview proposes the worksheet's name with ".pdf" in place of its
  // last ending only, so "blad.v2.tvo" gives "blad.v2.pdf"; a sheet without
  // a file starts in the user's folder.
  void pdfVoorstelVolgtHetRekenblad() {
    Opstelling o;
    o.Open();
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.v2.tvo")};
    o.Knop("opslaan");
    o.Bereken();
    o.dlg.bijVenster = [](QDialog& dialoog) {
      for (QAction* actie : dialoog.findChildren<QAction*>()) {
        if (actie->text() == "Opslaan als &PDF…") actie->trigger();  // and Cancel
      }
    };
    o.Knop("voorbeeld");
    QCOMPARE(o.dlg.bewaarVoorstellen.back(), Pad(o.map / "blad.v2.pdf"));
    QCOMPARE(o.dlg.bewaarFilters.back(), QString("PDF-bestanden (*.pdf)"));
  }

  // Another save holding the folder: the status bar says at once that this
  // one waits, and after the waiting time the save gives up with the old
  // file whole; once the other is done the save goes through without a word.
  void opslagWachtOpEenAndereInDezelfdeMap() {
    Opstelling o;
    o.Open();
    const auto oud = LeesBytes(o.map / "blad.tvo");
    o.Knop("invullen");
    o.Typ(veld::kQlvDag, "1250");
    QStringList regels;
    connect(o.venster->statusBar(), &QStatusBar::messageChanged, [&](const QString& r) { regels << r; });
    qputenv("TARVO_WACHTTIJD_MS", "50");
    const int ander = ::open(o.map.Pad().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QCOMPARE(::flock(ander, LOCK_EX), 0);
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("opslaan");
    const std::string naam = (o.map / "blad.tvo").string();
    QVERIFY(
        regels.contains(QString::fromStdString("Wacht tot een andere opslag in de map van " + naam + " klaar is.")));
    QCOMPARE(o.dlg.LaatsteMelding(), "Bestand " + naam +
                                         " kon niet worden geschreven (een andere opslag in dezelfde map bleef te "
                                         "lang bezig); het oude bestand is bewaard gebleven.");
    QCOMPARE(LeesBytes(o.map / "blad.tvo"), oud);
    QVERIFY(o.venster->Gewijzigd());

    ::close(ander);
    regels.clear();
    const std::size_t getoond = o.dlg.meldingen.size();
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("opslaan");
    qunsetenv("TARVO_WACHTTIJD_MS");
    QCOMPARE(regels, QStringList{QString::fromStdString("Rekenblad opgeslagen in " + naam)});
    QCOMPARE(o.dlg.meldingen.size(), getoond);
    QVERIFY(!o.venster->Gewijzigd());
  }

  // Ja at shut-down in input mode: the check takes the fields over first;
  // a refused check keeps the program open at the field to correct.
  void afsluitenBewaartWatInInvoerModusIsVeranderd() {
    Opstelling o;
    o.Open();
    o.Knop("invullen");
    o.Veld(veld::kQlvDag)->setText("1250");
    o.blad->toelichtingRegel(1)->setText("  nagekeken  ");
    o.blad->toelichtingRegel(1)->setModified(true);  // as typed: a line the user edits loses its outer blanks
    o.Veld(veld::kWaarneemhoogte)->setText("0");     // refused by the check: the program stays open
    o.dlg.antwoorden = {Antwoord::Ja};
    QVERIFY(!o.venster->close());
    QCOMPARE(o.dlg.LaatsteMelding(), std::string("geen waarneemhoogte ingevuld"));
    QVERIFY(o.dlg.bewaarFilters.empty());

    o.Veld(veld::kWaarneemhoogte)->setText("4");
    o.dlg.antwoorden = {Antwoord::Ja};
    o.dlg.bewaarAntwoorden = {Pad(o.map / "kopie.tvo")};
    QVERIFY(o.venster->close());
    const auto kopie = DecodeerWerkblad(LeesBytes(o.map / "kopie.tvo"));
    QVERIFY(kopie.Gelukt());
    QCOMPARE(kopie->getal[veld::kQlvDag], 1250.0);
    QCOMPARE(kopie->getal[veld::kWaarneemhoogte], 4.0);
    QCOMPARE(kopie->toelichting[1], std::string("nagekeken"));
  }

  // A remark typed and never left is in the file and on the page: by F9 or
  // the button and a save afterwards, by a save in input mode, and in the
  // preview (whose page the printer and the PDF share). Closing saves as
  // "opslaan" does (afsluitenBewaartWatInInvoerModusIsVeranderd).
  void toelichtingZonderVerlatenBewaard_data() {
    QTest::addColumn<QString>("actie");
    for (const char* actie : {"berekenen", "knop", "opslaan", "voorbeeld"}) QTest::newRow(actie) << actie;
  }
  void toelichtingZonderVerlatenBewaard() {
    QFETCH(QString, actie);
    Opstelling o;
    o.Open();
    o.Knop("invullen");
    QLineEdit* regel = o.blad->toelichtingRegel(2);
    regel->setFocus();
    QTest::keyClicks(regel, "gemeten");
    o.dlg.bewaarAntwoorden = {Pad(o.map / "kopie.tvo")};
    QString pagina;
    o.dlg.bijVenster = [&](QDialog& dialoog) {
      pagina = qobject_cast<VoorbeeldVenster*>(&dialoog)->rapport()->toPlainText();
    };
    if (actie == "opslaan") {
      QTest::keyClick(regel, Qt::Key_S, Qt::ControlModifier);
    } else {
      if (actie == "knop")
        o.Bereken();
      else
        QTest::keyClick(regel, Qt::Key_F9);
      QCOMPARE(o.venster->HuidigeModus(), VensterModus::Resultaat);
      o.Knop(actie == "voorbeeld" ? "voorbeeld" : "opslaan");
    }
    if (actie == "voorbeeld") {
      QVERIFY(pagina.contains("gemeten"));
      return;
    }
    QCOMPARE(DecodeerWerkblad(LeesBytes(o.map / "kopie.tvo"))->toelichting[2], std::string("gemeten"));
  }

  // A worksheet file marked read-only is not replaced: the reason stays in
  // the status bar, the file and the changes on screen are kept.
  void alleenLezenRekenbladWordtGeweigerd() {
    Opstelling o;
    o.Open();
    const auto oud = LeesBytes(o.map / "blad.tvo");
    std::filesystem::permissions(o.map / "blad.tvo", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::others_read);
    o.Knop("invullen");
    o.Typ(veld::kQlvDag, "1250");
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    o.Knop("opslaan");
    const QString reden = QString::fromStdString("Bestand " + (o.map / "blad.tvo").string() +
                                                 " kon niet worden geschreven (het bestand is alleen-lezen); het oude "
                                                 "bestand is bewaard gebleven.");
    QCOMPARE(o.venster->Melding(), reden);
    QCOMPARE(LeesBytes(o.map / "blad.tvo"), oud);
    QVERIFY(o.venster->Gewijzigd());
    QCOMPARE(o.Veld(veld::kQlvDag)->text(), QString("1250,00"));
  }

  // A confirmed change of the user name or of the road surfaces is on disk
  // at once, not at closing. A full disk says so and keeps the change; the
  // next save writes it, at closing at the latest, which asks before it
  // drops one that still fails. The worksheet is asked about first.
  void catalogusWijzigingDirectOpSchijf() {
    Opstelling o;
    const auto pad = o.map / std::string(kCatalogusBestand);
    const auto opSchijf = [&] {
      const auto c = DecodeerCatalogus(LeesBytes(pad));
      return c ? *c : Catalogus{};
    };
    o.dlg.invoerAntwoorden = {QString("Geluid & Co")};
    o.Knop("gebruiker");
    QCOMPARE(Bijgesneden(opSchijf().Gebruikersnaam), std::string("Geluid & Co"));
    o.dlg.bijVenster = [](QDialog& dialoog) {
      auto* editor = qobject_cast<WegdekVenster*>(&dialoog);
      QTest::mouseClick(editor->toevoegKnop(), Qt::LeftButton);
      for (int k = 0; k <= 4; ++k) editor->veld(k)->setText(k == 0 ? "dunne deklaag" : "1");
      QTest::mouseClick(editor->okKnop(), Qt::LeftButton);
    };
    o.Knop("wegdekken");
    QCOMPARE(opSchijf().AantalWegdekken, std::int16_t{3});
    QVERIFY(o.dlg.meldingen.empty());

    {
      test::Schrijfgrens grens(100);
      o.dlg.invoerAntwoorden = {QString("Ander Bureau")};
      o.Knop("gebruiker");
    }
    QVERIFY(
        o.dlg.LaatsteMelding().ends_with("; het oude bestand is bewaard gebleven. De wijziging blijft in het "
                                         "programma en wordt bij de volgende wijziging en bij het afsluiten opnieuw "
                                         "opgeslagen."));
    QCOMPARE(Bijgesneden(opSchijf().Gebruikersnaam), std::string("Geluid & Co"));
    // A second name for the catalogue file: the save refuses to cut it loose.
    std::filesystem::create_hard_link(pad, o.map / "tweede.dat");
    o.Knop("invullen");
    o.Typ(veld::kWaarneempunt, "Dorpsstraat 1");
    o.dlg.antwoorden = {Antwoord::Ja, Antwoord::Nee};  // save the worksheet; do not drop the catalogue change
    o.dlg.bewaarAntwoorden = {Pad(o.map / "blad.tvo")};
    QVERIFY(!o.venster->close());
    QCOMPARE(DecodeerWerkblad(LeesBytes(o.map / "blad.tvo"))->waarneempunt, std::string("Dorpsstraat 1"));
    QCOMPARE(o.dlg.LaatsteMelding(),
             std::string("De wijzigingen in de wegdekkencatalogus zijn niet opgeslagen. Toch afsluiten? Dan gaan ze "
                         "verloren."));
    std::filesystem::remove(o.map / "tweede.dat");
    QVERIFY(o.venster->close());
    QCOMPARE(Bijgesneden(opSchijf().Gebruikersnaam), std::string("Ander Bureau"));
  }

  // At logout (SIGTERM) nobody can answer: nothing is asked, the worksheet
  // is not saved unasked, a catalogue change still open is written.
  void sluitenZonderVragen() {
    Opstelling o;
    {
      test::Schrijfgrens grens(100);
      o.dlg.invoerAntwoorden = {QString("Ander Bureau")};
      o.Knop("gebruiker");
    }
    o.Knop("invullen");
    o.Typ(veld::kWaarneempunt, "Dorpsstraat 1");
    const std::size_t gevraagd = o.dlg.meldingen.size();
    o.venster->SluitZonderVragen();
    QVERIFY(!o.venster->isVisible());
    QCOMPARE(o.dlg.meldingen.size(), gevraagd);
    QVERIFY(o.dlg.bewaarFilters.empty());
    const auto catalogus = DecodeerCatalogus(LeesBytes(o.map / std::string(kCatalogusBestand)));
    QCOMPARE(Bijgesneden(catalogus->Gebruikersnaam), std::string("Ander Bureau"));
  }

  // Quoted, blanks and all: opened without a dialog.
  void opdrachtRegelOpentWerkblad() {
    TijdelijkeMap bron;
    std::filesystem::create_directory(bron / "met spaties");
    const auto pad = bron / "met spaties" / "mijn blad.TVO";
    SchrijfBytes(pad, CodeerWerkblad(TestInvoer()));
    Opstelling o("\"" + Pad(pad) + "\"");
    QVERIFY(o.dlg.openFilters.empty());
    QCOMPARE(o.venster->BestandPaneel(), QString("mijn blad.TVO"));
    QCOMPARE(o.Veld(veld::kWeg)->text(), QString("Rijksweg"));
  }

  // No catalogue: a wrong name (the message names it), then cancel; the program ends.
  void zoekCatalogusBijOntbrekendeCatalogus() {
    ScriptDialogen dlg;
    TijdelijkeMap leeg;
    dlg.openAntwoorden = {Pad(leeg / "andere.dat"), std::nullopt};
    HoofdVenster venster(dlg, Pad(leeg.Pad()));
    QVERIFY(!venster.Start({}));
    QCOMPARE(dlg.meldingen.size(), std::size_t{2});
    QCOMPARE(dlg.meldingen[1].tekst, Pad(leeg / "andere.dat").toStdString() + " geen of onbruikbaar opstartbestand");
    QCOMPARE(dlg.openFilters.size(), std::size_t{2});
  }
};

QTEST_MAIN(TestHoofdVenster)
#include "test_hoofdvenster.moc"
