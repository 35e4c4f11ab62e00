#include "windows/ToetsingVenster.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Velden.h"
#include "shared_ui/BijlageAfdruk.h"
#include "shared_ui/CsvBestand.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Kleuren.h"
#include "shared_ui/Knop.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Zandloper.h"
#include "tools/Afstand.h"

namespace tarvo {
namespace {

constexpr int kToetsBreedte = 330;

}  // namespace

ToetsingVenster::ToetsingVenster(const Werkblad& werkblad, std::string naam, const Catalogus& catalogus, char decimaal,
                                 Datum vandaag, ToetsingKeuze& keuze, Dialogen& dialogen, QWidget* ouder)
    : QDialog(ouder),
      werkblad_(werkblad),
      naam_(std::move(naam)),
      catalogus_(catalogus),
      decimaal_(decimaal),
      vandaag_(vandaag),
      keuze_(keuze),
      dialogen_(dialogen) {
  setObjectName("ToetsingVenster");
  setWindowTitle(QTekst(ToetsingTitel(naam_)));
  MaakKeuzes();
  MaakTabel();
  resize(1040, 540);
  Bereken();
}

// Heights, situation, a maximum of one's own and extra limits, each behind
// its caption; a change computes at once.
void ToetsingVenster::MaakKeuzes() {
  hoogtenVeld_ =
      new QLineEdit(QTekst(keuze_.hoogten.value_or(Bijgesneden(werkblad_.veld[veld::kWaarneemhoogte]))), this);
  hoogtenVeld_->setObjectName("hoogtenVeld");
  hoogtenVeld_->setToolTip(QTekst(HoogtenUitleg()));
  situatieLijst_ = new QComboBox(this);
  situatieLijst_->setObjectName("situatieLijst");
  for (const std::string& keuze : SituatieKeuzes()) situatieLijst_->addItem(QTekst(keuze));
  situatieLijst_->setCurrentIndex(static_cast<int>(keuze_.situatie));
  // The longest situation would make the window wider than a screen at
  // 200 %: the box may be narrower than its texts, its list shows them whole.
  situatieLijst_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  situatieLijst_->setMinimumContentsLength(30);
  situatieLijst_->view()->setMinimumWidth(situatieLijst_->view()->sizeHintForColumn(0));
  situatieLijst_->setToolTip(situatieLijst_->currentText());
  maximumVeld_ = new QSpinBox(this);
  maximumVeld_->setObjectName("maximumVeld");
  maximumVeld_->setRange(kEigenMaximumVan, kEigenMaximumTot);
  maximumVeld_->setSuffix(" dB");
  maximumVeld_->setValue(keuze_.eigenMaximum);
  maximumVeld_->setEnabled(keuze_.situatie == kSituaties.size());
  grenzenVeld_ = new QLineEdit(QTekst(keuze_.grenzen), this);
  grenzenVeld_->setObjectName("grenzenVeld");
  grenzenVeld_->setToolTip(QTekst(GrenzenUitleg()));
  VolgKeuzes();
}

// A change computes at once.
void ToetsingVenster::VolgKeuzes() {
  connect(hoogtenVeld_, &QLineEdit::textChanged, this, [this](const QString& tekst) {
    keuze_.hoogten = tekst.toStdString();
    Bereken();
  });
  connect(situatieLijst_, &QComboBox::currentIndexChanged, this, [this](int i) {
    keuze_.situatie = static_cast<std::size_t>(i);
    situatieLijst_->setToolTip(situatieLijst_->currentText());
    maximumVeld_->setEnabled(keuze_.situatie == kSituaties.size());
    Bereken();
  });
  connect(maximumVeld_, &QSpinBox::valueChanged, this, [this](int waarde) {
    keuze_.eigenMaximum = waarde;
    Bereken();
  });
  connect(grenzenVeld_, &QLineEdit::textChanged, this, [this](const QString& tekst) {
    keuze_.grenzen = tekst.toStdString();
    Bereken();
  });
}

void ToetsingVenster::MaakTabel() {
  tabel_ = new QTableWidget(this);
  tabel_->setObjectName("tabel");
  tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabel_->verticalHeader()->setVisible(false);
  tabel_->setWordWrap(true);
  tabel_->setAlternatingRowColors(true);
  melding_ = new QLabel(this);
  melding_->setObjectName("melding");
  melding_->setTextFormat(Qt::PlainText);
  melding_->setWordWrap(true);
  csvKnop_ = MaakKnop("Opslaan als &CSV…", "csvKnop", this);
  connect(csvKnop_, &QPushButton::clicked, this, &ToetsingVenster::BewaarAlsCsv);
  afdrukKnop_ = MaakKnop("&Afdrukken…", "afdrukKnop", this);
  connect(afdrukKnop_, &QPushButton::clicked, this, &ToetsingVenster::DrukAf);
  auto* sluiten = MaakKnop("Sluiten", "sluitKnop", this);
  connect(sluiten, &QPushButton::clicked, this, &QDialog::reject);

  const auto bijschrift = [this](const QString& tekst, QWidget* veld) {
    auto* l = new QLabel(tekst, this);
    l->setBuddy(veld);
    return l;
  };
  auto* keuzes = new QGridLayout;
  keuzes->addWidget(bijschrift(QTekst(kHoogtenBijschrift), hoogtenVeld_), 0, 0);
  keuzes->addWidget(hoogtenVeld_, 0, 1, 1, 3);
  keuzes->addWidget(bijschrift(QTekst(kSituatieBijschrift), situatieLijst_), 1, 0);
  keuzes->addWidget(situatieLijst_, 1, 1, 1, 3);
  keuzes->addWidget(bijschrift(QTekst(kMaximumBijschrift), maximumVeld_), 2, 0);
  keuzes->addWidget(maximumVeld_, 2, 1);
  keuzes->addWidget(bijschrift(QTekst(kGrenzenBijschrift), grenzenVeld_), 3, 0);
  keuzes->addWidget(grenzenVeld_, 3, 1, 1, 3);
  keuzes->setColumnStretch(3, 1);

  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch(1);
  knoppen->addWidget(csvKnop_);
  knoppen->addWidget(afdrukKnop_);
  knoppen->addWidget(sluiten);

  auto* laag = new QVBoxLayout(this);
  laag->addLayout(keuzes);
  laag->addWidget(tabel_, 1);
  laag->addWidget(melding_);
  laag->addLayout(knoppen);
}

void ToetsingVenster::Bereken() {
  antwoord_ = MetZandloper([&] { return Toetsing(werkblad_, keuze_, catalogus_, vandaag_, decimaal_); });
  tabel_->setRowCount(0);
  const bool berekend = antwoord_.melding.empty();
  melding_->setText(QTekst(antwoord_.melding));
  csvKnop_->setEnabled(berekend);
  afdrukKnop_->setEnabled(berekend);
  if (berekend) ToonTabel(antwoord_);
}

// The core's cells as it words them; a cell that could mislead says why in its tool tip.
void ToetsingVenster::ToonTabel(const ToetsingAntwoord& a) {
  tabel_->setColumnCount(static_cast<int>(a.kolommen.size()));
  for (std::size_t k = 0; k < a.kolommen.size(); ++k) {
    auto* kop = new QTableWidgetItem(QTekst(a.kolommen[k].kop));
    kop->setToolTip(QTekst(a.kolommen[k].uitleg));
    tabel_->setHorizontalHeaderItem(static_cast<int>(k), kop);
  }
  tabel_->setRowCount(static_cast<int>(a.rijen.size()));
  for (std::size_t r = 0; r < a.rijen.size(); ++r) {
    const std::vector<ToetsingCel>& cellen = a.rijen[r].cellen;
    for (std::size_t k = 0; k < cellen.size(); ++k) {
      auto* cel = new QTableWidgetItem(QTekst(cellen[k].tekst));
      cel->setToolTip(QTekst(cellen[k].uitleg));
      if (k != kToetsKolom) cel->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (k == kToetsKolom && !cellen[k].tekst.empty()) cel->setBackground(UitkomstKleur(a.rijen[r].uitkomst));
      tabel_->setItem(static_cast<int>(r), static_cast<int>(k), cel);
    }
  }
  tabel_->resizeColumnsToContents();
  tabel_->setColumnWidth(static_cast<int>(kToetsKolom), kToetsBreedte);
  tabel_->resizeRowsToContents();
}

BijlageTabel ToetsingVenster::Bijlage() const { return ToetsingBijlage(antwoord_, naam_, catalogus_, decimaal_); }

void ToetsingVenster::BewaarAlsCsv() {
  if (BewaarCsv(this, dialogen_, "Bijlage opslaan als CSV", "bijlage.csv", BijlageCsv(Bijlage(), "\r\n"),
                std::string(kBijlageTitel))) {
    melding_->setText(QTekst(kBijlageOpgeslagen));
  }
}

void ToetsingVenster::DrukAf() { DrukBijlageAf(this, dialogen_, Bijlage(), "bijlage.pdf"); }

}  // namespace tarvo
