// The study window on the committed example: its tables as the core makes
// them, the worksheet on screen added as a road, the sheet saved byte for
// byte, the question before unsaved changes are lost, the printed study;
// and the main window's command and its question at closing. The study
// itself is the core's (tests/driver, tests/app).
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "ScriptDialogen.h"
#include "calc/Controle.h"
#include "driver/Opdracht.h"
#include "driver/Openen.h"
#include "files/CatalogusBestand.h"
#include "files/WerkbladBestand.h"
#include "shared_ui/QtTekst.h"
#include "tests/Catalogi.h"
#include "tests/TijdelijkeMap.h"
#include "windows/HoofdVenster.h"
#include "windows/OnderzoekVenster.h"

using namespace tarvo;

namespace {

const std::string kBron = TARVO_SOURCE_DIR "/";
const std::string kVoorbeeld = kBron + "tests/app/invoer/onderzoek.csv";
const Datum kNu{2024, 3, 1};

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Pad(const std::filesystem::path& p) { return Q(p.string()); }

// The sample worksheet as saving it would take it, at point `punt` with road `weg`.
Invoer Huidig(const std::string& punt, const std::string& weg) {
  auto geopend = OpenWerkblad({kBron + "data/voorbeeld.tvo", kBron + "data/Wegdekken_2012.dat", ',', kNu});
  if (!geopend) qFatal("%s", geopend.Melding().c_str());
  geopend->werkblad.veld[veld::kWaarneempunt] = punt;
  geopend->werkblad.veld[veld::kWeg] = weg;
  TeBewarenRekenblad t = TeBewaren(geopend->werkblad, ',');
  if (!t.controle) qFatal("%s", t.controle.weigering->tekst.c_str());
  return *t.controle.invoer;
}

// The PDF's text per page, as poppler reads it.
QStringList PdfBladen(const QString& pad) {
  QProcess p;
  p.start("pdftotext", {pad, "-"});
  if (!p.waitForFinished(-1)) qFatal("pdftotext ontbreekt (poppler-utils)");
  QStringList bladen = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
  if (!bladen.isEmpty() && bladen.back().trimmed().isEmpty()) bladen.removeLast();
  return bladen;
}

}  // namespace

class TestOnderzoekVenster : public QObject {
  Q_OBJECT

  struct Opstelling {
    test::TijdelijkeMap map;
    ScriptDialogen dlg;
    Catalogus cat = test::TweeWegdekken();
    HuidigOnderzoek onderzoek;
    std::unique_ptr<OnderzoekVenster> venster;

    explicit Opstelling(Uitkomst<Invoer> huidig = Fout{"geen rekenblad"}) {
      venster = std::make_unique<OnderzoekVenster>(onderzoek, std::move(huidig), cat, ',', kNu, dlg, nullptr);
    }
    void Open(const QString& pad) {
      dlg.openAntwoorden.push_back(pad);
      venster->Open();
    }
    // The core's tables for the sheet the window holds.
    std::unique_ptr<OnderzoekAntwoord> Kern() const { return OnderzoekVan(onderzoek.tekst, cat, kNu, ','); }
    std::string Bewaar(const std::string& naam) {
      dlg.bewaarAntwoorden.push_back(Pad(map / naam));
      if (!venster->Bewaar()) return "niet bewaard";
      return test::LeesTekst(NaarPad(onderzoek.pad));
    }
  };

  // Every tab, heading and cell as the core words it.
  static void VergelijkMetKern(const Opstelling& o) {
    const auto kern = o.Kern();
    const OnderzoekVenster& v = *o.venster;
    QCOMPARE(v.punten()->count(), static_cast<int>(kern->tabellen.size()));
    for (int p = 0; p < v.punten()->count(); ++p) {
      const OnderzoekPuntTabel& t = kern->tabellen[static_cast<std::size_t>(p)];
      const QTableWidget* tabel = v.tabel(p);
      QCOMPARE(v.punten()->tabText(p), Q(t.naam));
      QCOMPARE(tabel->columnCount(), static_cast<int>(t.wegen.size()) + 1);
      QCOMPARE(tabel->rowCount(), static_cast<int>(t.hoogten.size()));
      for (std::size_t w = 0; w < t.wegen.size(); ++w)
        QCOMPARE(tabel->horizontalHeaderItem(static_cast<int>(w))->text(), Q(t.wegen[w]));
      for (std::size_t h = 0; h < t.hoogten.size(); ++h) {
        const int r = static_cast<int>(h);
        QCOMPARE(tabel->verticalHeaderItem(r)->text(), Q(t.hoogten[h]));
        for (std::size_t w = 0; w < t.wegen.size(); ++w) {
          const OnderzoekCel& c = t.cellen[h][w];
          const std::string tekst = c.geluidsbelasting + " dB" + (c.toetsing.empty() ? "" : "\n" + c.toetsing);
          QCOMPARE(tabel->item(r, static_cast<int>(w))->text(), Q(c.berekend ? tekst : "niet berekend"));
        }
        const std::string& som = t.cumulatief[h];
        QCOMPARE(tabel->item(r, static_cast<int>(t.wegen.size()))->text(),
                 Q(som.empty() ? "niet berekend" : som + " dB"));
      }
      QCOMPARE(v.meldingen(p)->isHidden(), t.meldingen.empty());
    }
    QCOMPARE(v.samenvatting()->text(), Q(kern->samenvatting));
  }

 private slots:
  void initTestCase() {
    QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    nl.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(nl);
  }

  // The example's points as tabs, the roads as typed ("Spoorlaan; tram"),
  // each cell the core's; saved unchanged it is the file, byte for byte.
  void voorbeeldAlsDeKern() {
    Opstelling o;
    QVERIFY(!o.venster->bewaarKnop()->isEnabled() && !o.venster->afdrukKnop()->isEnabled());
    o.Open(Q(kVoorbeeld));
    QCOMPARE(o.dlg.openFilters.back(), kOnderzoekFilter);
    QCOMPARE(o.dlg.openMappen.front(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QCOMPARE(o.venster->punten()->count(), 3);
    QCOMPARE(o.venster->tabel(1)->horizontalHeaderItem(1)->text(), QString("Spoorlaan; tram"));
    VergelijkMetKern(o);
    QVERIFY(!o.venster->isWindowModified() && o.venster->windowTitle().contains("onderzoek.csv"));

    QCOMPARE(o.Bewaar("kopie.csv"), test::LeesTekst(kVoorbeeld));
    QCOMPARE(o.dlg.bewaarVoorstellen.back(), Q(kVoorbeeld));  // its own file proposed
    QCOMPARE(o.dlg.bewaarFilters.back(), kOnderzoekFilter);
    QCOMPARE(o.onderzoek.pad, Pad(o.map / "kopie.csv"));
    // A name of another kind is saved as a sheet beside it, never over a worksheet.
    QCOMPARE(o.Bewaar("blad.tvo"), test::LeesTekst(kVoorbeeld));
    QVERIFY(!std::filesystem::exists(o.map / "blad.tvo"));
    QCOMPARE(o.onderzoek.pad, Pad(o.map / "blad.tvo.csv"));
  }

  // The worksheet on screen as a road: a new sheet, a new road at a point
  // of the example (a column more, the other points as they were), the same
  // road twice refused; saved and read again, the same tables.
  void voegtHuidigRekenbladToe() {
    Opstelling leeg(Huidig("Kerkplein 3", "Hoofdweg"));
    leeg.venster->VoegHuidigToe();
    QVERIFY(leeg.dlg.meldingen.empty());
    QCOMPARE(leeg.venster->punten()->count(), 1);
    QCOMPARE(leeg.venster->punten()->tabText(0), QString("Kerkplein 3"));
    QVERIFY(leeg.onderzoek.gewijzigd && leeg.venster->isWindowModified());
    QVERIFY(leeg.onderzoek.tekst.starts_with("\xEF\xBB\xBFwaarneempunt;weg;"));
    VergelijkMetKern(leeg);
    leeg.venster->VoegHuidigToe();
    QCOMPARE(leeg.dlg.LaatsteMelding(),
             std::string("Weg 'Hoofdweg' staat al bij waarneempunt 'Kerkplein 3' (regel 2); een weg telt maar een keer "
                         "mee."));

    Opstelling o(Huidig("Dorpsstraat 12", "Schoolstraat & zo"));
    o.Open(Q(kVoorbeeld));
    const auto voor = o.Kern();
    o.venster->punten()->setCurrentIndex(2);
    o.venster->VoegHuidigToe();
    QCOMPARE(o.venster->punten()->currentIndex(), 0);  // where the road went
    QCOMPARE(o.venster->tabel(0)->horizontalHeaderItem(2)->text(), QString("Schoolstraat & zo"));
    for (std::size_t p : {1, 2}) QCOMPARE(o.Kern()->tabellen[p].cumulatief, voor->tabellen[p].cumulatief);
    VergelijkMetKern(o);
    const std::string bewaard = o.Bewaar("nieuw.csv");
    QCOMPARE(bewaard, o.onderzoek.tekst);
    QVERIFY(!o.venster->isWindowModified());
    Opstelling weer;
    weer.Open(Pad(o.map / "nieuw.csv"));
    VergelijkMetKern(weer);
    QCOMPARE(weer.venster->tabel(0)->columnCount(), 4);

    Opstelling zonder(Fout{"geen waarneemhoogte ingevuld"});
    zonder.venster->VoegHuidigToe();
    QCOMPARE(zonder.dlg.LaatsteMelding(),
             std::string("Het huidige rekenblad kan niet worden toegevoegd: geen waarneemhoogte ingevuld"));
    QVERIFY(zonder.onderzoek.tekst.empty());
  }

  // Changes no file has: Cancel keeps them, No lets them go, Yes saves first;
  // a sheet refused or unreadable leaves the study as it was.
  void vraagtVoorOpgeslagenVerlies() {
    Opstelling o(Huidig("Kerkplein 3", "Hoofdweg"));
    o.venster->VoegHuidigToe();
    const std::string tekst = o.onderzoek.tekst;
    o.dlg.antwoorden = {Antwoord::Annuleren};
    o.Open(Q(kVoorbeeld));
    QCOMPARE(o.dlg.LaatsteMelding(), std::string("Wilt u het onderzoek eerst opslaan?"));
    QCOMPARE(o.dlg.meldingen.back().knoppen, Knoppen::JaNeeAnnuleren);
    QCOMPARE(o.onderzoek.tekst, tekst);
    QVERIFY(o.dlg.openFilters.empty());  // no file asked
    o.dlg.openAntwoorden.clear();
    o.dlg.antwoorden = {Antwoord::Annuleren};
    o.venster->Nieuw();
    QCOMPARE(o.onderzoek.tekst, tekst);

    o.dlg.antwoorden = {Antwoord::Ja};
    o.dlg.bewaarAntwoorden.push_back(Pad(o.map / "eerst.csv"));
    o.Open(Q(kBron + "data/Wegdekken_2012.dat"));  // no study sheet
    QCOMPARE(test::LeesTekst(o.map / "eerst.csv"), tekst);
    QVERIFY(o.dlg.LaatsteMelding().starts_with("Onderzoek Wegdekken_2012.dat: "));
    QCOMPARE(o.onderzoek.tekst, tekst);
    o.Open(Pad(o.map / "weg.csv"));
    QVERIFY(
        o.dlg.LaatsteMelding().starts_with("Onderzoek " + (o.map / "weg.csv").string() + " kan niet worden gelezen"));

    o.venster->VoegHuidigToe();  // refused: nothing changed
    QVERIFY(!o.onderzoek.gewijzigd);
    Opstelling n(Huidig("Kerkplein 3", "Hoofdweg"));
    n.venster->VoegHuidigToe();
    n.dlg.antwoorden = {Antwoord::Nee};
    n.venster->Nieuw();
    QVERIFY(n.onderzoek.tekst.empty() && !n.onderzoek.gewijzigd);
    QCOMPARE(n.venster->punten()->count(), 0);
  }

  // One PDF: per point its table and the outcome per road, then the annex,
  // every page numbered out of the whole.
  void druktAfAlsPdf() {
    Opstelling o;
    o.Open(Q(kVoorbeeld));
    AfdrukKeuze keuze;
    keuze.doel = AfdrukDoel::Bestand;
    keuze.bestand = Pad(o.map / "onderzoek.pdf");
    o.dlg.afdrukAntwoorden.push_back(std::move(keuze));
    o.venster->DrukAf();
    QVERIFY(o.dlg.meldingen.empty());
    const QStringList bladen = PdfBladen(Pad(o.map / "onderzoek.pdf"));
    QVERIFY(bladen.size() >= 2);
    const QString eerste = bladen.front().simplified();
    for (const char* tekst : {"Akoestisch onderzoek – onderzoek.csv", "Waarneempunt Dorpsstraat 12",
                              "Waarneempunt Molenweg 3", "cumulatief", "Toetsing per weg", "Spoorlaan; tram"})
      QVERIFY2(eerste.contains(tekst), tekst);
    QVERIFY(eerste.contains(QString("blad 1 van %1").arg(bladen.size())));
    QVERIFY(bladen.back().simplified().contains("Bijlage invoergegevens en rekenresultaten – onderzoek.csv"));
    QVERIFY(bladen.back().contains(QString("blad %1 van %1").arg(bladen.size())));
  }

  // The main window's command: the worksheet it opened as a road, the study
  // kept for the next window, and asked about when the program closes.
  void hoofdvensterHoudtHetOnderzoek() {
    test::TijdelijkeMap map;
    test::SchrijfBytes(map / std::string(kCatalogusBestand), CodeerCatalogus(test::TweeWegdekken()));
    Invoer in = Huidig("Kerkplein 3", "Hoofdweg");
    in.wegdek = 1;
    test::SchrijfBytes(map / "blad.tvo", CodeerWerkblad(in));
    ScriptDialogen dlg;
    HoofdVenster venster(dlg, Pad(map.Pad()));
    QVERIFY(venster.Start(Pad(map / "blad.tvo")));
    dlg.bijVenster = [](QDialog& d) { static_cast<OnderzoekVenster&>(d).VoegHuidigToe(); };
    venster.Actie("onderzoek")->trigger();
    QCOMPARE(dlg.vensters, std::vector<QString>{"OnderzoekVenster"});
    int punten = 0;
    dlg.bijVenster = [&punten](QDialog& d) { punten = static_cast<OnderzoekVenster&>(d).punten()->count(); };
    venster.Actie("onderzoek")->trigger();
    QCOMPARE(punten, 1);
    dlg.antwoorden = {Antwoord::Annuleren};
    QVERIFY(!venster.close());
    QCOMPARE(dlg.LaatsteMelding(), std::string("Wilt u het onderzoek eerst opslaan?"));
    dlg.antwoorden = {Antwoord::Nee};
    QVERIFY(venster.close());
  }
};

QTEST_MAIN(TestOnderzoekVenster)
#include "test_onderzoekvenster.moc"
