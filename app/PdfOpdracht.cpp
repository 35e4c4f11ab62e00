#include "app/PdfOpdracht.h"

#include <QDate>
#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "driver/Opdracht.h"
#include "files/WerkbladBestand.h"
#include "shared_ui/AfdrukPagina.h"
#include "shared_ui/QtDataMappen.h"
#include "shared_ui/QtTekst.h"

namespace tarvo {
namespace {

std::string GebruikTekst(const DataMappen& mappen) {
  return std::string(
             "Gebruik:\n"
             "  tarvo --pdf WERKBLAD.tvo UIT.pdf [--wegdekken PAD] [--decimaal ,|.] [--datum JJJJ-MM-DD]\n"
             "      berekent het rekenblad en schrijft de afgedrukte pagina als PDF\n"
             "Opties:\n") +
         WegdekkenHulp(mappen) +
         "  --decimaal , of .   decimaalteken (standaard dat van de landinstelling)\n"
         "  --datum JJJJ-MM-DD  datum van vandaag voor de aftrekregel en de voetregel (standaard de systeemdatum)\n"
         "Afsluitcode: 0 gelukt, 1 invoer geweigerd of PDF niet geschreven (een oud bestand blijft dan\n"
         "  zoals het was), 2 verkeerd gebruik (ook: UIT.pdf is het rekenblad of het wegdekkenbestand).\n";
}

int Gebruik(const DataMappen& mappen, const std::string& fout) {
  if (!fout.empty()) std::cerr << "tarvo: " << fout << "\n";
  std::cerr << GebruikTekst(mappen);
  return 2;
}

int Geweigerd(const std::string& fout) {
  std::cerr << "tarvo: " << fout << "\n";
  return 1;
}

}  // namespace

bool IsPdfOpdracht(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--pdf") return true;
  }
  return false;
}

int PdfOpdracht(int argc, char** argv) {
  // Read before Qt sees argv: QGuiApplication takes out the options it knows.
  const std::vector<std::string> args(argv + 1, argv + argc);

  // Fonts and the PDF writer need an application object, never a display.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  std::unique_ptr<QGuiApplication> app;
  if (!QCoreApplication::instance()) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
  }

  ZetProgrammaNamen();
  const DataMappen mappen = QtDataMappen();
  auto gelezen = LeesOpties(args, {}, {"--pdf"}, mappen);
  if (!gelezen) return Gebruik(mappen, gelezen.Melding());
  Opties& opties = *gelezen;
  if (opties.help) {
    std::cout << GebruikTekst(mappen);
    if (auto geschreven = UitvoerGeschreven(std::cout); !geschreven) return Geweigerd(geschreven.Melding());
    return 0;
  }
  OpdrachtInstellingen& inst = opties.inst;
  const std::vector<std::string>& losse = opties.losse;
  if (losse.size() != 2) {
    return Gebruik(mappen, losse.empty()       ? "geen rekenblad opgegeven."
                           : losse.size() == 1 ? "geen PDF-bestand opgegeven."
                                               : "meer dan een rekenblad en een PDF-bestand opgegeven.");
  }
  inst.werkblad = losse[0];
  const QString uit = QString::fromLocal8Bit(losse[1]);
  // The page must never take the place of one of the program's own files.
  if (auto vrij = UitvoerVrij(NaarPad(uit), {inst.werkblad, inst.wegdekken}, "het PDF-bestand"); !vrij) {
    return Gebruik(mappen, vrij.Melding());
  }

  const auto geopend = OpenWerkblad(inst);
  if (!geopend) return Geweigerd(geopend.Melding());
  const auto berekend = RekenGeopend(*geopend, inst.vandaag);
  if (!berekend) return Geweigerd(berekend.Melding());
  for (const std::string& r : tarvo::BegrensdBijLezen(*geopend, inst.vandaag)) std::cerr << "tarvo: " << r << "\n";

  const QString datum = DatumTekst(QDate(inst.vandaag.jaar, inst.vandaag.maand, inst.vandaag.dag));
  const PaginaInhoud inhoud{berekend->invoer, berekend->resultaten, geopend->catalogus, inst.decimaal, datum};
  const auto meld = [](const std::string& regel) { std::cerr << "tarvo: " << regel << std::endl; };
  Schrijfwijze wijze;
  wijze.bijWachten = meld;
  wijze.bijOpmerking = meld;
  if (auto geschreven = SchrijfPdf(uit, inhoud, wijze); !geschreven) {
    return Geweigerd(geschreven.Melding() + ".");
  }
  return 0;
}

}  // namespace tarvo
