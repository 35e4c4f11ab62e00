#pragma once
// A study (akoestisch onderzoek) in the window: its sheet opened, saved and
// printed, the worksheet on screen added as a road, and per observation
// point a table with the heights down and the roads across.
#include <QDialog>
#include <memory>
#include <vector>

#include "base/Uitkomst.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/OnderzoekBlad.h"
#include "windows/OnderzoekBestand.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace tarvo {

class Dialogen;

class OnderzoekVenster : public QDialog {
  Q_OBJECT

 public:
  // The window shows and changes `onderzoek`, which its caller keeps.
  // `huidig`: the worksheet on screen as saving it would take it, or why it
  // cannot be added.
  OnderzoekVenster(HuidigOnderzoek& onderzoek, Uitkomst<Invoer> huidig, const Catalogus& catalogus, char decimaal,
                   Datum vandaag, Dialogen& dialogen, QWidget* ouder);

  // Each after the offer to save unsaved changes.
  void Nieuw();
  void Open();
  bool Bewaar();  // false when nothing was written
  // The worksheet as a road line of its own observation point; refused: said.
  void VoegHuidigToe();
  void DrukAf();

  const OnderzoekAntwoord& Berekend() const { return *antwoord_; }
  // The annex of every road computed, named after the sheet.
  BijlageTabel Bijlage() const;

  QTabWidget* punten() const { return punten_; }
  QTableWidget* tabel(int punt) const { return tabellen_.at(static_cast<std::size_t>(punt)); }
  QLabel* meldingen(int punt) const { return meldingen_.at(static_cast<std::size_t>(punt)); }
  QLabel* samenvatting() const { return samenvatting_; }
  QPushButton* huidigKnop() const { return huidigKnop_; }
  QPushButton* bewaarKnop() const { return bewaarKnop_; }
  QPushButton* afdrukKnop() const { return afdrukKnop_; }

 private:
  void MaakKnoppen();
  void Bereken();  // the sheet's text computed anew
  void Toon();
  QWidget* PuntBlad(const OnderzoekPuntTabel& t);
  void VulTabel(QTableWidget* tabel, const OnderzoekPuntTabel& t);

  HuidigOnderzoek& onderzoek_;
  Uitkomst<Invoer> huidig_;
  const Catalogus& catalogus_;
  char decimaal_;
  Datum vandaag_;
  Dialogen& dialogen_;
  std::unique_ptr<OnderzoekAntwoord> antwoord_;

  QTabWidget* punten_ = nullptr;
  std::vector<QTableWidget*> tabellen_;
  std::vector<QLabel*> meldingen_;
  QLabel* samenvatting_ = nullptr;
  QPushButton* huidigKnop_ = nullptr;
  QPushButton* bewaarKnop_ = nullptr;
  QPushButton* afdrukKnop_ = nullptr;
};

}  // namespace tarvo
