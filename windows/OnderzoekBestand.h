#pragma once
// The study's sheet as the main window keeps it while the program runs, so
// that the study window may close and open again without losing it; and its
// file: read, saved as it stands, and the question before unsaved changes
// are lost.
#include <QString>
#include <string>
#include <string_view>

#include "base/Uitkomst.h"

class QWidget;

namespace tarvo {

class Dialogen;

inline const QString kOnderzoekFilter = "Onderzoek (*.csv)";

struct HuidigOnderzoek {
  std::string tekst;       // the sheet's bytes as read, or as changed since
  QString pad;             // the file it was read from or last saved to; empty for none
  bool gewijzigd = false;  // it holds changes no file has

  // The file's name, or the name a new sheet is proposed under.
  QString Naam() const;
};

// A sheet's bytes; a refusal names the file.
Uitkomst<std::string> LeesOnderzoekTekst(const QString& pad);

// Writes the sheet's text byte for byte to a .csv file the user chooses,
// its own file proposed, through the safe save; a failure is said. False
// when nothing was written.
bool BewaarOnderzoek(QWidget* ouder, Dialogen& dialogen, HuidigOnderzoek& onderzoek);

// With unsaved changes: asks whether to save them first. False when the
// command must not go on (Cancel, or a save that did not happen).
bool BewaarOnderzoekEerst(QWidget* ouder, Dialogen& dialogen, HuidigOnderzoek& onderzoek, std::string_view titel);

}  // namespace tarvo
