#pragma once
// The printed worksheet: one A4 page, drawn in centimetres from the top-left
// corner of the printable area. Paper, the PDF of the preview window, Qt's
// PDF printer and `tarvo --pdf` all go through DrukPagina.
#include <QString>

#include "base/Bestand.h"
#include "base/Uitkomst.h"

class QDate;
class QPagedPaintDevice;

namespace tarvo {

struct Catalogus;
struct Invoer;
struct Resultaten;

// One calculation as the page shows it.
struct PaginaInhoud {
  const Invoer& invoer;
  const Resultaten& resultaten;
  const Catalogus& catalogus;
  char decimaal;
  QString datumTekst;
};

// One copy as one document: opens the device, draws the page, ends the
// document. False when the device cannot be opened (no printer, file not
// writable).
bool DrukPagina(QPagedPaintDevice& apparaat, const PaginaInhoud& inhoud);

// A4 portrait, with a margin such as a paper printer cannot print on, so the
// frame sits centred on a PDF page as it does on paper.
void ZetPdfPagina(QPagedPaintDevice& apparaat);

// The page as a one-page PDF file, made in memory and then saved through
// SchrijfVeilig: a failed write leaves an old file as it was. `wijze` as
// SchrijfVeilig takes it.
Uitkomst<void> SchrijfPdf(const QString& pad, const PaginaInhoud& inhoud);
Uitkomst<void> SchrijfPdf(const QString& pad, const PaginaInhoud& inhoud, const Schrijfwijze& wijze);

// The footer's date text: "dd mmmm yyyy" ("01 maart 2024").
QString DatumTekst(const QDate& datum);

}  // namespace tarvo
