#include "web/kern/Json.h"

#include <cmath>

#include "base/Drijvend.h"

namespace tarvo::web {

void Json::Scheiding() {
  if (!eerste_) uit_ += ',';
  eerste_ = false;
}

Json& Json::Object() {
  Scheiding();
  uit_ += '{';
  eerste_ = true;
  return *this;
}

Json& Json::EindObject() {
  uit_ += '}';
  eerste_ = false;
  return *this;
}

Json& Json::Lijst() {
  Scheiding();
  uit_ += '[';
  eerste_ = true;
  return *this;
}

Json& Json::EindLijst() {
  uit_ += ']';
  eerste_ = false;
  return *this;
}

Json& Json::Sleutel(std::string_view naam) {
  Tekst(naam);
  uit_ += ':';
  eerste_ = true;  // the value follows without a comma
  return *this;
}

Json& Json::Tekst(std::string_view tekst) {
  Scheiding();
  uit_ += '"';
  for (const char c : tekst) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      uit_ += '\\';
      uit_ += c;
    } else if (u < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      uit_ += "\\u00";
      uit_ += kHex[u >> 4];
      uit_ += kHex[u & 15];
    } else {
      uit_ += c;
    }
  }
  uit_ += '"';
  return *this;
}

Json& Json::Getal(double waarde) {
  if (!std::isfinite(waarde)) return Null();
  Scheiding();
  char tekst[32];
  uit_.append(tekst, SchrijfDrijvend(tekst, tekst + sizeof tekst, waarde).ptr);
  return *this;
}

Json& Json::Geheel(long long waarde) {
  Scheiding();
  uit_ += std::to_string(waarde);
  return *this;
}

Json& Json::Waarheid(bool waarde) {
  Scheiding();
  uit_ += waarde ? "true" : "false";
  return *this;
}

Json& Json::Null() {
  Scheiding();
  uit_ += "null";
  return *this;
}

std::optional<std::vector<std::string>> LeesTeksten(std::span<const std::uint8_t> bytes) {
  std::vector<std::string> teksten;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (bytes.size() - i < 4) return std::nullopt;
    const std::size_t n = bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16 | std::size_t{bytes[i + 3]} << 24;
    i += 4;
    if (bytes.size() - i < n) return std::nullopt;
    teksten.emplace_back(reinterpret_cast<const char*>(bytes.data() + i), n);
    i += n;
  }
  return teksten;
}

std::optional<std::vector<std::uint8_t>> UitBase64(std::string_view tekst) {
  static constexpr std::string_view kTekens = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::vector<std::uint8_t> bytes;
  std::uint32_t bits = 0;
  int aantal = 0, opvulling = 0;
  for (char c : tekst) {
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t') continue;
    if (c == '=') {
      ++opvulling;
      continue;
    }
    const std::size_t waarde = kTekens.find(c);
    if (waarde == std::string_view::npos || opvulling > 0) return std::nullopt;
    bits = bits << 6 | static_cast<std::uint32_t>(waarde);
    if (++aantal % 4 == 0) {
      for (int schuif : {16, 8, 0}) bytes.push_back(static_cast<std::uint8_t>(bits >> schuif));
      bits = 0;
    }
  }
  const int rest = aantal % 4;
  if (rest == 1 || opvulling > 2 || (opvulling > 0 && (rest + opvulling) % 4 != 0)) return std::nullopt;
  if (rest >= 2) bytes.push_back(static_cast<std::uint8_t>(bits >> (rest == 2 ? 4 : 10)));
  if (rest == 3) bytes.push_back(static_cast<std::uint8_t>(bits >> 2));
  return bytes;
}

}  // namespace tarvo::web
