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

DiagramVenster::DiagramVenster(DiagramGegevens gegevens, AfstandRekenaar rekenaar, char decimaal, Dialogen& dialogen,
                               QWidget* ouder)
    : QDialog(ouder),
      gegevens_(std::move(gegevens)),
      rekenaar_(std::move(rekenaar)),
      decimaal_(decimaal),
      dialogen_(dialogen) {
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
  auto* doelBijschrift = new QLabel("&Streefwaarde Lden na aftrek:", this);
  doelBijschrift->setBuddy(doelveld_);

  lineair_ = new QRadioButton("&lineair", this);
  lineair_->setObjectName("lineair");
  lineair_->setChecked(true);
  logaritmisch_ = new QRadioButton("l&ogaritmisch", this);
  logaritmisch_->setObjectName("logaritmisch");
  auto* asKeuze = new QButtonGroup(this);
  asKeuze->addButton(lineair_);
  asKeuze->addButton(logaritmisch_);
  connect(logaritmisch_, &QRadioButton::toggled, grafiek_, &Grafiek::ZetLogAfstand);

  auto* instellingen = new QHBoxLayout();
  instellingen->addWidget(doelBijschrift);
  instellingen->addWidget(doelveld_);
  instellingen->addSpacing(24);
  instellingen->addWidget(new QLabel("Afstandsas:", this));
  instellingen->addWidget(lineair_);
  instellingen->addWidget(logaritmisch_);
  instellingen->addStretch(1);
  return instellingen;
}

// The worksheet's own distance and its level, without the deduction as the whole chart.
void DiagramVenster::ToonRekenpunt() {
  rekenpuntTekst_ = new QLabel(this);
  rekenpuntTekst_->setObjectName("rekenpuntTekst");
  const NiveauOpAfstand eigen = rekenaar_.Op(rekenaar_.EigenAfstand());
  const bool binnen = eigen.afstand <= MaxAfstand();
  grafiek_->ZetMerk(Grafiek::Merk::Rekenpunt,
                    binnen ? std::optional<QPointF>(QPointF(eigen.afstand, eigen.lden)) : std::nullopt,
                    "rekenblad " + Getal(eigen.afstand) + " m");
  rekenpuntTekst_->setText("Rekenblad: " + Getal(eigen.afstand) + " m, Lden " + Getal(eigen.lden) + " dB excl. aftrek" +
                           (binnen ? "" : " (buiten het diagram)"));
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

QString DiagramVenster::Getal(double x, const char* patroon) const { return QTekst(Formatteer(x, patroon, decimaal_)); }

// The chart shows Lden without the deduction, so the line stands at the
// target plus the deduction: where it meets the curve, Lden after the
// deduction meets the target.
void DiagramVenster::ToonDoel(double doel) {
  snijpunt_ = rekenaar_.Zoek(doel);
  const NiveauOpAfstand& p = snijpunt_.punt;
  QString lijnTekst = "streefwaarde " + Getal(doel) + " dB";
  if (p.aftrek != 0) lijnTekst += " + aftrek " + QString::number(p.aftrek) + " dB";
  grafiek_->ZetDoellijn(doel + p.aftrek, lijnTekst);

  const bool binnen = snijpunt_.gevonden && p.afstand <= MaxAfstand();
  grafiek_->ZetMerk(Grafiek::Merk::Snijpunt, binnen ? std::optional<QPointF>(QPointF(p.afstand, p.lden)) : std::nullopt,
                    Getal(p.afstand) + " m");
  const QString aftrek = p.aftrek != 0 ? " (aftrek art. 110g Wgh " + QString::number(p.aftrek) + " dB)" : QString();
  if (snijpunt_.gevonden) {
    doelTekst_->setText("Streefwaarde " + Getal(doel) + " dB gehaald vanaf " + Getal(p.afstand) + " m" +
                        (binnen ? "" : " (buiten het diagram)") + ": Lden na aftrek " + Getal(p.niveau) + " dB" +
                        aftrek + ".");
  } else {
    doelTekst_->setText("Streefwaarde " + Getal(doel) + " dB niet gehaald tot " + Getal(kAfstandZoekTot, "##0") +
                        " m: Lden na aftrek op " + Getal(kAfstandZoekTot, "##0") + " m is " + Getal(p.niveau) + " dB" +
                        aftrek + ".");
  }
}

// The level at the pointer's distance, on the 0,01 m grid and computed, not read off the line.
void DiagramVenster::ToonMuis(double x) {
  const double d = std::clamp(std::round(x * kAfstandRasterPerMeter) / kAfstandRasterPerMeter, 1.0, MaxAfstand());
  const NiveauOpAfstand p = rekenaar_.Op(d);
  grafiek_->ZetMerk(Grafiek::Merk::Muis, QPointF(d, p.lden), Getal(d) + " m; " + Getal(p.lden) + " dB");
  muisTekst_->setText("Muis: " + Getal(d) + " m, Lden " + Getal(p.lden) + " dB excl. aftrek");
}

void DiagramVenster::VerbergMuis() {
  grafiek_->ZetMerk(Grafiek::Merk::Muis, std::nullopt);
  muisTekst_->setText("Muis: wijs een afstand aan in het diagram");
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
                             DiagramCsv(gegevens_, decimaal_, "\r\n"), std::string(kDiagramTitel));
  if (pad) statusBalk_->showMessage("CSV opgeslagen in " + QDir::toNativeSeparators(*pad));
}

void ToonDiagram(QWidget* ouder, Dialogen& dialogen, const Werkblad& werkblad, const Catalogus& catalogus,
                 char decimaal, const std::function<void(const Controle&)>& toonControle) {
  const auto antwoord =
      dialogen.InvoerVak(ouder, QTekst(kDiagramVraag), QTekst(kDiagramTitel), QTekst(kDiagramStandaard));
  if (!antwoord || antwoord->isEmpty()) return;

  DiagramResultaat r = MetZandloper([&] { return Diagram(antwoord->toStdString(), werkblad, catalogus, decimaal); });
  switch (r.uitkomst) {
    case DiagramUitkomst::Leeg:
      return;
    case DiagramUitkomst::Geweigerd:
      dialogen.Toon("\"" + antwoord->toStdString() +
                        "\" is geen getal. Geef de maximale afstand tot de wegas in meters, van 100 tot 1000.",
                    std::string(kDiagramTitel), Icoon::Uitroep);
      return;
    case DiagramUitkomst::ControleGeweigerd:
      toonControle(r.controle);
      return;
    case DiagramUitkomst::Onbruikbaar:
      toonControle(r.controle);
      dialogen.Toon(r.melding, std::string(kDiagramTitel), Icoon::Uitroep);
      return;
    case DiagramUitkomst::Gegevens:
      toonControle(r.controle);
      break;
  }
  AfstandRekenaar rekenaar(*r.controle.invoer, catalogus, VandaagQt());
  DiagramVenster venster(std::move(r.gegevens), std::move(rekenaar), decimaal, dialogen, ouder);
  dialogen.ToonVenster(venster);
}

}  // namespace tarvo
