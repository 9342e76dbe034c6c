#pragma once
// The file table of the file dialogs: the folders and the grade files (or
// names files) of one folder, each grade file with its class, subject and
// sub-subject (lines 3 to 5, read without loading the file) and every file
// with its modification time; sortable by each column.
//
// Paths and file names are native (as on disk). Display texts (row texts,
// captions) are Windows-1252 like every text of the data set.

#include <cstdint>
#include <string>
#include <vector>

enum class Bestandsoort {
    Cijferbestand,  // *.vlk, any letter case
    Namenbestand,   // *.nam, any letter case; not opened while listing
};

struct Bestandsrij {
    std::string naam;       // the file's real name, extension included
    std::string pad;        // folder and name joined
    bool gelezen = false;   // lines 3 to 5 could be read (grade files only)
    std::string klas;       // line 3 as it stands, "" when not read
    std::string vak;        // line 4
    std::string deelvak;    // line 5
    std::int64_t tijd = 0;  // last modified, seconds since the epoch
    std::string datum;      // the same as "dd-mm-yy hh:mm", local time
};

struct Bestandstabel {
    std::string map;
    std::vector<std::string> mappen;  // sub-folder names (hidden ones left out), by name
    std::vector<Bestandsrij> rijen;   // by name
};

// Lists the folder. A folder that cannot be read raises Bestandsfout; a file
// that cannot be read or has fewer than five lines is listed with blank class,
// subject and sub-subject (opening it then says why).
Bestandstabel BestandstabelVullen(const std::string& map, Bestandsoort soort);

// The sort buttons. Ties keep their current order; blank classes, subjects
// and sub-subjects (and unread files) come after the others; times oldest first.
enum class Bestandskolom { Naam, Klas, Vak, Deelvak, Gewijzigd };
void BestandstabelSorteren(std::vector<Bestandsrij>& rijen, Bestandskolom kolom);

// "dd-mm-yy hh:mm" in local time.
std::string DatumTijdTekst(std::int64_t tijd);

// Width of the name column: the longest name without its extension, at least 12.
std::size_t Naambreedte(const std::vector<Bestandsrij>& rijen);

// Row text in the fixed-pitch layout under the sort buttons: name without
// extension padded to naambreedte (never cut), then for grade files class (7),
// two blanks, subject (2), three blanks, sub-subject (2), three blanks; then
// the date and time.
std::string BestandsrijTekst(const Bestandsrij& rij, Bestandsoort soort, std::size_t naambreedte = 12);

// Last part of a folder path ("/" stays whole).
std::string Mapnaam(const std::string& map);

// " Mappen in " and the folder name; with inkorten, a caption of 34
// characters or more becomes its first 30 followed by "...".
std::string MappenKop(const std::string& map, bool inkorten);

// " Cijferbestanden in " or " Namenbestanden in " and the folder name.
std::string BestandenKop(const std::string& map, Bestandsoort soort);
