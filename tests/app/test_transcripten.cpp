// tarvo-reken run as a user's shell runs it, against committed transcripts
// (tests/app/verwacht/NAAM.txt): per command "$ tarvo-reken ARGS" (a shell
// prefix before the program's name is allowed), "[afsluitcode N]", standard
// output, "[standaardfout]", standard error, and "[bestanden]" with the
// files the command made (+), changed (~) or removed (-), "=OTHER" when the
// bytes are OTHER's. Wrong usage shows only its first line, once the usage
// text was seen below it; the folder shows as MAP, and the help's places
// outside it are left out. The folder is made from tests/app/invoer/NAAM.tsv:
//   NAAM rekenblad|ruw BESCHRIJVING   a worksheet by maak_voorbeeld [--ruw]
//   NAAM catalogus TABEL              a catalogue by maak_catalogus
//   NAAM tekst TEKST                  the text, with the escapes of case tables
//   NAAM kopie|bron PAD [N]           a file made before, or of the source tree; its first N bytes
//   NAAM map|pijp|koppeling DOEL|hardekoppeling DOEL
// TARVO_VERWACHT_SCHRIJVEN=1 writes the transcripts anew.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <map>

#include "data/Bronnen.h"
#include "files/CatalogusBestand.h"
#include "tests/Gevallen.h"
#include "tests/TijdelijkeMap.h"

using namespace tarvo;
namespace fs = std::filesystem;

namespace {

const fs::path kApp = test::kBron / "tests/app";

void Maak(const fs::path& map, const std::vector<std::string>& regel) {
  const fs::path pad = map / regel.at(0);
  const std::string& soort = regel.at(1);
  fs::create_directories(pad.parent_path());
  const fs::path bron = kApp / "invoer" / (regel.size() > 2 ? regel[2] : "");
  std::ifstream in(bron);
  if (soort == "rekenblad" || soort == "ruw") {
    const auto w = soort == "ruw" ? RuwWerkbladUitBeschrijving(in) : WerkbladUitBeschrijving(in);
    ASSERT_TRUE(w) << regel[2] << ": " << w.Melding();
    test::SchrijfBytes(pad, *w);
  } else if (soort == "catalogus") {
    const auto c = CatalogusUitTabel(in);
    ASSERT_TRUE(c) << regel[2] << ": " << c.Melding();
    test::SchrijfBytes(pad, CodeerCatalogus(*c));
  } else if (soort == "tekst") {
    test::SchrijfBytes(pad, test::Ontsnapt(regel.at(2)));
  } else if (soort == "kopie" || soort == "bron") {
    std::string b = test::LeesTekst(soort == "kopie" ? map / regel[2] : test::kBron / regel[2]);
    if (regel.size() > 3) b.resize(std::stoul(regel[3]));
    test::SchrijfBytes(pad, b);
  } else if (soort == "map") {
    fs::create_directory(pad);
  } else if (soort == "pijp") {
    ASSERT_EQ(::mkfifo(pad.c_str(), 0600), 0);
  } else if (soort == "koppeling") {
    fs::create_symlink(regel.at(2), pad);
  } else {
    ASSERT_EQ(soort, "hardekoppeling");
    fs::create_hard_link(map / regel.at(2), pad);
  }
}

// The regular files under the folder, not through links.
std::map<std::string, std::string> Inhoud(const fs::path& map) {
  std::map<std::string, std::string> inhoud;
  for (const auto& f : fs::recursive_directory_iterator(map)) {
    if (fs::is_regular_file(f.symlink_status()))
      inhoud[fs::relative(f.path(), map).string()] = test::LeesTekst(f.path());
  }
  return inhoud;
}

std::string Bestanden(const std::map<std::string, std::string>& voor, const std::map<std::string, std::string>& na) {
  std::string t;
  for (const auto& [naam, bytes] : na) {
    const auto oud = voor.find(naam);
    if (oud != voor.end() && oud->second == bytes) continue;
    t += (oud == voor.end() ? " +" : " ~") + naam;
    for (const auto& [ander, zijn] : na) {
      if (ander != naam && zijn == bytes) t += "=" + ander;
    }
  }
  for (const auto& [naam, bytes] : voor) t += na.count(naam) ? "" : " -" + naam;
  return t.empty() ? "" : "[bestanden]" + t + "\n";
}

std::string Vervang(std::string t, const std::string& wat, const std::string& door) {
  for (auto p = t.find(wat); p != std::string::npos; p = t.find(wat, p + door.size())) t.replace(p, wat.size(), door);
  return t;
}

std::string Draai(const fs::path& map, const fs::path& opvang, const std::string& opdracht) {
  const auto naam = opdracht.find("tarvo-reken");
  const std::string args = opdracht.substr(naam + 11);
  // A run that waits for ever is a failure, not a hanging test.
  const std::string cmd = "cd \"" + map.string() + "\" && export HOME=\"" + (map / ".thuis").string() +
                          "\" LC_ALL=C && unset XDG_DATA_HOME && " + opdracht.substr(0, naam) +
                          " timeout 20 \"" TARVO_REKEN_EXE "\"" + args +
                          (args.find('>') == std::string::npos ? " > \"" + (opvang / "uit").string() + "\"" : "") +
                          " 2> \"" + (opvang / "fout").string() + "\"";
  fs::remove(opvang / "uit");
  const auto voor = Inhoud(map);
  const int status = WEXITSTATUS(std::system(cmd.c_str()));
  std::string uit = Vervang(test::LeesTekst(opvang / "uit"), map.string(), "MAP"),
              fout = Vervang(test::LeesTekst(opvang / "fout"), map.string(), "MAP");
  if (status == 2 && fout.find("\nGebruik:\n") == fout.find('\n')) fout.resize(fout.find('\n') + 1);
  for (auto p = uit.find("\n                        /"); p != std::string::npos;
       p = uit.find("\n                        /", p))
    uit.erase(p, uit.find('\n', p + 1) - p);
  return "$ " + opdracht + "\n[afsluitcode " + std::to_string(status) + "]\n" + uit + "[standaardfout]\n" + fout +
         Bestanden(voor, Inhoud(map));
}

class Transcript : public ::testing::TestWithParam<std::string> {};

std::vector<std::string> Namen() {
  std::vector<std::string> namen;
  for (const auto& f : fs::directory_iterator(kApp / "verwacht")) {
    if (f.path().extension() == ".txt") namen.push_back(f.path().stem().string());
  }
  std::sort(namen.begin(), namen.end());
  return namen;
}

}  // namespace

TEST_P(Transcript, ZoalsVastgelegd) {
  test::TijdelijkeMap map, opvang;
  std::ifstream manifest(kApp / "invoer" / (GetParam() + ".tsv"));
  for (std::string regel; std::getline(manifest, regel);) {
    if (regel.empty() || regel[0] == '#') continue;
    std::vector<std::string> delen;
    for (std::size_t b = 0, e = 0; e != std::string::npos; b = e + 1)
      delen.push_back(regel.substr(b, (e = regel.find('\t', b)) - b));
    Maak(map.Pad(), delen);
  }
  const fs::path pad = kApp / "verwacht" / (GetParam() + ".txt");
  const std::string vast = test::LeesTekst(pad);
  std::string transcript;
  for (std::size_t p = 0; (p = vast.find("$ ", p)) != std::string::npos; p = vast.find('\n', p)) {
    if (p == 0 || vast[p - 1] == '\n')
      transcript += Draai(map.Pad(), opvang.Pad(), vast.substr(p + 2, vast.find('\n', p) - p - 2));
  }
  if (test::VerwachtSchrijven()) test::SchrijfBytes(pad, transcript);
  EXPECT_EQ(transcript, vast);
}
INSTANTIATE_TEST_SUITE_P(Tarvo, Transcript, ::testing::ValuesIn(Namen()), [](const auto& info) { return info.param; });
