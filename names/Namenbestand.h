#pragma once
// Names files (.NAM) of an outside school-administration program: one pupil
// a line, fixed columns, a separator column after each field. Read only.

#include "core/AdmMain.h"
#include "core/Tekst.h"

#include <string>
#include <string_view>
#include <vector>

// One line, each field fitted to its data-set field; columns beyond the end
// of a short line give blanks. A control byte reads as a blank; otherwise
// texts are taken as they stand.
struct Namenregel {
    Tekst<30> Achternaam;     // columns 1-30
    Tekst<13> Roepnaam;       // 32-44
    Tekst<6> LeerlingPersNr;  // 46-51, also the key of an existing pupil
    Tekst<1> Geslacht;        // 53
    Tekst<36> Adres;          // 55-90
    Tekst<15> Woonplaats;     // 92-106
    Tekst<7> Postcode;        // 108-114
    Tekst<13> Telefoon;       // 116-128
    Tekst<6> Basisgroep;      // 130-135
};

Namenregel NamenregelLezen(std::string_view regel);

// True when the line has "," in columns 31, 45 and 52.
bool IsNamenregel(std::string_view regel);

// Raises Bestandsfout 54 unless the file's first line is a names-file line.
void NamenbestandControleren(const std::string& pad);

// Every line of a names file, the last included. Raises Bestandsfout 54 when
// the first line fails the check, or the file's read error.
std::vector<Namenregel> NamenbestandLezen(const std::string& pad);

// "&Openen" in the names-file dialog, on the file pad in folder map ("" when
// no row is chosen: only LaatsteMap is set, false). Checks the file and, when
// it is a names file, sets ImportBestand and DialoogModus := 4 and gives true:
// the caller then shows the pupil import. A file of another kind raises
// Bestandsfout 54, with ImportBestand and DialoogModus as they were.
bool NamenbestandKiezen(AdmMain& adm, const std::string& map, const std::string& pad);

// Activation of the names-file dialog: DialoogAntwoord := 0; the folder to
// show: LaatsteMap, or the current folder when that is no folder any more.
std::string NamenBestandLadenActiveren(AdmMain& adm);
