#pragma once
// The worksheet file (.tvo): 644 bytes, little-endian, Windows-1252 texts,
// version mark "O2" at offset 632. Every field with a slot in the field
// table is stored at its slot; the switches, the road surface and the
// remarks have places of their own.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/Bestand.h"
#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

inline constexpr std::size_t kWerkbladLengte = 644;
inline constexpr std::size_t kVersieOffset = 632;
inline constexpr std::string_view kVersieMerk = "O2";
inline constexpr std::string_view kOudeVersieMelding =
    "Rekenblad is aangemaakt met oudere programmaversie. Inlezen is niet mogelijk!";
// The number of a file of an older version: its message names no file.
inline constexpr int kFoutOudeVersie = -1;
// The places of the 16-bit numbers and the remark lines; the fields have theirs in the field table.
inline constexpr std::size_t kRailPlek = 330, kAftrekPlek = 332, kWegdekPlek = 390, kToelichtingPlek = 392,
                             kZonePlek = 642;

std::array<std::uint8_t, kWerkbladLengte> CodeerWerkblad(const Invoer& in);

// The file's bytes as the input they hold: names and remarks without their
// padding blanks, the deduction on above 0, the zone on only at 1. Refused
// when the mark "O2" is not in its place (kOudeVersieMelding, number
// kFoutOudeVersie), or when it is but the file is not 644 bytes long.
Uitkomst<Invoer> DecodeerWerkblad(std::span<const std::uint8_t> bytes);

// A road-surface position that names no catalogue entry becomes 1; the
// sentence that says so, or nothing when the position was fine.
std::optional<std::string> HerstelWegdek(Invoer& in, const Catalogus& catalogus);

// The texts the fields show for a worksheet read from a file: numbers in
// the field patterns, NaN as "NaN" (so that the check refuses it by name).
Werkblad WerkbladVan(const Invoer& in, char decimaal);

// What a worksheet file holds. A refusal is one Dutch sentence that names
// the file and the reason (no .tvo name, unreadable, damaged), or for a
// file of an older version kOudeVersieMelding with number kFoutOudeVersie.
Uitkomst<Invoer> LeesWerkbladBestand(const std::filesystem::path& pad);

// Writes the input with the mark "O2" through SchrijfVeilig: on failure the
// file that was there is kept as it was. `wijze` as SchrijfVeilig takes it.
Uitkomst<void> SchrijfWerkbladBestand(const std::filesystem::path& pad, const Invoer& in,
                                      const Schrijfwijze& wijze = {});

// Whether a path names a worksheet: it ends in ".tvo", in any letter case.
bool IsWerkbladNaam(std::string_view pad);

}  // namespace tarvo
