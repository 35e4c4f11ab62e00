#include "windows/frmDiagram.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDate>
#include <QDir>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/Getal.h"
#include "shared_ui/CsvBestand.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Grafiek.h"
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

frmDiagram::frmDiagram(DiagramGegevens gegevens, AfstandRekenaar rekenaar, char decimaal, Dialogen& dialogen,
                       QWidget* ouder)
    : QDialog(ouder),
      gegevens_(std::move(gegevens)),
      rekenaar_(std::move(rekenaar)),
      decimaal_(decimaal),
      dialogen_(dialogen) {
  setObjectName("frmDiagram");
  setWindowTitle(QTekst(kDiagramTitel));
  resize(820, 600);

  grafiek_ = new Grafiek(this);
  QList<QPointF> punten;
  punten.reserve(static_cast<qsizetype>(gegevens_.rijen.size()));
  // Row i holds the level at i metres; its label i - 1 marks the tick at the row's start.
  for (std::size_t i = 0; i < gegevens_.rijen.size(); ++i) {
    punten.append(QPointF(static_cast<double>(i + 1), gegevens_.rijen[i].lden));
  }
  const double s = static_cast<double>(gegevens_.rijen.size());
  grafiek_->ToonLijn(punten, QTekst(kDiagramAsAfstand), s, QTekst(kDiagramAsNiveau), gegevens_.ymin, gegevens_.ymax,
                     gegevens_.delingen);

  doel_ = new QDoubleSpinBox(this);
  doel_->setObjectName("txtDoel");
  doel_->setRange(kDoelMin, kDoelMax);
  doel_->setDecimals(2);
  doel_->setSingleStep(1);
  doel_->setSuffix(" dB");
  doel_->setValue(kDoelStandaard);
  auto* lblDoelveld = new QLabel("&Streefwaarde Lden na aftrek:", this);
  lblDoelveld->setBuddy(doel_);

  auto* lineair = new QRadioButton("&lineair", this);
  lineair->setObjectName("optLineair");
  lineair->setChecked(true);
  log_ = new QRadioButton("l&ogaritmisch", this);
  log_->setObjectName("optLogaritmisch");
  auto* asKeuze = new QButtonGroup(this);
  asKeuze->addButton(lineair);
  asKeuze->addButton(log_);
  connect(log_, &QRadioButton::toggled, grafiek_, &Grafiek::ZetLogAfstand);

  auto* instellingen = new QHBoxLayout();
  instellingen->addWidget(lblDoelveld);
  instellingen->addWidget(doel_);
  instellingen->addSpacing(24);
  instellingen->addWidget(new QLabel("Afstandsas:", this));
  instellingen->addWidget(lineair);
  instellingen->addWidget(log_);
  instellingen->addStretch(1);

  lblRekenpunt_ = new QLabel(this);
  lblRekenpunt_->setObjectName("lblRekenpunt");
  lblDoel_ = new QLabel(this);
  lblDoel_->setObjectName("lblDoel");
  lblMuis_ = new QLabel(this);
  lblMuis_->setObjectName("lblMuis");

  // The worksheet's own distance and its level, without the deduction as the whole chart.
  const NiveauOpAfstand eigen = rekenaar_.Op(rekenaar_.EigenAfstand());
  const bool eigenBinnen = eigen.afstand <= s;
  grafiek_->ZetMerk(Grafiek::Merk::Rekenpunt,
                    eigenBinnen ? std::optional<QPointF>(QPointF(eigen.afstand, eigen.lden)) : std::nullopt,
                    "rekenblad " + Getal(eigen.afstand) + " m");
  lblRekenpunt_->setText("Rekenblad: " + Getal(eigen.afstand) + " m, Lden " + Getal(eigen.lden) +
                         " dB excl. aftrek" + (eigenBinnen ? "" : " (buiten het diagram)"));

  auto* csv = MaakKnop("Opslaan als &CSV…", "cmdCsv", this);
  connect(csv, &QPushButton::clicked, this, &frmDiagram::OpslaanAlsCsv);
  auto* png = MaakKnop("Opslaan als &PNG…", "cmdOpslaan", this);
  connect(png, &QPushButton::clicked, this, &frmDiagram::OpslaanAlsPng);
  auto* knoppen = new QHBoxLayout();
  knoppen->addWidget(lblMuis_, 1);
  knoppen->addWidget(csv);
  knoppen->addWidget(png);

  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(8, 8, 8, 8);
  laag->addLayout(instellingen);
  laag->addWidget(grafiek_, 1);
  laag->addWidget(lblRekenpunt_);
  laag->addWidget(lblDoel_);
  laag->addLayout(knoppen);

  connect(doel_, &QDoubleSpinBox::valueChanged, this, &frmDiagram::ToonDoel);
  connect(grafiek_, &Grafiek::MuisBoven, this, [this](double x, double) { ToonMuis(x); });
  connect(grafiek_, &Grafiek::MuisWeg, this, &frmDiagram::VerbergMuis);
  ToonDoel(doel_->value());
  VerbergMuis();
}

QString frmDiagram::Getal(double x, const char* patroon) const { return QTekst(Formatteer(x, patroon, decimaal_)); }

// The chart shows Lden without the deduction, so the line stands at the
// target plus the deduction: where it meets the curve, Lden after the
// deduction meets the target.
void frmDiagram::ToonDoel(double doel) {
  snijpunt_ = rekenaar_.Zoek(doel);
  const NiveauOpAfstand& p = snijpunt_.punt;
  const double s = static_cast<double>(gegevens_.rijen.size());
  QString lijnTekst = "streefwaarde " + Getal(doel) + " dB";
  if (p.aftrek != 0) lijnTekst += " + aftrek " + QString::number(p.aftrek) + " dB";
  grafiek_->ZetDoellijn(doel + p.aftrek, lijnTekst);

  const bool binnen = snijpunt_.gevonden && p.afstand <= s;
  grafiek_->ZetMerk(Grafiek::Merk::Snijpunt, binnen ? std::optional<QPointF>(QPointF(p.afstand, p.lden)) : std::nullopt,
                    Getal(p.afstand) + " m");
  const QString aftrek = p.aftrek != 0 ? " (aftrek art. 110g Wgh " + QString::number(p.aftrek) + " dB)" : QString();
  if (snijpunt_.gevonden) {
    lblDoel_->setText("Streefwaarde " + Getal(doel) + " dB gehaald vanaf " + Getal(p.afstand) + " m" +
                      (binnen ? "" : " (buiten het diagram)") + ": Lden na aftrek " + Getal(p.niveau) + " dB" + aftrek +
                      ".");
  } else {
    lblDoel_->setText("Streefwaarde " + Getal(doel) + " dB niet gehaald tot " + Getal(kAfstandZoekTot, "##0") +
                      " m: Lden na aftrek op " + Getal(kAfstandZoekTot, "##0") + " m is " + Getal(p.niveau) + " dB" +
                      aftrek + ".");
  }
}

// The level at the pointer's distance, on the 0,01 m grid and computed, not read off the line.
void frmDiagram::ToonMuis(double x) {
  const double s = static_cast<double>(gegevens_.rijen.size());
  const double d = std::clamp(std::round(x * kAfstandRasterPerMeter) / kAfstandRasterPerMeter, 1.0, s);
  const NiveauOpAfstand p = rekenaar_.Op(d);
  grafiek_->ZetMerk(Grafiek::Merk::Muis, QPointF(d, p.lden), Getal(d) + " m; " + Getal(p.lden) + " dB");
  lblMuis_->setText("Muis: " + Getal(d) + " m, Lden " + Getal(p.lden) + " dB excl. aftrek");
}

void frmDiagram::VerbergMuis() {
  grafiek_->ZetMerk(Grafiek::Merk::Muis, std::nullopt);
  lblMuis_->setText("Muis: wijs een afstand aan in het diagram");
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

void frmDiagram::OpslaanAlsCsv() {
  BewaarCsv(this, dialogen_, "Diagram opslaan als CSV", "diagram.csv",
            DiagramCsv(gegevens_, decimaal_, "\r\n"), std::string(kDiagramTitel));
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

  const QDate vandaag = QDate::currentDate();
  AfstandRekenaar rekenaar(r.gecontroleerd, venster, cat, Datum{vandaag.year(), vandaag.month(), vandaag.day()});
  frmDiagram frm(std::move(r.gegevens), std::move(rekenaar), ws.Decimaal, dialogen, ouder);
  dialogen.ToonVenster(frm);
}

}  // namespace tarvo
