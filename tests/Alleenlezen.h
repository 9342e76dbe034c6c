#pragma once
// For the view tests: a redraw only reads. From display states that no
// command leaves (poked by the test) it still draws, from a valid copy, and
// leaves the data set byte for byte as it was.

#include "core/AdmMain.h"
#include "core/Cijferbestand.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace alleenlezen {

struct Gepord {
    const char* naam;
    int eersteRij, laatsteRij, huidigeRij, eersteKolom, laatsteKolom, huidigeKolom, niveau;
};

// The view stays; the rest of the state is out of the views' rules.
inline constexpr Gepord Gevallen[] = {
    {"current pupil outside the rows", 1, 8, 20, 1, 8, 1, 1},
    {"rows past slot 36", 33, 40, 40, 1, 8, 1, 1},
    {"rows before slot 1", -2, 5, 0, 1, 8, 1, 1},
    {"no pupil", 1, 8, 37, 1, 8, 1, 1},
    {"columns across two terms", 1, 8, 1, 12, 19, 30, 1},
    {"columns of another term", 1, 8, 1, 17, 24, 17, 2},
    {"no level", 1, 8, 1, 1, 8, 1, 3},
};

inline std::array<int, 8> Schermvelden(const AdmMain& a)
{
    return {a.Scherm,      a.EersteRij,  a.LaatsteRij,   a.HuidigeRij,
            a.EersteKolom, a.LaatsteKolom, a.HuidigeKolom, a.Niveau};
}

// Runs `tekenen` (the view's redraws) from each poked state; `getekend`
// then checks what the view shows.
template <class Tekenen, class Getekend>
void Controleer(AdmMain& adm, Tekenen tekenen, Getekend getekend)
{
    for (const Gepord& g : Gevallen) {
        SCOPED_TRACE(g.naam);
        adm.EersteRij = g.eersteRij;
        adm.LaatsteRij = g.laatsteRij;
        adm.HuidigeRij = g.huidigeRij;
        adm.EersteKolom = g.eersteKolom;
        adm.LaatsteKolom = g.laatsteKolom;
        adm.HuidigeKolom = g.huidigeKolom;
        adm.Niveau = g.niveau;
        const std::string inhoud = CijferbestandTekst(adm);
        const auto stand = Schermvelden(adm);
        const int gewijzigd = adm.Gewijzigd;
        ASSERT_NO_THROW(tekenen());
        EXPECT_TRUE(CijferbestandTekst(adm) == inhoud) << "the data set changed";
        EXPECT_EQ(Schermvelden(adm), stand);
        EXPECT_EQ(adm.Gewijzigd, gewijzigd);
        getekend();
    }
}

}  // namespace alleenlezen
