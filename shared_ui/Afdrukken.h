#pragma once
// The "afdrukken" command: the print dialog, then the page on the printer once
// per copy, the page as a PDF file, or the report text in a .prn file.
#include <QString>

#include "base/Uitkomst.h"

class QWidget;

namespace tarvo {

class Dialogen;
struct PaginaInhoud;

// A file is written as "Opslaan als PDF…" writes it (SchrijfVeilig: a failed
// write keeps an old file), with the same message when it fails. What the
// status bar says of a file written; empty after paper or nothing.
QString DrukAf(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud);

// The preview text and one line break, in Windows-1252, through SchrijfVeilig.
Uitkomst<void> SchrijfPrn(const QString& pad, const PaginaInhoud& inhoud);

}  // namespace tarvo
