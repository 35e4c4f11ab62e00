#include "windows/WerkbladFormulier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "calc/Bijschriften.h"
#include "calc/Velden.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Kleuren.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/VeldFilter.h"
#include "windows/RailVenster.h"

namespace tarvo {
namespace {

const QColor kVeldTekst(64, 64, 64);
const QColor kResultaatTekst(192, 0, 0);
const QColor kResultaatGeel(255, 255, 0);
// The colour Windows gives an inactive window border, behind the result labels.
const QColor kInactieveRand(212, 208, 200);

// Columns of the grid: captions, the three periods, the speed's caption and
// field; the results take a column of their own beside the traffic rows,
// behind a gap column; the last column takes what a wider window adds.
constexpr int kKolomSnelheid = 5;
constexpr int kKolomRechts = 7;

// A result label: yellow text on the light border colour is only legible
// with a dark rim around the letters.
class WaardeLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!isEnabled() || text().isEmpty()) {
      QLabel::paintEvent(event);
      return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect vak = contentsRect();
    const QFontMetrics fm(font());
    const int breedte = fm.horizontalAdvance(text());
    int x = vak.left();
    if (alignment() & Qt::AlignRight)
      x = vak.right() - breedte;
    else if (alignment() & Qt::AlignHCenter)
      x = vak.left() + (vak.width() - breedte) / 2;
    const int y = vak.top() + (vak.height() - fm.height()) / 2 + fm.ascent();
    QPainterPath pad;
    pad.addText(x, y, font(), text());
    p.strokePath(pad, QPen(QColor(60, 0, 0), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(pad, palette().color(QPalette::WindowText));
  }
};

// The fields the table places at `plaats`, in the order of their numbers.
std::vector<int> VeldenOp(VeldPlaats plaats) {
  std::vector<int> velden;
  for (int k = 0; k < kAantalVelden; ++k) {
    if (Veld(k).plaats == plaats) velden.push_back(k);
  }
  return velden;
}

}  // namespace

// One grid, so that the captions, the fields of the traffic rows and of the
// geometry share their columns. The last column takes what a larger window
// adds: the names and the remark lines grow, the results stay beside the
// traffic rows.
WerkbladFormulier::WerkbladFormulier(Dialogen& dialogen, char decimaal, QWidget* ouder)
    : QWidget(ouder), dialogen_(dialogen), decimaal_(decimaal), helpTekst_(kHelpOntbreekt) {
  setObjectName("formulier");
  MaakVelden();
  auto* raster = new QGridLayout(this);
  raster->setContentsMargins(12, 10, 12, 8);
  raster->setHorizontalSpacing(8);
  raster->setVerticalSpacing(3);
  const int rijKoppen = Namen(raster);
  const int rijGeometrie = Verkeersraster(raster, rijKoppen) + 1;
  raster->addLayout(Uitkomsten(), rijKoppen, kKolomRechts, rijGeometrie - 1 - rijKoppen, 1);
  raster->setRowMinimumHeight(rijGeometrie - 1, 6);
  const int rijToelichting = Geometrie(raster, rijGeometrie) + 1;
  raster->addLayout(Schakelaars(), rijGeometrie, kKolomRechts, rijToelichting - 1 - rijGeometrie, 2);
  raster->setRowMinimumHeight(rijToelichting - 1, 6);
  Toelichting(raster, rijToelichting);
  raster->setRowStretch(rijToelichting + kAantalToelichtingen, 1);
  raster->setColumnMinimumWidth(kKolomRechts - 1, 8);
  raster->setColumnStretch(kKolomRechts + 1, 1);
  ZetTabVolgorde();
  VolgVelden();
  VolgWijzigingen();
}

// ---------------------------------------------------------------- layout

// Every field of the table; the derived ones greyed.
void WerkbladFormulier::MaakVelden() {
  for (int k = 0; k < kAantalVelden; ++k) {
    const VeldInfo& v = Veld(k);
    auto* e = new QLineEdit(this);
    e->setObjectName(QString("veld(%1)").arg(k));
    const bool afgeleid = v.soort == VeldSoort::Afgeleid;
    ZetPaletKleur(e, QPalette::Base, afgeleid ? palette().color(QPalette::Button).darker(104) : kLichtGeel, true);
    ZetPaletKleur(e, QPalette::Text, kVeldTekst, false);
    // A name holds no more than its file keeps.
    if (v.soort == VeldSoort::Tekst) e->setMaxLength(static_cast<int>(kNaamVeldLengte));
    if (v.soort != VeldSoort::Tekst) {
      e->setAlignment(Qt::AlignRight);
      e->setFixedWidth(80);
    }
    velden_[static_cast<std::size_t>(k)] = e;
  }
}

QLabel* WerkbladFormulier::MaakBijschrift(std::string_view tekst) {
  auto* l = new QLabel(QTekst(tekst), this);
  bijschriften_.push_back(l);
  return l;
}

// The names across the window's width, one row each; the next free row.
int WerkbladFormulier::Namen(QGridLayout* raster) {
  int rij = 0;
  for (int k : VeldenOp(VeldPlaats::Naam)) {
    raster->addWidget(MaakBijschrift(Veld(k).bijschrift), rij, 0);
    raster->addWidget(veld(k), rij, 1, 1, kKolomRechts + 1);
    ++rij;
  }
  return rij;
}

// The traffic from row `rij`: the period heads, one row per category with
// its speed, and the two derived rows; the next free row.
int WerkbladFormulier::Verkeersraster(QGridLayout* raster, int rij) {
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    QLabel* kop = MaakBijschrift(kPeriodeNamen[static_cast<std::size_t>(p - 1)]);
    kop->setAlignment(Qt::AlignCenter);
    raster->addWidget(kop, rij, p);
  }
  for (int c = 0; c < kAantalCategorieen; ++c) {
    ++rij;
    const VeldInfo& snelheid = Veld(SnelheidVeld(c));
    raster->addWidget(MaakBijschrift(snelheid.bijschrift), rij, 0);
    for (int p = 1; p <= kAantalPeriodes; ++p) raster->addWidget(veld(IntensiteitVeld(c, p)), rij, p);
    QLabel* v = MaakBijschrift(snelheid.kolom);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    raster->addWidget(v, rij, kKolomSnelheid - 1);
    raster->addWidget(veld(snelheid.index), rij, kKolomSnelheid);
  }
  for (int (*afgeleid)(int) : {TotaalVeld, VrachtVeld}) {
    ++rij;
    raster->addWidget(MaakBijschrift(Veld(afgeleid(1)).bijschrift), rij, 0);
    for (int p = 1; p <= kAantalPeriodes; ++p) raster->addWidget(veld(afgeleid(p)), rij, p);
  }
  return rij + 1;
}

// Geometry from row `rij`: the left fields under the day column, the right
// ones under the speeds; the next free row. The caption of the horizontal
// distance opens the level-distance diagram.
int WerkbladFormulier::Geometrie(QGridLayout* raster, int rij) {
  const std::vector<int> links = VeldenOp(VeldPlaats::GeometrieLinks);
  const std::vector<int> rechts = VeldenOp(VeldPlaats::GeometrieRechts);
  for (std::size_t r = 0; r < std::max(links.size(), rechts.size()); ++r, ++rij) {
    if (r < links.size()) {
      raster->addWidget(MaakBijschrift(Veld(links[r]).bijschrift), rij, 0);
      raster->addWidget(veld(links[r]), rij, 1);
    }
    if (r < rechts.size()) {
      QLabel* bijschrift = MaakBijschrift(Veld(rechts[r]).bijschrift);
      bijschrift->setIndent(12);
      raster->addWidget(bijschrift, rij, 2, 1, kKolomSnelheid - 2);
      raster->addWidget(veld(rechts[r]), rij, kKolomSnelheid);
      if (rechts[r] == veld::kAfstandHor) afstandBijschrift_ = bijschrift;
    }
  }
  afstandBijschrift_->setObjectName("afstandBijschrift");
  afstandBijschrift_->setCursor(Qt::PointingHandCursor);
  afstandBijschrift_->installEventFilter(this);
  return rij;
}

// Road surface, switches, tram.
QGridLayout* WerkbladFormulier::Schakelaars() {
  wegdekLijst_ = new QComboBox(this);
  wegdekLijst_->setObjectName("wegdekLijst");
  // The names are 30 characters; the list pads them to 40 with blanks.
  wegdekLijst_->setMinimumContentsLength(static_cast<int>(kOmschrijvingLengte) + 2);
  wegdekLijst_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  connect(wegdekLijst_, &QComboBox::activated, this, &WerkbladFormulier::KiesWegdek);
  wegdekBijschrift_ = new QLabel(QTekst(kBijschriftWegdek), this);
  wegdekBijschrift_->setBuddy(wegdekLijst_);
  zoneSchakelaar_ = new QCheckBox(QTekst(kBijschriftZone), this);
  zoneSchakelaar_->setObjectName("zoneSchakelaar");
  connect(zoneSchakelaar_, &QCheckBox::clicked, this, &WerkbladFormulier::SchakelZone);
  aftrekSchakelaar_ = new QCheckBox(QTekst(kBijschriftAftrek), this);
  aftrekSchakelaar_->setObjectName("aftrekSchakelaar");
  railKnop_ = new QPushButton(QTekst(kBijschriftRail), this);
  railKnop_->setObjectName("railKnop");
  connect(railKnop_, &QPushButton::clicked, this, &WerkbladFormulier::KiesRail);

  auto* schakelaars = new QGridLayout;
  schakelaars->setHorizontalSpacing(8);
  schakelaars->setVerticalSpacing(3);
  schakelaars->addWidget(wegdekBijschrift_, 0, 0);
  schakelaars->addWidget(wegdekLijst_, 0, 1, 1, 2);
  schakelaars->addWidget(zoneSchakelaar_, 1, 1);
  schakelaars->addWidget(railKnop_, 1, 2, Qt::AlignLeft);
  schakelaars->addWidget(aftrekSchakelaar_, 2, 1, 1, 2);
  schakelaars->setColumnStretch(3, 1);
  schakelaars->setRowStretch(3, 1);
  return schakelaars;
}

// The caption beside the remark lines, which grow with the window.
void WerkbladFormulier::Toelichting(QGridLayout* raster, int rij) {
  toelichtingKop_ = new QLabel(QTekst(kBijschriftToelichting), this);
  toelichtingKop_->setObjectName("toelichtingKop");
  raster->addWidget(toelichtingKop_, rij, 0);
  for (int i = 0; i < kAantalToelichtingen; ++i) {
    auto* t = new QLineEdit(this);
    t->setObjectName(QString("toelichtingRegel(%1)").arg(i));
    t->setMaxLength(static_cast<int>(kToelichtingLengte));
    ZetPaletKleur(t, QPalette::Base, kLichtGeel, true);
    ZetPaletKleur(t, QPalette::Text, kVeldTekst, false);
    toelichtingRegels_[static_cast<std::size_t>(i)] = t;
    raster->addWidget(t, rij + i, 1, 1, kKolomRechts + 1);
  }
}

// The level names and values, the dose-effect link and the deduction line.
void WerkbladFormulier::MaakNiveaus() {
  const auto maak = [this](const QString& tekst, const QString& naam) {
    auto* l = new WaardeLabel(tekst, resultaatKader_);
    l->setObjectName(naam);
    l->setAutoFillBackground(true);
    ZetPaletKleur(l, QPalette::Window, kInactieveRand, true);
    ZetPaletKleur(l, QPalette::WindowText, kResultaatTekst, false);
    l->setContentsMargins(4, 2, 4, 2);
    l->installEventFilter(this);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    l->setFont(f);
    return l;
  };
  for (std::size_t n = 0; n < niveauNamen_.size(); ++n) {
    niveauNamen_[n] = maak(QTekst(kNiveauNamen[n]), QString("niveauNaam(%1)").arg(n));
    niveauWaarden_[n] = maak("", QString("niveauWaarde(%1)").arg(n));
  }
  dosisEffectVerwijzing_ = maak(QTekst(kBijschriftDosisEffect), "dosisEffectVerwijzing");
  // The levels are shown less the deduction; this line says so.
  aftrekRegel_ = new QLabel(resultaatKader_);
  aftrekRegel_->setObjectName("aftrekRegel");
  aftrekRegel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  aftrekRegel_->setVisible(false);
  aftrekRegel_->installEventFilter(this);
  art35Regel_ = new QLabel(resultaatKader_);
  art35Regel_->setObjectName("art35Regel");
  art35Regel_->setWordWrap(true);
  art35Regel_->setVisible(false);
  art35Regel_->installEventFilter(this);
}

// The result frame with its labels, and under it the calculation button.
// The frame takes the focus when it shows results, so that the scroll area
// brings it into view and the keyboard can reach it.
QVBoxLayout* WerkbladFormulier::Uitkomsten() {
  resultaatKader_ = new QGroupBox(QTekst(kBijschriftResultaten), this);
  resultaatKader_->setObjectName("resultaatKader");
  resultaatKader_->setFocusPolicy(Qt::TabFocus);
  resultaatKader_->installEventFilter(this);
  MaakNiveaus();
  auto* uitkomsten = new QGridLayout(resultaatKader_);
  uitkomsten->setHorizontalSpacing(10);
  const int breedte = niveauWaarde(0)->fontMetrics().horizontalAdvance("000,0 dB(A)") + 12;
  for (int n = 0; n < 3; ++n) {
    uitkomsten->addWidget(niveauNaam(n), n, 0);
    niveauWaarde(n)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    niveauWaarde(n)->setMinimumWidth(breedte);
    uitkomsten->addWidget(niveauWaarde(n), n, 1);
  }
  uitkomsten->addWidget(aftrekRegel_, 3, 0, 1, 2);
  dosisEffectVerwijzing_->setCursor(Qt::PointingHandCursor);
  dosisEffectVerwijzing_->setAlignment(Qt::AlignCenter);
  uitkomsten->addWidget(dosisEffectVerwijzing_, 4, 0, 1, 2);
  art35Regel_->setMaximumWidth(breedte * 2);
  uitkomsten->addWidget(art35Regel_, 5, 0, 1, 2);

  berekenKnop_ = new QPushButton(QTekst(kBijschriftBerekenen), this);
  berekenKnop_->setObjectName("berekenKnop");
  berekenKnop_->setMinimumHeight(36);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(resultaatKader_);
  rechts->addSpacing(8);
  rechts->addWidget(berekenKnop_);
  rechts->addStretch(1);
  return rechts;
}

// Tab follows the ring of Enter and the arrows.
void WerkbladFormulier::ZetTabVolgorde() {
  QWidget* vorige = veld(veld::kWaarneempunt);
  auto volg = [&](QWidget* w) {
    setTabOrder(vorige, w);
    vorige = w;
  };
  for (int k = 1; k < kAantalVelden; ++k) {
    if (Veld(k).toetsen != Toetsen::Geen) volg(veld(k));
  }
  volg(wegdekLijst_);
  volg(zoneSchakelaar_);
  volg(railKnop_);
  volg(aftrekSchakelaar_);
  for (QLineEdit* t : toelichtingRegels_) volg(t);
  volg(resultaatKader_);
  volg(berekenKnop_);
}

void WerkbladFormulier::VolgVelden() {
  veldFilter_ = new VeldFilter(velden_, toelichtingRegels_, decimaal_, dialogen_, this);
  connect(veldFilter_, &VeldFilter::HelpTekst, this, [this](const std::string& tekst) { helpTekst_ = tekst; });
  connect(veldFilter_, &VeldFilter::Melding, this, [this](const std::string& tekst) { emit Melding(QTekst(tekst)); });
  veldFilter_->VolgHelp(aftrekSchakelaar_, kHelpAftrek);
  veldFilter_->VolgHelp(zoneSchakelaar_, kHelpZone);
  veldFilter_->VolgHelp(railKnop_, kHelpGeenInfo);
  veldFilter_->VolgHelp(wegdekLijst_, kHelpWegdek);
  veldFilter_->VolgHelp(berekenKnop_, kHelpBerekening);
}

// Only what the user does counts: the program writes into locked fields.
// A field the traffic conversion fills is open for input, so that counts too.
void WerkbladFormulier::VolgWijzigingen() {
  for (QLineEdit* e : velden_) {
    connect(e, &QLineEdit::textChanged, this, [this, e] {
      if (e->isEnabled()) emit Gewijzigd();
    });
  }
  for (QLineEdit* t : toelichtingRegels_) {
    connect(t, &QLineEdit::textChanged, this, [this, t] {
      if (t->isEnabled()) emit Gewijzigd();
    });
  }
  connect(aftrekSchakelaar_, &QCheckBox::clicked, this, &WerkbladFormulier::Gewijzigd);
}

// ---------------------------------------------------------------- by mode

void WerkbladFormulier::ZetBijschriftenIngeschakeld(bool aan) {
  for (QLabel* l : bijschriften_) l->setEnabled(aan);
}

void WerkbladFormulier::ZetKeuzesIngeschakeld(bool aan) {
  for (QLineEdit* t : toelichtingRegels_) t->setEnabled(aan);
  for (QWidget* w : std::initializer_list<QWidget*>{zoneSchakelaar_, aftrekSchakelaar_, toelichtingKop_, railKnop_,
                                                    wegdekLijst_, wegdekBijschrift_}) {
    w->setEnabled(aan);
  }
}

void WerkbladFormulier::VerbergUitkomsten() {
  for (QLabel* l : niveauWaarden_) l->setVisible(false);
  aftrekRegel_->setVisible(false);
  art35Regel_->setVisible(false);
  for (QLabel* l : niveauNamen_) l->setEnabled(false);
  dosisEffectVerwijzing_->setEnabled(false);
  resultaatKader_->setEnabled(false);
}

void WerkbladFormulier::Vergrendel() {
  invoer_ = false;
  ZetBijschriftenIngeschakeld(false);
  VerbergUitkomsten();
  for (int k = 0; k < kAantalVelden; ++k) {
    veld(k)->setEnabled(false);
    if (Veld(k).soort == VeldSoort::Afgeleid) continue;
    ZetAchtergrond(veld(k), kLichtGeel);
    veld(k)->setToolTip({});
  }
  ZetKeuzesIngeschakeld(false);
}

// With the zone on, the speeds stay locked at 30 and keep what was typed.
void WerkbladFormulier::OpenInvoer() {
  invoer_ = true;
  ZetBijschriftenIngeschakeld(true);
  VerbergUitkomsten();
  for (int k = 0; k < kAantalVelden; ++k) veld(k)->setEnabled(Veld(k).soort != VeldSoort::Afgeleid);
  if (zoneSchakelaar_->isChecked()) {
    for (int k : kSnelheidVelden) veld(k)->setEnabled(false);
  }
  ZetKeuzesIngeschakeld(true);
  veld(veld::kWaarneempunt)->setFocus(Qt::OtherFocusReason);
}

// The frame takes the focus, so that the scroll area brings it into view,
// once its levels have their room; and before the fields lock, which would
// otherwise pass the focus from field to field.
void WerkbladFormulier::ToonResultaat() {
  invoer_ = false;
  resultaatKader_->setEnabled(true);
  ZetBijschriftenIngeschakeld(false);
  for (QLabel* l : niveauWaarden_) l->setVisible(true);
  aftrekRegel_->setVisible(!aftrekRegel_->text().isEmpty());
  art35Regel_->setVisible(!art35Regel_->text().isEmpty());
  for (QLabel* l : {niveauNaam(0), niveauWaarde(0), niveauNaam(1), niveauWaarde(1), niveauNaam(2), niveauWaarde(2),
                    dosisEffectVerwijzing_}) {
    l->setEnabled(true);
    ZetPaletKleur(l, QPalette::WindowText, kResultaatGeel, false);
  }
  resultaatKader_->layout()->activate();
  layout()->activate();
  resultaatKader_->setFocus(Qt::OtherFocusReason);
  for (QLineEdit* e : velden_) e->setEnabled(false);
  ZetKeuzesIngeschakeld(false);
}

void WerkbladFormulier::ZetBerekenbaar(bool aan) { berekenKnop_->setVisible(aan); }

// ---------------------------------------------------------------- the worksheet on the controls

Werkblad WerkbladFormulier::HuidigWerkblad() const {
  Werkblad w;
  for (int k = 0; k < kAantalVelden; ++k) w.veld[static_cast<std::size_t>(k)] = veld(k)->text().toStdString();
  w.zone = zoneSchakelaar_->isChecked();
  if (w.zone) {
    for (int c = 0; c < kAantalCategorieen; ++c) {
      w.veld[static_cast<std::size_t>(SnelheidVeld(c))] = bewaardeSnelheden_[static_cast<std::size_t>(c)];
    }
  }
  for (int i = 0; i < kAantalToelichtingen; ++i) {
    w.toelichting[static_cast<std::size_t>(i)] = toelichtingRegel(i)->text().toStdString();
    w.toelichtingBewerkt[static_cast<std::size_t>(i)] = toelichtingRegel(i)->isModified();
  }
  w.wegdek = wegdek_;
  w.aftrek = aftrekSchakelaar_->isChecked();
  w.rail = rail_;
  return w;
}

// The zone goes off first: the speeds it kept give way to the worksheet's,
// which it keeps in turn when the worksheet has it on.
void WerkbladFormulier::ToonWerkblad(const Werkblad& werkblad) {
  ZetZone(false);
  for (int k = 0; k < kAantalVelden; ++k) veld(k)->setText(QTekst(werkblad.veld[static_cast<std::size_t>(k)]));
  for (int i = 0; i < kAantalToelichtingen; ++i) {
    toelichtingRegel(i)->setText(QTekst(werkblad.toelichting[static_cast<std::size_t>(i)]));
  }
  aftrekSchakelaar_->setChecked(werkblad.aftrek);
  ZetZone(werkblad.zone);
  wegdek_ = werkblad.wegdek;
  ToonWegdek(wegdek_ - 1);
  rail_ = werkblad.rail;
}

void WerkbladFormulier::ToonWeergave(const Weergave& weergave) {
  for (int k = 0; k < kAantalVelden; ++k) {
    QLineEdit* e = veld(k);
    const auto i = static_cast<std::size_t>(k);
    if (weergave.tekst[i]) e->setText(QTekst(*weergave.tekst[i]));
    if (weergave.staat[i] == VeldStaat::Geldig) {
      ZetAchtergrond(e, kLichtGeel);
      e->setToolTip({});
    } else if (weergave.staat[i] == VeldStaat::Ongeldig) {
      ZetAchtergrond(e, kRood);
      e->setToolTip(QTekst(kUitlegGetal));
    }
  }
}

void WerkbladFormulier::ToonAfgeleid(std::span<const std::pair<int, std::string>> teksten) {
  for (const auto& [k, tekst] : teksten) veld(k)->setText(QTekst(tekst));
}

void WerkbladFormulier::ToonNiveaus(const RekenbladAntwoord& antwoord) {
  niveauWaarde(0)->setText(QTekst(antwoord.labels.letmaal));
  niveauWaarde(1)->setText(QTekst(antwoord.labels.lden));
  niveauWaarde(2)->setText(QTekst(antwoord.labels.lnight));
  aftrekRegel_->setText(QTekst(antwoord.labels.aftrek));
  art35Regel_->setText(QTekst(antwoord.art35));
}

void WerkbladFormulier::NeemOmrekeningOver(const std::vector<std::pair<int, std::string>>& teksten) {
  for (const auto& [k, tekst] : teksten) {
    veld(k)->setText(QTekst(tekst));
    ZetAchtergrond(veld(k), kGroen);
  }
}

void WerkbladFormulier::ToonWegdek(int lijstIndex) {
  if (wegdekLijst_->count() == 0) return;
  wegdekLijst_->setCurrentIndex(lijstIndex >= 0 && lijstIndex < wegdekLijst_->count() ? lijstIndex : 0);
}

void WerkbladFormulier::KiesWegdek(int lijstIndex) {
  const auto wegdek = static_cast<std::int16_t>(lijstIndex + 1);
  if (wegdek != wegdek_) emit Gewijzigd();
  wegdek_ = wegdek;
}

void WerkbladFormulier::VulWegdekLijst(Catalogus& catalogus) {
  const auto items = VulLijst(catalogus);
  wegdekLijst_->clear();
  for (const std::string& item : items) wegdekLijst_->addItem(QString::fromStdString(item));
  ToonWegdek(LijstIndexVoor(catalogus, wegdek_));
}

// The chooser belongs to the main window, as every dialog does.
void WerkbladFormulier::KiesRail() {
  RailVenster venster(rail_, window());
  connect(&venster, &RailVenster::RailGekozen, this, [this](std::int16_t rail) {
    if (rail != rail_) emit Gewijzigd();
    rail_ = rail;
  });
  dialogen_.ToonVenster(venster);
}

void WerkbladFormulier::SchakelZone() {
  emit Gewijzigd();
  ToonZone();
}

void WerkbladFormulier::ZetZone(bool aan) {
  if (zoneSchakelaar_->isChecked() == aan) return;
  zoneSchakelaar_->setChecked(aan);
  ToonZone();
}

// On: the speed fields are locked at 30 and keep what they held; off: they
// show it again, open for input in input mode.
void WerkbladFormulier::ToonZone() {
  const bool aan = zoneSchakelaar_->isChecked();
  for (int c = 0; c < kAantalCategorieen; ++c) {
    QLineEdit* e = veld(SnelheidVeld(c));
    std::string& bewaard = bewaardeSnelheden_[static_cast<std::size_t>(c)];
    if (aan) {
      e->setEnabled(false);
      bewaard = e->text().toStdString();
      e->setText(QTekst(kZoneSnelheid));
    } else {
      e->setText(QTekst(bewaard));
      e->setEnabled(invoer_);
    }
  }
}

// ---------------------------------------------------------------- clicks

bool WerkbladFormulier::eventFilter(QObject* object, QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease && event->type() != QEvent::MouseButtonPress &&
      event->type() != QEvent::MouseButtonDblClick) {
    return QWidget::eventFilter(object, event);
  }
  auto* w = qobject_cast<QWidget*>(object);
  auto* muis = static_cast<QMouseEvent*>(event);
  const bool klik = event->type() == QEvent::MouseButtonRelease && muis->button() == Qt::LeftButton && w &&
                    w->isEnabled() && w->rect().contains(muis->position().toPoint());
  if (object == resultaatKader_) {
    if (klik) emit InvoerGevraagd();
    return klik;
  }
  if (object == afstandBijschrift_) {
    if (klik) emit DiagramGevraagd();
    return klik;
  }
  if (object == dosisEffectVerwijzing_) {
    if (klik) emit DosisEffectGevraagd();
    return true;
  }
  // A click on a result label, or on the deduction line under them, is the label's, never the frame's.
  for (std::size_t n = 0; n < niveauNamen_.size(); ++n) {
    if (object == niveauNamen_[n] || object == niveauWaarden_[n]) return true;
  }
  if (object == aftrekRegel_ || object == art35Regel_) return true;
  return QWidget::eventFilter(object, event);
}

}  // namespace tarvo
