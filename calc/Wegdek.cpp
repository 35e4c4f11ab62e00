#include "calc/Wegdek.h"

#include <stdexcept>

#include "base/Tekst.h"

namespace tarvo {

double& Wegdek::Coefficient(int k) {
  switch (k) {
    case 1:
      return DL_lv;
    case 2:
      return b_lv;
    case 3:
      return DL_mv;
    case 4:
      return b_mv;
    case 5:
      return DL_zv;
    case 6:
      return b_zv;
    default:
      throw std::out_of_range("coefficient");
  }
}

double Wegdek::Coefficient(int k) const { return const_cast<Wegdek*>(this)->Coefficient(k); }

Wegdek Wegdek::Van(const IngelezenWegdek& ingelezen) {
  Wegdek w;
  w.Omschrijving = VastBreed(ingelezen.omschrijving, kOmschrijvingLengte);
  for (int k = 1; k <= 6; ++k) w.Coefficient(k) = ingelezen.coefficienten[static_cast<std::size_t>(k - 1)];
  return w;
}

void ZetGebruikersnaam(Catalogus& catalogus, std::string_view naam) {
  catalogus.Gebruikersnaam = VastBreed(Bijgesneden(naam), kNaamLengte);
  std::u32string tekens = Tekens(catalogus.Gebruikersnaam);
  if (const auto p = tekens.find(U'&'); p != std::u32string::npos) tekens.insert(p, 1, U'&');
  std::string label;
  for (char32_t t : tekens) label += Utf8(t);
  catalogus.GebruikersLabelnaam = VastBreed(label, kNaamLengte);
}

const Wegdek& Catalogus::Op(int positie) const { return Wegdekken[static_cast<std::size_t>(GeldigePositie(positie))]; }

namespace {

void Vul(Wegdek& w, std::string_view omschrijving, const WegdekBeheer::Coefficienten& coefficienten) {
  w.Omschrijving = VastBreed(Bijgesneden(omschrijving), kOmschrijvingLengte);
  for (int k = 1; k <= 6; ++k) w.Coefficient(k) = coefficienten[static_cast<std::size_t>(k - 1)];
}

}  // namespace

bool WegdekBeheer::IsBeschermd(int positie) const { return !opgeheven_ && positie >= 1 && positie <= beschermd_; }

int WegdekBeheer::VoegToe(std::string_view omschrijving, const Coefficienten& coefficienten) {
  if (IsVol()) return 0;
  ++cat_.AantalWegdekken;
  Vul(cat_.Wegdekken[static_cast<std::size_t>(cat_.AantalWegdekken)], omschrijving, coefficienten);
  return cat_.AantalWegdekken;
}

bool WegdekBeheer::Vervang(int positie, std::string_view omschrijving, const Coefficienten& coefficienten) {
  if (positie < 1 || positie > cat_.AantalWegdekken) return false;
  Vul(cat_.Wegdekken[static_cast<std::size_t>(positie)], omschrijving, coefficienten);
  return true;
}

int WegdekBeheer::Wis(int positie) {
  if (positie < 1 || positie > cat_.AantalWegdekken) return 0;
  --cat_.AantalWegdekken;
  for (int j = positie; j <= cat_.AantalWegdekken; ++j) {
    cat_.Wegdekken[static_cast<std::size_t>(j)] = cat_.Wegdekken[static_cast<std::size_t>(j + 1)];
  }
  if (cat_.AantalWegdekken == 0) return 0;
  return positie >= 2 ? positie - 1 : 1;
}

std::string WegdekBeheer::WisVraag(int positie) const {
  if (positie < 1 || positie > cat_.AantalWegdekken) return {};
  const auto naam = [this](int p) { return Bijgesneden(cat_.Wegdekken[static_cast<std::size_t>(p)].Omschrijving); };
  std::string vraag = "Wegdek " + naam(positie) + " wissen?\n\n";
  if (positie == cat_.AantalWegdekken) {
    vraag += "Een opgeslagen rekenblad bewaart alleen de plaats van zijn wegdek: rekenbladen met " + naam(positie) +
             " (plaats " + std::to_string(positie) + ") rekenen daarna met een ander wegdek.";
    return vraag;
  }
  vraag += "Deze wegdekken schuiven een plaats op:\n";
  for (int p = positie + 1; p <= cat_.AantalWegdekken; ++p) {
    vraag += "  plaats " + std::to_string(p) + " wordt " + std::to_string(p - 1) + ": " + naam(p) + "\n";
  }
  vraag +=
      "Een opgeslagen rekenblad bewaart alleen de plaats van zijn wegdek: rekenbladen met een van deze wegdekken "
      "of met " +
      naam(positie) + " rekenen daarna met een ander wegdek.";
  return vraag;
}

int WegdekBeheer::Voer(const Samenvoeging& s) {
  for (const auto& v : s.vervangen) {
    if (v.positie < 1 || v.positie > cat_.AantalWegdekken) continue;
    Wegdek& w = cat_.Wegdekken[static_cast<std::size_t>(v.positie)];
    for (int k = 1; k <= 6; ++k) w.Coefficient(k) = v.coefficienten[static_cast<std::size_t>(k - 1)];
  }
  int kies = s.vervangen.empty() ? 0 : s.vervangen.front().positie;
  for (const IngelezenWegdek& nieuw : s.toevoegen) {
    if (IsVol()) break;  // VoegSamen counted them; a changed catalogue since then takes what fits
    cat_.Wegdekken[static_cast<std::size_t>(++cat_.AantalWegdekken)] = Wegdek::Van(nieuw);
    kies = cat_.AantalWegdekken;
  }
  return kies;
}

}  // namespace tarvo
