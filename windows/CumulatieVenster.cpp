#include "windows/CumulatieVenster.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "base/Getal.h"
#include "driver/CumulatieOpdracht.h"
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
  laag->addWidget(tabel_, 1);
  laag->addWidget(waarschuwing_);
  laag->addLayout(bronKnoppen);
  laag->addLayout(knoppen);
  VulTabel();
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

void CumulatieVenster::Verwijder() {
  std::set<int, std::greater<>> rijen;
  for (const QModelIndex& i : tabel_->selectionModel()->selectedRows()) {
    if (i.row() < static_cast<int>(bronnen_.size())) rijen.insert(i.row());
  }
  for (int r : rijen) {
    if (paden_[static_cast<std::size_t>(r)].isEmpty() && !huidig_) huidig_ = bronnen_[static_cast<std::size_t>(r)];
    bronnen_.erase(bronnen_.begin() + r);
    paden_.erase(paden_.begin() + r);
  }
  VulTabel();
}

void CumulatieVenster::BewaarAlsCsv() {
  BewaarCsv(this, dialogen_, "Cumulatie opslaan als CSV", "cumulatie.csv", Cumulatie(bronnen_, decimaal_).csv, kTitel);
}

// One row per worksheet and a last, bold row with the cumulative levels;
// under them what the sum mixes, if anything.
void CumulatieVenster::VulTabel() {
  const CumulatieAntwoord a = Cumulatie(bronnen_, decimaal_);
  const auto rij = [this](int r, const CumulatieAntwoord::Rij& t) {
    std::vector<QTableWidgetItem*> cellen;
    for (const std::string* tekst : {&t.naam, &t.waarneempunt, &t.weg, &t.hoogte, &t.lden, &t.lnight}) {
      auto* item = new QTableWidgetItem(QTekst(*tekst));
      if (cellen.size() >= 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      tabel_->setItem(r, static_cast<int>(cellen.size()), item);
      cellen.push_back(item);
    }
    return cellen;
  };
  const int n = static_cast<int>(a.rijen.size());
  tabel_->clearContents();
  tabel_->setRowCount(n + 1);
  for (int r = 0; r < n; ++r) rij(r, a.rijen[static_cast<std::size_t>(r)]);
  QFont vet = tabel_->font();
  vet.setBold(true);
  for (QTableWidgetItem* item : rij(n, a.totaal)) {
    item->setFont(vet);
    item->setFlags(Qt::ItemIsEnabled);  // the sum is no worksheet to select or remove
    item->setBackground(QColor(255, 255, 192));
  }
  waarschuwing_->setText(QTekst(a.waarschuwing));
  waarschuwing_->setVisible(!a.waarschuwing.empty());
  ZetKnoppen();
}

void CumulatieVenster::ZetKnoppen() {
  huidigKnop_->setEnabled(huidig_.has_value());
  verwijderKnop_->setEnabled(!tabel_->selectionModel()->selectedRows().isEmpty());
  csvKnop_->setEnabled(!bronnen_.empty());
}

}  // namespace tarvo
