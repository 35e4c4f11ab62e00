// The batch's reading in pieces, its blocks on several threads and its
// progress line.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "base/Tekst.h"
#include "driver/Batch.h"
#include "driver/BatchLezer.h"
#include "driver/Voortgang.h"
#include "files/CatalogusBestand.h"
#include "tests/TijdelijkeMap.h"
#include "tests/VolleSchijf.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

std::vector<std::string> Regels(const std::string& invoer, std::size_t stuk, bool restOverslaan = true) {
  std::istringstream in(invoer);
  RegelLezer lezer(in, stuk);
  std::vector<std::string> r;
  for (;;) {
    std::string_view regel;
    const Gelezen g = lezer.Volgende(regel, restOverslaan);
    if (g == Gelezen::Einde) return r;
    r.push_back(g == Gelezen::TeLang ? "<te lang>" : std::string(regel));
    if (g == Gelezen::TeLang && !restOverslaan) return r;
  }
}

// Three road surfaces whose coefficients all differ, so that a row computed
// on the wrong one shows.
struct Batchomgeving {
  TijdelijkeMap map;
  OpdrachtInstellingen inst;
  Batchomgeving() {
    Catalogus c;
    c.AantalWegdekken = 3;
    const char* namen[] = {"dunne deklaag B", "2L ZOAB", "elementenverharding, keperverb"};
    for (int w = 1; w <= 3; ++w) {
      c.Wegdekken[static_cast<std::size_t>(w)].Omschrijving = VastBreed(namen[w - 1], kOmschrijvingLengte);
      for (int k = 1; k <= 6; ++k) c.Wegdekken[static_cast<std::size_t>(w)].Coefficient(k) = 0.35 * k - 1.1 * w;
    }
    inst.wegdekken = map / "Wegdekken_2012.dat";
    test::SchrijfBytes(inst.wegdekken, CodeerCatalogus(c));
    inst.vandaag = {2017, 6, 1};
    inst.decimaal = ',';
  }
  std::string Draai(const std::string& invoer, unsigned draden, BatchVerslag* verslag = nullptr) {
    std::istringstream in(invoer);
    std::ostringstream uit;
    BatchOpties opties;
    opties.draden = draden;
    const auto r = VerwerkBatch(in, uit, inst, opties);
    EXPECT_TRUE(r) << r.Melding();
    if (r && verslag) *verslag = *r;
    return uit.str();
  }
};

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
         (i % 5 ? "0,3" : "1,4") + ";" + std::to_string(1 + i % 3) + ";" + std::to_string(i % 11 == 0) + ";" +
         std::to_string(i % 2) + (i % 101 == 0 ? ";extra" : "") + "\n";
    if (i % 503 == 0) t += "   \n";
  }
  return t;
}

}  // namespace

TEST(BatchLezer, RegelsOverStukkenMetOfZonderEinde) {
  const std::string invoer = "ab\r\ncdefghijklmnop\n\n\rx\r\nlaatste";
  const std::vector<std::string> verwacht = {"ab", "cdefghijklmnop", "", "\rx", "laatste"};
  for (std::size_t stuk : {1u, 3u, 7u, 64u}) EXPECT_EQ(Regels(invoer, stuk), verwacht) << stuk;
  EXPECT_EQ(Regels("a\n", 4), std::vector<std::string>{"a"}) << "a final break opens no empty line";
  EXPECT_EQ(Regels("", 4), std::vector<std::string>{});
}

TEST(BatchLezer, DeGrensTeltDeRegelterugloopMee) {
  const std::string precies(kMaxRegelLengte, 'a');
  for (std::size_t stuk : {std::size_t{4096}, std::size_t{1} << 18}) {
    const auto r = Regels(precies + "\n" + precies + "b\nc\n" + precies + "\r\nd\n" + precies + "e", stuk);
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0].size(), kMaxRegelLengte);
    EXPECT_EQ(r[1], "<te lang>");
    EXPECT_EQ(r[2], "c") << "the rest of a long line is skipped, the next read whole";
    EXPECT_EQ(r[3], "<te lang>");
    EXPECT_EQ(r[4], "d");
    EXPECT_EQ(r[5], "<te lang>") << "also without a final break";
  }
  // A header is refused as soon as it is too long, without reading on.
  EXPECT_EQ(Regels(precies + "b" + std::string(3 << 20, 'c') + "\nc\n", 4096, false),
            std::vector<std::string>{"<te lang>"});
}

TEST(Batch, ElkAantalDradenGeeftDezelfdeBytesInInvoervolgorde) {
  Batchomgeving o;
  const std::string invoer = GemengdeRijen(5000) + std::string(kMaxRegelLengte + 1, ';') + "\nLaatste;Weg;1\n";
  BatchVerslag een;
  const std::string verwacht = o.Draai(invoer, 1, &een);
  EXPECT_EQ(een.rijen, 5002u);
  EXPECT_GT(een.geweigerd, 100u);
  EXPECT_LT(een.geweigerd, 1000u);
  // Refusals in every block, but the summary names the first ten only.
  ASSERT_EQ(een.eersteRegels.size(), kAantalGenoemdeRegels);
  EXPECT_TRUE(std::is_sorted(een.eersteRegels.begin(), een.eersteRegels.end()));
  for (unsigned draden : {2u, 4u, 7u}) {
    BatchVerslag verslag;
    EXPECT_EQ(o.Draai(invoer, draden, &verslag), verwacht) << draden << " threads";
    EXPECT_EQ(verslag.rijen, een.rijen);
    EXPECT_EQ(verslag.geweigerd, een.geweigerd);
    EXPECT_EQ(verslag.eersteRegels, een.eersteRegels);
  }
}

TEST(Batch, FouteRijInLangeInvoerGenoemdDeRestBerekend) {
  Batchomgeving o;
  std::string invoer = "waarneempunt;Qlv_dag;Vlv;hw;d;wegdek\n";
  for (int i = 0; i < 30000; ++i) {
    invoer += "P" + std::to_string(i) + ";" + (i == 15000 ? "12a" : std::to_string(500 + i % 1000)) + ";80;5;" +
              std::to_string(5 + i % 50) + ";" + std::to_string(1 + i % 3) + "\n";
  }
  BatchVerslag verslag;
  const std::string uit = o.Draai(invoer, 4, &verslag);
  EXPECT_EQ(verslag.rijen, 30000u);
  EXPECT_EQ(verslag.geweigerd, 1u);
  EXPECT_EQ(verslag.eersteRegels, std::vector<std::size_t>{15002});
  EXPECT_NE(uit.find("\nP15000;;;;;;;;;;;Veld 2 (Qlicht (mvt/h) / dag) bevat geen getal: '12a'.\n"), std::string::npos);
  EXPECT_NE(uit.find("\nP14999;;"), std::string::npos);
  EXPECT_NE(uit.find("\nP15001;;"), std::string::npos);
  EXPECT_EQ(uit.find(";;;;;;;;;;;"), uit.find("\nP15000;") + 7) << "no other row refused";
}

namespace {

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

TEST(Batch, FoutBijLezenOfSchrijvenBeeindigtDeRun) {
  Batchomgeving o;
  const std::string invoer = GemengdeRijen(4000);
  const std::size_t regel2200 = [&] {
    std::size_t pos = 0;
    for (int i = 0; i < 2200; ++i) pos = invoer.find('\n', pos) + 1;
    return pos;
  }();
  for (unsigned draden : {1u, 3u}) {
    BrekendeInvoer breuk(invoer, regel2200 + 5);
    std::istream in(&breuk);
    std::ostringstream uit;
    BatchOpties opties;
    opties.draden = draden;
    const auto r = VerwerkBatch(in, uit, o.inst, opties);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Melding(), "Het invoerbestand kan niet worden gelezen na regel 2200.");

    std::istringstream heel(invoer);
    test::VolleSchijf vol(100000);
    std::ostream klein(&vol);
    const auto v = VerwerkBatch(heel, klein, o.inst, opties);
    ASSERT_FALSE(v);
    EXPECT_TRUE(v.Melding().starts_with("De uitvoer kon niet worden geschreven")) << v.Melding();
  }
}

TEST(LeesAantalDraden, GeheelGetalBinnenDeGrenzen) {
  for (const char* goed : {"1", "4", " 16 ", "256"}) EXPECT_TRUE(LeesAantalDraden(goed)) << goed;
  for (const char* fout : {"0", "257", "-1", "+2", "2x", "1.5", "", "99999999999"}) {
    EXPECT_FALSE(LeesAantalDraden(fout)) << fout;
  }
  EXPECT_EQ(LeesAantalDraden("3"), 3u);
}

TEST(Voortgang, EenSecondeStilDaarnaEnkeleKerenPerSeconde) {
  using namespace std::chrono_literals;
  const Voortgang::Klok::time_point t0{};
  Voortgang v(',', t0);
  EXPECT_FALSE(v.Bij(5000, t0 + 999ms));
  EXPECT_FALSE(v.Slot(5000, t0 + 999ms)) << "a short run leaves the terminal alone";
  EXPECT_EQ(v.Bij(1234567, t0 + 1000ms), "\r1.234.567 rijen berekend, 1.234.567 rijen per seconde");
  EXPECT_FALSE(v.Bij(1300000, t0 + 1249ms));
  // A shorter line covers the longer one before it.
  EXPECT_EQ(v.Bij(1300000, t0 + 1250ms), "\r1.300.000 rijen berekend, 1.040.000 rijen per seconde");
  EXPECT_EQ(v.Slot(2000000, t0 + 4000ms), "\r2.000.000 rijen berekend, 500.000 rijen per seconde  \n");

  Voortgang punt('.', t0);
  EXPECT_EQ(punt.Bij(999, t0 + 2s), "\r999 rijen berekend, 499 rijen per seconde");
  EXPECT_EQ(punt.Slot(1000, t0 + 2s), "\r1,000 rijen berekend, 500 rijen per seconde\n");
}
