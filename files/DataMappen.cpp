#include "files/DataMappen.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "calc/Wegdek.h"

namespace tarvo {
namespace fs = std::filesystem;

namespace {

fs::path Omgeving(const char* naam) {
#ifdef _WIN32
  // The wide variant keeps a user name outside the ANSI code page intact.
  const std::wstring breed(naam, naam + std::char_traits<char>::length(naam));
  const wchar_t* waarde = _wgetenv(breed.c_str());
#else
  const char* waarde = std::getenv(naam);
#endif
  return waarde && *waarde ? fs::path(waarde) : fs::path();
}

bool HeeftCatalogus(const fs::path& map) {
  std::error_code ec;
  return !map.empty() && fs::is_regular_file(map / kCatalogusBestand, ec);
}

bool IsGedeeld(const fs::path& map, const DataMappen& mappen) {
  return std::any_of(mappen.gedeeld.begin(), mappen.gedeeld.end(), [&](const fs::path& g) {
    std::error_code ec;
    return fs::equivalent(map, g, ec) && !ec;
  });
}

// A shipped file into the user's folder when it is not there yet. The copy
// gets its final name only when complete, so an interrupted first start
// leaves no half catalogue behind.
void KopieerAlsNieuw(const fs::path& van, const fs::path& naar) {
  std::error_code ec;
  if (fs::exists(naar, ec) || !fs::is_regular_file(van, ec)) return;
  fs::path tijdelijk = naar;
  tijdelijk += ".nieuw";
  fs::copy_file(van, tijdelijk, fs::copy_options::overwrite_existing, ec);
  // The shipped file may be read-only; the user's copy is written at shut-down.
  if (!ec) fs::permissions(tijdelijk, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  if (!ec) fs::rename(tijdelijk, naar, ec);
  if (ec) fs::remove(tijdelijk, ec);
}

std::vector<fs::path> Kandidaten(const DataMappen& mappen) {
  std::vector<fs::path> r{fs::path(kCatalogusBestand)};
  const auto voegToe = [&](const fs::path& map) {
    if (map.empty()) return;
    const fs::path pad = (map / kCatalogusBestand).lexically_normal();
    if (std::find(r.begin(), r.end(), pad) == r.end()) r.push_back(pad);
  };
  voegToe(mappen.gebruiker);
  for (const fs::path& g : mappen.gedeeld) voegToe(g);
  return r;
}

}  // namespace

fs::path GebruikersDataMap() {
#if defined(_WIN32)
  const fs::path basis = Omgeving("APPDATA");
#elif defined(__APPLE__)
  const fs::path thuis = Omgeving("HOME");
  const fs::path basis = thuis.empty() ? thuis : thuis / "Library" / "Application Support";
#else
  fs::path basis = Omgeving("XDG_DATA_HOME");
  if (basis.empty()) {
    const fs::path thuis = Omgeving("HOME");
    if (!thuis.empty()) basis = thuis / ".local" / "share";
  }
#endif
  return basis.empty() ? basis : basis / kProgrammaMapNaam;
}

fs::path KiesDataMap(const DataMappen& mappen) {
  if (HeeftCatalogus(mappen.huidig) && !IsGedeeld(mappen.huidig, mappen)) return mappen.huidig;
  if (mappen.gebruiker.empty()) return mappen.huidig;
  const auto bron = std::find_if(mappen.gedeeld.begin(), mappen.gedeeld.end(), HeeftCatalogus);
  if (bron != mappen.gedeeld.end()) {
    std::error_code ec;
    fs::create_directories(mappen.gebruiker, ec);
    KopieerAlsNieuw(*bron / kCatalogusBestand, mappen.gebruiker / kCatalogusBestand);
    KopieerAlsNieuw(*bron / kLeveringBestand, mappen.gebruiker / kLeveringBestand);
  }
  return HeeftCatalogus(mappen.gebruiker) ? mappen.gebruiker : mappen.huidig;
}

fs::path StandaardCatalogus(const DataMappen& mappen) {
  const std::vector<fs::path> kandidaten = Kandidaten(mappen);
  for (const fs::path& pad : kandidaten) {
    std::error_code ec;
    const fs::path volledig = pad.is_relative() && !mappen.huidig.empty() ? mappen.huidig / pad : pad;
    if (fs::is_regular_file(volledig, ec)) return volledig;
  }
  return kandidaten.front();
}

std::vector<std::string> CatalogusZoekvolgorde(const DataMappen& mappen) {
  std::vector<std::string> r;
  for (const fs::path& pad : Kandidaten(mappen)) {
    r.push_back(pad.is_relative() ? pad.string() + " in de huidige map" : pad.string());
  }
  return r;
}

}  // namespace tarvo
