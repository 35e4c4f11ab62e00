#include "shared_ui/Grafiek.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPixmap>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>
#include <vector>

#include "shared_ui/QtTekst.h"

namespace tarvo {

namespace {

// 1, 2 or 5 times a power of ten, about a tenth of the range.
double RondeStap(double bereik) {
  if (bereik <= 0) return 1;
  const double ruw = bereik / 10;
  const double macht = std::pow(10.0, std::floor(std::log10(ruw)));
  for (double f : {1.0, 2.0, 5.0, 10.0}) {
    if (f * macht >= ruw) return f * macht;
  }
  return 10 * macht;
}

}  // namespace

struct Grafiek::Impl {
  QChart* chart = nullptr;
  QChartView* view = nullptr;
  QLabel* voetnoot = nullptr;

  QBarSeries* staven = nullptr;
  QStringList labelTeksten;
  QList<QGraphicsSimpleTextItem*> labelItems;

  QLineSeries* lijn = nullptr;
  QValueAxis* xAs = nullptr;       // linear distance axis
  QLogValueAxis* logAs = nullptr;  // or the logarithmic one
  QValueAxis* linkerAs = nullptr;
  QValueAxis* rechterAs = nullptr;
  QString xTitel;
  double xMax = 0;
  bool log = false;

  // The target line and the marks, with their texts.
  QLineSeries* doellijn = nullptr;
  std::optional<double> doelY;
  QGraphicsSimpleTextItem* doelTekst = nullptr;
  struct MerkDeel {
    QScatterSeries* serie = nullptr;
    QGraphicsSimpleTextItem* tekst = nullptr;
    std::optional<QPointF> punt;
  };
  std::array<MerkDeel, 3> merken;

  void Leeg() {
    chart->removeAllSeries();
    for (QAbstractAxis* as : chart->axes()) {
      chart->removeAxis(as);
      delete as;
    }
    qDeleteAll(labelItems);
    labelItems.clear();
    labelTeksten.clear();
    staven = nullptr;
    lijn = nullptr;
    xAs = linkerAs = rechterAs = nullptr;
    logAs = nullptr;
    doellijn = nullptr;
    doelY.reset();
    delete doelTekst;
    doelTekst = nullptr;
    for (MerkDeel& m : merken) {
      delete m.tekst;
      m = {};
    }
  }

  double XVan() const { return log ? 1 : 0; }

  std::vector<QXYSeries*> LijnSeries() const {
    std::vector<QXYSeries*> alle = {lijn, doellijn};
    for (const MerkDeel& m : merken) alle.push_back(m.serie);
    return alle;
  }

  // The distance axis anew, linear or logarithmic, for every series of the line chart.
  void BouwXAs() {
    for (QAbstractAxis* oud : {static_cast<QAbstractAxis*>(xAs), static_cast<QAbstractAxis*>(logAs)}) {
      if (oud == nullptr) continue;
      chart->removeAxis(oud);
      delete oud;
    }
    xAs = nullptr;
    logAs = nullptr;
    QAbstractAxis* as = nullptr;
    if (log) {
      logAs = new QLogValueAxis();
      logAs->setBase(10);
      logAs->setRange(1, std::max(xMax, 10.0));
      logAs->setLabelFormat("%g");
      logAs->setMinorTickCount(8);
      as = logAs;
    } else {
      xAs = new QValueAxis();
      xAs->setRange(0, xMax);
      xAs->setTickType(QValueAxis::TicksDynamic);
      xAs->setTickAnchor(0);
      xAs->setTickInterval(RondeStap(xMax));
      xAs->setLabelFormat("%.0f");
      as = xAs;
    }
    as->setTitleText(xTitel);
    chart->addAxis(as, Qt::AlignBottom);
    for (QXYSeries* serie : LijnSeries()) {
      if (serie) serie->attachAxis(as);
    }
    ZetDoelPunten();
  }

  void ZetDoelPunten() {
    if (doellijn == nullptr) return;
    if (doelY)
      doellijn->replace({QPointF(XVan(), *doelY), QPointF(xMax, *doelY)});
    else
      doellijn->clear();
  }

  // The texts follow their points whenever the plot area moves; a text
  // whose point lies outside the plot area is hidden.
  void PlaatsTeksten() {
    if (lijn == nullptr) return;
    const QRectF vlak = chart->plotArea();
    if (doelTekst) {
      // Left of the crossing a falling curve runs above the line, right of
      // it below: the text goes under the line at its left end when it fits
      // before the crossing, else over it at its right end.
      const QPointF p = chart->mapToPosition(QPointF(xMax, doelY.value_or(0)), lijn);
      const QRectF r = doelTekst->boundingRect();
      const MerkDeel& snij = merken[static_cast<std::size_t>(Grafiek::Merk::Snijpunt)];
      const double snijX = snij.punt ? chart->mapToPosition(*snij.punt, lijn).x() : vlak.right();
      if (snijX - vlak.left() >= r.width() + 12)
        doelTekst->setPos(vlak.left() + 4, p.y() + 3);
      else
        doelTekst->setPos(vlak.right() - r.width() - 4, p.y() - r.height() - 3);
      doelTekst->setVisible(doelY && vlak.contains(QPointF(vlak.center().x(), p.y())));
    }
    for (MerkDeel& m : merken) {
      if (m.tekst == nullptr) continue;
      const QPointF p = chart->mapToPosition(m.punt.value_or(QPointF()), lijn);
      const QRectF r = m.tekst->boundingRect();
      const double x = p.x() + 8 + r.width() > vlak.right() ? p.x() - 8 - r.width() : p.x() + 8;
      m.tekst->setPos(x, p.y() - r.height() - 4);
      m.tekst->setVisible(m.punt && vlak.adjusted(-1, -1, 1, 1).contains(p));
    }
  }

  // The library has no whole-number bar labels, so they are drawn by hand
  // and follow the plot area whenever it moves.
  void PlaatsLabels() {
    if (staven == nullptr || staven->barSets().isEmpty()) return;
    const QBarSet* set = staven->barSets().first();
    for (int i = 0; i < labelItems.size() && i < set->count(); ++i) {
      const QPointF top = chart->mapToPosition(QPointF(i, set->at(i)), staven);
      const QRectF r = labelItems[i]->boundingRect();
      labelItems[i]->setPos(top.x() - r.width() / 2, top.y() - r.height() - 2);
    }
  }

  static Grafiek::As AlsAs(const QValueAxis* as) {
    if (as == nullptr) return {};
    return {as->min(), as->max(), as->tickCount(), as->isVisible()};
  }
};

Grafiek::Grafiek(QWidget* ouder) : QWidget(ouder), d_(std::make_unique<Impl>()) {
  d_->chart = new QChart();
  d_->chart->legend()->hide();
  QFont titelFont = d_->chart->titleFont();
  titelFont.setPointSize(12);
  titelFont.setBold(true);
  d_->chart->setTitleFont(titelFont);
  d_->view = new QChartView(d_->chart, this);
  d_->view->setRenderHint(QPainter::Antialiasing);
  d_->voetnoot = new QLabel(this);
  d_->voetnoot->setIndent(10);
  d_->voetnoot->setContentsMargins(0, 2, 0, 4);
  d_->voetnoot->hide();

  auto* laag = new QVBoxLayout(this);
  laag->setContentsMargins(0, 0, 0, 0);
  laag->setSpacing(0);
  laag->addWidget(d_->view, 1);
  laag->addWidget(d_->voetnoot);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);

  connect(d_->chart, &QChart::plotAreaChanged, this, [this] {
    d_->PlaatsLabels();
    d_->PlaatsTeksten();
  });
  d_->view->viewport()->setMouseTracking(true);
  d_->view->viewport()->installEventFilter(this);
}

Grafiek::~Grafiek() = default;

void Grafiek::ZetTitel(const QString& titel) { d_->chart->setTitle(titel); }

void Grafiek::ZetVoetnoot(const QString& voetnoot) {
  d_->voetnoot->setText(voetnoot);
  d_->voetnoot->setVisible(!voetnoot.isEmpty());
}

void Grafiek::ToonStaven(const QStringList& categorieen, const QList<double>& waarden, const QStringList& labels,
                         const QFont& labelFont, double yMax) {
  d_->Leeg();
  auto* set = new QBarSet(QString());
  set->append(waarden);
  d_->staven = new QBarSeries();
  d_->staven->append(set);
  d_->chart->addSeries(d_->staven);

  auto* categorieAs = new QBarCategoryAxis();
  categorieAs->append(categorieen);
  d_->chart->addAxis(categorieAs, Qt::AlignBottom);
  d_->staven->attachAxis(categorieAs);

  auto* yAs = new QValueAxis();
  yAs->setRange(0, yMax);
  yAs->setTickCount(11);
  yAs->setLabelFormat("%.0f");
  d_->chart->addAxis(yAs, Qt::AlignLeft);
  d_->staven->attachAxis(yAs);
  d_->linkerAs = yAs;

  d_->labelTeksten = labels;
  for (const QString& tekst : labels) {
    auto* item = new QGraphicsSimpleTextItem(tekst, d_->chart);
    item->setFont(labelFont);
    d_->labelItems.append(item);
  }
  d_->PlaatsLabels();
}

void Grafiek::ToonLijn(const QList<QPointF>& punten, const QString& xTitel, double xMax, const QString& yTitel,
                       double yMin, double yMax, int yDelingen) {
  d_->Leeg();
  d_->lijn = new QLineSeries();
  d_->lijn->replace(punten);
  d_->chart->addSeries(d_->lijn);

  d_->doellijn = new QLineSeries();
  QPen pen(QColor(200, 0, 0));
  pen.setStyle(Qt::DashLine);
  pen.setWidthF(1.5);
  d_->doellijn->setPen(pen);
  d_->chart->addSeries(d_->doellijn);

  const std::array<QColor, 3> kleuren = {QColor(0, 90, 200), QColor(200, 0, 0), QColor(90, 90, 90)};
  for (std::size_t i = 0; i < d_->merken.size(); ++i) {
    auto* serie = new QScatterSeries();
    serie->setMarkerSize(i == 2 ? 7 : 10);
    serie->setColor(kleuren[i]);
    serie->setBorderColor(kleuren[i].darker());
    d_->chart->addSeries(serie);
    d_->merken[i].serie = serie;
  }

  d_->xTitel = xTitel;
  d_->xMax = xMax;
  d_->BouwXAs();

  const int streepjes = std::max(yDelingen, 1) + 1;
  auto maakNiveauAs = [&](Qt::Alignment kant) {
    auto* as = new QValueAxis();
    as->setRange(yMin, yMax);
    as->setTickCount(streepjes);
    as->setLabelFormat("%.0f");
    d_->chart->addAxis(as, kant);
    for (QXYSeries* serie : d_->LijnSeries()) serie->attachAxis(as);
    return as;
  };
  d_->linkerAs = maakNiveauAs(Qt::AlignLeft);
  d_->linkerAs->setTitleText(yTitel);
  d_->rechterAs = maakNiveauAs(Qt::AlignRight);
}

void Grafiek::ZetLogAfstand(bool log) {
  if (d_->lijn == nullptr || d_->log == log) return;
  d_->log = log;
  d_->BouwXAs();
  d_->PlaatsTeksten();
}

bool Grafiek::LogAfstand() const { return d_->log; }

void Grafiek::ZetDoellijn(std::optional<double> y, const QString& tekst) {
  if (d_->doellijn == nullptr) return;
  d_->doelY = y;
  d_->ZetDoelPunten();
  if (d_->doelTekst == nullptr) {
    d_->doelTekst = new QGraphicsSimpleTextItem(d_->chart);
    d_->doelTekst->setBrush(QColor(200, 0, 0));
  }
  d_->doelTekst->setText(tekst);
  d_->PlaatsTeksten();
}

void Grafiek::ZetMerk(Merk merk, std::optional<QPointF> punt, const QString& tekst) {
  Impl::MerkDeel& m = d_->merken.at(static_cast<std::size_t>(merk));
  if (m.serie == nullptr) return;
  m.punt = punt;
  if (punt)
    m.serie->replace({*punt});
  else
    m.serie->clear();
  if (m.tekst == nullptr) {
    m.tekst = new QGraphicsSimpleTextItem(d_->chart);
    m.tekst->setBrush(m.serie->color().darker(130));
  }
  m.tekst->setText(tekst);
  d_->PlaatsTeksten();
}

bool Grafiek::eventFilter(QObject* object, QEvent* event) {
  if (object == d_->view->viewport() && d_->lijn != nullptr) {
    if (event->type() == QEvent::MouseMove) {
      const QPointF plek =
          d_->chart->mapFromScene(d_->view->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint()));
      if (d_->chart->plotArea().contains(plek)) {
        const QPointF waarde = d_->chart->mapToValue(plek, d_->lijn);
        emit MuisBoven(waarde.x(), waarde.y());
      } else {
        emit MuisWeg();
      }
    } else if (event->type() == QEvent::Leave) {
      emit MuisWeg();
    }
  }
  return QWidget::eventFilter(object, event);
}

Uitkomst<void> Grafiek::BewaarPng(const QString& pad) {
  return BewaarVeilig(pad, [this](QIODevice& bytes) { return grab().save(&bytes, "PNG"); });
}

QList<double> Grafiek::Waarden() const {
  QList<double> uit;
  if (d_->staven == nullptr || d_->staven->barSets().isEmpty()) return uit;
  const QBarSet* set = d_->staven->barSets().first();
  for (int i = 0; i < set->count(); ++i) uit.append(set->at(i));
  return uit;
}

QStringList Grafiek::Labels() const { return d_->labelTeksten; }
QList<QPointF> Grafiek::Punten() const { return d_->lijn ? d_->lijn->points() : QList<QPointF>(); }

Grafiek::As Grafiek::XAs() const {
  if (d_->logAs) return {d_->logAs->min(), d_->logAs->max(), 0, d_->logAs->isVisible()};
  As as = Impl::AlsAs(d_->xAs);
  if (d_->xAs) as.streepjes = static_cast<int>(std::lround(d_->xAs->max() / d_->xAs->tickInterval())) + 1;
  return as;
}
int Grafiek::AantalXAssen() const { return static_cast<int>(d_->chart->axes(Qt::Horizontal).size()); }
Grafiek::As Grafiek::LinkerAs() const { return Impl::AlsAs(d_->linkerAs); }
Grafiek::As Grafiek::RechterAs() const { return Impl::AlsAs(d_->rechterAs); }
std::optional<double> Grafiek::Doellijn() const { return d_->doelY; }
QString Grafiek::DoellijnTekst() const { return d_->doelTekst ? d_->doelTekst->text() : QString(); }

Grafiek::MerkStand Grafiek::MerkVan(Merk merk) const {
  const Impl::MerkDeel& m = d_->merken.at(static_cast<std::size_t>(merk));
  return {m.punt, m.tekst ? m.tekst->text() : QString()};
}

QWidget* Grafiek::Tekenvlak() const { return d_->view->viewport(); }

QPoint Grafiek::Positie(QPointF waarde) const {
  const QPointF plek = d_->chart->mapToPosition(waarde, d_->lijn);
  return d_->view->mapFromScene(d_->chart->mapToScene(plek));
}

}  // namespace tarvo
