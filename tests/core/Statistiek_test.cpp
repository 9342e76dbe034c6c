#include "core/Statistiek.h"

#include "Exactrekenen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

constexpr double Max = std::numeric_limits<double>::max();
constexpr double Klein = std::numeric_limits<double>::denorm_min();
const double Eps = std::ldexp(1.0, -52);

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// Mean and spread exact, and the same bits in reverse and shuffled order.
void Controleer(std::vector<double> v)
{
    const MiddelEnSpreiding r = ExacteStatistiek(v);
    EXPECT_TRUE(std::isfinite(r.middel) && std::isfinite(r.spreiding));
    EXPECT_TRUE(exact::IsExactMiddel(v, r.middel)) << std::hexfloat << r.middel;
    EXPECT_TRUE(exact::IsExacteSpreiding(v, r.spreiding)) << std::hexfloat << r.spreiding;
    std::reverse(v.begin(), v.end());
    const MiddelEnSpreiding omgekeerd = ExacteStatistiek(v);
    std::shuffle(v.begin(), v.end(), std::mt19937(7));
    const MiddelEnSpreiding geschud = ExacteStatistiek(v);
    EXPECT_EQ(Bits(omgekeerd.middel), Bits(r.middel));
    EXPECT_EQ(Bits(omgekeerd.spreiding), Bits(r.spreiding));
    EXPECT_EQ(Bits(geschud.middel), Bits(r.middel));
    EXPECT_EQ(Bits(geschud.spreiding), Bits(r.spreiding));
}

struct Geval {
    const char* naam;
    std::vector<double> waarden;
};

void PrintTo(const Geval& g, std::ostream* os) { *os << g.naam; }

class StatistiekTest : public testing::TestWithParam<Geval> {};

TEST_P(StatistiekTest, IsTheExactValueRoundedOnceInAnyOrder) { Controleer(GetParam().waarden); }

INSTANTIATE_TEST_SUITE_P(
    Statistiek, StatistiekTest,
    testing::Values(
        Geval{"term averages of a class", {7.52, 5.41, 7.3, 6.66, 5.32}},
        Geval{"averages of sevenths", {55.0 / 7, 39.0 / 7, 48.5 / 7, 6.36594516594516, 6.36594516594517, 0.05}},
        Geval{"whole numbers", {0, 0, 1}},
        Geval{"two grades", {6, 8}},
        Geval{"one value", {6.36594516594516}},
        Geval{"a mean on a tie goes to even", {1, 1 + Eps}},
        Geval{"neighbours", {3, std::nextafter(3.0, 4.0), std::nextafter(3.0, 2.0)}},
        Geval{"zeros of both signs", {-0.0, 0.0, 0.0}},
        Geval{"smallest subnormals, a tie to 0", {0, Klein}},
        Geval{"smallest subnormals, a tie to 2", {Klein, 2 * Klein}},
        Geval{"subnormals and normals", {Klein, 3e-310, 2.2250738585072014e-308, 1e-300}},
        Geval{"the whole range", {1e-300, 1e300, -5e-324, 200, 0.1}},
        Geval{"largest of both signs", {Max, -Max}},
        Geval{"largest, two against one", {Max, Max, -Max}},
        Geval{"largest and its neighbour", {Max, std::nextafter(Max, 0.0), Max}},
        Geval{"negative values", {-7.25, -0.3, 12.5, -200}}));

TEST(Statistiek, EqualValuesHaveTheirValueAsMeanAndSpreadZero)
{
    for (double x : {1.4, 6.36594516594516, 0.1, -3.0, Max, Klein}) {
        const std::vector<double> v(36, x);
        const MiddelEnSpreiding r = ExacteStatistiek(v);
        EXPECT_EQ(Bits(r.middel), Bits(x)) << x;
        EXPECT_EQ(Bits(r.spreiding), Bits(0.0)) << x;
    }
}

TEST(Statistiek, RoundsOnceWhereRootThenDivideIsOneUnitOff)
{
    // Of 0, 0 and 1 the spread is sqrt(2) / 3: rounding the root and then
    // the quotient gives the double above the nearest one.
    const MiddelEnSpreiding r = ExacteStatistiek(std::vector<double>{0, 0, 1});
    EXPECT_NE(r.spreiding, std::sqrt(2.0) / 3);
    EXPECT_EQ(r.spreiding, std::nextafter(std::sqrt(2.0) / 3, 0.0));
    EXPECT_TRUE(exact::IsExacteSpreiding({0, 0, 1}, r.spreiding));
}

TEST(Statistiek, RandomValuesOfEveryKind)
{
    std::mt19937_64 r(20250115);
    const auto getal = [&](int n) { return static_cast<int>(r() % static_cast<unsigned>(n)); };
    for (int i = 0; i < 400; ++i) {
        const int soort = i % 4, n = 1 + getal(i % 10 == 0 ? 256 : 36);
        std::vector<double> v;
        for (int k = 0; k < n; ++k) {
            switch (soort) {
            case 0:  // weighted averages of grades, as the term sheet stores them
                v.push_back(static_cast<double>(getal(200001)) / (10.0 * (1 + getal(4800))));
                break;
            case 1:  // grades and scores
                v.push_back(getal(2001) / 10.0);
                break;
            case 2:  // any finite double
                v.push_back((getal(2) ? -1 : 1) * std::ldexp(1.0 + static_cast<double>(r() >> 12) * 0x1p-52,
                                                             getal(2046) - 1022));
                break;
            default:  // close together: one value and its near neighbours
                v.push_back(6.36594516594516 + getal(16) * Eps * 8);
                break;
            }
        }
        SCOPED_TRACE("set " + std::to_string(i));
        Controleer(v);
    }
}

TEST(Statistiek, SpreadAroundAGivenCentre)
{
    struct Rond {
        std::vector<double> v;
        double midden;
    };
    const Rond gevallen[] = {{{7.24, 7.24}, 7.2},      {{6, 8}, 7},   {{7.24, 7.24, 7.25}, 7.2},
                             {{5.32, 7.52, 6.66}, 6.5}, {{1 + Eps}, -Eps / 2}, {{Max, -Max}, 1},
                             {{Max}, -Max},            {{0, 0}, 0},   {{-0.3, 200, Klein}, -12.5},
                             {{0}, 0},                 {{-0.0, 0.0}, -0.0}};
    for (const Rond& g : gevallen) {
        const double s = ExacteSpreidingRond(g.v, g.midden);
        EXPECT_TRUE(std::isfinite(s));
        EXPECT_TRUE(exact::IsExacteSpreidingRond(g.v, g.midden, s)) << g.midden << " " << std::hexfloat << s;
    }
    // Away from the centre by exactly the midpoint between two doubles: to even.
    EXPECT_EQ(ExacteSpreidingRond(std::vector<double>{1 + Eps}, -Eps / 2), 1 + 2 * Eps);
    EXPECT_EQ(ExacteSpreidingRond(std::vector<double>{1 + 3 * Eps}, -Eps / 2), 1 + 4 * Eps);
    EXPECT_EQ(ExacteSpreidingRond(std::vector<double>{6, 8}, 7), 1);
    // Twice the largest double away rounds to the largest, not to infinity.
    EXPECT_EQ(ExacteSpreidingRond(std::vector<double>{Max}, -Max), Max);
}

TEST(Statistiek, RefusesNoValuesTooManyAndValuesThatAreNotFinite)
{
    EXPECT_THROW(ExacteStatistiek({}), std::invalid_argument);
    EXPECT_THROW(ExacteStatistiek(std::vector<double>(MaxStatistiekWaarden + 1, 1.0)), std::invalid_argument);
    EXPECT_NO_THROW(ExacteStatistiek(std::vector<double>(MaxStatistiekWaarden, Max)));
    EXPECT_THROW(ExacteStatistiek(std::vector<double>{1, NAN}), std::invalid_argument);
    EXPECT_THROW(ExacteStatistiek(std::vector<double>{INFINITY}), std::invalid_argument);
    EXPECT_THROW(ExacteSpreidingRond(std::vector<double>{1}, NAN), std::invalid_argument);
}

}  // namespace
