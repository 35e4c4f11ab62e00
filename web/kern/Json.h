#pragma once
// The page's side of the entry layer: answers as JSON text, questions as a
// list of texts (each a 32-bit little-endian length and its UTF-8 bytes),
// which needs no parser and carries any byte.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tarvo::web {

class Json {
 public:
  Json& Object();
  Json& EindObject();
  Json& Lijst();
  Json& EindLijst();
  // The key of the next value in an object.
  Json& Sleutel(std::string_view naam);
  Json& Tekst(std::string_view tekst);
  Json& Getal(double waarde);  // the shortest text that reads back the same; a value that is no finite number as null
  Json& Geheel(long long waarde);
  Json& Waarheid(bool waarde);
  Json& Null();
  // A key and its value in one.
  template <typename T>
  Json& Veld(std::string_view naam, const T& waarde);

  const std::string& Inhoud() const { return uit_; }

 private:
  void Scheiding();
  std::string uit_;
  bool eerste_ = true;
};

template <typename T>
Json& Json::Veld(std::string_view naam, const T& waarde) {
  Sleutel(naam);
  if constexpr (std::is_same_v<T, bool>)
    return Waarheid(waarde);
  else if constexpr (std::is_integral_v<T>)
    return Geheel(waarde);
  else if constexpr (std::is_floating_point_v<T>)
    return Getal(waarde);
  else
    return Tekst(waarde);
}

// The texts of a question; nothing when the bytes are not such a list.
std::optional<std::vector<std::string>> LeesTeksten(std::span<const std::uint8_t> bytes);

// The bytes a base64 text stands for (blanks and line ends left out, '='
// only at the end); nothing when it stands for none.
std::optional<std::vector<std::uint8_t>> UitBase64(std::string_view tekst);

}  // namespace tarvo::web
