#pragma once
// The toolbar pictures, one per key: Qt's standard icons where one fits,
// otherwise small drawings made here, so no image files are needed.
#include <QIcon>
#include <QString>

class QStyle;

namespace tarvo {

QIcon ToolbarIcoon(const QString& key, const QStyle& stijl);

// The picture of the information window's mail link and of the tray icon.
QIcon EnvelopIcoon();
QIcon SpreadsheetIcoon();  // the editor's button that opens a spreadsheet file
QIcon ProgrammaIcoon();

}  // namespace tarvo
