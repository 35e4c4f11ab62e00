#include "tools/Bijlage.h"

#include <algorithm>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Termen.h"
#include "calc/Velden.h"
#include "report/Rapport.h"

namespace tarvo {
namespace {

using Cel = std::function<std::string(const BijlageRegel&)>;

std::string JaNee(bool ja) { return ja ? "ja" : "nee"; }

// A term in period p (0: a term with one value), as a reader looks it up:
// "Elv dag: emissie lichte mvt. (dB(A))".
std::string TermLabel(const Term& t, int p) {
  std::string label(t.symbool);
  if (p > 0) label += " " + std::string(kPeriodeNamen[static_cast<std::size_t>(p - 1)]);
  return label + ": " + std::string(t.omschrijving) + " (" + std::string(t.eenheid) + ")";
}

// The rail construction by its name; a position a foreign file holds by its number.
std::string RailTekst(std::int16_t rail) {
  if (rail >= 0 && rail < static_cast<int>(kRailConstructies.size())) {
    return std::string(kRailConstructies[static_cast<std::size_t>(rail)]);
  }
  return std::to_string(rail);
}

// "DL_lv" as the report writes it: "DL,lv".
std::string CoefficientSymbool(std::string_view kolom) {
  std::string s(kolom);
  std::replace(s.begin(), s.end(), '_', ',');
  return s;
}

// The columns in order, each with the routine that gives its cell. The
// routines outlive this: they hold the decimal sign and the catalogue's
// address, never the builder.
class Opbouw {
 public:
  Opbouw(const Catalogus& catalogus, char decimaal) : catalogus_(&catalogus), dec_(decimaal) {}

  void Voeg(std::string naam, std::string label, Cel cel) {
    kolommen.push_back({std::move(naam), std::move(label)});
    cellen.push_back(std::move(cel));
  }
  void VoegInvoerToe(std::string naam, std::string label, std::function<std::string(const Invoer&)> f) {
    Voeg(std::move(naam), std::move(label), [f](const BijlageRegel& r) { return f(r.hoogte.invoer); });
  }

  // The worksheet: names, every number field with a batch column, road surface, switches and remarks.
  void VoegWerkbladToe() {
    Voeg("rekenblad", "rekenblad", [](const BijlageRegel& r) { return r.rekenblad; });
    VoegInvoerToe(std::string(Veld(veld::kWaarneempunt).batchKolom), VeldLabel(veld::kWaarneempunt),
                  [](const Invoer& in) { return Bijgesneden(in.waarneempunt); });
    VoegInvoerToe(std::string(Veld(veld::kWeg).batchKolom), VeldLabel(veld::kWeg),
                  [](const Invoer& in) { return Bijgesneden(in.weg); });
    for (int k = 0; k < kAantalVelden; ++k) {
      const VeldInfo& v = Veld(k);
      if (v.soort != VeldSoort::Getal || v.batchKolom.empty()) continue;
      VoegInvoerToe(std::string(v.batchKolom), VeldLabel(k), [dec = dec_, k, &v](const Invoer& in) {
        return Formatteer(in.getal[static_cast<std::size_t>(k)], v.overname.patroon, dec);
      });
    }
    const Catalogus* c = catalogus_;
    VoegInvoerToe("wegdek", "wegdek (nummer in de lijst)", [](const Invoer& in) { return std::to_string(in.wegdek); });
    VoegInvoerToe("wegdek_omschrijving", "wegdek (omschrijving)",
                  [c](const Invoer& in) { return Bijgesneden(c->Op(in.wegdek).Omschrijving); });
    for (int k = 1; k <= 6; ++k) {
      const std::string_view kolom = kWegdekKolommen[static_cast<std::size_t>(k)];
      VoegInvoerToe(
          std::string(kolom), "wegdek " + CoefficientSymbool(kolom) + " (dB)",
          [dec = dec_, k, c](const Invoer& in) { return Formatteer(c->Op(in.wegdek).Coefficient(k), "##0.00", dec); });
    }
    VoegInvoerToe("zone", "30 km-zone (optrekcorrectie CROW-infoblad 965)",
                  [](const Invoer& in) { return JaNee(in.zone); });
    VoegInvoerToe("aftrek", "aftrek art. 110g Wgh toepassen", [](const Invoer& in) { return JaNee(in.aftrek); });
    VoegInvoerToe("rail", "railconstructie trambaan", [](const Invoer& in) { return RailTekst(in.rail); });
    for (std::size_t i = 0; i < kAantalToelichtingen; ++i) {
      VoegInvoerToe("toelichting_" + std::to_string(i + 1), "toelichting regel " + std::to_string(i + 1),
                    [i](const Invoer& in) { return in.toelichting[i]; });
    }
  }

  // Every term of the catalogue, per period in three columns.
  void VoegTermenToe() {
    for (const Term& t : kTermen) {
      for (int p = t.Periodiek() ? 1 : 0; p <= (t.Periodiek() ? kAantalPeriodes : 0); ++p) {
        Voeg(p > 0 ? PeriodeKolom(t.naam, p) : std::string(t.naam), TermLabel(t, p),
             [dec = dec_, &t, p](const BijlageRegel& r) {
               return Formatteer(t.Waarde(r.hoogte.resultaten, p), t.patroon, dec);
             });
      }
    }
  }

  // What the law tests: the level after the deduction, rounded, in words, and the contours.
  void VoegToetsingToe(const std::vector<double>& grenzen, bool metToetsing) {
    Voeg("Lden_na_aftrek", "Lden na aftrek art. 110g Wgh (dB)",
         [dec = dec_](const BijlageRegel& r) { return Formatteer(r.hoogte.ldenNaAftrek, "##0.00", dec); });
    Voeg("geluidsbelasting", "geluidsbelasting: Lden na aftrek, afgerond (dB)",
         [dec = dec_](const BijlageRegel& r) { return Formatteer(r.hoogte.geluidsbelasting, "##0", dec); });
    Voeg("milieukwaliteit", "milieukwaliteit", [](const BijlageRegel& r) {
      return std::string(Milieukwaliteit(r.hoogte.resultaten.Lden, r.hoogte.resultaten.Aftrek110g));
    });
    for (std::size_t i = 0; i < grenzen.size(); ++i) {
      // The limit as given, so that 47,5 and 48 head columns of their own.
      const std::string grens = VolledigeTekst(grenzen[i], dec_);
      Voeg("afstand_" + grens + "dB", "afstand tot de contour van " + grens + " dB (m)",
           [dec = dec_, i](const BijlageRegel& r) {
             const auto& a = r.hoogte.contour.at(i);
             return a ? Formatteer(*a, "##0.00", dec) : std::string();
           });
    }
    if (!metToetsing) return;
    Voeg("situatie", "situatie van de toetsing", [](const BijlageRegel& r) { return r.situatie; });
    Voeg("uitkomst", "uitkomst van de toetsing", [](const BijlageRegel& r) { return r.uitkomst; });
  }

  std::vector<BijlageKolom> kolommen;
  std::vector<Cel> cellen;

 private:
  const Catalogus* catalogus_;
  char dec_;
};

}  // namespace

Bijlage::Bijlage(const std::vector<double>& grenzen, const Catalogus& catalogus, char decimaal, bool metToetsing) {
  Opbouw o(catalogus, decimaal);
  o.VoegWerkbladToe();
  o.VoegTermenToe();
  o.VoegToetsingToe(grenzen, metToetsing);
  kolommen_ = std::move(o.kolommen);
  cellen_ = std::move(o.cellen);
}

std::vector<std::string> Bijlage::Cellen(const BijlageRegel& regel) const {
  std::vector<std::string> cellen;
  cellen.reserve(cellen_.size());
  for (const Cel& cel : cellen_) cellen.push_back(cel(regel));
  return cellen;
}

BijlageTabel MaakBijlage(const std::vector<BijlageRegel>& regels, const std::vector<double>& grenzen,
                         const Catalogus& catalogus, char decimaal) {
  const bool metToetsing = std::any_of(
      regels.begin(), regels.end(), [](const BijlageRegel& r) { return !r.situatie.empty() || !r.uitkomst.empty(); });
  const Bijlage bijlage(grenzen, catalogus, decimaal, metToetsing);
  BijlageTabel t{bijlage.Kolommen(), {}};
  for (const BijlageRegel& r : regels) t.regels.push_back(bijlage.Cellen(r));
  return t;
}

namespace {

// Each line's first cell names its worksheet.
std::vector<std::string> Rekenbladen(const BijlageTabel& tabel) {
  std::vector<std::string> namen;
  for (const auto& regel : tabel.regels) {
    if (std::find(namen.begin(), namen.end(), regel.front()) == namen.end()) namen.push_back(regel.front());
  }
  return namen;
}

}  // namespace

std::vector<std::string> BijlageKoppen(const BijlageTabel& tabel) {
  const std::string_view hoogte = Veld(veld::kWaarneemhoogte).batchKolom;
  const auto kolom = std::find_if(tabel.kolommen.begin(), tabel.kolommen.end(),
                                  [hoogte](const BijlageKolom& k) { return k.naam == hoogte; }) -
                     tabel.kolommen.begin();
  const bool metNaam = Rekenbladen(tabel).size() > 1;
  std::vector<std::string> koppen;
  for (const auto& regel : tabel.regels) {
    koppen.push_back((metNaam ? regel.front() + ", " : "") + "hoogte " + regel.at(static_cast<std::size_t>(kolom)) +
                     " m");
  }
  return koppen;
}

std::string BijlageRekenbladen(const BijlageTabel& tabel) {
  std::string namen;
  for (const std::string& naam : Rekenbladen(tabel)) namen += (namen.empty() ? "" : ", ") + naam;
  return namen;
}

std::string BijlageCsvRegel(const std::vector<std::string>& cellen, std::string_view regeleinde) {
  std::string uit;
  for (std::size_t i = 0; i < cellen.size(); ++i) uit += (i ? ";" : "") + CsvTekst(cellen[i]);
  uit += regeleinde;
  return uit;
}

std::string BijlageCsvKop(const std::vector<BijlageKolom>& kolommen, std::string_view regeleinde) {
  std::vector<std::string> namen, labels;
  for (const BijlageKolom& k : kolommen) namen.push_back(k.naam), labels.push_back(k.label);
  return BijlageCsvRegel(namen, regeleinde) + BijlageCsvRegel(labels, regeleinde);
}

std::string BijlageCsv(const BijlageTabel& tabel, std::string_view regeleinde) {
  std::string uit = BijlageCsvKop(tabel.kolommen, regeleinde);
  for (const auto& r : tabel.regels) uit += BijlageCsvRegel(r, regeleinde);
  return uit;
}

}  // namespace tarvo
