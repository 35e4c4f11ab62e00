#pragma once
#include <QString>

class QPushButton;
class QWidget;

namespace tarvo {

// A button of a side window that Enter does not press: Enter belongs to the fields.
QPushButton* MaakKnop(const QString& tekst, const char* naam, QWidget* ouder);

}  // namespace tarvo
