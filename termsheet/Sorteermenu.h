#pragma once
// The sort orders of the term sheet's "&Sorteren" menu: one key per slot,
// sorted by core/Sorteren.h and applied to every per-pupil field.

#include "core/AdmMain.h"
#include "core/Sorteren.h"

#include <string>
#include <vector>

enum class Sorteersoort {
    Achternaam,           // surname (accents folded), then first name
    Basisgroep,           // base group, then the surname key
    Kenmerk,              // characteristic, then the surname key
    Mentor,               // mentor code, then the surname key
    Trimestergemiddelde,  // term average of the term and level, highest first
    Jaargemiddelde,       // the year column of the level (reports/Jaarkolom.h), highest first
};

// The text key of every slot (index 1..36, element 0 unused) for the four
// text orders: the base group, characteristic or mentor code, then the
// surname with its accents folded and the first name. The names list folds
// the first name too in its surname order (roepnaamVouwen).
std::vector<std::string> Sorteersleutels(const AdmMain& adm, Sorteersoort soort, bool roepnaamVouwen = false);

// The order of the 36 slots (the term is read only by the term-average
// order; by year value every slot counts 0 when the stored calculation
// method chooses no year column) (position -> slot before the sort). Keys that
// begin with ".", a blank or "*" go last, so empty slots and marked pupils
// end up after the others, and so does every pupil whose base group,
// characteristic or mentor is blank in those orders.
Volgorde Sorteervolgorde(const AdmMain& adm, Sorteersoort soort, int trimester, int niveau);

// Sorts the pupils: every per-pupil field, grade, average and report moves
// to its new slot. The display state stays as it is.
void LeerlingenSorteren(AdmMain& adm, Sorteersoort soort, int trimester, int niveau);
