#include "reports/Rapportberekening.h"

#include "core/Tekst.h"

#include "Exactrekenen.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct RondAfGeval {
    double waarde;
    int code;
    const char* tekst;
};

void PrintTo(const RondAfGeval& g, std::ostream* os) { *os << g.waarde << " code " << g.code; }

class RondAfTest : public testing::TestWithParam<RondAfGeval> {};

TEST_P(RondAfTest, GivesTheThreeCharacterText)
{
    const auto& g = GetParam();
    EXPECT_EQ(RondAf(g.waarde, g.code), g.tekst) << g.waarde << " code " << g.code;
}

INSTANTIATE_TEST_SUITE_P(Rapport, RondAfTest,
                         testing::Values(RondAfGeval{7.25, 1, "7.3"}, RondAfGeval{7.25, 2, "7.5"},
                                         RondAfGeval{7.25, 3, "7  "}, RondAfGeval{7.74, 1, "7.7"},
                                         RondAfGeval{7.74, 2, "7.5"}, RondAfGeval{7.74, 3, "8  "},
                                         RondAfGeval{9.96, 1, "10 "}, RondAfGeval{0.3, 1, ".3 "},
                                         RondAfGeval{0.5, 1, ".5 "}, RondAfGeval{0.5, 2, ".5 "},
                                         RondAfGeval{0.5, 3, "1  "}, RondAfGeval{6.5, 3, "7  "},
                                         RondAfGeval{153.27, 1, "153"}, RondAfGeval{153.27, 2, "153"},
                                         RondAfGeval{153.27, 3, "153"}, RondAfGeval{7, 4, "7.0"},
                                         RondAfGeval{10, 4, "10."}, RondAfGeval{6.45, 1, "6.5"},
                                         RondAfGeval{6.74, 2, "6.5"}, RondAfGeval{6.75, 2, "7  "},
                                         RondAfGeval{5.5, 3, "6  "}, RondAfGeval{5.49, 3, "5  "},
                                         RondAfGeval{0, 1, "0  "}, RondAfGeval{0, 4, "0  "},
                                         RondAfGeval{-1, 1, "   "}, RondAfGeval{-1, 4, "   "}));

// A pupil's term averages and weight sums set directly, as the grade
// processing leaves them.
void Termijnen(AdmMain& a, int p, int l, std::array<double, 3> gem, std::array<double, 3> som = {1, 1, 1})
{
    for (int t = 1; t <= 3; ++t) {
        a.TrGem(p, t, l) = gem[t - 1];
        a.SomGewicht(p, t, l) = gem[t - 1] == GeenWaarde ? 0 : som[t - 1];
    }
}

void Wegingen(AdmMain& a, int l, std::array<double, 3> w)
{
    for (int t = 1; t <= 3; ++t)
        a.TrimesterWeging(t, l) = w[t - 1];
}

std::array<double, 4> Rapporten(AdmMain& a, int p, int l)
{
    std::array<double, 4> r{};
    for (int k = 1; k <= 4; ++k) {
        BerekenRapportcijfer(a, p, k, l);
        r[k - 1] = a.Rapport(p, k, l);
    }
    return r;
}

struct MethodeGeval {
    const char* naam;
    int methode;
    std::array<double, 3> weging;
    std::array<double, 3> gem;
    std::array<double, 3> som;
    std::array<double, 4> rapport;
};

void PrintTo(const MethodeGeval& g, std::ostream* os) { *os << g.naam; }

class MethodeTest : public testing::TestWithParam<MethodeGeval> {};

TEST_P(MethodeTest, ComputesEachReport)
{
    const auto& g = GetParam();
    AdmMain a;
    a.RapportOptie[5] = g.methode;
    Wegingen(a, 2, g.weging);
    Termijnen(a, 7, 2, g.gem, g.som);
    const auto r = Rapporten(a, 7, 2);
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(r[k], g.rapport[k], 1e-12) << g.naam << " report " << k + 1;
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(a.RapportTxt(7, k, 2).str(), RondAf(a.Rapport(7, k, 2), a.RapportOptie[k])) << g.naam;
}

constexpr double G = GeenWaarde;

INSTANTIATE_TEST_SUITE_P(
    Rapport, MethodeTest,
    testing::Values(
        // A new file: every term weight still -1.
        MethodeGeval{"new file, method 2", 2, {G, G, G}, {6, 7, 8}, {1, 1, 1}, {6, 7, 8, G}},
        MethodeGeval{"method 2, term average -1", 2, {1, 1, 1}, {6, G, 8}, {1, 1, 1}, {6, G, 8, 7}},
        MethodeGeval{"method 2, weights -1 1 1", 2, {G, 1, 1}, {6, 7, 8}, {1, 1, 1}, {6, 7, 8, G}},
        MethodeGeval{"method 3, weights 1 1 2", 3, {1, 1, 2}, {6, 7, 8}, {1, 1, 1}, {6, 6.5, 7.25, 7.25}},
        MethodeGeval{"method 3, term 3 without average", 3, {1, 1, 2}, {6, 7, G}, {1, 1, 1}, {6, 6.5, 6.5, 6.5}},
        MethodeGeval{"method 3, term 2 weight 0", 3, {1, 0, 2}, {6, 7, G}, {1, 1, 1}, {6, 6, 6, 6}},
        MethodeGeval{"method 3, term 2 never weighted", 3, {1, G, 2}, {6, 7, G}, {1, 1, 1}, {6, G, G, G}},
        MethodeGeval{"method 4, grades in term 1 only", 4, {G, G, G}, {6, G, G}, {2, 0, 0}, {6, G, G, 6}},
        MethodeGeval{"method 4, term 2 empty", 4, {G, G, G}, {6, G, 9}, {2, 0, 1}, {6, G, 7, 7}},
        MethodeGeval{"method 4 by weight sums", 4, {1, 1, 1}, {6, 8, 9}, {1, 3, 0.5}, {6, 7.5, 7.66666666666667, 7.66666666666667}}));

TEST(Rapport, MethodOneAndUnknownMethodsLeaveTypedReportsAlone)
{
    for (int methode : {1, 0, 5, -3}) {
        AdmMain a;
        a.RapportOptie[5] = methode;
        Termijnen(a, 1, 1, {6, 7, 8});
        a.Rapport(1, 2, 1) = 5.5;
        a.RapportTxt(1, 2, 1) = "5.5";
        for (int k = 1; k <= 4; ++k)
            BerekenRapportcijfer(a, 1, k, 1);
        EXPECT_EQ(a.Rapport(1, 2, 1), 5.5);
        EXPECT_EQ(a.RapportTxt(1, 2, 1), "5.5");
        EXPECT_EQ(a.Rapport(1, 1, 1), GeenWaarde);
    }
}

TEST(Rapport, KeepsTheValueUnroundedBesideItsRoundedText)
{
    AdmMain a;
    a.RapportOptie = {0, 1, 2, 3, 3, 3};
    Wegingen(a, 1, {1, 1, 2});
    Termijnen(a, 1, 1, {6, 7, 8});
    Rapporten(a, 1, 1);
    EXPECT_EQ(a.Rapport(1, 3, 1), 7.25);
    EXPECT_EQ(a.RapportTxt(1, 3, 1), "7  ");
    EXPECT_EQ(a.Rapport(1, 2, 1), 6.5);
    EXPECT_EQ(a.RapportTxt(1, 2, 1), "6.5");
}

struct EindGeval {
    std::array<double, 3> weging;
    std::array<double, 3> gem;
    double eind;
    const char* tekst;
};

void PrintTo(const EindGeval& g, std::ostream* os) { *os << g.tekst; }

class EindgemiddeldeTest : public testing::TestWithParam<EindGeval> {};

TEST_P(EindgemiddeldeTest, WeighsTheTermsWithAWeight)
{
    const auto& g = GetParam();
    AdmMain a;
    Wegingen(a, 1, g.weging);
    Termijnen(a, 4, 1, g.gem);
    JaarGemiddeldeBerekenen(a, 4, 1);
    EXPECT_NEAR(a.EindGem(4, 1), g.eind, 1e-12);
    EXPECT_EQ(a.EindGemTxt(4, 1), g.tekst);
}

INSTANTIATE_TEST_SUITE_P(Rapport, EindgemiddeldeTest,
                         testing::Values(EindGeval{{G, G, G}, {6, 7, 8}, G, "    "},
                                         EindGeval{{G, 1, 1}, {6, 7, 8}, 7.5, "7.5 "},
                                         EindGeval{{1, 0, 2}, {6, 7, 8}, 22.0 / 3, "7.33"},
                                         EindGeval{{1, 1, 1}, {G, G, G}, G, "    "},
                                         // The plain mode: cut, not rounded to two decimals.
                                         EindGeval{{1, 1, 1}, {7.17, 7.17, 7.168}, (7.17 * 2 + 7.168) / 3, "7.16"}));

TEST(Rapport, ClassStatisticsOfAReportUseTheRoundedMeanForTheSpread)
{
    AdmMain a;
    a.Rapport(1, 2, 1) = 7.24;
    a.Rapport(2, 2, 1) = 7.24;
    a.Rapport(3, 2, 2) = 6;
    a.Rapport(4, 2, 2) = 8;
    Rapportgemiddelde(a, 2);
    EXPECT_DOUBLE_EQ(a.RpGem(2, 1), 7.24);
    EXPECT_EQ(a.RpGemTxt(2, 1), "7.2");
    EXPECT_NEAR(a.RpSpr(2, 1), 0.04, 1e-12);
    EXPECT_EQ(a.RpSprTxt(2, 1), "0  ");
    EXPECT_EQ(a.RpGem(2, 2), 7);
    EXPECT_EQ(a.RpGemTxt(2, 2), "7  ");
    EXPECT_EQ(a.RpSpr(2, 2), 1);
    EXPECT_EQ(a.RpSprTxt(2, 2), "1  ");
    EXPECT_EQ(a.RpGem(1, 1), GeenWaarde);
    Rapportgemiddelde(a, 1);
    EXPECT_EQ(a.RpGem(1, 1), GeenWaarde);
    EXPECT_EQ(a.RpSprTxt(1, 2), "   ");
}

TEST(Rapport, ClassStatisticsOfTheEndAveragesUseTheExactMean)
{
    AdmMain a;
    a.EindGem(1, 1) = 7.24;
    a.EindGem(2, 1) = 7.24;
    a.EindGem(5, 1) = 7.25;
    BerekenJaarKlasgemiddelde(a, 1);
    const double m = (7.24 * 2 + 7.25) / 3;
    EXPECT_DOUBLE_EQ(a.KlEindGem(1), m);
    EXPECT_EQ(a.KlEindGemTxt(1), "7.24");
    const double s = std::sqrt((2 * (7.24 - m) * (7.24 - m) + (7.25 - m) * (7.25 - m)) / 3);
    EXPECT_DOUBLE_EQ(a.KlEindSpr(1), s);
    EXPECT_EQ(a.KlEindSprTxt(1), "0.00");
    BerekenJaarKlasgemiddelde(a, 2);
    EXPECT_EQ(a.KlEindGem(2), GeenWaarde);
    EXPECT_EQ(a.KlEindSprTxt(2), "    ");
}

TEST(Rapport, ClassStatisticsAreExactAndTheSameInAnyPupilOrder)
{
    // Summed in pupil order, these term and year averages give a mean one
    // unit off, in the one order or in the other. Level 1 holds them in
    // order, level 2 the other way round.
    const std::vector<double> rapport = {7, 7.91, 4.92, 4.01, 4.95, 6.28, 3.54};
    const std::vector<double> eind = {7.1, 871.0 / 120, 640.0 / 120, 471.0 / 120, 643.0 / 120, 656.0 / 120, 520.0 / 120};
    AdmMain a;
    for (int i = 0; i < 7; ++i) {
        a.Rapport(1 + i, 3, 1) = a.Rapport(36 - i, 3, 2) = rapport[static_cast<std::size_t>(i)];
        a.EindGem(1 + i, 1) = a.EindGem(36 - i, 2) = eind[static_cast<std::size_t>(i)];
    }
    Rapportgemiddelde(a, 3);
    BerekenJaarKlasgemiddelde(a, 1);
    BerekenJaarKlasgemiddelde(a, 2);
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    for (int l = 1; l <= 2; ++l) {
        SCOPED_TRACE("level " + std::to_string(l));
        EXPECT_TRUE(exact::IsExactMiddel(rapport, a.RpGem(3, l)));
        EXPECT_EQ(a.RpGemTxt(3, l), "5.5");
        EXPECT_TRUE(exact::IsExacteSpreidingRond(rapport, 5.5, a.RpSpr(3, l)));
        EXPECT_TRUE(exact::IsExactMiddel(eind, a.KlEindGem(l)));
        EXPECT_TRUE(exact::IsExacteSpreiding(eind, a.KlEindSpr(l)));
    }
    EXPECT_EQ(bits(a.RpGem(3, 1)), bits(a.RpGem(3, 2)));
    EXPECT_EQ(bits(a.RpSpr(3, 1)), bits(a.RpSpr(3, 2)));
    EXPECT_EQ(bits(a.KlEindGem(1)), bits(a.KlEindGem(2)));
    EXPECT_EQ(bits(a.KlEindSpr(1)), bits(a.KlEindSpr(2)));
}

TEST(Rapport, ClassStatisticsOfHugeValuesFromADamagedFileStayFinite)
{
    AdmMain a;
    const double max = std::numeric_limits<double>::max();
    a.Rapport(1, 1, 1) = a.Rapport(2, 1, 1) = a.EindGem(1, 1) = a.EindGem(2, 1) = max;
    a.Rapport(3, 1, 1) = a.EindGem(3, 1) = 7;
    Rapportgemiddelde(a, 1);
    BerekenJaarKlasgemiddelde(a, 1);
    EXPECT_TRUE(exact::IsExactMiddel({max, max, 7}, a.RpGem(1, 1)));
    EXPECT_TRUE(exact::IsExacteSpreidingRond({max, max, 7}, a.RpGem(1, 1), a.RpSpr(1, 1)));
    EXPECT_TRUE(exact::IsExactMiddel({max, max, 7}, a.KlEindGem(1)));
    EXPECT_TRUE(exact::IsExacteSpreiding({max, max, 7}, a.KlEindSpr(1)));
}

// ---- Typed term weights ------------------------------------------------------

struct TermGewichtGeval {
    const char* naam;
    const char* opgeslagenTekst;
    double opgeslagenWaarde;
    const char* invoer;
    const char* terug;
    bool geweigerd;
    const char* tekstNa;
    double waardeNa;
    bool herberekend;
};

void PrintTo(const TermGewichtGeval& g, std::ostream* os) { *os << g.naam; }

class TrimGewichtTest : public testing::TestWithParam<TermGewichtGeval> {};

TEST_P(TrimGewichtTest, StoresAndRecomputes)
{
    const auto& g = GetParam();
    AdmMain a;
    a.RapportOptie[5] = 3;
    a.TrimGewichtTekst(2, 1) = g.opgeslagenTekst;
    a.TrimesterWeging(2, 1) = g.opgeslagenWaarde;
    a.TrimesterWeging(1, 1) = 1;
    a.TrimGewichtTekst(1, 1) = "1";
    Termijnen(a, 1, 1, {6, 8, G});
    // A marker: every recomputation of the level overwrites it.
    a.Rapport(1, 1, 1) = 99;
    std::string tekst = g.invoer;
    const Verwerking v = VerwerkTrimGewicht(a, tekst, 2, 1);
    EXPECT_EQ(v.geweigerd, g.geweigerd) << g.naam;
    EXPECT_EQ(v.gewijzigd, Pas(g.tekstNa, 3) != Pas(g.opgeslagenTekst, 3) || g.waardeNa != g.opgeslagenWaarde)
        << g.naam;
    EXPECT_EQ(tekst, g.terug) << g.naam;
    EXPECT_EQ(a.TrimGewichtTekst(2, 1), g.tekstNa) << g.naam;
    EXPECT_EQ(a.TrimesterWeging(2, 1), g.waardeNa) << g.naam;
    EXPECT_EQ(a.Rapport(1, 1, 1) != 99, g.herberekend) << g.naam;
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, TrimGewichtTest,
    testing::Values(TermGewichtGeval{"new weight", "   ", G, "2", "2", false, "2  ", 2, true},
                    TermGewichtGeval{"comma", "   ", G, "1,5", "1.5", false, "1.5", 1.5, true},
                    TermGewichtGeval{"0 in a new file", "   ", G, "0", "0  ", false, "0  ", G, false},
                    TermGewichtGeval{"same value", "2  ", 2, "2,0", "2", false, "2  ", 2, false},
                    TermGewichtGeval{"changed", "2  ", 2, "3", "3", false, "3  ", 3, true},
                    TermGewichtGeval{"0 over 2", "2  ", 2, "0", "0  ", false, "0  ", 0, true},
                    TermGewichtGeval{"cleared", "2  ", 2, "   ", "   ", false, "   ", 0, true},
                    TermGewichtGeval{"clearing a 0 text", "0  ", 0, "", "", false, "   ", 0, false},
                    TermGewichtGeval{"nothing over nothing", "   ", G, "   ", "   ", false, "   ", G, false},
                    TermGewichtGeval{"10 accepted", "   ", G, "10", "10", false, "10 ", 10, true},
                    TermGewichtGeval{"10.01 refused", "   ", G, "10.01", "   ", true, "   ", G, false},
                    TermGewichtGeval{"-1 refused over 2", "2  ", 2, "-1", "   ", true, "   ", 0, true},
                    TermGewichtGeval{"letters refused", "   ", G, "abc", "   ", true, "   ", G, false},
                    TermGewichtGeval{"letters over 2 clear it", "2  ", 2, "xx", "   ", true, "   ", 0, true},
                    TermGewichtGeval{"a leading number is read", "   ", G, "2x", "2", false, "2  ", 2, true}));

TEST(Rapport, ClearedTermWeightLeavesTheTermOutWhereANeverTypedOneTakesTheReportAway)
{
    AdmMain a;
    a.RapportOptie[5] = 3;
    Termijnen(a, 1, 1, {6, 7, G});
    std::string t1 = "1", t3 = "2", t2 = "0";
    VerwerkTrimGewicht(a, t1, 1, 1);
    VerwerkTrimGewicht(a, t3, 3, 1);
    VerwerkTrimGewicht(a, t2, 2, 1);  // a new file: text only, the term still has no weight
    EXPECT_EQ(a.Rapport(1, 4, 1), GeenWaarde);
    EXPECT_EQ(a.Rapport(1, 1, 1), 6);
    std::string een = "1";
    VerwerkTrimGewicht(a, een, 2, 1);
    EXPECT_EQ(a.Rapport(1, 4, 1), 6.5);
    std::string leeg = "";
    VerwerkTrimGewicht(a, leeg, 2, 1);
    EXPECT_EQ(a.TrimesterWeging(2, 1), 0);
    EXPECT_EQ(a.Rapport(1, 2, 1), 6);
    EXPECT_EQ(a.Rapport(1, 4, 1), 6);
    EXPECT_EQ(a.EindGem(1, 1), 6);
    EXPECT_EQ(a.RpGem(4, 1), 6);
    EXPECT_EQ(a.KlEindGem(1), 6);
}

// ---- Typed report grades -------------------------------------------------------

struct RapportGeval {
    const char* naam;
    const char* opgeslagenTekst;
    double opgeslagenWaarde;
    const char* invoer;
    const char* terug;
    bool geweigerd;
    const char* tekstNa;
    double waardeNa;
};

void PrintTo(const RapportGeval& g, std::ostream* os) { *os << g.naam; }

class RapportcijferTest : public testing::TestWithParam<RapportGeval> {};

TEST_P(RapportcijferTest, StoresTheTypedGrade)
{
    const auto& g = GetParam();
    AdmMain a;
    a.RapportOptie[4] = 3;
    a.RapportTxt(3, 4, 2) = g.opgeslagenTekst;
    a.Rapport(3, 4, 2) = g.opgeslagenWaarde;
    a.RpGem(4, 2) = 42;  // rebuilt only when the report changed
    std::string tekst = g.invoer;
    const Verwerking v = VerwerkRapportcijfer(a, tekst, 3, 4, 2);
    EXPECT_EQ(v.geweigerd, g.geweigerd) << g.naam;
    EXPECT_EQ(v.gewijzigd, Pas(g.tekstNa, 3) != Pas(g.opgeslagenTekst, 3) || g.waardeNa != g.opgeslagenWaarde)
        << g.naam;
    EXPECT_EQ(tekst, g.terug) << g.naam;
    EXPECT_EQ(a.RapportTxt(3, 4, 2), g.tekstNa) << g.naam;
    EXPECT_EQ(a.Rapport(3, 4, 2), g.waardeNa) << g.naam;
    const bool veranderd = g.waardeNa != g.opgeslagenWaarde;
    EXPECT_EQ(a.RpGem(4, 2), veranderd ? g.waardeNa : 42) << g.naam;
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, RapportcijferTest,
    testing::Values(RapportGeval{"comma, any rounding code", "   ", G, "7,25", "7.3", false, "7.3", 7.3},
                    RapportGeval{"11 removes", "6  ", 6, "11", "   ", true, "   ", G},
                    RapportGeval{"blank removes", "6  ", 6, "   ", "   ", false, "   ", G},
                    RapportGeval{"letters refused", "   ", G, "abc", "   ", true, "   ", G},
                    RapportGeval{"letters remove", "6  ", 6, "abc", "   ", true, "   ", G},
                    RapportGeval{"0 is a report", "   ", G, "0", "0  ", false, "0  ", 0},
                    // Typing the text of a computed report keeps its exact value.
                    RapportGeval{"own text again", "7.3", 7.2625, "7.3", "7.3", false, "7.3", 7.2625},
                    // A computed report above 10 (scores) is kept when its box is left.
                    RapportGeval{"computed 153 left", "153", 153.27, "153", "153", false, "153", 153.27},
                    RapportGeval{"computed 153 changed", "153", 153.27, "154", "   ", true, "   ", G},
                    RapportGeval{"10 accepted", "   ", G, "10", "10", false, "10 ", 10}));

TEST(Rapport, NothingOverNothingRecomputesNothing)
{
    AdmMain a;
    a.RpGem(1, 1) = 42;  // marker
    std::string tekst = "  ";
    EXPECT_FALSE(VerwerkRapportcijfer(a, tekst, 1, 1, 1).geweigerd);
    EXPECT_EQ(a.RpGem(1, 1), 42);
    std::string fout = "-2";
    const Verwerking v = VerwerkRapportcijfer(a, fout, 1, 1, 1);
    EXPECT_TRUE(v.geweigerd);
    EXPECT_FALSE(v.gewijzigd);
    EXPECT_EQ(a.RpGem(1, 1), 42);
}

TEST(Rapport, ConfirmedOptionsRecomputeBothLevels)
{
    AdmMain a;
    Termijnen(a, 1, 1, {6.74, 7, 8});
    Termijnen(a, 2, 2, {6.26, 7, 8});
    a.RapportOptieNieuw[1] = 2;
    AfrondcodesToepassen(a);
    EXPECT_EQ(a.RapportOptie[1], 2);
    EXPECT_EQ(a.RapportTxt(1, 1, 1), "6.5");
    EXPECT_EQ(a.RapportTxt(2, 1, 2), "6.5");
    EXPECT_EQ(a.RpGemTxt(1, 1), "6.7");

    // Method 1 keeps every report as it is.
    a.RapportOptieNieuw[5] = 1;
    BerekeningsmethodeToepassen(a);
    EXPECT_EQ(a.RapportOptie[5], 1);
    a.RapportOptieNieuw[1] = 3;
    AfrondcodesToepassen(a);
    EXPECT_EQ(a.RapportTxt(1, 1, 1), "6.5");

    a.RapportOptieNieuw[5] = 2;
    BerekeningsmethodeToepassen(a);
    EXPECT_EQ(a.RapportTxt(1, 1, 1), "7  ");
    EXPECT_EQ(a.Rapport(1, 1, 1), 6.74);
}

// ---- As a file holds them ------------------------------------------------------

struct HerstelGeval {
    const char* naam;
    const char* tekst;
    double waarde;
    const char* wordt;
    double wordtWaarde;
};

void PrintTo(const HerstelGeval& g, std::ostream* os) { *os << g.naam; }

class RapportHerstelTest : public testing::TestWithParam<HerstelGeval> {};

TEST_P(RapportHerstelTest, LeavesWhatTheEntriesLeave)
{
    const auto& g = GetParam();
    AdmMain a;
    a.RapportTxt(3, 2, 1) = g.tekst;
    a.Rapport(3, 2, 1) = g.waarde;
    RapportHerstellen(a, 3, 2, 1);
    EXPECT_EQ(a.RapportTxt(3, 2, 1), g.wordt);
    EXPECT_EQ(a.Rapport(3, 2, 1), g.wordtWaarde);
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, RapportHerstelTest,
    testing::Values(HerstelGeval{"none", "   ", -1, "   ", -1}, HerstelGeval{"blank has no value", "   ", 6, "   ", -1},
                    HerstelGeval{"typed", "7.5", 7.5, "7.5", 7.5},
                    HerstelGeval{"typed, another number", "7.5", 3, "7.5", 7.5},
                    HerstelGeval{"typed with a comma, kept as it stands", "7,5", 1e300, "7,5", 7.5},
                    HerstelGeval{"computed to tenths", "7.3", 7.25, "7.3", 7.25},
                    HerstelGeval{"computed to halves", "7.5", 7.25, "7.5", 7.25},
                    HerstelGeval{"computed to whole numbers", "7  ", 7.25, "7  ", 7.25},
                    HerstelGeval{"computed unrounded", "7.2", 7.25, "7.2", 7.25},
                    HerstelGeval{"computed above 10", "153", 153.27, "153", 153.27},
                    HerstelGeval{"above 10, no rounding of its value", "99 ", 7, "   ", -1},
                    HerstelGeval{"the rounding of a value above 200", "250", 250, "   ", -1},
                    HerstelGeval{"no number", "abc", 7, "   ", -1}, HerstelGeval{"negative", "-1 ", -1, "   ", -1}));

struct TrimHerstelGeval {
    const char* naam;
    const char* tekst;
    double weging;
    const char* wordt;
    double wordtWeging;
};

void PrintTo(const TrimHerstelGeval& g, std::ostream* os) { *os << g.naam; }

class TrimGewichtHerstelTest : public testing::TestWithParam<TrimHerstelGeval> {};

TEST_P(TrimGewichtHerstelTest, LeavesWhatTheEntryLeaves)
{
    const auto& g = GetParam();
    AdmMain a;
    a.TrimGewichtTekst(2, 2) = g.tekst;
    a.TrimesterWeging(2, 2) = g.weging;
    EXPECT_EQ(TrimGewichtHerstellen(a, 2, 2), g.weging != g.wordtWeging);
    EXPECT_EQ(a.TrimGewichtTekst(2, 2), g.wordt);
    EXPECT_EQ(a.TrimesterWeging(2, 2), g.wordtWeging);
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, TrimGewichtHerstelTest,
    testing::Values(TrimHerstelGeval{"never typed", "   ", -1, "   ", -1},
                    TrimHerstelGeval{"cleared", "   ", 0, "   ", 0},
                    TrimHerstelGeval{"blank with a weight", "   ", 5, "   ", 0},
                    TrimHerstelGeval{"typed", "2  ", 2, "2  ", 2},
                    TrimHerstelGeval{"typed, another number", "2  ", 3, "2  ", 2},
                    TrimHerstelGeval{"0 typed into an empty box", "0  ", -1, "0  ", -1},
                    TrimHerstelGeval{"0 typed over a weight", "0  ", 0, "0  ", 0},
                    TrimHerstelGeval{"0 with a weight", "0  ", 4, "0  ", 0},
                    TrimHerstelGeval{"a number kept as it stands", "1e1", 10, "1e1", 10},
                    TrimHerstelGeval{"no number, never typed", "abc", -1, "   ", -1},
                    TrimHerstelGeval{"above 10", "12 ", 12, "   ", 0},
                    TrimHerstelGeval{"negative", "-1 ", 1, "   ", 0}));

}  // namespace
