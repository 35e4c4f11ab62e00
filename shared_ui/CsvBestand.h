#pragma once
// Tables the windows hand to a spreadsheet.
#include <QString>
#include <string>

class QWidget;

namespace tarvo {

class Dialogen;

// Asks where, then writes `tekst` (UTF-8) with a byte-order mark, so a
// spreadsheet reads the accents, all or nothing. A failure is shown in a
// message titled `titel`. False when nothing was written.
bool BewaarCsv(QWidget* ouder, Dialogen& dialogen, const QString& vraag, const QString& standaardNaam,
               const std::string& tekst, const std::string& titel);

}  // namespace tarvo
