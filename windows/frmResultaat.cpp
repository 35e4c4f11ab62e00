#include "windows/frmResultaat.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QDir>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "calc/Werkblad.h"
#include "shared_ui/Zandloper.h"
#include "shared_ui/Dialogen.h"

namespace tarvo {
namespace {

struct BlokStijl {
  bool vet = false, cursief = false, onderstreept = false;
  double punten = 0;  // 0: keeps 10 pt
};

// Blocks 0..8; 9 and 10 are always empty.
constexpr BlokStijl kStijlen[] = {
    {.vet = true},                                  // user name, title
    {.cursief = true},                              // observation point, road
    {.cursief = true, .onderstreept = true},        // "Invoergegevens"
    {.punten = 8},                                  // input lines
    {.cursief = true, .onderstreept = true},        // "Berekeningsresultaten"
    {.punten = 8},                                  // result lines
    {.vet = true},                                  // final levels, rating
    {.cursief = true, .onderstreept = true},        // "Toelichting"
    {.cursief = true},                              // remarks
};

void Selecteer(QTextCursor& c, int start, int lengte) {
  c.setPosition(start);
  c.setPosition(start + lengte, QTextCursor::KeepAnchor);
}

}  // namespace

frmResultaat::frmResultaat(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud, const QString& pdfVoorstel)
    : QDialog(ouder),
      dialogen_(dialogen),
      inhoud_(inhoud),
      pdfVoorstel_(pdfVoorstel),
      txtResult_(new QTextEdit(this)),
      statusBalk_(new QStatusBar(this)) {
  setObjectName("frmResultaat");
  setWindowTitle("Afdrukvoorbeeld rekenblad Tarvo");
  setModal(true);

  auto* menu = new QMenuBar(this);
  QMenu* bestand = menu->addMenu("&Bestand");
  QAction* pdf = bestand->addAction("Opslaan als &PDF…", this, &frmResultaat::OpslaanAlsPdf);
  pdf->setObjectName("mnuOpslaanPdf");
  pdf->setShortcut(QKeySequence::Save);
  bestand->addSeparator();
  bestand->addAction("&Sluiten", this, &QDialog::accept);

  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);
  lay->setMenuBar(menu);
  txtResult_->setObjectName("txtResult");
  txtResult_->setReadOnly(true);
  txtResult_->setLineWrapMode(QTextEdit::NoWrap);  // report lines are column-aligned
  lay->addWidget(txtResult_);
  statusBalk_->setObjectName("StatusBar1");
  statusBalk_->setSizeGripEnabled(false);
  lay->addWidget(statusBalk_);

  VulTekst();
  resize(640, 480);
}

void frmResultaat::VulTekst() {
  QFont courier("Courier New", 10);
  courier.setStyleHint(QFont::TypeWriter);
  txtResult_->setFont(courier);

  // The document keeps a CR LF as one position: the block ranges below must count alike.
  QStringList blokken;
  for (const std::string& blok : inhoud_.ws.AfdrukRegels) blokken << QString::fromStdString(blok).replace("\r\n", "\n");
  txtResult_->setPlainText(blokken.join(QString()));

  QTextCursor c(txtResult_->document());
  c.select(QTextCursor::Document);
  QTextCharFormat basis;
  basis.setFontFamilies({courier.family()});
  basis.setFontPointSize(10);
  c.mergeCharFormat(basis);

  int start = 0;
  for (int i = 0; i < blokken.size(); ++i) {
    const int lengte = static_cast<int>(blokken[i].size());
    if (i < static_cast<int>(std::size(kStijlen)) && lengte > 0) {
      const BlokStijl& s = kStijlen[i];
      QTextCharFormat f;
      if (s.vet) f.setFontWeight(QFont::Bold);
      if (s.cursief) f.setFontItalic(true);
      f.setFontUnderline(s.onderstreept);
      if (s.punten > 0) f.setFontPointSize(s.punten);
      Selecteer(c, start, lengte);
      c.mergeCharFormat(f);
    }
    start += lengte;
  }

  c.setPosition(0);
  txtResult_->setTextCursor(c);
}

void frmResultaat::OpslaanAlsPdf() {
  const std::optional<QString> pad =
      KiesBewaarPad(dialogen_, this, "Opslaan als PDF", pdfVoorstel_, "PDF-bestanden (*.pdf)", "pdf");
  if (!pad) return;
  Uitkomst<void> geschreven;
  {
    Zandloper zandloper;
    geschreven = SchrijfPdf(*pad, inhoud_);
  }
  if (!geschreven) {
    statusBalk_->clearMessage();
    dialogen_.Toon(geschreven.Melding() + ".", "Opslaan als PDF", Icoon::Kritiek);
    return;
  }
  pdfVoorstel_ = *pad;
  statusBalk_->showMessage("PDF opgeslagen in " + QDir::toNativeSeparators(*pad));
}

void PreView(QWidget* ouder, Dialogen& dialogen, const Werkblad& ws, WerkbladVenster& venster,
             const Catalogus& catalogus, const QString& pdfVoorstel, const QString& datumTekst) {
  frmResultaat dlg(ouder, dialogen, PaginaInhoud{ws, venster, catalogus, datumTekst}, pdfVoorstel);
  dialogen.ToonVenster(dlg);
}

}  // namespace tarvo
