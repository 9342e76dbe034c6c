// The cut-off table: its step and rows for the curve of the window that
// opened it, the markers at the cut-off and the bends, and its printed page.
#include "columntools/Cesuurtabel.h"

#include "core/Tekst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr double w = 120, h = 226.5625;
constexpr double A = 9 * w, B = A + 67 * w;
const Datum datum{5, 3, 2024};

// A straight score curve between the two end counts, grades 1 to 10.
Cesuurknoppen Rechte(const std::string& laag, const std::string& hoog, const std::string& cesuur)
{
    Cesuurknoppen m(Cesuursoort::Scores);
    m.Tekst[KnopAantalLaagste] = laag;
    m.Tekst[KnopAantalHoogste] = hoog;
    m.Tekst[KnopAantalCesuur] = cesuur;
    m.Tekst[KnopLaagsteCijfer] = "1";
    m.Tekst[KnopHoogsteCijfer] = "10";
    m.Tekst[KnopCesuurCijfer] = "5.5";
    m.Curve.LabelX2 = laag;
    m.Curve.LabelY2 = "1";
    m.Curve.LabelX3 = hoog;
    m.Curve.LabelY3 = "10";
    return m;
}

Cesuurknoppen FoutenOntwerp()
{
    Cesuurknoppen m(Cesuursoort::Fouten);
    m.Activeren();
    return m;
}

long Gemerkt(const std::vector<std::string>& regels, const char* merk)
{
    return std::count_if(regels.begin(), regels.end(), [&](const std::string& r) { return r.starts_with(merk); });
}

std::string ZonderStaart(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

}  // namespace

TEST(Cesuurtabel, StepFollowsTheRange)
{
    const struct {
        const char *laag, *hoog;
        double stap;
        int rijen;
    } gevallen[] = {{"0", "10", 0.1, 101},  {"0", "10.1", 0.25, 41}, {"0", "25", 0.25, 101},
                    {"10", "60", 0.5, 101}, {"0", "90", 1, 91},      {"0", "200", 1, 201}};
    for (const auto& g : gevallen) {
        const Cesuurtabel t = MaakCesuurtabel(false, Rechte(g.laag, g.hoog, "5"));
        EXPECT_EQ(t.stap, g.stap) << g.hoog;
        EXPECT_EQ(t.AantalStappen + 1, g.rijen) << g.hoog;
        EXPECT_EQ(t.ScoreTekst.size(), static_cast<std::size_t>(g.rijen));
    }
}

TEST(Cesuurtabel, DesignErrorCurveRows)
{
    const Cesuurknoppen m = FoutenOntwerp();
    const Cesuurtabel t = MaakCesuurtabel(true, m);
    EXPECT_EQ(Tabelkop(true), "Fouten   Cijfer");
    EXPECT_EQ(Tabelkop(false), "Score    Cijfer");
    const std::vector<std::string> r = Tabelregels(t, m);
    ASSERT_EQ(r.size(), 91u);
    // From the count at the highest grade up; the straight curve's bends are its ends.
    EXPECT_EQ(r[0], " -------- 0    -  10 ");
    EXPECT_EQ(r[45], " Cesuur   45   -  5.5");
    EXPECT_EQ(r[46], "          46   -  5.4");
    EXPECT_EQ(r[90], " -------- 90   -  1  ");
    for (const std::string& regel : r)
        EXPECT_EQ(regel.size(), 21u);
    EXPECT_EQ(Gemerkt(r, " Cesuur   "), 1);
}

TEST(Cesuurtabel, CutOffMarksEveryRowWithinHalfACount)
{
    // Step 0.1: eleven rows around a whole cut-off count.
    const Cesuurknoppen fijn = Rechte("0", "10", "5");
    const std::vector<std::string> r = Tabelregels(MaakCesuurtabel(false, fijn), fijn);
    EXPECT_EQ(Gemerkt(r, " Cesuur   "), 11);
    EXPECT_EQ(r[45], " Cesuur   4.5  -  5.1");

    // Step 1 and a cut-off count of 44.5: both neighbours.
    Cesuurknoppen m = FoutenOntwerp();
    m.Klik(KnopAantalCesuur, -1);
    ASSERT_EQ(m.Tekst[KnopAantalCesuur], "44.5");
    const std::vector<std::string> s = Tabelregels(MaakCesuurtabel(true, m), m);
    EXPECT_EQ(Gemerkt(s, " Cesuur   "), 2);
    EXPECT_TRUE(s[44].starts_with(" Cesuur   44 "));
    EXPECT_TRUE(s[45].starts_with(" Cesuur   45 "));
    // Bent now, just inside the ends: P2 at 89 errors, P3 at half an error.
    EXPECT_EQ(m.Curve.LabelX2, "89");
    EXPECT_EQ(m.Curve.LabelX3, "0.5");
    EXPECT_EQ(Gemerkt(s, " -------- "), 3);
    for (int i : {0, 1, 89})
        EXPECT_TRUE(s[static_cast<std::size_t>(i)].starts_with(" -------- ")) << i;
}

TEST(Cesuurtabel, PrintedPage)
{
    const Cesuurknoppen m = FoutenOntwerp();
    const Paginamodel pm = PrintTabel(MaakCesuurtabel(true, m), m, A4Afdrukvlak, datum);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    EXPECT_TRUE(pm.Beeindigd());
    const Pagina& p = pm.Paginas()[0];

    EXPECT_EQ(p.Regel(3 * h, A, w), "DOCENTEN-MORVALDIEK Versie 7.762          Datum: 05-03-2024");
    EXPECT_EQ(ZonderStaart(p.Regel(6 * h, A, w)), std::string(27, ' ') + " CESUURTABEL");
    // Rows 0..39 in the first column, 40.. in the second, 13 further.
    const double eerste = 7 * h;
    EXPECT_EQ(p.Regel(eerste, A + 3 * w, w).substr(0, 10), "0    - 10 ");
    EXPECT_EQ(p.Regel(eerste + 5 * h, A + 3 * w, w).substr(13, 10), "45   - 5.5");
    EXPECT_EQ(p.Regel(eerste + 10 * h, A + 3 * w, w).substr(26, 10), "90   - 1  ");
    EXPECT_EQ(ZonderStaart(p.Regel(eerste + 40 * h, A + 3 * w, w)), "");

    const double onder = eerste + 41 * h + h / 2;
    EXPECT_EQ(p.Regel(onder + h, A + w, w), " Laagste cijfer 1     bij 90    fouten");
    EXPECT_EQ(p.Regel(onder + 2 * h, A + w, w), " Hoogste cijfer 10    bij 0     fouten");
    EXPECT_EQ(p.Regel(onder + 3 * h, A + w, w), " Cesuur         5.5   bij 45    fouten");

    // The box: the rule under the title, the top broken by the heading, both
    // sides down every line, and the bottom.
    auto heeft = [&](const Lijn& l) { return std::find(p.Lijnen.begin(), p.Lijnen.end(), l) != p.Lijnen.end(); };
    EXPECT_TRUE(heeft({A, 4.5 * h, B, 4.5 * h, 0}));
    EXPECT_TRUE(heeft({A, 6.5 * h, A + 27 * w, 6.5 * h, 0}));
    EXPECT_TRUE(heeft({A + 40 * w, 6.5 * h, B, 6.5 * h, 0}));
    EXPECT_TRUE(heeft({A, onder, B, onder, 0}));
    EXPECT_EQ(p.Lijnen.size(), 1u + 2u + 2u + 2u * 41u + 2u + 1u);
}

TEST(Cesuurtabel, PrintedScoreTableOfTwoHundredPoints)
{
    const Cesuurknoppen m = Rechte("0", "200", "100.5");
    const Cesuurtabel t = MaakCesuurtabel(false, m);
    ASSERT_EQ(t.AantalStappen, 200);
    const Paginamodel pm = PrintTabel(t, m, A4Afdrukvlak, datum);
    const Pagina& p = pm.Paginas()[0];
    const double eerste = 7 * h;
    EXPECT_EQ(p.Regel(eerste + 39 * h, A + 3 * w, w).substr(52, 10), "199  - 10 ");
    EXPECT_EQ(ZonderStaart(p.Regel(eerste + 40 * h, A + 3 * w, w)), std::string(52, ' ') + "200  - 10");
    const double onder = eerste + 41 * h + h / 2;
    EXPECT_EQ(p.Regel(onder + h, A + w, w), " Laagste cijfer 1     bij score 0   ");
    EXPECT_EQ(p.Regel(onder + 3 * h, A + w, w), " Cesuur         5.5   bij score 100.5");
}

TEST(Cesuurtabel, TheLinesUnderTheBoxFitTheirCountsToFourCharacters)
{
    // Only a score count that needs five characters gets five.
    Cesuurknoppen fouten = FoutenOntwerp();
    fouten.Klik(KnopAantalCesuur, -1);
    Cesuurknoppen scores(Cesuursoort::Scores);
    scores.Activeren();
    const Cesuurknoppen breed = Rechte("0", "200", "139.5");
    const struct {
        const char* naam;
        bool fouten;
        const Cesuurknoppen& bron;
        const char* regels[3];
    } gevallen[] = {
        {"errors, cut-off 44.5",
         true,
         fouten,
         {" Laagste cijfer 1     bij 90    fouten", " Hoogste cijfer 10    bij 0     fouten",
          " Cesuur         5.5   bij 44.5  fouten"}},
        {"design scores",
         false,
         scores,
         {" Laagste cijfer 1     bij score 0   ", " Hoogste cijfer 10    bij score 90  ",
          " Cesuur         5.5   bij score 45  "}},
        {"200 points, cut-off 139.5",
         false,
         breed,
         {" Laagste cijfer 1     bij score 0   ", " Hoogste cijfer 10    bij score 200 ",
          " Cesuur         5.5   bij score 139.5"}},
    };
    const double onder = 7 * h + 41 * h + h / 2;
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        const Paginamodel pm = PrintTabel(MaakCesuurtabel(g.fouten, g.bron), g.bron, A4Afdrukvlak, datum);
        const Pagina& p = pm.Paginas()[0];
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(p.Regel(onder + (i + 1) * h, A + w, w), g.regels[i]);
        EXPECT_EQ(p.Regel(onder + 4 * h, A + w, w), "");
    }
}
