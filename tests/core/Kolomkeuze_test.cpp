#include "core/Kolomkeuze.h"

#include <gtest/gtest.h>

namespace {

TEST(Kolomkeuze, CommittingATypedColumn)
{
    struct Geval {
        const char* tekst;
        int kolom;
        bool geweigerd;
    };
    // The column before the commit is 7.
    const Geval gevallen[] = {
        {"17", 7, true},  {"0", 7, true},    {"", 7, true},     {"  ", 7, true},  {"abc", 7, true},
        {"-3", 7, true},  {"16.5", 7, true}, {"0.5", 7, true},  {"9,", 9, false}, {"2.5", 2, false},
        {"2,5", 2, false}, {"3.5", 4, false}, {"1.5", 2, false}, {"16", 16, false}, {"1", 1, false},
        {" 1 ", 1, false}, {"5x", 5, false},  {"0.9", 7, true},  {"15.6", 16, false},
    };
    for (const auto& g : gevallen) {
        const Kolomvastlegging v = KolomVastleggen(g.tekst, 7);
        EXPECT_EQ(v.kolom, g.kolom) << '"' << g.tekst << '"';
        EXPECT_EQ(v.geweigerd, g.geweigerd) << '"' << g.tekst << '"';
        EXPECT_EQ(KolomTekst(v.kolom), std::to_string(g.kolom));
    }
}

TEST(Kolomkeuze, OpensOnTheTermLevelAndColumnOnScreen)
{
    AdmMain adm;
    adm.Scherm = 2;
    adm.HuidigeKolom = 21;
    adm.Niveau = 2;
    const Kolomkeuze k = BeginKolomkeuze(adm);
    EXPECT_EQ(k, (Kolomkeuze{2, 2, 5}));
    EXPECT_EQ(k.Absoluut(), 21);

    adm.Scherm = 3;
    adm.HuidigeKolom = 48;
    adm.Niveau = 1;
    EXPECT_EQ(BeginKolomkeuze(adm), (Kolomkeuze{3, 1, 16}));
    EXPECT_EQ(BeginKolomkeuze(adm).Absoluut(), 48);

    // Outside the term sheet, or a display state beyond its limits.
    adm.Scherm = SchermNamen;
    adm.HuidigeKolom = 9;
    adm.Niveau = 0;
    EXPECT_EQ(BeginKolomkeuze(adm), (Kolomkeuze{1, 1, 9}));
    adm.Scherm = 2;
    adm.HuidigeKolom = 9;  // not in term 2
    EXPECT_EQ(BeginKolomkeuze(adm), (Kolomkeuze{2, 1, 1}));
}

}  // namespace
