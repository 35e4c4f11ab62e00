#include "base/Bestand.h"

#include <cerrno>
#include <cstdio>

#include "base/Foutnummers.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif
#include <cstring>
#include <random>

namespace tarvo {
namespace fs = std::filesystem;
namespace {

std::error_code LaatsteFout() {
  // A failing stdio call that leaves errno alone still failed.
  return {errno != 0 ? errno : EIO, std::generic_category()};
}

std::FILE* Open(const fs::path& pad, bool schrijven) {
#ifdef _WIN32
  return _wfopen(pad.c_str(), schrijven ? L"wb" : L"rb");
#else
  return std::fopen(pad.c_str(), schrijven ? "wb" : "rb");
#endif
}

// Asks the system to put the file's data on the disk itself, not only in its cache.
int NaarSchijfFd(int fd) {
#ifdef _WIN32
  return _commit(fd);
#else
  // A device or pipe has nothing to put on a disk.
  return ::fsync(fd) == 0 || errno == EINVAL ? 0 : -1;
#endif
}

int NaarSchijf(std::FILE* f) { return NaarSchijfFd(fileno(f)); }

std::error_code SchrijfBestand(const fs::path& pad, std::string_view bytes, bool naarSchijf, bool& aangemaakt) {
  errno = 0;
  std::FILE* f = Open(pad, true);
  if (f == nullptr) return LaatsteFout();
  aangemaakt = true;
  std::error_code ec;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) ec = LaatsteFout();
  if (!ec && std::fflush(f) != 0) ec = LaatsteFout();
  if (!ec && naarSchijf && NaarSchijf(f) != 0) ec = LaatsteFout();
  if (std::fclose(f) != 0 && !ec) ec = LaatsteFout();
  return ec;
}

std::error_code Vervang(const fs::path& nieuw, const fs::path& doel) {
#ifdef _WIN32
  // Write-through: the rename is on disk when the call returns.
  if (!MoveFileExW(nieuw.c_str(), doel.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {static_cast<int>(GetLastError()), std::system_category()};
  }
  return {};
#else
  std::error_code ec;
  fs::rename(nieuw, doel, ec);
  return ec;
#endif
}

// The rename lives in the folder's own data, which needs its own trip to disk.
std::error_code MapNaarSchijf([[maybe_unused]] const fs::path& map) {
#ifdef _WIN32
  return {};
#else
  const int fd = ::open(map.empty() ? "." : map.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return LaatsteFout();
  std::error_code ec;
  // Some file systems cannot sync a folder; they have nothing to lose then.
  if (::fsync(fd) != 0 && errno != EINVAL) ec = LaatsteFout();
  ::close(fd);
  return ec;
#endif
}

}  // namespace

std::string Reden(std::error_code ec) {
  const std::error_condition c = ec.default_error_condition();
  using E = std::errc;
  if (c == E::no_space_on_device) return "de schijf is vol";
#ifdef EDQUOT
  if (c == std::error_condition(EDQUOT, std::generic_category())) return "de schijfruimte van de gebruiker is op";
#endif
  if (c == E::permission_denied || c == E::operation_not_permitted) return "geen toegang";
  if (c == E::read_only_file_system) return "de schijf is alleen-lezen";
  if (c == E::no_such_file_or_directory) return "de map of het bestand bestaat niet";
  if (c == E::not_a_directory) return "een deel van het pad is geen map";
  if (c == E::is_a_directory) return "het is een map";
  if (c == E::io_error) return "invoer-/uitvoerfout van het apparaat";
  if (c == E::file_too_large) return "het bestand wordt groter dan toegestaan";
  if (c == E::filename_too_long) return "de naam is te lang";
  if (c == E::device_or_resource_busy || c == E::text_file_busy) return "het bestand is in gebruik";
  if (c == E::too_many_files_open || c == E::too_many_files_open_in_system) return "te veel geopende bestanden";
  if (c == E::too_many_symbolic_link_levels) return "de symbolische koppelingen vormen een kring";
  if (c == E::bad_file_descriptor) return "de uitvoer is gesloten";
  if (c == E::broken_pipe) return "de ontvanger leest niet meer (gebroken pijp)";
  if (c == E::file_exists) return "het bestand bestaat al";
  if (c == E::cross_device_link) return "een ander bestandssysteem";
  if (c == E::not_enough_memory) return "onvoldoende geheugen";
  if (c == E::interrupted) return "onderbroken";
  if (c == E::invalid_argument) return "ongeldige bewerking voor dit bestand";
  if (c == E::no_such_device || c == E::no_such_device_or_address) return "het apparaat bestaat niet";
  if (c == E::resource_unavailable_try_again) return "tijdelijk niet beschikbaar";
  if (c == E::too_many_links) return "te veel koppelingen";
  // Never the system's English words: the number says enough to look it up.
  return "systeemfout " + std::to_string(ec.value());
}

int FoutNummer(std::error_code ec) {
  const std::error_condition c = ec.default_error_condition();
  using E = std::errc;
  if (c == E::no_space_on_device) return kFoutSchijfVol;
  if (c == E::permission_denied || c == E::operation_not_permitted || c == E::read_only_file_system) {
    return kFoutGeenToegang;
  }
  if (c == E::no_such_file_or_directory || c == E::not_a_directory) return kFoutPadNietGevonden;
  if (c == E::io_error) return kFoutApparaat;
  return kFoutBestandstoegang;
}

Uitkomst<std::vector<std::uint8_t>> LeesBestand(const fs::path& pad, std::size_t maximum) {
  const Fout nietGevonden{"Bestand niet gevonden", kFoutNietGevonden};
  auto mislukt = [](std::error_code ec) { return Fout{"Lezen mislukt (" + Reden(ec) + ")", FoutNummer(ec)}; };
  std::error_code ec;
  const fs::file_status status = fs::status(pad, ec);
  if (!fs::exists(status)) {
    return ec && ec != std::errc::no_such_file_or_directory ? mislukt(ec) : nietGevonden;
  }
  if (fs::is_directory(status)) return Fout{"Dit is een map, geen bestand", kFoutBestandstoegang};
  if (!fs::is_regular_file(status)) return Fout{"Geen gewoon bestand", kFoutBestandstoegang};

  errno = 0;
  std::FILE* f = Open(pad, false);
  if (f == nullptr) {
    ec = LaatsteFout();
    return ec == std::errc::no_such_file_or_directory ? nietGevonden : mislukt(ec);
  }
  // One byte more than allowed tells a file that is too large.
  std::vector<std::uint8_t> bytes(maximum + 1);
  const std::size_t gelezen = std::fread(bytes.data(), 1, bytes.size(), f);
  if (std::ferror(f)) ec = LaatsteFout();
  std::fclose(f);
  if (ec) return mislukt(ec);
  if (gelezen > maximum) {
    return Fout{"Het bestand is beschadigd: groter dan " + std::to_string(maximum) + " bytes", kFoutBestandstoegang};
  }
  bytes.resize(gelezen);
  return bytes;
}

namespace {

constexpr int kMaxKoppelingen = 40;

// The file a path names, following links the way the system would but
// knowing where each one points, so that a link to a file not yet made is
// saved through. Fails on a loop, as the system does.
std::error_code VolgKoppelingen(fs::path& pad) {
  std::error_code ec;
  for (int stap = 0; stap < kMaxKoppelingen; ++stap) {
    if (!fs::is_symlink(fs::symlink_status(pad, ec))) return {};
    const fs::path naar = fs::read_symlink(pad, ec);
    if (ec) return ec;
    pad = naar.is_absolute() ? naar : pad.parent_path() / naar;
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

#ifndef _WIN32
// Writers of one folder wait for each other, so that two saves of one file
// end with the whole of the last one and each reports what happened to its own.
class MapSlot {
 public:
  explicit MapSlot(const fs::path& map)
      : fd_(::open(map.empty() ? "." : map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    // A folder that cannot be opened for reading cannot be locked; the save goes on alone.
    if (fd_ >= 0) {
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~MapSlot() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  MapSlot(const MapSlot&) = delete;
  MapSlot& operator=(const MapSlot&) = delete;

 private:
  int fd_;
};

// A new file of our own beside `doel`, created exclusively and never through
// a link: no other file can be written or removed in its place.
int NieuwBestand(const fs::path& doel, fs::path& nieuw) {
  std::random_device toeval;
  for (int poging = 0; poging < 100; ++poging) {
    char achtervoegsel[16];
    std::snprintf(achtervoegsel, sizeof achtervoegsel, ".%08x", static_cast<unsigned>(toeval()));
    nieuw = doel.parent_path() / ("." + doel.filename().string() + achtervoegsel + ".tmp");
    const int fd = ::open(nieuw.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// What the old file had beyond its bytes: its owner and group where the user
// may set them, its permissions, its extended attributes.
void NeemEigenschappenOver(int fd, const fs::path& oud) {
  struct stat st {};
  if (::stat(oud.c_str(), &st) != 0) return;
  if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
  (void)::fchmod(fd, st.st_mode & 07777);
  const ssize_t lengte = ::listxattr(oud.c_str(), nullptr, 0);
  if (lengte <= 0) return;
  std::string namen(static_cast<std::size_t>(lengte), '\0');
  if (::listxattr(oud.c_str(), namen.data(), namen.size()) != lengte) return;
  for (std::size_t i = 0; i < namen.size(); i += std::strlen(namen.c_str() + i) + 1) {
    const char* naam = namen.c_str() + i;
    const ssize_t n = ::getxattr(oud.c_str(), naam, nullptr, 0);
    if (n < 0) continue;
    std::string waarde(static_cast<std::size_t>(n), '\0');
    if (::getxattr(oud.c_str(), naam, waarde.data(), waarde.size()) == n) {
      (void)::fsetxattr(fd, naam, waarde.data(), waarde.size(), 0);
    }
  }
}

std::error_code SchrijfAlles(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return LaatsteFout();
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return {};
}
#endif

}  // namespace

Uitkomst<void> SchrijfVeilig(const fs::path& gevraagd, std::string_view bytes) {
  const std::string naam = gevraagd.string();
  auto mislukt = [&](std::string_view wat, std::string reden, int nummer, bool oudBewaard) {
    std::string m = "Bestand " + naam + " kon niet worden " + std::string(wat) + " (" + reden + ")";
    if (oudBewaard) m += "; het oude bestand is bewaard gebleven";
    return Fout{std::move(m), nummer};
  };
  auto systeemfout = [&](std::string_view wat, std::error_code ec, bool oudBewaard) {
    return mislukt(wat, Reden(ec), FoutNummer(ec), oudBewaard);
  };

  fs::path doel = gevraagd;
  std::error_code ec = VolgKoppelingen(doel);
  if (ec) return systeemfout("geschreven", ec, false);
  const fs::file_status status = fs::status(doel, ec);
  const bool bestaat = fs::exists(status);
  if (fs::is_directory(status))
    return systeemfout("geschreven", std::make_error_code(std::errc::is_a_directory), false);
  bool aangemaakt = false;
  if (bestaat && !fs::is_regular_file(status)) {
    // A device or pipe: nothing to replace.
    ec = SchrijfBestand(doel, bytes, false, aangemaakt);
    if (ec) return systeemfout("geschreven", ec, false);
    return {};
  }

#ifdef _WIN32
  fs::path nieuw = doel;
  nieuw += ".nieuw";
  if (fs::exists(fs::symlink_status(nieuw, ec))) {
    return mislukt("geschreven", "er staat al een bestand " + nieuw.string() + " in de weg", kFoutBestandstoegang,
                   bestaat);
  }
  ec = SchrijfBestand(nieuw, bytes, true, aangemaakt);
  std::string_view stap = "geschreven";
  if (!ec) {
    std::error_code genegeerd;
    if (bestaat) fs::permissions(nieuw, status.permissions(), genegeerd);
    ec = Vervang(nieuw, doel);
    stap = "vervangen";
  }
  if (ec) {
    std::error_code genegeerd;
    if (aangemaakt) fs::remove(nieuw, genegeerd);
    return systeemfout(stap, ec, bestaat);
  }
#else
  if (bestaat) {
    // As an editor does: a file the user may not write, or one marked
    // read-only for everyone, is not replaced behind its back, also not by root.
    const bool alleenLezen =
        (status.permissions() & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) ==
        fs::perms::none;
    if (::access(doel.c_str(), W_OK) != 0 || alleenLezen) {
      return mislukt("geschreven", "het bestand is alleen-lezen", kFoutGeenToegang, true);
    }
    // Replacing one name of several would cut it loose from the others.
    if (fs::hard_link_count(doel, ec) > 1) {
      return mislukt("geschreven",
                     "het bestand heeft meer dan een naam (harde koppelingen), die anders elk een ander bestand "
                     "zouden tonen",
                     kFoutBestandstoegang, true);
    }
  }
  const fs::path map = doel.parent_path();
  MapSlot slot(map);
  fs::path nieuw;
  errno = 0;
  const int fd = NieuwBestand(doel, nieuw);
  if (fd < 0) return systeemfout("geschreven", LaatsteFout(), bestaat);
  if (bestaat) NeemEigenschappenOver(fd, doel);
  ec = SchrijfAlles(fd, bytes);
  if (!ec && NaarSchijfFd(fd) != 0) ec = LaatsteFout();
  if (::close(fd) != 0 && !ec) ec = LaatsteFout();
  std::string_view stap = "geschreven";
  if (!ec) {
    ec = Vervang(nieuw, doel);
    stap = "vervangen";
  }
  if (ec) {
    ::unlink(nieuw.c_str());
    return systeemfout(stap, ec, bestaat);
  }
#endif
  ec = MapNaarSchijf(doel.parent_path());
  if (ec) {
    return Fout{
        "Bestand " + naam + " is geschreven, maar de map kon niet op schijf worden vastgelegd (" + Reden(ec) + ")",
        FoutNummer(ec)};
  }
  return {};
}

}  // namespace tarvo
