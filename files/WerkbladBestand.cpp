#include "files/WerkbladBestand.h"

#include <bit>
#include <cstring>
#include <cmath>
#include <fstream>
#include <vector>

#include "base/Bestand.h"
#include "base/Foutnummers.h"
#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/Zone.h"

namespace tarvo {
namespace {

static_assert(std::endian::native == std::endian::little, "the file layout is little-endian");

// Index in a period block of each category c (lv, mv, zv, mr, bromf, tram).
constexpr std::array<int, 6> kBlokIndex = {0, 1, 2, 3, 6, 7};

class Lezer {
 public:
  explicit Lezer(std::span<const std::uint8_t> b) : bytes_(b) {}
  template <typename T>
  T Getal() {
    T v;
    std::memcpy(&v, bytes_.data() + pos_, sizeof v);
    pos_ += sizeof v;
    return v;
  }
  std::string Tekst(std::size_t n) {
    std::string s = Cp1252NaarUtf8(std::string_view(reinterpret_cast<const char*>(bytes_.data() + pos_), n));
    pos_ += n;
    return s;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

class Schrijver {
 public:
  template <typename T>
  void Getal(T v) {
    std::memcpy(out_.data() + pos_, &v, sizeof v);
    pos_ += sizeof v;
  }
  void Tekst(const std::string& utf8, std::size_t n) {
    std::string b = Utf8NaarCp1252(VastBreed(utf8, n));
    b.resize(n, ' ');
    std::memcpy(out_.data() + pos_, b.data(), n);
    pos_ += n;
  }
  std::array<std::uint8_t, kWerkbladLengte> out_{};

 private:
  std::size_t pos_ = 0;
};

constexpr std::string_view kPeriodePatroon = "#0.00";

// A field's text for a stored value. NaN shows as what it is, like an
// infinity does, so that the input check refuses it by name instead of
// taking it for 0.
std::string VeldTekst(double waarde, std::string_view patroon, char decimaal) {
  return std::isnan(waarde) ? "NaN" : Formatteer(waarde, patroon, decimaal);
}

std::string Beschadigd(std::uintmax_t lengte) {
  return "beschadigd (" + std::to_string(lengte) + " bytes in plaats van " + std::to_string(kWerkbladLengte) + ")";
}

}  // namespace

std::array<std::uint8_t, kWerkbladLengte> CodeerWerkblad(const WerkbladInhoud& in) {
  Schrijver s;
  s.Tekst(in.weg, kNaamVeldLengte);
  s.Tekst(in.waarneempunt, kNaamVeldLengte);
  for (const auto& blok : in.blok) {
    for (double v : blok) s.Getal(v);
  }
  for (double v : in.snelheid) s.Getal(v);
  s.Getal(in.rail);
  s.Getal(in.aftrek);
  for (double v : {in.kruising, in.wegdekhoogte, in.waarneemhoogte, in.objectfractie, in.bodemfactor, in.afstandHor,
                   in.zichthoek}) {
    s.Getal(v);
  }
  s.Getal(in.wegdekKeuze);
  for (const auto& t : in.toelichting) s.Tekst(t, kToelichtingLengte);
  s.Tekst(in.versie, 2);
  s.Getal(in.obstakel);
  s.Getal(in.zone);
  return s.out_;
}

Uitkomst<WerkbladInhoud> DecodeerWerkblad(std::span<const std::uint8_t> bytes) {
  // An older version wrote something else at the mark's place and nothing behind it.
  if (bytes.size() >= kVersieOffset &&
      (bytes.size() < kVersieOffset + kVersieMerk.size() ||
       std::memcmp(bytes.data() + kVersieOffset, kVersieMerk.data(), kVersieMerk.size()) != 0)) {
    return Fout{std::string(kOudeVersieMelding)};
  }
  if (bytes.size() != kWerkbladLengte) return Fout{"Het rekenblad is " + Beschadigd(bytes.size()) + ".", kFoutVoorbijEinde};
  Lezer l(bytes);
  WerkbladInhoud in;
  in.weg = l.Tekst(kNaamVeldLengte);
  in.waarneempunt = l.Tekst(kNaamVeldLengte);
  for (auto& blok : in.blok) {
    for (double& v : blok) v = l.Getal<double>();
  }
  for (double& v : in.snelheid) v = l.Getal<double>();
  in.rail = l.Getal<std::int16_t>();
  in.aftrek = l.Getal<std::int16_t>();
  for (double* v : {&in.kruising, &in.wegdekhoogte, &in.waarneemhoogte, &in.objectfractie, &in.bodemfactor,
                    &in.afstandHor, &in.zichthoek}) {
    *v = l.Getal<double>();
  }
  in.wegdekKeuze = l.Getal<std::int16_t>();
  for (auto& t : in.toelichting) t = l.Tekst(kToelichtingLengte);
  in.versie = l.Tekst(2);
  in.obstakel = l.Getal<double>();
  in.zone = l.Getal<std::int16_t>();
  return in;
}

WerkbladInhoud InhoudVan(const Werkblad& ws, int zone, int aftrek) {
  WerkbladInhoud in;
  in.weg = ws.WegNaam;
  in.waarneempunt = ws.Waarneempunt;
  for (int p = 1; p <= 3; ++p) {
    auto& blok = in.blok[static_cast<std::size_t>(p - 1)];
    for (int c = 0; c < 6; ++c) blok[static_cast<std::size_t>(kBlokIndex[c])] = ws.Intensiteit(c)[p];
    blok[4] = ws.Qtotaal[p];
    blok[5] = ws.Vrachtverkeer[p];
  }
  for (int c = 0; c < 6; ++c) in.snelheid[static_cast<std::size_t>(c)] = ws.Snelheid(c);
  in.rail = ws.RailConstructie;
  in.aftrek = static_cast<std::int16_t>(aftrek);
  in.kruising = ws.AfstandKruising;
  in.wegdekhoogte = ws.Wegdekhoogte;
  in.waarneemhoogte = ws.Waarneemhoogte;
  in.objectfractie = ws.Objectfractie;
  in.bodemfactor = ws.Bodemfactor;
  in.afstandHor = ws.AfstandHor;
  in.zichthoek = ws.Zichthoek;
  in.wegdekKeuze = ws.WegdekKeuze;
  in.toelichting = ws.Toelichting;
  in.versie = std::string(kVersieMerk);
  in.obstakel = ws.AfstandObstakel;
  in.zone = static_cast<std::int16_t>(zone);
  return in;
}

void ToonInhoud(const WerkbladInhoud& in, Werkblad& ws, WerkbladVenster& venster, const Catalogus& catalogus,
                Meldingen& meldingen) {
  const char dec = ws.Decimaal;
  ws.WegNaam = VastBreed(in.weg, kNaamVeldLengte);
  ws.Waarneempunt = VastBreed(in.waarneempunt, kNaamVeldLengte);
  for (int p = 1; p <= 3; ++p) {
    const auto& blok = in.blok[static_cast<std::size_t>(p - 1)];
    for (int c = 0; c < 6; ++c) ws.Intensiteit(c)[p] = blok[static_cast<std::size_t>(kBlokIndex[c])];
    ws.Qtotaal[p] = blok[4];
    ws.Vrachtverkeer[p] = blok[5];
  }
  for (int c = 0; c < 6; ++c) ws.Snelheid(c) = in.snelheid[static_cast<std::size_t>(c)];
  ws.RailConstructie = in.rail;
  ws.AfstandKruising = in.kruising;
  ws.Wegdekhoogte = in.wegdekhoogte;
  ws.Waarneemhoogte = in.waarneemhoogte;
  ws.Objectfractie = in.objectfractie;
  ws.Bodemfactor = in.bodemfactor;
  ws.AfstandHor = in.afstandHor;
  ws.Zichthoek = in.zichthoek;
  ws.WegdekKeuze = in.wegdekKeuze;
  for (std::size_t i = 0; i < 4; ++i) ws.Toelichting[i] = VastBreed(in.toelichting[i], kToelichtingLengte);
  ws.AfstandObstakel = in.obstakel;

  // A position outside the catalogue would make the list, the calculation
  // and the report name different road surfaces.
  if (ws.WegdekKeuze < 1 || ws.WegdekKeuze > catalogus.AantalWegdekken) {
    const std::string gevolg = catalogus.AantalWegdekken > 0 ? "; het eerste wegdek is gekozen."
                                                             : ": de wegdekkenlijst bevat geen wegdekken.";
    meldingen.Toon("Het wegdek van dit rekenblad (positie " + std::to_string(ws.WegdekKeuze) +
                       ") staat niet in de wegdekkenlijst" + gevolg,
                   std::string(kTitelWaarschuwing), Icoon::Uitroep);
    ws.WegdekKeuze = 1;
  }

  venster.Invoer(1).ZetTekst(TrimRechts(ws.WegNaam));
  venster.Invoer(0).ZetTekst(TrimRechts(ws.Waarneempunt));
  for (int p = 1; p <= 3; ++p) {
    for (int c = 0; c < 6; ++c) {
      venster.Invoer(4 * c + 1 + p).ZetTekst(VeldTekst(ws.Intensiteit(c)[p], kPeriodePatroon, dec));
    }
    venster.Invoer(25 + p).ZetTekst(VeldTekst(ws.Qtotaal[p], kPeriodePatroon, dec));
    venster.Invoer(28 + p).ZetTekst(VeldTekst(ws.Vrachtverkeer[p], kPeriodePatroon, dec));
  }
  for (int c = 0; c < 6; ++c) venster.Invoer(4 * c + 5).ZetTekst(VeldTekst(ws.Snelheid(c), "#0", dec));
  venster.Invoer(37).ZetTekst(VeldTekst(ws.AfstandKruising, "#0.00", dec));
  venster.Invoer(33).ZetTekst(VeldTekst(ws.Wegdekhoogte, "#0.00", dec));
  venster.Invoer(32).ZetTekst(VeldTekst(ws.Waarneemhoogte, "#0.00", dec));
  venster.Invoer(35).ZetTekst(VeldTekst(ws.Objectfractie, "#0.00", dec));
  venster.Invoer(34).ZetTekst(VeldTekst(ws.Bodemfactor, "#0.00", dec));
  venster.Invoer(36).ZetTekst(VeldTekst(ws.AfstandHor, "#0.00", dec));
  venster.Invoer(39).ZetTekst(VeldTekst(ws.Zichthoek, "#0", dec));
  venster.Invoer(38).ZetTekst(VeldTekst(ws.AfstandObstakel, "#0.00", dec));

  venster.Aftrek().ZetWaarde(in.aftrek > 0 ? 1 : 0);
  ZetZone(ws, venster, in.zone == 1 ? 1 : 0);

  for (int i = 0; i < 4; ++i) venster.Toel(i).ZetTekst(TrimRechts(ws.Toelichting[static_cast<std::size_t>(i)]));
  ws.WegdekLijstIndex = ws.WegdekKeuze - 1;
  venster.ToonWegdek(ws.WegdekLijstIndex);
}

Uitkomst<WerkbladInhoud> LeesWerkbladInhoud(const std::filesystem::path& pad) {
  const std::string naam = pad.string();
  if (!IsWerkbladNaam(naam)) {
    return Fout{"Bestand " + naam + " is geen rekenblad van Tarvo: de naam eindigt niet op .tvo.", kFoutBestandsnaam};
  }
  // Bounded, and only a regular file: a device or pipe could block or never end.
  const auto bytes = LeesBestand(pad, kWerkbladLengte + kLeesMarge);
  if (!bytes) return Fout{"Bestand " + naam + " kan niet worden gelezen: " + bytes.Melding() + ".", bytes.Nummer()};
  Uitkomst<WerkbladInhoud> inhoud = DecodeerWerkblad(*bytes);
  if (inhoud || inhoud.Nummer() == 0) return inhoud;
  return Fout{"Bestand " + naam + " is " + Beschadigd(bytes->size()) + ".", inhoud.Nummer()};
}

Uitkomst<void> LeesWerkbladBestand(const std::filesystem::path& pad, Werkblad& ws, WerkbladVenster& venster,
                                   const Catalogus& catalogus, Meldingen& meldingen) {
  const Uitkomst<WerkbladInhoud> inhoud = LeesWerkbladInhoud(pad);
  if (!inhoud) return inhoud.Reden();
  ToonInhoud(*inhoud, ws, venster, catalogus, meldingen);
  return {};
}

Uitkomst<void> SchrijfWerkbladBestand(const std::filesystem::path& pad, const Werkblad& ws, WerkbladVenster& venster) {
  const auto bytes = CodeerWerkblad(InhoudVan(ws, venster.Zone().Waarde(), venster.Aftrek().Waarde()));
  return SchrijfVeilig(pad, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool IsWerkbladNaam(std::string_view pad) { return pad.size() >= 3 && KleineLetters(pad.substr(pad.size() - 3)) == "tvo"; }

}  // namespace tarvo
