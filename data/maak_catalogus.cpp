// Writes the catalogue file from the road-surface table:
//   maak_catalogus wegdekken.tsv Wegdekken_2012.dat
#include <fstream>
#include <iostream>

#include "data/Bronnen.h"
#include "files/CatalogusBestand.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: maak_catalogus <table.tsv> <output.dat>\n";
    return 2;
  }
  std::ifstream tabel(argv[1]);
  if (!tabel) {
    std::cerr << "cannot read " << argv[1] << '\n';
    return 1;
  }
  const auto catalogus = tarvo::CatalogusUitTabel(tabel);
  if (!catalogus) {
    std::cerr << argv[1] << ": " << catalogus.Melding() << '\n';
    return 1;
  }
  const auto bytes = tarvo::CodeerCatalogus(*catalogus);
  std::ofstream uit(argv[2], std::ios::binary | std::ios::trunc);
  uit.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  uit.close();
  if (!uit) {
    std::cerr << "cannot write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
