#include "shared_ui/QtDataMappen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

#include "shared_ui/QtTekst.h"

namespace tarvo {
void ZetProgrammaNamen() {
  // No organisation name: it would put a folder between the data location and ours.
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(
      QString::fromLatin1(kProgrammaMapNaam.data(), static_cast<qsizetype>(kProgrammaMapNaam.size())));
  QGuiApplication::setDesktopFileName(TARVO_APP_ID);
}

DataMappen QtDataMappen() {
  DataMappen m;
  m.huidig = NaarPad(QDir::currentPath());
  m.gebruiker = NaarPad(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  m.gedeeld.push_back(NaarPad(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" TARVO_DATA_VANAF_BIN)));
  m.gedeeld.push_back(NaarPad(TARVO_DATA_MAP));
  return m;
}

QString KiesQtDataMap() { return QPad(KiesDataMap(QtDataMappen())); }

}  // namespace tarvo
