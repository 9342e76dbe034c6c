#pragma once
// A column of surnames or first names copied from a spreadsheet, pasted one
// line per pupil from the current pupil on.

#include "core/AdmMain.h"

#include <string_view>

enum class Namenkolom { Achternamen = 1, Voornamen = 2 };

// Stores the lines of `tekst` (split as the term sheet's paste splits them:
// at CR LF, LF or CR) into the surnames or first names of slots vanaf,
// vanaf + 1 ... up to slot 36, each cut or padded to its width, a control
// character in it (a tab between cells) made a blank; lines beyond
// slot 36 are dropped, an empty line blanks its slot's name, nothing else
// changes. Gewijzigd is the caller's.
void KolomPlakken(AdmMain& adm, Namenkolom soort, std::string_view tekst, int vanaf);
