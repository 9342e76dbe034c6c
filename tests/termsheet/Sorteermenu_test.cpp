// The keys of the term sheet's sort orders.
#include "termsheet/Sorteermenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Sorteermenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        NieuwCijferbestand(adm);
        Leerling(1, "Visser", "Iris", "B2", "KOK");
        Leerling(2, "\xC9verts", "Tom", "", "");  // accented capital E: among the plain E's
        Leerling(3, "de Boer", "Eva", "A1", "");
        Leerling(5, "Evers", "Ali", "A1", "DVR");
        Leerling(6, "*Weg", "Bo", "", "");
        Leerling(7, "Evers", "Aad", "B2", "DVR");
    }
    void Leerling(int p, const char* achternaam, const char* roepnaam, const char* groep, const char* mentor)
    {
        adm.Achternaam(p) = achternaam;
        adm.Roepnaam(p) = roepnaam;
        adm.Basisgroep(p) = groep;
        adm.Mentor(p) = mentor;
    }
    std::vector<int> Eerste(Sorteersoort soort, int n, int trimester = 1)
    {
        const Volgorde v = Sorteervolgorde(adm, soort, trimester, 1);
        return std::vector<int>(v.begin() + 1, v.begin() + 1 + n);
    }
    AdmMain adm;
};

TEST_F(Sorteermenu, OpAchternaamEnRoepnaam)
{
    // de Boer, Evers Aad, Evers Ali, Éverts, Visser; then the empty and marked slots.
    EXPECT_EQ(Eerste(Sorteersoort::Achternaam, 5), (std::vector<int>{3, 7, 5, 2, 1}));
}

TEST_F(Sorteermenu, VeldEerstLegeVeldenAchteraan)
{
    // Base group A1 (de Boer, Evers Ali), B2 (Evers Aad, Visser); Éverts has none.
    EXPECT_EQ(Eerste(Sorteersoort::Basisgroep, 4), (std::vector<int>{3, 5, 7, 1}));
    const std::vector<int> mentor = Eerste(Sorteersoort::Mentor, 3);
    EXPECT_EQ(mentor, (std::vector<int>{7, 5, 1}));  // DVR Evers Aad, DVR Evers Ali, KOK
}

TEST_F(Sorteermenu, TrimestergemiddeldeVanDitTrimester)
{
    adm.TrGem(1, 2, 1) = 6.5;
    adm.TrGem(3, 2, 1) = 8;
    adm.TrGem(5, 2, 1) = 6.5;
    adm.TrGem(7, 1, 1) = 9.9;  // another term: not looked at
    // Highest first, equal averages by name, no average after them.
    EXPECT_EQ(Eerste(Sorteersoort::Trimestergemiddelde, 3, 2), (std::vector<int>{3, 5, 1}));

    LeerlingenSorteren(adm, Sorteersoort::Trimestergemiddelde, 2, 1);
    EXPECT_EQ(Trim(adm.Achternaam(1).view()), "de Boer");
    EXPECT_EQ(adm.TrGem(1, 2, 1), 8);
}

TEST_F(Sorteermenu, JaargemiddeldeVolgensDeBerekeningsmethode)
{
    // End averages and year averages disagree, so the method shows which was read.
    const double eind[8] = {0, 6, 9, 6, 0, 7, 0, 7};
    const double jaar[8] = {0, 8, 5, 7, 0, 7, 0, 6};
    for (int p = 1; p <= 7; ++p) {
        adm.EindGem(p, 2) = eind[p] > 0 ? eind[p] : GeenWaarde;
        adm.JrGem(p, 2) = jaar[p] > 0 ? jaar[p] : GeenWaarde;
    }
    adm.EindGem(2, 1) = 1;  // the other level: not looked at
    for (int m : {1, 2, 3}) {
        adm.RapportOptie[5] = m;
        // Evers Aad and Ali at 7 by name, de Boer and Visser at 6 by name;
        // the marked and empty slots after them.
        const Volgorde v = Sorteervolgorde(adm, Sorteersoort::Jaargemiddelde, 1, 2);
        EXPECT_EQ(std::vector<int>(v.begin() + 1, v.begin() + 6), (std::vector<int>{2, 7, 5, 3, 1}))
            << "method " << m;
    }
    adm.RapportOptie[5] = 4;
    const Volgorde v = Sorteervolgorde(adm, Sorteersoort::Jaargemiddelde, 1, 2);
    EXPECT_EQ(std::vector<int>(v.begin() + 1, v.begin() + 6), (std::vector<int>{1, 3, 5, 7, 2}));
    // No year column: every value 0, so the order is by name.
    adm.RapportOptie[5] = 9;
    EXPECT_EQ(Eerste(Sorteersoort::Jaargemiddelde, 5), Eerste(Sorteersoort::Achternaam, 5));
}

}  // namespace
