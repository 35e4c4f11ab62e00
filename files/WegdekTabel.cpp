#include "files/WegdekTabel.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "base/Getal.h"
#include "base/Tekst.h"
#include "files/CatalogusBestand.h"

namespace tarvo {
namespace {

constexpr int kKolommen = static_cast<int>(kWegdekKolommen.size());

// A text from the table as a message quotes it: long ones cut short.
std::string Citaat(std::string_view tekst) {
  const std::string t = Bijgesneden(tekst);
  if (AantalTekens(t) <= 40) return "'" + t + "'";
  return "'" + VastBreed(t, 40) + "…'";
}

// One line cut at `scheiding`; a field that starts with '"' runs to the
// next lone '"' and may hold the separator ("" stands for a quote).
Uitkomst<std::vector<std::string>> Splits(std::string_view regel, char scheiding, int nummer) {
  std::vector<std::string> velden;
  std::size_t i = 0;
  for (;;) {
    const int kolom = static_cast<int>(velden.size()) + 1;
    std::string veld;
    if (i < regel.size() && regel[i] == '"') {
      bool gesloten = false;
      for (++i; i < regel.size() && !gesloten; ++i) {
        if (regel[i] != '"') {
          veld.push_back(regel[i]);
        } else if (i + 1 < regel.size() && regel[i + 1] == '"') {
          veld.push_back('"');
          ++i;
        } else {
          gesloten = true;
        }
      }
      if (!gesloten) return TabelFout(nummer, kolom, "het aanhalingsteken wordt niet gesloten");
      while (i < regel.size() && regel[i] == ' ') ++i;
      if (i < regel.size() && regel[i] != scheiding) {
        return TabelFout(
            nummer, kolom,
            std::string("na het sluitende aanhalingsteken hoort ") + (scheiding == '\t' ? "een tab" : "een ';'"));
      }
    } else {
      const std::size_t eind = std::min(regel.find(scheiding, i), regel.size());
      veld.assign(regel.substr(i, eind - i));
      i = eind;
    }
    velden.push_back(std::move(veld));
    if (i >= regel.size()) return velden;
    ++i;  // the separator
  }
}

bool IsLeeg(const std::vector<std::string>& velden) {
  for (const std::string& v : velden) {
    if (!Bijgesneden(v).empty()) return false;
  }
  return true;
}

// Too few columns name the first one missing, too many the first one extra.
Fout KolomAantalFout(int nummer, std::size_t aantal, std::string_view welke, std::string_view uitleg = "") {
  const int kolom = aantal < kWegdekKolommen.size() ? static_cast<int>(aantal) + 1 : kKolommen + 1;
  return TabelFout(nummer, kolom,
                   std::string(welke) + " telt " + std::to_string(aantal) + (aantal == 1 ? " kolom" : " kolommen") +
                       " in plaats van " + std::to_string(kKolommen) + std::string(uitleg));
}

bool IsKop(const std::vector<std::string>& velden, int k) {
  return KleineLetters(Bijgesneden(velden[static_cast<std::size_t>(k)])) ==
         KleineLetters(kWegdekKolommen[static_cast<std::size_t>(k)]);
}

Uitkomst<void> ControleerKop(const std::vector<std::string>& velden, int nummer) {
  if (!IsKop(velden, 0)) {
    std::string kop;
    for (std::string_view naam : kWegdekKolommen) kop += (kop.empty() ? "" : ";") + std::string(naam);
    return TabelFout(nummer, 1, "de kopregel " + kop + " ontbreekt");
  }
  if (velden.size() != kWegdekKolommen.size()) return KolomAantalFout(nummer, velden.size(), "de kopregel");
  for (int k = 1; k < kKolommen; ++k) {
    if (!IsKop(velden, k)) {
      return TabelFout(nummer, k + 1,
                       Citaat(velden[static_cast<std::size_t>(k)]) + " in de kopregel, '" +
                           std::string(kWegdekKolommen[static_cast<std::size_t>(k)]) + "' verwacht");
    }
  }
  return {};
}

// The description as the catalogue file can hold it: padding dropped,
// leading blanks kept.
Uitkomst<std::string> LeesOmschrijving(std::string_view veld, int nummer) {
  veld = ZonderFormuleteken(veld);  // a spreadsheet's guard, as an export writes it
  if (!IsUtf8(veld)) return TabelFout(nummer, 1, "de tekst is geen UTF-8 (bewaar het bestand als CSV UTF-8)");
  const std::string tekst = RechtsBijgesneden(veld);
  if (Bijgesneden(tekst).empty()) return TabelFout(nummer, 1, "de omschrijving is leeg");
  for (char32_t c : Tekens(tekst)) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return TabelFout(nummer, 1, "de omschrijving bevat een stuurteken");
    if (!InCp1252(c)) {
      return TabelFout(nummer, 1, "het teken '" + Utf8(c) + "' past niet in het wegdekkenbestand (Windows-1252)");
    }
  }
  const std::size_t lengte = AantalTekens(tekst);
  if (lengte > kOmschrijvingLengte) {
    return TabelFout(nummer, 1,
                     "de omschrijving telt " + std::to_string(lengte) + " tekens, er passen er " +
                         std::to_string(kOmschrijvingLengte) + " in het wegdekkenbestand");
  }
  return tekst;
}

Uitkomst<double> LeesCoefficient(std::string_view veld, int nummer, int kolom) {
  if (Bijgesneden(veld).empty()) return TabelFout(nummer, kolom, "geen getal ingevuld");
  const std::optional<double> x = LeesVolledig(veld);
  if (!x) return TabelFout(nummer, kolom, Citaat(veld) + " is geen getal");
  if (!std::isfinite(*x)) return TabelFout(nummer, kolom, Citaat(veld) + " is geen eindig getal");
  if (*x < kCoefficientMinimum || *x > kCoefficientMaximum) {
    return TabelFout(nummer, kolom, Citaat(veld) + " ligt buiten het bereik -99999 tot 99999");
  }
  return *x;
}

}  // namespace

Uitkomst<std::vector<IngelezenWegdek>> LeesWegdekTabel(std::string_view tekst, char scheiding, Kopregel kopregel) {
  if (tekst.starts_with(kBom)) tekst.remove_prefix(kBom.size());
  std::vector<IngelezenWegdek> tabel;
  bool eersteRegel = true;
  int nummer = 0;
  while (!tekst.empty()) {
    ++nummer;
    const std::size_t eind = std::min(tekst.find('\n'), tekst.size());
    std::string_view regel = tekst.substr(0, eind);
    tekst.remove_prefix(std::min(eind + 1, tekst.size()));
    if (regel.ends_with('\r')) regel.remove_suffix(1);

    auto velden = Splits(regel, scheiding, nummer);
    if (!velden) return velden.Reden();
    if (IsLeeg(*velden)) continue;
    if (eersteRegel) {
      eersteRegel = false;
      if (kopregel == Kopregel::Verplicht) {
        if (auto kop = ControleerKop(*velden, nummer); !kop) return kop.Reden();
        continue;
      }
      if (velden->size() == kWegdekKolommen.size() && IsKop(*velden, 0)) {
        if (auto kop = ControleerKop(*velden, nummer); !kop) return kop.Reden();
        continue;
      }
    }

    if (velden->size() != kWegdekKolommen.size()) {
      // Most often a description with a ';' that was not put between quotes.
      const bool hint = scheiding == ';' && velden->size() > kWegdekKolommen.size();
      return KolomAantalFout(nummer, velden->size(), "de regel",
                             hint ? " (een ';' in de omschrijving hoort tussen aanhalingstekens)" : "");
    }
    if (tabel.size() == static_cast<std::size_t>(kMaxWegdekken)) {
      return TabelFout(nummer, 1, "meer dan " + std::to_string(kMaxWegdekken) + " wegdekken");
    }
    IngelezenWegdek w;
    w.regel = nummer;
    auto omschrijving = LeesOmschrijving((*velden)[0], nummer);
    if (!omschrijving) return omschrijving.Reden();
    w.omschrijving = std::move(*omschrijving);
    for (int k = 1; k < kKolommen; ++k) {
      const auto x = LeesCoefficient((*velden)[static_cast<std::size_t>(k)], nummer, k + 1);
      if (!x) return x.Reden();
      w.coefficienten[static_cast<std::size_t>(k - 1)] = *x;
    }
    tabel.push_back(std::move(w));
  }
  return tabel;
}

std::string SchrijfWegdekTabel(const Catalogus& c, char decimaal) {
  std::string out(kBom);
  for (std::size_t k = 0; k < kWegdekKolommen.size(); ++k) out += (k ? ";" : "") + std::string(kWegdekKolommen[k]);
  out += CrLf;
  for (int i = 1; i <= c.AantalWegdekken && i <= kMaxWegdekken; ++i) {
    const Wegdek& w = c.Wegdekken[static_cast<std::size_t>(i)];
    out += CsvTekst(RechtsBijgesneden(w.Omschrijving));
    for (int k = 1; k <= 6; ++k) out += ";" + VolledigeTekst(w.Coefficient(k), decimaal);
    out += CrLf;
  }
  return out;
}

namespace {

Fout TeGroot(std::string_view naam) {
  return Fout{"Wegdekkentabel " + std::string(naam) +
              " is groter dan 1 MB en dus geen wegdekkentabel; er is niets ingelezen."};
}

}  // namespace

Uitkomst<std::vector<IngelezenWegdek>> LeesWegdekTabelBytes(std::string_view bytes, std::string_view naam) {
  if (bytes.size() > kMaxWegdekTabel) return TeGroot(naam);
  return LeesWegdekTabel(bytes, ';', Kopregel::Verplicht);
}

Uitkomst<std::vector<IngelezenWegdek>> LeesWegdekTabelBestand(const std::filesystem::path& csv) {
  const std::string naam = "Wegdekkentabel " + csv.string();
  std::error_code ec;
  if (std::filesystem::is_regular_file(csv, ec) && std::filesystem::file_size(csv, ec) > kMaxWegdekTabel) {
    return TeGroot(csv.string());
  }
  // A folder or a device is no table, and reading one could wait for ever.
  const auto bytes = LeesBestand(csv, kMaxWegdekTabel);
  if (!bytes) {
    if (bytes.Nummer() == kFoutNietGevonden) return Fout{naam + " niet gevonden.", kFoutNietGevonden};
    return Fout{naam + " kan niet worden gelezen: " + bytes.Melding() + ".", bytes.Nummer()};
  }
  return LeesWegdekTabelBytes(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                              csv.string());
}

Uitkomst<void> ExporteerWegdekken(const Catalogus& catalogus, const std::filesystem::path& csv, char decimaal,
                                  const Schrijfwijze& wijze) {
  return SchrijfVeilig(csv, SchrijfWegdekTabel(catalogus, decimaal), wijze);
}

Uitkomst<int> ImporteerWegdekken(const std::filesystem::path& csv, const std::filesystem::path& dat,
                                 const Schrijfwijze& wijze) {
  const auto tabel = LeesWegdekTabelBestand(csv);
  if (!tabel) return tabel.Reden();
  // The window's import refuses a description twice; so does this one.
  if (auto uniek = ControleerUniek(*tabel); !uniek) return uniek.Reden();
  if (tabel->empty()) return Fout{"Wegdekkentabel " + csv.string() + " bevat geen wegdekken; er is niets ingelezen."};

  Catalogus c;
  std::error_code ec;
  const bool bestaat = std::filesystem::exists(dat, ec);
  if (ec) return Fout{"Wegdekkenbestand " + dat.string() + ": " + Reden(ec) + ".", FoutNummer(ec)};
  if (bestaat) {
    if (auto geladen = LaadCatalogusBestand(dat, c); !geladen) return geladen.Reden();
  }
  c.AantalWegdekken = static_cast<std::int16_t>(tabel->size());
  for (std::size_t i = 0; i < tabel->size(); ++i) c.Wegdekken[i + 1] = Wegdek::Van((*tabel)[i]);
  if (auto bewaard = BewaarCatalogusBestand(dat, c, wijze); !bewaard) return bewaard.Reden();
  return static_cast<int>(tabel->size());
}

}  // namespace tarvo
