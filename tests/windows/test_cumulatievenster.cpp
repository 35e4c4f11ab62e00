// The cumulation window: worksheets added from files and from the main
// window, refused ones, removal, the table and its CSV. The sum itself is
// the core's (tests/tools).
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <map>

#include "ScriptDialogen.h"
#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Bereken.h"
#include "calc/Controle.h"
#include "driver/CumulatieOpdracht.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"
#include "tests/Catalogi.h"
#include "tests/TijdelijkeMap.h"
#include "windows/CumulatieVenster.h"

using namespace tarvo;

namespace {

// The reset worksheet with these field texts and catalogue position, checked.
Invoer Gecontroleerd(const std::map<int, std::string>& velden, int wegdek) {
  Werkblad werkblad = LeegWerkblad(',');
  for (const auto& [k, tekst] : velden) werkblad.veld[static_cast<std::size_t>(k)] = tekst;
  werkblad.wegdek = static_cast<std::int16_t>(wegdek);
  Controle controle = Controleer(werkblad, ',');
  if (!controle) qFatal("%s", WeigeringRegel(*controle.weigering).c_str());
  return std::move(*controle.invoer);
}

}  // namespace

class TestCumulatieVenster : public QObject {
  Q_OBJECT

  struct Opstelling {
    test::TijdelijkeMap map;
    ScriptDialogen dlg;
    Catalogus cat = test::TweeWegdekken();
    std::unique_ptr<CumulatieVenster> venster;

    explicit Opstelling(std::optional<CumulatieBron> huidig = std::nullopt) {
      // Road surface 2: a file read with another catalogue would show.
      Bewaar("a.tvo", Gecontroleerd({{veld::kWaarneempunt, "Kerkplein 3"},
                                     {veld::kWeg, "Hoofdweg"},
                                     {veld::kQlvDag, "900"},
                                     {veld::kQlvNacht, "60"},
                                     {veld::kVlv, "70"}},
                                    2));
      Bewaar("b.tvo", Gecontroleerd({{veld::kWaarneempunt, "Kerkplein 3"},
                                     {veld::kWeg, "Ring; noord"},
                                     {veld::kQlvDag, "400"},
                                     {veld::kQzvDag, "30"},
                                     {veld::kQzvNacht, "8"},
                                     {veld::kAfstandHor, "45"}},
                                    1));
      Bewaar("fout.tvo", Invoer{});  // no observation height: the check refuses it
      venster = std::make_unique<CumulatieVenster>(cat, dlg, std::move(huidig), nullptr);
    }
    void Bewaar(const std::string& naam, const Invoer& invoer) const {
      if (!SchrijfWerkbladBestand(map / naam, invoer)) qFatal("%s", naam.c_str());
    }
    QString Pad(const std::string& naam) const { return QString::fromStdString((map / naam).string()); }
    // The files chosen at once in one dialog.
    void Voeg(std::initializer_list<const char*> namen) {
      QStringList paden;
      for (const char* naam : namen) paden << Pad(naam);
      dlg.meerAntwoorden.push_back(paden);
      venster->VoegBestandToe();
    }
    QString Cel(int r, int k) const { return venster->tabel()->item(r, k)->text(); }
  };

  // The worksheet as the calculation button computes it, with catalogue entry `wegdek`.
  static CumulatieBron Bron(const std::map<int, std::string>& velden, int wegdek, const std::string& naam) {
    const Invoer invoer = Gecontroleerd(velden, wegdek);
    return BronVanBerekend(invoer, Bereken(invoer, test::TweeWegdekken(), Datum{2024, 3, 1}), naam);
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
    const CumulatieBron a = Bron({{veld::kWaarneempunt, "Kerkplein 3"},
                                  {veld::kWeg, "Hoofdweg"},
                                  {veld::kQlvDag, "900"},
                                  {veld::kQlvNacht, "60"},
                                  {veld::kVlv, "70"}},
                                 2, "a.tvo");
    const CumulatieBron b = Bron(
        {{veld::kQlvDag, "400"}, {veld::kQzvDag, "30"}, {veld::kQzvNacht, "8"}, {veld::kAfstandHor, "45"}}, 1, "b.tvo");
    const CumulatieBron huidig =
        Bron({{veld::kQlvDag, "50"}, {veld::kQlvAvond, "20"}, {veld::kQlvNacht, "5"}}, 1, "huidig.tvo");
    Opstelling o(huidig);
    QCOMPARE(o.venster->findChild<QLabel*>("zonderAftrek")->text(), QString("zonder aftrek art. 110g Wgh"));
    QCOMPARE(o.venster->tabel()->rowCount(), 1);
    QCOMPARE(o.Cel(0, 0), QString("cumulatief"));
    QCOMPARE(o.Cel(0, 4), QString("0,00"));
    QVERIFY(!o.venster->csvKnop()->isEnabled());

    o.Voeg({"a.tvo", "b.tvo"});
    QCOMPARE(o.venster->Bronnen().size(), std::size_t{2});
    // The first file dialog starts in the user's documents, never in the data folder.
    QCOMPARE(o.dlg.openMappen,
             std::vector<QString>{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)});
    QVERIFY(o.venster->huidigKnop()->isEnabled());
    o.venster->VoegHuidigToe();
    QVERIFY(!o.venster->huidigKnop()->isEnabled());  // once
    QVERIFY(o.dlg.meldingen.empty());

    QCOMPARE(o.venster->tabel()->rowCount(), 4);
    const QStringList rij0 = {"a.tvo", "Kerkplein 3", "Hoofdweg", "5,00", Getal(a.lden), Getal(a.lnight)};
    for (int k = 0; k < 6; ++k) QCOMPARE(o.Cel(0, k), rij0[k]);
    QCOMPARE(o.Cel(1, 2), QString("Ring; noord"));
    QCOMPARE(o.Cel(1, 4), Getal(b.lden));
    QCOMPARE(o.Cel(2, 0), QString("huidig.tvo"));
    QCOMPARE(o.Cel(3, 4), Getal(CumuleerNiveaus({a.lden, b.lden, huidig.lden})));
    QVERIFY(o.venster->tabel()->item(3, 4)->font().bold());
    // Three points: the sum says it mixes them.
    QVERIFY(o.venster->waarschuwing()->text().contains("verschillende waarneempunten"));
    QVERIFY(!(o.venster->tabel()->item(3, 0)->flags() & Qt::ItemIsSelectable));

    // Removing the main window's worksheet offers it again.
    o.venster->tabel()->selectRow(2);
    QVERIFY(o.venster->verwijderKnop()->isEnabled());
    o.venster->Verwijder();
    QCOMPARE(o.venster->tabel()->rowCount(), 3);
    QVERIFY(o.venster->huidigKnop()->isEnabled());
    o.venster->tabel()->selectRow(0);
    o.venster->Verwijder();
    QCOMPARE(o.venster->Bronnen().size(), std::size_t{1});
    QCOMPARE(o.Cel(1, 4), Getal(b.lden));  // one worksheet cumulates to itself
    QVERIFY(o.venster->waarschuwing()->isHidden());
  }

  // A refused or unreadable worksheet, or one already listed: a message
  // naming it, no row; the others chosen with it are added. The dialog
  // starts where the last file was chosen.
  void geweigerdeRekenbladen() {
    Opstelling o;
    o.Voeg({"a.tvo"});
    o.Voeg({"a.tvo", "fout.tvo", "b.tvo", "weg.tvo"});
    o.Voeg({});  // Cancel
    QCOMPARE(o.dlg.openMappen.back(), QString::fromStdString(o.map.Pad().string()));
    QCOMPARE(o.venster->Bronnen().size(), std::size_t{2});
    QVERIFY(!o.venster->huidigKnop()->isEnabled());  // the main window had nothing computed
    std::vector<std::string> teksten;
    for (const auto& m : o.dlg.meldingen) teksten.push_back(m.tekst);
    QCOMPARE(teksten.size(), std::size_t{3});
    QCOMPARE(teksten[0],
             std::string("Rekenblad a.tvo staat al in de cumulatie: een rekenblad telt maar een keer mee."));
    QCOMPARE(teksten[1], std::string("Rekenblad fout.tvo: geen waarneemhoogte ingevuld"));
    QVERIFY(teksten[2].starts_with("Bestand " + (o.map / "weg.tvo").string() + " kan niet worden gelezen"));
    QCOMPARE(o.dlg.meldingen[2].titel, std::string("Cumulatie"));
  }

  // The core's table with the user's decimal comma, after a byte-order mark; Cancel writes nothing.
  void csvExport() {
    Opstelling o;
    o.Voeg({"a.tvo", "b.tvo"});
    const auto csv = o.map / "cumulatie.csv";
    o.dlg.bewaarAntwoorden = {QString::fromStdString(csv.string()), std::nullopt};
    o.venster->BewaarAlsCsv();
    QCOMPARE(test::LeesTekst(csv), "\xEF\xBB\xBF" + CumulatieTabel(o.venster->Bronnen(), ',', true, "\r\n"));
    std::filesystem::remove(csv);
    o.venster->BewaarAlsCsv();  // Cancel
    QVERIFY(!std::filesystem::exists(csv));
    QVERIFY(o.dlg.meldingen.empty());
  }
};

QTEST_MAIN(TestCumulatieVenster)
#include "test_cumulatievenster.moc"
