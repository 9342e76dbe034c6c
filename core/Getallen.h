#pragma once
// Number and text helpers: reading typed or stored numbers (and the input
// rule of every entry box), and the fixed texts of grades, averages and
// personnel numbers. Their exact output is part of the grade file and of
// every screen and print.

#include <cstddef>
#include <string>
#include <string_view>

// Leading-number parse: blanks, tabs and line feeds anywhere are skipped;
// optional sign, digits with at most one "." and an optional exponent
// ("E" or "D", upper or lower case; an "E" without digits is not read);
// stops at the first character that cannot continue the number; no number
// gives 0. The point is the decimal separator whatever the locale.
// When `gelezen` is given it receives the number of characters of `tekst`
// the parse consumed (leading and trailing blanks included), 0 when there was
// no number: a text is wholly a number when it equals the text's length.
// A number above the range of a double ("1E400") gives 0 and `gelezen` 0, as
// no number, so no infinity ever comes out; one below it ("1E-400") gives 0.
double LeidendGetal(std::string_view tekst, std::size_t* gelezen = nullptr);

// Every "," in the caller's text becomes "." (written back), then the
// leading number of the text.
double TekstNaarGetal(std::string& tekst);

// Grade text, 1 to 3 characters ("7", "6.9", "55", "0  ", "   "). The value
// is first rounded to tenths and written back into x; a non-finite x becomes
// -1 (no value) with the blank text.
std::string CijferNaarTekst(double& x);

// Average or spread text, up to 5 characters (callers fit it to 4); the empty
// text outside 0..200 and for a non-finite x. tweeDecimalen: the class statistics' mode (rounded to
// two decimals); otherwise a pupil average's plain mode (cut to four characters).
std::string GemiddeldeNaarTekst(double x, bool tweeDecimalen);

// Six digits with leading zeros, "000000" for 0, negative, above 999999 or no number.
std::string PersNrNaarTekst(std::string_view tekst);

// DOS code page 850 characters 128..165 to their Windows-1252 characters;
// every other byte unchanged, the length never changes.
std::string DosTekensOmzetten(std::string_view tekst);

// The number-to-text form of the grade file and the value tooltips: a leading
// blank for 0 or more (a minus otherwise), a point, no zero before the point,
// no trailing zeros, at most 15 significant digits, exponent form ("1E+15",
// "2.5E-05") when the exponent is 15 or more or -5 or less. A non-finite x
// gives "-1", the no-value form, so a file never holds inf or nan.
std::string GetalNaarTekst(double x);

// The same text written into `uit`; returns its length (at most 24).
std::size_t GetalNaarTekst(double x, char* uit);

// The number formatted with a digit mask ("0.#", "##", "#.##", "##.0" ...),
// rounding half away from zero on the 15-digit decimal form (6.455 with
// "#.##" gives 6.46); a point as decimal separator. "#" shows a digit or
// nothing, "0" a digit or a zero; the point stays when no decimal follows
// ("7." for 7 with "#.##"). A non-finite x gives the empty text.
std::string Formatteer(double x, std::string_view masker);

// The number-input rule of every entry box: commas become points, a text
// that is not blank must begin with a number within 0..hoogste, otherwise it
// becomes three blanks and the caller beeps.
struct Getalinvoer {
    double waarde = 0;       // the leading number (0 without one)
    bool leeg = false;       // the text is blank, also after a refusal
    bool geweigerd = false;  // refused: the text is now three blanks
    bool herhaald = false;   // a text that would be refused but only repeats the stored one
};

// Reads the caller's text by the rule above. `opgeslagen` is the stored text
// of the field: a value outside the range that is just that stored value
// committed again (a box entered and left) is not a typed change and is
// reported as `herhaald`, the text left as it is, so that the caller leaves
// the stored value alone.
Getalinvoer LeesGetalinvoer(std::string& tekst, double hoogste, std::string_view opgeslagen);

// A number the rule took (Getalinvoer::waarde) as it is stored: its grade
// text, rounded to tenths, written into `tekst`; returns the value that
// text reads as.
double Opslagwaarde(std::string& tekst, double waarde);

// True when the stored text is not blank and reads as `waarde`: storing
// that value again changes nothing.
bool HoudtWaarde(std::string_view opgeslagen, double waarde);

// The same rule on a stored text as it stands: true when an entry box would
// take it (blank, or a number within 0..hoogste at its start); `waarde` gets
// its value as OpgeslagenWaarde reads it, 0 for a blank or refused text.
bool Invoerbaar(std::string_view tekst, double hoogste, double& waarde);

// The value of a stored grade, weight or report text, as TekstNaarGetal reads it.
double OpgeslagenWaarde(std::string_view tekst);

// A mark the screens show in red: a text that is not blank and reads as 0
// up to `grens` (5.4 for grades and reports).
bool Onvoldoende(std::string_view tekst, double grens = 5.4);

// A pupil's slot number as the screens and lists show it: "05", "12".
std::string Tweecijferig(int n);
