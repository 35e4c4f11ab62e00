#include "windows/DosisEffectVenster.h"

#include <QLabel>
#include <QVBoxLayout>

#include "base/Getal.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Grafiek.h"

namespace tarvo {

DosisEffectVenster::DosisEffectVenster(double lden, QWidget* ouder) : QDialog(ouder), lden_(lden) {
  setObjectName("DosisEffectVenster");
  const QString niveau = QString::fromStdString(Formatteer(lden, "#0.0", LocaleDecimaal()));
  // The main window shows Lden less the deduction; this one is without it.
  setWindowTitle("Dosis-effect relatie bij Lden = " + niveau + " dB excl. aftrek art. 110g");
  resize(520, 420);

  grafiek_ = new Grafiek(this);
  melding_ = new QLabel(this);
  melding_->setObjectName("melding");
  melding_->setText("Lden buiten de bandbreedte van 45 - 75 dB.\n\nDosis-effect relatie is niet berekend.");
  melding_->setAlignment(Qt::AlignCenter);
  melding_->setWordWrap(true);
  QFont arial("Arial");
  arial.setPointSize(12);
  melding_->setFont(arial);
  QPalette pal = melding_->palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
  melding_->setPalette(pal);

  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(0, 0, 0, 0);
  laag->addWidget(grafiek_);
  laag->addWidget(melding_);

  Bereken();
}

QString DosisEffectVenster::Melding() const { return melding_->isHidden() ? QString() : melding_->text(); }

void DosisEffectVenster::Bereken() {
  binnenBand_ = BinnenBand(lden_);
  grafiek_->setHidden(!binnenBand_);
  melding_->setHidden(binnenBand_);
  if (!binnenBand_) return;
  perc_ = BerekenGehinderden(lden_);
  ToonGrafiek();
}

void DosisEffectVenster::ToonGrafiek() {
  const QList<double> waarden = {perc_.licht, perc_.normaal, perc_.ernstig};
  QStringList labels;
  for (double w : waarden) labels << QString::fromStdString(Formatteer(w, "#0", LocaleDecimaal()));
  QFont labelFont("Arial");
  labelFont.setBold(true);
  labelFont.setPointSize(10);
  grafiek_->ZetTitel("Percentage gehinderden (indicatief)");
  grafiek_->ZetVoetnoot("Bron: TNO (https://www.tno.nl)");
  grafiek_->ToonStaven({">licht", ">normaal", ">ernstig"}, waarden, labels, labelFont, 100);
}

}  // namespace tarvo
