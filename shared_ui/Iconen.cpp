#include "shared_ui/Iconen.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>
#include <initializer_list>

namespace tarvo {
namespace {

constexpr int kMaat = 32;
const QColor kInkt(40, 40, 40);

QIcon Teken(const std::function<void(QPainter&)>& tekening) {
  QPixmap beeld(kMaat, kMaat);
  beeld.fill(Qt::transparent);
  QPainter p(&beeld);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInkt, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  tekening(p);
  p.end();
  return QIcon(beeld);
}

void Printer(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(9, 3, 14, 10);
  p.setBrush(QColor(150, 150, 160));
  p.drawRoundedRect(3, 12, 26, 11, 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(9, 19, 14, 10);
  p.drawLine(12, 23, 20, 23);
  p.drawLine(12, 26, 18, 26);
}

void Voorbeeld(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(4, 2, 18, 24);
  p.setPen(QPen(kInkt, 1));
  for (int y = 7; y <= 15; y += 4) p.drawLine(8, y, 18, y);
  p.setPen(QPen(kInkt, 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(QColor(200, 230, 255));
  p.drawEllipse(QPointF(19, 19), 6, 6);
  p.drawLine(23, 23, 29, 29);
}

// A closed figure through the points, filled.
void Veelhoek(QPainter& p, std::initializer_list<QPointF> punten, const QColor& vulling) {
  p.setBrush(vulling);
  p.drawPolygon(QPolygonF(QList<QPointF>(punten)));
}

void Potlood(QPainter& p) {
  Veelhoek(p, {{6, 26}, {8, 19}, {23, 4}, {28, 9}, {13, 24}}, QColor(240, 190, 60));
  p.drawLine(8, 19, 13, 24);
  p.drawLine(4, 29, 28, 29);
}

void Weg(QPainter& p) {
  Veelhoek(p, {{12, 3}, {20, 3}, {30, 29}, {2, 29}}, QColor(90, 90, 95));
  p.setPen(QPen(QColor(250, 250, 250), 2, Qt::DashLine));
  p.drawLine(16, 5, 16, 28);
}

void Tabel(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(3, 4, 26, 24);
  p.setBrush(QColor(170, 200, 240));
  p.drawRect(3, 4, 26, 6);
  p.setPen(QPen(kInkt, 1));
  for (int x = 11; x < 29; x += 8) p.drawLine(x, 4, x, 28);
  for (int y = 16; y < 28; y += 6) p.drawLine(3, y, 29, y);
}

// A sheet with a green header row: a spreadsheet file.
void Spreadsheet(QPainter& p) {
  p.setPen(QPen(QColor(30, 110, 60), 2));
  p.setBrush(Qt::white);
  p.drawRect(3, 3, 26, 26);
  p.fillRect(4, 4, 24, 7, QColor(30, 140, 70));
  for (int x = 11; x < 28; x += 8) p.drawLine(x, 11, x, 28);
  for (int y = 17; y < 28; y += 6) p.drawLine(3, y, 29, y);
}

void Persoon(QPainter& p) {
  p.setBrush(QColor(110, 150, 210));
  p.drawEllipse(QPointF(16, 10), 6, 6);
  QPainterPath romp;
  romp.moveTo(4, 30);
  romp.cubicTo(4, 17, 28, 17, 28, 30);
  romp.closeSubpath();
  p.drawPath(romp);
}

void Rekenmachine(QPainter& p) {
  p.setBrush(QColor(200, 200, 205));
  p.drawRoundedRect(6, 2, 20, 28, 3, 3);
  p.setBrush(QColor(210, 240, 200));
  p.drawRect(9, 5, 14, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(kInkt);
  for (int r = 0; r < 3; ++r) {
    for (int k = 0; k < 3; ++k) p.drawRect(9 + 5 * k, 14 + 5 * r, 4, 3);
  }
}

// Two roads, and the sound of both reaching one point between them.
void Cumulatie(QPainter& p) {
  p.setBrush(QColor(90, 90, 95));
  p.drawRect(2, 2, 6, 28);
  p.drawRect(24, 2, 6, 28);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 90, 200), 2, Qt::SolidLine, Qt::RoundCap));
  for (int r = 5; r <= 9; r += 4) {
    p.drawArc(QRectF(8 - r, 16 - r, 2.0 * r, 2.0 * r), -45 * 16, 90 * 16);
    p.drawArc(QRectF(24 - r, 16 - r, 2.0 * r, 2.0 * r), 135 * 16, 90 * 16);
  }
  p.setPen(QPen(kInkt, 1));
  p.setBrush(QColor(210, 30, 30));
  p.drawEllipse(QPointF(16, 16), 3, 3);
}

void Envelop(QPainter& p) {
  p.setBrush(QColor(250, 250, 235));
  p.drawRect(3, 7, 26, 18);
  p.drawLine(3, 7, 16, 18);
  p.drawLine(29, 7, 16, 18);
}

void Programma(QPainter& p) {
  // A sound wave beside a road: what the program computes.
  p.setBrush(QColor(0, 0, 100));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(1, 1, 30, 30, 5, 5);
  p.setPen(QPen(QColor(255, 255, 0), 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int r = 6; r <= 18; r += 6) p.drawArc(QRectF(4 - r, 16 - r, 2.0 * r, 2.0 * r), -50 * 16, 100 * 16);
}

}  // namespace

QIcon PrinterIcoon() { return Teken(Printer); }
QIcon VoorbeeldIcoon() { return Teken(Voorbeeld); }
QIcon PotloodIcoon() { return Teken(Potlood); }
QIcon WegIcoon() { return Teken(Weg); }
QIcon TabelIcoon() { return Teken(Tabel); }
QIcon PersoonIcoon() { return Teken(Persoon); }
QIcon RekenmachineIcoon() { return Teken(Rekenmachine); }
QIcon CumulatieIcoon() { return Teken(Cumulatie); }
QIcon EnvelopIcoon() { return Teken(Envelop); }
QIcon SpreadsheetIcoon() { return Teken(Spreadsheet); }
QIcon ProgrammaIcoon() { return Teken(Programma); }

}  // namespace tarvo
