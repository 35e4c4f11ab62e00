#include "windows/OnderzoekVenster.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/Tekst.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/Kleuren.h"
#include "shared_ui/Knop.h"
#include "shared_ui/OnderzoekAfdruk.h"
#include "shared_ui/QtTekst.h"
#include "shared_ui/Zandloper.h"
#include "tools/Cumulatie.h"

namespace tarvo {
namespace {

const std::string kTitel(kOnderzoekKop);

QTableWidgetItem* Cel(const QString& tekst, const QString& uitleg) {
  auto* cel = new QTableWidgetItem(tekst);
  cel->setToolTip(uitleg);
  cel->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
  return cel;
}

}  // namespace

OnderzoekVenster::OnderzoekVenster(HuidigOnderzoek& onderzoek, Uitkomst<Invoer> huidig, const Catalogus& catalogus,
                                   char decimaal, Datum vandaag, Dialogen& dialogen, QWidget* ouder)
    : QDialog(ouder),
      onderzoek_(onderzoek),
      huidig_(std::move(huidig)),
      catalogus_(catalogus),
      decimaal_(decimaal),
      vandaag_(vandaag),
      dialogen_(dialogen) {
  setObjectName("OnderzoekVenster");
  resize(1000, 600);
  MaakKnoppen();
  Bereken();
  Toon();
}

// The points as tabs, under them what the study says as a whole; the
// commands in two rows, so that a large scaling still fits the screen.
void OnderzoekVenster::MaakKnoppen() {
  auto* uitleg = new QLabel(QTekst(OnderzoekUitleg()), this);
  uitleg->setWordWrap(true);
  punten_ = new QTabWidget(this);
  punten_->setObjectName("punten");
  samenvatting_ = new QLabel(this);
  samenvatting_->setObjectName("samenvatting");
  samenvatting_->setTextFormat(Qt::PlainText);
  samenvatting_->setWordWrap(true);

  auto* nieuw = MaakKnop(QTekst(kOnderzoekOpdrachten.nieuw), "nieuwKnop", this);
  connect(nieuw, &QPushButton::clicked, this, &OnderzoekVenster::Nieuw);
  auto* open = MaakKnop(QTekst(kOnderzoekOpdrachten.openen), "openKnop", this);
  connect(open, &QPushButton::clicked, this, &OnderzoekVenster::Open);
  bewaarKnop_ = MaakKnop(QTekst(kOnderzoekOpdrachten.opslaan), "bewaarKnop", this);
  connect(bewaarKnop_, &QPushButton::clicked, this, [this] { (void)Bewaar(); });
  huidigKnop_ = MaakKnop(QTekst(kOnderzoekOpdrachten.huidig), "huidigKnop", this);
  huidigKnop_->setToolTip(huidig_ ? "Het rekenblad op het scherm als weg bij zijn waarneempunt"
                                  : QTekst(huidig_.Melding()));
  connect(huidigKnop_, &QPushButton::clicked, this, &OnderzoekVenster::VoegHuidigToe);
  afdrukKnop_ = MaakKnop("&Afdrukken…", "afdrukKnop", this);
  connect(afdrukKnop_, &QPushButton::clicked, this, &OnderzoekVenster::DrukAf);
  auto* sluiten = MaakKnop(QTekst(kOnderzoekOpdrachten.sluiten), "sluitKnop", this);
  connect(sluiten, &QPushButton::clicked, this, &QDialog::reject);

  auto* bestand = new QHBoxLayout;
  for (QPushButton* k : {nieuw, open, bewaarKnop_, huidigKnop_}) bestand->addWidget(k);
  bestand->addStretch(1);
  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch(1);
  knoppen->addWidget(afdrukKnop_);
  knoppen->addWidget(sluiten);
  auto* laag = new QVBoxLayout(this);
  laag->addWidget(uitleg);
  laag->addWidget(punten_, 1);
  laag->addWidget(samenvatting_);
  laag->addLayout(bestand);
  laag->addLayout(knoppen);
}

void OnderzoekVenster::Bereken() {
  antwoord_ = MetZandloper([&] { return OnderzoekVan(onderzoek_.tekst, catalogus_, vandaag_, decimaal_); });
}

// A tab per point, in the sheet's order; the tab of the point shown stays.
void OnderzoekVenster::Toon() {
  setWindowTitle(QTekst(kTitel) + " – " + onderzoek_.Naam() + "[*]");
  setWindowModified(onderzoek_.gewijzigd);
  const QString getoond = punten_->count() > 0 ? punten_->tabText(punten_->currentIndex()) : QString();
  while (punten_->count() > 0) {
    QWidget* blad = punten_->widget(0);
    punten_->removeTab(0);
    delete blad;
  }
  tabellen_.clear();
  meldingen_.clear();
  for (const OnderzoekPuntTabel& t : antwoord_->tabellen) {
    // The name as typed: a '&' in it is no access key.
    punten_->addTab(PuntBlad(t), QTekst(t.naam).replace("&", "&&"));
    if (punten_->tabText(punten_->count() - 1) == getoond) punten_->setCurrentIndex(punten_->count() - 1);
  }
  std::string samenvatting = antwoord_->fout.empty() ? antwoord_->samenvatting : antwoord_->fout;
  if (onderzoek_.tekst.empty()) samenvatting = kOnderzoekLeeg;
  samenvatting_->setText(QTekst(samenvatting));
  samenvatting_->setVisible(!samenvatting.empty());
  bewaarKnop_->setEnabled(!onderzoek_.tekst.empty());
  afdrukKnop_->setEnabled(!antwoord_->tabellen.empty());
}

// The point's maximum, its table and the roads not computed.
QWidget* OnderzoekVenster::PuntBlad(const OnderzoekPuntTabel& t) {
  auto* blad = new QWidget;
  auto* maximum = new QLabel(QTekst(MaximumZin(t)), blad);
  maximum->setObjectName("maximum");
  auto* tabel = new QTableWidget(blad);
  tabel->setObjectName("tabel");
  VulTabel(tabel, t);
  auto* meldingen = new QLabel(blad);
  meldingen->setObjectName("meldingen");
  meldingen->setTextFormat(Qt::PlainText);
  meldingen->setWordWrap(true);
  QString tekst;
  for (const std::string& m : t.meldingen) tekst += (tekst.isEmpty() ? "" : "\n") + QTekst(m);
  meldingen->setText(tekst);
  meldingen->setVisible(!tekst.isEmpty());
  auto* laag = new QVBoxLayout(blad);
  laag->addWidget(maximum);
  laag->addWidget(tabel, 1);
  laag->addWidget(meldingen);
  tabellen_.push_back(tabel);
  meldingen_.push_back(meldingen);
  return blad;
}

// The heights down, the roads across as typed, the cumulation last; each
// road's cell its geluidsbelasting over its outcome in words.
void OnderzoekVenster::VulTabel(QTableWidget* tabel, const OnderzoekPuntTabel& t) {
  tabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabel->setWordWrap(true);
  const int wegen = static_cast<int>(t.wegen.size());
  tabel->setColumnCount(wegen + 1);
  tabel->setRowCount(static_cast<int>(t.hoogten.size()));
  for (int k = 0; k < wegen; ++k) {
    auto* kop = new QTableWidgetItem(QTekst(t.wegen[static_cast<std::size_t>(k)]));
    kop->setToolTip(QTekst(kOnderzoekCel));
    tabel->setHorizontalHeaderItem(k, kop);
  }
  auto* cumulatief = new QTableWidgetItem(QTekst(std::string(kCumulatiefNaam) + " Lden (dB)"));
  cumulatief->setToolTip(QTekst(kOnderzoekCumulatief));
  tabel->setHorizontalHeaderItem(wegen, cumulatief);
  for (std::size_t h = 0; h < t.hoogten.size(); ++h) {
    const int r = static_cast<int>(h);
    tabel->setVerticalHeaderItem(r, new QTableWidgetItem(QTekst(t.hoogten[h])));
    for (int k = 0; k < wegen; ++k) {
      const OnderzoekCel& c = t.cellen[h][static_cast<std::size_t>(k)];
      if (!c.berekend) {
        tabel->setItem(r, k, Cel(QTekst(kNietBerekend), QTekst(kZieRedenen)));
        continue;
      }
      auto* cel = Cel(QTekst(c.geluidsbelasting + " dB" + (c.toetsing.empty() ? "" : "\n" + c.toetsing)),
                      QTekst(kOnderzoekCel));
      if (!c.toetsing.empty()) cel->setBackground(UitkomstKleur(c.uitkomst));
      tabel->setItem(r, k, cel);
    }
    const std::string& som = t.cumulatief[h];
    tabel->setItem(r, wegen,
                   Cel(QTekst(som.empty() ? std::string(kNietBerekend) : som + " dB"),
                       QTekst(som.empty() ? kNietElkeWeg : kOnderzoekCumulatief)));
  }
  // The roads share the width the sum leaves, their outcomes breaking over
  // lines; on a small screen or at a large scaling the table scrolls.
  tabel->horizontalHeader()->setMinimumSectionSize(tabel->fontMetrics().horizontalAdvance("ontheffingswaarde 00 dB"));
  tabel->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tabel->horizontalHeader()->setSectionResizeMode(wegen, QHeaderView::ResizeToContents);
  tabel->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void OnderzoekVenster::Nieuw() {
  if (!BewaarOnderzoekEerst(this, dialogen_, onderzoek_, kTitelNieuwOnderzoek)) return;
  onderzoek_ = {};
  Bereken();
  Toon();
}

// A sheet refused as a whole leaves the study on screen as it was.
void OnderzoekVenster::Open() {
  if (!BewaarOnderzoekEerst(this, dialogen_, onderzoek_, kTitelOnderzoekOpenen)) return;
  const auto pad = KiesOpenPad(dialogen_, this, QTekst(kTitelOnderzoekOpenen), kOnderzoekFilter);
  if (!pad) return;
  auto tekst = MetZandloper([&] { return LeesOnderzoekTekst(*pad); });
  if (!tekst) {
    dialogen_.Toon(tekst.Melding(), kTitel, Icoon::Uitroep);
    return;
  }
  auto antwoord = MetZandloper([&] { return OnderzoekVan(*tekst, catalogus_, vandaag_, decimaal_); });
  if (!antwoord->fout.empty()) {
    dialogen_.Toon("Onderzoek " + QFileInfo(*pad).fileName().toStdString() + ": " + antwoord->fout, kTitel,
                   Icoon::Uitroep);
    return;
  }
  onderzoek_ = {std::move(*tekst), *pad, false};
  antwoord_ = std::move(antwoord);
  Toon();
}

bool OnderzoekVenster::Bewaar() {
  const bool bewaard = BewaarOnderzoek(this, dialogen_, onderzoek_);
  Toon();
  return bewaard;
}

// A new sheet starts with a byte-order mark, so that a spreadsheet reads its accents.
void OnderzoekVenster::VoegHuidigToe() {
  if (!huidig_) {
    dialogen_.Toon(std::string(kNietToevoegen) + huidig_.Melding(), kTitel, Icoon::Uitroep);
    return;
  }
  auto tekst = VoegWegToe(onderzoek_.tekst, *huidig_, decimaal_);
  if (!tekst) {
    dialogen_.Toon(tekst.Melding(), kTitel, Icoon::Uitroep);
    return;
  }
  onderzoek_.tekst = (onderzoek_.tekst.empty() ? std::string(kBom) : std::string()) + *tekst;
  onderzoek_.gewijzigd = true;
  Bereken();
  Toon();
  // Where the road went.
  const QString punt = QTekst(Bijgesneden(huidig_->waarneempunt)).replace("&", "&&");
  for (int i = 0; i < punten_->count(); ++i) {
    if (punten_->tabText(i) == punt) punten_->setCurrentIndex(i);
  }
}

BijlageTabel OnderzoekVenster::Bijlage() const {
  return OnderzoekBijlage(*antwoord_, onderzoek_.Naam().toStdString(), catalogus_, decimaal_);
}

void OnderzoekVenster::DrukAf() { DrukOnderzoekAf(this, dialogen_, *antwoord_, Bijlage(), onderzoek_.Naam()); }

}  // namespace tarvo
