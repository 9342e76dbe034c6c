#pragma once
// The number-input rule of every entry box: commas become points, a text
// that is not blank must begin with a number within 0..hoogste, otherwise it
// becomes three blanks and the caller beeps.

#include <string>
#include <string_view>

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

// The value of a stored grade, weight or report text, as TekstNaarGetal reads it.
double OpgeslagenWaarde(std::string_view tekst);
