// Writes a sample worksheet file from its description:
//   maak_voorbeeld voorbeeld.txt voorbeeld.tvo
#include <fstream>
#include <iostream>

#include "data/Bronnen.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: maak_voorbeeld <description.txt> <output.tvo>\n";
    return 2;
  }
  std::ifstream beschrijving(argv[1]);
  if (!beschrijving) {
    std::cerr << "cannot read " << argv[1] << '\n';
    return 1;
  }
  const auto bytes = tarvo::WerkbladUitBeschrijving(beschrijving);
  if (!bytes) {
    std::cerr << argv[1] << ": " << bytes.Melding() << '\n';
    return 1;
  }
  std::ofstream uit(argv[2], std::ios::binary | std::ios::trunc);
  uit.write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
  uit.close();
  if (!uit) {
    std::cerr << "cannot write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
