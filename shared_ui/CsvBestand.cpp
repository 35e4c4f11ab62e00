#include "shared_ui/CsvBestand.h"

#include <QDir>

#include "base/Bestand.h"
#include "base/Tekst.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Schrijfmeldingen.h"

namespace tarvo {

std::optional<QString> BewaarCsv(QWidget* ouder, Dialogen& dialogen, const QString& vraag, const QString& standaardNaam,
                                 const std::string& tekst, const std::string& titel) {
  const auto pad = KiesBewaarPad(dialogen, ouder, vraag, QDir(dialogen.BeginMap()).filePath(standaardNaam),
                                 "CSV-bestand (*.csv)", "csv");
  if (!pad || pad->isEmpty()) return std::nullopt;
  // With a byte-order mark, so that a spreadsheet reads the accents as UTF-8.
  const std::string inhoud = std::string(kBom) + tekst;
  const Schrijfmeldingen meldingen(nullptr);
  if (const auto geschreven = SchrijfVeilig(NaarPad(*pad), inhoud, meldingen.Wijze()); !geschreven) {
    dialogen.Toon(geschreven.Melding() + ".", titel, Icoon::Kritiek);
    return std::nullopt;
  }
  meldingen.ToonOpmerkingen(dialogen, titel);
  return pad;
}

}  // namespace tarvo
