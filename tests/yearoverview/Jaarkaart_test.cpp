#include "yearoverview/Jaarkaart.h"

#include "Jaarvoorbeeld.h"

#include "core/Tekst.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Jaarkaart, ColourLimitsAtTheirEdges)
{
    struct Geval {
        const char* tekst;
        double grens;
        std::uint32_t kleur;
    };
    const Geval gevallen[] = {
        {"5.4", GrensCijfer, KaartRood},        {"5.5", GrensCijfer, KaartDonkergroen},
        {"0  ", GrensCijfer, KaartRood},        {"   ", GrensCijfer, KaartZwart},
        {"", GrensCijfer, KaartZwart},          {"5,4", GrensCijfer, KaartRood},
        {"10", GrensCijfer, KaartDonkergroen},  {"5.41", GrensCijfer, KaartDonkergroen},
        {"5.49", GrensGemiddelde, KaartRood},   {"5.5 ", GrensGemiddelde, KaartDonkergroen},
        {"5.4 ", GrensGemiddelde, KaartRood},   {"    ", GrensGemiddelde, KaartZwart},
        {"0   ", GrensGemiddelde, KaartRood},   {"abc", GrensCijfer, KaartRood},  // reads as 0
        {"-1", GrensCijfer, KaartDonkergroen},
    };
    for (const Geval& g : gevallen)
        EXPECT_EQ(Kaartkleur(g.tekst, g.grens), g.kleur) << '"' << g.tekst << "\" " << g.grens;
}

TEST(Jaarkaart, FieldsStoreAtTheirWidthsAndFlagRealChanges)
{
    AdmMain adm;
    jaarvoorbeeld::Vul(adm);
    adm.Gewijzigd = 0;
    for (int v = 0; v < AantalLeerlingvelden; ++v) {
        const auto veld = static_cast<Leerlingveld>(v);
        const std::string oud(Veldtekst(adm, veld, 7));
        EXPECT_EQ(oud.size(), Veldregels[v].opslag) << Veldregels[v].box;
        // The box shows the whole stored text; storing it back changes nothing.
        EXPECT_FALSE(ZetVeldtekst(adm, veld, 7, oud));
        EXPECT_EQ(adm.Gewijzigd, 0);
        const std::string lang(40, 'x');
        EXPECT_TRUE(ZetVeldtekst(adm, veld, 7, lang));
        EXPECT_EQ(Veldtekst(adm, veld, 7), std::string(Veldregels[v].opslag, 'x'));
        EXPECT_EQ(adm.Gewijzigd, 1);
        adm.Gewijzigd = 0;
    }
    EXPECT_EQ(adm.Achternaam(8), Pas("Hendriks", 30));  // only pupil 7 was written
}

TEST(Jaarkaart, OrderWrapsAround)
{
    int v = VeldAchternaam;
    std::string omlaag, omhoog;
    for (int i = 0; i < 8; ++i) {
        omlaag += std::string(Veldregels[v].box) + " ";
        v = Veldregels[v].volgende;
    }
    EXPECT_EQ(omlaag, "txtAchternaam txtRoepnaam txtAdres txtPostcode txtWoonplaats txtTelefoon txtMentor "
                      "txtAchternaam ");
    for (int i = 0; i < 8; ++i) {
        omhoog += std::string(Veldregels[v].box) + " ";
        v = Veldregels[v].vorige;
    }
    EXPECT_EQ(omhoog, "txtRoepnaam txtAchternaam txtMentor txtTelefoon txtWoonplaats txtPostcode txtAdres "
                      "txtRoepnaam ");
}

TEST(Jaarkaart, KeyReleaseCutsOnlyAChangedText)
{
    const Veldregel& achternaam = Veldregels[VeldAchternaam];
    const std::string vol = "van Wijngaarden-Oosterhuisje";  // 28 characters, entered in the names list
    const std::string opgeslagen = Pas(vol, 30);
    // An arrow, Enter or Tab released in the box: the full text stays.
    EXPECT_EQ(NaToetsLos(opgeslagen, opgeslagen, achternaam), std::nullopt);
    EXPECT_EQ(NaToetsLos(vol, opgeslagen, achternaam), std::nullopt);
    // A typed character: the text is cut to the edit width.
    EXPECT_EQ(NaToetsLos("x" + opgeslagen, opgeslagen, achternaam), "xvan Wijngaarden-Ooste");
    // A short change stays as typed.
    EXPECT_EQ(NaToetsLos("Bos", opgeslagen, achternaam), "Bos");
    const Veldregel& postcode = Veldregels[VeldPostcode];
    EXPECT_EQ(NaToetsLos("1234 AB", "1234 AB", postcode), std::nullopt);
    EXPECT_EQ(NaToetsLos("1234 ABC", "1234 AB", postcode), "1234 AB");
}

}  // namespace
