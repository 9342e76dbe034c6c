#include "core/Getallen.h"

#include "core/Tekst.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

// The 15 significant digits of |x| and the exponent of the first one.
void VijftienCijfers(double x, std::string& cijfers, int& exponent)
{
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(x), std::chars_format::scientific, 14);
    *r.ptr = '\0';  // d.dddddddddddddde±XX
    cijfers.assign(1, buf[0]);
    cijfers.append(buf + 2, 14);
    exponent = std::atoi(buf + 17);
}

Decimaal NaarDecimaal(double x)
{
    Decimaal d;
    d.negatief = x < 0;
    int e = 0;
    VijftienCijfers(x, d.cijfers, e);
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

double LeidendGetal(std::string_view tekst, std::size_t* gelezen)
{
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
    const std::string_view geheelDeel = masker.substr(0, punt);
    const std::string_view breukDeel =
        punt == std::string_view::npos ? std::string_view() : masker.substr(punt + 1);
    int minGeheel = 0;
    for (char c : geheelDeel)
        if (c == '0')
            ++minGeheel;
    int decimalen = 0, minDecimalen = 0;
    for (char c : breukDeel) {
        if (c == '0' || c == '#')
            ++decimalen;
        if (c == '0')
            minDecimalen = decimalen;
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
    if (x < 1)
        return Formatteer(x, "0.#0");
    const bool geheel = std::floor(x) == x;
    if (x < 10) {
        if (geheel)
            return Formatteer(x, "##");
        if (tweeDecimalen)
            return Formatteer(x, "#.##");  // "2." for 1.999: the mask keeps its point
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

std::string GetalNaarTekst(double x)
{
    if (!std::isfinite(x))
        return "-1";  // no value: a file never holds inf or nan
    if (x == std::floor(x) && std::fabs(x) < 1e15) {  // whole numbers, most of a file
        char buf[24];
        buf[0] = x < 0 ? '-' : ' ';
        const auto r = std::to_chars(buf + 1, buf + sizeof buf, static_cast<long long>(std::fabs(x)));
        return std::string(buf, r.ptr);
    }
    std::string cijfers;
    int e = 0;
    VijftienCijfers(x, cijfers, e);
    const std::string teken = x < 0 ? "-" : " ";
    if (cijfers[0] == '0')  // zero (also -0)
        return " 0";
    if (e == 308 && cijfers > "179769313486231") {
        // Rounded up past the largest double, the text would not read back:
        // the largest values keep their 15 digits rounded down.
        cijfers = "179769313486231";
    }
    const auto laatste = cijfers.find_last_not_of('0');
    cijfers.erase(laatste + 1);

    if (e >= 15 || e <= -5) {
        std::string uit = teken + cijfers.substr(0, 1);
        if (cijfers.size() > 1)
            uit += '.' + cijfers.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
        return uit + exp;
    }
    if (e < 0)
        return teken + '.' + std::string(static_cast<std::size_t>(-e - 1), '0') + cijfers;
    const auto geheel = static_cast<std::size_t>(e) + 1;
    if (cijfers.size() <= geheel)
        return teken + cijfers + std::string(geheel - cijfers.size(), '0');
    return teken + cijfers.substr(0, geheel) + '.' + cijfers.substr(geheel);
}

double OpgeslagenWaarde(std::string_view tekst)
{
    if (tekst.find(',') == std::string_view::npos)
        return LeidendGetal(tekst);
    std::string kopie(tekst);
    return TekstNaarGetal(kopie);
}

bool Onvoldoende(std::string_view tekst, double grens)
{
    if (IsLeeg(tekst))
        return false;
    const double v = OpgeslagenWaarde(tekst);
    return v >= 0 && v <= grens;
}

std::string Tweecijferig(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

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
    // A text without a number is refused too: read as 0 it would become a
    // grade 0 that pulls every average down.
    if (gelezen > 0 && r.waarde >= 0 && r.waarde <= hoogste)
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
