#include "columntools/Omrekentabel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr double w = 120, h = 226.5625;
constexpr double X0 = 9 * w, X1 = X0 + 67 * w;
const Datum datum{5, 3, 2024};

TEST(Omrekentabel, RowsFromZeroToTen)
{
    const Omrekentabel t = OmrekentabelMaken("1*c");
    ASSERT_FALSE(t.fout);
    EXPECT_EQ(Tabelregel(t, 0), " 0   -  0  ");
    EXPECT_EQ(Tabelregel(t, 3), " 0.3 -  0.3");
    EXPECT_EQ(Tabelregel(t, 15), " 1.5 -  1.5");
    EXPECT_EQ(Tabelregel(t, 20), " 2   -  2  ");
    EXPECT_EQ(Tabelregel(t, 100), " 10  -  10 ");
    for (int i = 0; i <= AantalStappen; ++i)
        EXPECT_EQ(t.score[static_cast<std::size_t>(i)].substr(0, 3), t.cijfer[static_cast<std::size_t>(i)]) << i;

    EXPECT_EQ(OmrekentabelMaken("20*c").cijfer[100], "200");
    EXPECT_EQ(OmrekentabelMaken("20*c+1").cijfer[100], "   ");
    EXPECT_EQ(OmrekentabelMaken("1+0.9*c").cijfer[50], "5.5");
    EXPECT_EQ(OmrekentabelMaken("c-1").cijfer[5], "   ");
}

TEST(Omrekentabel, AFormulaThatFailsGivesNoTable)
{
    const Omrekentabel deling = OmrekentabelMaken("10/c");
    ASSERT_TRUE(deling.fout);
    EXPECT_EQ(Foutmeldingtekst(*deling.fout), "Foutmelding:\n\nDeling door nul   ");
    // Not a table of zeros: the formula is said to be wrong.
    const Omrekentabel onleesbaar = OmrekentabelMaken("2*x");
    ASSERT_TRUE(onleesbaar.fout);
    EXPECT_EQ(Foutmeldingtekst(*onleesbaar.fout), "Foutmelding:\n\nIllegal expression");
}

TEST(Omrekentabel, PrintedAsABoxOfFiveColumns)
{
    const Paginamodel pm = AfdrukOmrekentabel(OmrekentabelMaken("1*c"), datum, A4Afdrukvlak);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    EXPECT_TRUE(pm.Beeindigd());
    const Pagina& p = pm.Paginas()[0];
    auto regel = [&](double y) { return p.Regel(y, X0, w); };

    EXPECT_EQ(regel(3 * h), "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(10, ' ') + "Datum: 05-03-2024");
    EXPECT_EQ(regel(6 * h), std::string(27, ' ') + " OMREKENTABEL");

    const auto stuk = [](int i, const std::string& s, const std::string& c) {
        return std::string(i == 0 ? 0 : 4, ' ') + Pas(s, 4) + "- " + Pas(c, 3);
    };
    EXPECT_EQ(regel(7 * h), "   " + stuk(0, "0", "0") + stuk(1, "2", "2") + stuk(1, "4", "4") + stuk(1, "6", "6") +
                                stuk(1, "8", "8") + std::string(3, ' '));
    EXPECT_EQ(regel(8 * h).substr(3, 9), "0.1 - 0.1");
    EXPECT_EQ(regel(26 * h).substr(3 + 52, 9), "9.9 - 9.9");
    // Entry 100 alone on the 21st line, at the fifth column's place.
    EXPECT_EQ(regel(27 * h), std::string(3 + 52, ' ') + "10  - 10 " + std::string(3, ' '));

    std::set<std::pair<double, double>> rules;  // (y, x2) of the rules starting at X0 or ending at X1
    double randen = 0;
    for (const Lijn& l : p.Lijnen) {
        if (l.Y1 == l.Y2)
            rules.insert({l.Y1, l.X1 == X0 ? l.X2 : -l.X1});
        else if (l.X1 == X0 || l.X1 == X1)
            randen += l.Y2 - l.Y1;
        else
            ADD_FAILURE() << "a vertical line inside the box at " << l.X1;
    }
    const std::set<std::pair<double, double>> verwacht = {
        {4.5 * h, X1}, {6.5 * h, X0 + 27 * w}, {6.5 * h, -(X0 + 40 * w)}, {28.5 * h, X1}};
    EXPECT_EQ(rules, verwacht);
    EXPECT_DOUBLE_EQ(randen, 2 * 22 * h);  // both sides from 6.5 h to 28.5 h
}

}  // namespace
