#pragma once
// The catalogue file Wegdekken_2012.dat: a 16-bit count, 78-byte records,
// the user name and the user label name (40 bytes each), Windows-1252 texts.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/Bestand.h"
#include "base/Uitkomst.h"
#include "calc/Wegdek.h"

namespace tarvo {

inline constexpr std::size_t kRecordLengte = 78;
// A catalogue of 50 road surfaces and the two names.
inline constexpr std::size_t kMaxCatalogusLengte = 2 + kRecordLengte * kMaxWegdekken + 2 * kNaamLengte;
// A coefficient outside what the editor lets a user type is damage.
inline constexpr double kMaxCoefficient = 99999;

// The file's bytes as a catalogue, or why they are none: a count below 0 or
// above 50, fewer bytes than the count promises, or a coefficient that is
// no number, infinite or beyond +/-kMaxCoefficient.
Uitkomst<Catalogus> DecodeerCatalogus(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> CodeerCatalogus(const Catalogus& catalogus);

// Loads data folder / Wegdekken_2012.dat into the catalogue. On failure the
// catalogue is left empty and marked not to be written back; the message
// names the file, and the number is kFoutNietGevonden when there is none.
Uitkomst<void> LaadWegdekken(const std::filesystem::path& dataMap, Catalogus& catalogus);
// The same for a catalogue file under any name.
Uitkomst<void> LaadCatalogusBestand(const std::filesystem::path& bestand, Catalogus& catalogus);

// Writes the catalogue back through SchrijfVeilig, so a failed save keeps
// the old file. Holds whether anything was written: an empty catalogue or
// one loaded from a refused file leaves the file on disk as it is.
Uitkomst<bool> BewaarWegdekken(const std::filesystem::path& dataMap, const Catalogus& catalogus);
// Writes the catalogue to a catalogue file under any name, whatever it holds.
Uitkomst<void> BewaarCatalogusBestand(const std::filesystem::path& bestand, const Catalogus& catalogus,
                                      const Schrijfwijze& wijze = {});

// Fills WegdekNamen (descriptions padded to 40) and returns the list items in order.
std::vector<std::string> VulLijst(Catalogus& catalogus);

// The 0-based list index Combo1 shows for a worksheet's choice: the chosen
// item, or the first when the choice names none.
int LijstIndexVoor(const Catalogus& catalogus, int wegdekKeuze);

}  // namespace tarvo
