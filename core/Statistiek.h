#pragma once
// Mean and population spread of a class's values, each the exact value of the
// doubles it is taken over rounded once to the nearest double (ties to even).
// So the same values in any order give the same bits, and equal values give
// their own value as mean and spread 0. Beside them, the one way a
// statistic is stored in the data set.

#include "core/AdmMain.h"
#include "core/Getallen.h"
#include "core/Tekst.h"

#include <cstddef>
#include <span>
#include <string>

struct MiddelEnSpreiding {
    double middel = 0, spreiding = 0;
};

// At most this many values; each must be finite (std::invalid_argument
// otherwise, also for none). The results are finite for any finite values.
constexpr int MaxStatistiekWaarden = 256;

// Mean of the values and the square root of the mean of their squared
// distances from it.
MiddelEnSpreiding ExacteStatistiek(std::span<const double> waarden);

// The square root of the mean of the values' squared distances from a given
// finite centre (a rounded mean, say).
double ExacteSpreidingRond(std::span<const double> waarden, double midden);

// ---- A statistic as the data set keeps it

// Where the data set keeps one statistic: its count (none where it keeps
// no count), its mean and spread and their texts.
template <std::size_t N>
struct Statistiekvelden {
    int* aantal;
    double& middel;
    Tekst<N>& middelTekst;
    double& spreiding;
    Tekst<N>& spreidingTekst;
};

// The class statistics' texts: two decimals.
inline std::string TweeDecimalen(double x) { return GemiddeldeNaarTekst(x, true); }

// Stores the statistic of n values: the count, the mean and spread with
// the texts `tekst` gives them; of no values (n == 0) the count 0, no mean
// or spread (GeenWaarde) and blank texts, whatever `st` holds.
template <std::size_t N>
void StatistiekSchrijven(const Statistiekvelden<N>& v, int n, const MiddelEnSpreiding& st,
                         std::string (*tekst)(double) = TweeDecimalen)
{
    if (v.aantal)
        *v.aantal = n;
    if (n == 0) {
        v.middel = v.spreiding = GeenWaarde;
        v.middelTekst = v.spreidingTekst = "";
        return;
    }
    v.middel = st.middel;
    v.middelTekst = tekst(st.middel);
    v.spreiding = st.spreiding;
    v.spreidingTekst = tekst(st.spreiding);
}
