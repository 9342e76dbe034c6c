#include "platform/Toetsen.h"

#include "platform/Cp1252Qt.h"

#include <QKeyEvent>

#include "core/Cp1252.h"

namespace {

struct Paar {
    int qt;
    int vb;
};

// Keys whose code is not their character. Punctuation gets the codes of the
// keys of a US keyboard, so that every typing key lies outside 33..47.
constexpr Paar tabel[] = {
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},      {Qt::Key_Return, 13},    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},   {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},      {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},     {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},       {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},       {Qt::Key_Up, 38},        {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},       {Qt::Key_Select, 41},    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},    {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},       {Qt::Key_Super_L, 91},   {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},       {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

// Keypad keys other than the digits: * + - . /
constexpr Paar keypadTabel[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

// The shifted digits of a US keyboard are the digit keys.
constexpr Paar cijfertekens[] = {
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'},        {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'},   {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

}  // namespace

int VbToetscode(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 96 + (qtKey - Qt::Key_0);
        for (const Paar& p : keypadTabel)
            if (p.qt == qtKey)
                return p.vb;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    for (const Paar& p : tabel)
        if (p.qt == qtKey)
            return p.vb;
    for (const Paar& p : cijfertekens)
        if (p.qt == qtKey)
            return p.vb;
    // Any other typing key (accented letters of another layout, dead keys):
    // one of the codes of the keys beside the letters.
    if (qtKey >= 0xA0 && qtKey <= 0xFF)
        return 223;
    if (qtKey >= Qt::Key_Dead_Grave && qtKey <= Qt::Key_Dead_Longsolidusoverlay)
        return 222;
    return 0;
}

int VbToetscode(const QKeyEvent& e)
{
    const int code = VbToetscode(e.key(), e.modifiers().testFlag(Qt::KeypadModifier));
    // A key Qt names by a character beyond Latin-1 (the euro sign) is still a typing key.
    if (code == 0 && !e.text().isEmpty() && e.text()[0].isPrint())
        return 223;
    return code;
}

int VbShift(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier)
        s |= ShiftMask;
    if (m & Qt::ControlModifier)
        s |= CtrlMask;
    if (m & Qt::AltModifier)
        s |= AltMask;
    return s;
}

Qt::Key QtToets(int vb)
{
    if ((vb >= '0' && vb <= '9') || (vb >= 'A' && vb <= 'Z'))
        return static_cast<Qt::Key>(vb);
    if (vb >= 112 && vb <= 135)
        return static_cast<Qt::Key>(Qt::Key_F1 + (vb - 112));
    for (const Paar& p : tabel)
        if (p.vb == vb)
            return static_cast<Qt::Key>(p.qt);
    return Qt::Key_unknown;
}

int VbTeken(const QKeyEvent& e)
{
    // Delete carries a DEL character in Qt; it types nothing.
    if (e.key() == Qt::Key_Delete)
        return 0;
    const QString t = e.text();
    if (t.isEmpty() || t[0].isNull())
        return 0;
    if (!InCp1252(t[0]))
        return -1;
    return UnicodeNaarCp1252(t[0].unicode());
}

int Navigatietoets(int& KeyCode, int& Shift)
{
    switch (KeyCode) {
    case Toetscode::Enter:
    case Toetscode::Op:
    case Toetscode::Neer:
    case Toetscode::PgUp:
    case Toetscode::PgDn: {
        const int code = KeyCode;
        KeyCode = 0;
        Shift = 0;
        return code;
    }
    default:
        return 0;
    }
}
