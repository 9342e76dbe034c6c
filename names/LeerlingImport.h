#pragma once
// The pupil import behind frmLeerlingUitVlk, by DialoogModus:
//   3  pupils with their personal fields, grades and reports from another grade file;
//   4  pupils from a names file: a pupil with the same pupil number is updated,
//      any other goes into a free slot;
//   5  the report grade of the term on screen, at both levels, from another
//      grade file into one grade column of that term, for the pupil of the
//      same name.
// The source is read once, when the window fills its list; the import then
// works on what the list shows, each entry tied to its own source pupil, so
// repeated names never mix pupils up. Grades are written only through
// VerwerkCijfer.

#include "core/AdmMain.h"
#include "core/Tekst.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The list entry of a pupil: a blank, the first 16 characters of the
// surname, a blank, the first 10 of the first name.
std::string Lijsttekst(std::string_view achternaam, std::string_view roepnaam);

struct Bronleerling {
    int plaats = 0;          // slot in the source grade file, or line of the names file (from 1)
    std::string lijsttekst;  // the entry shown
    Tekst<30> Achternaam;
    Tekst<13> Roepnaam;
    Tekst<36> Adres;
    Tekst<7> Postcode;
    Tekst<15> Woonplaats;
    Tekst<13> Telefoon;
    Tekst<6> LeerlingPersNr;
    Tekst<1> Geslacht;
    Tekst<6> Basisgroep;
    Tekst<15> Kenmerk;  // grade files only
    Tekst<3> Mentor;    // grade files only
    // Grade files only, in file order: Cijfer(c, l) at (c - 1) * 2 + l - 1,
    // RapportTxt and Rapport (r, l) at (r - 1) * 2 + l - 1.
    std::array<Tekst<3>, 2 * 48> Cijfer{};
    std::array<Tekst<3>, 2 * 4> RapportTxt{};
    std::array<double, 2 * 4> Rapport{};
};

struct Importbron {
    int modus = 0;
    std::string pad;
    std::string docent, klas, vak;         // header lines 8, 3 and 4 of a grade file
    std::vector<Bronleerling> leerlingen;  // the list entries, in source order
};

// Reads adm.ImportBestand for adm.DialoogModus (3, 4 or 5): a grade file must
// be a current one and complete up to its pupil blocks; its empty slots and
// blank lines of a names file are not listed. Raises Bestandsfout: 54 for a
// file of the wrong kind, the read error otherwise; std::invalid_argument for
// another mode.
Importbron ImportbronLezen(const AdmMain& adm);

struct Importuitkomst {
    int ingelezen = 0;               // pupils imported or updated
    bool onvoldoendeRuimte = false;  // stopped at a pupil that found no free slot
};

// "&Importeren": DialoogAntwoord := 1 and Gewijzigd := 1 whatever is chosen.
// gekozen holds indices into bron.leerlingen (from 0), in any order; each
// source pupil is taken once, in source order. In mode 3 and for a new pupil
// of mode 4 a pupil goes whole into the first free slot; when none is left
// the import stops there (onvoldoendeRuimte), the pupils before it stay.
// Mode 5 writes into column kolom (1..16) of term Scherm (1..3) and passes
// over a pupil without a namesake; with several of the same name, the k-th
// source pupil of that name goes to the k-th slot of that name. Throws
// std::invalid_argument, before changing anything, for an index outside the
// list or, in mode 5, a column or term out of range.
Importuitkomst LeerlingenImporteren(AdmMain& adm, const Importbron& bron, const std::vector<int>& gekozen,
                                    int kolom = 0);

inline constexpr const char* OnvoldoendeRuimteMelding =
    "Waarchuwing:\n\nOnvoldoende ruimte!\nNiet alle leerlingen zijn ingelezen!   ";

