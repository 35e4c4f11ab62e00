#include "driver/Batch.h"

#include <charconv>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>

#include "base/Tekst.h"
#include "driver/BatchRij.h"
#include "files/Reset.h"

namespace tarvo {
namespace {

// A block is large enough to keep the threads busy and small enough that
// the blocks in flight stay a few megabytes, whatever the input's length.
constexpr std::size_t kBlokRijen = 1024;
constexpr std::size_t kBlokBytes = 1 << 18;

struct Blok {
  struct Regel {
    std::size_t begin, lengte, nummer;
    bool teLang;
  };
  std::string tekst;  // the rows' lines one after another
  std::vector<Regel> regels;
  std::string uit;
  BatchVerslag verslag;
  bool klaar = false;
  std::exception_ptr fout;
};

void RekenBlok(RijRekenaar& rekenaar, Blok& blok) {
  blok.uit.clear();
  blok.verslag = {};
  for (const Blok::Regel& r : blok.regels) {
    const bool geweigerd =
        rekenaar.Reken(std::string_view(blok.tekst).substr(r.begin, r.lengte), r.teLang, r.nummer, blok.uit);
    ++blok.verslag.rijen;
    if (geweigerd && blok.verslag.geweigerd++ < kAantalGenoemdeRegels) blok.verslag.eersteRegels.push_back(r.nummer);
  }
}

void TelOp(BatchVerslag& totaal, const BatchVerslag& deel) {
  totaal.rijen += deel.rijen;
  totaal.geweigerd += deel.geweigerd;
  for (std::size_t nummer : deel.eersteRegels) {
    if (totaal.eersteRegels.size() < kAantalGenoemdeRegels) totaal.eersteRegels.push_back(nummer);
  }
}

// The rows after the header, a block at a time.
class Rijbron {
 public:
  explicit Rijbron(RegelLezer& lezer) : lezer_(lezer) {}
  bool Op() const { return einde_ || foutNa_ > 0; }
  std::size_t FoutNa() const { return foutNa_; }

  // False when no row was left.
  bool Vul(Blok& blok) {
    blok.tekst.clear();
    blok.regels.clear();
    while (!Op() && blok.regels.size() < kBlokRijen && blok.tekst.size() < kBlokBytes) {
      std::string_view regel;
      const std::size_t nummer = volgende_++;
      switch (lezer_.Volgende(regel, true)) {
        case Gelezen::Einde:
          einde_ = true;
          break;
        case Gelezen::Fout:
          foutNa_ = nummer - 1;
          break;
        case Gelezen::TeLang:
          blok.regels.push_back({0, 0, nummer, true});
          break;
        case Gelezen::Regel:
          if (BijgesnedenDeel(regel).empty()) break;
          blok.regels.push_back({blok.tekst.size(), regel.size(), nummer, false});
          blok.tekst.append(regel);
          break;
      }
    }
    return !blok.regels.empty();
  }

 private:
  RegelLezer& lezer_;
  std::size_t volgende_ = 2;  // the header is line 1
  bool einde_ = false;
  std::size_t foutNa_ = 0;
};

// Threads that compute the blocks given to them, each with its own worksheet.
class Werkploeg {
 public:
  Werkploeg(const BatchInstellingen& opzet, unsigned aantal) {
    for (unsigned i = 0; i < aantal; ++i) draden_.emplace_back([this, &opzet] { Werk(opzet); });
  }
  ~Werkploeg() {
    {
      std::lock_guard slot(m_);
      stop_ = true;
    }
    werk_.notify_all();
    for (std::thread& d : draden_) d.join();
  }
  Werkploeg(const Werkploeg&) = delete;
  Werkploeg& operator=(const Werkploeg&) = delete;

  void Geef(Blok& blok) {
    {
      std::lock_guard slot(m_);
      blok.klaar = false;
      rij_.push_back(&blok);
    }
    werk_.notify_one();
  }

  void WachtOp(Blok& blok) {
    std::unique_lock slot(m_);
    klaar_.wait(slot, [&] { return blok.klaar; });
    if (blok.fout) std::rethrow_exception(blok.fout);
  }

 private:
  void Werk(const BatchInstellingen& opzet) {
    RijRekenaar rekenaar(opzet);
    for (;;) {
      Blok* blok = nullptr;
      {
        std::unique_lock slot(m_);
        werk_.wait(slot, [&] { return stop_ || !rij_.empty(); });
        if (rij_.empty()) return;
        blok = rij_.front();
        rij_.pop_front();
      }
      try {
        RekenBlok(rekenaar, *blok);
      } catch (...) {
        blok->fout = std::current_exception();
      }
      {
        std::lock_guard slot(m_);
        blok->klaar = true;
      }
      klaar_.notify_all();
    }
  }

  std::mutex m_;
  std::condition_variable werk_, klaar_;
  std::deque<Blok*> rij_;
  bool stop_ = false;
  std::vector<std::thread> draden_;
};

// Reads, computes and writes every block; false when the output failed.
// The blocks in flight are bounded: twice the threads, so that none waits
// for reading while another is written.
void VerwerkBlokken(Rijbron& invoer, const BatchInstellingen& opzet, unsigned draden,
                    const std::function<bool(const Blok&)>& schrijf) {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
  draden = 1;  // WebAssembly without threads: the same rows, in the same order, on this one
#endif
  if (draden <= 1) {
    RijRekenaar rekenaar(opzet);
    Blok blok;
    while (invoer.Vul(blok)) {
      RekenBlok(rekenaar, blok);
      if (!schrijf(blok)) return;
    }
    return;
  }
  // The blocks outlive the threads that may still hold one.
  std::deque<std::unique_ptr<Blok>> onderweg;
  std::vector<std::unique_ptr<Blok>> vrij;
  Werkploeg ploeg(opzet, draden);
  bool schrijfbaar = true;
  for (;;) {
    while (schrijfbaar && onderweg.size() < 2 * std::size_t{draden} && !invoer.Op()) {
      std::unique_ptr<Blok> blok;
      if (vrij.empty()) {
        blok = std::make_unique<Blok>();
      } else {
        blok = std::move(vrij.back());
        vrij.pop_back();
      }
      if (!invoer.Vul(*blok)) break;
      ploeg.Geef(*blok);
      onderweg.push_back(std::move(blok));
    }
    if (onderweg.empty()) return;
    // Rows nobody can read are not worth computing: after a failed write
    // the blocks in flight are only waited for.
    ploeg.WachtOp(*onderweg.front());
    if (schrijfbaar) schrijfbaar = schrijf(*onderweg.front());
    vrij.push_back(std::move(onderweg.front()));
    onderweg.pop_front();
  }
}

}  // namespace

Uitkomst<BatchVerslag> VerwerkBatch(std::istream& in, std::ostream& uit, const OpdrachtInstellingen& inst,
                                    const BatchOpties& opties) {
  auto catalogus = LaadCatalogus(inst);
  if (!catalogus) return catalogus.Reden();

  RegelLezer lezer(in);
  std::string_view kopregel;
  switch (lezer.Volgende(kopregel, false)) {
    case Gelezen::Einde:
      return Fout{"Het invoerbestand is leeg: een kopregel met kolomnamen ontbreekt."};
    case Gelezen::TeLang:
      return Fout{"De kopregel van het invoerbestand is langer dan 1 MB."};
    case Gelezen::Fout:
      return Fout{"Het invoerbestand kan niet worden gelezen."};
    case Gelezen::Regel:
      break;
  }
  auto kop = LeesKop(kopregel);
  if (!kop) return kop.Reden();

  const bool etmaal = HeeftEtmaalKolommen(*kop);
  const BatchInstellingen opzet{std::move(*catalogus), std::move(*kop), LeegWerkblad(inst.decimaal),
                                inst.decimaal,         inst.vandaag,    etmaal};

  BatchVerslag verslag;
  uit << kBatchKop << "\n";
  Rijbron invoer(lezer);
  VerwerkBlokken(invoer, opzet, opties.draden, [&](const Blok& blok) {
    uit.write(blok.uit.data(), static_cast<std::streamsize>(blok.uit.size()));
    TelOp(verslag, blok.verslag);
    if (opties.voortgang) opties.voortgang(verslag.rijen);
    return static_cast<bool>(uit);
  });
  if (invoer.FoutNa() > 0) {
    return Fout{"Het invoerbestand kan niet worden gelezen na regel " + std::to_string(invoer.FoutNa()) + "."};
  }
  if (auto geschreven = UitvoerGeschreven(uit); !geschreven) return geschreven.Reden();
  return verslag;
}

std::optional<unsigned> LeesAantalDraden(std::string_view tekst) {
  tekst = BijgesnedenDeel(tekst);
  unsigned n = 0;
  const auto [eind, fout] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), n);
  if (tekst.empty() || fout != std::errc() || eind != tekst.data() + tekst.size() || n < 1 || n > kMaxDraden) {
    return std::nullopt;
  }
  return n;
}

std::string Samenvatting(const BatchVerslag& verslag, std::string_view waar) {
  std::string regels;
  for (std::size_t nummer : verslag.eersteRegels) regels += (regels.empty() ? "" : ", ") + std::to_string(nummer);
  if (verslag.geweigerd > verslag.eersteRegels.size()) regels += " en verder";
  return std::to_string(verslag.geweigerd) + " van " + std::to_string(verslag.rijen) + " rijen niet berekend (" +
         (verslag.geweigerd == 1 ? "regel " : "regels ") + regels + "); de reden staat " + std::string(waar) + ".";
}

}  // namespace tarvo
