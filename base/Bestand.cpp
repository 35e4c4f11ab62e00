#include "base/Bestand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

#include "base/Foutnummers.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "base/MapSlot.h"
#include "base/Noodopruiming.h"
#include "base/Plek.h"
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

// "Bestand NAAM kon niet worden geschreven (REDEN)", and whether the old file stayed.
Fout NietGeschreven(const std::string& naam, std::string_view wat, const std::string& reden, int nummer,
                    bool oudBewaard) {
  std::string m = "Bestand " + naam + " kon niet worden " + std::string(wat) + " (" + reden + ")";
  if (oudBewaard) m += "; het oude bestand is bewaard gebleven";
  return Fout{std::move(m), nummer};
}

Fout NietGeschreven(const std::string& naam, std::string_view wat, std::error_code ec, bool oudBewaard) {
  return NietGeschreven(naam, wat, Reden(ec), FoutNummer(ec), oudBewaard);
}

#ifdef _WIN32
int NaarSchijf(std::FILE* f) { return _commit(_fileno(f)); }

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

// The file a path names, following links the way the system would but
// knowing where each one points. Fails on a loop, as the system does.
std::error_code VolgKoppelingen(fs::path& pad) {
  std::error_code ec;
  for (int stap = 0; stap < 40; ++stap) {
    if (!fs::is_symlink(fs::symlink_status(pad, ec))) return {};
    const fs::path naar = fs::read_symlink(pad, ec);
    if (ec) return ec;
    pad = naar.is_absolute() ? naar : pad.parent_path() / naar;
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}
#else
// What a save has to say besides success, told only once it succeeded.
using Opmerkingen = std::vector<std::string>;

constexpr std::string_view kVoorvoegsel = ".tarvo-";

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

// Asks the system to put the file's data on the disk itself, not only in its cache.
int NaarSchijf(int fd) {
  // A device or pipe has nothing to put on a disk.
  return ::fsync(fd) == 0 || errno == EINVAL ? 0 : -1;
}

// A short name of fixed length: a name the system accepts for the file
// itself is never too long for the new file beside it.
std::string TijdelijkeNaam() {
  std::random_device toeval;
  char naam[32];
  std::snprintf(naam, sizeof naam, "%s%08x.tmp", kVoorvoegsel.data(), static_cast<unsigned>(toeval()));
  return naam;
}

// The new file of a save: without a name in the folder while it is written
// where the file system allows (a process killed then leaves nothing), under
// a short random name made exclusively and never through a link elsewhere.
// Whatever name it got is gone again unless it took the old file's place.
class NieuwBestand {
 public:
  NieuwBestand(const Map& map, Noodopruiming& opruiming) : map_(map), opruiming_(opruiming) {}
  ~NieuwBestand() {
    if (!naam_.empty()) ::unlinkat(map_.Fd(), map_.In(naam_).c_str(), 0);
    opruiming_.Vergeet();
  }
  NieuwBestand(const NieuwBestand&) = delete;
  NieuwBestand& operator=(const NieuwBestand&) = delete;

  std::error_code Maak(bool naamloos) {
#if defined(O_TMPFILE) && !defined(__EMSCRIPTEN__)
    // It gets a name through /proc, which is not always there.
    if (naamloos && ::access("/proc/self/fd", X_OK) == 0) {
      fd_ = Descriptor(::openat(map_.Fd(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
      if (fd_.Open()) return {};
      // Not every file system can; the named way tells a real failure.
    }
#endif
    (void)naamloos;
    for (int poging = 0; poging < 100; ++poging) {
      const std::string naam = TijdelijkeNaam();
      fd_ = Descriptor(
          ::openat(map_.Fd(), map_.In(naam).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
      if (fd_.Open()) {
        naam_ = naam;
        opruiming_.Meld(map_.Fd(), naam_.c_str());
        return {};
      }
      if (errno != EEXIST) return LaatsteFout();
    }
    return std::make_error_code(std::errc::file_exists);
  }

  int Fd() const { return fd_.Fd(); }

  // Puts the file in the place of `doel` in the folder; `bijNaam` runs when
  // it has a name of its own, just before that.
  std::error_code NeemPlaatsIn(const std::string& doel, bool bestaat, const std::function<void()>& bijNaam) {
    if (naam_.empty()) {
      // A new file can get its final name at once: then no other name ever existed.
      if (!bestaat && Koppel(doel) == 0) return {};
      if (!bestaat && errno != EEXIST) return LaatsteFout();
      std::error_code ec = Benoem();
      if (ec) return ec;
    }
    if (bijNaam) bijNaam();
    if (::renameat(map_.Fd(), map_.In(naam_).c_str(), map_.Fd(), map_.In(doel).c_str()) != 0) return LaatsteFout();
    naam_.clear();
    opruiming_.Vergeet();
    return {};
  }

 private:
  int Koppel(const std::string& naam) {
    // Straight from the descriptor where the user may (root), else by its name under /proc.
    if (::linkat(fd_.Fd(), "", map_.Fd(), naam.c_str(), AT_EMPTY_PATH) == 0) return 0;
    if (errno == EEXIST) return -1;
    char proc[40];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd_.Fd());
    return ::linkat(AT_FDCWD, proc, map_.Fd(), naam.c_str(), AT_SYMLINK_FOLLOW);
  }

  std::error_code Benoem() {
    for (int poging = 0; poging < 100; ++poging) {
      std::string naam = TijdelijkeNaam();
      // Told before the name exists, so that no instant is left without it.
      opruiming_.Meld(map_.Fd(), naam.c_str());
      if (Koppel(naam) == 0) {
        naam_ = std::move(naam);
        return {};
      }
      const std::error_code ec = LaatsteFout();
      opruiming_.Vergeet();
      if (ec != std::errc::file_exists) return ec;
    }
    return std::make_error_code(std::errc::file_exists);
  }

  const Map& map_;
  Noodopruiming& opruiming_;
  Descriptor fd_;
  std::string naam_;  // while it has a name of its own
};

// The extended attributes (ACLs among them) of the file `oud` in `map`.
void NeemKenmerkenOver(int fd, const Map& map, const std::string& oud, const std::string& naam,
                       Opmerkingen& opmerkingen) {
#ifdef __EMSCRIPTEN__
  // Node cannot read them; the file may have had none, but nobody can tell.
  (void)fd, (void)map, (void)oud;
  opmerkingen.push_back("Eventuele uitgebreide kenmerken en ACL's van " + naam +
                        " zijn niet overgenomen: deze versie van het programma kan ze niet lezen.");
#else
  (void)naam, (void)opmerkingen;
  // Read through the file itself where the user may read it, else by its name under /proc.
  const Descriptor open(::openat(map.Fd(), oud.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  const std::string pad = "/proc/self/fd/" + std::to_string(map.Fd()) + "/" + oud;
  const auto lijst = [&](char* buffer, std::size_t n) {
    return open.Open() ? ::flistxattr(open.Fd(), buffer, n) : ::llistxattr(pad.c_str(), buffer, n);
  };
  const auto waarde = [&](const char* kenmerk, void* buffer, std::size_t n) {
    return open.Open() ? ::fgetxattr(open.Fd(), kenmerk, buffer, n) : ::lgetxattr(pad.c_str(), kenmerk, buffer, n);
  };
  const ssize_t lengte = lijst(nullptr, 0);
  if (lengte <= 0) return;
  std::string namen(static_cast<std::size_t>(lengte), '\0');
  if (lijst(namen.data(), namen.size()) != lengte) return;
  for (std::size_t i = 0; i < namen.size(); i += std::strlen(namen.c_str() + i) + 1) {
    const char* kenmerk = namen.c_str() + i;
    const ssize_t n = waarde(kenmerk, nullptr, 0);
    if (n < 0) continue;
    std::string inhoud(static_cast<std::size_t>(n), '\0');
    if (waarde(kenmerk, inhoud.data(), inhoud.size()) == n) {
      (void)::fsetxattr(fd, kenmerk, inhoud.data(), inhoud.size(), 0);
    }
  }
#endif
}

// What the old file had beyond its bytes: its owner and group where the user
// may set them, its permissions, its extended attributes.
void NeemEigenschappenOver(int fd, const Plek& plek, const std::string& naam, Opmerkingen& opmerkingen) {
  const struct stat& st = plek.status;
  if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
  (void)::fchmod(fd, st.st_mode & 07777);
  NeemKenmerkenOver(fd, plek.map, plek.naam, naam, opmerkingen);
}

// A device or pipe: nothing to replace, the bytes go straight in.
std::error_code SchrijfApparaat(const Plek& plek, std::string_view bytes) {
  const Descriptor fd(
      ::openat(plek.map.Fd(), plek.map.In(plek.naam).c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
  if (!fd.Open()) return LaatsteFout();
  return SchrijfAlles(fd.Fd(), bytes);
}

// A file that must not be replaced: the reason, or nothing.
std::optional<Fout> Onvervangbaar(const Plek& plek, const std::string& naam) {
  // As an editor does: a file the user may not write, or one marked
  // read-only for everyone, is not replaced behind its back, also not by root.
  if ((plek.status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
      ::faccessat(plek.map.Fd(), plek.map.In(plek.naam).c_str(), W_OK, 0) != 0) {
    return NietGeschreven(naam, "geschreven", "het bestand is alleen-lezen", kFoutGeenToegang, true);
  }
  // Replacing one name of several would cut it loose from the others.
  if (plek.status.st_nlink > 1) {
    return NietGeschreven(
        naam, "geschreven",
        "het bestand heeft meer dan een naam (harde koppelingen), die anders elk een ander bestand zouden tonen",
        kFoutBestandstoegang, true);
  }
  return std::nullopt;
}

// The rename lives in the folder's own data, which needs its own trip to
// disk. A folder the user may write but not read cannot be opened for it:
// the file is there all the same, which is only worth a remark.
std::optional<Fout> ZetMapOpSchijf(const Map& map, const std::string& naam, Opmerkingen& opmerkingen) {
  const Descriptor fd(::openat(map.Fd(), map.In(".").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  const std::string vastgelegd = "Bestand " + naam + " is geschreven, maar de map kon niet op schijf worden vastgelegd";
  if (!fd.Open()) {
    opmerkingen.push_back(vastgelegd + " (" + Reden(LaatsteFout()) + ").");
    return std::nullopt;
  }
  // Some file systems cannot sync a folder; they have nothing to lose then.
  if (::fsync(fd.Fd()) == 0 || errno == EINVAL) return std::nullopt;
  const std::error_code ec = LaatsteFout();
  return Fout{vastgelegd + " (" + Reden(ec) + ")", FoutNummer(ec)};
}
#endif

}  // namespace

#ifdef _WIN32
Uitkomst<fs::path> Bestemming(const fs::path& pad) {
  fs::path doel = pad;
  if (const std::error_code ec = VolgKoppelingen(doel)) return NietGeschreven(pad.string(), "geschreven", ec, false);
  return doel;
}

Uitkomst<void> SchrijfVeilig(const fs::path& gevraagd, std::string_view bytes, const Schrijfwijze&) {
  const std::string naam = gevraagd.string();
  fs::path doel = gevraagd;
  std::error_code ec = VolgKoppelingen(doel);
  if (ec) return NietGeschreven(naam, "geschreven", ec, false);
  const fs::file_status status = fs::status(doel, ec);
  const bool bestaat = fs::exists(status);
  if (fs::is_directory(status)) {
    return NietGeschreven(naam, "geschreven", std::make_error_code(std::errc::is_a_directory), false);
  }
  bool aangemaakt = false;
  if (bestaat && !fs::is_regular_file(status)) {
    // A device: nothing to replace.
    ec = SchrijfBestand(doel, bytes, false, aangemaakt);
    if (ec) return NietGeschreven(naam, "geschreven", ec, false);
    return {};
  }
  fs::path nieuw = doel;
  nieuw += ".nieuw";
  if (fs::exists(fs::symlink_status(nieuw, ec))) {
    return NietGeschreven(naam, "geschreven", "er staat al een bestand " + nieuw.string() + " in de weg",
                          kFoutBestandstoegang, bestaat);
  }
  ec = SchrijfBestand(nieuw, bytes, true, aangemaakt);
  std::string_view stap = "geschreven";
  if (!ec) {
    std::error_code genegeerd;
    if (bestaat) fs::permissions(nieuw, status.permissions(), genegeerd);
    // Write-through: the rename is on disk when the call returns.
    if (!MoveFileExW(nieuw.c_str(), doel.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      ec = {static_cast<int>(GetLastError()), std::system_category()};
    }
    stap = "vervangen";
  }
  if (ec) {
    std::error_code genegeerd;
    if (aangemaakt) fs::remove(nieuw, genegeerd);
    return NietGeschreven(naam, stap, ec, bestaat);
  }
  return {};
}
#else
Uitkomst<fs::path> Bestemming(const fs::path& pad) {
  auto plek = ZoekPlek(pad);
  if (!plek) return NietGeschreven(pad.string(), "geschreven", plek.Melding(), plek.Nummer(), false);
  return plek->pad;
}

Uitkomst<void> SchrijfVeilig(const fs::path& gevraagd, std::string_view bytes, const Schrijfwijze& wijze) {
  const std::string naam = gevraagd.string();
  auto gevonden = ZoekPlek(gevraagd);
  if (!gevonden) return NietGeschreven(naam, "geschreven", gevonden.Melding(), gevonden.Nummer(), false);
  const Plek& plek = *gevonden;
  const bool bestaat = plek.bestaat;
  if (bestaat && S_ISDIR(plek.status.st_mode)) {
    return NietGeschreven(naam, "geschreven", std::make_error_code(std::errc::is_a_directory), false);
  }
  if (bestaat && !S_ISREG(plek.status.st_mode)) {
    if (const std::error_code ec = SchrijfApparaat(plek, bytes)) return NietGeschreven(naam, "geschreven", ec, false);
    return {};
  }
  if (bestaat) {
    if (auto fout = Onvervangbaar(plek, naam)) return *fout;
  }

  Noodopruiming opruiming;
  NieuwBestand nieuw(plek.map, opruiming);
  errno = 0;
  std::error_code ec = nieuw.Maak(wijze.naamloosSchrijven);
  if (!ec) ec = SchrijfAlles(nieuw.Fd(), bytes);
  if (!ec && wijze.bijStap) wijze.bijStap(Schrijfwijze::Stap::Geschreven);
  if (ec) return NietGeschreven(naam, "geschreven", ec, bestaat);

  const MapSlot slot(plek.map, wijze.wachttijd, [&] {
    if (wijze.bijWachten) wijze.bijWachten("Wacht tot een andere opslag in de map van " + naam + " klaar is.");
  });
  if (slot.Toestand() == MapSlot::Uitslag::Bezet) {
    return NietGeschreven(naam, "geschreven", "een andere opslag in dezelfde map bleef te lang bezig",
                          kFoutBestandstoegang, bestaat);
  }
  Opmerkingen opmerkingen;
  if (slot.Toestand() == MapSlot::Uitslag::Onmogelijk) {
    opmerkingen.push_back("De map van " + naam +
                          " kon niet worden vergrendeld: deze versie van het programma wacht niet op een ander "
                          "programma dat daar tegelijk bewaart.");
  }
  if (bestaat) NeemEigenschappenOver(nieuw.Fd(), plek, naam, opmerkingen);
  if (NaarSchijf(nieuw.Fd()) != 0) return NietGeschreven(naam, "geschreven", LaatsteFout(), bestaat);
  ec = nieuw.NeemPlaatsIn(plek.naam, bestaat, [&] {
    if (wijze.bijStap) wijze.bijStap(Schrijfwijze::Stap::Benoemd);
  });
  if (ec) return NietGeschreven(naam, "vervangen", ec, bestaat);
  if (auto fout = ZetMapOpSchijf(plek.map, naam, opmerkingen)) return *fout;
  for (const std::string& opmerking : opmerkingen) {
    if (wijze.bijOpmerking) wijze.bijOpmerking(opmerking);
  }
  return {};
}
#endif

std::chrono::milliseconds Schrijfwijze::StandaardWachttijd() {
  if (const char* tekst = std::getenv("TARVO_WACHTTIJD_MS"); tekst != nullptr && *tekst != '\0') {
    char* einde = nullptr;
    const long long ms = std::strtoll(tekst, &einde, 10);
    // At most a day: the clock's arithmetic has its limits too.
    if (*einde == '\0' && ms >= 0) return std::chrono::milliseconds(std::min<long long>(ms, 86'400'000));
  }
  return std::chrono::seconds(10);
}

}  // namespace tarvo
