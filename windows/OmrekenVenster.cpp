#include "windows/OmrekenVenster.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "base/Getal.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Kleuren.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Scherm.h"
#include "shared_ui/Tekstvak.h"
#include "shared_ui/VeldRing.h"
#include "tools/Omrekenen.h"

namespace tarvo {
namespace {

constexpr std::array<const char*, 3> kKolommen = {"dag", "avond", "nacht"};

// Row of a distribution box in its grid: the day total alone, then three per row.
int VerdelingRij(int index) { return index == 0 ? 0 : (index - 1) / 3 + 1; }

void Kopjes(QGridLayout* grid, int rij) {
  for (int p = 0; p < 3; ++p) {
    auto* kop = new QLabel(kKolommen[static_cast<std::size_t>(p)]);
    kop->setAlignment(Qt::AlignCenter);
    grid->addWidget(kop, rij, p + 1);
  }
}

QString Tekst(double x, std::string_view patroon) {
  return QString::fromStdString(Formatteer(x, patroon, LocaleDecimaal()));
}

}  // namespace

OmrekenVenster::OmrekenVenster(Dialogen& dialogen, QWidget* ouder) : QDialog(ouder), dialogen_(dialogen) {
  setObjectName("OmrekenVenster");
  setWindowTitle("Omrekeningstabellen verkeersgegevens");

  verdelingKader_ = MaakVerdeling();
  aantallenKader_ = MaakAantallen();
  for (QPushButton* knop : {omrekenKnop_, toepasKnop_}) {
    knop->setAutoDefault(false);
    knop->setDefault(false);
  }
  connect(omrekenKnop_, &QPushButton::clicked, this, &OmrekenVenster::RekenOm);
  connect(toepasKnop_, &QPushButton::clicked, this, &OmrekenVenster::PasToe);
  // A frame opens by a click anywhere on it, or as a check box by its title,
  // Tab and Space, or its access key: Alt+V, Alt+A. Once open it stays open
  // until the other one opens.
  for (QGroupBox* kader : {verdelingKader_, aantallenKader_}) {
    kader->installEventFilter(this);
    kader->setCheckable(true);
    kader->setChecked(false);
    connect(kader, &QGroupBox::toggled, this, [this, kader](bool aan) {
      if (aan) {
        kader == verdelingKader_ ? OpenVerdeling() : OpenAantallen();
        // The access key gives the title the focus after this: the first box takes it back.
        QTimer::singleShot(0, this, [this, kader] {
          if (kader->hasFocus())
            (kader == verdelingKader_ ? verdeling(0) : aantal(0))->setFocus(Qt::ShortcutFocusReason);
        });
      } else if (!verdelingKader_->isChecked() && !aantallenKader_->isChecked()) {
        const QSignalBlocker stil(kader);
        kader->setChecked(true);
      }
    });
  }
  VolgVelden();

  // The two frames scroll where the screen is smaller than they are.
  auto* vlak = new Schuifvlak(this);
  auto* inhoud = new QWidget(vlak);
  auto* kaders = new QHBoxLayout(inhoud);
  kaders->setContentsMargins(0, 0, 0, 0);
  kaders->addWidget(verdelingKader_);
  kaders->addWidget(aantallenKader_);
  vlak->setWidget(inhoud);
  auto* laag = new QVBoxLayout(this);
  laag->addWidget(vlak, 1);
  laag->addWidget(MaakStatus());
  laag->setContentsMargins(9, 9, 9, 0);

  ZetNul();
  status_->setText("Kies Verdeling (Alt+V) of Aantallen (Alt+A)");
}

QStatusBar* OmrekenVenster::MaakStatus() {
  auto* balk = new QStatusBar(this);
  balk->setSizeGripEnabled(false);
  status_ = new QLabel(balk);
  status_->setObjectName("status");
  balk->addWidget(status_, 1);
  return balk;
}

QGroupBox* OmrekenVenster::MaakVerdeling() {
  auto* kader = new QGroupBox("&Verdeling", this);
  kader->setObjectName("verdelingKader");
  auto* grid = new QGridLayout(kader);
  for (int i = 0; i < kAantalVerdeling; ++i) verdeling_.push_back(MaakVak(true, i));
  grid->addWidget(new QLabel(QTekst(kVerdelingRijen[0])), 0, 0);
  grid->addWidget(verdeling(0), 0, 1, 1, 3);
  Kopjes(grid, 1);
  for (int r = 1; r < 6; ++r) {
    grid->addWidget(new QLabel(QTekst(kVerdelingRijen[static_cast<std::size_t>(r)])), r + 1, 0);
    for (int p = 0; p < 3; ++p) grid->addWidget(verdeling(3 * (r - 1) + p + 1), r + 1, p + 1);
  }
  omrekenKnop_ = new QPushButton("&Omrekenen", kader);
  omrekenKnop_->setObjectName("omrekenKnop");
  grid->addWidget(omrekenKnop_, 8, 1, 1, 3);
  grid->setRowStretch(7, 1);
  return kader;
}

QGroupBox* OmrekenVenster::MaakAantallen() {
  auto* kader = new QGroupBox("&Aantallen", this);
  kader->setObjectName("aantallenKader");
  auto* grid = new QGridLayout(kader);
  for (int i = 0; i < kAantalAantallen; ++i) aantal_.push_back(MaakVak(false, i));
  Kopjes(grid, 0);
  for (int r = 0; r < 6; ++r) {
    grid->addWidget(new QLabel(QTekst(kAantallenRijen[static_cast<std::size_t>(r)])), r + 1, 0);
    for (int p = 0; p < 3; ++p) grid->addWidget(aantal(3 * r + p), r + 1, p + 1);
  }
  toepasKnop_ = new QPushButton("&Toepassen", kader);
  toepasKnop_->setObjectName("toepasKnop");
  grid->addWidget(toepasKnop_, 8, 1, 1, 3);
  grid->setRowStretch(7, 1);
  return kader;
}

// Each frame's boxes are a ring of their own. Escape closes the window, as
// in any dialog: its counts are only a help to fill in the worksheet.
void OmrekenVenster::VolgVelden() {
  auto* ring = new VeldRing(VeldRing::Escape::Sluiten, this);
  std::vector<VeldRing::Veld> verdeling, aantallen;
  for (int i = 0; i < kAantalVerdeling; ++i) {
    verdeling.push_back({this->verdeling(i), QString::fromUtf8(VakTekens(true, i))});
  }
  for (int i = 0; i < kAantalAantallen; ++i) aantallen.push_back({aantal(i), QString::fromUtf8(VakTekens(false, i))});
  ring->VoegRingToe(verdeling);
  ring->VoegRingToe(aantallen);
  connect(ring, &VeldRing::Binnen, this, &OmrekenVenster::ToonHint);
  connect(ring, &VeldRing::Verlaten, this, &OmrekenVenster::ControleerVak);
}

QLineEdit* OmrekenVenster::MaakVak(bool verdeling, int index) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString(verdeling ? "verdeling(%1)" : "aantal(%1)").arg(index));
  edit->setAlignment(Qt::AlignRight);
  edit->setMinimumWidth(70);
  // The boxes of the period columns as wide as the worksheet's own.
  if (!verdeling || index > 0) edit->setMaximumWidth(80);
  ZetAchtergrond(edit, kLichtGeel);
  return edit;
}

QString OmrekenVenster::StatusTekst() const { return status_->text(); }

void OmrekenVenster::ZetNul() {
  for (QLineEdit* e : aantal_) {
    e->setText(Tekst(0, kAantalPatroon));
    e->setEnabled(false);
  }
  toepasKnop_->setEnabled(false);
  for (int i = 0; i < kAantalVerdeling; ++i) {
    verdeling(i)->setText(Tekst(0, VakBereik(true, i).patroon));
    verdeling(i)->setEnabled(false);
  }
  omrekenKnop_->setEnabled(false);
}

// The focus moves before the other frame locks, or it would wander through
// every box being disabled.
void OmrekenVenster::OpenVerdeling() {
  ZetKaders(true);
  for (QLineEdit* e : verdeling_) e->setEnabled(true);
  omrekenKnop_->setEnabled(true);
  verdeling(0)->setFocus(Qt::OtherFocusReason);
  for (QLineEdit* e : aantal_) e->setEnabled(false);
  toepasKnop_->setEnabled(false);
}

void OmrekenVenster::OpenAantallen() {
  ZetKaders(false);
  for (QLineEdit* e : aantal_) e->setEnabled(true);
  toepasKnop_->setEnabled(true);
  aantal(0)->setFocus(Qt::OtherFocusReason);
  for (QLineEdit* e : verdeling_) e->setEnabled(false);
  omrekenKnop_->setEnabled(false);
}

std::optional<std::string> OmrekenVenster::Gecontroleerd(QLineEdit* edit) {
  const Vak v = Zoek(edit);
  const GetalBereik& b = VakBereik(v.verdeling, v.index);
  return ValideerVak(edit, Soort::Numeriek, b.maximum, b.minimum, b.patroon, LocaleDecimaal());
}

// The check boxes of the frames' titles follow which frame is open.
void OmrekenVenster::ZetKaders(bool verdeling) {
  const QSignalBlocker stilV(verdelingKader_), stilA(aantallenKader_);
  verdelingKader_->setChecked(verdeling);
  aantallenKader_->setChecked(!verdeling);
}

void OmrekenVenster::RekenOm() {
  Verdeling v;
  for (int i = 0; i < kAantalVerdeling; ++i) {
    const auto x = Gecontroleerd(verdeling(i));
    // A box that is no number stays red with the focus; nothing is converted.
    if (!x) return;
    v.Vak(i) = LeesGetal(*x);
  }
  const VerdelingControle c = ControleerVerdeling(v);
  if (!c.ok) {
    Waarschuw(dialogen_, std::string(c.melding));
    verdeling(c.focusVak)->setFocus(Qt::OtherFocusReason);
    return;
  }
  for (const auto& [vak, tekst] : AantalTeksten(v, LocaleDecimaal()))
    aantal(vak)->setText(QString::fromStdString(tekst));
  OpenAantallen();
}

void OmrekenVenster::PasToe() {
  VeldTeksten teksten;
  for (int p = 1; p <= 3; ++p) {
    for (int rij : kToepasVolgorde) {
      const auto tekst = Gecontroleerd(aantal(3 * rij + p - 1));
      if (!tekst) return;  // nothing is handed over from a box that is no number
      teksten.emplace_back(DoelVeld(rij, p), *UurTekst(*tekst, p, LocaleDecimaal()));
    }
  }
  emit Toegepast(teksten);
}

OmrekenVenster::Vak OmrekenVenster::Zoek(const QObject* obj) const {
  for (int i = 0; i < kAantalVerdeling; ++i) {
    if (obj == verdeling(i)) return {true, i};
  }
  for (int i = 0; i < kAantalAantallen; ++i) {
    if (obj == aantal(i)) return {false, i};
  }
  return {true, -1};
}

void OmrekenVenster::ToonHint(QLineEdit* edit) {
  const Vak v = Zoek(edit);
  const int rij = v.verdeling ? VerdelingRij(v.index) : v.index / 3;
  status_->setText(QTekst((v.verdeling ? kVerdelingHints : kAantallenHints)[static_cast<std::size_t>(rij)]));
}

void OmrekenVenster::ControleerVak(QLineEdit* edit) { (void)Gecontroleerd(edit); }

bool OmrekenVenster::eventFilter(QObject* obj, QEvent* event) {
  if ((obj == verdelingKader_ || obj == aantallenKader_) && event->type() == QEvent::MouseButtonPress) {
    if (obj == verdelingKader_)
      OpenVerdeling();
    else
      OpenAantallen();
    return true;
  }
  return QDialog::eventFilter(obj, event);
}

}  // namespace tarvo
