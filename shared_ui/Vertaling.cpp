#include "shared_ui/Vertaling.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarvo {

bool LaadQtVertaling(QCoreApplication& app) {
  auto* vertaler = new QTranslator(&app);
  if (!vertaler->load(QLocale::system(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete vertaler;
    return false;
  }
  return QCoreApplication::installTranslator(vertaler);
}

}  // namespace tarvo
