#include "files/CatalogusBestand.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

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

std::filesystem::path CatalogusPad(const std::filesystem::path& dataMap) {
  return dataMap / std::string(kCatalogusBestand);
}

}  // namespace

std::optional<Catalogus> DecodeerCatalogus(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2) return std::nullopt;
  const std::int16_t n = LeesInt16(bytes.data());
  if (n < 0 || n > kMaxWegdekken) return std::nullopt;
  const std::size_t nodig = 2 + kRecordLengte * static_cast<std::size_t>(n) + 2 * kNaamLengte;
  if (bytes.size() < nodig) return std::nullopt;

  Catalogus c;
  c.AantalWegdekken = n;
  const std::uint8_t* p = bytes.data() + 2;
  for (int i = 1; i <= n; ++i, p += kRecordLengte) {
    Wegdek& w = c.Wegdekken[static_cast<std::size_t>(i)];
    w.Omschrijving = LeesTekst(p, kOmschrijvingLengte);
    for (int k = 1; k <= 6; ++k) w.Coefficient(k) = LeesDouble(p + 30 + 8 * (k - 1));
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

LaadUitkomst LaadWegdekken(const std::filesystem::path& dataMap, Catalogus& catalogus, std::string& melding) {
  return LaadCatalogusBestand(CatalogusPad(dataMap), catalogus, melding);
}

LaadUitkomst LaadCatalogusBestand(const std::filesystem::path& pad, Catalogus& catalogus, std::string& melding) {
  std::ifstream in(pad, std::ios::binary);
  if (!in) return LaadUitkomst::NietGevonden;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto gelezen = DecodeerCatalogus(bytes);
  // A failed or short read leaves fewer bytes than the count promises, which the decoder refuses.
  if (!gelezen) {
    catalogus = Catalogus{};
    catalogus.Bewaarbaar = false;
    melding = "Bestand " + pad.string() + " is beschadigd of geen wegdekkenbestand; er zijn geen wegdekken ingelezen.";
    return LaadUitkomst::Beschadigd;
  }
  catalogus = std::move(*gelezen);
  return LaadUitkomst::Geladen;
}

BewaarUitkomst BewaarWegdekken(const std::filesystem::path& dataMap, const Catalogus& catalogus,
                               std::string& melding) {
  if (catalogus.AantalWegdekken <= 0 || !catalogus.Bewaarbaar) return BewaarUitkomst::NietsTeBewaren;
  const auto pad = CatalogusPad(dataMap);
  auto nieuw = pad;
  nieuw += ".nieuw";
  const auto bytes = CodeerCatalogus(catalogus);
  {
    std::ofstream out(nieuw, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ec;
      std::filesystem::remove(nieuw, ec);
      melding = "Bestand " + pad.string() + " kon niet worden geschreven; het oude bestand is bewaard gebleven.";
      return BewaarUitkomst::Mislukt;
    }
  }
  std::error_code ec;
  std::filesystem::rename(nieuw, pad, ec);
  if (ec) {
    std::filesystem::remove(nieuw, ec);
    melding = "Bestand " + pad.string() + " kon niet worden vervangen; het oude bestand is bewaard gebleven.";
    return BewaarUitkomst::Mislukt;
  }
  return BewaarUitkomst::Bewaard;
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
