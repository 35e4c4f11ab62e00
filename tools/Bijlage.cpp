#include "tools/Bijlage.h"

#include <algorithm>
#include <functional>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Termen.h"
#include "calc/Velden.h"
#include "report/Rapport.h"

namespace tarvo {
namespace {

struct Kolom {
  std::string naam;
  std::function<std::string(const BijlageRegel&)> tekst;
};

using R = Resultaten;

std::vector<Kolom> Kolommen(const std::vector<double>& grenzen, const Catalogus& catalogus, char dec) {
  std::vector<Kolom> k;
  auto getal = [dec](double x, std::string_view patroon) { return Formatteer(x, patroon, dec); };
  auto invoer = [&k](std::string naam, std::function<std::string(const Invoer&)> f) {
    k.push_back({std::move(naam), [f](const BijlageRegel& r) { return f(r.hoogte.invoer); }});
  };
  auto resultaat = [&k, getal](std::string naam, std::function<double(const R&)> f,
                               std::string_view patroon = "##0.00") {
    k.push_back({std::move(naam),
                 [f, getal, patroon](const BijlageRegel& r) { return getal(f(r.hoogte.resultaten), patroon); }});
  };

  k.push_back({"rekenblad", [](const BijlageRegel& r) { return r.rekenblad; }});
  invoer("waarneempunt", [](const Invoer& in) { return Bijgesneden(in.waarneempunt); });
  invoer("weg", [](const Invoer& in) { return Bijgesneden(in.weg); });
  for (int veld = 0; veld < kAantalVelden; ++veld) {
    const VeldInfo& v = Veld(veld);
    if (v.soort != VeldSoort::Getal || v.batchKolom.empty()) continue;
    invoer(std::string(v.batchKolom), [veld, getal, &v](const Invoer& in) {
      return getal(in.getal[static_cast<std::size_t>(veld)], v.overname.patroon);
    });
  }
  invoer("wegdek", [](const Invoer& in) { return std::to_string(in.wegdek); });
  invoer("wegdek_omschrijving",
         [&catalogus](const Invoer& in) { return Bijgesneden(catalogus.Op(in.wegdek).Omschrijving); });
  for (int c = 1; c <= 6; ++c) {
    invoer(std::string(kWegdekKolommen[static_cast<std::size_t>(c)]), [c, getal, &catalogus](const Invoer& in) {
      return getal(catalogus.Op(in.wegdek).Coefficient(c), "##0.00");
    });
  }
  invoer("zone", [](const Invoer& in) { return std::string(in.zone ? "1" : "0"); });
  invoer("aftrek", [](const Invoer& in) { return std::string(in.aftrek ? "1" : "0"); });
  invoer("rail", [](const Invoer& in) { return std::to_string(in.rail); });
  for (std::size_t i = 0; i < kAantalToelichtingen; ++i) {
    invoer("toelichting_" + std::to_string(i + 1), [i](const Invoer& in) { return in.toelichting[i]; });
  }

  for (const Term& t : kTermen) {
    if (!t.Periodiek()) {
      resultaat(
          std::string(t.naam), [&t](const R& r) { return t.Waarde(r, 0); }, t.patroon);
      continue;
    }
    for (int p = 1; p <= kAantalPeriodes; ++p) {
      resultaat(
          PeriodeKolom(t.naam, p), [&t, p](const R& r) { return t.Waarde(r, p); }, t.patroon);
    }
  }
  k.push_back({"Lden_na_aftrek", [getal](const BijlageRegel& r) { return getal(r.hoogte.ldenNaAftrek, "##0.00"); }});
  k.push_back({"geluidsbelasting", [getal](const BijlageRegel& r) { return getal(r.hoogte.geluidsbelasting, "##0"); }});
  k.push_back({"milieukwaliteit", [](const BijlageRegel& r) {
                 return std::string(Milieukwaliteit(r.hoogte.resultaten.Lden, r.hoogte.resultaten.Aftrek110g));
               }});
  for (std::size_t i = 0; i < grenzen.size(); ++i) {
    k.push_back({"afstand_" + Formatteer(grenzen[i], "##0", dec) + "dB", [i, getal](const BijlageRegel& r) {
                   const auto& a = r.hoogte.contour.at(i);
                   return a ? getal(*a, "##0.00") : std::string();
                 }});
  }
  return k;
}

}  // namespace

BijlageTabel MaakBijlage(const std::vector<BijlageRegel>& regels, const std::vector<double>& grenzen,
                         const Catalogus& catalogus, char decimaal) {
  const std::vector<Kolom> kolommen = Kolommen(grenzen, catalogus, decimaal);
  BijlageTabel t;
  for (const Kolom& k : kolommen) t.kolommen.push_back(k.naam);
  for (const BijlageRegel& r : regels) {
    std::vector<std::string> cellen;
    for (const Kolom& k : kolommen) cellen.push_back(k.tekst(r));
    t.regels.push_back(std::move(cellen));
  }
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
  const auto kolom = std::find(tabel.kolommen.begin(), tabel.kolommen.end(), hoogte) - tabel.kolommen.begin();
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

std::string BijlageCsv(const BijlageTabel& tabel, std::string_view regeleinde) {
  std::string uit;
  auto regel = [&](const std::vector<std::string>& cellen) {
    for (std::size_t i = 0; i < cellen.size(); ++i) uit += (i ? ";" : "") + CsvTekst(cellen[i]);
    uit += regeleinde;
  };
  regel(tabel.kolommen);
  for (const auto& r : tabel.regels) regel(r);
  return uit;
}

}  // namespace tarvo
