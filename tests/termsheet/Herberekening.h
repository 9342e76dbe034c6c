#pragma once
// Every statistic, average and report recomputed straight from the grades,
// weights and options, and checked against what the entry points keep.

#include "core/AdmMain.h"
#include "core/Getallen.h"
#include "core/Tekst.h"

#include "Exactrekenen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace herberekening {

constexpr double Marge = 1e-9;
constexpr double G = GeenWaarde;

inline double Waarde(std::string_view t)
{
    std::string s(t);
    return TekstNaarGetal(s);
}

inline std::string Vier(double x, bool modus) { return Pas(GemiddeldeNaarTekst(x, modus), 4); }

// The weight with which a column counts: only 0.1..10 are weights.
inline double Weging(const AdmMain& a, int c, int l)
{
    const double w = a.GewichtWaarde(c, l);
    return w > 0 && w <= 10 ? w : 0;
}

struct Stat {
    int n = 0;
    double m = G, s = G;
};

inline Stat Statistiek(const std::vector<double>& v)
{
    Stat r;
    r.n = static_cast<int>(v.size());
    if (v.empty())
        return r;
    double som = 0;
    for (double x : v)
        som += x;
    r.m = som / r.n;
    double kw = 0;
    for (double x : v)
        kw += (x - r.m) * (x - r.m);
    r.s = std::sqrt(kw / r.n);
    return r;
}

inline void StatVergelijken(const char* wat, const Stat& e, int n, double m, std::string_view mTxt, double s,
                     std::string_view sTxt)
{
    SCOPED_TRACE(wat);
    EXPECT_EQ(n, e.n);
    if (e.n == 0) {
        EXPECT_EQ(m, G);
        EXPECT_EQ(s, G);
        EXPECT_EQ(mTxt, "    ");
        EXPECT_EQ(sTxt, "    ");
        return;
    }
    EXPECT_NEAR(m, e.m, Marge);
    EXPECT_NEAR(s, e.s, Marge);
    EXPECT_EQ(mTxt, Vier(m, true));
    EXPECT_EQ(sTxt, Vier(s, true));
}

// A class statistic of the stored averages v: their exact mean and spread,
// each rounded once to the nearest double.
// The exactly rounded value within a few units of x that `exact` accepts, x
// itself when there is none.
template <class Exact>
double ExactBij(double x, const Exact& exact)
{
    double lager = x, hoger = x;
    for (int i = 0; i < 256; ++i, lager = std::nextafter(lager, -1e300), hoger = std::nextafter(hoger, 1e300)) {
        if (exact(lager))
            return lager;
        if (exact(hoger))
            return hoger;
    }
    return x;
}

// `gelezen`: the values were read back from a grade file, whose numbers hold
// 15 digits; they must give the file text of the exact ones.
inline void KlasVergelijken(const char* wat, const std::vector<double>& v, int n, double m, std::string_view mTxt,
                            double s, std::string_view sTxt, bool gelezen = false)
{
    SCOPED_TRACE(wat);
    EXPECT_EQ(n, static_cast<int>(v.size()));
    if (v.empty()) {
        EXPECT_EQ(m, G);
        EXPECT_EQ(s, G);
        EXPECT_EQ(mTxt, "    ");
        EXPECT_EQ(sTxt, "    ");
        return;
    }
    if (gelezen) {
        EXPECT_EQ(GetalNaarTekst(m), GetalNaarTekst(ExactBij(m, [&](double x) { return exact::IsExactMiddel(v, x); })));
        EXPECT_EQ(GetalNaarTekst(s),
                  GetalNaarTekst(ExactBij(s, [&](double x) { return exact::IsExacteSpreiding(v, x); })));
    } else {
        EXPECT_TRUE(exact::IsExactMiddel(v, m)) << std::hexfloat << m;
        EXPECT_TRUE(exact::IsExacteSpreiding(v, s)) << std::hexfloat << s;
    }
    EXPECT_EQ(mTxt, Vier(m, true));
    EXPECT_EQ(sTxt, Vier(s, true));
}

// A pupil's weighted average over columns van..tot, straight from the grades.
struct Gem {
    double som = 0;  // weight sum
    double gem = G;
};

inline Gem Gewogen(const AdmMain& a, int p, int van, int tot, int l)
{
    double sw = 0, sgw = 0;
    for (int c = van; c <= tot; ++c) {
        const double w = Weging(a, c, l);
        if (w > 0 && !a.Cijfer(p, c, l).leeg()) {
            sw += w;
            sgw += w * Waarde(a.Cijfer(p, c, l));
        }
    }
    return sw > 0 ? Gem{sw, sgw / sw} : Gem{};
}

struct Afgeleid {
    // Per level, pupil and term 1..3; index 0 is the year.
    std::array<std::array<std::array<Gem, 4>, 37>, 3> gem;
};

// Checks every column statistic, pupil average, class statistic of the term
// and year averages and end average against the grades; returns the
// averages for the report checks.
inline Afgeleid ControleerAfgeleid(const AdmMain& a, bool gelezen = false)
{
    Afgeleid r;
    for (int l = 1; l <= 2; ++l) {
        for (int c = 1; c <= 48; ++c) {
            std::vector<double> v;
            for (int p = 1; p <= 36; ++p)
                if (!a.Cijfer(p, c, l).leeg())
                    v.push_back(Waarde(a.Cijfer(p, c, l)));
            SCOPED_TRACE("column " + std::to_string(c) + " level " + std::to_string(l));
            StatVergelijken("column", Statistiek(v), a.KlAantal(c, l), a.KlGem(c, l), a.KlGemTxt(c, l), a.KlSpr(c, l),
                            a.KlSprTxt(c, l));
        }
        for (int p = 1; p <= 36; ++p) {
            SCOPED_TRACE("pupil " + std::to_string(p) + " level " + std::to_string(l));
            for (int t = 0; t <= 3; ++t) {
                const Gem e = t == 0 ? Gewogen(a, p, 1, 48, l) : Gewogen(a, p, t * 16 - 15, t * 16, l);
                r.gem[l][p][t] = e;
                const double gem = t == 0 ? a.JrGem(p, l) : a.TrGem(p, t, l);
                const double som = t == 0 ? a.SomGewichtJaar(p, l) : a.SomGewicht(p, t, l);
                const std::string_view txt = t == 0 ? a.JrGemTxt(p, l).view() : a.TrGemTxt(p, t, l).view();
                SCOPED_TRACE(t == 0 ? "year" : "term " + std::to_string(t));
                EXPECT_NEAR(som, e.som, Marge);
                if (e.gem == G) {
                    EXPECT_EQ(gem, G);
                    EXPECT_EQ(txt, "    ");
                } else {
                    EXPECT_NEAR(gem, e.gem, Marge);
                    EXPECT_EQ(txt, Vier(gem, false));
                }
            }
            // End average: the term averages weighted by the term weights.
            double w = 0, s = 0;
            for (int t = 1; t <= 3; ++t)
                if (a.TrimesterWeging(t, l) > 0 && r.gem[l][p][t].gem != G) {
                    w += a.TrimesterWeging(t, l);
                    s += a.TrimesterWeging(t, l) * r.gem[l][p][t].gem;
                }
            if (w == 0) {
                EXPECT_EQ(a.EindGem(p, l), G);
                EXPECT_EQ(a.EindGemTxt(p, l), "    ");
            } else {
                EXPECT_NEAR(a.EindGem(p, l), s / w, Marge);
                EXPECT_EQ(a.EindGemTxt(p, l), Vier(a.EindGem(p, l), false));
            }
        }
        // The class statistics are taken over the stored averages (which
        // match the recomputed ones above).
        for (int t = 0; t <= 3; ++t) {
            std::vector<double> v;
            for (int p = 1; p <= 36; ++p) {
                const double gem = t == 0 ? a.JrGem(p, l) : a.TrGem(p, t, l);
                if (gem != G)
                    v.push_back(gem);
            }
            if (t == 0)
                KlasVergelijken("class year", v, a.KlJrAantal(l), a.KlJrGem(l), a.KlJrGemTxt(l), a.KlJrSpr(l),
                                a.KlJrSprTxt(l), gelezen);
            else
                KlasVergelijken(("class term " + std::to_string(t)).c_str(), v, a.KlTrAantal(t, l), a.KlTrGem(t, l),
                                a.KlTrGemTxt(t, l), a.KlTrSpr(t, l), a.KlTrSprTxt(t, l), gelezen);
        }
    }
    return r;
}

// The report formula of a method, from the recomputed averages.
inline double RapportFormule(const AdmMain& a, const Afgeleid& d, int p, int k, int l)
{
    const int n = k == 4 ? 3 : k;
    switch (a.RapportOptie[5]) {
    case 2:
        if (k < 4)
            return d.gem[l][p][k].gem;
        [[fallthrough]];
    case 3: {
        double w = 0, s = 0;
        for (int t = 1; t <= n; ++t) {
            const double tw = a.TrimesterWeging(t, l);
            if (tw <= -1)
                return G;
            if (tw > 0 && d.gem[l][p][t].gem != G) {
                w += tw;
                s += tw * d.gem[l][p][t].gem;
            }
        }
        return w == 0 ? G : s / w;
    }
    case 4: {
        // Every weighted grade of terms 1..n by its column weight.
        if (k < 4 && d.gem[l][p][k].som == 0)
            return G;
        const Gem g = Gewogen(a, p, 1, n * 16, l);
        return g.gem;
    }
    default:
        return G;
    }
}

inline std::string RondAfHier(double v, int code)
{
    if (v == G)
        return "   ";
    double x = v + 0.0000001;
    if (code == 1)
        x = std::floor(x * 10 + 0.5) * 0.1;
    else if (code == 2)
        x = std::floor(2 * x + 0.5) * 0.5;
    else if (code == 3)
        x = std::floor(x + 0.5);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    std::string t = std::fabs(x) < 0.0001 ? "0" : buf;
    if (t.size() > 1 && t[0] == '0' && t[1] == '.')
        t.erase(0, 1);
    return Pas(t, 3);
}

inline bool Rekent(int methode) { return methode >= 2 && methode <= 4; }

// A computed report (not typed): its formula's value, rounded by its option.
inline void ControleerRapport(const AdmMain& a, const Afgeleid& d, int p, int k, int l)
{
    SCOPED_TRACE("report " + std::to_string(k) + " pupil " + std::to_string(p) + " level " + std::to_string(l));
    ASSERT_TRUE(Rekent(a.RapportOptie[5]));
    const double e = RapportFormule(a, d, p, k, l);
    if (e == G)
        EXPECT_EQ(a.Rapport(p, k, l), G);
    else
        EXPECT_NEAR(a.Rapport(p, k, l), e, Marge);
    EXPECT_EQ(a.RapportTxt(p, k, l), RondAfHier(a.Rapport(p, k, l), a.RapportOptie[k]));
}

}  // namespace herberekening
