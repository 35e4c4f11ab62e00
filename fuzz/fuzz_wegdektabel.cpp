// The road-surface table reader on arbitrary text, as a file (';', header
// required) and as pasted rows (tabs, header optional): it must refuse or
// accept without undefined behaviour; what it accepts must fit the catalogue
// file, and written out again must read back to the same bits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "base/Tekst.h"
#include "calc/WegdekImport.h"
#include "files/CatalogusBestand.h"
#include "files/WegdekTabel.h"

namespace {

void Controleer(const std::vector<tarvo::IngelezenWegdek>& tabel) {
  if (tabel.size() > static_cast<std::size_t>(tarvo::kMaxWegdekken)) std::abort();
  tarvo::Catalogus c;
  for (const auto& w : tabel) {
    if (tarvo::AantalTekens(w.omschrijving) > tarvo::kOmschrijvingLengte) std::abort();
    if (tarvo::Bijgesneden(w.omschrijving).empty() || !w.omschrijving.ends_with(tarvo::Bijgesneden(w.omschrijving))) {
      std::abort();
    }
    for (double x : w.coefficienten) {
      if (!std::isfinite(x) || x < tarvo::kCoefficientMinimum || x > tarvo::kCoefficientMaximum) std::abort();
    }
    c.Wegdekken[static_cast<std::size_t>(++c.AantalWegdekken)] = tarvo::Wegdek::Van(w);
  }
  // Through the catalogue file and back out as a table: the same records.
  const auto bytes = tarvo::CodeerCatalogus(c);
  const auto terug = tarvo::DecodeerCatalogus(bytes);
  if (!terug || tarvo::CodeerCatalogus(*terug) != bytes) std::abort();
  for (char decimaal : {',', '.'}) {
    const auto opnieuw =
        tarvo::LeesWegdekTabel(tarvo::SchrijfWegdekTabel(*terug, decimaal), ';', tarvo::Kopregel::Verplicht);
    if (!opnieuw || opnieuw->size() != tabel.size()) std::abort();
    for (std::size_t i = 0; i < tabel.size(); ++i) {
      const tarvo::Wegdek w = tarvo::Wegdek::Van((*opnieuw)[i]);
      const tarvo::Wegdek& bron = terug->Wegdekken[i + 1];
      if (w.Omschrijving != bron.Omschrijving) std::abort();
      for (int k = 1; k <= 6; ++k) {
        const double a = w.Coefficient(k), b = bron.Coefficient(k);
        if (std::memcmp(&a, &b, sizeof a) != 0) std::abort();
      }
    }
  }
  // Into a catalogue: refused or carried out within its 50 positions.
  tarvo::Catalogus doel = c;
  tarvo::WegdekBeheer beheer(doel, 1);
  if (auto plan = tarvo::VoegSamen(beheer, tabel); plan) {
    beheer.Voer(*plan);
    if (doel.AantalWegdekken > tarvo::kMaxWegdekken) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view tekst(reinterpret_cast<const char*>(data), size);
  if (const auto bestand = tarvo::LeesWegdekTabel(tekst, ';', tarvo::Kopregel::Verplicht); bestand) {
    Controleer(*bestand);
  } else if (!bestand.Melding().starts_with("Regel ") || !bestand.Melding().ends_with("; er is niets ingelezen.")) {
    std::abort();
  }
  if (const auto geplakt = tarvo::LeesWegdekTabel(tekst, '\t', tarvo::Kopregel::Mogelijk); geplakt) {
    Controleer(*geplakt);
  }
  return 0;
}
