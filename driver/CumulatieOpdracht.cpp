#include "driver/CumulatieOpdracht.h"

#include <algorithm>
#include <ostream>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "driver/Rekenen.h"
#include "files/WerkbladBestand.h"
#include "tools/Hoogten.h"

namespace tarvo {
namespace {

// `genoemd`: the reader's refusal names the file already.
Uitkomst<CumulatieBron> Bron(const Uitkomst<Invoer>& gelezen, bool genoemd, const std::string& naam,
                             const Catalogus& catalogus, Datum vandaag, char decimaal) {
  if (!gelezen) {
    if (genoemd && gelezen.Nummer() != kFoutOudeVersie) return gelezen.Reden();
    return Fout{"Rekenblad " + naam + ": " + gelezen.Melding()};
  }
  return BronVanWerkblad(WerkbladVan(*gelezen, decimaal), naam, catalogus, vandaag, decimaal);
}

// The distinct texts of `waarde` over the list, in their order.
template <typename F>
std::vector<std::string> Verschillend(const std::vector<CumulatieBron>& bronnen, F waarde) {
  std::vector<std::string> t;
  for (const CumulatieBron& b : bronnen) {
    std::string w = waarde(b);
    if (std::find(t.begin(), t.end(), w) == t.end()) t.push_back(std::move(w));
  }
  return t;
}

std::string Lijst(const std::vector<std::string>& t) {
  std::string s;
  for (const std::string& w : t) s += (s.empty() ? "" : ", ") + w;
  return s;
}

// Every worksheet at one height, as its own calculation would give it there.
Uitkomst<std::vector<CumulatieBron>> OpHoogte(const std::vector<CumulatieBron>& bronnen, double hoogte,
                                              const Catalogus& catalogus, Datum vandaag) {
  std::vector<CumulatieBron> op;
  for (const CumulatieBron& b : bronnen) {
    auto r = BerekenHoogte(b.invoer, hoogte, {}, catalogus, vandaag);
    if (!r) return Fout{"Rekenblad " + b.naam + ": " + r.Melding()};
    op.push_back(BronVan(r->invoer, r->resultaten, b.naam));
  }
  return op;
}

// Each worksheet takes every height, or the first it cannot take is named with it.
Uitkomst<std::vector<double>> Hoogten(const std::vector<CumulatieBron>& bronnen, std::string_view lijst,
                                      char decimaal) {
  auto hoogten = LeesHoogtenLijst(lijst, 0, decimaal);
  if (!hoogten) return hoogten.Reden();
  for (const CumulatieBron& b : bronnen) {
    if (auto eigen = LeesHoogtenLijst(lijst, b.invoer.Wegdekhoogte(), decimaal); !eigen) {
      return Fout{"Rekenblad " + b.naam + ": " + eigen.Melding()};
    }
  }
  return hoogten;
}

}  // namespace

// Two entries are the same worksheet when they would be saved as the same file.
CumulatieBron BronVanBerekend(const Invoer& invoer, const Resultaten& resultaten, const std::string& naam) {
  CumulatieBron bron = BronVan(invoer, resultaten, naam);
  const auto bytes = CodeerWerkblad(invoer);
  bron.sleutel.assign(bytes.begin(), bytes.end());
  return bron;
}

Uitkomst<CumulatieBron> BronVanWerkblad(const Werkblad& werkblad, const std::string& naam, const Catalogus& catalogus,
                                        Datum vandaag, char decimaal) {
  Rekening r = Reken(werkblad, catalogus, vandaag, decimaal);
  // The check's own words do not say which worksheet they are about.
  if (!r.Gelukt()) return Fout{"Rekenblad " + naam + ": " + r.Weigering()};
  return BronVanBerekend(*r.controle.invoer, *r.resultaten, naam);
}

Uitkomst<CumulatieBron> BronVanBytes(std::span<const std::uint8_t> bytes, const std::string& naam,
                                     const Catalogus& catalogus, Datum vandaag, char decimaal) {
  return Bron(DecodeerWerkblad(bytes), false, naam, catalogus, vandaag, decimaal);
}

Uitkomst<CumulatieBron> BerekenBron(const std::filesystem::path& pad, const std::string& naam,
                                    const Catalogus& catalogus, Datum vandaag, char decimaal) {
  return Bron(LeesWerkbladBestand(pad), true, naam, catalogus, vandaag, decimaal);
}

Uitkomst<void> VoegBronToe(std::vector<CumulatieBron>& bronnen, CumulatieBron bron) {
  const auto zelfde = std::find_if(bronnen.begin(), bronnen.end(),
                                   [&bron](const CumulatieBron& b) { return b.sleutel == bron.sleutel; });
  if (zelfde != bronnen.end()) {
    const std::string als = zelfde->naam == bron.naam ? "" : " is hetzelfde rekenblad als " + zelfde->naam + " en";
    return Fout{"Rekenblad " + bron.naam + als + " staat al in de cumulatie: een rekenblad telt maar een keer mee."};
  }
  bronnen.push_back(std::move(bron));
  return {};
}

CumulatieAntwoord Cumulatie(const std::vector<CumulatieBron>& bronnen, char decimaal) {
  CumulatieAntwoord a;
  const auto getal = [decimaal](double x) { return Formatteer(x, "##0.00", decimaal); };
  for (const CumulatieBron& b : bronnen) {
    a.rijen.push_back({b.naam, b.waarneempunt, b.weg, getal(b.hoogte), getal(b.lden), getal(b.lnight)});
  }
  const CumulatieTotaal totaal = Cumuleer(bronnen);
  a.totaal = {std::string(kCumulatiefNaam), {}, {}, {}, getal(totaal.lden), getal(totaal.lnight)};
  const auto punten = Verschillend(bronnen, [](const CumulatieBron& b) { return b.waarneempunt; });
  const auto hoogten = Verschillend(bronnen, [&getal](const CumulatieBron& b) { return getal(b.hoogte) + " m"; });
  std::vector<std::string> verschil;
  if (punten.size() > 1) verschil.push_back("waarneempunten (" + Lijst(punten) + ")");
  if (hoogten.size() > 1) verschil.push_back("waarneemhoogten (" + Lijst(hoogten) + ")");
  if (!verschil.empty()) {
    a.waarschuwing = "Let op: de cumulatie telt rekenbladen met verschillende " + Lijst(verschil) +
                     " op, alsof het wegen bij hetzelfde punt zijn.";
  }
  a.csv = CumulatieTabel(bronnen, decimaal, true, "\r\n");
  return a;
}

Uitkomst<CumulatieHoogten> CumulatieOpHoogten(const std::vector<CumulatieBron>& bronnen, std::string_view lijst,
                                              const Catalogus& catalogus, Datum vandaag, char decimaal) {
  CumulatieHoogten c;
  if (BijgesnedenDeel(lijst).empty()) {
    c.hoogten.push_back(Cumulatie(bronnen, decimaal));
    c.csv = c.hoogten.back().csv;
    return c;
  }
  auto hoogten = Hoogten(bronnen, lijst, decimaal);
  if (!hoogten) return hoogten.Reden();
  c.csv =
      "rekenblad;waarneempunt;weg;hoogte (m);Lden zonder aftrek art. 110g Wgh (dB);Lnight zonder aftrek art. 110g "
      "Wgh (dB)\r\n";
  for (double h : *hoogten) {
    auto op = OpHoogte(bronnen, h, catalogus, vandaag);
    if (!op) return op.Reden();
    CumulatieAntwoord a = Cumulatie(*op, decimaal);
    a.totaal.hoogte = Formatteer(h, "##0.00", decimaal);
    const auto regel = [&c](const CumulatieAntwoord::Rij& r) {
      c.csv += CsvTekst(r.naam) + ";" + CsvTekst(r.waarneempunt) + ";" + CsvTekst(r.weg) + ";" + r.hoogte + ";" +
               r.lden + ";" + r.lnight + "\r\n";
    };
    for (const CumulatieAntwoord::Rij& r : a.rijen) regel(r);
    regel(a.totaal);
    c.hoogten.push_back(std::move(a));
  }
  return c;
}

Uitkomst<void> CumulatieOpdracht(const std::vector<std::string>& bestanden, const OpdrachtInstellingen& inst,
                                 std::ostream& uit, std::ostream& fout) {
  auto catalogus = LaadCatalogus(inst);
  if (!catalogus) return catalogus.Reden();
  std::vector<CumulatieBron> bronnen;
  for (const std::string& bestand : bestanden) {
    auto bron = BerekenBron(bestand, bestand, *catalogus, inst.vandaag, inst.decimaal);
    if (!bron) return bron.Reden();
    if (auto toegevoegd = VoegBronToe(bronnen, std::move(*bron)); !toegevoegd) return toegevoegd.Reden();
  }
  if (const std::string w = Cumulatie(bronnen, inst.decimaal).waarschuwing; !w.empty()) {
    fout << "tarvo-reken: " << w << "\n";
  }
  uit << CumulatieTabel(bronnen, inst.decimaal, false, "\n");
  return {};
}

}  // namespace tarvo
