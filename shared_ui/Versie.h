#pragma once
// The program's version record: the one place for its title, names and dates.
// The numbers and the release date come from the build (project version).
namespace tarvo::versie {

inline constexpr const char* kTitel = "Tarvo";
inline constexpr const char* kProductNaam = "Tarvo";
inline constexpr const char* kBestandsOmschrijving = "Tarvo wegverkeerslawaai SRM I";
inline constexpr int kMajor = TARVO_VERSIE_MAJOR;
inline constexpr int kMinor = TARVO_VERSIE_MINOR;
inline constexpr int kRevisie = TARVO_VERSIE_REVISIE;
inline constexpr const char* kOpmerkingen = TARVO_DATUM;  // release date, dd-mm-jjjj
inline constexpr const char* kCopyright = "Tarvo ontwikkelteam 2026";
inline constexpr const char* kContactAdres = "tarvo@example.nl";  // trademarks field: contact mail address

}  // namespace tarvo::versie
