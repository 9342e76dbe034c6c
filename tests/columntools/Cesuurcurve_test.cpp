// The cut-off curve: bend points in the graph and in counts and grades, and
// the grade read off the curve, on worked curves.
#include "columntools/Cesuurcurve.h"

#include "core/Getallen.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Voorbeeld {
    const char* naam;
    Cesuursoort soort;
    Knopstand cijfer;  // cut-off grade spinner, tenths
    Knopstand aantal;  // cut-off count spinner, halves
    Curveteksten tekst;
    Knikgeval geval;
    Vorm laag, hoog;
    Lijnstuk lijnLaag, lijnMidden, lijnHoog;
    const char* X2;
    const char* Y2;
    const char* X3;
    const char* Y3;
};

const Voorbeeld voorbeelden[] = {
    // 90 errors at 1.0, 0 at 10.0, cut-off 30 errors at 5.5: below the line.
    {"FoutenOnderDeLijn", Cesuursoort::Fouten, {55, 10, 100}, {60, 0, 180}, {"90", "1", "0", "10", "30", "5.5"},
     Knikgeval::A, {1530, 690}, {585, 1635}, {2197, 338, 1567, 653}, {1567, 653, 622, 1598},
     {622, 1598, 307, 2228}, "60", "2.5", "15", "7"},
    // The same ends, cut-off 60 errors at 5.5: above it, the mirror image.
    {"FoutenBovenDeLijn", Cesuursoort::Fouten, {55, 10, 100}, {120, 0, 180}, {"90", "1", "0", "10", "60", "5.5"},
     Knikgeval::B, {1845, 1005}, {900, 1950}, {2197, 338, 1882, 968}, {1882, 968, 937, 1913},
     {937, 1913, 307, 2228}, "75", "4", "30", "8.5"},
    // The design curve: the cut-off point on the line.
    {"FoutenOpDeLijn", Cesuursoort::Fouten, {55, 10, 100}, {90, 0, 180}, {"90", "1", "0", "10", "45", "5.5"},
     Knikgeval::C, {2160, 375}, {270, 2265}, {2197, 338, 2197, 338}, {2197, 338, 307, 2228},
     {307, 2228, 307, 2228}, "90", "1", "0", "10"},
    // 0 points at 1.0, 40 at 10.0, cut-off 24 points at 5.5: the offset is
    // held in single precision, and so are the bend grades.
    {"ScoresOnderDeLijn", Cesuursoort::Scores, {55, 10, 100}, {48, 0, 80}, {"0", "1", "40", "10", "24", "5.5"},
     Knikgeval::A, {648, 564}, {1971, 1887}, {307, 338, 685, 527}, {685, 527, 2008, 1850},
     {2008, 1850, 2197, 2228}, "8", "1.89999997615814", "36", "8.20000004768372"},
    {"ScoresOpDeLijn", Cesuursoort::Scores, {55, 10, 100}, {90, 0, 180}, {"0", "1", "90", "10", "45", "5.5"},
     Knikgeval::C, {270, 375}, {2160, 2265}, {307, 338, 307, 338}, {307, 338, 2197, 2228},
     {2197, 2228, 2197, 2228}, "0", "1", "90", "10"},
};

class WerkVoorbeeld : public ::testing::TestWithParam<Voorbeeld> {};

}  // namespace

TEST_P(WerkVoorbeeld, MarkersLinesAndLabels)
{
    const Voorbeeld& v = GetParam();
    const auto k = KnikkenInGrafiek(v.soort, v.cijfer, v.aantal);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->geval, v.geval);

    Curvegrafiek g;
    ASSERT_TRUE(BerekenKnikpunten(v.soort, v.cijfer, v.aantal, v.tekst, g));
    EXPECT_EQ(g.shpCesuurLaag, v.laag);
    EXPECT_EQ(g.shpCesuurHoog, v.hoog);
    EXPECT_EQ(g.LineCesuurLaag, v.lijnLaag);
    EXPECT_EQ(g.Line_Score_Cesuur, v.lijnMidden);
    EXPECT_EQ(g.LineCesuurHoog, v.lijnHoog);
    EXPECT_EQ(g.LabelX2, v.X2);
    EXPECT_EQ(g.LabelY2, v.Y2);
    EXPECT_EQ(g.LabelX3, v.X3);
    EXPECT_EQ(g.LabelY3, v.Y3);
}

INSTANTIATE_TEST_SUITE_P(Cesuurcurve, WerkVoorbeeld, ::testing::ValuesIn(voorbeelden),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST(Cesuurcurve, LabelsCarryTheRegionalDecimalSeparator)
{
    Curvegrafiek g;
    ASSERT_TRUE(BerekenKnikpunten(Cesuursoort::Fouten, {55, 10, 100}, {60, 0, 180},
                                  {"90", "1", "0", "10", "30", "5.5"}, g, ','));
    EXPECT_EQ(g.LabelX2, "60");
    EXPECT_EQ(g.LabelY2, "2,5");
    std::string y2 = g.LabelY2;
    EXPECT_EQ(TekstNaarGetal(y2), 2.5);  // and read back so

    EXPECT_EQ(Standaardtekst(0.5), "0.5");
    EXPECT_EQ(Standaardtekst(-0.25, ','), "-0,25");
    EXPECT_EQ(Standaardtekst(0.0000125), "1.25E-05");
    EXPECT_EQ(Korttekst(0.5), ".5");
    EXPECT_EQ(Korttekst(45.5), "45.5");
    EXPECT_EQ(Korttekst(0), "0");
}

TEST(Cesuurcurve, EqualEndsLeaveTheGraphAsItWas)
{
    Curvegrafiek g;
    g.LabelX2 = "bewaard";
    g.shpCesuurLaag = {1, 2};
    // Both ends at one count, or at one grade.
    EXPECT_FALSE(BerekenKnikpunten(Cesuursoort::Fouten, {55, 10, 100}, {40, 40, 40}, {"20", "1", "20", "10", "20", "5.5"}, g));
    EXPECT_FALSE(BerekenKnikpunten(Cesuursoort::Scores, {55, 55, 55}, {40, 0, 80}, {"0", "5.5", "40", "5.5", "20", "5.5"}, g));
    EXPECT_FALSE(BerekenKnikpunten(Cesuursoort::Scores, {55, 10, 100}, {40, 0, 80}, {"0", "1", "0", "10", "20", "5.5"}, g));
    EXPECT_EQ(g.LabelX2, "bewaard");
    EXPECT_EQ(g.shpCesuurLaag, (Vorm{1, 2}));
    EXPECT_FALSE(Knikpuntwaarden(Knikgeval::A, 10, 1, 10, 10, 10, 5.5));

    // The lookup of a curve without width gives the lowest grade.
    EXPECT_EQ(CijferBijScore(20, 20, 20, 20, 20, 1, 1, 10, 10), 1);
}

TEST(Cesuurcurve, GradeReadOffTheErrorCurve)
{
    // P1 (90, 1.0), P2 (60, 2.5), P3 (15, 7.0), P4 (0, 10.0).
    const struct {
        double fouten, cijfer;
    } gevallen[] = {{-3, 10}, {0, 10}, {0.00005, 10}, {10, 8},  {15, 7},  {30, 5.5},
                    {45, 4},  {60, 2.5}, {75, 1.75}, {90, 1}, {95, 1}};
    for (const auto& g : gevallen) {
        EXPECT_DOUBLE_EQ(CijferBijFouten(g.fouten, 90, 60, 15, 0, 1, 2.5, 7, 10), g.cijfer) << g.fouten;
    }
}

TEST(Cesuurcurve, GradeReadOffTheScoreCurveFromItsLabels)
{
    Curvegrafiek g;
    ASSERT_TRUE(BerekenKnikpunten(Cesuursoort::Scores, {55, 10, 100}, {48, 0, 80}, {"0", "1", "40", "10", "24", "5.5"}, g));
    auto getal = [](std::string t) { return TekstNaarGetal(t); };
    const double X2 = getal(g.LabelX2), Y2 = getal(g.LabelY2), X3 = getal(g.LabelX3), Y3 = getal(g.LabelY3);
    double cesuur = CijferBijScore(24, 0, X2, X3, 40, 1, Y2, Y3, 10);
    EXPECT_NEAR(cesuur, 5.50000002, 1e-8);
    EXPECT_NE(cesuur, 5.5);
    EXPECT_EQ(CijferNaarTekst(cesuur), "5.5");
    EXPECT_EQ(CijferBijScore(0, 0, X2, X3, 40, 1, Y2, Y3, 10), 1);
    EXPECT_EQ(CijferBijScore(40, 0, X2, X3, 40, 1, Y2, Y3, 10), 10);
    EXPECT_EQ(CijferBijScore(8, 0, X2, X3, 40, 1, Y2, Y3, 10), Y2);  // an exact hit on a bend

    // On a straight curve the outer pieces have no width: the line itself.
    EXPECT_DOUBLE_EQ(CijferBijScore(30, 0, 0, 90, 90, 1, 1, 10, 10), 4);
    EXPECT_DOUBLE_EQ(CijferBijScore(45, 90, 90, 0, 0, 1, 1, 10, 10), 5.5);
}
