#pragma once
// What the file commands and the quit of the view windows do to the data
// set, apart from their windows (the view switches move the display window,
// core/Schermvenster.h).

#include "core/AdmMain.h"

#include <string>

// The path a save as writes: ".vlk" added when the file name has no
// extension ("klas" and "klas." become "klas.vlk"), since the open dialog
// lists only those.
std::string MetExtensie(const std::string& pad);

class Bestandssysteem;

// Saves under a new name: Bestandsnaam becomes pad only once the file is
// written. Raises Bestandsfout with everything as it was (the old file too).
void CijferbestandOpslaanAls(AdmMain& adm, const std::string& pad, Bestandssysteem& systeem);

// The end of a quit or close: the settings file into StartMap, then back to
// the start folder, each failure skipped.
void InstellingenBewarenEnTerug(const AdmMain& adm, Bestandssysteem& systeem);
