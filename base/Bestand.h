#pragma once
// Files on disk, the same way for every file of the program: a save never
// damages the file it replaces, and a failure names the file and the
// system's reason in Dutch.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/Uitkomst.h"

namespace tarvo {

// The system's reason for a failed file operation, in Dutch ("de schijf is vol").
std::string Reden(std::error_code ec);
// The number the generic error message shows for it.
int FoutNummer(std::error_code ec);

// Room a file may have beyond what a valid one holds before it counts as damaged.
inline constexpr std::size_t kLeesMarge = 4096;

// The whole file, never more than `maximum` bytes: a larger file is
// damaged. A folder, or a device or pipe (which could block or never end),
// is refused before anything is read. The failure is a description for
// "... kan niet worden gelezen: " and the generic error message, with its number.
Uitkomst<std::vector<std::uint8_t>> LeesBestand(const std::filesystem::path& pad, std::size_t maximum);

// Writes `bytes` to a new file beside `doel`, puts it on disk, renames it
// over `doel` and puts the folder on disk. On any failure `doel` is left as
// it was. A device or pipe (nothing to replace) is written directly; a
// folder is refused. A symbolic link keeps pointing at the file it names.
// The failure is a description for the generic error message, with its number.
Uitkomst<void> SchrijfVeilig(const std::filesystem::path& doel, std::string_view bytes);

}  // namespace tarvo
