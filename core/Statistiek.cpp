#include "core/Statistiek.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

// Every finite double is a whole number times a power of two. Scaled to the
// smallest such power among the values (2^e), the values are whole numbers
// M, and so are their sum S and the sum Q of their squares. With n values
// the mean is S / n and the variance around it (nQ - S^2) / n^2, both exact
// fractions; only the last division and square root round, once, from more
// bits than a double holds and a sticky bit for everything below them.
//
// The whole numbers can span the range of doubles (below 2^2098 for a value,
// 2^4215 for a square sum), but the averages of one class lie close together
// and take two or three words.

namespace {

using Woord = std::uint64_t;
using Dubbel = unsigned __int128;

// Words for the widest sum of squares of MaxStatistiekWaarden values: below
// 2^4215, with room to spare.
constexpr int Capaciteit = 70;

int Bits(Dubbel x)
{
    const Woord hoog = static_cast<Woord>(x >> 64);
    return hoog ? 128 - std::countl_zero(hoog) : 64 - std::countl_zero(static_cast<Woord>(x));
}

// A non-negative whole number in 64-bit words, lowest first; no zero words on top.
class Geheel {
public:
    Geheel() = default;
    Geheel(const Geheel& b) : n_(b.n_) { std::copy_n(b.w_.begin(), n_, w_.begin()); }
    Geheel& operator=(const Geheel& b)
    {
        n_ = b.n_;
        std::copy_n(b.w_.begin(), n_, w_.begin());
        return *this;
    }

    bool nul() const { return n_ == 0; }
    int bits() const { return n_ == 0 ? 0 : 64 * (n_ - 1) + 64 - std::countl_zero(w_[n_ - 1]); }

    // += v * 2^s
    void plus(Dubbel v, int s)
    {
        const int k = s / 64, b = s % 64;
        const Woord v0 = static_cast<Woord>(v), v1 = static_cast<Woord>(v >> 64);
        const Woord d[3] = {v0 << b, b ? (v1 << b) | (v0 >> (64 - b)) : v1, b ? v1 >> (64 - b) : 0};
        groei(k + 3);
        Woord c = 0;
        for (int i = 0; i < 3; ++i)
            c = optellen(k + i, d[i], c);
        for (int i = k + 3; c; ++i) {
            groei(i + 1);
            c = optellen(i, 0, c);
        }
        kort();
    }

    void plus(const Geheel& b)
    {
        groei(std::max(n_, b.n_) + 1);
        Woord c = 0;
        for (int i = 0; i < n_; ++i)
            c = optellen(i, i < b.n_ ? b.w_[i] : 0, c);
        kort();
    }

    // -= b, for b <= *this.
    void min(const Geheel& b)
    {
        Woord leen = 0;
        for (int i = 0; i < n_; ++i) {
            const Woord x = i < b.n_ ? b.w_[i] : 0;
            const Dubbel t = static_cast<Dubbel>(w_[i]) - x - leen;
            w_[i] = static_cast<Woord>(t);
            leen = static_cast<Woord>(t >> 64) ? 1 : 0;
        }
        kort();
    }

    void maal(Woord m)
    {
        Woord c = 0;
        for (int i = 0; i < n_; ++i) {
            const Dubbel t = static_cast<Dubbel>(w_[i]) * m + c;
            w_[i] = static_cast<Woord>(t);
            c = static_cast<Woord>(t >> 64);
        }
        if (c)
            w_[n_++] = c;
    }

    // Bits p .. p + 127 (p may be negative when the number has fewer than
    // 128 - p bits); rest tells whether any bit below p is set.
    Dubbel stuk(int p, bool& rest) const
    {
        if (p < 0) {
            rest = false;
            return (static_cast<Dubbel>(woord(1)) << 64 | woord(0)) << -p;
        }
        const int k = p / 64, b = p % 64;
        rest = b && (woord(k) << (64 - b)) != 0;
        for (int i = 0; i < k && !rest; ++i)
            rest = w_[i] != 0;
        const Woord lo = b ? (woord(k) >> b) | (woord(k + 1) << (64 - b)) : woord(k);
        const Woord hi = b ? (woord(k + 1) >> b) | (woord(k + 2) << (64 - b)) : woord(k + 1);
        return static_cast<Dubbel>(hi) << 64 | lo;
    }

    friend bool kleiner(const Geheel& a, const Geheel& b)
    {
        if (a.n_ != b.n_)
            return a.n_ < b.n_;
        for (int i = a.n_ - 1; i >= 0; --i)
            if (a.w_[i] != b.w_[i])
                return a.w_[i] < b.w_[i];
        return false;
    }

    friend Geheel kwadraat(const Geheel& a)
    {
        Geheel r;
        r.groei(2 * a.n_);
        for (int i = 0; i < a.n_; ++i) {
            Woord c = 0;
            for (int j = 0; j < a.n_; ++j) {
                const Dubbel t = static_cast<Dubbel>(a.w_[i]) * a.w_[j] + r.w_[i + j] + c;
                r.w_[i + j] = static_cast<Woord>(t);
                c = static_cast<Woord>(t >> 64);
            }
            r.w_[i + a.n_] = c;
        }
        r.kort();
        return r;
    }

private:
    Woord woord(int i) const { return i < n_ ? w_[i] : 0; }
    void groei(int n)
    {
        while (n_ < n)
            w_[n_++] = 0;
    }
    void kort()
    {
        while (n_ > 0 && w_[n_ - 1] == 0)
            --n_;
    }
    Woord optellen(int i, Woord x, Woord c)
    {
        const Dubbel t = static_cast<Dubbel>(w_[i]) + x + c;
        w_[i] = static_cast<Woord>(t);
        return static_cast<Woord>(t >> 64);
    }

    std::array<Woord, Capaciteit> w_;
    int n_ = 0;
};

// A finite double as +-m * 2^q with m odd, or m = 0.
struct Ontleed {
    Woord m = 0;
    int q = 0;
    bool negatief = false;

    explicit Ontleed(double x)
    {
        const Woord b = std::bit_cast<Woord>(x);
        const int exponent = static_cast<int>(b >> 52 & 0x7ff);
        negatief = b >> 63;
        m = b & ((Woord{1} << 52) - 1);
        q = -1074;
        if (exponent != 0) {
            m |= Woord{1} << 52;
            q = exponent - 1075;
        }
        if (m != 0) {
            const int z = std::countr_zero(m);
            m >>= z;
            q += z;
        }
    }
};

// The double nearest to (N + f) * 2^E, where 0 < f < 1 when `rest` and f = 0
// otherwise; ties to even. N needs at least 55 bits, so that the rounding
// bit and the rest lie below the 53 that stay (fewer stay for a subnormal).
double Afronden(Dubbel n, int e, bool rest)
{
    const int lengte = Bits(n);
    const int p = std::max(lengte - 53 + e, -1074);  // the place of the last bit kept
    const int s = p - e;                             // bits dropped, at least 2
    Woord m = 0;
    if (s == lengte) {
        // Between half and one unit of the smallest subnormal; a tie gives 0.
        m = rest || n != static_cast<Dubbel>(1) << (lengte - 1);
    } else if (s < lengte) {
        m = static_cast<Woord>(n >> s);
        const bool half = (n >> (s - 1) & 1) != 0;
        const bool onder = rest || (n & ((static_cast<Dubbel>(1) << (s - 1)) - 1)) != 0;
        if (half && (onder || (m & 1)))
            ++m;
    }
    // A mean lies within its values and a spread within their range, so
    // this stays finite; should it not, the largest double is the nearest.
    if (m != 0 && p + static_cast<int>(std::bit_width(m)) > 1024)
        return std::numeric_limits<double>::max();
    // m < 2^54 and m * 2^p is a double, so the product is exact.
    const Woord macht = p >= -1022 ? static_cast<Woord>(p + 1023) << 52 : Woord{1} << (p + 1074);
    return static_cast<double>(m) * std::bit_cast<double>(macht);
}

// Near x, for a first guess.
double NaarDouble(Dubbel x)
{
    return static_cast<double>(static_cast<Woord>(x >> 64)) * 0x1p64 + static_cast<double>(static_cast<Woord>(x));
}

// The whole square root of r, for 2^100 < r < 2^127: the root of a nearby
// double, one Newton step in doubles (within a unit or two after it), then
// the last units.

Woord WortelOmlaag(Dubbel r)
{
    Woord m = static_cast<Woord>(std::sqrt(NaarDouble(r)));
    const Dubbel kwadraat = static_cast<Dubbel>(m) * m;
    const double verschil = kwadraat <= r ? NaarDouble(r - kwadraat) : -NaarDouble(kwadraat - r);
    m += static_cast<Woord>(static_cast<std::int64_t>(verschil / (2.0 * static_cast<double>(m))));
    while (static_cast<Dubbel>(m) * m > r)
        --m;
    while (static_cast<Dubbel>(m + 1) * (m + 1) <= r)
        ++m;
    return m;
}

// The exact sums of the values, scaled by 2^-e.
struct Sommen {
    int n = 0;
    int e = 0;
    bool gelijk = true;  // all values equal
    Geheel som;          // |S|
    bool negatief = false;
    Geheel kwadraten;  // Q
};

// The sums of the values, with e the smallest power of the values and of
// `ook` (which is not summed).
Sommen Optellen(std::span<const double> waarden, double ook)
{
    if (waarden.empty() || waarden.size() > static_cast<std::size_t>(MaxStatistiekWaarden))
        throw std::invalid_argument("statistic of " + std::to_string(waarden.size()) + " values");
    Sommen r;
    r.n = static_cast<int>(waarden.size());
    int e = std::numeric_limits<int>::max(), top = std::numeric_limits<int>::min();
    const auto bereik = [&](double x) {
        if (!std::isfinite(x))
            throw std::invalid_argument("statistic with a value that is not finite");
        const Ontleed d(x);
        if (d.m != 0) {
            e = std::min(e, d.q);
            top = std::max(top, d.q + static_cast<int>(std::bit_width(d.m)));
        }
    };
    for (double x : waarden) {
        bereik(x);
        r.gelijk = r.gelijk && x == waarden[0];
    }
    bereik(ook);
    if (top < e) {
        // Every value is 0: nothing to scale, and top - e would overflow.
        e = 0;
        top = 0;
    }
    r.e = e;
    Geheel pos, neg;
    if (top - e <= 64) {
        // Every scaled value fits a word (as the averages of a class do):
        // the sums in two words, the squares in three.
        Dubbel p = 0, n = 0, kw = 0;
        Woord kwHoog = 0;
        for (double x : waarden) {
            const Ontleed d(x);
            if (d.m == 0)
                continue;
            const Woord m = d.m << (d.q - e);
            (d.negatief ? n : p) += m;
            const Dubbel k = static_cast<Dubbel>(m) * m;
            kw += k;
            kwHoog += kw < k;
        }
        pos.plus(p, 0);
        neg.plus(n, 0);
        r.kwadraten.plus(kw, 0);
        r.kwadraten.plus(kwHoog, 128);
    } else {
        for (double x : waarden) {
            const Ontleed d(x);
            if (d.m == 0)
                continue;
            (d.negatief ? neg : pos).plus(d.m, d.q - e);
            r.kwadraten.plus(static_cast<Dubbel>(d.m) * d.m, 2 * (d.q - e));
        }
    }
    r.negatief = kleiner(pos, neg);
    if (r.negatief) {
        neg.min(pos);
        r.som = neg;
    } else {
        pos.min(neg);
        r.som = pos;
    }
    return r;
}

double Middel(const Sommen& s)
{
    if (s.som.nul())
        return 0;
    // The top 64 bits of |S| over n leave at least 56 bits.
    const int p = s.som.bits() - 64;
    bool rest = false;
    const auto boven = static_cast<Woord>(s.som.stuk(p, rest));
    const auto n = static_cast<Woord>(s.n);
    const Woord q = boven / n;
    rest = rest || q * n != boven;
    const double m = Afronden(q, s.e + p, rest);
    return s.negatief ? -m : m;
}

// The square root of (d / n^2) * 4^e.
double Wortel(const Geheel& d, int n, int e)
{
    if (d.nul())
        return 0;
    // The top 126 or 127 bits of d, an even number of bits (2h) dropped.
    const int lengte = d.bits();
    const int tweeH = (lengte - 127) % 2 == 0 ? lengte - 127 : lengte - 126;
    bool rest = false;
    const Dubbel boven = d.stuk(tweeH, rest);
    const Woord nn = static_cast<Woord>(n) * static_cast<Woord>(n);
    const Dubbel r = boven / nn;
    rest = rest || r * nn != boven;
    const Woord m = WortelOmlaag(r);
    rest = rest || static_cast<Dubbel>(m) * m != r;
    return Afronden(m, e + tweeH / 2, rest);
}

// n Q - S^2: n^2 times the variance around the mean.
Geheel Afwijking(const Sommen& s)
{
    Geheel d = s.kwadraten;
    d.maal(static_cast<Woord>(s.n));
    d.min(kwadraat(s.som));
    return d;
}

}  // namespace

MiddelEnSpreiding ExacteStatistiek(std::span<const double> waarden)
{
    const Sommen s = Optellen(waarden, 0);
    if (s.gelijk)  // the value itself, and a zero of either sign as +0 like every exact 0
        return {waarden[0] == 0 ? 0.0 : waarden[0], 0};
    return {Middel(s), Wortel(Afwijking(s), s.n, s.e)};
}

double ExacteSpreidingRond(std::span<const double> waarden, double midden)
{
    const Sommen s = Optellen(waarden, midden);
    // n times the squared distances from c: n Q - S^2 + (S - n c)^2.
    Geheel d = Afwijking(s);
    const Ontleed c(midden);
    Geheel nc;
    if (c.m != 0) {
        nc.plus(c.m, c.q - s.e);
        nc.maal(static_cast<Woord>(s.n));
    }
    Geheel t;
    if (c.negatief != s.negatief) {  // opposite signs (or a zero): the magnitudes add
        t = s.som;
        t.plus(nc);
    } else if (kleiner(s.som, nc)) {
        t = nc;
        t.min(s.som);
    } else {
        t = s.som;
        t.min(nc);
    }
    d.plus(kwadraat(t));
    return Wortel(d, s.n, s.e);
}
