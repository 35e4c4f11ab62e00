#include "driver/Openen.h"

#include <array>

#include "base/Foutnummers.h"
#include "base/Tekst.h"

namespace tarvo {
namespace {

Uitkomst<GeopendRekenblad> Geopend(Uitkomst<Invoer> gelezen, const Catalogus& catalogus, char decimaal) {
  if (!gelezen) return gelezen.Reden();
  GeopendRekenblad g;
  g.invoer = std::move(*gelezen);
  if (auto melding = HerstelWegdek(g.invoer, catalogus)) g.wegdekMelding = std::move(*melding);
  g.werkblad = WerkbladVan(g.invoer, decimaal);
  return g;
}

// Long enough for both names as a worksheet file keeps them.
constexpr std::size_t kMaxNaamTekens = 100;
// Names Windows keeps for devices, also before an extension ("con.tvo").
constexpr std::array<std::string_view, 22> kApparaatNamen = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool Rand(char32_t t) { return t == U' ' || t == U'.'; }

// A name without what no file name holds: a separator becomes a dash, any
// other such character a blank; blanks run together, and a name neither
// begins nor ends with a blank or a dot (Windows drops those at the end).
std::u32string VeiligeNaam(std::string_view tekst) {
  std::u32string uit;
  for (char32_t t : Tekens(tekst)) {
    if (t == U'/' || t == U'\\' || t == U'|' || t == U':')
      t = U'-';
    else if (t < 0x20 || t == 0x7F || std::u32string_view(U"<>\"?*").find(t) != std::u32string_view::npos)
      t = U' ';
    if (t == U' ' && (uit.empty() || uit.back() == U' ')) continue;
    if (uit.empty() && t == U'.') continue;
    uit += t;
  }
  while (!uit.empty() && Rand(uit.back())) uit.pop_back();
  return uit;
}

bool IsApparaatNaam(std::u32string_view stam) {
  std::string kop;
  for (char32_t t : stam.substr(0, stam.find(U'.'))) kop += Utf8(t);
  kop = Hoofdletters(RechtsBijgesneden(kop));
  for (std::string_view a : kApparaatNamen) {
    if (kop == a) return true;
  }
  return false;
}

}  // namespace

Uitkomst<GeopendRekenblad> OpenRekenblad(std::span<const std::uint8_t> bytes, const Catalogus& catalogus,
                                         char decimaal) {
  if (bytes.size() > kMaxRekenbladBestand)
    return Fout{"beschadigd (groter dan " + std::to_string(kMaxRekenbladBestand) + " bytes)", kFoutBestandstoegang};
  return Geopend(DecodeerWerkblad(bytes), catalogus, decimaal);
}

Uitkomst<GeopendRekenblad> OpenRekenbladBestand(const std::filesystem::path& pad, const Catalogus& catalogus,
                                                char decimaal) {
  return Geopend(LeesWerkbladBestand(pad), catalogus, decimaal);
}

TeBewarenRekenblad TeBewaren(const Werkblad& werkblad, char decimaal) {
  TeBewarenRekenblad t{Controleer(werkblad, decimaal), {}};
  if (t.controle) {
    const auto bytes = CodeerWerkblad(*t.controle.invoer);
    t.bytes.assign(bytes.begin(), bytes.end());
  }
  return t;
}

std::string RekenbladNaam(const Werkblad& werkblad) {
  const std::u32string punt = VeiligeNaam(werkblad.veld[veld::kWaarneempunt]);
  const std::u32string weg = VeiligeNaam(werkblad.veld[veld::kWeg]);
  std::u32string stam = punt.empty() ? weg : weg.empty() ? punt : punt + U" - " + weg;
  if (stam.size() > kMaxNaamTekens) stam.resize(kMaxNaamTekens);
  while (!stam.empty() && Rand(stam.back())) stam.pop_back();
  if (stam.empty()) return "rekenblad.tvo";
  if (IsApparaatNaam(stam)) stam.insert(stam.begin(), U'_');
  std::string naam;
  for (char32_t t : stam) naam += Utf8(t);
  return naam + ".tvo";
}

Uitkomst<Catalogus> LeesCatalogus(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > kMaxCatalogusBestand)
    return Fout{"het bestand is groter dan " + std::to_string(kMaxCatalogusBestand) + " bytes", kFoutBestandstoegang};
  auto c = DecodeerCatalogus(bytes);
  if (c && c->AantalWegdekken == 0) return Fout{"het bestand bevat geen wegdekken"};
  return c;
}

Uitkomst<Catalogus> OpenCatalogus(std::span<const std::uint8_t> bytes, std::string_view naam) {
  auto c = LeesCatalogus(bytes);
  if (c) return c;
  return Fout{"Bestand " + std::string(naam) + " is beschadigd of geen wegdekkenbestand (" + c.Melding() +
                  "); er zijn geen wegdekken ingelezen.",
              c.Nummer()};
}

}  // namespace tarvo
