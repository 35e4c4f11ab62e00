#pragma once
// The main window: the worksheet with its three modes (idle, input,
// result), the toolbar, the file commands, start-up and shut-down.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/Controle.h"
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"
#include "driver/Opdrachten.h"
#include "driver/Rekenblad.h"
#include "shared_ui/Dialogen.h"
#include "windows/ToetsingVenster.h"

class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;

namespace tarvo {

class WerkbladFormulier;

class HoofdVenster : public QMainWindow {
  Q_OBJECT
 public:
  // The worksheet's modes. A worksheet read from a file stays idle until
  // "invullen", but may be computed and explained at once.
  enum class Modus { Rust, Invoer, Resultaat };

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
  void BewerkWegdekken();
  void RekenVerkeerOm();
  void Cumuleer();
  void ToonVoorbeeld();
  void DrukAf();
  void ToonDosisEffect();
  void ToonDiagram();
  void Toets();

  // --- the controls ---
  // The worksheet's fields, choices and results.
  WerkbladFormulier* formulier() const { return formulier_; }
  // The action of a command of kOpdrachten by its name; nullptr for one the window lacks.
  QAction* Actie(std::string_view naam) const;
  QString BestandPaneel() const;
  QString Melding() const;  // the status bar's word on the last command

  // --- state ---
  Modus HuidigeModus() const { return modus_; }
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

 private:
  void BouwVenster();
  void VolgFormulier();
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
  void ZetBestand(const QString& pad);  // the file panel and the title follow
  void ZetTitel();
  void MarkeerGewijzigd();  // the user changed the worksheet
  // Before work would be lost: with unsaved changes, asks whether to save
  // first. False when the command must not go on (Cancel, or a save that
  // did not happen).
  bool BewaarEerst(const char* titel);
  QString PdfVoorstel() const;
  void ZetMelding(const QString& tekst);

  // What the check found, on the fields: their texts and colours; a refusal
  // as a warning, or, with `meldGeenGetal`, a word in the status bar, and
  // the field to correct takes the focus. True when the check passed.
  bool ToonControle(const Controle& controle, bool meldGeenGetal);
  void ToonWeigering(Afloop afloop, const std::string& melding, int focus, bool meldGeenGetal);

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
  QString wachtPad_;    // pending worksheet path (command line)
  QString bestandPad_;  // the worksheet's own file
  bool afgesloten_ = false;
  bool vragenKan_ = true;       // false once closing may ask nothing
  bool catalogusOpen_ = false;  // a catalogue change not on disk yet
  Modus modus_ = Modus::Rust;
  std::optional<Invoer> invoer_;
  std::optional<Resultaten> resultaten_;
  ToetsingKeuze toetsingKeuze_;  // kept from one test to the next

  WerkbladFormulier* formulier_ = nullptr;
  // By the position of their command in kOpdrachten; none for one the window lacks.
  std::array<QAction*, kOpdrachten.size()> acties_{};
  QLabel* bestandPaneel_ = nullptr;
  QLabel* meldingPaneel_ = nullptr;

  QAction* systeemvakInfo_ = nullptr;
  QAction* systeemvakAfsluiten_ = nullptr;
  QMenu* systeemvakMenu_ = nullptr;
  QPointer<QSystemTrayIcon> icoon_;
};

}  // namespace tarvo
