#pragma once
// The catalogue file Wegdekken_2012.dat: a 16-bit count, 78-byte records,
// the user name and the user label name (40 bytes each), Windows-1252 texts.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/Wegdek.h"

namespace tarvo {

inline constexpr std::size_t kRecordLengte = 78;

// The file's bytes as a catalogue, or nothing when they are no catalogue
// (count below 0 or above 50, or fewer bytes than the count promises).
std::optional<Catalogus> DecodeerCatalogus(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> CodeerCatalogus(const Catalogus& catalogus);

enum class LaadUitkomst { Geladen, NietGevonden, Beschadigd };

// Loads data folder / Wegdekken_2012.dat. On Beschadigd the catalogue is left
// empty and marked not to be written back; melding holds a Dutch sentence
// that names the file.
LaadUitkomst LaadWegdekken(const std::filesystem::path& dataMap, Catalogus& catalogus, std::string& melding);
// The same for a catalogue file under any name.
LaadUitkomst LaadCatalogusBestand(const std::filesystem::path& bestand, Catalogus& catalogus, std::string& melding);

enum class BewaarUitkomst { Bewaard, NietsTeBewaren, Mislukt };

// Writes the catalogue back, never losing the old file: the new bytes go to
// a file beside it, which replaces the old one only when complete. Does
// nothing for an empty catalogue or one loaded from a refused file.
BewaarUitkomst BewaarWegdekken(const std::filesystem::path& dataMap, const Catalogus& catalogus,
                               std::string& melding);

// Fills WegdekNamen (descriptions padded to 40) and returns the list items in order.
std::vector<std::string> VulLijst(Catalogus& catalogus);

// The 0-based list index Combo1 shows for a worksheet's choice: the chosen
// item, or the first when the choice names none.
int LijstIndexVoor(const Catalogus& catalogus, int wegdekKeuze);

}  // namespace tarvo
