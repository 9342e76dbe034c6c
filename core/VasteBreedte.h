#pragma once
// The editing rules of the fixed-width entry boxes, apart from any window.
// The boxes edit texts of one byte a character, so positions and widths
// count characters. Type-over is emulated by selecting the character after
// the caret before a typed character replaces the selection; a key typed at
// the field width is refused with a beep; releasing a key fits the text to
// the width.

#include <string>

// What the box holds: its text, the caret (start of the selection) and the
// length of the selection to the right of it.
struct Invoertoestand {
    std::string tekst;
    int selStart = 0;
    int selLengte = 0;
};

// When type-over selects the character after the caret.
enum class Overschrijven {
    Nooit,
    BijToetsNeer,  // at key down, for a typing key (not 1..31, 33..47 or 144)
    BijTeken,      // at key press, for any character but Enter and Backspace
};

// How a typed character meets the field width.
enum class Typegrens {
    Geen,
    OpBreedte,     // refused with the caret exactly at the width
    VanafBreedte,  // refused with the caret at or past the width; the text is cut to the width
};

// What releasing a key does to a text whose length is not the width.
enum class Loslaten {
    Niets,
    Opvullen,  // padded with blanks or cut to the width
    Afkappen,  // cut to the width; a shorter text stays
};

struct Invoerregels {
    int breedte = 0;
    Typegrens grens = Typegrens::OpBreedte;
    Loslaten loslaten = Loslaten::Opvullen;
    Overschrijven overschrijven = Overschrijven::BijToetsNeer;
    bool grensOokBackspace = false;  // Backspace is refused at the limit as well
    bool weigerAlsVol = false;       // every character is refused once the text, trailing blanks aside, has the width
};

// The rules of the three key steps. insertModus: 1 insert, 0 type-over.
void InvoerToetsNeer(const Invoerregels& regels, Invoertoestand& t, int keyCode, int insertModus);

// keyAscii is the character's Windows-1252 code; true when the character is
// refused (keyAscii then 0): the caller beeps.
bool InvoerTeken(const Invoerregels& regels, Invoertoestand& t, int& keyAscii, int insertModus);

void InvoerToetsOp(const Invoerregels& regels, Invoertoestand& t);
