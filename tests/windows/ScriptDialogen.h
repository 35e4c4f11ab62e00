#pragma once
// Dialogs answered from queues: what a test says the user would choose.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shared_ui/Dialogen.h"

namespace tarvo {

struct GetoondeMelding {
  std::string tekst, titel;
  Icoon icoon;
  Knoppen knoppen;
};

class ScriptDialogen : public Dialogen {
 public:
  std::vector<GetoondeMelding> meldingen;
  std::string LaatsteMelding() const { return meldingen.empty() ? "" : meldingen.back().tekst; }
  std::deque<Antwoord> antwoorden;                    // for Yes/No questions; No when empty
  std::deque<std::optional<QString>> openAntwoorden;  // nullopt = Cancel; empty queue = Cancel
  std::deque<QStringList> meerAntwoorden;             // several files at once; empty list = Cancel
  std::deque<std::optional<QString>> bewaarAntwoorden;
  std::deque<std::optional<QString>> invoerAntwoorden;
  std::deque<AfdrukKeuze> afdrukAntwoorden;  // empty queue = Cancel
  std::vector<QString> openFilters, bewaarFilters, openMappen, invoerPrompts;
  std::vector<QString> bewaarVoorstellen;    // where each save dialog started
  std::vector<QString> vensters;             // the object names of the windows shown
  std::function<void(QDialog&)> bijVenster;  // looks at a window in the user's place
  int piepen = 0;

  Antwoord Toon(const std::string& tekst, const std::string& titel, Icoon icoon, Knoppen knoppen) override {
    meldingen.push_back({tekst, titel, icoon, knoppen});
    if (knoppen == Knoppen::OK) return Antwoord::OK;
    if (antwoorden.empty()) return Antwoord::Nee;
    const Antwoord a = antwoorden.front();
    antwoorden.pop_front();
    return a;
  }
  std::optional<QString> OpenBestand(QWidget*, const QString&, const QString& map, const QString& filter) override {
    openFilters.push_back(filter);
    openMappen.push_back(map);
    return Neem(openAntwoorden);
  }
  std::optional<QStringList> OpenBestanden(QWidget*, const QString&, const QString& map,
                                           const QString& filter) override {
    openFilters.push_back(filter);
    openMappen.push_back(map);
    if (meerAntwoorden.empty() || meerAntwoorden.front().isEmpty()) return std::nullopt;
    QStringList a = meerAntwoorden.front();
    meerAntwoorden.pop_front();
    return a;
  }
  std::optional<QString> BewaarBestand(QWidget*, const QString&, const QString& startPad, const QString& filter,
                                       const QString&) override {
    bewaarFilters.push_back(filter);
    bewaarVoorstellen.push_back(startPad);
    return Neem(bewaarAntwoorden);
  }
  std::optional<QString> InvoerVak(QWidget*, const QString& prompt, const QString&, const QString&) override {
    invoerPrompts.push_back(prompt);
    return Neem(invoerAntwoorden);
  }
  AfdrukKeuze Afdrukdialoog(QWidget*) override {
    if (afdrukAntwoorden.empty()) return {};
    AfdrukKeuze a = std::move(afdrukAntwoorden.front());
    afdrukAntwoorden.pop_front();
    return a;
  }
  void Piep() override { ++piepen; }
  // The window is never run modally: the test looks at it and it is closed.
  int ToonVenster(QDialog& venster) override {
    vensters.push_back(venster.objectName());
    if (bijVenster) bijVenster(venster);
    return QDialog::Rejected;
  }

 private:
  static std::optional<QString> Neem(std::deque<std::optional<QString>>& q) {
    std::optional<QString> a;
    if (!q.empty()) {
      a.swap(q.front());
      q.pop_front();
    }
    return a;
  }
};

}  // namespace tarvo
