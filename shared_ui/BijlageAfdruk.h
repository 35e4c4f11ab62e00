#pragma once
// "Bijlage invoergegevens en rekenresultaten" on A4: the annex transposed,
// a row per quantity and a column per worksheet and height, as many columns
// side by side as the page holds and further pages as needed; landscape
// only where portrait cannot hold every column.
#include <QString>
#include <cstddef>
#include <memory>

#include "base/Uitkomst.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace tarvo {

class Dialogen;
struct BijlageTabel;

// The annex laid out on a device's pages, for a document that holds more
// than the annex: laying it out turns the device to the orientation the
// annex needs. Each page is headed by `kop` (empty: the annex's title and
// its worksheets). The table and the device must outlive it.
class BijlageBladen {
 public:
  BijlageBladen(QPagedPaintDevice& apparaat, const BijlageTabel& tabel, const QString& kop = {});
  ~BijlageBladen();
  BijlageBladen(const BijlageBladen&) = delete;
  BijlageBladen& operator=(const BijlageBladen&) = delete;

  std::size_t Aantal() const;
  // Page n of the annex on the painter's page, numbered `nummer` of `totaal`.
  void Teken(QPainter& p, std::size_t n, std::size_t nummer, std::size_t totaal) const;

 private:
  struct Opmaak;
  std::unique_ptr<Opmaak> opmaak_;
};

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
