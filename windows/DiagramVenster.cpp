#include "windows/DiagramVenster.h"

#include <QButtonGroup>
#include <QDir>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/Getal.h"
#include "shared_ui/CsvBestand.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Grafiek.h"
#include "shared_ui/Knop.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {

DiagramVenster::DiagramVenster(DiagramGegevens gegevens, NiveauLijn lijn, Dialogen& dialogen, QWidget* ouder)
    : QDialog(ouder), gegevens_(std::move(gegevens)), lijn_(std::move(lijn)), dialogen_(dialogen) {
  setObjectName("DiagramVenster");
  setWindowTitle(QTekst(kDiagramTitel));
  resize(820, 600);

  MaakGrafiek();
  QHBoxLayout* instellingen = MaakInstellingen();
  ToonRekenpunt();
  QHBoxLayout* knoppen = MaakKnoppen();

  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(8, 8, 8, 8);
  laag->addLayout(instellingen);
  laag->addWidget(grafiek_, 1);
  laag->addWidget(rekenpuntTekst_);
  laag->addWidget(doelTekst_);
  laag->addLayout(knoppen);
  statusBalk_ = new QStatusBar(this);
  statusBalk_->setObjectName("statusBalk");
  statusBalk_->setSizeGripEnabled(false);
  laag->addWidget(statusBalk_);

  connect(grafiek_, &Grafiek::MuisBoven, this, [this](double x, double) { ToonMuis(x); });
  connect(grafiek_, &Grafiek::MuisWeg, this, &DiagramVenster::VerbergMuis);
  ToonDoel(doelveld_->value());
  VerbergMuis();
}

double DiagramVenster::MaxAfstand() const { return static_cast<double>(gegevens_.rijen.size()); }

// Row i holds the level at i metres; its label i - 1 marks the tick at the row's start.
void DiagramVenster::MaakGrafiek() {
  grafiek_ = new Grafiek(this);
  QList<QPointF> punten;
  punten.reserve(static_cast<qsizetype>(gegevens_.rijen.size()));
  for (std::size_t i = 0; i < gegevens_.rijen.size(); ++i) {
    punten.append(QPointF(static_cast<double>(i + 1), gegevens_.rijen[i].lden));
  }
  grafiek_->ToonLijn(punten, QTekst(kDiagramAsAfstand), MaxAfstand(), QTekst(kDiagramAsNiveau), gegevens_.ymin,
                     gegevens_.ymax, gegevens_.delingen);
}

// The target level and the choice of distance axis, over the chart.
QHBoxLayout* DiagramVenster::MaakInstellingen() {
  doelveld_ = new QDoubleSpinBox(this);
  doelveld_->setObjectName("doelveld");
  doelveld_->setRange(kDoelMin, kDoelMax);
  doelveld_->setDecimals(2);
  doelveld_->setSingleStep(1);
  doelveld_->setSuffix(" dB");
  doelveld_->setValue(kDoelStandaard);
  connect(doelveld_, &QDoubleSpinBox::valueChanged, this, &DiagramVenster::ToonDoel);
  auto* doelBijschrift = new QLabel(QTekst(kDoelBijschrift), this);
  doelBijschrift->setBuddy(doelveld_);

  lineair_ = new QRadioButton(QTekst(kLineairBijschrift), this);
  lineair_->setObjectName("lineair");
  lineair_->setChecked(true);
  logaritmisch_ = new QRadioButton(QTekst(kLogaritmischBijschrift), this);
  logaritmisch_->setObjectName("logaritmisch");
  auto* asKeuze = new QButtonGroup(this);
  asKeuze->addButton(lineair_);
  asKeuze->addButton(logaritmisch_);
  connect(logaritmisch_, &QRadioButton::toggled, grafiek_, &Grafiek::ZetLogAfstand);

  auto* instellingen = new QHBoxLayout();
  instellingen->addWidget(doelBijschrift);
  instellingen->addWidget(doelveld_);
  instellingen->addSpacing(24);
  instellingen->addWidget(new QLabel(QTekst(kAfstandsasBijschrift), this));
  instellingen->addWidget(lineair_);
  instellingen->addWidget(logaritmisch_);
  instellingen->addStretch(1);
  return instellingen;
}

// The worksheet's own distance and its level, without the deduction as the whole chart.
void DiagramVenster::ToonRekenpunt() {
  rekenpuntTekst_ = new QLabel(this);
  rekenpuntTekst_->setObjectName("rekenpuntTekst");
  const LijnPunt eigen = lijn_.EigenPunt(MaxAfstand());
  grafiek_->ZetMerk(Grafiek::Merk::Rekenpunt,
                    eigen.binnen ? std::optional<QPointF>(QPointF(eigen.punt.afstand, eigen.punt.lden)) : std::nullopt,
                    QTekst(eigen.label));
  rekenpuntTekst_->setText(QTekst(eigen.tekst));
}

// The target's sentence, the pointer's level and the two ways to keep the rows.
QHBoxLayout* DiagramVenster::MaakKnoppen() {
  doelTekst_ = new QLabel(this);
  doelTekst_->setObjectName("doelTekst");
  muisTekst_ = new QLabel(this);
  muisTekst_->setObjectName("muisTekst");
  auto* csv = MaakKnop("Opslaan als &CSV…", "csvKnop", this);
  connect(csv, &QPushButton::clicked, this, &DiagramVenster::BewaarAlsCsv);
  auto* png = MaakKnop("Opslaan als &PNG…", "pngKnop", this);
  connect(png, &QPushButton::clicked, this, &DiagramVenster::BewaarAlsPng);
  auto* knoppen = new QHBoxLayout();
  knoppen->addWidget(muisTekst_, 1);
  knoppen->addWidget(csv);
  knoppen->addWidget(png);
  return knoppen;
}

// The chart shows Lden without the deduction, so the line stands at the
// target plus the deduction: where it meets the curve, Lden after the
// deduction meets the target.
void DiagramVenster::ToonDoel(double doel) {
  snijpunt_ = lijn_.Doel(doel, MaxAfstand());
  const NiveauOpAfstand& p = snijpunt_.punt;
  grafiek_->ZetDoellijn(snijpunt_.lijn, QTekst(snijpunt_.lijnTekst));
  grafiek_->ZetMerk(Grafiek::Merk::Snijpunt,
                    snijpunt_.binnen ? std::optional<QPointF>(QPointF(p.afstand, p.lden)) : std::nullopt,
                    QTekst(snijpunt_.afstandTekst));
  doelTekst_->setText(QTekst(snijpunt_.tekst));
}

void DiagramVenster::ToonMuis(double x) {
  const LijnPunt muis = lijn_.Punt(x, MaxAfstand());
  grafiek_->ZetMerk(Grafiek::Merk::Muis, QPointF(muis.punt.afstand, muis.punt.lden), QTekst(muis.label));
  muisTekst_->setText(QTekst(muis.tekst));
}

void DiagramVenster::VerbergMuis() {
  grafiek_->ZetMerk(Grafiek::Merk::Muis, std::nullopt);
  muisTekst_->setText(QTekst(kMuisUitleg));
}

void DiagramVenster::BewaarAlsPng() {
  statusBalk_->clearMessage();
  const auto pad = KiesBewaarPad(dialogen_, this, "Diagram opslaan als PNG",
                                 QDir(dialogen_.BeginMap()).filePath("diagram.png"), "PNG-afbeelding (*.png)", "png");
  if (!pad) return;
  if (const auto geschreven = grafiek_->BewaarPng(*pad); !geschreven) {
    dialogen_.Toon(geschreven.Melding() + ".", std::string(kDiagramTitel), Icoon::Kritiek);
    return;
  }
  statusBalk_->showMessage("PNG opgeslagen in " + QDir::toNativeSeparators(*pad));
}

void DiagramVenster::BewaarAlsCsv() {
  statusBalk_->clearMessage();
  const auto pad = BewaarCsv(this, dialogen_, "Diagram opslaan als CSV", "diagram.csv",
                             DiagramCsv(gegevens_, LocaleDecimaal(), "\r\n"), std::string(kDiagramTitel));
  if (pad) statusBalk_->showMessage("CSV opgeslagen in " + QDir::toNativeSeparators(*pad));
}

void ToonDiagram(QWidget* ouder, Dialogen& dialogen, const Werkblad& werkblad, const Catalogus& catalogus,
                 char decimaal, const std::function<void(const Rekening&)>& toonRekening) {
  const auto antwoord =
      dialogen.InvoerVak(ouder, QTekst(kDiagramVraag), QTekst(kDiagramTitel), QTekst(kDiagramStandaard));
  if (!antwoord || antwoord->isEmpty()) return;

  const Datum vandaag = VandaagQt();
  DiagramAntwoord a =
      MetZandloper([&] { return Diagram(antwoord->toStdString(), werkblad, catalogus, vandaag, decimaal); });
  switch (a.uitkomst) {
    case DiagramUitkomst::Leeg:
      return;
    case DiagramUitkomst::Geweigerd:
      dialogen.Toon(a.melding, std::string(kDiagramTitel), Icoon::Uitroep);
      return;
    case DiagramUitkomst::ControleGeweigerd:
      toonRekening(a.rekening);
      return;
    case DiagramUitkomst::Onbruikbaar:
      toonRekening(a.rekening);
      dialogen.Toon(a.melding, std::string(kDiagramTitel), Icoon::Uitroep);
      return;
    case DiagramUitkomst::Gegevens:
      toonRekening(a.rekening);
      break;
  }
  DiagramVenster venster(std::move(a.gegevens), NiveauLijn(*a.rekening.controle.invoer, catalogus, vandaag, decimaal),
                         dialogen, ouder);
  dialogen.ToonVenster(venster);
}

}  // namespace tarvo
