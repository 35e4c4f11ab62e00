#include "windows/DosisEffectVenster.h"

#include <QLabel>
#include <QVBoxLayout>

#include "shared_ui/Dialogen.h"
#include "shared_ui/Grafiek.h"
#include "shared_ui/QtTekst.h"

namespace tarvo {

DosisEffectVenster::DosisEffectVenster(double lden, QWidget* ouder)
    : QDialog(ouder), antwoord_(DosisEffect(lden, LocaleDecimaal())) {
  setObjectName("DosisEffectVenster");
  setWindowTitle(QTekst(antwoord_.titel));
  resize(520, 420);

  grafiek_ = new Grafiek(this);
  melding_ = new QLabel(this);
  melding_->setObjectName("melding");
  melding_->setText(QTekst(antwoord_.melding));
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

  grafiek_->setHidden(!antwoord_.binnenBand);
  melding_->setHidden(antwoord_.binnenBand);
  if (antwoord_.binnenBand) ToonGrafiek();
}

QString DosisEffectVenster::Melding() const { return melding_->isHidden() ? QString() : melding_->text(); }

void DosisEffectVenster::ToonGrafiek() {
  const Gehinderden& g = antwoord_.gehinderden;
  QStringList labels, kolommen;
  for (const std::string& l : antwoord_.labels) labels << QTekst(l);
  for (const std::string& k : antwoord_.kolommen) kolommen << QTekst(k);
  QFont labelFont("Arial");
  labelFont.setBold(true);
  labelFont.setPointSize(10);
  grafiek_->ZetTitel(QTekst(antwoord_.grafiekTitel));
  grafiek_->ZetVoetnoot(QTekst(antwoord_.voetnoot));
  grafiek_->ToonStaven(kolommen, {g.licht, g.normaal, g.ernstig}, labels, labelFont, 100);
}

}  // namespace tarvo
