#include "shared_ui/QtTekst.h"

#include <QFile>

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

}  // namespace tarvo
