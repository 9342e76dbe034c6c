#pragma once
// What the file commands, the view switches and the quit of the view
// windows do to the data set, apart from their windows.

#include "core/AdmMain.h"

#include <string>

// The term sheet of a term (1..3): Scherm and the column window 1-8, 17-24
// or 33-40, the current column being the window's first.
void TrimesterKiezen(AdmMain& adm, int trimester);

// Makes pupil p (1..36) current and moves the 8-row window just far enough
// to hold it.
void LeerlingKiezen(AdmMain& adm, int p);

// The path a save as writes: ".vlk" added when the file name has no
// extension ("klas" and "klas." become "klas.vlk"), since the open dialog
// lists only those.
std::string MetExtensie(const std::string& pad);

// Saves under a new name: Bestandsnaam becomes pad only once the file is
// written. Raises Bestandsfout with everything as it was (the old file too).
void CijferbestandOpslaanAls(AdmMain& adm, const std::string& pad);

// The end of a quit or close: the settings file into StartMap, then back to
// the start folder, each failure skipped.
void InstellingenBewarenEnTerug(const AdmMain& adm);
