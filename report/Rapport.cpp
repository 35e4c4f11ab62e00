#include "report/Rapport.h"

#include <algorithm>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Bereken.h"
#include "calc/Velden.h"

namespace tarvo {
namespace {

constexpr std::string_view kKolomKop = "DAG   AVOND   NACHT";
constexpr std::size_t kKolomKopInspringing = 38;
constexpr std::size_t kDlInspringing = 33;
constexpr std::string_view kInspringing = "  ";

// KolomTekst for callers that need not see the widened width.
std::string Kolom(double waarde, int breedte, std::string_view patroon, char decimaal) {
  return KolomTekst(waarde, breedte, patroon, decimaal);
}

std::string PeriodeRegel(std::string_view label, const PerPeriode& v, std::string_view eenheid, char dec) {
  std::string s(label);
  for (std::size_t p = 1; p <= 3; ++p) s += Kolom(v[p], 8, "##0.00", dec);
  s += eenheid;
  return s;
}

// One value under all three periods.
std::string DrieMaalRegel(std::string_view label, double v, std::string_view eenheid, char dec) {
  return PeriodeRegel(label, PerPeriode{0, v, v, v}, eenheid, dec);
}

std::string EnkeleRegel(std::string_view label, double v, std::string_view patroon, std::string_view eenheid,
                        char dec) {
  return std::string(label) + Kolom(v, 8, patroon, dec) + std::string(eenheid);
}

std::string Snelheid(double v, char dec) { return " mvt/h, v=" + Kolom(v, 4, "##0", dec) + " km/h"; }

std::string DlRegel(std::string_view cat, double dl, double b, char dec) {
  return "(DL," + std::string(cat) + " = " + Kolom(dl, 5, "##0.00", dec) + "; b," + std::string(cat) + " = " +
         Kolom(b, 5, "##0.00", dec) + ")";
}

// "Waarneemhoogte      hw       : ": a name in 20 characters, a symbol in 9.
std::string Label(std::string_view naam, std::string_view symbool) {
  return VastBreed(naam, 20) + VastBreed(symbool, 9) + ": ";
}

// The fields with a line of their own, in the report's order.
const std::vector<const VeldInfo*>& RapportVelden() {
  static const std::vector<const VeldInfo*> velden = [] {
    std::vector<const VeldInfo*> v;
    for (int k = 0; k < kAantalVelden; ++k) {
      if (Veld(k).rapport.volgorde > 0) v.push_back(&Veld(k));
    }
    std::stable_sort(v.begin(), v.end(),
                     [](const VeldInfo* a, const VeldInfo* b) { return a->rapport.volgorde < b->rapport.volgorde; });
    return v;
  }();
  return velden;
}

std::string KolomKop() { return Blanks(kKolomKopInspringing) + std::string(kKolomKop); }

void VoegToe(std::string& blok, std::string_view regel) {
  blok += regel;
  blok += CrLf;
}

void VoegToe(std::string& blok, const std::vector<RapportRegel>& regels) {
  for (const RapportRegel& r : regels) {
    if (r.tekst.empty()) {
      blok += CrLf;
      continue;
    }
    blok += r.dlRegel ? Blanks(kDlInspringing) : std::string(kInspringing);
    VoegToe(blok, r.tekst);
  }
}

}  // namespace

std::string KolomTekst(double waarde, int& breedte, std::string_view patroon, char decimaal) {
  const std::string s = Formatteer(waarde, patroon, decimaal);
  const int lengte = static_cast<int>(AantalTekens(s));
  if (lengte > breedte) breedte = lengte;
  return Blanks(static_cast<std::size_t>(breedte - lengte)) + s;
}

std::string_view Milieukwaliteit(double lden, int aftrek110g) {
  const double x = lden - aftrek110g;
  // 65.49 and 55.49, not 65.5 and 55.5: the published bounds.
  if (x > 70.5) return "Zeer slecht";
  if (x > 65.49) return "Slecht";
  if (x > 60.5) return "Tamelijk slecht";
  if (x > 55.49) return "Matig";
  if (x > 50.5) return "Redelijk";
  return "Goed";
}

std::string GebruikerRegel(const Catalogus& catalogus) {
  return Hoofdletters(VastBreed(ZonderStuurtekens(catalogus.Gebruikersnaam), kNaamLengte));
}

std::vector<RapportRegel> InvoerRegels(const Invoer& in, const Resultaten& r, const Catalogus& catalogus, char dec) {
  std::vector<RapportRegel> regels;
  auto regel = [&](std::string tekst, bool dl = false) { regels.push_back({std::move(tekst), dl}); };

  for (int c = 0; c < kAantalCategorieen; ++c) {
    const std::string symbool = "Q" + std::string(kCategorieen[static_cast<std::size_t>(c)].symbool);
    const PerPeriode q{0, in.Intensiteit(c, 1), in.Intensiteit(c, 2), in.Intensiteit(c, 3)};
    regel(PeriodeRegel(Label(c == 0 ? "Intensiteit" : "", symbool), q, Snelheid(in.Snelheid(c), dec), dec));
  }
  regel(PeriodeRegel(Label("", "Qtotaal"), r.Qtotaal, " mvt/h", dec));
  regel(PeriodeRegel(Label("Vrachtverkeer", "p"), r.Vrachtverkeer, " %", dec));
  for (const VeldInfo* v : RapportVelden()) {
    const RapportPlaats& p = v->rapport;
    regel(
        EnkeleRegel(Label(p.naam, p.symbool), in.getal[static_cast<std::size_t>(v->index)], p.patroon, p.eenheid, dec));
    // The slant distance follows the horizontal one it is derived from.
    if (v->index == veld::kAfstandHor) {
      regel(EnkeleRegel(Label("Afstand (schuin)", "r"), r.AfstandSchuin, "##0.00", " m", dec));
    }
  }

  // Name and coefficients from one position, the one the calculation used.
  const auto positie = static_cast<std::size_t>(Catalogus::GeldigePositie(in.wegdek));
  regel("type wegdek                  : " + VastBreed(ZonderStuurtekens(catalogus.WegdekNamen[positie]), kNaamLengte));
  const Wegdek& w = catalogus.Op(in.wegdek);
  regel(DlRegel("lv", w.DL_lv, w.b_lv, dec), true);
  regel(DlRegel("mv", w.DL_mv, w.b_mv, dec), true);
  regel(DlRegel("zv", w.DL_zv, w.b_zv, dec), true);

  const int tram = categorie::kTram;
  if (in.Intensiteit(tram, 1) > 0 || in.Intensiteit(tram, 2) > 0 || in.Intensiteit(tram, 3) > 0) {
    // A position from a foreign worksheet file names no option: no caption.
    const int rail = in.rail;
    const std::string_view optie = rail >= 0 && rail < static_cast<int>(kRailConstructies.size())
                                       ? kRailConstructies[static_cast<std::size_t>(rail)]
                                       : "";
    regel("railconstructie trambaan     : " + std::string(optie));
  }
  return regels;
}

std::vector<RapportRegel> ResultaatRegels(const Invoer& in, const Resultaten& r, char dec) {
  const std::string dBA = " dB(A)";
  PerPeriode etmaal{};
  for (std::size_t p = 1; p <= 3; ++p) etmaal[p] = kEtmaalcorrectie[p];

  std::vector<RapportRegel> regels;
  auto regel = [&](std::string tekst) { regels.push_back({std::move(tekst), false}); };
  regel(PeriodeRegel("Emissiegetal        E        : ", r.EmissieGetal, dBA, dec));
  regel(PeriodeRegel("Wegdekcorrectie     Cwegdek  : ", r.Cwegdek, r.Art35Vlag ? dBA + " *+aftrek ex art. 3.5" : dBA,
                     dec));
  regel(PeriodeRegel("Optrekcorrectie     Coptrek  : ", r.Coptrek, in.zone ? dBA + " *CROW-infoblad 965" : dBA, dec));
  regel(DrieMaalRegel("Reflectieterm       Crefl    : ", r.Crefl, dBA, dec));
  regel(DrieMaalRegel("Dempingsterm        Dafstand : ", r.Dafstand, dBA, dec));
  regel(DrieMaalRegel("Dempingsterm        Dlucht   : ", r.Dlucht, dBA, dec));
  regel(DrieMaalRegel("Dempingsterm        Dbodem   : ", r.Dbodem, dBA, dec));
  regel(DrieMaalRegel("Dempingsterm        Dmeteo   : ", r.Dmeteo, dBA, dec));
  regel(DrieMaalRegel("Zichthoekcorrectie           : ", r.Czichthoek, dBA, dec));
  regel("");
  regel(PeriodeRegel("LAeq                         : ", r.LAeq, dBA, dec));
  regel(PeriodeRegel("Etmaalcorrectie              : ", etmaal, dBA, dec));
  regel(PeriodeRegel("LAeq,etm                     : ", r.LAeqEtm, dBA, dec));
  regel(DrieMaalRegel("Aftrek art. 110g Wgh         : ", r.Aftrek110g, dBA, dec));
  return regels;
}

std::vector<RapportRegel> EindRegels(const Resultaten& r, char dec) {
  const int aftrek = r.Aftrek110g;
  return {
      {EnkeleRegel("Letmaal                      : ", EindNiveau(r.Letmaal, aftrek), "##0.0", " dB(A)", dec), false},
      {EnkeleRegel("Lden                         : ", EindNiveau(r.Lden, aftrek), "##0.0", " dB", dec), false},
      {EnkeleRegel("Lnight                       : ", EindNiveau(r.Lnight, aftrek), "##0.0", " dB", dec), false},
      {std::string(kMilieukwaliteitLabel) + std::string(Milieukwaliteit(r.Lden, aftrek)), false},
  };
}

std::array<std::string, kRapportDelen> RapportDelen(const Invoer& in, const Resultaten& r, const Catalogus& catalogus,
                                                    char dec) {
  std::array<std::string, kRapportDelen> d;
  VoegToe(d[0], GebruikerRegel(catalogus));
  VoegToe(d[0], kRapportTitel);
  VoegToe(d[0], "");
  VoegToe(d[0], "");

  VoegToe(d[1], std::string(kWaarneempuntLabel) + ZonderStuurtekens(in.waarneempunt));
  VoegToe(d[1], std::string(kWegLabel) + ZonderStuurtekens(in.weg));
  VoegToe(d[1], "");
  VoegToe(d[1], "");

  VoegToe(d[2], kKopInvoer);

  VoegToe(d[3], KolomKop());
  VoegToe(d[3], InvoerRegels(in, r, catalogus, dec));
  VoegToe(d[3], "");

  VoegToe(d[4], kKopResultaten);

  VoegToe(d[5], KolomKop());
  VoegToe(d[5], ResultaatRegels(in, r, dec));

  VoegToe(d[6], "");
  VoegToe(d[6], EindRegels(r, dec));
  VoegToe(d[6], "");

  VoegToe(d[7], kKopToelichting);

  for (const std::string& regel : in.toelichting)
    VoegToe(d[8], VastBreed(ZonderStuurtekens(regel), kToelichtingLengte));
  return d;
}

std::string RapportTekst(const Invoer& in, const Resultaten& r, const Catalogus& catalogus, char dec) {
  std::string t;
  for (const std::string& deel : RapportDelen(in, r, catalogus, dec)) t += deel;
  return t;
}

}  // namespace tarvo
