#include "shared_ui/Dialogen.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>

#include "calc/Controle.h"
#include "shared_ui/Scherm.h"
#include "shared_ui/Versie.h"

namespace tarvo {

Antwoord QtDialogen::Toon(const std::string& tekst, const std::string& titel, Icoon icoon, Knoppen knoppen) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QString::fromStdString(titel));
  // Names and paths in a message are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(tekst).replace("\r\n", "\n"));
  switch (icoon) {
    case Icoon::Kritiek:
      box.setIcon(QMessageBox::Critical);
      break;
    case Icoon::Vraag:
      box.setIcon(QMessageBox::Question);
      break;
    case Icoon::Uitroep:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icoon::Informatie:
      box.setIcon(QMessageBox::Information);
      break;
  }
  if (knoppen == Knoppen::OK) {
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
    return Antwoord::OK;
  }
  QPushButton* ja = box.addButton("&Ja", QMessageBox::YesRole);
  if (knoppen == Knoppen::JaAnnuleren) {
    QPushButton* annuleren = box.addButton("Annuleren", QMessageBox::RejectRole);
    box.setDefaultButton(annuleren);
    box.setEscapeButton(annuleren);
    box.exec();
    return box.clickedButton() == static_cast<QAbstractButton*>(ja) ? Antwoord::Ja : Antwoord::Annuleren;
  }
  QPushButton* nee = box.addButton("&Nee", QMessageBox::NoRole);
  box.setDefaultButton(ja);
  if (knoppen == Knoppen::JaNeeAnnuleren) {
    // Escape and the window's close button take back the command that asked.
    box.setEscapeButton(box.addButton("Annuleren", QMessageBox::RejectRole));
  }
  box.exec();
  if (box.clickedButton() == static_cast<QAbstractButton*>(ja)) return Antwoord::Ja;
  if (knoppen == Knoppen::JaNee || box.clickedButton() == static_cast<QAbstractButton*>(nee)) return Antwoord::Nee;
  return Antwoord::Annuleren;
}

namespace {

// Qt's file dialog, within the screen at any scaling; the files chosen.
QStringList KiesBestanden(QWidget* ouder, const QString& titel, const QString& map, const QString& filter,
                          QFileDialog::FileMode modus) {
  QFileDialog dlg(ouder, titel, map, filter);
  dlg.setFileMode(modus);
  PasOpScherm(&dlg);
  if (dlg.exec() != QDialog::Accepted) return {};
  return dlg.selectedFiles();
}

}  // namespace

std::optional<QString> QtDialogen::OpenBestand(QWidget* ouder, const QString& titel, const QString& map,
                                               const QString& filter) {
  const QStringList pad = KiesBestanden(ouder, titel, map, filter, QFileDialog::ExistingFile);
  if (pad.isEmpty() || pad.front().isEmpty()) return std::nullopt;
  return pad.front();
}

std::optional<QStringList> QtDialogen::OpenBestanden(QWidget* ouder, const QString& titel, const QString& map,
                                                     const QString& filter) {
  const QStringList paden = KiesBestanden(ouder, titel, map, filter, QFileDialog::ExistingFiles);
  if (paden.isEmpty()) return std::nullopt;
  return paden;
}

std::optional<QString> QtDialogen::BewaarBestand(QWidget* ouder, const QString& titel, const QString& startPad,
                                                 const QString& filter, const QString& extensie) {
  QFileDialog dlg(ouder, titel, startPad, filter);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setFileMode(QFileDialog::AnyFile);
  dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
  // Added before the dialog asks about overwriting, so it asks about the name written.
  dlg.setDefaultSuffix(extensie);
  PasOpScherm(&dlg);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first();
}

std::optional<QString> QtDialogen::InvoerVak(QWidget* ouder, const QString& prompt, const QString& titel,
                                             const QString& standaard) {
  QInputDialog vak(ouder);
  vak.setWindowTitle(titel);
  // The prompt's label leads to the field, which makes a single "&" in it
  // an access-key mark: a name like "Geluid & Trilling" must show as typed.
  vak.setLabelText(QString(prompt).replace("\r\n", "\n").replace('&', "&&"));
  vak.setTextValue(standaard);
  ToonHeleTitel(&vak);
  if (vak.exec() != QDialog::Accepted) return std::nullopt;
  return vak.textValue();
}

AfdrukKeuze QtDialogen::Afdrukdialoog(QWidget* ouder) {
  AfdrukKeuze keuze;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setDocName("Rekenblad Tarvo");
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Portrait);
  QPrintDialog dlg(printer.get(), ouder);
  dlg.setOptions(QAbstractPrintDialog::PrintToFile);  // no selection, no page range
  if (dlg.exec() != QDialog::Accepted) return keuze;

  // Each platform asks a file name at most once. Windows' "Print to file" box
  // leaves the port "FILE:" without a name: the .prn save dialog asks it, and
  // no printer job is started, so Windows never asks its own. Qt's own dialog
  // (Linux) asks the name itself: a .prn name gets the report text, any other
  // name the page as PDF.
  const QString naam = printer->outputFileName();
  if (naam == QLatin1String("FILE:")) {
    keuze.doel = AfdrukDoel::Bestand;
    return keuze;
  }
  if (printer->outputFormat() == QPrinter::PdfFormat && naam.endsWith(".prn", Qt::CaseInsensitive)) {
    keuze.doel = AfdrukDoel::Bestand;
    keuze.bestand = naam;
    return keuze;
  }
  keuze.doel = AfdrukDoel::Printer;
  keuze.kopieen = std::max(1, printer->copyCount());
  keuze.printer = std::move(printer);
  return keuze;
}

void QtDialogen::Piep() { QApplication::beep(); }

int QtDialogen::ToonVenster(QDialog& venster) {
  ToonHeleTitel(&venster);
  PasOpScherm(&venster);
  return venster.exec();
}

QString Dialogen::BeginMap() const {
  if (!laatsteMap_.isEmpty() && QFileInfo(laatsteMap_).isDir()) return laatsteMap_;
  const QString documenten = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documenten).isDir() ? documenten : QDir::homePath();
}

void Dialogen::OnthoudMap(const QString& pad) {
  if (!pad.isEmpty()) laatsteMap_ = QFileInfo(pad).absolutePath();
}

std::optional<QString> KiesOpenPad(Dialogen& dialogen, QWidget* ouder, const QString& titel, const QString& filter) {
  std::optional<QString> pad = dialogen.OpenBestand(ouder, titel, dialogen.BeginMap(), filter);
  if (!pad || pad->isEmpty()) return std::nullopt;
  dialogen.OnthoudMap(*pad);
  return pad;
}

std::optional<QStringList> KiesOpenPaden(Dialogen& dialogen, QWidget* ouder, const QString& titel,
                                         const QString& filter) {
  std::optional<QStringList> paden = dialogen.OpenBestanden(ouder, titel, dialogen.BeginMap(), filter);
  if (!paden || paden->isEmpty()) return std::nullopt;
  dialogen.OnthoudMap(paden->front());
  return paden;
}

namespace {

std::optional<QString> VraagBewaarPad(Dialogen& dialogen, QWidget* ouder, const QString& titel, const QString& startPad,
                                      const QString& filter, const QString& extensie) {
  QString voorstel = startPad;
  for (;;) {
    std::optional<QString> pad = dialogen.BewaarBestand(ouder, titel, voorstel, filter, extensie);
    if (!pad || pad->isEmpty()) return std::nullopt;
    if (pad->endsWith("." + extensie, Qt::CaseInsensitive)) return pad;
    // Another ending ("blad.v2"): the dialog took it as the extension and did not ask.
    *pad += "." + extensie;
    if (!QFileInfo::exists(*pad)) return pad;
    const QString vraag = "Bestand " + QDir::toNativeSeparators(*pad) + " bestaat al. Wilt u het vervangen?";
    if (dialogen.Toon(vraag.toStdString(), titel.toStdString(), Icoon::Uitroep, Knoppen::JaNee) == Antwoord::Ja) {
      return pad;
    }
    voorstel = *pad;
  }
}

}  // namespace

std::optional<QString> KiesBewaarPad(Dialogen& dialogen, QWidget* ouder, const QString& titel, const QString& startPad,
                                     const QString& filter, const QString& extensie) {
  std::optional<QString> pad = VraagBewaarPad(dialogen, ouder, titel, startPad, filter, extensie);
  if (pad) dialogen.OnthoudMap(*pad);
  return pad;
}

void Waarschuw(Dialogen& dialogen, const std::string& tekst) {
  dialogen.Toon(tekst, std::string(kTitelWaarschuwing), Icoon::Uitroep);
}

void ToonOnverwachteFout(Dialogen& dialogen, const QString& procedure, const QString& venster, int nummer,
                         const QString& omschrijving) {
  const QString tekst = "Onverwachte fout in procedure " + procedure + " van Form " + venster + ".\r\nFout " +
                        QString::number(nummer) + " - " + omschrijving + ".";
  dialogen.Toon(tekst.toStdString(), versie::kTitel, Icoon::Kritiek);
}

char LocaleDecimaal() {
  const QString punt = QLocale().decimalPoint();
  return punt == "," ? ',' : '.';
}

}  // namespace tarvo
