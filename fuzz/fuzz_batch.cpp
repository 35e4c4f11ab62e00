// The batch reader on arbitrary bytes, against a catalogue whose
// coefficients all differ and whose last entry is absurd but legal. It must
// refuse or answer every row, one output line per row.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>

#include "base/Bestand.h"
#include "base/Tekst.h"
#include "driver/Batch.h"
#include "files/CatalogusBestand.h"

namespace {

tarvo::OpdrachtInstellingen& Instellingen() {
  static tarvo::OpdrachtInstellingen inst;
  return inst;
}

void Opruimen() {
  std::error_code ec;
  std::filesystem::remove_all(Instellingen().wegdekken.parent_path(), ec);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tarvo::Catalogus c;
  c.AantalWegdekken = 3;
  for (int i = 1; i <= 3; ++i) {
    tarvo::Wegdek& w = c.Wegdekken[static_cast<std::size_t>(i)];
    w.Omschrijving = tarvo::VastBreed(i == 2 ? "2L ZOAB" : "wegdek " + std::to_string(i), tarvo::kOmschrijvingLengte);
    for (int k = 1; k <= 6; ++k) w.Coefficient(k) = (i == 3 ? 9999.0 : 0.5 * i) * (k % 2 ? -1 : 1) + k;
  }
  const auto map = std::filesystem::temp_directory_path() / ("tarvo-fuzz-batch-" + std::to_string(::getpid()));
  std::filesystem::create_directories(map);
  Instellingen().wegdekken = map / "Wegdekken_2012.dat";
  Instellingen().vandaag = {2017, 6, 1};
  const auto bytes = tarvo::CodeerCatalogus(c);
  if (!tarvo::SchrijfVeilig(Instellingen().wegdekken,
                            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
    std::abort();
  }
  std::atexit(Opruimen);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream uit;
  Instellingen().decimaal = (size & 1) ? ',' : '.';
  const auto verslag = tarvo::VerwerkBatch(in, uit, Instellingen());
  if (!verslag) {
    if (verslag.Melding().empty()) std::abort();
    return 0;
  }
  const std::string tekst = uit.str();
  const auto regels = static_cast<std::size_t>(std::count(tekst.begin(), tekst.end(), '\n'));
  if (regels != verslag->rijen + 1 || verslag->geweigerd > verslag->rijen) std::abort();
  if (verslag->eersteRegels.size() != std::min(verslag->geweigerd, tarvo::kAantalGenoemdeRegels)) std::abort();
  return 0;
}
