// The road-surface editor driven as a user would: list clicks, buttons, F9,
// typed keys; message boxes and file dialogs answered by ScriptDialogen.
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ScriptDialogen.h"
#include "base/Tekst.h"
#include "files/WegdekTabel.h"
#include "windows/WegdekVenster.h"

using namespace tarvo;

namespace {

// Entries "Wegdek 1" .. "Wegdek n".
Catalogus MaakCatalogus(int n) {
  Catalogus c;
  for (int i = 1; i <= n; ++i)
    c.Wegdekken[static_cast<std::size_t>(i)].Omschrijving =
        VastBreed("Wegdek " + std::to_string(i), kOmschrijvingLengte);
  c.AantalWegdekken = static_cast<std::int16_t>(n);
  return c;
}

const std::string kKop = "omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\r\n";

QString Bestand(const QTemporaryDir& map, const QString& naam, const std::string& inhoud) {
  QFile f(map.filePath(naam));
  f.open(QIODevice::WriteOnly);
  f.write(inhoud.data(), static_cast<qint64>(inhoud.size()));
  return f.fileName();
}

}  // namespace

class UrlVanger : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls.append(url); }
};

class TestWegdekVenster : public QObject {
  Q_OBJECT

  struct Opstelling {
    Catalogus cat;
    ScriptDialogen dlg;
    WegdekVenster venster;
    explicit Opstelling(int n) : Opstelling(MaakCatalogus(n)) {}
    explicit Opstelling(Catalogus c) : cat(std::move(c)), venster(cat, dlg, nullptr) {
      venster.show();
      QApplication::setActiveWindow(&venster);
      QVERIFY(QTest::qWaitForWindowActive(&venster));
    }
    void Kies(int index) {
      QListWidget* lijst = venster.wegdekLijst();
      QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(index)).center());
      QCOMPARE(lijst->currentRow(), index);
    }
    static void Klik(QWidget* knop) { QTest::mouseClick(knop, Qt::LeftButton); }
  };

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  // A shipped type refuses change until F9, which marks the caption; a
  // second F9, from whichever control has the focus, protects again.
  void beschermdTotF9() {
    Opstelling o(20);
    o.Kies(kAantalMeegeleverd - 1);
    o.Klik(o.venster.wijzigKnop());
    QCOMPARE(o.dlg.LaatsteMelding(), std::string("Meegeleverde wegdektypen kunnen niet worden gewijzigd (F9)."));
    QVERIFY(!o.venster.veld(0)->isEnabled());

    QTest::keyClick(o.venster.wegdekLijst(), Qt::Key_F9);
    QCOMPARE(o.venster.windowTitle(), QString("[EDIT-mode meegeleverde wegdektypen]"));
    o.Klik(o.venster.wijzigKnop());
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QVERIFY(o.venster.veld(3)->isEnabled() && !o.venster.wegdekLijst()->isEnabled());
    QTest::keyClick(o.venster.veld(0), Qt::Key_F9);
    QCOMPARE(o.venster.windowTitle(), QString("Correctiefactoren wegdekken "));
    o.Klik(o.venster.annuleerKnop());
    o.Klik(o.venster.wisKnop());
    QCOMPARE(o.dlg.LaatsteMelding(), std::string("Meegeleverde wegdektypen kunnen niet worden gewist (F9)."));
  }

  void toevoegenBijVijftigGeweigerd() {
    Opstelling o(50);
    o.Klik(o.venster.toevoegKnop());
    QCOMPARE(o.dlg.LaatsteMelding(), std::string("Maximaal aantal wegdekken bereikt (=50)"));
    QVERIFY(!o.venster.veld(0)->isEnabled());
  }

  // Deleting asks first, naming the entries that move and the worksheets
  // that change with them, Annuleren the default (the question itself and
  // what is selected: tests/calc).
  void wissenKiestHetVorige() {
    Opstelling o(20);
    QSignalSpy gewijzigd(&o.venster, &WegdekVenster::Gewijzigd);  // the main window saves at each
    QTest::keyClick(o.venster.wegdekLijst(), Qt::Key_F9);
    o.Kies(4);
    o.Klik(o.venster.wisKnop());  // answered Annuleren
    QCOMPARE(o.dlg.LaatsteMelding(), WegdekBeheer(o.cat).WisVraag(5));
    QCOMPARE(o.dlg.meldingen.back().knoppen, Knoppen::JaAnnuleren);
    QCOMPARE(o.cat.AantalWegdekken, 20);
    o.dlg.antwoorden.push_back(Antwoord::Ja);
    QCOMPARE(gewijzigd.count(), 0);
    o.Klik(o.venster.wisKnop());
    QCOMPARE(o.cat.AantalWegdekken, 19);
    QCOMPARE(gewijzigd.count(), 1);
    QCOMPARE(o.venster.veld(0)->text(), QString("Wegdek 4"));
  }

  // OK wants a description and numbers in fields 1 to 4, pointing at the
  // first empty one; 5 and 6 may stay empty and count as 0.
  void okWeigertLegeVeldenBehalveVijfEnZes() {
    Opstelling o(20);
    o.Klik(o.venster.toevoegKnop());
    o.Klik(o.venster.okKnop());
    QCOMPARE(o.dlg.LaatsteMelding(), std::string("Omschrijving wegdek niet ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.venster.veld(0));

    o.venster.veld(0)->setText("Nieuw");
    for (int k : {1, 2, 4}) o.venster.veld(k)->setText("1");
    o.Klik(o.venster.okKnop());
    QCOMPARE(o.dlg.LaatsteMelding(), std::string("Correctiefactoren niet ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.venster.veld(3));

    o.venster.veld(3)->setText("2,5");
    o.Klik(o.venster.okKnop());
    QCOMPARE(o.cat.AantalWegdekken, 21);
    QCOMPARE(o.cat.Wegdekken[21].DL_mv, 2.5);
    QCOMPARE(o.cat.Wegdekken[21].DL_zv, 0.0);
    QCOMPARE(o.cat.Wegdekken[21].b_zv, 0.0);
  }

  // The spreadsheet button opens the chosen workbook; any other file is
  // refused and the choice asked again.
  void rekenbladKnopOpentWerkmap() {
    QTemporaryDir map;
    const QString boek = map.filePath("cwegdek.xlsx");
    QFile(boek).open(QIODevice::WriteOnly);
    UrlVanger vanger;
    QDesktopServices::setUrlHandler("file", &vanger, "open");
    Opstelling o(20);
    o.Klik(o.venster.toevoegKnop());
    o.dlg.openAntwoorden = {map.filePath("notities.txt"), boek};
    o.Klik(o.venster.rekenbladKnop());
    QCOMPARE(o.dlg.LaatsteMelding(),
             (map.filePath("notities.txt") + " geen of onbruikbaar Excelbestand").toStdString());
    QCOMPARE(o.dlg.openFilters.size(), std::size_t{2});
    QCOMPARE(vanger.urls, QList<QUrl>{QUrl::fromLocalFile(boek)});
    QDesktopServices::unsetUrlHandler("file");
  }

  // New surfaces go behind the others; equal descriptions get the file's
  // numbers after one question that counts them; No and Cancel change nothing.
  void importerenVoegtToeEnVervangtNaEenVraag() {
    QTemporaryDir map;
    const QString csv = Bestand(map, "eigen.csv",
                                kKop +
                                    "Wegdek 3;1,5;2,5;3,5;4,5;5,5;6,5\r\nNieuw A;-1;-2;-3;-4;-5;-6\r\n"
                                    "Wegdek 2;0;0;0;0;0;0\r\nNieuw B;1e-3;0;0;0;0;0\r\n");
    Opstelling o(4);
    o.dlg.openAntwoorden = {csv, csv};
    o.Klik(o.venster.importeerKnop());
    QCOMPARE(o.dlg.LaatsteMelding(),
             std::string("2 wegdekken toevoegen en 1 wegdek met dezelfde omschrijving vervangen?"));
    QCOMPARE(o.cat.AantalWegdekken, 4);

    o.dlg.antwoorden.push_back(Antwoord::Ja);
    o.Klik(o.venster.importeerKnop());
    QCOMPARE(o.cat.AantalWegdekken, 6);
    QCOMPARE(o.cat.Wegdekken[3].b_zv, 6.5);
    QCOMPARE(o.venster.wegdekLijst()->currentRow(), 5);
    QCOMPARE(o.venster.veld(0)->text(), QString("Nieuw B"));
    QCOMPARE(o.venster.AantalTekst(), QString("6 wegdekken in lijst"));
    // From the user's documents, then where the last file was chosen.
    QCOMPARE(o.dlg.openMappen,
             (std::vector<QString>{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), map.path()}));
    o.Klik(o.venster.importeerKnop());  // cancelled
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{2});
  }

  // Ctrl+V in the list adds rows copied from a spreadsheet; nothing new is
  // said to be so, a refusal names its fault (as one of a file to import:
  // the refusals themselves are tests/files' and tests/calc's).
  void plakken() {
    Opstelling o(2);
    QSignalSpy gewijzigd(&o.venster, &WegdekVenster::Gewijzigd);
    o.Kies(0);
    QGuiApplication::clipboard()->setText("Dunne deklaag\t-1,5\t2,25\t-0,8\t1\t-0,5\t0\r\n");
    QTest::keySequence(o.venster.wegdekLijst(), QKeySequence::Paste);
    QCOMPARE(o.cat.AantalWegdekken, 3);
    QCOMPARE(gewijzigd.count(), 1);
    QCOMPARE(o.cat.Wegdekken[3].b_lv, 2.25);
    QCOMPARE(o.venster.wegdekLijst()->currentRow(), 2);
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{0});

    QTest::keySequence(o.venster.wegdekLijst(), QKeySequence::Paste);
    QCOMPARE(o.dlg.LaatsteMelding(), std::string("De wegdekken staan al met dezelfde correctiefactoren in de lijst."));
    QGuiApplication::clipboard()->setText("Dunne deklaag 2,5");
    QTest::keySequence(o.venster.wegdekLijst(), QKeySequence::Paste);
    QCOMPARE(o.dlg.LaatsteMelding(),
             std::string("Regel 1, kolom 2 (DL_lv): de regel telt 1 kolom in plaats van 7; er is niets ingelezen."));
    QCOMPARE(o.cat.AantalWegdekken, 3);
    QCOMPARE(gewijzigd.count(), 1);  // nothing new, nothing refused, to save
  }

  // Entries that get 1 dB art. 3.5 deduction are bold; a description typed
  // or pasted that resembles one of the eight names without being it is
  // kept, with a warning that it gets 2 dB.
  void kleineArt35AftrekGemarkeerdEnGewaarschuwd() {
    Opstelling o(1);
    const auto voegToe = [&](const QString& omschrijving) {
      o.Klik(o.venster.toevoegKnop());
      o.venster.veld(0)->setText(omschrijving);
      for (int k = 1; k <= 4; ++k) o.venster.veld(k)->setText("0");
      o.Klik(o.venster.okKnop());
    };
    voegToe("ZOAB");
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QVERIFY(o.dlg.LaatsteMelding().ends_with("krijgen dus 2 dB:\n  \"ZOAB\" lijkt op \"1L ZOAB\""));
    QCOMPARE(o.dlg.meldingen.back().icoon, Icoon::Uitroep);
    voegToe("1L ZOAB");
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QGuiApplication::clipboard()->setText("oppervlakbewerking\t0\t0\t0\t0\t0\t0\r\nSMA 0/8\t0\t0\t0\t0\t0\t0\r\n");
    QTest::keySequence(o.venster.wegdekLijst(), QKeySequence::Paste);
    QVERIFY(o.dlg.LaatsteMelding().ends_with(":\n  \"oppervlakbewerking\" lijkt op \"oppervlaktebewerking\""));
    QCOMPARE(o.cat.AantalWegdekken, 5);
    QList<bool> vet;
    for (int i = 0; i < o.venster.wegdekLijst()->count(); ++i) vet << o.venster.wegdekLijst()->item(i)->font().bold();
    QCOMPARE(vet, (QList<bool>{false, false, true, false, false}));
  }

  // The file holds the catalogue's table with the user's decimal comma; a
  // file that cannot be written is reported with its reason.
  void exporterenSchrijftDeTabel() {
    QTemporaryDir map;
    Opstelling o(3);
    o.cat.Wegdekken[2].b_mv = -1.0 / 3;  // a decimal point in the file would show
    o.dlg.bewaarAntwoorden = {map.filePath("uit.csv"), map.filePath("geen/uit.csv"), std::nullopt};
    o.Klik(o.venster.exporteerKnop());
    QFile f(map.filePath("uit.csv"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().toStdString(), SchrijfWegdekTabel(o.cat, ','));
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{0});
    o.Klik(o.venster.exporteerKnop());
    QVERIFY(
        o.dlg.LaatsteMelding().starts_with("Onverwachte fout in procedure cmdExporteren_Click van Form frmWegdek."));
    o.Klik(o.venster.exporteerKnop());  // cancelled
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
  }
};

QTEST_MAIN(TestWegdekVenster)
#include "test_wegdekvenster.moc"
