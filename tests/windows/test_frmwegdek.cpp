// The road-surface editor driven as a user would: list clicks, buttons, F9,
// typed keys; message boxes and file dialogs answered by ScriptDialogen.
#include <QDesktopServices>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ScriptDialogen.h"
#include "base/Tekst.h"
#include "windows/frmWegdek.h"

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

const std::string kSite = "RIVM (wegdekcorrecties Cwegdek)";

}  // namespace

class UrlVanger : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls.append(url); }
};

class TestFrmWegdek : public QObject {
  Q_OBJECT

  struct Opstelling {
    Catalogus cat;
    ScriptDialogen dlg;
    frmWegdek frm;
    explicit Opstelling(int n) : cat(MaakCatalogus(n)), frm(cat, dlg, QDir::tempPath(), nullptr) {
      frm.show();
      QApplication::setActiveWindow(&frm);
      QVERIFY(QTest::qWaitForWindowActive(&frm));
    }
    void Kies(int index) {
      QListWidget* lst = frm.lstWegdek();
      QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, lst->visualItemRect(lst->item(index)).center());
      QCOMPARE(lst->currentRow(), index);
    }
    static void Klik(QWidget* knop) { QTest::mouseClick(knop, Qt::LeftButton); }
    std::string LaatsteMelding() const { return dlg.meldingen.empty() ? "" : dlg.meldingen.back().tekst; }
  };

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  // The sixteen published types refuse change and delete until F9, which
  // marks the caption; a second F9 protects again. The seventeenth is the user's.
  void beschermdTotF9() {
    Opstelling o(20);
    o.Kies(15);
    o.Klik(o.frm.cmdWijzig());
    QCOMPARE(o.LaatsteMelding(), "Wegdektypen van " + kSite + "\r\nkunnen niet worden gewijzigd (F9).");
    QVERIFY(!o.frm.txtwegdek(0)->isEnabled());
    o.Klik(o.frm.cmdWissen());
    QCOMPARE(o.LaatsteMelding(), "Wegdektypen van " + kSite + "\r\nkunnen niet worden gewist (F9).");
    QCOMPARE(o.cat.AantalWegdekken, 20);

    QTest::keyClick(o.frm.lstWegdek(), Qt::Key_F9);
    QCOMPARE(o.frm.windowTitle(), QString::fromStdString("[EDIT-mode wegdektypen van " + kSite + "]"));
    const auto meldingen = o.dlg.meldingen.size();
    o.Klik(o.frm.cmdWijzig());
    QCOMPARE(o.dlg.meldingen.size(), meldingen);
    QVERIFY(o.frm.txtwegdek(3)->isEnabled() && !o.frm.lstWegdek()->isEnabled());
    QTest::keyClick(o.frm.txtwegdek(0), Qt::Key_F9);  // from whichever control has the focus
    QCOMPARE(o.frm.windowTitle(), QString("Correctiefactoren wegdekken "));
    o.Klik(o.frm.cmdCancel());
    o.Klik(o.frm.cmdWissen());
    QCOMPARE(o.dlg.meldingen.size(), meldingen + 1);

    o.Kies(16);
    o.Klik(o.frm.cmdWijzig());
    QCOMPARE(o.dlg.meldingen.size(), meldingen + 1);
    QVERIFY(o.frm.txtwegdek(0)->isEnabled());
  }

  void toevoegenBijVijftigGeweigerd() {
    Opstelling o(50);
    o.Klik(o.frm.cmdToevoegen());
    QCOMPARE(o.LaatsteMelding(), std::string("Maximaal aantal wegdekken bereikt (=50)"));
    QVERIFY(!o.frm.txtwegdek(0)->isEnabled());
  }

  // Deleting asks first; entry 5 of 20 gone selects entry 4.
  void wissenKiestHetVorige() {
    Opstelling o(20);
    QTest::keyClick(o.frm.lstWegdek(), Qt::Key_F9);
    o.Kies(4);
    o.Klik(o.frm.cmdWissen());  // answered No
    QCOMPARE(o.LaatsteMelding(), std::string("Wegdek Wegdek 5 wissen?"));
    QCOMPARE(o.cat.AantalWegdekken, 20);
    o.dlg.antwoorden.push_back(Antwoord::Ja);
    o.Klik(o.frm.cmdWissen());
    QCOMPARE(o.cat.AantalWegdekken, 19);
    QCOMPARE(TrimBlanks(o.cat.Wegdekken[5].Omschrijving), std::string("Wegdek 6"));
    QCOMPARE(o.frm.lstWegdek()->currentRow(), 3);
    QCOMPARE(o.frm.txtwegdek(0)->text(), QString("Wegdek 4"));
  }

  // OK wants a description and numbers in fields 1 to 4, pointing at the
  // first empty one; 5 and 6 may stay empty and count as 0.
  void okWeigertLegeVeldenBehalveVijfEnZes() {
    Opstelling o(20);
    o.Klik(o.frm.cmdToevoegen());
    o.Klik(o.frm.cmdOK());
    QCOMPARE(o.LaatsteMelding(), std::string("Omschrijving wegdek niet ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtwegdek(0));

    o.frm.txtwegdek(0)->setText("Nieuw");
    for (int k : {1, 2, 4}) o.frm.txtwegdek(k)->setText("1");
    o.Klik(o.frm.cmdOK());
    QCOMPARE(o.LaatsteMelding(), std::string("Correctiefactoren niet ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtwegdek(3));

    o.frm.txtwegdek(3)->setText("2,5");
    o.Klik(o.frm.cmdOK());
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
    o.Klik(o.frm.cmdToevoegen());
    o.dlg.openAntwoorden = {map.filePath("notities.txt"), boek};
    o.Klik(o.frm.Image2());
    QCOMPARE(o.LaatsteMelding(), (map.filePath("notities.txt") + " geen of onbruikbaar Excelbestand").toStdString());
    QCOMPARE(o.dlg.openFilters.size(), std::size_t{2});
    QCOMPARE(vanger.urls, QList<QUrl>{QUrl::fromLocalFile(boek)});
    QDesktopServices::unsetUrlHandler("file");
  }
};

QTEST_MAIN(TestFrmWegdek)
#include "test_frmwegdek.moc"
