#pragma once
// The preview window: the report blocks in a read-only rich text view, and
// the printed page as a PDF file.
#include <QDialog>
#include <QString>

#include "shared_ui/AfdrukPagina.h"

class QStatusBar;
class QTextEdit;
class QWidget;

namespace tarvo {

class Dialogen;

class frmResultaat : public QDialog {
  Q_OBJECT

 public:
  // The text comes from ws.AfdrukRegels (the latest calculation); the PDF is
  // drawn from the worksheet as it stands, as paper would be. The save
  // dialog for it starts at pdfVoorstel: a folder, or the file it proposes.
  frmResultaat(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud, const QString& pdfVoorstel);

  QTextEdit* txtResult() const { return txtResult_; }
  QStatusBar* StatusBalk() const { return statusBalk_; }

  // "Opslaan als PDF…": asks a file name (".pdf" added when missing) and
  // writes the printed page there; the status bar names the file written.
  void OpslaanAlsPdf();

 private:
  void VulTekst();

  Dialogen& dialogen_;
  PaginaInhoud inhoud_;
  QString pdfVoorstel_;
  QTextEdit* txtResult_;
  QStatusBar* statusBalk_;
};

// Shows the preview window modally; each call fills it anew from the blocks.
void PreView(QWidget* ouder, Dialogen& dialogen, const Werkblad& ws, WerkbladVenster& venster,
             const Catalogus& catalogus, const QString& pdfVoorstel, const QString& datumTekst);

}  // namespace tarvo
