#include "driver/OnderzoekOpdracht.h"

#include <ostream>

#include "base/Bestand.h"
#include "driver/Onderzoek.h"
#include "tools/Bijlage.h"
#include "tools/Toetsing.h"

namespace tarvo {
namespace {

// Far more than a study of any size; a larger file is no study sheet.
constexpr std::size_t kMaxOnderzoek = std::size_t{256} << 20;

// The limits of --toets as numbers and as given, for the columns' headings.
Uitkomst<std::pair<std::vector<double>, std::vector<std::string>>> Grenzen(const HoogtenKeuze& keuze) {
  if (!keuze.toets) return std::pair<std::vector<double>, std::vector<std::string>>{};
  auto getallen = LeesGrenzenLijst(*keuze.toets);
  if (!getallen) return Fout{"--toets: " + getallen.Melding(), kFoutGebruik};
  return std::pair{std::move(*getallen), *LeesLijst(*keuze.toets)};
}

// The annex of every road computed, with the test of its point.
void SchrijfBijlage(const OnderzoekUitkomst& u, const std::string& pad, const std::vector<double>& grenzen,
                    const Catalogus& catalogus, char decimaal, std::ostream& uit) {
  const Bijlage bijlage(grenzen, catalogus, decimaal, true);
  uit << BijlageCsvKop(bijlage.Kolommen(), "\n");
  for (const PuntUitkomst& p : u.punten) {
    const std::string situatie = MaximumTekst(p);
    for (const HoogteUitkomst& h : p.hoogten) {
      for (const WegUitkomst& w : h.wegen) {
        if (!uit) return;  // the caller reports the failed write
        const std::string naam = pad + ", regel " + std::to_string(w.weg->regel);
        uit << BijlageCsvRegel(bijlage.Cellen({naam, *w.resultaat, situatie, w.toetsing}), "\n");
      }
    }
  }
}

}  // namespace

Uitkomst<BatchVerslag> OnderzoekOpdracht(const std::string& pad, const HoogtenKeuze& keuze, bool bijlage,
                                         const OpdrachtInstellingen& inst, std::ostream& uit) {
  auto grenzen = Grenzen(keuze);
  if (!grenzen) return grenzen.Reden();
  if (keuze.hoogten && !LeesLijst(*keuze.hoogten)) {
    return Fout{"--hoogten: geef de hoogten als getallen gescheiden door ';'.", kFoutGebruik};
  }
  auto catalogus = LaadCatalogus(inst);
  if (!catalogus) return catalogus.Reden();
  auto bytes = LeesBestand(pad, kMaxOnderzoek);
  if (!bytes) return Fout{"Onderzoek " + pad + " kan niet worden gelezen: " + bytes.Melding() + "."};
  auto blad = LeesOnderzoek(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), *catalogus,
                            inst.decimaal, inst.vandaag);
  if (!blad) return Fout{"Onderzoek " + pad + ": " + blad.Melding()};
  const OnderzoekUitkomst u =
      RekenOnderzoek(*blad, keuze.hoogten, grenzen->first, *catalogus, inst.vandaag, inst.decimaal);
  if (bijlage)
    SchrijfBijlage(u, pad, grenzen->first, *catalogus, inst.decimaal, uit);
  else
    uit << OnderzoekCsv(u, grenzen->second, inst.decimaal, "\n");
  return BatchVerslag{blad->rijen, u.geweigerd, u.eersteRegels};
}

}  // namespace tarvo
