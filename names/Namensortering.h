#pragma once
// The four pupil orders of the names list's sort menu.

#include "core/AdmMain.h"

#include <string>
#include <vector>

enum class Namensortering { Achternaam, Basisgroep, Kenmerk, Mentor };

// The sort key of every slot (index 1..36, element 0 unused): the surname
// with all 30 characters and the first name with all 13, accents folded
// (for the surname order the first name too), after the base group,
// characteristic or mentor code for those orders. Empty slots have blank keys.
std::vector<std::string> Sorteersleutels(const AdmMain& adm, Namensortering volgorde);

// Sorts the pupils by those keys (marked and empty slots last) and moves every
// per-pupil field, grade and statistic along. The row window and the current
// row keep their numbers; Gewijzigd is the caller's.
void NamenSorteren(AdmMain& adm, Namensortering volgorde);
