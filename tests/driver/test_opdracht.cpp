#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"
#include "driver/Batch.h"

using namespace tarvo;
using tarvo::test::TijdelijkeMap;

namespace {

// A catalogue in a fresh folder; Batch runs the rows and returns them line by line.
struct Omgeving {
  TijdelijkeMap map;
  OpdrachtInstellingen inst;
  bool gelukt = false;
  std::string fout;  // the refusal of the whole input
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
    std::vector<std::string> r;
    std::istringstream regels(uit.str());
    for (std::string s; std::getline(regels, s);) r.push_back(s);
    return r;
  }
};

}  // namespace

TEST(Batch, ComputesEachRowLikeTheWindowAndReportsRefusalsPerRow) {
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

TEST(Batch, HeaderRefusesTheWholeInputAValueOutOfRangeOnlyItsRow) {
  Omgeving o;
  o.Batch("waarneempunt;snelheid\nA;50\n");
  EXPECT_FALSE(o.gelukt);
  EXPECT_NE(o.fout.find("snelheid"), std::string::npos);
  o.Batch("");
  EXPECT_FALSE(o.gelukt);

  // A value out of range refuses its row only.
  const auto r = o.Batch("WEGDEK;Zone;hw\n2;0;5\n1;2;5\n1;1;5\n");
  EXPECT_TRUE(o.gelukt);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_NE(r[1].find("wegdekkenlijst"), std::string::npos) << r[1];
  EXPECT_NE(r[2].find("zone: 0 of 1 verwacht"), std::string::npos) << r[2];
  EXPECT_EQ(r[3].find("verwacht"), std::string::npos) << r[3];
}

TEST(Batch, ZoneRowsAreComputedAtThirtyAndRowsDoNotLeakIntoEachOther) {
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
