#pragma once
// The worksheet on screen: the grid of fields and captions, the remark
// lines, the road-surface list, the switches, the rail button, the results
// frame and the calculation button. It reads the worksheet from its
// controls, shows one on them, and opens or locks them as the main window's
// mode asks; the commands, files and modes themselves are the main window's.
#include <QWidget>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/Controle.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Rekenblad.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace tarvo {

class Dialogen;
class VeldFilter;

class WerkbladFormulier : public QWidget {
  Q_OBJECT
 public:
  // Numbers are shown with `decimaal`; the dialogs beep and open the rail chooser.
  WerkbladFormulier(Dialogen& dialogen, char decimaal, QWidget* ouder = nullptr);

  // --- the controls ---
  QLineEdit* veld(int k) const { return velden_.at(static_cast<std::size_t>(k)); }
  QLineEdit* toelichtingRegel(int i) const { return toelichtingRegels_.at(static_cast<std::size_t>(i)); }
  // The three levels: 0 Letmaal, 1 Lden, 2 Lnight.
  QLabel* niveauNaam(int n) const { return niveauNamen_.at(static_cast<std::size_t>(n)); }
  QLabel* niveauWaarde(int n) const { return niveauWaarden_.at(static_cast<std::size_t>(n)); }
  QLabel* dosisEffectVerwijzing() const { return dosisEffectVerwijzing_; }
  QLabel* aftrekRegel() const { return aftrekRegel_; }
  QLabel* art35Regel() const { return art35Regel_; }
  QLabel* afstandBijschrift() const { return afstandBijschrift_; }  // opens the diagram
  QLabel* toelichtingKop() const { return toelichtingKop_; }
  QComboBox* wegdekLijst() const { return wegdekLijst_; }
  QCheckBox* zoneSchakelaar() const { return zoneSchakelaar_; }
  QCheckBox* aftrekSchakelaar() const { return aftrekSchakelaar_; }
  QPushButton* railKnop() const { return railKnop_; }
  QPushButton* berekenKnop() const { return berekenKnop_; }
  QGroupBox* resultaatKader() const { return resultaatKader_; }

  // --- the worksheet ---
  // As the fields, the switches and the choices show it; the speeds behind
  // the 30 km zone as they were typed.
  Werkblad HuidigWerkblad() const;
  // Its texts and choices on the controls, the 30 km zone's included.
  void ToonWerkblad(const Werkblad& werkblad);
  // What a check found: the fields' texts and colours.
  void ToonWeergave(const Weergave& weergave);
  // Qtotaal and the freight share in the derived fields.
  void ToonAfgeleid(std::span<const std::pair<int, std::string>> teksten);
  void ToonNiveaus(const RekenbladAntwoord& antwoord);
  // The traffic conversion's counts land in open fields: the user's change.
  void NeemOmrekeningOver(const std::vector<std::pair<int, std::string>>& teksten);
  // The catalogue's road surfaces (which fills its padded names), the worksheet's own chosen.
  void VulWegdekLijst(Catalogus& catalogus);
  // The help text of the control that last took the focus.
  const std::string& HelpTekst() const { return helpTekst_; }

  // --- by the main window's mode ---
  // Everything locked and the results hidden; the fields lose their marks.
  void Vergrendel();
  // Input: the fields and choices open, the results hidden, the focus on the first field.
  void OpenInvoer();
  // Results: the levels shown and the results frame in view; the rest locked.
  void ToonResultaat();
  void ZetBerekenbaar(bool aan);  // the calculation button shown

 signals:
  void Gewijzigd();                    // the user changed the worksheet
  void Melding(const QString& tekst);  // a word for the status bar
  void InvoerGevraagd();               // a click on the results frame
  void DiagramGevraagd();              // on the caption of the horizontal distance
  void DosisEffectGevraagd();          // on the dose-effect link

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void MaakVelden();
  QLabel* MaakBijschrift(std::string_view tekst);
  int Namen(QGridLayout* raster);
  int Verkeersraster(QGridLayout* raster, int rij);
  int Geometrie(QGridLayout* raster, int rij);
  QGridLayout* Schakelaars();
  void Toelichting(QGridLayout* raster, int rij);
  QVBoxLayout* Uitkomsten();
  void MaakNiveaus();
  void ZetTabVolgorde();
  void VolgVelden();
  void VolgWijzigingen();

  void ZetBijschriftenIngeschakeld(bool aan);
  void ZetKeuzesIngeschakeld(bool aan);  // remark lines, switches, road surface, rail
  void VerbergUitkomsten();
  void KiesRail();
  void KiesWegdek(int lijstIndex);
  void ToonWegdek(int lijstIndex);
  void SchakelZone();      // the user's click
  void ZetZone(bool aan);  // from a file or Reset: runs the switch when it changes
  void ToonZone();         // the speed fields for the switch's state

  Dialogen& dialogen_;
  char decimaal_;
  bool invoer_ = false;  // the input mode's fields are open
  std::string helpTekst_;
  std::int16_t wegdek_ = 1;  // the catalogue position chosen
  std::int16_t rail_ = 0;
  // The speeds as typed, while the 30 km zone shows 30 in their fields.
  std::array<std::string, kAantalCategorieen> bewaardeSnelheden_;

  std::array<QLineEdit*, kAantalVelden> velden_{};
  std::array<QLineEdit*, kAantalToelichtingen> toelichtingRegels_{};
  std::vector<QLabel*> bijschriften_;  // the fields' captions, greyed outside input mode
  QLabel* afstandBijschrift_ = nullptr;
  std::array<QLabel*, 3> niveauNamen_{};
  std::array<QLabel*, 3> niveauWaarden_{};
  QLabel* dosisEffectVerwijzing_ = nullptr;
  QLabel* aftrekRegel_ = nullptr;  // the deduction under the levels
  QLabel* art35Regel_ = nullptr;   // which art. 3.5 deduction the road surface got, and why
  QLabel* toelichtingKop_ = nullptr;
  QComboBox* wegdekLijst_ = nullptr;
  QLabel* wegdekBijschrift_ = nullptr;
  QCheckBox* zoneSchakelaar_ = nullptr;
  QCheckBox* aftrekSchakelaar_ = nullptr;
  QPushButton* railKnop_ = nullptr;
  QPushButton* berekenKnop_ = nullptr;
  QGroupBox* resultaatKader_ = nullptr;
  VeldFilter* veldFilter_ = nullptr;
};

}  // namespace tarvo
