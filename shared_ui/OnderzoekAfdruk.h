#pragma once
// A study on A4: per observation point its table, with the heights down and
// the roads across, the outcome per road in words and the roads not
// computed; the summary; then the annex of every road computed.
#include <QString>
#include <string_view>

#include "base/Uitkomst.h"

class QPagedPaintDevice;
class QWidget;

namespace tarvo {

class Dialogen;
struct BijlageTabel;
struct OnderzoekAntwoord;

inline constexpr std::string_view kOnderzoekTitel = "Akoestisch onderzoek";

// Every page on the device as one document, turned as the annex needs it;
// `naam` names the sheet in the headings. The number of pages; 0 when the
// device cannot be opened.
int DrukOnderzoek(QPagedPaintDevice& apparaat, const OnderzoekAntwoord& antwoord, const BijlageTabel& bijlage,
                  const QString& naam);

// The pages as a PDF file, saved through SchrijfVeilig.
Uitkomst<void> SchrijfOnderzoekPdf(const QString& pad, const OnderzoekAntwoord& antwoord, const BijlageTabel& bijlage,
                                   const QString& naam);

// The print dialog, then the pages on the printer or as a PDF file, as the
// annex is printed; the save dialog proposes the sheet's name as a PDF.
void DrukOnderzoekAf(QWidget* ouder, Dialogen& dialogen, const OnderzoekAntwoord& antwoord, const BijlageTabel& bijlage,
                     const QString& naam);

}  // namespace tarvo
