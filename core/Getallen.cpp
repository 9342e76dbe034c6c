#include "core/Getallen.h"

#include "core/Tekst.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool IsWit(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

// A finite value as a whole number of decimal digits times a power of ten,
// taken from its 15-significant-digit form: what a reader of the value sees.
struct Decimaal {
    bool negatief = false;
    std::string cijfers;  // no leading zeros; empty for 0
    int exp10 = 0;        // value = cijfers * 10^exp10
};

constexpr double Machten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The 15 significant digits of |x| and the exponent of the first one, as the
// correctly rounded decimal form gives them (d.dddddddddddddd times 10^e).
//
// Most values (1e-5 up to 1e15) take the short way, exactly: the double is a
// whole number times a power of two, times 10^(14 - e) that is a whole
// number of at most 128 bits, which is rounded to a whole number of 15
// digits as the decimal form rounds (a half to the even neighbour). The
// rest of the range takes the long way.
bool VijftienCijfersKort(double ax, char* cijfers, int& exponent)
{
    if (!(ax >= 1e-5 && ax < 1e15))
        return false;
    // The largest e with ax >= 10^e (as the nearest double: at a power of
    // ten below its double only that double itself can be placed one too
    // high, and it gives the same digits either way).
    static constexpr double Grenzen[] = {1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,  1e2,  1e3,  1e4, 1e5,
                                         1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14};
    int i = 5;  // 10^0: most values lie close to it
    if (ax >= 1)
        while (i < 19 && ax >= Grenzen[i + 1])
            ++i;
    else
        while (ax < Grenzen[i])
            --i;
    int e = i - 5;
    static constexpr std::uint64_t Tienmachten[] = {1ull,
                                                    10ull,
                                                    100ull,
                                                    1000ull,
                                                    10000ull,
                                                    100000ull,
                                                    1000000ull,
                                                    10000000ull,
                                                    100000000ull,
                                                    1000000000ull,
                                                    10000000000ull,
                                                    100000000000ull,
                                                    1000000000000ull,
                                                    10000000000000ull,
                                                    100000000000000ull,
                                                    1000000000000000ull,
                                                    10000000000000000ull,
                                                    100000000000000000ull,
                                                    1000000000000000000ull,
                                                    10000000000000000000ull};
    const int k = 14 - e;  // 0..19

    // ax = m * 2^b exactly (a normal number here).
    std::uint64_t bits;
    std::memcpy(&bits, &ax, sizeof bits);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int b = static_cast<int>((bits >> 52) & 0x7FF) - 1075;
    const unsigned __int128 p = static_cast<unsigned __int128>(m) * Tienmachten[k];
    const int schuif = -b;  // ax < 2^50 with 53 bits: at least 3; below 128
    if (schuif <= 0 || schuif >= 127)
        return false;
    unsigned __int128 q = p >> schuif;
    const unsigned __int128 rest = p - (q << schuif);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (schuif - 1);
    if (rest > half || (rest == half && (q & 1)))
        ++q;
    auto n = static_cast<std::uint64_t>(q);
    if (n < 100000000000000 || n > 1000000000000000)
        return false;  // the exponent was not the one of the first digit
    if (n == 1000000000000000) {  // rounded up to the next power of ten
        n = 100000000000000;
        ++e;
    }
    // Two digits at a time, in two halves that fit 32 bits.
    static constexpr char Paren[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                    "8081828384858687888990919293949596979899";
    auto achter = static_cast<std::uint32_t>(n % 100000000);  // digits 8 to 15
    auto voor = static_cast<std::uint32_t>(n / 100000000);     // digits 1 to 7
    for (int j = 13; j >= 7; j -= 2, achter /= 100)
        std::memcpy(cijfers + j, Paren + 2 * (achter % 100), 2);
    for (int j = 5; j >= 1; j -= 2, voor /= 100)
        std::memcpy(cijfers + j, Paren + 2 * (voor % 100), 2);
    cijfers[0] = static_cast<char>('0' + voor);
    exponent = e;
    return true;
}

// cijfers receives exactly 15 characters.
void VijftienCijfers(double x, char* cijfers, int& exponent)
{
    if (VijftienCijfersKort(std::fabs(x), cijfers, exponent))
        return;
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(x), std::chars_format::scientific, 14);
    *r.ptr = '\0';  // d.dddddddddddddde±XX
    cijfers[0] = buf[0];
    std::memcpy(cijfers + 1, buf + 2, 14);
    exponent = std::atoi(buf + 17);
}

// |x| rounded half away from zero at `decimalen` decimals (0..3), as its
// 15-digit form rounds: for |x| below 1e6 that form lies within 5e-7 of
// |x| times the power of ten, so the rounding is that of |x| itself unless
// it lies within a hair of a half.
bool AfgerondKort(double x, int decimalen, std::uint64_t& n)
{
    const double ax = std::fabs(x);
    if (!(ax < 1e6))
        return false;
    const double t = ax * Machten[decimalen];
    const double heel = std::floor(t);
    const double rest = t - heel;
    if (std::fabs(rest - 0.5) < 1e-5)
        return false;
    n = static_cast<std::uint64_t>(heel) + (rest > 0.5 ? 1 : 0);
    return true;
}

Decimaal NaarDecimaal(double x)
{
    Decimaal d;
    d.negatief = x < 0;
    int e = 0;
    char c[15];
    VijftienCijfers(x, c, e);
    d.cijfers.assign(c, 15);
    d.exp10 = e - 14;
    const auto eerste = d.cijfers.find_first_not_of('0');
    d.cijfers.erase(0, eerste == std::string::npos ? d.cijfers.size() : eerste);
    return d;
}

// Rounds to n decimals, halves away from zero; afterwards exp10 == -n.
void RondAf(Decimaal& d, int n)
{
    if (d.exp10 >= -n) {
        if (!d.cijfers.empty())
            d.cijfers.append(static_cast<std::size_t>(d.exp10 + n), '0');
    } else {
        const long weg = static_cast<long>(-n) - d.exp10;  // digits to drop
        const long blijft = static_cast<long>(d.cijfers.size()) - weg;
        if (blijft < 0) {
            d.cijfers.clear();
        } else {
            const bool omhoog = d.cijfers[static_cast<std::size_t>(blijft)] >= '5';
            d.cijfers.resize(static_cast<std::size_t>(blijft));
            if (omhoog) {
                long i = blijft - 1;
                for (; i >= 0 && d.cijfers[static_cast<std::size_t>(i)] == '9'; --i)
                    d.cijfers[static_cast<std::size_t>(i)] = '0';
                if (i < 0)
                    d.cijfers.insert(d.cijfers.begin(), '1');
                else
                    ++d.cijfers[static_cast<std::size_t>(i)];
            }
            const auto eerste = d.cijfers.find_first_not_of('0');
            d.cijfers.erase(0, eerste == std::string::npos ? d.cijfers.size() : eerste);
        }
    }
    d.exp10 = -n;
}

// Code page 850 characters 0x80..0xA5 as Windows-1252 bytes.
constexpr std::array<unsigned char, 38> dosNaarWindows = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7,  // Ç ü é â ä à å ç
    0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,  // ê ë è ï î ì Ä Å
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9,  // É æ Æ ô ö ò û ù
    0xFF, 0xD6, 0xDC, 0xF8, 0xA3, 0xD8, 0xD7, 0x83,  // ÿ Ö Ü ø £ Ø × ƒ
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1,              // á í ó ú ñ Ñ
};

// Whether a number text (sign, digits, point, "e" exponent) lies above the
// range of a double rather than below it: its first significant digit stands
// at a positive power of ten.
bool TeGroot(const std::string& getal)
{
    const auto e = getal.find('e');
    const std::string mantisse = getal.substr(0, e);
    long macht = 0;
    if (e != std::string::npos) {
        std::size_t i = e + 1;
        const bool min = i < getal.size() && getal[i] == '-';
        if (i < getal.size() && (getal[i] == '+' || getal[i] == '-'))
            ++i;
        for (; i < getal.size(); ++i)
            macht = std::min(macht * 10 + (getal[i] - '0'), 100000000L);
        if (min)
            macht = -macht;
    }
    const auto punt = std::min(mantisse.find('.'), mantisse.size());
    const auto eerste = mantisse.find_first_of("123456789");
    if (eerste == std::string::npos)
        return false;
    macht += eerste < punt ? static_cast<long>(punt - eerste) - 1 : -static_cast<long>(eerste - punt);
    return macht > 0;
}

}  // namespace

namespace {

// The common texts (a sign, up to 15 significant digits with at most one
// point, nothing that continues the number after the blanks that follow it)
// read in place: the digits as a whole number divided by a power of ten is
// one correctly rounded operation, so the value is the one the long way
// gives. Anything else (an exponent, blanks inside the number, more digits)
// returns false and takes the long way.
bool LeidendGetalKort(std::string_view tekst, double& waarde, std::size_t& gelezen)
{
    const std::size_t n = tekst.size();
    std::size_t i = 0;
    while (i < n && IsWit(tekst[i]))
        ++i;
    bool negatief = false;
    if (i < n && (tekst[i] == '+' || tekst[i] == '-')) {
        negatief = tekst[i] == '-';
        ++i;
    }
    std::uint64_t getal = 0;
    int significant = 0, decimalen = 0;
    bool cijfer = false, punt = false;
    for (; i < n; ++i) {
        const char c = tekst[i];
        if (IsCijfer(c)) {
            cijfer = true;
            if (getal != 0 || c != '0')
                ++significant;
            getal = getal * 10 + static_cast<std::uint64_t>(c - '0');
            decimalen += punt;
        } else if (c == '.' && !punt) {
            punt = true;
        } else {
            break;
        }
    }
    if (significant > 15 || decimalen > 22)
        return false;
    if (!cijfer) {
        // No number, unless blanks hide digits (or the point) after the sign.
        while (i < n && IsWit(tekst[i]))
            ++i;
        if (i < n && (IsCijfer(tekst[i]) || tekst[i] == '.'))
            return false;
        waarde = 0;
        gelezen = 0;
        return true;
    }
    if (i < n && (tekst[i] == 'E' || tekst[i] == 'e' || tekst[i] == 'D' || tekst[i] == 'd'))
        return false;
    std::size_t j = i;
    while (j < n && IsWit(tekst[j]))
        ++j;
    if (j > i && j < n) {
        const char c = tekst[j];
        if (IsCijfer(c) || c == '.' || c == 'E' || c == 'e' || c == 'D' || c == 'd')
            return false;  // the number goes on after the blanks
    }
    const double v = static_cast<double>(getal) / Machten[decimalen];
    waarde = negatief ? -v : v;
    gelezen = j;
    return true;
}

}  // namespace

double LeidendGetal(std::string_view tekst, std::size_t* gelezen)
{
    {
        double waarde = 0;
        std::size_t n = 0;
        if (LeidendGetalKort(tekst, waarde, n)) {
            if (gelezen)
                *gelezen = n;
            return waarde;
        }
    }
    // Blanks count nowhere: `volgende` steps over them to the next character.
    const auto volgende = [&](std::size_t i) {
        while (i < tekst.size() && IsWit(tekst[i]))
            ++i;
        return i;
    };
    const auto is = [&](std::size_t i, std::string_view tekens) {
        return i < tekst.size() && tekens.find(tekst[i]) != std::string_view::npos;
    };
    const auto cijfers = [&](std::size_t& i, std::string& naar) {
        bool gezien = false;
        for (; i < tekst.size() && IsCijfer(tekst[i]); i = volgende(i + 1), gezien = true)
            naar += tekst[i];
        return gezien;
    };

    std::string getal;
    std::size_t i = volgende(0);
    if (is(i, "+-")) {
        if (tekst[i] == '-')
            getal += '-';
        i = volgende(i + 1);
    }
    bool cijfer = cijfers(i, getal);
    if (is(i, ".")) {
        getal += '.';
        i = volgende(i + 1);
        cijfer = cijfers(i, getal) || cijfer;
    }
    if (!cijfer) {
        if (gelezen)
            *gelezen = 0;
        return 0;
    }
    if (is(i, "EeDd")) {
        std::string exponent = "e";
        std::size_t j = volgende(i + 1);
        if (is(j, "+-")) {
            exponent += tekst[j];
            j = volgende(j + 1);
        }
        if (cijfers(j, exponent)) {  // an "E" without digits is not part of the number
            getal += exponent;
            i = j;
        }
    }
    // i stands after the number and the blanks that follow it.
    if (gelezen)
        *gelezen = i;

    double waarde = 0;
    const auto r = std::from_chars(getal.data(), getal.data() + getal.size(), waarde);
    if (r.ec == std::errc() && std::isfinite(waarde))
        return waarde;
    // Outside the range of a double. Too small is simply 0; too large reads as
    // 0 and as no number at all, so no infinity enters the data set and a file
    // reader can refuse the line.
    if (TeGroot(getal) && gelezen)
        *gelezen = 0;
    return 0;
}

double TekstNaarGetal(std::string& tekst)
{
    for (char& c : tekst)
        if (c == ',')
            c = '.';
    return LeidendGetal(tekst);
}

std::string Formatteer(double x, std::string_view masker)
{
    if (!std::isfinite(x))
        return {};
    const auto punt = masker.find('.');
    int minGeheel = 0, decimalen = 0, minDecimalen = 0;
    for (std::size_t i = 0; i < masker.size(); ++i) {
        const char c = masker[i];
        if (i < punt) {
            minGeheel += c == '0';
        } else if (i > punt) {
            decimalen += c == '0' || c == '#';
            if (c == '0')
                minDecimalen = decimalen;
        }
    }

    std::uint64_t n = 0;
    if (decimalen <= 3 && AfgerondKort(x, decimalen, n)) {
        // The same steps as below, on the digits of n: padded with zeros to
        // the decimals, the whole part to its minimum, trailing zeros of the
        // decimals dropped down to theirs.
        char vol[32];
        int v = 0;
        for (std::uint64_t m = n; m != 0; m /= 10)
            vol[v++] = static_cast<char>('0' + m % 10);  // backwards
        while (v < decimalen)
            vol[v++] = '0';
        const int g = v - decimalen;
        char uit[48];
        int u = 0;
        if (x < 0 && n != 0)
            uit[u++] = '-';
        for (int i = g; i < minGeheel; ++i)
            uit[u++] = '0';
        for (int i = v - 1; i >= decimalen; --i)
            uit[u++] = vol[i];
        if (punt != std::string_view::npos) {
            uit[u++] = '.';
            int laagste = 0;  // the last decimal kept, counted from the right
            while (laagste < decimalen - minDecimalen && vol[laagste] == '0')
                ++laagste;
            for (int i = decimalen - 1; i >= laagste; --i)
                uit[u++] = vol[i];
        }
        return std::string(uit, static_cast<std::size_t>(u));
    }

    Decimaal d = NaarDecimaal(x);
    RondAf(d, decimalen);
    std::string cijfers = d.cijfers;
    if (cijfers.size() < static_cast<std::size_t>(decimalen))
        cijfers.insert(0, static_cast<std::size_t>(decimalen) - cijfers.size(), '0');
    std::string geheel = cijfers.substr(0, cijfers.size() - static_cast<std::size_t>(decimalen));
    std::string breuk = cijfers.substr(geheel.size());
    if (geheel.size() < static_cast<std::size_t>(minGeheel))
        geheel.insert(0, static_cast<std::size_t>(minGeheel) - geheel.size(), '0');
    while (breuk.size() > static_cast<std::size_t>(minDecimalen) && breuk.back() == '0')
        breuk.pop_back();

    std::string uit = d.negatief && !d.cijfers.empty() ? "-" : "";
    uit += geheel;
    if (punt != std::string_view::npos)
        uit += '.' + breuk;
    return uit;
}

std::string CijferNaarTekst(double& x)
{
    if (!std::isfinite(x)) {
        x = -1;
        return "   ";
    }
    // Far outside the grade range there are no tenths to round (and x * 10
    // could overflow); the value stays as it is.
    const double y = std::fabs(x) < 1e15 ? std::floor(x * 10 + 0.500001) / 10 : x;
    x = y;
    if (y < 0 || y > 200)
        return "   ";
    if (y == 0)
        return "0  ";
    if (y < 1)
        return Formatteer(y, "0.#");
    if (y <= 10) {
        const double z = std::floor(y * 10 + 0.500001) / 10;
        const double w = std::floor(y + 0.05);
        return Formatteer(y, w == z ? "##" : "#.#");
    }
    return Formatteer(y, "###");
}

std::string GemiddeldeNaarTekst(double x, bool tweeDecimalen)
{
    if (!std::isfinite(x) || x < 0 || x > 200)
        return {};
    if (x == 0)
        return "0";
    std::uint64_t n = 0;
    if (x < 1) {
        // "0.#0": always two decimals.
        if (AfgerondKort(x, 2, n)) {
            const char tekst[4] = {static_cast<char>('0' + n / 100), '.', static_cast<char>('0' + n / 10 % 10),
                                   static_cast<char>('0' + n % 10)};
            return std::string(tekst, 4);
        }
        return Formatteer(x, "0.#0");
    }
    const bool geheel = std::floor(x) == x;
    if (x < 10) {
        if (geheel)
            return Formatteer(x, "##");
        if (tweeDecimalen) {
            // "#.##": the point stays, trailing zeros of the decimals go
            // ("2." for 1.999).
            if (AfgerondKort(x, 2, n)) {
                char tekst[5];
                int k = 0;
                if (n >= 1000)
                    tekst[k++] = static_cast<char>('0' + n / 1000);
                tekst[k++] = static_cast<char>('0' + n / 100 % 10);
                tekst[k++] = '.';
                if (n % 100 != 0) {
                    tekst[k++] = static_cast<char>('0' + n / 10 % 10);
                    if (n % 10 != 0)
                        tekst[k++] = static_cast<char>('0' + n % 10);
                }
                return std::string(tekst, static_cast<std::size_t>(k));
            }
            return Formatteer(x, "#.##");
        }
        // The plain text's first four characters: d.dd of its 15 digits,
        // taken from x * 100 when the digits certainly go on after those
        // three (its 15-digit form lies within 1e-12 of it).
        const double t = x * 100;
        const double heel = std::floor(t);
        if (t - heel > 1e-9 && t - heel < 1 - 1e-9) {
            const int n = static_cast<int>(heel);
            const char tekst[4] = {static_cast<char>('0' + n / 100), '.', static_cast<char>('0' + n / 10 % 10),
                                   static_cast<char>('0' + n % 10)};
            return std::string(tekst, 4);
        }
        return GetalNaarTekst(x).substr(1, 4);
    }
    if (x <= 100)
        return Formatteer(x, geheel ? "##" : "##.0");
    return Formatteer(x, geheel ? "###" : "###.0");
}

std::string PersNrNaarTekst(std::string_view tekst)
{
    const double v = LeidendGetal(tekst);
    if (!(v > 0 && v <= 999999))
        return "000000";
    const std::string cijfers = "000000" + std::to_string(static_cast<long>(std::floor(v)));
    return cijfers.substr(cijfers.size() - 6);
}

std::string DosTekensOmzetten(std::string_view tekst)
{
    std::string uit(tekst);
    for (char& c : uit) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0xA5)
            c = static_cast<char>(dosNaarWindows[b - 0x80]);
    }
    return uit;
}

std::size_t GetalNaarTekst(double x, char* uit)
{
    if (!std::isfinite(x)) {  // no value: a file never holds inf or nan
        uit[0] = '-';
        uit[1] = '1';
        return 2;
    }
    if (x == std::floor(x) && std::fabs(x) < 1e15) {  // whole numbers, most of a file
        uit[0] = x < 0 ? '-' : ' ';
        const auto r = std::to_chars(uit + 1, uit + 24, static_cast<long long>(std::fabs(x)));
        return static_cast<std::size_t>(r.ptr - uit);
    }
    char cijfers[15];
    int e = 0;
    VijftienCijfers(x, cijfers, e);
    if (cijfers[0] == '0') {  // zero (also -0)
        uit[0] = ' ';
        uit[1] = '0';
        return 2;
    }
    if (e == 308 && std::memcmp(cijfers, "179769313486231", 15) > 0) {
        // Rounded up past the largest double, the text would not read back:
        // the largest values keep their 15 digits rounded down.
        std::memcpy(cijfers, "179769313486231", 15);
    }
    int n = 15;  // without trailing zeros
    while (n > 1 && cijfers[n - 1] == '0')
        --n;

    int u = 0;
    uit[u++] = x < 0 ? '-' : ' ';
    const auto voeg = [&](const char* van, int aantal) {
        std::memcpy(uit + u, van, static_cast<std::size_t>(aantal));
        u += aantal;
    };
    if (e >= 15 || e <= -5) {
        uit[u++] = cijfers[0];
        if (n > 1) {
            uit[u++] = '.';
            voeg(cijfers + 1, n - 1);
        }
        char exp[16];
        voeg(exp, std::snprintf(exp, sizeof exp, "E%c%02d", e < 0 ? '-' : '+', std::abs(e)));
    } else if (e < 0) {
        uit[u++] = '.';
        for (int i = 0; i < -e - 1; ++i)
            uit[u++] = '0';
        voeg(cijfers, n);
    } else if (n <= e + 1) {
        voeg(cijfers, n);
        for (int i = n; i < e + 1; ++i)
            uit[u++] = '0';
    } else {
        voeg(cijfers, e + 1);
        uit[u++] = '.';
        voeg(cijfers + e + 1, n - e - 1);
    }
    return static_cast<std::size_t>(u);
}

std::string GetalNaarTekst(double x)
{
    char uit[32];
    return std::string(uit, GetalNaarTekst(x, uit));
}

namespace {

// The number at the start of a stored text as TekstNaarGetal reads it, the
// text itself left as it is.
double Leeswaarde(std::string_view tekst, std::size_t* gelezen = nullptr)
{
    if (tekst.find(',') == std::string_view::npos)
        return LeidendGetal(tekst, gelezen);
    std::string kopie(tekst);
    for (char& c : kopie)
        if (c == ',')
            c = '.';
    return LeidendGetal(kopie, gelezen);
}

}  // namespace

double OpgeslagenWaarde(std::string_view tekst) { return Leeswaarde(tekst); }

bool Onvoldoende(std::string_view tekst, double grens)
{
    if (IsLeeg(tekst))
        return false;
    const double v = OpgeslagenWaarde(tekst);
    return v >= 0 && v <= grens;
}

std::string Tweecijferig(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

namespace {

// A text without a number is refused too: read as 0 it would become a
// grade 0 that pulls every average down.
bool Genomen(std::size_t gelezen, double waarde, double hoogste)
{
    return gelezen > 0 && waarde >= 0 && waarde <= hoogste;
}

}  // namespace

double Opslagwaarde(std::string& tekst, double waarde)
{
    tekst = CijferNaarTekst(waarde);
    return TekstNaarGetal(tekst);
}

bool HoudtWaarde(std::string_view opgeslagen, double waarde)
{
    return !IsLeeg(opgeslagen) && waarde == OpgeslagenWaarde(opgeslagen);
}

bool Invoerbaar(std::string_view tekst, double hoogste, double& waarde)
{
    waarde = 0;
    if (IsLeeg(tekst))
        return true;
    std::size_t gelezen = 0;
    waarde = Leeswaarde(tekst, &gelezen);
    if (Genomen(gelezen, waarde, hoogste))
        return true;
    waarde = 0;  // refused: as blank
    return false;
}

Getalinvoer LeesGetalinvoer(std::string& tekst, double hoogste, std::string_view opgeslagen)
{
    Getalinvoer r;
    for (char& c : tekst)
        if (c == ',')
            c = '.';
    std::size_t gelezen = 0;
    r.waarde = LeidendGetal(tekst, &gelezen);
    r.leeg = IsLeeg(tekst);
    if (r.leeg)
        return r;
    if (Genomen(gelezen, r.waarde, hoogste))
        return r;
    if (!IsLeeg(opgeslagen)) {
        const std::size_t n = opgeslagen.size();
        const bool zelfdeTekst = Pas(tekst, n) == opgeslagen && (tekst.size() <= n || IsLeeg(std::string_view(tekst).substr(n)));
        if (zelfdeTekst || (gelezen > 0 && r.waarde == OpgeslagenWaarde(opgeslagen))) {
            r.herhaald = true;
            return r;
        }
    }
    tekst = "   ";
    r.leeg = true;
    r.geweigerd = true;
    r.waarde = 0;
    return r;
}
