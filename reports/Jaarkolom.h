#pragma once
// The year column ("Jgem") of the report list, its prints and the year
// overview: the calculation method chooses what it shows.

#include "core/AdmMain.h"

#include <optional>
#include <string_view>

// The end average (the term averages by the term weights) for methods 1..3,
// the year average over all grades for method 4; nothing for another
// stored method.
enum class Jaarkolom { Eindgemiddelde, Jaargemiddelde };
std::optional<Jaarkolom> JaarkolomVan(int berekeningsmethode);

struct Jaarwaarde {
    std::string_view tekst;  // 4 characters, into the data set
    double waarde;           // -1 for none
};

// Pupil p's year value at level l, by the stored method.
std::optional<Jaarwaarde> JaarwaardeLeerling(const AdmMain& adm, int p, int l);

// The class mean and spread of the year column at level l, by the stored method.
struct Jaarstatistiek {
    Jaarwaarde gem, spr;
};
std::optional<Jaarstatistiek> JaarstatistiekKlas(const AdmMain& adm, int l);
