#pragma once
// Small drawings made here, so no image files are needed: the toolbar's
// pictures where Qt's standard icons have none that fits, and a few others.
#include <QIcon>

namespace tarvo {

QIcon PrinterIcoon();
QIcon VoorbeeldIcoon();  // the print preview
QIcon PotloodIcoon();    // filling in the worksheet
QIcon WegIcoon();        // the road-surface editor
QIcon TabelIcoon();      // the traffic conversion tables
QIcon PersoonIcoon();    // the user name
QIcon RekenmachineIcoon();
QIcon CumulatieIcoon();  // several roads at one observation point

// The picture of the information window's mail link and of the tray icon.
QIcon EnvelopIcoon();
QIcon SpreadsheetIcoon();  // the editor's button that opens a spreadsheet file
QIcon ProgrammaIcoon();

}  // namespace tarvo
