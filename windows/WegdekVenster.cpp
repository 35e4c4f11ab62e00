#include "windows/WegdekVenster.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>
#include <vector>

#include "base/Foutnummers.h"
#include "calc/Velden.h"
#include "driver/WegdekBewerking.h"
#include "files/WegdekTabel.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Iconen.h"
#include "shared_ui/Kleuren.h"
#include "shared_ui/Knop.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Tekstvak.h"
#include "shared_ui/VeldRing.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {
namespace {

constexpr const char* kTabelFilter = "CSV-bestand (*.csv);;Alle bestanden (*)";

Icoon IcoonVan(MeldingSoort soort) {
  switch (soort) {
    case MeldingSoort::Stop:
      return Icoon::Kritiek;
    case MeldingSoort::Informatie:
      return Icoon::Informatie;
    case MeldingSoort::Vraag:
      return Icoon::Vraag;
    case MeldingSoort::Waarschuwing:
      break;
  }
  return Icoon::Uitroep;
}

}  // namespace

WegdekVenster::WegdekVenster(Catalogus& catalogus, Dialogen& dialogen, QWidget* ouder)
    : QDialog(ouder), cat_(catalogus), beheer_(catalogus), dialogen_(dialogen) {
  setObjectName("WegdekVenster");
  setWindowTitle(QTekst(kWegdekTitel));
  ontwerpTitel_ = windowTitle();

  MaakVelden();
  MaakKnoppen();
  auto* midden = new QHBoxLayout();
  midden->addWidget(wegdekLijst_, 1);
  midden->addLayout(VeldenEnKnoppen());
  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(9, 9, 9, 0);
  laag->addLayout(midden, 1);
  laag->addWidget(MaakStatusBalk());
  resize(640, 340);
  Verbind();

  VergrendelVelden();
  VulLijst();
  weergavePaneel_->setText(QTekst(kLijstweergave));
  ToonAantal();
}

// The list, the captions and the entry fields, in the order Tab visits them.
void WegdekVenster::MaakVelden() {
  wegdekLijst_ = new QListWidget(this);
  wegdekLijst_->setObjectName("wegdekLijst");
  wegdekLijst_->setToolTip(QTekst(kLijstUitleg));
  wegdekLijst_->setMinimumWidth(250);

  QStringList labelTeksten = {QTekst(kOmschrijvingBijschrift), QTekst(kCorrectieBijschrift)};
  for (std::string_view klasse : kWegdekKlassen) labelTeksten << QTekst(klasse);
  for (std::size_t i = 0; i < kWegdekKlassen.size(); ++i) {
    for (std::string_view symbool : kWegdekSymbolen) labelTeksten << QTekst(symbool);
  }
  for (int i = 0; i < 11; ++i) {
    bijschriften_[static_cast<std::size_t>(i)] = new QLabel(labelTeksten[i], this);
  }
  for (int k = 0; k < 7; ++k) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString("veld(%1)").arg(k));
    if (k > 0) {
      e->setAlignment(Qt::AlignRight);
      e->setMaximumWidth(90);
      e->setToolTip(QTekst(kWegdekUitleg[static_cast<std::size_t>(1 - k % 2)]));
    }
    velden_[static_cast<std::size_t>(k)] = e;
  }
}

void WegdekVenster::MaakKnoppen() {
  // Not auto-default: Enter belongs to the entry fields.
  auto knop = [this](const QString& tekst, const char* naam) { return MaakKnop(tekst, naam, this); };
  toevoegKnop_ = knop("Toevoegen", "toevoegKnop");
  wijzigKnop_ = knop("Wijzigen", "wijzigKnop");
  wisKnop_ = knop("Wissen", "wisKnop");
  importeerKnop_ = knop("Importeren…", "importeerKnop");
  importeerKnop_->setToolTip(QTekst(kImporteerUitleg));
  exporteerKnop_ = knop("Exporteren…", "exporteerKnop");
  exporteerKnop_->setToolTip(QTekst(kExporteerUitleg));
  okKnop_ = knop("OK", "okKnop");
  annuleerKnop_ = knop("Annuleren", "annuleerKnop");
  rekenbladKnop_ = new QToolButton(this);
  rekenbladKnop_->setObjectName("rekenbladKnop");
  rekenbladKnop_->setIcon(SpreadsheetIcoon());
  rekenbladKnop_->setIconSize(QSize(24, 24));
  rekenbladKnop_->setAutoRaise(true);
  rekenbladKnop_->setToolTip("Zoeken naar correctiefactoren wegdekken op schijf");
}

// Fields: description on top, then per vehicle class σ (DL) and τ (b);
// below them the confirming and the editing buttons.
QVBoxLayout* WegdekVenster::VeldenEnKnoppen() {
  auto* velden = new QGridLayout();
  velden->addWidget(bijschriften_[0], 0, 0, 1, 5);
  velden->addWidget(velden_[0], 1, 0, 1, 5);
  velden->addWidget(bijschriften_[1], 2, 0, 1, 5);
  for (int r = 0; r < 3; ++r) {
    const auto i = static_cast<std::size_t>(r);
    velden->addWidget(bijschriften_[2 + i], r + 3, 0);
    velden->addWidget(bijschriften_[5 + 2 * i], r + 3, 1, Qt::AlignRight);
    velden->addWidget(velden_[1 + 2 * i], r + 3, 2);
    velden->addWidget(bijschriften_[6 + 2 * i], r + 3, 3, Qt::AlignRight);
    velden->addWidget(velden_[2 + 2 * i], r + 3, 4);
    bijschriften_[5 + 2 * i]->setToolTip(velden_[1 + 2 * i]->toolTip());
    bijschriften_[6 + 2 * i]->setToolTip(velden_[2 + 2 * i]->toolTip());
  }
  velden->setColumnStretch(0, 1);

  auto* bewerken = new QHBoxLayout();
  bewerken->addWidget(toevoegKnop_);
  bewerken->addWidget(wijzigKnop_);
  bewerken->addWidget(wisKnop_);
  auto* uitwisselen = new QHBoxLayout();
  uitwisselen->addWidget(importeerKnop_);
  uitwisselen->addWidget(exporteerKnop_);
  auto* bevestigen = new QHBoxLayout();
  bevestigen->addWidget(rekenbladKnop_);
  bevestigen->addStretch(1);
  bevestigen->addWidget(okKnop_);
  bevestigen->addWidget(annuleerKnop_);

  auto* rechts = new QVBoxLayout();
  rechts->addLayout(velden);
  rechts->addStretch(1);
  rechts->addLayout(bevestigen);
  rechts->addLayout(bewerken);
  rechts->addLayout(uitwisselen);
  return rechts;
}

QStatusBar* WegdekVenster::MaakStatusBalk() {
  auto* statusBar = new QStatusBar(this);
  statusBar->setSizeGripEnabled(false);
  weergavePaneel_ = new QLabel(statusBar);
  aantalPaneel_ = new QLabel(statusBar);
  weergavePaneel_->setMinimumWidth(110);
  statusBar->addWidget(weergavePaneel_);
  statusBar->addWidget(aantalPaneel_, 1);
  auto* legenda = new QLabel(QTekst(kKleineAftrekLegenda), statusBar);
  legenda->setObjectName("legenda");
  legenda->setToolTip(QTekst(kKleineAftrekUitleg));
  statusBar->addPermanentWidget(legenda);
  return statusBar;
}

void WegdekVenster::Verbind() {
  connect(toevoegKnop_, &QPushButton::clicked, this, &WegdekVenster::VoegToe);
  connect(wijzigKnop_, &QPushButton::clicked, this, &WegdekVenster::Wijzig);
  connect(wisKnop_, &QPushButton::clicked, this, &WegdekVenster::Wis);
  connect(okKnop_, &QPushButton::clicked, this, &WegdekVenster::Bevestig);
  connect(annuleerKnop_, &QPushButton::clicked, this, &WegdekVenster::Annuleer);
  connect(rekenbladKnop_, &QToolButton::clicked, this, &WegdekVenster::OpenRekenblad);
  connect(importeerKnop_, &QPushButton::clicked, this, &WegdekVenster::Importeer);
  connect(exporteerKnop_, &QPushButton::clicked, this, &WegdekVenster::Exporteer);
  connect(wegdekLijst_, &QListWidget::currentRowChanged, this, [this](int rij) {
    if (rij >= 0) ToonGekozen();
  });
  wegdekLijst_->viewport()->installEventFilter(this);

  auto* ring = new VeldRing(VeldRing::Escape::Leegmaken, this);
  std::vector<VeldRing::Veld> velden;
  for (int k = 0; k < 7; ++k) {
    // The description takes every key.
    velden.push_back({velden_[static_cast<std::size_t>(k)],
                      k == 0 ? std::nullopt : std::optional<QString>(QTekst(kTekenGetalTekens))});
  }
  ring->VoegRingToe(velden);
  connect(ring, &VeldRing::Verlaten, this, &WegdekVenster::ControleerVeld);
  connect(ring, &VeldRing::Geweigerd, this, [this] { dialogen_.Piep(); });

  // F9 reaches the window whichever control holds the focus.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

// What the list view offers and the entry view locks.
std::array<QWidget*, 6> WegdekVenster::LijstBediening() const {
  return {wijzigKnop_, wisKnop_, toevoegKnop_, importeerKnop_, exporteerKnop_, wegdekLijst_};
}

QString WegdekVenster::AantalTekst() const { return aantalPaneel_->text(); }

void WegdekVenster::VergrendelVelden() {
  for (QWidget* w : LijstBediening()) {
    w->setEnabled(true);
  }
  // The focus leaves the fields first, or it would wander through each one
  // being locked; their texts are thrown away, so nothing is validated.
  vergrendelen_ = true;
  if (VeldIndex(QApplication::focusWidget()) >= 0) wegdekLijst_->setFocus(Qt::OtherFocusReason);
  for (QLabel* l : bijschriften_) l->setEnabled(false);
  for (QLineEdit* e : velden_) {
    e->clear();
    e->setEnabled(false);
    ZetAchtergrond(e, kLichtGeel);
  }
  vergrendelen_ = false;
  okKnop_->hide();
  annuleerKnop_->hide();
  rekenbladKnop_->hide();
}

void WegdekVenster::OntgrendelVelden() {
  for (QLineEdit* e : velden_) {
    e->setEnabled(true);
    ZetAchtergrond(e, kLichtGeel);
  }
  for (QLabel* l : bijschriften_) l->setEnabled(true);
  for (QWidget* w : LijstBediening()) {
    w->setEnabled(false);
  }
  okKnop_->show();
  annuleerKnop_->show();
  rekenbladKnop_->show();
}

void WegdekVenster::MaakVeldenLeeg() {
  for (QLineEdit* e : velden_) e->clear();
}

// The entries that get the smaller art. 3.5 deduction in bold, as the status bar's legend says.
void WegdekVenster::VulLijst() {
  const QSignalBlocker stil(wegdekLijst_);
  wegdekLijst_->clear();
  for (const WegdekRegel& regel : WegdekRegels(cat_)) {
    auto* item = new QListWidgetItem(QTekst(regel.naam), wegdekLijst_);
    if (!regel.kleineAftrek) continue;
    QFont vet = item->font();
    vet.setBold(true);
    item->setFont(vet);
    item->setToolTip(QTekst(kKleineAftrekUitleg));
  }
}

void WegdekVenster::ToonAantal() { aantalPaneel_->setText(QTekst(AantalWegdekkenTekst(cat_.AantalWegdekken))); }

void WegdekVenster::Waarschuw(const QString& tekst) { tarvo::Waarschuw(dialogen_, tekst.toStdString()); }

bool WegdekVenster::Zeg(const WegdekStap& stap) {
  if (stap.Gedaan() || stap.melding.empty()) return false;
  const Knoppen knoppen =
      stap.stap != Stap::Vraag ? Knoppen::OK : (stap.annuleren ? Knoppen::JaAnnuleren : Knoppen::JaNee);
  return dialogen_.Toon(stap.melding, stap.titel, IcoonVan(stap.soort), knoppen) == Antwoord::Ja;
}

WegdekStap WegdekVenster::NaVraag(const std::function<WegdekStap(bool)>& stap) {
  WegdekStap s = stap(false);
  if (s.stap != Stap::Vraag) return s;
  if (Zeg(s)) return stap(true);
  s.stap = Stap::Gemeld;  // declined: nothing more to say
  s.melding.clear();
  return s;
}

void WegdekVenster::KiesInLijst(int positie) {
  const QSignalBlocker stil(wegdekLijst_);
  wegdekLijst_->setCurrentRow(positie - 1);
}

void WegdekVenster::ToonGekozen() {
  const auto teksten = GekozenWegdek(cat_, wegdekLijst_->currentRow() + 1, LocaleDecimaal());
  if (!teksten) {
    Waarschuw(QTekst(teksten.Melding()));
    return;
  }
  for (int k = 0; k < kWegdekVelden; ++k)
    velden_[static_cast<std::size_t>(k)]->setText(QTekst((*teksten)[static_cast<std::size_t>(k)]));
}

void WegdekVenster::VoegToe() {
  const WegdekStap begin = BeginToevoegen(beheer_);
  if (!begin.Gedaan()) {
    Zeg(begin);
    return;
  }
  OntgrendelVelden();
  bewerking_ = Bewerking::Toevoegen;
  MaakVeldenLeeg();
  velden_[0]->setFocus(Qt::OtherFocusReason);
}

void WegdekVenster::Wijzig() {
  const WegdekStap begin = BeginWijzigen(beheer_, wegdekLijst_->currentRow() + 1);
  if (!begin.Gedaan()) {
    Zeg(begin);
    return;
  }
  bewerking_ = Bewerking::Wijzigen;
  OntgrendelVelden();
  weergavePaneel_->setText(QTekst(kBewerkweergave));
  velden_[0]->setFocus(Qt::OtherFocusReason);
}

// The fields show what the check made of them; a refused one takes the focus,
// red with its reason when it is no number.
void WegdekVenster::Bevestig() {
  WegdekTeksten teksten;
  for (int k = 0; k < kWegdekVelden; ++k)
    teksten[static_cast<std::size_t>(k)] = velden_[static_cast<std::size_t>(k)]->text().toStdString();
  const int positie = bewerking_ == Bewerking::Toevoegen ? 0 : wegdekLijst_->currentRow() + 1;
  const WegdekStap s = BevestigWegdek(beheer_, positie, teksten, LocaleDecimaal());
  for (const auto& [k, tekst] : s.teksten) ToonValidatie(velden_[static_cast<std::size_t>(k)], {true, tekst, {}, {}});
  if (!s.Gedaan()) {
    if (s.veld < 0) {
      Zeg(s);
      return;
    }
    QLineEdit* veld = velden_[static_cast<std::size_t>(s.veld)];
    if (s.uitleg.empty()) {
      Zeg(s);
      veld->setFocus(Qt::OtherFocusReason);
    } else {
      ToonValidatie(veld, {false, {}, s.uitleg, {}});
    }
    return;
  }
  VulLijst();
  KiesInLijst(s.kies);
  VergrendelVelden();
  weergavePaneel_->setText(QTekst(kLijstweergave));
  ToonAantal();
  ToonGekozen();
  if (s.gewijzigd) emit Gewijzigd();
  if (!s.art35.empty()) Waarschuw(QTekst(s.art35));
}

void WegdekVenster::Annuleer() {
  VergrendelVelden();
  if (wegdekLijst_->currentRow() >= 0) ToonGekozen();
  bewerking_ = Bewerking::Geen;
  weergavePaneel_->setText(QTekst(kLijstweergave));
}

// Saved worksheets keep only a position: the question says which ones change.
void WegdekVenster::Wis() {
  const int positie = wegdekLijst_->currentRow() + 1;
  const WegdekStap s = NaVraag([&](bool ja) { return WisWegdek(beheer_, positie, ja); });
  if (!s.Gedaan()) {
    if (s.stap == Stap::Geweigerd) Zeg(s);
    return;
  }
  Zandloper zandloper;
  MaakVeldenLeeg();
  VulLijst();
  VergrendelVelden();
  if (s.kies > 0) {
    KiesInLijst(s.kies);
    ToonGekozen();
  }
  ToonAantal();
  emit Gewijzigd();
}

void WegdekVenster::WisselBescherming() {
  beheer_.WisselBescherming();
  setWindowTitle(beheer_.BeschermingOpgeheven() ? QString("[EDIT-mode meegeleverde wegdektypen]") : ontwerpTitel_);
}

void WegdekVenster::OpenRekenblad() {
  for (;;) {
    const std::optional<QString> pad =
        KiesOpenPad(dialogen_, this, "Excelbestand openen", "Excelbestand (*.xls *.xlsx)");
    if (!pad) return;
    const QFileInfo info(*pad);
    const QString ext = info.suffix().toLower();
    if (!info.isFile() || (ext != "xls" && ext != "xlsx")) {
      dialogen_.Toon((*pad + " geen of onbruikbaar Excelbestand").toStdString(), "Opstartfout", Icoon::Kritiek);
      continue;
    }
    // The desktop's own spreadsheet program shows the file; nothing comes back from it.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))) {
      // The procedure and form its messages have always named.
      ToonOnverwachteFout(dialogen_, "Image2_Click", "frmWegdek", kFoutAutomatisering,
                          "Geen programma gevonden dat " + info.fileName() + " kan openen");
    }
    return;
  }
}

void WegdekVenster::Importeer() {
  const std::optional<QString> pad = KiesOpenPad(dialogen_, this, "Wegdekken importeren", kTabelFilter);
  if (!pad) return;
  const auto tabel = LeesWegdekTabelBestand(NaarPad(*pad));
  const std::string leeg = "Het bestand " + pad->toStdString() + " bevat geen wegdekken.";
  NeemOver([&](bool ja) { return NeemWegdekkenOver(beheer_, tabel, leeg, ja); });
}

void WegdekVenster::Plak() {
  const std::string rijen = QGuiApplication::clipboard()->text().toStdString();
  NeemOver([&](bool ja) { return PlakWegdekken(beheer_, rijen, ja); });
}

// Import and paste alike: all or nothing, after one question when entries
// get other coefficients.
void WegdekVenster::NeemOver(const std::function<WegdekStap(bool)>& stap) {
  const WegdekStap s = NaVraag(stap);
  if (!s.Gedaan()) {
    Zeg(s);
    return;
  }
  {
    Zandloper zandloper;
    VulLijst();
    KiesInLijst(s.kies);
    ToonGekozen();
    ToonAantal();
  }
  emit Gewijzigd();
  if (!s.art35.empty()) Waarschuw(QTekst(s.art35));
}

void WegdekVenster::Exporteer() {
  const std::optional<QString> pad =
      KiesBewaarPad(dialogen_, this, "Wegdekken exporteren", QDir(dialogen_.BeginMap()).filePath("wegdekken.csv"),
                    kTabelFilter, "csv");
  if (!pad) return;
  Uitkomst<void> geschreven = MetZandloper([&] { return ExporteerWegdekken(cat_, NaarPad(*pad), LocaleDecimaal()); });
  if (!geschreven) {
    ToonOnverwachteFout(dialogen_, "cmdExporteren_Click", "frmWegdek", geschreven.Nummer(),
                        QString::fromStdString(geschreven.Melding()));
  }
}

int WegdekVenster::VeldIndex(const QObject* obj) const {
  for (int k = 0; k < 7; ++k) {
    if (obj == velden_[static_cast<std::size_t>(k)]) return k;
  }
  return -1;
}

// Shows the value as the catalogue will hold it. The description is free
// text, and fields being locked throw their texts away unchecked.
void WegdekVenster::ControleerVeld(QLineEdit* veld) {
  if (VeldIndex(veld) <= 0 || vergrendelen_) return;
  ToonValidatie(veld, VerlaatCoefficient(veld->text().toStdString(), LocaleDecimaal()));
}

bool WegdekVenster::eventFilter(QObject* obj, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F9) {
    WisselBescherming();
    return true;
  }
  if (obj == wegdekLijst_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
    Plak();
    return true;
  }
  if (obj == wegdekLijst_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    // A click on an empty list has no entry to show.
    if (wegdekLijst_->count() == 0) ToonGekozen();
  }
  return QDialog::eventFilter(obj, event);
}

void WegdekVenster::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F9) {
    WisselBescherming();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tarvo
