// The cumulation window: worksheets added from files and from the main
// window, refused ones, removal, the table and its CSV. The sum itself is
// the core's (tests/tools).
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <map>

#include "ScriptDialogen.h"
#include "base/Getal.h"
#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"
#include "calc/CheckIt.h"
#include "driver/Resultaatteksten.h"
#include "files/Reset.h"
#include "windows/frmCumulatie.h"

using namespace tarvo;

class TestFrmCumulatie : public QObject {
  Q_OBJECT

  struct Opstelling {
    test::TijdelijkeMap map;
    ScriptDialogen dlg;
    Catalogus cat = test::TweeWegdekken();
    std::unique_ptr<frmCumulatie> frm;

    explicit Opstelling(std::optional<CumulatieBron> huidig = std::nullopt) {
      // Road surface 2: a file read with another catalogue would show.
      test::BewaarWerkblad(map / "a.tvo", {{0, "Kerkplein 3"}, {1, "Hoofdweg"}, {2, "900"}, {4, "60"}, {5, "70"}},
                           0, 2);
      test::BewaarWerkblad(map / "b.tvo", {{0, "Kerkplein 3"}, {1, "Ring; noord"}, {2, "400"}, {10, "30"},
                                           {12, "8"}, {36, "45"}});
      test::BewaarWerkblad(map / "fout.tvo", {{2, "400"}, {32, "0"}});
      frm = std::make_unique<frmCumulatie>(cat, dlg, Pad("."), std::move(huidig), nullptr);
    }
    QString Pad(const std::string& naam) const { return QString::fromStdString((map / naam).string()); }
    void Voeg(const std::string& naam) {
      dlg.openAntwoorden.push_back(Pad(naam));
      frm->VoegBestandToe();
    }
    QString Cel(int r, int k) const { return frm->Tabel()->item(r, k)->text(); }
  };

  // The worksheet as the calculation button computes it, with catalogue entry `wegdek`.
  static CumulatieBron Bron(std::map<int, std::string> velden, int wegdek, const std::string& naam) {
    Werkblad ws;
    ws.Decimaal = ',';
    PlainWerkbladVenster venster;
    PlainMeldingen meldingen;
    const Catalogus cat = test::TweeWegdekken();
    ResetWerkblad(ws, venster);
    for (auto& [k, tekst] : velden) venster.invoer[static_cast<std::size_t>(k)].tekst = tekst;
    ws.WegdekKeuze = static_cast<std::int16_t>(wegdek);
    if (!CheckIt(ws, venster, meldingen)) return {};
    (void)Reken(ws, venster, cat, Datum{2024, 3, 1});
    return BronVan(ws, naam);
  }
  static QString Getal(double x) { return QString::fromStdString(Formatteer(x, "##0.00", ',')); }

 private slots:
  void initTestCase() {
    QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    nl.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(nl);
  }

  // Each worksheet with its point, road and levels, then the bold sum; the caption says: no deduction.
  void tabelMetCumulatie() {
    const CumulatieBron a = Bron({{0, "Kerkplein 3"}, {1, "Hoofdweg"}, {2, "900"}, {4, "60"}, {5, "70"}}, 2, "a.tvo");
    const CumulatieBron b = Bron({{2, "400"}, {10, "30"}, {12, "8"}, {36, "45"}}, 1, "b.tvo");
    const CumulatieBron huidig = Bron({{2, "50"}, {3, "20"}, {4, "5"}}, 1, "huidig.tvo");
    Opstelling o(huidig);
    QCOMPARE(o.frm->findChild<QLabel*>("lblZonderAftrek")->text(), QString("zonder aftrek art. 110g Wgh"));
    QCOMPARE(o.frm->Tabel()->rowCount(), 1);
    QCOMPARE(o.Cel(0, 0), QString("cumulatief"));
    QCOMPARE(o.Cel(0, 3), QString("0,00"));
    QVERIFY(!o.frm->cmdCsv()->isEnabled());

    o.Voeg("a.tvo");
    o.Voeg("b.tvo");
    QVERIFY(o.frm->cmdHuidig()->isEnabled());
    o.frm->VoegHuidigToe();
    QVERIFY(!o.frm->cmdHuidig()->isEnabled());  // once
    QVERIFY(o.dlg.meldingen.empty());

    QCOMPARE(o.frm->Tabel()->rowCount(), 4);
    const QStringList rij0 = {"a.tvo", "Kerkplein 3", "Hoofdweg", Getal(a.lden), Getal(a.lnight)};
    for (int k = 0; k < 5; ++k) QCOMPARE(o.Cel(0, k), rij0[k]);
    QCOMPARE(o.Cel(1, 2), QString("Ring; noord"));
    QCOMPARE(o.Cel(1, 3), Getal(b.lden));
    QCOMPARE(o.Cel(2, 0), QString("huidig.tvo"));
    QCOMPARE(o.Cel(3, 3), Getal(10 * std::log10(std::pow(10, a.lden / 10) + std::pow(10, b.lden / 10) +
                                                 std::pow(10, huidig.lden / 10))));
    QVERIFY(o.frm->Tabel()->item(3, 3)->font().bold());
    QVERIFY(!(o.frm->Tabel()->item(3, 0)->flags() & Qt::ItemIsSelectable));

    // Removing the main window's worksheet offers it again.
    o.frm->Tabel()->selectRow(2);
    QVERIFY(o.frm->cmdVerwijder()->isEnabled());
    o.frm->Verwijder();
    QCOMPARE(o.frm->Tabel()->rowCount(), 3);
    QVERIFY(o.frm->cmdHuidig()->isEnabled());
    o.frm->Tabel()->selectRow(0);
    o.frm->Verwijder();
    QCOMPARE(o.frm->Bronnen().size(), std::size_t{1});
    QCOMPARE(o.Cel(1, 3), Getal(b.lden));  // one worksheet cumulates to itself
  }

  // A refused or unreadable worksheet, or one already listed: a message naming it, no row.
  void geweigerdeRekenbladen() {
    Opstelling o;
    o.Voeg("a.tvo");
    o.Voeg("a.tvo");
    o.Voeg("fout.tvo");
    o.Voeg("weg.tvo");
    o.dlg.openAntwoorden.push_back(std::nullopt);  // Cancel
    o.frm->VoegBestandToe();
    QCOMPARE(o.frm->Bronnen().size(), std::size_t{1});
    QVERIFY(!o.frm->cmdHuidig()->isEnabled());  // the main window had nothing computed
    std::vector<std::string> teksten;
    for (const auto& m : o.dlg.meldingen) teksten.push_back(m.tekst);
    QCOMPARE(teksten.size(), std::size_t{3});
    QCOMPARE(teksten[0], std::string("Rekenblad a.tvo staat al in de lijst."));
    QCOMPARE(teksten[1], std::string("Rekenblad fout.tvo: geen waarneemhoogte ingevuld"));
    QVERIFY(teksten[2].starts_with("Bestand " + (o.map / "weg.tvo").string() + " kan niet worden gelezen"));
    QCOMPARE(o.dlg.meldingen[2].titel, std::string("Cumulatie"));
  }

  // The core's table with the user's decimal comma, after a byte-order mark; Cancel writes nothing.
  void csvExport() {
    Opstelling o;
    o.Voeg("a.tvo");
    o.Voeg("b.tvo");
    const auto csv = o.map / "cumulatie.csv";
    o.dlg.bewaarAntwoorden = {QString::fromStdString(csv.string()), std::nullopt};
    o.frm->OpslaanAlsCsv();
    const auto bytes = test::LeesBytes(csv);
    QCOMPARE(std::string(bytes.begin(), bytes.end()),
             "\xEF\xBB\xBF" + CumulatieTabel(o.frm->Bronnen(), ',', true, "\r\n"));
    std::filesystem::remove(csv);
    o.frm->OpslaanAlsCsv();  // Cancel
    QVERIFY(!std::filesystem::exists(csv));
    QVERIFY(o.dlg.meldingen.empty());
  }
};

QTEST_MAIN(TestFrmCumulatie)
#include "test_frmcumulatie.moc"
