#pragma once
// Texts and paths between Qt and the core.
#include <QString>
#include <filesystem>
#include <functional>
#include <string_view>

#include "base/Bestand.h"
#include "base/Uitkomst.h"

class QIODevice;

namespace tarvo {

struct Datum;

// A core text (UTF-8) as Qt's string.
inline QString QTekst(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A path between Qt and the core, in the file system's own encoding.
std::filesystem::path NaarPad(const QString& pad);
QString QPad(const std::filesystem::path& pad);

// Today as the user's clock has it (the local day), as the core takes a date.
Datum VandaagQt();

// A file made in memory by `maak`, then saved whole or not at all, as every
// file of the program; "kon niet worden geschreven" when `maak` fails.
Uitkomst<void> BewaarVeilig(const QString& pad, const std::function<bool(QIODevice&)>& maak,
                            const Schrijfwijze& wijze = {});

}  // namespace tarvo
