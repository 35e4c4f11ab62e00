// Timings of the calculation paths a user waits for.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Tekst.h"
#include "calc/Bereken.h"
#include "calc/Controle.h"
#include "calc/VeldGetal.h"
#include "driver/Batch.h"
#include "driver/BatchRij.h"
#include "driver/Onderzoek.h"
#include "files/CatalogusBestand.h"
#include "files/Reset.h"
#include "files/WerkbladBestand.h"
#include "report/Rapport.h"
#include "tools/Afstand.h"
#include "tools/Diagram.h"

namespace {

using namespace tarvo;

struct Blad {
  Invoer invoer;
  Catalogus catalogus;
  Blad() {
    catalogus.AantalWegdekken = 1;
    catalogus.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
    VulLijst(catalogus);
    Werkblad w = LeegWerkblad(',');
    const char* teksten[][2] = {{"2", "1000"}, {"3", "300"},  {"4", "100"}, {"5", "80"},  {"6", "40"},
                                {"7", "12"},   {"8", "4"},    {"9", "70"},  {"10", "25"}, {"11", "6"},
                                {"12", "3"},   {"13", "70"},  {"14", "8"},  {"18", "6"},  {"22", "4"},
                                {"34", "0,5"}, {"35", "0,2"}, {"36", "15"}, {"37", "80"}};
    for (auto& t : teksten) w.veld[static_cast<std::size_t>(std::stoi(t[0]))] = t[1];
    w.aftrek = true;
    invoer = *Controleer(w, ',').invoer;
  }
};

void BM_Bereken(benchmark::State& state) {
  Blad b;
  for (auto _ : state) {
    const Resultaten r = Bereken(b.invoer, b.catalogus, {2026, 12, 6});
    benchmark::DoNotOptimize(r.Lden);
  }
}
BENCHMARK(BM_Bereken);

// The check of every field's text with what the window shows after it.
void BM_Controleer(benchmark::State& state) {
  Blad b;
  const Werkblad w = WerkbladVan(b.invoer, ',');
  for (auto _ : state) {
    const Controle c = Controleer(w, ',');
    benchmark::DoNotOptimize(c.invoer->getal.data());
  }
}
BENCHMARK(BM_Controleer);

void BM_RapportTekst(benchmark::State& state) {
  Blad b;
  const Resultaten r = Bereken(b.invoer, b.catalogus, {2026, 12, 6});
  for (auto _ : state) {
    const std::string t = RapportTekst(b.invoer, r, b.catalogus, ',');
    benchmark::DoNotOptimize(t.data());
  }
}
BENCHMARK(BM_RapportTekst);

void BM_Diagram1000(benchmark::State& state) {
  Blad b;
  for (auto _ : state) {
    auto d = BerekenDiagram(b.invoer, b.catalogus, 1000);
    benchmark::DoNotOptimize(d.ymin);
  }
}
BENCHMARK(BM_Diagram1000)->Unit(benchmark::kMillisecond);

// The distance for 48 dB: a bisection per whole decibel of Lden between 1 and 5000 m.
void BM_AfstandVoor48(benchmark::State& state) {
  Blad b;
  AfstandRekenaar rekenaar(b.invoer, b.catalogus, {2026, 12, 6});
  for (auto _ : state) {
    const DoelAfstand d = rekenaar.Zoek(48);
    benchmark::DoNotOptimize(d.punt.afstand);
  }
}
BENCHMARK(BM_AfstandVoor48)->Unit(benchmark::kMillisecond);

// The rows of the whole-batch benchmarks: every column, varied values.
std::string Batchinvoer(int rijen) {
  std::ostringstream invoer;
  invoer << "waarneempunt;weg;Qlv_dag;Qlv_avond;Qlv_nacht;Vlv;Qmv_dag;Qmv_avond;Qmv_nacht;Vmv;Qzv_dag;Qzv_avond;"
            "Qzv_nacht;Vzv;hw;hweg;B;Fobj;d;a_kruising;zichthoek;wegdek;zone;aftrek\n";
  for (int i = 0; i < rijen; ++i) {
    invoer << "punt " << i << ";weg " << i % 97 << ';' << 500 + i % 1000 << ';' << 150 + i % 300 << ";50,5;"
           << 50 + i % 80 << ";40;12;4;70;25;6;3;70;" << 1.5 + (i % 10) << ";0;0,5;0,2;" << 5 + i % 200 << ";"
           << i % 160 << ";127;1;" << i % 2 << ";1\n";
  }
  return invoer.str();
}

// One row from its line to its result line, on one thread.
void BM_BatchRij(benchmark::State& state) {
  Blad b;
  const std::string invoer = Batchinvoer(1000);
  std::vector<std::string_view> regels;
  for (std::size_t pos = 0; pos < invoer.size();) {
    const std::size_t eind = invoer.find('\n', pos);
    regels.push_back(std::string_view(invoer).substr(pos, eind - pos));
    pos = eind + 1;
  }
  const BatchInstellingen opzet{b.catalogus, *LeesKop(regels.front()), LeegWerkblad(','), ',', {2026, 12, 6}};
  RijRekenaar rekenaar(opzet);
  std::string uit;
  std::size_t i = 0;
  for (auto _ : state) {
    if (++i == regels.size()) i = 1, uit.clear();
    rekenaar.Reken(regels[i], false, i + 1, uit);
  }
  benchmark::DoNotOptimize(uit.data());
}
BENCHMARK(BM_BatchRij);
// One checked field, as the batch reads some thirty per row: the time is per call.
void BM_GecontroleerdGetal(benchmark::State& state) {
  const std::string_view teksten[8] = {"1107,371", "70", "0.25", "  12 ", "16824,964", "-3,5", "0", "127.4"};
  const GetalBereik bereik{99999, -99999, "##0.00"};
  std::size_t i = 0;
  for (auto _ : state) {
    auto x = GecontroleerdGetal(teksten[i++ % 8], bereik);
    benchmark::DoNotOptimize(x);
  }
}
BENCHMARK(BM_GecontroleerdGetal);

void BM_Batch100000(benchmark::State& state) {
  const auto map = std::filesystem::temp_directory_path() / "tarvo-bench";
  std::filesystem::create_directories(map);
  Catalogus c = Blad().catalogus;
  {
    const auto bytes = CodeerCatalogus(c);
    std::ofstream(map / "Wegdekken_2012.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  const std::string tekst = Batchinvoer(100000);
  OpdrachtInstellingen inst;
  inst.wegdekken = map / "Wegdekken_2012.dat";
  inst.decimaal = ',';
  inst.vandaag = {2026, 12, 6};
  for (auto _ : state) {
    std::istringstream in(tekst);
    std::ostringstream uit;
    BatchOpties opties;
    opties.draden = static_cast<unsigned>(state.range(0));
    (void)VerwerkBatch(in, uit, inst, opties);
    benchmark::DoNotOptimize(uit.str().size());
  }
  std::filesystem::remove_all(map);
}
BENCHMARK(BM_Batch100000)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// A study of 10,000 road lines: 2,500 points with four roads each, three
// heights per point; read, computed and written as tarvo-reken --onderzoek does.
void BM_Onderzoek10000(benchmark::State& state) {
  const Blad blad;
  std::string tekst = "waarneempunt;weg;hoogten;qlv_dag;qlv_avond;qlv_nacht;vlv;qzv_dag;vzv;d;b;aftrek\n";
  for (int p = 0; p < 2500; ++p) {
    for (int w = 0; w < 4; ++w) {
      tekst += "P" + std::to_string(p) + ";W" + std::to_string(w) + ";1,5 4,5 7,5;" + std::to_string(500 + w * 100) +
               ";200;60;" + std::to_string(50 + 10 * w) + ";20;70;" + std::to_string(10 + p % 40 + 5 * w) + ";0,5;1\n";
    }
  }
  for (auto _ : state) {
    const auto onderzoek = LeesOnderzoek(tekst, blad.catalogus, ',', Datum{2024, 3, 1});
    const OnderzoekUitkomst u = RekenOnderzoek(*onderzoek, std::nullopt, {}, blad.catalogus, Datum{2024, 3, 1}, ',');
    benchmark::DoNotOptimize(OnderzoekCsv(u, {}, ',', "\n"));
  }
}
BENCHMARK(BM_Onderzoek10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
