#include "windows/frmIntensiteit.h"

#include "shared_ui/QtBediening.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "base/Getal.h"
#include "calc/CheckIt.h"
#include "calc/ValiDate.h"
#include "calc/Velden.h"
#include "tools/Omrekenen.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Scherm.h"
#include "shared_ui/VeldRing.h"

namespace tarvo {
namespace {

constexpr std::array<const char*, 6> kVerdRijen = {"Etmaalintensiteit", "%Uurintensiteit",  "%Motorrijwielen",
                                                   "%Lichte vtg",       "%Middelzware vtg", "%Zware vtg"};
constexpr std::array<const char*, 6> kVerdHints = {
    "Geef aantal voertuigen per etmaal",
    "Geef uurpercentage voertuigen per etmaalperiode",
    "Geef percentage motorrijwielen per etmaalperiode",
    "Geef percentage lichte voertuigen per etmaalperiode",
    "Geef percentage middelzware voertuigen per etmaalperiode",
    "Geef percentage zware voertuigen per etmaalperiode"};
constexpr std::array<const char*, 6> kIntRijen = {"Motorrijwielen", "Lichte vtg", "Middelzware vtg",
                                                  "Zware vtg",      "Bromfietsen", "Trams"};
constexpr std::array<const char*, 6> kIntHints = {
    "Geef aantal motorrijwielen per etmaalperiode", "Geef aantal lichte voertuigen per etmaalperiode",
    "Geef aantal middelzware voertuigen per etmaalperiode", "Geef aantal zware voertuigen per etmaalperiode",
    "Geef aantal bromfietsen per etmaalperiode", "Geef aantal trams per etmaalperiode"};
constexpr std::array<const char*, 3> kKolommen = {"dag", "avond", "nacht"};

// Row of a box in its grid: txtVerd 0 alone, then three per row.
int VerdRij(int index) { return index == 0 ? 0 : (index - 1) / 3 + 1; }

void Kopjes(QGridLayout* grid, int rij) {
  for (int p = 0; p < 3; ++p) {
    auto* kop = new QLabel(kKolommen[static_cast<std::size_t>(p)]);
    kop->setAlignment(Qt::AlignCenter);
    grid->addWidget(kop, rij, p + 1);
  }
}

QString Tekst(double x, const char* patroon) {
  return QString::fromStdString(Formatteer(x, patroon, LocaleDecimaal()));
}

void Kleuren(QLineEdit* edit, tarvo::Kleur k) { LineEditVak(edit).ZetAchtergrond(k); }

}  // namespace

frmIntensiteit::frmIntensiteit(WerkbladVenster& venster, Dialogen& dialogen, QWidget* ouder)
    : QDialog(ouder), venster_(venster), dialogen_(dialogen) {
  setObjectName("frmIntensiteit");
  setWindowTitle("Omrekeningstabellen verkeersgegevens");

  frameVerdeling_ = MaakVerdeling();
  frameIntensiteit_ = MaakAantallen();
  for (QPushButton* knop : {cmdOmrekenen_, cmdOK_}) {
    knop->setAutoDefault(false);
    knop->setDefault(false);
  }
  connect(cmdOmrekenen_, &QPushButton::clicked, this, &frmIntensiteit::cmdOmrekenen_Click);
  connect(cmdOK_, &QPushButton::clicked, this, &frmIntensiteit::cmdOK_Click);
  frameVerdeling_->installEventFilter(this);
  frameIntensiteit_->installEventFilter(this);
  VolgVelden();

  auto* statusBar = new QStatusBar(this);
  statusBar->setSizeGripEnabled(false);
  status_ = new QLabel(statusBar);
  status_->setObjectName("StatusBar");
  statusBar->addWidget(status_, 1);

  // The two frames scroll where the screen is smaller than they are.
  auto* vlak = new Schuifvlak(this);
  auto* inhoud = new QWidget(vlak);
  auto* frames = new QHBoxLayout(inhoud);
  frames->setContentsMargins(0, 0, 0, 0);
  frames->addWidget(frameVerdeling_);
  frames->addWidget(frameIntensiteit_);
  vlak->setWidget(inhoud);
  auto* laag = new QVBoxLayout(this);
  laag->addWidget(vlak, 1);
  laag->addWidget(statusBar);
  laag->setContentsMargins(9, 9, 9, 0);

  InitVelden();
  status_->setText("Klik op een venster");
}

QGroupBox* frmIntensiteit::MaakVerdeling() {
  auto* frame = new QGroupBox("Verdeling", this);
  frame->setObjectName("frameVerdeling");
  auto* grid = new QGridLayout(frame);
  for (int i = 0; i < kAantalVerd; ++i) verd_.push_back(MaakVak(true, i));
  grid->addWidget(new QLabel(kVerdRijen[0]), 0, 0);
  grid->addWidget(txtVerd(0), 0, 1, 1, 3);
  Kopjes(grid, 1);
  for (int r = 1; r < 6; ++r) {
    grid->addWidget(new QLabel(kVerdRijen[static_cast<std::size_t>(r)]), r + 1, 0);
    for (int p = 0; p < 3; ++p) grid->addWidget(txtVerd(3 * (r - 1) + p + 1), r + 1, p + 1);
  }
  cmdOmrekenen_ = new QPushButton("Omrekenen", frame);
  cmdOmrekenen_->setObjectName("cmdOmrekenen");
  grid->addWidget(cmdOmrekenen_, 8, 1, 1, 3);
  grid->setRowStretch(7, 1);
  return frame;
}

QGroupBox* frmIntensiteit::MaakAantallen() {
  auto* frame = new QGroupBox("Aantallen", this);
  frame->setObjectName("frameIntensiteit");
  auto* grid = new QGridLayout(frame);
  for (int i = 0; i < kAantalInt; ++i) int_.push_back(MaakVak(false, i));
  Kopjes(grid, 0);
  for (int r = 0; r < 6; ++r) {
    grid->addWidget(new QLabel(kIntRijen[static_cast<std::size_t>(r)]), r + 1, 0);
    for (int p = 0; p < 3; ++p) grid->addWidget(txtInt(3 * r + p), r + 1, p + 1);
  }
  cmdOK_ = new QPushButton("Toepassen", frame);
  cmdOK_->setObjectName("cmdOK");
  grid->addWidget(cmdOK_, 8, 1, 1, 3);
  grid->setRowStretch(7, 1);
  return frame;
}

// Each frame's boxes are a ring of their own; one saved text serves both.
void frmIntensiteit::VolgVelden() {
  auto* ring = new VeldRing(VeldRing::Escape::Herstellen, this);
  std::vector<VeldRing::Veld> verdeling, aantallen;
  for (int i = 0; i < kAantalVerd; ++i) verdeling.push_back({txtVerd(i), i > 0 ? "1234567890,." : "1234567890"});
  for (int i = 0; i < kAantalInt; ++i) aantallen.push_back({txtInt(i), "1234567890"});
  ring->VoegRingToe(verdeling);
  ring->VoegRingToe(aantallen);
  connect(ring, &VeldRing::Binnen, this, &frmIntensiteit::GotFocus);
  connect(ring, &VeldRing::Verlaten, this, &frmIntensiteit::LostFocus);
}

QLineEdit* frmIntensiteit::MaakVak(bool verd, int index) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString(verd ? "txtVerd%1" : "txtInt%1").arg(index));
  edit->setAlignment(Qt::AlignRight);
  edit->setMinimumWidth(70);
  // The boxes of the period columns as wide as the worksheet's own.
  if (!verd || index > 0) edit->setMaximumWidth(80);
  LineEditVak::ZetTag(edit, QString::fromUtf8(kNumeriek.data(), static_cast<qsizetype>(kNumeriek.size())));
  Kleuren(edit, kLichtGeel);
  return edit;
}

QString frmIntensiteit::StatusTekst() const { return status_->text(); }

void frmIntensiteit::InitVelden() {
  for (QLineEdit* e : int_) {
    e->setText(Tekst(0, "#0.00"));
    e->setEnabled(false);
  }
  cmdOK_->setEnabled(false);
  for (int i = 0; i < kAantalVerd; ++i) {
    txtVerd(i)->setText(Tekst(0, i == 0 ? "#0" : "#0.00"));
    txtVerd(i)->setEnabled(false);
  }
  cmdOmrekenen_->setEnabled(false);
}

// The focus moves before the other frame locks, or it would wander through
// every box being disabled.
void frmIntensiteit::frameVerdeling_Click() {
  for (QLineEdit* e : verd_) e->setEnabled(true);
  cmdOmrekenen_->setEnabled(true);
  txtVerd(0)->setFocus(Qt::OtherFocusReason);
  for (QLineEdit* e : int_) e->setEnabled(false);
  cmdOK_->setEnabled(false);
}

void frmIntensiteit::frameIntensiteit_Click() {
  for (QLineEdit* e : int_) e->setEnabled(true);
  cmdOK_->setEnabled(true);
  txtInt(0)->setFocus(Qt::OtherFocusReason);
  for (QLineEdit* e : verd_) e->setEnabled(false);
  cmdOmrekenen_->setEnabled(false);
}

double frmIntensiteit::Gevalideerd(QLineEdit* edit, int maximum, int minimum, const char* patroon) {
  LineEditVak vak(edit);
  const std::optional<std::string> t = ValiDate(vak, maximum, minimum, patroon, LocaleDecimaal());
  return t ? LeesGetal(*t) : std::numeric_limits<double>::quiet_NaN();
}

void frmIntensiteit::cmdOmrekenen_Click() {
  Verdeling v;
  for (int i = 0; i < kAantalVerd; ++i) {
    const double x = i == 0 ? Gevalideerd(txtVerd(0), 999999, 0, "#0") : Gevalideerd(txtVerd(i), 100, 0, "##0.00");
    // A box that is no number stays red with the focus; nothing is converted.
    if (std::isnan(x)) return;
    v.Vak(i) = x;
  }
  const VerdelingControle c = ControleerVerdeling(v);
  if (!c.ok) {
    dialogen_.Toon(std::string(c.melding), std::string(kTitelWaarschuwing), Icoon::Uitroep);
    txtVerd(c.focusVak)->setFocus(Qt::OtherFocusReason);
    return;
  }
  for (int p = 1; p <= 3; ++p) {
    for (int s = 0; s < 4; ++s) {
      const int rij = kVerdeelRijen[static_cast<std::size_t>(s)];
      txtInt(3 * rij + p - 1)->setText(Tekst(Aantal(v, s, p), "#0.00"));
    }
  }
  frameIntensiteit_Click();
}

void frmIntensiteit::cmdOK_Click() {
  static constexpr std::array<int, kAantalRijen> kVolgorde = {kRijLicht, kRijMiddel, kRijZwaar,
                                                               kRijMotor, kRijBromf,  kRijTram};
  std::array<std::array<double, 4>, kAantalRijen> waarde{};
  for (int p = 1; p <= 3; ++p) {
    for (int rij : kVolgorde) {
      const double x = Gevalideerd(txtInt(3 * rij + p - 1), 99999, -99999, "##0.00");
      if (std::isnan(x)) return;  // nothing is written from a box that is no number
      waarde[static_cast<std::size_t>(rij)][static_cast<std::size_t>(p)] = x;
    }
  }
  for (int p = 1; p <= 3; ++p) {
    for (int rij : kVolgorde) {
      TekstVak& veld = venster_.Invoer(DoelVeld(rij, p));
      veld.ZetTekst(Formatteer(Uurintensiteit(waarde[static_cast<std::size_t>(rij)][static_cast<std::size_t>(p)], p),
                               "#0.00", LocaleDecimaal()));
      veld.ZetAchtergrond(kGroen);
    }
  }
}

frmIntensiteit::Vak frmIntensiteit::Zoek(const QObject* obj) const {
  for (int i = 0; i < kAantalVerd; ++i) {
    if (obj == txtVerd(i)) return {true, i};
  }
  for (int i = 0; i < kAantalInt; ++i) {
    if (obj == txtInt(i)) return {false, i};
  }
  return {true, -1};
}

void frmIntensiteit::GotFocus(QLineEdit* edit) {
  const Vak v = Zoek(edit);
  const int rij = v.verd ? VerdRij(v.index) : v.index / 3;
  status_->setText((v.verd ? kVerdHints : kIntHints)[static_cast<std::size_t>(rij)]);
}

void frmIntensiteit::LostFocus(QLineEdit* edit) {
  const Vak v = Zoek(edit);
  if (!v.verd) Gevalideerd(edit, 999999, 0, "#0.00");
  else if (v.index == 0) Gevalideerd(edit, 999999, 0, "#0");
  else Gevalideerd(edit, 100, 0, "#0.00");
}

bool frmIntensiteit::eventFilter(QObject* obj, QEvent* event) {
  if ((obj == frameVerdeling_ || obj == frameIntensiteit_) && event->type() == QEvent::MouseButtonPress) {
    if (obj == frameVerdeling_) frameVerdeling_Click();
    else frameIntensiteit_Click();
    return true;
  }
  return QDialog::eventFilter(obj, event);
}

}  // namespace tarvo
