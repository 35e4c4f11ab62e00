#include "windows/frmWegdek.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
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
#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/CheckIt.h"
#include "calc/ValiDate.h"
#include "calc/Velden.h"
#include "calc/WegdekImport.h"
#include "files/WegdekTabel.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Iconen.h"
#include "shared_ui/QtBediening.h"
#include "shared_ui/QtDataMappen.h"
#include "shared_ui/VeldRing.h"
#include "shared_ui/Zandloper.h"

namespace tarvo {
namespace {

constexpr int kMinimum = static_cast<int>(kCoefficientMinimum), kMaximum = static_cast<int>(kCoefficientMaximum);
constexpr const char* kPatroon = "##0.00";
constexpr const char* kTabelFilter = "CSV-bestand (*.csv);;Alle bestanden (*)";

// "1 wegdek" or "3 wegdekken".
QString Wegdekken(std::size_t n) { return QString::number(n) + (n == 1 ? " wegdek" : " wegdekken"); }

}  // namespace

frmWegdek::frmWegdek(Catalogus& catalogus, Dialogen& dialogen, const QString& dataMap, QWidget* ouder)
    : QDialog(ouder), cat_(catalogus), beheer_(catalogus), dialogen_(dialogen), dataMap_(dataMap) {
  setObjectName("frmWegdek");
  setWindowTitle("Correctiefactoren wegdekken ");
  ontwerpTitel_ = windowTitle();

  MaakVelden();
  MaakKnoppen();
  auto* midden = new QHBoxLayout();
  midden->addWidget(lst_, 1);
  midden->addLayout(VeldenEnKnoppen());
  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(9, 9, 9, 0);
  laag->addLayout(midden, 1);
  laag->addWidget(MaakStatusBalk());
  resize(640, 340);
  Verbind();

  LockFields();
  VulLijst();
  paneel1_->setText("Lijstweergave");
  ToonAantal();
}

// The list, the captions and the entry fields, in the order Tab visits them.
void frmWegdek::MaakVelden() {
  lst_ = new QListWidget(this);
  lst_->setObjectName("lstWegdek");
  lst_->setToolTip("Overzicht wegdekken");
  lst_->setMinimumWidth(250);

  const QStringList labelTeksten = {"Omschrijving wegdek:", "Correctiefactoren:", "lichte vtg", "middelzware vtg",
                                    "zware vtg", "σ", "τ", "σ", "τ", "σ", "τ"};
  for (int i = 0; i < 11; ++i) {
    label_[static_cast<std::size_t>(i)] = new QLabel(labelTeksten[i], this);
    label_[static_cast<std::size_t>(i)]->setObjectName(QString("label%1").arg(i));
  }
  for (int k = 0; k < 7; ++k) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString("txtwegdek%1").arg(k));
    if (k > 0) {
      LineEditVak::ZetTag(e, QTekst(kNumeriek));
      e->setAlignment(Qt::AlignRight);
      e->setMaximumWidth(90);
      e->setToolTip(k % 2 == 1 ? "verschil in dB(A) t.o.v. glad asfalt " : "snelheidsindex in dB(A)");
    }
    txt_[static_cast<std::size_t>(k)] = e;
  }
}

void frmWegdek::MaakKnoppen() {
  // Not auto-default: Enter belongs to the entry fields.
  auto knop = [this](const QString& tekst, const char* naam) { return MaakKnop(tekst, naam, this); };
  cmdToevoegen_ = knop("Toevoegen", "cmdToevoegen");
  cmdWijzig_ = knop("Wijzigen", "cmdWijzig");
  cmdWissen_ = knop("Wissen", "cmdWissen");
  cmdImporteren_ = knop("Importeren…", "cmdImporteren");
  cmdImporteren_->setToolTip("Wegdekken toevoegen uit een CSV-bestand; rijen uit een rekenblad plakken kan ook met "
                             "Ctrl+V in de lijst");
  cmdExporteren_ = knop("Exporteren…", "cmdExporteren");
  cmdExporteren_->setToolTip("De wegdekken bewaren als CSV-bestand");
  cmdOK_ = knop("OK", "cmdOK");
  cmdCancel_ = knop("Cancel", "cmdCancel");
  image2_ = new QToolButton(this);
  image2_->setObjectName("Image2");
  image2_->setIcon(SpreadsheetIcoon());
  image2_->setIconSize(QSize(24, 24));
  image2_->setAutoRaise(true);
  image2_->setToolTip("Zoeken naar correctiefactoren wegdekken op schijf");
}

// Fields: description on top, then per vehicle class σ (DL) and τ (b);
// below them the confirming and the editing buttons.
QVBoxLayout* frmWegdek::VeldenEnKnoppen() {
  auto* velden = new QGridLayout();
  velden->addWidget(label_[0], 0, 0, 1, 5);
  velden->addWidget(txt_[0], 1, 0, 1, 5);
  velden->addWidget(label_[1], 2, 0, 1, 5);
  for (int r = 0; r < 3; ++r) {
    const auto i = static_cast<std::size_t>(r);
    velden->addWidget(label_[2 + i], r + 3, 0);
    velden->addWidget(label_[5 + 2 * i], r + 3, 1, Qt::AlignRight);
    velden->addWidget(txt_[1 + 2 * i], r + 3, 2);
    velden->addWidget(label_[6 + 2 * i], r + 3, 3, Qt::AlignRight);
    velden->addWidget(txt_[2 + 2 * i], r + 3, 4);
    label_[5 + 2 * i]->setToolTip(txt_[1 + 2 * i]->toolTip());
    label_[6 + 2 * i]->setToolTip(txt_[2 + 2 * i]->toolTip());
  }
  velden->setColumnStretch(0, 1);

  auto* bewerken = new QHBoxLayout();
  bewerken->addWidget(cmdToevoegen_);
  bewerken->addWidget(cmdWijzig_);
  bewerken->addWidget(cmdWissen_);
  auto* uitwisselen = new QHBoxLayout();
  uitwisselen->addWidget(cmdImporteren_);
  uitwisselen->addWidget(cmdExporteren_);
  auto* bevestigen = new QHBoxLayout();
  bevestigen->addWidget(image2_);
  bevestigen->addStretch(1);
  bevestigen->addWidget(cmdOK_);
  bevestigen->addWidget(cmdCancel_);

  auto* rechts = new QVBoxLayout();
  rechts->addLayout(velden);
  rechts->addStretch(1);
  rechts->addLayout(bevestigen);
  rechts->addLayout(bewerken);
  rechts->addLayout(uitwisselen);
  return rechts;
}

QStatusBar* frmWegdek::MaakStatusBalk() {
  auto* statusBar = new QStatusBar(this);
  statusBar->setSizeGripEnabled(false);
  paneel1_ = new QLabel(statusBar);
  paneel2_ = new QLabel(statusBar);
  paneel1_->setMinimumWidth(110);
  statusBar->addWidget(paneel1_);
  statusBar->addWidget(paneel2_, 1);
  return statusBar;
}

void frmWegdek::Verbind() {
  connect(cmdToevoegen_, &QPushButton::clicked, this, &frmWegdek::cmdToevoegen_Click);
  connect(cmdWijzig_, &QPushButton::clicked, this, &frmWegdek::cmdWijzig_Click);
  connect(cmdWissen_, &QPushButton::clicked, this, &frmWegdek::cmdWissen_Click);
  connect(cmdOK_, &QPushButton::clicked, this, &frmWegdek::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmWegdek::cmdCancel_Click);
  connect(image2_, &QToolButton::clicked, this, &frmWegdek::Image2_Click);
  connect(cmdImporteren_, &QPushButton::clicked, this, &frmWegdek::cmdImporteren_Click);
  connect(cmdExporteren_, &QPushButton::clicked, this, &frmWegdek::cmdExporteren_Click);
  connect(lst_, &QListWidget::currentRowChanged, this, [this](int rij) {
    if (rij >= 0) lstWegdek_Click();
  });
  lst_->viewport()->installEventFilter(this);

  auto* ring = new VeldRing(VeldRing::Escape::Leegmaken, this);
  std::vector<VeldRing::Veld> velden;
  for (int k = 0; k < 7; ++k) {
    // The description takes every key.
    velden.push_back({txt_[static_cast<std::size_t>(k)], k == 0 ? std::nullopt : std::optional<QString>("1234567890.,-")});
  }
  ring->VoegRingToe(velden);
  connect(ring, &VeldRing::Verlaten, this, &frmWegdek::VeldVerlaten);
  connect(ring, &VeldRing::Geweigerd, this, [this] { dialogen_.Piep(); });

  // F9 reaches the window whichever control holds the focus.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

// What the list view offers and the entry view locks.
std::array<QWidget*, 6> frmWegdek::LijstBediening() const {
  return {cmdWijzig_, cmdWissen_, cmdToevoegen_, cmdImporteren_, cmdExporteren_, lst_};
}

QString frmWegdek::Paneel(int i) const { return i == 1 ? paneel1_->text() : paneel2_->text(); }

void frmWegdek::LockFields() {
  for (QWidget* w : LijstBediening()) {
    w->setEnabled(true);
  }
  // The focus leaves the fields first, or it would wander through each one
  // being locked; their texts are thrown away, so nothing is validated.
  vergrendelen_ = true;
  if (Veld(QApplication::focusWidget()) >= 0) lst_->setFocus(Qt::OtherFocusReason);
  for (QLabel* l : label_) l->setEnabled(false);
  for (QLineEdit* e : txt_) {
    e->clear();
    e->setEnabled(false);
    LineEditVak(e).ZetAchtergrond(kLichtGeel);
  }
  vergrendelen_ = false;
  cmdOK_->hide();
  cmdCancel_->hide();
  image2_->hide();
}

void frmWegdek::UnLockFields() {
  for (QLineEdit* e : txt_) {
    e->setEnabled(true);
    LineEditVak(e).ZetAchtergrond(kLichtGeel);
  }
  for (QLabel* l : label_) l->setEnabled(true);
  for (QWidget* w : LijstBediening()) {
    w->setEnabled(false);
  }
  cmdOK_->show();
  cmdCancel_->show();
  image2_->show();
}

void frmWegdek::ClearFields() {
  for (QLineEdit* e : txt_) e->clear();
}

void frmWegdek::VulLijst() {
  const QSignalBlocker stil(lst_);
  lst_->clear();
  for (int i = 1; i <= cat_.AantalWegdekken; ++i) {
    lst_->addItem(QString::fromStdString(cat_.Wegdekken[static_cast<std::size_t>(i)].Omschrijving));
  }
}

void frmWegdek::ToonAantal() { paneel2_->setText(QString::number(cat_.AantalWegdekken) + " wegdekken in lijst"); }

void frmWegdek::Waarschuw(const QString& tekst) {
  dialogen_.Toon(tekst.toStdString(), std::string(kTitelWaarschuwing), Icoon::Uitroep);
}

void frmWegdek::KiesInLijst(int positie) {
  const QSignalBlocker stil(lst_);
  lst_->setCurrentRow(positie - 1);
}

void frmWegdek::lstWegdek_Click() {
  if (lst_->currentRow() < 0) {
    Waarschuw("Geen wegdekken aanwezig");
    return;
  }
  geselecteerd_ = lst_->currentRow() + 1;
  const Wegdek& w = cat_.Wegdekken[static_cast<std::size_t>(geselecteerd_)];
  txt_[0]->setText(QString::fromStdString(TrimBlanks(w.Omschrijving)));
  for (int k = 1; k <= 6; ++k) {
    txt_[static_cast<std::size_t>(k)]->setText(
        QString::fromStdString(Formatteer(w.Coefficient(k), kPatroon, LocaleDecimaal())));
  }
}

void frmWegdek::cmdToevoegen_Click() {
  if (beheer_.IsVol()) {
    dialogen_.Toon("Maximaal aantal wegdekken bereikt (=50)", "Invoer-stop", Icoon::Kritiek);
    return;
  }
  UnLockFields();
  invoer_ = Invoer::Toevoegen;
  ClearFields();
  txt_[0]->setFocus(Qt::OtherFocusReason);
}

void frmWegdek::cmdWijzig_Click() {
  if (lst_->currentRow() < 0) {
    Waarschuw("Geen wegdek geselecteerd");
    return;
  }
  if (beheer_.IsBeschermd(lst_->currentRow() + 1)) {
    Waarschuw("Meegeleverde wegdektypen kunnen niet worden gewijzigd (F9).");
    return;
  }
  invoer_ = Invoer::Wijzigen;
  UnLockFields();
  paneel1_->setText("Edit-mode");
  txt_[0]->setFocus(Qt::OtherFocusReason);
}

void frmWegdek::cmdOK_Click() {
  for (int k = 0; k <= 4; ++k) {
    if (txt_[static_cast<std::size_t>(k)]->text().isEmpty()) {
      Waarschuw(k == 0 ? "Omschrijving wegdek niet ingevuld" : "Correctiefactoren niet ingevuld");
      txt_[static_cast<std::size_t>(k)]->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  // Every coefficient is checked before the catalogue changes: a field that
  // is no number stays red with the focus, and nothing is stored.
  WegdekBeheer::Coefficienten coef{};
  for (int k = 1; k <= 6; ++k) {
    LineEditVak vak(txt_[static_cast<std::size_t>(k)]);
    const std::optional<std::string> t = ValiDate(vak, kMaximum, kMinimum, kPatroon, LocaleDecimaal());
    if (!t) return;
    coef[static_cast<std::size_t>(k - 1)] = LeesGetal(*t);
  }

  const std::string omschrijving = txt_[0]->text().toStdString();
  int doel = 0;
  if (invoer_ == Invoer::Toevoegen) {
    doel = beheer_.VoegToe(omschrijving, coef);
  } else {
    geselecteerd_ = lst_->currentRow() + 1;
    if (beheer_.Vervang(geselecteerd_, omschrijving, coef)) doel = geselecteerd_;
  }

  VulLijst();
  KiesInLijst(doel);
  LockFields();
  paneel1_->setText("Lijstweergave");
  ToonAantal();
  lstWegdek_Click();
}

void frmWegdek::cmdCancel_Click() {
  LockFields();
  if (lst_->currentRow() >= 0) lstWegdek_Click();
  invoer_ = Invoer::Geen;
  paneel1_->setText("Lijstweergave");
}

void frmWegdek::cmdWissen_Click() {
  const int index = lst_->currentRow();
  if (index < 0) {
    Waarschuw("Geen wegdek geselecteerd");
    return;
  }
  if (beheer_.IsBeschermd(index + 1)) {
    Waarschuw("Meegeleverde wegdektypen kunnen niet worden gewist (F9).");
    return;
  }
  const std::string naam = TrimBlanks(cat_.Wegdekken[static_cast<std::size_t>(index + 1)].Omschrijving);
  if (dialogen_.Toon("Wegdek " + naam + " wissen?", "wissen", Icoon::Vraag, Knoppen::JaNee) != Antwoord::Ja) return;

  Zandloper zandloper;
  geselecteerd_ = index + 1;
  const int daarna = beheer_.Wis(geselecteerd_);
  ClearFields();
  VulLijst();
  LockFields();
  if (daarna > 0) {
    KiesInLijst(daarna);
    lstWegdek_Click();
  }
  ToonAantal();
}

void frmWegdek::WisselEditMode() {
  beheer_.WisselBescherming();
  setWindowTitle(beheer_.BeschermingOpgeheven() ? QString("[EDIT-mode meegeleverde wegdektypen]") : ontwerpTitel_);
}

void frmWegdek::Image2_Click() {
  for (;;) {
    const std::optional<QString> pad =
        dialogen_.OpenBestand(this, "Excelbestand openen", dataMap_, "Excelbestand (*.xls *.xlsx)");
    if (!pad) return;
    const QFileInfo info(*pad);
    const QString ext = info.suffix().toLower();
    if (!info.isFile() || (ext != "xls" && ext != "xlsx")) {
      dialogen_.Toon((*pad + " geen of onbruikbaar Excelbestand").toStdString(), "Opstartfout", Icoon::Kritiek);
      continue;
    }
    // The desktop's own spreadsheet program shows the file; nothing comes back from it.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))) {
      ToonOnverwachteFout(dialogen_, "Image2_Click", "frmWegdek", kFoutAutomatisering,
                          "Geen programma gevonden dat " + info.fileName() + " kan openen");
    }
    return;
  }
}

void frmWegdek::cmdImporteren_Click() {
  const std::optional<QString> pad = dialogen_.OpenBestand(this, "Wegdekken importeren", dataMap_, kTabelFilter);
  if (!pad) return;
  NeemOver(LeesWegdekTabelBestand(NaarPad(*pad)), "Het bestand " + *pad + " bevat geen wegdekken.");
}

void frmWegdek::lstWegdek_Plakken() {
  const std::string rijen = QGuiApplication::clipboard()->text().toStdString();
  NeemOver(LeesWegdekTabel(rijen, '\t', Kopregel::Mogelijk), "Het klembord bevat geen wegdekken.");
}

// Import and paste alike: all or nothing, after one question when entries
// get other coefficients.
void frmWegdek::NeemOver(const Uitkomst<std::vector<IngelezenWegdek>>& tabel, const QString& leeg) {
  if (!tabel) {
    Waarschuw(QString::fromStdString(tabel.Melding()));
    return;
  }
  if (tabel->empty()) {
    Waarschuw(leeg);
    return;
  }
  const Uitkomst<Samenvoeging> plan = VoegSamen(beheer_, *tabel);
  if (!plan) {
    Waarschuw(QString::fromStdString(plan.Melding()));
    return;
  }
  if (plan->Leeg()) {
    dialogen_.Toon("De wegdekken staan al met dezelfde correctiefactoren in de lijst.", "Importeren",
                   Icoon::Informatie);
    return;
  }
  if (!plan->vervangen.empty()) {
    QString vraag = plan->toevoegen.empty() ? QString() : Wegdekken(plan->toevoegen.size()) + " toevoegen en ";
    vraag += Wegdekken(plan->vervangen.size()) + " met dezelfde omschrijving vervangen?";
    if (dialogen_.Toon(vraag.toStdString(), "Importeren", Icoon::Vraag, Knoppen::JaNee) != Antwoord::Ja) return;
  }
  Zandloper zandloper;
  const int kies = beheer_.Voer(*plan);
  VulLijst();
  KiesInLijst(kies);
  lstWegdek_Click();
  ToonAantal();
}

void frmWegdek::cmdExporteren_Click() {
  const std::optional<QString> pad =
      KiesBewaarPad(dialogen_, this, "Wegdekken exporteren", dataMap_ + "/wegdekken.csv", kTabelFilter, "csv");
  if (!pad) return;
  Uitkomst<void> geschreven;
  {
    Zandloper zandloper;
    geschreven = ExporteerWegdekken(cat_, NaarPad(*pad), LocaleDecimaal());
  }
  if (!geschreven) {
    ToonOnverwachteFout(dialogen_, "cmdExporteren_Click", "frmWegdek", geschreven.Nummer(),
                        QString::fromStdString(geschreven.Melding()));
  }
}

int frmWegdek::Veld(const QObject* obj) const {
  for (int k = 0; k < 7; ++k) {
    if (obj == txt_[static_cast<std::size_t>(k)]) return k;
  }
  return -1;
}

// Shows the value as the catalogue will hold it. The description is free
// text, and fields being locked throw their texts away unchecked.
void frmWegdek::VeldVerlaten(QLineEdit* veld) {
  if (Veld(veld) <= 0 || vergrendelen_) return;
  LineEditVak vak(veld);
  ValiDate(vak, kMaximum, kMinimum, kPatroon, LocaleDecimaal());
}

bool frmWegdek::eventFilter(QObject* obj, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F9) {
    WisselEditMode();
    return true;
  }
  if (obj == lst_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
    lstWegdek_Plakken();
    return true;
  }
  if (obj == lst_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    // A click on an empty list has no entry to show.
    if (lst_->count() == 0) lstWegdek_Click();
  }
  return QDialog::eventFilter(obj, event);
}

void frmWegdek::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F9) {
    WisselEditMode();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tarvo
