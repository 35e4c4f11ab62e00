#include "shared_ui/CsvBestand.h"

#include <QDir>
#include <QSaveFile>

#include "shared_ui/Dialogen.h"

namespace tarvo {

bool BewaarCsv(QWidget* ouder, Dialogen& dialogen, const QString& vraag, const QString& standaardNaam,
               const std::string& tekst, const std::string& titel) {
  const auto pad = dialogen.BewaarBestand(ouder, vraag, QDir::current().filePath(standaardNaam), "CSV-bestand (*.csv)");
  if (!pad || pad->isEmpty()) return false;
  QSaveFile bestand(*pad);
  const QByteArray inhoud = QByteArray("\xEF\xBB\xBF") + QByteArray::fromStdString(tekst);
  if (bestand.open(QIODevice::WriteOnly) && bestand.write(inhoud) == inhoud.size() && bestand.commit()) return true;
  dialogen.Toon(("Bestand " + *pad + " kon niet worden opgeslagen.").toStdString(), titel, Icoon::Kritiek);
  return false;
}

}  // namespace tarvo
