// A loaded grade file mended before it is taken over: the literal files of
// tests/data with texts no entry takes or statistics that do not fit their
// grades load and save as the file that fits (passend.vlk).

#include "termsheet/Cijferverwerking.h"

#include "core/Cijferbestand.h"
#include "termsheet/Herberekening.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using namespace herberekening;

struct Geval {
    const char* bestand;
    const char* wordt;  // the file its mended data set saves as
};

void PrintTo(const Geval& g, std::ostream* os) { *os << g.bestand; }

class GeladenHerstellenTest : public testing::TestWithParam<Geval> {};

TEST_P(GeladenHerstellenTest, SavesTheBytesOfTheFileThatFits)
{
    AdmMain a;
    a.Gewijzigd = 1;
    CijferbestandOpenen(a, Testbestand(GetParam().bestand), GeladenHerstellen);
    EXPECT_EQ(Regelverschil(CijferbestandTekst(a), Testinhoud(GetParam().wordt)), "");
    EXPECT_EQ(a.Gewijzigd, 0);
}

INSTANTIATE_TEST_SUITE_P(Laden, GeladenHerstellenTest,
                         testing::Values(Geval{"nieuw.vlk", "nieuw.vlk"}, Geval{"passend.vlk", "passend.vlk"},
                                         Geval{"fout-cijfer.vlk", "passend.vlk"},
                                         Geval{"fout-gewicht.vlk", "passend.vlk"},
                                         Geval{"fout-trimgewicht.vlk", "passend.vlk"},
                                         Geval{"fout-rapport.vlk", "passend.vlk"},
                                         Geval{"fout-statistiek.vlk", "passend.vlk"},
                                         Geval{"fout-oud.vlk", "passend.vlk"}));

// The file every mended one must give holds what the entry points would
// have made of its grades, weights and typed report.
TEST(Laden, TheFileThatFitsHoldsWhatTheEngineComputes)
{
    AdmMain a;
    CijferbestandLaden(a, Testbestand("passend.vlk"));
    const Afgeleid d = ControleerAfgeleid(a, true);
    for (int l = 1; l <= 2; ++l)
        for (int p = 1; p <= 36; ++p)
            for (int k = 1; k <= 4; ++k)
                if (p != 2 || k != 1 || l != 2)
                    ControleerRapport(a, d, p, k, l);
    EXPECT_EQ(a.RapportTxt(2, 1, 2), "6.5");  // typed, where the method gives none
    EXPECT_EQ(a.Rapport(2, 1, 2), 6.5);
}

// The grade "999" of Claes in column 2 is gone at load, so a grade typed
// afterwards in that column counts beside the real ones only.
TEST(Laden, AGradeTypedAfterTheLoadCountsWithTheGradesOnly)
{
    AdmMain a;
    CijferbestandLaden(a, Testbestand("fout-cijfer.vlk"), GeladenHerstellen);
    std::string tekst = "8";
    VerwerkCijfer(a, tekst, 4, 2, 1, 1);
    EXPECT_EQ(a.KlAantal(2, 1), 3);  // 6, 8 and the new 8
    EXPECT_EQ(a.KlGemTxt(2, 1), "7.33");
    ControleerAfgeleid(a);
}

// A file of an earlier version kept its statistics by running updates: every
// computed value a little off in its last digits, and a spread that should
// be 0 the root of a rounding error, each text made from its own value.
// That still fits: nothing is rebuilt.
TEST(Laden, LastDigitDifferencesOfAnEarlierVersionFit)
{
    AdmMain a;
    CijferbestandLaden(a, Testbestand("passend.vlk"));
    for (double factor : {1 + 3e-14, 1 - 3e-14}) {
        AdmMain oud = a;
        const auto schuif = [&](auto& veld) {
            for (double& x : veld)
                if (x != G)
                    x *= factor;
        };
        schuif(oud.KlGem), schuif(oud.KlSpr), schuif(oud.TrGem), schuif(oud.SomGewicht), schuif(oud.JrGem);
        schuif(oud.SomGewichtJaar), schuif(oud.EindGem), schuif(oud.KlTrGem), schuif(oud.KlTrSpr);
        schuif(oud.KlJrGem), schuif(oud.KlJrSpr), schuif(oud.Rapport);
        const auto tekst = [](Tekst<4>& t, double x, bool klas) { t = x == G ? "" : GemiddeldeNaarTekst(x, klas); };
        for (int l = 1; l <= 2; ++l) {
            for (int c = 1; c <= 48; ++c) {
                if (oud.KlAantal(c, l) > 0 && oud.KlSpr(c, l) == 0)
                    oud.KlSpr(c, l) = 3e-8;
                tekst(oud.KlGemTxt(c, l), oud.KlGem(c, l), true);
                tekst(oud.KlSprTxt(c, l), oud.KlSpr(c, l), true);
            }
            for (int p = 1; p <= 36; ++p) {
                for (int t = 1; t <= 3; ++t)
                    tekst(oud.TrGemTxt(p, t, l), oud.TrGem(p, t, l), false);
                tekst(oud.JrGemTxt(p, l), oud.JrGem(p, l), false);
                tekst(oud.EindGemTxt(p, l), oud.EindGem(p, l), false);
            }
            for (int t = 1; t <= 3; ++t) {
                tekst(oud.KlTrGemTxt(t, l), oud.KlTrGem(t, l), true);
                tekst(oud.KlTrSprTxt(t, l), oud.KlTrSpr(t, l), true);
            }
            tekst(oud.KlJrGemTxt(l), oud.KlJrGem(l), true);
            tekst(oud.KlJrSprTxt(l), oud.KlJrSpr(l), true);
        }
        ASSERT_EQ(oud.KlSpr(18, 1), 3e-8);  // a column of one grade
        ASSERT_EQ(oud.KlSprTxt(18, 1), "0.00");

        Tijdelijkemap map;
        const std::string bytes = CijferbestandTekst(oud);
        std::ofstream(map / "oud.vlk", std::ios::binary) << bytes;
        AdmMain b;
        CijferbestandLaden(b, map / "oud.vlk", GeladenHerstellen);
        EXPECT_EQ(Regelverschil(CijferbestandTekst(b), bytes), "") << factor;
    }

    // Further off it does not fit: a column mean a millionth off is taken afresh.
    Tijdelijkemap map;
    AdmMain scheef = a;
    scheef.KlGem(1, 1) *= 1 + 1e-6;
    std::ofstream(map / "scheef.vlk", std::ios::binary) << CijferbestandTekst(scheef);
    AdmMain b;
    CijferbestandLaden(b, map / "scheef.vlk", GeladenHerstellen);
    EXPECT_EQ(Regelverschil(CijferbestandTekst(b), Testinhoud("passend.vlk")), "");
}

}  // namespace
