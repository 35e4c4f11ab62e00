#include "shared_ui/QtDataMappen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

namespace tarvo {
namespace {

QString QPad(const std::filesystem::path& pad) {
#ifdef _WIN32
  return QString::fromStdWString(pad.wstring());
#else
  return QFile::decodeName(QByteArray::fromStdString(pad.string()));
#endif
}

}  // namespace

std::filesystem::path BestandsPad(const QString& pad) {
#ifdef _WIN32
  return std::filesystem::path(pad.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(pad).toStdString());
#endif
}

void ZetProgrammaNamen() {
  // No organisation name: it would put a folder between the data location and ours.
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QString::fromLatin1(kProgrammaMapNaam.data(),
                                                           static_cast<qsizetype>(kProgrammaMapNaam.size())));
  QGuiApplication::setDesktopFileName(TARVO_APP_ID);
}

DataMappen QtDataMappen() {
  DataMappen m;
  m.huidig = BestandsPad(QDir::currentPath());
  m.gebruiker = BestandsPad(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  m.gedeeld.push_back(BestandsPad(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" TARVO_DATA_VANAF_BIN)));
  m.gedeeld.push_back(BestandsPad(TARVO_DATA_MAP));
  return m;
}

QString KiesQtDataMap() { return QPad(KiesDataMap(QtDataMappen())); }

}  // namespace tarvo
