#include "files/WerkbladBestand.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "base/Getal.h"
#include "base/Tekst.h"
#include "files/Reset.h"

namespace tarvo {
namespace {

static_assert(std::endian::native == std::endian::little, "the file layout is little-endian");

using Bytes = std::array<std::uint8_t, kWerkbladLengte>;

template <typename T>
void Zet(Bytes& b, std::size_t plek, T v) {
  std::memcpy(b.data() + plek, &v, sizeof v);
}

void ZetTekst(Bytes& b, std::size_t plek, const std::string& utf8, std::size_t n) {
  std::string t = Utf8NaarCp1252(VastBreed(utf8, n));
  t.resize(n, ' ');
  std::memcpy(b.data() + plek, t.data(), n);
}

template <typename T>
T Lees(std::span<const std::uint8_t> b, std::size_t plek) {
  T v;
  std::memcpy(&v, b.data() + plek, sizeof v);
  return v;
}

std::string LeesTekst(std::span<const std::uint8_t> b, std::size_t plek, std::size_t n) {
  return RechtsBijgesneden(Cp1252NaarUtf8(std::string_view(reinterpret_cast<const char*>(b.data() + plek), n)));
}

std::string& Naam(Invoer& in, int k) { return k == veld::kWaarneempunt ? in.waarneempunt : in.weg; }
const std::string& Naam(const Invoer& in, int k) { return k == veld::kWaarneempunt ? in.waarneempunt : in.weg; }

std::string Beschadigd(std::uintmax_t lengte) {
  return "beschadigd (" + std::to_string(lengte) + " bytes in plaats van " + std::to_string(kWerkbladLengte) + ")";
}

}  // namespace

std::array<std::uint8_t, kWerkbladLengte> CodeerWerkblad(const Invoer& in) {
  Bytes b{};
  for (int k = 0; k < kAantalVelden; ++k) {
    const VeldInfo& v = Veld(k);
    if (!v.bestandPlek) continue;
    if (v.soort == VeldSoort::Tekst)
      ZetTekst(b, *v.bestandPlek, Naam(in, k), kNaamVeldLengte);
    else
      Zet(b, *v.bestandPlek, in.getal[static_cast<std::size_t>(k)]);
  }
  Zet<std::int16_t>(b, kRailPlek, in.rail);
  Zet<std::int16_t>(b, kAftrekPlek, in.aftrek ? 1 : 0);
  Zet<std::int16_t>(b, kWegdekPlek, in.wegdek);
  for (std::size_t i = 0; i < in.toelichting.size(); ++i) {
    ZetTekst(b, kToelichtingPlek + i * kToelichtingLengte, in.toelichting[i], kToelichtingLengte);
  }
  std::memcpy(b.data() + kVersieOffset, kVersieMerk.data(), kVersieMerk.size());
  Zet<std::int16_t>(b, kZonePlek, in.zone ? 1 : 0);
  return b;
}

Uitkomst<Invoer> DecodeerWerkblad(std::span<const std::uint8_t> bytes) {
  // An older version wrote something else at the mark's place and nothing behind it.
  if (bytes.size() >= kVersieOffset &&
      (bytes.size() < kVersieOffset + kVersieMerk.size() ||
       std::memcmp(bytes.data() + kVersieOffset, kVersieMerk.data(), kVersieMerk.size()) != 0)) {
    return Fout{std::string(kOudeVersieMelding), kFoutOudeVersie};
  }
  if (bytes.size() != kWerkbladLengte)
    return Fout{"Het rekenblad is " + Beschadigd(bytes.size()) + ".", kFoutVoorbijEinde};
  Invoer in;
  for (int k = 0; k < kAantalVelden; ++k) {
    const VeldInfo& v = Veld(k);
    if (!v.bestandPlek) continue;
    if (v.soort == VeldSoort::Tekst)
      Naam(in, k) = LeesTekst(bytes, *v.bestandPlek, kNaamVeldLengte);
    else
      in.getal[static_cast<std::size_t>(k)] = Lees<double>(bytes, *v.bestandPlek);
  }
  in.rail = Lees<std::int16_t>(bytes, kRailPlek);
  in.aftrek = Lees<std::int16_t>(bytes, kAftrekPlek) > 0;
  in.wegdek = Lees<std::int16_t>(bytes, kWegdekPlek);
  for (std::size_t i = 0; i < in.toelichting.size(); ++i) {
    in.toelichting[i] = LeesTekst(bytes, kToelichtingPlek + i * kToelichtingLengte, kToelichtingLengte);
  }
  in.zone = Lees<std::int16_t>(bytes, kZonePlek) == 1;
  return in;
}

std::optional<std::string> HerstelWegdek(Invoer& in, const Catalogus& catalogus) {
  // A position outside the catalogue would make the list, the calculation
  // and the report name different road surfaces.
  if (in.wegdek >= 1 && in.wegdek <= catalogus.AantalWegdekken) return std::nullopt;
  const std::string gevolg =
      catalogus.AantalWegdekken > 0 ? "; het eerste wegdek is gekozen." : ": de wegdekkenlijst bevat geen wegdekken.";
  std::string melding = "Het wegdek van dit rekenblad (positie " + std::to_string(in.wegdek) +
                        ") staat niet in de wegdekkenlijst" + gevolg;
  in.wegdek = 1;
  return melding;
}

Werkblad WerkbladVan(const Invoer& in, char decimaal) {
  Werkblad w;
  for (int k = 0; k < kAantalVelden; ++k) {
    const VeldInfo& v = Veld(k);
    std::string& tekst = w.veld[static_cast<std::size_t>(k)];
    if (!v.bestandPlek) {
      tekst = StandaardTekst(k, decimaal);  // the file keeps no value for it
    } else if (v.soort == VeldSoort::Tekst) {
      tekst = RechtsBijgesneden(VastBreed(Naam(in, k), kNaamVeldLengte));
    } else {
      const double x = in.getal[static_cast<std::size_t>(k)];
      tekst = std::isnan(x) ? "NaN" : Formatteer(x, v.bestandPatroon, decimaal);
    }
  }
  for (std::size_t i = 0; i < w.toelichting.size(); ++i) {
    w.toelichting[i] = RechtsBijgesneden(VastBreed(in.toelichting[i], kToelichtingLengte));
  }
  w.wegdek = in.wegdek;
  w.zone = in.zone;
  w.aftrek = in.aftrek;
  w.rail = in.rail;
  return w;
}

Uitkomst<Invoer> LeesWerkbladBestand(const std::filesystem::path& pad) {
  const std::string naam = pad.string();
  if (!IsWerkbladNaam(naam)) {
    return Fout{"Bestand " + naam + " is geen rekenblad van Tarvo: de naam eindigt niet op .tvo.", kFoutBestandsnaam};
  }
  // Bounded, and only a regular file: a device or pipe could block or never end.
  const auto bytes = LeesBestand(pad, kWerkbladLengte + kLeesMarge);
  if (!bytes) return Fout{"Bestand " + naam + " kan niet worden gelezen: " + bytes.Melding() + ".", bytes.Nummer()};
  Uitkomst<Invoer> in = DecodeerWerkblad(*bytes);
  if (in || in.Nummer() == kFoutOudeVersie) return in;
  return Fout{"Bestand " + naam + " is " + Beschadigd(bytes->size()) + ".", in.Nummer()};
}

Uitkomst<void> SchrijfWerkbladBestand(const std::filesystem::path& pad, const Invoer& in, const Schrijfwijze& wijze) {
  const auto bytes = CodeerWerkblad(in);
  return SchrijfVeilig(pad, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), wijze);
}

bool IsWerkbladNaam(std::string_view pad) {
  return pad.size() >= 4 && KleineLetters(pad.substr(pad.size() - 4)) == ".tvo";
}

}  // namespace tarvo
