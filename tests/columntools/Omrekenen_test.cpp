#include "columntools/Omrekenen.h"

#include "core/Cijferbestand.h"
#include "termsheet/Cijferverwerking.h"
#include "termsheet/Herberekening.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class OmrekenenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NieuwCijferbestand(adm);
        VerwerkGewicht(adm, Tekst("1"), 2, 1, 1);
        VerwerkGewicht(adm, Tekst("1"), 20, 2, 2);
        const char* cijfers[] = {"7", "5.5", "", "10", "0  ", "8.3"};
        for (int p = 1; p <= 6; ++p)
            VerwerkCijfer(adm, Tekst(cijfers[p - 1]), p, 2, 1, 1);
        // The target already holds grades, also where the source is empty.
        for (int p = 1; p <= 6; ++p)
            VerwerkCijfer(adm, Tekst("4"), p, 20, 2, 2);
        adm.Gewijzigd = 0;
    }

    static std::string& Tekst(const char* t)
    {
        static std::string s;
        s = t;
        return s;
    }

    std::string Kolom(int c, int l) const
    {
        std::string r;
        for (int p = 1; p <= 6; ++p)
            r += adm.Cijfer(p, c, l).str() + "|";
        return r;
    }

    AdmMain adm;
};

TEST(Omrekenformule, PairsOfLevels)
{
    EXPECT_EQ(FormuleIndex(1, 1), 0);
    EXPECT_EQ(FormuleIndex(2, 2), 0);
    EXPECT_EQ(FormuleIndex(1, 2), 1);
    EXPECT_EQ(FormuleIndex(2, 1), 2);
    EXPECT_EQ(FormuleIndex(0, 2), 0);
}

TEST_F(OmrekenenTest, TheThreeStoredFormulas)
{
    // Within a level: a copy of every filled grade; empty ones keep the target.
    auto uit = KolomOmrekenen(adm, adm.Omrekenformule[0], {1, 1, 2}, {1, 1, 5});
    EXPECT_FALSE(uit.fout);
    EXPECT_EQ(Kolom(5, 1), "7  |5.5|   |10 |0  |8.3|");
    EXPECT_EQ(adm.Gewijzigd, 1);

    uit = KolomOmrekenen(adm, adm.Omrekenformule[1], {1, 1, 2}, {2, 2, 4});
    EXPECT_FALSE(uit.fout);
    EXPECT_EQ(Kolom(20, 2), "7.3|6  |4  |10 |1  |8.5|");  // 1 + 0.9 c; pupil 3 keeps 4

    uit = KolomOmrekenen(adm, adm.Omrekenformule[2], {2, 2, 4}, {1, 1, 16});
    EXPECT_EQ(Kolom(16, 1), "6.6|5.4|3.6|9  |0.9|7.7|");

    herberekening::ControleerAfgeleid(adm);
}

TEST_F(OmrekenenTest, OntoItselfAndOutOfRange)
{
    KolomOmrekenen(adm, "c+1", {1, 1, 2}, {1, 1, 2});
    EXPECT_EQ(Kolom(2, 1), "8  |6.5|   |11 |1  |9.3|");

    // Outside 0..200 empties the target cell.
    KolomOmrekenen(adm, "c*20-5", {1, 1, 2}, {1, 1, 3});
    EXPECT_EQ(Kolom(3, 1), "155|125|   |   |15 |181|");
    KolomOmrekenen(adm, "c-2", {1, 1, 2}, {1, 1, 4});
    EXPECT_EQ(Kolom(4, 1), "6  |4.5|   |9  |   |7.3|");
    herberekening::ControleerAfgeleid(adm);
}

TEST_F(OmrekenenTest, AFormulaThatFailsWritesNothing)
{
    struct Geval {
        const char* formule;
        int code;
        const char* melding;
    };
    const Geval gevallen[] = {
        {"2*x", 77, "Foutmelding:\n\nIllegal expression"},
        {"", 77, "Foutmelding:\n\nIllegal expression"},
        {"1/(c-1)", 11, "Foutmelding:\n\nDeling door nul   "},
        {"10/c", 11, "Foutmelding:\n\nDeling door nul   "},
        {"10^(400*c)", 6, "Foutmelding:\n\nOverloop   "},
        {"(c-5)^0.5", 5, "Foutmelding:\n\nOngeldige procedureaanroep of ongeldig argument   "},
        // Fine from 0 to 10, fails at a source grade of 8.3.
        {"1/(c-8.3)", 11, "Foutmelding:\n\nDeling door nul   "},
        // More items than the evaluator's tables hold.
        {"1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1", 78,
         "Foutmelding:\n\nSubscript valt buiten het bereik   "},
    };
    adm.Cijfer(1, 2, 1) = "7,5";  // a comma, as a hand-edited file may hold
    const std::string voor = CijferbestandTekst(adm);
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.formule);
        const auto uit = KolomOmrekenen(adm, g.formule, {1, 1, 2}, {2, 2, 4});
        ASSERT_TRUE(uit.fout);
        EXPECT_EQ(uit.fout->code, g.code);
        EXPECT_EQ(Foutmeldingtekst(*uit.fout), g.melding);
        EXPECT_EQ(CijferbestandTekst(adm), voor);
        EXPECT_EQ(adm.Gewijzigd, 0);
    }
    // A good formula reads the comma as a point and writes the point back.
    EXPECT_FALSE(KolomOmrekenen(adm, "2*c", {1, 1, 2}, {2, 2, 4}).fout);
    EXPECT_EQ(adm.Cijfer(1, 2, 1), "7.5");
    EXPECT_EQ(adm.Cijfer(1, 20, 2), "15 ");
}

TEST_F(OmrekenenTest, TheBoxCheckAndStoringAFormula)
{
    EXPECT_FALSE(FormuleControleren("1+0.9*c"));
    EXPECT_FALSE(FormuleControleren("10/c"));  // fine at c = 1; the conversion refuses it
    EXPECT_EQ(FormuleControleren("2*x")->code, 77);
    EXPECT_TRUE(FormuleControleren("2*x")->onleesbaar);
    EXPECT_EQ(FormuleControleren("1/(c-1)")->code, 11);
    EXPECT_FALSE(FormuleControleren("1/(c-1)")->onleesbaar);
    EXPECT_EQ(FormuleControleren("(c-5)^0.5")->code, 5);

}

TEST_F(OmrekenenTest, AStoredFormulaLosesItsTrailingBlanks)
{
    // Trailing blanks, in the box or in the stored text, are no change.
    const struct {
        std::string opgeslagen, vak, wordt;
        int gewijzigd;
    } gevallen[] = {
        {Pas("1+0.9*c", 25), "1+0.9*c", "1+0.9*c", 0},
        {Pas("1+0.9*c", 25), "1+0.9*c   ", "1+0.9*c", 0},
        {"1+0.9*c", "1+0.9*c  ", "1+0.9*c", 0},
        {Pas("1+0.9*c", 25), "1+0.8*c  ", "1+0.8*c", 1},
        {"1+0.9*c", " 1+0.9*c", " 1+0.9*c", 1},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.vak);
        adm.Omrekenformule[1] = g.opgeslagen;
        adm.Gewijzigd = 0;
        FormuleBewaren(adm, 1, g.vak);
        EXPECT_EQ(adm.Omrekenformule[1], g.wordt);
        EXPECT_EQ(adm.Gewijzigd, g.gewijzigd);
        EXPECT_EQ(adm.Omrekenformule[0], Pas("1*c", 25));
    }
}

}  // namespace
