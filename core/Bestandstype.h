#pragma once
// Registration of a file type with the desktop, so that opening such a file
// from a file manager starts the program with it: a shared MIME info package
// and a desktop entry under $XDG_DATA_HOME (default ~/.local/share), and the
// entry made the user's default for the type in $XDG_CONFIG_HOME/mimeapps.list
// (default ~/.config).

#include <string>
#include <string_view>
#include <sys/types.h>

class Bestandssysteem;

// Starts the tool that builds a desktop database anew from the files the
// registration wrote. The program's own starts it when it is installed and
// leaves it running (start-up never waits for it): a thread of its own
// reaps it, stopping it after ten seconds. A test hands in one that waits.
class Vernieuwer {
public:
    virtual ~Vernieuwer() = default;
    // Runs `programma` (looked up on PATH) on the folder `map`.
    virtual void Vernieuw(const std::string& programma, const std::string& map);

protected:
    // Starts it quietly, its input and output /dev/null: its process id, or
    // -1 when it is not installed or could not be started.
    static pid_t Start(const std::string& programma, const std::string& map);
    // Waits until that process has ended, stopping it after ten seconds.
    static void Oogst(pid_t pid);
};

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
// is older than it) is refreshed through `vernieuwer`. Once the entry is in
// place it is made the default for the type in mimeapps.list under the
// configuration folder (see ZetStandaardToepassing); that file is written
// only when it changes, and left alone when it cannot be read or does not
// look like such a list. Every file is written through `systeem`, and never
// waits for a folder's lock: while another program saves in that folder the
// file is not written this time. True when the package, the entry and the
// default are all in place.
bool RegistreerBestandstype(const std::string& extensie, const std::string& opdracht, const std::string& pictogram,
                            const std::string& typeNaam, Vernieuwer& vernieuwer, Bestandssysteem& systeem);
// The same through the program's own refresh and the real calls.
bool RegistreerBestandstype(const std::string& extensie, const std::string& opdracht, const std::string& pictogram,
                            const std::string& typeNaam);

// The Exec line that opens one file with the program at `programma`: the path
// as it stands, or quoted when it holds a character that desktop entries
// reserve (blank, tab, newline, quotes, backslash, > < ~ | & ; $ * ? # ( ) `),
// then " %f". Every "%" in it is doubled. Launchers that split the line on
// blanks without reading quotes (xdg-open outside a known desktop) can start
// only the unquoted form.
std::string OpenOpdracht(const std::string& programma);

// The running program's absolute path; empty when it cannot be told.
std::string ProgrammaPad();

// The folder the registration writes under: $XDG_DATA_HOME when that is an
// absolute path, otherwise ~/.local/share; empty when there is no home.
std::string GebruikersDataMap();

// The folder of the user's desktop settings: $XDG_CONFIG_HOME when that is an
// absolute path, otherwise ~/.config; empty when there is no home.
std::string GebruikersConfigMap();

enum class Standaardregel {
    Aanwezig,    // the entry is already the type's first default: nothing to write
    Aangepast,   // the text now makes it so
    Onbruikbaar  // not a key file one can trust; the text is as it was
};

// Makes `entry` the default for `mimeType` in the text of a mimeapps.list:
// every line of that type under [Default Applications] that is not
// "<type>=<entry>", alone or followed by ";" and more, becomes
// "<type>=<entry>"; with no such line, one goes right under the first
// [Default Applications], and with no such group, the group goes at the end
// after a blank line. Every other line keeps its bytes and its line end; a new
// line ends as the text's first line does (LF when it has none), and a text
// without a final line end still has none. A text with a NUL byte, a line that
// is no group, key, comment or blank (a byte-order mark makes one), or a key
// before the first group is Onbruikbaar: GLib would not read it.
Standaardregel ZetStandaardToepassing(std::string& lijst, std::string_view mimeType, std::string_view entry);

// Registers ".vlk" as "ZRM Cijferbestand", opened by the running program.
bool RegistreerCijferbestand(Vernieuwer& vernieuwer, Bestandssysteem& systeem);
bool RegistreerCijferbestand();
