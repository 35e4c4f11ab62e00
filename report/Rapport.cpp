#include "report/Rapport.h"

#include <algorithm>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Reken.h"

namespace tarvo {
namespace {

constexpr std::string_view kKolomKop = "DAG   AVOND   NACHT";
constexpr std::size_t kKolomKopInspringing = 38;
constexpr std::size_t kDlInspringing = 33;
constexpr std::string_view kInspringing = "  ";

// FormatKolom for callers that need not see the widened width.
std::string Kolom(double waarde, int breedte, std::string_view patroon, char decimaal) {
  return FormatKolom(waarde, breedte, patroon, decimaal);
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

std::string FormatKolom(double waarde, int& breedte, std::string_view patroon, char decimaal) {
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
  return Hoofdletters(VastBreed(catalogus.Gebruikersnaam, kNaamLengte));
}

std::vector<RapportRegel> InvoerRegels(const Werkblad& ws, const Catalogus& catalogus) {
  const char dec = ws.Decimaal;
  std::vector<RapportRegel> r;
  auto regel = [&](std::string tekst, bool dl = false) { r.push_back({std::move(tekst), dl}); };

  regel(PeriodeRegel("Intensiteit         Qlv      : ", ws.Qlv, Snelheid(ws.Vlv, dec), dec));
  regel(PeriodeRegel("                    Qmv      : ", ws.Qmv, Snelheid(ws.Vmv, dec), dec));
  regel(PeriodeRegel("                    Qzv      : ", ws.Qzv, Snelheid(ws.Vzv, dec), dec));
  regel(PeriodeRegel("                    Qmr      : ", ws.Qmr, Snelheid(ws.Vmr, dec), dec));
  regel(PeriodeRegel("                    Qbromf   : ", ws.Qbromf, Snelheid(ws.Vbromf, dec), dec));
  regel(PeriodeRegel("                    Qtram    : ", ws.Qtram, Snelheid(ws.Vtram, dec), dec));
  regel(PeriodeRegel("                    Qtotaal  : ", ws.Qtotaal, " mvt/h", dec));
  regel(PeriodeRegel("Vrachtverkeer       p        : ", ws.Vrachtverkeer, " %", dec));
  regel(EnkeleRegel("Waarneemhoogte      hw       : ", ws.Waarneemhoogte, "##0.00", " m", dec));
  regel(EnkeleRegel("Wegdekhoogte        hweg     : ", ws.Wegdekhoogte, "##0.00", " m", dec));
  regel(EnkeleRegel("Afstand (hor.)      d        : ", ws.AfstandHor, "##0.00", " m", dec));
  regel(EnkeleRegel("Afstand (schuin)    r        : ", ws.AfstandSchuin, "##0.00", " m", dec));
  regel(EnkeleRegel("Afstand kruising    a        : ", ws.AfstandKruising, "##0.00", " m", dec));
  regel(EnkeleRegel("Afstand obstakel    a        : ", ws.AfstandObstakel, "##0.00", " m", dec));
  regel(EnkeleRegel("Bodemfactor         B        : ", ws.Bodemfactor, "##0.00", " -", dec));
  regel(EnkeleRegel("Objectfractie       Fobj     : ", ws.Objectfractie, "##0.00", " -", dec));
  regel(EnkeleRegel("Zichthoek                    : ", ws.Zichthoek, "##0", " grd", dec));

  // Name and coefficients from one position, the one the calculation used.
  const auto positie = static_cast<std::size_t>(Catalogus::GeldigePositie(ws.WegdekKeuze));
  regel("type wegdek                  : " + VastBreed(catalogus.WegdekNamen[positie], kNaamLengte));
  const Wegdek& w = catalogus.Op(ws.WegdekKeuze);
  regel(DlRegel("lv", w.DL_lv, w.b_lv, dec), true);
  regel(DlRegel("mv", w.DL_mv, w.b_mv, dec), true);
  regel(DlRegel("zv", w.DL_zv, w.b_zv, dec), true);

  if (ws.Qtram[1] > 0 || ws.Qtram[2] > 0 || ws.Qtram[3] > 0) {
    // A position from a foreign worksheet file names no option: no caption.
    const int rail = ws.RailConstructie;
    const std::string_view optie =
        rail >= 0 && rail < static_cast<int>(kRailConstructies.size()) ? kRailConstructies[static_cast<std::size_t>(rail)]
                                                                        : "";
    regel("railconstructie trambaan     : " + std::string(optie));
  }
  return r;
}

std::vector<RapportRegel> ResultaatRegels(const Werkblad& ws, bool zone30) {
  const char dec = ws.Decimaal;
  const std::string dBA = " dB(A)";
  PerPeriode etmaal{};
  for (std::size_t p = 1; p <= 3; ++p) etmaal[p] = ws.Etmaalcorrectie[p];

  std::vector<RapportRegel> r;
  auto regel = [&](std::string tekst) { r.push_back({std::move(tekst), false}); };
  regel(PeriodeRegel("Emissiegetal        E        : ", ws.EmissieGetal, dBA, dec));
  regel(PeriodeRegel("Wegdekcorrectie     Cwegdek  : ", ws.Cwegdek,
                     ws.Art35Vlag ? dBA + " *+aftrek ex art. 3.5" : dBA, dec));
  regel(PeriodeRegel("Optrekcorrectie     Coptrek  : ", ws.Coptrek, zone30 ? dBA + " *CROW-infoblad 965" : dBA, dec));
  regel(DrieMaalRegel("Reflectieterm       Crefl    : ", ws.Crefl, dBA, dec));
  regel(DrieMaalRegel("Dempingsterm        Dafstand : ", ws.Dafstand, dBA, dec));
  regel(DrieMaalRegel("Dempingsterm        Dlucht   : ", ws.Dlucht, dBA, dec));
  regel(DrieMaalRegel("Dempingsterm        Dbodem   : ", ws.Dbodem, dBA, dec));
  regel(DrieMaalRegel("Dempingsterm        Dmeteo   : ", ws.Dmeteo, dBA, dec));
  regel(DrieMaalRegel("Zichthoekcorrectie           : ", ws.Czichthoek, dBA, dec));
  regel("");
  regel(PeriodeRegel("LAeq                         : ", ws.LAeq, dBA, dec));
  regel(PeriodeRegel("Etmaalcorrectie              : ", etmaal, dBA, dec));
  regel(PeriodeRegel("LAeq,etm                     : ", ws.LAeqEtm, dBA, dec));
  regel(DrieMaalRegel("Aftrek art. 110g Wgh         : ", ws.Aftrek110g, dBA, dec));
  return r;
}

std::vector<RapportRegel> EindRegels(const Werkblad& ws) {
  const char dec = ws.Decimaal;
  const int aftrek = ws.Aftrek110g;
  return {
      {EnkeleRegel("Letmaal                      : ", EindNiveau(ws.Letmaal, aftrek), "##0.0", " dB(A)", dec), false},
      {EnkeleRegel("Lden                         : ", EindNiveau(ws.Lden, aftrek), "##0.0", " dB", dec), false},
      {EnkeleRegel("Lnight                       : ", EindNiveau(ws.Lnight, aftrek), "##0.0", " dB", dec), false},
      {std::string(kMilieukwaliteitLabel) + std::string(Milieukwaliteit(ws.Lden, aftrek)), false},
  };
}

void AfdrukBestand(Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus) {
  auto& b = ws.AfdrukRegels;
  for (std::string& blok : b) blok.clear();

  VoegToe(b[0], GebruikerRegel(catalogus));
  VoegToe(b[0], kRapportTitel);
  VoegToe(b[0], "");
  VoegToe(b[0], "");

  VoegToe(b[1], std::string(kWaarneempuntLabel) + venster.Invoer(0).Tekst());
  VoegToe(b[1], std::string(kWegLabel) + venster.Invoer(1).Tekst());
  VoegToe(b[1], "");
  VoegToe(b[1], "");

  VoegToe(b[2], kKopInvoer);

  VoegToe(b[3], KolomKop());
  VoegToe(b[3], InvoerRegels(ws, catalogus));
  VoegToe(b[3], "");

  VoegToe(b[4], kKopResultaten);

  VoegToe(b[5], KolomKop());
  VoegToe(b[5], ResultaatRegels(ws, venster.Zone().Waarde() == 1));

  VoegToe(b[6], "");
  VoegToe(b[6], EindRegels(ws));
  VoegToe(b[6], "");

  VoegToe(b[7], kKopToelichting);

  for (const std::string& t : ws.Toelichting) VoegToe(b[8], VastBreed(t, kToelichtingLengte));
}

std::string RapportTekst(const Werkblad& ws) {
  std::string tekst;
  for (const std::string& blok : ws.AfdrukRegels) tekst += blok;
  return tekst;
}

}  // namespace tarvo
