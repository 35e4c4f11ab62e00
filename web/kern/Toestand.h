#pragma once
// What the page's entry points share: the worksheet's texts, the catalogue
// and the settings the core answers on, the question and the answer buffers,
// and the small steps every answer takes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/NiveauAfstand.h"
#include "driver/ToetsingOpdracht.h"
#include "files/Reset.h"
#include "tools/Cumulatie.h"
#include "web/kern/Json.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define TARVO_WEB extern "C" EMSCRIPTEN_KEEPALIVE
#else
#define TARVO_WEB extern "C"
#endif

namespace tarvo::web {

struct KernToestand {
  char decimaal = ',';
  Datum vandaag{2026, 1, 1};
  Werkblad werkblad = LeegWerkblad(',');
  Catalogus catalogus;
  // The editor's rules on the catalogue, with the protection F9 lifts.
  WegdekBeheer beheer{catalogus};
  std::vector<CumulatieBron> bronnen;
  std::string cumulatieHoogten;      // as typed; blank: each worksheet at its own height
  std::optional<Samenvoeging> plan;  // an import waiting for the user's yes
  // The last diagram's line and its largest distance: the target and the
  // pointer are answered on it.
  std::optional<NiveauLijn> lijn;
  double lijnTot = kAfstandZoekTot;
  // The test's choices while the page is open, and its last answer for the annex.
  ToetsingKeuze toetsKeuze;
  ToetsingAntwoord toetsing;
  std::string toetsNaam;
  std::vector<std::uint8_t> vraag, bytes;
  std::string antwoord;
};

KernToestand& Toestand();

// The question's texts; the text at `i`, empty past the end.
std::vector<std::string> Teksten();
std::string Tekst(std::size_t i);

// The answer handed to the page, valid until the next call.
const char* Antwoord(const Json& j);
const char* FoutAntwoord(std::string_view melding);

void ZetBytes(std::string_view bytes);
template <typename Bytes>
void ZetBytes(const Bytes& b) {
  ZetBytes(std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

std::string Getal(double x, std::string_view patroon = "##0.00");

// "1 wegdek", "2 wegdekken".
std::string WegdekkenTekst(std::size_t n);

// The catalogue's list under "catalogus"; its file's bytes in the byte buffer.
void SchrijfCatalogus(Json& j);

// The cumulation's tables, at the heights typed, and its file in the byte buffer.
void SchrijfCumulatie(Json& j);

// A test's outcome as the page's classes name it.
std::string_view Naam(Toetsuitkomst u);

// An annex headed `titel` on paper: its file in the byte buffer, and the
// texts of its paper form, a column per line and a row per quantity.
const char* BijlageAntwoord(const BijlageTabel& tabel, std::string_view titel);

}  // namespace tarvo::web
