#pragma once
// The one place that knows the chart library: the windows hand it numbers
// and texts, so moving to another library touches only Grafiek.cpp.
#include <QFont>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "base/Uitkomst.h"

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

  // The distance axis of ToonLijn: linear from 0, or logarithmic from 1.
  void ZetLogAfstand(bool log);
  bool LogAfstand() const;

  // A horizontal line over the whole distance axis at level y with its
  // text, clear of a falling line; nothing takes it away.
  void ZetDoellijn(std::optional<double> y, const QString& tekst = {});

  // Points marked on the line, each with its text beside it; nothing takes one away.
  enum class Merk { Rekenpunt, Snijpunt, Muis };
  void ZetMerk(Merk merk, std::optional<QPointF> punt, const QString& tekst = {});

  // The chart with its footnote as a PNG file, through SchrijfVeilig.
  Uitkomst<void> BewaarPng(const QString& pad);

  // What the chart holds, so tests need not know the library.
  struct As {
    double min = 0, max = 0;
    int streepjes = 0;  // tick marks, both ends included
    bool zichtbaar = false;
  };
  QList<double> Waarden() const;
  QStringList Labels() const;
  QList<QPointF> Punten() const;
  As XAs() const;
  int AantalXAssen() const;  // one, unless an axis was left behind
  As LinkerAs() const;
  As RechterAs() const;
  std::optional<double> Doellijn() const;
  QString DoellijnTekst() const;
  struct MerkStand {
    std::optional<QPointF> punt;
    QString tekst;
  };
  MerkStand MerkVan(Merk merk) const;
  // Where the value (distance, level) lies on the drawing surface that takes
  // the mouse, so a test can move the pointer there.
  QWidget* Tekenvlak() const;
  QPoint Positie(QPointF waarde) const;

 signals:
  // The mouse pointer above the plot area, in the values of the axes.
  void MuisBoven(double x, double y);
  // The pointer left the plot area.
  void MuisWeg();

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

}  // namespace tarvo
