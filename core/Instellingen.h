#pragma once
// The settings file KWELTA.DAT in the start folder.

#include "core/AdmMain.h"
#include "core/Bestand.h"

#include <string>

inline constexpr const char* Instellingenbestand = "KWELTA.DAT";

// Reads the nine lines into School, Cursus, Docent, DocentPersNr, DocentCode,
// ReserveMap1, ReserveMap2 and LaatsteMap (line 6 is dropped). Raises
// Bestandsfout for a missing, short or broken file; the lines before the
// failure are stored then.
void InstellingenLezen(AdmMain& adm, const std::string& map);

// Reads only the folder lines (7 to 9), for the open dialog; as above on a failure.
void InstellingenMappenLezen(AdmMain& adm, const std::string& map);

// Writes the nine lines (temporary file renamed over the old one, through
// `systeem` when given, waiting for the folder's lock at most `maxWacht`
// microseconds).
void InstellingenBewaren(const AdmMain& adm, const std::string& map);
void InstellingenBewaren(const AdmMain& adm, const std::string& map, Bestandssysteem& systeem,
                         useconds_t maxWacht = MaxSlotwachttijd);

// The same where a failure is let go (at start-up, after opening a file):
// never waits for a lock, so that no window is held back by another program
// saving in that folder; false when the file could not be written.
bool InstellingenBewarenAlsHetKan(const AdmMain& adm, const std::string& map);
