#pragma once
// The "printen" command: the print dialog, then the page on the printer once
// per copy, or the report text in a .prn file.
#include <QString>

class QWidget;

namespace tarvo {

class Dialogen;
struct Catalogus;
struct Werkblad;
class WerkbladVenster;

void Afdrukken(QWidget* ouder, Dialogen& dialogen, const Werkblad& ws, WerkbladVenster& venster,
               const Catalogus& catalogus, const QString& dataMap, const QString& datumTekst);

// The preview text (blocks 0..10 joined) and one line break, in Windows-1252.
// False when the file cannot be written.
bool SchrijfPrn(const QString& pad, const Werkblad& ws);

}  // namespace tarvo
