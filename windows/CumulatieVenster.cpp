#include "windows/CumulatieVenster.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "base/Getal.h"
#include "driver/CumulatieOpdracht.h"
#include "driver/ToetsingOpdracht.h"
#include "shared_ui/CsvBestand.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Knop.h"
#include "shared_ui/QtTekst.h"

namespace tarvo {
namespace {

const std::string kTitel(kCumulatieTitel);

}  // namespace

CumulatieVenster::CumulatieVenster(const Catalogus& catalogus, Dialogen& dialogen, std::optional<CumulatieBron> huidig,
                                   QWidget* ouder)
    : QDialog(ouder),
      catalogus_(catalogus),
      dialogen_(dialogen),
      huidig_(std::move(huidig)),
      decimaal_(LocaleDecimaal()) {
  setObjectName("CumulatieVenster");
  setWindowTitle(QTekst(kCumulatieTitel));
  resize(760, 380);

  auto* uitleg = new QLabel("Cumulatieve geluidsbelasting van meerdere wegen op één waarneempunt.", this);
  uitleg->setWordWrap(true);
  auto* onderschrift = new QLabel(QTekst(kCumulatieZonderAftrek), this);
  onderschrift->setObjectName("zonderAftrek");
  QFont vet = onderschrift->font();
  vet.setBold(true);
  onderschrift->setFont(vet);

  QLayout* hoogteRij = MaakHoogten();
  MaakTabel();
  waarschuwing_ = new QLabel(this);
  waarschuwing_->setObjectName("waarschuwing");
  waarschuwing_->setWordWrap(true);
  waarschuwing_->setVisible(false);
  connect(tabel_, &QTableWidget::itemSelectionChanged, this, &CumulatieVenster::ZetKnoppen);

  auto* bestandKnop = MaakKnop("Rekenblad &toevoegen…", "bestandKnop", this);
  connect(bestandKnop, &QPushButton::clicked, this, &CumulatieVenster::VoegBestandToe);
  huidigKnop_ = MaakKnop("&Huidig rekenblad toevoegen", "huidigKnop", this);
  connect(huidigKnop_, &QPushButton::clicked, this, &CumulatieVenster::VoegHuidigToe);
  verwijderKnop_ = MaakKnop("&Verwijderen", "verwijderKnop", this);
  connect(verwijderKnop_, &QPushButton::clicked, this, &CumulatieVenster::Verwijder);
  csvKnop_ = MaakKnop("Opslaan als &CSV…", "csvKnop", this);
  connect(csvKnop_, &QPushButton::clicked, this, &CumulatieVenster::BewaarAlsCsv);
  auto* sluiten = MaakKnop("&Sluiten", "sluitKnop", this);
  connect(sluiten, &QPushButton::clicked, this, &QDialog::reject);

  // Two rows, so that a large scaling still fits the window on the screen.
  auto* bronKnoppen = new QHBoxLayout();
  bronKnoppen->addWidget(bestandKnop);
  bronKnoppen->addWidget(huidigKnop_);
  bronKnoppen->addWidget(verwijderKnop_);
  bronKnoppen->addStretch(1);
  auto* knoppen = new QHBoxLayout();
  knoppen->addStretch(1);
  knoppen->addWidget(csvKnop_);
  knoppen->addWidget(sluiten);

  auto* laag = new QVBoxLayout(this);
  laag->addWidget(uitleg);
  laag->addWidget(onderschrift);
  laag->addLayout(hoogteRij);
  laag->addWidget(tabel_, 1);
  laag->addWidget(waarschuwing_);
  laag->addLayout(bronKnoppen);
  laag->addLayout(knoppen);
  VulTabel();
}

// Empty: each worksheet at its own height, as it was computed.
QLayout* CumulatieVenster::MaakHoogten() {
  hoogtenVeld_ = new QLineEdit(this);
  hoogtenVeld_->setObjectName("hoogtenVeld");
  hoogtenVeld_->setPlaceholderText("elk rekenblad op zijn eigen hoogte");
  hoogtenVeld_->setToolTip(QTekst(HoogtenUitleg() + "; leeg: elk rekenblad op zijn eigen hoogte"));
  auto* hoogten = new QLabel("H&oogten (m):", this);
  hoogten->setBuddy(hoogtenVeld_);
  connect(hoogtenVeld_, &QLineEdit::textChanged, this, &CumulatieVenster::VulTabel);
  auto* rij = new QHBoxLayout();
  rij->addWidget(hoogten);
  rij->addWidget(hoogtenVeld_, 1);
  return rij;
}

// One row per worksheet, chosen whole, never edited.
void CumulatieVenster::MaakTabel() {
  tabel_ = new QTableWidget(0, 6, this);
  tabel_->setObjectName("tabel");
  tabel_->setHorizontalHeaderLabels({"Rekenblad", "Waarneempunt", "Weg", "Hoogte (m)", "Lden (dB)", "Lnight (dB)"});
  tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabel_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabel_->verticalHeader()->hide();
  tabel_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (int k : {3, 4, 5}) tabel_->horizontalHeader()->setSectionResizeMode(k, QHeaderView::ResizeToContents);
}

bool CumulatieVenster::Voeg(CumulatieBron bron, const QString& pad) {
  if (auto toegevoegd = VoegBronToe(bronnen_, std::move(bron)); !toegevoegd) {
    dialogen_.Toon(toegevoegd.Melding(), kTitel, Icoon::Uitroep);
    return false;
  }
  paden_.push_back(pad);
  return true;
}

void CumulatieVenster::VoegBestandToe() {
  const auto keuze = KiesOpenPaden(dialogen_, this, "Rekenblad toevoegen", kWerkbladFilter);
  if (!keuze) return;
  for (const QString& pad : *keuze) VoegToe(pad);
}

void CumulatieVenster::VoegToe(const QString& gekozen) {
  const QString pad = QFileInfo(gekozen).absoluteFilePath();
  const QString naam = QFileInfo(gekozen).fileName();
  auto bron = BerekenBron(NaarPad(pad), naam.toStdString(), catalogus_, VandaagQt(), decimaal_);
  if (!bron) {
    dialogen_.Toon(bron.Melding(), kTitel, Icoon::Uitroep);
    return;
  }
  if (Voeg(std::move(*bron), pad)) VulTabel();
}

void CumulatieVenster::VoegHuidigToe() {
  if (!huidig_) return;
  if (!Voeg(*huidig_, QString())) return;
  huidig_.reset();  // once
  VulTabel();
}

// A worksheet goes with all its rows, at every height.
void CumulatieVenster::Verwijder() {
  std::set<int, std::greater<>> bronnen;
  for (const QModelIndex& i : tabel_->selectionModel()->selectedRows()) {
    if (i.row() < static_cast<int>(bronVanRij_.size()) && bronVanRij_[static_cast<std::size_t>(i.row())] >= 0)
      bronnen.insert(bronVanRij_[static_cast<std::size_t>(i.row())]);
  }
  for (int b : bronnen) {
    if (paden_[static_cast<std::size_t>(b)].isEmpty() && !huidig_) huidig_ = bronnen_[static_cast<std::size_t>(b)];
    bronnen_.erase(bronnen_.begin() + b);
    paden_.erase(paden_.begin() + b);
  }
  VulTabel();
}

void CumulatieVenster::BewaarAlsCsv() {
  BewaarCsv(this, dialogen_, "Cumulatie opslaan als CSV", "cumulatie.csv", csv_, kTitel);
}

void CumulatieVenster::ToonRij(int r, const CumulatieAntwoord::Rij& t, bool som) {
  QFont vet = tabel_->font();
  vet.setBold(true);
  int k = 0;
  for (const std::string* tekst : {&t.naam, &t.waarneempunt, &t.weg, &t.hoogte, &t.lden, &t.lnight}) {
    auto* item = new QTableWidgetItem(QTekst(*tekst));
    if (k >= 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (som) {
      item->setFont(vet);
      item->setFlags(Qt::ItemIsEnabled);  // the sum is no worksheet to select or remove
      item->setBackground(QColor(255, 255, 192));
    }
    tabel_->setItem(r, k++, item);
  }
}

// Per height a row per worksheet and a last, bold row with the cumulative
// levels; under them what the sum mixes, or why the heights are refused
// (the worksheets then at their own heights, to be seen and removed).
void CumulatieVenster::VulTabel() {
  auto hoogten = CumulatieOpHoogten(bronnen_, hoogtenVeld_->text().toStdString(), catalogus_, VandaagQt(), decimaal_);
  const std::vector<CumulatieAntwoord> tabellen =
      hoogten ? std::move(hoogten->hoogten) : std::vector<CumulatieAntwoord>{Cumulatie(bronnen_, decimaal_)};
  csv_ = hoogten ? hoogten->csv : std::string();
  tabel_->clearContents();
  tabel_->setRowCount(0);
  bronVanRij_.clear();
  for (const CumulatieAntwoord& a : tabellen) {
    for (std::size_t b = 0; b <= a.rijen.size(); ++b) {
      const int r = tabel_->rowCount();
      tabel_->setRowCount(r + 1);
      const bool som = b == a.rijen.size();
      ToonRij(r, som ? a.totaal : a.rijen[b], som);
      bronVanRij_.push_back(som ? -1 : static_cast<int>(b));
    }
  }
  const std::string waarschuwing = hoogten ? tabellen.front().waarschuwing : hoogten.Melding();
  waarschuwing_->setText(QTekst(waarschuwing));
  waarschuwing_->setVisible(!waarschuwing.empty());
  ZetKnoppen();
}

void CumulatieVenster::ZetKnoppen() {
  huidigKnop_->setEnabled(huidig_.has_value());
  verwijderKnop_->setEnabled(!tabel_->selectionModel()->selectedRows().isEmpty());
  csvKnop_->setEnabled(!bronnen_.empty() && !csv_.empty());
}

}  // namespace tarvo
