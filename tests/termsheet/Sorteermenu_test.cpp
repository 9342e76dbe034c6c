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

}  // namespace
