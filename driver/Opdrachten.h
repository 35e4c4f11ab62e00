#pragma once
// Every command a user gives, once for the window and the page: its name,
// what it does, its menu item and its key. The window makes its actions and
// menus from this table, the page its toolbar and keys; a command one face
// lacks says why here.
#include <array>
#include <string_view>

namespace tarvo {

struct Opdracht {
  std::string_view naam;   // the window's action; the page's control is knop and the name: "knopOpenen"
  std::string_view tekst;  // tool tip and description
  std::string_view menu;   // the window's menu item, '&' before its letter
  std::string_view knop;   // the page's button, short: its toolbar has no icons
  std::string_view toets;  // the window's key, as "Ctrl+Shift+P"; empty for none
  // The page's key where the browser keeps the window's for itself (Ctrl+T,
  // Ctrl+N, Ctrl+W cannot be taken); empty: the window's.
  std::string_view paginaToets;
  // Why the page, or the desktop program, has no such command; empty: it has one.
  std::string_view nietInPagina;
  std::string_view nietInProgramma = {};

  constexpr std::string_view PaginaToets() const { return paginaToets.empty() ? toets : paginaToets; }
};

inline constexpr std::array<Opdracht, 20> kOpdrachten = {{
    {"afsluiten", "Programma sluiten", "Af&sluiten", "Afsluiten", "Ctrl+Q", "",
     "een pagina sluit de gebruiker met de browser, die eerst vraagt of niet-opgeslagen werk weg mag", ""},
    {"openen", "Open rekenblad", "&Openen…", "Openen…", "Ctrl+O", "", "", ""},
    {"afdrukken", "Rekenblad afdrukken op printer", "&Afdrukken…", "Afdrukken…", "Ctrl+P", "", "", ""},
    {"voorbeeld", "Afdrukvoorbeeld", "Afdruk&voorbeeld", "Voorbeeld", "Ctrl+Shift+P", "", "", ""},
    {"opslaan", "Rekenblad opslaan in bestand", "Op&slaan…", "Opslaan", "Ctrl+S", "", "", ""},
    {"opslaanAls", "Rekenblad opslaan onder een andere naam", "Opslaan &als…", "Opslaan als…", "Ctrl+Shift+S", "", "",
     "het venster vraagt bij elke keer opslaan om de naam, met de naam van het rekenblad als voorstel"},
    {"reset", "Reset rekenblad", "&Reset", "Reset", "Ctrl+R", "", "", ""},
    {"invullen", "Invullen rekenblad", "&Invullen", "Invullen", "F2", "", "", ""},
    {"wegdekken", "Correctiefactoren wegdekken", "&Correctiefactoren wegdekken…", "Wegdekken…", "F4", "", "", ""},
    {"omrekenen", "Omrekeningstabellen verkeersgegevens", "&Omrekeningstabellen verkeersgegevens…", "Omrekenen…", "F5",
     "", "", ""},
    {"cumulatie", "Cumulatie", "C&umulatie…", "Cumulatie…", "F7", "", "", ""},
    {"gebruiker", "Instelling gebruikersnaam", "&Gebruikersnaam…", "Gebruiker…", "F6", "", "", ""},
    {"info", "Algemene informatie over Tarvo", "&Informatie over Tarvo", "Info", "Shift+F1", "", "", ""},
    {"help", "Toelichting bij invoer", "&Toelichting bij invoer", "Help", "F1", "", "", ""},
    {"rekenmachine", "Calculator", "Reken&machine", "Rekenmachine", "F8", "",
     "een pagina kan geen programma van de computer starten", ""},
    {"dosisEffect", "Dosis-effectrelatie", "&Dosis-effectrelatie…", "Dosis-effect…", "Ctrl+Shift+D", "", "", ""},
    {"diagram", "Niveau-afstanddiagram", "&Niveau-afstanddiagram…", "Diagram…", "Ctrl+Shift+G", "", "", ""},
    // Ctrl+T opens a tab before the page hears of it.
    {"toetsing", "Toetsing aan de grenswaarden van de Wgh", "&Toetsing…", "Toetsing…", "Ctrl+T", "Ctrl+Shift+E", "",
     ""},
    // Alt+B opens the menu "Bestand"; F9 calculates, as in a spreadsheet.
    {"berekenen", "Berekening uitvoeren", "&Berekening uitvoeren", "Berekenen", "F9", "", "", ""},
    {"onderzoek", "Onderzoek: punten, wegen en hoogten samen", "Onde&rzoek…", "Onderzoek…", "Ctrl+Shift+O", "", "", ""},
}};

// The keys the browser keeps for itself, whatever a page does on them.
inline constexpr std::array<std::string_view, 3> kBrowserToetsen = {"Ctrl+T", "Ctrl+N", "Ctrl+W"};

// No two commands share a key on one face, and the page asks for none the browser keeps.
constexpr bool ToetsenKloppen() {
  for (std::size_t i = 0; i < kOpdrachten.size(); ++i) {
    const Opdracht& a = kOpdrachten[i];
    for (std::string_view b : kBrowserToetsen) {
      if (a.nietInPagina.empty() && a.PaginaToets() == b) return false;
    }
    for (std::size_t j = i + 1; j < kOpdrachten.size(); ++j) {
      const Opdracht& b = kOpdrachten[j];
      if (!a.toets.empty() && a.toets == b.toets) return false;
      if (!a.PaginaToets().empty() && a.PaginaToets() == b.PaginaToets()) return false;
    }
  }
  return true;
}
static_assert(ToetsenKloppen(), "a key twice, or one the browser keeps");

}  // namespace tarvo
