#include "driver/BatchLezer.h"

#include <cstring>
#include <istream>

namespace tarvo {
namespace {

std::string_view ZonderCr(std::string_view regel) {
  if (!regel.empty() && regel.back() == '\r') regel.remove_suffix(1);
  return regel;
}

}  // namespace

RegelLezer::RegelLezer(std::istream& in, std::size_t stukGrootte) : in_(&in), stuk_(stukGrootte), data_(stuk_.data()) {}

// The whole text is the one piece, and after it the input ends.
RegelLezer::RegelLezer(std::string_view tekst) : data_(tekst.data()), eind_(tekst.size()), einde_(true) {}

bool RegelLezer::Vul() {
  if (einde_ || fout_) return false;
  // Straight from the buffer: a short piece is no end yet, and a failed
  // read (which the stream buffer throws) must not pass for one.
  std::streambuf* buffer = in_->rdbuf();
  if (buffer == nullptr) return false;
  std::streamsize n = 0;
  try {
    n = buffer->sgetn(stuk_.data(), static_cast<std::streamsize>(stuk_.size()));
  } catch (...) {
    fout_ = true;
    return false;
  }
  if (n <= 0) {
    einde_ = true;
    return false;
  }
  pos_ = 0;
  eind_ = static_cast<std::size_t>(n);
  return true;
}

Gelezen RegelLezer::Volgende(std::string_view& regel, bool restOverslaan) {
  lang_.clear();
  bool teLang = false;
  for (;;) {
    if (pos_ == eind_ && !Vul()) {
      if (fout_) return Gelezen::Fout;
      if (teLang) return Gelezen::TeLang;
      if (lang_.empty()) return Gelezen::Einde;
      regel = ZonderCr(lang_);
      return Gelezen::Regel;
    }
    const char* begin = data_ + pos_;
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', eind_ - pos_));
    const std::size_t lengte = lf ? static_cast<std::size_t>(lf - begin) : eind_ - pos_;
    if (!teLang && lang_.size() + lengte > kMaxRegelLengte) {
      teLang = true;
      lang_.clear();
      if (!restOverslaan) return Gelezen::TeLang;
    }
    pos_ += lengte + (lf ? 1 : 0);
    if (teLang) {
      if (lf) return Gelezen::TeLang;
    } else if (lf && lang_.empty()) {
      regel = ZonderCr({begin, lengte});
      return Gelezen::Regel;
    } else {
      lang_.append(begin, lengte);
      if (lf) {
        regel = ZonderCr(lang_);
        return Gelezen::Regel;
      }
    }
  }
}

}  // namespace tarvo
