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
#include "calc/Tekst.h"
#include "catalogue/frmWegdek.h"
#include "ui/QtBediening.h"

using namespace tarvo;

namespace {

Catalogus MaakCatalogus(int n) {
  Catalogus c;
  for (int i = 1; i <= n; ++i) {
    Wegdek& w = c.Wegdekken[static_cast<std::size_t>(i)];
    w.Omschrijving = VastBreed("Wegdek " + std::to_string(i), kOmschrijvingLengte);
    for (int k = 1; k <= 6; ++k) w.Coefficient(k) = i + k / 10.0;
  }
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
    std::string LaatsteMelding() const { return dlg.meldingen.empty() ? "" : dlg.meldingen.back().tekst; }
  };

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

  void protectedEntriesNeedF9() {
    Opstelling o(20);
    QCOMPARE(o.frm.Paneel(2), QString("20 wegdekken in lijst"));
    QVERIFY(o.frm.cmdOK()->isHidden() && o.frm.Image2()->isHidden());
    o.Kies(15);  // the sixteenth: still protected
    QCOMPARE(o.frm.txtwegdek(0)->text(), QString("Wegdek 16"));  // blanks removed
    QCOMPARE(o.frm.txtwegdek(6)->text(), QString("16,60"));
    QTest::mouseClick(o.frm.cmdWijzig(), Qt::LeftButton);
    QCOMPARE(o.LaatsteMelding(), "Wegdektypen van " + kSite + "\r\nkunnen niet worden gewijzigd (F9).");
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Waarschuwing"));
    QVERIFY(!o.frm.txtwegdek(0)->isEnabled());
    QTest::mouseClick(o.frm.cmdWissen(), Qt::LeftButton);
    QCOMPARE(o.LaatsteMelding(), "Wegdektypen van " + kSite + "\r\nkunnen niet worden gewist (F9).");
    QCOMPARE(o.cat.AantalWegdekken, 20);

    // F9 from whichever control has the focus switches edit mode and the caption.
    QTest::keyClick(o.frm.lstWegdek(), Qt::Key_F9);
    QCOMPARE(o.frm.windowTitle(), QString::fromStdString("[EDIT-mode wegdektypen van " + kSite + "]"));
    const auto voor = o.dlg.meldingen.size();
    QTest::mouseClick(o.frm.cmdWijzig(), Qt::LeftButton);
    QCOMPARE(o.dlg.meldingen.size(), voor);
    QCOMPARE(o.frm.InvoerModus(), 2);
    QCOMPARE(o.frm.Paneel(1), QString("Edit-mode"));
    QVERIFY(o.frm.txtwegdek(3)->isEnabled());
    QVERIFY(!o.frm.lstWegdek()->isEnabled() && o.frm.cmdOK()->isVisible());
    QCOMPARE(QApplication::focusWidget(), o.frm.txtwegdek(0));

    QTest::keyClick(o.frm.txtwegdek(0), Qt::Key_F9);  // a second F9 restores caption and protection
    QCOMPARE(o.frm.windowTitle(), QString("Correctiefactoren wegdekken "));
    QTest::mouseClick(o.frm.cmdCancel(), Qt::LeftButton);
    QCOMPARE(o.frm.Paneel(1), QString("Lijstweergave"));
    QCOMPARE(o.frm.txtwegdek(0)->text(), QString("Wegdek 16"));  // the selection shows again
    QTest::mouseClick(o.frm.cmdWissen(), Qt::LeftButton);
    QVERIFY(o.LaatsteMelding().find("gewist (F9)") != std::string::npos);

    // The seventeenth entry is the user's own.
    o.Kies(16);
    QTest::mouseClick(o.frm.cmdWijzig(), Qt::LeftButton);
    QCOMPARE(o.frm.InvoerModus(), 2);
  }

  void addAtFiftyRefusedAndAddBelowIt() {
    {
      Opstelling o(50);
      QTest::mouseClick(o.frm.cmdToevoegen(), Qt::LeftButton);
      QCOMPARE(o.LaatsteMelding(), std::string("Maximaal aantal wegdekken bereikt (=50)"));
      QCOMPARE(o.dlg.meldingen.back().titel, std::string("Invoer-stop"));
      QCOMPARE(o.dlg.meldingen.back().icoon, Icoon::Kritiek);
      QVERIFY(!o.frm.txtwegdek(0)->isEnabled());
      QVERIFY(o.frm.cmdOK()->isHidden());
    }
    Opstelling o(49);
    QTest::mouseClick(o.frm.cmdToevoegen(), Qt::LeftButton);
    QCOMPARE(o.frm.InvoerModus(), 1);
    QCOMPARE(QApplication::focusWidget(), o.frm.txtwegdek(0));
    QTest::keyClicks(o.frm.txtwegdek(0), "   Dunne deklaag type B met een lange naam  ");
    const char* waarden[] = {"-1,5", "2", "-0.25", "0", "99", "1000000"};
    for (int k = 1; k <= 6; ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QTest::keyClicks(QApplication::focusWidget(), waarden[k - 1]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // field 6 wraps to 0 and is formatted
    QCOMPARE(QApplication::focusWidget(), o.frm.txtwegdek(0));
    QCOMPARE(o.frm.txtwegdek(6)->text(), QString("99999,00"));
    QTest::mouseClick(o.frm.cmdOK(), Qt::LeftButton);
    QVERIFY(o.dlg.meldingen.empty());
    QCOMPARE(o.cat.AantalWegdekken, 50);
    const Wegdek& w = o.cat.Wegdekken[50];
    QCOMPARE(w.Omschrijving, std::string("Dunne deklaag type B met een l"));  // trimmed, cut to 30
    QCOMPARE(w.DL_lv, -1.5);
    QCOMPARE(w.b_lv, 2.0);
    QCOMPARE(w.DL_mv, -0.25);
    QCOMPARE(w.b_zv, 99999.0);
    QCOMPARE(o.frm.lstWegdek()->currentRow(), 49);
    QCOMPARE(o.frm.Paneel(2), QString("50 wegdekken in lijst"));
    QCOMPARE(o.frm.txtwegdek(1)->text(), QString("-1,50"));  // locked fields show the new entry
    QVERIFY(!o.frm.txtwegdek(1)->isEnabled());
  }

  void deleteEntryFiveOfTwentySelectsFour() {
    Opstelling o(20);
    QTest::keyClick(o.frm.lstWegdek(), Qt::Key_F9);
    o.Kies(4);
    QTest::mouseClick(o.frm.cmdWissen(), Qt::LeftButton);  // no answered Yes: nothing happens
    QCOMPARE(o.LaatsteMelding(), std::string("Wegdek Wegdek 5 wissen?"));
    QCOMPARE(o.dlg.meldingen.back().knoppen, Knoppen::JaNee);
    QCOMPARE(o.cat.AantalWegdekken, 20);

    o.dlg.antwoorden.push_back(Antwoord::Ja);
    QTest::mouseClick(o.frm.cmdWissen(), Qt::LeftButton);
    QCOMPARE(o.cat.AantalWegdekken, 19);
    QCOMPARE(TrimBlanks(o.cat.Wegdekken[5].Omschrijving), std::string("Wegdek 6"));
    QCOMPARE(TrimBlanks(o.cat.Wegdekken[19].Omschrijving), std::string("Wegdek 20"));
    QCOMPARE(o.frm.lstWegdek()->count(), 19);
    QCOMPARE(o.frm.lstWegdek()->currentRow(), 3);
    QCOMPARE(o.frm.txtwegdek(0)->text(), QString("Wegdek 4"));
    QCOMPARE(o.frm.Paneel(2), QString("19 wegdekken in lijst"));

    // The first entry: the new first is selected.
    o.Kies(0);
    o.dlg.antwoorden.push_back(Antwoord::Ja);
    QTest::mouseClick(o.frm.cmdWissen(), Qt::LeftButton);
    QCOMPARE(o.frm.lstWegdek()->currentRow(), 0);
    QCOMPARE(o.frm.txtwegdek(0)->text(), QString("Wegdek 2"));
  }

  void deletingTheOnlyEntryLeavesNothingSelected() {
    Opstelling o(1);
    QTest::keyClick(o.frm.lstWegdek(), Qt::Key_F9);
    o.Kies(0);
    o.dlg.antwoorden.push_back(Antwoord::Ja);
    QTest::mouseClick(o.frm.cmdWissen(), Qt::LeftButton);
    QCOMPARE(o.cat.AantalWegdekken, 0);
    QCOMPARE(o.frm.lstWegdek()->count(), 0);
    QCOMPARE(o.frm.lstWegdek()->currentRow(), -1);
    QCOMPARE(o.frm.Paneel(2), QString("0 wegdekken in lijst"));
    const auto voor = o.dlg.meldingen.size();
    QTest::mouseClick(o.frm.lstWegdek()->viewport(), Qt::LeftButton);
    QCOMPARE(o.dlg.meldingen.size(), voor + 1);
    QCOMPARE(o.LaatsteMelding(), std::string("Geen wegdekken aanwezig"));
    QTest::mouseClick(o.frm.cmdWijzig(), Qt::LeftButton);
    QCOMPARE(o.LaatsteMelding(), std::string("Geen wegdek geselecteerd"));
  }

  void okRefusesEmptyFieldsButFiveAndSix() {
    Opstelling o(20);
    QTest::mouseClick(o.frm.cmdToevoegen(), Qt::LeftButton);
    QTest::mouseClick(o.frm.cmdOK(), Qt::LeftButton);
    QCOMPARE(o.LaatsteMelding(), std::string("Omschrijving wegdek niet ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtwegdek(0));

    o.frm.txtwegdek(0)->setText("Nieuw");
    for (int k : {1, 2, 4}) o.frm.txtwegdek(k)->setText("1");
    QTest::mouseClick(o.frm.cmdOK(), Qt::LeftButton);
    QCOMPARE(o.LaatsteMelding(), std::string("Correctiefactoren niet ingevuld"));
    QCOMPARE(QApplication::focusWidget(), o.frm.txtwegdek(3));
    QCOMPARE(o.cat.AantalWegdekken, 20);

    o.frm.txtwegdek(3)->setText("2,5");
    QTest::mouseClick(o.frm.cmdOK(), Qt::LeftButton);
    QCOMPARE(o.cat.AantalWegdekken, 21);
    QCOMPARE(o.cat.Wegdekken[21].DL_mv, 2.5);
    QCOMPARE(o.cat.Wegdekken[21].DL_zv, 0.0);
    QCOMPARE(o.cat.Wegdekken[21].b_zv, 0.0);
    QCOMPARE(o.frm.txtwegdek(5)->text(), QString("0,00"));
  }

  void changeKeepsPositionAndNoNumberStoresNothing() {
    Opstelling o(20);
    o.Kies(17);
    QTest::mouseClick(o.frm.cmdWijzig(), Qt::LeftButton);
    o.frm.txtwegdek(0)->setText("  Gewijzigd ");
    o.frm.txtwegdek(2)->setText("1-2");  // the key filter lets '-' through anywhere
    QTest::mouseClick(o.frm.cmdOK(), Qt::LeftButton);
    QCOMPARE(LineEditVak::Achtergrond(o.frm.txtwegdek(2)), kRood);
    QCOMPARE(TrimBlanks(o.cat.Wegdekken[18].Omschrijving), std::string("Wegdek 18"));
    o.frm.txtwegdek(2)->setText("-3");
    QTest::mouseClick(o.frm.cmdOK(), Qt::LeftButton);
    QCOMPARE(o.cat.AantalWegdekken, 20);
    QCOMPARE(TrimBlanks(o.cat.Wegdekken[18].Omschrijving), std::string("Gewijzigd"));
    QCOMPARE(o.cat.Wegdekken[18].b_lv, -3.0);
    QCOMPARE(o.frm.lstWegdek()->currentRow(), 17);
    QCOMPARE(o.frm.lstWegdek()->item(17)->text().trimmed(), QString("Gewijzigd"));
  }

  void coefficientKeysAreFiltered() {
    Opstelling o(20);
    QTest::mouseClick(o.frm.cmdToevoegen(), Qt::LeftButton);
    QLineEdit* e = o.frm.txtwegdek(2);
    e->setFocus();
    QTest::keyClicks(e, "-1a");
    QCOMPARE(e->text(), QString("-1"));
    QCOMPARE(o.dlg.piepen, 1);
    QCOMPARE(LineEditVak::Achtergrond(e), kRood);
    QTest::keyClicks(e, ",5");
    QCOMPARE(LineEditVak::Achtergrond(e), kLichtGeel);
    QTest::keyClick(e, Qt::Key_Up);  // leaving formats the value
    QCOMPARE(QApplication::focusWidget(), o.frm.txtwegdek(1));
    QCOMPARE(e->text(), QString("-1,50"));
    QTest::keyClick(o.frm.txtwegdek(1), Qt::Key_Escape);  // empties, window stays
    QVERIFY(o.frm.isVisible());

    QTest::keyClicks(o.frm.txtwegdek(0), "ZOAB #1 (a)");  // the description takes any key
    QCOMPARE(o.frm.txtwegdek(0)->text(), QString("ZOAB #1 (a)"));
    QCOMPARE(o.dlg.piepen, 1);
  }

  void spreadsheetButtonOpensChosenWorkbook() {
    QTemporaryDir map;
    const QString boek = map.filePath("cwegdek.xlsx");
    QFile(boek).open(QIODevice::WriteOnly);
    UrlVanger vanger;
    QDesktopServices::setUrlHandler("file", &vanger, "open");

    Opstelling o(20);
    QTest::mouseClick(o.frm.cmdToevoegen(), Qt::LeftButton);
    QVERIFY(o.frm.Image2()->isVisible());
    o.dlg.openAntwoorden = {map.filePath("notities.txt"), boek};
    QTest::mouseClick(o.frm.Image2(), Qt::LeftButton);
    QCOMPARE(o.dlg.meldingen.size(), std::size_t{1});
    QCOMPARE(o.LaatsteMelding(), (map.filePath("notities.txt") + " geen of onbruikbaar Excelbestand").toStdString());
    QCOMPARE(o.dlg.meldingen.back().titel, std::string("Opstartfout"));
    QCOMPARE(o.dlg.openFilters.size(), std::size_t{2});  // asked again after the refusal
    QCOMPARE(o.dlg.openMappen.front(), QDir::tempPath());
    QCOMPARE(vanger.urls, QList<QUrl>{QUrl::fromLocalFile(boek)});

    QTest::mouseClick(o.frm.Image2(), Qt::LeftButton);  // cancelled: nothing opens
    QCOMPARE(vanger.urls.size(), 1);
    QDesktopServices::unsetUrlHandler("file");
  }
};

QTEST_MAIN(TestFrmWegdek)
#include "test_frmwegdek.moc"
