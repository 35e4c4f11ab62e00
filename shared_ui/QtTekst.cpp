#include "shared_ui/QtTekst.h"

#include <QBuffer>
#include <QDate>
#include <QFile>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "calc/Werkblad.h"

namespace tarvo {

std::filesystem::path NaarPad(const QString& pad) {
#ifdef _WIN32
  return std::filesystem::path(pad.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(pad).toStdString());
#endif
}

QString QPad(const std::filesystem::path& pad) {
#ifdef _WIN32
  return QString::fromStdWString(pad.wstring());
#else
  return QFile::decodeName(QByteArray::fromStdString(pad.string()));
#endif
}

Datum VandaagQt() {
  const QDate vandaag = QDate::currentDate();
  return Datum{vandaag.year(), vandaag.month(), vandaag.day()};
}

Uitkomst<void> BewaarVeilig(const QString& pad, const std::function<bool(QIODevice&)>& maak,
                            const Schrijfwijze& wijze) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!maak(buffer)) return Fout{"Bestand " + pad.toStdString() + " kon niet worden geschreven", kFoutBestandstoegang};
  const QByteArray& bytes = buffer.data();
  return SchrijfVeilig(NaarPad(pad), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       wijze);
}

}  // namespace tarvo
