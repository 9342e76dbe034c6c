#include "names/Leerlingenlijst.h"

#include "core/Getallen.h"
#include "reports/Rapportberekening.h"
#include "termsheet/Cijferverwerking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Teksten(const std::vector<Lijstregel>& lijst)
{
    std::vector<std::string> r;
    for (const Lijstregel& l : lijst)
        r.push_back(l.tekst);
    return r;
}

TEST(Leerlingenlijst, NonEmptySlotsInSlotOrder)
{
    AdmMain adm;
    adm.Achternaam(3) = "van Wijngaarden-Oosterhuis";
    adm.Roepnaam(3) = "Maximiliaan-A";
    adm.Roepnaam(7) = "Alleen";  // only a first name: listed
    adm.Achternaam(5) = "Bos";
    const auto verwijderen = Leerlingenlijst(adm, RoepnaamVerwijderen);
    EXPECT_EQ(Teksten(verwijderen), (std::vector<std::string>{" van Wijngaarden- Maximiliaa",
                                                              " Bos              " + std::string(10, ' '),
                                                              std::string(18, ' ') + "Alleen    "}));
    EXPECT_EQ(verwijderen[0].slot, 3);
    EXPECT_EQ(verwijderen[2].slot, 7);
    EXPECT_EQ(Leerlingenlijst(adm, RoepnaamZoeken)[0].tekst, " van Wijngaarden- Maximiliaan");
    EXPECT_TRUE(Leerlingenlijst(AdmMain{}, RoepnaamZoeken).empty());
}

TEST(Leerlingenlijst, SearchSelectsTheFirstEntryThatBeginsWithTheText)
{
    AdmMain adm;
    const char* namen[] = {"Bakker", "jansen", "Jager", "Jansen", "de Jong"};
    for (int p = 1; p <= 5; ++p)
        adm.Achternaam(p) = namen[p - 1];
    adm.Roepnaam(4) = "Piet";
    const auto lijst = Leerlingenlijst(adm, RoepnaamZoeken);
    struct {
        const char* tekst;
        int index;
    } gevallen[] = {
        {"j", 1},      {"JA", 1},  {"jag", 2},    {"ja ", 1},  {"", -1},   {"   ", -1},
        {"x", -1},     {"de j", 4}, {"bakker", 0}, {"Jansen           Piet", 3},
        {"Jansen           Piet1", -1}, {"Jansen                       x", -1},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(ZoekInLijst(lijst, g.tekst), g.index) << '"' << g.tekst << '"';
}

// Two pupils with grades in both levels and a class mean to follow.
struct Klas : ::testing::Test {
    void SetUp() override
    {
        for (int p = 1; p <= 3; ++p) {
            adm.Achternaam(p) = "Jansen";
            adm.Roepnaam(p) = "Kim";
            adm.LeerlingPersNr(p) = "00012" + std::to_string(p);
            adm.Mentor(p) = "ABC";
            adm.Adres(p) = "Dorpsstraat 1";
        }
        std::string g = "3";
        VerwerkGewicht(adm, g, 1, 1, 1);
        for (int p = 1; p <= 3; ++p)
            for (int c : {1, 17, 48})
                for (int l = 1; l <= 2; ++l) {
                    std::string t = std::to_string(5 + p);
                    VerwerkCijfer(adm, t, p, c, (c - 1) / 16 + 1, l);
                }
    }
    AdmMain adm;
};

TEST_F(Klas, DeletingEmptiesOnlyThatSlotThroughTheGradeProcessing)
{
    LeerlingVerwijderen(adm, 2);
    EXPECT_TRUE(LeegLeerling(adm, 2));
    EXPECT_EQ(adm.LeerlingPersNr(2), "000000");
    EXPECT_TRUE(adm.Mentor(2).leeg());
    EXPECT_TRUE(adm.Adres(2).leeg());
    for (int c : {1, 17, 48})
        for (int l = 1; l <= 2; ++l) {
            EXPECT_TRUE(adm.Cijfer(2, c, l).leeg());
            EXPECT_EQ(adm.KlAantal(c, l), 2);
            EXPECT_DOUBLE_EQ(adm.KlGem(c, l), 7.0);  // (6 + 8) / 2
        }
    EXPECT_EQ(adm.TrGem(2, 1, 1), GeenWaarde);
    EXPECT_EQ(adm.JrGem(2, 2), GeenWaarde);
    // The namesakes keep everything and their place.
    for (int p : {1, 3}) {
        EXPECT_EQ(adm.Achternaam(p), Pas("Jansen", 30));
        EXPECT_EQ(adm.Cijfer(p, 48, 2), Pas(std::to_string(5 + p), 3));
    }
}

TEST_F(Klas, DeletingAlsoBlanksTypedReportGrades)
{
    adm.RapportOptie[5] = 1;  // typed by hand
    for (int p = 1; p <= 3; ++p) {
        std::string r = std::to_string(8 - p);
        VerwerkRapportcijfer(adm, r, p, 1, 1);
        r = "7";
        VerwerkRapportcijfer(adm, r, p, 4, 2);
    }
    ASSERT_DOUBLE_EQ(adm.RpGem(1, 1), 6.0);
    LeerlingVerwijderen(adm, 3);
    for (int r = 1; r <= 4; ++r)
        for (int l = 1; l <= 2; ++l) {
            EXPECT_TRUE(adm.RapportTxt(3, r, l).leeg());
            EXPECT_EQ(adm.Rapport(3, r, l), GeenWaarde);
        }
    EXPECT_DOUBLE_EQ(adm.RpGem(1, 1), 6.5);  // pupils 1 and 2 only
    EXPECT_EQ(adm.RapportTxt(1, 1, 1), Pas("7", 3));
}

}  // namespace
