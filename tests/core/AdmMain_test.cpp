#include "core/AdmMain.h"

#include "core/Pad.h"

#include <gtest/gtest.h>

TEST(AdmMain, NieuwCijferbestandResetsEverythingButDisplayAndFolders)
{
    AdmMain a;
    a.Scherm = 2;
    a.EersteRij = 9;
    a.StartMap = "/tmp/x";
    a.DocentCode = "ABC";
    a.Cijfer(3, 17, 2) = "7.5";
    a.KlAantal(17, 2) = 1;
    a.TrGem(0, 1, 1) = 5;  // row 0 is no pupil and is left alone
    a.Gewijzigd = 1;
    NieuwCijferbestand(a);
    EXPECT_EQ(a.Gewijzigd, 0);
    EXPECT_EQ(a.Cijfer(3, 17, 2), "   ");
    EXPECT_EQ(a.KlAantal(17, 2), 0);
    EXPECT_EQ(a.KlGemTxt(1, 1), "    ");
    EXPECT_EQ(a.SomGewicht(36, 3, 2), 0.0);
    EXPECT_EQ(a.TrGem(36, 3, 2), GeenWaarde);
    EXPECT_EQ(a.TrGem(0, 1, 1), 5.0);
    EXPECT_EQ(a.Scherm, 2);
    EXPECT_EQ(a.EersteRij, 9);
    EXPECT_EQ(a.StartMap, "/tmp/x");
    EXPECT_EQ(a.DocentCode, "ABC");
    EXPECT_EQ(a.Omrekenformule[1].size(), 25u);
    EXPECT_EQ(a.RapportOptie[4], 3);
}

TEST(AdmMain, IndicesOutsideTheirBoundsThrow)
{
    AdmMain a;
    EXPECT_THROW(a.Cijfer(0, 1, 1), std::out_of_range);
    EXPECT_THROW(a.Cijfer(1, 49, 1), std::out_of_range);
    EXPECT_NO_THROW(a.TrGem(0, 3, 2));
}

TEST(AdmMain, PathsJoinWithOneSlash)
{
    EXPECT_EQ(PadSamenvoegen("/", "NAAMLOOS.VLK"), "/NAAMLOOS.VLK");
    EXPECT_EQ(PadSamenvoegen("/home/juf", "NAAMLOOS.VLK"), "/home/juf/NAAMLOOS.VLK");
    EXPECT_EQ(Bestandsdeel("/home/juf/3A.VLK"), "3A.VLK");
    EXPECT_EQ(Bestandsdeel("3A.VLK"), "3A.VLK");
}
