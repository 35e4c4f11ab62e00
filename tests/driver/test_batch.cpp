// The batch: its rows as data (tests/driver/gevallen/batch.txt), then its
// blocks on several threads, a read that breaks off and a full disk.
//   === naam [decimaal=,] [datum=JJJJ-MM-DD] [wegdekken=TABEL]
//   < an input line ("<|": the last one, without a line break)
//   > an expected output line
//   ! the summary, or the refusal of the whole input
// In the lines \t \n \r \\ \xHH and \{N}c as in case tables.
// TARVO_VERWACHT_SCHRIJVEN=1 writes the expected lines anew.
#include <gtest/gtest.h>

#include <sstream>

#include "base/Tekst.h"
#include "data/Bronnen.h"
#include "driver/Batch.h"
#include "files/CatalogusBestand.h"
#include "tests/Gevallen.h"
#include "tests/TijdelijkeMap.h"
#include "tests/VolleSchijf.h"

using namespace tarvo;

namespace {

// The settings of a case: a catalogue from the tables of the worksheet cases.
OpdrachtInstellingen Instellingen(const test::TijdelijkeMap& map, const std::string& kop) {
  std::map<std::string, std::string> o = {{"decimaal", "."}, {"datum", "2026-12-06"}, {"wegdekken", "standaard"}};
  std::istringstream woorden(kop);
  for (std::string w; woorden >> w;) o[test::Paar(w).first] = test::Paar(w).second;
  OpdrachtInstellingen inst;
  inst.wegdekken = map / "Wegdekken_2012.dat";
  test::SchrijfBytes(inst.wegdekken, CodeerCatalogus(test::TabelCatalogus(o["wegdekken"])));
  inst.decimaal = o["decimaal"][0];
  inst.vandaag = *LeesDatum(o["datum"]);
  return inst;
}

std::string Verwerk(const OpdrachtInstellingen& inst, const std::string& invoer, unsigned draden,
                    BatchVerslag* verslag = nullptr) {
  std::istringstream in(invoer);
  std::ostringstream uit;
  BatchOpties opties;
  opties.draden = draden;
  const auto r = VerwerkBatch(in, uit, inst, opties);
  if (verslag) *verslag = r ? *r : BatchVerslag{};
  if (!r) return r.Melding();
  return uit.str() + (r->geweigerd ? Samenvatting(*r) : "alle " + std::to_string(r->rijen) + " rijen berekend");
}

// Rows of every kind: speeds, heights and distances around the check's
// limits, quoted names, both separators, refusals of each sort.
std::string GemengdeRijen(int aantal) {
  std::string t =
      "waarneempunt;weg;Qlv_dag;Qlv_avond;Qlv_nacht;Vlv;Qzv_dag;Vzv;hw;hweg;d;a_kruising;fobj;wegdek;zone;aftrek\n";
  for (int i = 0; i < aantal; ++i) {
    const std::string naam = i % 7 == 0 ? "\"P; " + std::to_string(i) + "\"" : "P" + std::to_string(i);
    const std::string q = std::to_string(100 + i % 900) + (i % 2 ? ",25" : ".5");
    t += naam + ";Weg;" + q + ";" + std::to_string(i % 300) + ";" + std::to_string(i % 40) + ";" +
         std::to_string(25 + i % 140) + ";" + std::to_string(i % 60) + ";" + std::to_string(60 + i % 30) + ";" +
         (i % 97 == 0 ? "0" : std::to_string(1 + i % 12)) + ";" + (i % 89 == 0 ? "50" : "0,5") + ";" +
         std::to_string(i % 400) + "." + std::to_string(i % 10) + ";" + std::to_string(140 + i % 20) + ";" +
         (i % 5 ? "0,3" : "1,4") + ";" + std::to_string(1 + i % 6) + ";" + std::to_string(i % 11 == 0) + ";" +
         std::to_string(i % 2) + (i % 101 == 0 ? ";extra" : "") + "\n";
    if (i % 503 == 0) t += "   \n";
  }
  return t;
}

// Input that breaks off after `n` bytes, as a disk that fails would.
class BrekendeInvoer : public std::streambuf {
 public:
  BrekendeInvoer(std::string tekst, std::size_t n) : tekst_(std::move(tekst)), n_(n) {}

 protected:
  std::streamsize xsgetn(char* s, std::streamsize aantal) override {
    if (pos_ >= n_) throw std::ios_base::failure("leesfout");
    const std::size_t n = std::min(static_cast<std::size_t>(aantal), n_ - pos_);
    tekst_.copy(s, n, pos_);
    pos_ += n;
    return static_cast<std::streamsize>(n);
  }

 private:
  std::string tekst_;
  std::size_t n_, pos_ = 0;
};

}  // namespace

TEST(Batch, RijenZoalsDeTabel) {
  const auto pad = test::kBron / "tests/driver/gevallen/batch.txt";
  std::ifstream bestand(pad);
  std::vector<std::string> regels;
  for (std::string r; std::getline(bestand, r);) regels.push_back(r);
  const bool schrijf = test::VerwachtSchrijven();
  std::vector<std::string> nieuw;
  for (std::size_t i = 0; i < regels.size();) {
    nieuw.push_back(regels[i]);
    if (!regels[i].starts_with("=== ")) {
      ++i;
      continue;
    }
    const std::string kop = regels[i++].substr(4);
    std::string invoer, verwacht;
    for (; i < regels.size() && !regels[i].starts_with("=== ") && !regels[i].starts_with("#"); ++i) {
      const std::string r = regels[i];
      if (r.starts_with("<")) {
        invoer += test::Ontsnapt(r.substr(r.starts_with("<|") ? 3 : 2)) + (r.starts_with("<|") ? "" : "\n");
        nieuw.push_back(r);
      }
      if (r.starts_with(">") || r.starts_with("!")) verwacht += test::Ontsnapt(r.substr(2)) + (r[0] == '>' ? "\n" : "");
    }
    test::TijdelijkeMap map;
    const std::string uit = Verwerk(Instellingen(map, kop), invoer, 1);
    EXPECT_EQ(uit, verwacht) << pad << " " << kop;
    std::istringstream regelsUit(uit);
    for (std::string r; std::getline(regelsUit, r);)
      nieuw.push_back((regelsUit.eof() ? "! " : "> ") + test::Ontsnap(r));
  }
  if (schrijf) {
    std::ofstream uit(pad);
    for (const auto& r : nieuw) uit << r << "\n";
  }
}

TEST(Batch, ElkAantalDradenGeeftDezelfdeBytesInInvoervolgorde) {
  test::TijdelijkeMap map;
  const OpdrachtInstellingen inst = Instellingen(map, "decimaal=, datum=2017-06-01");
  const std::string invoer = GemengdeRijen(5000) + std::string(kMaxRegelLengte + 1, ';') + "\nLaatste;Weg;1\n";
  BatchVerslag een;
  const std::string verwacht = Verwerk(inst, invoer, 1, &een);
  EXPECT_EQ(een.rijen, 5002u);
  EXPECT_GT(een.geweigerd, 100u);
  EXPECT_LT(een.geweigerd, 1000u);
  // Refusals in every block, but the summary names the first ten only.
  ASSERT_EQ(een.eersteRegels.size(), kAantalGenoemdeRegels);
  EXPECT_TRUE(std::is_sorted(een.eersteRegels.begin(), een.eersteRegels.end()));
  for (unsigned draden : {2u, 4u, 7u}) {
    BatchVerslag verslag;
    EXPECT_EQ(Verwerk(inst, invoer, draden, &verslag), verwacht) << draden << " threads";
    EXPECT_EQ(verslag.eersteRegels, een.eersteRegels);
  }
}

TEST(Batch, FouteRijInLangeInvoerGenoemdDeRestBerekend) {
  test::TijdelijkeMap map;
  std::string invoer = "waarneempunt;Qlv_dag;Vlv;hw;d;wegdek\n";
  for (int i = 0; i < 30000; ++i) {
    invoer += "P" + std::to_string(i) + ";" + (i == 15000 ? "12a" : std::to_string(500 + i % 1000)) + ";80;5;" +
              std::to_string(5 + i % 50) + ";" + std::to_string(1 + i % 3) + "\n";
  }
  const std::string uit = Verwerk(Instellingen(map, ""), invoer, 4);
  EXPECT_NE(uit.find("\nP15000;;;;;;;;;;;Veld 2 (Qlicht (mvt/h) / dag) bevat geen getal: '12a'.\n"), std::string::npos);
  EXPECT_EQ(uit.find(";;;;;;;;;;;"), uit.find("\nP15000;") + 7) << "no other row refused";
  EXPECT_TRUE(uit.ends_with("\n1 van 30000 rijen niet berekend (regel 15002); de reden staat in de kolom melding."));
}

TEST(Batch, FoutBijLezenOfSchrijvenBeeindigtDeRun) {
  test::TijdelijkeMap map;
  const OpdrachtInstellingen inst = Instellingen(map, "");
  const std::string invoer = GemengdeRijen(4000);
  std::size_t regel2200 = 0;
  for (int i = 0; i < 2200; ++i) regel2200 = invoer.find('\n', regel2200) + 1;
  for (unsigned draden : {1u, 3u}) {
    BrekendeInvoer breuk(invoer, regel2200 + 5);
    std::istream in(&breuk);
    std::ostringstream uit;
    BatchOpties opties;
    opties.draden = draden;
    EXPECT_EQ(VerwerkBatch(in, uit, inst, opties).Melding(),
              "Het invoerbestand kan niet worden gelezen na regel 2200.");
    std::istringstream heel(invoer);
    test::VolleSchijf vol(100000);
    std::ostream klein(&vol);
    EXPECT_TRUE(VerwerkBatch(heel, klein, inst, opties).Melding().starts_with("De uitvoer kon niet worden geschreven"));
  }
}
