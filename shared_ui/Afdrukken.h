#pragma once
// The "afdrukken" command: the print dialog, then the page on the printer once
// per copy, or the report text in a .prn file.
#include <QString>

class QWidget;

namespace tarvo {

class Dialogen;
struct PaginaInhoud;

void DrukAf(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud, const QString& dataMap);

// The preview text and one line break, in Windows-1252. False when the
// file cannot be written.
bool SchrijfPrn(const QString& pad, const PaginaInhoud& inhoud);

}  // namespace tarvo
