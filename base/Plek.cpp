#include "base/Plek.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

#include "base/Bestand.h"
#include "base/Foutnummers.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include <climits>
#endif

namespace tarvo {
namespace fs = std::filesystem;

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

Descriptor& Descriptor::operator=(Descriptor&& ander) noexcept {
  if (this != &ander) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = ander.fd_;
    ander.fd_ = -1;
  }
  return *this;
}

uid_t EigenGebruiker() {
#ifdef __EMSCRIPTEN__
  return static_cast<uid_t>(
      EM_ASM_INT({ return typeof process != 'undefined' && process.geteuid ? process.geteuid() : 0; }));
#else
  return ::geteuid();
#endif
}

namespace {

// As many links as the system follows before it calls it a loop.
constexpr int kMaxKoppelingen = 40;

Fout Systeemfout(int fout) {
  const std::error_code ec(fout, std::generic_category());
  return Fout{Reden(ec), FoutNummer(ec)};
}

// The system's protected-links rule: in a folder everyone may write and only
// owners may delete from, a link is followed only when the user or the
// folder's owner made it.
bool Beschermd(const Map& map, const struct stat& koppeling) {
  struct stat m {};
  if (map.Status(m) != 0) return true;
  const bool gedeeld = (m.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
  return gedeeld && koppeling.st_uid != EigenGebruiker() && koppeling.st_uid != m.st_uid;
}

std::string Verwijzing(const Map& map, const std::string& naam, const struct stat& koppeling) {
  // A link's size is the length of what it holds; /proc's links say 0.
  std::vector<char> buffer(static_cast<std::size_t>(koppeling.st_size > 0 ? koppeling.st_size : 0) + 256);
  for (;;) {
    const ssize_t n = ::readlinkat(map.Fd(), map.In(naam).c_str(), buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(n));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

Map Map::Van(const Map* vanuit, const fs::path& pad) {
  Map map;
#ifdef __EMSCRIPTEN__
  map.pad_ = (vanuit != nullptr && pad.is_relative() ? fs::path(vanuit->pad_) / pad : pad).string();
  if (map.pad_.empty()) map.pad_ = ".";
  struct stat st {};
  map.open_ = ::stat(map.pad_.c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || (errno = ENOTDIR, false));
#else
  const char* naam = pad.empty() ? "." : pad.c_str();
  map.fd_ = Descriptor(::openat(vanuit != nullptr ? vanuit->Fd() : AT_FDCWD, naam, O_PATH | O_DIRECTORY | O_CLOEXEC));
  map.open_ = map.fd_.Open();
#endif
  return map;
}

bool Map::Open() const { return open_; }

#ifdef __EMSCRIPTEN__
int Map::Fd() const { return AT_FDCWD; }
std::string Map::In(const std::string& naam) const { return pad_ + "/" + naam; }
int Map::Status(struct stat& st) const { return ::stat(pad_.c_str(), &st); }
#else
int Map::Fd() const { return fd_.Fd(); }
std::string Map::In(const std::string& naam) const { return naam; }
int Map::Status(struct stat& st) const { return ::fstat(fd_.Fd(), &st); }
#endif

Uitkomst<Plek> ZoekPlek(const fs::path& pad) {
  Plek plek;
  plek.pad = pad;
  plek.map = Map::Van(nullptr, pad.parent_path());
  plek.naam = pad.filename().string();
  for (int stap = 0;; ++stap) {
    if (!plek.map.Open()) return Systeemfout(errno);
    if (plek.naam.empty() || plek.naam == "." || plek.naam == "..") return Systeemfout(EISDIR);
    struct stat st {};
    if (::fstatat(plek.map.Fd(), plek.map.In(plek.naam).c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) return Systeemfout(errno);
      return plek;
    }
    if (!S_ISLNK(st.st_mode)) {
      plek.bestaat = true;
      plek.status = st;
      return plek;
    }
    if (stap == kMaxKoppelingen) return Systeemfout(ELOOP);
    if (Beschermd(plek.map, st)) {
      return Fout{"de koppeling " + plek.pad.string() +
                      " staat in een gedeelde map en is van een andere gebruiker; ze wordt niet gevolgd",
                  kFoutGeenToegang};
    }
    errno = 0;
    const fs::path naar = Verwijzing(plek.map, plek.naam, st);
    if (naar.empty()) return Systeemfout(errno != 0 ? errno : ENOENT);
    plek.map = Map::Van(&plek.map, naar.parent_path());
    plek.naam = naar.filename().string();
    plek.pad = naar.is_absolute() ? naar : plek.pad.parent_path() / naar;
  }
}

}  // namespace tarvo
