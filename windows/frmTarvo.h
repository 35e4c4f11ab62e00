#pragma once
// The main window: the worksheet with its three modes (idle, input,
// result), the toolbar, the file commands, start-up and shut-down.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "calc/Bediening.h"
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"
#include "shared_ui/Dialogen.h"
#include "shared_ui/QtBediening.h"

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

class frmTarvo : public QMainWindow, public WerkbladVenster {
  Q_OBJECT
 public:
  // The worksheet's modes. A worksheet read from a file stays idle until
  // "invullen", but may be computed and explained at once.
  enum class Modus { Rust, Invoer, Resultaat };
  // Every command of the window, one action each, in the toolbar and the
  // menu bar: the toolbar's in its order, then those of the clickable labels
  // and of the calculation button, which are in the menu bar only.
  enum class Commando {
    Sluiten, Openen, Afdrukken, Voorbeeld, Opslaan, Reset, Invullen,
    Wegdekken, Omrekenen, Cumulatie, Gebruiker, Info, Help, Calculator,
    DosisEffect, Diagram, Berekenen,
  };
  static constexpr int kAantalCommandos = static_cast<int>(Commando::Berekenen) + 1;

  // The data folder is where Wegdekken_2012.dat and levering.txt are looked for.
  frmTarvo(Dialogen& dialogen, const QString& dataMap, QWidget* ouder = nullptr);
  ~frmTarvo() override;

  // Start-up (Form_Load). The command line is taken as one text, as typed.
  // False when the user gave up locating the catalogue: the program ends.
  bool Start(const QString& opdrachtRegel);

  // --- WerkbladVenster ---
  TekstVak& Invoer(int k) override;
  TekstVak& Toel(int i) override;
  Vinkvak& Zone() override;
  Vinkvak& Aftrek() override;
  void ToonWegdek(int lijstIndex) override;

  // --- commands ---
  void Invoer();  // input mode
  void Reset();   // empty worksheet, idle mode, no file
  // The "reset" command: Reset, after the offer to save unsaved changes.
  void ResetRekenblad();
  void Command1_Click();
  // Reads a worksheet file, after the offer to save unsaved changes. The
  // worksheet on screen stays until a file has really been read.
  void Openen();
  // Writes the worksheet to a file the user chooses; in input mode after
  // the input check took the fields over. False when nothing was written.
  bool Opslaan();
  void OpslaanRekenblad();  // the "opslaan" command
  // Lets the user locate the catalogue; false when the dialog was cancelled.
  bool ZoekFile(const QString& filter);
  void VulLijst();
  void Afsluiten();  // closing runs the shut-down
  void Help();
  void Calculator();
  void Info();
  void Gebruiker();
  void Tram();
  void WegdekEditor();
  void Omrekenen();
  void Cumulatie();
  void Voorbeeld();
  void Afdrukken();
  void DosisEffect();
  void Diagram();

  // --- the controls, by their names ---
  QLineEdit* txtInvoer(int k) const { return txtInvoer_.at(static_cast<std::size_t>(k)); }
  QLineEdit* txtToel(int i) const { return txtToel_.at(static_cast<std::size_t>(i)); }
  QLabel* label(int i) const { return label_.at(static_cast<std::size_t>(i)); }
  QLabel* lblResult(int i) const { return lblResult_.at(static_cast<std::size_t>(i)); }  // 1..7
  QLabel* Label2() const { return label2_; }
  QComboBox* Combo1() const { return combo1_; }
  QCheckBox* chkZone() const { return chkZone_; }
  QCheckBox* chkAftrek() const { return chkAftrek_; }
  QPushButton* cmdTram() const { return cmdTram_; }
  QPushButton* Command1() const { return command1_; }
  QGroupBox* Frame2() const { return frame2_; }
  QToolBar* Toolbar1() const { return toolbar1_; }
  QAction* Actie(Commando commando) const { return actie_.at(static_cast<std::size_t>(commando)); }
  QAction* mnuTaakInfo() const { return mnuTaakInfo_; }
  QAction* mnuTaakexit() const { return mnuTaakexit_; }
  QString BestandPaneel() const;
  QString Melding() const;  // the status bar's word on the last command
  QLabel* lblAftrek() const { return lblAftrek_; }

  // --- state ---
  Modus HuidigeModus() const { return modus_; }
  Werkblad& Blad() { return ws_; }
  const Werkblad& Blad() const { return ws_; }
  Catalogus& Cat() { return cat_; }
  const QString& DataMap() const { return dataMap_; }
  const QString& DatumTekst() const { return datumTekst_; }
  const std::string& HelpTekst() const { return helpTekst_; }
  const QString& LaatstePad() const { return laatstePad_; }
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
  QLabel* MaakLabel(int i, std::string_view tekst, QWidget* midden);
  void Verkeersraster(QGridLayout* raster, QWidget* midden);
  void Geometrie(QGridLayout* raster, QWidget* midden);
  QGridLayout* Schakelaars(QWidget* midden);
  void Toelichting(QGridLayout* raster, QWidget* midden);
  QVBoxLayout* Resultaten(QWidget* midden);
  void ZetTabVolgorde();
  void VolgVelden();
  void VolgWijzigingen();
  void MaakActies();
  void MaakMenu();
  void ButtonSetup();  // the toolbar
  void MaakStatusBalk();
  void MaakTaakMenu();

  // Every action's state and the calculation button, from the mode.
  void ZetModus(Modus modus);
  void ZetActies();
  bool UitBestand() const;  // the worksheet is tied to a file
  void ResultaatModus();
  void VerbergUitkomsten();
  void ZetBestand(const QString& pad);  // the file panel and the title follow
  void ZetTitel();
  void Wijzig();  // the user changed the worksheet
  // Before work would be lost: with unsaved changes, asks whether to save
  // first. False when the command must not go on (Cancel, or a save that
  // did not happen).
  bool EerstOpslaan(const char* titel);
  QString PdfVoorstel() const;
  void ZetMelding(const QString& tekst);
  void Combo1_Click(int index);
  void chkZone_Click();
  void CreateIcon();
  void DeleteIcon();
  // Shut-down; false when the program stays open after all.
  bool FormUnload();
  void ZetLabelsIngeschakeld(bool aan);

  Dialogen& dialogen_;
  Werkblad ws_;
  Catalogus cat_;
  QString dataMap_;
  QString datumTekst_;
  std::string helpTekst_;
  QString wachtPad_;     // pending worksheet path (command line)
  QString laatstePad_;   // last path chosen in a file dialog
  QString bestandPad_;   // the worksheet's own file
  bool afgesloten_ = false;
  Modus modus_ = Modus::Rust;

  std::array<QLineEdit*, 40> txtInvoer_{};
  std::array<QLineEdit*, 4> txtToel_{};
  std::array<std::unique_ptr<LineEditVak>, 40> invoerVak_;
  std::array<std::unique_ptr<LineEditVak>, 4> toelVak_;
  std::array<QLabel*, 27> label_{};
  std::array<QLabel*, 8> lblResult_{};  // 1..7
  QLabel* label2_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QLabel* lblWegdek_ = nullptr;  // the list's caption
  QCheckBox* chkZone_ = nullptr;
  QCheckBox* chkAftrek_ = nullptr;
  std::unique_ptr<CheckBoxVak> zoneVak_, aftrekVak_;
  QPushButton* cmdTram_ = nullptr;
  QPushButton* command1_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QToolBar* toolbar1_ = nullptr;
  std::array<QAction*, kAantalCommandos> actie_{};
  QLabel* bestandPaneel_ = nullptr;
  QLabel* meldingPaneel_ = nullptr;
  QLabel* lblAftrek_ = nullptr;  // the deduction under the levels
  VeldFilter* veldFilter_ = nullptr;

  QAction* mnuTaakInfo_ = nullptr;
  QAction* mnuTaakexit_ = nullptr;
  QMenu* mnuTaakbar_ = nullptr;
  QPointer<QSystemTrayIcon> icoon_;
};

}  // namespace tarvo
