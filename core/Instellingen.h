#pragma once
// The settings file KWELTA.DAT in the start folder.

#include "core/AdmMain.h"

#include <string>

inline constexpr const char* Instellingenbestand = "KWELTA.DAT";

// Reads the nine lines into School, Cursus, Docent, DocentPersNr, DocentCode,
// ReserveMap1, ReserveMap2 and LaatsteMap (line 6 is dropped). Raises
// Bestandsfout for a missing, short or broken file; the lines before the
// failure are stored then.
void InstellingenLezen(AdmMain& adm, const std::string& map);

// Reads only the folder lines (7 to 9), for the open dialog; as above on a failure.
void InstellingenMappenLezen(AdmMain& adm, const std::string& map);

class Bestandssysteem;

// Writes the nine lines (temporary file renamed over the old one, through
// `systeem` when given).
void InstellingenBewaren(const AdmMain& adm, const std::string& map);
void InstellingenBewaren(const AdmMain& adm, const std::string& map, Bestandssysteem& systeem);
