#include "shared_ui/Afdrukken.h"

#include <QFile>

#include "base/Foutnummers.h"
#include "base/Tekst.h"
#include "report/Rapport.h"
#include "shared_ui/AfdrukPagina.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {
namespace {

// The form name its messages have always given.
void ToonFout(Dialogen& dialogen, int nummer, const QString& omschrijving) {
  ToonOnverwachteFout(dialogen, "Afdrukken", "frmTarvo", nummer, omschrijving);
}

}  // namespace

bool SchrijfPrn(const QString& pad, const PaginaInhoud& inhoud) {
  // One byte per character, as every file of the program; Windows tools read it as ANSI.
  const std::string rapport = RapportTekst(inhoud.invoer, inhoud.resultaten, inhoud.catalogus, inhoud.decimaal);
  const std::string bytes = Utf8NaarCp1252(rapport + std::string(CrLf));
  QFile f(pad);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool geschreven = f.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
  f.close();
  return geschreven && f.error() == QFileDevice::NoError;
}

void DrukAf(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud, const QString& dataMap) {
  AfdrukKeuze keuze = dialogen.Afdrukdialoog(ouder);
  switch (keuze.doel) {
    case AfdrukDoel::Geannuleerd:
      return;

    case AfdrukDoel::Bestand: {
      QString pad = keuze.bestand;
      if (pad.isEmpty()) {
        const std::optional<QString> gekozen =
            dialogen.BewaarBestand(ouder, "Afdrukken naar bestand", dataMap, "Uitvoerbestanden (*.prn)", QString());
        if (!gekozen || gekozen->isEmpty()) return;
        pad = *gekozen;
      }
      Zandloper zandloper;
      if (!SchrijfPrn(pad, inhoud)) {
        zandloper.Stop();
        ToonFout(dialogen, kFoutBestandstoegang, "Bestand " + pad + " kan niet worden geschreven");
      }
      return;
    }

    case AfdrukDoel::Printer: {
      if (!keuze.printer) return;
      // The copies were reported to the program: the driver must not multiply them again.
      keuze.printer->setCopyCount(1);
      // A second copy would only write the same file over again.
      const bool naarBestand = !keuze.printer->outputFileName().isEmpty();
      const int kopieen = naarBestand ? 1 : keuze.kopieen;
      Zandloper zandloper;
      for (int kopie = 1; kopie <= kopieen; ++kopie) {
        if (!DrukPagina(*keuze.printer, inhoud)) {
          // The next copy would fail alike: one message is enough.
          zandloper.Stop();
          const QPrinter& p = *keuze.printer;
          if (naarBestand) {
            ToonFout(dialogen, kFoutBestandstoegang, "Bestand " + p.outputFileName() + " kan niet worden geschreven");
          } else {
            ToonFout(dialogen, kFoutPrinter, "Printer " + p.printerName() + " kan niet afdrukken");
          }
          return;
        }
      }
      return;
    }
  }
}

}  // namespace tarvo
