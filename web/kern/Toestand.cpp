#include "web/kern/Toestand.h"

#include <algorithm>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "files/CatalogusBestand.h"

namespace tarvo::web {

KernToestand& Toestand() {
  static KernToestand t;
  return t;
}

std::vector<std::string> Teksten() { return LeesTeksten(Toestand().vraag).value_or(std::vector<std::string>{}); }

std::string Tekst(std::size_t i) {
  auto t = Teksten();
  return i < t.size() ? t[i] : std::string();
}

const char* Antwoord(const Json& j) {
  Toestand().antwoord = j.Inhoud();
  return Toestand().antwoord.c_str();
}

const char* FoutAntwoord(std::string_view melding) {
  return Antwoord(Json().Object().Veld("fout", melding).EindObject());
}

void ZetBytes(std::string_view bytes) {
  Toestand().bytes.assign(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                          reinterpret_cast<const std::uint8_t*>(bytes.data()) + bytes.size());
}

std::string Getal(double x, std::string_view patroon) { return Formatteer(x, patroon, Toestand().decimaal); }

std::string WegdekkenTekst(std::size_t n) { return std::to_string(n) + (n == 1 ? " wegdek" : " wegdekken"); }

void SchrijfCatalogus(Json& j) {
  Catalogus& c = Toestand().catalogus;
  VulLijst(c);
  j.Sleutel("catalogus").Object().Sleutel("lijst").Lijst();
  for (int i = 1; i <= c.AantalWegdekken; ++i) j.Tekst(RechtsBijgesneden(c.WegdekNamen[static_cast<std::size_t>(i)]));
  j.EindLijst()
      .Veld("aantal", WegdekkenTekst(static_cast<std::size_t>(std::max<int>(c.AantalWegdekken, 0))))
      .Veld("meegeleverd", kAantalMeegeleverd)
      .Veld("gebruiker", RechtsBijgesneden(c.Gebruikersnaam))
      .EindObject();
  ZetBytes(CodeerCatalogus(c));
}

}  // namespace tarvo::web
