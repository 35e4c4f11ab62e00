#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "TijdelijkeMap.h"
#include "WerkbladMaker.h"
#include "app/Batch.h"
#include "app/DiagramOpdracht.h"
#include "app/Opdracht.h"
#include "report/Rapport.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

struct Omgeving {
  TijdelijkeMap map;
  OpdrachtInstellingen inst;
  Omgeving() {
    inst.wegdekken = map / "Wegdekken_2012.dat";
    test::SchrijfBytes(inst.wegdekken, CodeerCatalogus(test::EenWegdek()));
    inst.vandaag = {2026, 12, 6};
  }
  std::string Batch(const std::string& invoer, bool* gelukt = nullptr, std::string* fout = nullptr) {
    std::istringstream in(invoer);
    std::ostringstream uit;
    std::string f;
    const bool ok = VerwerkBatch(in, uit, inst, f);
    if (gelukt) *gelukt = ok;
    if (fout) *fout = f;
    return uit.str();
  }
};

std::vector<std::string> Regels(const std::string& tekst) {
  std::vector<std::string> r;
  std::istringstream in(tekst);
  for (std::string s; std::getline(in, s);) r.push_back(s);
  return r;
}

}  // namespace

TEST(Batch, ComputesEachRowLikeTheWindowAndReportsRefusalsPerRow) {
  Omgeving o;
  o.inst.decimaal = ',';
  const std::string uit = o.Batch(
      "waarneempunt;weg;Qlv_dag;Qlv_avond;Qlv_nacht;Vlv;hw;d;aftrek\n"
      "A;Dorpsstraat;1000;1000;1000;80;5;10;0\n"
      "B;Dorpsstraat;1000;1000;1000;80;0;10;0\n"
      "\"C; hoek\";Dorpsstraat;1000,5;x;0;50;5;10;1\n"
      "D;Dorpsstraat;1000;0;0;50;5;10;1\n");
  const auto r = Regels(uit);
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(r[0],
            "waarneempunt;weg;LAeq_dag;LAeq_avond;LAeq_nacht;Letmaal;Lden;Lnight;aftrek110g;Lden_na_aftrek;"
            "milieukwaliteit;melding");
  // 1000 light vehicles at 80 km/h, r = 10.8657, -2 dB art. 3.5: 80.97 - 2 - 10.36 - 0.085 - 0.255 = 68.27.
  EXPECT_EQ(r[1].substr(0, r[1].find(";", r[1].find(";", 15) + 1)), "A;Dorpsstraat;68,27;68,27");
  EXPECT_NE(r[1].find(";0;"), std::string::npos);
  EXPECT_EQ(r[1].back(), ';');  // empty melding
  EXPECT_EQ(r[2], "B;Dorpsstraat;;;;;;;;;;geen waarneemhoogte ingevuld");
  EXPECT_EQ(r[3].rfind("\"C; hoek\";Dorpsstraat;;;;;;;;;;Veld 3 (Qlicht (mvt/h) / avond) bevat geen getal", 0), 0u)
      << r[3];
  EXPECT_NE(r[4].find(";5;"), std::string::npos) << "Vlv 50 with the switch on deducts 5 dB: " << r[4];
}

TEST(Batch, RefusesTheInputAsAWholeOnlyForItsHeaderOrCatalogue) {
  Omgeving o;
  bool ok = true;
  std::string fout;
  o.Batch("waarneempunt;snelheid\nA;50\n", &ok, &fout);
  EXPECT_FALSE(ok);
  EXPECT_NE(fout.find("snelheid"), std::string::npos);

  o.Batch("", &ok, &fout);
  EXPECT_FALSE(ok);

  const auto r = Regels(o.Batch("WEGDEK;Zone;hw\n2;0;5\n1;2;5\n1;1;5\n", &ok));
  EXPECT_TRUE(ok);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_NE(r[1].find("wegdekkenlijst"), std::string::npos) << r[1];
  EXPECT_NE(r[2].find("zone: 0 of 1 verwacht"), std::string::npos) << r[2];
  EXPECT_EQ(r[3].find("verwacht"), std::string::npos) << r[3];

  o.inst.wegdekken = o.map / "bestaat-niet.dat";
  o.Batch("hw\n5\n", &ok, &fout);
  EXPECT_FALSE(ok);
  EXPECT_NE(fout.find("niet gevonden"), std::string::npos);
}

TEST(Batch, ZoneRowsAreComputedAtThirtyAndRowsDoNotLeakIntoEachOther) {
  Omgeving o;
  const auto r = Regels(o.Batch(
      "waarneempunt;Qlv_dag;Vlv;zone\n"
      "een;500;100;0\n"
      "twee;500;100;1\n"
      "drie;500;30;0\n"
      "een;500;100;0\n"));
  ASSERT_EQ(r.size(), 5u);
  const auto waarden = [](const std::string& s) { return s.substr(s.find(';')); };
  EXPECT_EQ(waarden(r[2]), waarden(r[3])) << "with the zone on the calculation uses 30 km/h";
  EXPECT_EQ(waarden(r[1]), waarden(r[4]));
  EXPECT_NE(waarden(r[1]), waarden(r[2]));
}

TEST(Opdracht, ReportOfASavedWorksheetAndItsRefusals) {
  Omgeving o;
  o.inst.werkblad = o.map / "blad.tvo";
  test::BewaarWerkblad(o.inst.werkblad, {{0, "punt"}, {2, "1000"}, {5, "80"}});
  Berekening b;
  std::string fout;
  ASSERT_TRUE(RekenWerkblad(o.inst, b, fout)) << fout;
  EXPECT_NE(RapportTekst(b.ws).find("Waarneempunt   : punt\r\n"), std::string::npos);

  Berekening b2;
  o.inst.werkblad = o.map / "blad.txt";
  EXPECT_FALSE(RekenWerkblad(o.inst, b2, fout));
  EXPECT_NE(fout.find("geen rekenblad"), std::string::npos);

  EXPECT_TRUE(LeesDatum("2018-06-30").has_value());
  EXPECT_FALSE(LeesDatum("2018-02-30").has_value());
  EXPECT_FALSE(LeesDatum("30-06-2018").has_value());
}

TEST(DiagramOpdracht, PrintsARowPerMetreThenTheAxis) {
  Omgeving o;
  o.inst.werkblad = o.map / "blad.tvo";
  test::BewaarWerkblad(o.inst.werkblad, {{2, "1000"}, {5, "80"}});
  Berekening b;
  std::string fout;
  ASSERT_TRUE(OpenWerkblad(o.inst, b, fout)) << fout;
  std::ostringstream uit;
  ASSERT_TRUE(DiagramOpdracht("50", b, uit, fout)) << fout;
  const auto r = Regels(uit.str());
  ASSERT_EQ(r.size(), 101u);
  EXPECT_EQ(r[0].rfind("0;", 0), 0u);
  EXPECT_EQ(r[99].rfind("99;", 0), 0u);
  EXPECT_EQ(std::count(r[100].begin(), r[100].end(), ';'), 2);

  std::ostringstream leeg;
  EXPECT_FALSE(DiagramOpdracht("abc", b, leeg, fout));
  EXPECT_TRUE(leeg.str().empty());
}
