#pragma once
// The lines of a batch input, read in large pieces: a line is handed out as
// a view into the buffer, so a row is copied once at most.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

inline constexpr std::size_t kMaxRegelLengte = 1 << 20;  // bytes

enum class Gelezen { Regel, TeLang, Einde, Fout };

class RegelLezer {
 public:
  explicit RegelLezer(std::istream& in, std::size_t stukGrootte = 1 << 18);
  // The lines of a text in memory, read where it lies. Without a stream,
  // a program that reads only such texts (the page) carries no iostreams.
  explicit RegelLezer(std::string_view tekst);

  // The next line without its line break (a CR before the LF included),
  // valid until the next call. Of a line longer than kMaxRegelLengte
  // nothing is kept: the rest is skipped to the line's end when
  // `restOverslaan`, else left unread (so that a header is refused at once,
  // even on an input that never ends).
  Gelezen Volgende(std::string_view& regel, bool restOverslaan);

 private:
  bool Vul();  // false at the end of the input or on a read error

  std::istream* in_ = nullptr;
  std::vector<char> stuk_;
  const char* data_ = nullptr;  // the piece: stuk_, or the text in memory
  std::size_t pos_ = 0, eind_ = 0;
  std::string lang_;  // a line that runs over the end of a piece
  bool einde_ = false, fout_ = false;
};

}  // namespace tarvo
