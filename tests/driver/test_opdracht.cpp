#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "driver/Batch.h"
#include "driver/DiagramOpdracht.h"
#include "tests/TijdelijkeMap.h"
#include "tests/VolleSchijf.h"
#include "tests/WerkbladMaker.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

// A catalogue in a fresh folder; Batch runs the rows and returns them line by line.
struct Omgeving {
  TijdelijkeMap map;
  OpdrachtInstellingen inst;
  bool gelukt = false;
  std::string fout;  // the refusal of the whole input
  BatchVerslag verslag;
  Omgeving() {
    inst.wegdekken = map / "Wegdekken_2012.dat";
    test::BewaarEenWegdek(inst.wegdekken);
    inst.vandaag = {2026, 12, 6};
  }
  std::vector<std::string> Batch(const std::string& invoer) {
    std::istringstream in(invoer);
    std::ostringstream uit;
    const auto verwerkt = VerwerkBatch(in, uit, inst);
    gelukt = verwerkt.Gelukt();
    fout = gelukt ? "" : verwerkt.Melding();
    verslag = gelukt ? *verwerkt : BatchVerslag{};
    std::vector<std::string> r;
    std::istringstream regels(uit.str());
    for (std::string s; std::getline(regels, s);) r.push_back(s);
    return r;
  }
};

}  // namespace

TEST(Batch, RekentElkeRijAlsHetVensterEnWeigertPerRij) {
  Omgeving o;
  o.inst.decimaal = ',';
  const auto r = o.Batch(
      "waarneempunt;weg;Qlv_dag;Qlv_avond;Qlv_nacht;Vlv;hw;d;aftrek\n"
      "A;Dorpsstraat;1000;1000;1000;80;5;10;0\n"
      "B;Dorpsstraat;1000;1000;1000;80;0;10;0\n"
      "\"C; hoek\";Dorpsstraat;1000,5;x;0;50;5;10;1\n"
      "D;Dorpsstraat;1000;0;0;50;5;10;1\n");
  ASSERT_TRUE(o.gelukt) << o.fout;
  ASSERT_EQ(r.size(), 5u);
  // 1000 light vehicles at 80 km/h, r = 10.8657, -2 dB art. 3.5: 80.97 - 2 - 10.36 - 0.085 - 0.255 = 68.27.
  EXPECT_TRUE(r[1].starts_with("A;Dorpsstraat;68,27;68,27;") && r[1].ends_with(";")) << "no melding: " << r[1];
  EXPECT_EQ(r[2], "B;Dorpsstraat;;;;;;;;;;geen waarneemhoogte ingevuld");
  EXPECT_TRUE(r[3].starts_with("\"C; hoek\";Dorpsstraat;;;;;;;;;;Veld 3 (Qlicht (mvt/h) / avond) bevat geen getal"))
      << r[3];
  EXPECT_NE(r[4].find(";5;"), std::string::npos) << "Vlv 50 with the switch on deducts 5 dB: " << r[4];
}

// A value beyond its field's range is computed as the window computes it,
// and the melding says to what it was clamped; one that is then refused
// names the column and the value. A name never carries control characters out.
TEST(Batch, BegrensdeWaardenStaanInDeMelding) {
  struct Rij {
    const char* invoer;
    const char* melding;  // the row's last column
    bool berekend;
  };
  const Rij rijen[] = {
      {"A;500;1000;5;7;900", "\"vlv 500 begrensd tot 160; b 7 begrensd tot 1; zichthoek 900 begrensd tot 127.\"", true},
      {"B;80;-1000;5;0;127", "qlv_dag -1000 begrensd tot 0.", true},
      {"C;80;99999999999999999999;5;0;127", "qlv_dag 99999999999999999999 begrensd tot 99999.", true},
      {"D;80;1000;-5;0;127", "hw -5 ligt buiten 0 tot en met 99999.", false},
      {"E;160;1000;5;1;127", "", true},
      {"F\x1b[31m;80;1000;5;0;127", "", true},
  };
  Omgeving o;
  std::string invoer = "waarneempunt;Vlv;Qlv_dag;hw;b;zichthoek;d\n";
  for (const Rij& r : rijen) invoer += std::string(r.invoer) + ";10\n";
  const auto uit = o.Batch(invoer);
  ASSERT_EQ(uit.size(), std::size(rijen) + 1);
  for (std::size_t i = 0; i < std::size(rijen); ++i) {
    const std::string& regel = uit[i + 1];
    EXPECT_TRUE(regel.ends_with(";" + std::string(rijen[i].melding))) << regel;
    EXPECT_EQ(regel.find(";;;;"), rijen[i].berekend ? std::string::npos : regel.find(';')) << regel;
  }
  EXPECT_TRUE(uit[6].starts_with("F?[31m;")) << uit[6];
  EXPECT_EQ(o.verslag.geweigerd, 1u);
}

// Daily totals instead of intensities per hour: turned as the traffic-count
// window turns them, the same result as the hourly texts typed, and the
// melding says so. Both forms, or one incomplete, refuse the row naming the columns.
TEST(Batch, EtmaalgegevensAlsHetOmrekenvenster) {
  Omgeving o;
  o.inst.decimaal = ',';
  const std::string verdeling = "0;90;5;5;0;90;5;5;0;80;10;10";
  const auto r = o.Batch(
      "waarneempunt;etmaal;uur_dag;uur_avond;uur_nacht;aandeel_mr_dag;aandeel_lv_dag;aandeel_mv_dag;"
      "aandeel_zv_dag;aandeel_mr_avond;aandeel_lv_avond;aandeel_mv_avond;aandeel_zv_avond;aandeel_mr_nacht;"
      "aandeel_lv_nacht;aandeel_mv_nacht;aandeel_zv_nacht;qlv_dag;qmv_dag;qzv_dag;qlv_avond;qmv_avond;qzv_avond;"
      "qlv_nacht;qmv_nacht;qzv_nacht;d\n"
      "etmaal;10000;6,5;3,5;1;" +
      verdeling +
      ";;;;;;;;;;10\n"
      "uur;;;;;;;;;;;;;;;;;585;32,5;32,5;315;17,5;17,5;80;10;10;10\n"
      "beide;10000;6,5;3,5;1;" +
      verdeling +
      ";585;;;;;;;;;10\n"
      "half;10000;6,5;;1;" +
      verdeling +
      ";;;;;;;;;;10\n"
      "niets;;;;;;;;;;;;;;;;;;;;;;;;;;10\n");
  ASSERT_EQ(r.size(), 6u);
  const auto waarden = [](const std::string& s) { return s.substr(s.find(';'), s.rfind(';') - s.find(';')); };
  EXPECT_EQ(waarden(r[1]), waarden(r[2]));
  EXPECT_TRUE(r[1].ends_with(";omgerekend uit etmaalgegevens.")) << r[1];
  EXPECT_TRUE(r[2].ends_with(";")) << r[2];
  EXPECT_NE(r[3].find("zowel etmaalgegevens"), std::string::npos) << r[3];
  EXPECT_NE(r[3].find("als intensiteiten per uur (qlv_dag)"), std::string::npos) << r[3];
  EXPECT_TRUE(r[4].ends_with("Rij geeft de etmaalgegevens niet volledig: uur_avond ontbreekt.")) << r[4];
  EXPECT_TRUE(r[5].ends_with("Rij geeft geen etmaalgegevens en geen intensiteiten per uur.")) << r[5];
}

TEST(Batch, KopregelWeigertAllesEenWaardeAlleenZijnRij) {
  Omgeving o;
  o.Batch("waarneempunt;snelheid\nA;50\n");
  EXPECT_FALSE(o.gelukt);
  EXPECT_NE(o.fout.find("snelheid"), std::string::npos);

  const auto r = o.Batch("WEGDEK;Zone;hw\n2;0;5\n1;2;5\n1;1;5\n");
  EXPECT_TRUE(o.gelukt);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_NE(r[1].find("wegdekkenlijst"), std::string::npos) << r[1];
  EXPECT_NE(r[2].find("zone: 0 of 1 verwacht"), std::string::npos) << r[2];
  EXPECT_EQ(r[3].find("verwacht"), std::string::npos) << r[3];
}

TEST(Batch, ZoneRijenMet30EnRijenLekkenNietInElkaar) {
  Omgeving o;
  const auto r = o.Batch(
      "waarneempunt;Qlv_dag;Vlv;zone\n"
      "een;500;100;0\n"
      "twee;500;100;1\n"
      "drie;500;30;0\n"
      "een;500;100;0\n");
  ASSERT_EQ(r.size(), 5u);
  const auto waarden = [](const std::string& s) { return s.substr(s.find(';')); };
  EXPECT_EQ(waarden(r[2]), waarden(r[3])) << "with the zone on the calculation uses 30 km/h";
  EXPECT_EQ(waarden(r[1]), waarden(r[4]));
  EXPECT_NE(waarden(r[1]), waarden(r[2]));
}

// A row that the reader cannot take apart as the header says is refused
// with its line number, never computed from defaults; so is a line past
// 1 MB. The run reports how many rows and which lines.
TEST(Batch, RijenVanDeVerkeerdeVormPerRegelGeweigerd) {
  Omgeving o;
  const std::string lang(kMaxRegelLengte, '5');
  const auto r = o.Batch(
      "waarneempunt;weg;Qlv_dag;Vlv;hw;d\n"
      "A;W;1000;80;5;10\n"
      "B;W;1000\n"
      "\"C;W;1000;80;5;10\n"
      "D;W;1000;80;5;10;9\n"
      "\n"
      "E;W;" +
      lang +
      "\n"
      "F;W;1000;80;5;" +
      lang.substr(0, kMaxRegelLengte - 14) +
      "\n"
      "G;W;1000;80;5;10");
  ASSERT_TRUE(o.gelukt) << o.fout;
  ASSERT_EQ(r.size(), 8u);
  EXPECT_TRUE(r[1].starts_with("A;W;68.27;"));
  EXPECT_EQ(r[2], ";;;;;;;;;;;Regel 3 telt minder kolommen dan de kopregel.");
  EXPECT_EQ(r[3], ";;;;;;;;;;;Regel 4 heeft een aanhalingsteken dat niet wordt gesloten.");
  EXPECT_EQ(r[4], ";;;;;;;;;;;Regel 5 telt meer kolommen dan de kopregel.");
  EXPECT_EQ(r[5], ";;;;;;;;;;;Regel 7 is langer dan 1 MB.");
  EXPECT_TRUE(r[6].starts_with("F;W;")) << "a line of exactly 1 MB is read";
  EXPECT_TRUE(r[7].starts_with("G;W;68.27;")) << "the last line needs no line break";
  EXPECT_EQ(o.verslag.rijen, 7u);
  EXPECT_EQ(o.verslag.geweigerd, 4u);
  EXPECT_EQ(o.verslag.eersteRegels, (std::vector<std::size_t>{3, 4, 5, 7}));
  EXPECT_EQ(Samenvatting(o.verslag),
            "4 van 7 rijen niet berekend (regels 3, 4, 5, 7); de reden staat in de kolom melding.");
}

TEST(Samenvatting, NoemtDeEersteTienRegels) {
  Omgeving o;
  std::string invoer = "waarneempunt;hw\n";
  for (int i = 0; i < 12; ++i) invoer += "P;0\n";
  o.Batch(invoer + "Q;5\n");
  EXPECT_EQ(
      Samenvatting(o.verslag),
      "12 van 13 rijen niet berekend (regels 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 en verder); de reden staat in de kolom "
      "melding.");
  o.Batch("waarneempunt;hw\nP;0\nQ;5\n");
  EXPECT_EQ(Samenvatting(o.verslag), "1 van 2 rijen niet berekend (regel 2); de reden staat in de kolom melding.");
  o.Batch("waarneempunt;hw\nQ;5\n");
  EXPECT_TRUE(o.gelukt && o.verslag.geweigerd == 0 && o.verslag.eersteRegels.empty());
}

// The header is refused as a whole: a repeated column (whichever letter
// case), a quote it never closes, more than 1 MB.
TEST(Batch, KopregelVanDeVerkeerdeVormWeigertDeInvoer) {
  Omgeving o;
  for (const auto& [invoer, melding] : std::vector<std::pair<std::string, std::string>>{
           {"waarneempunt;hw;HW\nA;5;5\n", "Kolom 'HW' staat meer dan eens in de kopregel van het invoerbestand."},
           {"waarneempunt;\"hw\n",
            "De kopregel van het invoerbestand heeft een aanhalingsteken dat niet wordt gesloten."},
           {"waarneempunt;" + std::string(kMaxRegelLengte, ' ') + "\n",
            "De kopregel van het invoerbestand is langer dan 1 MB."},
           {"", "Het invoerbestand is leeg: een kopregel met kolomnamen ontbreekt."}}) {
    EXPECT_TRUE(o.Batch(invoer).empty());
    EXPECT_FALSE(o.gelukt);
    EXPECT_EQ(o.fout, melding);
  }
}

// A road surface whose legal coefficients make the level infinite refuses
// the row, the calculation and the diagram with a sentence that names it;
// its neighbour in the catalogue computes as ever.
TEST(Batch, OneindigeNiveausGeweigerdMetHetWegdek) {
  Omgeving o;
  Catalogus c;
  c.AantalWegdekken = 2;
  c.Wegdekken[1].Omschrijving = VastBreed("gewoon", kOmschrijvingLengte);
  c.Wegdekken[2].Omschrijving = VastBreed("absurd", kOmschrijvingLengte);
  c.Wegdekken[2].DL_zv = 9999;
  test::SchrijfBytes(o.inst.wegdekken, CodeerCatalogus(c));
  const std::string melding =
      "De correctiefactoren van wegdek \"absurd\" (positie 2) maken het geluidsniveau te groot om te berekenen; er is "
      "niets berekend.";
  const auto r = o.Batch("waarneempunt;Qzv_dag;wegdek\nA;100;1\nB;100;2\nC;0;2\n");
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[2],
            "B;;;;;;;;;;;\"De correctiefactoren van wegdek \"\"absurd\"\" (positie 2) maken het geluidsniveau te "
            "groot om te berekenen; er is niets berekend.\"");
  EXPECT_EQ(r[1].find("melding"), std::string::npos);
  EXPECT_TRUE(r[3].starts_with("C;;0.00;")) << "without heavy traffic the coefficient plays no part: " << r[3];

  test::BewaarWerkblad(o.map / "blad.tvo", {{10, "100"}});
  o.inst.werkblad = o.map / "blad.tvo";
  auto geopend = OpenWerkblad(o.inst);
  ASSERT_TRUE(geopend) << geopend.Melding();
  geopend->werkblad.wegdek = 2;
  const auto berekend = RekenGeopend(*geopend, o.inst.vandaag);
  ASSERT_FALSE(berekend);
  EXPECT_EQ(berekend.Melding(), melding);
  std::ostringstream uit;
  const auto diagram = DiagramOpdracht("100", *geopend, uit);
  ASSERT_FALSE(diagram);
  EXPECT_EQ(diagram.Melding(), melding);
  EXPECT_TRUE(uit.str().empty());
}

// A calculation needs a road surface the catalogue holds; opening a
// worksheet says when the catalogue has none at all.
TEST(Opdracht, RekentNietZonderHetWegdek) {
  Omgeving o;
  test::BewaarWerkblad(o.map / "blad.tvo", {{2, "1000"}});
  o.inst.werkblad = o.map / "blad.tvo";
  test::SchrijfBytes(o.inst.wegdekken, CodeerCatalogus(Catalogus{}));
  auto geopend = OpenWerkblad(o.inst);
  ASSERT_TRUE(geopend);
  EXPECT_EQ(geopend->meldingen,
            std::vector<std::string>{"Het wegdek van dit rekenblad (positie 1) staat niet in de wegdekkenlijst: de "
                                     "wegdekkenlijst bevat geen wegdekken."});
  auto r = RekenGeopend(*geopend, o.inst.vandaag);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "De wegdekkenlijst bevat geen wegdekken; er is niets berekend.");

  test::BewaarEenWegdek(o.inst.wegdekken);
  geopend = OpenWerkblad(o.inst);
  ASSERT_TRUE(geopend && geopend->meldingen.empty());
  for (std::int16_t buiten : {0, 2}) {
    geopend->werkblad.wegdek = buiten;
    r = RekenGeopend(*geopend, o.inst.vandaag);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Melding(), "Wegdek " + std::to_string(buiten) +
                               " staat niet in de wegdekkenlijst (1 tot en met 1); er is niets berekend.");
  }
  geopend->werkblad.wegdek = 1;
  EXPECT_TRUE(RekenGeopend(*geopend, o.inst.vandaag));
}

TEST(UitvoerGeschreven, UitvoerDieNietAankomtIsMislukt) {
  test::VolleSchijf schijf(100);
  std::ostream uit(&schijf);
  uit << std::string(100, 'x');
  EXPECT_TRUE(UitvoerGeschreven(uit));
  uit << 'y';
  const auto r = UitvoerGeschreven(uit);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.Melding(), "De uitvoer kon niet worden geschreven (de schijf is vol).");
}

TEST(LeesOpties, OptiesBekendOfGeweigerd) {
  for (const char* optie : {"-x", "--onbekend", "-"}) {
    const auto r = LeesOpties({"blad.tvo", optie}, {"--diagram"}, {}, DataMappen{});
    if (std::string(optie) == "-") {
      EXPECT_TRUE(r && r->losse.size() == 2) << "a lone dash is a name";
    } else {
      ASSERT_FALSE(r) << optie;
      EXPECT_EQ(r.Melding(), "onbekende optie " + std::string(optie) + ".");
    }
  }
}
