#pragma once
// The data folders of the window program by Qt's own rules: the user's
// application-data location and the shipped data beside the executable.
#include <QString>

#include "files/DataMappen.h"

namespace tarvo {

// The program's names as the desktop knows them; the application name also
// names the user's data folder (~/.local/share/tarvo on Linux).
void ZetProgrammaNamen();

// The current folder, the user's folder and the shipped folders.
DataMappen QtDataMappen();

// The folder start-up hands to the main window.
QString KiesQtDataMap();

}  // namespace tarvo
