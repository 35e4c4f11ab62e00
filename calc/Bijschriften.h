#pragma once
// The captions of the worksheet's controls beside its fields (which have
// theirs in the field table): the window and the page show these.
#include <array>
#include <string_view>

namespace tarvo {

inline constexpr std::string_view kBijschriftWegdek = "wegdek";
inline constexpr std::string_view kBijschriftZone = "30 km-zone";
inline constexpr std::string_view kBijschriftAftrek = "Inclusief aftrek ex artikel 110g Wgh";
inline constexpr std::string_view kBijschriftRail = "Railconstructie tram...";
inline constexpr std::string_view kBijschriftToelichting = "Toelichting";
inline constexpr std::string_view kBijschriftBerekenen = "Berekening uitvoeren";
inline constexpr std::string_view kBijschriftResultaten = "berekeningsresultaten";
inline constexpr std::array<std::string_view, 3> kNiveauNamen = {"Letmaal:", "Lden:", "Lnight:"};
inline constexpr std::string_view kBijschriftDosisEffect = "dosis-effect relatie";

}  // namespace tarvo
