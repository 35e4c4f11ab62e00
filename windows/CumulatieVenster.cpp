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

  tabel_ = new QTableWidget(0, 5, this);
  tabel_->setObjectName("tabel");
  tabel_->setHorizontalHeaderLabels({"Rekenblad", "Waarneempunt", "Weg", "Lden (dB)", "Lnight (dB)"});
  tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabel_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabel_->verticalHeader()->hide();
  tabel_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (int k : {3, 4}) tabel_->horizontalHeader()->setSectionResizeMode(k, QHeaderView::ResizeToContents);
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
  laag->addLayout(bronKnoppen);
  laag->addLayout(knoppen);
  VulTabel();
}

void CumulatieVenster::Voeg(CumulatieBron bron, const QString& pad) {
  bronnen_.push_back(std::move(bron));
  paden_.push_back(pad);
  VulTabel();
}

void CumulatieVenster::VoegBestandToe() {
  const auto keuze = KiesOpenPaden(dialogen_, this, "Rekenblad toevoegen", kWerkbladFilter);
  if (!keuze) return;
  for (const QString& pad : *keuze) VoegToe(pad);
}

// The same file twice would count its road twice.
void CumulatieVenster::VoegToe(const QString& gekozen) {
  const QString pad = QFileInfo(gekozen).absoluteFilePath();
  const QString naam = QFileInfo(gekozen).fileName();
  if (std::find(paden_.begin(), paden_.end(), pad) != paden_.end()) {
    dialogen_.Toon("Rekenblad " + naam.toStdString() + " staat al in de lijst.", kTitel, Icoon::Uitroep);
    return;
  }
  std::vector<std::string> meldingen;
  auto bron = BerekenBron(NaarPad(pad), naam.toStdString(), catalogus_, decimaal_, VandaagQt(), meldingen);
  for (const std::string& m : meldingen) dialogen_.Toon(m, kTitel, Icoon::Informatie);
  if (!bron) {
    dialogen_.Toon(bron.Melding(), kTitel, Icoon::Uitroep);
    return;
  }
  Voeg(std::move(*bron), pad);
}

void CumulatieVenster::VoegHuidigToe() {
  if (!huidig_) return;
  CumulatieBron bron = std::move(*huidig_);
  huidig_.reset();  // once
  Voeg(std::move(bron), QString());
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
  BewaarCsv(this, dialogen_, "Cumulatie opslaan als CSV", "cumulatie.csv",
            CumulatieTabel(bronnen_, decimaal_, true, "\r\n"), kTitel);
}

// One row per worksheet and a last, bold row with the cumulative levels.
void CumulatieVenster::VulTabel() {
  const auto cel = [this](int rij, int kolom, const std::string& tekst, bool getal) {
    auto* item = new QTableWidgetItem(QTekst(tekst));
    if (getal) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tabel_->setItem(rij, kolom, item);
    return item;
  };
  const int n = static_cast<int>(bronnen_.size());
  tabel_->clearContents();
  tabel_->setRowCount(n + 1);
  for (int r = 0; r < n; ++r) {
    const CumulatieBron& b = bronnen_[static_cast<std::size_t>(r)];
    cel(r, 0, b.naam, false);
    cel(r, 1, b.waarneempunt, false);
    cel(r, 2, b.weg, false);
    cel(r, 3, Formatteer(b.lden, "##0.00", decimaal_), true);
    cel(r, 4, Formatteer(b.lnight, "##0.00", decimaal_), true);
  }
  const CumulatieTotaal totaal = Cumuleer(bronnen_);
  QFont vet = tabel_->font();
  vet.setBold(true);
  for (QTableWidgetItem* item : {cel(n, 0, std::string(kCumulatiefNaam), false), cel(n, 1, "", false),
                                 cel(n, 2, "", false), cel(n, 3, Formatteer(totaal.lden, "##0.00", decimaal_), true),
                                 cel(n, 4, Formatteer(totaal.lnight, "##0.00", decimaal_), true)}) {
    item->setFont(vet);
    item->setFlags(Qt::ItemIsEnabled);  // the sum is no worksheet to select or remove
    item->setBackground(QColor(255, 255, 192));
  }
  ZetKnoppen();
}

void CumulatieVenster::ZetKnoppen() {
  huidigKnop_->setEnabled(huidig_.has_value());
  verwijderKnop_->setEnabled(!tabel_->selectionModel()->selectedRows().isEmpty());
  csvKnop_->setEnabled(!bronnen_.empty());
}

}  // namespace tarvo
