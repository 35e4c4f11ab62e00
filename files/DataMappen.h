#pragma once
// Where the data files live: the current folder when it holds a catalogue of
// its own, else the user's own data folder, which starts as a copy of the
// shipped data. The installed data is never written.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The folder name of the program's data, under the user's data location and
// under the installation's share folder.
inline constexpr std::string_view kProgrammaMapNaam = "tarvo";
inline constexpr std::string_view kLeveringBestand = "levering.txt";

struct DataMappen {
  std::filesystem::path huidig;                // the current folder
  std::filesystem::path gebruiker;             // the user's own data folder; empty when unknown
  std::vector<std::filesystem::path> gedeeld;  // the shipped data, most likely first
};

// The user's data folder by the platform's rules, as Qt names the
// application-data location of a program called "tarvo": on Linux
// $XDG_DATA_HOME/tarvo or ~/.local/share/tarvo. Empty when the platform
// names no home.
std::filesystem::path GebruikersDataMap();

// The window program's data folder. The current folder when it holds a
// catalogue and is no shipped folder; else the user's folder, filled on first
// use with the shipped catalogue and levering.txt; the current folder when
// neither can be had, so that start-up asks where the catalogue is.
std::filesystem::path KiesDataMap(const DataMappen& mappen);

// The catalogue of the command line without --wegdekken: the first that
// exists of the current folder's, the user's and the shipped ones; the
// current folder's name when none exists, so the refusal names it.
std::filesystem::path StandaardCatalogus(const DataMappen& mappen);

// The places StandaardCatalogus looks, in its order, as lines of the help texts.
std::vector<std::string> CatalogusZoekvolgorde(const DataMappen& mappen);

}  // namespace tarvo
