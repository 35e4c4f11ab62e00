// Worksheets typed over the Reset's texts, checked and computed as by the
// calculation button (tests/calc/gevallen/*.tsv). Inputs: a field number
// and its text, decimaal, datum, wegdek, zone, aftrek, rail, t0..t3, and
// catalogus (a table in gevallen/wegdekken, "standaard" unless named). An
// expectation names what came out: see Rekenblad::Waarde. "X[k=v;...]" is X
// of the same worksheet with other inputs; "@X" expects what X gives;
// "bestand:PAD" the text of a committed file (TARVO_VERWACHT_SCHRIJVEN=1
// writes it anew).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "base/Tekst.h"
#include "calc/Bereken.h"
#include "calc/Controle.h"
#include "calc/Termen.h"
#include "data/Bronnen.h"
#include "driver/NiveauAfstand.h"
#include "driver/Opdracht.h"
#include "driver/Rekenblad.h"
#include "driver/Resultaatteksten.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "report/Rapport.h"
#include "tests/Gevallen.h"
#include "tools/Afstand.h"
#include "tools/Bijlage.h"
#include "tools/Cumulatie.h"
#include "tools/Diagram.h"
#include "tools/Hoogten.h"
#include "tools/Toetsing.h"

using namespace tarvo;

namespace {

const std::filesystem::path kMap = test::kBron / "tests/calc/gevallen";

std::string Tekst(double x) { return VolledigeTekst(x, '.'); }

Catalogus LeesCatalogus(const std::string& naam) {
  Catalogus c = test::TabelCatalogus(naam);
  VulLijst(c);
  return c;
}

// A term of the catalogue by its name in the annex: "Crefl", or "E_dag" for a term per period.
std::string TermWaarde(const Resultaten& r, const std::string& naam) {
  for (const Term& t : kTermen) {
    if (!t.Periodiek() && t.naam == naam) return Tekst(t.Waarde(r, 0));
    for (int p = 1; t.Periodiek() && p <= kAantalPeriodes; ++p) {
      if (PeriodeKolom(t.naam, p) == naam) return Tekst(t.Waarde(r, p));
    }
  }
  throw std::out_of_range(naam);
}

std::vector<std::string> Delen(const std::string& t, char scheiding) {
  std::vector<std::string> d;
  std::istringstream in(t);
  for (std::string s; std::getline(in, s, scheiding);) d.push_back(s);
  return d;
}
std::string Samen(const std::vector<std::string>& delen) {
  std::string t;
  for (const auto& d : delen) t += (t.empty() ? "" : " ") + d;
  return t;
}
std::vector<double> Getallen(const std::string& t) {
  std::vector<double> v;
  for (const auto& d : Delen(t, ';')) v.push_back(*LeesVolledig(d));
  return v;
}

// A field's row of the table: every member but the help, '|' between them.
std::string VeldRij(const VeldInfo& v) {
  const auto bereik = [](const GetalBereik& b) {
    return std::to_string(b.minimum) + ".." + std::to_string(b.maximum) + " " + std::string(b.patroon);
  };
  const char* soort[] = {"Tekst", "Getal", "Afgeleid"};
  const char* toetsen[] = {"Alles", "Cijfers", "Getal", "Geen"};
  const char* plaats[] = {"Naam", "Verkeer", "Afgeleid", "GeometrieLinks", "GeometrieRechts"};
  const RapportPlaats& r = v.rapport;
  std::string rij = soort[static_cast<int>(v.soort)] + ("|" + std::string(v.bijschrift)) + "|" + std::string(v.kolom);
  rij += "|" + std::string(toetsen[static_cast<int>(v.toetsen)]) + "|" + plaats[static_cast<int>(v.plaats)];
  rij += "|" + bereik(v.verlaten) + "|" + bereik(v.overname) + "|" + (v.standaard ? Tekst(*v.standaard) : "-");
  rij += "|" + std::string(v.standaardPatroon) + "|" + (v.bestandPlek ? std::to_string(*v.bestandPlek) : "-");
  rij += "|" + std::string(v.bestandPatroon) + "|" + std::string(v.batchKolom) + "|" + std::string(r.naam) + ";";
  return rij + std::string(r.symbool) + ";" + std::string(r.patroon) + ";" + std::string(r.eenheid) + ";" +
         std::to_string(r.volgorde);
}

class Blad {
 public:
  explicit Blad(std::vector<std::string> invoer) : invoer_(std::move(invoer)) {
    std::map<std::string, std::string> in;
    for (const auto& cel : invoer_) in[test::Paar(cel).first] = test::Ontsnapt(test::Paar(cel).second);
    decimaal_ = in.count("decimaal") ? in["decimaal"][0] : '.';
    vandaag_ = LeesDatum(in.count("datum") ? in["datum"] : "2024-03-01").value();
    catalogus_ = LeesCatalogus(in.count("catalogus") ? in["catalogus"] : "standaard");
    werkblad_ = LeegWerkblad(decimaal_);
    for (const auto& [k, v] : in) {
      if (std::isdigit(static_cast<unsigned char>(k[0]))) werkblad_.veld.at(std::stoul(k)) = v;
      // t0..t3 typed by the user; s0..s3 as a file stored them.
      if (k.size() == 2 && (k[0] == 't' || k[0] == 's')) {
        const auto i = static_cast<std::size_t>(k[1] - '0');
        werkblad_.toelichting.at(i) = v;
        werkblad_.toelichtingBewerkt.at(i) = k[0] == 't';
      }
    }
    werkblad_.wegdek = static_cast<std::int16_t>(std::stoi(in.count("wegdek") ? in["wegdek"] : "1"));
    werkblad_.rail = static_cast<std::int16_t>(std::stoi(in.count("rail") ? in["rail"] : "0"));
    werkblad_.zone = in["zone"] == "1", werkblad_.aftrek = in["aftrek"] == "1";
    antwoord_ = tarvo::Rekenblad(werkblad_, catalogus_, vandaag_, decimaal_);
    controle_ = antwoord_.rekening.controle;
    if (antwoord_.rekening.Gelukt())
      berekend_ = *antwoord_.rekening.resultaten;
    else if (controle_)
      berekend_ = Fout{antwoord_.rekening.fout};
  }

  // The check as a batch row takes it gives the same, and the fields show
  // their state: red only where the text is no number, the focus on the refused field.
  void ToetsVaste(const std::string& plaats) const {
    const Controle batch = ControleerGetallen(WerkbladTeksten(werkblad_));
    EXPECT_EQ(WeigeringTekst(batch), WeigeringTekst(controle_)) << plaats;
    EXPECT_TRUE(!batch || batch.invoer->getal == controle_.invoer->getal) << plaats;
    const Weergave& w = controle_.weergave;
    const auto* weigering = controle_.weigering ? &*controle_.weigering : nullptr;
    EXPECT_EQ(w.focus, weigering ? weigering->veld : -1) << plaats;
    for (std::size_t k = 0; k < kAantalVelden; ++k) {
      const bool rood = weigering && weigering->soort == Weigering::Soort::GeenGetal && weigering->veld == int(k);
      EXPECT_EQ(w.staat[k], rood         ? VeldStaat::Ongeldig
                            : w.tekst[k] ? VeldStaat::Geldig
                                         : VeldStaat::Ongemoeid)
          << plaats << " veld " << k;
    }
  }

  // The table: veld:K, help:K. The check: weigering, regel, toon:K, getoond, begrensd, getal:K, invoer. The
  // calculation: fout, every term by its name in calc/Termen (r, Crefl, Lden, E_dag, Cwegdek_lv, LAeq_etm_nacht ...),
  // aftrek_art35 ("-" unless flagged), Lden_na_aftrek, geluidsbelasting, labels, afgeleid, bron, rapport,
  // rapportregel:BEGIN. The tools:
  // afstand:DOEL, op:D, eerste:onder|boven:DOEL:VAN:TOT, hoogten:H;..:G;.., bijlage:H;..:G;.., diagram:S,
  // rij:S:I, diagramcsv:S.
  std::string Waarde(const std::string& sleutel) {
    if (const auto haak = sleutel.find('['); haak != std::string::npos) {
      std::vector<std::string> ander = invoer_;
      for (const auto& cel : Delen(sleutel.substr(haak + 1, sleutel.size() - haak - 2), ';')) ander.push_back(cel);
      return Blad(ander).Waarde(sleutel.substr(0, haak));
    }
    auto delen = Delen(sleutel, ':');
    delen.resize(std::max<std::size_t>(delen.size(), 2));
    const std::string& naam = delen[0];
    const Weergave& w = controle_.weergave;
    if (naam == "weigering") return WeigeringTekst(controle_);
    if (naam == "regel") return controle_.weigering ? WeigeringRegel(*controle_.weigering) : "-";
    if (naam == "toon") return w.tekst.at(std::stoul(delen[1])).value_or("(niets)");
    if (naam == "getoond") {
      const auto n = std::count_if(w.tekst.begin(), w.tekst.end(), [](const auto& t) { return t.has_value(); });
      return n == static_cast<long>(OvernameVolgorde().size()) ? "alle" : std::to_string(n);
    }
    if (naam == "begrensd") {
      std::vector<std::string> t;
      for (const Begrenzing& b : controle_.begrensd)
        t.push_back(std::to_string(b.veld) + ":" + b.tekst + ":" + Tekst(b.grens));
      return Samen(t);
    }
    if (naam == "veld") return VeldRij(Veld(std::stoi(delen[1])));
    if (naam == "help") return std::string(Veld(std::stoi(delen[1])).help);
    if (naam == "diagram" || naam == "rij" || naam == "diagramcsv") {
      const DiagramAntwoord d = Diagram(delen[1], werkblad_, catalogus_, vandaag_, decimaal_);
      const char* soort[] = {"Leeg", "Geweigerd", "ControleGeweigerd", "Onbruikbaar", "Gegevens"};
      const DiagramGegevens& g = d.gegevens;
      if (naam == "rij")
        return g.rijen.at(std::stoul(delen[2]) - 1).label + "|" + Tekst(g.rijen.at(std::stoul(delen[2]) - 1).lden);
      if (naam == "diagramcsv") {
        // Its head, its first rows and its last, and how many lines.
        const auto regels = Delen(DiagramCsv(g, decimaal_, "\r\n"), '\n');
        return regels.at(0) + regels.at(1) + regels.at(2) + regels.back() + std::to_string(regels.size());
      }
      const Controle& c = d.rekening.controle;
      const bool gecontroleerd = c.invoer || c.weigering;
      return soort[static_cast<int>(d.uitkomst)] + ("|" + Tekst(d.s)) + "|" + std::to_string(g.rijen.size()) + "|" +
             Tekst(g.ymin) + "|" + Tekst(g.ymax) + "|" + std::to_string(g.delingen) + "|" + d.melding + "|" +
             (gecontroleerd ? std::to_string(c.weergave.focus) : "niet gecontroleerd");
    }
    if (!controle_) return "geweigerd";
    const Invoer& in = *controle_.invoer;
    if (naam == "getal") return Tekst(in.getal.at(std::stoul(delen[1])));
    if (naam == "invoer") {
      return in.waarneempunt + "|" + in.weg + "|" + in.toelichting[0] + "|" + in.toelichting[1] + "|" +
             in.toelichting[2] + "|" + in.toelichting[3] + "|" + std::to_string(in.wegdek) + " " +
             std::to_string(in.zone) + " " + std::to_string(in.aftrek) + " " + std::to_string(in.rail);
    }
    if (naam == "afstand") {
      const DoelAfstand d = AfstandRekenaar(in, catalogus_, vandaag_).Zoek(*LeesVolledig(delen[1]));
      return (d.gevonden ? "" : "niet ") + Tekst(d.punt.afstand) + "|" + Tekst(d.punt.niveau) + "|" +
             std::to_string(d.punt.aftrek);
    }
    if (naam == "eerste") {
      // The first whole metre from delen[3] to delen[4] where the level is at most ("onder") or above ("boven")
      // delen[2].
      AfstandRekenaar rekenaar(in, catalogus_, vandaag_);
      const double doel = *LeesVolledig(delen[2]);
      for (int m = std::stoi(delen[3]); m <= std::stoi(delen[4]); ++m) {
        if ((rekenaar.Op(m).niveau <= doel) == (delen[1] == "onder")) return std::to_string(m);
      }
      return "-";
    }
    if (naam == "doel") {
      // As the diagram of delen[2] metres words a target: the line, its label, the sentence.
      NiveauLijn lijn(in, catalogus_, vandaag_, decimaal_);
      const DoelAntwoord d = lijn.Doel(*LeesVolledig(delen[1]), std::stod(delen[2]));
      return Tekst(d.lijn) + "|" + d.lijnTekst + "|" + d.tekst;
    }
    if (naam == "op") {
      AfstandRekenaar rekenaar(in, catalogus_, vandaag_);
      const NiveauOpAfstand p = rekenaar.Op(*LeesVolledig(delen[1]));
      return Tekst(p.niveau) + "|" + std::to_string(p.aftrek) + "|" + Tekst(rekenaar.EigenAfstand());
    }
    if (naam == "hoogten" || naam == "bijlage") {
      const auto grenzen = Getallen(delen[2]);
      const auto h = BerekenHoogten(in, Getallen(delen[1]), grenzen, catalogus_, vandaag_);
      if (!h) return h.Melding();
      std::vector<std::string> t;
      std::vector<BijlageRegel> regels;
      for (const HoogteResultaat& r : *h) t.push_back(HoogteRegel(r, decimaal_)), regels.push_back({"blad.tvo", r});
      return naam == "hoogten" ? Samen(t) : BijlageCsv(MaakBijlage(regels, grenzen, catalogus_, decimaal_), "\n");
    }
    if (!berekend_) return naam == "fout" ? berekend_.Melding() : "onbruikbaar";
    const Resultaten& r = *berekend_;
    if (naam == "fout") return "-";
    if (naam == "rapport") return RapportTekst(in, r, catalogus_, decimaal_);
    if (naam == "rapportregel") {
      for (const std::string& regel : Delen(RapportTekst(in, r, catalogus_, decimaal_), '\n')) {
        const std::string t =
            regel.substr(regel.find_first_not_of(' '), regel.size() - regel.find_first_not_of(' ') - 1);
        if (t.starts_with(delen[1])) return t;
      }
      return "-";
    }
    if (naam == "labels") {
      const ResultaatTeksten& t = antwoord_.labels;
      return t.letmaal + "|" + t.lden + "|" + t.lnight + "|" + t.aftrek;
    }
    if (naam == "afgeleid") {
      std::vector<std::string> t;
      for (const auto& [k, tekst] : AfgeleideTeksten(in, decimaal_)) t.push_back(std::to_string(k) + ":" + tekst);
      return AfgeleideTeksten(in, decimaal_) == AfgeleideTeksten(r, decimaal_) ? Samen(t) : "anders dan berekend";
    }
    if (naam == "bron") {
      const CumulatieBron b = BronVan(in, r, "blad.tvo");
      return b.waarneempunt + "|" + b.weg + "|" + (b.lden == r.Lden && b.lnight == r.Lnight ? "" : "anders");
    }
    const double na = EindNiveau(r.Lden, r.Aftrek110g);
    if (naam == "aftrek110g") return std::to_string(r.Aftrek110g);
    if (naam == "Lden_na_aftrek") return Tekst(na);
    if (naam == "geluidsbelasting") return std::to_string(Geluidsbelasting(na));
    if (naam == "aftrek_art35") return r.Art35Vlag ? std::to_string(r.Art35Aftrek) : "-";
    return TermWaarde(r, naam);
  }

 private:
  static std::string WeigeringTekst(const Controle& c) {
    if (!c.weigering) return "-";
    const bool getal = c.weigering->soort == Weigering::Soort::GeenGetal;
    return (getal ? "GeenGetal " : "Waarschuwing ") + std::to_string(c.weigering->veld) + " " + c.weigering->tekst;
  }

  std::vector<std::string> invoer_;
  char decimaal_;
  Datum vandaag_;
  Catalogus catalogus_;
  Werkblad werkblad_;
  RekenbladAntwoord antwoord_;
  Controle controle_;
  Uitkomst<Resultaten> berekend_{Fout{"niet berekend"}};
};

class Rekenbladen : public ::testing::TestWithParam<std::string> {};

std::vector<std::string> Tabellen() {
  std::vector<std::string> namen;
  for (const auto& f : std::filesystem::directory_iterator(kMap)) {
    if (f.path().extension() == ".tsv") namen.push_back(f.path().stem().string());
  }
  std::sort(namen.begin(), namen.end());
  return namen;
}

}  // namespace

TEST_P(Rekenbladen, GevenWatDeTabelVerwacht) {
  for (const test::Geval& g : test::LeesGevallen(kMap / (GetParam() + ".tsv"))) {
    Blad blad(g.invoer);
    blad.ToetsVaste(g.plaats);
    test::Toets(g, [&](const std::string& sleutel) { return blad.Waarde(sleutel); });
  }
}
INSTANTIATE_TEST_SUITE_P(Tabel, Rekenbladen, ::testing::ValuesIn(Tabellen()),
                         [](const auto& info) { return info.param; });
