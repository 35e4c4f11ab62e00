#include "files/CatalogusBestand.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <string>

#include "base/Bestand.h"
#include "base/Drijvend.h"
#include "base/Foutnummers.h"
#include "base/Tekst.h"

namespace tarvo {
namespace {

static_assert(std::endian::native == std::endian::little, "the file layout is little-endian");

std::int16_t LeesInt16(const std::uint8_t* p) {
  std::int16_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
double LeesDouble(const std::uint8_t* p) {
  double v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
std::string LeesTekst(const std::uint8_t* p, std::size_t n) {
  return Cp1252NaarUtf8(std::string_view(reinterpret_cast<const char*>(p), n));
}

template <typename T>
void Schrijf(std::vector<std::uint8_t>& out, T v) {
  std::uint8_t b[sizeof v];
  std::memcpy(b, &v, sizeof v);
  out.insert(out.end(), b, b + sizeof v);
}
void SchrijfTekst(std::vector<std::uint8_t>& out, const std::string& utf8, std::size_t n) {
  std::string bytes = Utf8NaarCp1252(VastBreed(utf8, n));
  bytes.resize(n, ' ');
  out.insert(out.end(), bytes.begin(), bytes.end());
}

constexpr std::array<std::string_view, 6> kCoefficientNamen = {"DL_lv", "b_lv", "DL_mv", "b_mv", "DL_zv", "b_zv"};

// A coefficient as the message shows it; the locale plays no part in a damaged file.
std::string GetalOfNiet(double v) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-oneindig" : "oneindig";
  char tekst[32];
  return std::string(tekst, SchrijfDrijvend(tekst, tekst + sizeof tekst, v).ptr);
}

std::filesystem::path CatalogusPad(const std::filesystem::path& dataMap) {
  return dataMap / std::string(kCatalogusBestand);
}

}  // namespace

Uitkomst<Catalogus> DecodeerCatalogus(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2) return Fout{"het bestand is korter dan 2 bytes"};
  const std::int16_t n = LeesInt16(bytes.data());
  if (n < 0 || n > kMaxWegdekken)
    return Fout{"het aantal wegdekken is " + std::to_string(n) + ", niet 0 tot en met 50"};
  const std::size_t nodig = 2 + kRecordLengte * static_cast<std::size_t>(n) + 2 * kNaamLengte;
  if (bytes.size() < nodig) {
    return Fout{"het bestand telt " + std::to_string(bytes.size()) + " bytes, " + std::to_string(n) +
                " wegdekken vragen er " + std::to_string(nodig)};
  }

  Catalogus c;
  c.AantalWegdekken = n;
  const std::uint8_t* p = bytes.data() + 2;
  for (int i = 1; i <= n; ++i, p += kRecordLengte) {
    Wegdek& w = c.Wegdekken[static_cast<std::size_t>(i)];
    w.Omschrijving = LeesTekst(p, kOmschrijvingLengte);
    for (int k = 1; k <= 6; ++k) {
      const double v = LeesDouble(p + 30 + 8 * (k - 1));
      // Written as a test that NaN fails too.
      if (!(v >= -kMaxCoefficient && v <= kMaxCoefficient)) {
        return Fout{"wegdek " + std::to_string(i) + " (\"" + Bijgesneden(w.Omschrijving) + "\") heeft " +
                    std::string(kCoefficientNamen[static_cast<std::size_t>(k - 1)]) + " = " + GetalOfNiet(v) +
                    ", toegestaan is -99999 tot en met 99999"};
      }
      w.Coefficient(k) = v;
    }
  }
  c.Gebruikersnaam = LeesTekst(p, kNaamLengte);
  c.GebruikersLabelnaam = LeesTekst(p + kNaamLengte, kNaamLengte);
  return c;
}

std::vector<std::uint8_t> CodeerCatalogus(const Catalogus& c) {
  std::vector<std::uint8_t> out;
  const int n = std::clamp<int>(c.AantalWegdekken, 0, kMaxWegdekken);
  out.reserve(2 + kRecordLengte * static_cast<std::size_t>(n) + 2 * kNaamLengte);
  Schrijf<std::int16_t>(out, static_cast<std::int16_t>(n));
  for (int i = 1; i <= n; ++i) {
    const Wegdek& w = c.Wegdekken[static_cast<std::size_t>(i)];
    SchrijfTekst(out, w.Omschrijving, kOmschrijvingLengte);
    for (int k = 1; k <= 6; ++k) Schrijf<double>(out, w.Coefficient(k));
  }
  SchrijfTekst(out, c.Gebruikersnaam, kNaamLengte);
  SchrijfTekst(out, c.GebruikersLabelnaam, kNaamLengte);
  return out;
}

Uitkomst<void> LaadWegdekken(const std::filesystem::path& dataMap, Catalogus& catalogus) {
  return LaadCatalogusBestand(CatalogusPad(dataMap), catalogus);
}

Uitkomst<void> LaadCatalogusBestand(const std::filesystem::path& pad, Catalogus& catalogus) {
  catalogus = Catalogus{};
  catalogus.Bewaarbaar = false;
  const std::string naam = pad.string();
  const auto bytes = LeesBestand(pad, kMaxCatalogusLengte + kLeesMarge);
  if (!bytes) {
    if (bytes.Nummer() == kFoutNietGevonden)
      return Fout{"Wegdekkenbestand " + naam + " niet gevonden.", kFoutNietGevonden};
    return Fout{"Wegdekkenbestand " + naam + " kan niet worden gelezen: " + bytes.Melding() +
                "; er zijn geen wegdekken ingelezen."};
  }
  auto gelezen = DecodeerCatalogus(*bytes);
  if (!gelezen) {
    return Fout{"Bestand " + naam + " is beschadigd of geen wegdekkenbestand (" + gelezen.Melding() +
                "); er zijn geen wegdekken ingelezen."};
  }
  catalogus = std::move(*gelezen);
  return {};
}

Uitkomst<bool> BewaarWegdekken(const std::filesystem::path& dataMap, const Catalogus& catalogus) {
  if (catalogus.AantalWegdekken <= 0 || !catalogus.Bewaarbaar) return false;
  if (auto geschreven = BewaarCatalogusBestand(CatalogusPad(dataMap), catalogus); !geschreven)
    return geschreven.Reden();
  return true;
}

Uitkomst<void> BewaarCatalogusBestand(const std::filesystem::path& pad, const Catalogus& catalogus,
                                      const Schrijfwijze& wijze) {
  const auto bytes = CodeerCatalogus(catalogus);
  return SchrijfVeilig(pad, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), wijze);
}

std::vector<std::string> VulLijst(Catalogus& c) {
  std::vector<std::string> items;
  for (int i = 1; i <= c.AantalWegdekken && i <= kMaxWegdekken; ++i) {
    c.WegdekNamen[static_cast<std::size_t>(i)] =
        VastBreed(c.Wegdekken[static_cast<std::size_t>(i)].Omschrijving, kNaamLengte);
    items.push_back(c.WegdekNamen[static_cast<std::size_t>(i)]);
  }
  return items;
}

int LijstIndexVoor(const Catalogus& c, int wegdekKeuze) {
  return (wegdekKeuze >= 1 && wegdekKeuze <= c.AantalWegdekken) ? wegdekKeuze - 1 : 0;
}

}  // namespace tarvo
