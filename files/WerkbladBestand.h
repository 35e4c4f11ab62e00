#pragma once
// The worksheet file (.tvo): 644 bytes, little-endian, Windows-1252 texts,
// version mark "O2" at offset 632.
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "base/Uitkomst.h"
#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"

namespace tarvo {

inline constexpr std::size_t kWerkbladLengte = 644;
inline constexpr std::size_t kVersieOffset = 632;
inline constexpr std::string_view kVersieMerk = "O2";
inline constexpr std::string_view kOudeVersieMelding =
    "Rekenblad is aangemaakt met oudere programmaversie. Inlezen is niet mogelijk!";

// Everything the file holds, in file terms.
struct WerkbladInhoud {
  std::string weg, waarneempunt;  // 45 characters each
  // Per period: lv, mv, zv, mr, totaal, vrachtverkeer, bromf, tram.
  std::array<std::array<double, 8>, 3> blok{};
  std::array<double, 6> snelheid{};  // lv, mv, zv, mr, bromf, tram
  std::int16_t rail = 0, aftrek = 0;
  double kruising = 0, wegdekhoogte = 0, waarneemhoogte = 0, objectfractie = 0, bodemfactor = 0, afstandHor = 0,
         zichthoek = 0;
  std::int16_t wegdekKeuze = 0;
  std::array<std::string, 4> toelichting;  // 60 characters each
  std::string versie;                      // two characters
  double obstakel = 0;
  std::int16_t zone = 0;
};

std::array<std::uint8_t, kWerkbladLengte> CodeerWerkblad(const WerkbladInhoud& inhoud);

// The file's bytes as what the file holds. Refused when the mark "O2" is
// not in its place (a file of an older version: message kOudeVersieMelding,
// number 0), or when it is but the file is not 644 bytes long (damaged).
Uitkomst<WerkbladInhoud> DecodeerWerkblad(std::span<const std::uint8_t> bytes);

// The stored values of a worksheet, with the two switches as the boxes hold them.
WerkbladInhoud InhoudVan(const Werkblad& ws, int zone, int aftrek);

// Takes what a file holds into the stored values and shows it in the
// window: names and remarks without their padding blanks, numbers in the
// field patterns, NaN as "NaN". A road-surface position that names no catalogue entry
// becomes 1, with a message. The switches follow the file (zone above 1 is
// off, deduction above 0 is on) and the zone switch runs.
void ToonInhoud(const WerkbladInhoud& inhoud, Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus,
                Meldingen& meldingen);

// What a worksheet file holds, touching no worksheet: what is on screen
// stays until a file has really been read. A refusal is one Dutch sentence
// that names the file and the reason (no .tvo name, unreadable, damaged),
// or for a file of an older version kOudeVersieMelding with number 0.
Uitkomst<WerkbladInhoud> LeesWerkbladInhoud(const std::filesystem::path& pad);

// LeesWerkbladInhoud, then ToonInhoud. On failure nothing is taken over.
Uitkomst<void> LeesWerkbladBestand(const std::filesystem::path& pad, Werkblad& ws, WerkbladVenster& venster,
                                   const Catalogus& catalogus, Meldingen& meldingen);

// Writes the worksheet's stored values with the two switches as the window
// holds them, the version mark as "O2", through SchrijfVeilig: on failure
// the file that was there is kept as it was.
Uitkomst<void> SchrijfWerkbladBestand(const std::filesystem::path& pad, const Werkblad& ws, WerkbladVenster& venster);

// Whether a path names a worksheet: its last three characters, in lower case, are "tvo".
bool IsWerkbladNaam(std::string_view pad);

}  // namespace tarvo
