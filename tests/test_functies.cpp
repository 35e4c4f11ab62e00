// The core's functions of every layer against tables of arguments and
// results (tests/functies/*.tsv): "naam Functie argument... => uitkomst".
// Numbers come out as the shortest text of their double, "-" for none.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>

#include "base/Bestand.h"
#include "base/Tekst.h"
#include "calc/Bereken.h"
#include "calc/Controle.h"
#include "calc/Correctie.h"
#include "calc/Valideer.h"
#include "calc/WegdekImport.h"
#include "driver/Batch.h"
#include "driver/BatchLezer.h"
#include "driver/Opdracht.h"
#include "driver/Openen.h"
#include "driver/Voortgang.h"
#include "driver/WegdekBewerking.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WegdekTabel.h"
#include "files/WerkbladBestand.h"
#include "report/Rapport.h"
#include "tests/Catalogi.h"
#include "tests/Gevallen.h"
#include "tools/Afstand.h"
#include "tools/Bijlage.h"
#include "tools/Cumulatie.h"
#include "tools/Diagram.h"
#include "tools/DosisEffect.h"
#include "tools/Hoogten.h"
#include "tools/Omrekenen.h"
#include "tools/Toetsing.h"

using namespace tarvo;

namespace {

using Argumenten = std::vector<std::string>;

double Getal(const std::string& t) { return LeesVolledig(t).value_or(std::nan("")); }
int Geheel(const std::string& t) { return std::stoi(t); }
std::string Tekst(double x) { return VolledigeTekst(x, '.'); }
std::string JaNee(bool b) { return b ? "ja" : "nee"; }
std::string OfNiets(const std::optional<double>& x) { return x ? Tekst(*x) : "-"; }
template <typename R>
std::string UitkomstTekst(const Uitkomst<R>& u, std::function<std::string(const R&)> f) {
  return u ? f(*u) : u.Melding();
}
std::string Samen(const std::vector<std::string>& delen, const char* tussen = "|") {
  std::string t;
  for (const auto& d : delen) t += (t.empty() ? "" : tussen) + d;
  return t;
}
std::string Getallen(const Uitkomst<std::vector<double>>& u) {
  return UitkomstTekst<std::vector<double>>(u, [](const auto& v) {
    std::vector<std::string> t;
    for (double x : v) t.push_back(Tekst(x));
    return Samen(t);
  });
}
// Field or box numbers with their texts: "k:tekst k:tekst".
template <typename Paren>
std::string Vakken(const Paren& paren) {
  std::vector<std::string> t;
  for (const auto& [k, tekst] : paren) t.push_back(std::to_string(k) + ":" + tekst);
  return Samen(t, " ");
}
std::vector<std::string> Woorden(const std::string& t) {
  std::istringstream in(t);
  return {std::istream_iterator<std::string>(in), {}};
}
std::error_code Foutcode(const std::string& naam) {
  for (int e = 1; e < 200; ++e) {
    if (const char* n = strerrorname_np(e); n && naam == n) return {e, std::generic_category()};
  }
  return {};
}
Datum Dag(const std::string& t) { return LeesDatum(t).value_or(Datum{}); }
// A distribution as its 16 boxes in order: the daily count, three hourly shares, four rows of three shares.
Verdeling VerdelingVan(const std::string& t) {
  Verdeling v;
  const auto w = Woorden(t);
  for (int i = 0; i < 16; ++i) v.Vak(i) = Getal(w.at(static_cast<std::size_t>(i)));
  return v;
}
// Entry i of a catalogue of n made for the editor: "Wegdek i", coefficients i + 0.1 .. i + 0.6.
WegdekCoefficienten Coefficienten(double i) {
  WegdekCoefficienten c{};
  for (std::size_t k = 0; k < c.size(); ++k) c[k] = i + 0.1 * static_cast<double>(k + 1);
  return c;
}
// The entries as their numbers, a changed or foreign one as description:coefficients.
std::string Inhoud(const Catalogus& c) {
  std::vector<std::string> t;
  for (int p = 1; p <= c.AantalWegdekken; ++p) {
    const Wegdek& w = c.Wegdekken[static_cast<std::size_t>(p)];
    const std::string naam = Bijgesneden(w.Omschrijving);
    std::string d = naam.starts_with("Wegdek ") ? naam.substr(7) : "";
    for (int k = 1; k <= 6 && !d.empty(); ++k) {
      if (w.Coefficient(k) != Coefficienten(Getal(d))[static_cast<std::size_t>(k - 1)]) d.clear();
    }
    t.push_back(d.empty() ? "'" + w.Omschrijving + "':" + Tekst(w.DL_lv) + ":" + Tekst(w.b_zv) : d);
  }
  return Samen(t, " ");
}
// An editor's step as "stap / soort titel: melding / veld k / uitleg / k:tekst ... / kies p / gewijzigd / art35", empty
// parts left out.
std::string StapTekst(const WegdekStap& s) {
  const char* stap[] = {"Gedaan", "Geweigerd", "Gemeld", "Vraag"};
  const char* soort[] = {"Waarschuwing", "Stop", "Informatie", "Vraag"};
  std::vector<std::string> t = {stap[static_cast<int>(s.stap)]};
  if (!s.melding.empty()) t.push_back(std::string(soort[static_cast<int>(s.soort)]) + " " + s.titel + ": " + s.melding);
  if (s.annuleren) t.push_back("annuleren");
  if (s.veld >= 0) t.push_back("veld " + std::to_string(s.veld));
  if (!s.uitleg.empty()) t.push_back(s.uitleg);
  if (!s.teksten.empty()) t.push_back(Vakken(s.teksten));
  if (s.kies) t.push_back("kies " + std::to_string(s.kies));
  if (s.gewijzigd) t.push_back("gewijzigd");
  if (!s.art35.empty()) t.push_back(s.art35);
  return Samen(t, " / ");
}

// "regel:omschrijving:waarde" rows of a table brought in.
std::vector<IngelezenWegdek> Tabel(const std::string& t) {
  std::vector<IngelezenWegdek> r;
  for (std::size_t b = 0, e = 0; e != std::string::npos && !t.empty(); b = e + 1) {
    e = t.find('|', b);
    const std::string rij = t.substr(b, e - b);
    const auto p1 = rij.find(':'), p2 = rij.rfind(':');
    r.push_back({Geheel(rij.substr(0, p1)), rij.substr(p1 + 1, p2 - p1 - 1), Coefficienten(Getal(rij.substr(p2 + 1)))});
  }
  return r;
}

const std::map<std::string, std::function<std::string(const Argumenten&)>, std::less<>> kFuncties = {
    // base
    {"Formatteer", [](const Argumenten& a) { return Formatteer(Getal(a[0]), a[1], a[2][0]); }},
    {"OntleedGetal",
     [](const Argumenten& a) {
       const GetalDelen g = OntleedGetal(a[0]);
       return Samen({JaNee(g.getal), JaNee(g.negatief), std::to_string(g.cijfers), std::to_string(g.significant),
                     std::to_string(g.decimalen)});
     }},
    {"IsGetal", [](const Argumenten& a) { return JaNee(IsGetal(a[0])); }},
    {"LeesGetal", [](const Argumenten& a) { return Tekst(LeesGetal(a[0])); }},
    {"LeesVolledig", [](const Argumenten& a) { return OfNiets(LeesVolledig(a[0])); }},
    {"VolledigeTekst",
     [](const Argumenten& a) {
       const double x = Getal(a[0]);
       const std::string t = VolledigeTekst(x, a[1][0]);
       const auto terug = LeesVolledig(t);
       return terug && std::bit_cast<std::uint64_t>(*terug) == std::bit_cast<std::uint64_t>(x) ? t : "terug? " + t;
     }},
    {"IsUtf8", [](const Argumenten& a) { return JaNee(IsUtf8(a[0])); }},
    {"InCp1252",
     [](const Argumenten& a) { return JaNee(InCp1252(static_cast<char32_t>(std::stoul(a[0], nullptr, 16)))); }},
    {"Tekens",
     [](const Argumenten& a) {
       std::ostringstream t;
       for (char32_t c : Tekens(a[0])) t << std::hex << static_cast<unsigned>(c) << ' ';
       return t.str();
     }},
    {"Utf8", [](const Argumenten& a) { return Utf8(static_cast<char32_t>(std::stoul(a[0], nullptr, 16))); }},
    {"Hoofdletters", [](const Argumenten& a) { return Hoofdletters(a[0]); }},
    {"VastBreed", [](const Argumenten& a) { return VastBreed(a[0], static_cast<std::size_t>(Geheel(a[1]))); }},
    {"ZonderStuurtekens", [](const Argumenten& a) { return ZonderStuurtekens(a[0]); }},
    {"CsvTekst", [](const Argumenten& a) { return CsvTekst(a[0]); }},
    {"ZonderFormuleteken", [](const Argumenten& a) { return std::string(ZonderFormuleteken(a[0])); }},
    {"Cp1252NaarUtf8", [](const Argumenten& a) { return Cp1252NaarUtf8(a[0]); }},
    {"Utf8NaarCp1252", [](const Argumenten& a) { return Utf8NaarCp1252(a[0]); }},
    {"Reden",
     [](const Argumenten& a) { return Reden(Foutcode(a[0])) + "|" + std::to_string(FoutNummer(Foutcode(a[0]))); }},
    // calc
    {"Valideer",
     [](const Argumenten& a) {
       const std::map<std::string, Soort> soort = {{"vrij", Soort::Vrij}, {"getal", Soort::Numeriek}};
       const Validatie v = Valideer(a[0], soort.at(a[1]), Geheel(a[2]), Geheel(a[3]), a[4], a[5][0]);
       return v.geldig && v.uitleg.empty() ? v.tekst : "!" + std::string(v.uitleg);
     }},
    {"GecontroleerdGetal",
     [](const Argumenten& a) {
       return OfNiets(GecontroleerdGetal(a[0], {Geheel(a[1]), Geheel(a[2]), a[3]}));
     }},
    {"OverschredenGrens",
     [](const Argumenten& a) {
       return OfNiets(OverschredenGrens(a[0], {Geheel(a[1]), Geheel(a[2]), a[3]}));
     }},
    {"SchuineAfstand",
     [](const Argumenten& a) { return Tekst(SchuineAfstand(Getal(a[0]), Getal(a[1]), Getal(a[2]))); }},
    {"LdenUitPeriodes",
     [](const Argumenten& a) {
       Resultaten r;
       r.LAeqEtm = {0, Getal(a[0]), Getal(a[1]), Getal(a[2])};
       return Tekst(LdenUitPeriodes(r));
     }},
    {"BepaalAftrek110g",
     [](const Argumenten& a) {
       return std::to_string(BepaalAftrek110g(a[0] == "1", Getal(a[1]), Getal(a[2]), Dag(a[3])));
     }},
    {"EindNiveau", [](const Argumenten& a) { return Tekst(EindNiveau(Getal(a[0]), Geheel(a[1]))); }},
    {"GeenGetalMelding", [](const Argumenten& a) { return GeenGetalMelding(Geheel(a[0])); }},
    {"WeigeringRegel",
     [](const Argumenten& a) {
       const auto soort = a[0] == "GeenGetal" ? Weigering::Soort::GeenGetal : Weigering::Soort::Waarschuwing;
       return WeigeringRegel({soort, Geheel(a[1]), a[2]});
     }},
    {"ZetGebruikersnaam",
     [](const Argumenten& a) {
       Catalogus c;
       ZetGebruikersnaam(c, a[0]);
       return "[" + c.Gebruikersnaam + "]|[" + c.GebruikersLabelnaam + "]";
     }},
    {"HeeftKleineArt35Aftrek", [](const Argumenten& a) { return JaNee(HeeftKleineArt35Aftrek(a[0])); }},
    {"LijktOpKleineArt35Naam",
     [](const Argumenten& a) { return std::string(LijktOpKleineArt35Naam(a[0]).value_or("-")); }},
    {"Art35Regel",
     [](const Argumenten& a) {
       // Flag, deduction, description.
       Resultaten r;
       r.Art35Vlag = a[0] == "1";
       r.Art35Aftrek = static_cast<std::int16_t>(Geheel(a[1]));
       return Art35Regel(r, a[2]);
     }},
    {"Art35Waarschuwing", [](const Argumenten& a) { return Art35Waarschuwing(a); }},
    {"BegrensdMelding",
     [](const Argumenten& a) {
       // Decimal sign, then "veld:getypt:grens" per clamped field.
       std::vector<Begrenzing> b;
       for (std::size_t i = 1; i < a.size(); ++i) {
         const auto d1 = a[i].find(':'), d2 = a[i].rfind(':');
         b.push_back({Geheel(a[i].substr(0, d1)), a[i].substr(d1 + 1, d2 - d1 - 1), Getal(a[i].substr(d2 + 1))});
       }
       return BegrensdMelding(b, a[0][0]);
     }},
    {"VerlaatVeld",
     [](const Argumenten& a) {
       const VeldVerlaten v = VerlaatVeld(Geheel(a[0]), a[1], a[2][0]);
       return (v.validatie.geldig ? v.validatie.tekst : "!" + std::string(v.validatie.uitleg)) + "|" +
              OfNiets(v.validatie.grens) + "|" + v.begrensd;
     }},
    {"Beheer",
     [](const Argumenten& a) {
       // A catalogue of a[0] entries, a[1] protected, then the steps; each step's answer.
       Catalogus c;
       WegdekBeheer beheer(c, Geheel(a[1]));
       for (int i = 1; i <= Geheel(a[0]); ++i) beheer.VoegToe("Wegdek " + std::to_string(i), Coefficienten(i));
       std::vector<std::string> uit;
       std::optional<Samenvoeging> plan;
       for (std::size_t i = 2; i < a.size(); ++i) {
         const std::string stap = a[i].substr(0, a[i].find(':')), rest = a[i].substr(a[i].find(':') + 1);
         if (stap == "voegtoe")
           uit.push_back(std::to_string(beheer.VoegToe(rest, Coefficienten(Getal(Woorden(rest).back())))));
         if (stap == "vervang") {
           const auto w = Woorden(rest);
           uit.push_back(
               JaNee(beheer.Vervang(Geheel(w[0]), rest.substr(rest.find(' ') + 1), Coefficienten(Getal(w.back())))));
         }
         if (stap == "wis") uit.push_back(std::to_string(beheer.Wis(Geheel(rest))));
         if (stap == "wisvraag") uit.push_back(beheer.WisVraag(Geheel(rest)));
         if (stap == "f9") beheer.WisselBescherming();
         if (stap == "beschermd") uit.push_back(JaNee(beheer.IsBeschermd(Geheel(rest))));
         if (stap == "vol") uit.push_back(JaNee(beheer.IsVol()));
         if (stap == "samen") {
           const auto s = VoegSamen(beheer, Tabel(rest));
           plan = s ? std::optional(*s) : std::nullopt;
           std::string v;
           for (const auto& r : s ? s->vervangen : std::vector<Samenvoeging::Vervanging>{})
             v += std::to_string(r.positie) + " ";
           uit.push_back(s ? "vervangen " + v + "nieuw " + std::to_string(s->toevoegen.size()) : s.Melding());
         }
         if (stap == "voer") uit.push_back(std::to_string(beheer.Voer(plan.value_or(Samenvoeging{}))));
         if (stap == "inhoud") uit.push_back(Inhoud(c));
       }
       return Samen(uit);
     }},
    {"Bewerk",
     [](const Argumenten& a) {
       // A catalogue of a[0] entries, a[1] protected, then the editor's steps "stap:positie:rest"; each step's answer.
       Catalogus c;
       WegdekBeheer beheer(c, Geheel(a[1]));
       for (int i = 1; i <= Geheel(a[0]); ++i) beheer.VoegToe("Wegdek " + std::to_string(i), Coefficienten(i));
       std::vector<std::string> uit;
       for (std::size_t i = 2; i < a.size(); ++i) {
         const auto d1 = a[i].find(':'), d2 = a[i].find(':', d1 + 1);
         const std::string stap = a[i].substr(0, d1), p = a[i].substr(d1 + 1, d2 - d1 - 1);
         const std::string rest = d2 == std::string::npos ? "" : a[i].substr(d2 + 1);
         const bool ja = rest.starts_with("ja");
         WegdekTeksten teksten;
         for (std::size_t k = 0, b = 0, e = 0; k < teksten.size() && e != std::string::npos; ++k, b = e + 1) {
           e = rest.find('|', b);
           teksten[k] = rest.substr(b, e - b);
         }
         if (stap == "begin")
           uit.push_back(StapTekst(p == "0" ? BeginToevoegen(beheer) : BeginWijzigen(beheer, Geheel(p))));
         if (stap == "ok") uit.push_back(StapTekst(BevestigWegdek(beheer, Geheel(p), teksten, ',')));
         if (stap == "wis") uit.push_back(StapTekst(WisWegdek(beheer, Geheel(p), ja)));
         if (stap == "import")
           uit.push_back(StapTekst(ImporteerWegdekTabel(beheer, rest.substr(rest.find(':') + 1), p, ja)));
         if (stap == "plak") uit.push_back(StapTekst(PlakWegdekken(beheer, rest.substr(rest.find(':') + 1), ja)));
         if (stap == "f9") beheer.WisselBescherming();
         if (stap == "inhoud") uit.push_back(Inhoud(c));
         if (stap == "regels") {
           std::vector<std::string> r;
           for (const WegdekRegel& w : WegdekRegels(c))
             r.push_back(w.naam + (w.kleineAftrek ? " vet" : "") + (w.meegeleverd ? " meegeleverd" : ""));
           uit.push_back(Samen(r, ","));
         }
         if (stap == "gekozen") {
           const auto g = GekozenWegdek(c, Geheel(p), ',');
           uit.push_back(g ? Samen({g->begin(), g->end()}, ";") : g.Melding());
         }
       }
       return Samen(uit);
     }},
    {"VerlaatCoefficient",
     [](const Argumenten& a) {
       const Validatie v = VerlaatCoefficient(a[0], a[1][0]);
       return (v.geldig ? v.tekst : "!" + std::string(v.uitleg)) + "|" + OfNiets(v.grens);
     }},
    {"AantalWegdekkenTekst", [](const Argumenten& a) { return AantalWegdekkenTekst(Geheel(a[0])); }},
    // files
    {"StandaardTekst", [](const Argumenten& a) { return StandaardTekst(Geheel(a[0]), a[1][0]); }},
    {"IsWerkbladNaam", [](const Argumenten& a) { return JaNee(IsWerkbladNaam(a[0])); }},
    {"RekenbladNaam",
     [](const Argumenten& a) {
       Werkblad w;
       w.veld[veld::kWaarneempunt] = a[0];
       w.veld[veld::kWeg] = a[1];
       return RekenbladNaam(w);
     }},
    // Zero bytes of a length as a worksheet file.
    {"OpenRekenblad",
     [](const Argumenten& a) {
       const auto geopend = OpenRekenblad(std::vector<std::uint8_t>(std::stoul(a[0])), Catalogus{}, ',');
       return geopend ? "ok" : geopend.Melding() + " (" + std::to_string(geopend.Nummer()) + ")";
     }},
    // A catalogue of two surfaces, of its first, or of none, cut or filled with zero bytes to a length.
    {"OpenCatalogus",
     [](const Argumenten& a) {
       Catalogus c = a[0] == "leeg" ? Catalogus{} : test::TweeWegdekken();
       if (a[0] == "een") c.AantalWegdekken = 1;
       auto bytes = a[0] == "nullen" ? std::vector<std::uint8_t>() : CodeerCatalogus(c);
       if (a[1] != "-") bytes.resize(std::stoul(a[1]));
       const auto geopend = OpenCatalogus(bytes, a[2]);
       if (!geopend) return geopend.Melding() + " (" + std::to_string(geopend.Nummer()) + ")";
       return std::to_string(geopend->AantalWegdekken) + " " + Bijgesneden(geopend->Wegdekken[1].Omschrijving);
     }},
    {"LijstIndexVoor",
     [](const Argumenten& a) {
       Catalogus c;
       c.AantalWegdekken = static_cast<std::int16_t>(Geheel(a[0]));
       return std::to_string(LijstIndexVoor(c, Geheel(a[1])));
     }},
    {"HerstelWegdek",
     [](const Argumenten& a) {
       Invoer in;
       in.wegdek = static_cast<std::int16_t>(Geheel(a[0]));
       Catalogus c;
       c.AantalWegdekken = static_cast<std::int16_t>(Geheel(a[1]));
       const auto m = HerstelWegdek(in, c);
       return std::to_string(in.wegdek) + "|" + m.value_or("-");
     }},
    {"LeesWegdekTabel",
     [](const Argumenten& a) {
       const auto r = LeesWegdekTabel(a[0], a[1][0], a[2] == "mogelijk" ? Kopregel::Mogelijk : Kopregel::Verplicht);
       return UitkomstTekst<std::vector<IngelezenWegdek>>(r, [](const auto& tabel) {
         if (tabel.size() > 5) return std::to_string(tabel.size()) + " wegdekken";
         std::vector<std::string> t;
         for (const auto& w : tabel) {
           std::string c;
           for (double x : w.coefficienten) c += " " + Tekst(x);
           t.push_back(std::to_string(w.regel) + ":" + w.omschrijving + ":" + c);
         }
         return Samen(t);
       });
     }},
    {"SchrijfWegdekTabel",
     [](const Argumenten& a) {
       // Entries "omschrijving;DL_lv;...;b_zv"; the table must read back to the bit.
       Catalogus c;
       for (std::size_t i = 1; i < a.size(); ++i) {
         IngelezenWegdek w{0, a[i], {}};
         for (std::size_t k = 6; k-- > 0;) {
           w.coefficienten[k] = Getal(w.omschrijving.substr(w.omschrijving.rfind(';') + 1));
           w.omschrijving.resize(w.omschrijving.rfind(';'));
         }
         c.Wegdekken[static_cast<std::size_t>(++c.AantalWegdekken)] = Wegdek::Van(w);
       }
       const std::string tekst = SchrijfWegdekTabel(c, a[0][0]);
       const auto terug = LeesWegdekTabel(tekst, ';', Kopregel::Verplicht);
       for (std::size_t i = 0; terug && i < terug->size(); ++i) {
         const Wegdek w = Wegdek::Van((*terug)[i]), &bron = c.Wegdekken[i + 1];
         for (int k = 1; k <= 6; ++k) {
           if (std::bit_cast<std::uint64_t>(w.Coefficient(k)) != std::bit_cast<std::uint64_t>(bron.Coefficient(k)) ||
               w.Omschrijving != bron.Omschrijving)
             return "leest anders terug: " + tekst;
         }
       }
       return terug && static_cast<int>(terug->size()) == c.AantalWegdekken ? tekst : "leest niet terug: " + tekst;
     }},
    // report
    {"Milieukwaliteit", [](const Argumenten& a) { return std::string(Milieukwaliteit(Getal(a[0]), Geheel(a[1]))); }},
    {"KolomTekst",
     [](const Argumenten& a) {
       int breedte = Geheel(a[1]);
       const std::string t = KolomTekst(Getal(a[0]), breedte, a[2], a[3][0]);
       return "[" + t + "]" + std::to_string(breedte);
     }},
    {"InvoerRegels",
     [](const Argumenten& a) {
       // The road-surface lines of a worksheet on position a[0] of a catalogue of two.
       Invoer in;
       in.wegdek = static_cast<std::int16_t>(Geheel(a[0]));
       const auto regels = InvoerRegels(in, Resultaten{}, test::TweeWegdekken(), '.');
       const auto type =
           std::find_if(regels.begin(), regels.end(), [](const auto& r) { return r.tekst.starts_with("type"); });
       return type->tekst + "|" + type[1].tekst + (type[1].dlRegel ? "" : " (geen DL-regel)");
     }},
    // tools
    {"Geluidsbelasting", [](const Argumenten& a) { return std::to_string(Geluidsbelasting(Getal(a[0]))); }},
    {"BijlageKolommen",
     [](const Argumenten& a) {
       // Decimal sign, with the test's columns (1) or not, the limits: the columns after milieukwaliteit.
       std::vector<double> grenzen;
       for (std::size_t i = 2; i < a.size(); ++i) grenzen.push_back(Getal(a[i]));
       const Bijlage bijlage(grenzen, Catalogus{}, a[0][0], a[1] == "1");
       std::vector<std::string> t;
       bool na = false;
       for (const BijlageKolom& k : bijlage.Kolommen()) {
         if (na) t.push_back(k.naam + "=" + k.label);
         na = na || k.naam == "milieukwaliteit";
       }
       return Samen(t);
     }},
    {"BijlageCellen",
     [](const Argumenten& a) {
       // A line with zone, aftrek, rail, situation and outcome ("-": not given): the cells of the columns named after.
       BijlageRegel r{"blad.tvo", {}};
       r.hoogte.invoer.zone = a[0] == "1", r.hoogte.invoer.aftrek = a[1] == "1";
       r.hoogte.invoer.rail = static_cast<std::int16_t>(Geheel(a[2]));
       r.situatie = a[3] == "-" ? "" : a[3], r.uitkomst = a[4] == "-" ? "" : a[4];
       const BijlageTabel t = MaakBijlage({r}, {}, Catalogus{}, ',');
       std::string cellen;
       for (std::size_t i = 5; i < a.size(); ++i) {
         const auto k =
             std::find_if(t.kolommen.begin(), t.kolommen.end(), [&](const auto& k) { return k.naam == a[i]; });
         cellen += (i > 5 ? "|" : "") +
                   (k == t.kolommen.end() ? "(geen)" : t.regels[0][static_cast<std::size_t>(k - t.kolommen.begin())]);
       }
       return cellen;
     }},
    {"Situatie",
     [](const Argumenten& a) {
       const Situatie& s = kSituaties.at(static_cast<std::size_t>(Geheel(a[0])));
       return std::string(s.naam) + "|" + std::string(s.artikel) + "|" + std::to_string(s.maximum);
     }},
    {"Toets",
     [](const Argumenten& a) {
       const Maximum m = a[1].starts_with("eigen ") ? EigenMaximum(Geheel(a[1].substr(6)))
                                                    : MaximumVan(kSituaties.at(static_cast<std::size_t>(Geheel(a[1]))));
       const Toetsresultaat t = Toets(Geheel(a[0]), m, a[2] == "1");
       const char* uitkomst[] = {"Voldoet", "HogereWaarde", "BovenMaximum"};
       return uitkomst[static_cast<int>(t.uitkomst)] + ("|" + t.tekst);
     }},
    {"LeesLijst",
     [](const Argumenten& a) {
       const auto l = LeesLijst(a[0]);
       return l ? Samen(*l) : "-";
     }},
    {"LeesHoogten", [](const Argumenten& a) { return Getallen(LeesHoogten(*LeesLijst(a[0]), Getal(a[1]), a[2][0])); }},
    {"LeesGrenzen", [](const Argumenten& a) { return Getallen(LeesGrenzen(*LeesLijst(a[0]))); }},
    {"LeesHoogtenLijst", [](const Argumenten& a) { return Getallen(LeesHoogtenLijst(a[0], Getal(a[1]), a[2][0])); }},
    {"LeesGrenzenLijst", [](const Argumenten& a) { return Getallen(LeesGrenzenLijst(a[0])); }},
    {"ContourGrenzen",
     [](const Argumenten& a) {
       const Maximum m = a[0].starts_with("eigen ") ? EigenMaximum(Geheel(a[0].substr(6)))
                                                    : MaximumVan(kSituaties.at(static_cast<std::size_t>(Geheel(a[0]))));
       return Getallen(ContourGrenzen(m, a[1]));
     }},
    {"LeesDoelNiveau", [](const Argumenten& a) { return OfNiets(LeesDoelNiveau(a[0])); }},
    {"LeesDiagramAfstand", [](const Argumenten& a) { return OfNiets(LeesDiagramAfstand(a[0])); }},
    {"LeesMaxAfstand",
     [](const Argumenten& a) {
       const MaxAfstand m = LeesMaxAfstand(a[0]);
       const char* soort[] = {"Leeg", "Geweigerd", "ControleGeweigerd", "Onbruikbaar", "Gegevens"};
       return soort[static_cast<int>(m.soort)] + ("|" + Tekst(m.s));
     }},
    {"BepaalNiveauAs",
     [](const Argumenten& a) {
       const NiveauAs as = BepaalNiveauAs(Getal(a[0]), a[1] == "-" ? std::nullopt : std::optional(Getal(a[1])));
       return Tekst(as.ymax) + "|" + Tekst(as.ymin) + "|" + std::to_string(as.delingen);
     }},
    {"Gehinderden",
     [](const Argumenten& a) {
       const Gehinderden g = BerekenGehinderden(Getal(a[0]));
       return Tekst(g.licht) + "|" + Tekst(g.normaal) + "|" + Tekst(g.ernstig);
     }},
    {"BinnenBand", [](const Argumenten& a) { return JaNee(BinnenBand(Getal(a[0]))); }},
    {"CumuleerNiveaus",
     [](const Argumenten& a) {
       std::vector<double> l;
       for (const auto& x : a) l.push_back(Getal(x));
       return Tekst(CumuleerNiveaus(l));
     }},
    {"CumulatieTabel",
     [](const Argumenten& a) {
       // Decimal sign, full or not, line end, then per source "naam;punt;weg;lden;lnight".
       std::vector<CumulatieBron> bronnen;
       for (std::size_t i = 3; i < a.size(); ++i) {
         std::vector<std::string> v;
         std::istringstream in(a[i]);
         for (std::string d; std::getline(in, d, '|');) v.push_back(d);
         bronnen.push_back({v[0], v[1], v[2], 0, Getal(v[3]), Getal(v[4]), {}, {}});
       }
       return CumulatieTabel(bronnen, a[0][0], a[1] == "1", a[2]);
     }},
    {"ControleerVerdeling",
     [](const Argumenten& a) {
       const VerdelingControle c = ControleerVerdeling(VerdelingVan(a[0]));
       return c.ok ? "ok" : std::string(c.melding) + "|" + std::to_string(c.focusVak);
     }},
    {"Aantal", [](const Argumenten& a) { return Tekst(Aantal(VerdelingVan(a[0]), Geheel(a[1]), Geheel(a[2]))); }},
    {"Uurintensiteit", [](const Argumenten& a) { return Tekst(Uurintensiteit(Getal(a[0]), Geheel(a[1]))); }},
    {"DoelVeld", [](const Argumenten& a) { return std::to_string(DoelVeld(Geheel(a[0]), Geheel(a[1]))); }},
    {"UurTekst", [](const Argumenten& a) { return UurTekst(a[0], Geheel(a[1]), a[2][0]).value_or("-"); }},
    {"Vak",
     [](const Argumenten& a) {
       // A box of the distribution ("verdeling") or the counts: its range, pattern and keys.
       const bool verdeling = a[0] == "verdeling";
       const GetalBereik& b = VakBereik(verdeling, Geheel(a[1]));
       return std::to_string(b.minimum) + "|" + std::to_string(b.maximum) + "|" + std::string(b.patroon) + "|" +
              std::string(VakTekens(verdeling, Geheel(a[1])));
     }},
    {"AantalTeksten", [](const Argumenten& a) { return Vakken(AantalTeksten(VerdelingVan(a[0]), a[1][0])); }},
    {"UurTekstenUitEtmaal",
     [](const Argumenten& a) {
       // Decimal sign, daily count, three hourly shares, the shares per row and period, factor, growth, years.
       Etmaalgegevens g{};
       g.etmaal = a[1];
       for (std::size_t p = 1; p <= 3; ++p) g.uur[p] = a[1 + p];
       for (std::size_t s = 0; s < 4; ++s) {
         for (std::size_t p = 1; p <= 3; ++p) g.aandeel[s][p] = a[4 + 3 * s + p];
       }
       g.factor = a[17], g.groei = a[18], g.jaren = a[19];
       return UitkomstTekst<std::vector<std::pair<int, std::string>>>(UurTekstenUitEtmaal(g, a[0][0]),
                                                                      Vakken<std::vector<std::pair<int, std::string>>>);
     }},
    // driver
    {"LeesAantalDraden",
     [](const Argumenten& a) {
       const auto n = LeesAantalDraden(a[0]);
       return n ? std::to_string(*n) : "-";
     }},
    {"LeesDatum",
     [](const Argumenten& a) {
       const auto d = LeesDatum(a[0]);
       return d ? std::to_string(d->jaar) + " " + std::to_string(d->maand) + " " + std::to_string(d->dag) : "-";
     }},
    {"ResultaatLabel", [](const Argumenten& a) { return ResultaatLabel(Getal(a[0]), Geheel(a[1]), a[2], a[3][0]); }},
    {"AftrekRegel",
     [](const Argumenten& a) {
       Resultaten r;
       r.Aftrek110g = static_cast<std::int16_t>(Geheel(a[0])), r.Letmaal = Getal(a[1]), r.Lden = Getal(a[2]),
       r.Lnight = Getal(a[3]);
       const ResultaatTeksten t = LabelTeksten(r, a[4][0]);
       return t.letmaal + "|" + t.lden + "|" + t.lnight + "|" + t.aftrek;
     }},
    {"AfgeleideTeksten",
     [](const Argumenten& a) {
       Resultaten r;
       Invoer in;
       for (int p = 1; p <= 3; ++p) {
         r.Qtotaal[static_cast<std::size_t>(p)] = in.getal[static_cast<std::size_t>(TotaalVeld(p))] = Getal(a[p]);
         r.Vrachtverkeer[static_cast<std::size_t>(p)] = in.getal[static_cast<std::size_t>(VrachtVeld(p))] =
             Getal(a[3 + p]);
       }
       const std::string t = Vakken(AfgeleideTeksten(r, a[0][0])), u = Vakken(AfgeleideTeksten(in, a[0][0]));
       return t == u ? t : "uit de invoer anders: " + u;
     }},
    {"Samenvatting",
     [](const Argumenten& a) {
       BatchVerslag v{static_cast<std::size_t>(Geheel(a[0])), static_cast<std::size_t>(Geheel(a[1])), {}};
       for (std::size_t i = 2; i < a.size(); ++i) v.eersteRegels.push_back(static_cast<std::size_t>(Geheel(a[i])));
       return Samenvatting(v);
     }},
    {"Voortgang",
     [](const Argumenten& a) {
       // Steps "bij ROWS MS" or "slot ROWS MS" after the start at 0 ms.
       const Voortgang::Klok::time_point t0{};
       Voortgang v(a[0][0], t0);
       std::vector<std::string> uit;
       for (std::size_t i = 1; i < a.size(); ++i) {
         const auto w = Woorden(a[i]);
         const auto rijen = static_cast<std::size_t>(std::stoull(w[1]));
         const auto nu = t0 + std::chrono::milliseconds(Geheel(w[2]));
         uit.push_back((w[0] == "bij" ? v.Bij(rijen, nu) : v.Slot(rijen, nu)).value_or("-"));
       }
       return Samen(uit);
     }},
    {"LeesOpties",
     [](const Argumenten& a) {
       const auto o = LeesOpties(a, {"--diagram"}, {"--cumulatie"}, DataMappen{});
       if (!o) return o.Melding();
       std::string t = o->wegdekkenGegeven ? o->inst.wegdekken.string() : "";
       for (const auto& [k, w] : o->eigen) t += " " + k + "=" + w;
       return t + " | " + Samen(o->losse, " ") + (o->help ? " | help" : "");
     }},
    {"Regels",
     [](const Argumenten& a) {
       // The lines of a[0] read in pieces of a[1] bytes (0: where it lies in memory); a[2] 1: the rest of a long
       // line skipped.
       std::istringstream in(a[0]);
       RegelLezer lezer = a[1] == "0" ? RegelLezer(a[0]) : RegelLezer(in, static_cast<std::size_t>(Geheel(a[1])));
       std::vector<std::string> r;
       for (std::string_view regel;;) {
         const Gelezen g = lezer.Volgende(regel, a[2] == "1");
         if (g == Gelezen::Einde) break;
         r.push_back(g == Gelezen::TeLang ? "(te lang)"
                     : regel.size() > 40  ? "(" + std::to_string(regel.size()) + ")"
                                          : std::string(regel));
         if (g == Gelezen::TeLang && a[2] != "1") break;
       }
       return Samen(r);
     }},
};

class Functies : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(Functies, GevenDeUitkomstVanDeTabel) {
  for (const test::Geval& g : test::LeesGevallen(test::kBron / "tests/functies" / (std::string(GetParam()) + ".tsv"))) {
    const auto f = kFuncties.find(g.invoer.at(0));
    ASSERT_NE(f, kFuncties.end()) << g.plaats;
    Argumenten a;
    for (std::size_t i = 1; i < g.invoer.size(); ++i) a.push_back(test::Ontsnapt(g.invoer[i]));
    const std::string uitkomst = f->second(a);
    EXPECT_TRUE(test::KomtOvereen(g.verwacht.at(0), uitkomst))
        << g.plaats << " " << g.naam << ": '" << uitkomst << "', verwacht '" << g.verwacht[0] << "'";
  }
}
INSTANTIATE_TEST_SUITE_P(Laag, Functies, ::testing::Values("base", "calc", "files", "report", "tools", "driver"),
                         [](const auto& info) { return std::string(info.param); });
