#include "reports/AfdrukRapporten.h"

#include "Paginahulp.h"
#include "reports/Rapportvoorbeeld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

using paginahulp::Regels;
using paginahulp::Verticaal;
using paginahulp::Zet;

namespace {

constexpr double w = 120, h = 226.5625;
constexpr double L = 9 * w;
const Datum datum{5, 3, 2024};

double X(double k) { return L + k * w; }

// A group of n plain pupils in slots 1..n, with header data.
void Groep(AdmMain& adm, int n)
{
    NieuwCijferbestand(adm);
    adm.School = "Scholengemeenschap Het Baken";
    adm.Cursus = "2024-2025";
    adm.Klas = "4H2   ";
    for (int p = 1; p <= n; ++p) {
        adm.Achternaam(p) = "Leerling " + std::to_string(p);
        adm.Roepnaam(p) = "Kim";
        adm.LeerlingPersNr(p) = std::to_string(200000 + p);
    }
}

// ---- Report grades only ----

// The rows of a page: the text at position 1 and the top of its row, from
// the row lines; an empty "*" row has no text.
struct Rij {
    double top;
    std::string tekst;
};

std::vector<Rij> Rijen(const Pagina& p)
{
    std::vector<Rij> r;
    const std::set<double> lijnen = Regels(p, L, X(67.5));
    for (auto it = lijnen.begin(); it != lijnen.end(); ++it) {
        const double top = *it;
        if (top < 15 * h - 1e-6 || std::next(it) == lijnen.end() || *std::next(it) - top < 2 * h - 1e-6)
            continue;  // the heading row, the closing strip
        std::string t = p.Regel(top + h / 2, L, w);
        r.push_back({top, t});
    }
    return r;
}

std::string Persnr(const Rij& r) { return r.tekst.size() >= 7 ? r.tekst.substr(1, 6) : ""; }

class RapportenlijstTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        voorbeeld::VulKlas(*adm);
        voorbeeld::VulRapporten(*adm);
    }
    Paginamodel Druk(int niveau = 1) const { return AfdrukRapportenlijst(*adm, niveau, datum, A4Afdrukvlak); }
    std::unique_ptr<AdmMain> adm = std::make_unique<AdmMain>();
};

TEST_F(RapportenlijstTest, PageHeaderAndHeadingRowStandOnTheirLines)
{
    const Paginamodel pm = Druk();
    EXPECT_TRUE(pm.Beeindigd());
    const Pagina& p = pm.Paginas()[0];
    auto regel = [&](double y) { return p.Regel(y, L, w); };

    EXPECT_EQ(regel(3 * h), "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(18, ' ') + "Datum: 05-03-2024");
    EXPECT_EQ(regel(5 * h), "School: " + Pas("Scholengemeenschap Het Baken", 30) + std::string(20, ' ') +
                                "Cursus: 2024-2025");
    EXPECT_EQ(regel(5 * h).find("Cursus: "), 58u);
    EXPECT_EQ(regel(6 * h), "Docent: J.P. de Vries");
    EXPECT_EQ(regel(7 * h), "Klas  : 4H2   ");
    EXPECT_EQ(regel(8 * h), "Vak   : WISK   Deelvak  : A      Niveau 1 : HAVO  ");
    EXPECT_EQ(regel(9 * h), "Mentor: Marieke van den Heuvel-Jansen ");
    EXPECT_EQ(regel(11 * h), "Rapportenlijst");
    EXPECT_EQ(regel(13.5 * h), Zet({{1, "Persnr"}, {10, "Achternaam"}, {28, "Roepnaam"}, {45, "Rp1"}, {51, "Rp2"},
                                    {57, "Rp3"}, {63, "RpE"}, {71, "Mnt"}}));
    for (double y : {4.5 * h, 10.5 * h})
        EXPECT_TRUE(Regels(p, L, X(75.5)).count(y)) << y / h;

    // The first pupil row: every value centred in its box.
    const AdmMain& a = *adm;
    EXPECT_EQ(regel(15.5 * h), Zet({{1, "104001"}, {10, Pas("Bakker", 17)}, {28, Pas("Sanne", 14)},
                                    {45, a.RapportTxt(1, 1, 1).str()}, {51, a.RapportTxt(1, 2, 1).str()},
                                    {57, a.RapportTxt(1, 3, 1).str()}, {63, a.RapportTxt(1, 4, 1).str()},
                                    {71, "DVR"}}));
    for (const Tekstdeel& t : p.Teksten) {
        EXPECT_EQ(t.Kleur, 0u);
        EXPECT_EQ(t.Font, Lettertype{});
    }
}

struct Paginering {
    int leerlingen;
    std::vector<int> rijen;  // per page
};

class RapportenlijstPagineringTest : public ::testing::TestWithParam<Paginering> {};

TEST_P(RapportenlijstPagineringTest, TwentyRowsAPageClosedByAStrip)
{
    const auto& g = GetParam();
    auto adm = std::make_unique<AdmMain>();
    Groep(*adm, g.leerlingen);
    const Paginamodel pm = AfdrukRapportenlijst(*adm, 1, datum, A4Afdrukvlak);
    ASSERT_EQ(pm.Paginas().size(), g.rijen.size());
    int volgende = 1;
    for (std::size_t i = 0; i < g.rijen.size(); ++i) {
        const Pagina& p = pm.Paginas()[i];
        const int n = g.rijen[i];
        // Row lines: the heading row, n rows of 2h, and the strip of h.
        std::set<double> verwacht{13 * h};
        for (int k = 1; k <= n; ++k)
            verwacht.insert((13 + 2 * k) * h);
        if (n > 0) {
            verwacht.insert((15 + 2 * n) * h);
            verwacht.insert((16 + 2 * n) * h);
        }
        EXPECT_EQ(Regels(p, L, X(67.5)), verwacht) << "page " << i + 1;
        EXPECT_EQ(Regels(p, X(69.5), X(75.5)), verwacht) << "page " << i + 1;
        EXPECT_EQ(Verticaal(p, X(43.5)),
                  (std::vector<std::pair<double, double>>{{13 * h, (n > 0 ? 16 + 2 * n : 15) * h}}));
        for (const Rij& r : Rijen(p))
            EXPECT_EQ(Persnr(r), std::to_string(200000 + volgende++));
        // Every page repeats the header.
        EXPECT_EQ(p.Regel(3 * h, L, w), pm.Paginas()[0].Regel(3 * h, L, w));
        EXPECT_EQ(p.Regel(11 * h, L, w), "Rapportenlijst");
    }
    EXPECT_EQ(volgende, g.leerlingen + 1);
}

INSTANTIATE_TEST_SUITE_P(Rapport, RapportenlijstPagineringTest,
                         ::testing::Values(Paginering{0, {0}}, Paginering{1, {1}}, Paginering{20, {20}},
                                           Paginering{21, {20, 1}}, Paginering{36, {20, 16}}));

TEST(RapportenlijstSterTest, AMarkedRowCountsAndPagingGoesOnPastIt)
{
    // "*" rows as the 20th row, as the 21st, and both: never more than 20
    // rows on a page, every pupil printed once, in slot order.
    for (const std::vector<int>& sterren : {std::vector<int>{20}, {21}, {20, 21}, {21, 22, 23}}) {
        auto adm = std::make_unique<AdmMain>();
        Groep(*adm, 36);
        for (int s : sterren)
            adm->Achternaam(s) = "*Vertrokken";
        const Paginamodel pm = AfdrukRapportenlijst(*adm, 1, datum, A4Afdrukvlak);
        ASSERT_EQ(pm.Paginas().size(), 2u);
        std::vector<std::string> gedrukt, verwacht;
        for (int p = 1; p <= 36; ++p)
            verwacht.push_back(adm->Achternaam(p)[0] == '*' ? "" : std::to_string(200000 + p));
        for (std::size_t i = 0; i < 2; ++i) {
            const auto rijen = Rijen(pm.Paginas()[i]);
            EXPECT_EQ(rijen.size(), i == 0 ? 20u : 16u);
            for (const Rij& r : rijen)
                gedrukt.push_back(Persnr(r));
        }
        EXPECT_EQ(gedrukt, verwacht) << "stars at " << sterren.front();
        // The star row is ruled but empty.
        const auto eerste = Rijen(pm.Paginas()[0]);
        if (sterren.front() == 20)
            EXPECT_EQ(eerste[19].tekst, "");
        else
            EXPECT_EQ(Rijen(pm.Paginas()[1])[0].tekst, "");
    }
}

TEST_F(RapportenlijstTest, HiddenAndEmptySlotsLeaveNoTraceAndFieldsKeepTheirWidths)
{
    // 28 rows: slot 9 ("*") counts, 14 (".") and 20 (empty) do not.
    const Paginamodel pm = Druk();
    ASSERT_EQ(pm.Paginas().size(), 2u);
    const auto p1 = Rijen(pm.Paginas()[0]);
    const auto p2 = Rijen(pm.Paginas()[1]);
    ASSERT_EQ(p1.size(), 20u);
    ASSERT_EQ(p2.size(), 8u);
    EXPECT_EQ(Persnr(p1[7]), "104008");
    EXPECT_EQ(p1[8].tekst, "");  // slot 9
    EXPECT_EQ(Persnr(p1[13]), "104015");
    EXPECT_EQ(Persnr(p1[18]), "104021");
    EXPECT_EQ(Persnr(p2[0]), "104023");
    EXPECT_EQ(p2[0].top, 15 * h);
    // Slot 29: the surname cut at 17, the first name as stored (13) and a blank.
    EXPECT_EQ(p2[6].tekst.substr(10, 32), "van Wijngaarden-O Maximiliaan-A ");
    // Slot 5 has no third report: three blanks in its box.
    EXPECT_EQ(p1[4].tekst.substr(57, 3), "   ");
    EXPECT_NE(p1[4].tekst.substr(51, 3), "   ");

    // A slot with a first name only is printed with a blank surname.
    adm->Achternaam(1) = "";
    const auto r = Rijen(Druk().Paginas()[0]);
    EXPECT_EQ(r[0].tekst.substr(1, 42), "104001" + std::string(3 + 18, ' ') + Pas("Sanne", 14) + " ");
}

TEST_F(RapportenlijstTest, LevelTwoPrintsItsOwnNameAndGrades)
{
    const Pagina p = Druk(2).Paginas()[0];
    EXPECT_EQ(p.Regel(8 * h, L, w), "Vak   : WISK   Deelvak  : A      Niveau 2 : VWO   ");
    const auto r = Rijen(p);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(r[0].tekst.substr(45 + 6 * (k - 1), 3), adm->RapportTxt(1, k, 2).str());
    EXPECT_NE(adm->RapportTxt(1, 1, 2), adm->RapportTxt(1, 1, 1));
    EXPECT_THROW(Druk(3), std::out_of_range);
}

TEST(RapportenlijstPapierTest, ShortPaperTakesFewerRowsAPage)
{
    auto adm = std::make_unique<AdmMain>();
    Groep(*adm, 36);
    // Room for the header, 10 rows and the strip.
    const Papier kort{A4Afdrukvlak.Breedte, 36.5 * h};
    const Paginamodel pm = AfdrukRapportenlijst(*adm, 1, datum, kort);
    ASSERT_EQ(pm.Paginas().size(), 4u);
    for (const Pagina& p : pm.Paginas())
        EXPECT_LE(paginahulp::Onderkant(p, h), kort.Hoogte);
    EXPECT_EQ(Rijen(pm.Paginas()[0]).size(), 10u);
    EXPECT_EQ(Rijen(pm.Paginas()[3]).size(), 6u);
}

// ---- With term averages ----

constexpr double t0 = 3.5 * h;  // the top rule
constexpr double R = L + 78.5 * w;
const double Rijraster[] = {36.5, 41.5, 46.5, 51.5, 56.5, 57.5, 61.5, 65.5, 69.5, 73.5, 74.5, 78.5};

// The slot numbers of the rows, with the top of each row in lines below t0.
std::vector<std::pair<std::string, double>> Nummers(const Pagina& p)
{
    std::vector<std::pair<std::string, double>> r;
    for (const Tekstdeel& t : p.Teksten)
        if (t.X == L && t.Y > t0 + 12 * h && t.Tekst.size() >= 4 && t.Tekst.substr(2, 2) == "  " &&
            std::isdigit(static_cast<unsigned char>(t.Tekst[0])))
            r.emplace_back(t.Tekst.substr(0, 2), (t.Y - t0) / h);
    return r;
}

class JaarlijstTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        voorbeeld::VulKlas(*adm);
        voorbeeld::VulRapporten(*adm);
    }
    Pagina Druk(int niveau = 1) const
    {
        const Paginamodel pm = AfdrukJaarlijst(*adm, niveau, datum, A4Afdrukvlak);
        EXPECT_TRUE(pm.Beeindigd());
        EXPECT_EQ(pm.Paginas().size(), 1u);
        return pm.Paginas().at(0);
    }
    // The row of slot p as it should read under method m.
    std::string Rijtekst(int p, int m, int l = 1) const
    {
        const AdmMain& a = *adm;
        std::string r = Zet({{0, voorbeeld::Gemtekst(100 + p).substr(2) + "  "},
                             {4, Pas(a.Achternaam(p).view().substr(0, 17), 18)},
                             {22, a.Roepnaam(p).str() + "  "},
                             {37, a.TrGemTxt(p, 1, l).str() + " "},
                             {42, a.TrGemTxt(p, 2, l).str() + " "},
                             {47, a.TrGemTxt(p, 3, l).str() + " "}});
        const int rp = m >= 1 && m <= 4 ? 58 : 51;
        if (rp == 58)
            r = Zet({{0, r}, {52, (m == 4 ? a.JrGemTxt(p, l) : a.EindGemTxt(p, l)).str() + "  "}});
        for (int k = 1; k <= 4; ++k)
            r = Zet({{0, r}, {rp + 4 * (k - 1), a.RapportTxt(p, k, l).str() + " "}});
        return Zet({{0, r}, {rp + 17, a.Mentor(p).str()}});
    }
    std::unique_ptr<AdmMain> adm = std::make_unique<AdmMain>();
};

TEST_F(JaarlijstTest, HeaderWeightsAndColumnLine)
{
    const Pagina p = Druk();
    auto regel = [&](double y) { return p.Regel(y, L, w); };
    EXPECT_EQ(regel(2 * h), "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(20, ' ') + "Datum: 05-03-2024");
    EXPECT_EQ(regel(t0 + 0.5 * h), "School: " + Pas("Scholengemeenschap Het Baken", 30) + std::string(22, ' ') +
                                       "Cursus: 2024-2025");
    EXPECT_EQ(regel(t0 + 1.5 * h), "Docent: J.P. de Vries");
    EXPECT_EQ(regel(t0 + 2.5 * h), "Klas  : 4H2   ");
    EXPECT_EQ(regel(t0 + 3.5 * h), "Vak   : WISK   Deelvak  : A      Niveau 1 : HAVO  ");
    EXPECT_EQ(regel(t0 + 4.5 * h), "Mentor: Marieke van den Heuvel-Jansen ");
    EXPECT_EQ(regel(t0 + 6.5 * h), Zet({{0, "Rapportenlijst"}, {27, "Trimester"}, {38, "T1"}, {43, "T2"}, {48, "T3"}}));
    // "Rapporten" stands half a character right of column 61, over the report boxes.
    const auto rapporten = std::find_if(p.Teksten.begin(), p.Teksten.end(),
                                        [](const Tekstdeel& t) { return t.Tekst == "Rapporten"; });
    ASSERT_NE(rapporten, p.Teksten.end());
    EXPECT_EQ(rapporten->X, X(61.5));
    EXPECT_EQ(rapporten->Y, t0 + 7.5 * h);
    EXPECT_EQ(regel(t0 + 8.5 * h),
              Zet({{29, "Gewicht"}, {38, "1  "}, {43, "1.5"}, {48, "2  "}, {61, "Zie opties!"}}));
    EXPECT_EQ(regel(t0 + 10.5 * h), Zet({{0, "Nr"}, {4, "Achternaam"}, {22, "Roepnaam"}, {42, "Tgem"}, {52, "Jgem"},
                                         {58, "Rp1"}, {62, "Rp2"}, {66, "Rp3"}, {70, "RpE"}, {75, "Mnt"}}));
    EXPECT_EQ(Regels(p, L, X(51.5)), (std::set<double>{t0 + 8 * h}));
    EXPECT_EQ(Regels(p, X(56.5), X(74.5)), (std::set<double>{t0 + 7 * h}));
    // The heading grid from the middle of the heading row to the rule under the weights.
    for (double k : {36.5, 41.5, 46.5, 51.5, 56.5, 57.5, 73.5, 74.5})
        EXPECT_EQ(Verticaal(p, X(k)).front(), (std::pair<double, double>{t0 + 7 * h, t0 + 10 * h})) << k;
    EXPECT_EQ(Verticaal(p, X(61.5)).front().first, t0 + 12 * h);
    EXPECT_TRUE(Verticaal(p, L).empty());
}

TEST_F(JaarlijstTest, RowsKeepSlotNumbersInGroupsOfSix)
{
    const Pagina p = Druk();
    // Slot 9 ("*") counts, 14 (".") and 20 (empty) do not; an empty ruled
    // row comes before the 7th, 13th, 19th and 25th row.
    const int sloten[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15,
                          16, 17, 18, 19, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
    const auto nummers = Nummers(p);
    ASSERT_EQ(nummers.size(), std::size(sloten));
    for (std::size_t i = 0; i < nummers.size(); ++i) {
        const int c = static_cast<int>(i) + 1;
        EXPECT_EQ(nummers[i].first, voorbeeld::Gemtekst(100 + sloten[i]).substr(2));
        EXPECT_DOUBLE_EQ(nummers[i].second, 12.5 + (c - 1) + (c - 1) / 6) << "row " << c;
    }
    EXPECT_EQ(p.Regel(t0 + 12.5 * h, L, w), Rijtekst(1, 2));
    EXPECT_EQ(p.Regel(t0 + 21.5 * h, L, w), "09  ");  // "*": the number only
    EXPECT_EQ(p.Regel(t0 + 18.5 * h, L, w), "");      // the empty row before the 7th
    EXPECT_EQ(p.Regel(t0 + 42.5 * h, L, w).substr(0, 37), "29  van Wijngaarden-O Maximiliaan-A  ");
}

TEST_F(JaarlijstTest, TheMethodChoosesTheYearColumn)
{
    for (int m : {1, 2, 3, 4, 0, 7}) {
        adm->RapportOptie[5] = m;
        const Pagina p = Druk();
        EXPECT_EQ(p.Regel(t0 + 12.5 * h, L, w), Rijtekst(1, m)) << "method " << m;
        // Last row 30 is the 28th: its top at 12.5 + 27 + 4 lines below t0.
        const double gem = t0 + (12.5 + 31 + 2) * h;
        const std::string klas = m == 4 ? adm->KlJrGemTxt(1).str() : adm->KlEindGemTxt(1).str();
        std::string verwacht = Zet({{19, "Klassengemiddelde"}, {37, adm->KlTrGemTxt(1, 1).str()},
                                    {42, adm->KlTrGemTxt(2, 1).str()}, {47, adm->KlTrGemTxt(3, 1).str()}});
        const int rp = (m >= 1 && m <= 4) ? 58 : 52;
        if (rp == 58)
            verwacht = Zet({{0, verwacht}, {52, klas}});
        for (int k = 1; k <= 4; ++k)
            verwacht = Zet({{0, verwacht}, {rp + 4 * (k - 1), adm->RpGemTxt(k, 1).str() + " "}});
        EXPECT_EQ(p.Regel(gem, L, w), verwacht) << "method " << m;
        const std::string spr = p.Regel(gem + h, L, w);
        EXPECT_EQ(spr.substr(27, 10), "Spreiding ");
        EXPECT_EQ(spr.substr(rp, 3), adm->RpSprTxt(1, 1).str());
        if (rp == 58) {
            EXPECT_EQ(spr.substr(52, 4), m == 4 ? adm->KlJrSprTxt(1).str() : adm->KlEindSprTxt(1).str());
        }
    }
}

TEST_F(JaarlijstTest, RulesAndEdgesFrameTheList)
{
    const Pagina p = Druk();
    const double laatste = t0 + (12.5 + 31) * h;  // top of the last row
    EXPECT_EQ(Regels(p, L, R),
              (std::set<double>{t0, t0 + 10 * h, t0 + 12 * h, laatste + 1.5 * h, laatste + 4.5 * h}));
    EXPECT_EQ(Verticaal(p, R), (std::vector<std::pair<double, double>>{{t0, laatste + 4.5 * h}}));
    for (double k : Rijraster) {
        if (k == 78.5)
            continue;  // the right edge
        EXPECT_EQ(Verticaal(p, X(k)).back(), (std::pair<double, double>{t0 + 12 * h, laatste + 4.5 * h})) << k;
    }
}

TEST_F(JaarlijstTest, NoPupilLeavesOneEmptyRowAboveTheClassRows)
{
    for (int p = 1; p <= AantalLeerlingen; ++p)
        adm->Achternaam(p) = "." + adm->Achternaam(p).str();
    const Pagina pg = Druk();
    EXPECT_TRUE(Nummers(pg).empty());
    EXPECT_EQ(Regels(pg, L, R), (std::set<double>{t0, t0 + 10 * h, t0 + 12 * h, t0 + 13 * h, t0 + 16 * h}));
    EXPECT_EQ(pg.Regel(t0 + 13.5 * h, L, w).substr(19, 17), "Klassengemiddelde");
}

TEST_F(JaarlijstTest, AFullClassFitsOnePageWithFiveSeparatorRows)
{
    voorbeeld::VulVolleKlas(*adm);
    const Pagina p = Druk();
    const auto nummers = Nummers(p);
    ASSERT_EQ(nummers.size(), 36u);
    EXPECT_EQ(nummers.back(), (std::pair<std::string, double>{"36", 12.5 + 35 + 5}));
    EXPECT_LE(paginahulp::Onderkant(p, h), A4Afdrukvlak.Hoogte);
    // Letter paper too.
    EXPECT_EQ(AfdrukJaarlijst(*adm, 1, datum, Papier{12240 - 720, 15840 - 720}).Paginas().size(), 1u);
}

TEST_F(JaarlijstTest, RowsOnShortPaperContinueUnderTheColumnLine)
{
    voorbeeld::VulVolleKlas(*adm);
    const Papier kort{A4Afdrukvlak.Breedte, 40 * h};
    const Paginamodel pm = AfdrukJaarlijst(*adm, 1, datum, kort);
    ASSERT_EQ(pm.Paginas().size(), 2u);
    std::vector<std::string> alle;
    for (const Pagina& p : pm.Paginas()) {
        EXPECT_LE(paginahulp::Onderkant(p, h), kort.Hoogte);
        for (const Tekstdeel& t : p.Teksten)
            if (t.X == L && t.Tekst.size() >= 4 && t.Tekst.substr(2, 2) == "  " &&
                std::isdigit(static_cast<unsigned char>(t.Tekst[0])))
                alle.push_back(t.Tekst.substr(0, 2));
    }
    ASSERT_EQ(alle.size(), 36u);
    EXPECT_EQ(alle.front(), "01");
    EXPECT_EQ(alle.back(), "36");
    const Pagina& p2 = pm.Paginas()[1];
    EXPECT_EQ(p2.Regel(3.5 * h, L, w).substr(0, 14), "Nr  Achternaam");
    EXPECT_TRUE(Regels(p2, L, R).count(3 * h));
    EXPECT_EQ(Verticaal(p2, R).front().first, 3 * h);
}

TEST_F(JaarlijstTest, LevelTwoPrintsItsOwnWeightsAveragesAndReports)
{
    const Pagina p = Druk(2);
    EXPECT_EQ(p.Regel(t0 + 3.5 * h, L, w), "Vak   : WISK   Deelvak  : A      Niveau 2 : VWO   ");
    EXPECT_EQ(p.Regel(t0 + 8.5 * h, L, w).substr(38, 13), "1    1    1  ");
    EXPECT_EQ(p.Regel(t0 + 12.5 * h, L, w), Rijtekst(1, 2, 2));
}

}  // namespace
