#include "driver/Rekenblad.h"

#include "report/Rapport.h"

namespace tarvo {

std::string ResultaatLabel(double niveau, int aftrek110g, std::string_view eenheid, char decimaal) {
  int breedte = 5;
  return FormatKolom(EindNiveau(niveau, aftrek110g), breedte, "##0.0", decimaal) + std::string(eenheid);
}

std::string AftrekRegel(const Werkblad& ws) {
  const bool verlaagd = ws.Letmaal != 0 || ws.Lden != 0 || ws.Lnight != 0;
  if (ws.Aftrek110g == 0 || !verlaagd) return {};
  return "inclusief " + std::to_string(ws.Aftrek110g) + " dB aftrek art. 110g Wgh";
}

Uitkomst<ResultaatTeksten> Reken(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus, Datum vandaag) {
  if (auto berekend = RekenBruikbaar(ws, venster, catalogus, vandaag); !berekend) return berekend.Reden();
  AfdrukBestand(ws, venster, catalogus);

  return ResultaatTeksten{ResultaatLabel(ws.Letmaal, ws.Aftrek110g, " dB(A)", ws.Decimaal),
          ResultaatLabel(ws.Lden, ws.Aftrek110g, " dB", ws.Decimaal),
          ResultaatLabel(ws.Lnight, ws.Aftrek110g, " dB", ws.Decimaal), AftrekRegel(ws)};
}

}  // namespace tarvo
