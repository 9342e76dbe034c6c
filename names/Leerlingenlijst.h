#pragma once
// The pupil pick lists of the delete and search windows, and what choosing
// from them does. A chosen entry is matched back to its slot by its place in
// the list, so pupils whose entries read alike stay apart.

#include "core/AdmMain.h"

#include <string>
#include <string_view>
#include <vector>

struct Lijstregel {
    int slot;
    std::string tekst;
};

// How many characters of the first name each list shows.
inline constexpr int RoepnaamVerwijderen = 10;
inline constexpr int RoepnaamZoeken = 11;

// One entry per slot that holds a pupil, in slot order: a blank, the first
// 16 characters of the surname, a blank and the first `roepnaam` characters
// of the first name.
std::vector<Lijstregel> Leerlingenlijst(const AdmMain& adm, int roepnaam);

// The entry a typed search text selects: the first whose text from its
// second character on begins with the search text (trailing blanks dropped,
// case ignored); -1 for an empty search text or when none matches.
int ZoekInLijst(const std::vector<Lijstregel>& lijst, std::string_view zoektekst);

// Empties slot p: names and personal fields, every grade of both levels
// through the grade processing, and the slot's report grades (typed ones
// would otherwise stay behind), with the report statistics brought up to date.
// The other slots keep their place.
void LeerlingVerwijderen(AdmMain& adm, int p);
