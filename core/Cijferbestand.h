#pragma once
// The grade file (.vlk): version 2 is read and written, version 1 only read.
// A load is all or nothing: on any error the data set is a new, empty one.
// Errors are raised as Bestandsfout.

#include "core/AdmMain.h"

#include <string>

class Bestandssysteem;

// Writes the whole data set through a temporary file renamed over the target
// (SchrijfBestandVeilig, through `systeem` when given); Gewijzigd := 0 only
// once that succeeded.
void CijferbestandOpslaan(AdmMain& adm, const std::string& pad);
void CijferbestandOpslaan(AdmMain& adm, const std::string& pad, Bestandssysteem& systeem);

// What a load does to the data set it read before that replaces the
// caller's: the grade processing's mending of values that do not fit their
// grades (termsheet/Cijferverwerking.h, GeladenHerstellen), which lives above
// core and is handed down by whoever loads. None: the data set as the file
// holds it, which is what the format itself is tested with.
using Laadherstel = void (*)(AdmMain&);

// Replaces the data set by a version 2 file.
void CijferbestandLaden(AdmMain& adm, const std::string& pad, Laadherstel herstel = nullptr);

// Replaces the data set by a version 1 file.
void OudCijferbestandLaden(AdmMain& adm, const std::string& pad, Laadherstel herstel = nullptr);

// Loads a current or an old file, by its version; any other file raises
// error 54. All or nothing, as the two loaders.
void CijferbestandOpenen(AdmMain& adm, const std::string& pad, Laadherstel herstel = nullptr);

// 2 for a current file, 1 for a version 1 file, 0 otherwise (also when unreadable).
int CijferbestandVersie(const std::string& pad);

// The whole data set as the bytes of a version 2 file.
std::string CijferbestandTekst(const AdmMain& adm);
