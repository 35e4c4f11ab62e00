#include "shared_ui/Afdrukken.h"

#include <QDir>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "base/Tekst.h"
#include "report/Rapport.h"
#include "shared_ui/AfdrukPagina.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {
Uitkomst<void> SchrijfPrn(const QString& pad, const PaginaInhoud& inhoud) {
  // One byte per character, as every file of the program; Windows tools read it as ANSI.
  const std::string rapport = RapportTekst(inhoud.invoer, inhoud.resultaten, inhoud.catalogus, inhoud.decimaal);
  return SchrijfVeilig(NaarPad(pad), Utf8NaarCp1252(rapport + std::string(CrLf)));
}

QString DrukAf(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud) {
  AfdrukKeuze keuze = dialogen.Afdrukdialoog(ouder);
  // A file, as the preview's PDF command writes one: whole or not at all.
  const auto schrijf = [&](const QString& pad, Uitkomst<void> (*schrijver)(const QString&, const PaginaInhoud&),
                           const QString& wat) -> QString {
    Uitkomst<void> geschreven = MetZandloper([&] { return schrijver(pad, inhoud); });
    if (!geschreven) {
      dialogen.Toon(geschreven.Melding() + ".", "Afdrukken", Icoon::Kritiek);
      return {};
    }
    dialogen.OnthoudMap(pad);
    return wat + " opgeslagen in " + QDir::toNativeSeparators(pad);
  };
  switch (keuze.doel) {
    case AfdrukDoel::Geannuleerd:
      return {};

    case AfdrukDoel::Bestand: {
      QString pad = keuze.bestand;
      if (pad.isEmpty()) {
        const std::optional<QString> gekozen = dialogen.BewaarBestand(
            ouder, "Afdrukken naar bestand", dialogen.BeginMap(), "Uitvoerbestanden (*.prn)", QString());
        if (!gekozen || gekozen->isEmpty()) return {};
        pad = *gekozen;
      }
      return schrijf(pad, SchrijfPrn, "Afdruk");
    }

    case AfdrukDoel::Printer: {
      if (!keuze.printer) return {};
      // Qt's "print to file" is the page as PDF: never written straight over an old file.
      if (const QString bestand = keuze.printer->outputFileName(); !bestand.isEmpty()) {
        return schrijf(bestand, SchrijfPdf, "PDF");
      }
      // The copies were reported to the program: the driver must not multiply them again.
      keuze.printer->setCopyCount(1);
      Zandloper zandloper;
      for (int kopie = 1; kopie <= keuze.kopieen; ++kopie) {
        if (!DrukPagina(*keuze.printer, inhoud)) {
          // The next copy would fail alike: one message is enough.
          zandloper.Stop();
          ToonOnverwachteFout(dialogen, "Afdrukken", "frmTarvo", kFoutPrinter,
                              "Printer " + keuze.printer->printerName() + " kan niet afdrukken");
          return {};
        }
      }
      return {};
    }
  }
  return {};
}

}  // namespace tarvo
