#include "windows/InfoVenster.h"

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
#include "shared_ui/QtTekst.h"
#include "shared_ui/Verloop.h"
#include "shared_ui/Versie.h"
#include "windows/Gebruikersnaam.h"

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

InfoVenster::InfoVenster(const Catalogus& catalogus, Dialogen& dialogen, const QString& dataMap, QAction* infoActie,
                         QWidget* ouder)
    : QDialog(ouder), infoActie_(infoActie) {
  setObjectName("InfoVenster");
  if (infoActie_) infoActie_->setEnabled(false);
  setWindowTitle(QString("Info ") + versie::kTitel);
  setAttribute(Qt::WA_OpaquePaintEvent);

  MaakTeksten(catalogus);
  MaakLevering(dialogen, dataMap);
  mailKnop_ = new QToolButton(this);
  mailKnop_->setObjectName("mailKnop");
  mailKnop_->setIcon(EnvelopIcoon());
  mailKnop_->setIconSize(QSize(32, 32));
  mailKnop_->setAutoRaise(true);
  mailKnop_->setCursor(Qt::PointingHandCursor);
  mailKnop_->setToolTip(versie::kContactAdres);
  connect(mailKnop_, &QToolButton::clicked, this, &InfoVenster::SchrijfMail);

  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* kop = new QHBoxLayout;
  kop->addWidget(titel_, 1);
  kop->addWidget(mailKnop_, 0, Qt::AlignTop);
  auto* voet = new QHBoxLayout;
  voet->addWidget(copyright_, 1);
  voet->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 14);
  layout->addLayout(kop);
  layout->addWidget(beschrijving_);
  layout->addSpacing(6);
  layout->addWidget(versieEnGebruiker_);
  layout->addWidget(levering_, 1);
  layout->addLayout(voet);
  resize(560, 480);
  connect(this, &QDialog::finished, this, &InfoVenster::GeefInfoActieVrij);
}

// Title, what the program computes, version and user, copyright.
void InfoVenster::MaakTeksten(const Catalogus& catalogus) {
  titel_ = WitLabel(versie::kProductNaam, this);
  titel_->setObjectName("titel");
  QFont groot = titel_->font();
  groot.setPointSizeF(groot.pointSizeF() * 2.2);
  groot.setBold(true);
  titel_->setFont(groot);

  const QString crlf = "\r\n";
  beschrijving_ = WitLabel(
      "Berekening van de geluidsbelasting ten gevolge van wegverkeerslawaai volgens de Standaard-rekenmethode 1 uit "
      "het Reken- en meetvoorschrift geluid 2012 (RMG 2012 inclusief wijziging van 19 mei 2014)." +
          crlf + "---" + crlf + "De wegdekcorrecties zijn ontleend aan de wegdektypering van " +
          QTekst(kWegdekSiteNaam) + ", " + QTekst(kWegdekSiteAdres) + ".",
      this);
  beschrijving_->setObjectName("beschrijving");

  const QString versieTekst = QString("%1.%2").arg(versie::kMajor).arg(versie::kMinor);
  versieEnGebruiker_ = WitLabel(QString(versie::kBestandsOmschrijving) + ", versie " + versieTekst + " rev" +
                                    QString::number(versie::kRevisie) + " (" + versie::kOpmerkingen + ")" + crlf +
                                    "Gebruiker :" + crlf + LabelTekst(Bijgesneden(catalogus.GebruikersLabelnaam)),
                                this);
  versieEnGebruiker_->setObjectName("versieEnGebruiker");

  copyright_ = WitLabel(versie::kCopyright, this);
  copyright_->setObjectName("copyright");
}

void InfoVenster::MaakLevering(Dialogen& dialogen, const QString& dataMap) {
  levering_ = new QTextBrowser(this);
  levering_->setObjectName("levering");
  levering_->setOpenLinks(false);
  levering_->setPlainText(kGeenLevering);
  QFile levering(QDir(dataMap).filePath("levering.txt"));
  if (levering.open(QIODevice::ReadOnly)) {
    levering_->setPlainText(AlsTekst(levering.readAll()));
  } else {
    // The procedure and form its message has always named.
    ToonOnverwachteFout(dialogen, "Form_Load", "frmAbout", kFoutNietGevonden, "Bestand niet gevonden");
  }
}

InfoVenster::~InfoVenster() { GeefInfoActieVrij(); }

void InfoVenster::GeefInfoActieVrij() {
  if (infoActie_) infoActie_->setEnabled(true);
}

QUrl InfoVenster::MailAdres() const {
  return QUrl(QString("mailto:") + mailKnop_->toolTip() + "?subject= Feedback " + versie::kProductNaam);
}

void InfoVenster::SchrijfMail() { QDesktopServices::openUrl(MailAdres()); }

void InfoVenster::paintEvent(QPaintEvent*) {
  QPainter p(this);
  TekenVerloop(p, *this, QColor(120, 0, 0), QColor(0, 0, 0));
}

}  // namespace tarvo
