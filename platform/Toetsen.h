#pragma once
// Key codes and shift states as the windows' key handlers use them (the
// virtual key codes: 13 Enter, 27 Esc, 33/34 PgUp/PgDn, 38/40 Up/Down, 45
// Insert, 18 Alt ...), made from Qt's key events in this one place.

#include <Qt>

class QKeyEvent;

namespace Toetscode {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Shift = 16;
inline constexpr int Ctrl = 17;
inline constexpr int Alt = 18;
inline constexpr int Esc = 27;
inline constexpr int Spatie = 32;
inline constexpr int PgUp = 33;
inline constexpr int PgDn = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Links = 37;
inline constexpr int Op = 38;
inline constexpr int Rechts = 39;
inline constexpr int Neer = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;
inline constexpr int NumLock = 144;
}  // namespace Toetscode

// Shift state bits: 1 Shift, 2 Ctrl, 4 Alt.
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// The key code of a Qt key; 0 for a key that has none. Keypad keys carry
// their own codes (96..111) when `keypad` is set.
int VbToetscode(int qtKey, bool keypad = false);
int VbToetscode(const QKeyEvent& e);

int VbShift(Qt::KeyboardModifiers m);

// The Qt key of a key code (the main keyboard's), Qt::Key_unknown for none.
Qt::Key QtToets(int vbToetscode);

// The character code a key press carries (Windows-1252), 0 when it carries no
// character, -1 when its character has no Windows-1252 byte.
int VbTeken(const QKeyEvent& e);

// The keys the views take from their boxes to move: Enter, Up, Down, PgUp
// and PgDn. For such a key KeyCode and Shift become 0 (the box sees nothing)
// and its code is returned; any other key is left as it is and gives 0.
int Navigatietoets(int& KeyCode, int& Shift);
