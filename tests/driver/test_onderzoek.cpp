// A study against its roads as worksheets: every road row of the committed
// study (tests/app/invoer/onderzoek.csv, its table in tests/app/verwacht)
// is what tarvo-reken --hoogten gives for that road saved as a worksheet
// file and opened again, and every cumulatief row the energetic sum of them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "data/Bronnen.h"
#include "driver/HoogtenOpdracht.h"
#include "driver/Onderzoek.h"
#include "driver/OnderzoekBlad.h"
#include "driver/Openen.h"
#include "driver/ToetsingOpdracht.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"
#include "tests/Gevallen.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;

namespace {

std::vector<std::string> Cellen(const std::string& regel) {
  std::vector<std::string> c;
  std::istringstream in(regel);
  for (std::string d; std::getline(in, d, ';');) c.push_back(d);
  return c;
}

}  // namespace

TEST(Onderzoek, RekentElkeWegAlsZijnRekenbladEnCumuleertEnergetisch) {
  test::TijdelijkeMap map;
  std::ifstream tabel(test::kBron / "tests/app/invoer/twee_wegdekken.tsv");
  const auto catalogus = CatalogusUitTabel(tabel);
  ASSERT_TRUE(catalogus);
  test::SchrijfBytes(map / "Wegdekken_2012.dat", CodeerCatalogus(*catalogus));
  const Datum vandaag{2024, 3, 1};
  const auto blad =
      LeesOnderzoek(test::LeesTekst(test::kBron / "tests/app/invoer/onderzoek.csv"), *catalogus, ',', vandaag);
  ASSERT_TRUE(blad);
  const OnderzoekUitkomst u = RekenOnderzoek(*blad, std::nullopt, {}, *catalogus, vandaag, ',');
  ASSERT_EQ(u.geweigerd, 0u);
  std::istringstream csv(OnderzoekCsv(u, {}, ',', "\n"));
  std::string regel;
  std::getline(csv, regel);  // the header
  std::size_t wegen = 0, sommen = 0;
  for (const OnderzoekPunt& punt : blad->punten) {
    ASSERT_FALSE(punt.hoogten.empty()) << punt.naam;
    // Each road as a worksheet of its own, through a file, at the point's heights.
    std::vector<std::vector<std::string>> perWeg;
    std::vector<std::vector<double>> lden;
    for (const OnderzoekWeg& weg : punt.wegen) {
      const auto rekenblad = map / ("weg" + std::to_string(weg.regel) + ".tvo");
      const TeBewarenRekenblad te = TeBewaren(weg.werkblad, ',');
      ASSERT_TRUE(te.controle) << weg.naam;
      test::SchrijfBytes(rekenblad, std::string(te.bytes.begin(), te.bytes.end()));
      const auto geopend = OpenWerkblad({rekenblad, map / "Wegdekken_2012.dat", ',', vandaag});
      ASSERT_TRUE(geopend);
      std::string lijst = punt.hoogten;
      std::replace(lijst.begin(), lijst.end(), ' ', ';');
      std::ostringstream uit;
      ASSERT_TRUE(HoogtenOpdracht(*geopend, {lijst, std::nullopt}, vandaag, uit));
      std::istringstream regels(uit.str());
      perWeg.emplace_back();
      for (std::string r; std::getline(regels, r);) perWeg.back().push_back(r);
      lden.push_back({});
      for (const HoogteResultaat& h :
           RekenHoogten(geopend->werkblad, lijst, {}, geopend->catalogus, vandaag, ',').hoogten)
        lden.back().push_back(h.resultaten.Lden);
    }
    for (std::size_t h = 0; h < perWeg.front().size(); ++h) {
      std::vector<double> som;
      for (std::size_t w = 0; w < punt.wegen.size(); ++w, ++wegen) {
        ASSERT_TRUE(std::getline(csv, regel));
        // The point, then the worksheet's line: hoogte;Lden;Lnight;aftrek;Lden_na_aftrek;geluidsbelasting.
        const auto r = Cellen(perWeg[w][h]);
        std::string verwacht = CsvTekst(punt.naam) + ";" + r[0] + ";" + CsvTekst(punt.wegen[w].naam);
        for (std::size_t i = 1; i < r.size(); ++i) verwacht += ";" + r[i];
        EXPECT_EQ(regel.substr(0, verwacht.size() + 1), verwacht + ";");
        som.push_back(lden[w][h]);
      }
      ASSERT_TRUE(std::getline(csv, regel));
      EXPECT_EQ(Cellen(regel)[3], Formatteer(CumuleerNiveaus(som), "##0.00", ',')) << regel;
      ++sommen;
    }
  }
  EXPECT_EQ(wegen, 21u);  // three points, two or three roads, three heights
  EXPECT_EQ(sommen, 9u);
}

// The worksheet on screen added to a study: a road line of its own that
// computes as the worksheet, remarks and switches kept; the other lines
// compute as before, also where columns were added for it; the same road
// twice is refused.
TEST(Onderzoek, VoegtHetRekenbladToeZonderIetsTeVerliezen) {
  std::ifstream tabel(test::kBron / "tests/app/invoer/twee_wegdekken.tsv");
  const auto catalogus = CatalogusUitTabel(tabel);
  ASSERT_TRUE(catalogus);
  const Datum vandaag{2024, 3, 1};
  Werkblad w = LeegWerkblad(',');
  for (const auto& [k, t] : std::map<int, std::string>{{veld::kWaarneempunt, "Molenweg 3"},
                                                       {veld::kWeg, "=Tramlijn 5"},
                                                       {veld::kQtramDag, "12"},
                                                       {veld::kVtram, "40"},
                                                       {veld::kAfstandObstakel, "35"},
                                                       {veld::kWaarneemhoogte, "4,5"}})
    w.veld[static_cast<std::size_t>(k)] = t;
  w.zone = w.aftrek = true;
  w.rail = 1;
  w.toelichting = {"  eigen meting", "", "regel; drie", ""};
  const auto eigen = RekenHoogten(w, std::nullopt, {}, *catalogus, vandaag, ',');
  ASSERT_TRUE(eigen.Gelukt());
  const std::string oud = test::LeesTekst(test::kBron / "tests/app/invoer/onderzoek.csv");
  for (const std::string& blad : {std::string(), oud}) {
    const auto nieuw = VoegWegToe(blad, *eigen.rekening.controle.invoer, ',');
    ASSERT_TRUE(nieuw) << nieuw.Melding();
    const auto voor = OnderzoekVan(blad, *catalogus, vandaag, ',');
    const auto na = OnderzoekVan(*nieuw, *catalogus, vandaag, ',');
    ASSERT_TRUE(na->fout.empty()) << na->fout;
    EXPECT_EQ(na->uitkomst.geweigerd, 0u) << *nieuw << na->csv;
    const OnderzoekWeg& weg = na->blad.punten.at(blad.empty() ? 0 : 1).wegen.back();
    EXPECT_EQ(weg.naam, "=Tramlijn 5");
    EXPECT_EQ(weg.werkblad.toelichting, w.toelichting);
    const auto terug = RekenHoogten(weg.werkblad, std::nullopt, {}, *catalogus, vandaag, ',');
    ASSERT_TRUE(terug.Gelukt());
    EXPECT_EQ(terug.hoogten[0].resultaten.Lden, eigen.hoogten[0].resultaten.Lden);
    EXPECT_TRUE(terug.rekening.controle.invoer->zone && terug.rekening.controle.invoer->rail == 1);
    if (blad.empty()) continue;
    // Every line that was there computes as before; the point's sums take the new road in.
    std::istringstream regels(voor->csv);
    for (std::string r; std::getline(regels, r);) {
      EXPECT_EQ(na->csv.find(r) != std::string::npos,
                r.find("Molenweg 3;") != 0 || r.find("cumulatief") == std::string::npos)
          << r;
    }
    EXPECT_FALSE(VoegWegToe(*nieuw, *eigen.rekening.controle.invoer, ','));  // the same road again
  }
}
