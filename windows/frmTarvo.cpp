#include "windows/frmTarvo.h"

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
#include <QProcess>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>
#include <optional>
#include <vector>

#include "calc/CheckIt.h"
#include "calc/ValiDate.h"
#include "base/Foutnummers.h"
#include "driver/Resultaatteksten.h"
#include "base/Tekst.h"
#include "calc/Velden.h"
#include "calc/Zone.h"
#include "files/CatalogusBestand.h"
#include "windows/frmWegdek.h"
#include "shared_ui/Afdrukken.h"
#include "shared_ui/Zandloper.h"
#include "windows/frmResultaat.h"
#include "windows/frmCumulatie.h"
#include "windows/frmDiagram.h"
#include "windows/frmDosisEffect.h"
#include "windows/frmIntensiteit.h"
#include "shared_ui/Iconen.h"
#include "windows/LicNaam.h"
#include "shared_ui/VeldFilter.h"
#include "shared_ui/Versie.h"
#include "windows/frmAbout.h"
#include "windows/frmTram.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"
#include "shared_ui/QtBediening.h"
#include "shared_ui/Scherm.h"

namespace tarvo {
namespace {

const QString kGeenBestand = "Geen bestand";
const char* const kOpslaanVraag = "Wilt u het rekenblad eerst opslaan?";
const QString kCatalogusFilter = "Bestand Wegdekken_2012.dat (Wegdekken_2012.dat)";
const char* const kVenster = "frmTarvo";

const QColor kVeldAchtergrond(255, 255, 192);
const QColor kVeldTekst(64, 64, 64);
const QColor kResultaatTekst(192, 0, 0);
const QColor kResultaatGeel(255, 255, 0);
// The colour Windows gives an inactive window border, behind the result labels.
const QColor kInactieveRand(212, 208, 200);

using Commando = frmTarvo::Commando;

// Rows and columns of the window's grid: names, column heads, six traffic
// rows and the two derived ones; a gap; the geometry; a gap; the remarks.
// The results take a column of their own beside the traffic rows, behind a
// gap column; the last column takes what a wider window adds.
constexpr int kRijKoppen = 2;
constexpr int kRijGeometrie = 12;
constexpr int kRijToelichting = 17;
constexpr int kKolomRechts = 7;

// No picture: the command lives in the menu only.
constexpr QStyle::StandardPixmap kGeenIcoon = QStyle::SP_CustomBase;

struct ActieDef {
  Commando commando;
  const char* naam;   // the action's object name
  const char* tekst;  // its tool tip and description
  const char* menu;   // its menu item
  QKeySequence sneltoets;
  void (frmTarvo::*uitvoeren)();
  QStyle::StandardPixmap standaardIcoon;
  QIcon (*getekendIcoon)();  // nullptr: the standard icon
};

// Every command: the toolbar's in its order, then those of the clickable
// labels and of the calculation button.
const std::array<ActieDef, frmTarvo::kAantalCommandos>& Acties() {
  static const std::array<ActieDef, frmTarvo::kAantalCommandos> acties = {{
      {Commando::Sluiten, "exit", "Programma sluiten", "Af&sluiten", QKeySequence(Qt::CTRL | Qt::Key_Q),
       &frmTarvo::Afsluiten, QStyle::SP_DialogCloseButton, nullptr},
      {Commando::Openen, "open", "Open rekenblad", "&Openen…", QKeySequence(Qt::CTRL | Qt::Key_O), &frmTarvo::Openen,
       QStyle::SP_DialogOpenButton, nullptr},
      {Commando::Afdrukken, "printen", "Rekenblad afdrukken op printer", "&Afdrukken…",
       QKeySequence(Qt::CTRL | Qt::Key_P), &frmTarvo::Afdrukken, {}, PrinterIcoon},
      {Commando::Voorbeeld, "preview", "Afdrukvoorbeeld", "Afdruk&voorbeeld",
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &frmTarvo::Voorbeeld, {}, VoorbeeldIcoon},
      {Commando::Opslaan, "opslaan", "Rekenblad opslaan in bestand", "Op&slaan…", QKeySequence(Qt::CTRL | Qt::Key_S),
       &frmTarvo::OpslaanRekenblad, QStyle::SP_DialogSaveButton, nullptr},
      {Commando::Reset, "reset", "Reset rekenblad", "&Reset", QKeySequence(Qt::CTRL | Qt::Key_R), &frmTarvo::ResetRekenblad,
       QStyle::SP_BrowserReload, nullptr},
      {Commando::Invullen, "invullen", "Invullen rekenblad", "&Invullen", QKeySequence(Qt::Key_F2),
       &frmTarvo::Invoer, {}, PotloodIcoon},
      {Commando::Wegdekken, "cwegdek", "Correctiefactoren wegdekken", "&Correctiefactoren wegdekken…",
       QKeySequence(Qt::Key_F4), &frmTarvo::WegdekEditor, {}, WegIcoon},
      {Commando::Omrekenen, "omreken", "Omrekeningstabellen verkeersgegevens",
       "&Omrekeningstabellen verkeersgegevens…", QKeySequence(Qt::Key_F5), &frmTarvo::Omrekenen, {}, TabelIcoon},
      {Commando::Cumulatie, "cumulatie", "Cumulatie", "C&umulatie…", QKeySequence(Qt::Key_F7), &frmTarvo::Cumulatie,
       {}, CumulatieIcoon},
      {Commando::Gebruiker, "gebruiker", "Instelling gebruikersnaam", "&Gebruikersnaam…", QKeySequence(Qt::Key_F6),
       &frmTarvo::Gebruiker, {}, PersoonIcoon},
      {Commando::Info, "info", "Algemene informatie over Tarvo", "&Informatie over Tarvo",
       QKeySequence(Qt::SHIFT | Qt::Key_F1), &frmTarvo::Info, QStyle::SP_MessageBoxInformation, nullptr},
      {Commando::Help, "help", "Toelichting bij invoer", "&Toelichting bij invoer", QKeySequence(Qt::Key_F1),
       &frmTarvo::Help, QStyle::SP_MessageBoxQuestion, nullptr},
      {Commando::Calculator, "calc", "Calculator", "Reken&machine", QKeySequence(Qt::Key_F8), &frmTarvo::Calculator,
       {}, RekenmachineIcoon},
      {Commando::DosisEffect, "dosisEffect", "Dosis-effectrelatie", "&Dosis-effectrelatie…",
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), &frmTarvo::DosisEffect, kGeenIcoon, nullptr},
      {Commando::Diagram, "diagram", "Niveau-afstanddiagram", "&Niveau-afstanddiagram…",
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &frmTarvo::Diagram, kGeenIcoon, nullptr},
      // Alt+B opens the menu "Bestand"; F9 calculates, as in a spreadsheet.
      {Commando::Berekenen, "berekenen", "Berekening uitvoeren", "&Berekening uitvoeren", QKeySequence(Qt::Key_F9),
       &frmTarvo::Command1_Click, kGeenIcoon, nullptr},
  }};
  return acties;
}

// The toolbar: these groups, each behind a separator, and one at the end.
const std::array<std::vector<Commando>, 5>& WerkbalkGroepen() {
  static const std::array<std::vector<Commando>, 5> groepen = {{
      {Commando::Sluiten, Commando::Openen},
      {Commando::Afdrukken, Commando::Voorbeeld, Commando::Opslaan},
      {Commando::Reset, Commando::Invullen},
      {Commando::Wegdekken, Commando::Omrekenen, Commando::Cumulatie, Commando::Gebruiker, Commando::Info,
       Commando::Help},
      {Commando::Calculator},
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
      {"&Bestand", "mnuBestand",
       {Commando::Openen, Commando::Opslaan, std::nullopt, Commando::Voorbeeld, Commando::Afdrukken, std::nullopt,
        Commando::Sluiten}},
      {"&Rekenblad", "mnuRekenblad", {Commando::Invullen, Commando::Berekenen, std::nullopt, Commando::Reset}},
      {"E&xtra", "mnuExtra",
       {Commando::Wegdekken, Commando::Omrekenen, std::nullopt, Commando::DosisEffect, Commando::Diagram,
        std::nullopt, Commando::Calculator, Commando::Gebruiker}},
      {"&Help", "mnuHelp", {Commando::Help, Commando::Info}},
  }};
  return menus;
}

void ZetPaletKleur(QWidget* w, QPalette::ColorRole rol, const QColor& kleur, bool ookUitgeschakeld) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Active, rol, kleur);
  pal.setColor(QPalette::Inactive, rol, kleur);
  if (ookUitgeschakeld) pal.setColor(QPalette::Disabled, rol, kleur);
  w->setPalette(pal);
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
    if (alignment() & Qt::AlignRight) x = vak.right() - breedte;
    else if (alignment() & Qt::AlignHCenter) x = vak.left() + (vak.width() - breedte) / 2;
    const int y = vak.top() + (vak.height() - fm.height()) / 2 + fm.ascent();
    QPainterPath pad;
    pad.addText(x, y, font(), text());
    p.strokePath(pad, QPen(QColor(60, 0, 0), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(pad, palette().color(QPalette::WindowText));
  }
};

}  // namespace

frmTarvo::frmTarvo(Dialogen& dialogen, const QString& dataMap, QWidget* ouder)
    : QMainWindow(ouder), dialogen_(dialogen), dataMap_(dataMap), helpTekst_(kHelpOntbreekt) {
  setObjectName(kVenster);
  ws_.Decimaal = LocaleDecimaal();
  BouwVenster();
}

frmTarvo::~frmTarvo() { DeleteIcon(); }

// ---------------------------------------------------------------- layout

void frmTarvo::BouwVenster() {
  ZetTitel();
  setWindowIcon(ProgrammaIcoon());
  // The form scrolls where the screen is smaller than it, at large scalings.
  auto* vlak = new Schuifvlak(this);
  vlak->setObjectName("Schuifvlak");
  auto* midden = new QWidget(vlak);
  midden->setObjectName("Werkblad");
  MaakVelden(midden);

  // One grid, so that the captions, the fields of the traffic rows and of
  // the geometry share their columns. The last column takes what a larger
  // window adds: the names and the remark lines grow, the results stay
  // beside the traffic rows.
  auto* raster = new QGridLayout(midden);
  raster->setContentsMargins(12, 10, 12, 8);
  raster->setHorizontalSpacing(8);
  raster->setVerticalSpacing(3);
  Verkeersraster(raster, midden);
  raster->addLayout(Resultaten(midden), kRijKoppen, kKolomRechts, kRijGeometrie - 1 - kRijKoppen, 1);
  raster->setRowMinimumHeight(kRijGeometrie - 1, 6);
  Geometrie(raster, midden);
  raster->addLayout(Schakelaars(midden), kRijGeometrie, kKolomRechts, 4, 2);
  raster->setRowMinimumHeight(kRijToelichting - 1, 6);
  Toelichting(raster, midden);
  raster->setRowStretch(kRijToelichting + 4, 1);
  raster->setColumnMinimumWidth(kKolomRechts - 1, 8);
  raster->setColumnStretch(kKolomRechts + 1, 1);
  vlak->setWidget(midden);
  setCentralWidget(vlak);

  ZetTabVolgorde();
  VolgVelden();
  VolgWijzigingen();
  MaakActies();
  MaakMenu();
  ButtonSetup();
  MaakStatusBalk();
  MaakTaakMenu();
  ZetActies();
  PasOpScherm(this);
}

// The 40 input fields; the derived ones 26..31 greyed.
void frmTarvo::MaakVelden(QWidget* midden) {
  for (int k = 0; k < kAantalVelden; ++k) {
    const VeldInfo& v = Veld(k);
    auto* e = new QLineEdit(midden);
    e->setObjectName(QString("txtInvoer(%1)").arg(k));
    LineEditVak::ZetTag(e, QTekst(v.tag));
    const bool afgeleid = v.toetsen == ToetsKlasse::Vergrendeld;
    ZetPaletKleur(e, QPalette::Base, afgeleid ? palette().color(QPalette::Button).darker(104) : kVeldAchtergrond,
                  true);
    ZetPaletKleur(e, QPalette::Text, kVeldTekst, false);
    if (k >= 2) {
      e->setAlignment(Qt::AlignRight);
      e->setFixedWidth(80);
    }
    txtInvoer_[static_cast<std::size_t>(k)] = e;
    invoerVak_[static_cast<std::size_t>(k)] = std::make_unique<LineEditVak>(e);
  }
}

QLabel* frmTarvo::MaakLabel(int i, std::string_view tekst, QWidget* midden) {
  auto* l = new QLabel(QTekst(tekst), midden);
  l->setObjectName(QString("label(%1)").arg(i));
  label_[static_cast<std::size_t>(i)] = l;
  return l;
}

// Names and the traffic rows: one row per category, the period columns
// and, per category, its speed.
void frmTarvo::Verkeersraster(QGridLayout* raster, QWidget* midden) {
  const int breed = kKolomRechts + 1;  // the names reach the window's edge
  raster->addWidget(MaakLabel(0, "waarneempunt", midden), 0, 0);
  raster->addWidget(txtInvoer(0), 0, 1, 1, breed);
  raster->addWidget(MaakLabel(1, "weg", midden), 1, 0);
  raster->addWidget(txtInvoer(1), 1, 1, 1, breed);
  const char* kolommen[] = {"dag", "avond", "nacht"};
  for (int p = 0; p < 3; ++p) {
    QLabel* kop = MaakLabel(24 + p, kolommen[p], midden);
    kop->setAlignment(Qt::AlignCenter);
    raster->addWidget(kop, kRijKoppen, 1 + p);
  }
  for (int c = 0; c < kAantalCategorieen; ++c) {
    const int rij = kRijKoppen + 1 + c;
    raster->addWidget(MaakLabel(2 + 2 * c, Veld(SnelheidVeld(c)).bijschrift, midden), rij, 0);
    for (int p = 1; p <= 3; ++p) raster->addWidget(txtInvoer(IntensiteitVeld(c, p)), rij, p);
    QLabel* v = MaakLabel(3 + 2 * c, "v (km/h)", midden);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    raster->addWidget(v, rij, 4);
    raster->addWidget(txtInvoer(SnelheidVeld(c)), rij, 5);
  }
  const int totaal = kRijKoppen + 1 + kAantalCategorieen;
  raster->addWidget(MaakLabel(14, "Qtotaal (mvt/h)", midden), totaal, 0);
  raster->addWidget(MaakLabel(15, "vrachtverkeer (%)", midden), totaal + 1, 0);
  for (int p = 1; p <= 3; ++p) {
    raster->addWidget(txtInvoer(25 + p), totaal, p);
    raster->addWidget(txtInvoer(28 + p), totaal + 1, p);
  }
}

// Geometry: fields 32..35 under the day column, 36..39 under the speeds.
// The caption of the horizontal distance opens the level-distance diagram.
void frmTarvo::Geometrie(QGridLayout* raster, QWidget* midden) {
  const std::pair<int, const char*> links[] = {{16, "waarneemhoogte (m)"}, {17, "wegdekhoogte (m)"},
                                               {18, "bodemfactor B (-)"}, {19, "objectfractie (-)"}};
  const std::pair<int, const char*> rechts[] = {{21, "horizontale afstand (m)"}, {22, "afstand kruising (m)"},
                                                {23, "afstand obstakel (m)"}, {20, "zichthoek (graden)"}};
  for (int r = 0; r < 4; ++r) {
    const int rij = kRijGeometrie + r;
    raster->addWidget(MaakLabel(links[r].first, links[r].second, midden), rij, 0);
    raster->addWidget(txtInvoer(32 + r), rij, 1);
    QLabel* rechtsLabel = MaakLabel(rechts[r].first, rechts[r].second, midden);
    rechtsLabel->setIndent(12);
    raster->addWidget(rechtsLabel, rij, 2, 1, 3);
    raster->addWidget(txtInvoer(36 + r), rij, 5);
  }
  label(21)->setCursor(Qt::PointingHandCursor);
  label(21)->installEventFilter(this);
}

// Road surface, switches, tram.
QGridLayout* frmTarvo::Schakelaars(QWidget* midden) {
  combo1_ = new QComboBox(midden);
  combo1_->setObjectName("Combo1");
  // The names are 30 characters; the list pads them to 40 with blanks.
  combo1_->setMinimumContentsLength(static_cast<int>(kOmschrijvingLengte) + 2);
  combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  connect(combo1_, &QComboBox::activated, this, &frmTarvo::Combo1_Click);
  lblWegdek_ = new QLabel("wegdek", midden);
  lblWegdek_->setBuddy(combo1_);
  chkZone_ = new QCheckBox("30 km-zone", midden);
  chkZone_->setObjectName("chkZone");
  connect(chkZone_, &QCheckBox::clicked, this, &frmTarvo::chkZone_Click);
  chkAftrek_ = new QCheckBox("Inclusief aftrek ex artikel 110g Wgh", midden);
  chkAftrek_->setObjectName("chkAftrek");
  zoneVak_ = std::make_unique<CheckBoxVak>(chkZone_);
  aftrekVak_ = std::make_unique<CheckBoxVak>(chkAftrek_);
  cmdTram_ = new QPushButton("Railconstructie tram...", midden);
  cmdTram_->setObjectName("cmdTram");
  connect(cmdTram_, &QPushButton::clicked, this, &frmTarvo::Tram);

  auto* schakelaars = new QGridLayout;
  schakelaars->setHorizontalSpacing(8);
  schakelaars->setVerticalSpacing(3);
  schakelaars->addWidget(lblWegdek_, 0, 0);
  schakelaars->addWidget(combo1_, 0, 1, 1, 2);
  schakelaars->addWidget(chkZone_, 1, 1);
  schakelaars->addWidget(cmdTram_, 1, 2, Qt::AlignLeft);
  schakelaars->addWidget(chkAftrek_, 2, 1, 1, 2);
  schakelaars->setColumnStretch(3, 1);
  schakelaars->setRowStretch(3, 1);
  return schakelaars;
}

// The caption beside the four remark lines, which grow with the window.
void frmTarvo::Toelichting(QGridLayout* raster, QWidget* midden) {
  label2_ = new QLabel("Toelichting", midden);
  label2_->setObjectName("Label2");
  raster->addWidget(label2_, kRijToelichting, 0);
  for (int i = 0; i < 4; ++i) {
    auto* t = new QLineEdit(midden);
    t->setObjectName(QString("txtToel(%1)").arg(i));
    t->setMaxLength(static_cast<int>(kToelichtingLengte));
    ZetPaletKleur(t, QPalette::Base, kVeldAchtergrond, true);
    ZetPaletKleur(t, QPalette::Text, kVeldTekst, false);
    txtToel_[static_cast<std::size_t>(i)] = t;
    toelVak_[static_cast<std::size_t>(i)] = std::make_unique<LineEditVak>(t);
    raster->addWidget(t, kRijToelichting + i, 1, 1, kKolomRechts + 1);
  }
}

// The result frame with its labels, and under it the calculation button.
QVBoxLayout* frmTarvo::Resultaten(QWidget* midden) {
  frame2_ = new QGroupBox("berekeningsresultaten", midden);
  frame2_->setObjectName("Frame2");
  frame2_->installEventFilter(this);
  auto* resultaten = new QGridLayout(frame2_);
  resultaten->setHorizontalSpacing(10);
  const char* bijschriften[] = {"", "Letmaal:", "", "Lden:", "", "Lnight:", "", "dosis-effect relatie"};
  for (int i = 1; i <= 7; ++i) {
    auto* l = new WaardeLabel(bijschriften[i], frame2_);
    l->setObjectName(QString("lblResult(%1)").arg(i));
    l->setAutoFillBackground(true);
    ZetPaletKleur(l, QPalette::Window, kInactieveRand, true);
    ZetPaletKleur(l, QPalette::WindowText, kResultaatTekst, false);
    l->setContentsMargins(4, 2, 4, 2);
    l->installEventFilter(this);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    l->setFont(f);
    lblResult_[static_cast<std::size_t>(i)] = l;
  }
  for (int r = 0; r < 3; ++r) {
    resultaten->addWidget(lblResult(1 + 2 * r), r, 0);
    lblResult(2 + 2 * r)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblResult(2 + 2 * r)->setMinimumWidth(lblResult(2)->fontMetrics().horizontalAdvance("000,0 dB(A)") + 12);
    resultaten->addWidget(lblResult(2 + 2 * r), r, 1);
  }
  // The levels above are shown less the deduction; this line says so.
  lblAftrek_ = new QLabel(frame2_);
  lblAftrek_->setObjectName("lblAftrek");
  lblAftrek_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblAftrek_->setVisible(false);
  lblAftrek_->installEventFilter(this);
  resultaten->addWidget(lblAftrek_, 3, 0, 1, 2);
  lblResult(7)->setCursor(Qt::PointingHandCursor);
  lblResult(7)->setAlignment(Qt::AlignCenter);
  resultaten->addWidget(lblResult(7), 4, 0, 1, 2);

  command1_ = new QPushButton("Berekening uitvoeren", midden);
  command1_->setObjectName("Command1");
  command1_->setMinimumHeight(36);
  connect(command1_, &QPushButton::clicked, this, &frmTarvo::Command1_Click);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(frame2_);
  rechts->addSpacing(8);
  rechts->addWidget(command1_);
  rechts->addStretch(1);
  return rechts;
}

// Tab follows the ring of Enter and the arrows.
void frmTarvo::ZetTabVolgorde() {
  QWidget* vorige = txtInvoer(0);
  auto volg = [&](QWidget* w) {
    setTabOrder(vorige, w);
    vorige = w;
  };
  for (int k = 1; k <= 25; ++k) volg(txtInvoer(k));
  for (int k = 32; k <= 39; ++k) volg(txtInvoer(k));
  volg(combo1_);
  volg(chkZone_);
  volg(cmdTram_);
  volg(chkAftrek_);
  for (int i = 0; i < 4; ++i) volg(txtToel(i));
  volg(command1_);
}

void frmTarvo::VolgVelden() {
  veldFilter_ = new VeldFilter(*this, txtInvoer_, txtToel_, ws_, dialogen_, this);
  connect(veldFilter_, &VeldFilter::HelpTekst, this, [this](const std::string& tekst) { helpTekst_ = tekst; });
  veldFilter_->VolgHelp(chkAftrek_, kHelpAftrek);
  veldFilter_->VolgHelp(chkZone_, kHelpZone);
  veldFilter_->VolgHelp(cmdTram_, kHelpGeenInfo);
  veldFilter_->VolgHelp(combo1_, kHelpWegdek);
  veldFilter_->VolgHelp(command1_, kHelpBerekening);
}

void frmTarvo::MaakActies() {
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
    actie_[static_cast<std::size_t>(d.commando)] = a;
  }
}

// The menus hold the toolbar's own actions: an item is enabled exactly
// when its button is.
void frmTarvo::MaakMenu() {
  for (const MenuDef& m : Menus()) {
    QMenu* menu = menuBar()->addMenu(m.titel);
    menu->setObjectName(m.naam);
    for (const std::optional<Commando>& c : m.items) {
      if (c) menu->addAction(Actie(*c));
      else menu->addSeparator();
    }
  }
}

void frmTarvo::ButtonSetup() {
  toolbar1_ = addToolBar("Werkbalk");
  toolbar1_->setObjectName("Toolbar1");
  toolbar1_->setMovable(false);
  toolbar1_->setIconSize(QSize(24, 24));
  for (const std::vector<Commando>& groep : WerkbalkGroepen()) {
    toolbar1_->addSeparator();
    for (Commando c : groep) toolbar1_->addAction(Actie(c));
  }
  toolbar1_->addSeparator();
}

void frmTarvo::MaakStatusBalk() {
  auto* balk = new QStatusBar(this);
  balk->setObjectName("StatusBar1");
  setStatusBar(balk);
  bestandPaneel_ = new QLabel(kGeenBestand, balk);
  bestandPaneel_->setObjectName("Panel1");
  bestandPaneel_->setMinimumWidth(220);
  bestandPaneel_->setFrameShape(QFrame::Panel);
  bestandPaneel_->setFrameShadow(QFrame::Sunken);
  // The file name at the right; why the last command did nothing, or what
  // it saved, in the room at its left.
  meldingPaneel_ = new QLabel(balk);
  meldingPaneel_->setObjectName("Panel2");
  meldingPaneel_->setTextFormat(Qt::PlainText);
  balk->addWidget(meldingPaneel_, 1);
  balk->addPermanentWidget(bestandPaneel_);
}

// The notification icon's menu.
void frmTarvo::MaakTaakMenu() {
  mnuTaakInfo_ = new QAction("Info", this);
  mnuTaakInfo_->setObjectName("mnuTaakInfo");
  connect(mnuTaakInfo_, &QAction::triggered, this, &frmTarvo::Info);
  mnuTaakexit_ = new QAction("Afsluiten", this);
  mnuTaakexit_->setObjectName("mnuTaakexit");
  connect(mnuTaakexit_, &QAction::triggered, this, &frmTarvo::Afsluiten);
  mnuTaakbar_ = new QMenu("Taakbar", this);
  mnuTaakbar_->setObjectName("mnuTaakbar");
  mnuTaakbar_->addAction(mnuTaakInfo_);
  mnuTaakbar_->addAction(mnuTaakexit_);
}

// ---------------------------------------------------------------- WerkbladVenster

TekstVak& frmTarvo::Invoer(int k) { return *invoerVak_.at(static_cast<std::size_t>(k)); }
TekstVak& frmTarvo::Toel(int i) { return *toelVak_.at(static_cast<std::size_t>(i)); }
Vinkvak& frmTarvo::Zone() { return *zoneVak_; }
Vinkvak& frmTarvo::Aftrek() { return *aftrekVak_; }

void frmTarvo::ToonWegdek(int lijstIndex) {
  if (combo1_->count() == 0) return;
  combo1_->setCurrentIndex(lijstIndex >= 0 && lijstIndex < combo1_->count() ? lijstIndex : 0);
}

QString frmTarvo::BestandPaneel() const { return bestandPaneel_->text(); }

void frmTarvo::ZetBestand(const QString& pad) {
  bestandPad_ = pad;
  bestandPaneel_->setText(pad.isEmpty() ? kGeenBestand : QFileInfo(pad).fileName());
  ZetTitel();
}

void frmTarvo::ZetTitel() {
  // Qt shows its marker of unsaved changes at "[*]".
  const QString programma = QString("Rekenblad Tarvo[*], Copyright ") + versie::kCopyright;
  if (bestandPad_.isEmpty()) setWindowTitle(programma);
  else setWindowTitle(QFileInfo(bestandPad_).fileName() + "[*] - " + QString(programma).remove("[*]"));
}

// ---------------------------------------------------------------- unsaved changes

// Only what the user does counts: the program writes into locked fields, or
// clears the mark after it wrote (Reset, Openen). A field the traffic
// conversion fills is open for input, so that counts too.
void frmTarvo::VolgWijzigingen() {
  for (QLineEdit* e : txtInvoer_) {
    connect(e, &QLineEdit::textChanged, this, [this, e] {
      if (e->isEnabled()) Wijzig();
    });
  }
  for (QLineEdit* t : txtToel_) {
    connect(t, &QLineEdit::textChanged, this, [this, t] {
      if (t->isEnabled()) Wijzig();
    });
  }
  connect(chkAftrek_, &QCheckBox::clicked, this, &frmTarvo::Wijzig);
}

void frmTarvo::Wijzig() {
  if (isWindowModified()) return;
  setWindowModified(true);
  statusBar()->clearMessage();  // a word about the last save no longer holds
}

bool frmTarvo::EerstOpslaan(const char* titel) {
  if (!isWindowModified()) return true;
  switch (dialogen_.Toon(kOpslaanVraag, titel, Icoon::Vraag, Knoppen::JaNeeAnnuleren)) {
    case Antwoord::Ja:
      return Opslaan();
    case Antwoord::Nee:
      return true;
    default:
      return false;
  }
}

// ---------------------------------------------------------------- start-up and shut-down

bool frmTarvo::Start(const QString& opdrachtRegel) {
  datumTekst_ = QLocale(QLocale::Dutch).toString(QDate::currentDate(), "dd MMMM yyyy");
  helpTekst_ = std::string(kHelpOntbreekt);

  for (;;) {
    Uitkomst<void> geladen;
    {
      Zandloper zandloper;
      geladen = LaadWegdekken(NaarPad(dataMap_), cat_);
    }
    if (geladen) break;
    if (geladen.Nummer() == kFoutNietGevonden) {
      dialogen_.Toon("Bestand Wegdekken_2012.dat niet gevonden", "Foutmelding", Icoon::Kritiek);
    } else {
      dialogen_.Toon(geladen.Melding(), "Foutmelding", Icoon::Kritiek);
    }
    if (!ZoekFile(kCatalogusFilter)) return false;
  }

  CreateIcon();
  ws_.Etmaalcorrectie = {0, 0, 5, 10};
  VulLijst();
  Reset();

  QString naam = opdrachtRegel;
  if (naam.size() >= 2 && naam.startsWith('"') && naam.endsWith('"')) naam = naam.mid(1, naam.size() - 2);
  if (!naam.isEmpty() && IsWerkbladNaam(naam.toStdString())) {
    wachtPad_ = naam;
    Openen();
  }
  return true;
}

bool frmTarvo::ZoekFile(const QString& filter) {
  for (;;) {
    const auto keuze = dialogen_.OpenBestand(this, "Zoek Wegdekken_2012.dat", dataMap_, filter);
    if (!keuze) return false;
    laatstePad_ = *keuze;
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

void frmTarvo::VulLijst() {
  const auto items = tarvo::VulLijst(cat_);
  combo1_->clear();
  for (const std::string& item : items) combo1_->addItem(QString::fromStdString(item));
  ToonWegdek(LijstIndexVoor(cat_, ws_.WegdekKeuze));
}

void frmTarvo::closeEvent(QCloseEvent* event) {
  if (FormUnload()) event->accept();
  else event->ignore();
}

bool frmTarvo::FormUnload() {
  if (afgesloten_) return true;
  // Asked first: Cancel leaves everything, the catalogue file included, as it was.
  if (!EerstOpslaan("Programma afsluiten")) return false;
  Uitkomst<bool> bewaard = false;
  {
    Zandloper zandloper;
    bewaard = BewaarWegdekken(NaarPad(dataMap_), cat_);
  }
  if (!bewaard) {
    ToonOnverwachteFout(dialogen_, "Form_Unload", kVenster, bewaard.Nummer(), QString::fromStdString(bewaard.Melding()));
  }
  afgesloten_ = true;
  DeleteIcon();
  return true;
}

void frmTarvo::CreateIcon() {
  // Without a notification area the icon's two commands are in the menu bar all the same.
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  if (icoon_) return;
  icoon_ = new QSystemTrayIcon(ProgrammaIcoon(), this);
  icoon_->setToolTip(versie::kProductNaam);
  connect(icoon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reden) {
    if (reden != QSystemTrayIcon::DoubleClick) return;
    mnuTaakbar_->setDefaultAction(mnuTaakexit_);
    mnuTaakbar_->popup(QCursor::pos());
  });
  icoon_->show();
}

void frmTarvo::DeleteIcon() {
  if (icoon_) {
    icoon_->hide();
    delete icoon_;
  }
}

// ---------------------------------------------------------------- modes

void frmTarvo::ZetModus(Modus modus) {
  modus_ = modus;
  ZetMelding({});
  ZetActies();
}

void frmTarvo::ZetMelding(const QString& tekst) { meldingPaneel_->setText(tekst); }

QString frmTarvo::Melding() const { return meldingPaneel_->text(); }

bool frmTarvo::UitBestand() const { return !bestandPad_.isEmpty(); }

void frmTarvo::ZetActies() {
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
  Actie(Commando::Berekenen)->setEnabled(invoer || gelezen);
  command1_->setVisible(invoer || gelezen);
}

void frmTarvo::ZetLabelsIngeschakeld(bool aan) {
  for (QLabel* l : label_) l->setEnabled(aan);
}

void frmTarvo::VerbergUitkomsten() {
  for (int i : {2, 4, 6}) lblResult(i)->setVisible(false);
  lblAftrek_->setVisible(false);
  lblAftrek_->installEventFilter(this);
  for (int i : {1, 3, 5, 7}) lblResult(i)->setEnabled(false);
  frame2_->setEnabled(false);
}

void frmTarvo::Invoer() {
  ZetLabelsIngeschakeld(true);
  for (QLineEdit* e : txtInvoer_) e->setEnabled(true);
  VerbergUitkomsten();
  for (int k = 26; k <= 31; ++k) txtInvoer(k)->setEnabled(false);
  for (QLineEdit* t : txtToel_) t->setEnabled(true);
  chkZone_->setEnabled(true);
  if (chkZone_->isChecked()) ZoneSchakelaar(ws_, *this);
  label2_->setEnabled(true);
  cmdTram_->setEnabled(true);
  chkAftrek_->setEnabled(true);
  combo1_->setEnabled(true);
  lblWegdek_->setEnabled(true);
  ZetModus(Modus::Invoer);
  txtInvoer(0)->setFocus(Qt::OtherFocusReason);
}

void frmTarvo::ResetRekenblad() {
  if (EerstOpslaan("Reset")) Reset();
}

void frmTarvo::Reset() {
  ZetBestand({});
  statusBar()->clearMessage();
  ZetLabelsIngeschakeld(false);
  VerbergUitkomsten();
  ResetWerkblad(ws_, *this);
  label2_->setEnabled(false);
  cmdTram_->setEnabled(false);
  combo1_->setEnabled(false);
  lblWegdek_->setEnabled(false);
  setWindowModified(false);
  ZetModus(Modus::Rust);
}

void frmTarvo::ResultaatModus() {
  frame2_->setEnabled(true);
  chkZone_->setEnabled(false);
  ZetLabelsIngeschakeld(false);
  for (int i : {2, 4, 6}) lblResult(i)->setVisible(true);
  lblAftrek_->setVisible(!lblAftrek_->text().isEmpty());
  for (int i = 1; i <= 7; ++i) {
    lblResult(i)->setEnabled(true);
    ZetPaletKleur(lblResult(i), QPalette::WindowText, kResultaatGeel, false);
  }
  for (QLineEdit* e : txtInvoer_) e->setEnabled(false);
  cmdTram_->setEnabled(false);
  for (QLineEdit* t : txtToel_) t->setEnabled(false);
  label2_->setEnabled(false);
  chkAftrek_->setEnabled(false);
  combo1_->setEnabled(false);
  lblWegdek_->setEnabled(false);
  ZetModus(Modus::Resultaat);
}

void frmTarvo::Command1_Click() {
  ZetMelding({});
  const CheckUitkomst check = CheckIt(ws_, *this, dialogen_);
  if (!check) {
    // The check refuses a text that is no number without a word. The field
    // shows it as on leaving it (red, its tool tip, the focus), also when
    // the calculation came by key and the field was never left.
    if (check.nietGetalVeld >= 0) {
      const VeldInfo& v = Veld(check.nietGetalVeld);
      ValiDate(Invoer(v.index), v.maximum, v.minimum, v.patroon, ws_.Decimaal);
      ZetMelding(QTekst(GeenGetalMelding(v.index)));
    }
    return;
  }
  const QDate vandaag = QDate::currentDate();
  const auto teksten = Reken(ws_, *this, cat_, Datum{vandaag.year(), vandaag.month(), vandaag.day()});
  if (!teksten) {
    dialogen_.Toon(teksten.Melding(), std::string(kTitelWaarschuwing), Icoon::Uitroep);
    return;
  }
  lblResult(2)->setText(QString::fromStdString(teksten->letmaal));
  lblResult(4)->setText(QString::fromStdString(teksten->lden));
  lblResult(6)->setText(QString::fromStdString(teksten->lnight));
  lblAftrek_->setText(QTekst(teksten->aftrek));
  ResultaatModus();
}

void frmTarvo::Combo1_Click(int index) {
  if (index != ws_.WegdekLijstIndex) Wijzig();
  ws_.WegdekLijstIndex = index;
  ws_.WegdekKeuze = static_cast<std::int16_t>(index + 1);
}

void frmTarvo::chkZone_Click() {
  Wijzig();
  ZoneSchakelaar(ws_, *this);
}

// ---------------------------------------------------------------- files

void frmTarvo::Openen() {
  if (!EerstOpslaan("Rekenblad openen")) return;
  for (;;) {
    QString pad;
    if (!wachtPad_.isEmpty()) {
      pad = wachtPad_;
      wachtPad_.clear();
    } else {
      const auto keuze = dialogen_.OpenBestand(this, "Open rekenblad", dataMap_, kWerkbladFilter);
      if (!keuze || keuze->isEmpty()) return;
      pad = *keuze;
    }
    laatstePad_ = pad;
    Uitkomst<WerkbladInhoud> inhoud = Fout{};
    {
      Zandloper zandloper;
      inhoud = LeesWerkbladInhoud(NaarPad(pad));
    }
    if (!inhoud) {
      // The worksheet on screen stays; the user may choose another file.
      dialogen_.Toon(inhoud.Melding(), std::string(kTitelWaarschuwing), Icoon::Kritiek);
      continue;
    }
    Reset();
    ToonInhoud(*inhoud, ws_, *this, cat_, dialogen_);
    ZetBestand(pad);
    setWindowModified(false);
    ZetActies();
    return;
  }
}

bool frmTarvo::Opslaan() {
  if (modus_ == Modus::Invoer) {
    // The file holds the values the check took over; the fields may hold
    // edits it has not seen yet. A refused check saves nothing and leaves
    // the user at the field to correct.
    for (int i = 0; i < 4; ++i) ToelichtingOvernemen(ws_, *this, i);
    if (!CheckIt(ws_, *this, dialogen_)) return false;
  }
  // The worksheet's own file, or a folder: never the catalogue ZoekFile chose.
  QString start = bestandPad_;
  if (start.isEmpty()) start = laatstePad_.isEmpty() ? dataMap_ : QFileInfo(laatstePad_).absolutePath();
  const auto pad = KiesBewaarPad(dialogen_, this, "Rekenblad opslaan", start, kWerkbladFilter, "tvo");
  if (!pad) return false;
  laatstePad_ = *pad;
  Uitkomst<void> geschreven;
  {
    Zandloper zandloper;
    geschreven = SchrijfWerkbladBestand(NaarPad(*pad), ws_, *this);
  }
  if (!geschreven) {
    dialogen_.Toon(geschreven.Melding() + ".", "Rekenblad opslaan", Icoon::Kritiek);
    return false;
  }
  ZetBestand(*pad);
  setWindowModified(false);
  ZetActies();
  statusBar()->showMessage("Rekenblad opgeslagen in " + QDir::toNativeSeparators(*pad));
  return true;
}

void frmTarvo::OpslaanRekenblad() { (void)Opslaan(); }

QString frmTarvo::PdfVoorstel() const {
  if (bestandPad_.isEmpty()) return dataMap_;
  const QFileInfo werkblad(bestandPad_);
  return werkblad.dir().filePath(werkblad.completeBaseName() + ".pdf");
}

// ---------------------------------------------------------------- commands

void frmTarvo::Afsluiten() { close(); }

void frmTarvo::Help() { dialogen_.Toon(helpTekst_, "Toelichting bij invoer", Icoon::Informatie); }

void frmTarvo::Calculator() {
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

void frmTarvo::Info() {
  frmAbout venster(cat_, dialogen_, dataMap_, mnuTaakInfo_, this);
  dialogen_.ToonVenster(venster);
}

void frmTarvo::Gebruiker() { LicNaam(this, dialogen_, cat_); }

void frmTarvo::Tram() {
  frmTram venster(ws_.RailConstructie, this);
  connect(&venster, &frmTram::RailGekozen, this, [this](std::int16_t rail) {
    if (rail != ws_.RailConstructie) Wijzig();
    ws_.RailConstructie = rail;
  });
  dialogen_.ToonVenster(venster);
}

void frmTarvo::WegdekEditor() {
  {
    frmWegdek venster(cat_, dialogen_, dataMap_, this);
    dialogen_.ToonVenster(venster);
  }
  VulLijst();
}

void frmTarvo::Omrekenen() {
  frmIntensiteit venster(*this, dialogen_, this);
  dialogen_.ToonVenster(venster);
}

void frmTarvo::Cumulatie() {
  // The worksheet counts only while its results are shown: in input mode they may no longer match its fields.
  std::optional<CumulatieBron> huidig;
  if (modus_ == Modus::Resultaat) huidig = BronVan(ws_, UitBestand() ? BestandPaneel().toStdString() : "huidig rekenblad");
  frmCumulatie venster(cat_, dialogen_, dataMap_, std::move(huidig), this);
  dialogen_.ToonVenster(venster);
}

void frmTarvo::Voorbeeld() { PreView(this, dialogen_, ws_, *this, cat_, PdfVoorstel(), datumTekst_); }

void frmTarvo::Afdrukken() { tarvo::Afdrukken(this, dialogen_, ws_, *this, cat_, dataMap_, datumTekst_); }

void frmTarvo::DosisEffect() {
  frmDosisEffect venster(ws_.Lden, this);
  dialogen_.ToonVenster(venster);
}

void frmTarvo::Diagram() { tarvo::Diagram(this, dialogen_, ws_, *this, cat_); }

bool frmTarvo::eventFilter(QObject* object, QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease && event->type() != QEvent::MouseButtonPress &&
      event->type() != QEvent::MouseButtonDblClick) {
    return QMainWindow::eventFilter(object, event);
  }
  auto* w = qobject_cast<QWidget*>(object);
  auto* muis = static_cast<QMouseEvent*>(event);
  const bool klik = event->type() == QEvent::MouseButtonRelease && muis->button() == Qt::LeftButton && w &&
                    w->isEnabled() && w->rect().contains(muis->position().toPoint());
  if (object == frame2_) {
    if (klik) Invoer();
    return klik;
  }
  if (object == label(21)) {
    if (klik) Diagram();
    return klik;
  }
  for (int i = 1; i <= 7; ++i) {
    if (object == lblResult(i)) {
      if (klik && i == 7) DosisEffect();
      // A click on a result label is the label's, never the frame's.
      return true;
    }
  }
  if (object == lblAftrek_) return true;  // part of the results, like the levels
  return QMainWindow::eventFilter(object, event);
}

}  // namespace tarvo
