#pragma once
// tarvo-reken run in a folder as a user's shell would run it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/TijdelijkeMap.h"
#include "tests/WerkbladMaker.h"

namespace tarvo::test {

struct Uitvoer {
  int status = -1;
  std::string uit, fout;
};

// The arguments, with redirections of their own where wanted; standard
// output goes to uit.txt unless the arguments send it elsewhere. `omgeving`:
// variables for the program, as the shell's NAME=value words.
inline Uitvoer DraaiTarvoReken(const std::filesystem::path& map, const std::string& opdracht,
                               const std::string& omgeving = {}) {
  auto lees = [&](const char* naam) {
    const auto b = LeesBytes(map / naam);
    return std::string(b.begin(), b.end());
  };
  std::filesystem::remove(map / "uit.txt");
#ifdef _WIN32
  const std::string wacht;
#else
  // A run that waits for ever is a failure, not a hanging test.
  const std::string wacht = "timeout 20 ";
#endif
  const std::string cmd = "cd \"" + map.string() + "\" && " + omgeving + " " + wacht + "\"" TARVO_REKEN_EXE "\" " +
                          opdracht + (opdracht.find('>') == std::string::npos ? " > uit.txt" : "") + " 2> fout.txt";
  const int rc = std::system(cmd.c_str());
#ifdef _WIN32
  return {rc, lees("uit.txt"), lees("fout.txt")};
#else
  return {WEXITSTATUS(rc), lees("uit.txt"), lees("fout.txt")};
#endif
}

// A folder with a one-entry catalogue in which tarvo-reken is run.
class OpdrachtregelMap : public ::testing::Test {
 protected:
  TijdelijkeMap map;
  void SetUp() override { BewaarEenWegdek(map / "Wegdekken_2012.dat"); }
  std::string Lees(const std::string& naam) const {
    const auto b = LeesBytes(map / naam);
    return {b.begin(), b.end()};
  }
  Uitvoer Draai(const std::string& args) { return DraaiTarvoReken(map.Pad(), args); }
};

}  // namespace tarvo::test
