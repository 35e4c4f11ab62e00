#include "calc/WegdekImport.h"

#include "base/Tekst.h"

namespace tarvo {

Fout TabelFout(int regel, int kolom, std::string_view wat) {
  std::string plaats = "Regel " + std::to_string(regel) + ", kolom " + std::to_string(kolom);
  if (kolom >= 1 && kolom <= static_cast<int>(kWegdekKolommen.size())) {
    plaats += " (" + std::string(kWegdekKolommen[static_cast<std::size_t>(kolom - 1)]) + ")";
  }
  return Fout{plaats + ": " + std::string(wat) + "; er is niets ingelezen."};
}

Uitkomst<void> ControleerUniek(const std::vector<IngelezenWegdek>& tabel) {
  for (std::size_t i = 0; i < tabel.size(); ++i) {
    const std::string naam = Bijgesneden(tabel[i].omschrijving);
    for (std::size_t j = 0; j < i; ++j) {
      if (Bijgesneden(tabel[j].omschrijving) == naam) {
        return TabelFout(tabel[i].regel, 1, "'" + naam + "' staat ook op regel " + std::to_string(tabel[j].regel));
      }
    }
  }
  return {};
}

Uitkomst<Samenvoeging> VoegSamen(const WegdekBeheer& beheer, const std::vector<IngelezenWegdek>& tabel) {
  if (auto uniek = ControleerUniek(tabel); !uniek) return uniek.Reden();
  const Catalogus& cat = beheer.Inhoud();
  Samenvoeging s;
  int aantal = cat.AantalWegdekken;
  for (const IngelezenWegdek& nieuw : tabel) {
    const std::string naam = Bijgesneden(nieuw.omschrijving);
    int positie = 0;
    for (int p = 1; p <= cat.AantalWegdekken && positie == 0; ++p) {
      if (Bijgesneden(cat.Wegdekken[static_cast<std::size_t>(p)].Omschrijving) == naam) positie = p;
    }
    if (positie == 0) {
      if (++aantal > kMaxWegdekken) {
        return TabelFout(
            nieuw.regel, 1,
            "met '" + naam + "' komen er meer dan " + std::to_string(kMaxWegdekken) + " wegdekken in de lijst");
      }
      s.toevoegen.push_back(nieuw);
      continue;
    }
    const Wegdek& oud = cat.Wegdekken[static_cast<std::size_t>(positie)];
    bool gelijk = true;
    for (int k = 1; k <= 6; ++k)
      gelijk = gelijk && oud.Coefficient(k) == nieuw.coefficienten[static_cast<std::size_t>(k - 1)];
    if (gelijk) continue;
    if (beheer.IsBeschermd(positie)) {
      return TabelFout(nieuw.regel, 1,
                       "'" + naam + "' is een meegeleverd wegdektype en kan niet worden gewijzigd (F9)");
    }
    s.vervangen.push_back({positie, nieuw.coefficienten});
  }
  return s;
}

}  // namespace tarvo
