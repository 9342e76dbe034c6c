#include "termsheet/Cijferverwerking.h"

#include "core/Cijferbestand.h"
#include "core/Getallen.h"
#include "core/Sorteren.h"
#include "core/Tekst.h"

#include "Exactrekenen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

int TermVan(int c) { return (c - 1) / 16 + 1; }

// Commits a grade and hands back the text as the entry point leaves it.
std::string Cijfer(AdmMain& a, int p, int c, int l, std::string tekst, Verwerking* uit = nullptr)
{
    const Verwerking v = VerwerkCijfer(a, tekst, p, c, TermVan(c), l);
    if (uit)
        *uit = v;
    return tekst;
}

std::string Gewicht(AdmMain& a, int c, int l, std::string tekst, Verwerking* uit = nullptr)
{
    const Verwerking v = VerwerkGewicht(a, tekst, c, TermVan(c), l);
    if (uit)
        *uit = v;
    return tekst;
}

// ---- What the caller gets back and what is stored ------------------------------

struct InvoerGeval {
    const char* naam;
    const char* opgeslagen;  // the cell before
    const char* invoer;
    const char* terug;
    bool geweigerd;
    const char* cel;  // the cell after
};

void PrintTo(const InvoerGeval& g, std::ostream* os) { *os << g.naam; }

class CijferInvoerTest : public testing::TestWithParam<InvoerGeval> {};

TEST_P(CijferInvoerTest, NormalisesAndStores)
{
    const auto& g = GetParam();
    AdmMain a;
    Cijfer(a, 5, 20, 2, g.opgeslagen);
    Verwerking v;
    EXPECT_EQ(Cijfer(a, 5, 20, 2, g.invoer, &v), g.terug);
    EXPECT_EQ(v.geweigerd, g.geweigerd);
    EXPECT_EQ(v.gewijzigd, Pas(g.opgeslagen, 3) != g.cel);
    EXPECT_EQ(a.Cijfer(5, 20, 2), g.cel);
    EXPECT_EQ(a.KlAantal(20, 2), IsLeeg(g.cel) ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cijfer, CijferInvoerTest,
    testing::Values(InvoerGeval{"new grade", "", "7", "7", false, "7  "},
                    InvoerGeval{"comma", "", "6,5", "6.5", false, "6.5"},
                    InvoerGeval{"rounded to tenths", "", "7.25", "7.3", false, "7.3"},
                    InvoerGeval{"whole after rounding", "", "6.96", "7", false, "7  "},
                    InvoerGeval{"score", "", "55,5", "56", false, "56 "},
                    InvoerGeval{"200 accepted", "", "200", "200", false, "200"},
                    InvoerGeval{"0 is a grade", "", "0", "0  ", false, "0  "},
                    InvoerGeval{"same value with a comma", "7.5", "7,5", "7.5", false, "7.5"},
                    InvoerGeval{"same value, not reformatted", "7  ", "7.0", "7.0", false, "7  "},
                    InvoerGeval{"changed", "7.5", "8", "8", false, "8  "},
                    InvoerGeval{"removed", "7.5", "   ", "   ", false, "   "},
                    InvoerGeval{"empty text removes", "7.5", "", "", false, "   "},
                    InvoerGeval{"nothing over nothing", "", " ", " ", false, "   "},
                    InvoerGeval{"-1 over a grade", "7.5", "-1", "   ", true, "   "},
                    InvoerGeval{"201 over a grade", "7.5", "201", "   ", true, "   "},
                    InvoerGeval{"201 over nothing", "", "201", "   ", true, "   "},
                    InvoerGeval{"range tested before rounding", "", "200.04", "   ", true, "   "},
                    InvoerGeval{"200.04 over 200 removes it", "200", "200.04", "   ", true, "   "},
                    InvoerGeval{"rounded up to 200", "", "199.96", "200", false, "200"},
                    InvoerGeval{"letters refused", "", "ziek", "   ", true, "   "},
                    InvoerGeval{"letters remove a grade", "6  ", "ziek", "   ", true, "   "},
                    InvoerGeval{"a point alone", "", ".", "   ", true, "   "},
                    InvoerGeval{"too large to read", "", "1e999", "   ", true, "   "},
                    InvoerGeval{"leading number read", "", "7a", "7", false, "7  "},
                    InvoerGeval{"blanks inside skipped", "", "5 5", "55", false, "55 "}));

TEST(Cijfer, AStoredValueOutsideTheRangeStaysWhenCommittedUnchanged)
{
    // Only a damaged file holds such a cell; entering and leaving it keeps it.
    AdmMain a;
    a.Cijfer(2, 3, 1) = "999";
    a.KlAantal(3, 1) = 1;
    a.KlGem(3, 1) = 999;
    a.KlSpr(3, 1) = 0;
    Verwerking v{true, true};
    EXPECT_EQ(Cijfer(a, 2, 3, 1, "999", &v), "999");
    EXPECT_FALSE(v.geweigerd);
    EXPECT_FALSE(v.gewijzigd);
    EXPECT_EQ(a.Cijfer(2, 3, 1), "999");
    EXPECT_EQ(Cijfer(a, 2, 3, 1, "998", &v), "   ");
    EXPECT_TRUE(v.geweigerd);
    EXPECT_TRUE(v.gewijzigd);
    EXPECT_EQ(a.KlAantal(3, 1), 0);
}

TEST(Cijfer, TermMustHoldTheColumn)
{
    AdmMain a;
    std::string t = "7";
    EXPECT_THROW(VerwerkCijfer(a, t, 1, 17, 1, 1), std::out_of_range);
    EXPECT_THROW(VerwerkCijfer(a, t, 37, 1, 1, 1), std::out_of_range);
    EXPECT_THROW(VerwerkGewicht(a, t, 49, 3, 1), std::out_of_range);
    EXPECT_EQ(a.KlAantal(17, 1), 0);
}

// ---- Column statistics -----------------------------------------------------------

TEST(Cijfer, ColumnStatisticsFollowEveryChange)
{
    AdmMain a;
    Cijfer(a, 1, 4, 1, "7");
    EXPECT_EQ(a.KlAantal(4, 1), 1);
    EXPECT_EQ(a.KlGem(4, 1), 7);
    EXPECT_EQ(a.KlGemTxt(4, 1), "7   ");
    EXPECT_EQ(a.KlSpr(4, 1), 0);
    EXPECT_EQ(a.KlSprTxt(4, 1), "0   ");

    Cijfer(a, 1, 4, 1, "6.3");  // the only grade changed
    EXPECT_EQ(a.KlGem(4, 1), 6.3);
    EXPECT_EQ(a.KlSpr(4, 1), 0);

    Cijfer(a, 2, 4, 1, "8.2");
    Cijfer(a, 3, 4, 1, "5.9");
    EXPECT_EQ(a.KlAantal(4, 1), 3);
    const double m = (6.3 + 8.2 + 5.9) / 3;
    EXPECT_NEAR(a.KlGem(4, 1), m, 1e-12);
    EXPECT_EQ(a.KlGemTxt(4, 1), "6.8 ");
    const double s = std::sqrt(((6.3 - m) * (6.3 - m) + (8.2 - m) * (8.2 - m) + (5.9 - m) * (5.9 - m)) / 3);
    EXPECT_NEAR(a.KlSpr(4, 1), s, 1e-12);
    EXPECT_EQ(a.KlSprTxt(4, 1), "1.  ");  // 1.0033 by the mask "#.##"

    // Two grades removed: the one left has spread 0 exactly, not a rounding rest.
    Cijfer(a, 2, 4, 1, "");
    Cijfer(a, 1, 4, 1, "");
    EXPECT_EQ(a.KlAantal(4, 1), 1);
    EXPECT_EQ(a.KlGem(4, 1), 5.9);
    EXPECT_EQ(a.KlSpr(4, 1), 0);
    EXPECT_EQ(a.KlSprTxt(4, 1), "0   ");

    Cijfer(a, 3, 4, 1, "-1");
    EXPECT_EQ(a.KlAantal(4, 1), 0);
    EXPECT_EQ(a.KlGem(4, 1), GeenWaarde);
    EXPECT_EQ(a.KlSpr(4, 1), GeenWaarde);
    EXPECT_EQ(a.KlGemTxt(4, 1), "    ");
    EXPECT_EQ(a.KlSprTxt(4, 1), "    ");
}

TEST(Cijfer, TheStatisticsUseTheStoredTextNotTheTypedNumber)
{
    AdmMain a;
    Gewicht(a, 1, 1, "1");
    Cijfer(a, 1, 1, 1, "7.25");
    Cijfer(a, 2, 1, 1, "55,5");
    EXPECT_NEAR(a.KlGem(1, 1), (7.3 + 56) / 2, 1e-12);
    EXPECT_EQ(a.TrGem(1, 1, 1), 7.3);
    EXPECT_EQ(a.TrGem(2, 1, 1), 56);
}

// ---- Pupil averages ----------------------------------------------------------------

TEST(Cijfer, WeightedTermAndYearAverages)
{
    AdmMain a;
    Gewicht(a, 1, 1, "1");
    Gewicht(a, 2, 1, "3");
    Gewicht(a, 17, 1, "2");
    Cijfer(a, 6, 1, 1, "8");
    EXPECT_EQ(a.TrGem(6, 1, 1), 8);
    EXPECT_EQ(a.SomGewicht(6, 1, 1), 1);
    EXPECT_EQ(a.TrGemTxt(6, 1, 1), "8   ");
    Cijfer(a, 6, 2, 1, "6");
    Cijfer(a, 6, 17, 1, "5");
    EXPECT_EQ(a.TrGem(6, 1, 1), 6.5);
    EXPECT_EQ(a.SomGewicht(6, 1, 1), 4);
    EXPECT_EQ(a.TrGem(6, 2, 1), 5);
    EXPECT_EQ(a.SomGewicht(6, 2, 1), 2);
    EXPECT_NEAR(a.JrGem(6, 1), (8 + 18 + 10) / 6.0, 1e-12);
    EXPECT_EQ(a.SomGewichtJaar(6, 1), 6);
    EXPECT_EQ(a.JrGemTxt(6, 1), "6   ");
    Cijfer(a, 6, 1, 1, "9.9");
    EXPECT_NEAR(a.TrGem(6, 1, 1), (9.9 + 18) / 4, 1e-12);
    EXPECT_EQ(a.TrGemTxt(6, 1, 1), "6.97");  // the plain mode cuts: 6.975
    EXPECT_NEAR(a.JrGem(6, 1), (9.9 + 18 + 10) / 6, 1e-12);

    // Removing the only weighted grade of a term.
    Cijfer(a, 6, 17, 1, "");
    EXPECT_EQ(a.TrGem(6, 2, 1), GeenWaarde);
    EXPECT_EQ(a.TrGemTxt(6, 2, 1), "    ");
    EXPECT_EQ(a.SomGewicht(6, 2, 1), 0);
    EXPECT_EQ(a.KlTrAantal(2, 1), 0);
    EXPECT_EQ(a.KlTrGem(2, 1), GeenWaarde);
    EXPECT_EQ(a.KlTrSprTxt(2, 1), "    ");
    EXPECT_EQ(a.SomGewichtJaar(6, 1), 4);
}

TEST(Cijfer, AGradeInAColumnWithoutWeightLeavesTheAveragesAlone)
{
    AdmMain a;
    Gewicht(a, 1, 1, "2");
    Cijfer(a, 1, 1, 1, "6");
    a.TrGemTxt(1, 1, 1) = "mark";  // untouched when the column has no weight
    a.Rapport(1, 1, 1) = 99;       // recomputed all the same
    Cijfer(a, 1, 3, 1, "9");
    EXPECT_EQ(a.KlAantal(3, 1), 1);
    EXPECT_EQ(a.KlGem(3, 1), 9);
    EXPECT_EQ(a.TrGem(1, 1, 1), 6);
    EXPECT_EQ(a.TrGemTxt(1, 1, 1), "mark");
    EXPECT_EQ(a.SomGewicht(1, 1, 1), 2);
    EXPECT_EQ(a.JrGem(1, 1), 6);
    EXPECT_EQ(a.SomGewichtJaar(1, 1), 2);
    EXPECT_EQ(a.Rapport(1, 1, 1), 6);
}

TEST(Cijfer, AGradeOfTermTwoRecomputesReportsTwoToFourOnly)
{
    AdmMain a;
    Gewicht(a, 17, 2, "1");
    for (int k = 1; k <= 4; ++k)
        a.Rapport(8, k, 2) = 42;
    for (int t = 1; t <= 3; ++t)
        a.TrimesterWeging(t, 2) = 1;
    Cijfer(a, 8, 17, 2, "6");
    EXPECT_EQ(a.Rapport(8, 1, 2), 42);
    EXPECT_EQ(a.Rapport(8, 2, 2), 6);
    EXPECT_EQ(a.RapportTxt(8, 2, 2), "6  ");
    EXPECT_EQ(a.Rapport(8, 3, 2), GeenWaarde);
    EXPECT_EQ(a.Rapport(8, 4, 2), 6);
    EXPECT_EQ(a.RapportTxt(8, 4, 2), "6  ");
    EXPECT_EQ(a.EindGem(8, 2), 6);
    EXPECT_EQ(a.EindGemTxt(8, 2), "6   ");
}

// ---- Class statistics of the term and year averages ---------------------------------

TEST(Cijfer, ClassStatisticsOfTermAndYearAverages)
{
    AdmMain a;
    Gewicht(a, 33, 1, "1");
    Gewicht(a, 1, 1, "1");
    Cijfer(a, 1, 33, 1, "6");
    EXPECT_EQ(a.KlTrAantal(3, 1), 1);
    EXPECT_EQ(a.KlTrGem(3, 1), 6);
    EXPECT_EQ(a.KlTrSpr(3, 1), 0);
    EXPECT_EQ(a.KlTrSprTxt(3, 1), "0   ");
    Cijfer(a, 2, 33, 1, "8");
    EXPECT_EQ(a.KlTrAantal(3, 1), 2);
    EXPECT_EQ(a.KlTrGem(3, 1), 7);
    EXPECT_EQ(a.KlTrSpr(3, 1), 1);
    EXPECT_EQ(a.KlTrGemTxt(3, 1), "7   ");
    EXPECT_EQ(a.KlTrSprTxt(3, 1), "1   ");

    // The year statistics follow the year averages over all columns.
    Cijfer(a, 1, 1, 1, "9");
    EXPECT_EQ(a.KlJrAantal(1), 2);
    EXPECT_NEAR(a.KlJrGem(1), (7.5 + 8) / 2, 1e-12);
    EXPECT_NEAR(a.KlJrSpr(1), 0.25, 1e-12);
    EXPECT_EQ(a.KlJrGemTxt(1), "7.75");
    EXPECT_EQ(a.KlJrSprTxt(1), "0.25");
    EXPECT_EQ(a.KlTrAantal(1, 1), 1);

    // An average recomputed to the same value touches no class statistic.
    a.KlTrGemTxt(3, 1) = "mark";
    Cijfer(a, 1, 34, 1, "3");  // column without weight
    EXPECT_EQ(a.KlTrGemTxt(3, 1), "mark");

    Cijfer(a, 1, 33, 1, "");
    Cijfer(a, 2, 33, 1, "");
    EXPECT_EQ(a.KlTrAantal(3, 1), 0);
    EXPECT_EQ(a.KlTrGem(3, 1), GeenWaarde);
    EXPECT_EQ(a.KlTrSpr(3, 1), GeenWaarde);
    EXPECT_EQ(a.KlTrGemTxt(3, 1), "    ");
    EXPECT_EQ(a.KlTrAantal(1, 1), 1);
    EXPECT_EQ(a.KlTrAantal(3, 2), 0);
}

TEST(Cijfer, TwoEqualAveragesHaveSpreadZero)
{
    AdmMain a;
    Gewicht(a, 1, 1, "3");
    Cijfer(a, 1, 1, 1, "6.1");
    Cijfer(a, 2, 1, 1, "9.7");
    Cijfer(a, 3, 1, 1, "6.1");
    Cijfer(a, 2, 1, 1, "");
    EXPECT_EQ(a.KlTrSpr(1, 1), 0);
    EXPECT_EQ(a.KlTrSprTxt(1, 1), "0   ");
    EXPECT_EQ(a.KlSpr(1, 1), 0);
    EXPECT_EQ(a.KlJrSpr(1), 0);
}

TEST(Cijfer, EqualAveragesWhoseMeanIsNotExactHaveSpreadZero)
{
    // Three times 1.4 adds up to a mean just below 1.4: the spread stays 0.
    AdmMain a;
    Gewicht(a, 1, 1, "1");
    for (int p = 1; p <= 3; ++p)
        Cijfer(a, p, 1, 1, "1.4");
    EXPECT_EQ(a.KlTrAantal(1, 1), 3);
    EXPECT_EQ(a.KlTrGem(1, 1), 1.4);
    EXPECT_EQ(a.KlTrSpr(1, 1), 0);
    EXPECT_EQ(a.KlTrSprTxt(1, 1), "0   ");
    EXPECT_EQ(a.KlJrGem(1), 1.4);
    EXPECT_EQ(a.KlJrSpr(1), 0);
    EXPECT_EQ(a.KlJrSprTxt(1), "0   ");
    EXPECT_EQ(a.KlSprTxt(1, 1), "0   ");
}

// The pupils' term averages of term t (year averages for t = 0) that have a value.
std::vector<double> Gemiddelden(const AdmMain& a, int t, int l)
{
    std::vector<double> v;
    for (int p = 1; p <= 36; ++p) {
        const double x = t == 0 ? a.JrGem(p, l) : a.TrGem(p, t, l);
        if (x != GeenWaarde)
            v.push_back(x);
    }
    return v;
}

// Summed one after the other, as a plain loop over the pupils would.
double OpVolgorde(const std::vector<double>& v)
{
    double som = 0;
    for (double x : v)
        som += x;
    return som / static_cast<double>(v.size());
}

// The lines in which two file texts differ, numbered from 1.
std::vector<std::string> Verschillen(const std::string& a, const std::string& b)
{
    std::vector<std::string> r;
    std::size_t i = 0, j = 0;
    for (int regel = 1; i < a.size() || j < b.size(); ++regel) {
        const std::size_t ei = std::min(a.find('\n', i), a.size()), ej = std::min(b.find('\n', j), b.size());
        if (a.compare(i, ei - i, b, j, ej - j) != 0)
            r.push_back(std::to_string(regel) + ": " + a.substr(i, ei - i) + " | " + b.substr(j, ej - j));
        i = ei + 1;
        j = ej + 1;
    }
    return r;
}

TEST(Cijfer, ClassStatisticsAreExactAndTheSameInAnyPupilOrder)
{
    // Seven pupils whose term and year averages, summed in pupil order, give
    // a mean one unit off in the last of its fifteen digits.
    AdmMain a;
    Gewicht(a, 1, 1, "3");
    Gewicht(a, 2, 1, "7");
    Gewicht(a, 17, 1, "2");
    const char* cijfers[7][3] = {{"7", "7", "7.6"},     {"4.2", "9.5", "4"},   {"4.5", "5.1", "7.4"},
                                 {"3.8", "4.1", "3.5"}, {"1.8", "6.3", "7.4"}, {"6", "6.4", "1.4"},
                                 {"6.2", "2.4", "8.3"}};
    for (int p = 1; p <= 7; ++p) {
        Cijfer(a, p, 1, 1, cijfers[p - 1][0]);
        Cijfer(a, p, 2, 1, cijfers[p - 1][1]);
        Cijfer(a, p, 17, 1, cijfers[p - 1][2]);
    }
    const std::vector<double> term = Gemiddelden(a, 1, 1), jaar = Gemiddelden(a, 0, 1);
    ASSERT_EQ(term.size(), 7u);
    EXPECT_TRUE(exact::IsExactMiddel(term, a.KlTrGem(1, 1)));
    EXPECT_TRUE(exact::IsExacteSpreiding(term, a.KlTrSpr(1, 1)));
    EXPECT_TRUE(exact::IsExactMiddel(jaar, a.KlJrGem(1)));
    EXPECT_TRUE(exact::IsExacteSpreiding(jaar, a.KlJrSpr(1)));
    EXPECT_EQ(GetalNaarTekst(a.KlTrGem(1, 1)), " 5.51571428571429");
    EXPECT_EQ(GetalNaarTekst(a.KlJrGem(1)), " 5.53928571428571");
    EXPECT_EQ(GetalNaarTekst(OpVolgorde(term)), " 5.51571428571428");  // what the fixture is about
    EXPECT_EQ(GetalNaarTekst(OpVolgorde(jaar)), " 5.53928571428572");

    // The class turned round, a grade typed and back, and turned round
    // again: the file holds the same bytes.
    const std::string voor = CijferbestandTekst(a);
    Volgorde om(37);
    for (int i = 1; i <= 36; ++i)
        om[static_cast<std::size_t>(i)] = 37 - i;
    LeerlingenHerordenen(a, om);
    Cijfer(a, 30, 1, 1, "5");  // pupil 7
    Cijfer(a, 30, 1, 1, "6.2");
    LeerlingenHerordenen(a, om);
    EXPECT_EQ(Verschillen(CijferbestandTekst(a), voor), std::vector<std::string>{});
}

TEST(Cijfer, TheClassSpreadIsTheExactRootRoundedOnce)
{
    // Taken around the rounded mean and then rooted, this spread comes out
    // one unit above the nearest double.
    AdmMain a;
    Gewicht(a, 1, 1, "3");
    Gewicht(a, 2, 1, "7");
    const char* cijfers[5][2] = {{"7.1", "7.7"}, {"3.1", "6.4"}, {"8.7", "6.7"}, {"7.5", "6.3"}, {"1.4", "7"}};
    for (int p = 1; p <= 5; ++p) {
        Cijfer(a, p, 1, 1, cijfers[p - 1][0]);
        Cijfer(a, p, 2, 1, cijfers[p - 1][1]);
    }
    const std::vector<double> term = Gemiddelden(a, 1, 1);
    EXPECT_EQ(term, (std::vector<double>{7.52, 5.41, 7.3, 6.66, 5.32}));
    EXPECT_TRUE(exact::IsExacteSpreiding(term, a.KlTrSpr(1, 1)));
    EXPECT_EQ(GetalNaarTekst(a.KlTrSpr(1, 1)), " .924086576030623");
    EXPECT_TRUE(exact::IsExacteSpreiding(Gemiddelden(a, 0, 1), a.KlJrSpr(1)));
}

TEST(Cijfer, ClassStatisticsOfHugeAveragesFromADamagedFileStayFinite)
{
    AdmMain a;
    Gewicht(a, 1, 1, "1");
    const double max = std::numeric_limits<double>::max();
    a.TrGem(1, 1, 1) = a.TrGem(2, 1, 1) = a.JrGem(1, 1) = a.JrGem(2, 1) = max;
    Cijfer(a, 3, 1, 1, "7");
    for (const std::vector<double>& v : {Gemiddelden(a, 1, 1), Gemiddelden(a, 0, 1)})
        EXPECT_EQ(v, (std::vector<double>{max, max, 7}));
    EXPECT_TRUE(exact::IsExactMiddel({max, max, 7}, a.KlTrGem(1, 1)));
    EXPECT_TRUE(exact::IsExacteSpreiding({max, max, 7}, a.KlTrSpr(1, 1)));
    EXPECT_TRUE(exact::IsExactMiddel({max, max, 7}, a.KlJrGem(1)));
    EXPECT_TRUE(exact::IsExacteSpreiding({max, max, 7}, a.KlJrSpr(1)));
}

// ---- Weights ---------------------------------------------------------------------------

struct GewichtGeval {
    const char* naam;
    const char* opgeslagen;
    const char* invoer;
    const char* terug;
    bool geweigerd;
    const char* tekst;
    double waarde;
};

void PrintTo(const GewichtGeval& g, std::ostream* os) { *os << g.naam; }

class GewichtInvoerTest : public testing::TestWithParam<GewichtGeval> {};

TEST_P(GewichtInvoerTest, NormalisesAndStores)
{
    const auto& g = GetParam();
    AdmMain a;
    Gewicht(a, 40, 2, g.opgeslagen);
    const std::string tekstVoor = a.KolomGewicht(40, 2).str();
    const double waardeVoor = a.GewichtWaarde(40, 2);
    Verwerking v;
    EXPECT_EQ(Gewicht(a, 40, 2, g.invoer, &v), g.terug);
    EXPECT_EQ(v.geweigerd, g.geweigerd);
    EXPECT_EQ(v.gewijzigd, g.tekst != tekstVoor || g.waarde != waardeVoor);
    EXPECT_EQ(a.KolomGewicht(40, 2), g.tekst);
    EXPECT_EQ(a.GewichtWaarde(40, 2), g.waarde);
}

INSTANTIATE_TEST_SUITE_P(
    Gewicht, GewichtInvoerTest,
    testing::Values(GewichtGeval{"new weight", "", "2", "2", false, "2  ", 2},
                    GewichtGeval{"comma", "", "1,55", "1.6", false, "1.6", 1.6},
                    GewichtGeval{"0 into an empty box", "", "0", "0  ", false, "0  ", GeenWaarde},
                    GewichtGeval{"0 over 2", "2", "0", "0  ", false, "0  ", GeenWaarde},
                    GewichtGeval{"2 over 0", "0", "2", "2", false, "2  ", 2},
                    GewichtGeval{"same weight", "2", "2.0", "2", false, "2  ", 2},
                    GewichtGeval{"changed", "2", "0,5", "0.5", false, "0.5", 0.5},
                    GewichtGeval{"removed", "2", "", "", false, "   ", GeenWaarde},
                    GewichtGeval{"blank over 0", "0", " ", " ", false, "   ", GeenWaarde},
                    GewichtGeval{"10 accepted", "", "10", "10", false, "10 ", 10},
                    GewichtGeval{"10.04 refused", "", "10.04", "   ", true, "   ", GeenWaarde},
                    GewichtGeval{"refused over 2 removes", "2", "-0.5", "   ", true, "   ", GeenWaarde},
                    GewichtGeval{"letters refused", "", "abc", "   ", true, "   ", GeenWaarde},
                    GewichtGeval{"letters over 2 remove", "2", "x", "   ", true, "   ", GeenWaarde}));

TEST(Gewicht, AWeightTakesEveryGradedPupilAlong)
{
    AdmMain a;
    for (int t = 1; t <= 3; ++t)
        a.TrimesterWeging(t, 1) = 1;
    Gewicht(a, 17, 1, "1");
    Cijfer(a, 1, 17, 1, "8");
    Cijfer(a, 2, 17, 1, "6");
    Cijfer(a, 1, 18, 1, "4");
    Cijfer(a, 2, 18, 1, "9");
    Cijfer(a, 3, 17, 1, "7");  // no grade in column 18
    a.Rapport(1, 1, 1) = 42;   // earlier term: untouched
    EXPECT_EQ(Gewicht(a, 18, 1, "3"), "3");
    EXPECT_EQ(a.TrGem(1, 2, 1), (8 + 12) / 4.0);
    EXPECT_EQ(a.TrGem(2, 2, 1), (6 + 27) / 4.0);
    EXPECT_EQ(a.TrGem(3, 2, 1), 7);
    EXPECT_EQ(a.SomGewicht(1, 2, 1), 4);
    EXPECT_EQ(a.SomGewicht(3, 2, 1), 1);
    EXPECT_EQ(a.JrGem(2, 1), (6 + 27) / 4.0);
    EXPECT_NEAR(a.KlTrGem(2, 1), (5 + 8.25 + 7) / 3, 1e-12);
    EXPECT_EQ(a.Rapport(1, 2, 1), 5);
    EXPECT_EQ(a.Rapport(2, 4, 1), 8.25);
    EXPECT_EQ(a.EindGem(2, 1), 8.25);
    EXPECT_EQ(a.Rapport(1, 1, 1), 42);
    EXPECT_EQ(a.KlAantal(18, 1), 2);  // column statistics do not depend on the weight

    // Weight 0: the column's grades leave every average.
    EXPECT_EQ(Gewicht(a, 18, 1, "0"), "0  ");
    EXPECT_EQ(a.TrGem(1, 2, 1), 8);
    EXPECT_EQ(a.SomGewicht(2, 2, 1), 1);
    EXPECT_EQ(a.EindGem(2, 1), 6);

    // Removing the weight of the only weighted column.
    Gewicht(a, 17, 1, "");
    EXPECT_EQ(a.TrGem(3, 2, 1), GeenWaarde);
    EXPECT_EQ(a.TrGemTxt(3, 2, 1), "    ");
    EXPECT_EQ(a.SomGewicht(3, 2, 1), 0);
    EXPECT_EQ(a.KlTrAantal(2, 1), 0);
    EXPECT_EQ(a.KlJrAantal(1), 0);
    EXPECT_EQ(a.EindGem(3, 1), GeenWaarde);
}

TEST(Gewicht, AWeightWithoutGradesOrUnchangedTouchesNoAverage)
{
    AdmMain a;
    Gewicht(a, 5, 1, "2");
    Cijfer(a, 1, 5, 1, "7");
    a.Rapport(1, 1, 1) = 42;  // marker: a recomputation would overwrite it
    Gewicht(a, 5, 1, "2,0");
    Gewicht(a, 6, 1, "4");
    EXPECT_EQ(a.Rapport(1, 1, 1), 42);
    EXPECT_EQ(a.GewichtWaarde(6, 1), 4);
    EXPECT_EQ(a.SomGewicht(1, 1, 1), 2);
}

}  // namespace
