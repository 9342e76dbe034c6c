#pragma once
// What the open dialog does behind its window: the folder it starts in, and
// "&Openen" on a chosen grade file by DialoogModus (1 open, 3 and 5 hand over
// to the pupil import). A file that fails to load leaves the data set that
// was open before.

#include "core/AdmMain.h"
#include "core/Cijferbestand.h"
#include "core/Fout.h"

#include <string>

inline constexpr const char* VerkeerdBestandsformaat = "Verkeerd bestandsformaat";

// The description a dialog shows for an error: "Verkeerd bestandsformaat"
// for a file of the wrong kind, the error's own text otherwise.
std::string Foutomschrijving(const Bestandsfout& fout);

// The message text of the file dialogs: a line feed, the description, three blanks.
std::string Dialoogmelding(const std::string& omschrijving);

// Caption by DialoogModus; "" for a mode that keeps the caption.
std::string BestandLadenTitel(int modus);

// Activation: DialoogAntwoord := 0; reads only the folder lines of the
// settings file in StartMap (the header of the open file stays as it is) and
// gives LaatsteMap, or the current folder when that cannot be read or is no
// folder any more.
std::string BestandLadenActiveren(AdmMain& adm);

enum class Openstap {
    Niets,       // no file chosen: the dialog stays open
    Klaar,       // opened (mode 1) or nothing to do: DialoogAntwoord = 1, close the dialog
    Importeren,  // ImportBestand set: show the pupil import; close when it answers 1
    Fout,        // DialoogAntwoord = 0; show Dialoogmelding(omschrijving), the dialog stays open
};

struct Openuitkomst {
    Openstap stap = Openstap::Niets;
    std::string omschrijving;
};

// "&Openen" in folder map on the file pad ("" when no row is chosen).
// LaatsteMap := map first. Mode 1 loads the file by its version into a copy
// of the data set, mends that copy with `herstel` and takes it over only when
// the load succeeded, then sets Bestandsnaam and writes the settings file in
// StartMap. Modes 3 and 5 accept only a current grade file.
Openuitkomst BestandOpenen(AdmMain& adm, const std::string& map, const std::string& pad, Laadherstel herstel);
