#include "core/Formule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Geval {
    std::string formule;
    double c;
    int code;
    int positie;  // checked for errors only
    double waarde;
    int modus = 0;
};

std::string Herhaal(const std::string& s, int n)
{
    std::string r;
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}

const double Onwaarde = 12345.0;  // what resultaat holds before the call

}  // namespace

TEST(Formule, ResultsErrorsAndPositions)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Geval gevallen[] = {
        {"1+0.9*c", 7, 0, 0, 7.3},
        {"1 + 0,9 * c", 7, 0, 0, 7.3},
        {"2c", 3, 0, 0, 6},
        {"2(c+1)", 3, 0, 0, 8},
        {"c2", 3, 77, 2, 0},
        {"2 3", 3, 77, 3, 0},
        {"-c^2", 3, 0, 0, -9},
        {"(-c)^2", 3, 0, 0, 9},
        {"-2^2", 0, 0, 0, -4},
        {"2^-3", 0, 0, 0, 0.125},
        {"2^3^2", 0, 0, 0, 64},
        {"10:4", 0, 0, 0, 2.5},
        {"10/4", 0, 0, 0, 2.5},
        {"+.5*S-p", 4, 0, 0, -2},
        {"2e", 0, 0, 0, 2 * std::exp(1.0)},
        {"\xE3", 0, 0, 0, 4 * std::atan(1.0)},
        {"1E2*c", 1, 0, 0, 100},
        {"2.5D-1", 0, 0, 0, 0.25},
        {"1e2", 1, 77, 3, 0},
        {"2E+", 0, 77, 4, 0},
        {"2*(c+1", 1, 77, 7, 0},
        {"c+", 1, 77, 3, 0},
        {"c+  ", 1, 77, 5, 0},
        {"x*c", 1, 77, 1, 0},
        {"c)", 1, 77, 2, 0},
        {"()", 1, 77, 2, 0},
        {".x", 1, 77, 1, 0},
        {"", 1, 77, 1, 0},
        {"   ", 1, 77, 4, 0},
        {"c", 1, 77, 1, 0, 1},
        {"2+3", 1, 0, 0, 5, 1},
        // Faults the tables and the arithmetic cannot hold.
        {"c/(c-1)", 1, 11, 1, 0},
        {"1E300*1E300*c", 1, 6, 1, 0},
        {"10^400", 1, 6, 1, 0},
        {"1E400", 1, 6, 1, 0},
        {"1E-400+c", 1, 0, 0, 1},
        {"c", nan, 6, 1, 0},
        {"(0-8)^(1/3)", 1, 5, 1, 0},
        {"(0-8)^2", 1, 0, 0, 64},
        {"0^-1", 1, 5, 1, 0},
        {"0^0", 1, 0, 0, 1},
        // 28 terms are 55 postfix items; the 29th value does not fit.
        {Herhaal("1+", 27) + "1", 1, 0, 0, 28},
        {Herhaal("1+", 28) + "1", 1, 78, 57, 0},
        // The operator stack holds 29 open parentheses above its bottom.
        {Herhaal("(", 29) + "c" + Herhaal(")", 29), 2, 0, 0, 2},
        {Herhaal("(", 30) + "c" + Herhaal(")", 30), 2, 78, 30, 0},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.formule);
        std::string f = g.formule;
        double r = Onwaarde;
        int positie = -1, code = -1;
        FormuleBerekenen(f, r, positie, code, g.modus, g.c);
        EXPECT_EQ(code, g.code);
        if (g.code == 0) {
            EXPECT_DOUBLE_EQ(r, g.waarde);
        } else {
            EXPECT_EQ(positie, g.positie);
            EXPECT_EQ(r, Onwaarde);
        }
    }
}

TEST(Formule, CommasInNumbersBecomePointsInTheCallersText)
{
    std::string f = "1+0,9*c";
    double r = 0;
    int positie = 0, code = 0;
    FormuleBerekenen(f, r, positie, code, 0, 7);
    EXPECT_EQ(f, "1+0.9*c");
    EXPECT_DOUBLE_EQ(r, 7.3);

    f = "0,5+,x";  // the comma that begins no number is left alone
    FormuleBerekenen(f, r, positie, code, 0, 7);
    EXPECT_EQ(code, 77);
    EXPECT_EQ(f, "0.5+,x");
}
