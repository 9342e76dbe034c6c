#pragma once
// Registration of a file type with the desktop, so that opening such a file
// from a file manager starts the program with it: a shared MIME info package
// and a desktop entry under $XDG_DATA_HOME (default ~/.local/share).

#include <string>

// Trims blanks from both ends of the extension and the type name. An
// extension that does not then begin with "." registers nothing and gives
// false. Otherwise writes, replacing earlier ones:
//  - mime/packages/<name>.xml: the type application/x-<name>, the type name as
//    its comment, `pictogram` as its icon, and the glob "*<extension>" matched
//    in any case;
//  - applications/<name>.desktop: opens that type with `opdracht` (an Exec
//    line, see OpenOpdracht);
// where <name> is the type name in lower case with every run of other
// characters than letters and digits made one "-". A file that already holds
// those bytes is left as it is. A database whose source was written (or that
// is older than it) is refreshed by its tool when that is installed, without
// waiting for it. False when the MIME package could not be written, otherwise
// whether the desktop entry was.
bool RegistreerBestandstype(const std::string& extensie, const std::string& opdracht, const std::string& pictogram,
                            const std::string& typeNaam);

// Waits until every refresh tool started so far has finished (or has been
// stopped after its ten seconds). Start-up never calls it.
void VernieuwingenAfwachten();

// The Exec line that opens one file with the program at `programma`: the path
// quoted as desktop entries require, then " %f".
std::string OpenOpdracht(const std::string& programma);

// The running program's absolute path; empty when it cannot be told.
std::string ProgrammaPad();

// The folder the registration writes under: $XDG_DATA_HOME when that is an
// absolute path, otherwise ~/.local/share; empty when there is no home.
std::string GebruikersDataMap();

// Registers ".vlk" as "ZRM Cijferbestand", opened by the running program.
bool RegistreerCijferbestand();
