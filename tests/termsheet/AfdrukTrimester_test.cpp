#include "termsheet/AfdrukTrimester.h"

#include "termsheet/AfdrukVoorbeeld.h"

#include "Paginahulp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr double w = 120, h = 226.5625;
constexpr double L = 6 * w, R = L + 79 * w, T = 4 * h;
const Datum datum{5, 3, 2024};

double X(double k) { return L + k * w; }

using paginahulp::Regels;
using paginahulp::Verticaal;
using paginahulp::Zet;

std::string Cellen(std::string vooraf, const std::vector<std::string>& cel, int begin = 38)
{
    std::string r = std::move(vooraf);
    for (std::size_t k = 0; k < cel.size(); ++k) {
        const std::size_t x = begin + 4 * k;
        if (r.size() < x + cel[k].size())
            r.resize(x + cel[k].size(), ' ');
        r.replace(x, cel[k].size(), cel[k]);
    }
    return r;
}

// The slot numbers printed at L, in order, with their y.
std::vector<std::pair<std::string, double>> Nummers(const Pagina& p)
{
    std::vector<std::pair<std::string, double>> r;
    for (const Tekstdeel& t : p.Teksten)
        if (t.X == L && t.Tekst.size() >= 4 && std::isdigit(static_cast<unsigned char>(t.Tekst[0])) &&
            std::isdigit(static_cast<unsigned char>(t.Tekst[1])) && t.Tekst.substr(2, 2) == "  ")
            r.emplace_back(t.Tekst.substr(0, 2), t.Y);
    return r;
}

class AfdrukTrimesterTest : public ::testing::Test {
protected:
    void SetUp() override { voorbeeld::VulKlas(*adm); }
    std::unique_ptr<AdmMain> adm = std::make_unique<AdmMain>();
};

}  // namespace

TEST_F(AfdrukTrimesterTest, HeaderBoxShowsSchoolDataAndShortenedColumnHeaders)
{
    const Paginamodel pm = AfdrukTrimester(*adm, 1, 1, 1, datum, A4Afdrukvlak);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    EXPECT_TRUE(pm.Beeindigd());
    const Pagina& p = pm.Paginas()[0];
    auto regel = [&](double y) { return p.Regel(y, L, w); };

    EXPECT_EQ(regel(3 * h), "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(21, ' ') + "Datum: 05-03-2024");
    EXPECT_EQ(regel(T + h), "School : Scholengemeenschap Het Baken" + std::string(24, ' ') + "Cursus: 2024-2025");
    EXPECT_EQ(regel(T + 2 * h), Pas("Docent : J.P. de Vries", 78));
    EXPECT_EQ(regel(T + 3 * h), "");
    EXPECT_EQ(regel(T + 4 * h), Cellen("1-e Trimester Niveau 1 : HAVO   Kolom",
                                       {" 1 ", " 2 ", " 3 ", " 4 ", " 5 ", " 6 ", " 7 ", " 8 "}));
    EXPECT_EQ(regel(T + 6 * h), Cellen("Klas  : 4H2   " + std::string(18, ' ') + "Soort",
                                       {"Pr*", "SO ", "PO ", "Pr*", "SO ", "To*", "SO ", "PO "}));
    EXPECT_EQ(regel(T + 7 * h), Cellen("Vak   : WISK  " + std::string(18, ' ') + "Datum",
                                       {"12*", "26*", "3 *", "17*", "31*", "7 *", "14*", "28*"}));
    EXPECT_EQ(regel(T + 8 * h), Cellen("Dvak  : A     " + std::string(14, ' ') + "Opmerking",
                                       {"Ho*", "   ", "Pr*", "   ", "   ", "Ka*", "   ", "Gr*"}));
    EXPECT_EQ(regel(T + 9 * h), Cellen("Mentor: Marieke van den Heuv  Gewicht",
                                       {"3  ", "1  ", "2  ", "3  ", "1  ", "0.5", "1  ", "2  "}));
    EXPECT_EQ(regel(T + 11 * h),
              Zet({{0, "Nr"}, {4, "Achternaam"}, {22, "Roepnaam"}, {38, "Cijfers/Scores"}, {70, "Tgem"}, {75, "Mnt"}}));
    EXPECT_EQ(regel(T + 11 * h).size(), 78u);
}

TEST_F(AfdrukTrimesterTest, ToolbarWindowFromColumnFivePrintsColumnsFiveToTwelve)
{
    const Pagina p = AfdrukTrimester(*adm, 1, 1, 5, datum, A4Afdrukvlak).Paginas()[0];
    EXPECT_EQ(p.Regel(T + 4 * h, L, w), Cellen("1-e Trimester Niveau 1 : HAVO   Kolom",
                                                {" 5 ", " 6 ", " 7 ", " 8 ", " 9 ", "10 ", "11 ", "12 "}));
    EXPECT_EQ(p.Regel(T + 6 * h, L, w),
              Cellen("Klas  : 4H2   " + std::string(18, ' ') + "Soort", {"SO ", "To*", "SO ", "PO ", "He*"}));
    // Pupil 1's grades of columns 5..8 stand in the first four cells.
    EXPECT_EQ(p.Regel(T + 13 * h, L, w).substr(38, 16), "9.1 4.3 6.6 8.9 ");
}

TEST_F(AfdrukTrimesterTest, PupilLinesKeepSlotNumbersAndGroupsOfSix)
{
    const Pagina p = AfdrukTrimester(*adm, 1, 1, 1, datum, A4Afdrukvlak).Paginas()[0];
    // Slot 9 ("*") counts, 14 (".") and 20 (empty) do not; empty ruled lines
    // come before the 7th, 13th, 19th and 25th printed line.
    const std::vector<std::pair<std::string, double>> verwacht = {
        {"01", 17}, {"02", 18}, {"03", 19}, {"04", 20}, {"05", 21}, {"06", 22}, {"07", 24}, {"08", 25},
        {"09", 26}, {"10", 27}, {"11", 28}, {"12", 29}, {"13", 31}, {"15", 32}, {"16", 33}, {"17", 34},
        {"18", 35}, {"19", 36}, {"21", 38}, {"22", 39}, {"23", 40}, {"24", 41}, {"25", 42}, {"26", 43},
        {"27", 45}, {"28", 46}, {"29", 47}, {"30", 48},
    };
    auto nummers = Nummers(p);
    ASSERT_EQ(nummers.size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        EXPECT_EQ(nummers[i].first, verwacht[i].first);
        EXPECT_EQ(nummers[i].second, verwacht[i].second * h) << "slot " << verwacht[i].first;
    }

    EXPECT_EQ(p.Regel(17 * h, L, w),
              Cellen("01  " + Pas("Bakker", 17) + " " + Pas("Sanne", 13),
                     {"7  ", "9.3", "4.5", "6.8", "9.1", "4.3", "6.6", "8.9"}) +
                  " 6.23 DVR");
    EXPECT_EQ(p.Regel(19 * h, L, w).substr(0, 35), "03  " + Pas("\xC7" "elik", 17) + " " + Pas("Elif", 13));
    EXPECT_EQ(p.Regel(26 * h, L, w), "09  ");  // "*": the number only
    EXPECT_EQ(p.Regel(47 * h, L, w).substr(0, 35), "29  van Wijngaarden-O Maximiliaan-A");
    // Slot 10 missed column 1 ((10 + 1) % 11 == 0): a blank cell.
    EXPECT_EQ(p.Regel(27 * h, L, w).substr(38, 4), "    ");
    EXPECT_EQ(p.Regel(23 * h, L, w), "");  // the empty ruled line before slot 7
}

TEST_F(AfdrukTrimesterTest, FooterShowsClassStatisticsCutToThree)
{
    const Pagina p = AfdrukTrimester(*adm, 1, 1, 1, datum, A4Afdrukvlak).Paginas()[0];
    // Column 6's class average "10.0" prints as "10.".
    EXPECT_EQ(p.Regel(50 * h, L, w),
              Cellen(Zet({{20, "Klassengemiddelde"}}), {"6.1", "6.2", "6.3", "6.3", "6.4", "10.", "6.5", "6.6"}) +
                  " 6.53");
    EXPECT_EQ(p.Regel(51 * h, L, w),
              Cellen(Zet({{28, "Spreiding"}}), {"1.2", "1.2", "1.2", "1.3", "1.3", "1.3", "1.4", "1.4"}) + " 0.94");
}

TEST_F(AfdrukTrimesterTest, RulesAndColumnLinesFrameTheSheet)
{
    const Pagina p = AfdrukTrimester(*adm, 1, 1, 1, datum, A4Afdrukvlak).Paginas()[0];
    EXPECT_EQ(Regels(p, L, R), (std::set<double>{T + 0.5 * h, T + 10.5 * h, T + 12.5 * h, 49.5 * h, 52.5 * h}));
    EXPECT_EQ(Regels(p, L, X(69.5)), (std::set<double>{T + 5.5 * h}));

    // The right edge closes every line from the first rule to the last.
    EXPECT_EQ(Verticaal(p, R), (std::vector<std::pair<double, double>>{{T + 0.5 * h, 52.5 * h}}));
    // Cell lines in the column header box and in the list, not through the column titles.
    for (int k = 0; k <= 8; ++k)
        EXPECT_EQ(Verticaal(p, X(37.5 + 4 * k)),
                  (std::vector<std::pair<double, double>>{{T + 4 * h, T + 10.5 * h}, {T + 12.5 * h, 52.5 * h}}))
            << "cell line " << k;
    EXPECT_EQ(Verticaal(p, X(74.5)), (std::vector<std::pair<double, double>>{{T + 12.5 * h, 52.5 * h}}));
    EXPECT_TRUE(Verticaal(p, L).empty());

    // Nothing is marked: every text plain and black.
    for (const Tekstdeel& t : p.Teksten) {
        EXPECT_EQ(t.Kleur, 0u);
        EXPECT_EQ(t.Font, Lettertype{});
    }
}

TEST_F(AfdrukTrimesterTest, GroupWithoutNamedPupilPrintsFrameHeaderAndFooter)
{
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        adm->Achternaam(p) = "";
        adm->Roepnaam(p) = "";
    }
    adm->Achternaam(4) = ".Verborgen";
    const Pagina p = AfdrukTrimester(*adm, 1, 1, 1, datum, A4Afdrukvlak).Paginas()[0];
    EXPECT_TRUE(Nummers(p).empty());
    EXPECT_EQ(p.Regel(T + 14 * h, L, w).substr(20, 17), "Klassengemiddelde");
    EXPECT_EQ(p.Regel(T + 15 * h, L, w).substr(28, 9), "Spreiding");
    EXPECT_EQ(Regels(p, L, R), (std::set<double>{T + 0.5 * h, T + 10.5 * h, T + 12.5 * h, T + 13.5 * h, T + 16.5 * h}));
}

TEST_F(AfdrukTrimesterTest, FullClassFitsOneA4Page)
{
    voorbeeld::VulVolleKlas(*adm);
    const Paginamodel pm = AfdrukTrimester(*adm, 1, 1, 1, datum, A4Afdrukvlak);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    const Pagina& p = pm.Paginas()[0];
    EXPECT_EQ(Nummers(p).size(), 36u);
    EXPECT_EQ(Nummers(p).back(), (std::pair<std::string, double>{"36", 57 * h}));  // after five empty lines
    EXPECT_EQ(*Regels(p, L, R).rbegin(), 61.5 * h);
    EXPECT_LT(61.5 * h, A4Afdrukvlak.Hoogte);
}

TEST_F(AfdrukTrimesterTest, OtherLevelAndTermReadTheirOwnFields)
{
    adm->KolomSoort(AbsoluteKolom(2, 9), 2) = "LO";
    adm->Cijfer(1, AbsoluteKolom(2, 9), 2) = "8.5";
    adm->TrGemTxt(1, 2, 2) = "8.5";
    adm->KlTrGemTxt(2, 2) = "7.25";
    const Pagina p = AfdrukTrimester(*adm, 2, 2, 9, datum, A4Afdrukvlak).Paginas()[0];
    EXPECT_EQ(p.Regel(T + 4 * h, L, w).substr(0, 38), "2-e Trimester Niveau 2 : VWO    Kolom ");
    EXPECT_EQ(p.Regel(T + 6 * h, L, w).substr(38, 3), "LO ");
    EXPECT_EQ(p.Regel(17 * h, L, w).substr(38), "8.5" + std::string(29, ' ') + "8.5  DVR");
    EXPECT_EQ(p.Regel(50 * h, L, w).substr(70), "7.25");
}

TEST_F(AfdrukTrimesterTest, ArgumentsOutsideTheirRangeAreRefused)
{
    EXPECT_THROW(AfdrukTrimester(*adm, 0, 1, 1, datum, A4Afdrukvlak), std::out_of_range);
    EXPECT_THROW(AfdrukTrimester(*adm, 1, 3, 1, datum, A4Afdrukvlak), std::out_of_range);
    EXPECT_THROW(AfdrukTrimester(*adm, 3, 1, 10, datum, A4Afdrukvlak), std::out_of_range);
}

// Rows that would run past the printable area go on a new page under the
// column heading; an empty group line is not carried to the top of a page.
struct Paginaval {
    double hoogte;        // printable height in lines
    std::string laatste;  // last slot on page 1
    std::string eerste;   // first slot on page 2
};

class AfdrukTrimesterPaginas : public AfdrukTrimesterTest, public ::testing::WithParamInterface<Paginaval> {};

TEST_P(AfdrukTrimesterPaginas, RowsContinueOnANewPage)
{
    const Paginaval v = GetParam();
    const Paginamodel pm = AfdrukTrimester(*adm, 1, 1, 1, datum, Papier{A4Afdrukvlak.Breedte, v.hoogte * h});
    ASSERT_EQ(pm.Paginas().size(), 2u);
    const Pagina& een = pm.Paginas()[0];
    const Pagina& twee = pm.Paginas()[1];

    for (const Pagina& p : pm.Paginas()) {
        for (const Tekstdeel& t : p.Teksten)
            EXPECT_LE(t.Y + h, pm.ScaleHeight()) << t.Tekst;
        for (const Lijn& l : p.Lijnen)
            EXPECT_LE(std::max(l.Y1, l.Y2), pm.ScaleHeight());
    }

    // Every printed slot once, in order, across the pages.
    auto nummers = Nummers(een);
    EXPECT_EQ(nummers.back().first, v.laatste);
    const double slotEen = nummers.back().second;
    for (const auto& n : Nummers(twee))
        nummers.push_back(n);
    std::vector<std::string> gedrukt;
    for (const auto& n : nummers)
        gedrukt.push_back(n.first);
    EXPECT_EQ(gedrukt, (std::vector<std::string>{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10",
                                                 "11", "12", "13", "15", "16", "17", "18", "19", "21", "22",
                                                 "23", "24", "25", "26", "27", "28", "29", "30"}));

    // Page 1 closes its list half a line below its last row.
    EXPECT_EQ(*Regels(een, L, R).rbegin(), slotEen + 1.5 * h);
    EXPECT_TRUE(een.Regel(slotEen + 2 * h, L, w).empty());

    // Page 2: the column heading under a rule where page 1 has its title, then the rows.
    EXPECT_EQ(twee.Regel(3.5 * h, L, w).substr(0, 14), "Nr  Achternaam");
    EXPECT_EQ(*Regels(twee, L, R).begin(), 3 * h);
    EXPECT_EQ(Nummers(twee).front(), (std::pair<std::string, double>{v.eerste, 5.5 * h}));
    EXPECT_EQ(Verticaal(twee, R).front().first, 3 * h);

    // The statistics close the last page only.
    bool voetEen = false, voetTwee = false;
    for (const Tekstdeel& t : een.Teksten)
        voetEen |= t.Tekst == "Klassengemiddelde";
    for (const Tekstdeel& t : twee.Teksten)
        voetTwee |= t.Tekst == "Klassengemiddelde";
    EXPECT_FALSE(voetEen);
    EXPECT_TRUE(voetTwee);
}

INSTANTIATE_TEST_SUITE_P(Papier, AfdrukTrimesterPaginas,
                         ::testing::Values(Paginaval{40, "21", "22"},    // breaks inside a group
                                           Paginaval{39, "19", "21"}));  // breaks where a group ends
