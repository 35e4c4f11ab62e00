#include "windows/frmAbout.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/Foutnummers.h"
#include "base/Tekst.h"
#include "calc/Velden.h"
#include "shared_ui/Iconen.h"
#include "windows/LicNaam.h"
#include "shared_ui/Verloop.h"
#include "shared_ui/Versie.h"

namespace tarvo {
namespace {

const QString kGeenLevering = "Geen bestand beschikbaar!";

QLabel* WitLabel(const QString& tekst, QWidget* ouder) {
  auto* l = new QLabel(tekst, ouder);
  l->setWordWrap(true);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  l->setPalette(pal);
  return l;
}

// levering.txt may come from a Windows editor in the ANSI code page.
QString AlsTekst(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString tekst = utf8.decode(bytes);
  if (!utf8.hasError()) return tekst;
  return QString::fromStdString(Cp1252NaarUtf8(bytes.toStdString()));
}

}  // namespace

frmAbout::frmAbout(const Catalogus& catalogus, Dialogen& dialogen, const QString& dataMap, QAction* mnuTaakInfo,
                   QWidget* ouder)
    : QDialog(ouder), mnuTaakInfo_(mnuTaakInfo) {
  setObjectName("frmAbout");
  if (mnuTaakInfo_) mnuTaakInfo_->setEnabled(false);
  setWindowTitle(QString("Info ") + versie::kTitel);
  setAttribute(Qt::WA_OpaquePaintEvent);

  MaakTeksten(catalogus);
  MaakLevering(dialogen, dataMap);
  image2_ = new QToolButton(this);
  image2_->setObjectName("Image2");
  image2_->setIcon(EnvelopIcoon());
  image2_->setIconSize(QSize(32, 32));
  image2_->setAutoRaise(true);
  image2_->setCursor(Qt::PointingHandCursor);
  image2_->setToolTip(versie::kContactAdres);
  connect(image2_, &QToolButton::clicked, this, &frmAbout::Image2_Click);

  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* kop = new QHBoxLayout;
  kop->addWidget(lblTitle_, 1);
  kop->addWidget(image2_, 0, Qt::AlignTop);
  auto* voet = new QHBoxLayout;
  voet->addWidget(lblDisclaimer_, 1);
  voet->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 14);
  layout->addLayout(kop);
  layout->addWidget(lblVersion_);
  layout->addSpacing(6);
  layout->addWidget(label2_);
  layout->addWidget(txtLevering_, 1);
  layout->addLayout(voet);
  resize(560, 480);
  connect(this, &QDialog::finished, this, &frmAbout::FormUnload);
}

// Title, what the program computes, version and user, copyright.
void frmAbout::MaakTeksten(const Catalogus& catalogus) {
  lblTitle_ = WitLabel(versie::kProductNaam, this);
  QFont groot = lblTitle_->font();
  groot.setPointSizeF(groot.pointSizeF() * 2.2);
  groot.setBold(true);
  lblTitle_->setFont(groot);

  const QString crlf = "\r\n";
  lblVersion_ = WitLabel(
      "Berekening van de geluidsbelasting ten gevolge van wegverkeerslawaai volgens de Standaard-rekenmethode 1 uit "
      "het Reken- en meetvoorschrift geluid 2012 (RMG 2012 inclusief wijziging van 19 mei 2014)." +
          crlf + "---" + crlf + "De wegdekcorrecties zijn ontleend aan de wegdektypering van " +
          QString::fromUtf8(kWegdekSiteNaam.data(), static_cast<qsizetype>(kWegdekSiteNaam.size())) + ", " +
          QString::fromUtf8(kWegdekSiteAdres.data(), static_cast<qsizetype>(kWegdekSiteAdres.size())) + ".",
      this);
  lblVersion_->setObjectName("lblVersion");

  const QString versieTekst = QString("%1.%2").arg(versie::kMajor).arg(versie::kMinor);
  label2_ = WitLabel(QString(versie::kBestandsOmschrijving) + ", versie " + versieTekst + " rev" +
                         QString::number(versie::kRevisie) + " (" + versie::kOpmerkingen + ")" + crlf +
                         "Gebruiker :" + crlf + LabelTekst(TrimBlanks(catalogus.GebruikersLabelnaam)),
                     this);
  label2_->setObjectName("Label2");

  lblDisclaimer_ = WitLabel(versie::kCopyright, this);
  lblDisclaimer_->setObjectName("lblDisclaimer");
}

void frmAbout::MaakLevering(Dialogen& dialogen, const QString& dataMap) {
  txtLevering_ = new QTextBrowser(this);
  txtLevering_->setObjectName("txtLevering");
  txtLevering_->setOpenLinks(false);
  txtLevering_->setPlainText(kGeenLevering);
  QFile levering(QDir(dataMap).filePath("levering.txt"));
  if (levering.open(QIODevice::ReadOnly)) {
    txtLevering_->setPlainText(AlsTekst(levering.readAll()));
  } else {
    ToonOnverwachteFout(dialogen, "Form_Load", "frmAbout", kFoutNietGevonden, "Bestand niet gevonden");
  }
}

frmAbout::~frmAbout() { FormUnload(); }

void frmAbout::FormUnload() {
  if (mnuTaakInfo_) mnuTaakInfo_->setEnabled(true);
}

QUrl frmAbout::MailAdres() const {
  return QUrl(QString("mailto:") + image2_->toolTip() + "?subject= Feedback " + versie::kProductNaam);
}

void frmAbout::Image2_Click() { QDesktopServices::openUrl(MailAdres()); }

void frmAbout::paintEvent(QPaintEvent*) {
  QPainter p(this);
  TekenVerloop(p, *this, QColor(120, 0, 0), QColor(0, 0, 0));
}

}  // namespace tarvo
