#pragma once
// Mean and population spread of a class's values, each the exact value of the
// doubles it is taken over rounded once to the nearest double (ties to even).
// So the same values in any order give the same bits, and equal values give
// their own value as mean and spread 0.

#include <span>

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
