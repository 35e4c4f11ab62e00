// The worksheet and catalogue files (tests/files/gevallen/bestanden.tsv): a
// file made by the project's writers from a description in gevallen/ and
// tests/calc/gevallen/wegdekken, its bytes changed, then read, saved or
// imported into. Inputs:
//   werkblad=BESCHRIJVING  the values as the file holds them (maak_voorbeeld --ruw)
//   rekenblad=BESCHRIJVING the texts as typed, checked (maak_voorbeeld)
//   catalogus=TABEL        a catalogue (maak_catalogus)
//   (each "geen": no file, "map": a folder in its place); decimaal=, for the fields
//   @OFFSET=i16:N, f64:X, tekst:T  bytes changed; lengte=N[:HH] cut or filled
//   naam=NAAM              the file's name; tabel=TEKST  tabel.csv beside it (map: a folder)
// The temporary folder shows as MAP in what comes out.
#include <gtest/gtest.h>

#include <cstring>

#include "base/Tekst.h"
#include "calc/Controle.h"
#include "data/Bronnen.h"
#include "files/CatalogusBestand.h"
#include "files/WegdekTabel.h"
#include "files/WerkbladBestand.h"
#include "tests/Gevallen.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;

namespace {

const std::filesystem::path kMap = test::kBron / "tests/files/gevallen";
using Bytes = std::vector<std::uint8_t>;

std::string Tekst(double x) { return VolledigeTekst(x, '.'); }

class Bestand {
 public:
  explicit Bestand(const std::vector<std::string>& invoer) {
    std::map<std::string, std::string> in;
    for (const auto& cel : invoer) in[test::Paar(cel).first] = test::Ontsnapt(test::Paar(cel).second);
    werkblad_ = !in.count("catalogus");
    decimaal_ = in.count("decimaal") ? in["decimaal"][0] : '.';
    pad_ = map_ / (in.count("naam") ? in["naam"] : werkblad_ ? "blad.tvo" : "Wegdekken_2012.dat");
    const std::string basis = in[werkblad_ ? (in.count("werkblad") ? "werkblad" : "rekenblad") : "catalogus"];
    if (basis == "map") std::filesystem::create_directory(pad_);
    if (const auto tabel = in.find("tabel"); tabel != in.end() && tabel->second == "map") {
      std::filesystem::create_directory(map_ / "tabel.csv");
    } else if (tabel != in.end()) {
      test::SchrijfBytes(map_ / "tabel.csv", tabel->second);
    }
    if (basis == "geen" || basis == "map") return;
    Bytes b;
    if (werkblad_) {
      std::ifstream beschrijving(kMap / (in.count("werkblad") ? in["werkblad"] : in["rekenblad"]));
      const auto w =
          in.count("werkblad") ? RuwWerkbladUitBeschrijving(beschrijving) : WerkbladUitBeschrijving(beschrijving);
      EXPECT_TRUE(w) << w.Melding();
      b.assign(w->begin(), w->end());
    } else {
      b = CodeerCatalogus(test::TabelCatalogus(in["catalogus"]));
    }
    for (const auto& [k, v] : in) {
      if (k == "lengte") {
        const auto dubbel = v.find(':');
        b.resize(std::stoul(v), static_cast<std::uint8_t>(
                                    dubbel == std::string::npos ? 0 : std::stoul(v.substr(dubbel + 1), nullptr, 16)));
      }
      if (k[0] != '@') continue;
      const auto plek = std::stoul(k.substr(1));
      const std::string soort = v.substr(0, v.find(':')), waarde = v.substr(v.find(':') + 1);
      if (soort == "i16") {
        const auto x = static_cast<std::int16_t>(std::stoi(waarde));
        std::memcpy(b.data() + plek, &x, sizeof x);
      } else if (soort == "f64") {
        const double x = *LeesVolledig(waarde);
        std::memcpy(b.data() + plek, &x, sizeof x);
      } else {
        std::memcpy(b.data() + plek, waarde.data(), waarde.size());
      }
    }
    test::SchrijfBytes(pad_, b);
    bytes_ = b;
  }

  std::string Waarde(const std::string& sleutel) {
    const std::string naam = sleutel.substr(0, sleutel.find(':'));
    const std::string arg = sleutel.find(':') == std::string::npos ? "" : sleutel.substr(sleutel.find(':') + 1);
    std::string t = werkblad_ ? WerkbladWaarde(naam, arg) : CatalogusWaarde(naam, arg);
    for (auto p = t.find(map_.Pad().string()); p != std::string::npos; p = t.find(map_.Pad().string()))
      t.replace(p, map_.Pad().string().size(), "MAP");
    return t;
  }

 private:
  std::string Bytewaarde(const std::string& naam, const std::string& arg) {
    const Bytes b = test::LeesBytes(pad_);
    const auto plek = std::stoul(naam.substr(1));
    if (arg == "i16") {
      std::int16_t x;
      std::memcpy(&x, b.data() + plek, sizeof x);
      return std::to_string(x);
    }
    if (arg == "f64") {
      double x;
      std::memcpy(&x, b.data() + plek, sizeof x);
      return Tekst(x);
    }
    return std::string(b.begin() + static_cast<long>(plek), b.begin() + static_cast<long>(plek + std::stoul(arg)));
  }

  std::string WerkbladWaarde(const std::string& naam, const std::string& arg) {
    if (naam[0] == '@') return Bytewaarde(naam, arg);
    const Uitkomst<Invoer> gelezen = LeesWerkbladBestand(pad_);
    if (naam == "lees") return gelezen ? "ok" : gelezen.Melding();
    if (naam == "nummer") return std::to_string(gelezen.Nummer());
    if (!gelezen) return "niet gelezen";
    Invoer in = *gelezen;
    const auto w = WerkbladVan(in, decimaal_);
    if (naam == "toon") return w.veld.at(std::stoul(arg));
    if (naam == "toelichting")
      return w.toelichting[0] + "|" + w.toelichting[1] + "|" + w.toelichting[2] + "|" + w.toelichting[3];
    if (naam == "schakelaars")
      return std::to_string(w.zone) + " " + std::to_string(w.aftrek) + " " + std::to_string(w.wegdek) + " " +
             std::to_string(w.rail);
    if (naam == "rond") return Verschil(CodeerWerkblad(in));
    const Controle c = Controleer(w, '.');
    if (naam == "controle") return c ? "-" : std::to_string(c.weigering->veld) + " " + c.weigering->tekst;
    if (naam == "weer") return c ? Verschil(CodeerWerkblad(*c.invoer)) : "geweigerd";
    return "?";
  }

  // Where the bytes differ from the file's.
  std::string Verschil(const std::array<std::uint8_t, kWerkbladLengte>& b) const {
    std::string t;
    for (std::size_t i = 0; i < b.size(); ++i) {
      if (i >= bytes_.size() || b[i] != bytes_[i]) t += " " + std::to_string(i);
    }
    return t.empty() ? "gelijk" : "anders op" + t;
  }

  std::string CatalogusWaarde(const std::string& naam, const std::string& arg) {
    if (naam == "importeer") {
      const auto r = ImporteerWegdekken(map_ / "tabel.csv", pad_);
      return (r ? std::to_string(*r) : r.Melding() + " (" + std::to_string(r.Nummer()) + ")") + "|" + Gelijk();
    }
    if (naam == "bestanden") return std::to_string(std::distance(std::filesystem::directory_iterator(map_.Pad()), {}));
    Catalogus c;
    const auto geladen = LaadCatalogusBestand(pad_, c);
    if (naam == "lees") return geladen ? "ok" : geladen.Melding() + " (" + std::to_string(geladen.Nummer()) + ")";
    if (naam == "aantal") return std::to_string(c.AantalWegdekken);
    if (naam == "namen") return c.Gebruikersnaam + "|" + c.GebruikersLabelnaam;
    if (naam == "wegdek") {
      const Wegdek& w = c.Wegdekken.at(std::stoul(arg));
      std::string t = w.Omschrijving;
      for (int k = 1; k <= 6; ++k) t += "|" + Tekst(w.Coefficient(k));
      return t;
    }
    if (naam == "lijst") return std::to_string(AantalTekens(VulLijst(c).at(0)));
    if (naam == "bewaar") {
      // As loaded, or with the count the editor left and a name changed.
      if (!arg.empty()) c.AantalWegdekken = static_cast<std::int16_t>(std::stoi(arg)), c.Gebruikersnaam = "Piet";
      const auto r = BewaarWegdekken(map_.Pad(), c);
      return (r ? (*r ? "ja" : "niets") : r.Melding()) + "|" + Gelijk();
    }
    return "?";
  }

  std::string Gelijk() const { return test::LeesBytes(pad_) == bytes_ ? "gelijk" : "anders"; }

  test::TijdelijkeMap map_;
  bool werkblad_;
  char decimaal_;
  std::filesystem::path pad_;
  Bytes bytes_;
};

}  // namespace

TEST(Bestanden, ZoalsDeTabel) {
  for (const test::Geval& g : test::LeesGevallen(kMap / "bestanden.tsv")) {
    Bestand b(g.invoer);
    test::Toets(g, [&](const std::string& sleutel) { return b.Waarde(sleutel); });
  }
}

// The shipped catalogue and sample worksheet are generated from the text
// beside them (run maak_catalogus / maak_voorbeeld after editing it); the
// editor protects as many entries as the shipped table lists.
TEST(GeleverdeBestanden, ZijnWatDeGeneratorsVanHunTekstMaken) {
  const std::filesystem::path data = test::kBron / "data";
  std::ifstream tabel(data / "wegdekken.tsv"), beschrijving(data / "voorbeeld.txt");
  const auto catalogus = CatalogusUitTabel(tabel);
  ASSERT_TRUE(catalogus) << catalogus.Melding();
  EXPECT_EQ(CodeerCatalogus(*catalogus), test::LeesBytes(data / "Wegdekken_2012.dat")) << "Wegdekken_2012.dat is stale";
  EXPECT_EQ(catalogus->AantalWegdekken, kAantalMeegeleverd);
  const auto werkblad = WerkbladUitBeschrijving(beschrijving);
  ASSERT_TRUE(werkblad) << werkblad.Melding();
  EXPECT_EQ(Bytes(werkblad->begin(), werkblad->end()), test::LeesBytes(data / "voorbeeld.tvo"))
      << "voorbeeld.tvo is stale";
  // The sample went through the input check, which fills the totals.
  EXPECT_EQ(DecodeerWerkblad(*werkblad)->getal[TotaalVeld(1)], 1079);
}
