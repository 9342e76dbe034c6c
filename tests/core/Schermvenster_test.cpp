#include "core/Schermvenster.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <utility>

void PrintTo(const Schermstand& s, std::ostream* uit)
{
    *uit << "view " << s.Scherm << ", rows " << s.EersteRij << "-" << s.LaatsteRij << " pupil " << s.HuidigeRij
         << ", columns " << s.EersteKolom << "-" << s.LaatsteKolom << " column " << s.HuidigeKolom << ", level "
         << s.Niveau;
}

namespace {

Schermstand Stand(int scherm, int eersteRij, int huidigeRij, int eersteKolom, int huidigeKolom, int niveau = 1)
{
    return {scherm, eersteRij, eersteRij + 7, eersteKolom, eersteKolom + 7, huidigeRij, huidigeKolom, niveau};
}


// ---------------------------------------------------------------- rows

TEST(Schermvenster, ChoosingAPupilMovesTheWindowJustFarEnough)
{
    const struct {
        int eerste, p, eersteNa;
    } gevallen[] = {
        {1, 5, 1},    // inside: the window stays
        {1, 8, 1},
        {1, 9, 2},    // below: the pupil becomes the bottom row
        {1, 36, 29},
        {20, 19, 19}, // above: the top row
        {20, 12, 12},
        {29, 1, 1},
        {29, 36, 29},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(std::to_string(g.eerste) + " " + std::to_string(g.p));
        Schermstand s = Stand(SchermTrimester2, g.eerste, g.eerste, 17, 17);
        LeerlingKiezen(s, g.p);
        EXPECT_EQ(s, Stand(SchermTrimester2, g.eersteNa, g.p, 17, 17));
    }
    // No such pupil: nothing moves.
    for (int p : {0, -1, 37}) {
        Schermstand s = Stand(SchermNamen, 5, 7, 1, 1);
        LeerlingKiezen(s, p);
        EXPECT_EQ(s, Stand(SchermNamen, 5, 7, 1, 1)) << p;
    }
}

TEST(Schermvenster, TheWindowOfAFirstRowStaysWithinTheSlots)
{
    for (auto [van, eerste] : {std::pair{-3, 1}, {0, 1}, {1, 1}, {15, 15}, {29, 29}, {30, 29}, {40, 29}}) {
        Schermstand s;
        RijvensterVanaf(s, van);
        EXPECT_EQ(s.EersteRij, eerste) << van;
        EXPECT_EQ(s.LaatsteRij, eerste + 7) << van;
    }
}

TEST(Schermvenster, UpDownAndAPageStayWithinThePupils)
{
    const struct {
        int p, rijen, naar;
    } gevallen[] = {
        {1, 1, 2},   {35, 1, 36}, {36, 1, 36},  {2, -1, 1},  {1, -1, 1},
        {9, -8, 1},  {10, -8, 2}, {20, -8, 12}, {1, 8, 9},   {28, 8, 36},
        {30, 8, 36}, {36, 8, 36}, {1, -8, 1},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Leerlingstap(g.p, g.rijen), g.naar) << g.p << " " << g.rijen;
}

TEST(Schermvenster, AScreenRowAndDownFromTheWeights)
{
    Schermstand s = Stand(SchermTrimester1, 20, 25, 9, 12);
    SchermrijKiezen(s, 3);
    EXPECT_EQ(s.HuidigeRij, 22);
    // Down from the weights: pupil 1 at the top, the columns as they were.
    EersteLeerlingKiezen(s);
    EXPECT_EQ(s, Stand(SchermTrimester1, 1, 1, 9, 12));
}

// ---------------------------------------------------------------- columns

TEST(Schermvenster, EachTermStartsAtItsFirstEightColumns)
{
    for (auto [t, eerste] : {std::pair{1, 1}, {2, 17}, {3, 33}}) {
        Schermstand s = Stand(SchermNamen, 9, 12, 5, 10, 2);
        TrimesterKiezen(s, t);
        EXPECT_EQ(s, Stand(t, 9, 12, eerste, eerste, 2));
    }
}

TEST(Schermvenster, TheHorizontalScrollBarMovesTheColumnWindowWithinTheTerm)
{
    // Term 2, columns 17-24 shown: 12 is right of it, 3 left of it, 4 inside.
    Schermstand s = Stand(SchermTrimester2, 1, 1, 17, 17);
    for (auto [k, eerste, huidig] : {std::tuple{12, 21, 28}, {3, 19, 19}, {4, 19, 20}, {16, 25, 32}, {1, 17, 17}}) {
        KolomKiezen(s, k);
        EXPECT_EQ(s, Stand(SchermTrimester2, 1, 1, eerste, huidig)) << k;
    }
    // Outside the term, or no term sheet: nothing moves.
    for (int k : {0, 17, -4}) {
        KolomKiezen(s, k);
        EXPECT_EQ(s, Stand(SchermTrimester2, 1, 1, 17, 17)) << k;
    }
    s.Scherm = SchermNamen;
    KolomKiezen(s, 12);
    EXPECT_EQ(s, Stand(SchermNamen, 1, 1, 17, 17));
}

TEST(Schermvenster, AScreenColumnAndTheColumnWithinTheTerm)
{
    Schermstand s = Stand(SchermTrimester3, 1, 1, 37, 40);
    SchermkolomKiezen(s, 2);
    EXPECT_EQ(s.HuidigeKolom, 38);
    EXPECT_EQ(Trimesterkolom(s, 38), 6);
    EXPECT_EQ(Trimesterkolom(s, 33), 1);
    EXPECT_EQ(Trimesterkolom(s, 48), 16);
}

TEST(Schermvenster, AViewSwitchAndALevelSwitch)
{
    Schermstand s = Stand(SchermTrimester2, 9, 12, 21, 25, 2);
    for (int scherm : {SchermRapporten, SchermJaaroverzicht, SchermNamen}) {
        SchermKiezen(s, scherm);
        EXPECT_EQ(s, Stand(scherm, 9, 12, 21, 25, 2));
    }
    SchermKiezen(s, SchermTrimester3);
    EXPECT_EQ(s, Stand(SchermTrimester3, 9, 12, 33, 33, 2));
    for (int scherm : {0, 7, -1}) {
        SchermKiezen(s, scherm);
        EXPECT_EQ(s.Scherm, SchermTrimester3) << scherm;
    }
    NiveauKiezen(s, 1);
    EXPECT_EQ(s.Niveau, 1);
    for (int niveau : {0, 3}) {
        NiveauKiezen(s, niveau);
        EXPECT_EQ(s.Niveau, 1) << niveau;
    }
}

// ---------------------------------------------------------------- screen places

// Box i of a grid of `perRij` boxes a row from the window's first row:
// its pupil and its place on the row (`eerste` for the first), and back.
template <class Index, class Van>
void ControleerRaster(const Schermstand& s, int aantal, int perRij, int eerste, Index index, Van van)
{
    for (int i = 1; i <= aantal; ++i) {
        const auto [leerling, plaats] = van(s, i);
        EXPECT_EQ(leerling, s.EersteRij + (i - 1) / perRij) << i;
        EXPECT_EQ(plaats, eerste + (i - 1) % perRij) << i;
        EXPECT_EQ(index(s, leerling, plaats), i);
    }
}

TEST(Schermvenster, CellsRunEightARowAndBack)
{
    Schermstand s = Stand(SchermTrimester2, 5, 5, 21, 21);
    EXPECT_EQ(CelIndex(s, 5, 21), 1);
    EXPECT_EQ(CelIndex(s, 5, 28), 8);
    EXPECT_EQ(CelIndex(s, 6, 21), 9);
    EXPECT_EQ(CelIndex(s, 12, 28), 64);
    ControleerRaster(s, 64, 8, 21, CelIndex, CelVan);
    for (int r = 1; r <= 8; ++r) {
        EXPECT_EQ(SchermRij(s, LeerlingOpRij(s, r)), r);
        EXPECT_EQ(LeerlingOpRij(s, r), 4 + r);
        EXPECT_EQ(SchermKolom(s, KolomOpScherm(s, r)), r);
        EXPECT_EQ(KolomOpScherm(s, r), 20 + r);
    }
    CelKiezen(s, 19);
    EXPECT_EQ(s.HuidigeRij, 7);
    EXPECT_EQ(s.HuidigeKolom, 23);
}

TEST(Schermvenster, ReportBoxesRunFourALineAndBack)
{
    AdmMain a;
    RijvensterVanaf(a, 10);
    EXPECT_EQ(RapportIndex(a, 10, 1), 1);
    EXPECT_EQ(RapportIndex(a, 10, 4), 4);
    EXPECT_EQ(RapportIndex(a, 11, 1), 5);
    EXPECT_EQ(RapportIndex(a, 17, 4), 32);
    ControleerRaster(a, 32, 4, 1, RapportIndex, RapportvakVan);
    RapportvakKiezen(a, 15);
    EXPECT_EQ(a.HuidigeRij, 13);
    EXPECT_EQ(a.RapportKolom, 3);
}

// ---------------------------------------------------------------- valid states

TEST(Schermvenster, AValidStateStaysAsItIs)
{
    const Schermstand geldig[] = {
        Schermstand{},
        Stand(SchermTrimester1, 1, 8, 9, 16, 2),
        Stand(SchermTrimester3, 29, 36, 41, 41),
        Stand(SchermNamen, 1, 20, 17, 18),    // current pupil outside the rows
        Stand(SchermJaaroverzicht, 12, 3, 33, 40),
    };
    for (const Schermstand& s : geldig) {
        Schermstand c = s;
        SchermstandControleren(c);
        EXPECT_EQ(c, s);
        EXPECT_EQ(GeldigeSchermstand(s), s);
    }
}

TEST(Schermvenster, AnInvalidGroupTakesItsStartUpValue)
{
    const struct {
        const char* naam;
        Schermstand in, uit;
    } gevallen[] = {
        {"no view", {0, 1, 8, 1, 8, 1, 1, 1}, Schermstand{}},
        {"rows past slot 36", Stand(SchermNamen, 30, 31, 1, 1), Stand(SchermNamen, 1, 31, 1, 1)},
        {"no pupil", Stand(SchermNamen, 9, 0, 1, 1), Stand(SchermNamen, 9, 9, 1, 1)},
        {"window not eight rows", {6, 2, 8, 1, 8, 5, 1, 1}, Stand(SchermNamen, 1, 5, 1, 1)},
        {"columns of another term", Stand(SchermTrimester2, 1, 3, 1, 1), Stand(SchermTrimester2, 1, 3, 17, 17)},
        {"columns across two terms", Stand(SchermNamen, 1, 3, 10, 10), Stand(SchermNamen, 1, 3, 1, 1)},
        {"current column outside", Stand(SchermTrimester1, 1, 3, 1, 9), Stand(SchermTrimester1, 1, 3, 1, 1)},
        {"no level", Stand(SchermNamen, 1, 1, 1, 1, 3), Stand(SchermNamen, 1, 1, 1, 1, 1)},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        EXPECT_EQ(GeldigeSchermstand(g.in), g.uit);
        Schermstand s = g.in;
        SchermstandControleren(s);
        EXPECT_EQ(s, g.uit);
    }
}

// A file may hold a current pupil outside its rows: the views find no line
// of it, and bringing it in moves the rows just far enough, the pupil kept.
TEST(Schermvenster, TheCurrentPupilIsBroughtIntoTheRows)
{
    const struct {
        Schermstand in;
        int rijVoor;  // its screen row before, GeenRij when not on screen
        int eersteNa, huidigNa;
    } gevallen[] = {
        {Stand(SchermNamen, 1, 4, 1, 1), 4, 1, 4},
        {Stand(SchermNamen, 1, 36, 1, 1), GeenRij, 29, 36},
        {Stand(SchermNamen, 5, 1, 1, 1), GeenRij, 1, 1},
        {Stand(SchermNamen, 5, 13, 1, 1), GeenRij, 6, 13},
        {Stand(SchermNamen, 20, 1, 1, 1), GeenRij, 1, 1},
        {Stand(SchermNamen, 20, 27, 1, 1), 8, 20, 27},
        {Stand(SchermTrimester1, 29, 28, 1, 1), GeenRij, 28, 28},
        {Stand(SchermTrimester1, 29, 29, 1, 1), 1, 29, 29},
        {{SchermNamen, 30, 37, 1, 8, 20, 1, 1}, GeenRij, 13, 20},  // rows out of the slots
        {{SchermNamen, 33, 40, 1, 8, 40, 1, 1}, 1, 1, 1},         // and no pupil: the views show row 1
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(::testing::PrintToString(g.in));
        EXPECT_EQ(HuidigeSchermrij(g.in), g.rijVoor);
        Schermstand s = g.in;
        const bool bewogen = HuidigeRijTonen(s);
        EXPECT_EQ(bewogen, s != g.in);
        EXPECT_EQ(s.EersteRij, g.eersteNa);
        EXPECT_EQ(s.LaatsteRij, g.eersteNa + 7);
        EXPECT_EQ(s.HuidigeRij, g.huidigNa);
        EXPECT_EQ(HuidigeSchermrij(s), g.huidigNa - g.eersteNa + 1);
        Schermstand nog = s;
        EXPECT_FALSE(HuidigeRijTonen(nog));
        EXPECT_EQ(nog, s);
    }
    // Any pupil: its row on screen, or none.
    const Schermstand s = Stand(SchermNamen, 5, 5, 1, 1);
    for (auto [p, rij] : {std::pair{4, GeenRij}, {5, 1}, {12, 8}, {13, GeenRij}, {0, GeenRij}, {37, GeenRij}})
        EXPECT_EQ(GetoondeRij(s, p), rij) << p;
}

TEST(Schermvenster, BeginsAtTheNamesList)
{
    AdmMain a;
    static_cast<Schermstand&>(a) = Stand(SchermTrimester3, 20, 22, 41, 44, 2);
    BeginSchermstand(a);
    EXPECT_EQ(static_cast<const Schermstand&>(a), Stand(SchermNamen, 1, 1, 1, 1));
}

// Every command from the start-up state leaves a state the check leaves as
// it is, with the current pupil inside the rows: the views only read it.
TEST(Schermvenster, EveryCommandKeepsTheStateValid)
{
    std::mt19937 kans(24);
    auto uit = [&kans](int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(kans); };
    AdmMain a;
    BeginSchermstand(a);
    for (int stap = 0; stap < 5000; ++stap) {
        switch (uit(0, 11)) {
        case 0: LeerlingKiezen(a, uit(-1, 38)); break;
        case 1: LeerlingKiezen(a, Leerlingstap(a.HuidigeRij, uit(0, 1) ? uit(-1, 1) : uit(0, 1) ? 8 : -8)); break;
        case 2: SchermrijKiezen(a, uit(1, 8)); break;
        case 3: EersteLeerlingKiezen(a); break;
        case 4: TrimesterKiezen(a, uit(1, 3)); break;
        case 5: SchermKiezen(a, uit(-1, 7)); break;
        case 6: NiveauKiezen(a, uit(0, 3)); break;
        case 7: KolomKiezen(a, uit(-1, 18)); break;
        case 8: SchermkolomKiezen(a, uit(1, 8)); break;
        case 9: CelKiezen(a, uit(1, 64)); break;
        case 10: RapportvakKiezen(a, uit(1, 32)); break;
        default: RijvensterVanaf(a, uit(-5, 40)); LeerlingKiezen(a, a.EersteRij + uit(0, 7)); break;
        }
        const Schermstand& s = a;
        ASSERT_EQ(GeldigeSchermstand(a), s) << "step " << stap;
        ASSERT_TRUE(s.EersteRij <= s.HuidigeRij && s.HuidigeRij <= s.LaatsteRij) << "step " << stap;
    }
}

}  // namespace
