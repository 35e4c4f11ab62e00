#pragma once
// Every dialog, message box and input box of the windows goes through this
// interface, so tests can answer them without a person.
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace tarvo {

// A message box: its icon, its buttons and the button the user chose.
enum class Icoon { Kritiek, Vraag, Uitroep, Informatie };
// JaAnnuleren: a question whose careful answer, Annuleren, is the default.
enum class Knoppen { OK, JaNee, JaNeeAnnuleren, JaAnnuleren };
enum class Antwoord { OK, Ja, Nee, Annuleren };

// What the print dialog decided.
enum class AfdrukDoel { Geannuleerd, Bestand, Printer };
struct AfdrukKeuze {
  AfdrukDoel doel = AfdrukDoel::Geannuleerd;
  int kopieen = 1;                    // Printer: copies the program draws itself
  QString bestand;                    // Bestand: the name the dialog already asked; empty: still to ask
  std::unique_ptr<QPrinter> printer;  // Printer: as the user set it up (PDF output included)
};

class Dialogen {
 public:
  virtual ~Dialogen() = default;
  // A message box with the text and title as given.
  virtual Antwoord Toon(const std::string& tekst, const std::string& titel, Icoon icoon,
                        Knoppen knoppen = Knoppen::OK) = 0;
  // A chosen path, or nothing when the user cancelled.
  virtual std::optional<QString> OpenBestand(QWidget* ouder, const QString& titel, const QString& map,
                                             const QString& filter) = 0;
  // One or more chosen paths, or nothing when the user cancelled.
  virtual std::optional<QStringList> OpenBestanden(QWidget* ouder, const QString& titel, const QString& map,
                                                   const QString& filter) = 0;
  // Asks before overwriting. The dialog opens in startPad's folder, with its
  // file name proposed when it names one. A name typed without any
  // extension gets `extensie` (without the dot; empty: none is added).
  virtual std::optional<QString> BewaarBestand(QWidget* ouder, const QString& titel, const QString& startPad,
                                               const QString& filter, const QString& extensie) = 0;
  // The typed text, or nothing on Cancel.
  virtual std::optional<QString> InvoerVak(QWidget* ouder, const QString& prompt, const QString& titel,
                                           const QString& standaard) = 0;
  // The print dialog: no selection, no page range, print to file offered.
  virtual AfdrukKeuze Afdrukdialoog(QWidget* ouder) = 0;
  virtual void Piep() = 0;
  // Shows a window modally; its result code (QDialog::Accepted or Rejected).
  virtual int ToonVenster(QDialog& venster) = 0;

  // The folder a file dialog for the user's own files starts in: that of the
  // file last chosen in any of them, else the user's documents folder (never
  // the program's hidden data folder).
  QString BeginMap() const;
  // Remembers the folder of a file the user chose.
  void OnthoudMap(const QString& pad);

 private:
  QString laatsteMap_;
};

// The real dialogs of Qt. The parent for message boxes is the active window.
class QtDialogen : public Dialogen {
 public:
  Antwoord Toon(const std::string& tekst, const std::string& titel, Icoon icoon, Knoppen knoppen) override;
  std::optional<QString> OpenBestand(QWidget* ouder, const QString& titel, const QString& map,
                                     const QString& filter) override;
  std::optional<QStringList> OpenBestanden(QWidget* ouder, const QString& titel, const QString& map,
                                           const QString& filter) override;
  std::optional<QString> BewaarBestand(QWidget* ouder, const QString& titel, const QString& startPad,
                                       const QString& filter, const QString& extensie) override;
  std::optional<QString> InvoerVak(QWidget* ouder, const QString& prompt, const QString& titel,
                                   const QString& standaard) override;
  AfdrukKeuze Afdrukdialoog(QWidget* ouder) override;
  void Piep() override;
  int ToonVenster(QDialog& venster) override;
};

// The file dialogs' filter for worksheet files.
inline const QString kWerkbladFilter = "Bestand Tarvo (*.tvo)";

// A warning of the worksheet: the exclamation mark, titled "Waarschuwing".
void Waarschuw(Dialogen& dialogen, const std::string& tekst);

// The open dialog for the user's own files, from BeginMap; the folder of
// the choice is remembered. Nothing on Cancel.
std::optional<QString> KiesOpenPad(Dialogen& dialogen, QWidget* ouder, const QString& titel, const QString& filter);
// The same, for one or more files at once.
std::optional<QStringList> KiesOpenPaden(Dialogen& dialogen, QWidget* ouder, const QString& titel,
                                         const QString& filter);

// The save dialog for one kind of file: the path comes back ending in "."
// + extensie, added to any name that does not; a file already there under
// the name so made is replaced only when the user says so. Nothing on
// Cancel. The folder of the choice is remembered (Dialogen::OnthoudMap).
std::optional<QString> KiesBewaarPad(Dialogen& dialogen, QWidget* ouder, const QString& titel, const QString& startPad,
                                     const QString& filter, const QString& extensie);

// "Onverwachte fout in procedure P van Form F." + line break + "Fout N - D.",
// critical icon, the program's title: the one form of every window.
void ToonOnverwachteFout(Dialogen& dialogen, const QString& procedure, const QString& venster, int nummer,
                         const QString& omschrijving);

// The user's decimal separator: ',' or '.'.
char LocaleDecimaal();

}  // namespace tarvo
