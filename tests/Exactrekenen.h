#pragma once
// A slow, plain reference for statistics taken exactly: signed whole numbers
// of any size in base 2^32, and checks that a double is the one nearest to
// the exact mean or spread of some doubles, by comparing the exact value with
// the midpoints between that double and its neighbours (ties to even).

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace exact {

struct Getal {
    bool negatief = false;
    std::vector<std::uint32_t> d;  // lowest first, no zeros on top
};

inline void Kort(Getal& g)
{
    while (!g.d.empty() && g.d.back() == 0)
        g.d.pop_back();
    if (g.d.empty())
        g.negatief = false;
}

inline int GrootteVergelijken(const Getal& a, const Getal& b)
{
    if (a.d.size() != b.d.size())
        return a.d.size() < b.d.size() ? -1 : 1;
    for (std::size_t i = a.d.size(); i-- > 0;)
        if (a.d[i] != b.d[i])
            return a.d[i] < b.d[i] ? -1 : 1;
    return 0;
}

inline std::vector<std::uint32_t> GroottePlus(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    std::vector<std::uint32_t> r(std::max(a.size(), b.size()) + 1);
    std::uint64_t c = 0;
    for (std::size_t i = 0; i < r.size(); ++i) {
        c += (i < a.size() ? a[i] : 0) + std::uint64_t{i < b.size() ? b[i] : 0u};
        r[i] = static_cast<std::uint32_t>(c);
        c >>= 32;
    }
    return r;
}

// a - b for |a| >= |b|.
inline std::vector<std::uint32_t> GrootteMin(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    std::vector<std::uint32_t> r(a.size());
    std::int64_t leen = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t t = std::int64_t{a[i]} - (i < b.size() ? b[i] : 0) - leen;
        leen = t < 0;
        r[i] = static_cast<std::uint32_t>(t + (leen << 32));
    }
    return r;
}

inline Getal operator+(const Getal& a, const Getal& b)
{
    Getal r;
    if (a.negatief == b.negatief) {
        r.d = GroottePlus(a.d, b.d);
        r.negatief = a.negatief;
    } else if (GrootteVergelijken(a, b) >= 0) {
        r.d = GrootteMin(a.d, b.d);
        r.negatief = a.negatief;
    } else {
        r.d = GrootteMin(b.d, a.d);
        r.negatief = b.negatief;
    }
    Kort(r);
    return r;
}

inline Getal operator-(Getal a) { a.negatief = !a.negatief && !a.d.empty(); return a; }
inline Getal operator-(const Getal& a, const Getal& b) { return a + -b; }

inline Getal operator*(const Getal& a, const Getal& b)
{
    Getal r;
    r.d.assign(a.d.size() + b.d.size(), 0);
    for (std::size_t i = 0; i < a.d.size(); ++i) {
        std::uint64_t c = 0;
        for (std::size_t j = 0; j < b.d.size(); ++j) {
            c += std::uint64_t{a.d[i]} * b.d[j] + r.d[i + j];
            r.d[i + j] = static_cast<std::uint32_t>(c);
            c >>= 32;
        }
        r.d[i + b.d.size()] = static_cast<std::uint32_t>(c);
    }
    r.negatief = a.negatief != b.negatief;
    Kort(r);
    return r;
}

inline int Vergelijk(const Getal& a, const Getal& b)
{
    const Getal v = a - b;
    return v.d.empty() ? 0 : v.negatief ? -1 : 1;
}

inline Getal Klein(std::uint64_t x)
{
    Getal g;
    g.d = {static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(x >> 32)};
    Kort(g);
    return g;
}

// 2^k, k >= 0.
inline Getal Macht(int k)
{
    Getal g;
    g.d.assign(static_cast<std::size_t>(k / 32 + 1), 0);
    g.d.back() = 1u << (k % 32);
    return g;
}

// The exponent of the lowest set bit of a finite non-zero x.
inline int LaagsteBit(double x)
{
    int e = 0;
    const double f = std::frexp(std::fabs(x), &e);  // x = f * 2^e, 0.5 <= f < 1
    const auto m = static_cast<std::uint64_t>(std::ldexp(f, 64));
    return e - 64 + std::countr_zero(m);
}

// x as a whole number of units 2^e; x must be a multiple of 2^e.
inline Getal Eenheden(double x, int e)
{
    if (x == 0)
        return {};
    const int l = LaagsteBit(x);
    const auto m = static_cast<std::uint64_t>(std::ldexp(std::fabs(x), -l));
    Getal g = Klein(m) * Macht(l - e);
    g.negatief = x < 0;
    return g;
}

inline int KleinsteBit(const std::vector<double>& v)
{
    int e = std::numeric_limits<int>::max();
    for (double x : v)
        if (x != 0 && std::isfinite(x))
            e = std::min(e, LaagsteBit(x));
    return e == std::numeric_limits<int>::max() ? 0 : e;
}

inline bool Even(double x) { return (std::bit_cast<std::uint64_t>(x) & 1) == 0; }

// Whether x is the double nearest to the real number r, given by how
// 2 * x' compares with 2r for x' = the midpoints: `onder` tells how r
// compares with the midpoint below x, `boven` with the one above (0 at a
// tie). No midpoint above the largest double.
inline bool Dichtstbij(double x, int onder, int boven)
{
    return onder >= 0 && boven <= 0 && ((onder != 0 && boven != 0) || Even(x));
}

// Whether m is the double nearest to the mean of v.
inline bool IsExactMiddel(const std::vector<double>& v, double m)
{
    const double lager = std::nextafter(m, -INFINITY), hoger = std::nextafter(m, INFINITY);
    const int e = std::min({KleinsteBit(v), KleinsteBit({m, lager, std::isfinite(hoger) ? hoger : m})}) - 1;
    Getal s;
    for (double x : v)
        s = s + Eenheden(x, e);
    const Getal tweeS = s * Klein(2), n = Klein(v.size());
    // r = S / n: 2r against m + neighbour.
    const int onder = Vergelijk(tweeS, n * (Eenheden(m, e) + Eenheden(lager, e)));
    const int boven = std::isfinite(hoger) ? Vergelijk(tweeS, n * (Eenheden(m, e) + Eenheden(hoger, e))) : -1;
    return Dichtstbij(m, onder, boven);
}

// Whether s >= 0 is the double nearest to the square root of teller / noemer
// * 4^e.
inline bool IsExacteWortel(const Getal& teller, const Getal& noemer, int e, double s)
{
    if (!(s >= 0))
        return false;
    const double lager = std::nextafter(s, -INFINITY), hoger = std::nextafter(s, INFINITY);
    const int f = std::min({e, KleinsteBit({s, lager, std::isfinite(hoger) ? hoger : s})}) - 1;
    // (x + neighbour)^2 / 4 * 4^f against teller / noemer * 4^e.
    const Getal rechts = teller * Klein(4) * Macht(2 * (e - f));
    const auto vergelijk = [&](double buur) {
        const Getal som = Eenheden(s, f) + Eenheden(buur, f);
        return Vergelijk(rechts, som * som * noemer);
    };
    const int onder = s == 0 ? 1 : vergelijk(lager);
    const int boven = std::isfinite(hoger) ? vergelijk(hoger) : -1;
    return Dichtstbij(s, onder, boven);
}

// Whether s is the double nearest to the population spread of v.
inline bool IsExacteSpreiding(const std::vector<double>& v, double s)
{
    const int e = KleinsteBit(v);
    Getal som, kwadraten;
    for (double x : v) {
        const Getal g = Eenheden(x, e);
        som = som + g;
        kwadraten = kwadraten + g * g;
    }
    const Getal n = Klein(v.size());
    return IsExacteWortel(n * kwadraten - som * som, n * n, e, s);
}

// Whether s is the double nearest to the root of the mean squared distance of v from c.
inline bool IsExacteSpreidingRond(const std::vector<double>& v, double c, double s)
{
    std::vector<double> alle = v;
    alle.push_back(c);
    const int e = KleinsteBit(alle);
    Getal kwadraten;
    for (double x : v) {
        const Getal g = Eenheden(x, e) - Eenheden(c, e);
        kwadraten = kwadraten + g * g;
    }
    return IsExacteWortel(kwadraten, Klein(v.size()), e, s);
}

}  // namespace exact
