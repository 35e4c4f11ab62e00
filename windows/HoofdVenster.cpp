#include "windows/HoofdVenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <algorithm>
#include <optional>
#include <span>
#include <utility>

#include "base/Foutnummers.h"
#include "driver/CumulatieOpdracht.h"
#include "driver/OnderzoekBlad.h"
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
#include "shared_ui/QtTekst.h"
#include "shared_ui/Scherm.h"
#include "shared_ui/Schrijfmeldingen.h"
#include "shared_ui/Versie.h"
#include "shared_ui/Zandloper.h"
#include "windows/CumulatieVenster.h"
#include "windows/DiagramVenster.h"
#include "windows/DosisEffectVenster.h"
#include "windows/Gebruikersnaam.h"
#include "windows/InfoVenster.h"
#include "windows/OmrekenVenster.h"
#include "windows/OnderzoekVenster.h"
#include "windows/VoorbeeldVenster.h"
#include "windows/WegdekVenster.h"
#include "windows/WerkbladFormulier.h"

namespace tarvo {
namespace {

const QString kGeenBestand = "Geen bestand";
const char* const kOpslaanVraag = "Wilt u het rekenblad eerst opslaan?";
const QString kCatalogusFilter = "Bestand Wegdekken_2012.dat (Wegdekken_2012.dat)";

// No picture: the command lives in the menu only.
constexpr QStyle::StandardPixmap kGeenIcoon = QStyle::SP_CustomBase;

// What the window adds to a command of kOpdrachten: what it runs, and its
// picture in the toolbar and the menu.
struct EigenActie {
  std::string_view naam;
  void (HoofdVenster::*uitvoeren)();
  QStyle::StandardPixmap standaardIcoon;
  QIcon (*getekendIcoon)();  // nullptr: the standard icon
};

constexpr std::array<EigenActie, 19> kEigenActies = {{
    {"afsluiten", &HoofdVenster::Sluit, QStyle::SP_DialogCloseButton, nullptr},
    {"openen", &HoofdVenster::Open, QStyle::SP_DialogOpenButton, nullptr},
    {"afdrukken", &HoofdVenster::DrukAf, {}, PrinterIcoon},
    {"voorbeeld", &HoofdVenster::ToonVoorbeeld, {}, VoorbeeldIcoon},
    {"opslaan", &HoofdVenster::BewaarRekenblad, QStyle::SP_DialogSaveButton, nullptr},
    {"reset", &HoofdVenster::ResetRekenblad, QStyle::SP_BrowserReload, nullptr},
    {"invullen", &HoofdVenster::VulIn, {}, PotloodIcoon},
    {"wegdekken", &HoofdVenster::BewerkWegdekken, {}, WegIcoon},
    {"omrekenen", &HoofdVenster::RekenVerkeerOm, {}, TabelIcoon},
    {"cumulatie", &HoofdVenster::Cumuleer, {}, CumulatieIcoon},
    {"gebruiker", &HoofdVenster::StelGebruikerIn, {}, PersoonIcoon},
    {"info", &HoofdVenster::ToonInfo, QStyle::SP_MessageBoxInformation, nullptr},
    {"help", &HoofdVenster::ToonHelp, QStyle::SP_MessageBoxQuestion, nullptr},
    {"rekenmachine", &HoofdVenster::StartRekenmachine, {}, RekenmachineIcoon},
    {"dosisEffect", &HoofdVenster::ToonDosisEffect, kGeenIcoon, nullptr},
    {"diagram", &HoofdVenster::ToonDiagram, kGeenIcoon, nullptr},
    {"toetsing", &HoofdVenster::Toets, kGeenIcoon, nullptr},
    {"berekenen", &HoofdVenster::Bereken, kGeenIcoon, nullptr},
    {"onderzoek", &HoofdVenster::ToonOnderzoek, kGeenIcoon, nullptr},
}};

// The toolbar: these groups, each behind a separator, and one at the end.
constexpr std::string_view kProgramma[] = {"afsluiten", "openen"};
constexpr std::string_view kUitvoer[] = {"afdrukken", "voorbeeld", "opslaan"};
constexpr std::string_view kRekenblad[] = {"reset", "invullen"};
constexpr std::string_view kExtra[] = {"wegdekken", "omrekenen", "cumulatie", "gebruiker", "info", "help"};
constexpr std::string_view kRekenmachine[] = {"rekenmachine"};
constexpr std::array<std::span<const std::string_view>, 5> kWerkbalk = {kProgramma, kUitvoer, kRekenblad, kExtra,
                                                                        kRekenmachine};

// The menu bar: every command once; "" stands for a separator.
struct MenuDef {
  std::string_view titel;
  std::string_view naam;
  std::span<const std::string_view> items;
};
constexpr std::string_view kBestandMenu[] = {"openen", "opslaan", "", "voorbeeld", "afdrukken", "", "afsluiten"};
constexpr std::string_view kRekenbladMenu[] = {"invullen", "berekenen", "", "reset"};
constexpr std::string_view kExtraMenu[] = {"wegdekken", "omrekenen", "", "dosisEffect",  "diagram",  "cumulatie",
                                           "toetsing",  "onderzoek", "", "rekenmachine", "gebruiker"};
constexpr std::string_view kHelpMenu[] = {"help", "info"};
constexpr std::array<MenuDef, 4> kMenus = {{
    {"&Bestand", "bestandMenu", kBestandMenu},
    {"&Rekenblad", "rekenbladMenu", kRekenbladMenu},
    {"E&xtra", "extraMenu", kExtraMenu},
    {"&Help", "helpMenu", kHelpMenu},
}};

constexpr const EigenActie* EigenVan(std::string_view naam) {
  for (const EigenActie& e : kEigenActies) {
    if (e.naam == naam) return &e;
  }
  return nullptr;
}

constexpr const Opdracht* OpdrachtVan(std::string_view naam) {
  for (const Opdracht& o : kOpdrachten) {
    if (o.naam == naam) return &o;
  }
  return nullptr;
}

// The window has exactly the commands of the table it is not said to lack,
// and its toolbar and menus name only those.
constexpr bool IsVensterOpdracht(std::string_view naam) {
  const Opdracht* o = OpdrachtVan(naam);
  return o && o->nietInProgramma.empty() && EigenVan(naam);
}
static_assert(std::all_of(kOpdrachten.begin(), kOpdrachten.end(),
                          [](const Opdracht& o) { return !o.nietInProgramma.empty() || EigenVan(o.naam); }));
static_assert(std::all_of(kEigenActies.begin(), kEigenActies.end(),
                          [](const EigenActie& e) { return IsVensterOpdracht(e.naam); }));
static_assert(std::all_of(kWerkbalk.begin(), kWerkbalk.end(), [](std::span<const std::string_view> groep) {
  return std::all_of(groep.begin(), groep.end(), IsVensterOpdracht);
}));
static_assert(std::all_of(kMenus.begin(), kMenus.end(), [](const MenuDef& m) {
  return std::all_of(m.items.begin(), m.items.end(),
                     [](std::string_view n) { return n.empty() || IsVensterOpdracht(n); });
}));

}  // namespace

HoofdVenster::HoofdVenster(Dialogen& dialogen, const QString& dataMap, QWidget* ouder)
    : QMainWindow(ouder), dialogen_(dialogen), decimaal_(LocaleDecimaal()), dataMap_(dataMap) {
  setObjectName("HoofdVenster");
  BouwVenster();
}

HoofdVenster::~HoofdVenster() { VerwijderSysteemvakIcoon(); }

// ---------------------------------------------------------------- layout

// The form scrolls where the screen is smaller than it, at large scalings.
void HoofdVenster::BouwVenster() {
  ZetTitel();
  setWindowIcon(ProgrammaIcoon());
  auto* vlak = new Schuifvlak(this);
  vlak->setObjectName("schuifvlak");
  formulier_ = new WerkbladFormulier(dialogen_, decimaal_, vlak);
  vlak->setWidget(formulier_);
  setCentralWidget(vlak);
  VolgFormulier();
  MaakActies();
  MaakMenu();
  MaakWerkbalk();
  MaakStatusBalk();
  MaakSysteemvakMenu();
  ZetActies();
  PasOpScherm(this);
}

// The form's clickable labels and button run the window's commands.
void HoofdVenster::VolgFormulier() {
  connect(formulier_, &WerkbladFormulier::Gewijzigd, this, &HoofdVenster::MarkeerGewijzigd);
  connect(formulier_, &WerkbladFormulier::Melding, this, &HoofdVenster::ZetMelding);
  connect(formulier_, &WerkbladFormulier::InvoerGevraagd, this, &HoofdVenster::VulIn);
  connect(formulier_, &WerkbladFormulier::DiagramGevraagd, this, &HoofdVenster::ToonDiagram);
  connect(formulier_, &WerkbladFormulier::DosisEffectGevraagd, this, &HoofdVenster::ToonDosisEffect);
  connect(formulier_->berekenKnop(), &QPushButton::clicked, this, &HoofdVenster::Bereken);
}

// Names, texts and keys are the table's; what runs and the picture the window's.
void HoofdVenster::MaakActies() {
  for (std::size_t i = 0; i < kOpdrachten.size(); ++i) {
    const Opdracht& o = kOpdrachten[i];
    const EigenActie* eigen = EigenVan(o.naam);
    if (!o.nietInProgramma.empty() || !eigen) continue;
    auto* a = new QAction(QTekst(o.menu), this);
    if (eigen->standaardIcoon != kGeenIcoon) {
      a->setIcon(eigen->getekendIcoon ? eigen->getekendIcoon() : style()->standardIcon(eigen->standaardIcoon));
    }
    a->setObjectName(QTekst(o.naam));
    const QKeySequence toets = QKeySequence::fromString(QTekst(o.toets), QKeySequence::PortableText);
    a->setShortcut(toets);
    a->setToolTip(QTekst(o.tekst) + " (" + toets.toString(QKeySequence::NativeText) + ")");
    a->setWhatsThis(QTekst(o.tekst));  // the button's description
    connect(a, &QAction::triggered, this, eigen->uitvoeren);
    acties_[i] = a;
  }
}

QAction* HoofdVenster::Actie(std::string_view naam) const {
  for (std::size_t i = 0; i < kOpdrachten.size(); ++i) {
    if (kOpdrachten[i].naam == naam) return acties_[i];
  }
  return nullptr;
}

// The menus hold the toolbar's own actions: an item is enabled exactly
// when its button is.
void HoofdVenster::MaakMenu() {
  for (const MenuDef& m : kMenus) {
    QMenu* menu = menuBar()->addMenu(QTekst(m.titel));
    menu->setObjectName(QTekst(m.naam));
    for (std::string_view naam : m.items) {
      if (naam.empty())
        menu->addSeparator();
      else
        menu->addAction(Actie(naam));
    }
  }
}

void HoofdVenster::MaakWerkbalk() {
  QToolBar* werkbalk = addToolBar("Werkbalk");
  werkbalk->setObjectName("werkbalk");
  werkbalk->setMovable(false);
  werkbalk->setIconSize(QSize(24, 24));
  for (std::span<const std::string_view> groep : kWerkbalk) {
    werkbalk->addSeparator();
    for (std::string_view naam : groep) werkbalk->addAction(Actie(naam));
  }
  werkbalk->addSeparator();
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
  Actie("openen")->setEnabled(!invoer);
  for (std::string_view c : {"afdrukken", "voorbeeld"}) Actie(c)->setEnabled(resultaat);
  // Whatever is on screen besides an empty worksheet can be kept in a file.
  Actie("opslaan")->setEnabled(!rust || gelezen);
  Actie("reset")->setEnabled(!rust);
  Actie("invullen")->setEnabled(!invoer);
  Actie("wegdekken")->setEnabled(rust && !gelezen);
  Actie("omrekenen")->setEnabled(invoer);
  Actie("help")->setEnabled(invoer || gelezen);
  Actie("dosisEffect")->setEnabled(resultaat);
  Actie("diagram")->setEnabled(invoer);
  Actie("toetsing")->setEnabled(!rust || gelezen);
  Actie("berekenen")->setEnabled(invoer || gelezen);
  formulier_->ZetBerekenbaar(invoer || gelezen);
}

void HoofdVenster::VulIn() {
  ZetModus(Modus::Invoer);
  formulier_->OpenInvoer();
}

void HoofdVenster::ResetRekenblad() {
  if (BewaarEerst("Reset")) Reset();
}

// Everything locked first, so that nothing written here counts as a change.
void HoofdVenster::Reset() {
  ZetBestand({});
  statusBar()->clearMessage();
  ZetModus(Modus::Rust);
  formulier_->Vergrendel();
  formulier_->ToonWerkblad(LeegWerkblad(decimaal_));
  invoer_.reset();
  resultaten_.reset();
  setWindowModified(false);
}

void HoofdVenster::ResultaatModus() {
  formulier_->ToonResultaat();
  ZetModus(Modus::Resultaat);
}

// The derived fields show the totals of any calculation, also one whose
// level came out infinite; a refusal says why and leaves the input mode.
void HoofdVenster::Bereken() {
  ZetMelding({});
  const RekenbladAntwoord a = Rekenblad(formulier_->HuidigWerkblad(), cat_, VandaagQt(), decimaal_);
  formulier_->ToonWeergave(a.rekening.controle.weergave);
  formulier_->ToonAfgeleid(a.afgeleid);
  if (!a.Berekend()) {
    ToonWeigering(a.afloop, a.melding, a.rekening.controle.weergave.focus, true);
    return;
  }
  invoer_ = *a.rekening.controle.invoer;
  resultaten_ = *a.rekening.resultaten;
  formulier_->ToonNiveaus(a);
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
    formulier_->ToonWerkblad(gelezen->werkblad);
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
    TeBewarenRekenblad t = TeBewaren(formulier_->HuidigWerkblad(), decimaal_);
    if (!ToonControle(t.controle, false)) return false;
    invoer = std::move(t.controle.invoer);
  }
  if (!invoer) return false;
  // The worksheet's own file, or the user's folder: never the data folder.
  const QString start = bestandPad_.isEmpty() ? dialogen_.BeginMap() : bestandPad_;
  const auto pad = KiesBewaarPad(dialogen_, this, "Rekenblad opslaan", start, kWerkbladFilter, "tvo");
  if (!pad) return false;
  const Schrijfmeldingen meldingen(statusBar());
  Uitkomst<void> geschreven =
      MetZandloper([&] { return SchrijfWerkbladBestand(NaarPad(*pad), *invoer, meldingen.Wijze()); });
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
  meldingen.ToonOpmerkingen(dialogen_, "Rekenblad opslaan");
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

void HoofdVenster::ToonHelp() { dialogen_.Toon(formulier_->HelpTekst(), "Toelichting bij invoer", Icoon::Informatie); }

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

void HoofdVenster::BewerkWegdekken() {
  {
    WegdekVenster venster(cat_, dialogen_, this);
    connect(&venster, &WegdekVenster::Gewijzigd, this, &HoofdVenster::BewaarCatalogus);
    dialogen_.ToonVenster(venster);
  }
  formulier_->VulWegdekLijst(cat_);
}

void HoofdVenster::RekenVerkeerOm() {
  OmrekenVenster venster(dialogen_, this);
  connect(&venster, &OmrekenVenster::Toegepast, formulier_, &WerkbladFormulier::NeemOmrekeningOver);
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
  tarvo::ToonDiagram(this, dialogen_, formulier_->HuidigWerkblad(), cat_, decimaal_, [this](const Rekening& rekening) {
    if (ToonControle(rekening.controle, true) && rekening.resultaten) {
      formulier_->ToonAfgeleid(AfgeleideTeksten(*rekening.resultaten, decimaal_));
    }
  });
}

// The fields as they stand, checked in the window; its choices stay for the next time.
void HoofdVenster::Toets() {
  ToetsingVenster venster(formulier_->HuidigWerkblad(), WerkbladNaam(), cat_, decimaal_, VandaagQt(), toetsingKeuze_,
                          dialogen_, this);
  dialogen_.ToonVenster(venster);
}

// The worksheet on screen enters the study as saving it would take it; an
// empty worksheet no one filled in or opened is no road.
void HoofdVenster::ToonOnderzoek() {
  Uitkomst<Invoer> huidig = Fout{std::string(kNietIngevuld)};
  if (modus_ != Modus::Rust || UitBestand()) {
    TeBewarenRekenblad t = TeBewaren(formulier_->HuidigWerkblad(), decimaal_);
    if (t.controle) {
      huidig = std::move(*t.controle.invoer);
    } else {
      const Weigering& w = *t.controle.weigering;
      huidig = Fout{w.soort == Weigering::Soort::GeenGetal ? GeenGetalMelding(w.veld) : w.tekst};
    }
  }
  OnderzoekVenster venster(onderzoek_, std::move(huidig), cat_, decimaal_, VandaagQt(), dialogen_, this);
  dialogen_.ToonVenster(venster);
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
  if (focus >= 0 && formulier_->veld(focus)->isEnabled()) formulier_->veld(focus)->setFocus(Qt::OtherFocusReason);
}

// The check's findings on the fields, then its refusal; true when it passed.
bool HoofdVenster::ToonControle(const Controle& controle, bool meldGeenGetal) {
  formulier_->ToonWeergave(controle.weergave);
  if (controle) return true;
  const Weigering& w = *controle.weigering;
  const bool geenGetal = w.soort == Weigering::Soort::GeenGetal;
  ToonWeigering(geenGetal ? Afloop::GeenGetal : Afloop::Waarschuwing, geenGetal ? GeenGetalMelding(w.veld) : w.tekst,
                controle.weergave.focus, meldGeenGetal);
  return false;
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
  formulier_->VulWegdekLijst(cat_);
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
  if (vragenKan_ && !BewaarOnderzoekEerst(this, dialogen_, onderzoek_, "Programma afsluiten")) return false;
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

}  // namespace tarvo
