#pragma once
// Pupil sorting and reordering. A sort only fills an order array
// (position -> index before the sort); LeerlingenHerordenen applies one.
//
// Keys are compared upper-cased, byte by byte as unsigned Windows-1252 codes,
// a shorter key that begins a longer one first. Upper case is that of
// Windows-1252: a-z, the accented letters 224..254 except 247, and
// š œ ž ÿ (154 156 158 255) to Š Œ Ž Ÿ.

#include "core/AdmMain.h"
#include "core/Tekst.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Order arrays, keys and values are indexed from 1; element 0 is unused.
using Volgorde = std::vector<int>;

// The text in upper case as the sorts compare it; same length.
std::string Hoofdletters(std::string_view tekst);

// Name key with the accented letters 192..255 folded; same length.
std::string AccentenVerwijderen(std::string_view tekst);

void WisselTekst(std::string& a, std::string& b);
template <std::size_t N>
void WisselTekst(Tekst<N>& a, Tekst<N>& b) { std::swap(a, b); }
void WisselGetal(int& a, int& b);

// Fills volgorde(1..n) with the order of the upper-cased keys; keys starting
// with ".", " " or "*" after the others, unsorted. volgorde is resized to
// n + 1; sleutels must hold indices 1..n (std::out_of_range otherwise).
void SorteerOpTekst(Volgorde& volgorde, const std::vector<std::string>& sleutels, int n);

// Fills volgorde(1..36): highest value first, equal values by upper-cased
// name, marked and empty slots last. waarden and namen are indexed 1..36.
void SorteerOpWaarde(Volgorde& volgorde, const std::vector<double>& waarden, const std::vector<std::string>& namen);

// Rewrites every per-pupil field of slots 1..36 so that the new slot i holds
// the old slot volgorde[i]; row 0, the column statistics, the header and the
// display state stay as they are. volgorde must be a permutation of 1..36:
// anything else throws std::invalid_argument and changes nothing.
void LeerlingenHerordenen(AdmMain& adm, const Volgorde& volgorde);
