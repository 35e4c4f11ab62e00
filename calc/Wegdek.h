#pragma once
// The road-surface record and the catalogue the main window holds.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

inline constexpr int kMaxWegdekken = 50;
inline constexpr int kAantalWegdekNamen = 60;
inline constexpr std::size_t kOmschrijvingLengte = 30;
inline constexpr std::size_t kNaamLengte = 40;  // list texts and user-name fields
inline constexpr std::string_view kCatalogusBestand = "Wegdekken_2012.dat";

struct Wegdek {
  std::string Omschrijving = std::string(kOmschrijvingLengte, ' ');  // always 30 characters
  double DL_lv = 0, b_lv = 0, DL_mv = 0, b_mv = 0, DL_zv = 0, b_zv = 0;

  // The coefficients in record order: 1 DL_lv, 2 b_lv ... 6 b_zv.
  double& Coefficient(int k);
  double Coefficient(int k) const;
};

struct Catalogus {
  std::array<Wegdek, kMaxWegdekken + 1> Wegdekken{};  // positions 1..50; 0 unused
  std::int16_t AantalWegdekken = 0;
  std::array<std::string, kAantalWegdekNamen + 1> WegdekNamen{};  // positions 1..60, 40 characters
  std::string Gebruikersnaam = std::string(kNaamLengte, ' ');
  std::string GebruikersLabelnaam = std::string(kNaamLengte, ' ');
  // False when the file on disk was refused: it is then never written over.
  bool Bewaarbaar = true;

  // A 1-based position as the catalogue reads it: positions outside 1..50
  // give position 1, so a stray position can never read outside the catalogue.
  static int GeldigePositie(int positie) { return positie >= 1 && positie <= kMaxWegdekken ? positie : 1; }
  const Wegdek& Op(int positie) const;
};

}  // namespace tarvo
