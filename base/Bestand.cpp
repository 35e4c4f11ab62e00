#include "base/Bestand.h"

#include <cerrno>
#include <cstdio>

#include "base/Foutnummers.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

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
int NaarSchijf(std::FILE* f) {
#ifdef _WIN32
  return _commit(_fileno(f));
#else
  return ::fsync(fileno(f));
#endif
}

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
  return ec.message();
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

Uitkomst<void> SchrijfVeilig(const fs::path& gevraagd, std::string_view bytes) {
  const std::string naam = gevraagd.string();
  auto mislukt = [&](std::string_view wat, std::error_code ec, bool oudBewaard) {
    std::string m = "Bestand " + naam + " kon niet worden " + std::string(wat) + " (" + Reden(ec) + ")";
    if (oudBewaard) m += "; het oude bestand is bewaard gebleven";
    return Fout{std::move(m), FoutNummer(ec)};
  };

  std::error_code ec;
  fs::path doel = gevraagd;
  if (fs::is_symlink(fs::symlink_status(doel, ec))) {
    const fs::path echt = fs::canonical(doel, ec);
    if (!ec) doel = echt;
  }
  const fs::file_status status = fs::status(doel, ec);
  const bool bestaat = fs::exists(status);
  if (fs::is_directory(status)) return mislukt("geschreven", std::make_error_code(std::errc::is_a_directory), false);
  bool aangemaakt = false;
  if (bestaat && !fs::is_regular_file(status)) {
    ec = SchrijfBestand(doel, bytes, false, aangemaakt);
    if (ec) return mislukt("geschreven", ec, false);
    return {};
  }

  fs::path nieuw = doel;
  nieuw += ".nieuw";
  // What an interrupted save left behind; never a folder of the user's.
  const fs::file_status oud = fs::symlink_status(nieuw, ec);
  if (fs::is_regular_file(oud) || fs::is_symlink(oud)) fs::remove(nieuw, ec);
  ec = SchrijfBestand(nieuw, bytes, true, aangemaakt);
  std::string_view stap = "geschreven";
  if (!ec) {
    std::error_code genegeerd;  // who may read the file is no reason to fail the save
    if (bestaat) fs::permissions(nieuw, status.permissions(), genegeerd);
    ec = Vervang(nieuw, doel);
    stap = "vervangen";
  }
  if (ec) {
    std::error_code genegeerd;
    if (aangemaakt) fs::remove(nieuw, genegeerd);
    return mislukt(stap, ec, bestaat);
  }
  ec = MapNaarSchijf(doel.parent_path());
  if (ec) {
    return Fout{
        "Bestand " + naam + " is geschreven, maar de map kon niet op schijf worden vastgelegd (" + Reden(ec) + ")",
        FoutNummer(ec)};
  }
  return {};
}

}  // namespace tarvo
