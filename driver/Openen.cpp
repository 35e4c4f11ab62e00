#include "driver/Openen.h"

#include "files/WerkbladBestand.h"

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

}  // namespace

Uitkomst<GeopendRekenblad> OpenRekenblad(std::span<const std::uint8_t> bytes, const Catalogus& catalogus,
                                         char decimaal) {
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

}  // namespace tarvo
