#include "driver/Rekenen.h"

#include <utility>

#include "calc/Bereken.h"

namespace tarvo {
namespace {

void BerekenNaControle(Rekening& r, const Catalogus& catalogus, Datum vandaag) {
  if (!r.controle) return;
  const Invoer& in = *r.controle.invoer;
  if (auto wegdek = ControleerWegdek(in, catalogus); !wegdek) {
    r.fout = wegdek.Melding();
    return;
  }
  r.resultaten = Bereken(in, catalogus, vandaag);
  if (!NiveausEindig(*r.resultaten)) r.fout = OneindigMelding(in, catalogus);
}

}  // namespace

std::string Rekening::Weigering() const {
  if (!controle) return WeigeringRegel(*controle.weigering);
  return fout;
}

void Reken(const WerkbladTeksten& teksten, const Catalogus& catalogus, Datum vandaag, Rekening& r) {
  ControleerGetallen(teksten, r.controle);
  r.resultaten.reset();
  r.fout.clear();
  BerekenNaControle(r, catalogus, vandaag);
}

Rekening Reken(const Werkblad& werkblad, const Catalogus& catalogus, Datum vandaag, char decimaal) {
  Rekening r{Controleer(werkblad, decimaal), std::nullopt, {}};
  BerekenNaControle(r, catalogus, vandaag);
  return r;
}

}  // namespace tarvo
