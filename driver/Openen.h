#pragma once
// Opening and saving a worksheet as the window and the page do it.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Controle.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

struct GeopendRekenblad {
  Invoer invoer;      // as the file holds it, but for a road surface the catalogue lacks
  Werkblad werkblad;  // the texts its fields show
  // A stored road surface the catalogue lacks is replaced by the first; this
  // says so, and the worksheet then holds a change no file has.
  std::string wegdekMelding;
  bool Gewijzigd() const { return !wegdekMelding.empty(); }
};

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

}  // namespace tarvo
