// Timings of the calculation paths a user waits for.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/Batch.h"
#include "driver/BatchRij.h"
#include "calc/CheckIt.h"
#include "calc/PlainBediening.h"
#include "calc/VeldGetal.h"
#include "calc/Reken.h"
#include "base/Tekst.h"
#include "files/CatalogusBestand.h"
#include "report/Rapport.h"
#include "tools/Afstand.h"
#include "tools/Diagram.h"
#include "files/Reset.h"

namespace {

using namespace tarvo;

struct Blad {
  Werkblad ws;
  PlainWerkbladVenster venster;
  Catalogus catalogus;
  PlainMeldingen meldingen;
  Blad() {
    catalogus.AantalWegdekken = 1;
    catalogus.Wegdekken[1].Omschrijving = VastBreed("referentiewegdek (DAB)", kOmschrijvingLengte);
    VulLijst(catalogus);
    ws.Decimaal = ',';
    ResetWerkblad(ws, venster);
    const char* teksten[][2] = {{"2", "1000"}, {"3", "300"}, {"4", "100"}, {"5", "80"},  {"6", "40"},
                                {"7", "12"},   {"8", "4"},   {"9", "70"},  {"10", "25"}, {"11", "6"},
                                {"12", "3"},   {"13", "70"}, {"14", "8"},  {"18", "6"},  {"22", "4"},
                                {"34", "0,5"}, {"35", "0,2"}, {"36", "15"}, {"37", "80"}};
    for (auto& t : teksten) venster.invoer[static_cast<std::size_t>(std::stoi(t[0]))].tekst = t[1];
    venster.aftrek.waarde = 1;
    CheckIt(ws, venster, meldingen);
  }
};

void BM_Reken(benchmark::State& state) {
  Blad b;
  for (auto _ : state) {
    RekenNiveaus(b.ws, SchakelaarsVan(b.venster), b.catalogus, {2026, 12, 6});
    benchmark::DoNotOptimize(b.ws.Lden);
  }
}
BENCHMARK(BM_Reken);

// With the derived fields shown, as the window calculates.
void BM_RekenInVenster(benchmark::State& state) {
  Blad b;
  for (auto _ : state) {
    RekenNiveaus(b.ws, b.venster, b.catalogus, {2026, 12, 6});
    benchmark::DoNotOptimize(b.ws.Lden);
  }
}
BENCHMARK(BM_RekenInVenster);

void BM_AfdrukBestand(benchmark::State& state) {
  Blad b;
  RekenNiveaus(b.ws, b.venster, b.catalogus, {2026, 12, 6});
  for (auto _ : state) {
    AfdrukBestand(b.ws, b.venster, b.catalogus);
    benchmark::DoNotOptimize(b.ws.AfdrukRegels[5].data());
  }
}
BENCHMARK(BM_AfdrukBestand);

void BM_Diagram1000(benchmark::State& state) {
  Blad b;
  for (auto _ : state) {
    auto d = BerekenDiagram(b.ws, b.venster, b.catalogus, 1000);
    benchmark::DoNotOptimize(d.ymin);
  }
}
BENCHMARK(BM_Diagram1000)->Unit(benchmark::kMillisecond);

// The distance for 48 dB: a bisection per whole decibel of Lden between 1 and 5000 m.
void BM_AfstandVoor48(benchmark::State& state) {
  Blad b;
  AfstandRekenaar rekenaar(b.ws, b.venster, b.catalogus, {2026, 12, 6});
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
  PlainWerkbladVenster venster;
  Werkblad ws;
  ws.Decimaal = ',';
  ResetWerkblad(ws, venster);
  const BatchOpzet opzet = MaakBatchOpzet(b.catalogus, *LeesKop(regels.front()), venster, ',', {2026, 12, 6});
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

}  // namespace

BENCHMARK_MAIN();
