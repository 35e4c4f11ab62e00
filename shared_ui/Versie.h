#pragma once
// The program's version record: the one place for its title, names and dates.
namespace tarvo::versie {

inline constexpr const char* kTitel = "Tarvo";
inline constexpr const char* kProductNaam = "Tarvo";
inline constexpr const char* kBestandsOmschrijving = "Tarvo wegverkeerslawaai SRM I";
inline constexpr int kMajor = 1;
inline constexpr int kMinor = 0;
inline constexpr int kRevisie = 0;
inline constexpr const char* kOpmerkingen = "06-12-2026";  // release date
inline constexpr const char* kCopyright = "Tarvo ontwikkelteam 2026";
inline constexpr const char* kContactAdres = "tarvo@example.nl";  // trademarks field: contact mail address

}  // namespace tarvo::versie
