// Writes a sample worksheet file from its description:
//   maak_voorbeeld voorbeeld.txt voorbeeld.tvo
// With --ruw the descriptions hold what the files hold, unchecked (test files):
//   maak_voorbeeld --ruw a.txt a.tvo [b.txt b.tvo ...]
#include <fstream>
#include <iostream>
#include <string>

#include "data/Bronnen.h"

int main(int argc, char** argv) {
  const bool ruw = argc > 1 && std::string(argv[1]) == "--ruw";
  const int eerste = ruw ? 2 : 1;
  if (argc - eerste < 2 || (argc - eerste) % 2 != 0 || (!ruw && argc != 3)) {
    std::cerr << "usage: maak_voorbeeld [--ruw] <description.txt> <output.tvo> ...\n";
    return 2;
  }
  for (int i = eerste; i < argc; i += 2) {
    std::ifstream beschrijving(argv[i]);
    if (!beschrijving) {
      std::cerr << "cannot read " << argv[i] << '\n';
      return 1;
    }
    const auto bytes =
        ruw ? tarvo::RuwWerkbladUitBeschrijving(beschrijving) : tarvo::WerkbladUitBeschrijving(beschrijving);
    if (!bytes) {
      std::cerr << argv[i] << ": " << bytes.Melding() << '\n';
      return 1;
    }
    std::ofstream uit(argv[i + 1], std::ios::binary | std::ios::trunc);
    uit.write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
    uit.close();
    if (!uit) {
      std::cerr << "cannot write " << argv[i + 1] << '\n';
      return 1;
    }
  }
  return 0;
}
