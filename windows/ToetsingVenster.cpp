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
#include "calc/Controle.h"
#include "calc/Velden.h"
#include "shared_ui/BijlageAfdruk.h"
#include "shared_ui/CsvBestand.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Knop.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Zandloper.h"
#include "tools/Afstand.h"

namespace tarvo {
namespace {

// The cells of HoogteCellen before the contours, each under its heading;
// the outcome in words follows them.
const QStringList kKoppen = {"hoogte\n(m)",  "Lden\n(dB)",           "Lnight\n(dB)",
                             "aftrek\n(dB)", "Lden na\naftrek (dB)", "geluids-\nbelasting (dB)"};
constexpr int kToetsKolom = 6;
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
  setWindowTitle("Toetsing – " + QTekst(naam_));
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
  hoogtenVeld_->setToolTip("Waarneemhoogten in meters, gescheiden door ';', bijvoorbeeld 1,5; 4,5; 7,5");
  situatieLijst_ = new QComboBox(this);
  situatieLijst_->setObjectName("situatieLijst");
  for (const Situatie& s : kSituaties) {
    situatieLijst_->addItem(
        QString("%1 (ten hoogste %2 dB, %3)").arg(QTekst(s.naam)).arg(s.maximum).arg(QTekst(s.artikel)));
  }
  situatieLijst_->addItem("zelf kiezen");
  situatieLijst_->setCurrentIndex(static_cast<int>(keuze_.situatie));
  // The longest situation would make the window wider than a screen at
  // 200 %: the box may be narrower than its texts, its list shows them whole.
  situatieLijst_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  situatieLijst_->setMinimumContentsLength(30);
  situatieLijst_->view()->setMinimumWidth(situatieLijst_->view()->sizeHintForColumn(0));
  situatieLijst_->setToolTip(situatieLijst_->currentText());
  maximumVeld_ = new QSpinBox(this);
  maximumVeld_->setObjectName("maximumVeld");
  maximumVeld_->setRange(kVoorkeursgrenswaarde, static_cast<int>(kDoelMax));
  maximumVeld_->setSuffix(" dB");
  maximumVeld_->setValue(keuze_.eigenMaximum);
  maximumVeld_->setEnabled(keuze_.situatie == kSituaties.size());
  grenzenVeld_ = new QLineEdit(QTekst(keuze_.grenzen), this);
  grenzenVeld_->setObjectName("grenzenVeld");
  grenzenVeld_->setToolTip(QString("Afstanden worden altijd gezocht voor %1 dB en het maximum; hier meer "
                                   "grenswaarden, gescheiden door ';'")
                               .arg(kVoorkeursgrenswaarde));

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
  keuzes->addWidget(bijschrift("&Hoogten (m):", hoogtenVeld_), 0, 0);
  keuzes->addWidget(hoogtenVeld_, 0, 1, 1, 3);
  keuzes->addWidget(bijschrift("&Situatie:", situatieLijst_), 1, 0);
  keuzes->addWidget(situatieLijst_, 1, 1, 1, 3);
  keuzes->addWidget(bijschrift("Eigen &maximum:", maximumVeld_), 2, 0);
  keuzes->addWidget(maximumVeld_, 2, 1);
  keuzes->addWidget(bijschrift("Extra &grenswaarden voor afstanden (dB):", grenzenVeld_), 3, 0);
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

Maximum ToetsingVenster::GekozenMaximum() const {
  if (keuze_.situatie < kSituaties.size()) return MaximumVan(kSituaties[keuze_.situatie]);
  return EigenMaximum(keuze_.eigenMaximum);
}

void ToetsingVenster::Bereken() {
  hoogten_.clear();
  grenzen_.clear();
  tabel_->setRowCount(0);
  const auto weiger = [this](const std::string& zin) {
    melding_->setText(QTekst(zin));
    csvKnop_->setEnabled(false);
    afdrukKnop_->setEnabled(false);
  };
  const Controle controle = Controleer(werkblad_, decimaal_);
  if (!controle) return weiger("Rekenblad: " + WeigeringRegel(*controle.weigering));
  const Maximum maximum = GekozenMaximum();
  auto hoogten = LeesHoogtenLijst(hoogtenVeld_->text().toStdString(), controle.invoer->Wegdekhoogte(), decimaal_);
  if (!hoogten) return weiger(hoogten.Melding());
  auto grenzen = ContourGrenzen(maximum, grenzenVeld_->text().toStdString());
  if (!grenzen) return weiger(grenzen.Melding());
  Uitkomst<std::vector<HoogteResultaat>> berekend =
      MetZandloper([&] { return BerekenHoogten(*controle.invoer, *hoogten, *grenzen, catalogus_, vandaag_); });
  if (!berekend) return weiger("Rekenblad: " + berekend.Melding());
  hoogten_ = std::move(*berekend);
  grenzen_ = std::move(*grenzen);
  melding_->clear();
  csvKnop_->setEnabled(true);
  afdrukKnop_->setEnabled(true);
  ToonTabel(maximum);
}

// The core's cells as it formats them, the outcome in words after the
// geluidsbelasting; a limit not met within the search leaves its cell empty.
void ToetsingVenster::ToonTabel(const Maximum& maximum) {
  QStringList koppen = kKoppen;
  koppen << "toetsing";
  const QString zoekTot = QTekst(Formatteer(kAfstandZoekTot, "##0", decimaal_));
  for (double g : grenzen_) koppen << "afstand " + QTekst(VolledigeTekst(g, decimaal_)) + "\ndB (m)";
  tabel_->setColumnCount(static_cast<int>(koppen.size()));
  tabel_->setHorizontalHeaderLabels(koppen);
  tabel_->horizontalHeaderItem(kToetsKolom - 1)
      ->setToolTip("Lden na aftrek afgerond op hele decibel, een half naar het even getal (RMG 2012 art. 1.3)");
  for (std::size_t g = 0; g < grenzen_.size(); ++g) {
    tabel_->horizontalHeaderItem(kToetsKolom + 1 + static_cast<int>(g))
        ->setToolTip("Kleinste horizontale afstand (1 tot " + zoekTot + " m) waarop de geluidsbelasting ten hoogste " +
                     QTekst(VolledigeTekst(grenzen_[g], decimaal_)) + " dB is");
  }
  tabel_->setRowCount(static_cast<int>(hoogten_.size()));
  for (std::size_t r = 0; r < hoogten_.size(); ++r) {
    const HoogteResultaat& h = hoogten_[r];
    const std::vector<std::string> cellen = HoogteCellen(h, decimaal_);
    const QString toets = QTekst(Toets(h.geluidsbelasting, maximum, h.invoer.zone).tekst);
    for (int k = 0; k < tabel_->columnCount(); ++k) {
      auto* cel = new QTableWidgetItem;
      if (k == kToetsKolom) {
        cel->setText(toets);
        cel->setToolTip(toets);
      } else {
        const std::size_t c = static_cast<std::size_t>(k < kToetsKolom ? k : k - 1);
        cel->setText(QTekst(cellen[c]));
        cel->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (cellen[c].empty()) {
          cel->setToolTip("Niet gehaald binnen " + zoekTot + " m: op " + zoekTot +
                          " m is de geluidsbelasting nog hoger dan " +
                          QTekst(VolledigeTekst(grenzen_[c - kToetsKolom], decimaal_)) + " dB");
        }
      }
      tabel_->setItem(static_cast<int>(r), k, cel);
    }
  }
  tabel_->resizeColumnsToContents();
  tabel_->setColumnWidth(kToetsKolom, kToetsBreedte);
  tabel_->resizeRowsToContents();
}

BijlageTabel ToetsingVenster::Bijlage() const {
  std::vector<BijlageRegel> regels;
  for (const HoogteResultaat& h : hoogten_) regels.push_back({naam_, h});
  return MaakBijlage(regels, grenzen_, catalogus_, decimaal_);
}

void ToetsingVenster::BewaarAlsCsv() {
  if (BewaarCsv(this, dialogen_, "Bijlage opslaan als CSV", "bijlage.csv", BijlageCsv(Bijlage(), "\r\n"),
                std::string(kBijlageTitel))) {
    melding_->setText("Bijlage opgeslagen.");
  }
}

void ToetsingVenster::DrukAf() { DrukBijlageAf(this, dialogen_, Bijlage(), "bijlage.pdf"); }

}  // namespace tarvo
