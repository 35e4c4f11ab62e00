#pragma once
// Windows that fit the screen they open on, at any scaling: the form sits
// in a scroll area, and the window opens no larger than the screen's free room.
#include <QScrollArea>

namespace tarvo {

// A scroll area that asks for the whole of its form, so a window opens as
// large as the form where the screen has room and scrolls where it has not.
class Schuifvlak : public QScrollArea {
 public:
  explicit Schuifvlak(QWidget* ouder = nullptr);
  QSize sizeHint() const override;
  // Scrolls to a control of the form, as a change of focus does.
  void Toon(QWidget* w);
};

// The window at its wished size (the one it was given, else its size hint),
// but within the free room of its screen, less the window manager's title
// bar and borders. The window's minimum size still rules.
void PasOpScherm(QWidget* venster);

// The window's minimum width raised to what a window manager needs to show
// its whole title, where it is less.
void ToonHeleTitel(QWidget* venster);

}  // namespace tarvo
