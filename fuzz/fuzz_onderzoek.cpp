// A study sheet from arbitrary bytes, the whole way the window and the page
// take one: read, every road computed at its point's heights, the tables,
// the annex, and a road added. Each must answer or refuse in words; a sheet
// that is refused as a whole has no tables, and an added road is read back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Tekst.h"
#include "calc/Controle.h"
#include "driver/OnderzoekBlad.h"
#include "files/Reset.h"

namespace {

tarvo::Catalogus Catalogus() {
  tarvo::Catalogus c;
  c.AantalWegdekken = 3;
  for (int i = 1; i <= 3; ++i) {
    tarvo::Wegdek& w = c.Wegdekken[static_cast<std::size_t>(i)];
    w.Omschrijving = tarvo::VastBreed("wegdek " + std::to_string(i), tarvo::kOmschrijvingLengte);
    for (int k = 1; k <= 6; ++k) w.Coefficient(k) = (i == 3 ? 99.0 : 0.5 * i) * (k % 2 ? -1 : 1) + k;
  }
  return c;
}

// A worksheet as Reset leaves it, named, checked: the road a user adds.
tarvo::Invoer Weg(char decimaal) {
  tarvo::Werkblad w = tarvo::LeegWerkblad(decimaal);
  w.veld[tarvo::veld::kWaarneempunt] = "P 1";
  w.veld[tarvo::veld::kWeg] = "fuzzweg";
  const tarvo::Controle controle = tarvo::Controleer(w, decimaal);
  if (!controle) std::abort();
  return *controle.invoer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const tarvo::Catalogus catalogus = Catalogus();
  const std::string_view tekst(reinterpret_cast<const char*>(data), size);
  const char decimaal = size > 0 && (data[0] & 1) ? '.' : ',';
  const auto a = tarvo::OnderzoekVan(tekst, catalogus, {2020, 1, 1}, decimaal);
  if (!a->fout.empty()) {
    if (!a->tabellen.empty()) std::abort();
    return 0;
  }
  for (const tarvo::OnderzoekPuntTabel& t : a->tabellen) {
    if (t.cellen.size() != t.hoogten.size() || t.cumulatief.size() != t.hoogten.size()) std::abort();
    for (const auto& rij : t.cellen) {
      if (rij.size() != t.wegen.size()) std::abort();
    }
    if (tarvo::MaximumZin(t).empty()) std::abort();
  }
  (void)tarvo::OnderzoekBijlage(*a, "blad.csv", catalogus, decimaal);
  // The reset worksheet as a road: a sheet that takes it must read again.
  static const tarvo::Invoer komma = Weg(','), punt = Weg('.');
  const auto nieuw = tarvo::VoegWegToe(tekst, decimaal == ',' ? komma : punt, decimaal);
  if (nieuw && !tarvo::OnderzoekVan(*nieuw, catalogus, {2020, 1, 1}, decimaal)->fout.empty()) std::abort();
  return 0;
}
