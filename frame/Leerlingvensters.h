#pragma once
// The names list's pupil windows that windows below the names list open:
// the import window behind the open dialog, and the search, delete and
// names-file windows of the views. They live above the frame (names/), so
// whoever makes a window hands them in: app/ gives every view and every open
// dialog the program's set (names/Namenvensters.h). Without a set, the
// command does nothing.

#include <optional>
#include <string>

class Dialoog;
class Venster;

struct Leerlingvensters {
    struct Import {
        std::optional<std::string> leesfout;  // the source could not be read: why
        bool gedaan = false;                  // "&Importeren" was chosen
    };
    // frmLeerlingUitVlk over ImportBestand in the import mode of DialoogModus,
    // modal over the open dialog it was chosen in.
    Import (*Importeren)(Dialoog& opener);
    // frmZoeken, frmLeerlingVerwijderen, frmNamenBestandLaden, modal over the view.
    void (*Zoeken)(Venster& opener);
    void (*Verwijderen)(Venster& opener);
    void (*Namenbestand)(Venster& opener);
};
