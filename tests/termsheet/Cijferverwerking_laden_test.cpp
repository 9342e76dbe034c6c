// A loaded grade file mended before it is taken over: the literal files of
// tests/data with texts no entry takes or statistics that do not fit their
// grades load and save as the file that fits (passend.vlk).

#include "termsheet/Cijferverwerking.h"

#include "core/Cijferbestand.h"
#include "termsheet/Herberekening.h"

#include "Tekstvelden.h"
#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <functional>
#include <fstream>
#include <string>
#include <vector>

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

// A control byte inside a line of a grade file reads as a blank, from the
// first load on, as its save writes it: what a load counts is what the next
// load of its save counts, and no text of the data set holds the byte.
struct Stuurgeval {
    const char* naam;
    const char* bestand;
    std::size_t regel;     // from 0
    std::string sjabloon;  // the line, '#' where the byte stands
    std::function<void(const AdmMain&)> verwacht;
};

std::string Met(const std::vector<std::string>& regels, std::size_t i, std::string regel)
{
    std::string t;
    for (std::size_t k = 0; k < regels.size(); ++k)
        t += (k == i ? regel : regels[k]) + "\r\n";
    return t;
}

std::string Ingevuld(std::string sjabloon, char byte)
{
    for (char& c : sjabloon)
        if (c == '#')
            c = byte;
    return sjabloon;
}

// The file's text loaded as the views load it; "" when it is refused, which
// must leave a new data set.
std::string Openen(const Tijdelijkemap& map, const std::string& tekst, AdmMain& a)
{
    std::ofstream(map / "stuur.vlk", std::ios::binary) << tekst;
    a.Gewijzigd = 1;
    try {
        CijferbestandOpenen(a, map / "stuur.vlk", GeladenHerstellen);
    } catch (const Bestandsfout&) {
        AdmMain nieuw;
        EXPECT_EQ(CijferbestandTekst(a), CijferbestandTekst(nieuw)) << "half loaded";
        EXPECT_EQ(a.Gewijzigd, 0);
        return "";
    }
    EXPECT_EQ(a.Gewijzigd, 0);
    EXPECT_EQ(VeldMetStuurteken(a), "");
    return CijferbestandTekst(a);
}

// Saved, loaded and saved again: the same bytes.
void ZelfdeNaOpslaan(const Tijdelijkemap& map, const std::string& opgeslagen)
{
    AdmMain b;
    EXPECT_EQ(Regelverschil(Openen(map, opgeslagen, b), opgeslagen), "");
}

TEST(Laden, AControlByteInsideALineReadsAsABlankFromTheFirstLoadOn)
{
    const auto cijfer = [](const AdmMain& a) {
        EXPECT_EQ(a.Cijfer(1, 2, 1), "6 5");
        EXPECT_EQ(a.KlGem(2, 1), 36.5);
        EXPECT_EQ(a.KlGemTxt(2, 1), "36.5");
        EXPECT_NEAR(a.TrGem(1, 1, 1), 80.0 / 3, 1e-12);
        EXPECT_EQ(a.TrGemTxt(1, 1, 1), "26.7");
        EXPECT_NEAR(a.KlTrGem(1, 1), (80.0 / 3 + 6 + 8) / 3, 1e-12);
        EXPECT_EQ(a.KlTrGemTxt(1, 1), "13.6");
    };
    const std::vector<Stuurgeval> gevallen{
        {"grade", "passend.vlk", 27, "6#5", cijfer},
        {"column weight", "passend.vlk", 4551, "2# ",
         [](const AdmMain& a) {
             EXPECT_EQ(a.KolomGewicht(1, 1), "2  ");
             EXPECT_EQ(a.GewichtWaarde(1, 1), 2.0);
             EXPECT_EQ(a.TrGemTxt(1, 1, 1), "7   ");
         }},
        {"column weight between digits", "passend.vlk", 4561, "1#5",
         [](const AdmMain& a) {  // 15 is no weight
             EXPECT_EQ(a.KolomGewicht(2, 1), "   ");
             EXPECT_EQ(a.GewichtWaarde(2, 1), GeenWaarde);
             EXPECT_EQ(a.TrGemTxt(1, 1, 1), "7.5 ");
         }},
        {"term weight", "passend.vlk", 5028, "1# ",
         [](const AdmMain& a) {
             EXPECT_EQ(a.TrimGewichtTekst(1, 1), "1  ");
             EXPECT_EQ(a.TrimesterWeging(1, 1), 1.0);
             EXPECT_EQ(a.RapportTxt(1, 2, 1), "6  ");
         }},
        {"report text", "passend.vlk", 248, "7# ",
         [](const AdmMain& a) {
             EXPECT_EQ(a.RapportTxt(2, 1, 2), "7  ");
             EXPECT_EQ(a.Rapport(2, 1, 2), 6.5);  // the number beside it, which rounds to it
         }},
        {"surname", "passend.vlk", 11, Pas("Aal#ders", 30),
         [](const AdmMain& a) { EXPECT_EQ(a.Achternaam(1), Pas("Aal ders", 30)); }},
        {"first name", "passend.vlk", 138, Pas("Br#am", 13),
         [](const AdmMain& a) { EXPECT_EQ(a.Roepnaam(2), Pas("Br am", 13)); }},
        {"old file, grade", "fout-oud.vlk", 1621, "6#5", cijfer},
        {"old file, weight number", "fout-oud.vlk", 1492, " 1#.5",
         [](const AdmMain& a) { EXPECT_EQ(a.GewichtWaarde(17, 1), 1.5); }},
    };
    Tijdelijkemap map;
    for (const auto& g : gevallen) {
        const auto regels = Tekstregels(Testinhoud(g.bestand));
        ASSERT_LT(g.regel, regels.size());
        AdmMain blank;
        const std::string metBlank = Openen(map, Met(regels, g.regel, Ingevuld(g.sjabloon, ' ')), blank);
        ASSERT_NE(metBlank, "") << g.naam;
        for (const char byte : {'\r', '\t', '\x01', '\x1F', '\x7F'}) {
            SCOPED_TRACE(std::string(g.naam) + ", byte " + std::to_string(static_cast<int>(byte)));
            AdmMain a;
            const std::string opgeslagen = Openen(map, Met(regels, g.regel, Ingevuld(g.sjabloon, byte)), a);
            if (opgeslagen.empty()) {
                ADD_FAILURE() << "refused";
                continue;
            }
            g.verwacht(a);
            EXPECT_EQ(Regelverschil(opgeslagen, metBlank), "");
            ZelfdeNaOpslaan(map, opgeslagen);
        }
    }
}

// A NUL makes a file no grade file; an LF inside a line is a line end, so
// the file has a line more and is read as it stands: shifted, or refused,
// never half loaded. What loads saves, loads and saves to the same bytes.
TEST(Laden, ANulIsRefusedAndAnLfInsideALineEndsIt)
{
    Tijdelijkemap map;
    for (const char* bestand : {"passend.vlk", "fout-oud.vlk"}) {
        const auto regels = Tekstregels(Testinhoud(bestand));
        AdmMain a;
        EXPECT_EQ(Openen(map, Met(regels, 27, std::string("6\0" "5", 3)), a), "") << bestand;
    }
    const struct {
        const char* bestand;
        std::size_t regel;
        const char* sjabloon;
    } gevallen[] = {
        {"passend.vlk", 0, "Lyceum#aan de Vaart"},
        {"passend.vlk", 11, "Aal#ders"},
        {"passend.vlk", 27, "6#5"},
        {"passend.vlk", 4551, "2# "},
        {"passend.vlk", 5028, "1# "},
        {"passend.vlk", 248, "7# "},
        {"passend.vlk", 6575, "0.9*#c"},
        {"fout-oud.vlk", 8, "Aal#ders"},
        {"fout-oud.vlk", 1621, "6#5"},
        {"fout-oud.vlk", 1492, " 1#.5"},
    };
    for (const auto& g : gevallen) {
        for (const char* eind : {"\n", "\r\n"}) {
            SCOPED_TRACE(std::string(g.bestand) + " line " + std::to_string(g.regel) + (eind[0] == '\r' ? " CR LF" : " LF"));
            const auto regels = Tekstregels(Testinhoud(g.bestand));
            std::string regel = g.sjabloon;
            regel.replace(regel.find('#'), 1, eind);
            AdmMain a;
            const std::string opgeslagen = Openen(map, Met(regels, g.regel, regel), a);
            if (!opgeslagen.empty())
                ZelfdeNaOpslaan(map, opgeslagen);
        }
    }
}

}  // namespace
