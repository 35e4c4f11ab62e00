#pragma once
// The road-surface record and the catalogue the main window holds.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

inline constexpr int kMaxWegdekken = 50;
inline constexpr int kAantalWegdekNamen = 60;
inline constexpr std::size_t kOmschrijvingLengte = 30;
inline constexpr std::size_t kNaamLengte = 40;  // list texts and user-name fields
inline constexpr std::string_view kCatalogusBestand = "Wegdekken_2012.dat";

// The six coefficients in record order: DL_lv, b_lv, DL_mv, b_mv, DL_zv, b_zv.
using WegdekCoefficienten = std::array<double, 6>;

// The columns of a road-surface table (files and the clipboard), in order.
inline constexpr std::array<std::string_view, 7> kWegdekKolommen = {"omschrijving", "DL_lv", "b_lv", "DL_mv",
                                                                    "b_mv",         "DL_zv", "b_zv"};
// The range the editor allows a coefficient.
inline constexpr double kCoefficientMinimum = -99999, kCoefficientMaximum = 99999;

// One road surface read from a table; `regel` is its line there.
struct IngelezenWegdek {
  int regel = 0;
  std::string omschrijving;  // leading blanks kept, trailing ones dropped, at most 30 characters
  WegdekCoefficienten coefficienten{};
};

struct Wegdek {
  std::string Omschrijving = std::string(kOmschrijvingLengte, ' ');  // always 30 characters
  double DL_lv = 0, b_lv = 0, DL_mv = 0, b_mv = 0, DL_zv = 0, b_zv = 0;

  // The coefficients in record order: 1 DL_lv, 2 b_lv ... 6 b_zv.
  double& Coefficient(int k);
  double Coefficient(int k) const;

  static Wegdek Van(const IngelezenWegdek& ingelezen);
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

// A new user name: without its outer blanks in 40 characters, and the
// label name beside it, where the first '&' stands twice (a label would
// take a single one as its access key).
void ZetGebruikersnaam(Catalogus& catalogus, std::string_view naam);

// The road surfaces shipped with the program, at the head of the catalogue:
// as many as the shipped table data/wegdekken.tsv lists (counted by the build).
inline constexpr int kAantalMeegeleverd = TARVO_AANTAL_MEEGELEVERD;

// What bringing in a table would change, worked out before anything changes
// (calc/WegdekImport.h).
struct Samenvoeging {
  struct Vervanging {
    int positie;
    WegdekCoefficienten coefficienten;
  };
  std::vector<Vervanging> vervangen;       // entries with the same description, other coefficients
  std::vector<IngelezenWegdek> toevoegen;  // new entries, in table order
  bool Leeg() const { return vervangen.empty() && toevoegen.empty(); }
};

// The editor's rules for the catalogue: the shipped entries are protected
// until the user lifts the protection (F9), the catalogue holds at most
// kMaxWegdekken entries, and the entries behind a deleted one move up.
// Positions are 1-based, as the catalogue counts them.
class WegdekBeheer {
 public:
  using Coefficienten = WegdekCoefficienten;

  // `beschermd`: how many entries at the head are protected.
  explicit WegdekBeheer(Catalogus& catalogus, int beschermd = kAantalMeegeleverd)
      : cat_(catalogus), beschermd_(beschermd) {}

  bool BeschermingOpgeheven() const { return opgeheven_; }
  void WisselBescherming() { opgeheven_ = !opgeheven_; }
  // True when the entry may not be changed or deleted now.
  bool IsBeschermd(int positie) const;
  bool IsVol() const { return cat_.AantalWegdekken >= kMaxWegdekken; }

  // The description loses its outer blanks and is fitted to 30 characters.
  // The new entry's position, or 0 when the catalogue is full.
  int VoegToe(std::string_view omschrijving, const Coefficienten& coefficienten);
  // False for a position outside the catalogue.
  bool Vervang(int positie, std::string_view omschrijving, const Coefficienten& coefficienten);
  // Removes the entry; the old last record stays behind, outside the count.
  // The position to select afterwards: the entry before the deleted one, the
  // first when the first was deleted, 0 when none is left (or the position
  // named none).
  int Wis(int positie);
  // The question before Wis: the entry's name, the entries behind it with
  // the positions they move from and to, and that a saved worksheet, which
  // keeps only its road surface's position, computes with another road
  // surface afterwards when it used one of them or the deleted one. Empty
  // for a position outside the catalogue.
  std::string WisVraag(int positie) const;

  const Catalogus& Inhoud() const { return cat_; }

  // Carries out what VoegSamen (calc/WegdekImport.h) worked out. The
  // position to select: the last one added, else the first one replaced, 0
  // when nothing changed.
  int Voer(const Samenvoeging& samenvoeging);

 private:
  Catalogus& cat_;
  int beschermd_;
  bool opgeheven_ = false;
};

}  // namespace tarvo
