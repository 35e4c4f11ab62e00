#include "driver/ToetsingOpdracht.h"

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Velden.h"
#include "tools/Afstand.h"

namespace tarvo {
namespace {

// The cells of HoogteCellen before the contours, under these headings.
constexpr std::array<std::string_view, 6> kKoppen = {
    "hoogte\n(m)", "Lden\n(dB)", "Lnight\n(dB)", "aftrek\n(dB)", "Lden na\naftrek (dB)", "geluids-\nbelasting (dB)"};
constexpr std::string_view kGeluidsbelastingUitleg =
    "Lden na aftrek afgerond op hele decibel, een half naar het even getal (RMG 2012 art. 1.3)";

std::vector<ToetsingKolom> Kolommen(const std::vector<double>& grenzen, char dec) {
  std::vector<ToetsingKolom> k;
  for (std::string_view kop : kKoppen) k.push_back({std::string(kop), {}});
  k.back().uitleg = std::string(kGeluidsbelastingUitleg);
  k.push_back({"toetsing", {}});
  const std::string zoekTot = Formatteer(kAfstandZoekTot, "##0", dec);
  for (double g : grenzen) {
    k.push_back({"afstand " + VolledigeTekst(g, dec) + "\ndB (m)", "Kleinste horizontale afstand (1 tot " + zoekTot +
                                                                       " m) waarop de geluidsbelasting ten hoogste " +
                                                                       VolledigeTekst(g, dec) + " dB is"});
  }
  return k;
}

// A contour at the first distance searched is no contour: the limit is never exceeded.
ToetsingCel ContourCel(const std::optional<double>& afstand, double grens, char dec) {
  const std::string g = VolledigeTekst(grens, dec);
  const std::string zoekTot = Formatteer(kAfstandZoekTot, "##0", dec);
  const double eerste = static_cast<double>(kAfstandRasterVan) / kAfstandRasterPerMeter;
  if (!afstand) {
    return {{},
            "Niet gehaald binnen " + zoekTot + " m: op " + zoekTot + " m is de geluidsbelasting nog hoger dan " + g +
                " dB"};
  }
  if (*afstand <= eerste) {
    return {"nergens boven " + g + " dB",
            "Vanaf " + Formatteer(eerste, "##0.00", dec) + " m is de geluidsbelasting nergens hoger dan " + g + " dB"};
  }
  return {Formatteer(*afstand, "##0.00", dec), {}};
}

ToetsingRij Rij(const HoogteResultaat& h, const std::vector<double>& grenzen, const Maximum& maximum, char dec) {
  ToetsingRij rij;
  const std::vector<std::string> cellen = HoogteCellen(h, dec);
  for (std::size_t c = 0; c < kKoppen.size(); ++c) rij.cellen.push_back({cellen[c], {}});
  const Toetsresultaat toets = Toets(h.geluidsbelasting, maximum, h.invoer.zone);
  rij.uitkomst = toets.uitkomst;
  rij.cellen.push_back({toets.tekst, toets.tekst});
  for (std::size_t g = 0; g < grenzen.size(); ++g) rij.cellen.push_back(ContourCel(h.contour[g], grenzen[g], dec));
  return rij;
}

}  // namespace

HoogtenAntwoord RekenHoogten(const Werkblad& werkblad, const std::optional<std::string>& hoogten,
                             const std::vector<double>& grenzen, const Catalogus& catalogus, Datum vandaag,
                             char decimaal) {
  HoogtenAntwoord a;
  a.rekening = Reken(werkblad, catalogus, vandaag, decimaal);
  if (!a.rekening.Gelukt()) return a;
  const Invoer& invoer = *a.rekening.controle.invoer;
  std::vector<double> lijst = {invoer.Waarneemhoogte()};
  if (hoogten) {
    auto gelezen = LeesHoogtenLijst(*hoogten, invoer.Wegdekhoogte(), decimaal);
    if (!gelezen) {
      a.hoogtenFout = gelezen.Melding();
      return a;
    }
    lijst = std::move(*gelezen);
  }
  auto berekend = BerekenHoogten(invoer, lijst, grenzen, catalogus, vandaag);
  if (!berekend) {
    a.fout = berekend.Melding();
    return a;
  }
  a.hoogten = std::move(*berekend);
  return a;
}

std::vector<std::string> SituatieKeuzes() {
  std::vector<std::string> keuzes;
  for (const Situatie& s : kSituaties) {
    keuzes.push_back(std::string(s.naam) + " (ten hoogste " + std::to_string(s.maximum) + " dB, " +
                     std::string(s.artikel) + ")");
  }
  keuzes.push_back("zelf kiezen");
  return keuzes;
}

Maximum GekozenMaximum(const ToetsingKeuze& keuze) {
  if (keuze.situatie < kSituaties.size()) return MaximumVan(kSituaties[keuze.situatie]);
  return EigenMaximum(keuze.eigenMaximum);
}

ToetsingAntwoord Toetsing(const Werkblad& werkblad, const ToetsingKeuze& keuze, const Catalogus& catalogus,
                          Datum vandaag, char decimaal) {
  ToetsingAntwoord a;
  a.maximum = GekozenMaximum(keuze);
  auto grenzen = ContourGrenzen(a.maximum, keuze.grenzen);
  const std::string eigen = Bijgesneden(werkblad.veld[veld::kWaarneemhoogte]);
  HoogtenAntwoord h = RekenHoogten(werkblad, keuze.hoogten.value_or(eigen), grenzen ? *grenzen : std::vector<double>{},
                                   catalogus, vandaag, decimaal);
  // In the order the user meets them: the worksheet, the heights, the limits.
  if (!h.rekening.Gelukt())
    a.melding = "Rekenblad: " + h.rekening.Weigering();
  else if (!h.hoogtenFout.empty())
    a.melding = h.hoogtenFout;
  else if (!grenzen)
    a.melding = grenzen.Melding();
  else if (!h.fout.empty())
    a.melding = "Rekenblad: " + h.fout;
  if (!a.melding.empty()) return a;
  a.hoogten = std::move(h.hoogten);
  a.grenzen = std::move(*grenzen);
  a.kolommen = Kolommen(a.grenzen, decimaal);
  for (const HoogteResultaat& r : a.hoogten) a.rijen.push_back(Rij(r, a.grenzen, a.maximum, decimaal));
  return a;
}

BijlageTabel ToetsingBijlage(const ToetsingAntwoord& toetsing, std::string_view naam, const Catalogus& catalogus,
                             char decimaal) {
  std::vector<BijlageRegel> regels;
  for (const HoogteResultaat& h : toetsing.hoogten) regels.push_back({std::string(naam), h});
  return MaakBijlage(regels, toetsing.grenzen, catalogus, decimaal);
}

std::string BijlageBestand(const BijlageTabel& tabel) { return std::string(kBom) + BijlageCsv(tabel, "\r\n"); }

std::string BijlageKop(const BijlageTabel& tabel) {
  return std::string(kBijlageTitel) + " – " + BijlageRekenbladen(tabel);
}

std::string ToetsingTitel(std::string_view naam) { return "Toetsing – " + std::string(naam); }

std::string HoogtenUitleg() { return "Waarneemhoogten in meters, gescheiden door ';', bijvoorbeeld 1,5; 4,5; 7,5"; }

std::string GrenzenUitleg() {
  return "Afstanden worden altijd gezocht voor " + std::to_string(kVoorkeursgrenswaarde) +
         " dB en het maximum; hier meer grenswaarden, gescheiden door ';'";
}

}  // namespace tarvo
