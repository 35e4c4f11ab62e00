// The window program: splash window first, then the main window on its data
// folder (the current one when it holds a catalogue, else the user's own).
#include <QApplication>
#include <QStyleFactory>
#include <memory>

#include "app/HulpOpdracht.h"
#include "app/PdfOpdracht.h"
#include "app/Signaalwacht.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/QtDataMappen.h"
#include "shared_ui/Vertaling.h"
#include "windows/HoofdVenster.h"
#include "windows/OpstartVenster.h"

int main(int argc, char* argv[]) {
  if (tarvo::IsPdfOpdracht(argc, argv)) return tarvo::PdfOpdracht(argc, argv);
  if (tarvo::IsHulpOpdracht(argc, argv)) return tarvo::HulpOpdracht(argc, argv);

  tarvo::Signaalwacht::Installeer();
  QApplication app(argc, argv);
  // Fusion draws the palette colours of fields and labels on every platform.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  tarvo::ZetProgrammaNamen();
  // Before the first window: shortcut texts and standard buttons are read once.
  tarvo::LaadQtVertaling(app);

  // The command line as one text, the way it was typed after the program name.
  const QString opdrachtRegel = QCoreApplication::arguments().mid(1).join(' ');
  const QString dataMap = tarvo::KiesQtDataMap();

  tarvo::QtDialogen dialogen;
  std::unique_ptr<tarvo::HoofdVenster> hoofdvenster;
  bool beeindigd = false;
  tarvo::OpstartVenster openingsscherm([&] {
    if (beeindigd) return;
    hoofdvenster = std::make_unique<tarvo::HoofdVenster>(dialogen, dataMap);
    if (!hoofdvenster->Start(opdrachtRegel)) return;
    hoofdvenster->show();
  });
  // At logout: open dialogs close as Cancel would, then the main window
  // closes without questions; what was confirmed is on disk already.
  tarvo::Signaalwacht wacht([&] {
    beeindigd = true;
    openingsscherm.close();
    while (QWidget* modaal = QApplication::activeModalWidget()) {
      if (!modaal->close()) modaal->hide();
    }
    if (hoofdvenster) hoofdvenster->SluitZonderVragen();
    QApplication::quit();
  });
  openingsscherm.Start();
  // A signal while the opening screen came up: quit() had no loop to end yet.
  return beeindigd ? 0 : app.exec();
}
