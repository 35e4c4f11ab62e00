#pragma once
// Tables the windows hand to a spreadsheet.
#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace tarvo {

class Dialogen;

// Asks where (from Dialogen::BeginMap), then writes `tekst` (UTF-8) with a
// byte-order mark, so a spreadsheet reads the accents, all or nothing. A
// failure is shown in a message titled `titel`. The path written; nothing
// when nothing was.
std::optional<QString> BewaarCsv(QWidget* ouder, Dialogen& dialogen, const QString& vraag, const QString& standaardNaam,
                                 const std::string& tekst, const std::string& titel);

}  // namespace tarvo
