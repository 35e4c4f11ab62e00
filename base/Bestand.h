#pragma once
// Files on disk, the same way for every file of the program: a save never
// damages the file it replaces, and a failure names the file and the
// system's reason in Dutch.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
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

// How a save behaves towards other saves in the same folder, and what it has
// to say beyond success or failure. The core prints nothing: the program
// shows these lines where its user looks.
struct Schrijfwijze {
  // How long a save waits for another one in the same folder before it gives up.
  std::chrono::milliseconds wachttijd = StandaardWachttijd();
  // Once, when the save has to wait for another: one line saying so.
  std::function<void(const std::string&)> bijWachten;
  // A save that worked, with something its user should know: one line each.
  std::function<void(const std::string&)> bijOpmerking;

  // Seams for tests: called when the data is in the file (Stap::Geschreven)
  // and when the new file has a name, just before it takes the place of the
  // old one (Stap::Benoemd); and the file written under a name from the start,
  // as on a file system that cannot make a file without one.
  enum class Stap { Geschreven, Benoemd };
  std::function<void(Stap)> bijStap;
  bool naamloosSchrijven = true;

  // Ten seconds; TARVO_WACHTTIJD_MS sets another time in milliseconds (for tests).
  static std::chrono::milliseconds StandaardWachttijd();
};

// Where a save of `pad` writes: the file at the end of its symbolic links,
// also one not made yet. Fails on a loop, and on a link in a shared sticky
// folder (such as /tmp) that neither the user nor the folder's owner owns,
// as the system's protected-links rule would: someone else may have put it
// there to make the save write elsewhere.
Uitkomst<std::filesystem::path> Bestemming(const std::filesystem::path& pad);

// Writes `bytes` to a new file in the folder of `doel`, puts it on disk,
// renames it over `doel` and puts the folder on disk. On any failure `doel`
// is left as it was, and nothing of the save stays beside it, also not when a
// signal ends the process (only SIGKILL in the instant between naming the new
// file and the rename can leave it). A device or pipe (nothing to replace) is
// written directly; a folder is refused. A symbolic link keeps pointing at the
// file it names (see Bestemming). Saves into one folder take turns, each
// waiting at most wijze.wachttijd. A folder the user may write but not read
// cannot be put on disk after the rename: that is a remark, not a failure.
// The failure is a description for the generic error message, with its number.
Uitkomst<void> SchrijfVeilig(const std::filesystem::path& doel, std::string_view bytes, const Schrijfwijze& wijze = {});

}  // namespace tarvo
