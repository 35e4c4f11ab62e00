#pragma once
// "Bijlage invoergegevens en rekenresultaten" on A4: the annex transposed,
// a row per quantity and a column per worksheet and height, as many columns
// side by side as the page holds and further pages as needed; landscape
// only where portrait cannot hold every column.
#include <QString>

#include "base/Uitkomst.h"

class QPagedPaintDevice;
class QWidget;

namespace tarvo {

class Dialogen;
struct BijlageTabel;

// Every page on the device as one document, its orientation chosen here.
// The number of pages; 0 when the device cannot be opened.
int DrukBijlage(QPagedPaintDevice& apparaat, const BijlageTabel& tabel);

// The pages as a PDF file, made in memory and saved through SchrijfVeilig.
Uitkomst<void> SchrijfBijlagePdf(const QString& pad, const BijlageTabel& tabel);

// The print dialog, then the pages on the printer once per copy. A printer
// that writes a file, or printing to a file, gives the PDF through the safe
// save: the annex has no text form. A save dialog asks a name the print
// dialog did not, proposing `standaardNaam` in the user's folder.
void DrukBijlageAf(QWidget* ouder, Dialogen& dialogen, const BijlageTabel& tabel, const QString& standaardNaam);

}  // namespace tarvo
