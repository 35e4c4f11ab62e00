#pragma once
// The colour gradient that the splash and information windows paint as
// their background: one horizontal line per pixel row.
#include <QColor>
#include <vector>

class QPainter;
class QWidget;

namespace tarvo {

// The colours of the lines y = 0 .. hoogte (hoogte + 1 lines): each channel
// runs linearly from `van` to `naar`, steps in single precision, rounded
// half to even. A height of 0 or less gives the one line `van`.
std::vector<QColor> VerloopKleuren(int hoogte, QColor van, QColor naar);

// Paints the gradient over the whole client area of the widget.
void TekenVerloop(QPainter& painter, const QWidget& venster, QColor van, QColor naar);

}  // namespace tarvo
