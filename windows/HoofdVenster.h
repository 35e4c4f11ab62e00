#pragma once
// The main window: the worksheet with its three modes (idle, input,
// result), the toolbar, the file commands, start-up and shut-down.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Controle.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Rekenblad.h"
#include "shared_ui/Dialogen.h"
#include "windows/ToetsingVenster.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSystemTrayIcon;
class QToolBar;
class QVBoxLayout;

namespace tarvo {

class VeldFilter;

class HoofdVenster : public QMainWindow {
  Q_OBJECT
 public:
  // The worksheet's modes. A worksheet read from a file stays idle until
  // "invullen", but may be computed and explained at once.
  enum class Modus { Rust, Invoer, Resultaat };
  // Every command of the window, one action each, in the toolbar and the
  // menu bar: the toolbar's in its order, then those of the clickable labels
  // and of the calculation button, which are in the menu bar only.
  enum class Commando {
    Afsluiten,
    Openen,
    Afdrukken,
    Voorbeeld,
    Opslaan,
    Reset,
    Invullen,
    Wegdekken,
    Omrekenen,
    Cumulatie,
    Gebruiker,
    Info,
    Help,
    Rekenmachine,
    DosisEffect,
    Diagram,
    Toetsing,
    Berekenen,
  };
  static constexpr int kAantalCommandos = static_cast<int>(Commando::Berekenen) + 1;

  // The data folder is where Wegdekken_2012.dat and levering.txt are looked for.
  HoofdVenster(Dialogen& dialogen, const QString& dataMap, QWidget* ouder = nullptr);
  ~HoofdVenster() override;

  // Start-up. The command line is taken as one text, as typed. False when
  // the user gave up locating the catalogue: the program ends.
  bool Start(const QString& opdrachtRegel);

  // --- commands ---
  void VulIn();  // input mode
  void Reset();  // empty worksheet, idle mode, no file
  // The "reset" command: Reset, after the offer to save unsaved changes.
  void ResetRekenblad();
  void Bereken();
  // Reads a worksheet file, after the offer to save unsaved changes. The
  // worksheet on screen stays until a file has really been read.
  void Open();
  // Writes the worksheet to a file the user chooses; in input mode what the
  // input check takes from the fields. False when nothing was written.
  bool Bewaar();
  void BewaarRekenblad();  // the "opslaan" command
  void Sluit();            // closing runs the shut-down
  // Closing when no one can answer (SIGTERM at logout): the shut-down without
  // its questions. The worksheet is not saved unasked; a catalogue change
  // that could not be saved yet is tried once more.
  void SluitZonderVragen();
  void ToonHelp();
  void StartRekenmachine();
  void ToonInfo();
  void StelGebruikerIn();
  void KiesRail();
  void BewerkWegdekken();
  void RekenVerkeerOm();
  void Cumuleer();
  void ToonVoorbeeld();
  void DrukAf();
  void ToonDosisEffect();
  void ToonDiagram();
  void Toets();

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
  QToolBar* werkbalk() const { return werkbalk_; }
  QAction* Actie(Commando commando) const { return acties_.at(static_cast<std::size_t>(commando)); }
  QAction* systeemvakInfo() const { return systeemvakInfo_; }
  QAction* systeemvakAfsluiten() const { return systeemvakAfsluiten_; }
  QString BestandPaneel() const;
  QString Melding() const;  // the status bar's word on the last command

  // --- state ---
  Modus HuidigeModus() const { return modus_; }
  // The worksheet as the fields, the switches and the choices show it; the
  // speeds behind the 30 km zone as they were typed.
  Werkblad HuidigWerkblad() const;
  // The input and results of the last calculation; after reading a file
  // the file's input without results.
  const std::optional<Invoer>& LaatsteInvoer() const { return invoer_; }
  const std::optional<Resultaten>& LaatsteResultaten() const { return resultaten_; }
  // The file the worksheet was last read from or saved to; empty for none.
  const QString& BestandPad() const { return bestandPad_; }
  // Whether the worksheet holds changes no file has (Qt's windowModified).
  bool Gewijzigd() const { return isWindowModified(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void BouwVenster();
  void MaakVelden(QWidget* midden);
  QLabel* MaakBijschrift(std::string_view tekst, QWidget* midden);
  int Namen(QGridLayout* raster, QWidget* midden);
  int Verkeersraster(QGridLayout* raster, int rij, QWidget* midden);
  int Geometrie(QGridLayout* raster, int rij, QWidget* midden);
  QGridLayout* Schakelaars(QWidget* midden);
  void Toelichting(QGridLayout* raster, int rij, QWidget* midden);
  QVBoxLayout* Uitkomsten(QWidget* midden);
  void MaakNiveaus();
  void ZetTabVolgorde();
  void VolgVelden();
  void VolgWijzigingen();
  void MaakActies();
  void MaakMenu();
  void MaakWerkbalk();
  void MaakStatusBalk();
  void MaakSysteemvakMenu();

  // Every action's state and the calculation button, from the mode.
  void ZetModus(Modus modus);
  void ZetActies();
  bool UitBestand() const;           // the worksheet is tied to a file
  std::string WerkbladNaam() const;  // its file's name, or "huidig rekenblad"
  void ResultaatModus();
  void VerbergUitkomsten();
  void ZetBijschriftenIngeschakeld(bool aan);
  void ZetBestand(const QString& pad);  // the file panel and the title follow
  void ZetTitel();
  void MarkeerGewijzigd();  // the user changed the worksheet
  // Before work would be lost: with unsaved changes, asks whether to save
  // first. False when the command must not go on (Cancel, or a save that
  // did not happen).
  bool BewaarEerst(const char* titel);
  QString PdfVoorstel() const;
  void ZetMelding(const QString& tekst);

  // The worksheet's texts and choices on the controls, the 30 km zone's included.
  void ToonWerkblad(const Werkblad& werkblad);
  // What the check found, on the fields: their texts and colours; a refusal
  // as a warning, or, with `meldGeenGetal`, a word in the status bar, and
  // the field to correct takes the focus. True when the check passed.
  bool ToonControle(const Controle& controle, bool meldGeenGetal);
  void ToonWeigering(Afloop afloop, const std::string& melding, int focus, bool meldGeenGetal);
  void ToonWeergave(const Weergave& weergave);
  void ToonNiveaus(const RekenbladAntwoord& antwoord);
  void NeemOmrekeningOver(const std::vector<std::pair<int, std::string>>& teksten);
  void KiesWegdek(int lijstIndex);
  void ToonWegdek(int lijstIndex);
  void VulWegdekLijst();
  void SchakelZone();      // the user's click
  void ZetZone(bool aan);  // from a file or Reset: runs the switch when it changes
  void ToonZone();         // the speed fields for the switch's state

  // A confirmed change of the catalogue or the user name goes to disk at
  // once; a failure is said, and the change stays to be saved again at the
  // next change and at closing. False when it was not saved.
  bool BewaarCatalogus();
  // Lets the user locate the catalogue; false when the dialog was cancelled.
  bool ZoekCatalogus();
  void MaakSysteemvakIcoon();
  void VerwijderSysteemvakIcoon();
  // Shut-down; false when the program stays open after all.
  bool SluitAf();

  Dialogen& dialogen_;
  Catalogus cat_;
  char decimaal_;
  QString dataMap_;
  QString datumTekst_;
  std::string helpTekst_;
  QString wachtPad_;    // pending worksheet path (command line)
  QString bestandPad_;  // the worksheet's own file
  bool afgesloten_ = false;
  bool vragenKan_ = true;       // false once closing may ask nothing
  bool catalogusOpen_ = false;  // a catalogue change not on disk yet
  Modus modus_ = Modus::Rust;
  std::optional<Invoer> invoer_;
  std::optional<Resultaten> resultaten_;
  std::int16_t wegdek_ = 1;  // the catalogue position chosen
  std::int16_t rail_ = 0;
  // The speeds as typed, while the 30 km zone shows 30 in their fields.
  std::array<std::string, kAantalCategorieen> bewaardeSnelheden_;
  ToetsingKeuze toetsingKeuze_;  // kept from one test to the next

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
  QToolBar* werkbalk_ = nullptr;
  std::array<QAction*, kAantalCommandos> acties_{};
  QLabel* bestandPaneel_ = nullptr;
  QLabel* meldingPaneel_ = nullptr;
  VeldFilter* veldFilter_ = nullptr;

  QAction* systeemvakInfo_ = nullptr;
  QAction* systeemvakAfsluiten_ = nullptr;
  QMenu* systeemvakMenu_ = nullptr;
  QPointer<QSystemTrayIcon> icoon_;
};

}  // namespace tarvo
