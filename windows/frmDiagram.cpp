#include "windows/frmDiagram.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "shared_ui/Grafiek.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/QtBediening.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {
namespace {

// A message during the computation shows the normal pointer, not the hourglass.
class MeldingZonderZandloper : public Meldingen {
 public:
  explicit MeldingZonderZandloper(Meldingen& m) : m_(m) {}
  Antwoord Toon(const std::string& tekst, const std::string& titel, Icoon icoon, Knoppen knoppen) override {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const Antwoord a = m_.Toon(tekst, titel, icoon, knoppen);
    QApplication::restoreOverrideCursor();
    return a;
  }

 private:
  Meldingen& m_;
};

}  // namespace

frmDiagram::frmDiagram(DiagramGegevens gegevens, Dialogen& dialogen, QWidget* ouder)
    : QDialog(ouder), gegevens_(std::move(gegevens)), dialogen_(dialogen) {
  setObjectName("frmDiagram");
  setWindowTitle(QTekst(kDiagramTitel));
  resize(760, 520);

  grafiek_ = new Grafiek(this);
  QList<QPointF> punten;
  punten.reserve(static_cast<qsizetype>(gegevens_.rijen.size()));
  // Row i holds the level at i metres; its label i - 1 marks the tick at the row's start.
  for (std::size_t i = 0; i < gegevens_.rijen.size(); ++i) {
    punten.append(QPointF(static_cast<double>(i + 1), gegevens_.rijen[i].lden));
  }
  grafiek_->ToonLijn(punten, QTekst(kDiagramAsAfstand), static_cast<double>(gegevens_.rijen.size()), QTekst(kDiagramAsNiveau),
                     gegevens_.ymin, gegevens_.ymax, gegevens_.delingen);

  auto* opslaan = new QPushButton("Opslaan als PNG…", this);
  opslaan->setObjectName("cmdOpslaan");
  opslaan->setAutoDefault(false);
  connect(opslaan, &QPushButton::clicked, this, &frmDiagram::OpslaanAlsPng);

  auto* knoppen = new QHBoxLayout();
  knoppen->addStretch(1);
  knoppen->addWidget(opslaan);
  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(0, 0, 8, 8);
  laag->addWidget(grafiek_, 1);
  laag->addLayout(knoppen);
}

void frmDiagram::OpslaanAlsPng() {
  const auto pad = dialogen_.BewaarBestand(this, "Diagram opslaan als PNG",
                                           QDir::current().filePath("diagram.png"), "PNG-afbeelding (*.png)", "png");
  if (!pad) return;
  if (!grafiek_->BewaarPng(*pad)) {
    dialogen_.Toon(("Bestand " + *pad + " kon niet worden opgeslagen.").toStdString(), std::string(kDiagramTitel),
                   Icoon::Kritiek);
  }
}

void Diagram(QWidget* ouder, Dialogen& dialogen, Werkblad& ws, WerkbladVenster& venster, const Catalogus& cat) {
  const auto antwoord = dialogen.InvoerVak(ouder, QTekst(kDiagramVraag), QTekst(kDiagramTitel), QTekst(kDiagramStandaard));
  if (!antwoord || antwoord->isEmpty()) return;

  DiagramResultaat r;
  {
    Zandloper zandloper;
    MeldingZonderZandloper meldingen(dialogen);
    r = Diagram(antwoord->toStdString(), ws, venster, meldingen, cat);
  }

  if (r.uitkomst == DiagramUitkomst::Geweigerd) {
    dialogen.Toon("\"" + antwoord->toStdString() +
                      "\" is geen getal. Geef de maximale afstand tot de wegas in meters, van 100 tot 1000.",
                  std::string(kDiagramTitel), Icoon::Uitroep);
    return;
  }
  if (r.uitkomst == DiagramUitkomst::Onbruikbaar) {
    dialogen.Toon(r.melding, std::string(kDiagramTitel), Icoon::Uitroep);
    return;
  }
  if (r.uitkomst != DiagramUitkomst::Gegevens) return;

  frmDiagram frm(std::move(r.gegevens), dialogen, ouder);
  dialogen.ToonVenster(frm);
}

}  // namespace tarvo
