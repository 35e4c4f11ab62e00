#include "driver/WegdekBewerking.h"

#include <optional>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Controle.h"
#include "calc/Correctie.h"
#include "calc/Velden.h"
#include "calc/WegdekImport.h"
#include "files/WegdekTabel.h"

namespace tarvo {
namespace {

constexpr std::string_view kPatroon = "##0.00";
constexpr std::string_view kGeenKeuze = "Geen wegdek geselecteerd";
constexpr std::string_view kImporteren = "Importeren";

WegdekStap Weiger(std::string_view melding, int veld = -1) {
  WegdekStap s;
  s.stap = Stap::Geweigerd;
  s.melding = std::string(melding);
  s.titel = std::string(kTitelWaarschuwing);
  s.veld = veld;
  return s;
}

WegdekStap Meld(std::string_view melding, std::string_view titel, MeldingSoort soort, Stap stap) {
  WegdekStap s;
  s.stap = stap;
  s.melding = std::string(melding);
  s.titel = std::string(titel);
  s.soort = soort;
  return s;
}

WegdekStap Gedaan(int kies, std::string art35 = {}) {
  WegdekStap s;
  s.kies = kies;
  s.gewijzigd = kies > 0;
  s.art35 = std::move(art35);
  return s;
}

// "1 wegdek" or "3 wegdekken".
std::string Wegdekken(std::size_t n) { return std::to_string(n) + (n == 1 ? " wegdek" : " wegdekken"); }

// A chosen entry that may change: none chosen and a protected one are refused with `beschermd`.
std::optional<WegdekStap> WeigerKeuze(const WegdekBeheer& beheer, int positie, std::string_view beschermd) {
  if (positie < 1 || positie > beheer.Inhoud().AantalWegdekken) return Weiger(kGeenKeuze);
  if (beheer.IsBeschermd(positie)) return Weiger(beschermd);
  return std::nullopt;
}

}  // namespace

std::string AantalWegdekkenTekst(int aantal) { return std::to_string(aantal) + " wegdekken in lijst"; }

WegdekStap BeginToevoegen(const WegdekBeheer& beheer) {
  if (beheer.IsVol()) {
    return Meld("Maximaal aantal wegdekken bereikt (=" + std::to_string(kMaxWegdekken) + ")", "Invoer-stop",
                MeldingSoort::Stop, Stap::Geweigerd);
  }
  return {};
}

WegdekStap BeginWijzigen(const WegdekBeheer& beheer, int positie) {
  return WeigerKeuze(beheer, positie, "Meegeleverde wegdektypen kunnen niet worden gewijzigd (F9).")
      .value_or(WegdekStap{});
}

Validatie VerlaatCoefficient(std::string_view tekst, char decimaal) {
  return Valideer(tekst, Soort::Numeriek, static_cast<std::int32_t>(kCoefficientMaximum),
                  static_cast<std::int32_t>(kCoefficientMinimum), kPatroon, decimaal);
}

WegdekStap BevestigWegdek(WegdekBeheer& beheer, int positie, const WegdekTeksten& teksten, char decimaal) {
  // A description of blanks alone would be stored empty.
  if (Bijgesneden(teksten[0]).empty()) return Weiger("Omschrijving wegdek niet ingevuld", 0);
  for (int k = 1; k <= 4; ++k) {
    if (teksten[static_cast<std::size_t>(k)].empty()) return Weiger("Correctiefactoren niet ingevuld", k);
  }
  if (positie > 0) {
    if (auto geweigerd = WeigerKeuze(beheer, positie, "Meegeleverde wegdektypen kunnen niet worden gewijzigd (F9).")) {
      return *geweigerd;
    }
  } else if (auto vol = BeginToevoegen(beheer); !vol.Gedaan()) {
    return vol;
  }
  // Every coefficient is checked before the catalogue changes.
  WegdekCoefficienten coef{};
  std::vector<std::pair<int, std::string>> getoond;
  for (int k = 1; k < kWegdekVelden; ++k) {
    const Validatie v = VerlaatCoefficient(teksten[static_cast<std::size_t>(k)], decimaal);
    if (!v.geldig) {
      WegdekStap s = Weiger({}, k);
      s.uitleg = std::string(v.uitleg);
      s.teksten = std::move(getoond);
      return s;
    }
    getoond.emplace_back(k, v.tekst);
    coef[static_cast<std::size_t>(k - 1)] = LeesGetal(v.tekst);
  }
  const std::string art35 = Art35Waarschuwing({teksten[0]});
  const int kies =
      positie > 0 ? (beheer.Vervang(positie, teksten[0], coef) ? positie : 0) : beheer.VoegToe(teksten[0], coef);
  WegdekStap s = Gedaan(kies, art35);
  s.teksten = std::move(getoond);
  return s;
}

WegdekStap WisWegdek(WegdekBeheer& beheer, int positie, bool ja) {
  if (auto geweigerd = WeigerKeuze(beheer, positie, "Meegeleverde wegdektypen kunnen niet worden gewist (F9).")) {
    return *geweigerd;
  }
  // A saved worksheet keeps only a position: the question says which ones change.
  if (!ja) {
    WegdekStap s = Meld(beheer.WisVraag(positie), "Wegdek wissen", MeldingSoort::Vraag, Stap::Vraag);
    s.annuleren = true;
    return s;
  }
  WegdekStap s = Gedaan(beheer.Wis(positie));
  s.gewijzigd = true;
  return s;
}

WegdekStap NeemWegdekkenOver(WegdekBeheer& beheer, const Uitkomst<std::vector<IngelezenWegdek>>& tabel,
                             std::string_view leeg, bool ja) {
  if (!tabel) return Weiger(tabel.Melding());
  if (tabel->empty()) return Weiger(leeg);
  const Uitkomst<Samenvoeging> plan = VoegSamen(beheer, *tabel);
  if (!plan) return Weiger(plan.Melding());
  if (plan->Leeg()) {
    return Meld("De wegdekken staan al met dezelfde correctiefactoren in de lijst.", kImporteren,
                MeldingSoort::Informatie, Stap::Gemeld);
  }
  if (!plan->vervangen.empty() && !ja) {
    const std::string toevoegen = plan->toevoegen.empty() ? "" : Wegdekken(plan->toevoegen.size()) + " toevoegen en ";
    return Meld(toevoegen + Wegdekken(plan->vervangen.size()) + " met dezelfde omschrijving vervangen?", kImporteren,
                MeldingSoort::Vraag, Stap::Vraag);
  }
  std::vector<std::string> nieuw;
  for (const IngelezenWegdek& w : plan->toevoegen) nieuw.push_back(w.omschrijving);
  WegdekStap s = Gedaan(beheer.Voer(*plan), Art35Waarschuwing(nieuw));
  s.gewijzigd = true;
  return s;
}

WegdekStap ImporteerWegdekTabel(WegdekBeheer& beheer, std::string_view bytes, std::string_view naam, bool ja) {
  return NeemWegdekkenOver(beheer, LeesWegdekTabelBytes(bytes, naam),
                           "Het bestand " + std::string(naam) + " bevat geen wegdekken.", ja);
}

WegdekStap PlakWegdekken(WegdekBeheer& beheer, std::string_view rijen, bool ja) {
  return NeemWegdekkenOver(beheer, LeesWegdekTabel(rijen, '\t', Kopregel::Mogelijk),
                           "Het klembord bevat geen wegdekken.", ja);
}

std::vector<WegdekRegel> WegdekRegels(const Catalogus& catalogus) {
  std::vector<WegdekRegel> regels;
  for (int i = 1; i <= catalogus.AantalWegdekken; ++i) {
    const std::string& omschrijving = catalogus.Wegdekken[static_cast<std::size_t>(i)].Omschrijving;
    regels.push_back({RechtsBijgesneden(omschrijving), HeeftKleineArt35Aftrek(omschrijving), i <= kAantalMeegeleverd});
  }
  return regels;
}

Uitkomst<WegdekTeksten> GekozenWegdek(const Catalogus& catalogus, int positie, char decimaal) {
  if (positie < 1 || positie > catalogus.AantalWegdekken) return Fout{"Geen wegdekken aanwezig"};
  const Wegdek& w = catalogus.Wegdekken[static_cast<std::size_t>(positie)];
  WegdekTeksten t;
  t[0] = Bijgesneden(w.Omschrijving);
  for (int k = 1; k < kWegdekVelden; ++k)
    t[static_cast<std::size_t>(k)] = Formatteer(w.Coefficient(k), kPatroon, decimaal);
  return t;
}

}  // namespace tarvo
