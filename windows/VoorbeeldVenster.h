#pragma once
// The preview window: the report text in a read-only rich text view, and
// the printed page as a PDF file.
#include <QDialog>
#include <QString>

#include "shared_ui/AfdrukPagina.h"

class QStatusBar;
class QTextEdit;
class QWidget;

namespace tarvo {

class Dialogen;

class VoorbeeldVenster : public QDialog {
  Q_OBJECT

 public:
  // The text and the PDF show the calculation of `inhoud`. The save dialog
  // for the PDF starts at pdfVoorstel: a folder, or the file it proposes.
  VoorbeeldVenster(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud, const QString& pdfVoorstel);

  QTextEdit* rapport() const { return rapport_; }
  QStatusBar* statusBalk() const { return statusBalk_; }

  // "Opslaan als PDF…": asks a file name (".pdf" added when missing) and
  // writes the printed page there; the status bar names the file written.
  void BewaarPdf();

 private:
  void VulTekst();

  Dialogen& dialogen_;
  PaginaInhoud inhoud_;
  QString pdfVoorstel_;
  QTextEdit* rapport_;
  QStatusBar* statusBalk_;
};

// Shows the preview window modally.
void ToonVoorbeeld(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud, const QString& pdfVoorstel);

}  // namespace tarvo
