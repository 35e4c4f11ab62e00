#pragma once
// The one place that knows the chart library: the windows hand it numbers
// and texts, so moving to another library touches only Grafiek.cpp.
#include <QFont>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <QWidget>
#include <memory>

namespace tarvo {

class Grafiek : public QWidget {
  Q_OBJECT

 public:
  explicit Grafiek(QWidget* ouder = nullptr);
  ~Grafiek() override;

  void ZetTitel(const QString& titel);
  void ZetVoetnoot(const QString& voetnoot);

  // One bar per category on a 0..yMax axis, labels[i] drawn above bar i.
  void ToonStaven(const QStringList& categorieen, const QList<double>& waarden, const QStringList& labels,
                  const QFont& labelFont, double yMax);

  // One line through the points: a distance axis from 0 to xMax and the
  // level axis on both sides, yMin..yMax in yDelingen major divisions.
  void ToonLijn(const QList<QPointF>& punten, const QString& xTitel, double xMax, const QString& yTitel, double yMin,
                double yMax, int yDelingen);

  // The chart with its footnote as a PNG picture; false when it cannot be written.
  bool BewaarPng(const QString& pad);

  // What the chart holds, so tests need not know the library.
  struct As {
    QString titel;
    double min = 0, max = 0;
    int streepjes = 0;  // tick marks, both ends included
    bool zichtbaar = false;
  };
  QString Titel() const;
  QString Voetnoot() const;
  QStringList Categorieen() const;
  QList<double> Waarden() const;
  QStringList Labels() const;
  QList<QPointF> Punten() const;
  As XAs() const;
  As LinkerAs() const;
  As RechterAs() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

}  // namespace tarvo
