#pragma once
// The small interfaces through which core routines touch controls and show
// messages. The Qt windows implement them with real widgets; tests and the
// command-line program use the plain objects of PlainBediening.h.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

struct Kleur {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Kleur&, const Kleur&) = default;
};
inline constexpr Kleur kLichtGeel{255, 255, 192};
inline constexpr Kleur kRood{255, 0, 0};
inline constexpr Kleur kGroen{0, 255, 0};

class TekstVak {
 public:
  virtual ~TekstVak() = default;
  virtual std::string Tekst() const = 0;
  virtual void ZetTekst(const std::string& tekst) = 0;
  virtual std::string Tag() const = 0;
  virtual void ZetAchtergrond(Kleur kleur) = 0;
  virtual void ZetToolTip(const std::string& tip) = 0;
  virtual void VraagFocus() = 0;
  virtual void ZetIngeschakeld(bool aan) = 0;
};

class Vinkvak {
 public:
  virtual ~Vinkvak() = default;
  virtual int Waarde() const = 0;  // 0 or 1
  virtual void ZetWaarde(int waarde) = 0;  // never runs a change handler
  virtual void ZetIngeschakeld(bool aan) = 0;
};

enum class Icoon { Kritiek, Vraag, Uitroep, Informatie };
inline constexpr std::string_view kTitelWaarschuwing = "Waarschuwing";
enum class Knoppen { OK, JaNee, JaNeeAnnuleren };
enum class Antwoord { OK, Ja, Nee, Annuleren };

class Meldingen {
 public:
  virtual ~Meldingen() = default;
  virtual Antwoord Toon(const std::string& tekst, const std::string& titel, Icoon icoon,
                        Knoppen knoppen = Knoppen::OK) = 0;
};

// The worksheet's controls of the main window, as the core uses them.
class WerkbladVenster {
 public:
  virtual ~WerkbladVenster() = default;
  virtual TekstVak& Invoer(int k) = 0;  // txtInvoer(0..39)
  virtual TekstVak& Toel(int i) = 0;    // txtToel(0..3)
  virtual Vinkvak& Zone() = 0;          // chkZone
  virtual Vinkvak& Aftrek() = 0;        // chkAftrek
  // Combo1 shows the item at this 0-based index, or its first item when the
  // index names none.
  virtual void ToonWegdek(int lijstIndex) = 0;
};

}  // namespace tarvo
