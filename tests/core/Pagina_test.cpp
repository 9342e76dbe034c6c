#include "core/Pagina.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double W = 120.0;      // a character of Courier New 10
constexpr double H = 226.5625;   // a line of Courier New 10

}  // namespace

TEST(Pagina, FixedPitchMetricsFollowTheFontSize)
{
    Paginamodel pm(A4Afdrukvlak);
    EXPECT_EQ(pm.TextWidth(" "), W);
    EXPECT_EQ(pm.TextWidth("Achternaam"), 10 * W);
    EXPECT_EQ(pm.TextWidth(""), 0.0);
    EXPECT_EQ(pm.TextHeight("I"), H);
    pm.Font.Size = 12;
    pm.Font.Bold = true;
    EXPECT_DOUBLE_EQ(pm.TextWidth("ab"), 2 * 144.0);
    EXPECT_DOUBLE_EQ(pm.TextHeight(), H * 1.2);
}

TEST(Pagina, PrintPlacesTextAndMovesThePosition)
{
    Paginamodel pm(A4Afdrukvlak);
    pm.CurrentX = 600;
    pm.CurrentY = 1000;
    pm.PrintZonderEinde("Klas");
    EXPECT_EQ(pm.CurrentX, 600 + 4 * W);
    EXPECT_EQ(pm.CurrentY, 1000);
    pm.Spc(3);
    EXPECT_EQ(pm.CurrentX, 600 + 7 * W);
    pm.Font.Underline = true;
    pm.Print("3A");
    EXPECT_EQ(pm.CurrentX, 0);
    EXPECT_EQ(pm.CurrentY, 1000 + H);

    ASSERT_EQ(pm.Paginas().size(), 1u);
    const auto& t = pm.Paginas()[0].Teksten;
    ASSERT_EQ(t.size(), 2u);  // the gap leaves no mark
    EXPECT_EQ(t[0], (Tekstdeel{600, 1000, "Klas", Lettertype{}, 0}));
    EXPECT_EQ(t[1].X, 600 + 7 * W);
    EXPECT_TRUE(t[1].Font.Underline);
    EXPECT_EQ(pm.Paginas()[0].Regel(1000, 600, W), "Klas   3A");
}

TEST(Pagina, UnderlinedBlanksAreKept)
{
    Paginamodel pm(A4Afdrukvlak);
    pm.Font.Underline = true;
    pm.Spc(2);
    ASSERT_EQ(pm.Paginas()[0].Teksten.size(), 1u);
    EXPECT_EQ(pm.Paginas()[0].Teksten[0].Tekst, "  ");
}

TEST(Pagina, LineEndsAtItsSecondPoint)
{
    Paginamodel pm(A4Afdrukvlak);
    pm.Line(720, 900, 10200, 900);
    EXPECT_EQ(pm.CurrentX, 10200);
    EXPECT_EQ(pm.CurrentY, 900);
    pm.PrintZonderEinde(" CESUURTABEL ");  // printed where the line ended
    const Pagina& p = pm.Paginas()[0];
    EXPECT_EQ(p.Lijnen[0], (Lijn{720, 900, 10200, 900, 0}));
    EXPECT_EQ(p.Teksten[0].X, 10200);
}

TEST(Pagina, DocumentStartsWithTheFirstOutputAndPagesFollow)
{
    Paginamodel pm(Papier{11000, 15000});
    EXPECT_TRUE(pm.Paginas().empty());
    EXPECT_EQ(pm.ScaleWidth(), 11000);
    EXPECT_EQ(pm.ScaleHeight(), 15000);

    pm.Spc(6);  // even blanks start the document
    EXPECT_EQ(pm.Paginas().size(), 1u);
    pm.CurrentY = 5000;
    pm.NewPage();
    EXPECT_EQ(pm.CurrentX, 0);
    EXPECT_EQ(pm.CurrentY, 0);
    pm.Print("twee");
    pm.EndDoc();
    ASSERT_EQ(pm.Paginas().size(), 2u);
    EXPECT_TRUE(pm.Paginas()[0].Teksten.empty());
    EXPECT_EQ(pm.Paginas()[1].Teksten[0].Y, 0);
    EXPECT_TRUE(pm.Beeindigd());
    EXPECT_THROW(pm.Print("na het einde"), std::logic_error);
}

TEST(Pagina, PositionsThatAreNoNumberAreRefused)
{
    Paginamodel pm(A4Afdrukvlak);
    pm.CurrentX = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(pm.Print("x"), std::invalid_argument);
    EXPECT_THROW(pm.Line(0, 0, std::numeric_limits<double>::infinity(), 0), std::invalid_argument);
    EXPECT_THROW(Paginamodel(Papier{0, 15000}), std::invalid_argument);
}

TEST(Pagina, DatesAndNumbersAsListsPrintThem)
{
    EXPECT_EQ(DatumTekst({5, 3, 2024}), "05-03-2024");
    EXPECT_EQ(DatumTekst({31, 12, 1999}), "31-12-1999");
    EXPECT_EQ(Titelregel(10, {9, 12, 2026}), "DOCENTEN-MORVALDIEK Versie 7.762          Datum: 09-12-2026");
    EXPECT_EQ(GedruktGetal(1), " 1 ");
    EXPECT_EQ(GedruktGetal(16), " 16 ");
    EXPECT_EQ(GedruktGetal(-2), "-2 ");
    const Datum d = Vandaag();
    EXPECT_TRUE(d.Dag >= 1 && d.Dag <= 31 && d.Maand >= 1 && d.Maand <= 12 && d.Jaar >= 2024);
}

TEST(Pagina, FrameSetsTheFontMarginAndTitle)
{
    Paginamodel pm(A4Afdrukvlak);
    pm.Font.Name = "Arial";
    pm.Font.Bold = true;
    pm.ForeColor = 255;
    const Paginamaten m = Afdrukkop(pm, 6, 3, 21, {5, 3, 2024});
    EXPECT_EQ(pm.Font, Lettertype{});
    EXPECT_EQ(pm.Font.Name, "Courier New");
    EXPECT_EQ(pm.Font.Size, 10);
    EXPECT_EQ(pm.ForeColor, 0u);
    EXPECT_EQ(m.w, W);
    EXPECT_EQ(m.h, H);
    EXPECT_EQ(m.L, 6 * W);
    EXPECT_EQ(m.T, 4 * H);
    const Pagina& p = pm.Paginas()[0];
    ASSERT_EQ(p.Teksten.size(), 1u);
    EXPECT_EQ(p.Teksten[0].X, m.L);
    EXPECT_EQ(p.Teksten[0].Y, 3 * H);
    EXPECT_EQ(p.Regel(3 * H, m.L, W),
              "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(21, ' ') + "Datum: 05-03-2024");

    Paginamodel namen(A4Afdrukvlak);  // nine blanks and the title on the third line
    const Paginamaten n = Afdrukkop(namen, 9, 2, 22, {5, 3, 2024});
    EXPECT_EQ(n.L, 9 * W);
    EXPECT_EQ(n.T, 3 * H);
}
