#pragma once
// Documents of A4 pages that their caller draws: on the printer once per
// copy, or as a PDF file through the safe save; and what their pages share:
// the font, text broken over lines, the page number.
#include <QFont>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>

#include "base/Uitkomst.h"

class QPagedPaintDevice;
class QPaintDevice;
class QWidget;

namespace tarvo {

class Dialogen;

// Draws every page of a document on the device, which it opens itself. The
// number of pages; 0 when the device cannot be opened.
using Drukker = std::function<int(QPagedPaintDevice&)>;

// Arial, which resolves to its Liberation twin where it is missing.
QFont Lettertype(double punten, bool vet);

// The lines of `tekst` within `breedte` pixels of `apparaat`: broken between
// words, and inside a word only where the word alone is wider. Never cut.
QStringList Afgebroken(const QString& tekst, const QFont& f, double breedte, const QPaintDevice& apparaat);

// Measures on the device the pages are drawn on, in its pixels; a table's
// cells keep `celRuimteCm` left and right, `rijRuimtePunten` above and below.
struct Bladmaten {
  Bladmaten(const QPaintDevice& a, double celRuimteCm, double rijRuimtePunten);

  double Breedte(const QString& tekst, const QFont& f) const;
  double Regel(const QFont& f) const;
  double Ascent(const QFont& f) const;
  QStringList Regels(const QString& tekst, const QFont& f, double breedte) const {
    return Afgebroken(tekst, f, breedte, *apparaat);
  }

  const QPaintDevice* apparaat;
  double pxPerCm, breedte, hoogte, ruimte, rijRuimte;
};

// "blad 2 van 5".
QString BladNummer(std::size_t n, std::size_t van);

// The pages as a PDF file titled `titel` (A4, margins of 10 mm), made in
// memory and saved through SchrijfVeilig.
Uitkomst<void> SchrijfBladenPdf(const QString& pad, const QString& titel, const Drukker& druk);

// The print dialog, then the pages on the printer once per copy. A printer
// that writes a file, or printing to a file, gives the PDF through the safe
// save: these documents have no text form. A save dialog titled `vraag` asks
// a name the print dialog did not, proposing `standaardNaam` in the user's
// folder. A failure is said in a message titled `titel`.
void DrukBladenAf(QWidget* ouder, Dialogen& dialogen, const QString& titel, const QString& vraag,
                  const QString& standaardNaam, const Drukker& druk);

}  // namespace tarvo
