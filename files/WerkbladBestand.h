#pragma once
// The worksheet file (.tvo): 644 bytes, little-endian, Windows-1252 texts,
// version mark "O2" at offset 632.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

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

enum class DecodeerUitkomst { Goed, OudeVersie, TeKort };
struct Gedecodeerd {
  DecodeerUitkomst uitkomst;
  WerkbladInhoud inhoud;  // only meaningful when Goed
};
// A file shorter than 644 bytes whose mark (where present) reads "O2" is a
// damaged file; without the mark it comes from an older version.
Gedecodeerd DecodeerWerkblad(std::span<const std::uint8_t> bytes);

// The stored values of a worksheet, with the two switches as the boxes hold them.
WerkbladInhoud InhoudVan(const Werkblad& ws, int zone, int aftrek);

// Openen's steps 6 and 9: the stored values and what the window shows. A
// road-surface position that names no catalogue entry becomes 1, with a
// message. The switches follow the file (zone above 1 is off, deduction
// above 0 is on) and the zone switch runs.
void ToonInhoud(const WerkbladInhoud& inhoud, Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus,
                Meldingen& meldingen);

enum class OpenUitkomst { Gelezen, OudeVersie, Fout };
struct OpenResultaat {
  OpenUitkomst uitkomst;
  int foutNummer = 0;         // for the generic error message
  std::string foutOmschrijving;
};

// Reads a worksheet file into the worksheet (Openen from step 5 on). On an
// older version the message is shown and nothing is taken over; the caller
// then resets the worksheet. On a failure nothing is taken over either.
OpenResultaat LeesWerkbladBestand(const std::filesystem::path& pad, Werkblad& ws, WerkbladVenster& venster,
                                  const Catalogus& catalogus, Meldingen& meldingen);

// Writes the worksheet (Opslaan's steps 3 to 5). False with a Dutch
// description when the file cannot be written.
bool SchrijfWerkbladBestand(const std::filesystem::path& pad, const Werkblad& ws, WerkbladVenster& venster,
                            std::string& fout);

// Whether a path names a worksheet: its last three characters, in lower case, are "tvo".
bool IsWerkbladNaam(std::string_view pad);

}  // namespace tarvo
