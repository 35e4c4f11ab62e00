#include "calc/Controle.h"

#include <cmath>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Emissie.h"
#include "calc/Valideer.h"
#include "calc/VeldGetal.h"

namespace tarvo {
namespace {

bool IsSnelheidVeld(int k) {
  for (int v : kSnelheidVelden) {
    if (v == k) return true;
  }
  return false;
}

Soort SoortVan(int k) { return Veld(k).soort == VeldSoort::Getal ? Soort::Numeriek : Soort::Vrij; }

// What an empty field holds once the check has filled it: 0 in a number field.
Validatie Leeg(int k, char decimaal) { return Valideer("", SoortVan(k), 99999, -99999, "##0.00", decimaal); }

// The check's rules between the fields, after field k was taken over.
std::optional<Weigering> NaOvername(int k, Invoer& in) {
  auto waarschuwing = [k](std::string_view tekst) {
    return Weigering{Weigering::Soort::Waarschuwing, k, std::string(tekst)};
  };
  double& x = in.getal[static_cast<std::size_t>(k)];
  switch (k) {
    case veld::kWaarneemhoogte:
      if (x == 0) return waarschuwing(kGeenWaarneemhoogte);
      break;
    case veld::kWegdekhoogte:
      if (x > in.Waarneemhoogte()) return waarschuwing(kWegdekTeHoog);
      break;
    case veld::kAfstandHor:
      if (x == 0) return waarschuwing(kGeenAfstand);
      break;
    case veld::kAfstandKruising:
      if (x > 150) x = 0;  // too far to count; the field keeps the distance typed
      break;
    case veld::kAfstandObstakel:
      if (x > 100) x = 0;
      break;
    case veld::kZichthoek:
      if (x == 0) x = 127;  // an unhindered view
      break;
    default:
      break;
  }
  return std::nullopt;
}

// The check's own result with how far it got: the number fields up to
// `gevuld` were filled where empty, the first `overgenomen` of OvernameVolgorde taken over.
struct Verloop {
  int gevuld = kAantalVelden;
  std::size_t overgenomen = 0;
};

// The check's own result, into `c` anew; its display is left alone.
Verloop Loop(const WerkbladTeksten& w, Controle& c) {
  c.invoer.reset();
  c.weigering.reset();
  c.begrensd.clear();
  Verloop v;
  static const GetalDelen kZoneDelen = OntleedGetal(kZoneSnelheid);
  const auto zone = [&w](int k) { return w.zone && IsSnelheidVeld(k); };
  const auto tekst = [&](int k) { return zone(k) ? kZoneSnelheid : w.Tekst(k); };
  const auto delen = [&](int k) -> const GetalDelen& { return zone(k) ? kZoneDelen : w.Delen(k); };
  for (int k = 0; k < kAantalVelden; ++k) {
    if (Veld(k).soort == VeldSoort::Tekst) continue;
    const std::string_view t = tekst(k);
    if (!t.empty() && !delen(k).getal) {
      v.gevuld = k;
      c.weigering = Weigering{Weigering::Soort::GeenGetal, k, std::string(t)};
      return v;
    }
  }

  Invoer& in = c.invoer.emplace();
  in.waarneempunt = std::string(w.Tekst(veld::kWaarneempunt));
  in.weg = std::string(w.Tekst(veld::kWeg));
  for (std::size_t i = 0; i < in.toelichting.size(); ++i) {
    in.toelichting[i] = w.toelichtingBewerkt[i] ? Bijgesneden(w.toelichting[i]) : std::string(w.toelichting[i]);
  }
  in.wegdek = w.wegdek;
  in.zone = w.zone;
  in.aftrek = w.aftrek;
  in.rail = w.rail;

  for (int k : OvernameVolgorde()) {
    ++v.overgenomen;
    // Every text is a number now; an empty one counts as 0.
    const auto i = static_cast<std::size_t>(k);
    const GetalBereik& bereik = Veld(k).overname;
    in.getal[i] = GecontroleerdGetal(tekst(k), delen(k), bereik);
    // Only a number at a bound can have been clamped: the rest costs nothing.
    if ((in.getal[i] == bereik.maximum || in.getal[i] == bereik.minimum) && BuitenBereik(tekst(k), delen(k), bereik)) {
      c.begrensd.push_back({k, std::string(tekst(k)), in.getal[i]});
    }
    if (auto weigering = NaOvername(k, in)) {
      c.weigering = std::move(weigering);
      c.invoer.reset();
      return v;
    }
  }
  for (int p = 1; p <= kAantalPeriodes; ++p) {
    in.getal[static_cast<std::size_t>(TotaalVeld(p))] = Qtotaal(in, p);
    in.getal[static_cast<std::size_t>(VrachtVeld(p))] = Vrachtaandeel(in, p);
  }
  return v;
}

}  // namespace

double SchuineAfstand(double waarneemhoogte, double wegdekhoogte, double afstandHor) {
  const double dh = waarneemhoogte - (wegdekhoogte + kBronhoogte);
  return std::sqrt(dh * dh + afstandHor * afstandHor);
}

std::string GeenGetalMelding(int veld) {
  const VeldInfo& v = Veld(veld);
  std::string naam = "'" + std::string(v.bijschrift) + "'";
  if (!v.kolom.empty()) naam += " " + std::string(v.kolom);
  return "Berekening niet uitgevoerd: " + naam + " is geen getal.";
}

std::string BegrensdMelding(const std::vector<Begrenzing>& begrensd, char decimaal) {
  std::string melding;
  for (const Begrenzing& b : begrensd) {
    const VeldInfo& v = Veld(b.veld);
    std::string naam(ZonderEenheid(v.bijschrift));
    if (!v.kolom.empty()) naam += " " + std::string(ZonderEenheid(v.kolom));
    if (!naam.empty() && naam[0] >= 'a' && naam[0] <= 'z') naam[0] = static_cast<char>(naam[0] - 'a' + 'A');
    if (!melding.empty()) melding += "; ";
    melding += naam + " begrensd tot " + Formatteer(b.grens, v.verlaten.patroon, decimaal);
  }
  return melding;
}

VeldVerlaten VerlaatVeld(int k, std::string_view tekst, char decimaal) {
  if (k < 0 || k >= kAantalVelden || Veld(k).soort != VeldSoort::Getal) return {{true, std::string(tekst), {}, {}}, {}};
  const GetalBereik& b = Veld(k).verlaten;
  VeldVerlaten v{Valideer(tekst, Soort::Numeriek, b.maximum, b.minimum, b.patroon, decimaal), {}};
  if (v.validatie.grens) v.begrensd = BegrensdMelding({{k, std::string(tekst), *v.validatie.grens}}, decimaal);
  return v;
}

std::string_view ToetsTekens(Toetsen toetsen) {
  switch (toetsen) {
    case Toetsen::Cijfers:
      return kCijferTekens;
    case Toetsen::Getal:
      return kGetalTekens;
    case Toetsen::Alles:
    case Toetsen::Geen:
      break;
  }
  return {};
}

std::string VerlaatToelichting(std::string_view tekst) { return Bijgesneden(tekst); }

const std::string kToelichtingVol =
    "Een regel toelichting heeft ten hoogste " + std::to_string(kToelichtingLengte) + " tekens.";

std::string GeenGetalRegel(int veld, std::string_view tekst) {
  const VeldInfo& v = Veld(veld);
  std::string naam(v.bijschrift);
  if (!v.kolom.empty()) naam += " / " + std::string(v.kolom);
  return "Veld " + std::to_string(veld) + " (" + naam + ") bevat geen getal: '" + std::string(tekst) + "'.";
}

std::string WeigeringRegel(const Weigering& weigering) {
  if (weigering.soort == Weigering::Soort::GeenGetal) return GeenGetalRegel(weigering.veld, weigering.tekst);
  return weigering.tekst;
}

WerkbladTeksten::WerkbladTeksten(const Werkblad& w)
    : toelichtingBewerkt(w.toelichtingBewerkt), wegdek(w.wegdek), zone(w.zone), aftrek(w.aftrek), rail(w.rail) {
  for (int k = 0; k < kAantalVelden; ++k) Zet(k, w.veld[static_cast<std::size_t>(k)]);
  for (std::size_t i = 0; i < toelichting.size(); ++i) toelichting[i] = w.toelichting[i];
}

void ControleerGetallen(const WerkbladTeksten& teksten, Controle& controle) { Loop(teksten, controle); }

Controle ControleerGetallen(const WerkbladTeksten& teksten) {
  Controle c;
  Loop(teksten, c);
  return c;
}

Controle Controleer(const Werkblad& werkblad, char decimaal) {
  const WerkbladTeksten teksten(werkblad);
  Controle c;
  const Verloop v = Loop(teksten, c);
  Weergave& w = c.weergave;
  // The texts as the check leaves them: empty number fields filled with 0
  // up to a text that is no number, then each field it took over formatted.
  std::array<std::string, kAantalVelden> tekst;
  for (int k = 0; k < kAantalVelden; ++k) {
    tekst[static_cast<std::size_t>(k)] =
        werkblad.zone && IsSnelheidVeld(k) ? std::string(kZoneSnelheid) : werkblad.veld[static_cast<std::size_t>(k)];
  }
  for (int k = 0; k < v.gevuld; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (Veld(k).soort == VeldSoort::Tekst || !tekst[i].empty()) continue;
    tekst[i] = Leeg(k, decimaal).tekst;
    w.tekst[i] = tekst[i];
    w.staat[i] = VeldStaat::Geldig;
  }
  const std::vector<int>& volgorde = OvernameVolgorde();
  for (std::size_t n = 0; n < v.overgenomen; ++n) {
    const auto i = static_cast<std::size_t>(volgorde[n]);
    const GetalBereik& b = Veld(volgorde[n]).overname;
    w.tekst[i] = Valideer(tekst[i], Soort::Numeriek, b.maximum, b.minimum, b.patroon, decimaal).tekst;
    w.staat[i] = VeldStaat::Geldig;
  }
  if (c.weigering) {
    w.focus = c.weigering->veld;
    if (c.weigering->soort == Weigering::Soort::GeenGetal)
      w.staat[static_cast<std::size_t>(w.focus)] = VeldStaat::Ongeldig;
  } else {
    // The field shows the angle that counts.
    const int k = veld::kZichthoek;
    w.tekst[k] = Formatteer(c.invoer->getal[k], Veld(k).overname.patroon, decimaal);
  }
  return c;
}

}  // namespace tarvo
