#include "yearoverview/AfdrukJaaroverzicht.h"

#include "Jaarvoorbeeld.h"
#include "Paginahulp.h"

#include "core/Tekst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using paginahulp::Zet;

constexpr double w = 120, h = 226.5625;
constexpr double x0 = 9 * w;
const Datum datum{5, 3, 2024};

double X(double n) { return x0 + n * w; }

Paginamodel Druk(const AdmMain& adm, int niveau) { return PrintJaaroverzicht(adm, niveau, datum, A4Afdrukvlak); }

// The line whose top is `regel` line heights down, in half-character cells:
// a character printed at position n stands at cell 2n.
std::map<long, char> Halfcellen(const Pagina& p, double regel)
{
    std::map<long, char> r;
    for (const Tekstdeel& t : p.Teksten) {
        if (std::abs(t.Y - regel * h) > 1e-6)
            continue;
        const long begin = std::lround(2 * (t.X - x0) / w);
        for (std::size_t i = 0; i < t.Tekst.size(); ++i)
            r[begin + 2 * static_cast<long>(i)] = t.Tekst[i];
    }
    return r;
}

// `n` characters printed from position `pos` (a whole or half position) on
// the line `regel`; blanks where nothing stands.
std::string Bij(const Pagina& p, double regel, double pos, std::size_t n)
{
    const auto cellen = Halfcellen(p, regel);
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        const auto c = cellen.find(std::lround(2 * pos) + 2 * static_cast<long>(i));
        s += c == cellen.end() ? ' ' : c->second;
    }
    return s;
}

// The whole line from x0, without trailing blanks (only characters at whole positions).
std::string Regel(const Pagina& p, double regel)
{
    std::string s = p.Regel(regel * h, x0, w);
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

using Stukken = std::vector<std::pair<double, double>>;

// The horizontal lines at `regel` line heights, in positions from x0.
Stukken Horizontaal(const Pagina& p, double regel)
{
    Stukken s;
    for (const Lijn& l : p.Lijnen)
        if (l.Y1 == l.Y2 && std::abs(l.Y1 - regel * h) < 1e-6)
            s.emplace_back((std::min(l.X1, l.X2) - x0) / w, (std::max(l.X1, l.X2) - x0) / w);
    return paginahulp::Samenvoegen(s);
}

// The vertical lines at position n, in line heights.
Stukken Verticaal(const Pagina& p, double n)
{
    Stukken s;
    for (const Lijn& l : p.Lijnen)
        if (l.X1 == l.X2 && std::abs(l.X1 - X(n)) < 1e-6)
            s.emplace_back(std::min(l.Y1, l.Y2) / h, std::max(l.Y1, l.Y2) / h);
    return paginahulp::Samenvoegen(s);
}

// Term block b (0..5: term 1 first half first) has its header row at
// 13 + 4b line heights, the weight row one line and the grade row two
// lines below; the summary's rows are at 37, 38 and 39.
double Kopregel(int b) { return 13 + 4 * b; }

class Jaarkaartafdruk : public ::testing::Test {
protected:
    void SetUp() override { jaarvoorbeeld::Vul(adm); }
    AdmMain adm;
};

TEST_F(Jaarkaartafdruk, HeaderBlockAndPupilLine)
{
    const Paginamodel pm = Druk(adm, 2);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    EXPECT_TRUE(pm.Beeindigd());
    const Pagina& p = pm.Paginas()[0];

    EXPECT_EQ(Regel(p, 2), "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(17, ' ') + "Datum: 05-03-2024");
    EXPECT_EQ(Regel(p, 4), Zet({{0, "School: Scholengemeenschap Het Baken"}, {57, "Cursus: 2024-2025"}}));
    EXPECT_EQ(Regel(p, 5), "Docent: J.P. de Vries");
    EXPECT_EQ(Regel(p, 6), "Klas  : 4H2");
    EXPECT_EQ(Regel(p, 7), "Vak   : WISK   Deelvak  : A      Niveau 2 : VWO");
    EXPECT_EQ(Regel(p, 8), "Mentor: Marieke van den Heuvel-Jansen");
    EXPECT_EQ(Regel(p, 10), Zet({{1, "de Graaf  Thijs"}, {32, "Jaaroverzicht"}}));

    // Full-width rules: two round the header, one under the pupil line, one
    // closing each of the six term blocks and the summary.
    std::set<double> regels;
    for (const Lijn& l : p.Lijnen)
        if (l.Y1 == l.Y2 && l.X1 == x0 && l.X2 == X(74))
            regels.insert(l.Y1 / h);
    EXPECT_EQ(regels, (std::set<double>{3.5, 9.5, 11.5, 16.5, 20.5, 24.5, 28.5, 32.5, 36.5, 40.5}));
    // Everything is black.
    for (const Tekstdeel& t : p.Teksten) {
        EXPECT_EQ(t.Kleur, 0u);
        EXPECT_EQ(t.Font, Lettertype{});
    }
    for (const Lijn& l : p.Lijnen)
        EXPECT_EQ(l.Kleur, 0u);
}

TEST_F(Jaarkaartafdruk, PupilNameIsAlwaysThirtyTwoCharacters)
{
    struct Geval {
        const char* achternaam;
        const char* roepnaam;
        std::string deel;  // what stands from position 1 up to "Jaaroverzicht"
    };
    const Geval gevallen[] = {
        {"", "", ""},
        {"van Wijngaarden-Oosterhuis", "Maximiliaan", "van Wijngaarden-Oosterhuis  Max"},
        {"Abcdefghijklmnopqrstuvwxyzabc", "Jan", "Abcdefghijklmnopqrstuvwxyzabc  "},  // 29: no room left
        {"Abcdefghijklmnopqrstuvwxyzabcd", "Jan", "Abcdefghijklmnopqrstuvwxyzabcd "},  // 30
    };
    for (const Geval& g : gevallen) {
        adm.Achternaam(7) = g.achternaam;
        adm.Roepnaam(7) = g.roepnaam;
        const Paginamodel pm = Druk(adm, 1);
        EXPECT_EQ(Bij(pm.Paginas()[0], 10, 0, 45), " " + Pas(g.deel, 31) + "Jaaroverzicht") << g.achternaam;
    }
}

TEST_F(Jaarkaartafdruk, TermBlocksAtTheirPositions)
{
    for (int niveau = 1; niveau <= 2; ++niveau) {
        const Paginamodel pm = Druk(adm, niveau);
        const Pagina& p = pm.Paginas()[0];
        for (int b = 0; b < 6; ++b) {
            const int t = b / 2 + 1;
            const int eerste = (b % 2) * 8 + 1;  // column number within the term
            const double y = Kopregel(b);
            SCOPED_TRACE("level " + std::to_string(niveau) + ", block " + std::to_string(b));

            EXPECT_EQ(Bij(p, y, 0, 28), " " + std::to_string(t) + "-e Trimester" + std::string(14, ' '));
            // Each column number centred in its four-character cell.
            for (int k = 0; k < 8; ++k) {
                const int n = eerste + k;
                const double cel = 27.5 + 4 * k;
                const std::string nummer = std::to_string(n);
                EXPECT_EQ(Bij(p, y, cel + 2 - nummer.size() / 2.0, nummer.size()), nummer) << n;
            }
            EXPECT_EQ(Bij(p, y + 1, 0, 28), std::string(20, ' ') + "Gewicht ");
            EXPECT_EQ(Bij(p, y + 2, 0, 28), std::string(21, ' ') + "Cijfer ");
            for (int k = 0; k < 8; ++k) {
                const int c = (t - 1) * 16 + eerste + k;
                EXPECT_EQ(Bij(p, y + 1, 28 + 4 * k, 4), Pas(jaarvoorbeeld::Gewicht(c, niveau), 4)) << c;
                EXPECT_EQ(Bij(p, y + 2, 28 + 4 * k, 4), Pas(adm.Cijfer(7, c, niveau).str(), 4)) << c;
            }
            EXPECT_EQ(Bij(p, y + 1, 60.5, 14), "Trgem  Klgem  ");
            EXPECT_EQ(Bij(p, y + 2, 60.5, 4), adm.TrGemTxt(7, t, niveau).view());
            EXPECT_EQ(Bij(p, y + 2, 67.5, 4), adm.KlTrGemTxt(t, niveau).view());
        }
    }
}

TEST_F(Jaarkaartafdruk, SecondHalfNumbersAdvanceFromTheNumberBefore)
{
    const Paginamodel pm = Druk(adm, 1);
    const Pagina& p = pm.Paginas()[0];
    // " 9 " after one width, "10" after one and a half, "11".."16" after two.
    EXPECT_EQ(Bij(p, Kopregel(1), 28, 3), " 9 ");
    EXPECT_EQ(Bij(p, Kopregel(1), 32.5, 2), "10");
    for (int n = 11; n <= 16; ++n)
        EXPECT_EQ(Bij(p, Kopregel(1), 36.5 + 4 * (n - 11), 2), std::to_string(n));
}

TEST_F(Jaarkaartafdruk, SummaryRowsAndTheYearColumnByMethod)
{
    struct Geval {
        int methode;
        std::string jaar;   // under "Jrgem"
        double rapporten;   // where Rp1 begins
    };
    for (int niveau = 1; niveau <= 2; ++niveau) {
        const Geval gevallen[] = {
            {1, adm.EindGemTxt(7, niveau).str(), 54.5}, {2, adm.EindGemTxt(7, niveau).str(), 54.5},
            {3, adm.EindGemTxt(7, niveau).str(), 54.5}, {4, adm.JrGemTxt(7, niveau).str(), 54.5},
            {0, "", 50.5},                              {5, "", 50.5},
        };
        for (const Geval& g : gevallen) {
            SCOPED_TRACE("level " + std::to_string(niveau) + ", method " + std::to_string(g.methode));
            adm.RapportOptie[5] = g.methode;
            const Paginamodel pm = Druk(adm, niveau);
            const Pagina& p = pm.Paginas()[0];

            EXPECT_EQ(Regel(p, 37), Zet({{1, "Jaaroverzicht"}, {29, "T1"}, {34, "T2"}, {39, "T3"},
                                         {57, "Rapportenlijst"}}));
            EXPECT_EQ(Regel(p, 38), Zet({{20, "Gewicht"},
                                         {28, adm.TrimGewichtTekst(1, niveau).str()},
                                         {33, adm.TrimGewichtTekst(2, niveau).str()},
                                         {38, adm.TrimGewichtTekst(3, niveau).str()},
                                         {46, "Jrgem"},
                                         {55, "Rp1"},
                                         {60, "Rp2"},
                                         {65, "Rp3"},
                                         {70, "RpE"}}));
            EXPECT_EQ(Bij(p, 39, 0, 28), "       Trimestergemiddelden ");
            for (int t = 1; t <= 3; ++t)
                EXPECT_EQ(Bij(p, 39, 28 + 5 * (t - 1), 5), adm.TrGemTxt(7, t, niveau).str() + " ");
            EXPECT_EQ(Bij(p, 39, 43, 3), "   ");
            EXPECT_EQ(Bij(p, 39, 46.5, 4), Pas(g.jaar, 4));
            for (int r = 1; r <= 4; ++r)
                EXPECT_EQ(Bij(p, 39, g.rapporten + 5 * (r - 1), 3), adm.RapportTxt(7, r, niveau).view()) << r;
        }
    }
}

TEST_F(Jaarkaartafdruk, BoxLinesOfTheBlocks)
{
    const Paginamodel pm = Druk(adm, 1);
    const Pagina& p = pm.Paginas()[0];

    // The term header row's middle line, broken by its texts; the heading
    // line of "Trgem" and "Klgem".
    EXPECT_EQ(Horizontaal(p, 13.5), (Stukken{{0, 0.5}, {14, 28}, {31, 32}, {35, 36}, {39, 40}, {43, 44}, {47, 48},
                                              {51, 52}, {55, 56}, {59, 59.5}}));
    EXPECT_EQ(Horizontaal(p, 14.5), (Stukken{{59.5, 60}, {66, 67}, {73.5, 74}}));
    // The summary's heading row and the heading line of "Jrgem" and the reports.
    EXPECT_EQ(Horizontaal(p, 37.5),
              (Stukken{{0, 0.5}, {14, 28}, {32, 33}, {37, 38}, {42, 43}, {54, 56.5}, {71.5, 74}}));
    EXPECT_EQ(Horizontaal(p, 38.5),
              (Stukken{{45.5, 46}, {51, 51.5}, {54, 54.5}, {58.5, 59.5}, {63.5, 64.5}, {68.5, 69.5}, {73.5, 74}}));

    // Cell edges run from the middle of the header row down to the closing
    // rule; the averages' edges from the middle of the weight row.
    Stukken blokken, vanGewicht;
    for (int b = 0; b < 6; ++b) {
        blokken.emplace_back(Kopregel(b) + 0.5, Kopregel(b) + 3.5);
        vanGewicht.emplace_back(Kopregel(b) + 1.5, Kopregel(b) + 3.5);
    }
    for (double n : {0.0, 27.5}) {
        Stukken s = blokken;
        s.emplace_back(37.5, 40.5);
        EXPECT_EQ(Verticaal(p, n), s) << n;
    }
    for (double n : {31.5, 35.5, 39.5, 47.5, 55.5, 59.5})
        EXPECT_EQ(Verticaal(p, n), blokken) << n;
    EXPECT_EQ(Verticaal(p, 66.5), vanGewicht);
    Stukken rand = vanGewicht;
    rand.emplace_back(37.5, 40.5);
    EXPECT_EQ(Verticaal(p, 74), rand);
    // The summary's own edges: T1..T3 and the left edge of the reports from
    // its heading, the year and report cells from the middle of its weight row.
    for (double n : {32.5, 37.5, 42.5, 54.0})
        EXPECT_EQ(Verticaal(p, n), (Stukken{{37.5, 40.5}})) << n;
    for (double n : {45.5, 64.0, 69.0})
        EXPECT_EQ(Verticaal(p, n), (Stukken{{38.5, 40.5}})) << n;
    Stukken k4 = blokken;  // 43.5 and 51.5 are term cell edges too
    EXPECT_EQ(Verticaal(p, 43.5), k4);
    k4.emplace_back(38.5, 40.5);
    EXPECT_EQ(Verticaal(p, 51.5), k4);
}

TEST_F(Jaarkaartafdruk, EmptyValuesPrintAsBlanksAndBadInputIsRefused)
{
    NieuwCijferbestand(adm);
    adm.HuidigeRij = 36;
    const Paginamodel pm = Druk(adm, 1);
    const Pagina& p = pm.Paginas()[0];
    EXPECT_EQ(Bij(p, 10, 0, 45), std::string(32, ' ') + "Jaaroverzicht");
    // Weights and grades of three blanks, averages and reports of four and three.
    EXPECT_EQ(Bij(p, Kopregel(0) + 1, 0, 60), std::string(20, ' ') + "Gewicht" + std::string(33, ' '));
    EXPECT_EQ(Bij(p, Kopregel(0) + 1, 60.5, 14), "Trgem  Klgem  ");
    EXPECT_EQ(Bij(p, Kopregel(0) + 2, 27, 50), std::string(50, ' '));
    EXPECT_EQ(Bij(p, 39, 27, 50), std::string(50, ' '));

    adm.HuidigeRij = 0;
    EXPECT_THROW(Druk(adm, 1), std::out_of_range);
    adm.HuidigeRij = 1;
    EXPECT_THROW(Druk(adm, 3), std::out_of_range);
}

}  // namespace
