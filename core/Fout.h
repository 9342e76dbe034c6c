#pragma once
// The errors the file routines raise to their callers: a code (54 for a file
// of the wrong kind, as the callers test) and a description the windows show.
//
// Every description the program gives is Dutch, whatever the machine's
// language: its own run-time errors from its own table (Fouttekst), the
// system's errors from a table of those a file operation can meet
// (Systeemfouttekst). The texts are plain ASCII, so they read the same
// whether a window takes them as Windows-1252 or as UTF-8.

#include <exception>
#include <stdexcept>
#include <string>

enum Foutcode : int {
    FoutOngeldigArgument = 5,   // invalid procedure call or argument
    FoutOverloop = 6,           // a number that does not fit its field
    FoutGeenGeheugen = 7,       // out of memory while reading
    FoutBuitenBereik = 9,       // subscript out of range
    FoutDelingDoorNul = 11,
    FoutTypeOngeldig = 13,      // a number line that holds no number
    FoutBestandNietGevonden = 53,
    FoutVerkeerdBestand = 54,   // bad file mode: not a file of this kind
    FoutVoorbijEinde = 62,      // input past end of file
    FoutMapBezet = 70,          // another program's save holds the folder's lock
    FoutRechten = 71,           // a save would change who may read or write the file
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

// The description of one of the program's run-time errors; a code outside
// the table gets the general one.
const char* Fouttekst(int code);

// The description of a system error (an errno value); one the table lacks
// gets the system's own text.
std::string Systeemfouttekst(int fout);

// The error `code` for the file `pad`: its description, ": " and the path.
Bestandsfout Foutbij(int code, const std::string& pad);

// An index outside its range (error 9), saying which: "niveau 3".
std::out_of_range Bereikfout(const std::string& wat);

// What a message shows for an error that ended a command: its description;
// running out of memory by its Dutch text.
std::string Uitzonderingstekst(const std::exception& fout);
