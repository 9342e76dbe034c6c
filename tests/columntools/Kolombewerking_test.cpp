#include "columntools/Kolombewerking.h"

#include "core/Cijferbestand.h"
#include "termsheet/Cijferverwerking.h"
#include "termsheet/Herberekening.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace herberekening;

// Every statistic, average and report agrees with the grades and weights.
void AllesKlopt(const AdmMain& adm)
{
    const Afgeleid d = ControleerAfgeleid(adm);
    for (int l = 1; l <= 2; ++l)
        for (int p = 1; p <= AantalLeerlingen; ++p)
            for (int k = 1; k <= 4; ++k)
                ControleerRapport(adm, d, p, k, l);
}

class KolombewerkingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NieuwCijferbestand(adm);
        adm.RapportOptie[5] = 3;  // reports follow the term averages, weighted by term
        for (int t = 1; t <= 3; ++t)
            for (int l = 1; l <= 2; ++l) {
                adm.TrimGewichtTekst(t, l) = "1";
                adm.TrimesterWeging(t, l) = 1;
            }
        for (int p = 1; p <= 20; ++p) {
            adm.Achternaam(p) = "Leerling" + std::to_string(p);
            adm.Roepnaam(p) = "R";
        }
        // Term 1, level 1: columns 1..4; term 2, level 2: columns 17..22;
        // term 3, level 1: column 40.
        Kolom(3, 1, "Proefwerk", "12-09", "Hoofdstuk 1", "2", 3);
        Kolom(1, 1, "SO", "", "", "1", 5);
        Kolom(4, 1, "PO", "3 okt", "", "", 7);
        Kolom(21, 2, "Toets", "1-2", "oud", "3", 11);
        Kolom(17, 2, "SO", "", "", "1", 13);
        Kolom(40, 1, "Herkansing", "mei", "alleen onvoldoendes", "1.5", 2);
        adm.Gewijzigd = 0;
    }

    // A column with headers, a weight and a grade for most of pupils 1..20.
    void Kolom(int c, int l, const char* soort, const char* datum, const char* opmerking, std::string gewicht,
               int zaad)
    {
        const int t = (c - 1) / 16 + 1;
        adm.KolomSoort(c, l) = soort;
        adm.KolomDatum(c, l) = datum;
        adm.KolomOpmerking(c, l) = opmerking;
        VerwerkGewicht(adm, gewicht, c, t, l);
        for (int p = 1; p <= 20; ++p) {
            if ((p + zaad) % 7 == 0)
                continue;
            std::string g = std::to_string(3 + (p * zaad) % 7) + "." + std::to_string((p + zaad) % 10);
            VerwerkCijfer(adm, g, p, c, t, l);
        }
    }

    struct Inhoud {
        std::string soort, datum, opmerking, gewicht;
        std::string cijfers[AantalLeerlingen + 1];
        friend bool operator==(const Inhoud&, const Inhoud&) = default;
    };

    Inhoud Van(int c, int l) const
    {
        Inhoud i;
        i.soort = adm.KolomSoort(c, l).str();
        i.datum = adm.KolomDatum(c, l).str();
        i.opmerking = adm.KolomOpmerking(c, l).str();
        i.gewicht = adm.KolomGewicht(c, l).str();
        for (int p = 1; p <= AantalLeerlingen; ++p)
            i.cijfers[p] = adm.Cijfer(p, c, l).str();
        return i;
    }

    AdmMain adm;
};

TEST_F(KolombewerkingTest, CopyAcrossTermsAndLevels)
{
    const Inhoud bron = Van(3, 1);
    const std::string voorTerm3 = adm.TrGemTxt(5, 3, 1).str();
    ASSERT_EQ(adm.Cijfer(4, 3, 1), "   ");  // pupil 4 has no grade in the source
    ASSERT_NE(adm.Cijfer(4, 21, 2), "   ");  // and one in the target

    EXPECT_EQ(KolomKopieren(adm, {1, 1, 3}, {2, 2, 5}), 0);
    EXPECT_EQ(Van(21, 2), bron);
    EXPECT_EQ(Van(3, 1), bron);
    EXPECT_EQ(adm.KolomSoort(21, 2), Pas("Proefwerk", 39));
    EXPECT_EQ(adm.GewichtWaarde(21, 2), 2);
    EXPECT_EQ(adm.KlAantal(21, 2), adm.KlAantal(3, 1));
    EXPECT_EQ(adm.KlGemTxt(21, 2), adm.KlGemTxt(3, 1));
    EXPECT_EQ(adm.Cijfer(4, 21, 2), "   ");
    EXPECT_EQ(adm.TrGemTxt(5, 3, 1), voorTerm3);
    EXPECT_EQ(adm.Gewijzigd, 1);
    AllesKlopt(adm);
}

TEST_F(KolombewerkingTest, ABlankSourceBlanksTheTarget)
{
    // Column 4 has no weight: the target loses its weight and stops counting.
    ASSERT_EQ(adm.KolomGewicht(1, 1), Pas("1", 3));
    KolomKopieren(adm, {1, 1, 4}, {1, 1, 1});
    EXPECT_EQ(adm.KolomGewicht(1, 1), "   ");
    EXPECT_EQ(adm.GewichtWaarde(1, 1), GeenWaarde);
    EXPECT_EQ(Van(1, 1).cijfers[3], adm.Cijfer(3, 4, 1).str());
    AllesKlopt(adm);

    // An empty column copied onto a full one empties it.
    KolomKopieren(adm, {3, 2, 16}, {2, 2, 1});
    EXPECT_EQ(Van(17, 2), Van(48, 2));
    EXPECT_EQ(adm.KlAantal(17, 2), 0);
    EXPECT_EQ(adm.KlGemTxt(17, 2), "    ");
    AllesKlopt(adm);
}

TEST_F(KolombewerkingTest, OntoItselfOrWithItselfNothingChanges)
{
    const std::string voor = CijferbestandTekst(adm);
    EXPECT_EQ(KolomKopieren(adm, {1, 1, 3}, {1, 1, 3}), 0);
    EXPECT_EQ(CijferbestandTekst(adm), voor);
    EXPECT_EQ(adm.Gewijzigd, 1);
    adm.Gewijzigd = 0;
    EXPECT_EQ(KolommenVerwisselen(adm, {2, 2, 5}, {2, 2, 5}), 0);
    EXPECT_EQ(CijferbestandTekst(adm), voor);
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(KolombewerkingTest, ATextTheEntryPointRefusesIsBlankedOnlyInTheTarget)
{
    // A weight and a grade no entry box would take, as a damaged file holds them.
    adm.KolomGewicht(4, 1) = "12 ";
    adm.Cijfer(2, 4, 1) = "250";
    const Inhoud bron = Van(4, 1);
    EXPECT_EQ(KolomKopieren(adm, {1, 1, 4}, {1, 1, 1}), 2);
    EXPECT_EQ(Van(4, 1), bron);
    EXPECT_EQ(adm.KolomGewicht(1, 1), "   ");
    EXPECT_EQ(adm.Cijfer(2, 1, 1), "   ");
    EXPECT_EQ(adm.Cijfer(3, 1, 1), bron.cijfers[3]);

    EXPECT_EQ(KolommenVerwisselen(adm, {1, 1, 4}, {1, 1, 2}), 2);
    EXPECT_EQ(Van(4, 1).cijfers[2], "   ");  // written from column 2, which holds none
    EXPECT_EQ(adm.Cijfer(2, 2, 1), "   ");
}

TEST_F(KolombewerkingTest, SwapAcrossTerms)
{
    const Inhoud a = Van(1, 1), b = Van(40, 1);
    EXPECT_EQ(KolommenVerwisselen(adm, {1, 1, 1}, {3, 1, 8}), 0);
    EXPECT_EQ(Van(1, 1), b);
    EXPECT_EQ(Van(40, 1), a);
    EXPECT_EQ(adm.GewichtWaarde(1, 1), 1.5);
    EXPECT_EQ(adm.GewichtWaarde(40, 1), 1);
    EXPECT_EQ(adm.Gewijzigd, 1);
    AllesKlopt(adm);

    // Across levels as well.
    const Inhoud c = Van(21, 2), d = Van(3, 1);
    KolommenVerwisselen(adm, {2, 2, 5}, {1, 1, 3});
    EXPECT_EQ(Van(21, 2), d);
    EXPECT_EQ(Van(3, 1), c);
    AllesKlopt(adm);
}

TEST_F(KolombewerkingTest, ClearBlanksEverything)
{
    ASSERT_GT(adm.KlAantal(21, 2), 0);
    EXPECT_EQ(KolomWissen(adm, {2, 2, 5}), 0);
    const Inhoud leeg = Van(21, 2);
    EXPECT_EQ(leeg.soort, std::string(39, ' '));
    EXPECT_EQ(leeg.datum, std::string(39, ' '));
    EXPECT_EQ(leeg.opmerking, std::string(39, ' '));
    EXPECT_EQ(leeg.gewicht, "   ");
    for (int p = 1; p <= AantalLeerlingen; ++p)
        EXPECT_EQ(leeg.cijfers[p], "   ");
    EXPECT_EQ(adm.GewichtWaarde(21, 2), GeenWaarde);
    EXPECT_EQ(adm.KlAantal(21, 2), 0);
    EXPECT_EQ(adm.Gewijzigd, 1);
    AllesKlopt(adm);

    adm.Gewijzigd = 0;
    const std::string voor = CijferbestandTekst(adm);
    KolomWissen(adm, {2, 2, 5});
    EXPECT_EQ(CijferbestandTekst(adm), voor);
    EXPECT_EQ(adm.Gewijzigd, 1);
}

}  // namespace
