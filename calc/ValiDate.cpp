#include "calc/ValiDate.h"

#include <cctype>

#include "base/Getal.h"
#include "base/Tekst.h"
#include "calc/VeldGetal.h"

namespace tarvo {
namespace {

bool IsDatum(const std::string& s) {
  if (s.size() != 10 || s[2] != '-' || s[5] != '-') return false;
  for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u}) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
  }
  const int dag = std::stoi(s.substr(0, 2));
  const int maand = std::stoi(s.substr(3, 2));
  const int jaar = std::stoi(s.substr(6, 4));
  if (maand < 1 || maand > 12 || dag < 1 || jaar < 100) return false;
  static constexpr int kDagen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool schrikkel = (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
  const int max = kDagen[maand - 1] + (maand == 2 && schrikkel ? 1 : 0);
  return dag <= max;
}

}  // namespace

std::optional<std::string> ValiDate(TekstVak& vak, std::int32_t maximum, std::int32_t minimum,
                                    std::string_view formaat, char decimaal) {
  bool geldig = true;
  const std::string tag = vak.Tag();
  std::string s = vak.Tekst();
  if (s.empty() && tag == "NUMERIC;") s.push_back('0');

  std::string resultaat;
  if (tag == "NUMERIC;") {
    if (const auto x = GecontroleerdGetal(s, {maximum, minimum, formaat})) {
      resultaat = Formatteer(*x, formaat, decimaal);
    } else {
      geldig = false;
    }
  } else if (tag == "UCASE;") {
    resultaat = Hoofdletters(TrimBlanks(s));
  } else if (tag == "LCASE;") {
    resultaat = KleineLetters(TrimBlanks(s));
  } else if (tag == "DATE;") {
    if (IsDatum(s)) resultaat = s;
    else geldig = false;
  } else {
    resultaat = TrimBlanks(s);
  }

  if (geldig) {
    vak.ZetAchtergrond(kLichtGeel);
    vak.ZetTekst(resultaat);
    vak.ZetToolTip("");
    return resultaat;
  }
  vak.ZetAchtergrond(kRood);
  if (tag == "NUMERIC;") vak.ZetToolTip(std::string(kToolTipGetal));
  else if (tag == "DATE;") vak.ZetToolTip(std::string(kToolTipDatum));
  vak.VraagFocus();
  return std::nullopt;
}

}  // namespace tarvo
