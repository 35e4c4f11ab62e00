#include "windows/OnderzoekBestand.h"

#include <QDir>
#include <QFileInfo>

#include "base/Bestand.h"
#include "driver/OnderzoekBlad.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {
namespace {

// Far more than a study of any size; a larger file is no study sheet.
constexpr std::size_t kMaxOnderzoek = std::size_t{256} << 20;

}  // namespace

QString HuidigOnderzoek::Naam() const { return pad.isEmpty() ? "onderzoek.csv" : QFileInfo(pad).fileName(); }

Uitkomst<std::string> LeesOnderzoekTekst(const QString& pad) {
  auto bytes = LeesBestand(NaarPad(pad), kMaxOnderzoek);
  if (!bytes) {
    return Fout{"Onderzoek " + QDir::toNativeSeparators(pad).toStdString() +
                " kan niet worden gelezen: " + bytes.Melding() + "."};
  }
  return std::string(bytes->begin(), bytes->end());
}

bool BewaarOnderzoek(QWidget* ouder, Dialogen& dialogen, HuidigOnderzoek& onderzoek) {
  // Its own file, or the user's folder: never the data folder.
  const QString start = onderzoek.pad.isEmpty() ? QDir(dialogen.BeginMap()).filePath(onderzoek.Naam()) : onderzoek.pad;
  const auto pad = KiesBewaarPad(dialogen, ouder, QTekst(kTitelOnderzoekOpslaan), start, kOnderzoekFilter, "csv");
  if (!pad) return false;
  const auto geschreven = MetZandloper([&] { return SchrijfVeilig(NaarPad(*pad), onderzoek.tekst); });
  if (!geschreven) {
    dialogen.Toon(geschreven.Melding() + ".", std::string(kTitelOnderzoekOpslaan), Icoon::Kritiek);
    return false;
  }
  onderzoek.pad = *pad;
  onderzoek.gewijzigd = false;
  return true;
}

bool BewaarOnderzoekEerst(QWidget* ouder, Dialogen& dialogen, HuidigOnderzoek& onderzoek, std::string_view titel) {
  if (!onderzoek.gewijzigd) return true;
  switch (
      dialogen.Toon(std::string(kOnderzoekEerstOpslaan), std::string(titel), Icoon::Vraag, Knoppen::JaNeeAnnuleren)) {
    case Antwoord::Ja:
      return BewaarOnderzoek(ouder, dialogen, onderzoek);
    case Antwoord::Nee:
      return true;
    default:
      return false;
  }
}

}  // namespace tarvo
