#pragma once
// The rules of the year card apart from its window: the colour of a value
// and the seven pupil fields the card edits.

#include "core/AdmMain.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Colours of the card's values, &HBBGGRR.
inline constexpr std::uint32_t KaartRood = 0x0000FF;
inline constexpr std::uint32_t KaartDonkergroen = 0x004000;
inline constexpr std::uint32_t KaartZwart = 0x000000;

// Up to which value a grade or report, and an average, is insufficient.
inline constexpr double GrensCijfer = 5.4;
inline constexpr double GrensGemiddelde = 5.49;

// The colour of a stored text: red when it reads as 0 up to the limit,
// black when it is blank, dark green for every other value.
std::uint32_t Kaartkleur(std::string_view tekst, double grens);

// The seven pupil fields, in the order the card moves through them.
enum Leerlingveld : int {
    VeldAchternaam,
    VeldRoepnaam,
    VeldAdres,
    VeldPostcode,
    VeldWoonplaats,
    VeldTelefoon,
    VeldMentor,
};
inline constexpr int AantalLeerlingvelden = 7;

struct Veldregel {
    const char* box;         // the box's name: "txtAchternaam" ...
    std::size_t opslag;      // width of the stored field
    std::size_t bewerk;      // the longest text the box takes while typing
    Leerlingveld volgende;   // Enter and Down
    Leerlingveld vorige;     // Up
};
extern const std::array<Veldregel, AantalLeerlingvelden> Veldregels;

// The stored field of pupil p (blank-padded to its width).
std::string_view Veldtekst(const AdmMain& adm, Leerlingveld v, int p);

// Stores a text into the field of pupil p, padded or cut to the stored
// width; true (and Gewijzigd := 1) when the stored field really changed.
bool ZetVeldtekst(AdmMain& adm, Leerlingveld v, int p, std::string_view tekst);

// The seven fields of every pupil in one text: equal texts, equal fields.
std::string Kaartgegevens(const AdmMain& adm);

// What a key release leaves in a box: when the text still stands for what
// the field holds (trailing blanks aside), nothing (no cut, nothing stored),
// so a value entered at full width elsewhere survives moving through the
// card; otherwise the text cut to the edit width (a shorter one stays).
std::optional<std::string> NaToetsLos(std::string_view tekst, std::string_view opgeslagen, const Veldregel& r);
