// The PDF of tarvo --pdf and of "Opslaan als PDF…" is made in memory and
// saved through SchrijfVeilig: a failed write is reported and leaves an old
// file as it was, and the page never takes the place of a program file.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ScriptDialogen.h"
#include "app/PdfOpdracht.h"
#include "driver/Opdracht.h"
#include "windows/frmResultaat.h"

using namespace tarvo;

namespace {

const QString kData = QStringLiteral(TARVO_SOURCE_DIR "/data");

QByteArray Inhoud(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// tarvo --pdf in a folder with the sample worksheet and the catalogue.
class Opstelling {
 public:
  Opstelling() {
    QFile::copy(kData + "/voorbeeld.tvo", Pad("blad.tvo"));
    QFile::copy(kData + "/Wegdekken_2012.dat", Pad("Wegdekken_2012.dat"));
  }
  QString Pad(const QString& naam) const { return map_.filePath(naam); }
  int Pdf(const QString& uit) {
    std::vector<QByteArray> woorden = {"tarvo", "--pdf", Pad("blad.tvo").toLocal8Bit(), uit.toLocal8Bit(),
                                       "--wegdekken", Pad("Wegdekken_2012.dat").toLocal8Bit()};
    std::vector<char*> argv;
    for (auto& w : woorden) argv.push_back(w.data());
    return PdfOpdracht(static_cast<int>(argv.size()), argv.data());
  }
  // Makes the next write beside `naam` fail: a folder of the user's in the way.
  void Blokkeer(const QString& naam) {
    QDir(map_.path()).mkpath(naam + ".nieuw/bezet");
  }

 private:
  QTemporaryDir map_;
};

}  // namespace

class TestPdfSchrijven : public QObject {
  Q_OBJECT

 private slots:
  void geschrevenOfHetOudeBlijft() {
    Opstelling o;
    QCOMPARE(o.Pdf(o.Pad("uit.pdf")), 0);
    const QByteArray pdf = Inhoud(o.Pad("uit.pdf"));
    QVERIFY(pdf.startsWith("%PDF") && pdf.size() > 10000);
    QCOMPARE(QDir(o.Pad("")).entryList(QDir::Files).size(), 3);

    QFile::resize(o.Pad("uit.pdf"), 12345);  // an older page, of its own length
    const QByteArray oud = Inhoud(o.Pad("uit.pdf"));
    o.Blokkeer("uit.pdf");
    QCOMPARE(o.Pdf(o.Pad("uit.pdf")), 1);
    QCOMPARE(Inhoud(o.Pad("uit.pdf")), oud);
#ifndef Q_OS_WIN
    QCOMPARE(o.Pdf("/dev/full"), 1);
    QVERIFY(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile());
#endif
  }

  void nooitOverEenBestandVanHetProgramma() {
    Opstelling o;
    const QByteArray blad = Inhoud(o.Pad("blad.tvo"));
    const QByteArray catalogus = Inhoud(o.Pad("Wegdekken_2012.dat"));
    QVERIFY(QFile::link(o.Pad("blad.tvo"), o.Pad("link.pdf")));
    for (const QString& uit : {o.Pad("blad.tvo"), o.Pad("ander.TVO"), o.Pad("Wegdekken_2012.dat"), o.Pad("link.pdf")}) {
      QCOMPARE(o.Pdf(uit), 2);
    }
    QCOMPARE(Inhoud(o.Pad("blad.tvo")), blad);
    QCOMPARE(Inhoud(o.Pad("Wegdekken_2012.dat")), catalogus);
    QVERIFY(!QFile::exists(o.Pad("ander.TVO")));
  }

  // The preview's command reports the system's reason in the generic message.
  void voorbeeldVensterMeldtDeReden() {
    Opstelling o;
    const OpdrachtInstellingen inst{o.Pad("blad.tvo").toStdString(), o.Pad("Wegdekken_2012.dat").toStdString(), ',',
                                    {2024, 3, 1}};
    auto b = std::make_unique<Berekening>();
    QVERIFY(RekenWerkblad(inst, *b));
    ScriptDialogen dialogen;
    frmResultaat venster(nullptr, dialogen, PaginaInhoud{b->ws, b->venster, b->catalogus, "01 maart 2024"},
                         o.Pad(""));
    QFile oud(o.Pad("oud.pdf"));
    QVERIFY(oud.open(QIODevice::WriteOnly) && oud.write("oud") == 3);
    oud.close();
    o.Blokkeer("oud.pdf");
    dialogen.bewaarAntwoorden.push_back(o.Pad("oud.pdf"));
    venster.findChild<QAction*>("mnuOpslaanPdf")->trigger();
    QCOMPARE(dialogen.meldingen.size(), std::size_t{1});
    const QString tekst = QString::fromStdString(dialogen.meldingen[0].tekst);
    QVERIFY2(tekst.startsWith("Bestand "), qPrintable(tekst));
    QVERIFY2(tekst.endsWith(" kon niet worden geschreven (het is een map); het oude bestand is bewaard gebleven."),
             qPrintable(tekst));
    QCOMPARE(Inhoud(o.Pad("oud.pdf")), QByteArray("oud"));
  }
};

QTEST_MAIN(TestPdfSchrijven)
#include "test_pdfschrijven.moc"
