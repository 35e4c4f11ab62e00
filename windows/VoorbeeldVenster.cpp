#include "windows/VoorbeeldVenster.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "calc/Velden.h"
#include "report/Rapport.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Schrijfmeldingen.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {
namespace {

struct BlokStijl {
  bool vet = false, cursief = false, onderstreept = false;
  double punten = 0;  // 0: keeps 10 pt
};

// The report's parts, top to bottom.
constexpr std::array<BlokStijl, kRapportDelen> kStijlen = {{
    {.vet = true},                            // user name, title
    {.cursief = true},                        // observation point, road
    {.cursief = true, .onderstreept = true},  // "Invoergegevens"
    {.punten = 8},                            // input lines
    {.cursief = true, .onderstreept = true},  // "Berekeningsresultaten"
    {.punten = 8},                            // result lines
    {.vet = true},                            // final levels, rating
    {.cursief = true, .onderstreept = true},  // "Toelichting"
    {.cursief = true},                        // remarks
}};

}  // namespace

VoorbeeldVenster::VoorbeeldVenster(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud,
                                   const QString& pdfVoorstel)
    : QDialog(ouder),
      dialogen_(dialogen),
      inhoud_(inhoud),
      pdfVoorstel_(pdfVoorstel),
      rapport_(new QTextEdit(this)),
      statusBalk_(new QStatusBar(this)) {
  setObjectName("VoorbeeldVenster");
  setWindowTitle("Afdrukvoorbeeld rekenblad Tarvo");
  setModal(true);

  auto* menu = new QMenuBar(this);
  QMenu* bestand = menu->addMenu("&Bestand");
  QAction* pdf = bestand->addAction("Opslaan als &PDF…", this, &VoorbeeldVenster::BewaarPdf);
  pdf->setObjectName("bewaarPdf");
  pdf->setShortcut(QKeySequence::Save);
  bestand->addSeparator();
  bestand->addAction("&Sluiten", this, &QDialog::accept);

  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);
  lay->setMenuBar(menu);
  rapport_->setObjectName("rapport");
  rapport_->setReadOnly(true);
  rapport_->setLineWrapMode(QTextEdit::NoWrap);  // report lines are column-aligned
  lay->addWidget(rapport_);
  statusBalk_->setObjectName("statusBalk");
  statusBalk_->setSizeGripEnabled(false);
  lay->addWidget(statusBalk_);

  VulTekst();
  resize(640, 480);
}

void VoorbeeldVenster::VulTekst() {
  QFont courier("Courier New", 10);
  courier.setStyleHint(QFont::TypeWriter);
  rapport_->setFont(courier);

  const PaginaInhoud& in = inhoud_;
  const auto delen = RapportDelen(in.invoer, in.resultaten, in.catalogus, in.decimaal);
  std::string tekst;
  for (const std::string& deel : delen) tekst += deel;
  rapport_->setPlainText(QTekst(tekst).replace("\r\n", "\n"));

  QTextCursor c(rapport_->document());
  c.select(QTextCursor::Document);
  QTextCharFormat basis;
  basis.setFontFamilies({courier.family()});
  basis.setFontPointSize(10);
  c.mergeCharFormat(basis);

  // Each part's lines take its style; the document holds a line per block.
  QTextBlock regel = rapport_->document()->begin();
  for (std::size_t i = 0; i < kStijlen.size() && regel.isValid(); ++i) {
    const auto regels = std::count(delen[i].begin(), delen[i].end(), '\n');
    const BlokStijl& s = kStijlen[i];
    QTextCharFormat f;
    if (s.vet) f.setFontWeight(QFont::Bold);
    if (s.cursief) f.setFontItalic(true);
    f.setFontUnderline(s.onderstreept);
    if (s.punten > 0) f.setFontPointSize(s.punten);
    for (std::ptrdiff_t r = 0; r < regels && regel.isValid(); ++r, regel = regel.next()) {
      if (regel.length() <= 1) continue;  // an empty line: only its line break
      c.setPosition(regel.position());
      c.setPosition(regel.position() + regel.length() - 1, QTextCursor::KeepAnchor);
      c.mergeCharFormat(f);
    }
  }

  c.setPosition(0);
  rapport_->setTextCursor(c);
}

void VoorbeeldVenster::BewaarPdf() {
  const std::optional<QString> pad =
      KiesBewaarPad(dialogen_, this, "Opslaan als PDF", pdfVoorstel_, "PDF-bestanden (*.pdf)", "pdf");
  if (!pad) return;
  const Schrijfmeldingen meldingen(statusBalk_);
  Uitkomst<void> geschreven = MetZandloper([&] { return SchrijfPdf(*pad, inhoud_, meldingen.Wijze()); });
  if (!geschreven) {
    statusBalk_->clearMessage();
    dialogen_.Toon(geschreven.Melding() + ".", "Opslaan als PDF", Icoon::Kritiek);
    return;
  }
  pdfVoorstel_ = *pad;
  statusBalk_->showMessage("PDF opgeslagen in " + QDir::toNativeSeparators(*pad));
  meldingen.ToonOpmerkingen(dialogen_, "Opslaan als PDF");
}

void ToonVoorbeeld(QWidget* ouder, Dialogen& dialogen, const PaginaInhoud& inhoud, const QString& pdfVoorstel) {
  VoorbeeldVenster venster(ouder, dialogen, inhoud, pdfVoorstel);
  dialogen.ToonVenster(venster);
}

}  // namespace tarvo
