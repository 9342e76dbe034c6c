#pragma once
// The choice of one grade column in the column windows (copy, swap, clear,
// print, convert, norm): a term, a level and a column within the term. The
// rules of the choice apart from any window; columntools/Kolomkiezer.h is the
// control that shows them.

#include "core/AdmMain.h"

#include <string>

struct Kolomkeuze {
    int trimester = 1;  // 1..3
    int niveau = 1;     // 1..2
    int kolom = 1;      // 1..16, within the term

    int Absoluut() const { return AbsoluteKolom(trimester, kolom); }

    friend bool operator==(const Kolomkeuze&, const Kolomkeuze&) = default;
};

// What a column window opens on: the term on screen (Scherm), the current
// level and the current column within that term. A display state outside
// its limits gives term 1, level 1 or column 1 in its place.
Kolomkeuze BeginKolomkeuze(const AdmMain& adm);

// Committing a typed column number: read with TekstNaarGetal (a comma is a
// point, blank or no number is 0); a value from 1 to 16 becomes the column,
// rounded to a whole number with halves to the even one (2.5 gives 2);
// anything else is refused and the column stays `vorige`.
struct Kolomvastlegging {
    int kolom;
    bool geweigerd;
};
Kolomvastlegging KolomVastleggen(std::string tekst, int vorige);

// The column number as the box shows it: digits, no blanks.
std::string KolomTekst(int kolom);
