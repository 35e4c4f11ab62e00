#pragma once
// Cases as data. A case table holds a case a line, its cells separated by
// tabs: the name, the inputs, "=>", the expectations; '#' begins a comment.
// In a cell \t \n \r \\ and \xHH stand for their byte, \{N}c for N times c
// and \{N}(text) for N times the text.
// An expectation "~x" is a number within half a unit of x's last digit,
// "<x" ">x" "<=x" ">=x" a number compared with x, "a|b" compares part by
// part; anything else is the very text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "base/Getal.h"
#include "data/Bronnen.h"
#include "tests/TijdelijkeMap.h"

namespace tarvo::test {

inline const std::filesystem::path kBron = TARVO_SOURCE_DIR;

// A catalogue of the tables in tests/calc/gevallen/wegdekken, by name.
inline Catalogus TabelCatalogus(const std::string& naam) {
  std::ifstream tabel(kBron / "tests/calc/gevallen/wegdekken" / (naam + ".tsv"));
  auto c = CatalogusUitTabel(tabel);
  EXPECT_TRUE(c) << naam;
  return c ? *c : Catalogus{};
}

// TARVO_VERWACHT_SCHRIJVEN=1: the committed expected texts are written anew.
inline bool VerwachtSchrijven() {
  const char* schrijf = std::getenv("TARVO_VERWACHT_SCHRIJVEN");
  return schrijf && std::string(schrijf) == "1";
}

struct Geval {
  std::string plaats;  // file:line, for the message of a case that fails
  std::string naam;
  std::vector<std::string> invoer, verwacht;  // cells as written
};

inline std::string Ontsnapt(std::string_view cel) {
  std::string t;
  for (std::size_t i = 0; i < cel.size(); ++i) {
    if (cel[i] != '\\' || i + 1 == cel.size()) {
      t += cel[i];
      continue;
    }
    const char c = cel[++i];
    if (c == 'x') {
      t += static_cast<char>(std::stoi(std::string(cel.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else if (c == '{') {
      const std::size_t sluit = cel.find('}', i), n = std::stoul(std::string(cel.substr(i + 1, sluit - i - 1)));
      // N times one character, or N times a text in (...)
      const std::size_t eind = cel[sluit + 1] == '(' ? cel.find(')', sluit) : sluit + 1;
      const std::string stuk =
          eind == sluit + 1 ? std::string(1, cel[eind]) : Ontsnapt(cel.substr(sluit + 2, eind - sluit - 2));
      for (std::size_t k = 0; k < n; ++k) t += stuk;
      i = eind;
    } else {
      t += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
  }
  return t;
}

// The other way: a backslash, a control character and a run of 16 or more as above.
inline std::string Ontsnap(std::string_view t) {
  std::string e;
  for (std::size_t i = 0; i < t.size();) {
    std::size_t n = 1;
    while (i + n < t.size() && t[i + n] == t[i]) ++n;
    const auto c = static_cast<unsigned char>(t[i]);
    const std::string teken = c == '\\' ? "\\\\"
                              : c < 0x20
                                  ? "\\x" + std::string(1, "0123456789ABCDEF"[c >> 4]) + "0123456789ABCDEF"[c & 15]
                                  : std::string(1, t[i]);
    if (n >= 16 && teken.size() == 1) {
      e += "\\{" + std::to_string(n) + "}" + teken;
    } else {
      for (std::size_t k = 0; k < n; ++k) e += teken;
    }
    i += n;
  }
  return e;
}

inline std::vector<Geval> LeesGevallen(const std::filesystem::path& bestand) {
  std::ifstream in(bestand);
  EXPECT_TRUE(in) << bestand;
  std::vector<Geval> gevallen;
  int nummer = 0;
  for (std::string regel; std::getline(in, regel);) {
    ++nummer;
    if (regel.empty() || regel[0] == '#') continue;
    Geval g{bestand.filename().string() + ":" + std::to_string(nummer), {}, {}, {}};
    bool verwacht = false;
    for (std::size_t begin = 0, tab = 0; tab != std::string::npos; begin = tab + 1) {
      tab = regel.find('\t', begin);
      const std::string cel = regel.substr(begin, tab - begin);
      if (g.naam.empty())
        g.naam = cel;
      else if (cel == "=>")
        verwacht = true;
      else
        (verwacht ? g.verwacht : g.invoer).push_back(cel);
    }
    gevallen.push_back(std::move(g));
  }
  return gevallen;
}

// "sleutel=waarde" at its first '=' outside [...].
inline std::pair<std::string, std::string> Paar(const std::string& cel) {
  std::size_t is = 0;
  for (int diepte = 0; is < cel.size() && (cel[is] != '=' || diepte > 0); ++is)
    diepte += (cel[is] == '[') - (cel[is] == ']');
  return {cel.substr(0, is), is < cel.size() ? cel.substr(is + 1) : ""};
}

inline bool KomtOvereen(std::string_view verwacht, std::string_view gekregen) {
  const std::string letterlijk = Ontsnapt(verwacht);
  if (letterlijk == gekregen) return true;
  if (const auto streep = verwacht.find('|'); streep != std::string_view::npos) {
    const auto deel = gekregen.find('|');
    return deel != std::string_view::npos && KomtOvereen(verwacht.substr(0, streep), gekregen.substr(0, deel)) &&
           KomtOvereen(verwacht.substr(streep + 1), gekregen.substr(deel + 1));
  }
  std::size_t n = 0;
  while (n < verwacht.size() && n < 2 && std::string_view("~<>=").find(verwacht[n]) != std::string_view::npos) ++n;
  const auto x = LeesVolledig(verwacht.substr(n)), y = LeesVolledig(gekregen);
  if (n == 0 || !x || !y) return false;
  const std::string_view op = verwacht.substr(0, n);
  if (op == "~") {
    const auto punt = verwacht.find('.');
    const auto decimalen = punt == std::string_view::npos ? 0 : verwacht.size() - punt - 1;
    return std::fabs(*x - *y) <= 0.5000001 * std::pow(10.0, -static_cast<double>(decimalen));
  }
  return op == "<" ? *y < *x : op == ">" ? *y > *x : op == "<=" ? *y <= *x : op == ">=" && *y >= *x;
}

// Every expectation "sleutel=waarde" of a case against what `uitkomst`
// gives for the key. "@X" expects what it gives for X; "bestand:PAD" the
// text of that committed file, which TARVO_VERWACHT_SCHRIJVEN=1 writes anew.
template <typename Uitkomst>
void Toets(const Geval& g, Uitkomst uitkomst) {
  for (const std::string& cel : g.verwacht) {
    auto [sleutel, waarde] = Paar(cel);
    const std::string gekregen = uitkomst(sleutel);
    if (waarde.starts_with("@")) {
      waarde = uitkomst(waarde.substr(1));
    } else if (waarde.starts_with("bestand:")) {
      const std::filesystem::path pad = kBron / waarde.substr(8);
      if (VerwachtSchrijven()) SchrijfBytes(pad, gekregen);
      waarde = LeesTekst(pad);
      EXPECT_EQ(gekregen, waarde) << g.plaats << " " << g.naam << ": " << sleutel << " anders dan " << pad;
      continue;
    }
    EXPECT_TRUE(KomtOvereen(waarde, gekregen))
        << g.plaats << " " << g.naam << ": " << sleutel << " is '" << gekregen << "', verwacht '" << waarde << "'";
  }
}

}  // namespace tarvo::test
