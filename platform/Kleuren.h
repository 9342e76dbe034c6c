#pragma once
// Colours as the windows are described: &HBBGGRR (blue in the high byte),
// or &H800000nn for system colour nn. The one place they become QColor.

#include <QColor>

#include <cstdint>

class QWidget;

// The colours the windows name.
namespace Kleur {
inline constexpr std::uint32_t Zwart = 0x000000;
inline constexpr std::uint32_t Rood = 0x0000FF;        // an insufficient value (255)
inline constexpr std::uint32_t Wit = 0xFFFFFF;
inline constexpr std::uint32_t Cyaan = 0xFFFF00;       // current row, column and edited box
inline constexpr std::uint32_t LichtGrijs = 0xE5E5E5;
inline constexpr std::uint32_t Groen = 0x008000;       // level 1
inline constexpr std::uint32_t Blauw = 0xFF0000;       // level 2
inline constexpr std::uint32_t Insert = 0xFFFFC0;      // "Insert" indicator, light cyan
inline constexpr std::uint32_t TypeOver = 0xC0C0FF;    // "Type over" indicator, light red
inline constexpr std::uint32_t Knopvlak = 0x8000000F;  // system: button face
inline constexpr std::uint32_t Licht3D = 0x80000016;   // system: 3D light
inline constexpr std::uint32_t Venstertekst = 0x80000008;
}  // namespace Kleur

// A system colour is taken from the application's palette at the moment of
// the call.
QColor VbKleur(std::uint32_t kleur);

// Background and text colour of any control: a text box its base and text,
// any other widget its window and window text, with the background filled.
// Nothing happens when the colour is already set.
void ZetAchtergrond(QWidget& w, std::uint32_t kleur);
void ZetVoorgrond(QWidget& w, std::uint32_t kleur);
