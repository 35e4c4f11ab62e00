#include "windows/HoofdVenster.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "base/Foutnummers.h"
#include "calc/Bereken.h"
#include "calc/Bijschriften.h"
#include "calc/Correctie.h"
#include "calc/Valideer.h"
#include "calc/Velden.h"
#include "driver/CumulatieOpdracht.h"
#include "driver/Openen.h"
#include "driver/Rekenblad.h"
#include "driver/Resultaatteksten.h"
#include "driver/ToetsingOpdracht.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"
#include "shared_ui/AfdrukPagina.h"
#include "shared_ui/Afdrukken.h"
#include "shared_ui/Iconen.h"
#include "shared_ui/Kleuren.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Scherm.h"
#include "shared_ui/VeldFilter.h"
#include "shared_ui/Versie.h"
#include "shared_ui/Zandloper.h"
#include "windows/CumulatieVenster.h"
#include "windows/DiagramVenster.h"
#include "windows/DosisEffectVenster.h"
#include "windows/Gebruikersnaam.h"
#include "windows/InfoVenster.h"
#include "windows/OmrekenVenster.h"
#include "windows/RailVenster.h"
#include "windows/VoorbeeldVenster.h"
#include "windows/WegdekVenster.h"

namespace tarvo {
namespace {

const QString kGeenBestand = "Geen bestand";
const char* const kOpslaanVraag = "Wilt u het rekenblad eerst opslaan?";
const QString kCatalogusFilter = "Bestand Wegdekken_2012.dat (Wegdekken_2012.dat)";

const QColor kVeldTekst(64, 64, 64);
const QColor kResultaatTekst(192, 0, 0);
const QColor kResultaatGeel(255, 255, 0);
// The colour Windows gives an inactive window border, behind the result labels.
const QColor kInactieveRand(212, 208, 200);

using Commando = HoofdVenster::Commando;

// Columns of the window's grid: captions, the three periods, the speed's
// caption and field; the results take a column of their own beside the
// traffic rows, behind a gap column; the last column takes what a wider
// window adds.
constexpr int kKolomSnelheid = 5;
constexpr int kKolomRechts = 7;

// No picture: the command lives in the menu only.
constexpr QStyle::StandardPixmap kGeenIcoon = QStyle::SP_CustomBase;

struct ActieDef {
  Commando commando;
  const char* naam;   // the action's object name
  const char* tekst;  // its tool tip and description
  const char* menu;   // its menu item
  QKeySequence sneltoets;
  void (HoofdVenster::*uitvoeren)();
  QStyle::StandardPixmap standaardIcoon;
  QIcon (*getekendIcoon)();  // nullptr: the standard icon
};

// Every command: the toolbar's in its order, then those of the clickable
// labels and of the calculation button.
const std::array<ActieDef, HoofdVenster::kAantalCommandos>& Acties() {
  static const std::array<ActieDef, HoofdVenster::kAantalCommandos> acties = {{
      {Commando::Afsluiten, "afsluiten", "Programma sluiten", "Af&sluiten", QKeySequence(Qt::CTRL | Qt::Key_Q),
       &HoofdVenster::Sluit, QStyle::SP_DialogCloseButton, nullptr},
      {Commando::Openen, "openen", "Open rekenblad", "&Openen…", QKeySequence(Qt::CTRL | Qt::Key_O),
       &HoofdVenster::Open, QStyle::SP_DialogOpenButton, nullptr},
      {Commando::Afdrukken,
       "afdrukken",
       "Rekenblad afdrukken op printer",
       "&Afdrukken…",
       QKeySequence(Qt::CTRL | Qt::Key_P),
       &HoofdVenster::DrukAf,
       {},
       PrinterIcoon},
      {Commando::Voorbeeld,
       "voorbeeld",
       "Afdrukvoorbeeld",
       "Afdruk&voorbeeld",
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
       &HoofdVenster::ToonVoorbeeld,
       {},
       VoorbeeldIcoon},
      {Commando::Opslaan, "opslaan", "Rekenblad opslaan in bestand", "Op&slaan…", QKeySequence(Qt::CTRL | Qt::Key_S),
       &HoofdVenster::BewaarRekenblad, QStyle::SP_DialogSaveButton, nullptr},
      {Commando::Reset, "reset", "Reset rekenblad", "&Reset", QKeySequence(Qt::CTRL | Qt::Key_R),
       &HoofdVenster::ResetRekenblad, QStyle::SP_BrowserReload, nullptr},
      {Commando::Invullen,
       "invullen",
       "Invullen rekenblad",
       "&Invullen",
       QKeySequence(Qt::Key_F2),
       &HoofdVenster::VulIn,
       {},
       PotloodIcoon},
      {Commando::Wegdekken,
       "wegdekken",
       "Correctiefactoren wegdekken",
       "&Correctiefactoren wegdekken…",
       QKeySequence(Qt::Key_F4),
       &HoofdVenster::BewerkWegdekken,
       {},
       WegIcoon},
      {Commando::Omrekenen,
       "omrekenen",
       "Omrekeningstabellen verkeersgegevens",
       "&Omrekeningstabellen verkeersgegevens…",
       QKeySequence(Qt::Key_F5),
       &HoofdVenster::RekenVerkeerOm,
       {},
       TabelIcoon},
      {Commando::Cumulatie,
       "cumulatie",
       "Cumulatie",
       "C&umulatie…",
       QKeySequence(Qt::Key_F7),
       &HoofdVenster::Cumuleer,
       {},
       CumulatieIcoon},
      {Commando::Gebruiker,
       "gebruiker",
       "Instelling gebruikersnaam",
       "&Gebruikersnaam…",
       QKeySequence(Qt::Key_F6),
       &HoofdVenster::StelGebruikerIn,
       {},
       PersoonIcoon},
      {Commando::Info, "info", "Algemene informatie over Tarvo", "&Informatie over Tarvo",
       QKeySequence(Qt::SHIFT | Qt::Key_F1), &HoofdVenster::ToonInfo, QStyle::SP_MessageBoxInformation, nullptr},
      {Commando::Help, "help", "Toelichting bij invoer", "&Toelichting bij invoer", QKeySequence(Qt::Key_F1),
       &HoofdVenster::ToonHelp, QStyle::SP_MessageBoxQuestion, nullptr},
      {Commando::Rekenmachine,
       "rekenmachine",
       "Calculator",
       "Reken&machine",
       QKeySequence(Qt::Key_F8),
       &HoofdVenster::StartRekenmachine,
       {},
       RekenmachineIcoon},
      {Commando::DosisEffect, "dosisEffect", "Dosis-effectrelatie", "&Dosis-effectrelatie…",
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), &HoofdVenster::ToonDosisEffect, kGeenIcoon, nullptr},
      {Commando::Diagram, "diagram", "Niveau-afstanddiagram", "&Niveau-afstanddiagram…",
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &HoofdVenster::ToonDiagram, kGeenIcoon, nullptr},
      {Commando::Toetsing, "toetsing", "Toetsing aan de grenswaarden van de Wgh", "&Toetsing…",
       QKeySequence(Qt::CTRL | Qt::Key_T), &HoofdVenster::Toets, kGeenIcoon, nullptr},
      // Alt+B opens the menu "Bestand"; F9 calculates, as in a spreadsheet.
      {Commando::Berekenen, "berekenen", "Berekening uitvoeren", "&Berekening uitvoeren", QKeySequence(Qt::Key_F9),
       &HoofdVenster::Bereken, kGeenIcoon, nullptr},
  }};
  return acties;
}

// The toolbar: these groups, each behind a separator, and one at the end.
const std::array<std::vector<Commando>, 5>& WerkbalkGroepen() {
  static const std::array<std::vector<Commando>, 5> groepen = {{
      {Commando::Afsluiten, Commando::Openen},
      {Commando::Afdrukken, Commando::Voorbeeld, Commando::Opslaan},
      {Commando::Reset, Commando::Invullen},
      {Commando::Wegdekken, Commando::Omrekenen, Commando::Cumulatie, Commando::Gebruiker, Commando::Info,
       Commando::Help},
      {Commando::Rekenmachine},
  }};
  return groepen;
}

// The menu bar: every command once; nothing stands for a separator.
struct MenuDef {
  const char* titel;
  const char* naam;
  std::vector<std::optional<Commando>> items;
};
const std::array<MenuDef, 4>& Menus() {
  static const std::array<MenuDef, 4> menus = {{
      {"&Bestand",
       "bestandMenu",
       {Commando::Openen, Commando::Opslaan, std::nullopt, Commando::Voorbeeld, Commando::Afdrukken, std::nullopt,
        Commando::Afsluiten}},
      {"&Rekenblad", "rekenbladMenu", {Commando::Invullen, Commando::Berekenen, std::nullopt, Commando::Reset}},
      {"E&xtra",
       "extraMenu",
       {Commando::Wegdekken, Commando::Omrekenen, std::nullopt, Commando::DosisEffect, Commando::Diagram,
        Commando::Cumulatie, Commando::Toetsing, std::nullopt, Commando::Rekenmachine, Commando::Gebruiker}},
      {"&Help", "helpMenu", {Commando::Help, Commando::Info}},
  }};
  return menus;
}

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

HoofdVenster::HoofdVenster(Dialogen& dialogen, const QString& dataMap, QWidget* ouder)
    : QMainWindow(ouder),
      dialogen_(dialogen),
      decimaal_(LocaleDecimaal()),
      dataMap_(dataMap),
      helpTekst_(kHelpOntbreekt) {
  setObjectName("HoofdVenster");
  BouwVenster();
}

HoofdVenster::~HoofdVenster() { VerwijderSysteemvakIcoon(); }

// ---------------------------------------------------------------- layout

// One grid, so that the captions, the fields of the traffic rows and of the
// geometry share their columns. The last column takes what a larger window
// adds: the names and the remark lines grow, the results stay beside the
// traffic rows. The form scrolls where the screen is smaller than it, at
// large scalings.
void HoofdVenster::BouwVenster() {
  ZetTitel();
  setWindowIcon(ProgrammaIcoon());
  auto* vlak = new Schuifvlak(this);
  vlak->setObjectName("schuifvlak");
  auto* midden = new QWidget(vlak);
  midden->setObjectName("werkblad");
  MaakVelden(midden);

  auto* raster = new QGridLayout(midden);
  raster->setContentsMargins(12, 10, 12, 8);
  raster->setHorizontalSpacing(8);
  raster->setVerticalSpacing(3);
  const int rijKoppen = Namen(raster, midden);
  const int rijGeometrie = Verkeersraster(raster, rijKoppen, midden) + 1;
  raster->addLayout(Uitkomsten(midden), rijKoppen, kKolomRechts, rijGeometrie - 1 - rijKoppen, 1);
  raster->setRowMinimumHeight(rijGeometrie - 1, 6);
  const int rijToelichting = Geometrie(raster, rijGeometrie, midden) + 1;
  raster->addLayout(Schakelaars(midden), rijGeometrie, kKolomRechts, rijToelichting - 1 - rijGeometrie, 2);
  raster->setRowMinimumHeight(rijToelichting - 1, 6);
  Toelichting(raster, rijToelichting, midden);
  raster->setRowStretch(rijToelichting + kAantalToelichtingen, 1);
  raster->setColumnMinimumWidth(kKolomRechts - 1, 8);
  raster->setColumnStretch(kKolomRechts + 1, 1);
  vlak->setWidget(midden);
  setCentralWidget(vlak);

  ZetTabVolgorde();
  VolgVelden();
  VolgWijzigingen();
  MaakActies();
  MaakMenu();
  MaakWerkbalk();
  MaakStatusBalk();
  MaakSysteemvakMenu();
  ZetActies();
  PasOpScherm(this);
}

// Every field of the table; the derived ones greyed.
void HoofdVenster::MaakVelden(QWidget* midden) {
  for (int k = 0; k < kAantalVelden; ++k) {
    const VeldInfo& v = Veld(k);
    auto* e = new QLineEdit(midden);
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

QLabel* HoofdVenster::MaakBijschrift(std::string_view tekst, QWidget* midden) {
  auto* l = new QLabel(QTekst(tekst), midden);
  bijschriften_.push_back(l);
  return l;
}

// The names across the window's width, one row each; the next free row.
int HoofdVenster::Namen(QGridLayout* raster, QWidget* midden) {
  int rij = 0;
  for (int k : VeldenOp(VeldPlaats::Naam)) {
    raster->addWidget(MaakBijschrift(Veld(k).bijschrift, midden), rij, 0);
    raster->addWidget(veld(k), rij, 1, 1, kKolomRechts + 1);
    ++rij;
  }
  return rij;
}

// The traffic from row `rij`: the period heads, one row per category with
// its speed, and the two derived rows; the next free row.
int HoofdVenster::Verkeersraster(QGridLayout* raster, int rij, QWidget* midden) {
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    QLabel* kop = MaakBijschrift(kPeriodeNamen[static_cast<std::size_t>(p - 1)], midden);
    kop->setAlignment(Qt::AlignCenter);
    raster->addWidget(kop, rij, p);
  }
  for (int c = 0; c < kAantalCategorieen; ++c) {
    ++rij;
    const VeldInfo& snelheid = Veld(SnelheidVeld(c));
    raster->addWidget(MaakBijschrift(snelheid.bijschrift, midden), rij, 0);
    for (int p = 1; p <= kAantalPeriodes; ++p) raster->addWidget(veld(IntensiteitVeld(c, p)), rij, p);
    QLabel* v = MaakBijschrift(snelheid.kolom, midden);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    raster->addWidget(v, rij, kKolomSnelheid - 1);
    raster->addWidget(veld(snelheid.index), rij, kKolomSnelheid);
  }
  for (int (*afgeleid)(int) : {TotaalVeld, VrachtVeld}) {
    ++rij;
    raster->addWidget(MaakBijschrift(Veld(afgeleid(1)).bijschrift, midden), rij, 0);
    for (int p = 1; p <= kAantalPeriodes; ++p) raster->addWidget(veld(afgeleid(p)), rij, p);
  }
  return rij + 1;
}

// Geometry from row `rij`: the left fields under the day column, the right
// ones under the speeds; the next free row. The caption of the horizontal
// distance opens the level-distance diagram.
int HoofdVenster::Geometrie(QGridLayout* raster, int rij, QWidget* midden) {
  const std::vector<int> links = VeldenOp(VeldPlaats::GeometrieLinks);
  const std::vector<int> rechts = VeldenOp(VeldPlaats::GeometrieRechts);
  for (std::size_t r = 0; r < std::max(links.size(), rechts.size()); ++r, ++rij) {
    if (r < links.size()) {
      raster->addWidget(MaakBijschrift(Veld(links[r]).bijschrift, midden), rij, 0);
      raster->addWidget(veld(links[r]), rij, 1);
    }
    if (r < rechts.size()) {
      QLabel* bijschrift = MaakBijschrift(Veld(rechts[r]).bijschrift, midden);
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
QGridLayout* HoofdVenster::Schakelaars(QWidget* midden) {
  wegdekLijst_ = new QComboBox(midden);
  wegdekLijst_->setObjectName("wegdekLijst");
  // The names are 30 characters; the list pads them to 40 with blanks.
  wegdekLijst_->setMinimumContentsLength(static_cast<int>(kOmschrijvingLengte) + 2);
  wegdekLijst_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  connect(wegdekLijst_, &QComboBox::activated, this, &HoofdVenster::KiesWegdek);
  wegdekBijschrift_ = new QLabel(QTekst(kBijschriftWegdek), midden);
  wegdekBijschrift_->setBuddy(wegdekLijst_);
  zoneSchakelaar_ = new QCheckBox(QTekst(kBijschriftZone), midden);
  zoneSchakelaar_->setObjectName("zoneSchakelaar");
  connect(zoneSchakelaar_, &QCheckBox::clicked, this, &HoofdVenster::SchakelZone);
  aftrekSchakelaar_ = new QCheckBox(QTekst(kBijschriftAftrek), midden);
  aftrekSchakelaar_->setObjectName("aftrekSchakelaar");
  railKnop_ = new QPushButton(QTekst(kBijschriftRail), midden);
  railKnop_->setObjectName("railKnop");
  connect(railKnop_, &QPushButton::clicked, this, &HoofdVenster::KiesRail);

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
void HoofdVenster::Toelichting(QGridLayout* raster, int rij, QWidget* midden) {
  toelichtingKop_ = new QLabel(QTekst(kBijschriftToelichting), midden);
  toelichtingKop_->setObjectName("toelichtingKop");
  raster->addWidget(toelichtingKop_, rij, 0);
  for (int i = 0; i < kAantalToelichtingen; ++i) {
    auto* t = new QLineEdit(midden);
    t->setObjectName(QString("toelichtingRegel(%1)").arg(i));
    t->setMaxLength(static_cast<int>(kToelichtingLengte));
    ZetPaletKleur(t, QPalette::Base, kLichtGeel, true);
    ZetPaletKleur(t, QPalette::Text, kVeldTekst, false);
    toelichtingRegels_[static_cast<std::size_t>(i)] = t;
    raster->addWidget(t, rij + i, 1, 1, kKolomRechts + 1);
  }
}

// The level names and values, the dose-effect link and the deduction line.
void HoofdVenster::MaakNiveaus() {
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
QVBoxLayout* HoofdVenster::Uitkomsten(QWidget* midden) {
  resultaatKader_ = new QGroupBox(QTekst(kBijschriftResultaten), midden);
  resultaatKader_->setObjectName("resultaatKader");
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

  berekenKnop_ = new QPushButton(QTekst(kBijschriftBerekenen), midden);
  berekenKnop_->setObjectName("berekenKnop");
  berekenKnop_->setMinimumHeight(36);
  connect(berekenKnop_, &QPushButton::clicked, this, &HoofdVenster::Bereken);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(resultaatKader_);
  rechts->addSpacing(8);
  rechts->addWidget(berekenKnop_);
  rechts->addStretch(1);
  return rechts;
}

// Tab follows the ring of Enter and the arrows.
void HoofdVenster::ZetTabVolgorde() {
  QWidget* vorige = veld(0);
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
  volg(berekenKnop_);
}

void HoofdVenster::VolgVelden() {
  veldFilter_ = new VeldFilter(velden_, toelichtingRegels_, decimaal_, dialogen_, this);
  connect(veldFilter_, &VeldFilter::HelpTekst, this, [this](const std::string& tekst) { helpTekst_ = tekst; });
  connect(veldFilter_, &VeldFilter::Begrensd, this,
          [this](const std::string& melding) { ZetMelding(QTekst(melding)); });
  veldFilter_->VolgHelp(aftrekSchakelaar_, kHelpAftrek);
  veldFilter_->VolgHelp(zoneSchakelaar_, kHelpZone);
  veldFilter_->VolgHelp(railKnop_, kHelpGeenInfo);
  veldFilter_->VolgHelp(wegdekLijst_, kHelpWegdek);
  veldFilter_->VolgHelp(berekenKnop_, kHelpBerekening);
}

void HoofdVenster::MaakActies() {
  for (const ActieDef& d : Acties()) {
    auto* a = new QAction(d.menu, this);
    if (d.standaardIcoon != kGeenIcoon) {
      a->setIcon(d.getekendIcoon ? d.getekendIcoon() : style()->standardIcon(d.standaardIcoon));
    }
    a->setObjectName(d.naam);
    a->setShortcut(d.sneltoets);
    a->setToolTip(QString(d.tekst) + " (" + d.sneltoets.toString(QKeySequence::NativeText) + ")");
    a->setWhatsThis(d.tekst);  // the button's description
    connect(a, &QAction::triggered, this, d.uitvoeren);
    acties_[static_cast<std::size_t>(d.commando)] = a;
  }
}

// The menus hold the toolbar's own actions: an item is enabled exactly
// when its button is.
void HoofdVenster::MaakMenu() {
  for (const MenuDef& m : Menus()) {
    QMenu* menu = menuBar()->addMenu(m.titel);
    menu->setObjectName(m.naam);
    for (const std::optional<Commando>& c : m.items) {
      if (c)
        menu->addAction(Actie(*c));
      else
        menu->addSeparator();
    }
  }
}

void HoofdVenster::MaakWerkbalk() {
  werkbalk_ = addToolBar("Werkbalk");
  werkbalk_->setObjectName("werkbalk");
  werkbalk_->setMovable(false);
  werkbalk_->setIconSize(QSize(24, 24));
  for (const std::vector<Commando>& groep : WerkbalkGroepen()) {
    werkbalk_->addSeparator();
    for (Commando c : groep) werkbalk_->addAction(Actie(c));
  }
  werkbalk_->addSeparator();
}

// The file name at the right; why the last command did nothing, or what it
// saved, in the room at its left.
void HoofdVenster::MaakStatusBalk() {
  auto* balk = new QStatusBar(this);
  balk->setObjectName("statusBalk");
  setStatusBar(balk);
  bestandPaneel_ = new QLabel(kGeenBestand, balk);
  bestandPaneel_->setObjectName("bestandPaneel");
  bestandPaneel_->setMinimumWidth(220);
  bestandPaneel_->setFrameShape(QFrame::Panel);
  bestandPaneel_->setFrameShadow(QFrame::Sunken);
  meldingPaneel_ = new QLabel(balk);
  meldingPaneel_->setObjectName("meldingPaneel");
  meldingPaneel_->setTextFormat(Qt::PlainText);
  balk->addWidget(meldingPaneel_, 1);
  balk->addPermanentWidget(bestandPaneel_);
}

// The notification icon's menu.
void HoofdVenster::MaakSysteemvakMenu() {
  systeemvakInfo_ = new QAction("Info", this);
  systeemvakInfo_->setObjectName("systeemvakInfo");
  connect(systeemvakInfo_, &QAction::triggered, this, &HoofdVenster::ToonInfo);
  systeemvakAfsluiten_ = new QAction("Afsluiten", this);
  systeemvakAfsluiten_->setObjectName("systeemvakAfsluiten");
  connect(systeemvakAfsluiten_, &QAction::triggered, this, &HoofdVenster::Sluit);
  systeemvakMenu_ = new QMenu("Taakbar", this);
  systeemvakMenu_->setObjectName("systeemvakMenu");
  systeemvakMenu_->addAction(systeemvakInfo_);
  systeemvakMenu_->addAction(systeemvakAfsluiten_);
}

// ---------------------------------------------------------------- the worksheet on the controls

Werkblad HoofdVenster::HuidigWerkblad() const {
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
void HoofdVenster::ToonWerkblad(const Werkblad& werkblad) {
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

void HoofdVenster::ToonWeergave(const Weergave& weergave) {
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

// A text that is no number is refused without a message box: the field
// shows it as on leaving it (red, its tool tip, the focus), also when the
// command came by key and the field was never left; with `meldGeenGetal`
// the status bar names it.
void HoofdVenster::ToonWeigering(Afloop afloop, const std::string& melding, int focus, bool meldGeenGetal) {
  if (afloop == Afloop::GeenGetal) {
    if (meldGeenGetal) ZetMelding(QTekst(melding));
  } else {
    Waarschuw(dialogen_, melding);
  }
  if (focus >= 0 && veld(focus)->isEnabled()) veld(focus)->setFocus(Qt::OtherFocusReason);
}

// The check's findings on the fields, then its refusal; true when it passed.
bool HoofdVenster::ToonControle(const Controle& controle, bool meldGeenGetal) {
  ToonWeergave(controle.weergave);
  if (controle) return true;
  const Weigering& w = *controle.weigering;
  const bool geenGetal = w.soort == Weigering::Soort::GeenGetal;
  ToonWeigering(geenGetal ? Afloop::GeenGetal : Afloop::Waarschuwing, geenGetal ? GeenGetalMelding(w.veld) : w.tekst,
                controle.weergave.focus, meldGeenGetal);
  return false;
}

void HoofdVenster::ToonNiveaus(const RekenbladAntwoord& antwoord) {
  niveauWaarde(0)->setText(QTekst(antwoord.labels.letmaal));
  niveauWaarde(1)->setText(QTekst(antwoord.labels.lden));
  niveauWaarde(2)->setText(QTekst(antwoord.labels.lnight));
  aftrekRegel_->setText(QTekst(antwoord.labels.aftrek));
  art35Regel_->setText(QTekst(antwoord.art35));
}

// The counts land in open fields, so they count as the user's change.
void HoofdVenster::NeemOmrekeningOver(const std::vector<std::pair<int, std::string>>& teksten) {
  for (const auto& [k, tekst] : teksten) {
    veld(k)->setText(QTekst(tekst));
    ZetAchtergrond(veld(k), kGroen);
  }
}

void HoofdVenster::ToonWegdek(int lijstIndex) {
  if (wegdekLijst_->count() == 0) return;
  wegdekLijst_->setCurrentIndex(lijstIndex >= 0 && lijstIndex < wegdekLijst_->count() ? lijstIndex : 0);
}

void HoofdVenster::KiesWegdek(int lijstIndex) {
  const auto wegdek = static_cast<std::int16_t>(lijstIndex + 1);
  if (wegdek != wegdek_) MarkeerGewijzigd();
  wegdek_ = wegdek;
}

void HoofdVenster::VulWegdekLijst() {
  const auto items = VulLijst(cat_);
  wegdekLijst_->clear();
  for (const std::string& item : items) wegdekLijst_->addItem(QString::fromStdString(item));
  ToonWegdek(LijstIndexVoor(cat_, wegdek_));
}

void HoofdVenster::SchakelZone() {
  MarkeerGewijzigd();
  ToonZone();
}

void HoofdVenster::ZetZone(bool aan) {
  if (zoneSchakelaar_->isChecked() == aan) return;
  zoneSchakelaar_->setChecked(aan);
  ToonZone();
}

// On: the speed fields are locked at 30 and keep what they held; off: they
// show it again, open for input in input mode.
void HoofdVenster::ToonZone() {
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
      e->setEnabled(modus_ == Modus::Invoer);
    }
  }
}

QString HoofdVenster::BestandPaneel() const { return bestandPaneel_->text(); }

void HoofdVenster::ZetBestand(const QString& pad) {
  bestandPad_ = pad;
  bestandPaneel_->setText(pad.isEmpty() ? kGeenBestand : QFileInfo(pad).fileName());
  ZetTitel();
}

void HoofdVenster::ZetTitel() {
  // Qt shows its marker of unsaved changes at "[*]"; the copyright is the Info window's.
  const QString programma = "Rekenblad Tarvo";
  setWindowTitle(bestandPad_.isEmpty() ? programma + "[*]" : QFileInfo(bestandPad_).fileName() + "[*] - " + programma);
}

// ---------------------------------------------------------------- unsaved changes

// Only what the user does counts: the program writes into locked fields, or
// clears the mark after it wrote (Reset, Open). A field the traffic
// conversion fills is open for input, so that counts too.
void HoofdVenster::VolgWijzigingen() {
  for (QLineEdit* e : velden_) {
    connect(e, &QLineEdit::textChanged, this, [this, e] {
      if (e->isEnabled()) MarkeerGewijzigd();
    });
  }
  for (QLineEdit* t : toelichtingRegels_) {
    connect(t, &QLineEdit::textChanged, this, [this, t] {
      if (t->isEnabled()) MarkeerGewijzigd();
    });
  }
  connect(aftrekSchakelaar_, &QCheckBox::clicked, this, &HoofdVenster::MarkeerGewijzigd);
}

void HoofdVenster::MarkeerGewijzigd() {
  if (isWindowModified()) return;
  setWindowModified(true);
  statusBar()->clearMessage();  // a word about the last save no longer holds
}

bool HoofdVenster::BewaarEerst(const char* titel) {
  if (!isWindowModified()) return true;
  switch (dialogen_.Toon(kOpslaanVraag, titel, Icoon::Vraag, Knoppen::JaNeeAnnuleren)) {
    case Antwoord::Ja:
      return Bewaar();
    case Antwoord::Nee:
      return true;
    default:
      return false;
  }
}

// ---------------------------------------------------------------- start-up and shut-down

bool HoofdVenster::Start(const QString& opdrachtRegel) {
  datumTekst_ = tarvo::DatumTekst(QDate::currentDate());
  helpTekst_ = std::string(kHelpOntbreekt);

  for (;;) {
    Uitkomst<void> geladen = MetZandloper([&] { return LaadWegdekken(NaarPad(dataMap_), cat_); });
    if (geladen) break;
    if (geladen.Nummer() == kFoutNietGevonden) {
      dialogen_.Toon("Bestand Wegdekken_2012.dat niet gevonden", "Foutmelding", Icoon::Kritiek);
    } else {
      dialogen_.Toon(geladen.Melding(), "Foutmelding", Icoon::Kritiek);
    }
    if (!ZoekCatalogus()) return false;
  }

  MaakSysteemvakIcoon();
  VulWegdekLijst();
  Reset();

  QString naam = opdrachtRegel;
  if (naam.size() >= 2 && naam.startsWith('"') && naam.endsWith('"')) naam = naam.mid(1, naam.size() - 2);
  if (!naam.isEmpty() && IsWerkbladNaam(naam.toStdString())) {
    wachtPad_ = naam;
    Open();
  }
  return true;
}

bool HoofdVenster::ZoekCatalogus() {
  for (;;) {
    const auto keuze = dialogen_.OpenBestand(this, "Zoek Wegdekken_2012.dat", dataMap_, kCatalogusFilter);
    if (!keuze) return false;
    if (keuze->isEmpty()) return true;
    if (!keuze->endsWith(QTekst(kCatalogusBestand), Qt::CaseSensitive)) {
      dialogen_.Toon((QDir::toNativeSeparators(*keuze) + " geen of onbruikbaar opstartbestand").toStdString(),
                     "Opstartfout", Icoon::Kritiek);
      continue;
    }
    dataMap_ = QFileInfo(*keuze).absolutePath();
    return true;
  }
}

void HoofdVenster::closeEvent(QCloseEvent* event) {
  if (SluitAf())
    event->accept();
  else
    event->ignore();
}

bool HoofdVenster::SluitAf() {
  if (afgesloten_) return true;
  // Asked first: Cancel leaves everything as it was.
  if (vragenKan_ && !BewaarEerst("Programma afsluiten")) return false;
  // Confirmed catalogue changes are on disk already, but for one whose save failed.
  if (catalogusOpen_ && !vragenKan_) {
    Zandloper zandloper;  // no one to tell of a failure
    (void)BewaarWegdekken(NaarPad(dataMap_), cat_);
  } else if (catalogusOpen_ && !BewaarCatalogus()) {
    const char* vraag =
        "De wijzigingen in de wegdekkencatalogus zijn niet opgeslagen. Toch afsluiten? Dan gaan ze "
        "verloren.";
    if (dialogen_.Toon(vraag, "Programma afsluiten", Icoon::Uitroep, Knoppen::JaNee) != Antwoord::Ja) return false;
  }
  afgesloten_ = true;
  VerwijderSysteemvakIcoon();
  return true;
}

void HoofdVenster::SluitZonderVragen() {
  vragenKan_ = false;
  close();
}

bool HoofdVenster::BewaarCatalogus() {
  Uitkomst<bool> bewaard = MetZandloper([&] { return BewaarWegdekken(NaarPad(dataMap_), cat_); });
  catalogusOpen_ = !bewaard;
  if (!bewaard) {
    dialogen_.Toon(bewaard.Melding() +
                       ". De wijziging blijft in het programma en wordt bij de volgende wijziging en bij het "
                       "afsluiten opnieuw opgeslagen.",
                   "Wegdekkencatalogus opslaan", Icoon::Kritiek);
  }
  return !catalogusOpen_;
}

void HoofdVenster::MaakSysteemvakIcoon() {
  // Without a notification area the icon's two commands are in the menu bar all the same.
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  if (icoon_) return;
  icoon_ = new QSystemTrayIcon(ProgrammaIcoon(), this);
  icoon_->setToolTip(versie::kProductNaam);
  connect(icoon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reden) {
    if (reden != QSystemTrayIcon::DoubleClick) return;
    systeemvakMenu_->setDefaultAction(systeemvakAfsluiten_);
    systeemvakMenu_->popup(QCursor::pos());
  });
  icoon_->show();
}

void HoofdVenster::VerwijderSysteemvakIcoon() {
  if (icoon_) {
    icoon_->hide();
    delete icoon_;
  }
}

// ---------------------------------------------------------------- modes

void HoofdVenster::ZetModus(Modus modus) {
  modus_ = modus;
  ZetMelding({});
  ZetActies();
}

void HoofdVenster::ZetMelding(const QString& tekst) { meldingPaneel_->setText(tekst); }

QString HoofdVenster::Melding() const { return meldingPaneel_->text(); }

bool HoofdVenster::UitBestand() const { return !bestandPad_.isEmpty(); }

std::string HoofdVenster::WerkbladNaam() const {
  return UitBestand() ? BestandPaneel().toStdString() : std::string(kHuidigRekenblad);
}

void HoofdVenster::ZetActies() {
  const bool rust = modus_ == Modus::Rust;
  const bool invoer = modus_ == Modus::Invoer;
  const bool resultaat = modus_ == Modus::Resultaat;
  // The editor only while no worksheet is being filled in or was read.
  const bool gelezen = rust && UitBestand();
  // A command the mode does not offer is greyed, in the toolbar and the
  // menu alike, so that neither changes shape under the user's hand.
  Actie(Commando::Openen)->setEnabled(!invoer);
  for (Commando c : {Commando::Afdrukken, Commando::Voorbeeld}) Actie(c)->setEnabled(resultaat);
  // Whatever is on screen besides an empty worksheet can be kept in a file.
  Actie(Commando::Opslaan)->setEnabled(!rust || gelezen);
  Actie(Commando::Reset)->setEnabled(!rust);
  Actie(Commando::Invullen)->setEnabled(!invoer);
  Actie(Commando::Wegdekken)->setEnabled(rust && !gelezen);
  Actie(Commando::Omrekenen)->setEnabled(invoer);
  Actie(Commando::Help)->setEnabled(invoer || gelezen);
  Actie(Commando::DosisEffect)->setEnabled(resultaat);
  Actie(Commando::Diagram)->setEnabled(invoer);
  Actie(Commando::Toetsing)->setEnabled(!rust || gelezen);
  Actie(Commando::Berekenen)->setEnabled(invoer || gelezen);
  berekenKnop_->setVisible(invoer || gelezen);
}

void HoofdVenster::ZetBijschriftenIngeschakeld(bool aan) {
  for (QLabel* l : bijschriften_) l->setEnabled(aan);
}

void HoofdVenster::VerbergUitkomsten() {
  for (QLabel* l : niveauWaarden_) l->setVisible(false);
  aftrekRegel_->setVisible(false);
  art35Regel_->setVisible(false);
  for (QLabel* l : niveauNamen_) l->setEnabled(false);
  dosisEffectVerwijzing_->setEnabled(false);
  resultaatKader_->setEnabled(false);
}

// With the zone on, the speeds stay locked at 30 and keep what was typed.
void HoofdVenster::VulIn() {
  ZetBijschriftenIngeschakeld(true);
  VerbergUitkomsten();
  ZetModus(Modus::Invoer);
  for (int k = 0; k < kAantalVelden; ++k) veld(k)->setEnabled(Veld(k).soort != VeldSoort::Afgeleid);
  if (zoneSchakelaar_->isChecked()) {
    for (int k : kSnelheidVelden) veld(k)->setEnabled(false);
  }
  for (QLineEdit* t : toelichtingRegels_) t->setEnabled(true);
  for (QWidget* w : std::initializer_list<QWidget*>{zoneSchakelaar_, toelichtingKop_, railKnop_, aftrekSchakelaar_,
                                                    wegdekLijst_, wegdekBijschrift_}) {
    w->setEnabled(true);
  }
  veld(0)->setFocus(Qt::OtherFocusReason);
}

void HoofdVenster::ResetRekenblad() {
  if (BewaarEerst("Reset")) Reset();
}

// Everything locked first, so that nothing written here counts as a change.
void HoofdVenster::Reset() {
  ZetBestand({});
  statusBar()->clearMessage();
  ZetModus(Modus::Rust);
  ZetBijschriftenIngeschakeld(false);
  VerbergUitkomsten();
  for (int k = 0; k < kAantalVelden; ++k) {
    veld(k)->setEnabled(false);
    if (Veld(k).soort == VeldSoort::Afgeleid) continue;
    ZetAchtergrond(veld(k), kLichtGeel);
    veld(k)->setToolTip({});
  }
  for (QWidget* w : std::initializer_list<QWidget*>{zoneSchakelaar_, aftrekSchakelaar_, toelichtingKop_, railKnop_,
                                                    wegdekLijst_, wegdekBijschrift_}) {
    w->setEnabled(false);
  }
  for (QLineEdit* t : toelichtingRegels_) t->setEnabled(false);
  ToonWerkblad(LeegWerkblad(decimaal_));
  invoer_.reset();
  resultaten_.reset();
  setWindowModified(false);
}

void HoofdVenster::ResultaatModus() {
  resultaatKader_->setEnabled(true);
  zoneSchakelaar_->setEnabled(false);
  ZetBijschriftenIngeschakeld(false);
  for (QLabel* l : niveauWaarden_) l->setVisible(true);
  aftrekRegel_->setVisible(!aftrekRegel_->text().isEmpty());
  art35Regel_->setVisible(!art35Regel_->text().isEmpty());
  for (QLabel* l : {niveauNaam(0), niveauWaarde(0), niveauNaam(1), niveauWaarde(1), niveauNaam(2), niveauWaarde(2),
                    dosisEffectVerwijzing_}) {
    l->setEnabled(true);
    ZetPaletKleur(l, QPalette::WindowText, kResultaatGeel, false);
  }
  for (QLineEdit* e : velden_) e->setEnabled(false);
  for (QLineEdit* t : toelichtingRegels_) t->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{railKnop_, toelichtingKop_, aftrekSchakelaar_, wegdekLijst_,
                                                    wegdekBijschrift_}) {
    w->setEnabled(false);
  }
  ZetModus(Modus::Resultaat);
}

// The derived fields show the totals of any calculation, also one whose
// level came out infinite; a refusal says why and leaves the input mode.
void HoofdVenster::Bereken() {
  ZetMelding({});
  const RekenbladAntwoord a = Rekenblad(HuidigWerkblad(), cat_, VandaagQt(), decimaal_);
  ToonWeergave(a.rekening.controle.weergave);
  for (const auto& [k, tekst] : a.afgeleid) veld(k)->setText(QTekst(tekst));
  if (!a.Berekend()) {
    ToonWeigering(a.afloop, a.melding, a.rekening.controle.weergave.focus, true);
    return;
  }
  invoer_ = *a.rekening.controle.invoer;
  resultaten_ = *a.rekening.resultaten;
  ToonNiveaus(a);
  ResultaatModus();
  // Numbers typed beyond their range and never left were clamped by the check.
  ZetMelding(QTekst(a.begrensd));
}

// ---------------------------------------------------------------- files

void HoofdVenster::Open() {
  if (!BewaarEerst("Rekenblad openen")) return;
  for (;;) {
    QString pad;
    if (!wachtPad_.isEmpty()) {
      pad = wachtPad_;
      wachtPad_.clear();
    } else {
      const auto keuze = KiesOpenPad(dialogen_, this, "Open rekenblad", kWerkbladFilter);
      if (!keuze) return;
      pad = *keuze;
    }
    dialogen_.OnthoudMap(pad);
    Uitkomst<GeopendRekenblad> gelezen =
        MetZandloper([&] { return OpenRekenbladBestand(NaarPad(pad), cat_, decimaal_); });
    if (!gelezen) {
      // The worksheet on screen stays; the user may choose another file.
      Waarschuw(dialogen_, gelezen.Melding());
      continue;
    }
    Reset();
    if (gelezen->Gewijzigd()) Waarschuw(dialogen_, gelezen->wegdekMelding);
    ToonWerkblad(gelezen->werkblad);
    // Saved again before any calculation, the file holds what it held: but
    // for a road surface put in place of one the catalogue lacks, which no
    // save may store without the user's word.
    invoer_ = std::move(gelezen->invoer);
    ZetBestand(pad);
    setWindowModified(gelezen->Gewijzigd());
    ZetActies();
    return;
  }
}

bool HoofdVenster::Bewaar() {
  std::optional<Invoer> invoer = invoer_;
  if (modus_ == Modus::Invoer) {
    // The file holds what the check takes from the fields, also edits no
    // calculation has seen. A refused check saves nothing and leaves the
    // user at the field to correct.
    TeBewarenRekenblad t = TeBewaren(HuidigWerkblad(), decimaal_);
    if (!ToonControle(t.controle, false)) return false;
    invoer = std::move(t.controle.invoer);
  }
  if (!invoer) return false;
  // The worksheet's own file, or the user's folder: never the data folder.
  const QString start = bestandPad_.isEmpty() ? dialogen_.BeginMap() : bestandPad_;
  const auto pad = KiesBewaarPad(dialogen_, this, "Rekenblad opslaan", start, kWerkbladFilter, "tvo");
  if (!pad) return false;
  Uitkomst<void> geschreven = MetZandloper([&] { return SchrijfWerkbladBestand(NaarPad(*pad), *invoer); });
  if (!geschreven) {
    // Also where the eye goes afterwards: the box is gone once it is answered.
    ZetMelding(QTekst(geschreven.Melding() + "."));
    dialogen_.Toon(geschreven.Melding() + ".", "Rekenblad opslaan", Icoon::Kritiek);
    return false;
  }
  ZetBestand(*pad);
  setWindowModified(false);
  ZetActies();
  statusBar()->showMessage("Rekenblad opgeslagen in " + QDir::toNativeSeparators(*pad));
  return true;
}

void HoofdVenster::BewaarRekenblad() { (void)Bewaar(); }

QString HoofdVenster::PdfVoorstel() const {
  if (bestandPad_.isEmpty()) return dialogen_.BeginMap();
  const QFileInfo werkblad(bestandPad_);
  return werkblad.dir().filePath(werkblad.completeBaseName() + ".pdf");
}

// ---------------------------------------------------------------- commands

void HoofdVenster::Sluit() { close(); }

void HoofdVenster::ToonHelp() { dialogen_.Toon(helpTekst_, "Toelichting bij invoer", Icoon::Informatie); }

void HoofdVenster::StartRekenmachine() {
#ifdef Q_OS_WIN
  if (QProcess::startDetached("calc.exe", {})) return;
  const QString gezocht = "calc.exe";
#else
  const QStringList kandidaten = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"};
  for (const QString& naam : kandidaten) {
    const QString pad = QStandardPaths::findExecutable(naam);
    if (!pad.isEmpty() && QProcess::startDetached(pad, {})) return;
  }
  const QString gezocht = kandidaten.join(", ");
#endif
  dialogen_.Toon(("Er is geen rekenmachineprogramma gevonden (gezocht: " + gezocht + ").").toStdString(),
                 versie::kTitel, Icoon::Informatie);
}

void HoofdVenster::ToonInfo() {
  InfoVenster venster(cat_, dialogen_, dataMap_, systeemvakInfo_, this);
  dialogen_.ToonVenster(venster);
}

void HoofdVenster::StelGebruikerIn() {
  if (VraagGebruikersnaam(this, dialogen_, cat_)) (void)BewaarCatalogus();
}

void HoofdVenster::KiesRail() {
  RailVenster venster(rail_, this);
  connect(&venster, &RailVenster::RailGekozen, this, [this](std::int16_t rail) {
    if (rail != rail_) MarkeerGewijzigd();
    rail_ = rail;
  });
  dialogen_.ToonVenster(venster);
}

void HoofdVenster::BewerkWegdekken() {
  {
    WegdekVenster venster(cat_, dialogen_, this);
    connect(&venster, &WegdekVenster::Gewijzigd, this, &HoofdVenster::BewaarCatalogus);
    dialogen_.ToonVenster(venster);
  }
  VulWegdekLijst();
}

void HoofdVenster::RekenVerkeerOm() {
  OmrekenVenster venster(dialogen_, this);
  connect(&venster, &OmrekenVenster::Toegepast, this, &HoofdVenster::NeemOmrekeningOver);
  dialogen_.ToonVenster(venster);
}

// The worksheet counts only while its results are shown: in input mode they
// may no longer match its fields.
void HoofdVenster::Cumuleer() {
  std::optional<CumulatieBron> huidig;
  if (modus_ == Modus::Resultaat && invoer_ && resultaten_) {
    huidig = BronVanBerekend(*invoer_, *resultaten_, WerkbladNaam());
  }
  CumulatieVenster venster(cat_, dialogen_, std::move(huidig), this);
  dialogen_.ToonVenster(venster);
}

void HoofdVenster::ToonVoorbeeld() {
  if (!invoer_ || !resultaten_) return;
  tarvo::ToonVoorbeeld(this, dialogen_, PaginaInhoud{*invoer_, *resultaten_, cat_, decimaal_, datumTekst_},
                       PdfVoorstel());
}

void HoofdVenster::DrukAf() {
  if (!invoer_ || !resultaten_) return;
  const QString bevestiging =
      tarvo::DrukAf(this, dialogen_, PaginaInhoud{*invoer_, *resultaten_, cat_, decimaal_, datumTekst_});
  if (!bevestiging.isEmpty()) statusBar()->showMessage(bevestiging);
}

// Lden of the last calculation, before the deduction.
void HoofdVenster::ToonDosisEffect() {
  if (!resultaten_) return;
  DosisEffectVenster venster(resultaten_->Lden, this);
  dialogen_.ToonVenster(venster);
}

// The chart checks the fields as a calculation does and shows the check on
// them, the totals of the derived fields included; the worksheet's own
// input and results stay those of its last calculation.
void HoofdVenster::ToonDiagram() {
  tarvo::ToonDiagram(this, dialogen_, HuidigWerkblad(), cat_, decimaal_, [this](const Rekening& rekening) {
    if (!ToonControle(rekening.controle, true) || !rekening.resultaten) return;
    for (const auto& [k, tekst] : AfgeleideTeksten(*rekening.resultaten, decimaal_)) veld(k)->setText(QTekst(tekst));
  });
}

// The fields as they stand, checked in the window; its choices stay for the next time.
void HoofdVenster::Toets() {
  ToetsingVenster venster(HuidigWerkblad(), WerkbladNaam(), cat_, decimaal_, VandaagQt(), toetsingKeuze_, dialogen_,
                          this);
  dialogen_.ToonVenster(venster);
}

bool HoofdVenster::eventFilter(QObject* object, QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease && event->type() != QEvent::MouseButtonPress &&
      event->type() != QEvent::MouseButtonDblClick) {
    return QMainWindow::eventFilter(object, event);
  }
  auto* w = qobject_cast<QWidget*>(object);
  auto* muis = static_cast<QMouseEvent*>(event);
  const bool klik = event->type() == QEvent::MouseButtonRelease && muis->button() == Qt::LeftButton && w &&
                    w->isEnabled() && w->rect().contains(muis->position().toPoint());
  if (object == resultaatKader_) {
    if (klik) VulIn();
    return klik;
  }
  if (object == afstandBijschrift_) {
    if (klik) ToonDiagram();
    return klik;
  }
  if (object == dosisEffectVerwijzing_) {
    if (klik) ToonDosisEffect();
    return true;
  }
  // A click on a result label, or on the deduction line under them, is the label's, never the frame's.
  for (std::size_t n = 0; n < niveauNamen_.size(); ++n) {
    if (object == niveauNamen_[n] || object == niveauWaarden_[n]) return true;
  }
  if (object == aftrekRegel_ || object == art35Regel_) return true;
  return QMainWindow::eventFilter(object, event);
}

}  // namespace tarvo
