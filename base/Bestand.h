#pragma once
// Files on disk, the same way for every file of the program: a save never
// damages the file it replaces, and a failure names the file and the
// system's reason in Dutch.
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "base/Uitkomst.h"

namespace tarvo {

// The system's reason for a failed file operation, in Dutch ("de schijf is vol").
std::string Reden(std::error_code ec);
// The number the generic error message shows for it.
int FoutNummer(std::error_code ec);

// Writes `bytes` to a new file beside `doel`, puts it on disk, renames it
// over `doel` and puts the folder on disk. On any failure `doel` is left as
// it was. A device or pipe (nothing to replace) is written directly; a
// folder is refused. A symbolic link keeps pointing at the file it names.
Uitkomst<void> SchrijfVeilig(const std::filesystem::path& doel, std::string_view bytes);

// The first `maximum` bytes of a file (all of a shorter one). A failure
// names the file and the system's reason.
Uitkomst<std::string> LeesBestand(const std::filesystem::path& pad, std::size_t maximum);

}  // namespace tarvo
