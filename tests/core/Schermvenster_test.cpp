#include "core/Schermvenster.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

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

AdmMain Met(const Schermstand& s)
{
    AdmMain a;
    SchermstandZetten(a, s);
    return a;
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
        AdmMain a = Met(Stand(SchermTrimester2, g.eerste, g.eerste, 17, 17));
        LeerlingKiezen(a, g.p);
        EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester2, g.eersteNa, g.p, 17, 17));
    }
    // No such pupil: nothing moves.
    for (int p : {0, -1, 37}) {
        AdmMain a = Met(Stand(SchermNamen, 5, 7, 1, 1));
        LeerlingKiezen(a, p);
        EXPECT_EQ(SchermstandVan(a), Stand(SchermNamen, 5, 7, 1, 1)) << p;
    }
}

TEST(Schermvenster, TheWindowOfAFirstRowStaysWithinTheSlots)
{
    for (auto [van, eerste] : {std::pair{-3, 1}, {0, 1}, {1, 1}, {15, 15}, {29, 29}, {30, 29}, {40, 29}}) {
        AdmMain a;
        RijvensterVanaf(a, van);
        EXPECT_EQ(a.EersteRij, eerste) << van;
        EXPECT_EQ(a.LaatsteRij, eerste + 7) << van;
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
    AdmMain a = Met(Stand(SchermTrimester1, 20, 25, 9, 12));
    SchermrijKiezen(a, 3);
    EXPECT_EQ(a.HuidigeRij, 22);
    // Down from the weights: pupil 1 at the top, the columns as they were.
    EersteLeerlingKiezen(a);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester1, 1, 1, 9, 12));
}

// ---------------------------------------------------------------- columns

TEST(Schermvenster, EachTermStartsAtItsFirstEightColumns)
{
    for (auto [t, eerste] : {std::pair{1, 1}, {2, 17}, {3, 33}}) {
        AdmMain a = Met(Stand(SchermNamen, 9, 12, 5, 10, 2));
        TrimesterKiezen(a, t);
        EXPECT_EQ(SchermstandVan(a), Stand(t, 9, 12, eerste, eerste, 2));
    }
}

TEST(Schermvenster, TheHorizontalScrollBarMovesTheColumnWindowWithinTheTerm)
{
    // Term 2, columns 17-24 shown: 12 is right of it, 3 left of it, 4 inside.
    AdmMain a = Met(Stand(SchermTrimester2, 1, 1, 17, 17));
    KolomKiezen(a, 12);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester2, 1, 1, 21, 28));
    KolomKiezen(a, 3);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester2, 1, 1, 19, 19));
    KolomKiezen(a, 4);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester2, 1, 1, 19, 20));
    KolomKiezen(a, 16);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester2, 1, 1, 25, 32));
    KolomKiezen(a, 1);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester2, 1, 1, 17, 17));
    // Outside the term, or no term sheet: nothing moves.
    for (int k : {0, 17, -4}) {
        KolomKiezen(a, k);
        EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester2, 1, 1, 17, 17)) << k;
    }
    a.Scherm = SchermNamen;
    KolomKiezen(a, 12);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermNamen, 1, 1, 17, 17));
}

TEST(Schermvenster, AScreenColumnAndTheColumnWithinTheTerm)
{
    AdmMain a = Met(Stand(SchermTrimester3, 1, 1, 37, 40));
    SchermkolomKiezen(a, 2);
    EXPECT_EQ(a.HuidigeKolom, 38);
    const Schermstand s = SchermstandVan(a);
    EXPECT_EQ(Trimesterkolom(s, 38), 6);
    EXPECT_EQ(Trimesterkolom(s, 33), 1);
    EXPECT_EQ(Trimesterkolom(s, 48), 16);
}

TEST(Schermvenster, AViewSwitchAndALevelSwitch)
{
    AdmMain a = Met(Stand(SchermTrimester2, 9, 12, 21, 25, 2));
    for (int scherm : {SchermRapporten, SchermJaaroverzicht, SchermNamen}) {
        SchermKiezen(a, scherm);
        EXPECT_EQ(SchermstandVan(a), Stand(scherm, 9, 12, 21, 25, 2));
    }
    SchermKiezen(a, SchermTrimester3);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermTrimester3, 9, 12, 33, 33, 2));
    for (int scherm : {0, 7, -1}) {
        SchermKiezen(a, scherm);
        EXPECT_EQ(a.Scherm, SchermTrimester3) << scherm;
    }
    NiveauKiezen(a, 1);
    EXPECT_EQ(a.Niveau, 1);
    for (int niveau : {0, 3}) {
        NiveauKiezen(a, niveau);
        EXPECT_EQ(a.Niveau, 1) << niveau;
    }
}

// ---------------------------------------------------------------- screen places

TEST(Schermvenster, CellsRunEightARowAndBack)
{
    const Schermstand s = Stand(SchermTrimester2, 5, 5, 21, 21);
    EXPECT_EQ(CelIndex(s, 5, 21), 1);
    EXPECT_EQ(CelIndex(s, 5, 28), 8);
    EXPECT_EQ(CelIndex(s, 6, 21), 9);
    EXPECT_EQ(CelIndex(s, 12, 28), 64);
    for (int i = 1; i <= 64; ++i) {
        const Cel cel = CelVan(s, i);
        EXPECT_EQ(cel.leerling, 5 + (i - 1) / 8) << i;
        EXPECT_EQ(cel.kolom, 21 + (i - 1) % 8) << i;
        EXPECT_EQ(CelIndex(s, cel.leerling, cel.kolom), i);
        EXPECT_EQ(SchermRij(s, cel.leerling), (i - 1) / 8 + 1);
        EXPECT_EQ(LeerlingOpRij(s, SchermRij(s, cel.leerling)), cel.leerling);
        EXPECT_EQ(SchermKolom(s, cel.kolom), (i - 1) % 8 + 1);
        EXPECT_EQ(KolomOpScherm(s, SchermKolom(s, cel.kolom)), cel.kolom);
    }
    AdmMain a = Met(s);
    CelKiezen(a, 19);
    EXPECT_EQ(a.HuidigeRij, 7);
    EXPECT_EQ(a.HuidigeKolom, 23);
}

TEST(Schermvenster, ReportBoxesRunFourALineAndBack)
{
    const Schermstand s = Stand(SchermRapporten, 10, 10, 1, 1);
    EXPECT_EQ(RapportIndex(s, 10, 1), 1);
    EXPECT_EQ(RapportIndex(s, 10, 4), 4);
    EXPECT_EQ(RapportIndex(s, 11, 1), 5);
    EXPECT_EQ(RapportIndex(s, 17, 4), 32);
    for (int n = 1; n <= 32; ++n) {
        const Rapportvak vak = RapportvakVan(s, n);
        EXPECT_EQ(vak.leerling, 10 + (n - 1) / 4) << n;
        EXPECT_EQ(vak.rapport, (n - 1) % 4 + 1) << n;
        EXPECT_EQ(RapportIndex(s, vak.leerling, vak.rapport), n);
    }
    AdmMain a = Met(s);
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
        EXPECT_EQ(GeldigeSchermstand(Met(s)), s);
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
        const AdmMain a = Met(g.in);
        EXPECT_EQ(GeldigeSchermstand(a), g.uit);
        EXPECT_EQ(SchermstandVan(a), g.in);  // a copy: the data set keeps its own
        AdmMain b = Met(g.in);
        SchermstandControleren(b);
        EXPECT_EQ(SchermstandVan(b), g.uit);
    }
}

TEST(Schermvenster, TheTermSheetTakesTheCurrentPupilIntoTheRows)
{
    for (auto [eerste, huidig, na] : {std::tuple{1, 20, 8}, {9, 1, 9}, {9, 12, 12}}) {
        AdmMain a = Met(Stand(SchermTrimester1, eerste, huidig, 1, 1));
        HuidigeRijInVenster(a);
        EXPECT_EQ(a.HuidigeRij, na) << eerste << " " << huidig;
    }
    AdmMain a = Met({SchermTrimester1, 30, 37, 1, 8, 20, 1, 1});
    HuidigeRijInVenster(a);
    EXPECT_EQ(a.HuidigeRij, 20);  // no valid rows to take it into
}

TEST(Schermvenster, BeginsAtTheNamesList)
{
    AdmMain a = Met(Stand(SchermTrimester3, 20, 22, 41, 44, 2));
    BeginSchermstand(a);
    EXPECT_EQ(SchermstandVan(a), Stand(SchermNamen, 1, 1, 1, 1));
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
        const Schermstand s = SchermstandVan(a);
        ASSERT_EQ(GeldigeSchermstand(a), s) << "step " << stap;
        ASSERT_TRUE(s.EersteRij <= s.HuidigeRij && s.HuidigeRij <= s.LaatsteRij) << "step " << stap;
    }
}

}  // namespace
