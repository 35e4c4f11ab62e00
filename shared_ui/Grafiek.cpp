#include "shared_ui/Grafiek.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QPixmap>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

namespace tarvo {

struct Grafiek::Impl {
  QChart* chart = nullptr;
  QChartView* view = nullptr;
  QLabel* voetnoot = nullptr;

  QBarSeries* staven = nullptr;
  QBarCategoryAxis* categorieAs = nullptr;
  QStringList labelTeksten;
  QList<QGraphicsSimpleTextItem*> labelItems;

  QLineSeries* lijn = nullptr;
  QValueAxis* xAs = nullptr;
  QValueAxis* linkerAs = nullptr;
  QValueAxis* rechterAs = nullptr;

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
    categorieAs = nullptr;
    lijn = nullptr;
    xAs = linkerAs = rechterAs = nullptr;
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
    return {as->titleText(), as->min(), as->max(), as->tickCount(), as->isVisible()};
  }
};

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

  connect(d_->chart, &QChart::plotAreaChanged, this, [this] { d_->PlaatsLabels(); });
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

  d_->categorieAs = new QBarCategoryAxis();
  d_->categorieAs->append(categorieen);
  d_->chart->addAxis(d_->categorieAs, Qt::AlignBottom);
  d_->staven->attachAxis(d_->categorieAs);

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

  d_->xAs = new QValueAxis();
  d_->xAs->setTitleText(xTitel);
  d_->xAs->setRange(0, xMax);
  d_->xAs->setTickType(QValueAxis::TicksDynamic);
  d_->xAs->setTickAnchor(0);
  d_->xAs->setTickInterval(RondeStap(xMax));
  d_->xAs->setLabelFormat("%.0f");
  d_->chart->addAxis(d_->xAs, Qt::AlignBottom);
  d_->lijn->attachAxis(d_->xAs);

  const int streepjes = std::max(yDelingen, 1) + 1;
  auto maakNiveauAs = [&](Qt::Alignment kant) {
    auto* as = new QValueAxis();
    as->setRange(yMin, yMax);
    as->setTickCount(streepjes);
    as->setLabelFormat("%.0f");
    d_->chart->addAxis(as, kant);
    d_->lijn->attachAxis(as);
    return as;
  };
  d_->linkerAs = maakNiveauAs(Qt::AlignLeft);
  d_->linkerAs->setTitleText(yTitel);
  d_->rechterAs = maakNiveauAs(Qt::AlignRight);
}

bool Grafiek::BewaarPng(const QString& pad) { return grab().save(pad, "PNG"); }

QString Grafiek::Titel() const { return d_->chart->title(); }
QString Grafiek::Voetnoot() const { return d_->voetnoot->text(); }
QStringList Grafiek::Categorieen() const { return d_->categorieAs ? d_->categorieAs->categories() : QStringList(); }

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
  As as = Impl::AlsAs(d_->xAs);
  if (d_->xAs) as.streepjes = static_cast<int>(std::lround(d_->xAs->max() / d_->xAs->tickInterval())) + 1;
  return as;
}
Grafiek::As Grafiek::LinkerAs() const { return Impl::AlsAs(d_->linkerAs); }
Grafiek::As Grafiek::RechterAs() const { return Impl::AlsAs(d_->rechterAs); }

}  // namespace tarvo
