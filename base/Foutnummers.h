#pragma once
// The numbers the generic error message shows, as the platform has always
// numbered these failures; users quote them when they report a problem.
namespace tarvo {

inline constexpr int kFoutBestandsnaam = 52;     // bad file name
inline constexpr int kFoutNietGevonden = 53;     // file not found
inline constexpr int kFoutApparaat = 57;         // device I/O error
inline constexpr int kFoutSchijfVol = 61;        // disk full
inline constexpr int kFoutVoorbijEinde = 62;     // input past end of file
inline constexpr int kFoutGeenToegang = 70;      // permission denied
inline constexpr int kFoutBestandstoegang = 75;  // path/file access error
inline constexpr int kFoutPadNietGevonden = 76;  // path not found
inline constexpr int kFoutAutomatisering = 429;  // no program to open a file with
inline constexpr int kFoutPrinter = 482;         // printer error

}  // namespace tarvo
