#pragma once
// The errors the file routines raise to their callers: a code (54 for a file
// of the wrong kind, as the callers test) and a description the windows show.

#include <stdexcept>
#include <string>

enum Foutcode : int {
    FoutOverloop = 6,           // a number that does not fit its field
    FoutGeenGeheugen = 7,       // out of memory while reading
    FoutTypeOngeldig = 13,      // a number line that holds no number
    FoutBestandNietGevonden = 53,
    FoutVerkeerdBestand = 54,   // bad file mode: not a file of this kind
    FoutVoorbijEinde = 62,      // input past end of file
    FoutToegang = 75,           // path/file access error
    FoutPadNietGevonden = 76,
};

class Bestandsfout : public std::runtime_error {
public:
    Bestandsfout(int code, const std::string& omschrijving) : std::runtime_error(omschrijving), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};
