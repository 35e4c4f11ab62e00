#include "windows/frmCumulatie.h"

#include <QDate>
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
#include "shared_ui/QtBediening.h"
#include "shared_ui/QtDataMappen.h"

namespace tarvo {
namespace {

const std::string kTitel(kCumulatieTitel);

}  // namespace

frmCumulatie::frmCumulatie(const Catalogus& catalogus, Dialogen& dialogen, const QString& map,
                           std::optional<CumulatieBron> huidig, QWidget* ouder)
    : QDialog(ouder),
      catalogus_(catalogus),
      dialogen_(dialogen),
      map_(map),
      huidig_(std::move(huidig)),
      decimaal_(LocaleDecimaal()) {
  setObjectName("frmCumulatie");
  setWindowTitle(QTekst(kCumulatieTitel));
  resize(760, 380);

  auto* uitleg = new QLabel("Cumulatieve geluidsbelasting van meerdere wegen op één waarneempunt.", this);
  auto* onderschrift = new QLabel(QTekst(kCumulatieZonderAftrek), this);
  onderschrift->setObjectName("lblZonderAftrek");
  QFont vet = onderschrift->font();
  vet.setBold(true);
  onderschrift->setFont(vet);

  tabel_ = new QTableWidget(0, 5, this);
  tabel_->setObjectName("tblCumulatie");
  tabel_->setHorizontalHeaderLabels({"Rekenblad", "Waarneempunt", "Weg", "Lden (dB)", "Lnight (dB)"});
  tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabel_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabel_->verticalHeader()->hide();
  tabel_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (int k : {3, 4}) tabel_->horizontalHeader()->setSectionResizeMode(k, QHeaderView::ResizeToContents);
  connect(tabel_, &QTableWidget::itemSelectionChanged, this, &frmCumulatie::ZetKnoppen);

  auto* cmdBestand = MaakKnop("Rekenblad &toevoegen…", "cmdBestand", this);
  connect(cmdBestand, &QPushButton::clicked, this, &frmCumulatie::VoegBestandToe);
  cmdHuidig_ = MaakKnop("&Huidig rekenblad toevoegen", "cmdHuidig", this);
  connect(cmdHuidig_, &QPushButton::clicked, this, &frmCumulatie::VoegHuidigToe);
  cmdVerwijder_ = MaakKnop("&Verwijderen", "cmdVerwijder", this);
  connect(cmdVerwijder_, &QPushButton::clicked, this, &frmCumulatie::Verwijder);
  cmdCsv_ = MaakKnop("Opslaan als &CSV…", "cmdCsv", this);
  connect(cmdCsv_, &QPushButton::clicked, this, &frmCumulatie::OpslaanAlsCsv);
  auto* sluiten = MaakKnop("&Sluiten", "cmdSluiten", this);
  connect(sluiten, &QPushButton::clicked, this, &QDialog::reject);

  auto* knoppen = new QHBoxLayout();
  knoppen->addWidget(cmdBestand);
  knoppen->addWidget(cmdHuidig_);
  knoppen->addWidget(cmdVerwijder_);
  knoppen->addStretch(1);
  knoppen->addWidget(cmdCsv_);
  knoppen->addWidget(sluiten);

  auto* laag = new QVBoxLayout(this);
  laag->addWidget(uitleg);
  laag->addWidget(onderschrift);
  laag->addWidget(tabel_, 1);
  laag->addLayout(knoppen);
  VulTabel();
}

void frmCumulatie::Voeg(CumulatieBron bron, const QString& pad) {
  bronnen_.push_back(std::move(bron));
  paden_.push_back(pad);
  VulTabel();
}

// The same file twice would count its road twice.
void frmCumulatie::VoegBestandToe() {
  const auto keuze = dialogen_.OpenBestand(this, "Rekenblad toevoegen", map_, kWerkbladFilter);
  if (!keuze || keuze->isEmpty()) return;
  const QString pad = QFileInfo(*keuze).absoluteFilePath();
  const QString naam = QFileInfo(*keuze).fileName();
  if (std::find(paden_.begin(), paden_.end(), pad) != paden_.end()) {
    dialogen_.Toon("Rekenblad " + naam.toStdString() + " staat al in de lijst.", kTitel, Icoon::Uitroep);
    return;
  }
  map_ = QFileInfo(pad).absolutePath();
  const QDate vandaag = QDate::currentDate();
  std::vector<std::string> meldingen;
  auto bron = BerekenBron(NaarPad(pad), naam.toStdString(), catalogus_, decimaal_,
                          Datum{vandaag.year(), vandaag.month(), vandaag.day()}, meldingen);
  for (const std::string& m : meldingen) dialogen_.Toon(m, kTitel, Icoon::Informatie);
  if (!bron) {
    dialogen_.Toon(bron.Melding(), kTitel, Icoon::Uitroep);
    return;
  }
  Voeg(std::move(*bron), pad);
}

void frmCumulatie::VoegHuidigToe() {
  if (!huidig_) return;
  CumulatieBron bron = std::move(*huidig_);
  huidig_.reset();  // once
  Voeg(std::move(bron), QString());
}

void frmCumulatie::Verwijder() {
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

void frmCumulatie::OpslaanAlsCsv() {
  BewaarCsv(this, dialogen_, "Cumulatie opslaan als CSV", "cumulatie.csv",
            CumulatieTabel(bronnen_, decimaal_, true, "\r\n"), kTitel);
}

// One row per worksheet and a last, bold row with the cumulative levels.
void frmCumulatie::VulTabel() {
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
  for (QTableWidgetItem* item :
       {cel(n, 0, std::string(kCumulatiefNaam), false), cel(n, 1, "", false), cel(n, 2, "", false),
        cel(n, 3, Formatteer(totaal.lden, "##0.00", decimaal_), true),
        cel(n, 4, Formatteer(totaal.lnight, "##0.00", decimaal_), true)}) {
    item->setFont(vet);
    item->setFlags(Qt::ItemIsEnabled);  // the sum is no worksheet to select or remove
    item->setBackground(QColor(255, 255, 192));
  }
  ZetKnoppen();
}

void frmCumulatie::ZetKnoppen() {
  cmdHuidig_->setEnabled(huidig_.has_value());
  cmdVerwijder_->setEnabled(!tabel_->selectionModel()->selectedRows().isEmpty());
  cmdCsv_->setEnabled(!bronnen_.empty());
}

}  // namespace tarvo
