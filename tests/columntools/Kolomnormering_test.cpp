// Norming a column along a curve, and the preview of the column.
#include "columntools/Kolomnormering.h"

#include "columntools/Cesuurknoppen.h"
#include "termsheet/Cijferverwerking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Term 2, level 1, column 5 (absolute 21).
const Kolomkeuze keuze{2, 1, 5};
constexpr int kolom = 21;

void Typ(AdmMain& adm, int p, int c, int t, int n, std::string tekst) { VerwerkCijfer(adm, tekst, p, c, t, n); }

// A class with raw counts in the chosen column, a grade in another column
// of the term, and the same column at the other level.
void Vul(AdmMain& adm, const std::vector<std::string>& ruw)
{
    NieuwCijferbestand(adm);
    for (int c : {kolom, kolom + 1}) {
        std::string g = "1";
        VerwerkGewicht(adm, g, c, 2, 1);
    }
    for (std::size_t i = 0; i < ruw.size(); ++i) {
        const int p = static_cast<int>(i) + 1;
        if (!ruw[i].empty())
            Typ(adm, p, kolom, 2, 1, ruw[i]);
        Typ(adm, p, kolom + 1, 2, 1, "7");
        Typ(adm, p, kolom, 2, 2, "8");
    }
}

// Everything the grade processing keeps for level 1.
std::vector<std::string> Stand(const AdmMain& adm)
{
    std::vector<std::string> s;
    for (int c = 1; c <= AantalKolommen; ++c)
        s.push_back(adm.KlGemTxt(c, 1).str() + adm.KlSprTxt(c, 1).str());
    for (int p = 0; p <= AantalLeerlingen; ++p)
        for (int t = 1; t <= 3; ++t)
            s.push_back(adm.TrGemTxt(p, t, 1).str() + adm.JrGemTxt(p, 1).str() + adm.EindGemTxt(p, 1).str());
    for (int p = 1; p <= AantalLeerlingen; ++p)
        for (int r = 1; r <= 4; ++r)
            s.push_back(adm.RapportTxt(p, r, 1).str());
    for (int t = 1; t <= 3; ++t)
        s.push_back(adm.KlTrGemTxt(t, 1).str() + adm.KlTrSprTxt(t, 1).str());
    return s;
}

// The error curve 90 errors 1.0, 60 errors 2.5, 15 errors 7.0, 0 errors 10.0.
const Curvepunten foutencurve{90, 60, 15, 0, 1, 2.5, 7, 10};

}  // namespace

TEST(Kolomnormering, ErrorCountsBecomeGradesAndEveryAverageFollows)
{
    AdmMain adm;
    Vul(adm, {"30", "60", "", "45", "95"});
    adm.Gewijzigd = 0;
    KolomNormeren(adm, keuze, foutencurve);
    EXPECT_EQ(adm.Gewijzigd, 1);

    // The same grades typed into the sheet.
    AdmMain getypt;
    Vul(getypt, {"5.5", "2.5", "", "4", "1"});
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(adm.Cijfer(p, kolom, 1), getypt.Cijfer(p, kolom, 1)) << p;
    EXPECT_EQ(adm.Cijfer(3, kolom, 1), "   ");  // empty stays empty
    EXPECT_EQ(adm.Cijfer(1, kolom, 2), "8  ");  // the other level keeps its cells
    EXPECT_EQ(Stand(adm), Stand(getypt));
    EXPECT_EQ(adm.KlGemTxt(kolom, 1), "3.25");
}

TEST(Kolomnormering, ScoresAlongTheDesignScoreCurve)
{
    Cesuurknoppen knoppen(Cesuursoort::Scores);
    knoppen.Activeren();  // 0 points 1.0 to 90 points 10.0, straight
    AdmMain adm;
    Vul(adm, {"0", "45", "90", "120", "63"});
    KolomNormeren(adm, keuze, knoppen.Punten());
    AdmMain getypt;
    Vul(getypt, {"1", "5.5", "10", "10", "7.3"});
    EXPECT_EQ(Stand(adm), Stand(getypt));
}

TEST(Kolomnormering, Preview)
{
    AdmMain adm;
    Vul(adm, {"30", "60", "", "45"});
    EXPECT_EQ(LaagsteScore(adm, keuze), "30");
    EXPECT_EQ(HoogsteScore(adm, keuze), "60");
    // One of three above the cut-off: insufficient; at the cut-off: not.
    EXPECT_EQ(PercentageOnvoldoende(adm, keuze, "45", Cesuursoort::Fouten), "33");
    EXPECT_EQ(PercentageOnvoldoende(adm, keuze, "45", Cesuursoort::Scores), "33");
    EXPECT_EQ(PercentageOnvoldoende(adm, keuze, "29.5", Cesuursoort::Fouten), "100");
    EXPECT_EQ(PercentageOnvoldoende(adm, keuze, "61", Cesuursoort::Fouten), "0  ");
    EXPECT_EQ(PercentageOnvoldoende(adm, keuze, "", Cesuursoort::Fouten), "   ");

    // A column without grades gives blanks.
    const Kolomkeuze leeg{2, 1, 9};
    EXPECT_EQ(LaagsteScore(adm, leeg), "   ");
    EXPECT_EQ(HoogsteScore(adm, leeg), "   ");
    EXPECT_EQ(PercentageOnvoldoende(adm, leeg, "45", Cesuursoort::Fouten), "   ");
    // ... also when an average stands without cells: no 0 / 0.
    adm.KlGemTxt(AbsoluteKolom(2, 9), 1) = "5";
    EXPECT_EQ(PercentageOnvoldoende(adm, leeg, "45", Cesuursoort::Fouten), "   ");
}

TEST(Kolomnormering, ReadingACellWritesItsCommaAsAPoint)
{
    AdmMain adm;
    Vul(adm, {"30", "60"});
    adm.Cijfer(2, kolom, 1) = "5,5";
    adm.Gewijzigd = 0;
    EXPECT_EQ(LaagsteScore(adm, keuze), "5.5");
    EXPECT_EQ(adm.Cijfer(2, kolom, 1), "5.5");
    EXPECT_EQ(adm.Gewijzigd, 0);
}
