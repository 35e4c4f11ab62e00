#pragma once
// Opening and saving a worksheet, and opening a catalogue, as the window and
// the page do it.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Bestand.h"
#include "base/Uitkomst.h"
#include "calc/Controle.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "files/CatalogusBestand.h"
#include "files/WerkbladBestand.h"

namespace tarvo {

struct GeopendRekenblad {
  Invoer invoer;      // as the file holds it, but for a road surface the catalogue lacks
  Werkblad werkblad;  // the texts its fields show
  // A stored road surface the catalogue lacks is replaced by the first; this
  // says so, and the worksheet then holds a change no file has.
  std::string wegdekMelding;
  bool Gewijzigd() const { return !wegdekMelding.empty(); }
};

// The largest files a user may open: what a valid one holds and the margin
// of every file read. Whoever reads a file reads no more than one byte beyond.
inline constexpr std::size_t kMaxRekenbladBestand = kWerkbladLengte + kLeesMarge;
inline constexpr std::size_t kMaxCatalogusBestand = kMaxCatalogusLengte + kLeesMarge;

// A worksheet file's bytes; the refusal does not name a file.
Uitkomst<GeopendRekenblad> OpenRekenblad(std::span<const std::uint8_t> bytes, const Catalogus& catalogus,
                                         char decimaal);
// A worksheet file; the refusal names it.
Uitkomst<GeopendRekenblad> OpenRekenbladBestand(const std::filesystem::path& pad, const Catalogus& catalogus,
                                                char decimaal);

// What saving the worksheet being filled in writes: the input the check
// takes from the fields. A refused check saves nothing.
struct TeBewarenRekenblad {
  Controle controle;
  std::vector<std::uint8_t> bytes;  // the file, when the check passed
};
TeBewarenRekenblad TeBewaren(const Werkblad& werkblad, char decimaal);

// The name proposed for saving a worksheet: its observation point and its
// road ("Dorpsstraat 12 - N201.tvo"), with what a file name on Windows cannot
// hold taken out; "rekenblad.tvo" when neither leaves a character.
std::string RekenbladNaam(const Werkblad& werkblad);

// A catalogue a user opens: refused beyond kMaxCatalogusBestand, when
// damaged, and when it holds no road surface, as every calculation would be
// refused then. The refusal is the reason ("het bestand bevat geen wegdekken").
Uitkomst<Catalogus> LeesCatalogus(std::span<const std::uint8_t> bytes);
// The same, refused in a sentence naming the file.
Uitkomst<Catalogus> OpenCatalogus(std::span<const std::uint8_t> bytes, std::string_view naam);

}  // namespace tarvo
