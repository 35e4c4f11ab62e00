#include "calc/Termen.h"

namespace tarvo {
namespace {

using R = Resultaten;
constexpr std::string_view kDbA = "dB(A)";

}  // namespace

// A row per term, laid out by hand.
// clang-format off
constexpr std::array<Term, kAantalTermen> kTermen = {{
    {.naam = "r", .symbool = "r", .omschrijving = "schuine afstand", .eenheid = "m",
     .enkel = [](const R& r) { return r.AfstandSchuin; }},
    {.naam = "Qtotaal", .symbool = "Qtotaal", .omschrijving = "intensiteit, alle categorieën", .eenheid = "mvt/h",
     .reeks = &R::Qtotaal},
    {.naam = "vrachtverkeer", .symbool = "p", .omschrijving = "aandeel vrachtverkeer", .eenheid = "%",
     .reeks = &R::Vrachtverkeer},
    {.naam = "Elv", .symbool = "Elv", .omschrijving = "emissie lichte mvt.", .eenheid = kDbA, .reeks = &R::Elv},
    {.naam = "Emv", .symbool = "Emv", .omschrijving = "emissie middelzware mvt.", .eenheid = kDbA, .reeks = &R::Emv},
    {.naam = "Ezv", .symbool = "Ezv", .omschrijving = "emissie zware mvt.", .eenheid = kDbA, .reeks = &R::Ezv},
    {.naam = "Emr", .symbool = "Emr", .omschrijving = "emissie motorfietsen", .eenheid = kDbA, .reeks = &R::Emr},
    {.naam = "Ebromf", .symbool = "Ebromf", .omschrijving = "emissie bromfietsen", .eenheid = kDbA,
     .reeks = &R::Ebromf},
    {.naam = "Etram", .symbool = "Etram", .omschrijving = "emissie trams", .eenheid = kDbA, .reeks = &R::Etram},
    {.naam = "ElvWeg", .symbool = "Elv,weg", .omschrijving = "emissie lichte mvt. met wegdekcorrectie", .eenheid = kDbA,
     .reeks = &R::ElvWeg},
    {.naam = "EmvWeg", .symbool = "Emv,weg", .omschrijving = "emissie middelzware mvt. met wegdekcorrectie",
     .eenheid = kDbA, .reeks = &R::EmvWeg},
    {.naam = "EzvWeg", .symbool = "Ezv,weg", .omschrijving = "emissie zware mvt. met wegdekcorrectie", .eenheid = kDbA,
     .reeks = &R::EzvWeg},
    {.naam = "E", .symbool = "E", .omschrijving = "emissiegetal", .eenheid = kDbA, .reeks = &R::EmissieGetal},
    {.naam = "EWeg", .symbool = "E,weg", .omschrijving = "emissiegetal met wegdekcorrectie", .eenheid = kDbA,
     .reeks = &R::EmissieWeg},
    {.naam = "Cwegdek", .symbool = "Cwegdek", .omschrijving = "wegdekcorrectie", .eenheid = kDbA, .reeks = &R::Cwegdek},
    {.naam = "Ckruising", .symbool = "Ckruising", .omschrijving = "optrekcorrectie kruising", .eenheid = kDbA,
     .reeks = &R::Ckruising},
    {.naam = "Cobstakel", .symbool = "Cobstakel", .omschrijving = "optrekcorrectie obstakel", .eenheid = kDbA,
     .reeks = &R::Cobstakel},
    {.naam = "Coptrek", .symbool = "Coptrek", .omschrijving = "optrekcorrectie", .eenheid = kDbA, .reeks = &R::Coptrek},
    {.naam = "Cwegdek_lv", .symbool = "Cwegdek,lv", .omschrijving = "wegdekcorrectie lichte mvt.", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.CwegdekCat[1]; }},
    {.naam = "Cwegdek_mv", .symbool = "Cwegdek,mv", .omschrijving = "wegdekcorrectie middelzware mvt.", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.CwegdekCat[2]; }},
    {.naam = "Cwegdek_zv", .symbool = "Cwegdek,zv", .omschrijving = "wegdekcorrectie zware mvt.", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.CwegdekCat[3]; }},
    {.naam = "aftrek_art35", .symbool = "aftrek art. 3.5", .omschrijving = "wegdekaftrek", .eenheid = kDbA,
     .patroon = "##0", .enkel = [](const R& r) { return r.Art35Vlag ? double(r.Art35Aftrek) : 0.0; }},
    {.naam = "Crefl", .symbool = "Crefl", .omschrijving = "reflectieterm", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.Crefl; }},
    {.naam = "Dafstand", .symbool = "Dafstand", .omschrijving = "dempingsterm afstand", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.Dafstand; }},
    {.naam = "Dlucht", .symbool = "Dlucht", .omschrijving = "dempingsterm lucht", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.Dlucht; }},
    {.naam = "Dbodem", .symbool = "Dbodem", .omschrijving = "dempingsterm bodem", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.Dbodem; }},
    {.naam = "Dmeteo", .symbool = "Dmeteo", .omschrijving = "dempingsterm meteo", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.Dmeteo; }},
    {.naam = "Czichthoek", .symbool = "Czichthoek", .omschrijving = "zichthoekcorrectie", .eenheid = kDbA,
     .enkel = [](const R& r) { return r.Czichthoek; }},
    {.naam = "LAeq", .symbool = "LAeq", .omschrijving = "periodeniveau", .eenheid = kDbA, .reeks = &R::LAeq},
    {.naam = "LAeq_etm", .symbool = "LAeq,etm", .omschrijving = "periodeniveau met etmaalcorrectie", .eenheid = kDbA,
     .reeks = &R::LAeqEtm},
    {.naam = "Letmaal", .symbool = "Letmaal", .omschrijving = "etmaalwaarde, zonder aftrek art. 110g Wgh",
     .eenheid = kDbA, .enkel = [](const R& r) { return r.Letmaal; }},
    {.naam = "Lden", .symbool = "Lden", .omschrijving = "dag-avond-nachtwaarde, zonder aftrek art. 110g Wgh",
     .eenheid = "dB", .enkel = [](const R& r) { return r.Lden; }},
    {.naam = "Lnight", .symbool = "Lnight", .omschrijving = "nachtwaarde, zonder aftrek art. 110g Wgh", .eenheid = "dB",
     .enkel = [](const R& r) { return r.Lnight; }},
    {.naam = "aftrek110g", .symbool = "aftrek art. 110g", .omschrijving = "aftrek ex art. 110g Wgh", .eenheid = "dB",
     .patroon = "##0", .enkel = [](const R& r) { return double(r.Aftrek110g); }},
}};
// clang-format on

}  // namespace tarvo
