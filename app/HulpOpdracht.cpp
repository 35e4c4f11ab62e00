#include "app/HulpOpdracht.h"

#include <iostream>
#include <string>

#include "driver/Opdracht.h"
#include "shared_ui/Versie.h"

namespace tarvo {
namespace {

bool IsVersie(const std::string& optie) { return optie == "--version" || optie == "--versie"; }
bool IsHulp(const std::string& optie) { return optie == "--help" || optie == "-h"; }

constexpr const char* kGebruik =
    "Gebruik:\n"
    "  tarvo [WERKBLAD.tvo]      opent het venster, met het rekenblad als dat is opgegeven\n"
    "  tarvo --pdf WERKBLAD.tvo UIT.pdf [opties]\n"
    "                            schrijft de afgedrukte pagina als PDF, zonder venster\n"
    "                            (de opties: tarvo --pdf --help)\n"
    "  tarvo --help              deze tekst\n"
    "  tarvo --version           de versie\n";

}  // namespace

// Only as the one argument: a worksheet named "--help.tvo" still opens.
bool IsHulpOpdracht(int argc, char** argv) {
  if (argc != 2) return false;
  const std::string optie = argv[1];
  return IsHulp(optie) || IsVersie(optie);
}

int HulpOpdracht(int argc, char** argv) {
  if (argc != 2) return 2;
  if (IsVersie(argv[1])) {
    std::cout << versie::kProductNaam << " " << versie::kMajor << "." << versie::kMinor << "." << versie::kRevisie
              << " (" << versie::kOpmerkingen << ")\n";
  } else {
    std::cout << kGebruik;
  }
  if (auto geschreven = UitvoerGeschreven(std::cout); !geschreven) {
    std::cerr << "tarvo: " << geschreven.Melding() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace tarvo
