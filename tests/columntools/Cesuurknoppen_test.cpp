// The six spinners of the curve windows: activation, the slope rule at its
// limits, refusals that spring back, the dependent limits, and a walk over
// every state reachable near the limits.
#include "columntools/Cesuurknoppen.h"

#include "core/Getallen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <deque>
#include <sstream>
#include <unordered_set>

namespace {

using Waarden = std::array<int, AantalCesuurknoppen>;

Waarden WaardenVan(const Cesuurknoppen& m)
{
    Waarden w{};
    for (int k = 0; k < AantalCesuurknoppen; ++k)
        w[static_cast<std::size_t>(k)] = m.Knop(k).Value;
    return w;
}

Cesuurknoppen Geactiveerd(Cesuursoort soort)
{
    Cesuurknoppen m(soort);
    m.Activeren();
    return m;
}

// Clicks the spinner until its value stops moving; the value it stops at.
int KlikTotGrens(Cesuurknoppen& m, int k, int richting)
{
    for (int i = 0; i < 400; ++i) {
        const int voor = m.Knop(k).Value;
        m.Klik(k, richting);
        if (m.Knop(k).Value == voor)
            break;
    }
    return m.Knop(k).Value;
}

// Clicks towards the target values, every spinner in turn as far as it goes,
// until nothing moves; true when the target was reached.
bool KlikNaar(Cesuurknoppen& m, const Waarden& doel)
{
    for (bool verder = true; verder;) {
        verder = false;
        for (int k = 0; k < AantalCesuurknoppen; ++k) {
            const int d = doel[static_cast<std::size_t>(k)];
            while (m.Knop(k).Value != d) {
                const int voor = m.Knop(k).Value;
                m.Klik(k, d > voor ? 1 : -1);
                if (m.Knop(k).Value == voor)
                    break;
                verder = true;
            }
        }
    }
    return WaardenVan(m) == doel;
}

double Getal(std::string t) { return TekstNaarGetal(t); }

bool Eindig(const Vorm& v) { return std::isfinite(v.Left) && std::isfinite(v.Top); }
bool Eindig(const Lijnstuk& l)
{
    return std::isfinite(l.X1) && std::isfinite(l.Y1) && std::isfinite(l.X2) && std::isfinite(l.Y2);
}

// Everything an accepted or refused change must leave consistent; empty when
// it is, else what is wrong.
std::string Fouten(const Cesuurknoppen& m)
{
    std::ostringstream f;
    const bool fouten = m.Soort() == Cesuursoort::Fouten;
    for (int k = 0; k < AantalCesuurknoppen; ++k) {
        const Draaiwaarde& d = m.Knop(k);
        if (d.Value < d.Min || d.Value > d.Max)
            f << "spinner " << k << " outside its limits; ";
        if (!d.VerwerkWijziging || d.VorigeWaarde != d.Value)
            f << "spinner " << k << " not settled; ";
        if (m.Tekst[static_cast<std::size_t>(k)] != m.Waardetekst(k))
            f << "text " << k << " behind; ";
    }
    const Draaiwaarde& g = m.Knop(KnopCesuurCijfer);
    const Draaiwaarde& t = m.Knop(KnopAantalCesuur);
    const int H = m.Knop(KnopHoogsteCijfer).Value, L = m.Knop(KnopLaagsteCijfer).Value;
    const int links = 2 * m.Knop(fouten ? KnopAantalHoogste : KnopAantalLaagste).Value;
    const int rechts = 2 * m.Knop(fouten ? KnopAantalLaagste : KnopAantalHoogste).Value;
    if (g.Max != H || g.Min != L || t.Min != links || t.Max != rechts)
        f << "cut-off limits are not the end points; ";
    if (!(L < H) || !(links < rechts))
        f << "end points coincide; ";
    if (fouten) {
        const int helft = t.Value / 2;
        if (m.Knop(KnopHoogsteCijfer).Min != g.Value || m.Knop(KnopLaagsteCijfer).Max != g.Value ||
            m.Knop(KnopAantalHoogste).Max != helft || m.Knop(KnopAantalLaagste).Min != helft)
            f << "end limits are not the cut-off; ";
    }

    for (float v : {m.LineCesuur_Y, m.lblCesuur_Cijfer_Top, m.LineCesuur_Score_X, m.lblCesuur_Aantal_Left})
        if (!std::isfinite(v))
            f << "marker not finite; ";
    const Curvegrafiek& c = m.Curve;
    if (!Eindig(m.shpScore_Cesuur) || !Eindig(c.shpCesuurLaag) || !Eindig(c.shpCesuurHoog) ||
        !Eindig(c.LineCesuurLaag) || !Eindig(c.Line_Score_Cesuur) || !Eindig(c.LineCesuurHoog))
        f << "graph not finite; ";

    // The bend points lie in the order P1, P2, K, P3, P4 along the count
    // axis, and each bend marker is centred on its point.
    const double X1 = Getal(m.Tekst[KnopAantalLaagste]), X4 = Getal(m.Tekst[KnopAantalHoogste]);
    const double Y1 = L / 10.0, Y4 = H / 10.0, Xc = t.Value / 2.0;
    const double X2 = Getal(c.LabelX2), Y2 = Getal(c.LabelY2), X3 = Getal(c.LabelX3), Y3 = Getal(c.LabelY3);
    const double r = X4 > X1 ? 1 : -1;
    const double e = 1e-6;
    if (!(r * (X2 - X1) >= -e && r * (Xc - X2) >= -e && r * (X3 - Xc) >= -e && r * (X4 - X3) >= -e))
        f << "bend points out of order; ";
    auto xIn = [&](double x) { return 300 + 1890 * (x - std::min(X1, X4)) / std::fabs(X4 - X1); };
    auto yIn = [&](double y) { return 345 + 1890 * (y - Y1) / (Y4 - Y1); };
    if (std::fabs(c.shpCesuurLaag.Left + 30 - xIn(X2)) > 0.05 || std::fabs(c.shpCesuurLaag.Top - 30 - yIn(Y2)) > 0.05 ||
        std::fabs(c.shpCesuurHoog.Left + 30 - xIn(X3)) > 0.05 || std::fabs(c.shpCesuurHoog.Top - 30 - yIn(Y3)) > 0.05)
        f << "bend markers off their points; ";

    // The curve's grade stays between the end grades and keeps one direction.
    double vorige = Y1;
    for (int i = 0; i <= 20; ++i) {
        const double x = X1 + (X4 - X1) * i / 20.0;
        const double y = CijferBijScore(x, X1, X2, X3, X4, Y1, Y2, Y3, Y4);
        if (!std::isfinite(y) || y < Y1 - e || y > Y4 + e || y < vorige - e)
            f << "curve leaves its ends at " << x << "; ";
        vorige = y;
    }
    return f.str();
}

// While it lives, a division by zero or an invalid operation (0 x infinity,
// 0 / 0) stops the test at once instead of giving infinity or NaN.
class Rekenval {
public:
    Rekenval() { feenableexcept(FE_DIVBYZERO | FE_INVALID); }
    ~Rekenval() { fedisableexcept(FE_DIVBYZERO | FE_INVALID); }
    Rekenval(const Rekenval&) = delete;
    Rekenval& operator=(const Rekenval&) = delete;
};

std::uint64_t Sleutel(const Waarden& w)
{
    std::uint64_t s = 0;
    for (int v : w)
        s = s * 512 + static_cast<std::uint64_t>(v);
    return s;
}

// Breadth-first over every state reachable by single clicks from `begin`
// without leaving the box of `straal` clicks around it; every state and
// every click is checked. The number of states visited.
std::size_t Doorloop(const Cesuurknoppen& begin, int straal)
{
    const Waarden midden = WaardenVan(begin);
    std::unordered_set<std::uint64_t> gezien{Sleutel(midden)};
    std::deque<Cesuurknoppen> rij{begin};
    std::size_t aantal = 0;
    while (!rij.empty()) {
        const Cesuurknoppen m = std::move(rij.front());
        rij.pop_front();
        ++aantal;
        const std::string f = Fouten(m);
        if (!f.empty()) {
            ADD_FAILURE() << f;
            return aantal;
        }
        for (int k = 0; k < AantalCesuurknoppen; ++k) {
            for (int richting : {-1, 1}) {
                Cesuurknoppen n = m;
                n.Klik(k, richting);
                const Waarden w = WaardenVan(n);
                bool binnen = true;
                for (std::size_t i = 0; i < w.size(); ++i)
                    binnen = binnen && std::abs(w[i] - midden[i]) <= straal;
                if (binnen && gezien.insert(Sleutel(w)).second)
                    rij.push_back(std::move(n));
            }
        }
    }
    return aantal;
}

}  // namespace

TEST(Cesuurknoppen, ActivationWithTheDesignValues)
{
    for (Cesuursoort soort : {Cesuursoort::Fouten, Cesuursoort::Scores}) {
        const Cesuurknoppen m = Geactiveerd(soort);
        const bool fouten = soort == Cesuursoort::Fouten;
        const std::array<std::string, 6> tekst =
            fouten ? std::array<std::string, 6>{"10", "5.5", "1", "0", "45", "90"}
                   : std::array<std::string, 6>{"10", "5.5", "1", "90", "45", "0"};
        EXPECT_EQ(m.Tekst, tekst);
        EXPECT_EQ(m.Knop(KnopCesuurCijfer).Min, 10);
        EXPECT_EQ(m.Knop(KnopCesuurCijfer).Max, 100);
        EXPECT_EQ(m.Knop(KnopAantalCesuur).Min, 0);
        EXPECT_EQ(m.Knop(KnopAantalCesuur).Max, 180);  // the score window's 280 is gone
        if (fouten) {
            EXPECT_EQ(m.Knop(KnopAantalHoogste).Max, 45);
            EXPECT_EQ(m.Knop(KnopAantalLaagste).Min, 45);
        } else {
            EXPECT_EQ(m.Knop(KnopAantalHoogste).Max, 200);
            EXPECT_EQ(m.Knop(KnopAantalLaagste).Min, 0);
        }
        // The cut-off markers in the middle of both axes.
        EXPECT_EQ(m.LineCesuur_Y, 1290);
        EXPECT_EQ(m.LineCesuur_Score_X, 1245);
        EXPECT_EQ(m.lblCesuur_Cijfer_Top, 1395);   // last moved by the lowest grade
        EXPECT_EQ(m.lblCesuur_Aantal_Left, 1050);  // ... and by the count at the lowest grade
        EXPECT_EQ(m.shpScore_Cesuur, (Vorm{1215, 1320}));
        // A straight curve: the bend points are the ends.
        EXPECT_EQ(m.Curve.LabelX2, fouten ? "90" : "0");
        EXPECT_EQ(m.Curve.LabelY3, "10");
        EXPECT_EQ(Fouten(m), "");
    }
}

TEST(Cesuurknoppen, SlopeRuleLimitsFromTheDesignState)
{
    // Each spinner clicked as far as it goes from the design state.
    const struct {
        Cesuursoort soort;
        int knop;
        int richting;
        int grens;
    } gevallen[] = {
        {Cesuursoort::Fouten, KnopAantalCesuur, -1, 45},   // 44 refused: 100 - 44 > 55
        {Cesuursoort::Fouten, KnopAantalCesuur, 1, 135},   // 136 refused: 10 + 44 < 55
        {Cesuursoort::Fouten, KnopCesuurCijfer, -1, 33},
        {Cesuursoort::Fouten, KnopCesuurCijfer, 1, 77},
        {Cesuursoort::Fouten, KnopHoogsteCijfer, -1, 70},
        {Cesuursoort::Fouten, KnopLaagsteCijfer, 1, 40},
        {Cesuursoort::Scores, KnopAantalCesuur, -1, 45},
        {Cesuursoort::Scores, KnopAantalCesuur, 1, 135},
        {Cesuursoort::Scores, KnopCesuurCijfer, -1, 33},
        {Cesuursoort::Scores, KnopCesuurCijfer, 1, 77},
        {Cesuursoort::Scores, KnopHoogsteCijfer, -1, 70},
        {Cesuursoort::Scores, KnopLaagsteCijfer, 1, 40},
        {Cesuursoort::Scores, KnopAantalHoogste, -1, 60},
        {Cesuursoort::Scores, KnopAantalHoogste, 1, 180},
        {Cesuursoort::Scores, KnopAantalLaagste, 1, 30},
    };
    for (const auto& g : gevallen) {
        Cesuurknoppen m = Geactiveerd(g.soort);
        EXPECT_EQ(KlikTotGrens(m, g.knop, g.richting), g.grens)
            << (g.soort == Cesuursoort::Fouten ? "errors" : "scores") << " spinner " << g.knop;
        EXPECT_EQ(Fouten(m), "");
    }
}

TEST(Cesuurknoppen, RefusedChangeSpringsBackAndLeavesEverythingAsItWas)
{
    Cesuurknoppen m = Geactiveerd(Cesuursoort::Fouten);
    KlikTotGrens(m, KnopAantalCesuur, -1);
    const Cesuurknoppen voor = m;
    m.Klik(KnopAantalCesuur, -1);  // 44: refused
    EXPECT_EQ(m.Knop(KnopAantalCesuur).Value, 45);
    EXPECT_EQ(m.Knop(KnopAantalCesuur).VorigeWaarde, 45);
    EXPECT_TRUE(m.Knop(KnopAantalCesuur).VerwerkWijziging);
    EXPECT_EQ(m.Tekst, voor.Tekst);
    EXPECT_EQ(m.LineCesuur_Score_X, voor.LineCesuur_Score_X);
    EXPECT_EQ(m.shpScore_Cesuur, voor.shpScore_Cesuur);
    EXPECT_EQ(m.Curve.LabelX2, voor.Curve.LabelX2);
    EXPECT_EQ(m.Curve.shpCesuurLaag, voor.Curve.shpCesuurLaag);
    EXPECT_EQ(m.Knop(KnopAantalHoogste).Max, voor.Knop(KnopAantalHoogste).Max);

    // The next click is handled again.
    m.Klik(KnopAantalCesuur, 1);
    EXPECT_EQ(m.Knop(KnopAantalCesuur).Value, 46);
    EXPECT_EQ(m.Tekst[KnopAantalCesuur], "23");
}

TEST(Cesuurknoppen, DependentLimitsOfTheErrorWindow)
{
    Cesuurknoppen m = Geactiveerd(Cesuursoort::Fouten);
    m.Klik(KnopAantalCesuur, 1);  // 91: 45.5 errors
    EXPECT_EQ(m.Tekst[KnopAantalCesuur], "45.5");
    EXPECT_EQ(m.Knop(KnopAantalHoogste).Max, 45);
    EXPECT_EQ(m.Knop(KnopAantalLaagste).Min, 45);
    m.Klik(KnopCesuurCijfer, 1);
    EXPECT_EQ(m.Knop(KnopHoogsteCijfer).Min, 56);
    EXPECT_EQ(m.Knop(KnopLaagsteCijfer).Max, 56);
    m.Klik(KnopAantalLaagste, 1);
    EXPECT_EQ(m.Knop(KnopAantalCesuur).Max, 182);
    m.Klik(KnopHoogsteCijfer, -1);
    EXPECT_EQ(m.Knop(KnopCesuurCijfer).Max, 99);
    EXPECT_EQ(Fouten(m), "");

    // Raising the cut-off grade to the highest grade is refused while the
    // cut-off errors exceed those at the highest grade.
    Cesuurknoppen n = Geactiveerd(Cesuursoort::Fouten);
    EXPECT_LT(KlikTotGrens(n, KnopCesuurCijfer, 1), 100);
}

TEST(Cesuurknoppen, OnlyTheCutOffCountRunsTheNormingPreview)
{
    Cesuurknoppen m(Cesuursoort::Scores);
    int keer = 0;
    m.NaCesuuraantal = [&] { ++keer; };
    m.Activeren();
    EXPECT_EQ(keer, 1);
    m.Klik(KnopCesuurCijfer, 1);
    m.Klik(KnopAantalHoogste, 1);
    m.Klik(KnopHoogsteCijfer, -1);
    EXPECT_EQ(keer, 1);
    m.Klik(KnopAantalCesuur, 1);
    EXPECT_EQ(keer, 2);
    KlikTotGrens(m, KnopAantalCesuur, -1);  // the refused click runs nothing
    const int nu = keer;
    m.Klik(KnopAantalCesuur, -1);
    EXPECT_EQ(keer, nu);
}

TEST(Cesuurknoppen, EndPointsNeverMeet)
{
    const Rekenval val;
    // Scores one point apart with the cut-off between them: one more step of
    // either end towards the other is refused.
    Cesuurknoppen s = Geactiveerd(Cesuursoort::Scores);
    ASSERT_TRUE(KlikNaar(s, {64, 46, 10, 22, 43, 21}));
    s.Klik(KnopAantalHoogste, -1);
    s.Klik(KnopAantalLaagste, 1);
    EXPECT_EQ(s.Knop(KnopAantalHoogste).Value, 22);
    EXPECT_EQ(s.Knop(KnopAantalLaagste).Value, 21);
    EXPECT_EQ(Fouten(s), "");

    // Errors 0 and 1 with the cut-off at half an error: 1 may not go to 0.
    Cesuurknoppen f = Geactiveerd(Cesuursoort::Fouten);
    ASSERT_TRUE(KlikNaar(f, {100, 55, 10, 0, 1, 1}));
    f.Klik(KnopAantalLaagste, -1);
    EXPECT_EQ(f.Knop(KnopAantalLaagste).Value, 1);
    EXPECT_EQ(Fouten(f), "");
}

TEST(Cesuurknoppen, EveryReachableStateNearTheLimitsStaysSound)
{
    const Rekenval val;
    const struct {
        Cesuursoort soort;
        Waarden begin;
    } gevallen[] = {
        {Cesuursoort::Fouten, {100, 55, 10, 0, 90, 90}},  // design
        {Cesuursoort::Fouten, {100, 55, 10, 0, 1, 1}},    // the smallest error counts
        {Cesuursoort::Fouten, {56, 55, 54, 0, 90, 90}},   // grades squeezed
        {Cesuursoort::Fouten, {100, 55, 10, 97, 196, 100}},  // the largest error counts
        {Cesuursoort::Scores, {100, 55, 10, 90, 90, 0}},  // design
        {Cesuursoort::Scores, {64, 46, 10, 22, 43, 21}},  // ends one point apart
        {Cesuursoort::Scores, {56, 55, 54, 90, 90, 0}},   // grades squeezed
        {Cesuursoort::Scores, {100, 55, 10, 200, 399, 199}},  // the largest scores
    };
    for (const auto& g : gevallen) {
        Cesuurknoppen m = Geactiveerd(g.soort);
        ASSERT_TRUE(KlikNaar(m, g.begin)) << ::testing::PrintToString(WaardenVan(m));
        EXPECT_GT(Doorloop(m, 3), 1000u) << ::testing::PrintToString(g.begin);
    }
}
