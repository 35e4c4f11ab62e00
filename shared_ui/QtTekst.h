#pragma once
// Texts and paths between Qt and the core.
#include <QString>
#include <filesystem>
#include <string_view>

namespace tarvo {

// A core text (UTF-8) as Qt's string.
inline QString QTekst(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A path between Qt and the core, in the file system's own encoding.
std::filesystem::path NaarPad(const QString& pad);
QString QPad(const std::filesystem::path& pad);

}  // namespace tarvo
