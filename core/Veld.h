#pragma once
// Arrays with the inclusive bounds the data set is defined with
// (pupil 1..36, column 1..48, level 1..2 ...). Every index is checked: a
// slip becomes an exception, never a write into a neighbouring field.

#include "core/Fout.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

struct Bereik {
    int lo;
    int hi;
    constexpr std::size_t n() const { return static_cast<std::size_t>(hi - lo + 1); }
    constexpr bool bevat(int i) const { return i >= lo && i <= hi; }
};

inline constexpr Bereik LlnBereik{1, 36};    // pupil slots
inline constexpr Bereik Lln0Bereik{0, 36};   // with the unused row 0
inline constexpr Bereik KolBereik{1, 48};    // absolute columns
inline constexpr Bereik NivBereik{1, 2};     // levels
inline constexpr Bereik TrimBereik{1, 3};    // terms
inline constexpr Bereik RapBereik{1, 4};     // reports Rp1..Rp3, RpE

// Raises the out_of_range of an index outside its bounds; kept out of line,
// so that the check in every access is a few compares and one jump.
[[noreturn, gnu::cold, gnu::noinline]] inline void BuitenBereik(int i, Bereik b)
{
    throw Bereikfout(std::to_string(i) + " niet in " + std::to_string(b.lo) + ".." + std::to_string(b.hi));
}

template <class T, Bereik... B>
class Veld {
public:
    static constexpr std::size_t grootte = (B.n() * ...);
    // The distance between the elements of neighbouring first indices (the
    // others equal): a loop over every pupil checks its bounds once, at
    // &veld(eerste, ...), and steps by this.
    static constexpr std::size_t stap = grootte / std::array<Bereik, sizeof...(B)>{B...}[0].n();

    template <class... I>
    T& operator()(I... i) { return d_[plaats(static_cast<int>(i)...)]; }
    template <class... I>
    const T& operator()(I... i) const { return d_[plaats(static_cast<int>(i)...)]; }

    void vul(const T& w) { d_.fill(w); }
    auto begin() { return d_.begin(); }
    auto end() { return d_.end(); }
    auto begin() const { return d_.begin(); }
    auto end() const { return d_.end(); }

    friend bool operator==(const Veld&, const Veld&) = default;

private:
    template <class... I>
    static std::size_t plaats(I... i)
    {
        static_assert(sizeof...(I) == sizeof...(B), "wrong number of indices");
        // One test for all indices: each offset from its lower bound, as an
        // unsigned number, below its count.
        bool binnen = true;
        std::size_t p = 0;
        ((binnen &= static_cast<unsigned>(i - B.lo) < B.n(), p = p * B.n() + static_cast<std::size_t>(i - B.lo)), ...);
        if (!binnen) [[unlikely]]
            Fout(i...);
        return p;
    }

    template <class... I>
    [[noreturn, gnu::cold, gnu::noinline]] static void Fout(I... i)
    {
        constexpr Bereik b[] = {B...};
        const int idx[] = {i...};
        for (std::size_t k = 0; k < sizeof...(B); ++k)
            if (!b[k].bevat(idx[k]))
                BuitenBereik(idx[k], b[k]);
        BuitenBereik(idx[0], b[0]);  // not reached
    }

    std::array<T, grootte> d_{};
};
