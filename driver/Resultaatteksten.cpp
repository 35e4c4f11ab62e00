#include "driver/Resultaatteksten.h"

#include "base/Getal.h"
#include "calc/Bereken.h"
#include "report/Rapport.h"

namespace tarvo {

std::string ResultaatLabel(double niveau, int aftrek110g, std::string_view eenheid, char decimaal) {
  int breedte = 5;
  return KolomTekst(EindNiveau(niveau, aftrek110g), breedte, "##0.0", decimaal) + std::string(eenheid);
}

std::string AftrekRegel(const Resultaten& r) {
  const bool verlaagd = r.Letmaal != 0 || r.Lden != 0 || r.Lnight != 0;
  if (r.Aftrek110g == 0 || !verlaagd) return {};
  return "inclusief " + std::to_string(r.Aftrek110g) + " dB aftrek art. 110g Wgh";
}

ResultaatTeksten LabelTeksten(const Resultaten& r, char decimaal) {
  return {ResultaatLabel(r.Letmaal, r.Aftrek110g, " dB(A)", decimaal),
          ResultaatLabel(r.Lden, r.Aftrek110g, " dB", decimaal),
          ResultaatLabel(r.Lnight, r.Aftrek110g, " dB", decimaal), AftrekRegel(r)};
}

namespace {

std::array<std::pair<int, std::string>, 2 * kAantalPeriodes> Afgeleid(const PerPeriode& totaal,
                                                                      const PerPeriode& vracht, char decimaal) {
  std::array<std::pair<int, std::string>, 2 * kAantalPeriodes> t;
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    const auto i = static_cast<std::size_t>(p);
    t[2 * (i - 1)] = {VrachtVeld(p), Formatteer(vracht[i], "#0.00", decimaal)};
    t[2 * (i - 1) + 1] = {TotaalVeld(p), Formatteer(totaal[i], "##0.00", decimaal)};
  }
  return t;
}

}  // namespace

std::array<std::pair<int, std::string>, 2 * kAantalPeriodes> AfgeleideTeksten(const Resultaten& r, char decimaal) {
  return Afgeleid(r.Qtotaal, r.Vrachtverkeer, decimaal);
}

std::array<std::pair<int, std::string>, 2 * kAantalPeriodes> AfgeleideTeksten(const Invoer& in, char decimaal) {
  PerPeriode totaal{}, vracht{};
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    totaal[static_cast<std::size_t>(p)] = in.getal[static_cast<std::size_t>(TotaalVeld(p))];
    vracht[static_cast<std::size_t>(p)] = in.getal[static_cast<std::size_t>(VrachtVeld(p))];
  }
  return Afgeleid(totaal, vracht, decimaal);
}

}  // namespace tarvo
