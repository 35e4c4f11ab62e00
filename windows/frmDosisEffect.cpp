#include "windows/frmDosisEffect.h"

#include <QLabel>
#include <QVBoxLayout>

#include "base/Getal.h"
#include "shared_ui/Grafiek.h"
#include "shared_ui/Dialogen.h"

namespace tarvo {

frmDosisEffect::frmDosisEffect(double lden, QWidget* ouder) : QDialog(ouder), lden_(lden) {
  setObjectName("frmDosisEffect");
  const QString niveau = QString::fromStdString(Formatteer(lden, "#0.0", LocaleDecimaal()));
  setWindowTitle("Dosis-effect relatie bij Lden = " + niveau + " dB");
  resize(520, 420);

  grafiek_ = new Grafiek(this);
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setText("Lden buiten de bandbreedte van 45 - 75 dB.\n\nDosis-effect relatie is niet berekend.");
  label1_->setAlignment(Qt::AlignCenter);
  label1_->setWordWrap(true);
  QFont arial("Arial");
  arial.setPointSize(12);
  label1_->setFont(arial);
  QPalette pal = label1_->palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
  label1_->setPalette(pal);

  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(0, 0, 0, 0);
  laag->addWidget(grafiek_);
  laag->addWidget(label1_);

  Bereken();
}

QString frmDosisEffect::Melding() const { return label1_->isHidden() ? QString() : label1_->text(); }

void frmDosisEffect::Bereken() {
  binnenBand_ = BinnenBand(lden_);
  grafiek_->setHidden(!binnenBand_);
  label1_->setHidden(binnenBand_);
  if (!binnenBand_) return;
  perc_ = BerekenGehinderden(lden_);
  ToonGrafiek();
}

void frmDosisEffect::ToonGrafiek() {
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
