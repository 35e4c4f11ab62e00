#pragma once
// Every command a user gives, once for the window and the page: its name,
// what it does, its menu item and its key. The window makes its actions and
// menus from this table, the page its toolbar and keys; a command one face
// lacks says why here.
#include <array>
#include <string_view>

namespace tarvo {

struct Opdracht {
  std::string_view naam;   // the window's action and the page's control: "openen", knop "openen"
  std::string_view tekst;  // tool tip and description
  std::string_view menu;   // the window's menu item, '&' before its letter
  std::string_view toets;  // the window's key, as "Ctrl+Shift+P"; empty for none
  // The page's key where the browser keeps the window's for itself (Ctrl+T,
  // Ctrl+N, Ctrl+W cannot be taken); empty: the window's.
  std::string_view paginaToets;
  // Why the page, or the desktop program, has no such command; empty: it has one.
  std::string_view nietInPagina;
  std::string_view nietInProgramma = {};

  std::string_view PaginaToets() const { return paginaToets.empty() ? toets : paginaToets; }
};

inline constexpr std::array<Opdracht, 20> kOpdrachten = {{
    {"afsluiten", "Programma sluiten", "Af&sluiten", "Ctrl+Q", "",
     "een pagina sluit de gebruiker met de browser, die eerst vraagt of niet-opgeslagen werk weg mag"},
    {"openen", "Open rekenblad", "&Openen…", "Ctrl+O", "", ""},
    {"afdrukken", "Rekenblad afdrukken op printer", "&Afdrukken…", "Ctrl+P", "", ""},
    {"voorbeeld", "Afdrukvoorbeeld", "Afdruk&voorbeeld", "Ctrl+Shift+P", "", ""},
    {"opslaan", "Rekenblad opslaan in bestand", "Op&slaan…", "Ctrl+S", "", ""},
    {"opslaanAls", "Rekenblad opslaan onder een andere naam", "Opslaan &als…", "Ctrl+Shift+S", "", "",
     "het venster vraagt bij elke keer opslaan om de naam, met de naam van het rekenblad als voorstel"},
    {"reset", "Reset rekenblad", "&Reset", "Ctrl+R", "", ""},
    {"invullen", "Invullen rekenblad", "&Invullen", "F2", "", ""},
    {"wegdekken", "Correctiefactoren wegdekken", "&Correctiefactoren wegdekken…", "F4", "", ""},
    {"omrekenen", "Omrekeningstabellen verkeersgegevens", "&Omrekeningstabellen verkeersgegevens…", "F5", "", ""},
    {"cumulatie", "Cumulatie", "C&umulatie…", "F7", "", ""},
    {"gebruiker", "Instelling gebruikersnaam", "&Gebruikersnaam…", "F6", "", ""},
    {"info", "Algemene informatie over Tarvo", "&Informatie over Tarvo", "Shift+F1", "", ""},
    {"help", "Toelichting bij invoer", "&Toelichting bij invoer", "F1", "", ""},
    {"rekenmachine", "Calculator", "Reken&machine", "F8", "", "een pagina kan geen programma van de computer starten"},
    {"dosisEffect", "Dosis-effectrelatie", "&Dosis-effectrelatie…", "Ctrl+Shift+D", "", ""},
    {"diagram", "Niveau-afstanddiagram", "&Niveau-afstanddiagram…", "Ctrl+Shift+G", "", ""},
    {"toetsing", "Toetsing aan de grenswaarden van de Wgh", "&Toetsing…", "Ctrl+T", "Ctrl+Shift+E", ""},
    // Alt+B opens the menu "Bestand"; F9 calculates, as in a spreadsheet.
    {"berekenen", "Berekening uitvoeren", "&Berekening uitvoeren", "F9", "", ""},
    {"onderzoek", "Onderzoek: punten, wegen en hoogten samen", "O&nderzoek…", "Ctrl+Shift+O", "", "",
     "het venster heeft nog geen onderzoeksvenster"},
}};

}  // namespace tarvo
