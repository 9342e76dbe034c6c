#include "yearoverview/Jaarkaart.h"

#include "Jaarvoorbeeld.h"

#include "core/Tekst.h"
#include "core/Verwerking.h"

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

// Typed back to what the fields held when the box got the focus, the flag is
// as it was then; once a command has ended the basis, a change counts as one.
TEST(Jaarkaart, AFieldTypedBackGivesTheFlagBack)
{
    AdmMain adm;
    jaarvoorbeeld::Vul(adm);
    const std::string adres(Veldtekst(adm, VeldAdres, 7));
    const std::string ander(Veldtekst(adm, VeldAdres, 8));
    auto zet = [&](Wijzigingsbasis& basis, int p, std::string_view tekst) {
        basis.Volgen(adm, ZetVeldtekst(adm, VeldAdres, p, tekst), [&] { return Kaartgegevens(adm); });
    };
    for (const int vooraf : {0, 1}) {
        adm.Gewijzigd = vooraf;
        Wijzigingsbasis basis;
        basis.Nemen(Kaartgegevens(adm), adm.Gewijzigd);
        zet(basis, 7, "x" + adres);
        EXPECT_EQ(adm.Gewijzigd, 1);
        zet(basis, 7, adres);
        EXPECT_EQ(adm.Gewijzigd, vooraf);
        // With another pupil's field changed as well, only the last of the
        // two typed back is the way back.
        zet(basis, 8, "Dorpsstraat 2");
        zet(basis, 7, "x");
        zet(basis, 7, adres);
        EXPECT_EQ(adm.Gewijzigd, 1);
        zet(basis, 8, ander);
        EXPECT_EQ(adm.Gewijzigd, vooraf);
    }

    // A save in between ends the basis: the old text back differs from the file.
    Wijzigingsbasis basis;
    adm.Gewijzigd = 0;
    basis.Nemen(Kaartgegevens(adm), adm.Gewijzigd);
    zet(basis, 7, "x");
    basis.Vervallen();
    adm.Gewijzigd = 0;
    zet(basis, 7, adres);
    EXPECT_EQ(adm.Gewijzigd, 1);
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
