#pragma once
// The numbers the generic error message shows, as the platform has always
// numbered these failures; users quote them when they report a problem.
namespace tarvo {

inline constexpr int kFoutIntern = 51;
inline constexpr int kFoutBestandsnaam = 52;       // bad file name
inline constexpr int kFoutNietGevonden = 53;       // file not found
inline constexpr int kFoutApparaat = 57;           // device I/O error
inline constexpr int kFoutVoorbijEinde = 62;       // input past end of file
inline constexpr int kFoutBestandstoegang = 75;    // path/file access error
inline constexpr int kFoutAutomatisering = 429;    // no program to open a file with
inline constexpr int kFoutPrinter = 482;           // printer error

}  // namespace tarvo
