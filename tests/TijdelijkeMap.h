#pragma once
// A fresh folder under the system's temporary directory, removed with
// everything in it when the test ends.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace tarvo::test {

class TijdelijkeMap {
 public:
  TijdelijkeMap() {
    std::random_device rd;
    do {
      pad_ = std::filesystem::temp_directory_path() / ("tarvo-test-" + std::to_string(rd()));
    } while (!std::filesystem::create_directory(pad_));
  }
  ~TijdelijkeMap() {
    std::error_code ec;
    std::filesystem::remove_all(pad_, ec);
  }
  TijdelijkeMap(const TijdelijkeMap&) = delete;
  TijdelijkeMap& operator=(const TijdelijkeMap&) = delete;

  const std::filesystem::path& Pad() const { return pad_; }
  std::filesystem::path operator/(const std::string& naam) const { return pad_ / naam; }

 private:
  std::filesystem::path pad_;
};

inline std::vector<std::uint8_t> LeesBytes(const std::filesystem::path& pad) {
  std::ifstream in(pad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string LeesTekst(const std::filesystem::path& pad) {
  const auto b = LeesBytes(pad);
  return {b.begin(), b.end()};
}

template <typename Bytes>
void SchrijfBytes(const std::filesystem::path& pad, const Bytes& bytes) {
  std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
  uit.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tarvo::test
