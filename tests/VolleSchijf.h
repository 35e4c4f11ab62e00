#pragma once
// An output stream buffer whose device fails once `ruimte` bytes are taken,
// as a full disk does.
#include <cerrno>
#include <cstddef>
#include <streambuf>

namespace tarvo::test {

class VolleSchijf : public std::streambuf {
 public:
  explicit VolleSchijf(std::size_t ruimte) : ruimte_(ruimte) {}

 protected:
  int_type overflow(int_type c) override {
    if (ruimte_ == 0) {
      errno = ENOSPC;
      return traits_type::eof();
    }
    --ruimte_;
    return traits_type::not_eof(c);
  }

 private:
  std::size_t ruimte_;
};

}  // namespace tarvo::test
